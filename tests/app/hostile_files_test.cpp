// The built program, run as a user runs it, on a folder where most files are
// broken or hostile: cut short, bit-flipped, empty, noise, a decompression
// bomb, archives with lying directories. It must step through all of them in
// both directions without hanging or dying, end on a real picture, and leave
// every file exactly as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "app/sibling_rules.h"
#include "tests/app/child_viewer.h"
#include "tests/app/viewer_fixture.h"
#include "tests/imaging/picture_files.h"
#include "tools/sample_files.h"
#include "util/file_system.h"
#include "util/key_value.h"
#include "util/paths.h"
#include "util/text_file.h"

namespace tvtest {
namespace {

std::string CutTo(const std::string& bytes, std::size_t size) { return bytes.substr(0, std::min(size, bytes.size())); }

// Every seventh byte past the signature turned over: a damaged copy.
std::string Flipped(std::string bytes) {
  for (std::size_t i = 16; i < bytes.size(); i += 7) bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
  return bytes;
}

std::string Noise(const std::string& signature, std::size_t size) {
  std::string bytes = signature;
  std::uint32_t state = 12345;
  while (bytes.size() < size) {
    state = state * 1103515245u + 12345u;
    bytes.push_back(static_cast<char>(state >> 16));
  }
  return bytes;
}

// A ZIP whose end record puts its directory far beyond the file.
std::string ZipWithLyingDirectory(std::string zip) {
  if (zip.size() < 22) return zip;
  zip.replace(zip.size() - 22 + 16, 4, "\xF0\xFF\xFF\x7F");
  return zip;
}

std::string JpegBomb() {
  std::string bomb = EncodeWithGdiplus(8, 8, [](int, int) { return 0xFF00FF00u; }, L"image/jpeg");
  const std::size_t frame = bomb.find("\xFF\xC0");
  if (frame == std::string::npos) return {};
  bomb.replace(frame + 5, 4, "\xFA\xFA\xFA\xFA");  // 64250 x 64250
  return bomb;
}

bool SendKey(HWND window, UINT key) {
  DWORD_PTR answer = 0;
  return ::SendMessageTimeoutW(window, WM_KEYDOWN, key, 1, SMTO_NORMAL, 30000, &answer) != 0;
}

TEST_F(ViewerTest, TheProgramStepsThroughBrokenAndHostileFilesAndLosesNothing) {
  const PixelFunction quadrants = [](int x, int y) { return Quadrants(x, y, 37, 23); };
  const std::string png = EncodeWithGdiplus(37, 23, quadrants, L"image/png");
  const std::map<std::string, std::string> wellFormed = {
      {"jpg", EncodeWithGdiplus(37, 23, quadrants, L"image/jpeg")},
      {"png", png},
      {"gif", MakeGif(37, 23, {0xFF0000, 0x00FF00}, {{std::vector<std::uint8_t>(37 * 23, 1)}}, false)},
      {"bmp", EncodeWithGdiplus(37, 23, quadrants, L"image/bmp")},
      {"tif", EncodeWithGdiplus(37, 23, quadrants, L"image/tiff")},
      {"webp", EncodeWebpLossy(37, 23, quadrants)},
      {"anim.gif", SolidFramesGif(3, 16, {5}, 0)},
      {"anim.webp", SolidFramesWebp(3, 16, 50, 0)},
      {"zip", MakeZip({{"in.png", png}, {"in.jpg", EncodeWithGdiplus(37, 23, quadrants, L"image/jpeg")}})},
  };
  std::map<std::wstring, std::string> files;
  for (const auto& [ext, bytes] : wellFormed) {
    ASSERT_GT(bytes.size(), 40u) << ext;  // set-up: every encoder wrote its file
    const std::wstring e(ext.begin(), ext.end());
    files[L"m_half." + e] = CutTo(bytes, bytes.size() / 2);
    files[L"m_head." + e] = CutTo(bytes, 40);
    files[L"m_flip." + e] = Flipped(bytes);
  }
  files[L"m_empty.jpg"] = "";
  files[L"m_noise.png"] = Noise("\x89PNG\r\n\x1a\n", 3000);
  files[L"m_noise.webp"] = Noise("RIFF\x10\x27\0\0WEBPVP8 ", 3000);
  files[L"m_bomb.jpg"] = JpegBomb();
  files[L"m_lying.zip"] = ZipWithLyingDirectory(wellFormed.at("zip"));
  files[L"m_mixed.zip"] = MakeZip({{"bad.jpg", CutTo(wellFormed.at("jpg"), 60)}, {"ok.png", png}});
  files[L"a.png"] = png;
  files[L"z.png"] = png;
  for (const auto& [name, bytes] : files) folder_.WriteBytes(L"pictures\\" + name, bytes);

  // A named instance: no first-start questions, and its own settings file.
  const ScopedLocalAppData children(folder_.Join(L"children"));
  folder_.MakeFolder(L"children\\taverlune");
  // Keeping the last file puts the entry on display into the settings.
  const std::wstring ini = children.Folder() + L"\\taverlune\\hostile.ini";
  ASSERT_TRUE(tv::WriteTextFile(ini, L"IniFileVersion=2\nLoadLastFile=true\n"));
  {
    const auto viewer = StartViewerProcess(L"/hostile " + tv::QuoteArgument(pictures_));
    ASSERT_TRUE(viewer);
    HWND window = nullptr;
    for (int i = 0; i < 400 && !(window = viewer->Window()); ++i)
      if (::WaitForSingleObject(viewer->process.get(), 50) == WAIT_OBJECT_0) break;
    ASSERT_NE(window, nullptr) << "the viewer showed no window";
    const int steps = static_cast<int>(files.size()) + 3;
    for (int i = 0; i < steps; ++i) ASSERT_TRUE(SendKey(window, VK_DOWN)) << "forward step " << i;
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(SendKey(window, VK_UP)) << "backward step " << i;
    ASSERT_TRUE(SendKey(window, VK_ESCAPE));
    ASSERT_EQ(::WaitForSingleObject(viewer->process.get(), 30000), WAIT_OBJECT_0) << "Esc did not end the viewer";
    DWORD exitCode = 1;
    ::GetExitCodeProcess(viewer->process.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
  }

  for (const auto& [name, bytes] : files) EXPECT_EQ(ReadAllBytes(pictures_ + L"\\" + name), bytes) << name;
  // It ended on something real: a file of the folder, or a member of one of
  // its archives.
  tv::KeyValueMap settings;
  ASSERT_TRUE(tv::LoadKeyValueFile(settings, ini));
  const std::wstring shown = tv::GetText(settings, L"ShowFileName", L""),
                     archive = tv::GetText(settings, L"ShowArchiveName", L"");
  ASSERT_FALSE(shown.empty());
  if (archive.empty())
    EXPECT_TRUE(tv::IsExistingFile(shown)) << shown;
  else
    EXPECT_TRUE(tv::IsExistingFile(archive));
}

}  // namespace
}  // namespace tvtest
