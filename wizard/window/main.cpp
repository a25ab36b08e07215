#include <QApplication>
#include <clocale>

#include "storage/installation_folder.h"
#include "wizard/strings/string_table.h"
#include "wizard/window/frm_main.h"
#include "wizard/window/qt_dialogs.h"
#include "wizard/window/startup.h"
#include "wizard/window/system_locale.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // QApplication adopts the user's C locale; the core formats and reads numbers itself and
    // needs the C library's "." (the user's separators come from SystemNumberLocale).
    std::setlocale(LC_NUMERIC, "C");

    const zarvek::Language language = zarvek::InterfaceLanguage();
    zarvek::QtDialogs dialogs(language);
    zarvek::FrmMain window(dialogs, language, zarvek::SystemNumberLocale(),
                           [](zarvek::Dialogs& d) { return zarvek::QueryArmdataFolder(d); });
    dialogs.SetParent(&window);
    zarvek::StartUp(window);
    return application.exec();
}
