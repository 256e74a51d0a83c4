// Driving a program on the layer the way a person would, deterministically.
//
// A Session runs the program's entry (usually WinMain) on an app thread and
// drives it from the calling thread by passing a baton: exactly one of the
// two runs at a time. The app runs until it would wait for input with
// nothing queued (idle) or ends; then the caller injects input, which the
// app handles until it is idle again, and looks at the result through the
// public API (GetFocus, SendMessageA, GetWindowRect, the screen's pixels).
// One Session at a time per process.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gdi/objects.h"
#include "lw/windows.h"

namespace lw::testing {

struct Options {
  int screenWidth = 1024;
  int screenHeight = 768;
  // CreateWindowExA fails at its n-th call (counting from 1); 0 never.
  int failCreateWindowAt = 0;
  // The Linux path (UTF-8) GetModuleFileNameA reports, converted to the
  // platform's form; empty for the running executable.
  std::string programPath;
  // The command line WinMain receives, in the platform's form.
  std::string commandLine;
  // ExitProcess ends the whole process (the real program) instead of only
  // the app thread (tests).
  bool exitEndsProcess = false;
};

class Session {
 public:
  explicit Session(Options options = Options());
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs the entry on the app thread; returns once the app is idle or ended.
  void Start(std::function<int()> entry);
  // Runs the program's WinMain with the options' command line.
  void StartWinMain() {
    Start([this] {
      return WinMain(GetModuleHandleA(nullptr), nullptr, commandLine_.data(), SW_SHOWNORMAL);
    });
  }

  // Lets the app run until it is idle again.
  void Idle();

  // Input. Each call ends with the app idle again.
  void MoveMouse(int x, int y);
  void Press(int x, int y);    // moves there, then the left button goes down
  void Release(int x, int y);  // moves there, then the left button goes up
  void Click(int x, int y);
  void KeyDown(UINT vk);
  void KeyUp(UINT vk);
  void Key(UINT vk);  // down and up
  // Modifiers down in order, the last key down and up, modifiers up in
  // reverse: KeyChord({VK_MENU, VK_F4}) is Alt+F4.
  void KeyChord(const std::vector<UINT>& keys);

  // The desktop and the rest of the system.
  void ActivateOtherProgram();
  void ReturnTo(HWND hwnd);  // as a click on the window's taskbar button
  void CloseRequest(HWND top);
  void LogOff();
  void PostQuitFromOutside(int code);

  bool Ended() const;
  int ExitCode() const;

  // The screen as composed now: the desktop and the visible top-level windows.
  const Surface& Screen();
  // Writes the screen, or one window's outer rectangle, as a PNG.
  bool SavePng(const std::string& path, HWND window = nullptr);

 private:
  void Inject(std::function<void()> input);

  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string commandLine_;
};

}  // namespace lw::testing
