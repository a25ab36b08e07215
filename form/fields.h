#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "strings/string_table.h"

namespace zarvek {

// The twenty entry fields of the seat-entry form, in the window's control order (which is also
// its focus order): part name, probe diameter, then the six components of Point 1, 2 and 3.
// clang-format off
enum class Field : int {
    PartName,
    ProbeDiameter,
    X1, Y1, Z1, I1, J1, K1,
    X2, Y2, Z2, I2, J2, K2,
    X3, Y3, Z3, I3, J3, K3,
};
// clang-format on

inline constexpr int kFieldCount = 20;

// The six components of a seat: position X, Y, Z and direction I, J, K.
enum class Axis : int { X, Y, Z, I, J, K };

// The field of `axis` for seat `seat` (0, 1 or 2 for Point 1, 2, 3).
constexpr Field SeatField(Axis axis, int seat) {
    return static_cast<Field>(2 + 6 * seat + static_cast<int>(axis));
}

constexpr int IndexOf(Field field) {
    return static_cast<int>(field);
}

// Every field, in control order.
const std::array<Field, kFieldCount>& AllFields();

// The eighteen seat fields (no part name, no probe diameter), in control order.
const std::array<Field, 18>& SeatFields();

// How a field reacts to changes and to the keyboard focus.
struct FieldRules {
    // The change handling cuts forbidden characters off (VerifyInput).
    bool verifiesCharacters = false;
    // Receiving the focus selects the whole text.
    bool selectsAllOnFocus = false;
    // Losing the focus rewrites a number with this many decimals; no value: never rewritten.
    std::optional<int> decimalsOnLeaving;
};

// Positions: checked, selected on focus, four decimals on leaving. Directions: the same with six
// decimals. Probe diameter: checked only. Part name: free text.
FieldRules RulesOf(Field field);

// The control name of the field in the window ("txtPartName", "txtProbeDia", "txtX(0)" ..
// "txtK(2)"; the seat fields are control arrays indexed by seat).
std::string ControlName(Field field);

// The field's name for the operator, in `language`: "Point 2 Y" / "Punkt 2 Y", or the probe
// diameter's and part name's own names.
std::string DisplayName(Field field, Language language);

}  // namespace zarvek
