#include "form/fields.h"

#include "strings/window_string_ids.h"

namespace zarvek {
namespace {

constexpr std::array<const char*, 6> kAxisLetters = {"X", "Y", "Z", "I", "J", "K"};

// Seat fields hold the seat index and axis in their position: 2 + 6 * seat + axis.
int SeatOf(Field field) {
    return (IndexOf(field) - 2) / 6;
}

int AxisOf(Field field) {
    return (IndexOf(field) - 2) % 6;
}

bool IsSeatField(Field field) {
    return IndexOf(field) >= 2;
}

}  // namespace

const std::array<Field, kFieldCount>& AllFields() {
    static const std::array<Field, kFieldCount> fields = [] {
        std::array<Field, kFieldCount> all{};
        for (int i = 0; i < kFieldCount; ++i) {
            all[static_cast<std::size_t>(i)] = static_cast<Field>(i);
        }
        return all;
    }();
    return fields;
}

const std::array<Field, 18>& SeatFields() {
    static const std::array<Field, 18> fields = [] {
        std::array<Field, 18> seats{};
        for (int i = 0; i < 18; ++i) {
            seats[static_cast<std::size_t>(i)] = static_cast<Field>(i + 2);
        }
        return seats;
    }();
    return fields;
}

FieldRules RulesOf(Field field) {
    if (field == Field::PartName) {
        return FieldRules{};
    }
    if (field == Field::ProbeDiameter) {
        return FieldRules{
            .verifiesCharacters = true, .selectsAllOnFocus = false, .decimalsOnLeaving = {}};
    }
    const bool position = AxisOf(field) < 3;
    return FieldRules{.verifiesCharacters = true,
                      .selectsAllOnFocus = true,
                      .decimalsOnLeaving = position ? 4 : 6};
}

std::string ControlName(Field field) {
    if (field == Field::PartName) {
        return "txtPartName";
    }
    if (field == Field::ProbeDiameter) {
        return "txtProbeDia";
    }
    return std::string("txt") + kAxisLetters[static_cast<std::size_t>(AxisOf(field))] + "(" +
           std::to_string(SeatOf(field)) + ")";
}

std::string DisplayName(Field field, Language language) {
    if (!IsSeatField(field)) {
        return LookupString(field == Field::PartName ? kPartNameName : kProbeDiameterName,
                            language);
    }
    // "Point 1" .. "Point 3" are 1023 to 1025, the column headings "X" .. "K" 1026 to 1031.
    return LookupString(1023 + SeatOf(field), language) + " " +
           LookupString(1026 + AxisOf(field), language);
}

}  // namespace zarvek
