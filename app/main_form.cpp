#include <windows.h>
#include "app/main_form.h"

#include <mmsystem.h>

#include <shellapi.h>

#include <algorithm>

#include "app/instance_name.h"
#include "app/settings_sync.h"
#include "menus/localized_string.h"
#include "menus/message_ids.h"
#include "menus/popup_menu_resource.h"
#include "settings/app_data_folder.h"
#include "settings/key_state_win.h"
#include "util/file_system.h"
#include "util/paths.h"
#include "util/shell_link.h"
#include "util/window_util.h"
#include "view/monitor_win.h"

namespace tv {
namespace {

constexpr int kClassNameStringId = 109;

}  // namespace

MainForm::MainForm(MainFormOptions options)
    : options_(std::move(options)),
      listFileReader_(listSettings_.EnableFileMask, listSettings_.FileMaskString, *this),
      list_(*this, listSettings_),
      view_(*this) {
  listSettings_ = ListSettingsFrom(settings_);
  SyncViewFromSettings();
}

MainForm::~MainForm() {
  animationThread_.Stop();
  slideTimer_.Kill();
  idleTimer_.Kill();
  if (timerResolution_) ::timeEndPeriod(timerResolution_);
}

bool MainForm::RegisterWindowClass() {
  std::wstring className = LoadResourceString(instance_, kClassNameStringId);
  if (className != WindowClassName()) className = WindowClassName();
  background_ = UniqueBrush(::CreateSolidBrush(RGB((settings_.FullFillColor >> 16) & 0xFF,
                                                   (settings_.FullFillColor >> 8) & 0xFF,
                                                   settings_.FullFillColor & 0xFF)));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = &MainForm::WindowProcedure;
  windowClass.hInstance = instance_;
  windowClass.hbrBackground = background_.get();
  windowClass.lpszClassName = WindowClassName();
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  // A second window of the same process (the tests run several) finds the
  // class already there.
  return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool MainForm::CreateMainWindow() {
  DWORD exStyle = WS_EX_LAYERED;
  if (settings_.HideTaskButton) exStyle |= WS_EX_TOOLWINDOW;
  window_ = ::CreateWindowExW(exStyle, WindowClassName(), identity_.windowTitle.c_str(), WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              instance_, this);
  if (!window_) return false;
  ::SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(WS_POPUP));
  const PixelBox& picture = view_.PictureRect();
  ::SetWindowPos(window_, nullptr, 0, 0, picture.width, picture.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
  return true;
}

bool MainForm::Startup(HINSTANCE instance, int showCommand, const std::vector<std::wstring>& arguments) {
  if (initialized_) return true;
  instance_ = instance;
  if (!RegisterWindowClass()) return false;
  view_.SetMonitors(EnumerateMonitors());

  SetUiLanguage(options_.uiLanguage.value_or(UserUiLanguage()));
  menu_ = LoadPopupMenuResource(instance_, CurrentUiLanguage());
  popup_ = menu_ ? ::GetSubMenu(menu_.get(), kPopupSubMenuIndex) : nullptr;

  const std::wstring appData = options_.appDataFolder.empty() ? LocalAppDataFolder() : options_.appDataFolder;
  const CommandLine commandLine = ParseCommandLine(arguments, [](const std::wstring& link) {
    return ResolveShortcut(link);
  });
  // Without a name switch the default instance keeps its own title; naming
  // it explicitly still gives the "taverlune - name" form. The name becomes
  // the ini file's name, so one that is no plain file name (a path, a device)
  // falls back to the default instance.
  identity_ = InstanceIdentity{};
  if (commandLine.instanceName) {
    if (CheckInstanceName(*commandLine.instanceName) == InstanceNameFault::None)
      identity_ = IdentityForName(*commandLine.instanceName);
    else
      ShowMessage({0, L"\"" + *commandLine.instanceName + L"\"" + LocalizedString(IDS_INVALID_INSTANCE_NAME),
                   L"Information", MessageIcon::Warning});
  }

  StartInputs inputs;
  if (options_.readStartKeys) inputs.keys = StartKeysNow();
  inputs.filesGiven = !commandLine.paths.empty();
  inputs.instanceIsNamed = identity_.named;
  appDataFolder_ = appData;
  store_ = std::make_unique<SettingsStore>(appData, identity_.name);
  ImageList restored;
  const SettingsLoadResult loaded = store_->LoadSettings(settings_, restored, inputs, *this);
  contrastColour_ = ContrastColour(settings_.FullFillColor);
  listSettings_ = ListSettingsFrom(settings_);
  const bool showingListAtStart = settings_.ShowingList;
  settings_.ShowingList = false;
  SyncViewFromSettings();
  view_.SetPictureRect({0, 0, loaded.windowSide, loaded.windowSide});
  pending_ = {settings_.ShowFileName, settings_.ShowArchiveName};
  tflFileName_ = settings_.tflFileName;
  if (!restored.empty()) list_.SetList(std::move(restored), 0);

  if (!CreateMainWindow()) return false;
  LoadCursorSet();
  // Where the last session left the picture, until a layout says otherwise.
  view_.SetPictureRect({settings_.FormLeft, settings_.FormTop, loaded.windowSide, loaded.windowSide});
  view_.ApplyWindowRect();

  image_.SetPictureLock(&pictureLock_);
  image_.SetFillColor(settings_.FullFillColor);
  image_.SetRotation(settings_.RotateValue);
  image_.SetFixedRotation(settings_.FixRotate);
  if (!settings_.InternalLoader.empty()) image_.SetInternalLoaderMask(settings_.InternalLoader);
  // The program's own folder comes from the module, not from the command
  // line, whose first word has no folder when the program was started by name.
  if (settings_.PluginPath.empty()) settings_.PluginPath.push_back(FolderOf(ProgramPath()));
  StartPlugins();
  TIMECAPS caps{};
  if (::timeGetDevCaps(&caps, sizeof(caps)) == MMSYSERR_NOERROR && ::timeBeginPeriod(caps.wPeriodMin) == 0)
    timerResolution_ = caps.wPeriodMin;

  slideTimer_.SetOwner(window_);
  slideTimer_.SetPeriod(1000);
  idleTimer_.SetOwner(window_);
  idleTimer_.SetPeriod(1000);

  view_.SizeStartBoxByDiagonal();
  if (!settings_.KeepPreviousPosition) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    view_.SetCentre(cursor.x, cursor.y);
    PixelBox box = view_.PictureRect();
    box.left = cursor.x - box.width / 2;
    box.top = cursor.y - box.height / 2;
    view_.SetPictureRect(box);
  }
  view_.UpdateWorkArea();
  view_.ApplyWindowRect();
  if (showingListAtStart) SetListMode(1, 1);

  const PixelBox startPlace = view_.PictureRect();
  BuildHistoryMenu();
  if (!commandLine.paths.empty() && commandLine.duplicate) {
    // A duplicate shows what its parent showed: a file, or an archive and
    // the member inside it.
    if (commandLine.paths.size() >= 2) duplicateOf_ = {commandLine.paths[1], commandLine.paths[0]};
    OpenPaths({commandLine.paths[0]}, 0, 0);
  } else if (!commandLine.paths.empty()) {
    AddPathsToHistory(commandLine.paths);
    OpenPaths(commandLine.paths, 0, CtrlHeld() ? 1 : 0);
  } else if (!list_.FileList().empty()) {
    if (settings_.ShowIndex >= 0) {
      // The picture of the last session comes back at its zoom and centre;
      // laying it out clears the first-display flag.
      firstDisplay_ = true;
      view_.SetRestoringPrevious(true);
      restoreIndex_ = settings_.ShowIndex;
      restoreArchive_ = settings_.ShowArchive;
      RefindAfterOpen();
      const bool inArchive = restoreArchive_ >= 0;
      ShowEntry(inArchive ? restoreArchive_ : restoreIndex_, inArchive ? restoreIndex_ : -1, 1, true);
      view_.SetRestoringPrevious(false);
      if (firstDisplay_) {
        view_.SetPictureRect(startPlace);
        view_.ApplyWindowRect();
      }
      firstDisplay_ = false;
    }
    if (settings_.ShowingList) RefillListBox();
  }
  if (list_.ShowIndex() < 0) {
    // Nothing on display: a box of the start size centred where the cursor
    // (or the remembered centre) is, kept inside the work area.
    view_.UpdateWorkArea();
    const PixelBox& area = view_.WorkArea();
    PixelBox box = view_.PictureRect();
    ViewOptions options = view_.Options();
    if (options.FixSizeRatio && !options.UseWholeScreen && !options.FitToScreen) {
      box.width = static_cast<int>(box.width * options.SizeRatio);
      box.height = static_cast<int>(box.height * options.SizeRatio);
    } else {
      // No picture to measure a zoom against: the next one starts unzoomed.
      options.SizeRatio = 1.0;
      view_.SetOptions(options);
    }
    box.left = std::max(area.left, std::min(view_.Options().CenterX - box.width / 2, area.Right() - box.width));
    box.top = std::max(area.top, std::min(view_.Options().CenterY - box.height / 2, area.Bottom() - box.height));
    view_.SetPictureRect(box);
    view_.ApplyWindowRect();
  }

  ::ShowWindow(window_, showCommand);
  visible_ = true;
  SyncMenusAtStartup();
  PaintPicture(false);
  ::UpdateWindow(window_);
  tv::BringToFront(window_, settings_.AlwaysTop);
  if (redrawHold_ == 0) Redraw();
  ::DragAcceptFiles(window_, TRUE);
  idleTimer_.Start();
  lastSaveTime_ = ::timeGetTime();
  initialized_ = true;
  view_.SetInitialized(true);
  if (commandLine.uninstall) UninstallCommand();
  return true;
}

void MainForm::ApplyAlpha() {
  const int alpha = std::clamp(settings_.AlphaBlendValue, 1, 255);
  ::SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void MainForm::SyncViewFromSettings() { view_.SetOptions(ViewOptionsFrom(settings_)); }

void MainForm::SyncSettingsFromView() {
  const bool showingList = settings_.ShowingList;
  CopyViewOptionsInto(view_.Options(), settings_);
  settings_.ShowingList = showingList;
}

bool MainForm::CtrlHeld() const {
  return options_.readStartKeys && (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
}

// ---------------------------------------------------------------- modal bracket

void MainForm::BeginModal() {
  // Whatever the dialog changes, the worker must not be decoding meanwhile.
  DropPrepared();
  {
    CriticalSectionLock lock(pictureLock_);
    modalOpen_ = true;
  }
  slideTimer_.Kill();
  PauseAnimation();
  if (window_) ::SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainForm::EndModal() {
  RestartSlideTimer();
  ResumeAnimation();
  if (window_)
    ::SetWindowPos(window_, settings_.AlwaysTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  {
    CriticalSectionLock lock(pictureLock_);
    modalOpen_ = false;
  }
  // Later, when whatever the dialog was for has been done.
  if (window_) ::PostMessageW(window_, kPrepareAgainMessage, 0, 0);
  RunDeferredClose();
}

void MainForm::RunDeferredClose() {
  if (!closeRequested_ || CloseMustWait() || !window_) return;
  closeRequested_ = false;
  ::PostMessageW(window_, WM_CLOSE, 0, 0);
}

// ---------------------------------------------------------------- closing

bool MainForm::CloseMustWait() const { return modalOpen_ || busyDepth_ > 0 || scanner_.Busy(); }

bool MainForm::SaveSettingsNow() {
  if (!store_) return false;
  SyncSettingsFromView();
  settings_.ShowIndex = list_.ShowIndex();
  settings_.ShowArchive = list_.ShowArchive();
  settings_.tflFileName = tflFileName_;
  const bool saved = store_->SaveSettings(settings_, list_.FileList());
  lastSaveTime_ = ::timeGetTime();
  return saved;
}

void MainForm::RunClosingSequence() {
  if (closing_) return;
  closing_ = true;
  tray_.Remove();
  slideTimer_.Kill();
  idleTimer_.Kill();
  DropPrepared();
  StopAnimationAndRelease();
  SaveSettingsNow();
  image_.UnloadPlugins();
  if (timerResolution_) {
    ::timeEndPeriod(timerResolution_);
    timerResolution_ = 0;
  }
}

// ---------------------------------------------------------------- SettingsHost

void MainForm::ShowMessage(const UserMessage& message) {
  const std::wstring text = message.textId ? LocalizedString(static_cast<unsigned>(message.textId)) : message.text;
  recordedMessages_.push_back(text.empty() ? message.text : text);
  if (!options_.showMessageBoxes) return;
  const UINT icon = message.icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION;
  if (window_) BeginModal();
  ::MessageBoxW(window_, recordedMessages_.back().c_str(), message.caption.c_str(), icon);
  if (window_) EndModal();
}

bool MainForm::CancelRequested() { return (::GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0; }

}  // namespace tv
