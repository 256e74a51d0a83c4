#include "ui/window_definition.h"

#include "resources/banner.h"

namespace ui {
namespace {

// Definition positions, for the Parent and Children references below.
constexpr int kMainWindow = 0;
constexpr int kLabel1 = 1;
constexpr int kGroupBox1 = 2;
constexpr int kButton1 = 3;

const char kEmpty[] = "";
const char kLabel1Name[] = "\xB1\xEA\xC7\xA9\x31";             // 标签1
const char kGroupBox1Name[] = "\xB7\xD6\xD7\xE9\xBF\xF2\x31";  // 分组框1
const char kButton1Name[] = "\xB0\xB4\xC5\xA5\x31";            // 按钮1
const char kPicBox1Name[] = "\xCD\xBC\xC6\xAC\xBF\xF2\x31";    // 图片框1
const DataBinding kNoData{kEmpty, kEmpty};

WindowSettings MainWindowSettings() {
  return WindowSettings{
      "\xC0\xBD\xE1\xB6\xC4\xDA\xB4\xE6\xD3\xC5\xBB\xAF\xC6\xF7",  // 澜岫内存优化器
      2,                                                           // BorderKind: fixed single frame
      true,                                                        // ControlBox
      false,                                                       // MaximizeBox
      false,                                                       // MinimizeBox
      1,       // StartPosition: centred on the screen
      true,    // Movable
      true,    // ShowInTaskbar
      true,    // EscapeCloses
      false,   // EnterMovesFocus
      false,   // F1OpensHelp
      kEmpty,  // HelpFile
      0,       // HelpContext
      kDefaultColour,
      1,       // BackgroundPictureMode: tiled, without a picture no effect
      0,       // MusicPlayCount
      0,       // Shape: rectangle
      false,   // AlwaysOnTop
      false,   // KeepCaptionActive
      false,   // DragAnywhere
      kEmpty,  // WindowClassName: the default class
  };
}

LabelSettings AboutTextSettings() {
  return LabelSettings{
      // BY：kvr用户\r\n\r\n\r\n网络资源，使用后果概不负责\r\n
      "BY\xA3\xBAkvr\xD3\xC3\xBB\xA7\r\n\r\n\r\n"
      "\xCD\xF8\xC2\xE7\xD7\xCA\xD4\xB4\xA3\xAC\xCA\xB9\xD3\xC3"
      "\xBA\xF3\xB9\xFB\xB8\xC5\xB2\xBB\xB8\xBA\xD4\xF0\r\n",
      0,  // TextEffect: plain
      0,  // BorderStyle: no edge
      8,  // FrameWidth
      {kGrey, kWhite, kGrey},
      kBlack,
      kDefaultColour,
      1,  // PictureMode, without a picture no effect
      0,  // GradientMode: none
      {kGrey, kWhite, kGrey},
      kAlignLeftOrTop,
      true,  // WordWrap
      kAlignCentre,
      kNoData,
  };
}

GroupBoxSettings AboutBoxSettings() {
  return GroupBoxSettings{
      "\xB9\xD8\xD3\xDA\xCE\xD2\xC3\xC7",  // 关于我们
      kAlignLeftOrTop,
      kBlack,
      kDefaultColour,
  };
}

ButtonSettings OptimiseButtonSettings() {
  return ButtonSettings{
      false,                               // IsDefault
      "\xC1\xA2\xBC\xB4\xD3\xC5\xBB\xAF",  // 立即优化
      kAlignCentre,
      kAlignCentre,
  };
}

CheckBoxSettings OptionSettings(const char* text) {
  return CheckBoxSettings{
      false,  // PushLike
      false,  // Flat
      text,
      false,  // TextOnLeft
      kAlignLeftOrTop,
      kAlignCentre,
      kBlack,
      kDefaultColour,
      false,  // Checked
      kNoData,
  };
}

PicBoxSettings BannerSettings() {
  return PicBoxSettings{
      0,  // BorderStyle: no edge
      kDefaultColour,
      PictureBytes{kBannerJpeg, kBannerJpegSize},
      0,     // PictureMode: own size at the top-left corner
      true,  // Animate: animated pictures only
      kNoData,
  };
}

// Every unit is visible and enabled, has TabOrder 0, the pointer of its
// class and no comment or tag.
UnitDefinition MakeUnit(UnitKind kind, const char* name, int left, int top, int width, int height,
                        int parent, bool tab_stop, KindSettings settings) {
  UnitDefinition unit{kind, name, kEmpty, left, top, width, height, parent};
  unit.visible = true;
  unit.disabled = false;
  unit.tab_stop = tab_stop;
  unit.tab_order = 0;
  unit.mouse_pointer = nullptr;
  unit.tag = kEmpty;
  unit.settings = std::move(settings);
  return unit;
}

// The four option check boxes, which differ only in name, place and text.
struct Option {
  const char* name;
  int top;
  const char* text;
};
const Option kOptions[] = {
    // 选择框4: 优化清除缓存
    {"\xD1\xA1\xD4\xF1\xBF\xF2\x34", 320, "\xD3\xC5\xBB\xAF\xC7\xE5\xB3\xFD\xBB\xBA\xB4\xE6"},
    // 选择框3: 优化被占用的内存
    {"\xD1\xA1\xD4\xF1\xBF\xF2\x33", 288,
     "\xD3\xC5\xBB\xAF\xB1\xBB\xD5\xBC\xD3\xC3\xB5\xC4\xC4\xDA\xB4\xE6"},
    // 选择框2: 优化无需的内存
    {"\xD1\xA1\xD4\xF1\xBF\xF2\x32", 256,
     "\xD3\xC5\xBB\xAF\xCE\xDE\xD0\xE8\xB5\xC4\xC4\xDA\xB4\xE6"},
    // 选择框1: 优化正在运行内存
    {"\xD1\xA1\xD4\xF1\xBF\xF2\x31", 224,
     "\xD3\xC5\xBB\xAF\xD5\xFD\xD4\xDA\xD4\xCB\xD0\xD0\xC4\xDA\xB4\xE6"},
};

// The units in definition order: the window, 标签1, 分组框1, 按钮1,
// 选择框4 to 选择框1, 图片框1.
WindowDefinition MainWindowDefinition() {
  WindowDefinition window{kMainWindowNumber, {}};
  auto& units = window.units;
  units.push_back(MakeUnit(UnitKind::kWindow, kEmpty, 50, 50, 506, 479, kNoParent, false,
                           MainWindowSettings()));
  units.push_back(MakeUnit(UnitKind::kLabel, kLabel1Name, 16, 32, 224, 144, kGroupBox1, false,
                           AboutTextSettings()));
  units.push_back(MakeUnit(UnitKind::kGroupBox, kGroupBox1Name, 216, 224, 256, 192, kMainWindow,
                           false, AboutBoxSettings()));
  units.push_back(MakeUnit(UnitKind::kButton, kButton1Name, 16, 368, 160, 48, kMainWindow, true,
                           OptimiseButtonSettings()));
  for (const Option& option : kOptions) {
    units.push_back(MakeUnit(UnitKind::kCheckBox, option.name, 24, option.top, 152, 24, kMainWindow,
                             true, OptionSettings(option.text)));
  }
  units.push_back(MakeUnit(UnitKind::kPicBox, kPicBox1Name, 0, 0, 600, 200, kMainWindow, false,
                           BannerSettings()));

  units[kGroupBox1].children = {kLabel1};
  units[kButton1].bindings = {{kEventClick, "OnOptimiseNowClicked"}};
  return window;
}

bool ReferencesAreValid(const WindowDefinition& window) {
  const auto& units = window.units;
  if (units.empty() || units[0].kind != UnitKind::kWindow) return false;
  const int count = static_cast<int>(units.size());
  auto valid = [count](int position) { return position >= 0 && position < count; };
  for (size_t i = 1; i < units.size(); ++i) {
    if (!valid(units[i].parent)) return false;
  }
  for (const auto& unit : units) {
    for (int child : unit.children) {
      if (!valid(child)) return false;
    }
  }
  return true;
}

}  // namespace

std::vector<WindowDefinition>& StoredWindowDefinitions() {
  static std::vector<WindowDefinition> stored{MainWindowDefinition()};
  return stored;
}

bool ReadWindowDefinitions(std::vector<WindowDefinition>* out) {
  out->clear();
  for (const auto& window : StoredWindowDefinitions()) {
    if (!ReferencesAreValid(window)) {
      out->clear();
      return false;
    }
    out->push_back(window);
  }
  return true;
}

}  // namespace ui
