// The installation folder read from the real registry: written by the tests through the Win32
// API, read by a 64-bit program from the 32-bit view the host's installer writes.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "installation_key_win32.h"
#include "storage/installation_folder.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

struct EntryCase {
    const char* row;
    std::optional<RegistryValue> directory;  // none: the key without the value
    std::string folder;
};

void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.row;
}

class InstallationEntryRows : public InstallationKeyTest,
                              public testing::WithParamInterface<EntryCase> {};

TEST_P(InstallationEntryRows, GiveTheFolderWithoutAMissingKey) {
    if (GetParam().directory) {
        SetDirectory(*GetParam().directory);
    } else {
        CreateKey();
    }
    const ArmdataFolderLookup lookup = ReadArmdataFolder();
    EXPECT_EQ(lookup.folder, GetParam().folder);
    EXPECT_FALSE(lookup.keyMissing);
}

const std::string kLongFolder = "C:\\" + std::string(300, 'a');

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallationEntryRows,
    testing::Values(EntryCase{"ValueGivesItsArmdataFolder", TextValue("C:\\Arm\\Host"),
                              "C:\\Arm\\Host\\Armdata\\"},
                    EntryCase{"TrailingBackslashIsNotNormalised", TextValue("C:\\Arm\\Host\\"),
                              "C:\\Arm\\Host\\\\Armdata\\"},
                    EntryCase{"EmptyValueGivesTheBareArmdataFolder", TextValue(""), "\\Armdata\\"},
                    EntryCase{"ValueWithNoDataGivesTheBareArmdataFolder",
                              TextValue("", REG_SZ, false), "\\Armdata\\"},
                    EntryCase{"MissingValueGivesNothing", std::nullopt, ""},
                    EntryCase{"ExpandableStringGivesNothing",
                              TextValue("%ProgramFiles%\\Arm\\Host", REG_EXPAND_SZ), ""},
                    EntryCase{"NumberGivesNothing", NumberValue(2), ""},
                    EntryCase{"ValueWithoutTerminatingZeroEndsWithItsData",
                              TextValue("C:\\Arm", REG_SZ, false), "C:\\Arm\\Armdata\\"},
                    EntryCase{"TextAfterAnEmbeddedZeroIsIgnored",
                              TextValue(std::string("C:\\Arm\0junk", 11)), "C:\\Arm\\Armdata\\"},
                    EntryCase{"FolderOutsideTheAnsiCodePageKeepsItsCharacters",
                              TextValue("C:\\Pr\xC3\xBC"
                                        "fstand \xE2\x88\x85"),
                              "C:\\Pr\xC3\xBC"
                              "fstand \xE2\x88\x85\\Armdata\\"},
                    EntryCase{"ValueLongerThan254CharactersIsReadWhole", TextValue(kLongFolder),
                              kLongFolder + "\\Armdata\\"}),
    [](const testing::TestParamInfo<EntryCase>& info) { return info.param.row; });

class InstallationEntryWin32 : public InstallationKeyTest {};

TEST_F(InstallationEntryWin32, MissingKeyIsReported) {
    const ArmdataFolderLookup lookup = ReadArmdataFolder();
    EXPECT_EQ(lookup.folder, "");
    EXPECT_TRUE(lookup.keyMissing);
}

// A 64-bit build that forgot KEY_WOW64_32KEY would read the 64-bit view, where the host's
// 32-bit installer never writes.
TEST_F(InstallationEntryWin32, EntryInThe64BitViewOnlyIsNotTheHosts) {
    SetDirectory(TextValue("C:\\Wrong\\View"), KEY_WOW64_64KEY);
    EXPECT_TRUE(ReadArmdataFolder().keyMissing);
}

TEST_F(InstallationEntryWin32, EntryInThe32BitViewWinsOverThe64BitOne) {
    SetDirectory(TextValue("C:\\Wrong\\View"), KEY_WOW64_64KEY);
    SetDirectory("C:\\Arm\\Host");
    EXPECT_EQ(ReadArmdataFolder().folder, "C:\\Arm\\Host\\Armdata\\");
}

}  // namespace
}  // namespace zarvek
