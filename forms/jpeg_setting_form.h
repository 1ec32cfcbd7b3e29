#pragma once
// The JPEG quality question: an edit and a trackbar (0..100) that follow
// each other, and three preset buttons. A click on a preset takes its
// value; with the right Ctrl key held (and the left one not) it stores the
// current quality into the preset instead.
#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "forms/control_wrapper.h"
#include "forms/dialog_form.h"
#include "forms/number_field.h"

namespace tv {

struct JpegQualityChoice {
  std::int32_t quality = 85;
  std::array<std::int32_t, 3> presets{85, 50, 30};
};

class JpegSettingForm final : public DialogForm {
 public:
  // Shows "IDD_JPEGSETTINGFORM" over owner. The quality and presets as the
  // form left them on OK; nothing otherwise.
  std::optional<JpegQualityChoice> Ask(HMODULE module, HWND owner, const std::wstring& title,
                                       const std::wstring& label, const JpegQualityChoice& start);

 private:
  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
  void Init(HWND dialog);
  void TrackbarMoved();
  void QualityTyped();
  void PresetPressed(HWND dialog, int index);
  void MoveTrackbar(std::int32_t position);
  void ShowQuality();

  std::wstring title_;
  std::wstring label_;
  JpegQualityChoice choice_;
  NumberField qualityField_;
  ControlWrapper trackbar_;
  bool guard_ = false;
};

}  // namespace tv
