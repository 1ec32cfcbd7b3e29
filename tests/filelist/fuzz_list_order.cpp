// Names from untrusted bytes (archive members, saved lists) through the list
// orders and the member filter: every entry survives a sort exactly once, in
// the order a plain comparison gives, and only unlistable names are dropped.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/archive_member_filter.h"
#include "filelist/sort_order.h"
#include "util/paths.h"

namespace {

// 16-bit little-endian units; 0xFFFF separates names. The first byte's low
// bit puts a long shared folder in front of every name. Time holds the index.
tv::ImageList NamesFrom(const std::uint8_t* data, std::size_t size) {
  tv::ImageList list;
  if (size == 0) return list;
  const std::wstring prefix = (data[0] & 1) ? L"C:\\Users\\someone\\Pictures\\" : L"";
  std::wstring name = prefix;
  auto add = [&] { list.push_back({name, std::int64_t(list.size()), std::uint32_t(name.size()), -1, {}}); };
  for (std::size_t i = 1; i + 1 < size; i += 2) {
    const unsigned unit = data[i] | (data[i + 1] << 8);
    if (unit != 0xFFFF) {
      name.push_back(static_cast<wchar_t>(unit));
      continue;
    }
    add();
    name = prefix;
  }
  add();
  return list;
}

void CheckPermutation(const tv::ImageList& original, const tv::ImageList& sorted) {
  if (sorted.size() != original.size()) __builtin_trap();
  std::vector<bool> seen(original.size(), false);
  for (const auto& e : sorted) {
    const auto k = static_cast<std::size_t>(e.time);
    if (k >= original.size() || seen[k] || original[k].path != e.path) __builtin_trap();
    seen[k] = true;
  }
}

bool Unlistable(const tv::ImageEntry& e) { return e.path.empty() || tv::HasControlCharacter(e.path); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tv::ImageList list = NamesFrom(data, size);
  for (int mode : {0, 1, 3}) {
    tv::ImageList sorted = list;
    tv::OrderEntries(sorted, mode);
    CheckPermutation(list, sorted);
    for (std::size_t i = 1; i < sorted.size(); ++i) {
      const auto &a = sorted[i - 1].path, &b = sorted[i].path;
      const bool inOrder = mode == 0   ? tv::CompareCodeUnits(a, b) <= 0
                           : mode == 1 ? tv::CompareCodeUnits(tv::ExtensionOf(a), tv::ExtensionOf(b)) <= 0
                                       : sorted[i - 1].size <= sorted[i].size;
      if (!inOrder) __builtin_trap();
    }
  }
  tv::ImageList reversed = list;
  tv::OrderEntries(reversed, 5);
  tv::OrderEntries(reversed, 5);
  CheckPermutation(list, reversed);
  for (std::size_t i = 0; i < list.size(); ++i)
    if (reversed[i].path != list[i].path) __builtin_trap();

  tv::ImageList members = list;
  tv::DropUnlistableMembers(members, tv::ListSettings{});
  if (std::ptrdiff_t(members.size()) != std::count_if(list.begin(), list.end(), [](auto& e) { return !Unlistable(e); }))
    __builtin_trap();
  if (std::any_of(members.begin(), members.end(), Unlistable)) __builtin_trap();
  return 0;
}
