// Reads the running program's state from Win32 itself, for the conformance runner.
//
// Runs in the same wine prefix as the program under test and answers one command per line on
// standard input with `key=value` lines on standard output, closed by a line `end`:
//   state       the main window, its geometry, focus, check marks, message box, current folder
//   hit X Y     what the main window says lies at screen point X,Y (WM_NCHITTEST)
// Texts are written as UTF-8, read through the wide functions so they do not depend on the code
// page the state reader itself runs under.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// 澜岫内存优化器
const wchar_t kMainTitle[] = L"\x6F9C\x5CAB\x5185\x5B58\x4F18\x5316\x5668";
const int kCheckBoxIds[] = {110, 120, 130, 140};

class Report {
 public:
  void Add(const char* key, const std::string& value) {
    text_ += key;
    text_ += '=';
    text_ += value;
    text_ += '\n';
  }
  void Add(const char* key, long long value) { Add(key, std::to_string(value)); }
  void Add(const char* key, const RECT& r) { Add(key, Join({r.left, r.top, r.right, r.bottom})); }
  void Send() {
    text_ += "end\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text_.data(), static_cast<DWORD>(text_.size()),
              &written, nullptr);
    text_.clear();
  }
  static std::string Join(std::initializer_list<long> numbers) {
    std::string out;
    for (long n : numbers) {
      if (!out.empty()) out += ',';
      out += std::to_string(n);
    }
    return out;
  }

 private:
  std::string text_;
};

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[0], size,
                      nullptr, nullptr);
  return out;
}

std::wstring WindowText(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}

std::wstring ClassName(HWND window) {
  wchar_t buffer[256] = {};
  GetClassNameW(window, buffer, 256);
  return buffer;
}

struct TopLevelWindows {
  DWORD process = 0;  // 0: every process
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  auto* windows = reinterpret_cast<TopLevelWindows*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (IsWindowVisible(window) && (windows->process == 0 || owner == windows->process))
    windows->found.push_back(window);
  return TRUE;
}

std::vector<HWND> VisibleTopLevel(DWORD process) {
  TopLevelWindows windows{process, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows.found;
}

// Names a window the way the runner compares it: a control id, "main", "box" or its class.
std::string Describe(HWND window, HWND main, HWND box) {
  if (!window) return "none";
  if (window == main) return "main";
  if (box && (window == box || IsChild(box, window))) return "box";
  if (GetParent(window) == main) return std::to_string(GetDlgCtrlID(window));
  return "other:" + Utf8(ClassName(window));
}

// The current folder lives in the process parameters that the PEB points at; the layout below is
// the x86_64 one (PEB+0x20 -> parameters, parameters+0x38 -> CurrentDirectory.DosPath).
struct BasicInformation {
  LONG exit_status;
  void* peb;
  ULONG_PTR affinity;
  LONG priority;
  ULONG_PTR process_id;
  ULONG_PTR parent_id;
};
struct CountedString {
  USHORT length;
  USHORT maximum_length;
  wchar_t* buffer;
};
using QueryProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);

std::string CurrentDirectoryOf(DWORD process_id) {
  auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id);
  if (!query || !process) return "unreadable";
  std::wstring folder;
  BasicInformation basic{};
  void* parameters = nullptr;
  CountedString path{};
  SIZE_T got = 0;
  if (query(process, 0, &basic, sizeof basic, nullptr) >= 0 &&
      ReadProcessMemory(process, static_cast<char*>(basic.peb) + 0x20, &parameters,
                        sizeof parameters, &got) &&
      ReadProcessMemory(process, static_cast<char*>(parameters) + 0x38, &path, sizeof path, &got)) {
    folder.resize(path.length / sizeof(wchar_t));
    if (!ReadProcessMemory(process, path.buffer, &folder[0], path.length, &got)) folder.clear();
  }
  CloseHandle(process);
  return Utf8(folder);
}

HWND FindMessageBox(DWORD process_id) {
  for (HWND window : VisibleTopLevel(process_id))
    if (ClassName(window) == L"#32770") return window;
  return nullptr;
}

struct BoxParts {
  std::wstring text;
  HWND button = nullptr;
};

BOOL CALLBACK CollectBoxPart(HWND child, LPARAM param) {
  auto* parts = reinterpret_cast<BoxParts*>(param);
  std::wstring class_name = ClassName(child);
  std::wstring text = WindowText(child);
  if (_wcsicmp(class_name.c_str(), L"Static") == 0 && !text.empty()) parts->text = text;
  if (_wcsicmp(class_name.c_str(), L"Button") == 0 && !parts->button) parts->button = child;
  return TRUE;
}

void ReportMessageBox(Report& report, HWND box) {
  if (!box) {
    report.Add("box", "none");
    return;
  }
  BoxParts parts;
  EnumChildWindows(box, CollectBoxPart, reinterpret_cast<LPARAM>(&parts));
  RECT button{};
  if (parts.button) GetWindowRect(parts.button, &button);
  report.Add("box", "open");
  report.Add("box_title", Utf8(WindowText(box)));
  report.Add("box_text", Utf8(parts.text));
  report.Add("box_enabled", IsWindowEnabled(box) ? 1 : 0);
  report.Add("box_button",
             Report::Join({(button.left + button.right) / 2, (button.top + button.bottom) / 2}));
}

void ReportOtherWindows(Report& report) {
  std::string titles;
  for (HWND window : VisibleTopLevel(0)) {
    if (!titles.empty()) titles += " | ";
    titles += Utf8(WindowText(window)) + " (" + Utf8(ClassName(window)) + ")";
  }
  report.Add("windows", titles);
}

void ReportState(Report& report) {
  report.Add("acp", GetACP());
  HWND main = FindWindowW(nullptr, kMainTitle);
  if (!main) {
    report.Add("main", "none");
    ReportOtherWindows(report);
    return;
  }
  DWORD process_id = 0;
  DWORD thread_id = GetWindowThreadProcessId(main, &process_id);
  HWND box = FindMessageBox(process_id);
  report.Add("main", "found");
  report.Add("title", Utf8(WindowText(main)));
  RECT outer{};
  GetWindowRect(main, &outer);
  report.Add("rect", outer);
  RECT client{};
  GetClientRect(main, &client);
  report.Add("client", Report::Join({client.right, client.bottom}));
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  report.Add("client_origin", Report::Join({origin.x, origin.y}));
  report.Add("enabled", IsWindowEnabled(main) ? 1 : 0);
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(thread_id, &thread);
  report.Add("focus", Describe(thread.hwndFocus, main, box));
  report.Add("active", Describe(GetForegroundWindow(), main, box));
  std::string checks;
  for (int id : kCheckBoxIds) {
    LRESULT state = SendMessageW(GetDlgItem(main, id), BM_GETCHECK, 0, 0);
    checks += (checks.empty() ? "" : ",") + std::to_string(state);
  }
  report.Add("checks", checks);
  ReportMessageBox(report, box);
  report.Add("cwd", CurrentDirectoryOf(process_id));
}

void ReportHit(Report& report, int x, int y) {
  HWND main = FindWindowW(nullptr, kMainTitle);
  report.Add("hit", main ? SendMessageW(main, WM_NCHITTEST, 0, MAKELPARAM(x, y)) : -1);
}

bool ReadLine(std::string& line) {
  line.clear();
  char c = 0;
  DWORD got = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &c, 1, &got, nullptr) && got == 1) {
    if (c == '\n') return true;
    if (c != '\r') line += c;
  }
  return !line.empty();
}

}  // namespace

int main() {
  Report report;
  std::string line;
  while (ReadLine(line)) {
    int x = 0, y = 0;
    if (line == "state") {
      ReportState(report);
    } else if (std::sscanf(line.c_str(), "hit %d %d", &x, &y) == 2) {
      ReportHit(report, x, y);
    } else {
      report.Add("error", "unknown command: " + line);
    }
    report.Send();
  }
  return 0;
}
