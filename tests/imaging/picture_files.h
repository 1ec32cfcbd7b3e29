#pragma once
// Real picture files written by the encoders a user's programs would use:
// GDI+ for BMP, JPEG, PNG, GIF and TIFF, libwebp for WebP.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tvtest {

using PixelFunction = std::function<std::uint32_t(int x, int y)>;  // 0xAARRGGBB

// `mime` is "image/bmp", "image/jpeg", "image/png", "image/gif" or
// "image/tiff". Empty on failure. GDI+ must be started.
std::string EncodeWithGdiplus(int width, int height, const PixelFunction& pixel, const wchar_t* mime);
std::string EncodeWebpLossy(int width, int height, const PixelFunction& pixel, float quality = 90);
std::string EncodeWebpLossless(int width, int height, const PixelFunction& pixel);

struct WebpFrame {
  PixelFunction pixel;
  int durationMs = 100;
};
// Canvas-sized lossless frames in an animation container.
std::string MakeAnimatedWebp(int width, int height, const std::vector<WebpFrame>& frames, std::uint16_t loops);

// Red top-left, green top-right, blue bottom-left, white bottom-right.
std::uint32_t Quadrants(int x, int y, int width, int height);

// Animations whose frame i is all kFrameColours[i % 4] (0xRRGGBB: red, green,
// blue, yellow). A GIF frame without a delay of its own takes the last one
// given, or 10 hundredths.
inline constexpr std::uint32_t kFrameColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
std::string SolidFramesGif(int frames, int side, const std::vector<std::uint16_t>& delays, std::uint16_t loops);
std::string SolidFramesWebp(int frames, int side, int durationMs, std::uint16_t loops);

}  // namespace tvtest
