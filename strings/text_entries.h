#pragma once

#include <span>

namespace zarvek {

// One entry of the string table. `german` is null where the entry exists in English only.
struct TextEntry {
    int id;
    const char* english;
    const char* german;
};

// The table is kept in one file per id range so that each feature owns its texts:
std::span<const TextEntry> BaseTexts();         // 1000-1073
std::span<const TextEntry> WindowTexts();       // 1100-1149
std::span<const TextEntry> CliTexts();          // 1150-1199, 1300-1349
std::span<const TextEntry> ReliabilityTexts();  // 1200-1249
std::span<const TextEntry> DrawingTexts();      // 1250-1299

}  // namespace zarvek
