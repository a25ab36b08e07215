// How long the wizard takes from process start until its window is on screen, against an empty
// QMainWindow measured the same way (a new process each time, timed from its start to its exit
// right after the window is first exposed). Target: the wizard within 1.5 times the empty window.
//
//   zarvek_bench_startup [runs]        (default 15 runs of each, interleaved)
//
// Without a display the windows are shown on Qt's offscreen platform.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "form/armdata_folder.h"
#include "platform/interface_language.h"
#include "strings/string_table.h"
#include "window/qt/frm_main.h"
#include "window/qt/startup.h"
#include "window/qt/system_locale.h"

namespace {

constexpr double kTargetRatio = 1.5;

void UseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// Ends the process the moment the window is exposed: tear-down is not part of the start-up.
[[noreturn]] void ExitWhenExposed(QWidget& window) {
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    std::fflush(nullptr);
    std::_Exit(exposed ? 0 : 1);
}

[[noreturn]] void RunWizard(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    zarvek::SilentDialogs dialogs;
    zarvek::FrmMain window(dialogs, zarvek::InterfaceLanguage(), zarvek::SystemNumberLocale(),
                           [](zarvek::Dialogs& d) { return zarvek::QueryArmdataFolder(d); });
    zarvek::StartUp(window);
    ExitWhenExposed(window);
}

[[noreturn]] void RunEmptyWindow(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    ExitWhenExposed(window);
}

// For comparison only: the empty window draws no text, so it never loads a font, which alone
// costs any window with a caption several milliseconds. This one shows a one-item menu bar.
[[noreturn]] void RunWindowWithMenu(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.show();
    ExitWhenExposed(window);
}

// Milliseconds from starting `program --child kind` to its end.
double TimeChild(const QString& program, const QString& kind) {
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(program, {QStringLiteral("--child"), kind});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "the %s child failed\n", kind.toUtf8().constData());
        std::exit(1);
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    UseOffscreenWithoutDisplay();
    if (argc == 3 && std::string(argv[1]) == "--child") {
        if (std::string(argv[2]) == "wizard") {
            RunWizard(argc, argv);
        }
        if (std::string(argv[2]) == "menu") {
            RunWindowWithMenu(argc, argv);
        }
        RunEmptyWindow(argc, argv);
    }
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString self = QCoreApplication::applicationFilePath();
    TimeChild(self, QStringLiteral("empty"));  // warm the file cache once
    TimeChild(self, QStringLiteral("wizard"));
    std::vector<double> wizard;
    std::vector<double> empty;
    std::vector<double> menu;
    for (int run = 0; run < runs; ++run) {
        empty.push_back(TimeChild(self, QStringLiteral("empty")));
        wizard.push_back(TimeChild(self, QStringLiteral("wizard")));
        menu.push_back(TimeChild(self, QStringLiteral("menu")));
    }
    const double ratio = Median(wizard) / Median(empty);
    std::printf(
        "platform %s, %d runs each (median)\n",
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default")).toUtf8().constData(),
        runs);
    std::printf("empty QMainWindow  %8.1f ms\n", Median(empty));
    std::printf("zarvek-wizard      %8.1f ms\n", Median(wizard));
    std::printf("(window with menu  %8.1f ms, ratio %.2f)\n", Median(menu),
                Median(wizard) / Median(menu));
    std::printf("ratio              %8.2f (target %.1f: %s)\n", ratio, kTargetRatio,
                ratio <= kTargetRatio ? "met" : "NOT met");
    return 0;
}
