#include "settings/settings_keys.h"

#include <array>
#include <limits>

#include "util/setting_defaults.h"

namespace tv {

namespace {

using S = Settings;
namespace D = defaults;
constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr ColourRef kWhiteRef = 0xFFFFFF;
constexpr auto kKeep = std::nullopt;
constexpr KeyPresence kLastFile = KeyPresence::OnlyWithLoadLastFile;

// The clamps of RotateValue, TrayIconColor, UseCursorSize, SizeRatio and
// SSInterval guard the code that indexes tables or divides with these values;
// the program itself only ever stores values inside the ranges.
constexpr std::array kKeys{
    SettingKey{L"CenterX", IntKey{&S::CenterX, D::CenterX, kKeep}},
    SettingKey{L"CenterY", IntKey{&S::CenterY, D::CenterY, kKeep}},
    SettingKey{L"FormLeft", IntKey{&S::FormLeft, D::FormLeft, kKeep}},
    SettingKey{L"FormTop", IntKey{&S::FormTop, D::FormTop, kKeep}},
    SettingKey{L"ShowIndex", IntKey{&S::ShowIndex, D::ShowIndex, 0}, kLastFile},
    SettingKey{L"ShowArchive", IntKey{&S::ShowArchive, D::ShowArchive, -1, {-1, kIntMax}}, kLastFile},
    SettingKey{L"ShowFileName", TextKey{&S::ShowFileName, L""}, kLastFile},
    SettingKey{L"ShowArchiveName", TextKey{&S::ShowArchiveName, L""}, kLastFile},
    SettingKey{L"tflFileName", TextKey{&S::tflFileName, L""}, kLastFile},
    SettingKey{L"AlwaysTop", BoolKey{&S::AlwaysTop, D::AlwaysTop, false}},
    SettingKey{L"HideTaskButton", BoolKey{&S::HideTaskButton, D::HideTaskButton, true}},
    SettingKey{L"ShowingList", BoolKey{&S::ShowingList, D::ShowingList, true}},
    SettingKey{L"SlideShow", BoolKey{&S::SlideShow, D::SlideShow, false}},
    SettingKey{L"SSInterval", IntKey{&S::SSInterval, D::SSInterval, kKeep, {1000, 86'400'000}}},
    SettingKey{L"SSSaveIniInterval", IntKey{&S::SSSaveIniInterval, D::SSSaveIniInterval, kKeep}},
    SettingKey{L"FrameWidth", IntKey{&S::FrameWidth, D::FrameWidth, kKeep}},
    SettingKey{L"FrameColor", ColourKey{&S::FrameColor, D::FrameColor, kWhiteRef}},
    SettingKey{L"AlphaBlendValue", IntKey{&S::AlphaBlendValue, D::AlphaBlendValue, kKeep, {1, 255}}},
    SettingKey{L"FontSize", IntKey{&S::FontSize, D::FontSize, kKeep, {7, 500}}},
    SettingKey{L"FixSizeRatio", BoolKey{&S::FixSizeRatio, D::FixSizeRatio, false}},
    SettingKey{L"FitToScreen", BoolKey{&S::FitToScreen, D::FitToScreen, kKeep}},
    SettingKey{L"PositionMode", IntKey{&S::PositionMode, D::PositionMode, kKeep, {0, 5}}},
    SettingKey{L"FixRotate", BoolKey{&S::FixRotate, D::FixRotate, false}},
    SettingKey{L"RotateValue", IntKey{&S::RotateValue, D::RotateValue, kKeep, {0, 3}}},
    SettingKey{L"WheelSensitivity", IntKey{&S::WheelSensitivity, D::WheelSensitivity, kKeep, {1, 60'000'000}}},
    SettingKey{L"FixDiagonalLength", BoolKey{&S::FixDiagonalLength, D::FixDiagonalLength, false}},
    SettingKey{L"DiagonalLength", IntKey{&S::DiagonalLength, D::DiagonalLength, kKeep}},
    SettingKey{L"UseWholeScreen", BoolKey{&S::UseWholeScreen, D::UseWholeScreen, kKeep}},
    SettingKey{L"FullScreen", BoolKey{&S::FullScreen, D::FullScreen, kKeep}},
    // Six decimals are written, so 0.000001 is the smallest ratio that survives.
    SettingKey{L"SizeRatio", DoubleKey{&S::SizeRatio, D::SizeRatio, 0.000001, 1'000'000.0}},
    SettingKey{L"Locked", BoolKey{&S::Locked, D::Locked, kKeep}},
    SettingKey{L"SearchSubFolder", BoolKey{&S::SearchSubFolder, D::SearchSubFolder, kKeep}},
    SettingKey{L"LoadLastFile", BoolKey{&S::LoadLastFile, D::LoadLastFile, kKeep}},
    SettingKey{L"KeepPreviousPosition", BoolKey{&S::KeepPreviousPosition, D::KeepPreviousPosition, kKeep}},
    SettingKey{L"TrayIconColor", IntKey{&S::TrayIconColor, D::TrayIconColor, kKeep, {0, 5}}},
    SettingKey{L"UseCursorSize", IntKey{&S::UseCursorSize, D::UseCursorSize, kKeep, {0, 2}}},
    SettingKey{L"FullFillColor", ColourKey{&S::FullFillColor, D::FullFillColor, kKeep}},
    SettingKey{L"ShortCutFileName", TextKey{&S::ShortCutFileName, L""}},
    SettingKey{L"CreateSendToLink", BoolKey{&S::CreateSendToLink, D::CreateSendToLink, kKeep}},
    SettingKey{L"JpegCompressRatio0", IntKey{&S::JpegCompressRatio0, D::JpegCompressRatio0, 85, {1, 100}}},
    SettingKey{L"JpegCompressRatio1", IntKey{&S::JpegCompressRatio1, D::JpegCompressRatio1, 25, {1, 100}}},
    SettingKey{L"JpegCompressRatio2", IntKey{&S::JpegCompressRatio2, D::JpegCompressRatio2, 60, {1, 100}}},
    SettingKey{L"JpegCompressRatio3", IntKey{&S::JpegCompressRatio3, D::JpegCompressRatio3, 85, {1, 100}}},
    SettingKey{L"FileMaskString", TextKey{&S::FileMaskString, D::FileMaskString}},
    SettingKey{L"EnableFileMask", BoolKey{&S::EnableFileMask, D::EnableFileMask, kKeep}},
    SettingKey{L"AutoLoadFileFolder", BoolKey{&S::AutoLoadFileFolder, D::AutoLoadFileFolder, kKeep}},
    SettingKey{L"PluginPath", TextListKey{&S::PluginPath, nullptr}},
    SettingKey{L"InternalLoader", TextKey{&S::InternalLoader, D::InternalLoader}},
    SettingKey{L"LastMovedFolder", TextKey{&S::LastMovedFolder, L""}},
    SettingKey{L"MaxMovedFolderNum", IntKey{&S::MaxMovedFolderNum, D::MaxMovedFolderNum, kKeep, {0, 50}},
               KeyPresence::OmittedWhenInitial},
    SettingKey{L"MovedFolder", TextListKey{&S::MovedFolder, &S::MaxMovedFolderNum}},
    SettingKey{L"MaxHistoryNum", IntKey{&S::MaxHistoryNum, D::MaxHistoryNum, kKeep, {0, 50}}, KeyPresence::OmittedWhenInitial},
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
