// The message queue and the message functions. Posted messages come first,
// then WM_QUIT, then WM_PAINT for windows with something to paint; when there
// is nothing at all GetMessageA waits in the backend for input.
#include <deque>

#include "backend/backend.h"
#include "core/paint.h"
#include "core/queue.h"
#include "core/state.h"

namespace lw {
namespace {

struct Queue {
  std::deque<MSG> posted;
  bool quitPosted = false;
  int quitCode = 0;
  DWORD time = 0;
};

Queue& Q() {
  static auto* queue = new Queue;
  return *queue;
}

bool InRange(UINT msg, UINT first, UINT last) {
  return (first == 0 && last == 0) || (msg >= first && msg <= last);
}

bool Matches(const MSG& m, HWND filter, UINT first, UINT last) {
  if (filter && m.hwnd != filter && !IsChild(filter, m.hwnd)) return false;
  return InRange(m.message, first, last);
}

// Finds the next message without waiting; false when there is none.
bool NextMessage(MSG* out, HWND filter, UINT first, UINT last, bool remove) {
  Queue& q = Q();
  for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
    if (!Matches(*it, filter, first, last)) continue;
    *out = *it;
    if (remove) q.posted.erase(it);
    return true;
  }
  if (q.quitPosted && InRange(WM_QUIT, first, last)) {
    *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q.quitCode), 0, q.time, {}};
    if (remove) q.quitPosted = false;
    return true;
  }
  if (InRange(WM_PAINT, first, last)) {
    Window* within = filter ? FromHandle(filter) : nullptr;
    if (filter && !within) return false;
    if (Window* w = NextWindowToPaint(within)) {
      *out = MSG{w->handle, WM_PAINT, 0, 0, q.time, {}};
      GetCursorPos(&out->pt);
      return true;
    }
  }
  return false;
}

}  // namespace

void PostToQueue(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  MSG m{hwnd, msg, wp, lp, ++Q().time, {}};
  GetCursorPos(&m.pt);
  Q().posted.push_back(m);
}

void ResetQueue() { Q() = Queue{}; }

}  // namespace lw

using lw::FromHandle;
using lw::Window;

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last) {
  while (!lw::NextMessage(msg, hwnd, first, last, true)) {
    if (hwnd && !FromHandle(hwnd)) return -1;  // nothing could ever come
    lw::CurrentBackend()->WaitForInput();
  }
  return msg->message != WM_QUIT;
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT flags) {
  return lw::NextMessage(msg, hwnd, first, last, (flags & PM_REMOVE) != 0);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (hwnd && !FromHandle(hwnd)) return FALSE;
  lw::PostToQueue(hwnd, msg, wp, lp);
  return TRUE;
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return lw::Send(FromHandle(hwnd), msg, wp, lp);
}

void PostQuitMessage(int code) {
  lw::Q().quitPosted = true;
  lw::Q().quitCode = code;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  Window* w = FromHandle(msg->hwnd);
  if (!w) return 0;
  return lw::Send(w, msg->message, msg->wParam, msg->lParam);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return proc ? proc(hwnd, msg, wp, lp) : 0;
}

namespace {

// The character a key gives on a US keyboard, or 0.
char CharacterFor(UINT vk, bool shift, bool ctrl) {
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return static_cast<char>(vk - 'A' + 1);
    return static_cast<char>(shift ? vk : vk - 'A' + 'a');
  }
  if (vk >= '0' && vk <= '9' && !shift) return static_cast<char>(vk);
  if (vk >= '0' && vk <= '9') return ")!@#$%^&*("[vk - '0'];
  switch (vk) {
    case VK_SPACE:
      return ' ';
    case VK_RETURN:
      return '\r';
    case VK_ESCAPE:
      return 0x1B;
    case VK_TAB:
      return '\t';
    case VK_BACK:
      return 0x08;
  }
  return 0;
}

}  // namespace

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const char c = CharacterFor(static_cast<UINT>(msg->wParam), shift, ctrl);
  if (!c) return FALSE;
  // The character comes before anything posted after the key.
  MSG m = *msg;
  m.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  m.wParam = static_cast<unsigned char>(c);
  lw::Q().posted.push_front(m);
  return TRUE;
}
