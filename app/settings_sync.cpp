#include "app/settings_sync.h"

namespace tv {
namespace {

// Every field the two records share, so both directions stay in step.
template <typename From, typename To>
void CopyShared(const From& from, To& to) {
  to.CenterX = from.CenterX;
  to.CenterY = from.CenterY;
  to.FormLeft = from.FormLeft;
  to.FormTop = from.FormTop;
  to.AlwaysTop = from.AlwaysTop;
  to.ShowingList = from.ShowingList;
  to.FrameWidth = from.FrameWidth;
  to.FixSizeRatio = from.FixSizeRatio;
  to.FitToScreen = from.FitToScreen;
  to.PositionMode = from.PositionMode;
  to.FixRotate = from.FixRotate;
  to.RotateValue = from.RotateValue;
  to.FixDiagonalLength = from.FixDiagonalLength;
  to.DiagonalLength = from.DiagonalLength;
  to.UseWholeScreen = from.UseWholeScreen;
  to.FullScreen = from.FullScreen;
  to.SizeRatio = from.SizeRatio;
}

}  // namespace

ViewOptions ViewOptionsFrom(const Settings& settings) {
  ViewOptions options;
  CopyShared(settings, options);
  return options;
}

void CopyViewOptionsInto(const ViewOptions& options, Settings& settings) { CopyShared(options, settings); }

ListSettings ListSettingsFrom(const Settings& settings) {
  ListSettings list;
  list.SearchSubFolder = settings.SearchSubFolder;
  list.EnableFileMask = settings.EnableFileMask;
  list.FileMaskString = settings.FileMaskString;
  return list;
}

}  // namespace tv
