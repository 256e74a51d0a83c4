// A small program for the layer's tests: a class whose windows record the
// messages they get, paint their client area in a colour of their own and
// hand focus on activation to a chosen child, run inside a Session.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "lw/testing.h"
#include "winapi.h"

struct Record {
  HWND hwnd;
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};

// Shared by the test thread and the app thread, which never run together.
struct Journal {
  std::vector<Record> records;
  std::map<HWND, COLORREF> paint;                                  // client colour per window
  std::map<HWND, HWND> focusOnActivate;                            // top-level -> child
  std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)> hook;  // may answer

  // The messages one window got, in order, restricted to `only` if given.
  std::vector<UINT> For(HWND hwnd, std::vector<UINT> only = {}) const {
    std::vector<UINT> out;
    for (const Record& r : records) {
      if (r.hwnd != hwnd) continue;
      if (!only.empty() && std::find(only.begin(), only.end(), r.msg) == only.end()) continue;
      out.push_back(r.msg);
    }
    return out;
  }
  int Count(HWND hwnd, UINT msg) const {
    int n = 0;
    for (const Record& r : records) n += r.hwnd == hwnd && r.msg == msg;
    return n;
  }
};

inline Journal& TheJournal() {
  static Journal journal;
  return journal;
}

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Journal& j = TheJournal();
  j.records.push_back(Record{hwnd, msg, wp, lp});
  LRESULT answer = 0;
  if (j.hook && j.hook(hwnd, msg, wp, lp, &answer)) return answer;
  if (msg == WM_PAINT && j.paint.count(hwnd)) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(j.paint[hwnd]);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (msg == WM_SETFOCUS && j.focusOnActivate.count(hwnd)) {
    SetFocus(j.focusOnActivate[hwnd]);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

constexpr char kTestClass[] = "LayerTest";

inline void RegisterTestClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = RecordingProc;
  wc.lpszClassName = kTestClass;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  RegisterClassA(&wc);
}

inline HWND MakeTopLevel(const char* title, int x, int y, int w, int h,
                         DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN) {
  return CreateWindowExA(0, kTestClass, title, style, x, y, w, h, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

inline HWND MakeChild(HWND parent, int id, int x, int y, int w, int h, DWORD style = 0) {
  return CreateWindowExA(0, kTestClass, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

// The usual program: runs `setup` on the app thread, then a message loop
// until WM_QUIT, returning its wParam.
inline int RunProgram(const std::function<void()>& setup) {
  RegisterTestClass();
  setup();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

// Starts the usual program with `setup` and lets it run until it is idle.
inline void StartProgram(lw::testing::Session& s, const std::function<void()>& setup) {
  s.Start([setup] { return RunProgram(setup); });
}

// A running program with one shown top-level window; returns the window.
inline HWND StartShownWindow(lw::testing::Session& s, const char* title, int x, int y, int w,
                             int h) {
  HWND window = nullptr;
  StartProgram(s, [&] {
    window = MakeTopLevel(title, x, y, w, h);
    ShowWindow(window, SW_SHOW);
  });
  return window;
}

// Two 300 x 200 top-level windows shown in turn: `first` at the origin, then
// `second` at (x, y) with the show command `show`.
struct TwoWindows {
  HWND first = nullptr;
  HWND second = nullptr;
};

inline TwoWindows StartTwoWindows(lw::testing::Session& s, int x, int y, int show = SW_SHOW) {
  TwoWindows t;
  StartProgram(s, [&] {
    t.first = MakeTopLevel("a", 0, 0, 300, 200);
    ShowWindow(t.first, SW_SHOW);
    t.second = MakeTopLevel("b", x, y, 300, 200);
    ShowWindow(t.second, show);
  });
  return t;
}

struct Size {
  int w;
  int h;
};

// A shown 300 x 200 top-level window at the origin holding `child` at
// (10, 10) and, if it has a size, `grandchild` at (10, 10) in the child.
struct Nested {
  HWND main = nullptr;
  HWND child = nullptr;
  HWND grandchild = nullptr;
};

enum class FocusTo { kMain, kChild, kGrandchild };  // where activation puts it

inline Nested StartNested(lw::testing::Session& s, Size child, FocusTo focus = FocusTo::kMain,
                          Size grandchild = {0, 0}) {
  Nested f;
  StartProgram(s, [&] {
    f.main = MakeTopLevel("t", 0, 0, 300, 200);
    f.child = MakeChild(f.main, 1, 10, 10, child.w, child.h);
    if (grandchild.w > 0) f.grandchild = MakeChild(f.child, 2, 10, 10, grandchild.w, grandchild.h);
    if (focus == FocusTo::kChild) TheJournal().focusOnActivate[f.main] = f.child;
    if (focus == FocusTo::kGrandchild) TheJournal().focusOnActivate[f.main] = f.grandchild;
    ShowWindow(f.main, SW_SHOW);
  });
  return f;
}

inline uint32_t ScreenPixel(lw::testing::Session& s, int x, int y) {
  const lw::Surface& screen = s.Screen();
  return screen.Row(y)[x];
}

// 0x00RRGGBB as the screen stores it.
inline uint32_t Pixel(COLORREF c) { return lw::PixelFromColor(c); }
