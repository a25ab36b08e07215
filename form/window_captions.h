#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "strings/string_table.h"

namespace zarvek {

// The captions LoadCaptions gives the window's controls, whatever the toolkit. A window visits its
// controls in control order and asks, by the control's kind:
// - the window, a label, a menu or menu item (from its own design caption) and a toolbar button
//   (from its tool tip): CaptionOfWholeId;
// - any other control, for its caption from its Tag and for its tool tip: CaptionOfLeadingId.
// No value: the step is skipped and the control keeps what it shows.

// The text of the id that `text` is as a whole (WholeNumberId), when the table holds that id.
std::optional<std::string> CaptionOfWholeId(std::string_view text, Language language);

// The text of the id that `text` starts with (LeadingNumberId), when it is above 0 and the table
// holds it.
std::optional<std::string> CaptionOfLeadingId(std::string_view text, Language language);

}  // namespace zarvek
