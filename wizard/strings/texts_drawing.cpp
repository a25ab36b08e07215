#include "wizard/strings/text_entries.h"

namespace zarvek {

// Texts of the pattern drawing and the parts table, ids 1250 to 1299.
std::span<const TextEntry> DrawingTexts() {
    static constexpr TextEntry kTexts[] = {
        {1250, "Type the three seats to see the pattern.",
         "Geben Sie die drei Punkte ein, um die Anordnung zu sehen."},
        {1251, "Two seats are at the same place.", "Zwei Punkte liegen an derselben Stelle."},
        {1252, "A seat direction is zero.", "Eine Punktrichtung ist null."},
        {1253, "The seat directions cancel each other out.",
         "Die Punktrichtungen heben sich gegenseitig auf."},
        {1254, "mm", "mm"},
        {1255, "Seen along the mean seat direction", "Blick entlang der mittleren Punktrichtung"},
    };
    return kTexts;
}

}  // namespace zarvek
