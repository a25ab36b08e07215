#include "strings/string_table.h"

#include <array>
#include <span>

#include "common/errors.h"
#include "strings/text_entries.h"

namespace zarvek {
namespace {

const TextEntry* Find(int id) {
    const std::array<std::span<const TextEntry>, 5> ranges = {
        BaseTexts(), WindowTexts(), CliTexts(), ReliabilityTexts(), DrawingTexts()};
    for (const auto range : ranges) {
        for (const TextEntry& entry : range) {
            if (entry.id == id) {
                return &entry;
            }
        }
    }
    return nullptr;
}

}  // namespace

std::string LookupString(int id, Language language) {
    const TextEntry* entry = Find(id);
    if (entry == nullptr) {
        throw StringLookupError("The string table has no text with the id " + std::to_string(id) +
                                ".");
    }
    if (language == Language::German && entry->german != nullptr) {
        return entry->german;
    }
    return entry->english;
}

bool HasString(int id) {
    return Find(id) != nullptr;
}

Language LanguageFromName(const std::string& name) {
    const bool german = name.size() >= 2 && (name[0] == 'd' || name[0] == 'D') &&
                        (name[1] == 'e' || name[1] == 'E');
    return german ? Language::German : Language::English;
}

}  // namespace zarvek
