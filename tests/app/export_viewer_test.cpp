// The shown picture saved and copied, read back with GDI+ as another program would.
#include <windows.h>
#include <dlgs.h>

#include <algorithm>
#include <set>

#include "forms/form_ids.h"
#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/dialog_driver.h"

namespace tvtest {
namespace {

using namespace Gdiplus::DllExports;
constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

struct Decoded {
  int width = 0, height = 0;
  bool alpha = true;
  std::vector<std::uint32_t> pixels;  // ARGB rows, top first
  std::uint32_t at(int x, int y) const { return pixels.at(static_cast<size_t>(y * width + x)); }
};

Decoded DecodeFile(const std::wstring& path) {
  Decoded d;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok) return d;
  tv::UniqueGpImage owner(bitmap);
  UINT w = 0, h = 0;
  Gdiplus::PixelFormat format = 0;
  GdipGetImageWidth(bitmap, &w), GdipGetImageHeight(bitmap, &h), GdipGetImagePixelFormat(bitmap, &format);
  d = {static_cast<int>(w), static_cast<int>(h), (format & PixelFormatAlpha) != 0, std::vector<std::uint32_t>(w * h)};
  for (UINT i = 0; i < w * h; ++i) {
    Gdiplus::ARGB colour = 0;
    GdipBitmapGetPixel(bitmap, static_cast<INT>(i % w), static_cast<INT>(i / w), &colour);
    d.pixels[i] = colour;
  }
  return d;
}

// Quarter centres (top-left, top-right, bottom-left) within a JPEG's error.
void ExpectCorners(const Decoded& d, std::uint32_t topLeft, std::uint32_t topRight, std::uint32_t bottomLeft) {
  ASSERT_GT(d.width, 0);
  const auto close = [](std::uint32_t a, std::uint32_t b) {
    for (int s : {0, 8, 16})
      if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > 40) return false;
    return true;
  };
  EXPECT_TRUE(close(d.at(d.width / 4, d.height / 4), topLeft));
  EXPECT_TRUE(close(d.at(d.width * 3 / 4, d.height / 4), topRight));
  EXPECT_TRUE(close(d.at(d.width / 4, d.height * 3 / 4), bottomLeft));
}

std::uint32_t Quarters(int x, int y) { return Quadrants(x, y, 64, 48); }
// Quarters with grain, and a transparent strip on the left.
std::uint32_t Grainy(int x, int y) { return x < 4 ? 0 : Quarters(x, y) ^ (static_cast<std::uint32_t>(x * y) % 16 * 0x010101); }

std::vector<long> encoded;  // the quality each encode was handed, -1 for none
void RecordQuality(const CLSID&, const Gdiplus::EncoderParameters* p) {
  constexpr GUID kQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
  const bool one = p && p->Count == 1 && IsEqualGUID(p->Parameter[0].Guid, kQuality) &&
                   p->Parameter[0].Type == Gdiplus::EncoderParameterValueTypeLong && p->Parameter[0].NumberOfValues == 1;
  encoded.push_back(!p ? -1 : one ? static_cast<long>(*static_cast<const ULONG*>(p->Parameter[0].Value)) : -2);
}

class ExportViewerTest : public ViewerTest {
 protected:
  void Show(const std::wstring& name, const std::string& bytes) {
    ASSERT_FALSE(bytes.empty());
    folder_.WriteBytes(L"pictures\\" + name, bytes);
    Start({pictures_ + L"\\" + name});
    ASSERT_EQ(Shown(), name);
  }
  bool Save(tv::ExportFormat format, const std::wstring& name, bool showingSize = false) {
    return form_->ExportPicture(format, showingSize, folder_.Join(name));
  }
  Decoded Read(const std::wstring& name) { return DecodeFile(folder_.Join(name)); }
};

// PNG keeps every pixel, flattened onto the fill colour without alpha; JPEG
// gets the quality of the setting form unchanged (Wine's encoder ignores it,
// so what it is handed is checked).
TEST_F(ExportViewerTest, PngIsExactAndFlatAndJpegGetsTheSetQuality) {
  Show(L"grain.png", EncodeWithGdiplus(64, 48, Grainy, L"image/png"));
  encoded.clear();
  tv::PictureExport::SetEncodeHookForTesting(RecordQuality);
  ASSERT_TRUE(Save(tv::ExportFormat::Png, L"out.png"));
  const Decoded png = Read(L"out.png");
  ASSERT_EQ(png.pixels.size(), 64u * 48u);
  EXPECT_FALSE(png.alpha);
  for (int i = 0; i < 64 * 48; ++i)
    ASSERT_EQ(png.pixels[i], i % 64 < 4 ? (form_->CurrentSettings().FullFillColor | 0xFF000000u) : Grainy(i % 64, i / 64));
  for (int quality : {100, 85, 50, 30, 0}) {
    DialogScript setting({EnterText(IDC_JPEG_QUALITY, std::to_wstring(quality))});
    Command(IDM_JPEG_SAVE_SETTING);
    ASSERT_TRUE(Save(tv::ExportFormat::Jpeg, L"q.jpg"));
    ExpectCorners(Read(L"q.jpg"), kRed, kGreen, kBlue);
  }
  tv::PictureExport::SetEncodeHookForTesting(nullptr);
  EXPECT_EQ(encoded, (std::vector<long>{-1, 100, 85, 50, 30, 0}));
  EXPECT_TRUE(form_->RecordedMessages().empty());
}

TEST_F(ExportViewerTest, QuarterTurnIsKeptOnlyByShowingSize) {
  Show(L"quarters.png", EncodeWithGdiplus(64, 48, Quarters, L"image/png"));
  Command(IDM_TURN_RIGHT);
  const tv::PixelBox shown = form_->View().PictureRect();
  ASSERT_EQ(shown.width, 48);
  ASSERT_TRUE(Save(tv::ExportFormat::Jpeg, L"full.jpg") && Save(tv::ExportFormat::Jpeg, L"shown.jpg", true));
  const Decoded full = Read(L"full.jpg"), turned = Read(L"shown.jpg");
  EXPECT_EQ(std::make_pair(full.width, full.height), std::make_pair(64, 48));
  ExpectCorners(full, kRed, kGreen, kBlue);
  EXPECT_EQ(std::make_pair(turned.width, turned.height), std::make_pair(shown.width, shown.height));
  ExpectCorners(turned, kBlue, kRed, kWhite);
}

// Regression: opaque BMP, JPEG and WebP pictures keep 3-byte source pixels in
// rows padded to 4 bytes (here 61 * 3 + 3), and their display bitmap gets no
// alpha from them. Exports at full and at showing size keep their colours.
TEST_F(ExportViewerTest, OpaqueTwentyFourBitPicturesExportTheirColours) {
  const auto grain = [](int x, int y) {
    return 0xFF000000u | (Quadrants(x, y, 61, 47) ^ (static_cast<std::uint32_t>(x * y) % 16 * 0x010101));
  };
  for (const auto& [name, bytes] : {std::pair{L"g.bmp", EncodeWithGdiplus(61, 47, grain, L"image/bmp")},
                                    std::pair{L"g.jpg", EncodeWithGdiplus(61, 47, grain, L"image/jpeg")},
                                    std::pair{L"g.webp", EncodeWebpLossless(61, 47, grain)}}) {
    SCOPED_TRACE(name);
    Show(name, bytes);
    BITMAP source{};
    ASSERT_EQ(::GetObjectW(form_->Image().sourceBitmap(), sizeof source, &source), static_cast<int>(sizeof source));
    ASSERT_EQ(source.bmBitsPixel, 24);
    ASSERT_TRUE(Save(tv::ExportFormat::Png, L"full.png") && Save(tv::ExportFormat::Jpeg, L"shown.jpg", true));
    const Decoded full = Read(L"full.png");
    ASSERT_EQ(full.pixels.size(), 61u * 47u);
    for (int i = 0; name != std::wstring(L"g.jpg") && i < 61 * 47; ++i) ASSERT_EQ(full.pixels[i], grain(i % 61, i / 61)) << i;
    ExpectCorners(full, kRed, kGreen, kBlue);
    ExpectCorners(Read(L"shown.jpg"), kRed, kGreen, kBlue);
  }
}

// Regression: WebP rows come in the other order than GDI+ ones.
TEST_F(ExportViewerTest, ClipboardBitmapIsUprightForWebpAndPng) {
  for (const auto& [name, bytes] : {std::pair{L"q.webp", EncodeWebpLossless(64, 48, Quarters)},
                                    std::pair{L"q.png", EncodeWithGdiplus(64, 48, Quarters, L"image/png")}}) {
    Show(name, bytes);
    ASSERT_TRUE(::OpenClipboard(nullptr) && ::EmptyClipboard() && ::CloseClipboard());
    Command(IDM_COPY_IMAGE_TO_CLIPBOARD);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    Decoded copied{64, 48, false, std::vector<std::uint32_t>(64 * 48)};
    BITMAPINFOHEADER header{sizeof header, 64, -48, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const int rows = ::GetDIBits(tv::WindowDC(nullptr).get(), static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP)), 0, 48,
                                 copied.pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ::CloseClipboard();
    ASSERT_EQ(rows, 48) << name;
    ExpectCorners(copied, kRed, kGreen, kBlue);
  }
}

// Regression: exports taken while the animation steps are each one whole frame.
TEST_F(ExportViewerTest, ExportsDuringAnAnimationAreWholeFrames) {
  Show(L"frames.webp", SolidFramesWebp(4, 32, 10, 0));
  std::set<std::uint32_t> seen;
  for (int i = 0; i < 12; ++i) {
    const std::uint32_t frame = form_->AnimationState().frame;
    ASSERT_TRUE(PumpUntil([&] { return form_->AnimationState().frame != frame; }));
    ASSERT_TRUE(Save(tv::ExportFormat::Png, L"frame.png"));
    const Decoded d = Read(L"frame.png");
    ASSERT_EQ(std::set<std::uint32_t>(d.pixels.begin(), d.pixels.end()).size(), 1u);
    seen.insert(d.pixels[0] & 0xFFFFFF);
  }
  EXPECT_GT(seen.size(), 1u);
  const std::set<std::uint32_t> frames(std::begin(kFrameColours), std::end(kFrameColours));
  EXPECT_TRUE(std::includes(frames.begin(), frames.end(), seen.begin(), seen.end()));
}

// Regression: a failed save keeps the file it was to replace, leaves no
// temporary file and says "Failed"; a good one replaces the file.
TEST_F(ExportViewerTest, FailedSaveKeepsTheDestinationLeavesNothingAndSaysFailed) {
  Show(L"a.png", EncodeWithGdiplus(64, 48, Quarters, L"image/png"));
  const std::wstring locked = folder_.WriteBytes(L"locked.png", "old");
  ASSERT_TRUE(::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY));
  folder_.WriteBytes(L"kept.jpg", "old");
  for (const auto& [name, saved] : {std::pair{L"locked.png", false}, std::pair{L"gone\\new.jpg", false},
                                    std::pair{L"kept.jpg", true}}) {
    const size_t messages = form_->RecordedMessages().size();
    const std::string before = ReadAllBytes(folder_.Join(name));
    EXPECT_EQ(Save(name[0] == L'l' ? tv::ExportFormat::Png : tv::ExportFormat::Jpeg, name), saved) << name;
    EXPECT_EQ(ReadAllBytes(folder_.Join(name)) == before, !saved) << name;
    ASSERT_EQ(form_->RecordedMessages().size(), messages + !saved);
    EXPECT_TRUE(saved || form_->RecordedMessages().back().find(folder_.Join(name)) != std::wstring::npos);
  }
  ::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
  WIN32_FIND_DATAW found{};
  EXPECT_FALSE(tv::UniqueFind(::FindFirstFileW(folder_.Join(L"*.tmp~*").c_str(), &found)));
}

// The save dialog proposes an unused name beside the shown file and saves there.
TEST_F(ExportViewerTest, SavePngThroughTheSaveDialog) {
  Show(L"quarters.png", EncodeWithGdiplus(64, 48, Quarters, L"image/png"));
  std::wstring title, proposed;
  DialogScript script({[&](HWND dialog) {
    title = TextOf(dialog);
    proposed = ItemTextOf(dialog, ::GetDlgItem(dialog, edt1) ? edt1 : cmb13);
    PressButton(dialog, IDOK);
    return true;
  }});
  Command(IDM_SAVE_PNG);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(title, L"Save to PNG");
  EXPECT_EQ(proposed, L"quarters (1).png");
  ExpectCorners(DecodeFile(pictures_ + L"\\quarters (1).png"), kRed, kGreen, kBlue);
}

}  // namespace
}  // namespace tvtest
