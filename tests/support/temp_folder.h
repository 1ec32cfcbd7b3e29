#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <string>
#include <string_view>

namespace tvtest {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& path() const { return path_; }
  // path() + separator + name
  std::wstring Join(std::wstring_view name) const;
  // Writes raw bytes; creates nothing above the file.
  std::wstring WriteBytes(std::wstring_view name, std::string_view bytes) const;
  std::wstring MakeFolder(std::wstring_view name) const;

 private:
  std::wstring path_;
};

wchar_t Separator();
std::string ReadAllBytes(const std::wstring& path);

}  // namespace tvtest
