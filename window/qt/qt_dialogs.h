#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "common/dialogs.h"
#include "strings/string_table.h"

namespace zarvek {

// Dialogs shown with Qt: modal message boxes (a box without a title carries the application
// title), the system beep, and a file dialog named cdlg1. Boxes are centred over `parent` once it
// is on screen; before that (the registry warning at start-up) they stand on their own.
class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(Language language) : language_(language) {}

    // The window the boxes belong to; it may be destroyed first (the pointer is guarded).
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Ask(const Message& message) override;
    void Beep() override;
    std::optional<std::string> OpenFile(const std::string& filterDescription,
                                        const std::string& filterPattern,
                                        const std::string& initialFolder) override;

  private:
    QWidget* ShownParent() const;

    Language language_;
    QPointer<QWidget> parent_;
};

// The box Ask shows for `message`, built but not shown: the title (the application title in
// `language` when the message has none), the prompt as plain text, the buttons, icon and default
// button. Qt names the standard buttons in the language of its installed translation.
std::unique_ptr<QMessageBox> BuildMessageBox(const Message& message, Language language,
                                             QWidget* parent);

// The one filter entry of the file dialog: the description as shown, with the pattern added in
// parentheses unless the description already ends with it (".dat  Files (*.dat)" stays as is).
QString FileDialogFilter(const std::string& filterDescription, const std::string& filterPattern);

}  // namespace zarvek
