#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "imaging/gdiplus_decode.h"
#include "tests/imaging/loader_fixture.h"
#include "tests/support/test_files.h"

using namespace tv;
using tvtest::EncodeWithGdiplus;
using tvtest::LoaderTest;
using tvtest::Near;
using tvtest::Quadrants;

namespace {

std::uint32_t Q(int x, int y) { return Quadrants(x, y, 40, 30); }

// Left half opaque red, right half fully transparent.
std::uint32_t HalfTransparent(int x, int) { return x < 20 ? 0xFFFF0000u : 0x0000FF00u; }

}  // namespace

TEST_F(LoaderTest, DecodesEveryGdiplusFormatWithSizeAndPixels) {
  struct Case {
    const wchar_t* mime;
    const wchar_t* name;
    int tolerance;
  };
  const Case cases[] = {{L"image/bmp", L"a.bmp", 0},
                        {L"image/png", L"a.png", 0},
                        {L"image/jpeg", L"a.jpg", 24},
                        {L"image/tiff", L"a.tif", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mime);
    const std::string bytes = EncodeWithGdiplus(40, 30, Q, c.mime);
    ASSERT_FALSE(bytes.empty());
    ImageEntry entry = Entry(c.name, bytes);
    ASSERT_TRUE(loader.LoadFile(entry));
    EXPECT_TRUE(loader.pictureLoaded());
    EXPECT_EQ(loader.ContentFlags(), kContentGdiplus);
    EXPECT_EQ(loader.width(), 40);
    EXPECT_EQ(loader.height(), 30);
    EXPECT_EQ(loader.rotation(), 0);
    EXPECT_EQ(entry.rotation, 0);  // remembered for the list
    EXPECT_EQ(loader.loaderName(), L"Internal Loader");
    EXPECT_TRUE(Near(SourcePixel(5, 5), 0xFF0000, c.tolerance)) << std::hex << SourcePixel(5, 5);
    EXPECT_TRUE(Near(SourcePixel(35, 5), 0x00FF00, c.tolerance)) << std::hex << SourcePixel(35, 5);
    EXPECT_TRUE(Near(SourcePixel(5, 25), 0x0000FF, c.tolerance)) << std::hex << SourcePixel(5, 25);
    EXPECT_TRUE(Near(SourcePixel(35, 25), 0xFFFFFF, c.tolerance)) << std::hex << SourcePixel(35, 25);
  }
}

TEST_F(LoaderTest, DecodesAStillGif) {
  // Wine's GDI+ writes no usable GIF, so the file is built byte by byte.
  tvtest::GifFrame frame;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) frame.indices.push_back(static_cast<std::uint8_t>((y >= 15) * 2 + (x >= 20)));
  ImageEntry entry = Entry(L"a.gif", tvtest::MakeGif(40, 30, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {frame}, false));
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.animationKind(), 0);
  EXPECT_EQ(loader.width(), 40);
  EXPECT_EQ(loader.height(), 30);
  EXPECT_EQ(SourcePixel(5, 5), 0xFF0000u);
  EXPECT_EQ(SourcePixel(35, 5), 0x00FF00u);
  EXPECT_EQ(SourcePixel(5, 25), 0x0000FFu);
  EXPECT_EQ(SourcePixel(35, 25), 0xFFFFFFu);
}

TEST_F(LoaderTest, TransparentPngShowsTheFillColour) {
  loader.SetFillColor(0xFF102030);
  ImageEntry entry = Entry(L"alpha.png", EncodeWithGdiplus(40, 30, HalfTransparent, L"image/png"));
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(SourcePixel(3, 3), 0xFF0000u);
  EXPECT_EQ(SourcePixel(30, 3), 0x102030u);
}

TEST_F(LoaderTest, JpegExifOrientationGivesTheRotationInBothByteOrders) {
  const std::string jpeg = EncodeWithGdiplus(40, 30, Q, L"image/jpeg");
  ASSERT_FALSE(jpeg.empty());
  struct Case {
    int orientation, rotation;
  };
  const Case cases[] = {{1, 0}, {2, 0}, {3, 2}, {4, 0}, {5, 0}, {6, 1}, {7, 0}, {8, 3}};
  for (bool bigEndian : {false, true})
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "orientation " << c.orientation << " big-endian " << bigEndian);
      tvtest::ExifFields fields;
      fields.bigEndian = bigEndian;
      fields.orientation = c.orientation;
      fields.make = "Maker";
      const std::string file = tvtest::InsertJpegSegment(jpeg, tvtest::MakeExifSegment(fields), false);
      ImageEntry entry = Entry(L"exif.jpg", file);
      ASSERT_TRUE(loader.LoadFile(entry));
      EXPECT_EQ(loader.rotation(), c.rotation);
      EXPECT_EQ(entry.rotation, c.rotation);
      EXPECT_EQ(loader.exif().maker, L"Maker");
      const bool quarter = c.rotation % 2 == 1;
      EXPECT_EQ(loader.rotatedWidth(), quarter ? 30 : 40);
      EXPECT_EQ(loader.width(), 40);
    }
}

TEST_F(LoaderTest, RotationRuleStoredRotationAndFixedRotation) {
  tvtest::ExifFields fields;
  fields.orientation = 6;  // a quarter turn clockwise
  const std::string file =
      tvtest::InsertJpegSegment(EncodeWithGdiplus(40, 30, Q, L"image/jpeg"), tvtest::MakeExifSegment(fields), false);
  ImageEntry entry = Entry(L"r.jpg", file);
  entry.rotation = 2;  // the list already knows better
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.rotation(), 2);
  // Fixed rotation keeps the current one, whatever the entry says.
  loader.SetFixedRotation(true);
  loader.SetRotation(3);
  entry.rotation = 0;
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.rotation(), 3);
  EXPECT_EQ(entry.rotation, 3);
  // ...unless it is unset, then the picture's orientation counts.
  loader.SetRotation(-1);
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.rotation(), 1);
}

TEST_F(LoaderTest, WebpStillsLossyAndLosslessWithAlpha) {
  loader.SetFillColor(0xFF0000FF);
  ImageEntry lossy = Entry(L"lossy.webp", tvtest::EncodeWebpLossy(40, 30, Q));
  ASSERT_TRUE(loader.LoadFile(lossy));
  EXPECT_EQ(loader.ContentFlags(), kContentWebp);
  EXPECT_EQ(loader.width(), 40);
  EXPECT_EQ(loader.height(), 30);
  EXPECT_EQ(loader.animationKind(), 0);
  EXPECT_TRUE(Near(SourcePixel(4, 4), 0xFF0000, 40)) << std::hex << SourcePixel(4, 4);
  EXPECT_TRUE(Near(SourcePixel(36, 26), 0xFFFFFF, 40)) << std::hex << SourcePixel(36, 26);

  ImageEntry lossless = Entry(L"alpha.webp", tvtest::EncodeWebpLossless(40, 30, HalfTransparent));
  lossless.rotation = 3;
  ASSERT_TRUE(loader.LoadFile(lossless));
  EXPECT_EQ(SourcePixel(3, 3), 0xFF0000u);
  EXPECT_EQ(SourcePixel(30, 3), 0x0000FFu);  // flattened onto the fill colour
  EXPECT_EQ(loader.rotation(), 3);
  EXPECT_EQ(loader.loaderName(), L"Internal Loader");
}

TEST_F(LoaderTest, WebpAfterExifJpegShowsNoExifTexts) {
  tvtest::ExifFields fields;
  fields.make = "Maker";
  ImageEntry jpeg = Entry(L"e.jpg", tvtest::InsertJpegSegment(EncodeWithGdiplus(40, 30, Q, L"image/jpeg"),
                                                               tvtest::MakeExifSegment(fields), false));
  ASSERT_TRUE(loader.LoadFile(jpeg));
  ASSERT_TRUE(loader.exif().hasExif);
  ImageEntry webp = Entry(L"w.webp", tvtest::EncodeWebpLossless(8, 8, Q));
  ASSERT_TRUE(loader.LoadFile(webp));
  EXPECT_FALSE(loader.exif().hasExif);
  EXPECT_TRUE(loader.exif().maker.empty());
}

TEST_F(LoaderTest, AnimatedWebpRecordsFramesDelaysAndLoops) {
  const auto solid = [](std::uint32_t c) { return [c](int, int) { return c; }; };
  const std::string file = tvtest::MakeAnimatedWebp(
      16, 12, {{solid(0xFFFF0000u), 0}, {solid(0xFF00FF00u), 250}, {solid(0xFF0000FFu), 40}}, 3);
  ImageEntry entry = Entry(L"anim.webp", file);
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.animationKind(), 2);
  EXPECT_EQ(loader.frameCount(), 3u);
  EXPECT_EQ(loader.loopCount(), 3u);
  EXPECT_EQ(loader.frameDelays(), (std::vector<std::uint32_t>{100, 250, 40}));  // 0 ms counts as 100
  EXPECT_EQ(loader.width(), 16);
  EXPECT_EQ(SourcePixel(5, 5), 0xFF0000u);  // the first frame is shown right away
}

TEST_F(LoaderTest, AnimatedGifIsDetectedAndRecorded) {
  std::vector<tvtest::GifFrame> frames(3);
  for (int i = 0; i < 3; ++i) frames[i].indices.assign(32 * 32, static_cast<std::uint8_t>(i));
  const std::string gif = tvtest::MakeGif(32, 32, {0xFF0000, 0x00FF00, 0x0000FF}, frames, true, 0);
  ASSERT_GE(gif.size(), 1024u);
  loader.SetInternalLoaderMask(L"");  // handled internally whatever the mask says
  ImageEntry entry = Entry(L"anim.gif", gif);
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.decoderKind(), DecoderKind::Gdiplus);
  EXPECT_EQ(loader.animationKind(), 1);
  EXPECT_EQ(loader.frameCount(), 3u);
  EXPECT_EQ(SourcePixel(10, 10), 0xFF0000u);
}

TEST_F(LoaderTest, DetectionOrderAndInternalLoaderMask) {
  // WebP is internal even with an empty mask.
  loader.SetInternalLoaderMask(L"");
  ImageEntry webp = Entry(L"x.webp", tvtest::EncodeWebpLossless(8, 8, Q));
  ASSERT_TRUE(loader.LoadFile(webp));
  EXPECT_EQ(loader.decoderKind(), DecoderKind::Webp);
  // With "*.jpg;" a PNG goes to the plug-ins first; none takes it, GDI+ does.
  loader.SetInternalLoaderMask(L"*.jpg;");
  ImageEntry png = Entry(L"x.png", EncodeWithGdiplus(8, 8, Q, L"image/png"));
  ASSERT_TRUE(loader.LoadFile(png));
  EXPECT_EQ(loader.decoderKind(), DecoderKind::Gdiplus);
  // A JPEG under a strange extension is sniffed by its first bytes.
  ImageEntry odd = Entry(L"x.dat", EncodeWithGdiplus(8, 8, Q, L"image/jpeg"));
  EXPECT_TRUE(loader.LoadFile(odd));
  // Text is nobody's picture, and the shown picture stays.
  ImageEntry text = Entry(L"x.txt", "just some words, not a picture");
  EXPECT_FALSE(loader.LoadFile(text));
  EXPECT_TRUE(loader.pictureLoaded());
  EXPECT_EQ(loader.width(), 8);
}

TEST_F(LoaderTest, SizeBoundsBeforeDetection) {
  const std::string png = EncodeWithGdiplus(2, 2, Q, L"image/png");
  ImageEntry nine = Entry(L"nine.png", png.substr(0, 9));
  EXPECT_FALSE(loader.LoadFile(nine));
  ImageEntry missing;
  missing.path = folder.Join(L"missing.png");
  EXPECT_FALSE(loader.LoadFile(missing));
}

// --- faults of the earlier design, kept mended

TEST_F(LoaderTest, ReadOnlyFileLoads) {
  ImageEntry entry = Entry(L"ro.png", EncodeWithGdiplus(8, 8, Q, L"image/png"));
  ASSERT_TRUE(::SetFileAttributesW(entry.path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(loader.LoadFile(entry));
  ::SetFileAttributesW(entry.path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(LoaderTest, FileHeldOpenByAnotherProgramLoads) {
  ImageEntry entry = Entry(L"busy.bmp", EncodeWithGdiplus(8, 8, Q, L"image/bmp"));
  UniqueFile other(::CreateFileW(entry.path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(other);
  EXPECT_TRUE(loader.LoadFile(entry));
}

TEST_F(LoaderTest, UndecodableGdiplusPictureFailsInsteadOfShowingBlack) {
  // Right first bytes, nothing behind them: GDI+ gives no picture.
  std::string broken = EncodeWithGdiplus(40, 30, Q, L"image/png").substr(0, 40);
  ImageEntry entry = Entry(L"broken.png", broken);
  EXPECT_FALSE(loader.LoadFile(entry));
  EXPECT_FALSE(loader.pictureLoaded());
  EXPECT_EQ(loader.ContentFlags() & kContentPictures, 0);
}

TEST_F(LoaderTest, BrokenWebpFailsTheLoad) {
  std::string webp = tvtest::EncodeWebpLossy(64, 64, Q);
  // Keep the header (the query still succeeds) but cut the picture data.
  webp.resize(webp.size() / 2);
  ImageEntry entry = Entry(L"cut.webp", webp);
  EXPECT_FALSE(loader.LoadFile(entry));
  EXPECT_FALSE(loader.pictureLoaded());
}

TEST_F(LoaderTest, HugePictureFailsCleanlyAndTheNextLoadWorks) {
  ImageEntry first = Entry(L"first.png", EncodeWithGdiplus(8, 8, Q, L"image/png"));
  ASSERT_TRUE(loader.LoadFile(first));
  // A real PNG whose header claims 60,000 x 60,000 pixels.
  std::string png = EncodeWithGdiplus(8, 8, Q, L"image/png");
  ASSERT_EQ(png.compare(12, 4, "IHDR"), 0);
  std::string ihdr = png.substr(12, 17);
  for (int i : {4, 8}) {
    ihdr[i] = 0;
    ihdr[i + 1] = 0;
    ihdr[i + 2] = static_cast<char>(60000 >> 8);
    ihdr[i + 3] = static_cast<char>(60000 & 0xFF);
  }
  // Recompute the chunk's CRC so the header is valid.
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char value : ihdr) {
    crc ^= value;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  crc ^= 0xFFFFFFFFu;
  png.replace(12, 17, ihdr);
  for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
  ImageEntry huge = Entry(L"huge.png", png);
  EXPECT_FALSE(loader.LoadFile(huge));
  loader.Release(kContentPictures);
  ImageEntry next = Entry(L"next.png", EncodeWithGdiplus(8, 8, Q, L"image/png"));
  EXPECT_TRUE(loader.LoadFile(next));
  EXPECT_EQ(loader.width(), 8);
}

namespace {
int* volatile nowhere = nullptr;
void WriteThroughNull() { *nowhere = 7; }
}  // namespace

TEST_F(LoaderTest, DecoderFaultFailsOnlyThatLoad) {
  ImageEntry entry = Entry(L"a.png", EncodeWithGdiplus(8, 8, Q, L"image/png"));
  SetGdiplusDecodeHookForTesting(WriteThroughNull);
  const bool faulted = loader.LoadFile(entry);
  SetGdiplusDecodeHookForTesting(nullptr);
  EXPECT_FALSE(faulted);
  EXPECT_FALSE(loader.pictureLoaded());
  // The viewer lives on: the lock is free and the next picture loads.
  EXPECT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.width(), 8);
}

TEST_F(LoaderTest, StillPictureKeepsOnlyItsSourceBitmapButAnimatedGifKeepsTheDecoder) {
  const std::string png = EncodeWithGdiplus(40, 30, Q, L"image/png");
  ASSERT_FALSE(png.empty());
  GdiplusPicture still;
  ASSERT_TRUE(DecodeWithGdiplus(reinterpret_cast<const std::uint8_t*>(png.data()), png.size(), 0, still));
  EXPECT_TRUE(still.sourceBitmap);
  EXPECT_FALSE(still.image);
  EXPECT_FALSE(still.stream);
  EXPECT_EQ(static_cast<const std::uint32_t*>(still.pixels)[0] & 0xFFFFFFu, Q(0, 0) & 0xFFFFFFu);

  std::vector<tvtest::GifFrame> frames(2);
  for (int i = 0; i < 2; ++i) frames[i].indices.assign(16 * 16, static_cast<std::uint8_t>(i));
  const std::string gif = tvtest::MakeGif(16, 16, {0xFF0000, 0x00FF00}, frames, true, 0);
  GdiplusPicture animated;
  ASSERT_TRUE(DecodeWithGdiplus(reinterpret_cast<const std::uint8_t*>(gif.data()), gif.size(), 0, animated));
  EXPECT_EQ(animated.frameCount, 2u);
  EXPECT_TRUE(animated.image);  // the frames are selected from it later
  EXPECT_TRUE(animated.stream);
  animated.Reset();
}

TEST_F(LoaderTest, AnimatedGifFramesStillDecodeAfterTheLoadedBytesAreGone) {
  std::vector<tvtest::GifFrame> frames(2);
  for (int i = 0; i < 2; ++i) frames[i].indices.assign(16 * 16, static_cast<std::uint8_t>(i));
  std::string gif = tvtest::MakeGif(16, 16, {0xFF0000, 0x00FF00}, frames, true, 0);
  GdiplusPicture animated;
  ASSERT_TRUE(DecodeWithGdiplus(reinterpret_cast<const std::uint8_t*>(gif.data()), gif.size(), 0, animated));
  // The file's view is unmapped once a load ends: the image must not read it.
  std::fill(gif.begin(), gif.end(), '\xCC');
  // Whatever GDI+ reads again comes from the picture's own copy.
  LARGE_INTEGER start{};
  ASSERT_EQ(animated.stream->Seek(start, STREAM_SEEK_SET, nullptr), S_OK);
  char header[6] = {};
  ULONG read = 0;
  ASSERT_EQ(animated.stream->Read(header, sizeof header, &read), S_OK);
  EXPECT_EQ(std::string(header, read), "GIF89a");
  GUID dimension = Gdiplus::FrameDimensionTime;
  ASSERT_EQ(Gdiplus::DllExports::GdipImageSelectActiveFrame(animated.image.get(), &dimension, 1), Gdiplus::Ok);
  UniqueBitmap frame;
  void* pixels = nullptr;
  UniqueGpImage target;
  ASSERT_TRUE(RenderToBitmap(animated.image.get(), 16, 16, 0, frame, &pixels, target));
  EXPECT_EQ(static_cast<const std::uint32_t*>(pixels)[5 * 16 + 5] & 0xFFFFFFu, 0x00FF00u);
  target.reset();
  animated.Reset();
}
