#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "common/number_text.h"
#include "form/form_model.h"

namespace zarvek::win32 {

// Binds the twenty edit controls to the form model, both ways. Every change the operator makes
// (typing, pasting, cutting, deleting, undoing: the edit's EN_CHANGE) is handed to the model as
// a change; the model's answer (a cut-down text with one beep per removed character, the caret at
// the end, the whole text selected on entry, a number rewritten on leaving) is shown in the box.
// A text the program sets also sends EN_CHANGE: that one is not heard as typing.
//
// The edits are subclassed for the focus: receiving it selects as the model says (also after the
// click that gave it); losing it rewrites the field only when the focus moves to another control
// of `window`, not to a message box, a menu or another program. A box whose entry a command
// refused gets the focus (FocusRequested).
//
// The model, the edits and the callbacks must outlive the binding; it registers itself as the
// model's observer and removes itself (and the subclassing) when destroyed. `textChanged` is told
// of every change of a field's text after the box shows it.
class FieldEdits final : public FormObserver {
  public:
    FieldEdits(FormModel& form, const std::array<HWND, kFieldCount>& boxes, HWND window,
               NumberLocale locale, std::function<void(bool open)> showWriteGate,
               std::function<void(bool locked)> showInputLock,
               std::function<void(Field field)> textChanged);
    ~FieldEdits() override;
    FieldEdits(const FieldEdits&) = delete;
    FieldEdits& operator=(const FieldEdits&) = delete;

    // The edit `box` sent EN_CHANGE.
    void BoxChanged(HWND box);

    // Moves the focus to `field` for File > New: the field it leaves keeps its text.
    void MoveFocusForNew(Field field);

    void TextChanged(Field field) override;
    void SelectionChanged(Field field) override;
    void WriteGateChanged(bool open) override;
    void InputLockChanged(bool locked) override;
    void FocusRequested(Field field) override;

  private:
    static LRESULT CALLBACK EditProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR field, DWORD_PTR self);
    LRESULT HandleEditMessage(HWND box, Field field, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Box(Field field) const { return boxes_[static_cast<std::size_t>(IndexOf(field))]; }
    void ShowSelection(Field field);

    FormModel& form_;
    std::array<HWND, kFieldCount> boxes_;
    HWND window_;
    NumberLocale locale_;
    std::function<void(bool)> showWriteGate_;
    std::function<void(bool)> showInputLock_;
    std::function<void(Field)> textChanged_;
    bool settingText_ = false;
    bool movingFocusForNew_ = false;
};

}  // namespace zarvek::win32
