#include "form/control_tags.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace zarvek {
namespace {

// The Tag alone decides the group, compared by value; controls outside both groups (the window
// title, the label "Pattern is Good!", Open Installed File and everything between the ranges) are
// never touched by a mode.
TEST(ControlTags, ModesClassifyControlsByTagAlone) {
    const struct {
        std::optional<ControlGroup> group;  // the same in every mode
        std::vector<const char*> tags;
    } cases[] = {{ControlGroup::Input,
                  {"Input", "1023", "1031", "1027", "1033", "1036", "1038", "1039", "1068",
                   "1039.0", " 1068 ", "1030.5"}},
                 {ControlGroup::View, {"OpenExist"}},
                 {std::nullopt,
                  {"1022", "1065", "1032", "1037", "1022.9", "1031.5", "1040", "", "input",
                   "Openexist", "1039abc"}}};
    for (const auto& c : cases) {
        for (const char* tag : c.tags) {
            for (const WindowMode mode :
                 {WindowMode::StartUp, WindowMode::Input, WindowMode::View}) {
                EXPECT_EQ(ClassifyTag(tag, mode), c.group)
                    << "\"" << tag << "\" mode " << static_cast<int>(mode);
            }
        }
    }
}

TEST(ControlTags, CaptionIdTakenWholeRoundsAndRefusesWhatIsNoSixteenBitNumber) {
    const std::optional<std::int16_t> no;
    const struct {
        const char* text;
        std::optional<std::int16_t> id;
    } cases[] = {{"1001", 1001}, {" 1006 ", 1006}, {"1039.5", 1040}, {"1038.5", 1038},
                 {"-1", -1},     {"32767", 32767}, {"32768", no},    {"-", no},
                 {"", no},       {"Input", no},    {"1039a", no},    {"1e3", 1000},
                 {"1e999", no}};
    for (const auto& c : cases) {
        EXPECT_EQ(WholeNumberId(c.text), c.id) << '"' << c.text << '"';
    }
}

TEST(ControlTags, CaptionIdFromLeadingNumberSkipsSpacesAndStopsAtTheFirstOtherCharacter) {
    const struct {
        const char* text;
        std::int16_t id;
    } cases[] = {{"1039", 1039},    {"1039abc", 1039}, {" 10 39", 1039}, {"Input", 0},
                 {"OpenExist", 0},  {"", 0},           {"-5", -5},       {"40000", 0},
                 {"1038.5x", 1038}, {"1.0e3", 1000},   {"12e", 12}};
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingNumberId(c.text), c.id) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace zarvek
