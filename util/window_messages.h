#pragma once
// Numbers of the messages the windows of one instance send each other, and
// the notification icon's. The view decodes the size requests and the main
// window routes them, so they live below both; plain values, so no windows.h
// is needed (WM_USER is 0x0400).
namespace tv {

inline constexpr unsigned kStepMessage = 0x0400;         // WM_USER: step by a signed count
inline constexpr unsigned kSetCentreMessage = 0x0401;    // centre x, centre y
inline constexpr unsigned kSizeFromBoxMessage = 0x0402;  // width, height: fit the aspect into the box
inline constexpr unsigned kSetWidthMessage = 0x0403;     // width
inline constexpr unsigned kSetHeightMessage = 0x0404;    // height
// Tag of the WM_COPYDATA that names a settings file, or a settings folder,
// just removed (instance deleted, uninstall): a window whose settings were
// there must not write them back.
inline constexpr unsigned long kSettingsRemovedData = 0x54560001;

// The notification-area icon: its id, which is also the message its clicks
// arrive as (first parameter the id, second the mouse message).
inline constexpr unsigned kTrayIconId = 35100;
inline constexpr unsigned kTrayMessage = 35100;

}  // namespace tv
