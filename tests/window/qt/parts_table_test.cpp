#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "storage/grid_file_io.h"
#include "window/qt/parts_view.h"
#include "window_fixture.h"

namespace zarvek {
namespace {

const Vector kUp{0, 0, 1};

void AddPart(GridFile& gridFile, const std::string& name, double l12, double l23, double l31) {
    const double x = (l12 * l12 + l31 * l31 - l23 * l23) / (2 * l12);
    gridFile.Parts.Add({0, 0, 0}, {l12, 0, 0}, {x, std::sqrt(l31 * l31 - x * x), 0}, kUp, kUp, kUp,
                       name, "");
}

class PartsTableTest : public WindowTest {
  protected:
    const PartsView& Parts() const { return *window->controls().partsOpenExist; }
    const PartsTableModel& Model() const { return Parts().model(); }
    QString Cell(int row, PartsColumn column, int role = Qt::DisplayRole) const {
        return Model().data(Model().index(row, static_cast<int>(column)), role).toString();
    }
    QString RawText() const { return window->controls().rtbOpenExist->toPlainText(); }

    // Writes a grid file of three parts, the third repeating the first's lengths, and opens it.
    void OpenThreeParts() {
        GridFile gridFile;
        gridFile.sProbeDiameter = 6.0f;
        AddPart(gridFile, "Bracket", 50, 60, 70);
        AddPart(gridFile, "Flange", 200, 260, 300);
        AddPart(gridFile, "Bracket copy", 50.5, 60.5, 69);
        WriteFile("three.dat", GridFileBytes(gridFile));
        dialogs.chosenFile = Path("three.dat");
        window->FileOpen();
    }
};

TEST_F(PartsTableTest, GoodFileFillsTheTableBesideItsUnchangedText) {
    Start();
    OpenThreeParts();
    QTabWidget& tabs = *window->controls().tabOpenExist;
    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.tabText(0), "File Text");
    EXPECT_EQ(tabs.tabText(1), "Parts");
    EXPECT_EQ(tabs.widget(0), window->controls().rtbOpenExist->parentWidget());
    EXPECT_TRUE(RawText().startsWith("$$\n3 3 1.500000 6.000000 4\nPart Bracket\n\t0.000\t"));

    ASSERT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(Model().columnCount(), kPartsColumnCount);
    EXPECT_EQ(Cell(1, PartsColumn::Name), "Flange");
    EXPECT_EQ(Cell(1, PartsColumn::Length23), "260.000");
    EXPECT_EQ(Cell(2, PartsColumn::Number), "3");
    EXPECT_EQ(Model().headerData(2, Qt::Horizontal).toString(), "Length 1-2 (mm)");
    EXPECT_EQ(Parts().header().text(),
              "Probe diameter: 6.000000 mm    Tolerance: 1.500000 mm    Parts in the header: 3    "
              "Parts read: 3");
    EXPECT_FALSE(Parts().table().isHidden());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PartsTableTest, PartsRepeatingOtherPartsAreMarkedWithTheReason) {
    Start();
    OpenThreeParts();
    const QModelIndex first = Model().index(0, static_cast<int>(PartsColumn::Length12));
    const QModelIndex other = Model().index(1, static_cast<int>(PartsColumn::Name));
    const QModelIndex copy = Model().index(2, static_cast<int>(PartsColumn::Position3));
    EXPECT_EQ(Model().data(first, Qt::BackgroundRole).value<QColor>(), MarkedRowColour());
    EXPECT_EQ(Model().data(copy, Qt::BackgroundRole).value<QColor>(), MarkedRowColour());
    EXPECT_FALSE(Model().data(other, Qt::BackgroundRole).isValid());
    EXPECT_FALSE(Model().data(other, Qt::ToolTipRole).isValid());
    EXPECT_TRUE(Model().data(first, Qt::ToolTipRole).toString().startsWith("More than two"));
    EXPECT_TRUE(
        Model().data(copy, Qt::ToolTipRole).toString().endsWith("after the parts before it."));
    EXPECT_TRUE(Parts().legend().text().startsWith("Marked parts (2):"));
    EXPECT_FALSE(Parts().legend().isHidden());
}

TEST_F(PartsTableTest, FileThatDoesNotReadShowsTheReadersMessageAndKeepsItsText) {
    Start();
    const struct {
        const char* bytes;
        const char* message;
    } cases[] = {
        {"$$\r\n1 3 1.500000 6.000000 4\r\nPart A\r\n\t1.0\t2.0\r\n\t1\t2\t3\t4\t5\t6",
         "line 4: expected six tab-separated numbers, found 2."},
        {"Not a grid file\r\n", "its first line holds no \"$\"."},
    };
    for (const auto& c : cases) {
        WriteFile("bad.dat", c.bytes);
        dialogs.chosenFile = Path("bad.dat");
        window->FileOpen();
        EXPECT_EQ(Model().rowCount(), 0) << c.message;
        EXPECT_TRUE(Parts().table().isHidden()) << c.message;
        EXPECT_TRUE(Parts().legend().isHidden()) << c.message;
        EXPECT_TRUE(Parts().header().text().endsWith(QString::fromUtf8(c.message)))
            << Parts().header().text().toStdString();
        EXPECT_EQ(RawText(), QString::fromLatin1(c.bytes).replace("\r\n", "\n"));
    }
    // The file's faults are shown in the tab, not in a message box.
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PartsTableTest, ANewFileReplacesTheTableAndCloseEmptiesIt) {
    Start();
    OpenThreeParts();
    window->controls().tabOpenExist->setCurrentIndex(1);

    // A file that cannot be opened leaves text and parts as they were.
    dialogs.chosenFile = Path("missing.dat");
    window->FileOpen();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(Model().rowCount(), 3);

    // Back from the form, the parts tab is still the one shown, and the text stays hidden.
    window->FileNew();
    window->OpenInstalledFile();  // none installed: the viewer keeps what it showed
    EXPECT_EQ(window->controls().tabOpenExist->currentIndex(), 1);
    EXPECT_FALSE(window->controls().rtbOpenExist->isVisible());
    EXPECT_TRUE(Parts().isVisible());
    EXPECT_EQ(Model().rowCount(), 3);

    GridFile installed;
    AddPart(installed, "Installed", 80, 90, 100);
    WriteFile("Gridfile.dat", GridFileBytes(installed));
    window->OpenInstalledFile();
    EXPECT_EQ(Model().rowCount(), 1);
    EXPECT_EQ(Cell(0, PartsColumn::Name), "Installed");

    OpenThreeParts();
    window->FileClose();
    EXPECT_EQ(Model().rowCount(), 0);
    EXPECT_EQ(Parts().header().text(), "");
    EXPECT_EQ(RawText(), "");
}

TEST_F(PartsTableTest, TabsAndColumnsInGerman) {
    Start(Language::German, NumberLocale{",", "."});
    OpenThreeParts();
    EXPECT_EQ(window->controls().tabOpenExist->tabText(0), "Dateitext");
    EXPECT_EQ(window->controls().tabOpenExist->tabText(1), "Werkstücke");
    EXPECT_EQ(Model().headerData(1, Qt::Horizontal).toString(), "Werkstück");
    EXPECT_EQ(Cell(1, PartsColumn::Length23), "260,000");
}

// The Delete key in the table and File > Restore Previous Grid File run the shared commands.
TEST_F(PartsTableTest, DeleteKeyRemovesTheSelectedPartAndRestoreBringsItBack) {
    Start();
    GridFile installed;
    installed.sProbeDiameter = 6.0f;
    AddPart(installed, "Bracket", 50, 60, 70);
    AddPart(installed, "Flange", 200, 260, 300);
    AddPart(installed, "Cover", 80, 90, 100);
    const std::string bytes = GridFileBytes(installed);
    WriteFile("Gridfile.dat", bytes);
    window->OpenInstalledFile();
    window->controls().tabOpenExist->setCurrentIndex(1);
    QTableView& table = Parts().table();
    table.setFocus();
    window->controls().partsOpenExist->SelectRow(1);
    EXPECT_TRUE(Parts().removeButton().isEnabled());

    dialogs.answers = {Answer::Yes};
    QTest::keyClick(&table, Qt::Key_Delete);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Remove Part");
    ASSERT_EQ(Model().rowCount(), 2);
    EXPECT_EQ(Cell(1, PartsColumn::Name), "Cover");
    EXPECT_EQ(Parts().SelectedRow(), std::optional<std::size_t>(1));  // the next part

    emit window->controls().mnuFile->aboutToShow();
    EXPECT_TRUE(window->controls().mnuRestorePrevious->isEnabled());
    dialogs.answers = {Answer::Yes};
    window->controls().mnuRestorePrevious->trigger();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(Model().rowCount(), 3);
    std::ifstream in(Path("Gridfile.dat"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);
}

// A full file: the table holds every part through its model (the time it takes is measured in
// bench/viewer_bench.cpp, not here).
TEST_F(PartsTableTest, LargestFileFillsEveryRow) {
    Start();
    GridFile gridFile;
    gridFile.sProbeDiameter = 6.0f;
    for (int p = 0; p < 32766; ++p) {
        const double l12 = 100 + 5.0 * p;
        AddPart(gridFile, "Part " + std::to_string(p + 1), l12, l12 + 1.7, l12 + 3.4);
    }
    WriteFile("Gridfile.dat", GridFileBytes(gridFile));
    window->OpenInstalledFile();
    ASSERT_EQ(Model().rowCount(), 32766);
    EXPECT_EQ(Cell(32765, PartsColumn::Name), "Part 32766");
    EXPECT_EQ(Parts().legend().text(), "No part repeats the lengths of other parts.");
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zarvek
