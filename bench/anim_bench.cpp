// What playing a large animation costs: CPU time per second of playback for
// a 100-frame 1920 x 1080 WebP, with every frame pre-rendered and decoded
// frame by frame, each step fitted into a 960 x 540 display bitmap.
#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

#include "bench/bench.h"
#include "imaging/gdiplus_owners.h"
#include "imaging/loaded_image.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kFrames = 100, kWidth = 1920, kHeight = 1080, kDelayMs = 40;
constexpr double kPlaySeconds = 3.0;

double ThreadCpuSeconds() {
  FILETIME created{}, exited{}, kernel{}, user{};
  ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
  const auto value = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
  };
  return value(kernel) + value(user);
}

std::string MakeAnimation() {
  std::vector<tvtest::WebpFrame> frames;
  for (int i = 0; i < kFrames; ++i) {
    // A band that moves across a two-tone background: every frame differs.
    const int band = i * (kWidth / kFrames);
    frames.push_back({[band](int x, int y) {
                        if (x >= band && x < band + 64) return 0xFFFFFFFFu;
                        return y < kHeight / 2 ? 0xFF2050A0u : 0xFFA05020u;
                      },
                      kDelayMs});
  }
  return tvtest::MakeAnimatedWebp(kWidth, kHeight, frames, 0);
}

// Plays for kPlaySeconds, stepping whenever a frame is due, and returns CPU
// milliseconds per second of playback.
double Play(tv::LoadedImage& loader) {
  const double cpuStart = ThreadCpuSeconds();
  tvbench::Stopwatch wall;
  while (wall.Seconds() < kPlaySeconds) {
    const std::int64_t left = loader.AnimationTimeLeft(tv::AnimationNow());
    if (left < 0) break;
    if (left > 0) {
      ::Sleep(static_cast<DWORD>(left));
      continue;
    }
    loader.StepAnimation(tv::AnimationNow());
  }
  return (ThreadCpuSeconds() - cpuStart) * 1000 / wall.Seconds();
}

TV_BENCH(animation_playback) {
  tv::GdiplusSession gdiplus;
  tvtest::TempFolder folder;
  const std::string webp = MakeAnimation();
  if (webp.empty()) return;
  tv::ImageEntry entry;
  entry.path = folder.WriteBytes(L"big.webp", webp);
  ::timeBeginPeriod(1);
  for (const bool preRender : {true, false}) {
    tv::LoadedImage loader;
    loader.SetPreRenderLimit(preRender ? ~0ull : 0);
    if (!loader.LoadFile(entry) || loader.framesPreRendered() != preRender) continue;
    loader.SetTargetSize(kWidth / 2, kHeight / 2);
    loader.Transform();
    const double cpu = Play(loader);
    if (preRender) {
      tvbench::Report("anim_cpu_ms_per_s_prerendered", cpu, "ms/s");
      tvbench::Report("anim_prerender_bytes", static_cast<double>(loader.preRenderedBytes()), "bytes");
    } else {
      tvbench::Report("anim_cpu_ms_per_s_framewise", cpu, "ms/s");
    }
  }
  ::timeEndPeriod(1);
}

}  // namespace
