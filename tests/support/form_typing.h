#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "form/form_model.h"

namespace zarvek::testing_support {

// Texts separated by spaces, "''" standing for an empty one.
inline std::vector<std::string> Words(const char* texts) {
    std::vector<std::string> words;
    std::istringstream in(texts);
    for (std::string word; in >> word;) {
        words.push_back(word == "''" ? "" : word);
    }
    return words;
}

// The seats of a part that passes Check Pattern: lengths 100, 106.3 and 85.4 mm, all pointing up.
constexpr const char* kPassingSeats = "0 0 0 0 0 1  100 0 0 0 0 1  30 80 0 0 0 1";
// Seats whose lengths (60, 70.7 and 51 mm) match none of the above.
constexpr const char* kOtherSeats = "0 0 0 0 0 1  60 0 0 0 0 1  10 50 0 0 0 1";

// Types a part as the operator does: its name, the probe diameter and the eighteen seat texts
// (X Y Z I J K of seat 1, then seats 2 and 3).
inline void TypePart(FormModel& form, const char* seats, const char* probe = "6",
                     const char* name = "Bracket") {
    form.SetText(Field::PartName, name);
    form.SetText(Field::ProbeDiameter, probe);
    const std::vector<std::string> texts = Words(seats);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        form.SetText(SeatFields()[i], texts[i]);
    }
}

}  // namespace zarvek::testing_support
