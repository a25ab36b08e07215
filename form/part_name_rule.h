#pragma once

#include "form/command_context.h"
#include "form/form_model.h"

namespace zarvek {

// Whether the grid file can hold the part name as typed: its code page must hold every character,
// since the writer stores any other as "?" and the name would change unseen. When not, shows why
// (string 1148 naming each such character once, quoted with its code, "\"Ω\" (U+03A9)"; title
// 1149; the critical icon) and returns false. Make and Add ask this before their question.
bool AcceptPartName(const FormModel& form, const CommandContext& context);

}  // namespace zarvek
