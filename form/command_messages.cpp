#include "form/command_messages.h"

#include "form/placeholders.h"
#include "strings/string_ids.h"
#include "strings/window_string_ids.h"

namespace zarvek {
namespace {

std::string Text(const CommandContext& context, int id) {
    return LookupString(id, context.language);
}

}  // namespace

void ShowOkMessage(const CommandContext& context, const std::string& prompt,
                   const std::string& title, Icon icon, int textId) {
    context.dialogs.Ask(Message{prompt, title, Buttons::Ok, icon, Answer::Ok, textId});
}

void ShowEntryError(const CommandContext& context, const FieldNumberError& error) {
    const NumberLocale& locale = context.locale;
    std::string prompt;
    int textId = kFieldNotANumber;
    if (error.reason() == FieldNumberError::Reason::GroupSeparator &&
        error.field() == Field::ProbeDiameter) {
        textId = kProbeDiameterHasGroupSeparator;
        prompt = FillPlaceholders(Text(context, kProbeDiameterHasGroupSeparator),
                                  {error.text(), locale.groupSeparator, locale.decimalSeparator});
    } else if (error.reason() == FieldNumberError::Reason::GroupSeparator) {
        textId = kSeatFieldHasGroupSeparator;
        prompt = FillPlaceholders(Text(context, kSeatFieldHasGroupSeparator),
                                  {DisplayName(error.field(), context.language), error.text(),
                                   locale.groupSeparator, locale.decimalSeparator});
    } else {
        prompt = FillPlaceholders(Text(context, kFieldNotANumber),
                                  {DisplayName(error.field(), context.language), error.text()});
    }
    ShowOkMessage(context, prompt, Text(context, kInvalidNumberTitle), Icon::Critical, textId);
}

void ShowNoInstalledFile(const CommandContext& context) {
    ShowOkMessage(context, Text(context, kNoGridFileExists), Text(context, kInsufficientDataTitle),
                  Icon::Critical, kNoGridFileExists);
}

void ShowReadError(const CommandContext& context, const std::exception& reason) {
    ShowOkMessage(
        context, FillPlaceholders(Text(context, kInstalledFileUnreadable), {reason.what()}),
        Text(context, kCannotReadGridFileTitle), Icon::Critical, kInstalledFileUnreadable);
}

void ShowNotAGridFile(const CommandContext& context) {
    ShowOkMessage(
        context,
        FillPlaceholders(Text(context, kInstalledFileNotAGridFile), {context.gridFilePath}),
        Text(context, kNotAGridFileTitle), Icon::Critical, kInstalledFileNotAGridFile);
}

void ShowWriteError(const CommandContext& context, const std::exception& reason) {
    ShowOkMessage(context, FillPlaceholders(Text(context, kGridFileNotWritten), {reason.what()}),
                  Text(context, kCannotWriteGridFileTitle), Icon::Critical, kGridFileNotWritten);
}

void ShowCommandError(const CommandContext& context, const std::exception& reason) {
    ShowOkMessage(context, FillPlaceholders(Text(context, kCommandFailed), {reason.what()}),
                  Text(context, kErrorTitle), Icon::Critical, kCommandFailed);
}

}  // namespace zarvek
