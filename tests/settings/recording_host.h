#pragma once
// Stand-in for the window: records what the settings code asks it to do.
#include <vector>

#include "settings/settings_host.h"

namespace tvtest {

class RecordingHost final : public tv::SettingsHost {
 public:
  void ShowMessage(const tv::UserMessage& message) override { messages.push_back(message); }
  void OfferFirstStartShortcut() override { ++shortcutOffers; }
  bool CancelRequested() override {
    ++cancelQuestions;
    return cancelFromQuestion > 0 && cancelQuestions >= cancelFromQuestion;
  }

  std::vector<tv::UserMessage> messages;
  int shortcutOffers = 0;
  int cancelQuestions = 0;
  // Esc counts as held from this question on; 0: never.
  int cancelFromQuestion = 0;
};

}  // namespace tvtest
