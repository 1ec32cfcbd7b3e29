// Handing the shown picture on: the clipboard, JPEG at full or shown size,
// and PNG. The save dialogs run inside the modal bracket; the file is
// written after it, so a failure message is not shown inside it.
#include <windows.h>

#include "app/main_form.h"
#include "imaging/picture_export.h"
#include "menus/localized_string.h"
#include "menus/message_ids.h"
#include "util/file_dialogs.h"
#include "util/paths.h"

namespace tv {
namespace {

// The shown file's name with the new extension, unused in its folder.
std::wstring ProposedSavePath(const std::wstring& shownPath, const wchar_t* extension) {
  std::wstring name = FileNameOf(shownPath);
  const size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos && dot > 0) name.resize(dot);
  if (name.empty()) name = L"picture";
  const std::wstring folder = FolderOf(shownPath);
  return MakeUniqueName(folder.empty() ? name + extension : folder + L"\\" + name + extension);
}

}  // namespace

void MainForm::CopyImageToClipboardCommand() {
  if (!image_.pictureLoaded()) return;
  PictureExport::CopyToClipboard(image_, pictureLock_);
}

void MainForm::SaveJpegFullSizeCommand() { SaveJpeg(false); }

void MainForm::SaveJpegShowingSizeCommand() { SaveJpeg(true); }

void MainForm::SaveJpeg(bool showingSize) {
  if (!image_.pictureLoaded()) return;
  const std::wstring title = LocalizedString(showingSize ? IDS_SAVE_JPEG_SHOWING_SIZE_TITLE : IDS_SAVE_JPEG_TITLE);
  const auto path = AskSavePath(LocalizedString(IDS_FILTER_JPEG), title, L".jpg");
  if (path) ExportPicture(ExportFormat::Jpeg, showingSize, *path);
}

void MainForm::SavePng() {
  if (!image_.pictureLoaded()) return;
  const auto path = AskSavePath(LocalizedString(IDS_FILTER_PNG), LocalizedString(IDS_SAVE_PNG_TITLE), L".png");
  if (path) ExportPicture(ExportFormat::Png, false, *path);
}

std::optional<std::wstring> MainForm::AskSavePath(const std::wstring& filter, const std::wstring& title,
                                                  const wchar_t* extension) {
  const std::wstring proposed = ProposedSavePath(pathOnDisplay_, extension);
  std::wstring chosen;
  BeginModal();
  const bool ok = SaveFileDialog(window_, filter, title, FolderOf(proposed), FileNameOf(proposed), true, chosen);
  EndModal();
  if (!ok || chosen.empty()) return std::nullopt;
  return chosen;
}

bool MainForm::ExportPicture(ExportFormat format, bool showingSize, const std::wstring& path) {
  if (!image_.pictureLoaded()) return false;
  const PixelBox& shown = view_.PictureRect();
  const bool saved =
      format == ExportFormat::Png
          ? PictureExport::SavePngFile(image_, pictureLock_, path)
          : PictureExport::SaveJpegFile(image_, pictureLock_, shown.width, shown.height,
                                        settings_.JpegCompressRatio0, showingSize, path);
  if (!saved) {
    ShowMessage({0,
                 L"The picture could not be saved to\n" + path +
                     L"\nThe file could not be written: the folder may be missing or read-only, the file "
                     L"read-only or in use, or the disk full.",
                 L"Failed", MessageIcon::Warning});
  }
  return saved;
}

}  // namespace tv
