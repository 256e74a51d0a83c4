// Painting: which windows get WM_PAINT, what their DCs may touch, erasing,
// and repainting after a change of the system colours.
#include <gtest/gtest.h>

#include "platform/harness.h"

namespace {

using lw::testing::Session;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

uint32_t ClientPixel(Session& s, HWND w, int x, int y) {
  POINT p{x, y};
  ClientToScreen(w, &p);
  return ScreenPixel(s, p.x, p.y);
}

struct Family {
  HWND parent = nullptr;
  HWND child = nullptr;
};

Family StartFamily(Session& s, DWORD parentStyle) {
  Family f;
  StartProgram(s, [&] {
    f.parent = MakeTopLevel("t", 0, 0, 300, 200, WS_CAPTION | WS_SYSMENU | parentStyle);
    f.child = MakeChild(f.parent, 1, 10, 10, 50, 50);
    TheJournal().paint[f.parent] = kRed;
    TheJournal().paint[f.child] = kBlue;
    ShowWindow(f.parent, SW_SHOW);
  });
  return f;
}

TEST(Paint, ParentsPaintBeforeChildrenAndClipChildrenKeepsThemOut) {
  for (DWORD style : {DWORD{0}, DWORD{WS_CLIPCHILDREN}}) {
    SCOPED_TRACE(style ? "WS_CLIPCHILDREN" : "no clipping");
    Session s;
    Family f = StartFamily(s, style);
    EXPECT_EQ(ClientPixel(s, f.parent, 5, 5), Pixel(kRed));
    EXPECT_EQ(ClientPixel(s, f.child, 5, 5), Pixel(kBlue));

    TheJournal().records.clear();
    InvalidateRect(f.parent, nullptr, TRUE);
    s.Idle();
    EXPECT_EQ(ClientPixel(s, f.child, 5, 5), Pixel(kBlue));
    // Without WS_CLIPCHILDREN the parent painted over the child, which then
    // had to repaint too.
    EXPECT_EQ(TheJournal().Count(f.child, WM_PAINT), style ? 0 : 1);
    EXPECT_EQ(TheJournal().Count(f.parent, WM_PAINT), 1);
  }
}

TEST(Paint, ClipSiblingsKeepsALowerSiblingOffAnUpperOne) {
  Session s;
  HWND upper = nullptr, lower = nullptr;
  StartProgram(s, [&] {
    HWND main = MakeTopLevel("t", 0, 0, 300, 200, WS_CAPTION | WS_CLIPCHILDREN);
    lower = MakeChild(main, 1, 10, 10, 100, 100, WS_CLIPSIBLINGS);
    upper = MakeChild(main, 2, 50, 50, 100, 100, WS_CLIPSIBLINGS);
    TheJournal().paint[lower] = kRed;
    TheJournal().paint[upper] = kBlue;
    ShowWindow(main, SW_SHOW);
  });
  InvalidateRect(lower, nullptr, TRUE);
  s.Idle();
  EXPECT_EQ(ClientPixel(s, upper, 5, 5), Pixel(kBlue));  // inside the overlap
  EXPECT_EQ(ClientPixel(s, lower, 5, 5), Pixel(kRed));
}

TEST(Paint, OnlyTheInvalidPartIsPaintedAndReported) {
  Session s;
  HWND w = nullptr;
  RECT reported{};
  StartProgram(s, [&] {
    w = MakeTopLevel("t", 0, 0, 300, 200);
    TheJournal().paint[w] = kRed;
    ShowWindow(w, SW_SHOW);
  });
  TheJournal().paint[w] = kGreen;
  TheJournal().hook = [&](HWND, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (msg == WM_PAINT) GetUpdateRect(w, &reported, FALSE);
    return false;
  };
  RECT part{10, 10, 20, 30};
  InvalidateRect(w, &part, FALSE);
  s.Idle();
  EXPECT_TRUE(EqualRect(&reported, &part));
  EXPECT_EQ(ClientPixel(s, w, 15, 15), Pixel(kGreen));
  EXPECT_EQ(ClientPixel(s, w, 25, 15), Pixel(kRed));
  EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE));
}

TEST(Paint, HidingAChildRepaintsWhatWasUnderIt) {
  Session s;
  Family f = StartFamily(s, WS_CLIPCHILDREN);
  const uint32_t before = ClientPixel(s, f.child, 5, 5);
  TheJournal().hook = [&](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (hwnd == f.parent && msg == WM_LBUTTONDOWN) ShowWindow(f.child, SW_HIDE);
    return false;
  };
  POINT where{200, 150};
  ClientToScreen(f.parent, &where);
  POINT childSpot{15, 15};
  ClientToScreen(f.parent, &childSpot);
  s.Click(where.x, where.y);
  EXPECT_EQ(before, Pixel(kBlue));
  EXPECT_EQ(ScreenPixel(s, childSpot.x, childSpot.y), Pixel(kRed));
}

TEST(Paint, WindowDcsOutsidePaintHonourTheClipOfChildren) {
  Session s;
  Family f = StartFamily(s, WS_CLIPCHILDREN);
  HDC dc = GetDC(f.parent);
  HBRUSH green = CreateSolidBrush(kGreen);
  RECT all{0, 0, 300, 200};
  FillRect(dc, &all, green);
  DeleteObject(green);
  ReleaseDC(f.parent, dc);
  EXPECT_EQ(ClientPixel(s, f.parent, 5, 5), Pixel(kGreen));
  EXPECT_EQ(ClientPixel(s, f.child, 5, 5), Pixel(kBlue));
}

LRESULT CALLBACK ErasingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SYSCOLORCHANGE) TheJournal().records.push_back(Record{hwnd, msg, wp, lp});
  return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(Paint, TheClassBrushErasesAndFollowsTheSystemColours) {
  Session s;
  HWND w = nullptr;
  s.Start([&] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ErasingProc;
    wc.lpszClassName = "Erasing";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);
    w = CreateWindowExA(0, "Erasing", "t", WS_CAPTION | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                        nullptr, nullptr, nullptr);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0)) DispatchMessageA(&m);
    return 0;
  });
  EXPECT_EQ(ClientPixel(s, w, 10, 10), Pixel(GetSysColor(COLOR_BTNFACE)));
  const INT index = COLOR_BTNFACE;
  const COLORREF teal = RGB(0, 128, 128);
  SetSysColors(1, &index, &teal);
  EXPECT_EQ(TheJournal().Count(w, WM_SYSCOLORCHANGE), 1);
  s.Idle();
  EXPECT_EQ(ClientPixel(s, w, 10, 10), Pixel(teal));
}

}  // namespace
