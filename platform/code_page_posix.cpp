#include "platform/code_page.h"
#include "platform/windows_1252.h"

namespace zarvek {

std::string AnsiToUtf8(std::string_view bytes) {
    return DecodeWindows1252(bytes);
}

std::string Utf8ToAnsi(std::string_view text) {
    return EncodeWindows1252(text);
}

}  // namespace zarvek
