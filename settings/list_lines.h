#pragma once
// The list lines shared by file-list (.tfl) files and the ini file:
//   FileList<i>=Name=<path>\tTime=<t>\tSize=<s>\tRotate=<r>
//   Archive<a>=<path>
//   ArchiveList<a>-<k>=<record of a member>
#include <functional>
#include <string>
#include <string_view>

#include "filelist/image_entry.h"
#include "util/key_value.h"

namespace tv {

// Appends the lines of a non-empty list; false, with nothing appended, for an
// empty one. An entry whose path cannot be stored in a record (line break or
// TAB) is left out with its members; numbering stays without gaps.
bool WriteListLines(std::wstring& text, const ImageList& list);

// The record of one entry: "Name=...\tTime=...\tSize=...\tRotate=...".
std::wstring ListRecord(const ImageEntry& entry);

// Field "Time", "Size", ... of a record. A field is recognised only at the
// start of the record or right after a TAB, so a path holding "Size=" does not
// hide the real field; the value runs to the next TAB. Empty when missing.
std::wstring_view RecordField(std::wstring_view record, std::wstring_view field);

// The entry a record describes (no members). Time is read in full 64 bits,
// size as its low 32 bits; a rotation outside -1..3 reads as -1 (unknown).
ImageEntry EntryFromRecord(std::wstring_view record);

struct ListReadOptions {
  bool maskEnabled = false;
  std::wstring mask;  // MatchesMask rules, tested against each full path
  // Asked now and then; true ends the reading and keeps what was read.
  std::function<bool()> cancelRequested;
};

// Appends the entries of the FileList lines to list, then attaches the
// members of each Archive line to the first entry appended here with that
// path (found through a hash index). An archive path repeated in later
// Archive lines gets its members only once.
void ReadListLines(ImageList& list, const KeyValueMap& map, const ListReadOptions& options);

}  // namespace tv
