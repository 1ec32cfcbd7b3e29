#include "settings/settings_keys.h"

#include <array>
#include <limits>

namespace tv {

namespace {

using S = Settings;
constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr ColourRef kWhiteRef = 0xFFFFFF;
constexpr Argb kOpaqueWhite = 0xFFFFFFFF, kOpaqueBlack = 0xFF000000;
constexpr auto kKeep = std::nullopt;
constexpr KeyPresence kLastFile = KeyPresence::OnlyWithLoadLastFile;

// The clamps of RotateValue, TrayIconColor, UseCursorSize, SizeRatio and
// SSInterval guard the code that indexes tables or divides with these values;
// the program itself only ever stores values inside the ranges.
constexpr std::array kKeys{
    SettingKey{L"CenterX", IntKey{&S::CenterX, 100, kKeep}},
    SettingKey{L"CenterY", IntKey{&S::CenterY, 100, kKeep}},
    SettingKey{L"FormLeft", IntKey{&S::FormLeft, 0, kKeep}},
    SettingKey{L"FormTop", IntKey{&S::FormTop, 0, kKeep}},
    SettingKey{L"ShowIndex", IntKey{&S::ShowIndex, -1, 0}, kLastFile},
    SettingKey{L"ShowArchive", IntKey{&S::ShowArchive, -1, -1, {-1, kIntMax}}, kLastFile},
    SettingKey{L"ShowFileName", TextKey{&S::ShowFileName, L""}, kLastFile},
    SettingKey{L"ShowArchiveName", TextKey{&S::ShowArchiveName, L""}, kLastFile},
    SettingKey{L"tflFileName", TextKey{&S::tflFileName, L""}, kLastFile},
    SettingKey{L"AlwaysTop", BoolKey{&S::AlwaysTop, false, false}},
    SettingKey{L"HideTaskButton", BoolKey{&S::HideTaskButton, true, true}},
    SettingKey{L"ShowingList", BoolKey{&S::ShowingList, false, true}},
    SettingKey{L"SlideShow", BoolKey{&S::SlideShow, false, false}},
    SettingKey{L"SSInterval", IntKey{&S::SSInterval, 5000, kKeep, {1000, 86'400'000}}},
    SettingKey{L"SSSaveIniInterval", IntKey{&S::SSSaveIniInterval, 300000, kKeep}},
    SettingKey{L"FrameWidth", IntKey{&S::FrameWidth, 0, kKeep}},
    SettingKey{L"FrameColor", ColourKey{&S::FrameColor, kOpaqueWhite, kWhiteRef}},
    SettingKey{L"AlphaBlendValue", IntKey{&S::AlphaBlendValue, 255, kKeep, {1, 255}}},
    SettingKey{L"FontSize", IntKey{&S::FontSize, 9, kKeep, {7, 500}}},
    SettingKey{L"FixSizeRatio", BoolKey{&S::FixSizeRatio, false, false}},
    SettingKey{L"FitToScreen", BoolKey{&S::FitToScreen, false, kKeep}},
    SettingKey{L"PositionMode", IntKey{&S::PositionMode, 0, kKeep, {0, 5}}},
    SettingKey{L"FixRotate", BoolKey{&S::FixRotate, false, false}},
    SettingKey{L"RotateValue", IntKey{&S::RotateValue, 0, kKeep, {0, 3}}},
    SettingKey{L"WheelSensitivity", IntKey{&S::WheelSensitivity, 120, kKeep, {1, 60'000'000}}},
    SettingKey{L"FixDiagonalLength", BoolKey{&S::FixDiagonalLength, false, false}},
    SettingKey{L"DiagonalLength", IntKey{&S::DiagonalLength, 0, kKeep}},
    SettingKey{L"UseWholeScreen", BoolKey{&S::UseWholeScreen, false, kKeep}},
    SettingKey{L"FullScreen", BoolKey{&S::FullScreen, false, kKeep}},
    // Six decimals are written, so 0.000001 is the smallest ratio that survives.
    SettingKey{L"SizeRatio", DoubleKey{&S::SizeRatio, 1.0, 0.000001, 1'000'000.0}},
    SettingKey{L"Locked", BoolKey{&S::Locked, false, kKeep}},
    SettingKey{L"SearchSubFolder", BoolKey{&S::SearchSubFolder, true, kKeep}},
    SettingKey{L"LoadLastFile", BoolKey{&S::LoadLastFile, false, kKeep}},
    SettingKey{L"KeepPreviousPosition", BoolKey{&S::KeepPreviousPosition, false, kKeep}},
    SettingKey{L"TrayIconColor", IntKey{&S::TrayIconColor, 0, kKeep, {0, 5}}},
    SettingKey{L"UseCursorSize", IntKey{&S::UseCursorSize, 0, kKeep, {0, 2}}},
    SettingKey{L"FullFillColor", ColourKey{&S::FullFillColor, kOpaqueBlack, kKeep}},
    SettingKey{L"ShortCutFileName", TextKey{&S::ShortCutFileName, L""}},
    SettingKey{L"CreateSendToLink", BoolKey{&S::CreateSendToLink, false, kKeep}},
    SettingKey{L"JpegCompressRatio0", IntKey{&S::JpegCompressRatio0, 85, 85, {1, 100}}},
    SettingKey{L"JpegCompressRatio1", IntKey{&S::JpegCompressRatio1, 85, 25, {1, 100}}},
    SettingKey{L"JpegCompressRatio2", IntKey{&S::JpegCompressRatio2, 50, 60, {1, 100}}},
    SettingKey{L"JpegCompressRatio3", IntKey{&S::JpegCompressRatio3, 30, 85, {1, 100}}},
    SettingKey{L"FileMaskString", TextKey{&S::FileMaskString, L"*.*"}},
    SettingKey{L"EnableFileMask", BoolKey{&S::EnableFileMask, false, kKeep}},
    SettingKey{L"AutoLoadFileFolder", BoolKey{&S::AutoLoadFileFolder, true, kKeep}},
    SettingKey{L"PluginPath", TextListKey{&S::PluginPath, nullptr}},
    SettingKey{L"InternalLoader", TextKey{&S::InternalLoader, L"*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.webp;"}},
    SettingKey{L"LastMovedFolder", TextKey{&S::LastMovedFolder, L""}},
    SettingKey{L"MaxMovedFolderNum", IntKey{&S::MaxMovedFolderNum, 5, kKeep, {0, 50}},
               KeyPresence::OmittedWhenInitial},
    SettingKey{L"MovedFolder", TextListKey{&S::MovedFolder, &S::MaxMovedFolderNum}},
    SettingKey{L"MaxHistoryNum", IntKey{&S::MaxHistoryNum, 16, kKeep, {0, 50}}, KeyPresence::OmittedWhenInitial},
    SettingKey{L"History", TextListKey{&S::History, &S::MaxHistoryNum}},
    SettingKey{L"StockColor", ColourRefArrayKey{&S::StockColor}},
};

struct InitialValueSetter {
  Settings& s;
  void operator()(const IntKey& k) const { s.*k.field = k.initial; }
  void operator()(const BoolKey& k) const { s.*k.field = k.initial; }
  void operator()(const DoubleKey& k) const { s.*k.field = k.initial; }
  void operator()(const TextKey& k) const { s.*k.field = k.initial; }
  void operator()(const ColourKey& k) const { s.*k.field = k.initial; }
  void operator()(const TextListKey& k) const { (s.*k.field).clear(); }
  void operator()(const ColourRefArrayKey& k) const { (s.*k.field).fill(0); }
};

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

void ResetToInitial(Settings& settings) {
  for (const SettingKey& key : kKeys) std::visit(InitialValueSetter{settings}, key.rule);
}

Settings::Settings() { ResetToInitial(*this); }

}  // namespace tv
