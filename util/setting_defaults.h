#pragma once
// The initial value of every setting with one, named after its ini key. The
// ini key table (settings/settings_keys.cpp) and the small option records of
// the view and the list code all take their initial values from here, so a
// default is written once. It lives at the bottom level because each of those
// may include it and none may include the others.
#include <cstdint>

namespace tv::defaults {

inline constexpr int CenterX = 100;
inline constexpr int CenterY = 100;
inline constexpr int FormLeft = 0;
inline constexpr int FormTop = 0;
inline constexpr int ShowIndex = -1;
inline constexpr int ShowArchive = -1;
inline constexpr bool AlwaysTop = false;
inline constexpr bool HideTaskButton = true;
inline constexpr bool ShowingList = false;
inline constexpr bool SlideShow = false;
inline constexpr int SSInterval = 5000;           // milliseconds
inline constexpr int SSSaveIniInterval = 300000;  // milliseconds
inline constexpr int FrameWidth = 0;
inline constexpr std::uint32_t FrameColor = 0xFFFFFFFF;  // opaque white, ARGB
inline constexpr int AlphaBlendValue = 255;
inline constexpr int FontSize = 9;
inline constexpr bool FixSizeRatio = false;
inline constexpr bool FitToScreen = false;
inline constexpr int PositionMode = 0;
inline constexpr bool FixRotate = false;
inline constexpr int RotateValue = 0;
inline constexpr int WheelSensitivity = 120;
inline constexpr bool FixDiagonalLength = false;
inline constexpr int DiagonalLength = 0;
inline constexpr bool UseWholeScreen = false;
inline constexpr bool FullScreen = false;
inline constexpr double SizeRatio = 1.0;
inline constexpr bool Locked = false;
inline constexpr bool SearchSubFolder = true;
inline constexpr bool LoadLastFile = false;
inline constexpr bool KeepPreviousPosition = false;
inline constexpr int TrayIconColor = 0;
inline constexpr int UseCursorSize = 0;
inline constexpr std::uint32_t FullFillColor = 0xFF000000;  // opaque black, ARGB
inline constexpr bool CreateSendToLink = false;
inline constexpr int JpegCompressRatio0 = 85;
inline constexpr int JpegCompressRatio1 = 85;
inline constexpr int JpegCompressRatio2 = 50;
inline constexpr int JpegCompressRatio3 = 30;
inline constexpr const wchar_t* FileMaskString = L"*.*";
inline constexpr bool EnableFileMask = false;
inline constexpr bool AutoLoadFileFolder = true;
inline constexpr const wchar_t* InternalLoader = L"*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.webp;";
inline constexpr int MaxMovedFolderNum = 5;
inline constexpr int MaxHistoryNum = 16;

}  // namespace tv::defaults
