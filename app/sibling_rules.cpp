#include "app/sibling_rules.h"

#include "util/window_messages.h"

namespace tv {

bool IsSiblingWindow(std::wstring_view className, std::wstring_view title, std::wstring_view ownClassName,
                     std::wstring_view ownTitle) {
  return className == ownClassName && title == ownTitle;
}

LineUpOrder LineUpOrderFor(int k, int dx, int dy, int width, int height, std::int32_t centreX, std::int32_t centreY) {
  LineUpOrder order;
  order.centre = {kSetCentreMessage, centreX + std::int64_t{k} * dx * width, centreY + std::int64_t{k} * dy * height};
  if (dx != 0 && dy != 0)
    order.size =
        width < height ? SiblingMessage{kSetWidthMessage, width, 0} : SiblingMessage{kSetHeightMessage, height, 0};
  else if (dx != 0)
    order.size = {kSetWidthMessage, width, 0};
  else if (dy != 0)
    order.size = {kSetHeightMessage, height, 0};
  else
    order.size = {kSizeFromBoxMessage, width, height};
  return order;
}

std::wstring QuoteArgument(std::wstring_view argument) {
  // Backslashes are literal except in runs that end at a quote: those runs
  // are doubled, and the quote itself escaped.
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') backslashes = backslashes * 2 + 1;
    quoted.append(backslashes, L'\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(backslashes * 2, L'\\');
  quoted.push_back(L'"');
  return quoted;
}

std::optional<std::wstring> DuplicateCommandLine(const DuplicateRequest& request) {
  // The receiving side reads every argument beginning with '/' as a switch,
  // whatever the quotes: such an entry name could start an uninstall.
  auto isPlain = [](const std::wstring& argument) { return !argument.empty() && argument.front() != L'/'; };
  if (request.programPath.empty() || !isPlain(request.path)) return std::nullopt;
  if (!request.member.empty() && !isPlain(request.member)) return std::nullopt;
  std::wstring line = QuoteArgument(request.programPath) + L" /:duplicate ";
  if (!request.instanceName.empty()) line += QuoteArgument(L"/" + request.instanceName) + L" ";
  line += QuoteArgument(request.path);
  if (!request.member.empty()) line += L" " + QuoteArgument(request.member);
  return line;
}

}  // namespace tv
