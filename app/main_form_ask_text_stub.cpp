// Stand-in until the input form arrives: every question is cancelled.
#include "app/main_form.h"

namespace tv {

std::optional<std::wstring> MainForm::AskText(const std::wstring&, const std::wstring&, const std::wstring&) {
  return std::nullopt;
}

}  // namespace tv
