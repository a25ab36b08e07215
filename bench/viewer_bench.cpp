// How long File > Open Installed File takes on a grid file of the most parts a file holds (32766
// here, the count Add can still grow): from the command to the file's text painted, with the parts
// table filled on the other tab; and where the time goes. Side by side in the same runs, the ways
// not taken: the same text in a QPlainTextEdit (a document of one block per line), and the table as
// widget items (QTableWidget).
//
//   zarvek_bench_viewer [runs]        (default 7 runs of each, median)
//
// Target: Open Installed File, command to text painted, within 150 ms; exits 1 when missed.
// Without a display the window is shown on Qt's offscreen platform.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "bench_fixtures.h"
#include "common/dialogs.h"
#include "form/parts_overview.h"
#include "platform/code_page.h"
#include "storage/grid_file_io.h"
#include "window/qt/frm_main.h"
#include "window/qt/make_child.h"
#include "window/qt/parts_view.h"
#include "window/qt/startup.h"
#include "window/qt/text_view.h"

namespace {

constexpr int kParts = 32766;
constexpr double kOpenTargetMilliseconds = 150;

// Counts the paints of a widget.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

struct Times {
    std::vector<double> wall;
    std::vector<double> cpu;
};

// Runs `command`, then the event loop until `widget` has painted, and adds the wall and CPU
// milliseconds from the command to the end of that paint.
void TimeUntilPainted(Times& times, QWidget& widget, const std::function<void()>& command) {
    QApplication::processEvents();
    PaintCounter counter;
    widget.installEventFilter(&counter);
    QElapsedTimer timer;
    const std::clock_t cpuStart = std::clock();
    timer.start();
    command();
    while (counter.paints == 0 && timer.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const double wall = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    widget.removeEventFilter(&counter);
    if (counter.paints == 0) {
        std::fprintf(stderr, "the text was never painted\n");
        std::exit(2);
    }
    times.wall.push_back(wall);
    times.cpu.push_back(cpu);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();  // layout and the first paint belong to showing it
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Report(const char* what, const std::vector<double>& times) {
    std::printf("%-52s %9.1f ms\n", what, Median(times));
}

void Report(const char* what, const Times& times) {
    std::printf("%-52s %9.1f ms wall %9.1f ms CPU\n", what, Median(times.wall), Median(times.cpu));
}

// The table as widget items: one QTableWidgetItem per cell, every text made up front.
void FillWidgetItems(QTableWidget& table, const zarvek::PartsOverview& overview) {
    const zarvek::NumberLocale locale;
    table.clear();
    table.setColumnCount(zarvek::kPartsColumnCount);
    table.setRowCount(static_cast<int>(overview.PartCount()));
    for (std::size_t row = 0; row < overview.PartCount(); ++row) {
        for (int column = 0; column < zarvek::kPartsColumnCount; ++column) {
            table.setItem(
                static_cast<int>(row), column,
                zarvek::MakeChild<QTableWidgetItem>(QString::fromStdString(zarvek::PartsCellText(
                    overview, row, static_cast<zarvek::PartsColumn>(column), locale))));
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("Gridfile.dat")).toStdString();
    const std::string bytes = zarvek::GridFileBytes(zarvek::bench::SpreadOutGridFile(kParts));
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size())) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    const std::string text = zarvek::AnsiToUtf8(bytes);

    zarvek::SilentDialogs dialogs;
    zarvek::FrmMain window(dialogs, zarvek::Language::English, zarvek::NumberLocale{},
                           [&](zarvek::Dialogs&) { return folder.path().toStdString() + "/"; });
    zarvek::StartUp(window);
    window.resize(1000, 700);
    QPlainTextEdit plainTextEdit;
    plainTextEdit.setReadOnly(true);
    plainTextEdit.setLineWrapMode(QPlainTextEdit::NoWrap);
    plainTextEdit.resize(800, 500);
    plainTextEdit.show();
    QTableWidget widgetTable;
    widgetTable.resize(800, 500);
    widgetTable.show();

    const QString shownText =
        QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto& controls = window.controls();
    Times open, plainText;
    std::vector<double> textView, overview, partsTab, widgetItems;
    for (int run = 0; run < runs; ++run) {
        controls.tabOpenExist->setCurrentIndex(0);  // the file's text, as the window opens
        window.FileClose();
        TimeUntilPainted(open, *controls.rtbOpenExist->viewport(),
                         [&] { controls.mnuOpenExisting->trigger(); });
        plainTextEdit.clear();
        TimeUntilPainted(plainText, *plainTextEdit.viewport(),
                         [&] { plainTextEdit.setPlainText(shownText); });
        textView.push_back(Milliseconds([&] { controls.rtbOpenExist->SetText(text); }));
        zarvek::PartsOverview parts;
        overview.push_back(Milliseconds(
            [&] { parts = zarvek::MakePartsOverview(text, path, zarvek::Language::English); }));
        partsTab.push_back(Milliseconds([&] { controls.partsOpenExist->ShowFile(text, path); }));
        widgetItems.push_back(Milliseconds([&] { FillWidgetItems(widgetTable, parts); }));
    }
    std::printf(
        "%d parts, %zu bytes, platform %s, %d runs (median)\n", kParts, bytes.size(),
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default")).toUtf8().constData(),
        runs);
    Report("Open Installed File, command to text painted", open);
    Report("  text view taking the text (TextView::SetText)", textView);
    Report("  read and length analysis (MakePartsOverview)", overview);
    Report("  parts tab (read, analysis, model, widths)", partsTab);
    Report("same text in a QPlainTextEdit, to painted", plainText);
    Report("same rows as QTableWidget items", widgetItems);
    const bool met = Median(open.wall) <= kOpenTargetMilliseconds;
    std::printf("Open Installed File within %.0f ms: %s\n", kOpenTargetMilliseconds,
                met ? "met" : "MISSED");
    return met ? 0 : 1;
}
