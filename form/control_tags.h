#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "form/window_mode.h"

namespace zarvek {

// The two groups of controls the modes show and hide.
enum class ControlGroup { Input, View };

// The group of a control by its Tag in `mode`, tested in this order: "Input"; a number from 1023
// to 1031; from 1033 to 1036; in StartUp "OpenExist"; 1038, 1039 or 1068; in Input and View
// "OpenExist". Words compare exactly; a Tag that is a number is compared by its value
// ("1039.0" is 1039). No value: the control belongs to no group (no Tag, 1022, 1065, 1032, any
// other word) and a mode change leaves it alone.
std::optional<ControlGroup> ClassifyTag(std::string_view tag, WindowMode mode);

// Whether a control of `group` is shown and enabled in `mode`: the input group in Input, the view
// group in View; in StartUp neither.
constexpr bool ShownInMode(ControlGroup group, WindowMode mode) {
    return (mode == WindowMode::Input && group == ControlGroup::Input) ||
           (mode == WindowMode::View && group == ControlGroup::View);
}

// Whether "Pattern is Good!" (lblPatternIsGood, in no group) is shown: while the write gate is
// open, and only over the seat-entry form; in view mode it would stand over the viewer's tab bar.
// The gate itself is not touched by a mode change (toolbar "T+" stays enabled in view mode).
constexpr bool PatternIsGoodShown(bool writeGateOpen, WindowMode mode) {
    return writeGateOpen && mode == WindowMode::Input;
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
