#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/reg_file.h"

namespace zarvek {
namespace {

using Status = RegistryLookup::Status;

const std::string kHead = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kKey = "[HKEY_LOCAL_MACHINE\\Software\\Altreon\\Quadrel\\2.2\\General]\r\n";

struct RegCase {
    const char* fault;
    std::string file;
    Status status;
    std::string text;
};

void PrintTo(const RegCase& c, std::ostream* out) {
    *out << c.fault;
}

class RegFileLookup : public testing::TestWithParam<RegCase> {};

TEST_P(RegFileLookup, FindsWhatImportingTheFileWouldStore) {
    const RegistryLookup found = FindTextInRegFile(GetParam().file, kInstallationKey, "Directory");
    EXPECT_EQ(found.status, GetParam().status);
    EXPECT_EQ(found.text, GetParam().text);
}

// "/opt/arm" as UTF-16 little-endian bytes for hex(1):.
const std::string kOptArmHex = "2f,00,6f,00,70,00,74,00,2f,00,61,00,72,00,6d,00";

std::string Utf16File(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileLookup,
    testing::Values(
        RegCase{"PlainString", kHead + kKey + "\"Directory\"=\"/opt/arm\"\r\n", Status::Text,
                "/opt/arm"},
        RegCase{"TrailingSeparatorIsKept", kHead + kKey + "\"Directory\"=\"/opt/arm/\"",
                Status::Text, "/opt/arm/"},
        RegCase{"EscapesAreUndone", kHead + kKey + "\"Directory\"=\"C:\\\\Arm \\\"Host\\\"\"",
                Status::Text, "C:\\Arm \"Host\""},
        RegCase{"EmptyString", kHead + kKey + "\"Directory\"=\"\"", Status::Text, ""},
        RegCase{"KeyAndValueNamesIgnoreCase",
                kHead + "[hkey_local_machine\\SOFTWARE\\altreon\\Quadrel\\2.2\\general]\n"
                        "\"DIRECTORY\"=\"/opt/arm\"\n",
                Status::Text, "/opt/arm"},
        RegCase{"Utf16FileAsRegeditWritesIt",
                Utf16File(kHead + kKey + "\"Directory\"=\"/opt/arm\"\r\n"), Status::Text,
                "/opt/arm"},
        RegCase{"HexStringWithContinuationLines",
                kHead + kKey +
                    "\"Directory\"=hex(1):2f,00,6f,00,70,00,74,00,\\\r\n  2f,00,61,00,"
                    "72,00,6d,00,00,00",
                Status::Text, "/opt/arm"},
        RegCase{"HexStringWithoutTerminatingZero",
                kHead + kKey + "\"Directory\"=hex(1):" + kOptArmHex, Status::Text, "/opt/arm"},
        RegCase{"HexStringEndsAtTheFirstZero",
                kHead + kKey + "\"Directory\"=hex(1):2f,00,61,00,00,00,62,00", Status::Text, "/a"},
        // U+1F600 as a surrogate pair: the reader must step over both units, then read on.
        RegCase{"SurrogatePairMisalignsTheRest",
                kHead + kKey + "\"Directory\"=hex(1):3d,d8,00,de,2f,00,61,00,00,00", Status::Text,
                "\xF0\x9F\x98\x80/a"},
        RegCase{"StringWithNoDataAtAllIsEmpty",
                kHead + kKey + "\"Directory\"=hex(1):", Status::Text, ""},
        RegCase{"LaterLineWins",
                kHead + kKey + "\"Directory\"=\"/old\"\r\n" + kKey + "\"Directory\"=\"/new\"",
                Status::Text, "/new"},
        RegCase{"ExpandableStringIsNoText",
                kHead + kKey + "\"Directory\"=hex(2):2f,00,6f,00,70,00,74,00,00,00", Status::NoText,
                ""},
        RegCase{"NumberIsNoText", kHead + kKey + "\"Directory\"=dword:00000001", Status::NoText,
                ""},
        RegCase{"MissingValue", kHead + kKey + "\"Other\"=\"/opt/arm\"", Status::NoText, ""},
        RegCase{"RemovedValue", kHead + kKey + "\"Directory\"=\"/opt/arm\"\r\n\"Directory\"=-",
                Status::NoText, ""},
        RegCase{"ValueOfAnotherKeyIsNotSeen",
                kHead +
                    "[HKEY_LOCAL_MACHINE\\Software\\Altreon\\Quadrel\\2.3\\General]\r\n"
                    "\"Directory\"=\"/opt/arm\"\r\n" +
                    kKey,
                Status::NoText, ""},
        RegCase{"SubkeyCreatesTheKey",
                kHead + "[HKEY_LOCAL_MACHINE\\Software\\Altreon\\Quadrel\\2.2\\General\\More]",
                Status::NoText, ""},
        RegCase{"UnterminatedStringIsSkipped", kHead + kKey + "\"Directory\"=\"/opt/arm",
                Status::NoText, ""},
        RegCase{"EmptyFile", "", Status::KeyMissing, ""},
        RegCase{"OtherKeyOnly",
                kHead + "[HKEY_CURRENT_USER\\Software\\Altreon\\Quadrel\\2.2\\General]\r\n"
                        "\"Directory\"=\"/opt/arm\"",
                Status::KeyMissing, ""},
        RegCase{"RemovedParentKey",
                kHead + kKey +
                    "\"Directory\"=\"/opt/arm\"\r\n"
                    "[-HKEY_LOCAL_MACHINE\\Software\\Altreon]\r\n",
                Status::KeyMissing, ""}),
    [](const testing::TestParamInfo<RegCase>& info) { return info.param.fault; });

}  // namespace
}  // namespace zarvek
