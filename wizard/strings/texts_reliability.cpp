#include "wizard/strings/text_entries.h"

namespace zarvek {

// Texts of the reliability, ids 1200 to 1249.
std::span<const TextEntry> ReliabilityTexts() {
    return {};
}

}  // namespace zarvek
