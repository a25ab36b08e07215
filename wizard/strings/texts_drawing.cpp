#include "wizard/strings/text_entries.h"

namespace zarvek {

// Texts of the pattern drawing, ids 1250 to 1299.
std::span<const TextEntry> DrawingTexts() {
    return {};
}

}  // namespace zarvek
