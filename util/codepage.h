#pragma once
// Conversions for texts exchanged with plug-ins and stored in archive
// listings, which use the system ANSI code page.
#include <string>
#include <string_view>

namespace tv {

std::string WideToNarrow(std::wstring_view text, unsigned codePage, unsigned long flags);
std::wstring NarrowToWide(std::string_view text);
// Same, from an explicit code page (UTF-8 names in ZIP archives use 65001).
std::wstring NarrowToWide(std::string_view text, unsigned codePage);

}  // namespace tv
