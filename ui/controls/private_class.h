// The program's own window class, shared by the picture box and the label:
// both paint every pixel themselves.
#pragma once

#include "ui/controls/controls.h"
#include "ui/unit.h"

namespace ui {

class PrivateClassControl : public Unit {
 protected:
  using Unit::Unit;
  // Makes the hidden window of the private class.
  bool Create(const ControlCreation& creation, const char* text);
  // Applies BorderStyle 0: none of the four edge styles.
  void RemoveEdges() const;
  // Paints the window; client is its whole client rectangle.
  virtual void Paint(HDC dc, const RECT& client) = 0;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnPaint();
};

}  // namespace ui
