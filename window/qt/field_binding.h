#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "common/number_text.h"
#include "form/form_model.h"
#include "window/qt/main_controls.h"

namespace zarvek {

// Binds the twenty text boxes to the form model, both ways. What the operator types or pastes is
// handed to the model as a change; the model's answer (a cut-down text, the caret at the end, a
// whole text selected on entry, a number rewritten on leaving) is shown in the box. The model is
// told why a box lost the focus (FocusLoss): to another control of the window, to another window,
// a menu or a message box, or to New (MoveFocusForNew). A box whose entry a command refused gets
// the focus (FocusRequested).
//
// The model, the boxes and the callbacks must outlive the binding. The binding registers itself as
// the model's observer and removes itself when destroyed. `showWriteGate` and `showInputLock`
// receive the model's gate and lock states; `textChanged` is told of every change of a field's
// text, after the box shows it (the model holds the new text).
class FieldBinding final : public QObject, public FormObserver {
  public:
    FieldBinding(FormModel& form, const std::array<QLineEdit*, kFieldCount>& boxes,
                 NumberLocale locale, std::function<void(bool open)> showWriteGate,
                 std::function<void(bool locked)> showInputLock,
                 std::function<void(Field field)> textChanged);
    ~FieldBinding() override;

    void TextChanged(Field field) override;
    void SelectionChanged(Field field) override;
    void WriteGateChanged(bool open) override;
    void InputLockChanged(bool locked) override;
    void FocusRequested(Field field) override;

    // Puts the keyboard focus on `field` for File > New: a field losing it is left by New.
    void MoveFocusForNew(Field field);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* Box(Field field) const;
    void ShowSelection(Field field);

    FormModel& form_;
    std::array<QLineEdit*, kFieldCount> boxes_;
    NumberLocale locale_;
    std::function<void(bool)> showWriteGate_;
    std::function<void(bool)> showInputLock_;
    std::function<void(Field)> textChanged_;
    bool movingFocusForNew_ = false;
};

}  // namespace zarvek
