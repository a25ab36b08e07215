#pragma once

#include <string>

#include "strings/string_ids.h"

namespace zarvek {

enum class Language { English, German };

// The text of `id` in `language` (UTF-8). Where the table has no text of that language for the
// id, the English text is returned; the choice is made for each lookup. Throws StringLookupError
// for an id that exists in no language.
std::string LookupString(int id, Language language);

// Whether the table holds `id` in any language.
bool HasString(int id);

// German for a language name that starts with "de" (such as "de_DE.UTF-8" or "de-AT"),
// otherwise English.
Language LanguageFromName(const std::string& name);

}  // namespace zarvek
