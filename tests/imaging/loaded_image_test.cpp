#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "imaging/gdiplus_decode.h"
#include "imaging/memory_budget.h"
#include "imaging/pixel_convert.h"
#include "tests/imaging/loader_fixture.h"
#include "tests/imaging/picture_files.h"
#include "tools/sample_files.h"

using namespace tv;
using tvtest::EncodeWithGdiplus;
using tvtest::MakeZip;

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

std::uint32_t Q(int x, int y) { return tvtest::Quadrants(x, y, 40, 30); }
std::uint32_t HalfTransparent(int x, int) { return x < 20 ? 0xFFFF0000u : 0x0000FF00u; }

// Each channel within `tolerance` (lossy formats).
bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
      return false;
  return true;
}

std::uint32_t Rgb(const void* bits, std::size_t index) { return static_cast<const std::uint32_t*>(bits)[index] & 0xFFFFFF; }

// The same bytes declaring other sides (the IHDR checksum kept right).
std::string PngDeclaring(std::string png, std::uint16_t width, std::uint16_t height) {
  if (png.compare(12, 4, "IHDR") != 0) return "";
  png.replace(16, 4, std::string("\0\0", 2) + static_cast<char>(width >> 8) + static_cast<char>(width));
  png.replace(20, 4, std::string("\0\0", 2) + static_cast<char>(height >> 8) + static_cast<char>(height));
  std::uint32_t crc = 0xFFFFFFFFu;
  for (int i = 12; i < 29; ++i) {
    crc ^= static_cast<std::uint8_t>(png[i]);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<char>(~crc >> (24 - 8 * i));
  return png;
}

// A real JPEG made progressive in name and declaring other sides: a few
// hundred bytes that promise billions of pixels.
std::string JpegDeclaring(std::string jpeg, std::uint16_t width, std::uint16_t height) {
  const std::size_t frame = jpeg.find("\xFF\xC0");
  if (frame == std::string::npos) return "";
  jpeg[frame + 1] = '\xC2';
  jpeg.replace(frame + 5, 4, {static_cast<char>(height >> 8), static_cast<char>(height), static_cast<char>(width >> 8),
                              static_cast<char>(width)});
  return jpeg;
}

// Decodes see this much memory as available while it lives.
struct FixedDecodeMemory {
  explicit FixedDecodeMemory(std::uint64_t bytes) { SetAvailableDecodeMemoryForTesting(bytes); }
  ~FixedDecodeMemory() { SetAvailableDecodeMemoryForTesting(0); }
};

std::string ExifJpeg(int orientation, bool bigEndian = false) {
  tvtest::ExifFields fields;
  fields.bigEndian = bigEndian;
  fields.orientation = orientation;
  fields.make = "Maker";
  return tvtest::InsertJpegSegment(EncodeWithGdiplus(40, 30, Q, L"image/jpeg"), tvtest::MakeExifSegment(fields), false);
}

}  // namespace

class LoaderTest : public tvtest::LoaderFixture {
 protected:
  std::uint32_t ScaledPixel(int x, int y) const {
    return Rgb(loader.scaledPixels(), static_cast<std::size_t>(y) * loader.scaledAllocatedWidth() + x);
  }
};

// Each picture is first refused only by what its header declares against the
// memory said to be left, then decoded with exactly enough.
TEST_F(LoaderTest, DecodesEveryFormatButRefusesOneWhoseDecodeCannotFitInTheMemoryLeft) {
  tvtest::GifFrame gifFrame;  // Wine's GDI+ writes no usable GIF
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) gifFrame.indices.push_back(static_cast<std::uint8_t>((y >= 15) * 2 + (x >= 20)));
  struct Case {
    const wchar_t* name;
    std::string bytes;
    DecoderKind decoder;
    int tolerance;
    int sourceDepth;
  };
  const Case cases[] = {
      {L"a.bmp", EncodeWithGdiplus(40, 30, Q, L"image/bmp"), DecoderKind::Gdiplus, 0, 24},
      {L"a.png", EncodeWithGdiplus(40, 30, Q, L"image/png"), DecoderKind::Gdiplus, 0, 32},  // written with alpha
      {L"a.jpg", EncodeWithGdiplus(40, 30, Q, L"image/jpeg"), DecoderKind::Gdiplus, 24, 24},
      {L"a.tif", EncodeWithGdiplus(40, 30, Q, L"image/tiff"), DecoderKind::Gdiplus, 0, 32},
      {L"a.gif", tvtest::MakeGif(40, 30, {kRed, kGreen, kBlue, kWhite}, {gifFrame}, false), DecoderKind::Gdiplus, 0, 32},
      {L"a.webp", tvtest::EncodeWebpLossy(40, 30, Q), DecoderKind::Webp, 40, 24},
      {L"b.webp", tvtest::EncodeWebpLossless(40, 30, Q), DecoderKind::Webp, 0, 24}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ImageEntry entry = Entry(c.name, c.bytes);
    const std::uint64_t needed =
        40 * 30 * (c.decoder == DecoderKind::Webp ? kWebpStillPeakBytesPerPixel : kGdiplusPeakBytesPerPixel);
    {
      FixedDecodeMemory scarce(needed - 1);
      EXPECT_FALSE(loader.LoadFile(entry));
    }
    FixedDecodeMemory enough(needed);
    ASSERT_TRUE(loader.LoadFile(entry));
    EXPECT_EQ(loader.decoderKind(), c.decoder);
    EXPECT_EQ(loader.animationKind(), 0);
    EXPECT_EQ(loader.width() * 100 + loader.height(), 4030);
    EXPECT_EQ(loader.rotation(), 0);
    EXPECT_TRUE(c.decoder != DecoderKind::Gdiplus || entry.rotation == 0);  // remembered for the list
    EXPECT_EQ(loader.loaderName(), L"Internal Loader");
    EXPECT_EQ(SourceDepth(), c.sourceDepth);
    EXPECT_TRUE(Near(SourcePixel(5, 5), kRed, c.tolerance));
    EXPECT_TRUE(Near(SourcePixel(35, 5), kGreen, c.tolerance));
    EXPECT_TRUE(Near(SourcePixel(5, 25), kBlue, c.tolerance));
    EXPECT_TRUE(Near(SourcePixel(35, 25), kWhite, c.tolerance));
  }
}

TEST_F(LoaderTest, TransparentPngAndWebpShowTheFillColour) {
  loader.SetFillColor(0xFF102030);
  for (const auto& [name, bytes] : {std::pair{L"a.png", EncodeWithGdiplus(40, 30, HalfTransparent, L"image/png")},
                                    std::pair{L"a.webp", tvtest::EncodeWebpLossless(40, 30, HalfTransparent)}}) {
    ImageEntry entry = Entry(name, bytes);
    ASSERT_TRUE(loader.LoadFile(entry));
    EXPECT_EQ(SourcePixel(3, 3), kRed);
    EXPECT_EQ(SourcePixel(30, 3), 0x102030u) << name;
  }
}

TEST_F(LoaderTest, JpegExifOrientationGivesTheRotationInBothByteOrders) {
  const int rotations[] = {0, 0, 0, 2, 0, 0, 1, 0, 3};  // by Exif orientation 1..8
  for (bool bigEndian : {false, true})
    for (int orientation = 1; orientation <= 8; ++orientation) {
      SCOPED_TRACE(testing::Message() << orientation << " big-endian " << bigEndian);
      ImageEntry entry = Entry(L"exif.jpg", ExifJpeg(orientation, bigEndian));
      ASSERT_TRUE(loader.LoadFile(entry));
      EXPECT_EQ(loader.rotation(), rotations[orientation]);
      EXPECT_EQ(entry.rotation, rotations[orientation]);
      EXPECT_EQ(loader.exif().maker, L"Maker");
      EXPECT_EQ(loader.rotatedWidth(), rotations[orientation] % 2 ? 30 : 40);
    }
  // A WebP after it shows no stale Exif texts.
  ImageEntry webp = Entry(L"w.webp", tvtest::EncodeWebpLossless(8, 8, Q));
  ASSERT_TRUE(loader.LoadFile(webp));
  EXPECT_FALSE(loader.exif().hasExif);
  EXPECT_TRUE(loader.exif().maker.empty());
}

TEST_F(LoaderTest, StoredRotationAndFixedRotationWinOverExif) {
  ImageEntry entry = Entry(L"r.jpg", ExifJpeg(6));
  entry.rotation = 2;
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.rotation(), 2);
  loader.SetFixedRotation(true);
  loader.SetRotation(3);
  entry.rotation = 0;
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.rotation() * 10 + entry.rotation, 33);
  loader.SetRotation(-1);  // unset: the picture's own orientation counts
  ASSERT_TRUE(loader.LoadFile(entry));
  EXPECT_EQ(loader.rotation(), 1);
}

TEST_F(LoaderTest, DetectionOrderAndInternalLoaderMask) {
  loader.SetInternalLoaderMask(L"");
  ImageEntry webp = Entry(L"x.webp", tvtest::EncodeWebpLossless(8, 8, Q));
  ASSERT_TRUE(loader.LoadFile(webp));
  EXPECT_EQ(loader.decoderKind(), DecoderKind::Webp);
  loader.SetInternalLoaderMask(L"*.jpg;");  // no plug-in takes the PNG, so GDI+ does
  ImageEntry png = Entry(L"x.png", EncodeWithGdiplus(8, 8, Q, L"image/png"));
  ASSERT_TRUE(loader.LoadFile(png));
  EXPECT_EQ(loader.decoderKind(), DecoderKind::Gdiplus);
  ImageEntry odd = Entry(L"x.dat", EncodeWithGdiplus(9, 8, Q, L"image/jpeg"));  // sniffed by its first bytes
  EXPECT_TRUE(loader.LoadFile(odd));
  ImageEntry text = Entry(L"x.txt", "just some words, not a picture");
  EXPECT_FALSE(loader.LoadFile(text));
  EXPECT_EQ(loader.width(), 9);  // the shown picture stays
}

TEST_F(LoaderTest, TransformTurnsAndScalesEveryWay) {
  EXPECT_TRUE(loader.Transform());  // nothing loaded: nothing drawn
  EXPECT_EQ(loader.scaledBitmap(), nullptr);
  const auto big = [](int x, int y) { return tvtest::Quadrants(x, y, 80, 40); };
  ImageEntry entry = Entry(L"q.bmp", EncodeWithGdiplus(80, 40, big, L"image/bmp"));
  struct Case {
    int rotation, targetWidth, outWidth, outHeight;
    std::uint32_t topLeft, topRight, bottomLeft, bottomRight;
  };
  const Case cases[] = {{0, 0, 80, 40, kRed, kGreen, kBlue, kWhite},   {1, 0, 40, 80, kBlue, kRed, kWhite, kGreen},
                        {2, 0, 80, 40, kWhite, kBlue, kGreen, kRed},   {3, 0, 40, 80, kGreen, kWhite, kRed, kBlue},
                        {0, 20, 20, 10, kRed, kGreen, kBlue, kWhite},  {1, 20, 10, 20, kBlue, kRed, kWhite, kGreen},
                        {2, 20, 20, 10, kWhite, kBlue, kGreen, kRed},  {3, 20, 10, 20, kGreen, kWhite, kRed, kBlue}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rotation << " to " << c.targetWidth);
    entry.rotation = c.rotation;
    ASSERT_TRUE(loader.LoadFile(entry));
    if (c.targetWidth) loader.SetTargetSize(c.targetWidth, c.targetWidth / 2);
    ASSERT_TRUE(loader.transformNeeded());
    ASSERT_TRUE(loader.Transform());
    EXPECT_FALSE(loader.transformNeeded());
    ASSERT_EQ(loader.outputWidth() * 100 + loader.outputHeight(), c.outWidth * 100 + c.outHeight);
    const int w = c.outWidth, h = c.outHeight, t = c.targetWidth ? 8 : 0;
    for (int inset : {0, std::min(w, h) / 4}) {
      EXPECT_TRUE(Near(ScaledPixel(inset, inset), c.topLeft, t));
      EXPECT_TRUE(Near(ScaledPixel(w - 1 - inset, inset), c.topRight, t));
      EXPECT_TRUE(Near(ScaledPixel(inset, h - 1 - inset), c.bottomLeft, t));
      EXPECT_TRUE(Near(ScaledPixel(w - 1 - inset, h - 1 - inset), c.bottomRight, t));
    }
  }
}

// --- faults of the earlier design, kept mended

TEST_F(LoaderTest, ReadOnlyFileAndFileHeldOpenByAnotherProgramLoad) {
  ImageEntry readOnly = Entry(L"ro.png", EncodeWithGdiplus(8, 8, Q, L"image/png"));
  ASSERT_TRUE(::SetFileAttributesW(readOnly.path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(loader.LoadFile(readOnly));
  ::SetFileAttributesW(readOnly.path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ImageEntry busy = Entry(L"busy.bmp", EncodeWithGdiplus(8, 8, Q, L"image/bmp"));
  UniqueFile other(::CreateFileW(busy.path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(other);
  EXPECT_TRUE(loader.LoadFile(busy));
}

// A cut PNG once showed as a black picture; a cut WebP's header still answers.
TEST_F(LoaderTest, UndecodableGdiplusPictureOrBrokenWebpFailsInsteadOfShowingBlack) {
  std::string webp = tvtest::EncodeWebpLossy(64, 64, Q);
  webp.resize(webp.size() / 2);
  for (const auto& [name, bytes] : {std::pair{L"broken.png", EncodeWithGdiplus(40, 30, Q, L"image/png").substr(0, 40)},
                                    std::pair{L"cut.webp", webp}}) {
    ImageEntry entry = Entry(name, bytes);
    EXPECT_FALSE(loader.LoadFile(entry)) << name;
    EXPECT_FALSE(loader.pictureLoaded());
    EXPECT_EQ(loader.ContentFlags() & kContentPictures, 0);
  }
}

// Headers declaring billions of pixels in a few hundred bytes; the next
// picture loads as before.
TEST_F(LoaderTest, HugePictureOrDecompressionBombIsRefusedAndTheNextLoadWorks) {
  const std::string png = EncodeWithGdiplus(8, 8, Q, L"image/png");
  ImageEntry first = Entry(L"first.png", png);
  for (const auto& [name, bytes] : {std::pair{L"huge.png", PngDeclaring(png, 60000, 60000)},
                                    std::pair{L"bomb.jpg", JpegDeclaring(EncodeWithGdiplus(8, 8, Q, L"image/jpeg"), 64250, 64250)},
                                    std::pair{L"bomb.png", PngDeclaring(png, 64250, 64250)}}) {
    SCOPED_TRACE(name);
    ASSERT_LT(bytes.size(), 2000u);
    ASSERT_TRUE(loader.LoadFile(first));
    ImageEntry bomb = Entry(name, bytes);
    EXPECT_FALSE(loader.LoadFile(bomb));
    EXPECT_FALSE(loader.pictureLoaded());
    EXPECT_EQ(loader.ContentFlags() & kContentPictures, 0);
  }
  EXPECT_TRUE(loader.LoadFile(first));
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
  EXPECT_TRUE(loader.LoadFile(entry));  // the lock is free again
}

namespace {
int readsSeen = 0, failingRead = 0;
// What a file on a share that drops, or on a stick pulled out, raises when
// its next page is touched.
void CountOrFailRead() {
  if (++readsSeen == failingRead) ::RaiseException(EXCEPTION_IN_PAGE_ERROR, 0, 0, nullptr);
}
}  // namespace

TEST_F(LoaderTest, InPageErrorInAnyReadOfTheFileFailsOnlyThatLoad) {
  const std::string jpeg = ExifJpeg(6);
  ImageEntry picture = Entry(L"cam.jpg", jpeg);
  ImageEntry archive = Entry(L"cam.zip", MakeZip({{"cam.jpg", jpeg}}));
  ImageEntry member;
  member.path = L"cam.jpg";
  const std::pair<const char*, std::function<bool()>> loads[] = {
      {"picture", [&] { return loader.LoadFile(picture); }},
      {"archive",
       [&] {
         loader.Release(kContentArchive | kContentMember);
         return loader.LoadFile(archive);
       }},
      {"member", [&] { return loader.LoadArchiveMember(member); }}};
  SetMappedReadHookForTesting(CountOrFailRead);
  for (const auto& [what, load] : loads) {
    SCOPED_TRACE(what);
    readsSeen = failingRead = 0;
    ASSERT_TRUE(load());
    const int reads = readsSeen;
    ASSERT_GE(reads, 1);
    for (failingRead = 1; failingRead <= reads; ++failingRead) {
      readsSeen = 0;
      EXPECT_FALSE(load()) << "read " << failingRead << " of " << reads;
      EXPECT_EQ(readsSeen, failingRead);
    }
    failingRead = 0;
    EXPECT_TRUE(load());  // nothing is left locked or half-made
  }
  SetMappedReadHookForTesting(nullptr);
  EXPECT_EQ(loader.rotation(), 1);
}

TEST_F(LoaderTest, IndexedPictureWithATransparentPaletteEntryShowsTheFillColour) {
  using namespace Gdiplus::DllExports;
  // As Windows' GDI+ hands over a transparent GIF: 8-bit indexed, the
  // transparency in the palette.
  Gdiplus::GpBitmap* raw = nullptr;
  ASSERT_EQ(GdipCreateBitmapFromScan0(4, 2, 0, PixelFormat8bppIndexed, nullptr, &raw), Gdiplus::Ok);
  UniqueGpImage indexed(raw);
  struct {
    UINT flags, count;
    Gdiplus::ARGB entries[3];
  } palette{Gdiplus::PaletteFlagsHasAlpha, 3, {0xFFFF0000u, 0x0000FF00u, 0x800000FFu}};
  ASSERT_EQ(GdipSetImagePalette(raw, reinterpret_cast<Gdiplus::ColorPalette*>(&palette)), Gdiplus::Ok);
  const std::uint8_t indices[2][4] = {{0, 1, 2, 1}, {1, 1, 0, 2}};
  Gdiplus::GpRect all(0, 0, 4, 2);
  Gdiplus::BitmapData data{};
  ASSERT_EQ(GdipBitmapLockBits(raw, &all, Gdiplus::ImageLockModeWrite, PixelFormat8bppIndexed, &data), Gdiplus::Ok);
  for (int y = 0; y < 2; ++y) std::memcpy(static_cast<std::uint8_t*>(data.Scan0) + y * data.Stride, indices[y], 4);
  ASSERT_EQ(GdipBitmapUnlockBits(raw, &data), Gdiplus::Ok);
  Gdiplus::PixelFormat format = PixelFormatUndefined;
  ASSERT_EQ(GdipGetImagePixelFormat(raw, &format), Gdiplus::Ok);
  ASSERT_EQ(format, PixelFormat8bppIndexed);

  const std::uint32_t fill = 0xFF102030;
  std::uint32_t halfBlue = 0x800000FFu;
  FlattenOntoFill(&halfBlue, 1, fill);
  UniqueBitmap bitmap;
  void* pixels = nullptr;
  ASSERT_TRUE(ConvertIntoBitmap(raw, 4, 2, fill, bitmap, &pixels));
  const std::uint32_t expected[8] = {kRed, 0x102030, halfBlue & 0xFFFFFF, 0x102030,
                                     0x102030, 0x102030, kRed, halfBlue & 0xFFFFFF};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(Rgb(pixels, i), expected[i]) << i;
}

TEST_F(LoaderTest, AnimatedGifFramesStillDecodeAfterTheLoadedBytesAreGone) {
  std::string gif = tvtest::SolidFramesGif(2, 16, {}, 0);
  GdiplusPicture animated;
  ASSERT_TRUE(DecodeWithGdiplus(reinterpret_cast<const std::uint8_t*>(gif.data()), gif.size(), 0, animated));
  std::fill(gif.begin(), gif.end(), '\xCC');  // as the file's view is unmapped once a load ends
  GUID dimension = Gdiplus::FrameDimensionTime;
  ASSERT_EQ(Gdiplus::DllExports::GdipImageSelectActiveFrame(animated.image.get(), &dimension, 1), Gdiplus::Ok);
  UniqueBitmap frame;
  void* pixels = nullptr;
  UniqueGpImage target;
  ASSERT_TRUE(RenderToBitmap(animated.image.get(), 16, 16, 0, frame, &pixels, target));
  EXPECT_EQ(Rgb(pixels, 5 * 16 + 5), kGreen);
  target.reset();
  animated.Reset();
}

TEST_F(LoaderTest, StoredZipOpensListsAndLoadsMembersInPlace) {
  const std::string png = EncodeWithGdiplus(20, 10, Q, L"image/png"), bmp = EncodeWithGdiplus(6, 4, Q, L"image/bmp");
  tvtest::ZipItem deflated{"late.png", png};
  deflated.method = 8;
  ImageEntry archive = Entry(L"pics.zip", MakeZip({{"sub/dir/pic.png", png},
                                                   {"d\xC3\xA9j\xC3\xA0/\xE6\x97\xA5.png", png, true},  // UTF-8
                                                   {"caf\xE9.bmp", bmp},  // ANSI code page
                                                   deflated}));
  ASSERT_TRUE(loader.LoadFile(archive));
  EXPECT_EQ(loader.ContentFlags(), kContentArchive);
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::StoredZip);
  ImageList members;
  ASSERT_TRUE(loader.ListArchive(members));
  ASSERT_EQ(members.size(), 3u);  // the deflated member ends the listing
  EXPECT_EQ(members[0].path, L"sub/dir/pic.png");
  EXPECT_EQ(members[1].path, L"d\u00E9j\u00E0/\u65E5.png");
  EXPECT_EQ(members[2].path, L"caf\u00E9.bmp");
  EXPECT_EQ(members[0].size, png.size());
  for (ImageEntry& member : members) {
    member.size = 0;
    ASSERT_TRUE(loader.LoadArchiveMember(member));
    EXPECT_EQ(loader.ContentFlags(), kContentArchive | kContentMember | kContentGdiplus);
    EXPECT_NE(member.size, 0u);
    EXPECT_EQ(loader.memberEntry().path, member.path);
    EXPECT_EQ(loader.archiveEntry().path, archive.path);
  }
  EXPECT_EQ(loader.width(), 6);
  ImageEntry absent;
  absent.path = L"late.png";
  EXPECT_FALSE(loader.LoadArchiveMember(absent));
  EXPECT_TRUE(loader.pictureLoaded());  // the shown member stays
}

TEST_F(LoaderTest, ReleasingAnArchiveLetsTheNextZipOpen) {
  const std::string png = EncodeWithGdiplus(4, 4, Q, L"image/png");
  ImageEntry first = Entry(L"first.zip", MakeZip({{"a.png", png}, {"inner.zip", MakeZip({{"x.png", png}})}}));
  ImageEntry second = Entry(L"second.zip", MakeZip({{"b.png", png}, {"c.png", png}}));
  ASSERT_TRUE(loader.LoadFile(first));
  ImageEntry inner;
  inner.path = L"inner.zip";
  EXPECT_FALSE(loader.LoadArchiveMember(inner));  // a ZIP inside is no picture
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::StoredZip);
  loader.Release(kContentArchive | kContentMember);
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::None);
  ImageList members;
  EXPECT_FALSE(loader.ListArchive(members));
  ASSERT_TRUE(loader.LoadFile(second));
  ASSERT_TRUE(loader.ListArchive(members));
  EXPECT_EQ(members.size(), 2u);
}
