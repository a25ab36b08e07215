#include "window/qt/field_binding.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>
#include <utility>

namespace zarvek {
namespace {

// A position counted in characters (code points) as the model counts, in UTF-16 units as Qt
// counts.
int Utf16Position(const QString& text, std::size_t characters) {
    int position = 0;
    for (std::size_t c = 0; c < characters && position < text.size(); ++c) {
        position += text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
    }
    return position;
}

bool MovesWithinTheWindow(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

FocusLoss LossBy(Qt::FocusReason reason) {
    return MovesWithinTheWindow(reason) ? FocusLoss::MovedOn : FocusLoss::WindowLeft;
}

}  // namespace

FieldBinding::FieldBinding(FormModel& form, const std::array<QLineEdit*, kFieldCount>& boxes,
                           NumberLocale locale, std::function<void(bool)> showWriteGate,
                           std::function<void(bool)> showInputLock,
                           std::function<void(Field)> textChanged)
    : form_(form),
      boxes_(boxes),
      locale_(std::move(locale)),
      showWriteGate_(std::move(showWriteGate)),
      showInputLock_(std::move(showInputLock)),
      textChanged_(std::move(textChanged)) {
    for (const Field field : AllFields()) {
        QLineEdit* box = Box(field);
        box->installEventFilter(this);
        // textEdited comes from the operator only; texts the program sets come from the model.
        connect(box, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { form_.SetText(field, text.toStdString()); });
    }
    form_.SetObserver(this);
}

FieldBinding::~FieldBinding() {
    form_.SetObserver(nullptr);
}

QLineEdit* FieldBinding::Box(Field field) const {
    return boxes_[static_cast<std::size_t>(IndexOf(field))];
}

void FieldBinding::TextChanged(Field field) {
    const QString text = QString::fromStdString(form_.Text(field));
    if (Box(field)->text() != text) {
        Box(field)->setText(text);
    }
    textChanged_(field);
}

void FieldBinding::SelectionChanged(Field field) {
    ShowSelection(field);
}

void FieldBinding::ShowSelection(Field field) {
    QLineEdit* box = Box(field);
    const Selection selection = form_.SelectionOf(field);
    const int start = Utf16Position(box->text(), selection.start);
    const int end = Utf16Position(box->text(), selection.start + selection.length);
    if (end > start) {
        box->setSelection(start, end - start);
    } else {
        box->setCursorPosition(start);
    }
}

void FieldBinding::WriteGateChanged(bool open) {
    showWriteGate_(open);
}

void FieldBinding::InputLockChanged(bool locked) {
    showInputLock_(locked);
}

void FieldBinding::FocusRequested(Field field) {
    // A move within the window: the box left is left as on Tab.
    Box(field)->setFocus(Qt::OtherFocusReason);
}

void FieldBinding::MoveFocusForNew(Field field) {
    // The box losing the focus hears of it inside setFocus, while the flag is up.
    movingFocusForNew_ = true;
    Box(field)->setFocus(Qt::OtherFocusReason);
    movingFocusForNew_ = false;
}

bool FieldBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) {
        return QObject::eventFilter(watched, event);
    }
    for (const Field field : AllFields()) {
        if (Box(field) != watched) {
            continue;
        }
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (event->type() == QEvent::FocusOut) {
            form_.LeaveField(field, movingFocusForNew_ ? FocusLoss::ByNew : LossBy(reason),
                             locale_);
        } else if (MovesWithinTheWindow(reason)) {
            form_.EnterField(field);
            if (reason == Qt::MouseFocusReason && RulesOf(field).selectsAllOnFocus) {
                // The click that gave the focus places the caret after this event; select the
                // whole text once it has.
                QTimer::singleShot(0, Box(field), [this, field] { ShowSelection(field); });
            }
        }
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zarvek
