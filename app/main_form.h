#pragma once
// The viewer window: owns the settings, the file list, the loader, the view
// geometry, the list box and the timers, and glues them together. One per
// process, living from start to exit; every call comes from the window
// thread except painting, which the animation thread may also do under
// PictureLock.
//
// Call order: construct, Startup (creates the window), the message loop,
// then destroy after the window has been destroyed.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/command_table.h"
#include "app/idle_tick.h"
#include "app/instance_identity.h"
#include "app/key_map.h"
#include "app/load_progress.h"
#include "app/timer_record.h"
#include "app/tray_icon.h"
#include "filelist/folder_scanner.h"
#include "filelist/image_file_list.h"
#include "filelist/list_settings.h"
#include "forms/input_form.h"
#include "forms/jpeg_setting_form.h"
#include "forms/list_box_control.h"
#include "forms/progress_form.h"
#include "forms/size_form.h"
#include "imaging/animation_thread.h"
#include "imaging/loaded_image.h"
#include "imaging/picture_preparer.h"
#include "imaging/picture_export.h"
#include "menus/ui_language.h"
#include "settings/list_file.h"
#include "settings/settings_host.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"
#include "util/win_handles.h"
#include "view/mouse_controller.h"
#include "view/picture_painter.h"
#include "view/view_geometry.h"
#include "view/view_host.h"

namespace tv {

// What a caller can change about a window before it starts (the tests run
// windows in their own folders).
struct MainFormOptions {
  std::wstring appDataFolder;     // empty: the user's local application data
  bool readStartKeys = true;      // false: Ctrl/Shift held at start are ignored
  bool showMessageBoxes = true;   // false: messages are only recorded
  std::optional<UiLanguage> uiLanguage;  // unset: the user's UI language
  std::wstring programPath;       // started by Duplicate Window; empty: this program
  // Where shortcuts are proposed and the "Send To" shortcuts live; empty:
  // the user's own folders.
  std::wstring desktopFolder;
  std::wstring sendToFolder;
  // false: a first start without settings writes them without offering shortcuts.
  bool offerFirstStartShortcut = true;
  // false: every picture is decoded when it is stepped to (the benchmarks
  // compare the two).
  bool preparePictures = true;
};

// Results of LoadCurrentEntry.
enum class LoadResult { Shown = 0, ArchiveOpened = 1, CannotShow = 2, ArchiveFailed = 4, Nothing = 5 };

class MainForm final : public FileListHost, public ViewHost, public SettingsHost, private AnimationPacer,
                       private MouseHost, private ScanProgressHost {
 public:
  explicit MainForm(MainFormOptions options = {});
  ~MainForm() override;
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // arguments exclude the program path. False when the window cannot be made.
  bool Startup(HINSTANCE instance, int showCommand, const std::vector<std::wstring>& arguments);

  HWND Window() const { return window_; }
  static const wchar_t* WindowClassName() { return L"TAVERLUNE"; }

  // --- state the tests and the process entry read
  const Settings& CurrentSettings() const { return settings_; }
  const ImageFileList& List() const { return list_; }
  const LoadedImage& Image() const { return image_; }
  const ViewGeometry& View() const { return view_; }
  const std::wstring& PathOnDisplay() const { return pathOnDisplay_; }
  bool ShowingList() const { return settings_.ShowingList; }
  const std::vector<std::wstring>& RecordedMessages() const { return recordedMessages_; }
  bool SlideTimerActive() const { return slideTimer_.Active(); }
  HMENU PopupMenu() const { return popup_; }
  int BusyDepth() const { return busyDepth_; }
  int MenuOpen() const { return menuOpen_; }
  const TrayIcon& Tray() const { return tray_; }
  int TrayColourShown() const { return trayColour_; }
  // The move menu built last and the destination of each of its items.
  HMENU MoveMenu() const { return moveMenu_.get(); }
  const std::vector<std::wstring>& MoveTargets() const { return moveTargets_; }

  // The picture decoded ahead of the next step, and how many steps it served.
  PicturePreparer::State PreparedState() const { return preparer_.state(); }
  int PreparationsStarted() const { return preparer_.started(); }
  int PreparedShown() const { return preparedShown_; }
  // The window's context menu at a screen point; returns once it closed.
  void TrackPopupAt(POINT point);
  bool AnimationThreadRunning() const { return animationThread_.Running(); }
  int AnimationThreadsStarted() const { return animationThread_.StartedCount(); }
  // The current frame and loop of the animation on display, read under the
  // picture lock (the animation thread changes them).
  struct AnimationSnapshot {
    bool animating = false;
    std::uint32_t frame = 0, loopsDone = 0, frameCount = 0;
  };
  AnimationSnapshot AnimationState() const;
  const MouseController& Mouse() const { return mouse_; }
  int MenusOpened() const { return menusOpened_; }
  // The colour of the window pixel under the cursor, as "RRGGBB".
  std::wstring PixelRgbText() const;

  // --- display cycle
  int ShowEntry(int index, int member, int direction, bool redraw);
  bool StepEntries(int count);
  void SetListMode(int mode, int direction);
  bool OpenPaths(std::vector<std::wstring> paths, int offset, int mode);

  // Progress of a slow decode (plug-ins report it): draws the thin bar and
  // answers 1 when the user pressed Esc to abort, else 0.
  int ReportLoadProgress(std::int64_t numerator, std::int64_t denominator);
  // Puts the folder first in PluginPath (unless listed) and reloads the
  // plug-ins; the second half of the plug-in folder command.
  void UsePluginFolder(const std::wstring& folder);

  // --- modal forms (main_form_forms.cpp)
  // The input form inside the modal bracket: the entered text on OK,
  // nothing on Cancel or when the form was closed.
  std::optional<std::wstring> AskText(const std::wstring& title, const std::wstring& prompt, const std::wstring& text);
  // The JPEG quality form inside the modal bracket, started from
  // JpegCompressRatio0..3; OK stores the quality and presets back there.
  // False when cancelled.
  bool EditJpegSetting();
  // --- export (main_form_export_commands.cpp)
  // Writes the shown picture to path as the save commands do once their
  // dialog closed: JPEG at full or showing size with JpegCompressRatio0, or
  // PNG. A failure is told to the user ("Failed") and returns false.
  bool ExportPicture(ExportFormat format, bool showingSize, const std::wstring& path);
  // The folder scan in progress, for watching it while the progress form is up.
  FolderScanJob& ScanJob() { return scanner_.Job(); }

 private:
  // --- modal forms (main_form_forms.cpp)
  void EditFileMask();
  void EditInternalLoaderMask();
  void SetWindowSizeByForm();
  void JpegSettingCommand() { EditJpegSetting(); }
  bool RunProgressForm(FolderScanJob& job) override;

  // export (main_form_export_commands.cpp)
  void CopyImageToClipboardCommand();
  void SaveJpegFullSizeCommand();
  void SaveJpegShowingSizeCommand();
  void SaveJpeg(bool showingSize);
  void SavePng();
  // The save dialog inside the modal bracket, proposing the shown file's
  // name with the extension; nothing when cancelled.
  std::optional<std::wstring> AskSavePath(const std::wstring& filter, const std::wstring& title,
                                          const wchar_t* extension);

  // window procedures and dispatch (main_form_messages.cpp)
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT ListBoxSubclass(void* context, HWND listBox, UINT message, WPARAM wParam, LPARAM lParam,
                                 bool& passOn) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& useDefault);
  LRESULT OnCreate(WPARAM, LPARAM, bool&);
  LRESULT OnDestroy(WPARAM, LPARAM, bool&);
  LRESULT OnActivate(WPARAM, LPARAM, bool&);
  LRESULT OnClose(WPARAM, LPARAM, bool&);
  LRESULT OnQueryOpen(WPARAM, LPARAM, bool&);
  LRESULT OnEraseBackground(WPARAM, LPARAM, bool&);
  LRESULT OnShowWindow(WPARAM, LPARAM, bool&);
  LRESULT OnSize(WPARAM, LPARAM, bool&);
  LRESULT OnKeyDown(WPARAM, LPARAM, bool&);
  LRESULT OnCommand(WPARAM, LPARAM, bool&);
  LRESULT OnTimer(WPARAM, LPARAM, bool&);
  LRESULT OnDoubleClick(WPARAM, LPARAM, bool&);
  LRESULT OnDropFiles(WPARAM, LPARAM, bool&);
  LRESULT OnStepMessage(WPARAM, LPARAM, bool&);
  LRESULT OnSizeMessage(WPARAM, LPARAM, bool&);
  LRESULT OnEndSession(WPARAM, LPARAM, bool&);
  LRESULT OnAppCommand(WPARAM, LPARAM, bool&);

  // keys and commands (main_form_commands.cpp); the commands are found in
  // the command table (command_table.cpp), which names the handlers below
  friend std::span<const CommandRow> CommandRows();
  bool HandleImageKey(unsigned virtualKey);
  bool HandleListKey(unsigned virtualKey);
  void RunKeyAction(const KeyAction& action);
  bool RunCommand(int id);
  CommandFacts CommandFactsNow() const;
  // Check marks and greying, written from the settings by the table's rules.
  void SyncMenuStates();
  template <void (MainForm::*Action)()>
  void RunPlain(const CommandRow& row, int index);
  template <void (ViewGeometry::*Action)()>
  void RunView(const CommandRow& row, int index);
  void OpenFilesCommand();
  void OpenFolderCommand();
  void LoadExistsFolderFilesCommand();
  void CloseArchiveCommand();
  void RefreshCommand();
  void ShowFileListCommand();
  void ShowFileInformationCommand();
  void QuitCommand();
  void SortFileList(const CommandRow& row, int index);
  void ZoomBy(double factor);
  void TurnBy(int quarters);
  void SortCommand(int mode);

  // view commands (main_form_view_commands.cpp)
  void SetShowPosition(const CommandRow& row, int index);
  void SelectRotation(const CommandRow& row, int index);
  void TurnCommand(const CommandRow& row, int index);
  void ToggleFixDiagonalLength(const CommandRow& row, int index);

  // option commands (main_form_option_commands.cpp)
  void ToggleSetting(const CommandRow& row, int index);  // the row's flag
  void ChooseSetting(const CommandRow& row, int index);  // the row's value for the item
  void ToggleAlwaysTop(const CommandRow& row, int index);
  void ToggleSlideShow();
  void SetTransparency(const CommandRow& row, int index);
  void SetBorderWidth(const CommandRow& row, int index);
  void SetSlideShowInterval(const CommandRow& row, int index);
  void ToggleFixRotate(const CommandRow& row, int index);
  void ToggleHideTaskButton(const CommandRow& row, int index);
  // Also makes the file-list font.
  void SetFontSize(const CommandRow& row, int index);
  // Also loads the cursors of the size.
  void SetCursorSize(const CommandRow& row, int index);
  // The colour dialog with the kept custom colours; false when cancelled.
  bool ChooseColour(Argb& colour);
  void ChooseBackgroundColor();
  void ChooseBorderColor();

  // the notification-area icon (main_form_tray.cpp)
  // Adds the icon in the colour of TrayIconColor with the instance's tip, or
  // brings it up to date.
  void ShowTrayIcon();
  void SetTrayIconColor(const CommandRow& row, int index);
  LRESULT OnTrayMessage(WPARAM, LPARAM, bool&);
  LRESULT OnTaskbarCreated(WPARAM, LPARAM, bool&);
  LRESULT OnCopyData(WPARAM, LPARAM, bool&);

  // windows of the same instance (main_form_siblings.cpp)
  // Top-level windows of our class with exactly our title, this one left
  // out, front to back.
  std::vector<HWND> CollectSiblingWindows() const;
  // Windows of this program whose settings file is removedPath, or lies in
  // that folder, stop saving: their file was just removed.
  void TellWindowsSettingsRemoved(const std::wstring& removedPath);
  void StepAllWindows(int count);
  // Every sibling and this window step by the number of windows times sign.
  void StepAllByWindowCount(int sign);
  void LineUpCommand(const CommandRow& row, int index);
  // Starts another process of this program on the entry on display, as the
  // same instance.
  void DuplicateWindow();

  // the popup menu (main_form_popup_menu.cpp)
  std::wstring PixelRgbTextAt(POINT screenPoint) const;
  // While the file list is shown the file commands act on its cursor entry.
  void TakeListCursor();
  void ToggleHide();
  void CopyRgbText();

  // the open history and its sub-menu (main_form_history.cpp)
  bool AddPathsToHistory(const std::vector<std::wstring>& paths);
  void BuildHistoryMenu();
  void ReplaceHistorySubMenu(HMENU fresh);
  void HistoryCommand(const CommandRow& row, int index);
  void ClearHistory();
  bool RenameInHistory(const std::wstring& oldPath, const std::wstring& newPath);
  void AddMovedFolder(const std::wstring& folder);
  // A Yes/No question; false only when the user answered No.
  bool Confirm(unsigned textId);

  // file commands (main_form_file_commands.cpp) and the move menu
  // (main_form_move_menu.cpp)
  struct WorkFile {
    std::wstring path;
    int fileIndex = -1;  // its place in the file list
  };
  // The file rename and move act on: the archive while inside one, the list
  // view's cursor entry while the list is shown, else the entry on display.
  std::optional<WorkFile> FileToWorkOn();
  void CopyFilesCommand();
  void CutFilesCommand();
  void CopyFiles(bool cut);
  void PasteFiles();
  void CopyFilePath();
  void RenameFile();
  void RecycleCommand();
  // op 0 removes entries from the list only, 1 recycles their files after
  // asking, 2 recycles without asking in the list view.
  void DeleteEntries(int op);
  void ShowInFileManager();
  void MoveCommand();
  void BuildMoveMenu();
  void MoveToTargetCommand(const CommandRow& row, int index);
  void MoveToTarget(int index);
  // The new folder's path, or empty when none was made.
  std::wstring CreateFolderForMove(const std::wstring& file);
  bool MoveFileTo(const std::wstring& source, const std::wstring& destination, const std::wstring& folder,
                  bool replace);
  // The list entry, its list-box line, the open history and the names on
  // display follow a file that was renamed or moved.
  void FollowRenamedFile(int fileIndex, const std::wstring& oldPath, const std::wstring& newPath);
  bool AskYesNo(const std::wstring& text, const wchar_t* caption);
  void ReportForbiddenChar(const std::wstring& name, int at, MessageIcon icon);
  void ReportFailure(const std::wstring& what, unsigned long error);

  // file list file, instances, shortcuts and uninstall (main_form_instance_commands.cpp)
  void SaveFilelistCommand();
  void CreateInstanceCommand();
  void DeleteInstanceCommand();
  void UninstallCommand();
  std::wstring DesktopFolderNow() const;
  std::wstring SendToFolderNow() const;
  // The save dialog of the shortcut record, then the shortcut; name is the
  // instance the shortcut starts.
  void OfferInstanceShortcut(const std::wstring& name);
  void OfferSendToShortcut(const std::wstring& name);
  // The ini file of name becomes this window's: title, tray tip and menus follow.
  void BecomeInstance(const std::wstring& name);
  // Tells what was removed, then ends the window without saving.
  void ExitAfterRemoval(unsigned textId, const std::vector<std::wstring>& removed);

  // plug-ins (main_form_plugins.cpp)
  void StartPlugins();
  void SetPluginFolderCommand();
  void OpenPluginDialogCommand();

  // display cycle (main_form_display.cpp)
  int ShowEntryNow(int index, int member, int direction, bool redraw);
  LoadResult LoadCurrentEntry(int member, int direction, bool redraw);
  // index: the member position the caller moved to, which may lie outside
  // the member list; the result is the new ShowIndex of the active list.
  void LeaveArchiveAndStep(int direction, int index);
  void RefillListBox();
  void RecordNamesOfEntryOnDisplay();
  void ClearDisplay();
  void RestartSlideTimer();
  void OnSlideTimer();
  void OnIdleTimer();
  void RefindAfterOpen();
  void SyncViewFromSettingsRotation();
  // the next picture decoded ahead (main_form_prepare.cpp)
  // What decides the pixels of `entry` if it were decoded now; nothing when
  // it is not for the worker to decode.
  std::optional<PrepareKey> PrepareKeyFor(const ImageEntry& entry, bool member) const;
  // Starts decoding the entry one step from the one on display.
  void PrepareNextEntry(int direction);
  // Shows `entry` from the prepared picture when that is it, unchanged.
  bool LoadPreparedEntry(ImageEntry& entry);
  void DropPrepared();
  // Posted when a dialog has closed: the dialog dropped the prepared
  // picture, and the user's next step should still find one.
  static constexpr UINT kPrepareAgainMessage = WM_APP + 1;
  LRESULT OnPrepareAgain(WPARAM, LPARAM, bool&);

  // modal bracket and closing (main_form.cpp)
  void BeginModal() override;
  void EndModal() override;
  bool CloseMustWait() const;
  // A close that arrived while work was running is carried out once it ended.
  void RunDeferredClose();
  void RunClosingSequence();
  bool SaveSettingsNow();
  bool CtrlHeld() const;

  // animation (main_form_animation.cpp)
  void StartAnimationThread();
  void StopAnimationThread();
  // Holders: the modal bracket and the file list; the animation runs when
  // none holds it.
  void PauseAnimation();
  void ResumeAnimation();
  std::int64_t TimeLeftMs() override;
  bool AdvanceFrame() override;
  void AnimationEnded() override;
  // Frame and skip counts of the animation on display, for the stretch choice.
  AnimationProgress AnimationProgressNow() const;
  // Draws the current frame with the scene of the last window-thread paint;
  // the caller holds PictureLock.
  void PaintAnimationFrame();

  // mouse (main_form_mouse.cpp)
  LRESULT OnMouseButton(WPARAM, LPARAM, bool&);
  LRESULT OnMouseMove(WPARAM, LPARAM, bool&);
  LRESULT OnMouseWheel(WPARAM, LPARAM, bool&);
  LRESULT OnMouseLeaveOrHover(WPARAM, LPARAM, bool&);
  LRESULT OnSetCursor(WPARAM, LPARAM, bool&);
  LRESULT OnContextMenu(WPARAM, LPARAM, bool&);
  void LoadCursorSet();
  // MouseHost
  bool Locked() const override;
  bool ListShown() const override;
  bool LoadingList() const override;
  bool ProgressShown() const override;
  int WheelSensitivity() const override;
  int Transparency() const override;
  void SetTransparency(int alpha) override;
  void SetCursorShape(CursorShape shape) override;
  void Capture(bool on) override;
  void StepBy(int count) override;
  void TurnQuarters(int quarters) override;
  int SiblingCount() override;
  void StepSiblings(int count) override;
  void ShowPopupMenu(Point at) override;
  void ShowMoveMenu(Point at) override;
  void CloseWindow() override;
  void ToggleListView() override;
  void ResetRotation() override;
  void MarkTransformNeeded() override;

  // painting (main_form_paint.cpp)
  void PaintPicture(bool paintNow);
  void Redraw();

  // startup pieces
  bool RegisterWindowClass();
  bool CreateMainWindow();
  // Runs the option handlers before `initialized` is set, so that they
  // bring menu, window and timers in line with the loaded settings.
  void SyncMenusAtStartup();
  void ApplyAlpha();

  // FileListHost
  void StopAnimationAndRelease() override;
  bool ListArchiveMembers(const ImageEntry& archive, ImageList& members) override;
  bool LoadMember(const ImageEntry& archive, int memberIndex) override;
  void RecordShownEntry() override;
  void ResetArchiveState() override;
  void ReshowCurrent() override;
  void ShowEmptyList() override;
  void EnableCloseArchive(bool enabled) override;
  bool IsListViewShown() const override;
  void PullSelection() override;
  void RefillListView() override;
  void SelectListItem(int index) override;
  void RemoveListItem(int index) override;
  void SetListRedraw(bool enabled) override;

  // ViewHost
  bool PictureLoaded() const override;
  PixelSize NaturalSize() const override;
  std::int32_t Rotation() const override;
  void SetRotation(std::int32_t rotation) override;
  PixelSize TargetSize() const override;
  void SetTargetSize(PixelSize target) override;
  bool TransformNeeded() const override;
  bool Transform() override;
  void MoveWindow(const Rect& window) override;
  bool PaintInProgress() const override;
  void RepaintNow() override;
  void BringToFront(bool topmost) override;
  void ResetPaintThreshold() override;
  std::int32_t DragMode() const override;
  DragRecord& Drag() override;
  Point CursorPos() const override;
  void EndDrag() override;
  ImageEntry* CurrentEntry() override;
  void MenuMarksChanged() override;

  // SettingsHost
  void ShowMessage(const UserMessage& message) override;
  void OfferFirstStartShortcut() override;
  bool CancelRequested() override;

  void SyncViewFromSettings();
  void SyncSettingsFromView();

  MainFormOptions options_;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  UniqueBrush background_;
  UniqueMenu menu_;
  UniqueFont listFont_;
  HMENU popup_ = nullptr;

  Settings settings_;
  InstanceIdentity identity_;
  std::unique_ptr<SettingsStore> store_;
  std::wstring appDataFolder_;
  ListSettings listSettings_;
  TflListFileReader listFileReader_;
  FolderScanner scanner_{this};
  ImageFileList list_;
  LoadedImage image_;
  ViewGeometry view_;
  ListBoxControl listBox_;
  // The forms live as long as the window object; their dialogs only while shown.
  InputForm inputForm_;
  SizeForm sizeForm_;
  JpegSettingForm jpegSettingForm_;
  ProgressForm progressForm_;
  TimerRecord slideTimer_;
  TimerRecord idleTimer_;
  mutable CriticalSection pictureLock_;
  IdleTicker idle_;
  LoadProgress progress_;

  std::wstring pathOnDisplay_;
  std::vector<std::wstring> moveTargets_;  // command IDM_MOVE_TARGET_FIRST + i moves to moveTargets_[i]
  UniqueMenu moveMenu_;
  WorkFile moveFile_;  // the file the move menu was built for
  Point movePoint_{};  // where it was opened, to open it there again after a move
  std::wstring tflFileName_;
  RefindNames pending_;
  // A duplicate start inside an archive: the member its parent showed, to be
  // found once OpenPaths has listed the archive.
  RefindNames duplicateOf_;
  // The position to show once a list is in place (from the ini file, a saved
  // list or OpenPaths), corrected by the pending names.
  int restoreIndex_ = -1;
  int restoreArchive_ = -1;
  std::vector<std::wstring> recordedMessages_;
  std::uint32_t contrastColour_ = 0xFF606060;
  double fastStretchArea_ = 1e308;
  std::uint32_t lastSaveTime_ = 0;
  UINT timerResolution_ = 0;
  int busyDepth_ = 0;
  int redrawHold_ = 0;
  bool initialized_ = false;
  int menuOpen_ = 0;  // 1 while the popup menu is tracked, 2 the move menu
  std::wstring rgbText_;
  // The history menu is first built while the window is made; only later
  // builds save the ini file.
  bool historyMenuBuilt_ = false;
  bool archiveOpen_ = false;
  bool visible_ = true;
  bool slideShowStep_ = false;
  bool firstDisplay_ = false;
  bool positionRestore_ = false;
  bool modalOpen_ = false;
  bool closeRequested_ = false;
  bool closing_ = false;
  UINT currentMessage_ = 0;
  // Written by window-thread paints under PictureLock, read by the
  // animation thread under it.
  PaintScene lastScene_;
  bool lastSceneValid_ = false;
  bool lastSceneDragging_ = false;
  int animationPauseDepth_ = 0;
  MouseController mouse_{view_, *this, *this};
  UniqueIcon trayPicture_;
  int trayColour_ = -1;  // the colour trayPicture_ was loaded in
  TrayIcon tray_;        // after its picture: leaves the shell first
  HCURSOR handCursor_ = nullptr;
  HCURSOR grabCursor_ = nullptr;
  HCURSOR blankCursor_ = nullptr;
  HCURSOR currentCursor_ = nullptr;
  bool trackingLeave_ = false;
  int menusOpened_ = 0;
  PicturePreparer preparer_;
  int preparedShown_ = 0;
  int travelDirection_ = 1;  // of the last step: the side the next picture is prepared on
  // Set while the view lays out a picture swapped in from preparer_: a
  // target size equal to the one it was made for needs no new transform.
  bool adoptingPrepared_ = false;
  // Declared last: destroyed (and its thread ended) first.
  AnimationThread animationThread_{*this};
};

}  // namespace tv
