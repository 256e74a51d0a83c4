// The process side of the layer: how ExitProcess ends things and which
// program path GetModuleFileNameA reports.
#pragma once

#include <string>

namespace lw {

// Thrown by ExitProcess inside a session; caught where the app thread
// started, which records the code.
struct ProcessExit {
  int code;
};

enum class ExitMode { EndAppThread, EndProcess };
void SetExitMode(ExitMode mode);
// The running program's Linux path (UTF-8); empty means /proc/self/exe.
void SetProgramPath(const std::string& path);
void ResetKernel();
// The running executable's Linux path.
std::string ExecutablePath();

// Code page 936 <-> UTF-8; bytes that do not convert are kept as they are.
std::string GbkToUtf8(const std::string& gbk);
std::string Utf8ToGbk(const std::string& utf8);

}  // namespace lw
