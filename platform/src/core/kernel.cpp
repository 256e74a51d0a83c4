// KERNEL32 and OLE32. Paths are handed to the program the way the platform
// would: "Z:" and the Linux path with backslashes, in code page 936.
#include "core/kernel.h"

#include <iconv.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "lw/windows.h"

namespace lw {
namespace {

struct KernelState {
  ExitMode exitMode = ExitMode::EndProcess;
  std::string programPath;
  UINT errorMode = 0;
  int oleInits = 0;
};

KernelState& K() {
  static auto* state = new KernelState;
  return *state;
}

thread_local DWORD lastError = 0;

std::string Convert(const std::string& in, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return in;
  std::string out(in.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) break;
    *dst++ = *src++;  // keep a byte that does not convert
    --srcLeft;
    --dstLeft;
  }
  iconv_close(cd);
  out.resize(out.size() - dstLeft);
  return out;
}

std::string LinuxPathToWindows(const std::string& path) {
  std::string out = "Z:" + Utf8ToGbk(path);
  for (char& c : out)
    if (c == '/') c = '\\';
  return out;
}

// Backslashes become slashes, but not the second byte of a double-byte
// character, which may be 0x5C in code page 936.
std::string WindowsPathToLinux(const std::string& path) {
  std::string p = path;
  if (p.size() >= 2 && (p[0] == 'Z' || p[0] == 'z') && p[1] == ':') p = p.substr(2);
  for (size_t i = 0; i < p.size(); ++i) {
    if (IsDBCSLeadByteEx(936, static_cast<BYTE>(p[i])) && i + 1 < p.size()) {
      ++i;
    } else if (p[i] == '\\') {
      p[i] = '/';
    }
  }
  return GbkToUtf8(p);
}

// Copies with its terminator, truncating to the buffer; returns the length
// copied, or `size` when it had to truncate.
DWORD CopyTruncated(const std::string& s, LPSTR buffer, DWORD size) {
  const size_t n = std::min<size_t>(s.size(), size - 1);
  std::memcpy(buffer, s.data(), n);
  buffer[n] = 0;
  return n < s.size() ? size : static_cast<DWORD>(n);
}

}  // namespace

std::string GbkToUtf8(const std::string& gbk) { return Convert(gbk, "UTF-8", "GBK"); }
std::string Utf8ToGbk(const std::string& utf8) { return Convert(utf8, "GBK", "UTF-8"); }

void SetExitMode(ExitMode mode) { K().exitMode = mode; }
void SetProgramPath(const std::string& path) { K().programPath = path; }
void ResetKernel() { K() = KernelState{}; }

std::string ExecutablePath() {
  char self[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  return std::string(self, n > 0 ? n : 0);
}

}  // namespace lw

UINT SetErrorMode(UINT mode) {
  const UINT old = lw::K().errorMode;
  lw::K().errorMode = mode;
  return old;
}

DWORD GetModuleFileNameA(HMODULE, LPSTR buffer, DWORD size) {
  const std::string& set = lw::K().programPath;
  const std::string path = set.empty() ? lw::ExecutablePath() : set;
  if (!buffer || size == 0) return 0;
  return lw::CopyTruncated(lw::LinuxPathToWindows(path), buffer, size);
}

HMODULE GetModuleHandleA(LPCSTR name) {
  return name ? nullptr : reinterpret_cast<HMODULE>(uintptr_t{0x400000});
}

BOOL SetCurrentDirectoryA(LPCSTR path) {
  if (!path || !*path) return FALSE;
  return chdir(lw::WindowsPathToLinux(path).c_str()) == 0;
}

DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer) {
  char cwd[PATH_MAX];
  if (!getcwd(cwd, sizeof cwd)) return 0;
  const std::string windows = lw::LinuxPathToWindows(cwd);
  // Too small a buffer gets nothing, and learns the size it needs.
  if (!buffer || size <= windows.size()) return static_cast<DWORD>(windows.size() + 1);
  return lw::CopyTruncated(windows, buffer, size);
}

UINT GetACP() { return 936; }

BOOL IsDBCSLeadByteEx(UINT codePage, BYTE c) { return codePage == 936 && c >= 0x81 && c <= 0xFE; }

void ExitProcess(UINT code) {
  if (lw::K().exitMode == lw::ExitMode::EndAppThread) throw lw::ProcessExit{static_cast<int>(code)};
  std::fflush(nullptr);
  _exit(static_cast<int>(code));
}

DWORD GetLastError() { return lw::lastError; }
void SetLastError(DWORD code) { lw::lastError = code; }

HRESULT OleInitialize(LPVOID) { return lw::K().oleInits++ == 0 ? S_OK : S_FALSE; }

void OleUninitialize() {
  if (lw::K().oleInits > 0) --lw::K().oleInits;
}
