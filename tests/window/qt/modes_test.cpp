#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <string>
#include <vector>

#include "form/view_layout.h"
#include "window/qt/startup.h"
#include "window/qt/window_procedures.h"
#include "window_fixture.h"

namespace zarvek {
namespace {

// The controls each mode shows: the seat-entry form (input group) and the viewer (view group).
const std::vector<const char*> kInputGroup = {
    "Label1",  "Label2",          "Label3",          "Label4",           "Label5",
    "Label6",  "Label7",          "Label8",          "Label9",           "Label10",
    "Label11", "Label12",         "Label13",         "txtPartName",      "txtProbeDia",
    "txtX(0)", "txtY(1)",         "txtZ(2)",         "txtI(0)",          "txtJ(1)",
    "txtK(2)", "cmdCheckPattern", "cmdMakeGridFile", "cmdAddToGridFile", "picPattern"};
const std::vector<const char*> kViewGroup = {"tabOpenExist", "rtbOpenExist", "lblOpenExist"};

class ModesTest : public WindowTest {
  protected:
    void ExpectGroup(const std::vector<const char*>& names, bool shown) {
        for (const char* name : names) {
            QWidget* control = Control(name);
            ASSERT_NE(control, nullptr) << name;
            EXPECT_EQ(!control->isHidden(), shown) << name;
            // Make and Add follow the write gate, which New closes.
            if (std::string(name) != "cmdMakeGridFile" && std::string(name) != "cmdAddToGridFile") {
                EXPECT_EQ(control->isEnabled(), shown) << name;
            }
        }
    }
};

TEST_F(ModesTest, StartupShowsOnlyMenuAndToolbarWithZeroedFieldsAndTheGateClosed) {
    FrmMain& frm = Start();
    ExpectGroup(kInputGroup, false);
    ExpectGroup(kViewGroup, false);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_TRUE(frm.controls().Toolbar1->isVisible());
    EXPECT_TRUE(frm.menuBar()->isVisible());
    EXPECT_EQ(frm.windowTitle(), "Zarvek File Wizard");
    EXPECT_EQ(frm.gridFilePath(), armdataFolder + "Gridfile.dat");
    frm.FileNew();
    for (const Field field : SeatFields()) {
        EXPECT_EQ(Box(field)->text(), "0.0000") << ControlName(field);
    }
    EXPECT_EQ(Box(Field::ProbeDiameter)->text(), "");
    EXPECT_EQ(Box(Field::PartName)->text(), "");
    EXPECT_FALSE(frm.controls().cmdMakeGridFile->isEnabled());
    EXPECT_FALSE(frm.controls().toolbarButtons[3]->isEnabled());
    EXPECT_TRUE(frm.controls().lblPatternIsGood->isHidden());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ModesTest, RegistryWarningIsShownBeforeTheWindow) {
    bool windowShownAtWarning = true;
    window = std::make_unique<FrmMain>(dialogs, Language::English, NumberLocale{}, [&](Dialogs& d) {
        windowShownAtWarning = window->isVisible();
        d.Ask(Message{"ERROR", "Error", Buttons::Ok, Icon::Exclamation, Answer::Ok});
        return std::string();
    });
    StartUp(*window);
    EXPECT_FALSE(windowShownAtWarning);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(window->isVisible());
    // With no folder the installed file is looked for in the current folder.
    EXPECT_EQ(window->gridFilePath(), "Gridfile.dat");
}

TEST_F(ModesTest, NewShowsTheFormAndPutsTheFocusInThePartName) {
    FrmMain& frm = Start();
    frm.OpenInstalledFile();  // view mode first
    dialogs.messages.clear();
    frm.FileNew();
    ExpectGroup(kInputGroup, true);
    ExpectGroup(kViewGroup, false);
    EXPECT_TRUE(Box(Field::PartName)->hasFocus());
}

TEST_F(ModesTest, CtrlNAndToolbarNewBothRunNew) {
    FrmMain& frm = Start();
    QTest::keyClick(&frm, Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(Box(Field::X1)->isHidden());

    frm.OpenInstalledFile();
    EXPECT_TRUE(Box(Field::X1)->isHidden());
    frm.controls().toolbarButtons[0]->trigger();
    EXPECT_FALSE(Box(Field::X1)->isHidden());
}

TEST_F(ModesTest, NewKeepsWhatTheFieldsHeld) {
    FrmMain& frm = Start();
    frm.FileNew();
    frm.form().SetText(Field::PartName, "Bracket");
    frm.form().SetText(Field::X2, "12.5");
    frm.OpenInstalledFile();
    frm.FileNew();
    EXPECT_EQ(Box(Field::PartName)->text(), "Bracket");
    EXPECT_EQ(Box(Field::X2)->text(), "12.5");
}

TEST_F(ModesTest, NewLeavesTheFocusedSeatFieldAsTyped) {
    FrmMain& frm = Start();
    frm.FileNew();
    QLineEdit* box = Box(Field::X1);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, QStringLiteral("1"));
    frm.controls().mnuFileNew->trigger();
    EXPECT_TRUE(Box(Field::PartName)->hasFocus());
    EXPECT_EQ(box->text(), "1");
}

// The twips layout places the viewer area between the menu bar and the status bar: the line
// naming the file shown, and below it tabOpenExist, whose first tab holds the viewer
// rtbOpenExist, which fills the area below the tab bar.
TEST_F(ModesTest, ViewModeHidesTheFormAndPlacesTheViewerInTwips) {
    FrmMain& frm = Start();
    frm.resize(800, 600);
    QApplication::processEvents();
    frm.OpenInstalledFile();
    ExpectGroup(kInputGroup, false);
    ExpectGroup(kViewGroup, true);

    const double dpiX = frm.logicalDpiX();
    const double dpiY = frm.logicalDpiY();
    const int innerTop = frm.menuBar()->geometry().bottom() + 1;
    const int innerHeight = frm.height() - innerTop - frm.statusBar()->height();
    QWidget* area = frm.controls().tabOpenExist;
    const QPoint at = area->mapTo(&frm, QPoint(0, 0));
    EXPECT_EQ(at.x(), TwipsToPixels(250, dpiX));
    EXPECT_EQ(at.y() - innerTop, TwipsToPixels(1200, dpiY));
    EXPECT_EQ(area->width(), TwipsToPixels(PixelsToTwips(800, dpiX) - 500, dpiX));
    EXPECT_EQ(area->height(), TwipsToPixels(PixelsToTwips(innerHeight, dpiY) - 1500, dpiY));
    EXPECT_EQ(frm.controls().lblShownFile->mapTo(&frm, QPoint(0, 0)).y() - innerTop,
              TwipsToPixels(900, dpiY));
    const QPoint labelAt = frm.controls().lblOpenExist->mapTo(&frm, QPoint(0, 0));
    EXPECT_EQ(labelAt.x(), TwipsToPixels(250, dpiX));
    EXPECT_EQ(frm.controls().lblOpenExist->text().toStdString(), frm.gridFilePath());

    QWidget* viewer = frm.controls().rtbOpenExist;
    ASSERT_TRUE(viewer->isVisible());
    const QRect viewerRect(viewer->mapTo(area, QPoint(0, 0)), viewer->size());
    EXPECT_TRUE(area->rect().contains(viewerRect));
    EXPECT_EQ(viewer->width(), area->width());
    EXPECT_EQ(viewerRect.bottom(), area->rect().bottom());

    // The layout is fixed when view mode is entered, not when the window changes size.
    const QSize before = area->size();
    const QSize viewerBefore = viewer->size();
    frm.resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(area->size(), before);
    EXPECT_EQ(viewer->size(), viewerBefore);
    frm.OpenInstalledFile();
    EXPECT_GT(area->width(), before.width());
    EXPECT_GT(viewer->width(), viewerBefore.width());
}

TEST_F(ModesTest, FocusRunsNameDiameterSeatsThenMakeAddCheck) {
    FrmMain& frm = Start();
    frm.FileNew();
    frm.form().DisableWriteCommands(false);  // disabled buttons take no focus
    std::vector<std::string> order;
    QWidget* at = Box(Field::PartName);
    for (int i = 0; i < 23; ++i) {
        order.push_back(at->objectName().toStdString());
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || at->isHidden()) {
            at = at->nextInFocusChain();
        }
    }
    const std::vector<std::string> expected = {
        "txtPartName",     "txtProbeDia",      "txtX(0)",        "txtY(0)", "txtZ(0)",
        "txtI(0)",         "txtJ(0)",          "txtK(0)",        "txtX(1)", "txtY(1)",
        "txtZ(1)",         "txtI(1)",          "txtJ(1)",        "txtK(1)", "txtX(2)",
        "txtY(2)",         "txtZ(2)",          "txtI(2)",        "txtJ(2)", "txtK(2)",
        "cmdMakeGridFile", "cmdAddToGridFile", "cmdCheckPattern"};
    EXPECT_EQ(order, expected);
}

TEST_F(ModesTest, GermanInterfaceHasGermanCaptions) {
    FrmMain& frm = Start(Language::German);
    const MainControls& c = frm.controls();
    EXPECT_EQ(frm.windowTitle(), "Zarvek Assistent");
    EXPECT_EQ(c.mnuFile->title(), "&Datei");
    EXPECT_EQ(c.mnuFileNew->text(), "&Neu");
    EXPECT_EQ(c.mnuFileOpen->text(), "Ö&ffnen...");
    EXPECT_EQ(c.mnuOpenExisting->text(), "Installierte Datei öffnen");
    EXPECT_EQ(c.mnuFileClose->text(), "S&chließen");
    EXPECT_EQ(c.mnuFileExit->text(), "&Beenden");
    EXPECT_TRUE(c.mnuFileBar0->isSeparator());
    EXPECT_EQ(c.mnuFileBar0->text(), "");  // a style would draw it beside the line
    EXPECT_EQ(c.Label13->text(), "ALLE WERTE MÜSSEN IN MM EINGEGEBEN WERDEN");
    EXPECT_EQ(c.rowHeadings[1]->text(), "Punkt 2");
    EXPECT_EQ(c.columnHeadings[3]->text(), "I");
    EXPECT_EQ(c.cmdCheckPattern->text(), "Positionen prüfen");
    EXPECT_EQ(c.cmdAddToGridFile->text(), "Zu Zarvek Datei hinzufügen");
    EXPECT_EQ(c.lblPatternIsGood->text(), "Anordnung ist OK!");
    // Text boxes and the viewer have no caption; the toolbar buttons no tool tip.
    EXPECT_EQ(Box(Field::PartName)->text(), "");
    EXPECT_EQ(c.toolbarButtons[2]->toolTip(), "");
}

TEST_F(ModesTest, ExitAndTheCloseBoxEndAtOnceWithoutAsking) {
    FrmMain& frm = Start();
    frm.FileNew();
    frm.form().SetText(Field::PartName, "unsaved");
    frm.controls().mnuFileExit->trigger();
    EXPECT_FALSE(frm.isVisible());
    Start();
    window->OpenInstalledFile();
    dialogs.messages.clear();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zarvek
