#include "imaging/loaded_image.h"

#include <algorithm>
#include <new>
#include <optional>

#include "imaging/declared_size.h"
#include "imaging/dib.h"
#include "imaging/foreign_call_guard.h"
#include "imaging/exif.h"
#include "imaging/gif_blocks.h"
#include "imaging/mapped_file.h"
#include "imaging/memory_budget.h"
#include "imaging/sniff.h"
#include "util/codepage.h"
#include "util/destroy_elsewhere.h"
#include "util/wildcard.h"

namespace tv {

namespace {

// Names flagged as UTF-8 by the archive are UTF-8; all others are in the
// system ANSI code page, as the programs that write such archives use it.
std::wstring DecodeZipName(std::string_view raw, bool utf8) {
  return NarrowToWide(raw, utf8 ? CP_UTF8 : CP_ACP);
}

// Holds the picture lock, when there is one, for a change of the picture.
class OptionalLock {
 public:
  explicit OptionalLock(CriticalSection* lock) : lock_(lock) {
    if (lock_) lock_->Enter();
  }
  OptionalLock(const OptionalLock&) = delete;
  OptionalLock& operator=(const OptionalLock&) = delete;
  ~OptionalLock() {
    if (lock_) lock_->Leave();
  }

 private:
  CriticalSection* lock_;
};

void (*mappedReadHook)() = nullptr;

// Our own readers of the file's bytes run guarded like the decoders: a file
// on a share that drops, or on a stick pulled out, raises an in-page error
// on the next page touched, and that must fail only this load. What the
// reader builds inside is not destroyed when that happens (see the guard),
// so results go to objects outside it.
template <typename F>
bool ReadMapped(F&& read) {
  return RunGuarded([&] {
    if (mappedReadHook) mappedReadHook();
    read();
  });
}

// A picture whose declared size cannot be decoded in the memory there is, or
// into one bitmap at all, is refused before any decoder sees it: decoders
// given such a header can work for minutes before they fail.
bool DeclaredSizeFits(DeclaredSize size, std::uint32_t bytesPerPixel, std::uint32_t memoryShare) {
  if (!FitsBitmapLimit(size.width, size.height)) return false;
  if (memoryShare <= 1) return DecodeCanFit(size, bytesPerPixel);
  return DecodeFitsIn(size, bytesPerPixel, AvailableDecodeMemory() / memoryShare);
}

}  // namespace

void SetMappedReadHookForTesting(void (*hook)()) { mappedReadHook = hook; }

LoadedImage::~LoadedImage() { Release(0xFF); }

void LoadedImage::ClearEntries() {
  archiveEntry_ = ImageEntry{};
  memberEntry_ = ImageEntry{};
}

void LoadedImage::Release(std::uint8_t mask) {
  const std::uint8_t held = contentFlags_ & mask;
  if (held & (kContentGdiplus | kContentPlugin | kContentWebp)) {
    ReleaseAnimation();
    gdiplus_.Reset();
    webp_.Reset();
    pluginPicture_ = PluginPicture{};
    currentFrame_ = 0;
    frameDelays_.clear();
    frameCount_ = loopCount_ = 0;
    animationKind_ = 0;
    animating_ = false;
    pictureLoaded_ = false;
  }
  if (held & kContentArchive) {
    // A closed archive must not block detection of the next one.
    ClearEntries();
    archiveKind_ = ArchiveKind::None;
    zipMembers_.clear();
    pluginListing_.clear();
  }
  if (held & kContentMember) {
    memberEntry_ = ImageEntry{};
    retainedMember_.Reset();
  }
  if (mask & kContentClearEntries) ClearEntries();
  if (mask & kContentPictures) {
    width_ = height_ = 0;
    intermediateBitmap_.reset();
    intermediatePixels_ = nullptr;
    intermediateWidth_ = intermediateHeight_ = 0;
  }
  contentFlags_ &= static_cast<std::uint8_t>(~mask);
}

bool LoadedImage::LoadFile(ImageEntry& entry) {
  MappedFile file;
  if (!file.Open(entry.path)) return false;
  plugins_.ResetChosen();
  if (!Detect(entry, file.data(), file.size())) return false;
  OptionalLock lock(pictureLock_);
  loadingFile_ = &file;
  const bool decoded = Decode(entry, file.data(), file.size());
  loadingFile_ = nullptr;
  return decoded;
}

bool LoadedImage::SniffInternal(const ImageEntry& entry, const std::uint8_t* data, std::size_t size) {
  if (!IsGdiplusFormat(data, size)) return false;
  plugins_.ResetChosen();
  currentEntry_ = entry;
  detectedDecoder_ = DecoderKind::Gdiplus;
  sourceKind_ = SourceKind::Image;
  return true;
}

bool LoadedImage::DetectAnimatedGif(const ImageEntry& entry, const std::uint8_t* data, std::size_t size) {
  if (!IsAnimatedGif(data, size)) return false;
  plugins_.ResetChosen();
  currentEntry_ = entry;
  detectedDecoder_ = DecoderKind::Gdiplus;
  sourceKind_ = SourceKind::Image;
  animatedGif_ = true;
  return true;
}

bool LoadedImage::Detect(const ImageEntry& entry, const std::uint8_t* data, std::size_t size) {
  if (!data || size < 10) return false;
  sourceKind_ = SourceKind::None;
  detectedDecoder_ = DecoderKind::Plugin;
  animatedGif_ = false;
  bool detected = false;
  if (!ReadMapped([&] { detected = DetectFormat(entry, data, size); })) {
    sourceKind_ = SourceKind::None;
    return false;
  }
  return detected;
}

bool LoadedImage::DetectFormat(const ImageEntry& entry, const std::uint8_t* data, std::size_t size) {
  try {
    int canvasWidth = 0, canvasHeight = 0;
    bool animated = false;
    if (QueryWebpCanvas(data, size, canvasWidth, canvasHeight, &animated)) {
      if (animated && stillOnly_) return false;
      canvasWidth_ = canvasWidth;
      canvasHeight_ = canvasHeight;
      webpAnimated_ = animated;
      plugins_.ResetChosen();
      currentEntry_ = entry;
      sourceKind_ = SourceKind::Image;
      detectedDecoder_ = DecoderKind::Webp;
      return true;
    }
    if (DetectAnimatedGif(entry, data, size)) return true;
    if (archiveKind_ == ArchiveKind::None) {
      std::vector<ZipMember> scratch;
      if (ParseStoredZip(data, size, scratch, DecodeZipName) > 0) {
        currentEntry_ = entry;
        sourceKind_ = SourceKind::Archive;
        archiveKind_ = ArchiveKind::StoredZip;
        return true;
      }
    }
    if (MatchesMask(entry.path, internalLoaderMask_))
      return SniffInternal(entry, data, size) || FindPlugin(entry, data, size);
    return FindPlugin(entry, data, size) || SniffInternal(entry, data, size);
  } catch (...) {
    return false;
  }
}

bool LoadedImage::Decode(ImageEntry& entry, const std::uint8_t* data, std::size_t size) {
  if (!data) return false;
  pictureLoaded_ = false;
  try {
    if (sourceKind_ == SourceKind::Archive) return DecodeArchive(data, size);
    if (sourceKind_ != SourceKind::Image) return false;
    bool decoded = false;
    switch (detectedDecoder_) {
      case DecoderKind::Gdiplus:
        decoded = DecodeWithGdiplusPath(entry, data, size);
        break;
      case DecoderKind::Webp:
        decoded = DecodeWithWebpPath(entry, data, size);
        break;
      case DecoderKind::Plugin:
        decoded = DecodeWithPluginPath(entry, data, size);
        break;
    }
    return decoded && FinishPictureDecode();
  } catch (...) {
    Release(kContentPictures);
    return false;
  }
}

bool LoadedImage::DecodeArchive(const std::uint8_t* data, std::size_t size) {
  if (archiveKind_ == ArchiveKind::Plugin) {
    std::vector<SusieFileInfo> records;
    if (!plugins_.GetArchiveInfo(data, size, records)) {
      archiveKind_ = ArchiveKind::None;
      return false;
    }
    animationKind_ = 0;
    Release(63);
    archiveKind_ = ArchiveKind::Plugin;
    pluginListing_ = std::move(records);
    plugins_.ChosenIsArchive();
    contentFlags_ = kContentArchive;
    archiveEntry_ = currentEntry_;
    return true;
  }
  if (archiveKind_ != ArchiveKind::StoredZip) return false;
  // Releasing the earlier archive would forget the kind just detected.
  animationKind_ = 0;
  Release(63);
  archiveKind_ = ArchiveKind::StoredZip;
  if (!ReadMapped([&] { ParseStoredZip(data, size, zipMembers_, DecodeZipName); })) {
    zipMembers_.clear();
    archiveKind_ = ArchiveKind::None;
    return false;
  }
  contentFlags_ = kContentArchive;
  archiveEntry_ = currentEntry_;
  return true;
}

int LoadedImage::RotationFor(int entryRotation, int decoderOrientation) const {
  const int chosen = fixedRotation_ ? rotation_ : entryRotation;
  return chosen < 0 ? decoderOrientation : chosen;
}

bool LoadedImage::DecodeWithGdiplusPath(ImageEntry& entry, const std::uint8_t* data, std::size_t size) {
  Release(kContentPictures);
  animationKind_ = animatedGif_ ? 1 : 0;
  std::optional<DeclaredSize> declared;
  if (!ReadMapped([&] {
        declared = ReadDeclaredSize(data, size);
        ParseExifTexts(data, size, exif_);
      }) ||
      (declared && !DeclaredSizeFits(*declared, kGdiplusPeakBytesPerPixel, memoryShare_))) {
    animationKind_ = 0;
    return false;
  }
  if (!DecodeWithGdiplus(data, size, fillColor_, gdiplus_, loadingFile_)) {
    gdiplus_.Reset();
    animationKind_ = 0;
    return false;
  }
  if (stillOnly_ && gdiplus_.frameCount > 1) {
    gdiplus_.Reset();
    animationKind_ = 0;
    return false;
  }
  width_ = gdiplus_.width;
  height_ = gdiplus_.height;
  contentFlags_ = static_cast<std::uint8_t>((contentFlags_ & 0xE0) | kContentGdiplus);
  // Some GDI+ builds expose no Exif properties; the JPEG's own header then
  // tells the orientation.
  int orientation = gdiplus_.exifRotation;
  if (!orientation && !ReadMapped([&] { orientation = ExifOrientationFromJpeg(data, size); })) {
    gdiplus_.Reset();
    animationKind_ = 0;
    return false;
  }
  rotation_ = RotationFor(entry.rotation, orientation);
  entry.rotation = rotation_;
  if (animationKind_ != 0 && gdiplus_.frameCount > 1) SetupGifAnimation(data, size);
  else animationKind_ = 0;
  loaderName_ = kInternalLoaderName;
  return true;
}

bool LoadedImage::DecodeWithWebpPath(ImageEntry& entry, const std::uint8_t* data, std::size_t size) {
  Release(kContentPictures);
  animationKind_ = 0;
  if (!ReadMapped([&] { ParseExifTexts(data, size, exif_); }) ||
      !DeclaredSizeFits({static_cast<std::uint32_t>(canvasWidth_), static_cast<std::uint32_t>(canvasHeight_)},
                        webpAnimated_ ? kWebpAnimationPeakBytesPerPixel : kWebpStillPeakBytesPerPixel,
                        memoryShare_))
    return false;
  if (!DecodeWebp(data, size, canvasWidth_, canvasHeight_, fillColor_, webp_, preRenderLimitBits_)) {
    webp_.Reset();
    return false;
  }
  currentFrame_ = 0;
  if (webp_.animated) StartWebpAnimation();
  width_ = webp_.width;
  height_ = webp_.height;
  contentFlags_ = static_cast<std::uint8_t>((contentFlags_ & 0xE0) | kContentWebp);
  loaderName_ = kInternalLoaderName;
  const int chosen = fixedRotation_ ? rotation_ : entry.rotation;
  rotation_ = chosen < 0 ? 0 : chosen;
  return true;
}

bool LoadedImage::FinishPictureDecode() {
  targetWidth_ = outputWidth_ = width_;
  targetHeight_ = outputHeight_ = height_;
  const bool quarterTurn = rotation_ == 1 || rotation_ == 3;
  rotatedWidth_ = quarterTurn ? height_ : width_;
  rotatedHeight_ = quarterTurn ? width_ : height_;
  shownDecoder_ = detectedDecoder_;
  plugins_.ChosenIsShown();
  pictureLoaded_ = true;
  transformNeeded_ = true;
  intermediateBitmap_.reset();
  intermediatePixels_ = nullptr;
  intermediateWidth_ = intermediateHeight_ = 0;
  animating_ = animationKind_ != 0;
  return true;
}

bool LoadedImage::ListArchive(ImageList& list) const {
  list.clear();
  if (!(contentFlags_ & kContentArchive)) return false;
  if (archiveKind_ == ArchiveKind::Plugin) {
    list.reserve(pluginListing_.size());
    for (const SusieFileInfo& record : pluginListing_) {
      ImageEntry entry;
      entry.path = NarrowToWide(MemberName(record));
      entry.time = record.timestamp;
      entry.size = record.fileSize;
      entry.rotation = -1;
      list.push_back(std::move(entry));
    }
    return true;
  }
  if (archiveKind_ != ArchiveKind::StoredZip) return false;
  list.reserve(zipMembers_.size());
  for (const ZipMember& member : zipMembers_) {
    ImageEntry entry;
    entry.path = member.name;
    entry.time = member.time;
    entry.size = member.size;
    entry.rotation = -1;
    list.push_back(std::move(entry));
  }
  return true;
}

bool LoadedImage::LoadArchiveMember(ImageEntry& entry) {
  if (archiveKind_ == ArchiveKind::Plugin) {
    for (std::size_t i = 0; i < pluginListing_.size(); ++i) {
      if (NarrowToWide(MemberName(pluginListing_[i])) != entry.path) continue;
      if (!LoadPluginArchiveMember(entry, i)) return false;
      memberEntry_ = entry;
      return true;
    }
    return false;
  }
  if (archiveKind_ != ArchiveKind::StoredZip) return false;
  for (std::size_t i = 0; i < zipMembers_.size(); ++i) {
    if (zipMembers_[i].name != entry.path) continue;
    if (!LoadZipMember(entry, i)) return false;
    memberEntry_ = entry;
    return true;
  }
  return false;
}

bool LoadedImage::LoadZipMember(ImageEntry& entry, std::size_t index) {
  MappedFile file;
  if (!file.Open(archiveEntry_.path)) return false;
  plugins_.ResetChosen();
  OptionalLock lock(pictureLock_);
  try {
    // The archive is read afresh: the listing's data pointers belonged to a
    // mapping that is long closed.
    std::vector<ZipMember> scratch;
    if (!ReadMapped([&] { ParseStoredZip(file.data(), file.size(), scratch, DecodeZipName); })) return false;
    const std::wstring& wanted = zipMembers_[index].name;
    for (const ZipMember& member : scratch) {
      if (member.name != wanted) continue;
      if (member.method != 0) return false;
      entry.path = member.name;
      entry.size = member.size;
      entry.time = member.time;
      if (!Detect(entry, member.data, member.size) || !Decode(entry, member.data, member.size)) return false;
      Release(kContentMember);
      contentFlags_ |= kContentMember;
      return true;
    }
  } catch (const std::bad_alloc&) {
  }
  return false;
}

}  // namespace tv

namespace tv {

void LoadedImage::LoadPlugins(const std::vector<std::wstring>& folders) {
  if (plugins_.LoadPlugins(folders)) pictureLoaded_ = false;
}

bool LoadedImage::OpenPluginDialog(HWND owner) {
  if (!(contentFlags_ & kContentPlugin)) return false;
  return plugins_.ShowConfiguration(owner);
}

bool LoadedImage::FindPlugin(const ImageEntry& entry, const std::uint8_t* data, std::size_t size) {
  const PluginRecord* plugin = plugins_.FindPlugin(entry.path, data, size, archiveKind_ != ArchiveKind::None);
  if (!plugin) return false;
  currentEntry_ = entry;
  if (plugin->Kind() == PluginKind::Archive) {
    sourceKind_ = SourceKind::Archive;
    archiveKind_ = ArchiveKind::Plugin;
  } else {
    sourceKind_ = SourceKind::Image;
    detectedDecoder_ = DecoderKind::Plugin;
  }
  return true;
}

// A still picture's bitmap of the same size is written over rather than
// replaced: its pages are in memory already, while the first write into a
// fresh bitmap of tens of megabytes costs more than filling it.
UniqueBitmap* LoadedImage::StillBitmapSlot() {
  if (contentFlags_ & kContentPlugin) return &pluginPicture_.bitmap;
  // Nothing of GDI+ or libwebp reads these any more.
  if ((contentFlags_ & kContentGdiplus) && gifFrames_.empty() && !gdiplus_.image && !gdiplus_.renderTarget)
    return &gdiplus_.sourceBitmap;
  if ((contentFlags_ & kContentWebp) && !webp_.animated && webp_.bitmaps.size() == 1) return &webp_.bitmaps.front();
  return nullptr;
}

UniqueBitmap LoadedImage::TakeOutgoingBitmap(int width, int height, void** pixels) {
  *pixels = nullptr;
  UniqueBitmap* slot = StillBitmapSlot();
  DIBSECTION section{};
  if (!slot || !*slot || ::GetObjectW(slot->get(), sizeof section, &section) != sizeof section) return {};
  // The plug-in's pixels are written as 32-bit rows: an opaque still's
  // 24-bit source of the very same size holds only three quarters of them.
  if (section.dsBm.bmWidth != width || section.dsBm.bmHeight != height || section.dsBm.bmBitsPixel != 32 ||
      !section.dsBm.bmBits)
    return {};
  // GDI may still be drawing from it.
  ::GdiFlush();
  *pixels = section.dsBm.bmBits;
  return std::move(*slot);
}

LoadedImage::OutgoingPixels LoadedImage::TakeOutgoingPixels() {
  OutgoingPixels outgoing;
  if (contentFlags_ & kContentPlugin) outgoing.pluginRows = std::move(pluginPicture_.asIs);
  if (UniqueBitmap* slot = StillBitmapSlot()) outgoing.bitmap = std::move(*slot);
  // GDI may still be drawing from it.
  if (outgoing.bitmap) ::GdiFlush();
  return outgoing;
}

bool LoadedImage::DecodeWithPluginPath(ImageEntry& entry, const std::uint8_t* data, std::size_t size) {
  // The picture on display, Exif texts included, stays until the new one has
  // been checked whole.
  ExifTexts exif;
  int orientation = 0;
  if (!ReadMapped([&] {
        ParseExifTexts(data, size, exif);
        orientation = ExifOrientationFromJpeg(data, size);
      }))
    return false;
  PluginBits bits;
  if (!plugins_.GetPicture(data, size, bits)) return false;
  PluginPicture picture;
  picture.width = bits.width();
  picture.height = bits.height();
  // Rows GDI can read as they are stay in the plug-in's blocks: a copy would
  // cost a pass over the whole picture and a second picture's memory.
  const bool asIs = bits.DrawableAsIs();
  if (!asIs) {
    picture.bitmap = TakeOutgoingBitmap(picture.width, picture.height, &picture.pixels);
    if (!picture.bitmap) picture.bitmap = CreateTopDownDib(picture.width, picture.height, &picture.pixels);
    if (!picture.bitmap) return false;
  }
  const PluginRecord* plugin = plugins_.Chosen();
  DestroyElsewhere(TakeOutgoingPixels());
  Release(kContentPictures);
  animationKind_ = 0;
  if (asIs)
    picture.asIs = std::move(bits);
  else
    bits.CopyInto(picture.pixels);
  pluginPicture_ = std::move(picture);
  width_ = pluginPicture_.width;
  height_ = pluginPicture_.height;
  contentFlags_ = static_cast<std::uint8_t>((contentFlags_ & 0xE0) | kContentPlugin);
  exif_ = std::move(exif);
  rotation_ = RotationFor(entry.rotation, orientation);
  entry.rotation = rotation_;
  loaderName_ = NarrowToWide(FieldText(plugin->description, sizeof plugin->description));
  return true;
}

bool LoadedImage::LoadPluginArchiveMember(ImageEntry& entry, std::size_t index) {
  const SusieFileInfo& record = pluginListing_[index];
  if (record.fileSize <= 0) return false;
  LockedBlock member;
  if (!plugins_.GetFile(archiveEntry_.path, record, member)) return false;
  // A plug-in may hand back less than the listing promised: only what the
  // block really holds is read.
  const std::size_t size = std::min(static_cast<std::size_t>(record.fileSize), member.size());
  entry.path = NarrowToWide(MemberName(record));
  entry.size = record.fileSize;
  entry.time = record.timestamp;
  OptionalLock lock(pictureLock_);
  plugins_.ResetChosen();
  if (!Detect(entry, member.data(), size) || !Decode(entry, member.data(), size)) return false;
  Release(kContentMember);
  contentFlags_ |= kContentMember;
  retainedMember_ = std::move(member);
  return true;
}

}  // namespace tv
