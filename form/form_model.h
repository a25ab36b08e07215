#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "common/dialogs.h"
#include "common/number_text.h"
#include "form/fields.h"

namespace zarvek {

// Told of every change of the form model, so that a window can mirror it. Calls arrive
// synchronously, inside the model call that caused them.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    // The field's text changed (the model holds the new one).
    virtual void TextChanged(Field /*field*/) {}
    // The model moved the field's caret or selection.
    virtual void SelectionChanged(Field /*field*/) {}
    // DisableWriteCommands ran; `open` is the gate's state afterwards.
    virtual void WriteGateChanged(bool /*open*/) {}
    // LockInputFields ran.
    virtual void InputLockChanged(bool /*locked*/) {}
    // A refusal names the field: the window puts the keyboard focus there, as a move within the
    // window (the field left is left as on Tab). The selection follows as SelectionChanged.
    virtual void FocusRequested(Field /*field*/) {}
};

// Why a field lost the keyboard focus.
enum class FocusLoss {
    // The operator moved on to another control of the window (Tab, a click, a shortcut key).
    MovedOn,
    // Another window, a menu or a message box took the focus; it comes back to the field.
    WindowLeft,
    // File > New put the focus on the part name: New keeps every field as it is.
    ByNew,
};

// A selection in a field's text, in characters. Length 0 is a bare caret.
struct Selection {
    std::size_t start = 0;
    std::size_t length = 0;
    friend bool operator==(const Selection&, const Selection&) = default;
};

// The seat-entry form without a toolkit: the twenty field texts with their carets, the write gate
// (whether the current entries passed Check Pattern and may be written) and the input lock, with
// the behaviour of the fields on change, on receiving and on losing the focus.
//
// Every assignment of a different text is a change: checked fields are cut down to their longest
// valid beginning (one beep per removed character, through `dialogs`) and every change closes the
// write gate. Assigning the text a field already holds is no change and does nothing.
//
// The model does not own `dialogs` or the observer; both must outlive it (or the observer must be
// detached with SetObserver(nullptr) first).
class FormModel {
  public:
    explicit FormModel(Dialogs& dialogs) : dialogs_(dialogs) {}

    const std::string& Text(Field field) const { return texts_[Slot(field)]; }
    Selection SelectionOf(Field field) const { return selections_[Slot(field)]; }
    bool WriteGateOpen() const { return writeGateOpen_; }
    bool InputFieldsLocked() const { return inputLocked_; }

    // A change of the field's text, typed, pasted or set by the program (see the class comment).
    void SetText(Field field, std::string text);

    // The field received the keyboard focus: a position or direction field selects its whole
    // text; the probe diameter and the part name do nothing.
    void EnterField(Field field);

    // The field lost the keyboard focus. Only when the operator moved on is a position field
    // rewritten with four decimals and a direction field with six, reading and writing numbers by
    // `locale`; a text that is not a number, or holds the locale's digit-group separator, is left
    // as it is (Check Pattern, Make and Add refuse it). The probe diameter and part name are never
    // rewritten.
    void LeaveField(Field field, FocusLoss loss, const NumberLocale& locale);

    // A command refused the field's entry: asks the observer to put the focus on the field
    // (FocusRequested), then selects its whole text, so that the operator's next key replaces it.
    void FocusForCorrection(Field field);

    // Closes (true) or opens (false) the write gate. Every call is reported to the observer.
    void DisableWriteCommands(bool disable);

    // Locks (read-only) or unlocks every entry field. Every call is reported to the observer.
    void LockInputFields(bool lock);

    void SetObserver(FormObserver* observer) { observer_ = observer; }

  private:
    static std::size_t Slot(Field field) { return static_cast<std::size_t>(IndexOf(field)); }
    void Select(Field field, Selection selection);

    Dialogs& dialogs_;
    FormObserver* observer_ = nullptr;
    std::array<std::string, kFieldCount> texts_{};
    std::array<Selection, kFieldCount> selections_{};
    bool writeGateOpen_ = false;
    bool inputLocked_ = false;
};

// The start-up texts: every seat field set to "0.0000" with the decimal separator of `locale`
// ("0,0000" where "," is), seat by seat, X to K (each a change): a "." where it groups digits
// would be refused as a slip. The probe diameter and part name are left as they are.
void SetStartupSeatTexts(FormModel& form, const NumberLocale& locale);

}  // namespace zarvek
