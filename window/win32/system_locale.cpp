#include "window/win32/system_locale.h"

#include <windows.h>

#include <array>

#include "form/locale_separators.h"
#include "platform/wide_text_win32.h"

namespace zarvek::win32 {
namespace {

std::string LocaleText(LCTYPE what) {
    std::array<wchar_t, 16> text{};
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, text.data(), static_cast<int>(text.size()));
    return length > 1 ? Narrow(std::wstring_view(text.data(), static_cast<std::size_t>(length - 1)))
                      : std::string();
}

}  // namespace

NumberLocale SystemNumberLocale() {
    return NumberLocaleFromSeparators(LocaleText(LOCALE_SDECIMAL), LocaleText(LOCALE_STHOUSAND));
}

}  // namespace zarvek::win32
