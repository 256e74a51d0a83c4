#include "backend/script.h"

#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "core/kernel.h"
#include "core/state.h"

namespace lw {
namespace {

constexpr int kStillRunning = 3;

std::string& Base() {
  static std::string base;
  return base;
}

std::string Resolve(const std::string& path) {
  return path.empty() || path[0] == '/' || Base().empty() ? path : Base() + "/" + path;
}

std::vector<std::string> SplitCommands(const std::string& script) {
  std::string text = script;
  std::ifstream file(Resolve(script));
  if (file) {
    std::stringstream all;
    all << file.rdbuf();
    text = all.str();
  }
  std::vector<std::string> commands;
  std::string current;
  for (char c : text + ";") {
    if (c == ';' || c == '\n') {
      const size_t start = current.find_first_not_of(" \t\r");
      if (start != std::string::npos && current[start] != '#')
        commands.push_back(current.substr(start));
      current.clear();
    } else {
      current += c;
    }
  }
  return commands;
}

bool ParseKey(std::string name, UINT* vk) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  static const std::map<std::string, UINT> named = {
      {"TAB", VK_TAB},       {"SPACE", VK_SPACE},  {"RETURN", VK_RETURN},  {"ENTER", VK_RETURN},
      {"ESCAPE", VK_ESCAPE}, {"ESC", VK_ESCAPE},   {"BACK", VK_BACK},      {"LEFT", VK_LEFT},
      {"RIGHT", VK_RIGHT},   {"UP", VK_UP},        {"DOWN", VK_DOWN},      {"ALT", VK_MENU},
      {"SHIFT", VK_SHIFT},   {"CTRL", VK_CONTROL}, {"CONTROL", VK_CONTROL}};
  if (auto it = named.find(name); it != named.end()) {
    *vk = it->second;
  } else if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    *vk = static_cast<UINT>(name[0]);
  } else if (name.size() >= 2 && name[0] == 'F' &&
             std::isdigit(static_cast<unsigned char>(name[1]))) {
    const int n = std::stoi(name.substr(1));
    if (n < 1 || n > 12) return false;
    *vk = VK_F1 + n - 1;
  } else {
    return false;
  }
  return true;
}

// "ALT+F4" presses ALT, then F4, and lets go in reverse.
bool PressChord(testing::Session& session, const std::string& chord) {
  std::vector<UINT> keys;
  std::stringstream parts(chord);
  std::string part;
  while (std::getline(parts, part, '+')) {
    UINT vk;
    if (!ParseKey(part, &vk)) return false;
    keys.push_back(vk);
  }
  if (keys.empty()) return false;
  session.KeyChord(keys);
  return true;
}

HWND FindByUtf8Title(const std::string& title) {
  for (Window* w : TopLevelWindows())
    if (GbkToUtf8(w->text) == title) return w->handle;
  return nullptr;
}

bool Shot(testing::Session& session, const std::string& path, HWND window) {
  if (!session.SavePng(Resolve(path), window)) {
    std::printf("lanxiu: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

// Runs one command; false when the script must stop with kStillRunning.
bool Run(testing::Session& session, const std::string& command) {
  std::istringstream in(command);
  std::string verb;
  in >> verb;
  int x = 0, y = 0;
  std::string a, b;
  if (verb == "idle") {
    session.Idle();
  } else if (verb == "move" && in >> x >> y) {
    session.MoveMouse(x, y);
  } else if (verb == "click" && in >> x >> y) {
    session.Click(x, y);
  } else if (verb == "press" && in >> x >> y) {
    session.Press(x, y);
  } else if (verb == "release" && in >> x >> y) {
    session.Release(x, y);
  } else if (verb == "key" && in >> a) {
    if (!PressChord(session, a)) std::printf("lanxiu: unknown key %s\n", a.c_str());
  } else if (verb == "shot" && in >> a) {
    Shot(session, a, nullptr);
  } else if (verb == "shot-window" && in >> a >> b) {
    HWND w = FindByUtf8Title(a);
    if (!w) std::printf("lanxiu: no window titled %s\n", a.c_str());
    if (w) Shot(session, b, w);
  } else if (verb == "shot-active" && in >> a) {
    if (HWND w = GetActiveWindow()) Shot(session, a, w);
  } else if (verb == "expect-ended") {
    if (!session.Ended()) {
      std::printf("lanxiu: expected the program to have ended, it is still running\n");
      return false;
    }
  } else if (verb == "print-cwd") {
    char cwd[PATH_MAX];
    std::printf("%s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
  } else {
    std::printf("lanxiu: cannot understand \"%s\"\n", command.c_str());
  }
  return true;
}

}  // namespace

void SetScriptBase(const std::string& base) { Base() = base; }

int RunScript(testing::Session& session, const std::string& script) {
  for (const std::string& command : SplitCommands(script))
    if (!Run(session, command)) return kStillRunning;
  if (session.Ended()) return session.ExitCode();
  std::printf("lanxiu: the script ended with the program still running\n");
  return kStillRunning;
}

int RunDefault(testing::Session& session, const std::string& shot) {
  if (Shot(session, shot, nullptr))
    std::printf("lanxiu: screen written to %s\n", Resolve(shot).c_str());
  // Each close may open or close other windows; give up after a few rounds.
  for (int round = 0; round < 8 && !session.Ended(); ++round) {
    std::vector<HWND> tops;
    for (Window* w : TopLevelWindows())
      if (w->Visible()) tops.push_back(w->handle);
    if (tops.empty()) break;
    for (HWND h : tops)
      if (IsWindow(h)) session.CloseRequest(h);
  }
  if (session.Ended()) return session.ExitCode();
  std::printf("lanxiu: the program did not end when its windows were closed\n");
  return kStillRunning;
}

}  // namespace lw
