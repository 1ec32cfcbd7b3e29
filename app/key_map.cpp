#include "app/key_map.h"

#include <initializer_list>

#include "menus/menu_ids.h"

namespace tv {
namespace {

// Virtual key codes, spelled out so this file needs no windows.h.
enum VirtualKey : unsigned {
  kReturn = 0x0D, kEscape = 0x1B, kSpace = 0x20, kPageUp = 0x21, kPageDown = 0x22, kEnd = 0x23,
  kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kDelete = 0x2E,
  kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D, kDivide = 0x6F, kF5 = 0x74,
  kOemPlus = 0xBB, kOemComma = 0xBC, kOemMinus = 0xBD, kOemPeriod = 0xBE, kOemSlash = 0xBF,
  kOemBackslash = 0xDC,
};

constexpr unsigned kNone = 0, kCtrlShift = kCtrl | kShift;

struct KeyBinding {
  unsigned key;
  unsigned modifiers;
  KeyAction action;
};

using K = KeyActionKind;
constexpr KeyAction Cmd(int id) { return {K::Command, id}; }

constexpr KeyBinding kImageKeys[] = {
    {kReturn, kNone, {K::ShowList}},
    {kEscape, kNone, {K::Close}},
    {kSpace, kNone, {K::Step, 1}},
    {kSpace, kShift, {K::Step, -1}},
    {kSpace, kCtrl, Cmd(IDM_HIDE)},
    {kPageUp, kNone, {K::Step, -10}},
    {kPageDown, kNone, {K::Step, 10}},
    {kHome, kNone, {K::ShowFirst}},
    {kEnd, kNone, {K::ShowLast}},
    {kUp, kNone, {K::Step, -1}},
    {kUp, kShift, {K::StepWithSiblings, -1}},
    {kUp, kCtrl, {K::StepAllByWindowCount, -1}},
    {kDown, kNone, {K::Step, 1}},
    {kDown, kShift, {K::StepWithSiblings, 1}},
    {kDown, kCtrl, {K::StepAllByWindowCount, 1}},
    {kLeft, kCtrl, Cmd(IDM_LINEUP_LEFTWARD)},
    {kRight, kCtrl, Cmd(IDM_LINEUP_RIGHTWARD)},
    {kDelete, kNone, {K::FileOperation, 0}},
    {kDelete, kCtrl, {K::FileOperation, 1}},
    {kDelete, kCtrlShift, {K::FileOperation, 2}},
    {'A', kNone, Cmd(IDM_SHOW_PIXEL_BY_PIXEL)},
    {kDivide, kNone, Cmd(IDM_SHOW_PIXEL_BY_PIXEL)},
    {kOemSlash, kNone, Cmd(IDM_SHOW_PIXEL_BY_PIXEL)},
    {'B', kNone, Cmd(IDM_FIX_SIZE_RATIO)},
    {'C', kNone, Cmd(IDM_MOVE_TO_CENTER)},
    {'C', kShift, Cmd(IDM_COPY_IMAGE_TO_CLIPBOARD)},
    {'C', kCtrl, Cmd(IDM_FILE_COPY)},
    {'C', kCtrlShift, {K::PathToClipboard}},
    {'D', kNone, Cmd(IDM_SLIDE_SHOW)},
    {'F', kNone, Cmd(IDM_FULL_SCREEN)},
    {'F', kCtrl, Cmd(IDM_LOAD_EXISTS_FOLDER_FILES)},
    {'H', kNone, Cmd(IDM_FIT_TO_SCREEN)},
    {'I', kNone, Cmd(IDM_SHOW_FILE_INFORMATION)},
    {'M', kNone, Cmd(IDM_FILE_MOVE)},
    {'N', kCtrl, Cmd(IDM_FILE_RENAME)},
    {'O', kNone, Cmd(IDM_OPEN_FILES)},
    {'O', kCtrl, Cmd(IDM_OPEN_EXISTS_FOLDER)},
    {'P', kNone, Cmd(IDM_OPEN_FOLDER)},
    {'P', kShift, {K::PixelRgbToClipboard}},
    {'R', kNone, Cmd(IDM_REFRESH)},
    {kF5, kNone, Cmd(IDM_REFRESH)},
    {'R', kCtrl, Cmd(IDM_SET_WINDOW_SIZE)},
    {'S', kNone, Cmd(IDM_SHOW_IN_SCREEN)},
    {'S', kShift, Cmd(IDM_SAVE_JPEG_FILE)},
    {'S', kCtrl, Cmd(IDM_SAVE_FILELIST)},
    {'S', kCtrlShift, Cmd(IDM_SAVE_JPEG_FILE_SHOWING_SIZE)},
    {'T', kNone, Cmd(IDM_ALWAYS_ON_TOP)},
    {'T', kCtrl, {K::SortByName}},
    {'V', kCtrl, Cmd(IDM_FILE_PASTE)},
    {'W', kNone, Cmd(IDM_USE_WHOLE_SCREEN)},
    {'W', kCtrl, Cmd(IDM_DUPLICATE_WINDOW)},
    {'X', kCtrl, Cmd(IDM_FILE_CUT)},
    {kMultiply, kNone, Cmd(IDM_SHOW_IN_SCREEN)},
    {kOemBackslash, kNone, Cmd(IDM_SHOW_IN_SCREEN)},
    {kAdd, kNone, {K::Zoom, 1}},
    {kOemPlus, kNone, {K::Zoom, 1}},
    {kSubtract, kNone, {K::Zoom, -1}},
    {kOemMinus, kNone, {K::Zoom, -1}},
    {kOemComma, kNone, {K::Turn, -1}},
    {kOemPeriod, kNone, {K::Turn, 1}},
};

constexpr KeyBinding kFileListKeys[] = {
    {kReturn, kNone, {K::ShowSelected}},
    {kEscape, kNone, {K::Close}},
    {kSpace, kCtrl, Cmd(IDM_HIDE)},
    {kUp, kAlt, {K::MoveSelection, -1}},
    {kDown, kAlt, {K::MoveSelection, 1}},
    {kDelete, kNone, {K::FileOperation, 0}},
    {kDelete, kCtrl, {K::FileOperation, 1}},
    {kDelete, kCtrlShift, {K::FileOperation, 2}},
    {'A', kCtrl, {K::SelectAll}},
    {'C', kNone, Cmd(IDM_MOVE_TO_CENTER)},
    {'C', kCtrl, Cmd(IDM_FILE_COPY)},
    {'C', kCtrlShift, {K::PathToClipboard}},
    {'D', kCtrl, {K::SelectNone}},
    {'F', kNone, Cmd(IDM_FULL_SCREEN)},
    {'I', kCtrl, {K::InvertSelection}},
    {'N', kCtrl, Cmd(IDM_FILE_RENAME)},
    {'O', kNone, Cmd(IDM_OPEN_FILES)},
    {'O', kCtrl, Cmd(IDM_OPEN_EXISTS_FOLDER)},
    {'P', kNone, Cmd(IDM_OPEN_FOLDER)},
    {'S', kNone, Cmd(IDM_SHOW_IN_SCREEN)},
    {'S', kCtrl, Cmd(IDM_SAVE_FILELIST)},
    {'T', kNone, Cmd(IDM_ALWAYS_ON_TOP)},
    {'T', kCtrl, {K::SortByName}},
    {'V', kCtrl, Cmd(IDM_FILE_PASTE)},
    {'X', kCtrl, Cmd(IDM_FILE_CUT)},
};

const KeyAction kPassToListBox{K::PassToListBox};
const KeyAction kPageUpEverywhere{K::StepWithSiblings, -10};
const KeyAction kPageDownEverywhere{K::StepWithSiblings, 10};

}  // namespace

const KeyAction* FindKeyAction(KeyView view, unsigned virtualKey, unsigned modifiers) {
  if (view == KeyView::FileList) {
    // The list box moves its own selection on Up and Down unless Alt is held.
    if ((virtualKey == kUp || virtualKey == kDown) && (modifiers & kAlt) == 0) return &kPassToListBox;
    for (const KeyBinding& binding : kFileListKeys)
      if (binding.key == virtualKey && binding.modifiers == modifiers) return &binding.action;
    return nullptr;
  }
  // Paging with any modifier pages every window.
  if (modifiers != kNone && (virtualKey == kPageUp || virtualKey == kPageDown))
    return virtualKey == kPageUp ? &kPageUpEverywhere : &kPageDownEverywhere;
  for (const KeyBinding& binding : kImageKeys)
    if (binding.key == virtualKey && binding.modifiers == modifiers) return &binding.action;
  return nullptr;
}

}  // namespace tv
