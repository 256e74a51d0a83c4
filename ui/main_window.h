// The main window: built from its window definition, it creates its units,
// paints its background, moves the focus with the keyboard and closes.
#pragma once

#include <memory>
#include <vector>

#include "ui/event_dispatcher.h"
#include "ui/unit.h"
#include "ui/window_definition.h"
#include "winapi.h"

namespace ui {

// What the shell offers the windows it loads.
class WindowHost {
 public:
  virtual void WindowCreated(const WindowDefinition& definition, HWND window) = 0;
  virtual void WindowDestroyed(HWND window) = 0;
  // Whether some window of the program still exists.
  virtual bool HasLivingWindow() const = 0;
  virtual bool LoopEntered() const = 0;

 protected:
  ~WindowHost() = default;
};

class MainWindow {
 public:
  // Creates the window and its units, shows it and gives a unit the focus.
  // Returns nullptr, with nothing shown, when the window or a unit cannot be
  // made. The window lives until its native window is destroyed.
  static HWND Load(const WindowDefinition& definition, WindowHost& host);
  // The loaded window with this handle, or nullptr.
  static MainWindow* FromHandle(HWND window);

  // The key handling that the message loop offers every message addressed
  // to the window or one of its units. True when it consumed the message.
  bool PreTranslateMessage(const MSG& msg);
  // The loop found its queue empty.
  void OnIdle() const;

  const EventDispatcher& dispatcher() const { return dispatcher_; }
  // Hands a notification that a child control sent its parent back to the
  // unit of that control. True when the unit answered it.
  bool HandBackNotification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) const;

  ~MainWindow();

 private:
  MainWindow(const WindowDefinition& definition, WindowHost& host);
  const UnitDefinition& window_unit() const { return definition_.units[0]; }
  const WindowSettings& settings() const;
  Unit* UnitFromHandle(HWND handle) const;
  void RaiseWindowEvent(int event) const;

  // Loading (main_window.cpp).
  HWND CreateNativeWindow();
  bool Build();
  bool CreateUnits();
  void MoveUnitsIntoParents() const;
  void StackUnits() const;
  void ShowUnits() const;

  // Window procedure (main_window.cpp).
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnPaint();
  void OnActivate(WORD state);
  LRESULT OnChildNotification(UINT message, WPARAM wparam, LPARAM lparam);
  void OnNcDestroy();

  // Focus and keys (main_window_keys.cpp).
  void OnSetFocus();
  bool IsEligibleForFocus(const Unit& unit) const;
  std::vector<Unit*> TabSequence() const;
  void MoveFocus(int step);
  bool PressEnter();
  bool ActivateAccessKey(char key);
  void Click(const Unit& unit) const;

  const WindowDefinition& definition_;
  WindowHost& host_;
  HWND handle_ = nullptr;
  HFONT font_ = nullptr;
  bool owned_by_native_window_ = false;
  EventDispatcher dispatcher_;
  // Indexed by definition position; [0], the window itself, stays empty.
  std::vector<std::unique_ptr<Unit>> units_;
  HWND remembered_focus_ = nullptr;
};

}  // namespace ui
