// Taking over a still picture that another loader decoded ahead of time.
#include <utility>

#include "imaging/loaded_image.h"

namespace tv {

void LoadedImage::AdoptStillPicture(LoadedImage& prepared, const ImageEntry* member) {
  using std::swap;
  swap(exif_, prepared.exif_);
  currentEntry_ = prepared.currentEntry_;
  swap(gdiplus_, prepared.gdiplus_);
  swap(webp_, prepared.webp_);
  currentFrame_ = 0;
  // The display bitmaps trade places too: the one here goes with the
  // prepared loader when it is dropped.
  swap(scaledBitmap_, prepared.scaledBitmap_);
  swap(scaledPixels_, prepared.scaledPixels_);
  swap(scaledAllocatedWidth_, prepared.scaledAllocatedWidth_);
  swap(scaledAllocatedHeight_, prepared.scaledAllocatedHeight_);
  swap(intermediateBitmap_, prepared.intermediateBitmap_);
  swap(intermediatePixels_, prepared.intermediatePixels_);
  swap(intermediateWidth_, prepared.intermediateWidth_);
  swap(intermediateHeight_, prepared.intermediateHeight_);
  transformNeeded_ = prepared.transformNeeded_;

  sourceKind_ = SourceKind::Image;
  detectedDecoder_ = shownDecoder_ = prepared.detectedDecoder_;
  animationKind_ = 0;
  animatedGif_ = false;
  loopCount_ = frameCount_ = 0;
  frameDelays_.clear();
  animating_ = false;
  canvasWidth_ = prepared.canvasWidth_;
  canvasHeight_ = prepared.canvasHeight_;
  webpAnimated_ = false;

  pictureLoaded_ = prepared.pictureLoaded_;
  width_ = prepared.width_;
  height_ = prepared.height_;
  rotatedWidth_ = prepared.rotatedWidth_;
  rotatedHeight_ = prepared.rotatedHeight_;
  targetWidth_ = prepared.targetWidth_;
  targetHeight_ = prepared.targetHeight_;
  outputWidth_ = prepared.outputWidth_;
  outputHeight_ = prepared.outputHeight_;
  rotation_ = prepared.rotation_;
  loaderName_ = prepared.loaderName_;
  constexpr std::uint8_t kStillBits = kContentGdiplus | kContentWebp;
  contentFlags_ = static_cast<std::uint8_t>((contentFlags_ & 0xE0) | (prepared.contentFlags_ & kStillBits));
  if (member) {
    Release(kContentMember);
    contentFlags_ |= kContentMember;
    memberEntry_ = *member;
  }
  plugins_.ResetChosen();
  plugins_.ChosenIsShown();
}

}  // namespace tv
