#include "installation_key_win32.h"

#include "platform/registry.h"

namespace zarvek::testing_support {
namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = static_cast<int>(utf8.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

const std::wstring kKeyPath = Wide(std::string(kInstallationKeyBelowHive));

bool KeyExists(const std::wstring& path, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool MayCreateKeys(REGSAM view) {
    HKEY software = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software", 0, KEY_CREATE_SUB_KEY | view, &software) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(software);
    return true;
}

}  // namespace

RegistryValue TextValue(const std::string& utf8, DWORD type, bool terminated) {
    std::wstring text = Wide(utf8);
    if (terminated) {
        text.push_back(L'\0');
    }
    const auto* begin = reinterpret_cast<const BYTE*>(text.data());
    return {type, std::vector<BYTE>(begin, begin + text.size() * sizeof(wchar_t))};
}

RegistryValue NumberValue(DWORD number) {
    const auto* begin = reinterpret_cast<const BYTE*>(&number);
    return {REG_DWORD, std::vector<BYTE>(begin, begin + sizeof number)};
}

void InstallationKeyTest::SetUp() {
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        if (KeyExists(kKeyPath, view)) {
            GTEST_SKIP() << kRegistryTestsSkipped
                         << ": this machine has the host's installation key, which is left alone";
        }
        if (!MayCreateKeys(view)) {
            GTEST_SKIP() << kRegistryTestsSkipped
                         << ": writing below HKEY_LOCAL_MACHINE needs administrator rights";
        }
    }
}

void InstallationKeyTest::TearDown() {
    RemoveKeys();
}

void InstallationKeyTest::RemoveKeys() {
    for (auto key = created_.rbegin(); key != created_.rend(); ++key) {
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key->second.c_str(), key->first, 0);
    }
    created_.clear();
}

void InstallationKeyTest::CreateKey(REGSAM view) {
    // "Software", then "Software\Altreon" and so on down to the key itself.
    std::size_t end = 0;
    do {
        end = kKeyPath.find(L'\\', end + 1);
        const std::wstring path = kKeyPath.substr(0, end);
        HKEY key = nullptr;
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE | view,
                                  nullptr, &key, &disposition),
                  ERROR_SUCCESS);
        RegCloseKey(key);
        if (disposition == REG_CREATED_NEW_KEY) {
            created_.emplace_back(view, path);
        }
    } while (end != std::wstring::npos);
}

void InstallationKeyTest::SetDirectory(const RegistryValue& value, REGSAM view) {
    CreateKey(view);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath.c_str(), 0, KEY_SET_VALUE | view, &key),
              ERROR_SUCCESS);
    const LSTATUS status = RegSetValueExW(key, L"Directory", 0, value.type, value.bytes.data(),
                                          static_cast<DWORD>(value.bytes.size()));
    RegCloseKey(key);
    ASSERT_EQ(status, ERROR_SUCCESS);
}

}  // namespace zarvek::testing_support
