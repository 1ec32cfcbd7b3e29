#pragma once
// Decodes the picture the user will most likely ask for next while the one on
// display is being looked at: one worker thread at a time, with a private
// loader of its own, so that the step onto that picture only swaps it in.
// Window-free: the window thread hands over what decides the pixels and a
// function that sizes the picture as the view will.
//
// At most one picture is held or being made. Every wait for the worker is
// bounded; a worker that overruns the bound is left to finish alone and its
// result thrown away, so the window thread never hangs on a decoder.
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "filelist/image_entry.h"
#include "imaging/loaded_image.h"

namespace tv {

// A file's size and last-write time: equal stamps taken before a decode and
// at its use say the bytes were not rewritten in between.
struct FileStamp {
  bool found = false;
  std::uint64_t size = 0;
  std::uint64_t writeTime = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
FileStamp StampOfFile(const std::wstring& path);

// Everything besides the file's bytes that decides a prepared picture's
// pixels; a different key at the step means a different picture.
struct PrepareKey {
  std::wstring path;         // the file, or the member's name
  std::wstring archivePath;  // the stored ZIP holding the member; empty for a file
  int entryRotation = -1;    // the list entry's remembered rotation
  bool fixedRotation = false;
  int rotation = -1;         // the rotation a fixed rotation keeps; -1 when not fixed
  std::uint32_t fillColor = 0;
  std::wstring internalLoaderMask;
  friend bool operator==(const PrepareKey&, const PrepareKey&) = default;
};

// Sizes a decoded picture as the view will: the unrotated size and rotation
// in, the unrotated target size out. Runs on the worker thread, so it may use
// only what it owns.
using TargetSizer = std::function<void(int width, int height, int rotation, int& targetWidth, int& targetHeight)>;

// Picks, from the members of an archive as it lists them, the one the window
// will show on opening it: it may drop the members the list would not hold
// and answers the index of the one chosen, or -1. Runs on the worker thread.
using MemberChooser = std::function<int(ImageList& members)>;

struct PreparedPicture {
  std::unique_ptr<LoadedImage> image;  // decoded and transformed
  ImageEntry entry;                    // as the decode left it (rotation, member size and time)
};

class PicturePreparer {
 public:
  enum class State { Empty, Working, Ready, Failed };
  static constexpr std::chrono::milliseconds kWaitLimit{5000};

  PicturePreparer() = default;
  ~PicturePreparer() { Drop(); }
  PicturePreparer(const PicturePreparer&) = delete;
  PicturePreparer& operator=(const PicturePreparer&) = delete;

  // Drops what is held, then starts a worker on `entry`. False when no
  // thread could be had. When `entry` turns out to be a stored ZIP and a
  // chooser is given, the member it chooses is prepared instead, for the
  // step that opens the archive: that step asks for the archive's key and
  // gets nothing, but the job stays for the member's key that follows.
  bool Start(const PrepareKey& key, const ImageEntry& entry, TargetSizer sizer, MemberChooser chooser = {});
  // Cancels and ends the worker and frees the prepared picture.
  void Drop();
  // When what is held or being made is for `key`: waits at most `limit` for
  // it and hands it over if it was made and its file is unchanged since.
  // Whatever is not handed over is dropped.
  std::optional<PreparedPicture> Take(const PrepareKey& key, std::chrono::milliseconds limit);

  State state() const;
  // Of the picture held or being made; null when there is none.
  const PrepareKey* key() const;
  int started() const { return started_; }

 private:
  struct Job;
  static void Run(const std::shared_ptr<Job>& job) noexcept;
  static bool Prepare(Job& job);
  static bool PrepareChosenMember(Job& job, LoadedImage& image, ImageEntry& entry);
  // True when the job can answer `key`: made for it, or for the archive
  // whose member `key` names.
  bool Answers(const PrepareKey& key) const;
  // Waits at most `limit` for the worker; on time the thread is joined,
  // otherwise cancelled and left to end alone. True when it ended in time.
  bool Finish(std::chrono::milliseconds limit);

  std::shared_ptr<Job> job_;
  int started_ = 0;
};

}  // namespace tv
