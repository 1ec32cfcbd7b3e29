#pragma once
// One loaded Susie plug-in: its library, the entry points it exports and
// what it says about itself. The calls follow the plug-ins' own convention
// (stdcall on 32-bit Windows; the 64-bit ABI has only one).
#include <windows.h>

#include "imaging/plugin_format.h"
#include "util/win_handles.h"

namespace tv {

// (done, total, user value); non-zero asks the plug-in to stop.
using SusieProgress = int(WINAPI*)(int done, int total, LONG_PTR user);

// Input from memory for GetPicture and GetArchiveInfo; input from a file and
// output to memory for GetFile.
constexpr unsigned kSusieInputMemory = 1;
constexpr unsigned kSusieFileToMemory = 0x100;

struct PluginRecord {
  UniqueModule module;
  int(WINAPI* GetPluginInfo)(int number, LPSTR buffer, int length) = nullptr;
  int(WINAPI* IsSupported)(LPCSTR name, void* header) = nullptr;
  int(WINAPI* GetPictureInfo)(LPCSTR data, LONG_PTR size, unsigned flag, void* info) = nullptr;
  int(WINAPI* GetPicture)(LPCSTR data, LONG_PTR size, unsigned flag, HLOCAL* header, HLOCAL* bits,
                          SusieProgress progress, LONG_PTR user) = nullptr;
  int(WINAPI* GetPreview)(LPCSTR data, LONG_PTR size, unsigned flag, HLOCAL* header, HLOCAL* bits,
                          SusieProgress progress, LONG_PTR user) = nullptr;
  int(WINAPI* GetArchiveInfo)(LPCSTR data, LONG_PTR size, unsigned flag, HLOCAL* info) = nullptr;
  int(WINAPI* GetFileInfo)(LPCSTR data, LONG_PTR size, LPCSTR name, unsigned flag, SusieFileInfo* info) = nullptr;
  int(WINAPI* GetFile)(LPCSTR source, LONG_PTR position, LPSTR destination, unsigned flag, SusieProgress progress,
                       LONG_PTR user) = nullptr;
  int(WINAPI* ConfigurationDlg)(HWND parent, int function) = nullptr;
  char version[5] = {};
  char description[200] = {};

  PluginKind Kind() const { return KindOfVersion(version); }
};

}  // namespace tv
