#pragma once

#include "strings/string_table.h"

namespace zarvek {

// The user's interface language as the platform reports it: German when the language is German,
// otherwise English. On Windows it is the user's interface language; elsewhere the first
// non-empty one of the environment variables LANGUAGE, LC_ALL, LC_MESSAGES and LANG, read by
// LanguageFromName.
Language InterfaceLanguage();

}  // namespace zarvek
