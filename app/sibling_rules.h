#pragma once
// The decisions behind cooperating windows of one instance, kept free of
// windows so they can be checked natively: which window is a sibling, what
// line-up sends to each, and the duplicate's command line.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv {

// A sibling has our window class and exactly our title: a title that merely
// begins with ours belongs to another instance ("a" versus "ab"), and another
// program's window titled like us has another class.
bool IsSiblingWindow(std::wstring_view className, std::wstring_view title, std::wstring_view ownClassName,
                     std::wstring_view ownTitle);

struct SiblingMessage {
  unsigned message = 0;
  std::int64_t first = 0;
  std::int64_t second = 0;
};

struct LineUpOrder {
  SiblingMessage centre;  // where the sibling goes
  SiblingMessage size;    // how large it gets there
};

// What the k-th sibling (k = 1, 2, ...) is sent when the windows line up in
// direction (dx, dy), each -1, 0 or +1, from a window of width x height
// centred on (centreX, centreY).
LineUpOrder LineUpOrderFor(int k, int dx, int dy, int width, int height, std::int32_t centreX, std::int32_t centreY);

// One argument quoted so that CommandLineToArgvW gives it back unchanged.
std::wstring QuoteArgument(std::wstring_view argument);

struct DuplicateRequest {
  std::wstring programPath;
  std::wstring path;          // the file on display, or the archive holding it
  std::wstring member;        // the member on display; empty outside an archive
  std::wstring instanceName;  // empty for the default instance
};

// The duplicate's command line, or nothing when an argument would read as a
// switch of its own (a member name beginning with '/') or is empty.
std::optional<std::wstring> DuplicateCommandLine(const DuplicateRequest& request);

}  // namespace tv
