#include "util/text.h"

#include <cmath>

namespace tv {

std::vector<std::wstring> SplitText(std::wstring_view text, wchar_t delimiter) {
  std::vector<std::wstring> pieces;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == delimiter) {
      pieces.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < text.size()) pieces.emplace_back(text.substr(start));
  return pieces;
}

bool IsBlank(wchar_t c) { return c <= 0x20 || c == 0x3000; }

std::wstring TrimBlanks(std::wstring_view text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return std::wstring(text.substr(first, last - first));
}

std::wstring AsciiLower(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return out;
}

std::wstring BoolText(bool flag) { return flag ? L"true" : L"false"; }

std::wstring DecimalInt(std::int64_t n) {
  // Built by hand: std::to_wstring would widen through the C locale on mingw.
  std::uint64_t magnitude = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (n < 0) digits.insert(digits.begin(), L'-');
  return digits;
}

std::wstring ShortNumberText(std::uint64_t n) {
  std::wstring digits;
  // Round to three significant digits, half up; done on the digit string so
  // that values near 2^64 cannot overflow.
  std::uint64_t v = n;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + v % 10));
    v /= 10;
  } while (v != 0);
  if (digits.size() > 3) {
    const bool up = digits[3] >= L'5';
    const size_t zeros = digits.size() - 3;
    digits.resize(3);
    if (up) {
      int i = 2;
      while (i >= 0 && digits[i] == L'9') digits[i--] = L'0';
      if (i >= 0) ++digits[i];
      else digits.insert(digits.begin(), L'1');
    }
    digits.append(zeros, L'0');
  }
  if (n == 0) return L"0";
  static const wchar_t* const kUnits[] = {L"", L"K", L"M", L"G", L"T", L"P", L"E", L"Z", L"Y"};
  const size_t k = digits.size();
  const size_t unitIndex = k <= 3 ? 0 : (k - 1) / 3;
  std::wstring text = digits.substr(0, std::min<size_t>(3, k));
  const size_t beforePoint = k % 3;
  if (beforePoint != 0 && beforePoint < text.size()) text.insert(beforePoint, L".");
  return text + kUnits[unitIndex];
}

std::wstring DecimalText(double x) {
  if (x == 0 || std::isnan(x)) return L"0";
  const bool negative = x < 0;
  const double magnitude = std::fabs(x);
  if (magnitude >= 1e17) return (negative ? L"-" : L"") + DecimalInt(static_cast<std::int64_t>(9e17 < magnitude ? 9e17 : magnitude));
  // Thousandths first, so that 12.35 (stored as 12.3499...) still counts as
  // having 5 as its second decimal digit.
  const std::uint64_t thousandths = static_cast<std::uint64_t>(std::llround(magnitude * 1000));
  const std::uint64_t hundredths = thousandths / 10;
  const std::uint64_t tenths = hundredths / 10 + (hundredths % 10 >= 5 ? 1 : 0);
  std::wstring text = DecimalInt(static_cast<std::int64_t>(tenths / 10));
  if (tenths % 10 != 0) text += L"." + DecimalInt(static_cast<std::int64_t>(tenths % 10));
  if (negative && tenths != 0) text.insert(text.begin(), L'-');
  return text;
}

std::wstring HexText(std::uint64_t n) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text;
  do {
    text.insert(text.begin(), kDigits[n & 15]);
    n >>= 4;
  } while (n != 0);
  return text;
}

std::wstring HexByteText(std::uint64_t n) {
  std::wstring text = HexText(n);
  if (text.size() < 2) text.insert(text.begin(), L'0');
  return text;
}

std::wstring Utf8ToWide(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  size_t i = 0;
  auto cont = [&](size_t at) { return at < bytes.size() && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80; };
  while (i < bytes.size()) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    std::uint32_t cp = 0xFFFD;
    size_t len = 1;
    if (b < 0x80) {
      cp = b;
    } else if (b >= 0xC2 && b < 0xE0 && cont(i + 1)) {
      cp = ((b & 0x1Fu) << 6) | (bytes[i + 1] & 0x3F);
      len = 2;
    } else if (b >= 0xE0 && b < 0xF0 && cont(i + 1) && cont(i + 2)) {
      cp = ((b & 0x0Fu) << 12) | ((bytes[i + 1] & 0x3Fu) << 6) | (bytes[i + 2] & 0x3F);
      len = 3;
      if (cp < 0x800 || (cp >= 0xD800 && cp < 0xE000)) cp = 0xFFFD;
    } else if (b >= 0xF0 && b < 0xF5 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
      cp = ((b & 0x07u) << 18) | ((bytes[i + 1] & 0x3Fu) << 12) | ((bytes[i + 2] & 0x3Fu) << 6) |
           (bytes[i + 3] & 0x3F);
      len = 4;
      if (cp < 0x10000 || cp > 0x10FFFF) cp = 0xFFFD;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<wchar_t>(cp));
    }
    i += len;
  }
  return out;
}

std::string WideToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    std::uint32_t cp = static_cast<std::uint32_t>(text[i]) & 0xFFFF;
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size()) {
      const std::uint32_t low = static_cast<std::uint32_t>(text[i + 1]) & 0xFFFF;
      if (low >= 0xDC00 && low < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (cp >= 0xD800 && cp < 0xE000) cp = 0xFFFD;  // lone surrogate
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace tv
