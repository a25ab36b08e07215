#include <QApplication>
#include <clocale>

#include "form/armdata_folder.h"
#include "platform/interface_language.h"
#include "strings/string_table.h"
#include "window/qt/frm_main.h"
#include "window/qt/qt_dialogs.h"
#include "window/qt/startup.h"
#include "window/qt/system_locale.h"

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
