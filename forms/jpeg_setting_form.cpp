#include "forms/jpeg_setting_form.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/form_ids.h"

namespace tv {
namespace {

constexpr NumberRules kQualityRules{.hasMin = true, .hasMax = true, .min = 0, .max = 100};
constexpr int kPresetIds[] = {IDC_JPEG_PRESET_1, IDC_JPEG_PRESET_2, IDC_JPEG_PRESET_3};

bool KeyDown(int virtualKey) { return (::GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

std::optional<JpegQualityChoice> JpegSettingForm::Ask(HMODULE module, HWND owner, const std::wstring& title,
                                                      const std::wstring& label, const JpegQualityChoice& start) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
  title_ = title;
  label_ = label;
  choice_ = start;
  if (RunDialog(module, L"IDD_JPEGSETTINGFORM", owner) != IDOK) return std::nullopt;
  return choice_;
}

void JpegSettingForm::Init(HWND dialog) {
  guard_ = true;
  qualityField_.Attach(::GetDlgItem(dialog, IDC_JPEG_QUALITY), kQualityRules, choice_.quality);
  const HWND trackbar = ::GetDlgItem(dialog, IDC_JPEG_TRACKBAR);
  trackbar_.Attach(trackbar);
  ::SendMessageW(trackbar, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(trackbar, TBM_SETTICFREQ, 10, 0);
  ::SendMessageW(trackbar, TBM_SETPAGESIZE, 0, 10);
  ::SendMessageW(trackbar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
  ::SendMessageW(trackbar, WM_SETREDRAW, TRUE, 0);
  MoveTrackbar(choice_.quality);
  ::SetWindowTextW(dialog, title_.c_str());
  SetItemText(dialog, IDC_JPEG_LABEL, label_);
  qualityField_.Show(choice_.quality);
  for (size_t k = 0; k < choice_.presets.size(); ++k)
    SetItemText(dialog, kPresetIds[k], std::to_wstring(choice_.presets[k]));
  guard_ = false;
}

void JpegSettingForm::MoveTrackbar(std::int32_t position) {
  ::SendMessageW(trackbar_.Handle(), TBM_SETPOS, TRUE, std::clamp(position, 0, 100));
}

void JpegSettingForm::ShowQuality() {
  guard_ = true;
  qualityField_.Show(choice_.quality);
  qualityField_.SetValue(choice_.quality);
  guard_ = false;
}

void JpegSettingForm::TrackbarMoved() {
  // The trackbar's own position, read as it reports the move: it is already
  // up to date for drags, clicks beside the thumb and keys alike.
  choice_.quality = static_cast<std::int32_t>(::SendMessageW(trackbar_.Handle(), TBM_GETPOS, 0, 0));
  ShowQuality();
}

void JpegSettingForm::QualityTyped() {
  choice_.quality = qualityField_.Filter();
  guard_ = true;
  MoveTrackbar(choice_.quality);
  guard_ = false;
}

void JpegSettingForm::PresetPressed(HWND dialog, int index) {
  auto& preset = choice_.presets[static_cast<size_t>(index)];
  if (KeyDown(VK_RCONTROL) && !KeyDown(VK_LCONTROL)) {
    preset = choice_.quality;
    SetItemText(dialog, kPresetIds[index], std::to_wstring(preset));
    return;
  }
  choice_.quality = std::clamp(preset, 0, 100);
  guard_ = true;
  MoveTrackbar(choice_.quality);
  guard_ = false;
  ShowQuality();
}

INT_PTR JpegSettingForm::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  handled = true;
  if (message == WM_INITDIALOG) {
    Init(dialog);
    return TRUE;
  }
  if (message == WM_CLOSE) {
    ::EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  if (message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == trackbar_.Handle()) {
    if (!guard_) TrackbarMoved();
    return TRUE;
  }
  if (message == WM_COMMAND) {
    const int id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) {
      ::EndDialog(dialog, id);
      return TRUE;
    }
    if (id == IDC_JPEG_QUALITY && HIWORD(wParam) == EN_UPDATE) {
      if (!guard_) QualityTyped();
      return TRUE;
    }
    for (int k = 0; k < 3; ++k) {
      if (id == kPresetIds[k] && HIWORD(wParam) == BN_CLICKED) {
        PresetPressed(dialog, k);
        return TRUE;
      }
    }
  }
  handled = false;
  return FALSE;
}

}  // namespace tv
