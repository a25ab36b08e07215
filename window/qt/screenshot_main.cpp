// Renders the wizard's window into a PNG file, for the README. Runs the real window on whatever
// display Qt is given (scripts/screenshot uses Xvfb).
//
//   zarvek-wizard-screenshot OUTPUT.png                  the input form, a part typed and checked
//   zarvek-wizard-screenshot --spread OUTPUT.png         the input form, a part whose seat 3 is too
//                                                        close to the line of seats 1 and 2, typed
//   zarvek-wizard-screenshot OUTPUT.png FILE.dat         the viewer showing FILE.dat as text
//   zarvek-wizard-screenshot --parts OUTPUT.png FILE.dat the viewer showing FILE.dat's parts
//   zarvek-wizard-screenshot --remove OUTPUT.png FILE.dat
//                                    FILE.dat's parts, the fourth selected, and the question Remove
//                                    Part asks, drawn over the window where it opens (answered No)
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <clocale>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "common/dialogs.h"
#include "form/check_pattern.h"
#include "platform/interface_language.h"
#include "strings/string_table.h"
#include "window/qt/frm_main.h"
#include "window/qt/parts_view.h"
#include "window/qt/qt_dialogs.h"
#include "window/qt/startup.h"
#include "window/qt/system_locale.h"
#include "window/qt/window_procedures.h"

namespace {

struct Entry {
    zarvek::Field field;
    const char* text;
};

// A part as an operator would type it, positions rewritten as on leaving each field.
constexpr Entry kEntries[] = {
    {zarvek::Field::PartName, "Bracket A"},
    {zarvek::Field::ProbeDiameter, "6"},
    {zarvek::Field::X1, "12.3450"},
    {zarvek::Field::Y1, "-40.1250"},
    {zarvek::Field::Z1, "100.0010"},
    {zarvek::Field::I1, "0"},
    {zarvek::Field::J1, "0"},
    {zarvek::Field::K1, "1"},
    {zarvek::Field::X2, "212.3750"},
    {zarvek::Field::Y2, "10.6250"},
    {zarvek::Field::Z2, "95.8750"},
    {zarvek::Field::I2, "0"},
    {zarvek::Field::J2, "0.1"},
    {zarvek::Field::K2, "1"},
    {zarvek::Field::X3, "110.1250"},
    {zarvek::Field::Y3, "185.3750"},
    {zarvek::Field::Z3, "97.6250"},
    {zarvek::Field::I3, "0"},
    {zarvek::Field::J3, "0"},
    {zarvek::Field::K3, "1"},
};

// The same part with seat 3 moved close to the line through seats 1 and 2.
constexpr Entry kNarrowSeat3[] = {
    {zarvek::Field::X3, "150.2500"},
    {zarvek::Field::Y3, "30.5000"},
    {zarvek::Field::Z3, "97.6250"},
};

// The window with the box `message` opens over it, centred, as a window manager would frame it:
// a title bar above the box. The file's own path in the prompt reads as the installed path the
// window names above its viewer.
QPixmap WithQuestion(zarvek::FrmMain& window, zarvek::Message message, const std::string& file) {
    for (std::size_t at = message.prompt.find(file); at != std::string::npos;
         at = message.prompt.find(file)) {
        message.prompt.replace(at, file.size(), window.gridFilePath());
    }
    QPixmap picture = window.grab();
    const auto box = zarvek::BuildMessageBox(message, window.language(), &window);
    box->show();
    QApplication::processEvents();
    const QPixmap shown = box->grab();
    QFont bold = box->font();
    bold.setBold(true);
    const int bar = QFontMetrics(bold).height() + 10;
    QRect frame(0, 0, shown.width() + 2, shown.height() + bar + 2);
    frame.moveCenter(picture.rect().center());
    QPainter painter(&picture);
    painter.fillRect(frame, QColor(70, 70, 70));
    const QRect title(frame.left() + 1, frame.top() + 1, shown.width(), bar);
    painter.fillRect(title, box->palette().color(QPalette::Highlight));
    painter.setPen(box->palette().color(QPalette::HighlightedText));
    painter.setFont(bold);
    painter.drawText(title.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     box->windowTitle());
    painter.drawPixmap(title.left(), title.bottom() + 1, shown);
    box->hide();
    return picture;
}

// Shows nothing and answers every box with its default; the file dialog chooses `file`. Once a
// window is given, its first question is drawn into `question` and answered No.
class ChoosingDialogs final : public zarvek::Dialogs {
  public:
    explicit ChoosingDialogs(std::string file) : file_(std::move(file)) {}
    zarvek::Answer Ask(const zarvek::Message& message) override {
        if (window_ != nullptr && message.buttons == zarvek::Buttons::YesNo) {
            question = WithQuestion(*window_, message, file_);
            window_ = nullptr;
            return zarvek::Answer::No;
        }
        return message.defaultButton;
    }
    void Beep() override {}
    std::optional<std::string> OpenFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return file_;
    }
    void DrawQuestionsOver(zarvek::FrmMain& window) { window_ = &window; }

    QPixmap question;

  private:
    std::string file_;
    zarvek::FrmMain* window_ = nullptr;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    std::span<char*> args(argv + 1, static_cast<std::size_t>(argc - 1));
    const std::string_view option = args.empty() ? "" : args[0];
    const bool spread = option == "--spread";
    const bool remove = option == "--remove";
    const bool parts = option == "--parts" || remove;
    if (spread || parts) {
        args = args.subspan(1);
    }
    if (args.empty() || args.size() > 2 || (parts && args.size() != 2) ||
        (spread && args.size() != 1)) {
        std::fprintf(stderr,
                     "usage: zarvek-wizard-screenshot [--spread] OUTPUT.png\n"
                     "       zarvek-wizard-screenshot [--parts | --remove] OUTPUT.png FILE.dat\n");
        return 2;
    }
    ChoosingDialogs dialogs(args.size() == 2 ? args[1] : "");
    const zarvek::Language language = zarvek::InterfaceLanguage();
    const zarvek::NumberLocale locale = zarvek::SystemNumberLocale();
    zarvek::FrmMain window(dialogs, language, locale, [](zarvek::Dialogs&) {
        return std::string("C:\\Arm\\Host\\Armdata\\");
    });
    zarvek::StartUp(window);
    window.FileNew();
    for (const Entry& entry : kEntries) {
        window.form().SetText(entry.field, entry.text);
    }
    if (args.size() == 2) {
        window.FileOpen();
        if (parts) {
            window.controls().tabOpenExist->setCurrentWidget(window.controls().partsOpenExist);
        }
        if (remove) {
            zarvek::PartsView& partsView = *window.controls().partsOpenExist;
            partsView.SelectRow(3);
            partsView.table().setFocus();
            QApplication::processEvents();
            dialogs.DrawQuestionsOver(window);
            partsView.removeAction().trigger();
            if (dialogs.question.isNull() ||
                !dialogs.question.save(QString::fromLocal8Bit(args[0]))) {
                std::fprintf(stderr, "cannot write %s\n", args[0]);
                return 1;
            }
            return 0;
        }
    } else if (spread) {
        for (const Entry& entry : kNarrowSeat3) {
            window.form().SetText(entry.field, entry.text);
        }
        window.controls().field(zarvek::Field::Y3)->setFocus();
    } else {
        zarvek::CheckPattern(window.form(), zarvek::CommandContext{dialogs, language, locale,
                                                                   window.gridFilePath()});
        window.controls().cmdCheckPattern->setFocus();
    }
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(args[0]))) {
        std::fprintf(stderr, "cannot write %s\n", args[0]);
        return 1;
    }
    return 0;
}
