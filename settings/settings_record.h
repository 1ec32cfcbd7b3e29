#pragma once
// Every persistent setting of a viewer window, one field per ini key and named
// after it. The initial values come from the key table (settings_keys.cpp), so
// a default-constructed record already holds them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/colour.h"

namespace tv {

struct Settings {
  Settings();

  // Window placement.
  int CenterX{}, CenterY{};
  int FormLeft{}, FormTop{};

  // Position in the list and the names to re-find after a restart; kept in the
  // ini file only with LoadLastFile. The window copies its current position in
  // here before saving and takes it from here after loading.
  int ShowIndex{};
  int ShowArchive{};
  std::wstring ShowFileName;
  std::wstring ShowArchiveName;
  std::wstring tflFileName;

  bool AlwaysTop{};
  bool HideTaskButton{};
  bool ShowingList{};
  bool SlideShow{};
  int SSInterval{};         // milliseconds, 1,000 .. 86,400,000
  int SSSaveIniInterval{};  // milliseconds
  int FrameWidth{};
  Argb FrameColor{};
  int AlphaBlendValue{};  // 1 .. 255
  int FontSize{};         // points, 7 .. 500
  bool FixSizeRatio{};
  bool FitToScreen{};
  int PositionMode{};  // 0 .. 5
  bool FixRotate{};
  int RotateValue{};  // quarter turns, 0 .. 3
  int WheelSensitivity{};
  bool FixDiagonalLength{};
  int DiagonalLength{};
  bool UseWholeScreen{};
  bool FullScreen{};
  double SizeRatio{};  // always above 0
  bool Locked{};
  bool SearchSubFolder{};
  bool LoadLastFile{};
  bool KeepPreviousPosition{};
  int TrayIconColor{};  // 0 .. 5
  int UseCursorSize{};  // 0 normal, 1 large, 2 extra large
  Argb FullFillColor{};
  std::wstring ShortCutFileName;
  bool CreateSendToLink{};
  int JpegCompressRatio0{}, JpegCompressRatio1{}, JpegCompressRatio2{}, JpegCompressRatio3{};
  std::wstring FileMaskString;
  bool EnableFileMask{};
  bool AutoLoadFileFolder{};
  std::vector<std::wstring> PluginPath;
  std::wstring InternalLoader;
  std::wstring LastMovedFolder;
  int MaxMovedFolderNum{};  // 0 .. 50
  std::vector<std::wstring> MovedFolder;
  int MaxHistoryNum{};  // 0 .. 50
  std::vector<std::wstring> History;
  // The colour dialog's custom colours, kept as the colour references the
  // dialog itself takes.
  std::array<ColourRef, 16> StockColor{};

  bool operator==(const Settings&) const = default;
};

// Side of the square window shown before the first picture: 200, 300 or 400
// pixels for the three cursor sizes.
constexpr int WindowSideForCursorSize(int useCursorSize) { return (useCursorSize + 2) * 100; }

}  // namespace tv
