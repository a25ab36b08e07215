#include "window/qt/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace zarvek {
namespace {

// The application's own title, the same in every language.
constexpr int kApplicationTitleId = 1073;

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ToQt(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// The box's buttons in the order it offers them; a box closed without a button (Escape, the close
// box) reports its escape button.
Answer FromQt(int pressed, Buttons buttons) {
    switch (pressed) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            break;
    }
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

QString Plain(const std::string& text) {
    QString plain = QString::fromStdString(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return plain;
}

}  // namespace

QWidget* QtDialogs::ShownParent() const {
    return parent_ != nullptr && parent_->isVisible() ? parent_.data() : nullptr;
}

Answer QtDialogs::Ask(const Message& message) {
    const int pressed = BuildMessageBox(message, language_, ShownParent())->exec();
    // A Yes/No box closed without an answer takes No, the answer that changes nothing.
    if (message.buttons == Buttons::YesNo && pressed != QMessageBox::Yes) {
        return Answer::No;
    }
    return FromQt(pressed, message.buttons);
}

void QtDialogs::Beep() {
    QApplication::beep();
}

std::optional<std::string> QtDialogs::OpenFile(const std::string& filterDescription,
                                               const std::string& filterPattern,
                                               const std::string& initialFolder) {
    QFileDialog dialog(ShownParent());
    dialog.setObjectName(QStringLiteral("cdlg1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(FileDialogFilter(filterDescription, filterPattern));
    if (!initialFolder.empty()) {
        dialog.setDirectory(QString::fromStdString(initialFolder));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

std::unique_ptr<QMessageBox> BuildMessageBox(const Message& message, Language language,
                                             QWidget* parent) {
    const QString title = message.title.empty()
                              ? QString::fromStdString(LookupString(kApplicationTitleId, language))
                              : Plain(message.title);
    auto box = std::make_unique<QMessageBox>(ToQt(message.icon), title, Plain(message.prompt),
                                             ToQt(message.buttons), parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(ToQt(message.defaultButton));
    return box;
}

QString FileDialogFilter(const std::string& filterDescription, const std::string& filterPattern) {
    const QString description = QString::fromStdString(filterDescription);
    const QString pattern = QString::fromStdString(filterPattern);
    const QString inParentheses = QLatin1Char('(') + pattern + QLatin1Char(')');
    return description.endsWith(inParentheses) ? description
                                               : description + QLatin1Char(' ') + inParentheses;
}

}  // namespace zarvek
