#pragma once
// List entries for files on disk, with the facts the list keeps about them.
#include <cstdint>
#include <string>

#include "filelist/image_entry.h"

namespace tv {

// {path, creation time, low 32 bits of the size, rotation -1}; time and size
// are 0 when the file cannot be queried. Long paths are queried in their
// extended-length form, but the entry keeps the path as given.
ImageEntry EntryForFile(const std::wstring& path);

// The same from what a folder enumeration already reported about the file
// (creation time and size), saving a second query per file.
ImageEntry EntryForFile(std::wstring path, std::uint64_t creationFileTime, std::uint32_t sizeLow);

}  // namespace tv
