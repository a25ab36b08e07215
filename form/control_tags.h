#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zarvek {

// The window's modes: nothing but menu and toolbar, the seat-entry form, the file viewer.
inline constexpr std::int16_t kStartupMode = 0;
inline constexpr std::int16_t kInputMode = 1;
inline constexpr std::int16_t kViewMode = 2;

// The two groups of controls the modes show and hide.
enum class ControlGroup { Input, View };

// The group of a control by its Tag in `mode` (0, 1 or 2), tested in this order: "Input"; a number
// from 1023 to 1031; from 1033 to 1036; in mode 0 "OpenExist"; 1038, 1039 or 1068; in modes 1
// and 2 "OpenExist". Words compare exactly; a Tag that is a number is compared by its value
// ("1039.0" is 1039). No value: the control belongs to no group (no Tag, 1022, 1065, 1032, any
// other word) and a mode change leaves it alone.
std::optional<ControlGroup> ClassifyTag(std::string_view tag, std::int16_t mode);

// Whether a control of `group` is shown and enabled in `mode`: the input group in mode 1, the view
// group in mode 2; in mode 0 neither.
constexpr bool ShownInMode(ControlGroup group, std::int16_t mode) {
    return (mode == kInputMode && group == ControlGroup::Input) ||
           (mode == kViewMode && group == ControlGroup::View);
}

// Whether SetWindowMode knows `mode`; any other mode changes nothing.
constexpr bool IsWindowMode(std::int16_t mode) {
    return mode == kStartupMode || mode == kInputMode || mode == kViewMode;
}

// A Tag or design caption taken whole as a string-table id: the text, blanks around it ignored,
// must be a decimal number; it is rounded to a whole number (halves to even) and must lie in the
// 16-bit range. No value otherwise ("1039a", "Input", "-", "").
std::optional<std::int16_t> WholeNumberId(std::string_view text);

// The number at the start of a Tag: blanks anywhere are skipped, then an optional sign, digits,
// an optional fraction and exponent are read up to the first character that cannot continue the
// number; rounded (halves to even) to 16 bits. 0 when the text starts with no number or the value
// lies outside the 16-bit range. "1039abc" gives 1039, "Input" gives 0.
std::int16_t LeadingNumberId(std::string_view text);

}  // namespace zarvek
