// A small program for the controls' tests: one top-level window with
// "BUTTON" controls made the way the application makes them, a parent that
// records what its buttons report and can answer colour requests, and a
// focus memory like the application's main window.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "lw/testing.h"
#include "winapi.h"

// One WM_COMMAND from a button, with the button's check state at that time.
struct Report {
  int id;
  int code;
  HWND from;
  LRESULT checkThen;
};

struct Bench {
  HWND main = nullptr;
  std::vector<Report> reports;
  std::vector<POINT> parentClicks;  // WM_LBUTTONDOWN the parent got
  HBRUSH colorAnswer = nullptr;     // answers colour requests when set
  std::map<HWND, HWND> remembered;  // focus memory of each top-level window
  // Runs for each report, on the app thread, after it is recorded.
  std::function<void(const Report&)> onReport;
  std::function<void()> appTask;  // run on the app thread by RunOnApp
};

inline Bench& TheBench() {
  static Bench bench;
  return bench;
}

inline LRESULT CALLBACK BenchProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Bench& b = TheBench();
  switch (msg) {
    case WM_COMMAND: {
      HWND from = reinterpret_cast<HWND>(lp);
      const Report r{LOWORD(wp), HIWORD(wp), from, SendMessageA(from, BM_GETCHECK, 0, 0)};
      b.reports.push_back(r);
      if (b.onReport) b.onReport(r);
      return 0;
    }
    case WM_LBUTTONDOWN:
      b.parentClicks.push_back(
          POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (!b.colorAnswer) break;
      SetTextColor(reinterpret_cast<HDC>(wp), RGB(0, 0, 0));
      SetBkColor(reinterpret_cast<HDC>(wp), RGB(0, 128, 0));
      return reinterpret_cast<LRESULT>(b.colorAnswer);
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        if (IsChild(hwnd, GetFocus())) b.remembered[hwnd] = GetFocus();
      } else if (IsChild(hwnd, b.remembered[hwnd])) {
        SetFocus(b.remembered[hwnd]);
        return 0;
      }
      break;
    case WM_APP:
      if (b.appTask) b.appTask();
      return 0;
    case WM_DESTROY:
      if (hwnd == b.main) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

constexpr char kBenchClass[] = "ControlsBench";

// "优化正在运行内存", "立即优化", "关于我们"
constexpr char kCheckText[] = "\xD3\xC5\xBB\xAF\xD5\xFD\xD4\xDA\xD4\xCB\xD0\xD0\xC4\xDA\xB4\xE6";
constexpr char kPushText[] = "\xC1\xA2\xBC\xB4\xD3\xC5\xBB\xAF";
constexpr char kGroupText[] = "\xB9\xD8\xD3\xDA\xCE\xD2\xC3\xC7";

constexpr DWORD kCheckStyle = BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP;
constexpr DWORD kPushStyle = BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP;
constexpr DWORD kGroupStyle = BS_GROUPBOX | BS_LEFT;

inline HWND MakeBenchWindow(const char* title, int x, int y, int w, int h) {
  WNDCLASSA wc{};
  if (!GetClassInfoA(nullptr, kBenchClass, &wc)) {
    wc.lpfnWndProc = BenchProc;
    wc.lpszClassName = kBenchClass;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    RegisterClassA(&wc);
  }
  HWND top = CreateWindowExA(0, kBenchClass, title, WS_CAPTION | WS_SYSMENU, x, y, w, h, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(top, SW_SHOW);
  return top;
}

inline HWND MakeButton(HWND parent, const char* text, DWORD style, int id, int x, int y, int w,
                       int h) {
  HWND button = CreateWindowExA(
      0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, w, h, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return button;
}

// Runs `setup` on the app thread inside the bench's main window, then the
// usual message loop.
inline int RunBench(const std::function<void(HWND)>& setup) {
  Bench& b = TheBench();
  b.main = MakeBenchWindow("bench", 100, 100, 506, 479);
  setup(b.main);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

// Runs `task` on the app thread, as the program's own code would, and lets
// the app become idle again.
inline void RunOnApp(lw::testing::Session& s, std::function<void()> task) {
  TheBench().appTask = std::move(task);
  PostMessageA(TheBench().main, WM_APP, 0, 0);
  s.Idle();
}

// A point of a window in screen coordinates, from its client origin.
inline POINT OnScreen(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

inline POINT CenterOf(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return OnScreen(hwnd, r.right / 2, r.bottom / 2);
}

inline void ClickOn(lw::testing::Session& s, HWND hwnd) {
  const POINT p = CenterOf(hwnd);
  s.Click(p.x, p.y);
}

// The screen as composed at one moment, read in a window's client
// coordinates as COLORREF values.
class Shot {
 public:
  explicit Shot(lw::testing::Session& s) : screen_(s.Screen()) {}
  COLORREF At(HWND hwnd, int x, int y) const {
    const POINT p = OnScreen(hwnd, x, y);
    return lw::ColorFromPixel(screen_.Row(p.y)[p.x]);
  }

 private:
  lw::Surface screen_;
};

inline COLORREF PixelAt(lw::testing::Session& s, HWND hwnd, int x, int y) {
  return Shot(s).At(hwnd, x, y);
}

inline std::string TextOf(HWND hwnd) {
  char buffer[256] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  return buffer;
}
