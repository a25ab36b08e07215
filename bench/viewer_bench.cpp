// How long the viewer takes to show a grid file of the most parts a file holds (32766 here, the
// count Add can still grow), with its parts table, and where the time goes; against a table of
// widget items (QTableWidget), the way the table was not built.
//
//   zarvek_bench_viewer [runs]        (default 7 runs of each, median)
//
// Without a display the window is shown on Qt's offscreen platform.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
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

namespace {

constexpr int kParts = 32766;

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
    std::printf("%-44s %9.1f ms\n", what, Median(times));
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
    window.controls().tabOpenExist->setCurrentIndex(1);
    QTableWidget widgetTable;
    widgetTable.resize(800, 500);
    widgetTable.show();

    const QString shownText =
        QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::vector<double> open, textTab, overview, partsTab, widgetItems;
    for (int run = 0; run < runs; ++run) {
        window.FileClose();
        open.push_back(Milliseconds([&] { window.OpenInstalledFile(); }));
        textTab.push_back(Milliseconds([&] {
            window.controls().tabOpenExist->setCurrentIndex(0);
            window.controls().rtbOpenExist->setPlainText(shownText);
        }));
        window.controls().tabOpenExist->setCurrentIndex(1);
        zarvek::PartsOverview parts;
        overview.push_back(Milliseconds(
            [&] { parts = zarvek::MakePartsOverview(text, path, zarvek::Language::English); }));
        partsTab.push_back(
            Milliseconds([&] { window.controls().partsOpenExist->ShowFile(text, path); }));
        widgetItems.push_back(Milliseconds([&] { FillWidgetItems(widgetTable, parts); }));
    }
    std::printf(
        "%d parts, %zu bytes, platform %s, %d runs (median)\n", kParts, bytes.size(),
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default")).toUtf8().constData(),
        runs);
    Report("Open Installed File (text and parts tab)", open);
    Report("  text tab alone (setPlainText)", textTab);
    Report("  read and length analysis (MakePartsOverview)", overview);
    Report("  parts tab (read, analysis, model, widths)", partsTab);
    Report("same rows as QTableWidget items", widgetItems);
    return 0;
}
