#pragma once
// What the start of a window tells the settings loader: the modifier keys
// held, whether paths were given on the command line, and whether the
// instance was named there; and what those mean for the ini file. Pure
// functions, so the window and the tests ask the same questions.

namespace tv {

struct StartKeys {
  bool leftCtrl = false, leftShift = false, rightCtrl = false, rightShift = false;

  // Ctrl and Shift of one side: start with the initial settings.
  constexpr bool ResetRequested() const { return (leftCtrl && leftShift) || (rightCtrl && rightShift); }
  // Any Ctrl: read the settings but do not restore the saved list.
  constexpr bool CtrlDown() const { return leftCtrl || rightCtrl; }
};

struct StartInputs {
  StartKeys keys;
  bool filesGiven = false;
  bool instanceIsNamed = false;  // false for the default instance
};

// The ini file is not read at all; the initial values stay in force.
constexpr bool StartsWithoutIni(const StartInputs& inputs) { return inputs.keys.ResetRequested(); }

// A missing ini file of the default instance is its first start: the
// program's shortcuts are offered before the new file is written.
constexpr bool OffersFirstStartShortcut(const StartInputs& inputs) { return !inputs.instanceIsNamed; }

// The list saved in the ini file is restored only when it was kept
// (LoadLastFile), no paths were given to open instead, and Ctrl is not held.
constexpr bool RestoresSavedList(const StartInputs& inputs, bool loadLastFile) {
  return loadLastFile && !inputs.filesGiven && !inputs.keys.CtrlDown();
}

}  // namespace tv
