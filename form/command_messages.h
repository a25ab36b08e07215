#pragma once

#include <exception>
#include <string>

#include "common/dialogs.h"
#include "form/command_context.h"
#include "form/read_fields.h"

namespace zarvek {

// The message boxes with which the commands report what stopped them. Each is modal, with an OK
// button and the critical icon, in the context's language; each returns once it is dismissed.

// Shows a box with an OK button: `prompt`, `title` (empty: the application title), `icon`;
// `textId` is the string-table id the prompt was made from (Message::textId), 0 for none.
void ShowOkMessage(const CommandContext& context, const std::string& prompt,
                   const std::string& title, Icon icon, int textId = 0);

// An entry that is not a number, naming the field and its text; or one holding the digit-group
// separator, naming the field, its text, that separator and the decimal separator to use.
void ShowEntryError(const CommandContext& context, const FieldNumberError& error);

// The installed grid file does not exist (the message Open Installed File shows).
void ShowNoInstalledFile(const CommandContext& context);

// The installed grid file could not be read; `reason` is the reader's message.
void ShowReadError(const CommandContext& context, const std::exception& reason);

// The installed file's first line holds no "$", so it is no grid file.
void ShowNotAGridFile(const CommandContext& context);

// The grid file could not be written; `reason` is the writer's message.
void ShowWriteError(const CommandContext& context, const std::exception& reason);

// Any other failure that ended a command.
void ShowCommandError(const CommandContext& context, const std::exception& reason);

}  // namespace zarvek
