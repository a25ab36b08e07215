#include "form/part_name_rule.h"

#include <cstdio>
#include <string>

#include "form/command_messages.h"
#include "form/placeholders.h"
#include "platform/code_page.h"
#include "platform/utf8.h"
#include "strings/window_string_ids.h"

namespace zarvek {
namespace {

// "\"Ω\" (U+03A9)": the code names a character that shows as nothing or as a box.
std::string Named(char32_t character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    std::string named = "\"";
    AppendUtf8(named, character);
    return named + "\" (" + code + ")";
}

}  // namespace

bool AcceptPartName(const FormModel& form, const CommandContext& context) {
    const std::vector<char32_t> outside = CharactersOutsideCodePage(form.Text(Field::PartName));
    if (outside.empty()) {
        return true;
    }
    std::string list;
    for (const char32_t character : outside) {
        list += (list.empty() ? "" : ", ") + Named(character);
    }
    ShowOkMessage(context,
                  FillPlaceholders(LookupString(kNameOutsideCodePage, context.language), {list}),
                  LookupString(kNameOutsideCodePageTitle, context.language), Icon::Critical,
                  kNameOutsideCodePage);
    return false;
}

}  // namespace zarvek
