// Quarter turns as the user sees them on the screen, and what they cost.
#include <windows.h>

#include <gtest/gtest.h>

#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "tests/imaging/picture_files.h"
#include "util/win_handles.h"

namespace tvtest {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

class PictureTurnTest : public ViewerTest {
 protected:
  // Red top-left, green top-right, blue bottom-left, white bottom-right.
  void ShowQuadrants() {
    const std::string png = EncodeWithGdiplus(64, 48, [](int x, int y) { return Quadrants(x, y, 64, 48); },
                                              L"image/png");
    ASSERT_FALSE(png.empty());
    folder_.WriteBytes(L"pictures\\quadrants.png", png);
    Start({pictures_ + L"\\quadrants.png"});
    ASSERT_EQ(Shown(), L"quadrants.png");
  }
  // The colours in the middle of the top-left and top-right quarters of the
  // picture on the screen.
  std::pair<std::uint32_t, std::uint32_t> TopCorners() {
    const tv::PixelBox& p = form_->View().PictureRect();
    return {ScreenPixel(p.left + p.width / 4, p.top + p.height / 4),
            ScreenPixel(p.left + p.width * 3 / 4, p.top + p.height / 4)};
  }
};

// Turn Right turned the picture counter-clockwise.
TEST_F(PictureTurnTest, TurnRightTurnsClockwiseAndTurnLeftCounterClockwise) {
  ShowQuadrants();
  ASSERT_EQ(TopCorners(), std::make_pair(kRed, kGreen));
  const struct {
    const char* how;
    int command;  // or 0 for the key
    UINT key;
    int rotation;
    std::uint32_t topLeft, topRight;
  } rows[] = {
      {"Turn Right", IDM_TURN_RIGHT, 0, 1, kBlue, kRed},
      {"Turn Left", IDM_TURN_LEFT, 0, 3, kGreen, kWhite},
      {"key . (right)", 0, VK_OEM_PERIOD, 1, kBlue, kRed},
      {"key , (left)", 0, VK_OEM_COMMA, 3, kGreen, kWhite},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.how);
    Command(IDM_ROTATE_NONE);
    ASSERT_EQ(form_->Image().rotation(), 0);
    if (row.command) Command(row.command);
    else Press(row.key);
    EXPECT_EQ(form_->Image().rotation(), row.rotation);
    EXPECT_EQ(form_->CurrentSettings().RotateValue, row.rotation);
    EXPECT_EQ(form_->View().PictureRect().width, 48);
    EXPECT_EQ(TopCorners(), std::make_pair(row.topLeft, row.topRight));
  }
}

// A quarter-turned picture at its natural size was scaled and turned again on
// every move of the window.
TEST_F(PictureTurnTest, MovingATurnedPictureDoesNotTransformItAgain) {
  ShowQuadrants();
  Command(IDM_TURN_RIGHT);
  ASSERT_EQ(form_->Image().rotation() % 2, 1);
  const std::uint64_t transforms = form_->Image().transformCount();
  ASSERT_GT(transforms, 0u);
  const tv::PixelBox before = form_->View().PictureRect();
  // A sibling window's way of moving this one: a new centre, then the same
  // width again.
  ::SendMessageW(form_->Window(), WM_USER + 1, static_cast<WPARAM>(before.left + 300), before.top + 200);
  ::SendMessageW(form_->Window(), WM_USER + 3, static_cast<WPARAM>(before.width), 0);
  Pump();
  ASSERT_NE(form_->View().PictureRect(), before) << "the window must have moved";
  EXPECT_EQ(form_->View().PictureRect().width, before.width);
  EXPECT_EQ(form_->Image().transformCount(), transforms);
}

}  // namespace
}  // namespace tvtest
