#include "wizard/strings/text_entries.h"

namespace zarvek {

// Texts of the command-line tool, ids 1150 to 1199.
std::span<const TextEntry> CliTexts() {
    return {};
}

}  // namespace zarvek
