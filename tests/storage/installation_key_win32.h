#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace zarvek::testing_support {

// What the registry tests print when they skip; CTest fails a wine run that prints it, so the
// registry rows cannot pass there without running.
inline constexpr const char* kRegistryTestsSkipped = "registry tests skipped";

// The data of a registry value: its type and raw bytes.
struct RegistryValue {
    DWORD type = REG_SZ;
    std::vector<BYTE> bytes;
};

// A text value as Windows stores it: UTF-16 with a terminating zero (unless `terminated` is
// false). `utf8` may hold a zero of its own.
RegistryValue TextValue(const std::string& utf8, DWORD type = REG_SZ, bool terminated = true);
RegistryValue NumberValue(DWORD number);

// Gives each test the host's installation key to itself. The key is written where the host's
// 32-bit installer writes it, the 32-bit view of HKEY_LOCAL_MACHINE (KEY_WOW64_32KEY), unless a
// test asks for the 64-bit view. A machine that has the key already (a real installation) is
// left alone and the test skipped, as is a process without the right to write below
// HKEY_LOCAL_MACHINE. Every key a test creates, parents included, is removed afterwards.
class InstallationKeyTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the installation key (and its missing parents) in `view`.
    void CreateKey(REGSAM view = KEY_WOW64_32KEY);
    // Stores the "Directory" value, creating the key first.
    void SetDirectory(const RegistryValue& value, REGSAM view = KEY_WOW64_32KEY);
    // Stores a plain-string "Directory" value in the 32-bit view.
    void SetDirectory(const std::string& utf8) { SetDirectory(TextValue(utf8)); }
    // Removes every key the test created, so that the installation key is missing again.
    void RemoveKeys();

  private:
    std::vector<std::pair<REGSAM, std::wstring>> created_;  // parents before children
};

}  // namespace zarvek::testing_support
