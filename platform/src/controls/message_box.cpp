// MessageBoxA: shows a box and runs its own modal loop on the calling
// thread until the box ends.
//
// Measured on the platform: with no owner and MB_TASKMODAL every enabled
// top-level window of the thread is disabled before the box appears and
// enabled again before it goes; without an owner and without MB_TASKMODAL
// nothing is disabled. WM_QUIT ends the box and is posted again. The window
// that was active before becomes active again afterwards, and its own focus
// memory puts its focus back: a disabled window keeps its focus until the
// box takes the activation from it.
#include "controls/message_box.h"

#include <optional>
#include <vector>

#include "controls/controls.h"

namespace lw {
namespace {

constexpr char kDefaultCaption[] = "\xB4\xED\xCE\xF3";  // 错误

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  HWND any = FindWindowA(nullptr, nullptr);
  for (HWND w = any ? GetWindow(any, GW_HWNDFIRST) : nullptr; w; w = GetWindow(w, GW_HWNDNEXT))
    windows.push_back(w);
  return windows;
}

// Disables what the box is modal to; returns the windows to enable again.
std::vector<HWND> DisableForModality(HWND owner, UINT type) {
  std::vector<HWND> candidates;
  if (owner)
    candidates.push_back(GetAncestor(owner, GA_ROOT));
  else if (type & MB_TASKMODAL)
    candidates = TopLevelWindows();
  std::vector<HWND> disabled;
  for (HWND w : candidates) {
    if (!IsWindowEnabled(w)) continue;
    EnableWindow(w, FALSE);
    disabled.push_back(w);
  }
  return disabled;
}

void EnableAgain(const std::vector<HWND>& windows) {
  for (HWND w : windows) {
    if (IsWindow(w)) EnableWindow(w, TRUE);
  }
}

// The box's keys, taken before dispatch as a dialog takes them: Enter is
// OK, Escape is Cancel (which an MB_OK box answers with IDOK), and Tab stays
// on the only tab stop, OK.
bool PreTranslateKey(HWND box, const MessageBoxState& state, const MSG& msg) {
  if (msg.message != WM_KEYDOWN || (msg.hwnd != box && !IsChild(box, msg.hwnd))) return false;
  switch (msg.wParam) {
    case VK_RETURN:
      SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(state.okButton));
      return true;
    case VK_ESCAPE:
      SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return true;
    case VK_TAB:
      SetFocus(state.okButton);
      return true;
  }
  return false;
}

// Returns the exit code of a WM_QUIT that ended the loop.
std::optional<int> RunModalLoop(HWND box, const MessageBoxState& state) {
  MSG msg{};
  while (!state.done) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got < 0) break;
    if (PreTranslateKey(box, state, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return std::nullopt;
}

}  // namespace
}  // namespace lw

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  if (owner && !IsWindow(owner)) return 0;
  lw::RegisterMessageBoxClass();
  HWND previousActive = GetActiveWindow();
  const std::vector<HWND> disabled = lw::DisableForModality(owner, type);
  lw::MessageBoxState state;
  HWND box = lw::CreateMessageBoxWindow(owner, text ? text : "",
                                        caption ? caption : lw::kDefaultCaption, type, &state);
  if (!box) {
    lw::EnableAgain(disabled);
    return 0;
  }
  ShowWindow(box, SW_SHOW);
  SetFocus(state.okButton);
  const std::optional<int> quit = lw::RunModalLoop(box, state);
  lw::EnableAgain(disabled);
  if (IsWindow(box)) DestroyWindow(box);
  if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
  if (quit) PostQuitMessage(*quit);
  return IDOK;  // an MB_OK box has no other answer
}
