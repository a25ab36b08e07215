#include "form/form_model.h"

#include <utility>

#include "common/errors.h"
#include "form/locale_separators.h"
#include "form/verify_input.h"

namespace zarvek {

void FormModel::SetText(Field field, std::string text) {
    std::string& current = texts_[Slot(field)];
    if (text == current) {
        return;
    }
    std::size_t caret = 0;
    if (RulesOf(field).verifiesCharacters) {
        // Each cut is itself a change that runs the check again; CutDownToValid gives the state
        // in which that chain of changes comes to rest.
        VerifiedText verified = CutDownToValid(text, dialogs_);
        text = std::move(verified.text);
        caret = verified.caret;
    }
    // Reported even when the cut-down text equals the old one: a window showing the typed text
    // must go back to it.
    current = std::move(text);
    if (observer_ != nullptr) {
        observer_->TextChanged(field);
    }
    if (RulesOf(field).verifiesCharacters) {
        Select(field, Selection{caret, 0});
    }
    DisableWriteCommands(true);
}

void FormModel::EnterField(Field field) {
    if (RulesOf(field).selectsAllOnFocus) {
        Select(field, Selection{0, CharacterCount(Text(field))});
    }
}

void FormModel::LeaveField(Field field, FocusLoss loss, const NumberLocale& locale) {
    const auto decimals = RulesOf(field).decimalsOnLeaving;
    if (!decimals || loss != FocusLoss::MovedOn) {
        return;
    }
    std::string formatted;
    try {
        formatted = FormatPattern(ParseLocaleNumber(Text(field), WithoutGrouping(locale)),
                                  *decimals, locale);
    } catch (const NumberFormatError&) {
        return;  // not a number, or a slip of the decimal separator: Check Pattern refuses it
    }
    SetText(field, std::move(formatted));
}

void FormModel::FocusForCorrection(Field field) {
    if (observer_ != nullptr) {
        observer_->FocusRequested(field);
    }
    // After the focus moved: receiving it may have selected otherwise.
    Select(field, Selection{0, CharacterCount(Text(field))});
}

void FormModel::DisableWriteCommands(bool disable) {
    writeGateOpen_ = !disable;
    if (observer_ != nullptr) {
        observer_->WriteGateChanged(writeGateOpen_);
    }
}

void FormModel::LockInputFields(bool lock) {
    inputLocked_ = lock;
    if (observer_ != nullptr) {
        observer_->InputLockChanged(lock);
    }
}

void FormModel::Select(Field field, Selection selection) {
    selections_[Slot(field)] = selection;
    if (observer_ != nullptr) {
        observer_->SelectionChanged(field);
    }
}

void SetStartupSeatTexts(FormModel& form, const NumberLocale& locale) {
    const std::string zero = FormatPattern(0.0, 4, locale);
    for (const Field field : SeatFields()) {
        form.SetText(field, zero);
    }
}

}  // namespace zarvek
