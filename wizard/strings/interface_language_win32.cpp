#include <windows.h>

#include "wizard/strings/string_table.h"

namespace zarvek {

Language InterfaceLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN ? Language::German
                                                                    : Language::English;
}

}  // namespace zarvek
