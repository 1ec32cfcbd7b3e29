#pragma once
// What the settings code needs from the window that owns it. The main window
// implements this (message boxes inside its modal bracket, the Esc key, the
// shortcut offer of the first start); tests use a recording stand-in.
#include <string>

namespace tv {

enum class MessageIcon { Information, Warning };

struct UserMessage {
  // Id of the text in the message table, so the window can show the text of
  // the user's language; 0 for texts built here (they carry their details).
  int textId = 0;
  std::wstring text;  // the English text
  std::wstring caption;
  MessageIcon icon = MessageIcon::Information;
};

class SettingsHost {
 public:
  virtual ~SettingsHost() = default;
  virtual void ShowMessage(const UserMessage& message) = 0;
  // First start of the default instance: offer the program's shortcuts.
  virtual void OfferFirstStartShortcut() = 0;
  // True while the user holds Esc to stop reading a long list.
  virtual bool CancelRequested() = 0;
};

constexpr int kListSavedTextId = 11001;
constexpr int kStartWithoutIniTextId = 11002;

}  // namespace tv
