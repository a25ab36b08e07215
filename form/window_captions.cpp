#include "form/window_captions.h"

#include <cstdint>

#include "form/control_tags.h"

namespace zarvek {
namespace {

std::optional<std::string> TextOf(std::optional<std::int16_t> id, Language language) {
    if (!id || !HasString(*id)) {
        return std::nullopt;
    }
    return LookupString(*id, language);
}

}  // namespace

std::optional<std::string> CaptionOfWholeId(std::string_view text, Language language) {
    return TextOf(WholeNumberId(text), language);
}

std::optional<std::string> CaptionOfLeadingId(std::string_view text, Language language) {
    const std::int16_t id = LeadingNumberId(text);
    return id > 0 ? TextOf(id, language) : std::nullopt;
}

}  // namespace zarvek
