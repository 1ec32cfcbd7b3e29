#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "imaging/plugin_host.h"
#include "tests/imaging/loader_fixture.h"
#include "tests/imaging/picture_files.h"
#include "tests/menus/shipped_program.h"
#include "tools/sample_files.h"

using namespace tv;
using tvtest::BesideTestProgram;

namespace {

std::wstring Built(const wchar_t* folder, const wchar_t* file) {
  return BesideTestProgram(std::wstring(folder) + L"\\" + file);
}

std::uint32_t Stripes(int x, int y, void*) { return x < 3 ? 0xFF0000u : (y < 2 ? 0x00FF00u : 0x0000FFu); }

std::string Raw(const std::string& header, const std::string& bits, bool nullHeader = false, bool nullBits = false) {
  std::string out = "RAWB";
  tvtest::PutU32(out, nullHeader ? 0xFFFFFFFFu : static_cast<std::uint32_t>(header.size()));
  tvtest::PutU32(out, nullBits ? 0xFFFFFFFFu : static_cast<std::uint32_t>(bits.size()));
  return out + header + bits;
}

// A 40-byte bitmap header of a 2 x 2 picture.
std::string InfoHeader(int bits, int height = 2) {
  std::string out;
  tvtest::PutU32(out, 40);
  tvtest::PutU32(out, 2);
  tvtest::PutU32(out, static_cast<std::uint32_t>(height));
  tvtest::PutU16(out, 1);
  tvtest::PutU16(out, static_cast<std::uint16_t>(bits));
  for (int i = 0; i < 4; ++i) tvtest::PutU32(out, 0);
  tvtest::PutU32(out, 0);
  tvtest::PutU32(out, 0);
  return out;
}

}  // namespace

class PluginHostTest : public tvtest::LoaderFixture {
 protected:
  void SetUp() override {
    LoaderFixture::SetUp();
    loader.SetProgressFunction(&PluginHostTest::Progress, this);
  }
  // A plug-in folder holding copies of built plug-ins under the given names.
  std::wstring PluginFolder(const std::wstring& name,
                            const std::vector<std::pair<std::wstring, std::wstring>>& copies) {
    const std::wstring path = folder.MakeFolder(name);
    for (const auto& [source, target] : copies)
      EXPECT_TRUE(::CopyFileW(source.c_str(), (path + L"\\" + target).c_str(), TRUE)) << source;
    return path;
  }
  void LoadStandardPlugins() {
    loader.LoadPlugins({PluginFolder(L"spi", {{Built(L"plugins", L"ppm.spi"), L"1ppm.spi"},
                                              {Built(L"plugins", L"tar.spi"), L"2tar.spi"},
                                              {Built(L"test-plugins", L"test_image.spi"), L"3image.spi"},
                                              {Built(L"test-plugins", L"test_archive.spi"), L"4archive.spi"}})});
    ASSERT_EQ(loader.Plugins().Plugins().size(), 4u);
  }
  static int Progress(void* context, int done, int total) {
    auto* self = static_cast<PluginHostTest*>(context);
    ++self->progressCalls;
    EXPECT_LE(done, total);
    return self->abortAfter > 0 && self->progressCalls >= self->abortAfter ? 1 : 0;
  }
  // The file name of the module behind a plug-in record.
  static std::wstring ModuleName(const PluginRecord& record) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(record.module.get(), path, MAX_PATH);
    return path;
  }

  int progressCalls = 0;
  int abortAfter = 0;
};

TEST_F(PluginHostTest, OnlyImageAndArchivePluginsStayLoaded) {
  const std::wstring spi = PluginFolder(L"spi", {{Built(L"test-plugins", L"test_image.spi"), L"a.spi"},
                                                 {Built(L"test-plugins", L"test_archive.spi"), L"b.spi"},
                                                 {Built(L"test-plugins", L"test_other.spi"), L"c.spi"},
                                                 {Built(L"test-plugins", L"test_without_info.spi"), L"d.spi"},
                                                 {Built(L"plugins", L"ppm.spi"), L"e.dll"}});
  folder.WriteBytes(L"spi\\f.spi", "not a library at all");
  loader.LoadPlugins({spi});
  const auto& plugins = loader.Plugins().Plugins();
  ASSERT_EQ(plugins.size(), 2u);
  std::vector<PluginKind> kinds = {plugins[0]->Kind(), plugins[1]->Kind()};
  std::sort(kinds.begin(), kinds.end());
  EXPECT_EQ(kinds, (std::vector<PluginKind>{PluginKind::Image, PluginKind::Archive}));
  for (const auto& plugin : plugins) {
    // "00IN" followed by more without terminator, and a description filling
    // its whole field: both end inside their fields.
    EXPECT_EQ(std::string(plugin->version).size(), 4u);
    EXPECT_EQ(std::string(plugin->description).size(), 199u);
    EXPECT_EQ(std::string(plugin->description).rfind("Test plug-in 00", 0), 0u);
  }
  // An empty folder list keeps what is loaded.
  loader.LoadPlugins({});
  EXPECT_EQ(loader.Plugins().Plugins().size(), 2u);
}

TEST_F(PluginHostTest, FirstFolderWinsForEachNameAndFoldersKeepTheirOrder) {
  const std::wstring first = PluginFolder(L"first", {{Built(L"plugins", L"ppm.spi"), L"a.spi"}});
  const std::wstring second = PluginFolder(L"second", {{Built(L"plugins", L"tar.spi"), L"a.spi"},
                                                       {Built(L"plugins", L"tar.spi"), L"b.spi"}});
  loader.LoadPlugins({first, second});
  const auto& plugins = loader.Plugins().Plugins();
  ASSERT_EQ(plugins.size(), 2u);
  EXPECT_EQ(ModuleName(*plugins[0]), first + L"\\a.spi");
  EXPECT_EQ(plugins[0]->Kind(), PluginKind::Image);
  EXPECT_EQ(ModuleName(*plugins[1]), second + L"\\b.spi");
  EXPECT_EQ(plugins[1]->Kind(), PluginKind::Archive);
}

TEST_F(PluginHostTest, NetpbmPicturesDecodeThroughThePlugin) {
  LoadStandardPlugins();
  // Each picture replaces one of its own size, whose bitmap it may reuse;
  // the opaque BMP's 24-bit bitmap is not one it can write into.
  const std::string bmp = tvtest::EncodeWithGdiplus(5, 4, [](int, int) { return 0xFF123456u; }, L"image/bmp");
  ASSERT_TRUE(Load(L"before.bmp", bmp));
  ASSERT_EQ(SourceDepth(), 24);
  for (const char kind : {'6', '3', '5', '2'}) {
    ASSERT_TRUE(Load(L"stripes.ppm", tvtest::MakeNetpbm(kind, 5, 4, Stripes))) << kind;
    EXPECT_EQ(loader.ContentFlags(), kContentPlugin);
    EXPECT_TRUE(loader.pictureLoaded());
    EXPECT_EQ(loader.width(), 5);
    EXPECT_EQ(loader.height(), 4);
    EXPECT_EQ(loader.loaderName(), L"netpbm PPM/PGM reader");
    const bool colour = kind == '6' || kind == '3';
    EXPECT_EQ(SourcePixel(0, 3), colour ? 0xFF0000u : 0u) << kind;
    EXPECT_EQ(SourcePixel(4, 0), colour ? 0x00FF00u : 0xFFFFFFu) << kind;
    EXPECT_EQ(SourcePixel(4, 3), colour ? 0x0000FFu : 0u) << kind;
  }
  ASSERT_TRUE(Load(L"after.bmp", bmp));
  EXPECT_EQ(SourcePixel(4, 3), 0x123456u);
}

// Plug-in rows are drawn where the plug-in left them: scaled and turned they
// must give what the same picture gives from a bitmap of the loader's own,
// and they must outlive the plug-in that made them.
TEST_F(PluginHostTest, PluginRowsAreShownLikeTheSamePictureFromABitmap) {
  LoadStandardPlugins();
  constexpr int kWidth = 37, kHeight = 23;
  const auto colour = [](int x, int y, void* = nullptr) {
    return static_cast<std::uint32_t>(x * 7) << 16 | static_cast<std::uint32_t>(y * 11) << 8 |
           static_cast<std::uint32_t>((x ^ y) * 3);
  };
  ASSERT_TRUE(Load(L"odd.ppm", tvtest::MakeNetpbm('6', kWidth, kHeight, colour)));
  ASSERT_EQ(loader.sourceBitmap(), nullptr) << "24-bit rows are expected to stay the plug-in's";
  LoadedImage internal;
  ImageEntry bmp = Entry(L"odd.bmp", tvtest::EncodeWithGdiplus(
                                         kWidth, kHeight, [&](int x, int y) { return 0xFF000000u | colour(x, y); },
                                         L"image/bmp"));
  ASSERT_TRUE(internal.LoadFile(bmp));
  loader.UnloadPlugins();
  for (const auto& [tw, th] : {std::pair{kWidth, kHeight}, std::pair{19, 12}}) {
    for (int rotation = 0; rotation < 4; ++rotation) {
      for (LoadedImage* each : {&loader, &internal}) {
        each->SetRotation(rotation);
        each->SetTargetSize(tw, th);
        ASSERT_TRUE(each->Transform()) << rotation;
      }
      ::GdiFlush();
      ASSERT_EQ(loader.outputWidth(), internal.outputWidth());
      ASSERT_EQ(loader.outputHeight(), internal.outputHeight());
      int differing = 0;
      for (int y = 0; y < loader.outputHeight(); ++y)
        for (int x = 0; x < loader.outputWidth(); ++x) {
          const auto at = [&](const LoadedImage& image) {
            const auto* pixels = static_cast<const std::uint32_t*>(image.scaledPixels());
            return pixels[static_cast<std::size_t>(y) * image.scaledAllocatedWidth() + x] & 0xFFFFFF;
          };
          differing += at(loader) != at(internal);
        }
      EXPECT_EQ(differing, 0) << tw << "x" << th << " rotation " << rotation;
    }
  }
  EXPECT_EQ(SourcePixel(36, 22), colour(36, 22));
}

TEST_F(PluginHostTest, TarArchivesListAndShowTheirMembers) {
  LoadStandardPlugins();
  std::vector<tvtest::TarItem> items = {
      {"sub/a.ppm", tvtest::MakeNetpbm('6', 3, 2, Stripes), 1000000000},
      {"sub/", "", 0, '5'},
      {"b.ppm", tvtest::MakeNetpbm('5', 7, 1, Stripes), static_cast<std::uint32_t>(-5)},
  };
  ImageEntry archive = Entry(L"pictures.tar", tvtest::MakeTar(items));
  ASSERT_TRUE(loader.LoadFile(archive));
  EXPECT_EQ(loader.ContentFlags(), kContentArchive);
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::Plugin);
  EXPECT_FALSE(loader.pictureLoaded());
  ImageList members;
  ASSERT_TRUE(loader.ListArchive(members));
  ASSERT_EQ(members.size(), 2u);
  EXPECT_EQ(members[0].path, L"sub\\a.ppm");
  EXPECT_EQ(members[0].time, 1000000000);
  EXPECT_EQ(members[0].size, static_cast<std::int32_t>(items[0].data.size()));
  EXPECT_EQ(members[0].rotation, -1);
  EXPECT_EQ(members[1].path, L"b.ppm");
  for (int round = 0; round < 2; ++round) {
    for (ImageEntry member : members) {
      ASSERT_TRUE(loader.LoadArchiveMember(member)) << round;
      EXPECT_EQ(loader.ContentFlags(), kContentArchive | kContentMember | kContentPlugin);
      EXPECT_EQ(loader.memberEntry().path, member.path);
    }
  }
  EXPECT_EQ(loader.width(), 7);
  EXPECT_EQ(loader.memberEntry().time, -5);  // the 32-bit time, sign-extended
  ImageEntry missing;
  missing.path = L"c.ppm";
  EXPECT_FALSE(loader.LoadArchiveMember(missing));
  EXPECT_EQ(loader.width(), 7);
}

TEST_F(PluginHostTest, InternalLoaderMaskDecidesWhoGoesFirst) {
  LoadStandardPlugins();
  const std::string png = tvtest::EncodeWithGdiplus(8, 6, [](int, int) { return 0xFF00FF00u; }, L"image/png");
  // The test image plug-in takes any ".anything" file; GDI+ knows the PNG.
  loader.SetInternalLoaderMask(L"*.anything;");
  ASSERT_TRUE(Load(L"x.anything", png));
  EXPECT_EQ(loader.ContentFlags(), kContentGdiplus);
  EXPECT_EQ(loader.width(), 8);
  loader.SetInternalLoaderMask(L"*.png;");
  ASSERT_TRUE(Load(L"x.anything", png));
  EXPECT_EQ(loader.ContentFlags(), kContentPlugin);
  EXPECT_EQ(loader.width(), 4);
  EXPECT_EQ(std::wstring(loader.loaderName()).rfind(L"Test plug-in 00IN", 0), 0u);
}

TEST_F(PluginHostTest, PluginsGetTheTailFromTheLastDot) {
  LoadStandardPlugins();
  using LastExtension = const char* (*)();
  LastExtension last = nullptr;
  FARPROC address = nullptr;
  for (const auto& plugin : loader.Plugins().Plugins())
    if (std::string(plugin->description).rfind("Test plug-in 00IN", 0) == 0)
      address = ::GetProcAddress(plugin->module.get(), "TestLastExtension");
  ASSERT_NE(address, nullptr);
  std::memcpy(&last, &address, sizeof last);
  folder.MakeFolder(L"my.pics");
  const struct {
    const wchar_t* name;
    std::string tail;
  } cases[] = {{L"photo.jpeg", ".jpeg"}, {L"noextension", ""}, {L"my.pics\\file", ".pics\\file"}, {L"a.tar.gz", ".gz"}};
  for (const auto& c : cases) {
    EXPECT_FALSE(Load(c.name, "nothing anyone decodes"));
    EXPECT_EQ(last(), c.tail) << c.tail;
  }
}

TEST_F(PluginHostTest, RecognitionAlwaysGetsTwoKilobytesToRead) {
  LoadStandardPlugins();
  // Data that ends right before an inaccessible page: a plug-in reading the
  // 2 KiB it is entitled to would fault without the host's padded copy.
  SYSTEM_INFO system{};
  ::GetSystemInfo(&system);
  auto* pages = static_cast<std::uint8_t*>(
      ::VirtualAlloc(nullptr, 2 * system.dwPageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  ASSERT_NE(pages, nullptr);
  DWORD old = 0;
  ASSERT_TRUE(::VirtualProtect(pages + system.dwPageSize, system.dwPageSize, PAGE_NOACCESS, &old));
  std::uint8_t* data = pages + system.dwPageSize - 16;
  std::memset(data, 'x', 16);
  PluginHost host;
  host.LoadPlugins({BesideTestProgram(L"test-plugins")});
  EXPECT_NE(host.FindPlugin(L"short.anything", data, 16, false), nullptr);
  ::VirtualFree(pages, 0, MEM_RELEASE);
}

TEST_F(PluginHostTest, ArchivePluginsAreNotAskedWhileAnArchiveIsOpen) {
  PluginHost host;
  host.LoadPlugins({PluginFolder(L"spi", {{Built(L"test-plugins", L"test_archive.spi"), L"1.spi"},
                                          {Built(L"test-plugins", L"test_image.spi"), L"2.spi"}})});
  const std::string bytes(64, 'x');
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const PluginRecord* closed = host.FindPlugin(L"a.rawarc", data, bytes.size(), false);
  ASSERT_NE(closed, nullptr);
  EXPECT_EQ(closed->Kind(), PluginKind::Archive);
  EXPECT_EQ(host.FindPlugin(L"a.rawarc", data, bytes.size(), true), nullptr);
  EXPECT_EQ(host.Chosen(), nullptr);
}

TEST_F(PluginHostTest, CrashingPluginsFailOnlyTheirOwnCall) {
  loader.LoadPlugins({PluginFolder(L"first", {{Built(L"test-plugins", L"test_image.spi"), L"image.spi"},
                                              {Built(L"test-plugins", L"test_archive.spi"), L"archive.spi"}}),
                      PluginFolder(L"second", {{Built(L"plugins", L"ppm.spi"), L"ppm.spi"}})});
  ASSERT_EQ(loader.Plugins().Plugins().size(), 3u);
  // IsSupported faults: the next plug-in is asked and decodes the picture.
  ASSERT_TRUE(Load(L"a.crashsupported", tvtest::MakeNetpbm('6', 3, 2, Stripes)));
  EXPECT_EQ(loader.loaderName(), L"netpbm PPM/PGM reader");
  // GetPicture faults: that load fails, the picture on display stays.
  EXPECT_FALSE(Load(L"b.crashpicture", "any bytes at all"));
  EXPECT_EQ(loader.ContentFlags(), kContentPlugin);
  EXPECT_EQ(loader.width(), 3);
  EXPECT_EQ(SourcePixel(0, 0), 0xFF0000u);
  // GetArchiveInfo faults: no archive opens.
  EXPECT_FALSE(Load(L"c.crasharchive", "any bytes at all"));
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::None);
  // And everything still works afterwards.
  ASSERT_TRUE(Load(L"d.ppm", tvtest::MakeNetpbm('6', 6, 2, Stripes)));
  EXPECT_EQ(loader.width(), 6);
}

TEST_F(PluginHostTest, FailedPluginDecodeKeepsTheShownPicturesExifTexts) {
  LoadStandardPlugins();
  tvtest::ExifFields shown, other;
  shown.make = "Shown";
  other.make = "Other";
  const std::string jpeg = tvtest::EncodeWithGdiplus(4, 4, [](int, int) { return 0xFF808080u; }, L"image/jpeg");
  ASSERT_TRUE(Load(L"shown.jpg", tvtest::InsertJpegSegment(jpeg, tvtest::MakeExifSegment(shown), true)));
  ASSERT_EQ(loader.exif().maker, L"Shown");
  EXPECT_FALSE(Load(L"b.crashpicture", "\xFF\xD8" + tvtest::MakeExifSegment(other)));
  EXPECT_EQ(loader.exif().maker, L"Shown");
}

TEST_F(PluginHostTest, InconsistentPictureBlocksFailTheLoadAndKeepThePicture) {
  LoadStandardPlugins();
  ASSERT_TRUE(Load(L"shown.ppm", tvtest::MakeNetpbm('6', 3, 2, Stripes)));
  const std::string rows24(16, '\x7f');  // 2 rows of 2 pixels, 8 bytes a row
  // Each way a header can disagree with its blocks is refused in the format's
  // own test; here the host must refuse one and keep the picture.
  const struct {
    const char* what;
    std::string file;
  } refused[] = {
      {"null header handle", Raw(InfoHeader(24), rows24, true, false)},
      {"null bits handle", Raw(InfoHeader(24), rows24, false, true)},
      {"top-down bits one byte short", Raw(InfoHeader(24, -2), rows24.substr(1))},
  };
  for (const auto& c : refused) {
    EXPECT_FALSE(Load(L"bad.raw", c.file)) << c.what;
    EXPECT_EQ(loader.ContentFlags(), kContentPlugin) << c.what;
    EXPECT_EQ(loader.width(), 3) << c.what;
    EXPECT_EQ(SourcePixel(0, 0), 0xFF0000u) << c.what;
  }
  // The same blocks made consistent load, top-down ones the right way up.
  std::string topDown = std::string(8, '\0') + std::string("\xff\xff\xff\xff\xff\xff\0\0", 8);
  ASSERT_TRUE(Load(L"good.raw", Raw(InfoHeader(24, -2), topDown)));
  EXPECT_EQ(loader.height(), 2);
  EXPECT_EQ(SourcePixel(0, 0), 0u);
  EXPECT_EQ(SourcePixel(1, 1), 0xFFFFFFu);
}

TEST_F(PluginHostTest, ArchiveListingsAndMembersAreReadWithinTheirBlocks) {
  LoadStandardPlugins();
  const std::string picture = tvtest::MakeNetpbm('6', 3, 2, Stripes);
  // Two records and no terminator; names that fill their fields.
  std::string archive = "RAWA";
  const auto record = [&](std::uint32_t position, std::int32_t size, const std::string& path, const std::string& name) {
    std::string r(428, '\0');
    r.replace(0, 3, "raw");
    std::string numbers;
    tvtest::PutU32(numbers, position);
    tvtest::PutU32(numbers, 0);
    tvtest::PutU32(numbers, static_cast<std::uint32_t>(size));
    tvtest::PutU32(numbers, 7);
    r.replace(8, 16, numbers);
    r.replace(24, path.size(), path);
    r.replace(224, name.size(), name);
    return r;
  };
  const std::uint32_t info = 2 * 428 + 100;  // the third record is cut: the walk must stop before it
  const std::uint32_t data = 8 + info;
  tvtest::PutU32(archive, info);
  const std::string longPath(200, 'p');
  archive += record(data, static_cast<std::int32_t>(picture.size()) + 100, "", "short.ppm");
  archive += record(data + 4 + static_cast<std::uint32_t>(picture.size()), 10, longPath, "crash.ppm");
  archive += record(data, static_cast<std::int32_t>(picture.size()), "", "third.ppm");
  archive.resize(data);
  tvtest::PutU32(archive, static_cast<std::uint32_t>(picture.size()));
  archive += picture;
  tvtest::PutU32(archive, 0xFFFFFFFFu);  // GetFile faults on this one

  ImageEntry entry = Entry(L"a.rawarc", archive);
  ASSERT_TRUE(loader.LoadFile(entry));
  ImageList members;
  ASSERT_TRUE(loader.ListArchive(members));
  ASSERT_EQ(members.size(), 2u);
  EXPECT_EQ(members[1].path, std::wstring(200, L'p') + L"crash.ppm");
  // The block holds less than the record promises: only the block is read.
  ImageEntry shortMember = members[0];
  ASSERT_TRUE(loader.LoadArchiveMember(shortMember));
  EXPECT_EQ(loader.width(), 3);
  // GetFile faults: only that member fails; the archive stays open.
  ImageEntry crash = members[1];
  EXPECT_FALSE(loader.LoadArchiveMember(crash));
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::Plugin);
  EXPECT_TRUE(loader.LoadArchiveMember(shortMember));
}

TEST_F(PluginHostTest, ProgressCanAbortASlowDecode) {
  LoadStandardPlugins();
  ASSERT_TRUE(Load(L"shown.ppm", tvtest::MakeNetpbm('6', 3, 2, Stripes)));
  abortAfter = 5;
  progressCalls = 0;
  EXPECT_FALSE(Load(L"a.slow", "slow picture bytes"));
  EXPECT_EQ(progressCalls, 5);
  EXPECT_EQ(loader.width(), 3);
  EXPECT_EQ(SourcePixel(0, 0), 0xFF0000u);
  // A plug-in that never reports progress decodes all the same.
  progressCalls = 0;
  ASSERT_TRUE(Load(L"a.quiet", "quiet picture bytes"));
  EXPECT_EQ(progressCalls, 0);
  EXPECT_EQ(loader.width(), 4);
}

TEST_F(PluginHostTest, UnloadingForgetsEveryPluginInUse) {
  LoadStandardPlugins();
  ImageEntry archive = Entry(L"pictures.tar", tvtest::MakeTar({{"a.ppm", tvtest::MakeNetpbm('6', 3, 2, Stripes)}}));
  ASSERT_TRUE(loader.LoadFile(archive));
  ImageList members;
  ASSERT_TRUE(loader.ListArchive(members));
  ASSERT_TRUE(loader.LoadArchiveMember(members[0]));
  ASSERT_NE(loader.Plugins().Shown(), nullptr);
  ASSERT_NE(loader.Plugins().Archive(), nullptr);
  loader.UnloadPlugins();
  EXPECT_EQ(loader.Plugins().Shown(), nullptr);
  EXPECT_EQ(loader.Plugins().Archive(), nullptr);
  EXPECT_EQ(loader.Plugins().Chosen(), nullptr);
  // The open archive's member cannot be extracted any more, the shown
  // picture has no dialog to open, and the picture itself stays.
  EXPECT_FALSE(loader.LoadArchiveMember(members[0]));
  EXPECT_FALSE(loader.OpenPluginDialog(nullptr));
  EXPECT_EQ(SourcePixel(0, 0), 0xFF0000u);
}

TEST_F(PluginHostTest, ConfigurationDialogOnlyForPluginPictures) {
  LoadStandardPlugins();
  const HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(Load(L"a.bmp", tvtest::EncodeWithGdiplus(4, 4, [](int, int) { return 0xFF0000FFu; }, L"image/bmp")));
  EXPECT_FALSE(loader.OpenPluginDialog(window));
  EXPECT_EQ(::GetPropW(window, L"TestPluginDialog"), nullptr);
  ASSERT_TRUE(Load(L"a.quiet", "quiet picture bytes"));
  EXPECT_TRUE(loader.OpenPluginDialog(window));
  EXPECT_NE(::RemovePropW(window, L"TestPluginDialog"), nullptr);
  ::DestroyWindow(window);
}
