// The mouse on the real window: button, move and wheel messages as the
// system sends them, and what they do to the window and the picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "util/clipboard.h"

namespace tvtest {
namespace {

class MouseViewerTest : public ViewerTest {
 protected:
  void StartOn(int width, int height) {
    WritePicture(L"a.png", 0xFFFF0000, width, height);
    WritePicture(L"b.png", 0xFF00FF00, width, height);
    WritePicture(L"c.png", 0xFF0000FF, width, height);
    Start({pictures_});
    ASSERT_EQ(Shown(), L"a.png");
  }
  tv::PixelBox Box() const { return form_->View().PictureRect(); }
  // A point of the picture, (fx, fy) as fractions of its size, on screen.
  POINT At(double fx, double fy) const {
    const tv::PixelBox b = Box();
    return {b.left + static_cast<LONG>(b.width * fx), b.top + static_cast<LONG>(b.height * fy)};
  }
  LPARAM Client(POINT screen) const {
    ::ScreenToClient(form_->Window(), &screen);
    return MAKELPARAM(static_cast<short>(screen.x), static_cast<short>(screen.y));
  }
  void Send(UINT message, WPARAM keys, POINT screen) {
    ::SendMessageW(form_->Window(), message, keys, Client(screen));
    Pump();
  }
  void Wheel(int delta, WPARAM keys, POINT screen) {
    ::SendMessageW(form_->Window(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(static_cast<short>(delta))),
                   MAKELPARAM(static_cast<short>(screen.x), static_cast<short>(screen.y)));
    Pump();
  }
  // Left press at `from`, moves to `to` in steps, release there.
  void Drag(POINT from, POINT to, WPARAM extraKeys = 0) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON | extraKeys, from);
    for (int i = 1; i <= 4; ++i)
      Send(WM_MOUSEMOVE, MK_LBUTTON | extraKeys,
           {from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4});
    Send(WM_LBUTTONUP, extraKeys, to);
  }
  BYTE Alpha() const {
    BYTE alpha = 0;
    DWORD flags = 0;
    ::GetLayeredWindowAttributes(form_->Window(), nullptr, &alpha, &flags);
    return alpha;
  }
};

TEST_F(MouseViewerTest, DraggingInsideMovesTheWindow) {
  StartOn(200, 150);
  const tv::PixelBox before = Box();
  Drag(At(0.5, 0.5), {At(0.5, 0.5).x + 40, At(0.5, 0.5).y + 30});
  EXPECT_EQ(Box().left, before.left + 40);
  EXPECT_EQ(Box().top, before.top + 30);
  EXPECT_EQ(Box().width, before.width);
  RECT window{};
  ::GetWindowRect(form_->Window(), &window);
  EXPECT_EQ(window.left, Box().left);
  EXPECT_EQ(form_->Mouse().dragMode(), 0);
}

TEST_F(MouseViewerTest, CornerAndEdgeResizeKeepTheAspectRatio) {
  StartOn(400, 300);
  struct Case {
    double fx, fy;
    POINT by;
    WPARAM keys;
    int width, height;
    bool centreKept;
  };
  const Case cases[] = {
      {0.999, 0.999, {40, 10}, 0, 440, 330, false},           // the wider change wins
      {0.999, 0.999, {40, 10}, MK_CONTROL, 480, 360, true},    // both sides move around the centre
      {0.999, 0.5, {80, 0}, 0, 480, 360, false},               // right edge: the height follows
      {0.5, 0.001, {0, -60}, 0, 480, 360, false},              // top edge: the width follows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width * 10 + static_cast<int>(c.keys));
    Command(IDM_SHOW_PIXEL_BY_PIXEL);
    ASSERT_EQ(Box().width, 400);
    const tv::PixelBox before = Box();
    const POINT from = At(c.fx, c.fy);
    Drag(from, {from.x + c.by.x, from.y + c.by.y}, c.keys);
    EXPECT_EQ(Box().width, c.width);
    EXPECT_EQ(Box().height, c.height);
    if (c.centreKept) {
      EXPECT_NEAR(Box().left + Box().width / 2, before.left + before.width / 2, 1);
      EXPECT_NEAR(Box().top + Box().height / 2, before.top + before.height / 2, 1);
    } else if (c.fx > 0.9 && c.fy > 0.9) {
      EXPECT_EQ(Box().left, before.left);  // the opposite corner stays
      EXPECT_EQ(Box().top, before.top);
    }
  }
}

TEST_F(MouseViewerTest, ResizingNeverGoesBelowTheMinimumDiagonal) {
  StartOn(400, 300);
  const POINT from = At(0.999, 0.999);
  Drag(from, {from.x - 2000, from.y - 2000});
  EXPECT_NEAR(std::hypot(Box().width, Box().height), std::sqrt(5000.0), 2.0);
}

TEST_F(MouseViewerTest, ResizingWithAFixedDiagonalRecordsTheNewDiagonal) {
  StartOn(400, 300);
  Command(IDM_FIX_DIAGONAL_LENGTH);
  ASSERT_TRUE(form_->CurrentSettings().FixDiagonalLength);
  const POINT from = At(0.999, 0.999);
  Drag(from, {from.x + 40, from.y + 10});
  ASSERT_EQ(Box().width, 440);
  EXPECT_EQ(form_->View().Options().DiagonalLength, 550);  // sqrt(440^2 + 330^2)
}

TEST_F(MouseViewerTest, CtrlWheelZoomsAroundTheCursor) {
  StartOn(200, 150);
  const POINT cursor = At(0.25, 0.25);
  const double ratio = form_->View().Options().SizeRatio;
  Wheel(120, MK_CONTROL, cursor);
  EXPECT_NEAR(form_->View().Options().SizeRatio, ratio * std::sqrt(2.0), 0.01);
  // The picture point under the cursor stays under it.
  const tv::PixelBox after = Box();
  EXPECT_NEAR((cursor.x - after.left) / static_cast<double>(after.width), 0.25, 0.02);
  EXPECT_NEAR((cursor.y - after.top) / static_cast<double>(after.height), 0.25, 0.02);
}

TEST_F(MouseViewerTest, PlainWheelStepsWithItsRemainder) {
  StartOn(100, 80);
  const POINT p = At(0.5, 0.5);
  Wheel(-120, 0, p);
  EXPECT_EQ(Shown(), L"b.png");
  Wheel(-60, 0, p);  // half a notch backward already steps, leaving half a notch
  EXPECT_EQ(Shown(), L"c.png");
  EXPECT_EQ(form_->Mouse().wheelRemainder(), 60);
  Wheel(60, 0, p);
  EXPECT_EQ(Shown(), L"b.png");
  EXPECT_EQ(form_->Mouse().wheelRemainder(), 0);
}

TEST_F(MouseViewerTest, LeftButtonWheelTurnsClockwiseBackwardAndShiftMiddleUndoes) {
  StartOn(200, 100);
  const POINT p = At(0.5, 0.5);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, p);
  Wheel(-120, MK_LBUTTON, p);  // backward: the way Turn Right turns
  EXPECT_EQ(form_->Image().rotation(), 1);
  EXPECT_EQ(form_->CurrentSettings().RotateValue, 1);
  EXPECT_EQ(Box().width, 100);  // a quarter turn: the sides swap
  Wheel(-120, MK_LBUTTON, p);
  EXPECT_EQ(form_->Image().rotation(), 2);
  Wheel(120, MK_LBUTTON, p);
  EXPECT_EQ(form_->Image().rotation(), 1);
  Send(WM_LBUTTONUP, 0, p);
  Send(WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT, p);
  Send(WM_MBUTTONUP, MK_SHIFT, p);
  EXPECT_EQ(form_->Image().rotation(), 0);
  EXPECT_NE(form_->Window(), nullptr);
}

TEST_F(MouseViewerTest, TransparencyGesturesAndTheRightButtonAsModifier) {
  StartOn(200, 150);
  const POINT p = At(0.5, 0.5);
  ASSERT_EQ(Alpha(), 255);
  Wheel(-120, MK_SHIFT | MK_CONTROL, p);
  EXPECT_EQ(Alpha(), 192);
  Send(WM_RBUTTONDOWN, MK_RBUTTON, p);
  Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, p);
  Wheel(-120, MK_LBUTTON | MK_RBUTTON, p);
  EXPECT_EQ(Alpha(), 128);
  Send(WM_LBUTTONUP, MK_RBUTTON, p);
  Send(WM_RBUTTONUP, 0, p);
  EXPECT_EQ(form_->MenusOpened(), 0);  // the right button was a modifier
  Send(WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT | MK_CONTROL, p);
  Send(WM_MBUTTONUP, MK_SHIFT | MK_CONTROL, p);
  EXPECT_EQ(Alpha(), 255);
  Send(WM_RBUTTONDOWN, MK_RBUTTON, p);
  Send(WM_RBUTTONUP, 0, p);
  EXPECT_EQ(form_->MenusOpened(), 1);  // a plain right click opens the menu
}

TEST_F(MouseViewerTest, LockedRefusesMovesResizesAndZoom) {
  StartOn(200, 150);
  Command(IDM_LOCK);
  ASSERT_TRUE(form_->CurrentSettings().Locked);
  const tv::PixelBox before = Box();
  Drag(At(0.5, 0.5), {At(0.5, 0.5).x + 40, At(0.5, 0.5).y + 30});
  Drag(At(0.999, 0.999), {At(0.999, 0.999).x + 40, At(0.999, 0.999).y + 40});
  Wheel(120, MK_CONTROL, At(0.5, 0.5));
  Wheel(-120, 0, At(0.5, 0.5));
  EXPECT_EQ(Box(), before);
  EXPECT_EQ(Shown(), L"a.png");
}

TEST_F(MouseViewerTest, PlainMiddleClickClosesTheWindow) {
  StartOn(100, 80);
  Send(WM_MBUTTONDOWN, MK_MBUTTON, At(0.5, 0.5));
  Send(WM_MBUTTONUP, 0, At(0.5, 0.5));
  EXPECT_TRUE(PumpUntil([this] { return !form_->Window(); }, 2000));
}

// Shift + P did nothing while the key table pointed it at a placeholder.
TEST_F(MouseViewerTest, PixelColourUnderTheCursorAndShiftPCopiesIt) {
  WritePicture(L"a.png", 0xFF12ABF0, 120, 90);
  Start({pictures_});
  const POINT centre = At(0.5, 0.5);
  ASSERT_TRUE(::SetCursorPos(centre.x, centre.y));
  POINT cursor{};
  ASSERT_TRUE(PumpUntil([&] { return ::GetCursorPos(&cursor) && cursor.x == centre.x && cursor.y == centre.y; }));
  EXPECT_EQ(form_->PixelRgbText(), L"12ABF0");
  tv::CopyTextToClipboard(L"before");
  Press('P', tv::kShift);
  EXPECT_EQ(tv::ReadClipboardText(), L"12ABF0");
}

}  // namespace
}  // namespace tvtest
