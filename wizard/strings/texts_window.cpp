#include "wizard/strings/text_entries.h"

namespace zarvek {

// Texts of the window, ids 1100 to 1149.
std::span<const TextEntry> WindowTexts() {
    return {};
}

}  // namespace zarvek
