// The eight controls as a person sees and uses them: check marks, clicks
// that do nothing, the banner, the about text, the colours, the whole look.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// jpeglib.h uses size_t and FILE without including what declares them.
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "app_test.h"
#include "gdi/png.h"
#include "resources/banner.h"
#include "ui/window_definition.h"

namespace app_test {
namespace {

constexpr int kPictureBoxPosition = 8;  // in the definition order

uint32_t PixelOf(COLORREF colour) {
  return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}
uint32_t ButtonFacePixel() { return PixelOf(GetSysColor(COLOR_BTNFACE)); }

// Replaces the banner in the stored definition before the program reads it.
void ShowPicture(const unsigned char* data, size_t size) {
  auto& settings = std::get<ui::PicBoxSettings>(
      ui::StoredWindowDefinitions()[0].units[kPictureBoxPosition].settings);
  settings.picture = ui::PictureBytes{data, size};
}

class ControlsTest : public AppTest {};

TEST_F(ControlsTest, ClickTogglesOnlyThatCheckBox) {
  Start();
  for (int i = 0; i < 4; ++i) {
    std::vector<bool> expected(4, false);
    expected[i] = true;
    ClickControl(kCheckBoxes[i]);
    EXPECT_EQ(CheckStates(), expected) << "after the first click on box " << i + 1;
    ClickControl(kCheckBoxes[i]);
    EXPECT_EQ(CheckStates(), std::vector<bool>(4, false)) << "after the second click";
  }
  EXPECT_TRUE(OpenBoxes().empty());
}

TEST_F(ControlsTest, SpaceTogglesTheFocusedCheckBox) {
  Start();
  session().Key(VK_TAB);  // 选择框2
  session().Key(VK_SPACE);
  EXPECT_EQ(CheckStates(), (std::vector<bool>{false, true, false, false}));
  session().Key(VK_SPACE);
  EXPECT_EQ(CheckStates(), std::vector<bool>(4, false));
}

TEST_F(ControlsTest, ClicksOnBannerAboutBoxAndLabelDoNothing) {
  Start();
  session().Key(VK_TAB);  // leave the focus somewhere to see that it stays
  const POINT banner = ScreenPointOf(250, 100);
  const POINT frame_caption = ScreenPointOf(216 + 20, 224 + 4);
  const POINT label = CentreOf(kLabel1);
  for (const POINT& point : {banner, frame_caption, label}) session().Click(point.x, point.y);

  EXPECT_EQ(FocusedId(), kCheckBox2);
  EXPECT_EQ(CheckStates(), std::vector<bool>(4, false));
  EXPECT_TRUE(OpenBoxes().empty());
  EXPECT_EQ(GetActiveWindow(), MainWindow());
}

// The banner's own pixels, decoded here independently of the program.
lw::Surface DecodeBanner() {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, const_cast<unsigned char*>(kBannerJpeg), kBannerJpegSize);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  lw::Surface banner;
  banner.Resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  std::vector<unsigned char> line(info.output_width * 3);
  while (info.output_scanline < info.output_height) {
    uint32_t* row = banner.Row(static_cast<int>(info.output_scanline));
    unsigned char* samples = line.data();
    jpeg_read_scanlines(&info, &samples, 1);
    for (int x = 0; x < banner.width; ++x) {
      row[x] = (line[3 * x] << 16) | (line[3 * x + 1] << 8) | line[3 * x + 2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return banner;
}

TEST_F(ControlsTest, BannerIsDrawnUnscaledFromTheClientOrigin) {
  Start();
  const lw::Surface banner = DecodeBanner();
  ASSERT_EQ(banner.width, 500);
  ASSERT_EQ(banner.height, 200);

  const lw::Surface& screen = session().Screen();
  const POINT origin = ScreenPointOf(0, 0);
  int differing = 0;
  for (int y = 0; y < banner.height; ++y) {
    for (int x = 0; x < banner.width; ++x) {
      if (screen.Row(origin.y + y)[origin.x + x] != banner.Row(y)[x]) ++differing;
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(ClientPixel(250, 200), ButtonFacePixel()) << "the banner is 200 high";
}

TEST_F(ControlsTest, LabelLinesStartAtItsTopEdge) {
  Start();
  RECT label{};
  GetWindowRect(Control(kLabel1), &label);
  const lw::Surface& screen = session().Screen();
  int first_text_row = -1;
  for (int y = label.top; y < label.bottom && first_text_row < 0; ++y) {
    for (int x = label.left; x < label.right; ++x) {
      if ((screen.Row(y)[x] & 0xFFFFFF) < 0x404040) {
        first_text_row = y - label.top;
        break;
      }
    }
  }
  EXPECT_GE(first_text_row, 0) << "no text drawn";
  EXPECT_LT(first_text_row, 4) << "the first line is not at the top edge";
}

// ---- A banner that cannot be shown ----

struct DamagedBanner {
  const char* name;
  std::vector<unsigned char> (*damage)();
};

std::vector<unsigned char> Truncated() {
  return std::vector<unsigned char>(kBannerJpeg, kBannerJpeg + kBannerJpegSize / 2);
}
std::vector<unsigned char> Scrambled() {
  std::vector<unsigned char> bytes(kBannerJpeg, kBannerJpeg + kBannerJpegSize);
  for (size_t i = 20; i < bytes.size(); i += 7) bytes[i] = static_cast<unsigned char>(i * 31);
  return bytes;
}
std::vector<unsigned char> NotAPicture() {
  return std::vector<unsigned char>{'G', 'I', 'F', '8', '9', 'a', 0, 0};
}

class DamagedBannerTest : public AppTest, public ::testing::WithParamInterface<DamagedBanner> {};

TEST_P(DamagedBannerTest, LeavesTheBackgroundAndTheWindowLoads) {
  const std::vector<unsigned char> bytes = GetParam().damage();
  ShowPicture(bytes.data(), bytes.size());
  Start();

  ASSERT_NE(MainWindow(), nullptr);
  EXPECT_TRUE(IsWindowVisible(MainWindow()));
  EXPECT_TRUE(OpenBoxes().empty());
  const lw::Surface& screen = session().Screen();
  const POINT origin = ScreenPointOf(0, 0);
  int not_background = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 500; ++x) {
      if (screen.Row(origin.y + y)[origin.x + x] != ButtonFacePixel()) ++not_background;
    }
  }
  EXPECT_EQ(not_background, 0);
}

INSTANTIATE_TEST_SUITE_P(Pictures, DamagedBannerTest,
                         ::testing::Values(DamagedBanner{"Truncated", Truncated},
                                           DamagedBanner{"Scrambled", Scrambled},
                                           DamagedBanner{"NotAJpeg", NotAPicture}),
                         [](const ::testing::TestParamInfo<DamagedBanner>& case_info) {
                           return case_info.param.name;
                         });

// After a change of the system colours the label and the window follow at
// their next paint; the picture box, the group box and the check boxes keep
// the brushes they made when they were created.
TEST_F(ControlsTest, OnlyLabelAndWindowFollowANewButtonFace) {
  const std::vector<unsigned char> no_picture = NotAPicture();
  ShowPicture(no_picture.data(), no_picture.size());  // so the box shows its background
  Start();
  const uint32_t old_face = ButtonFacePixel();
  const INT element = COLOR_BTNFACE;
  const COLORREF new_face = RGB(0x20, 0x80, 0x40);
  SetSysColors(1, &element, &new_face);
  session().Idle();
  const uint32_t new_pixel = PixelOf(new_face);

  EXPECT_EQ(ClientPixel(490, 440), new_pixel) << "window background";
  EXPECT_EQ(ClientPixel(232 + 200, 256 + 130), new_pixel) << "label";
  EXPECT_EQ(ClientPixel(250, 100), old_face) << "picture box";
  EXPECT_EQ(ClientPixel(216 + 128, 224 + 181), old_face) << "group box, below the label";
  EXPECT_EQ(ClientPixel(24 + 146, 224 + 2), old_face) << "check box";
}

// ---- The whole look ----

TEST_F(ControlsTest, MainWindowMatchesTheGoldenPicture) {
  Start();
  const std::string golden = std::string(std::getenv("LW_TEST_DATA")) + "/golden/main_window.png";
  const std::string actual = ::testing::TempDir() + "main_window.png";
  ASSERT_TRUE(session().SavePng(actual, MainWindow()));
  if (std::getenv("LANXIU_UPDATE_GOLDEN") != nullptr) {
    ASSERT_TRUE(session().SavePng(golden, MainWindow()));
    GTEST_SKIP() << "golden picture written to " << golden;
  }

  lw::Surface expected, shown;
  ASSERT_TRUE(lw::ReadPng(golden.c_str(), &expected))
      << "no golden picture; run with LANXIU_UPDATE_GOLDEN=1 to make " << golden;
  ASSERT_TRUE(lw::ReadPng(actual.c_str(), &shown));
  ASSERT_EQ(shown.width, expected.width);
  ASSERT_EQ(shown.height, expected.height);
  EXPECT_EQ(lw::CompareSurfaces(shown, expected, 8), 0) << "see " << actual;
}

}  // namespace
}  // namespace app_test
