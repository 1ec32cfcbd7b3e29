// The shown picture saved as JPEG and PNG and copied to the clipboard, read
// back with GDI+ as another program would.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "forms/form_ids.h"
#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/dialog_driver.h"

namespace tvtest {
namespace {

using namespace Gdiplus::DllExports;

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

struct Decoded {
  int width = 0, height = 0;
  bool alpha = true;
  std::vector<std::uint32_t> pixels;  // ARGB, top-down
  std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

Decoded DecodeFile(const std::wstring& path) {
  Decoded out;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok) return out;
  tv::UniqueGpImage owner(bitmap);
  UINT w = 0, h = 0;
  Gdiplus::PixelFormat format = 0;
  GdipGetImageWidth(bitmap, &w);
  GdipGetImageHeight(bitmap, &h);
  GdipGetImagePixelFormat(bitmap, &format);
  out.width = static_cast<int>(w);
  out.height = static_cast<int>(h);
  out.alpha = (format & PixelFormatAlpha) != 0;
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      Gdiplus::ARGB colour = 0;
      GdipBitmapGetPixel(bitmap, x, y, &colour);
      out.pixels.push_back(colour);
    }
  return out;
}

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
      return false;
  return true;
}

// Quadrants with a little grain, so that JPEG blocks are not flat and the
// quality shows in the file size.
std::uint32_t Grainy(int x, int y) {
  const std::uint32_t grain = static_cast<std::uint32_t>((x * 7 + y * 13) ^ (x * y)) % 16;
  const std::uint32_t base = Quadrants(x, y, 64, 48);
  const auto channel = [&](int shift) {
    const std::uint32_t c = (base >> shift) & 0xFF;
    return (c > 127 ? c - grain : c + grain) << shift;
  };
  return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

// Top-left, top-right and bottom-left quarter centres of a decoded picture.
void ExpectCorners(const Decoded& d, std::uint32_t topLeft, std::uint32_t topRight, std::uint32_t bottomLeft) {
  ASSERT_GT(d.width, 0);
  EXPECT_TRUE(Near(d.at(d.width / 4, d.height / 4), topLeft, 40)) << std::hex << d.at(d.width / 4, d.height / 4);
  EXPECT_TRUE(Near(d.at(d.width * 3 / 4, d.height / 4), topRight, 40));
  EXPECT_TRUE(Near(d.at(d.width / 4, d.height * 3 / 4), bottomLeft, 40));
}

class ExportViewerTest : public ViewerTest {
 protected:
  void ShowPicture(const std::wstring& name, const std::string& bytes) {
    ASSERT_FALSE(bytes.empty());
    folder_.WriteBytes(L"pictures\\" + name, bytes);
    Start({pictures_ + L"\\" + name});
    ASSERT_EQ(Shown(), name);
  }
  void SetJpegQuality(int quality) {
    DialogScript script({[&](HWND dialog) {
      SetEditText(dialog, IDC_JPEG_QUALITY, std::to_wstring(quality));
      PressButton(dialog, IDOK);
      return true;
    }});
    Command(IDM_JPEG_SAVE_SETTING);
    ASSERT_EQ(form_->CurrentSettings().JpegCompressRatio0, quality);
  }
  std::wstring Out(const std::wstring& name) { return folder_.Join(name); }
};

// What the encoders were handed: the quality, or -1 for no parameters.
std::vector<long> encodedQualities;
void RecordQuality(const CLSID&, const Gdiplus::EncoderParameters* parameters) {
  static constexpr GUID kQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
  if (!parameters) return encodedQualities.push_back(-1);
  const Gdiplus::EncoderParameter& p = parameters->Parameter[0];
  const bool quality = parameters->Count == 1 && IsEqualGUID(p.Guid, kQuality) && p.NumberOfValues == 1 &&
                       p.Type == Gdiplus::EncoderParameterValueTypeLong;
  encodedQualities.push_back(quality ? static_cast<long>(*static_cast<const ULONG*>(p.Value)) : -2);
}

TEST_F(ExportViewerTest, PngIsExactAndJpegIsEncodedAtTheSetQuality) {
  ShowPicture(L"grain.png", EncodeWithGdiplus(64, 48, Grainy, L"image/png"));
  encodedQualities.clear();
  tv::PictureExport::SetEncodeHookForTesting(RecordQuality);
  ASSERT_TRUE(form_->ExportPicture(tv::ExportFormat::Png, false, Out(L"out.png")));
  const Decoded png = DecodeFile(Out(L"out.png"));
  ASSERT_EQ(png.width, 64);
  ASSERT_EQ(png.height, 48);
  EXPECT_FALSE(png.alpha);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) ASSERT_EQ(png.at(x, y), Grainy(x, y)) << x << "," << y;

  // Wine's encoder ignores the quality, so the parameter handed over is
  // what is checked; the ends of the range must not be clamped.
  const std::vector<long> qualities = {100, 85, 50, 30, 0};
  for (long quality : qualities) {
    SCOPED_TRACE(quality);
    SetJpegQuality(static_cast<int>(quality));
    const std::wstring path = Out(L"q" + std::to_wstring(quality) + L".jpg");
    ASSERT_TRUE(form_->ExportPicture(tv::ExportFormat::Jpeg, false, path));
    const Decoded jpeg = DecodeFile(path);
    EXPECT_EQ(jpeg.width, 64);
    EXPECT_EQ(jpeg.height, 48);
    ExpectCorners(jpeg, kRed, kGreen, kBlue);
  }
  tv::PictureExport::SetEncodeHookForTesting(nullptr);
  std::vector<long> expected = {-1};
  expected.insert(expected.end(), qualities.begin(), qualities.end());
  EXPECT_EQ(encodedQualities, expected);
  EXPECT_TRUE(form_->RecordedMessages().empty());
}

// Full size ignores the turn on screen; showing size carries it and the
// window's size.
TEST_F(ExportViewerTest, QuarterTurnIsKeptOnlyByShowingSize) {
  ShowPicture(L"quadrants.png",
              EncodeWithGdiplus(64, 48, [](int x, int y) { return Quadrants(x, y, 64, 48); }, L"image/png"));
  Command(IDM_TURN_RIGHT);
  ASSERT_EQ(form_->Image().rotation(), 1);
  const tv::PixelBox shown = form_->View().PictureRect();
  ASSERT_EQ(shown.width, 48);
  ASSERT_TRUE(form_->ExportPicture(tv::ExportFormat::Jpeg, false, Out(L"full.jpg")));
  ASSERT_TRUE(form_->ExportPicture(tv::ExportFormat::Jpeg, true, Out(L"shown.jpg")));
  const Decoded full = DecodeFile(Out(L"full.jpg"));
  EXPECT_EQ(full.width, 64);
  EXPECT_EQ(full.height, 48);
  ExpectCorners(full, kRed, kGreen, kBlue);
  const Decoded turned = DecodeFile(Out(L"shown.jpg"));
  EXPECT_EQ(turned.width, shown.width);
  EXPECT_EQ(turned.height, shown.height);
  ExpectCorners(turned, kBlue, kRed, 0xFFFFFFFF);
}

// WebP pictures are decoded into rows of the other order than GDI+ ones.
TEST_F(ExportViewerTest, ClipboardBitmapIsUprightForWebpAndPng) {
  const auto pixel = [](int x, int y) { return Quadrants(x, y, 64, 48); };
  const struct {
    const wchar_t* name;
    std::string bytes;
  } rows[] = {{L"q.webp", EncodeWebpLossless(64, 48, pixel)}, {L"q.png", EncodeWithGdiplus(64, 48, pixel, L"image/png")}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.name);
    ShowPicture(row.name, row.bytes);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    Command(IDM_COPY_IMAGE_TO_CLIPBOARD);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    const auto bitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    Decoded copied{64, 48, false, std::vector<std::uint32_t>(64 * 48)};
    BITMAPINFOHEADER header{sizeof header, 64, -48, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    tv::WindowDC screen(nullptr);
    const int lines = bitmap ? ::GetDIBits(screen.get(), bitmap, 0, 48, copied.pixels.data(),
                                           reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS)
                             : 0;
    ::CloseClipboard();
    ASSERT_EQ(lines, 48);
    ExpectCorners(copied, kRed, kGreen, kBlue);
  }
}

TEST_F(ExportViewerTest, TransparentPngIsSavedFlatOntoTheFillColour) {
  ShowPicture(L"clear.png",
              EncodeWithGdiplus(64, 48, [](int x, int) { return x < 32 ? 0x00000000u : kBlue; }, L"image/png"));
  ASSERT_TRUE(form_->ExportPicture(tv::ExportFormat::Png, false, Out(L"flat.png")));
  const Decoded flat = DecodeFile(Out(L"flat.png"));
  ASSERT_EQ(flat.width, 64);
  EXPECT_FALSE(flat.alpha);
  EXPECT_EQ(flat.at(8, 8), form_->CurrentSettings().FullFillColor | 0xFF000000u);
  EXPECT_EQ(flat.at(56, 8), kBlue);
}

// Regression: exports taken while the animation thread steps frames are each
// one whole frame, never a mix of two or a frame that went away.
TEST_F(ExportViewerTest, ExportsDuringAnAnimationAreWholeFrames) {
  ShowPicture(L"frames.webp", SolidFramesWebp(4, 32, 10, 0));
  ASSERT_TRUE(PumpUntil([&] { return form_->AnimationState().frame > 0; }));
  std::set<std::uint32_t> seen;
  for (int i = 0; i < 20; ++i) {
    const std::wstring path = Out(L"frame" + std::to_wstring(i) + L".png");
    ASSERT_TRUE(form_->ExportPicture(tv::ExportFormat::Png, false, path));
    const Decoded frame = DecodeFile(path);
    ASSERT_EQ(frame.pixels.size(), 32u * 32u);
    for (std::uint32_t pixel : frame.pixels) ASSERT_EQ(pixel, frame.pixels[0]) << i;
    seen.insert(frame.pixels[0] & 0xFFFFFF);
    const std::uint32_t shown = form_->AnimationState().frame;
    PumpUntil([&] { return form_->AnimationState().frame != shown; });
  }
  EXPECT_GT(seen.size(), 1u);
  for (std::uint32_t colour : seen)
    EXPECT_NE(std::find(std::begin(kFrameColours), std::end(kFrameColours), colour), std::end(kFrameColours));
}

// Regression: a failed save neither harms the file it was to replace nor
// leaves a partial file, and the user is told.
TEST_F(ExportViewerTest, FailedSaveKeepsTheDestinationLeavesNothingAndSaysFailed) {
  ShowPicture(L"a.png", EncodeWithGdiplus(64, 48, Grainy, L"image/png"));
  const std::wstring locked = folder_.WriteBytes(L"locked.png", "old bytes");
  ASSERT_TRUE(::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::wstring kept = folder_.WriteBytes(L"kept.jpg", "old bytes");
  const struct {
    const char* what;
    std::wstring path;
    tv::ExportFormat format;
    bool saved;
  } rows[] = {
      {"read-only destination", locked, tv::ExportFormat::Png, false},
      {"folder gone", folder_.Join(L"gone\\new.jpg"), tv::ExportFormat::Jpeg, false},
      {"writable destination", kept, tv::ExportFormat::Jpeg, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const size_t messages = form_->RecordedMessages().size();
    const std::string before = ReadAllBytes(row.path);
    EXPECT_EQ(form_->ExportPicture(row.format, false, row.path), row.saved);
    EXPECT_EQ(ReadAllBytes(row.path) == before, !row.saved);
    ASSERT_EQ(form_->RecordedMessages().size(), messages + (row.saved ? 0 : 1));
    if (!row.saved) {
      EXPECT_NE(form_->RecordedMessages().back().find(row.path), std::wstring::npos);
    }
  }
  EXPECT_EQ(DecodeFile(kept).width, 64);
  ::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
  WIN32_FIND_DATAW found{};
  tv::UniqueFind find(::FindFirstFileW(folder_.Join(L"*.tmp~*").c_str(), &found));
  EXPECT_FALSE(find) << "a temporary file was left behind";
}

// The save dialog proposes an unused name beside the shown file and the
// picture is written where the user confirmed.
TEST_F(ExportViewerTest, SavePngThroughTheSaveDialog) {
  ShowPicture(L"quadrants.png",
              EncodeWithGdiplus(64, 48, [](int x, int y) { return Quadrants(x, y, 64, 48); }, L"image/png"));
  std::wstring title, proposed;
  DialogScript script({[&](HWND dialog) {
    const int nameControl = ::GetDlgItem(dialog, edt1) ? edt1 : cmb13;
    title = TextOf(dialog);
    proposed = ItemTextOf(dialog, nameControl);
    PressButton(dialog, IDOK);
    return true;
  }});
  Command(IDM_SAVE_PNG);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(title, L"Save to PNG");
  EXPECT_EQ(proposed, L"quadrants (1).png");
  const Decoded saved = DecodeFile(pictures_ + L"\\quadrants (1).png");
  EXPECT_EQ(saved.width, 64);
  ExpectCorners(saved, kRed, kGreen, kBlue);
}

}  // namespace
}  // namespace tvtest
