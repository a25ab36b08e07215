#include "form/busy_message.h"

#include <string>

#include "form/command_messages.h"
#include "form/placeholders.h"
#include "strings/reliability_string_ids.h"

namespace zarvek {
namespace {

// Whole seconds as they are, anything else to a tenth, with the user's decimal separator.
std::string SecondsText(std::chrono::milliseconds waited, const NumberLocale& locale) {
    const auto tenths = (waited.count() + 50) / 100;
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        text += locale.decimalSeparator + std::to_string(tenths % 10);
    }
    return text;
}

}  // namespace

void ShowGridFileBusy(const CommandContext& context, const GridFileBusyError& error) {
    ShowOkMessage(
        context,
        FillPlaceholders(LookupString(kGridFileBusy, context.language),
                         {error.gridFilePath(), SecondsText(error.waited(), context.locale)}),
        LookupString(kGridFileBusyTitle, context.language), Icon::Exclamation, kGridFileBusy);
}

}  // namespace zarvek
