// Renders the wizard's window with a filled-in, checked seat pattern into a PNG file, for the
// README. Runs the real window on whatever display Qt is given (scripts/screenshot uses Xvfb).
//
//   zarvek-wizard-screenshot OUTPUT.png            the input form
//   zarvek-wizard-screenshot OUTPUT.png FILE.dat   the viewer showing FILE.dat
#include <QApplication>
#include <QPixmap>
#include <clocale>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "common/dialogs.h"
#include "wizard/form/check_pattern.h"
#include "wizard/strings/string_table.h"
#include "wizard/window/frm_main.h"
#include "wizard/window/startup.h"
#include "wizard/window/system_locale.h"
#include "wizard/window/window_procedures.h"

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

// Shows nothing and answers every box with its default; the file dialog chooses `file`.
class ChoosingDialogs final : public zarvek::Dialogs {
  public:
    explicit ChoosingDialogs(std::string file) : file_(std::move(file)) {}
    zarvek::Answer Ask(const zarvek::Message& message) override { return message.defaultButton; }
    void Beep() override {}
    std::optional<std::string> OpenFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return file_;
    }

  private:
    std::string file_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: zarvek-wizard-screenshot OUTPUT.png [FILE.dat]\n");
        return 2;
    }
    ChoosingDialogs dialogs(argc == 3 ? argv[2] : "");
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
    if (argc == 3) {
        window.FileOpen();
    } else {
        zarvek::CheckPattern(window.form(), zarvek::CommandContext{dialogs, language, locale,
                                                                   window.gridFilePath()});
        window.controls().cmdCheckPattern->setFocus();
    }
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
