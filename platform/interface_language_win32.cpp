#include <windows.h>

#include "platform/interface_language.h"

namespace zarvek {

Language InterfaceLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN ? Language::German
                                                                    : Language::English;
}

}  // namespace zarvek
