#pragma once
// Shared by the settings tests: a recording stand-in for the window, key=value
// data as the ini reader sees it, and deep comparison of file lists.
#include <string>
#include <vector>

#include "filelist/image_entry.h"
#include "settings/settings_host.h"
#include "util/key_value.h"

namespace tvtest {

class RecordingHost final : public tv::SettingsHost {
 public:
  void ShowMessage(const tv::UserMessage& message) override { messages.push_back(message); }
  void OfferFirstStartShortcut() override { ++shortcutOffers; }
  // Esc counts as held from question cancelFromQuestion on; 0: never.
  bool CancelRequested() override { return cancelFromQuestion > 0 && ++cancelQuestions >= cancelFromQuestion; }

  std::vector<tv::UserMessage> messages;
  int shortcutOffers = 0, cancelQuestions = 0, cancelFromQuestion = 0;
};

inline tv::KeyValueMap MapOf(const std::wstring& text) {
  tv::KeyValueMap map;
  tv::ParseKeyValueText(map, text);
  return map;
}

inline bool SameEntries(const tv::ImageList& a, const tv::ImageList& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].path != b[i].path || a[i].time != b[i].time || a[i].size != b[i].size ||
        a[i].rotation != b[i].rotation || !SameEntries(a[i].members, b[i].members))
      return false;
  return true;
}

// Three entries, the middle one an archive with two members; times past 2038.
inline tv::ImageList SampleList() {
  tv::ImageEntry zip{L"C:\\Pictures\\b.zip", 4102444800, 4000000000u, -1, {}};
  zip.members = {{L"img\\001.png", 2000, 800, 0, {}}, {L"img\\002.png", 4102444801, 801, 3, {}}};
  return {{L"C:\\Pictures\\a.jpg", 1000, 500, -1, {}}, zip, {L"C:\\Pictures\\c.png", -5, 0, 1, {}}};
}

}  // namespace tvtest
