#include <cstdlib>

#include "platform/interface_language.h"

namespace zarvek {

Language InterfaceLanguage() {
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return LanguageFromName(value);
        }
    }
    return Language::English;
}

}  // namespace zarvek
