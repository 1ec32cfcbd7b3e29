#include "settings/list_lines.h"

#include <unordered_map>

#include "settings/key_lines.h"
#include "util/text.h"
#include "util/wildcard.h"

namespace tv {

namespace {

// A record keeps its fields apart with TABs and its line with CR LF, so a
// path holding any of them cannot be stored faithfully.
bool IsStorablePath(std::wstring_view path) { return path.find_first_of(L"\t\r\n") == std::wstring_view::npos; }

void AppendDecimal(std::wstring& text, std::int64_t n) { text += DecimalInt(n); }

// "Prefix<n>" into a reused buffer, so the 100,000-line loops do not allocate
// a new key for every lookup.
const std::wstring& NumberedKey(std::wstring& buffer, std::wstring_view prefix, std::int64_t n) {
  buffer.assign(prefix);
  AppendDecimal(buffer, n);
  return buffer;
}

void AppendRecordLine(std::wstring& text, const std::wstring& key, const ImageEntry& entry) {
  text += key;
  text += L'=';
  text += ListRecord(entry);
  text += L'\n';
}

class CancelPoll {
 public:
  explicit CancelPoll(const std::function<bool()>& cancel) : cancel_(cancel) {}
  // Asks every 256th call: the question may cost a round trip to the system.
  bool Requested() {
    if (!cancel_ || (calls_++ & 255) != 0) return cancelled_;
    cancelled_ = cancelled_ || cancel_();
    return cancelled_;
  }

 private:
  const std::function<bool()>& cancel_;
  unsigned calls_ = 0;
  bool cancelled_ = false;
};

}  // namespace

std::wstring ListRecord(const ImageEntry& entry) {
  std::wstring record = L"Name=";
  record += entry.path;
  record += L"\tTime=";
  AppendDecimal(record, entry.time);
  record += L"\tSize=";
  AppendDecimal(record, entry.size);
  record += L"\tRotate=";
  AppendDecimal(record, entry.rotation);
  return record;
}

bool WriteListLines(std::wstring& text, const ImageList& list) {
  if (list.empty()) return false;
  std::wstring key;
  std::int64_t i = 0;
  for (const ImageEntry& entry : list) {
    if (!IsStorablePath(entry.path)) continue;
    AppendRecordLine(text, NumberedKey(key, L"FileList", i++), entry);
  }
  std::int64_t a = 0;
  for (const ImageEntry& entry : list) {
    if (!IsStorablePath(entry.path)) continue;
    AppendKeyLine(text, NumberedKey(key, L"Archive", a), entry.path);
    std::int64_t k = 0;
    for (const ImageEntry& member : entry.members) {
      if (!IsStorablePath(member.path)) continue;
      NumberedKey(key, L"ArchiveList", a);
      key += L'-';
      AppendDecimal(key, k++);
      AppendRecordLine(text, key, member);
    }
    ++a;
  }
  return true;
}

std::wstring_view RecordField(std::wstring_view record, std::wstring_view field) {
  size_t start = 0;
  for (;;) {
    size_t end = record.find(L'\t', start);
    if (end == std::wstring_view::npos) end = record.size();
    const std::wstring_view part = record.substr(start, end - start);
    if (part.size() > field.size() && part.starts_with(field) && part[field.size()] == L'=')
      return part.substr(field.size() + 1);
    if (end == record.size()) return {};
    start = end + 1;
  }
}

ImageEntry EntryFromRecord(std::wstring_view record) {
  ImageEntry entry;
  entry.path = RecordField(record, L"Name");
  entry.time = LenientInt64(RecordField(record, L"Time"));
  entry.size = static_cast<std::uint32_t>(static_cast<std::uint64_t>(LenientInt64(RecordField(record, L"Size"))));
  const std::int64_t rotation = LenientInt64(RecordField(record, L"Rotate"));
  entry.rotation = (rotation >= -1 && rotation <= 3) ? static_cast<std::int32_t>(rotation) : -1;
  return entry;
}

void ReadListLines(ImageList& list, const KeyValueMap& map, const ListReadOptions& options) {
  CancelPoll cancel(options.cancelRequested);
  auto passesMask = [&options](std::wstring_view path) {
    return !options.maskEnabled || MatchesMask(path, options.mask);
  };
  std::wstring key;
  const size_t firstNew = list.size();
  for (std::int64_t i = 0;; ++i) {
    if (cancel.Requested()) return;
    const auto found = map.find(NumberedKey(key, L"FileList", i));
    if (found == map.end()) break;
    ImageEntry entry = EntryFromRecord(found->second);
    if (passesMask(entry.path)) list.push_back(std::move(entry));
  }

  // The list is not resized below, so views of its paths stay valid.
  std::unordered_map<std::wstring_view, size_t> firstIndexOf;
  firstIndexOf.reserve(list.size() - firstNew);
  for (size_t n = firstNew; n < list.size(); ++n) firstIndexOf.emplace(list[n].path, n);

  for (std::int64_t a = 0;; ++a) {
    if (cancel.Requested()) return;
    const auto found = map.find(NumberedKey(key, L"Archive", a));
    if (found == map.end()) break;
    if (!passesMask(found->second)) continue;
    const auto index = firstIndexOf.find(found->second);
    if (index == firstIndexOf.end()) continue;
    ImageEntry& archive = list[index->second];
    if (!archive.members.empty()) continue;  // members came with an earlier line for this path
    for (std::int64_t k = 0;; ++k) {
      if (cancel.Requested()) return;
      NumberedKey(key, L"ArchiveList", a);
      key += L'-';
      AppendDecimal(key, k);
      const auto member = map.find(key);
      if (member == map.end()) break;
      ImageEntry entry = EntryFromRecord(member->second);
      if (passesMask(entry.path)) archive.members.push_back(std::move(entry));
    }
  }
}

}  // namespace tv
