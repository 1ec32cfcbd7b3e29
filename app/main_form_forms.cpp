// The modal forms as the commands use them: each runs inside the modal
// bracket, and a cancelled form changes nothing.
#include <windows.h>

#include "app/main_form.h"
#include "app/settings_sync.h"
#include "menus/localized_string.h"
#include "menus/message_ids.h"

namespace tv {
namespace {

// The folder scan as the progress form sees it.
class ScanProgress final : public ProgressWork {
 public:
  explicit ScanProgress(FolderScanJob& job) : job_(job) {}
  bool Start() override { return job_.Start(); }
  bool HasEnded() const override { return job_.HasEnded(); }
  void Finish() override { job_.Finish(); }
  void RequestStop() override { job_.RequestStop(); }
  std::wstring StatusText() const override {
    std::wstring text = job_.CurrentFile();
    return text.empty() ? job_.StartFolder() : text;
  }

 private:
  FolderScanJob& job_;
};

}  // namespace

std::optional<std::wstring> MainForm::AskText(const std::wstring& title, const std::wstring& prompt,
                                              const std::wstring& text) {
  BeginModal();
  std::optional<std::wstring> answer = inputForm_.Ask(instance_, window_, title, prompt, text);
  EndModal();
  return answer;
}

void MainForm::EditFileMask() {
  const auto mask = AskText(LocalizedString(IDS_FILE_MASK_TITLE), LocalizedString(IDS_FILE_MASK_PROMPT),
                            settings_.FileMaskString);
  if (!mask) return;
  settings_.FileMaskString = *mask;
  listSettings_ = ListSettingsFrom(settings_);
}

void MainForm::EditInternalLoaderMask() {
  const auto mask = AskText(LocalizedString(IDS_FILE_MASK_SETTING_TITLE),
                            LocalizedString(IDS_INTERNAL_LOADER_MASK_PROMPT), image_.InternalLoaderMask());
  if (!mask) return;
  settings_.InternalLoader = *mask;
  image_.SetInternalLoaderMask(*mask);
}

void MainForm::SetWindowSizeByForm() {
  const SizeFormTexts texts{LocalizedString(IDS_WINDOW_SIZE_TITLE), LocalizedString(IDS_WIDTH_LABEL),
                            LocalizedString(IDS_HEIGHT_LABEL)};
  const PixelBox& picture = view_.PictureRect();
  BeginModal();
  const std::optional<FormSize> size = sizeForm_.Ask(instance_, window_, texts, {picture.width, picture.height});
  EndModal();
  if (!size) return;
  view_.SetWindowSize(size->width, size->height);
  MenuMarksChanged();  // fit-to-screen and whole-screen may have gone off
}

bool MainForm::EditJpegSetting() {
  const JpegQualityChoice start{settings_.JpegCompressRatio0,
                                {settings_.JpegCompressRatio1, settings_.JpegCompressRatio2,
                                 settings_.JpegCompressRatio3}};
  BeginModal();
  const std::optional<JpegQualityChoice> choice = jpegSettingForm_.Ask(
      instance_, window_, LocalizedString(IDS_JPEG_SETTING_TITLE), LocalizedString(IDS_JPEG_QUALITY_LABEL), start);
  EndModal();
  if (!choice) return false;
  settings_.JpegCompressRatio0 = choice->quality;
  settings_.JpegCompressRatio1 = choice->presets[0];
  settings_.JpegCompressRatio2 = choice->presets[1];
  settings_.JpegCompressRatio3 = choice->presets[2];
  return true;
}

bool MainForm::RunProgressForm(FolderScanJob& job) {
  ScanProgress progress(job);
  return progressForm_.Run(instance_, window_, progress);
}

}  // namespace tv
