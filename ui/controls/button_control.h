// What the three kinds built on the system "BUTTON" class share: making the
// control, the alignment style bits, and a subclass that raises the focus
// events and passes colour requests from children back to the asking unit.
#pragma once

#include "ui/controls/controls.h"
#include "ui/unit.h"

namespace ui {

DWORD HorizontalAlignmentStyle(int alignment);
DWORD VerticalAlignmentStyle(int alignment);

class ButtonControl : public Unit {
 protected:
  using Unit::Unit;
  // Makes the hidden "BUTTON" window with the kind's style bits and puts the
  // subclass in front of the class's procedure.
  bool Create(const ControlCreation& creation, const char* text, DWORD kind_style);
  // WM_ERASEBKGND; returning false leaves it to the class alone.
  virtual bool OnEraseBackground(HDC dc, LRESULT* result);
  LRESULT CallClassProcedure(UINT message, WPARAM wparam, LPARAM lparam) const;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnFocusChange(UINT message, WPARAM wparam, LPARAM lparam, int event);
  LRESULT OnChildNotification(UINT message, WPARAM wparam, LPARAM lparam);

  WNDPROC class_procedure_ = nullptr;
};

// How check boxes and the group box answer WM_CTLCOLORSTATIC: text and
// background colour on the device context, and their background brush, made
// once at creation (so it keeps the button face of that moment).
class StaticColours {
 public:
  StaticColours(ColourValue text, ColourValue background);
  ~StaticColours();
  StaticColours(const StaticColours&) = delete;
  StaticColours& operator=(const StaticColours&) = delete;

  HBRUSH brush() const { return brush_; }
  LRESULT Answer(HDC dc) const;

 private:
  ColourValue text_;
  ColourValue background_;
  HBRUSH brush_;
};

}  // namespace ui
