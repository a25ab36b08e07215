#include "strings/string_table.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace zarvek {
namespace {

TEST(StringTable, EveryIdFrom1000To1073HasAnEnglishText) {
    for (int id = 1000; id <= 1073; ++id) {
        ASSERT_TRUE(HasString(id)) << id;
        EXPECT_FALSE(LookupString(id, Language::English).empty()) << id;
    }
}

TEST(StringTable, TextsKeepTheirExactCharacters) {
    const struct {
        int id;
        Language language;
        const char* expected;
    } cases[] = {
        {1060, Language::English,
         "The Probe Diameter in the Zarvek File is Different than the one Entered. \t\r\n"
         "The Probe Diameter for the New Part Needs to be:"},
        {1060, Language::German,
         "Der Tasterdurchmesser in der Zarvek Datei stimmt nicht mit der Eingabe überein. \t"},
        {1069, Language::English, "No Zarvek File Exists!  Make a Zarvek File First!"},
        {1069, Language::German,
         "ES besteht noch keine Zarvek Datei! Erstellen Sie zunächst eine neue Datei !"},
        {1066, Language::German, "Möchten Sie die bestehende Zarvek Datei ersetzen ?"},
        {1070, Language::German, "Quen Fill This In!"},
        {1071, Language::German, "Quen Fill This In Too!"},
        {1053, Language::German, "Der Verktor von Punkt 1 ist kein Vektor"},
        {1050, Language::German, "Die Drehrichtung MUß der Rechten Hand Regel folgen"},
        {1014, Language::English, "&About "},
        {1003, Language::German, "S&chließen"},
        {1022, Language::German, "Zarvek Assistent"},
        {1000, Language::German, "&Datei"},
        {1040, Language::English,
         "The Distance Between Point 3 and a Line Between Points 1 and 2 is Too Narrow"},
        {1045, Language::English,
         "The Length Between Points 1-2, and Points 2-3 Need to be Different"},
        {1195, Language::English,
         "--part: \"%1\" is not a part number. Write a whole number from 1, without a sign."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LookupString(c.id, c.language), c.expected) << c.id;
    }
}

TEST(StringTable, GermanFallsBackToEnglishPerLookup) {
    EXPECT_EQ(LookupString(1072, Language::German), "Could not Save Armspecs to Orvella Arm.");
    EXPECT_EQ(LookupString(1073, Language::German), "Zarvek File Wizard");
    EXPECT_EQ(LookupString(1047, Language::German), "Längen sind OK");
}

TEST(StringTable, UnknownIdsAreAnError) {
    for (const int id : {0, 999, 1074, 1099, -1}) {
        EXPECT_FALSE(HasString(id)) << id;
        EXPECT_THROW(LookupString(id, Language::English), StringLookupError) << id;
    }
}

TEST(InterfaceLanguage, GermanOnlyWhenTheNameStartsWithDe) {
    const struct {
        const char* name;
        Language expected;
    } cases[] = {
        {"de_DE.UTF-8", Language::German},  {"de", Language::German},
        {"de-AT", Language::German},        {"DE_ch", Language::German},
        {"fr_FR.UTF-8", Language::English}, {"en_US", Language::English},
        {"C", Language::English},           {"", Language::English},
        {"d", Language::English},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageFromName(c.name), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace zarvek
