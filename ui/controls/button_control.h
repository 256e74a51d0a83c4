// What the three kinds built on the system "BUTTON" class share: making the
// control, the alignment style bits, the click notification, and a subclass
// that raises the focus events and passes what children send back to them.
#pragma once

#include "ui/controls/controls.h"
#include "ui/unit.h"

namespace ui {

DWORD HorizontalAlignmentStyle(int alignment);
DWORD VerticalAlignmentStyle(int alignment);

class ButtonControl : public Unit {
 protected:
  using Unit::Unit;
  // Makes the hidden "BUTTON" window with the kind's style bits, puts the
  // subclass in front of the class's procedure and gives it the stock
  // DEFAULT_GUI_FONT.
  bool Create(const ControlCreation& creation, const char* text, DWORD kind_style);
  // Turns BN_CLICKED, handed back by the parent, into the click event.
  // False for any other notification.
  bool RaiseClickOnClicked(UINT message, WPARAM wparam, LRESULT* result) const;
  // WM_ERASEBKGND; by default the class's own.
  virtual LRESULT OnEraseBackground(HDC dc);

 private:
  LRESULT CallClassProcedure(UINT message, WPARAM wparam, LPARAM lparam) const;
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnFocusChange(UINT message, WPARAM wparam, LPARAM lparam, int event);
  LRESULT OnChildNotification(UINT message, WPARAM wparam, LPARAM lparam);

  WNDPROC class_procedure_ = nullptr;
};

// How check boxes and the group box answer the colour request: text and
// background colour on the device context, and their background brush, made
// once at creation (so it keeps the button face of that moment).
class StaticColours {
 public:
  StaticColours(ColourValue text, ColourValue background);

  HBRUSH brush() const { return brush_.get(); }
  // Answers WM_CTLCOLORSTATIC, handed back by the parent; false for any
  // other notification.
  bool Answer(UINT message, WPARAM wparam, LRESULT* result) const;

 private:
  ColourValue text_;
  ColourValue background_;
  SolidBrush brush_;
};

}  // namespace ui
