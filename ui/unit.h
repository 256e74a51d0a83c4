// The unit model: what every element of a window definition is made of. A
// unit is either the window itself or one of its controls; each has a kind,
// the common properties, its event bindings and the settings of its kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

#include "winapi.h"

namespace ui {

enum class UnitKind { kWindow, kPicBox, kGroupBox, kLabel, kButton, kCheckBox };

// 0x00BBGGRR, or kDefaultColour, which stands for the button face and is
// looked up whenever a brush or a colour is made from it, so that it follows
// changes of the system colours.
using ColourValue = uint32_t;
constexpr ColourValue kDefaultColour = 0xff000000;
constexpr ColourValue kBlack = 0x00000000;
constexpr ColourValue kWhite = 0x00ffffff;
constexpr ColourValue kGrey = 0x00808080;
COLORREF ResolveColour(ColourValue value);

// A solid brush of a colour value, resolved when the brush is made and
// deleted with its owner.
class SolidBrush {
 public:
  explicit SolidBrush(ColourValue colour) : brush_(CreateSolidBrush(ResolveColour(colour))) {}
  ~SolidBrush() { DeleteObject(brush_); }
  SolidBrush(const SolidBrush&) = delete;
  SolidBrush& operator=(const SolidBrush&) = delete;

  HBRUSH get() const { return brush_; }

 private:
  HBRUSH brush_;
};

// A picture held in the definition: the bytes of an image file.
struct PictureBytes {
  const unsigned char* data = nullptr;
  size_t size = 0;
};

// Alignment settings as the kinds store them: 0 left or top, 1 centre, 2
// right or bottom.
constexpr int kAlignLeftOrTop = 0;
constexpr int kAlignCentre = 1;

// Event numbers. A number has its meaning within the unit's kind.
constexpr int kEventClick = 0;  // push button and check box
constexpr int kEventFocusGained = -7;
constexpr int kEventFocusLost = -8;
constexpr int kEventWindowCreated = 0;  // the window's own events
constexpr int kEventWindowClosing = 1;
constexpr int kEventWindowMoved = 2;
constexpr int kEventWindowResized = 3;
constexpr int kEventWindowActivated = 4;
constexpr int kEventWindowDeactivated = 5;
constexpr int kEventWindowIdle = 6;

// The routines that events run. Every routine of this system takes no
// argument and gives no result.
using EventRoutine = void (*)();

struct EventBinding {
  int event;
  const char* routine_name;        // as stored in the definition
  EventRoutine routine = nullptr;  // resolved at start-up; none if unknown
};

// DataSource and DataColumn: the data a unit would show. Every unit of this
// system leaves them empty, bound to no data.
struct DataBinding {
  const char* source;
  const char* column;
};

// ---- Settings of each kind (no unit stores a font, so every text is drawn
// in the stock DEFAULT_GUI_FONT) ----

struct WindowSettings {
  const char* title;
  int border_kind;
  bool control_box;
  bool maximize_box;
  bool minimize_box;
  int start_position;  // 1: centred on the screen
  bool movable;
  bool show_in_taskbar;
  bool escape_closes;
  bool enter_moves_focus;
  bool f1_opens_help;
  const char* help_file;
  int help_context;
  ColourValue background_colour;
  int background_picture_mode;
  int music_play_count;
  int shape;
  bool always_on_top;
  bool keep_caption_active;
  bool drag_anywhere;
  const char* window_class_name;  // empty: the default window class
};

struct PicBoxSettings {
  int border_style;
  ColourValue background_colour;
  PictureBytes picture;
  int picture_mode;  // 0: own size at the top-left corner
  bool animate;
  DataBinding data;
};

struct LabelSettings {
  const char* text;
  int text_effect;
  int border_style;
  int frame_width;
  ColourValue frame_colours[3];
  ColourValue text_colour;
  ColourValue background_colour;
  int picture_mode;
  int gradient_mode;
  ColourValue gradient_colours[3];
  int horizontal_alignment;
  bool word_wrap;
  int vertical_alignment;
  DataBinding data;
};

struct GroupBoxSettings {
  const char* text;
  int horizontal_alignment;
  ColourValue text_colour;
  ColourValue background_colour;
};

struct ButtonSettings {
  bool is_default;
  const char* text;
  int horizontal_alignment;
  int vertical_alignment;
};

struct CheckBoxSettings {
  bool push_like;
  bool flat;
  const char* text;
  bool text_on_left;
  int horizontal_alignment;
  int vertical_alignment;
  ColourValue text_colour;
  ColourValue background_colour;
  bool checked;
  DataBinding data;
};

using KindSettings = std::variant<WindowSettings, PicBoxSettings, LabelSettings, GroupBoxSettings,
                                  ButtonSettings, CheckBoxSettings>;

constexpr int kNoParent = -1;

struct UnitDefinition {
  UnitKind kind;
  const char* name;
  const char* comment;
  int left, top, width, height;
  int parent;                 // definition position of the containing unit
  std::vector<int> children;  // definition positions, in stored order
  bool visible;
  bool disabled;
  bool tab_stop;
  int tab_order;
  const char* mouse_pointer;  // nullptr: the pointer of the window class
  const char* tag;
  std::vector<EventBinding> bindings;
  KindSettings settings;
};

// Push buttons and check boxes are the kinds that take the keyboard focus.
bool IsFocusCapable(UnitKind kind);
// The text the unit shows (the title for a window); empty for a picture box.
const char* UnitText(const UnitDefinition& unit);

class MainWindow;

// A unit brought to life in a loaded window: its definition, its native
// window and the window it raises its events in. The main window owns it.
class Unit {
 public:
  Unit(MainWindow& window, const UnitDefinition& definition);
  virtual ~Unit();
  Unit(const Unit&) = delete;
  Unit& operator=(const Unit&) = delete;

  HWND handle() const { return handle_; }
  const UnitDefinition& definition() const { return definition_; }

  // A notification that this unit's control sent to its parent and that the
  // parent hands back (WM_COMMAND, WM_CTLCOLORSTATIC and the like). Returns
  // false when the unit leaves it to the parent's default handling.
  virtual bool HandleNotification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
  // True for a push button with the default-button style.
  virtual bool IsDefaultButton() const { return false; }

 protected:
  void set_handle(HWND handle) { handle_ = handle; }
  MainWindow& window() const { return window_; }
  void RaiseEvent(int event) const;

 private:
  MainWindow& window_;
  const UnitDefinition& definition_;
  HWND handle_ = nullptr;
};

}  // namespace ui
