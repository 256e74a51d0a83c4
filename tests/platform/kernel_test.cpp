// KERNEL32 and OLE32 as the program sees them: its path and folder in code
// page 936, ExitProcess, OLE's counting.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/harness.h"

namespace {

using lw::testing::Options;
using lw::testing::Session;

// A folder whose name ends in 運, whose second GBK byte is a backslash.
struct DoubleByteFolder {
  DoubleByteFolder() {
    char pattern[] = "/tmp/lw-kernel-XXXXXX";
    base = mkdtemp(pattern);
    folder = base + "/\xE9\x81\x8B";  // 運 in UTF-8
    mkdir(folder.c_str(), 0700);
  }
  ~DoubleByteFolder() {
    rmdir(folder.c_str());
    rmdir(base.c_str());
  }
  std::string base;
  std::string folder;
};

TEST(Kernel, ProgramPathIsAWindowsPathInCodePage936) {
  DoubleByteFolder dir;
  Options o;
  o.programPath = dir.folder + "/lanxiu";
  Session s(o);
  std::string path;
  DWORD truncated = 0;
  char small[6];
  s.Start([&] {
    char buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    path.assign(buffer, n);
    truncated = GetModuleFileNameA(nullptr, small, sizeof small);
    return 0;
  });
  EXPECT_EQ(truncated, sizeof small);
  EXPECT_STREQ(small, "Z:\\tm");
  std::string expected = "Z:" + dir.base + "\\\xDF\x5C\\lanxiu";
  for (size_t i = 0; i < dir.base.size() + 2; ++i)
    if (expected[i] == '/') expected[i] = '\\';
  EXPECT_EQ(path, expected);
}

TEST(Kernel, CurrentDirectoryTakesADoubleByteNameWhole) {
  DoubleByteFolder dir;
  Session s;
  BOOL changed = FALSE;
  std::string reported;
  DWORD needed = 0;
  s.Start([&] {
    std::string windows = "Z:" + dir.base + "\\\xDF\x5C";
    for (size_t i = 0; i < dir.base.size() + 2; ++i)
      if (windows[i] == '/') windows[i] = '\\';
    changed = SetCurrentDirectoryA(windows.c_str());
    char buffer[MAX_PATH];
    reported.assign(buffer, GetCurrentDirectoryA(MAX_PATH, buffer));
    needed = GetCurrentDirectoryA(0, nullptr);
    return 0;
  });
  char cwd[4096];
  ASSERT_TRUE(getcwd(cwd, sizeof cwd));
  EXPECT_TRUE(changed);
  EXPECT_EQ(std::string(cwd), dir.folder);
  EXPECT_EQ(reported.substr(reported.size() - 3), "\\\xDF\x5C");
  EXPECT_EQ(needed, reported.size() + 1);
}

TEST(Kernel, CodePageIs936WithItsLeadBytes) {
  EXPECT_EQ(GetACP(), 936u);
  EXPECT_FALSE(IsDBCSLeadByteEx(936, 0x80));
  EXPECT_TRUE(IsDBCSLeadByteEx(936, 0x81));
  EXPECT_TRUE(IsDBCSLeadByteEx(936, 0xDF));
  EXPECT_TRUE(IsDBCSLeadByteEx(936, 0xFE));
  EXPECT_FALSE(IsDBCSLeadByteEx(936, 0xFF));
  EXPECT_FALSE(IsDBCSLeadByteEx(936, '\\'));
}

TEST(Kernel, ExitProcessEndsTheProgramWithItsCode) {
  Session s;
  bool after = false;
  s.Start([&] {
    ExitProcess(static_cast<UINT>(-1));
    after = true;
    return 0;
  });
  EXPECT_TRUE(s.Ended());
  EXPECT_FALSE(after);
  EXPECT_EQ(s.ExitCode(), -1);
}

TEST(Kernel, OleCountsItsInitialisations) {
  Session s;
  std::vector<HRESULT> results;
  s.Start([&] {
    results.push_back(OleInitialize(nullptr));
    results.push_back(OleInitialize(nullptr));
    OleUninitialize();
    OleUninitialize();
    results.push_back(OleInitialize(nullptr));
    return 0;
  });
  EXPECT_EQ(results, (std::vector<HRESULT>{S_OK, S_FALSE, S_OK}));
}

}  // namespace
