#pragma once

#include <string>

#include "wizard/strings/string_ids.h"

namespace zarvek {

enum class Language { English, German };

// The text of `id` in `language` (UTF-8). Where the table has no text of that language for the
// id, the English text is returned; the choice is made for each lookup. Throws StringLookupError
// for an id that exists in no language.
std::string LookupString(int id, Language language);

// Whether the table holds `id` in any language.
bool HasString(int id);

// The user's interface language as the platform reports it: German when the language starts
// with "de", otherwise English. Elsewhere than on Windows it is the first non-empty one of the
// environment variables LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
Language InterfaceLanguage();

// The rule above applied to a language name such as "de_DE.UTF-8" or "de-AT".
Language LanguageFromName(const std::string& name);

}  // namespace zarvek
