#pragma once
// What the start of a window tells the settings loader: the modifier keys
// held, whether paths were given on the command line, and whether the
// instance was named there.

namespace tv {

struct StartKeys {
  bool leftCtrl = false, leftShift = false, rightCtrl = false, rightShift = false;

  // Ctrl and Shift of one side: start with the initial settings.
  bool ResetRequested() const { return (leftCtrl && leftShift) || (rightCtrl && rightShift); }
  // Any Ctrl: read the settings but do not restore the saved list.
  bool CtrlDown() const { return leftCtrl || rightCtrl; }
};

struct StartInputs {
  StartKeys keys;
  bool filesGiven = false;
  bool instanceIsNamed = false;  // false for the default instance
};

}  // namespace tv
