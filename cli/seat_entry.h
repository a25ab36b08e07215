#pragma once

#include "cli/arguments.h"
#include "common/number_text.h"
#include "form/form_model.h"

namespace zarvek::cli {

// Types the command line's values into the form as an operator would, field after field in the
// window's control order: each field receives the focus, takes the text (a change, with the
// character check), and loses the focus (a position is then rewritten with four decimals, a
// direction with six, by `locale`). The part name and the probe diameter are typed only when
// `withNameAndProbe`; otherwise they stay empty.
void TypeIntoForm(FormModel& form, const Invocation& invocation, bool withNameAndProbe,
                  const NumberLocale& locale);

}  // namespace zarvek::cli
