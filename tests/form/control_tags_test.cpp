#include "form/control_tags.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>

namespace zarvek {
namespace {

using Group = std::optional<ControlGroup>;
constexpr Group kInput = ControlGroup::Input;
constexpr Group kView = ControlGroup::View;
constexpr Group kNone = std::nullopt;

struct TagCase {
    const char* tag;
    Group group;  // the same in every mode
};

void PrintTo(const TagCase& c, std::ostream* os) {
    *os << '"' << c.tag << '"';
}

// The Tag alone decides the group; controls outside both groups are never touched by a mode.
class ModesClassifyControlsByTag : public testing::TestWithParam<TagCase> {};

TEST_P(ModesClassifyControlsByTag, InEveryMode) {
    const TagCase c = GetParam();
    for (const WindowMode mode : {WindowMode::StartUp, WindowMode::Input, WindowMode::View}) {
        EXPECT_EQ(ClassifyTag(c.tag, mode), c.group)
            << "\"" << c.tag << "\" mode " << static_cast<int>(mode);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tags, ModesClassifyControlsByTag,
    testing::Values(TagCase{"Input", kInput}, TagCase{"OpenExist", kView}, TagCase{"1023", kInput},
                    TagCase{"1031", kInput}, TagCase{"1027", kInput}, TagCase{"1033", kInput},
                    TagCase{"1036", kInput}, TagCase{"1038", kInput}, TagCase{"1039", kInput},
                    TagCase{"1068", kInput},
                    // Compared by value.
                    TagCase{"1039.0", kInput}, TagCase{" 1068 ", kInput}, TagCase{"1030.5", kInput},
                    // The window title, the label "Pattern is Good!", Open Installed File and
                    // everything between the ranges belong to no group.
                    TagCase{"1022", kNone}, TagCase{"1065", kNone}, TagCase{"1032", kNone},
                    TagCase{"1037", kNone}, TagCase{"1022.9", kNone}, TagCase{"1031.5", kNone},
                    TagCase{"1040", kNone}, TagCase{"", kNone}, TagCase{"input", kNone},
                    TagCase{"Openexist", kNone}, TagCase{"1039abc", kNone}));

struct WholeCase {
    const char* text;
    std::optional<std::int16_t> id;
};

void PrintTo(const WholeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class CaptionIdTakenWhole : public testing::TestWithParam<WholeCase> {};

TEST_P(CaptionIdTakenWhole, Converts) {
    EXPECT_EQ(WholeNumberId(GetParam().text), GetParam().id) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, CaptionIdTakenWhole,
                         testing::Values(WholeCase{"1001", 1001}, WholeCase{" 1006 ", 1006},
                                         WholeCase{"1039.5", 1040}, WholeCase{"1038.5", 1038},
                                         WholeCase{"-1", -1}, WholeCase{"32767", 32767},
                                         WholeCase{"32768", std::nullopt},
                                         WholeCase{"-", std::nullopt}, WholeCase{"", std::nullopt},
                                         WholeCase{"Input", std::nullopt},
                                         WholeCase{"1039a", std::nullopt}, WholeCase{"1e3", 1000},
                                         WholeCase{"1e999", std::nullopt}));

struct LeadingCase {
    const char* text;
    std::int16_t id;
};

void PrintTo(const LeadingCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class CaptionIdFromLeadingNumber : public testing::TestWithParam<LeadingCase> {};

TEST_P(CaptionIdFromLeadingNumber, Reads) {
    EXPECT_EQ(LeadingNumberId(GetParam().text), GetParam().id) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, CaptionIdFromLeadingNumber,
                         testing::Values(LeadingCase{"1039", 1039}, LeadingCase{"1039abc", 1039},
                                         LeadingCase{" 10 39", 1039}, LeadingCase{"Input", 0},
                                         LeadingCase{"OpenExist", 0}, LeadingCase{"", 0},
                                         LeadingCase{"-5", -5}, LeadingCase{"40000", 0},
                                         LeadingCase{"1038.5x", 1038}, LeadingCase{"1.0e3", 1000},
                                         LeadingCase{"12e", 12}));

}  // namespace
}  // namespace zarvek
