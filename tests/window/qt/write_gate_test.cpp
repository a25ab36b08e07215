#include <QApplication>
#include <QTest>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "window/qt/parts_view.h"
#include "window_fixture.h"

namespace zarvek {
namespace {

class WriteGateTest : public WindowTest {
  protected:
    // The four controls that show the gate, and the menu entry Add that follows it.
    void ExpectGate(bool open) {
        const MainControls& c = window->controls();
        EXPECT_EQ(c.cmdMakeGridFile->isEnabled(), open);
        EXPECT_EQ(c.cmdAddToGridFile->isEnabled(), open);
        EXPECT_EQ(c.toolbarButtons[3]->isEnabled(), open);
        EXPECT_EQ(c.mnuAddToGridFile->isEnabled(), open);
        EXPECT_EQ(!c.lblPatternIsGood->isHidden(), open);
    }

    void StartWithPassedPattern() {
        Start();
        window->FileNew();
        FillPassingPattern();
        QTest::mouseClick(window->controls().cmdCheckPattern, Qt::LeftButton);
        ExpectGate(true);
    }

    std::string ReadInstalledFile() const {
        std::ifstream in(window->gridFilePath(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
};

TEST_F(WriteGateTest, PassedCheckOpensItAndOneKeystrokeInThePartNameClosesIt) {
    StartWithPassedPattern();
    EXPECT_TRUE(dialogs.messages.empty());
    QTest::keyClick(Box(Field::PartName), Qt::Key_X);
    ExpectGate(false);
}

TEST_F(WriteGateTest, ViewModeKeepsToolbarAddButHidesTheLabelOverTheTabsAndNewClosesThem) {
    StartWithPassedPattern();
    WriteFile("Gridfile.dat", "$$");
    window->controls().toolbarButtons[2]->trigger();  // "T": view the installed file
    const MainControls& c = window->controls();
    EXPECT_TRUE(c.toolbarButtons[3]->isEnabled());
    EXPECT_TRUE(c.mnuAddToGridFile->isEnabled());
    EXPECT_TRUE(c.lblPatternIsGood->isHidden());
    EXPECT_TRUE(c.cmdMakeGridFile->isHidden());  // hidden with the form
    EXPECT_TRUE(window->form().WriteGateOpen());
    window->FileNew();
    ExpectGate(false);
}

// English numbers: "12,5" is a slip of the decimal separator.
TEST_F(WriteGateTest, EnterChecksNeverWritesAndARefusalFocusesTheFieldSelected) {
    Start();
    window->FileNew();
    FillPassingPattern();
    QLineEdit* x2 = Box(Field::X2);
    x2->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(x2, QStringLiteral("12,5"));
    Box(Field::Y2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Box(Field::Y2), Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Invalid Number");
    EXPECT_EQ(x2->text(), "12,5");
    EXPECT_EQ(QApplication::focusWidget(), x2);
    EXPECT_EQ(x2->selectedText(), "12,5");
    ExpectGate(false);

    QTest::keyClicks(x2, QStringLiteral("100"));
    QTest::keyClick(x2, Qt::Key_Return);  // left for the button, as a click leaves it
    EXPECT_EQ(x2->text(), "100.0000");
    EXPECT_EQ(QApplication::focusWidget(), window->controls().cmdCheckPattern);
    ExpectGate(true);
    window->controls().cmdMakeGridFile->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->controls().cmdMakeGridFile, Qt::Key_Return);
    EXPECT_FALSE(std::filesystem::exists(window->gridFilePath()));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(WriteGateTest, FailureUnlocksLockedFields) {
    Start();
    window->FileNew();
    window->form().LockInputFields(true);
    EXPECT_TRUE(Box(Field::PartName)->isReadOnly());
    EXPECT_TRUE(Box(Field::K3)->isReadOnly());
    window->CheckPatternClick();  // no part name: blank test fails
    EXPECT_FALSE(Box(Field::PartName)->isReadOnly());
    EXPECT_FALSE(Box(Field::K3)->isReadOnly());
}

TEST_F(WriteGateTest, MakeButtonWritesTheInstalledFileSaysSoAndLeavesTheFormAsItWas) {
    StartWithPassedPattern();
    QTest::mouseClick(window->controls().cmdMakeGridFile, Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.empty());  // no file yet: no replace prompt
    EXPECT_NE(ReadInstalledFile().find("Part Bracket"), std::string::npos);
    EXPECT_EQ(window->controls().lblStatusLine->text().toStdString(),
              "\"Bracket\" was written as the only part of the new Zarvek file " +
                  window->gridFilePath() + "; there was no previous file to keep.");
    EXPECT_TRUE(window->controls().lblStatusLine->isVisible());
    ExpectGate(true);
    EXPECT_EQ(Box(Field::K1)->text(), "1.00000");
}

// Add from the toolbar while the viewer shows the installed file.
TEST_F(WriteGateTest, AddShowsTheViewedInstalledFileAgainWithItsNewCount) {
    StartWithPassedPattern();
    window->MakeGridFileClick();
    // Seats 2 and 3 at (60, 0, 0) and (10, 50, 0): no length repeats the first part's.
    const std::array<const char*, 12> otherSeats = {"60", "0",  "0", "0", "0", "1",
                                                    "10", "50", "0", "0", "0", "1"};
    for (std::size_t i = 0; i < otherSeats.size(); ++i) {
        window->form().SetText(SeatFields()[6 + i], otherSeats[i]);
    }
    window->form().SetText(Field::PartName, "Flange");
    window->CheckPatternClick();
    window->OpenInstalledFile();
    dialogs.answers = {Answer::Yes};
    window->controls().toolbarButtons[3]->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);  // the replace question
    EXPECT_EQ(window->controls().partsOpenExist->model().rowCount(), 2);
    EXPECT_TRUE(window->controls().rtbOpenExist->toPlainText().startsWith("$$\n2 3 "));
    EXPECT_EQ(window->controls().lblShownFile->text().toStdString(),
              "File shown: " + window->gridFilePath());
}

TEST_F(WriteGateTest, AddRunsFromButtonMenuAndToolbarOnlyWhileOpen) {
    StartWithPassedPattern();
    window->MakeGridFileClick();
    const std::string one = ReadInstalledFile();
    // The same part again: more than two lengths match, refused, and the gate closes.
    window->controls().toolbarButtons[3]->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Redundant Lengths!");
    ExpectGate(false);
    EXPECT_EQ(ReadInstalledFile(), one);

    // Closed: the menu entry and the toolbar button do nothing.
    window->AddToGridFile();
    window->ToolbarButtonClick("T+");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace zarvek
