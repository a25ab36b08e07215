#include <QTest>

#include "window_fixture.h"

namespace zarvek {
namespace {

class ViewerTest : public WindowTest {
  protected:
    QString Shown() const { return window->controls().rtbOpenExist->toPlainText(); }
};

TEST_F(ViewerTest, OpenShowsTheChosenFileUnderTheInstalledPath) {
    Start();
    WriteFile("other.dat", "$$\r\n1 3 1.500000 6.000000 4\r\nPart B\xE4r\r\n\t1.000");
    dialogs.chosenFile = Path("other.dat");
    window->controls().mnuFileOpen->trigger();
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0], ".dat  Files (*.dat)|*.dat|" + armdataFolder);
    EXPECT_EQ(Shown(), QString::fromUtf8("$$\n1 3 1.500000 6.000000 4\nPart Bär\n\t1.000"));
    EXPECT_EQ(window->controls().lblOpenExist->text().toStdString(),
              armdataFolder + "Gridfile.dat");
    EXPECT_EQ(window->controls().lblShownFile->text().toStdString(),
              "File shown: " + Path("other.dat"));
    EXPECT_TRUE(window->controls().rtbOpenExist->isReadOnly());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ViewerTest, CancelledOpenLeavesTheViewerAsItWasInViewMode) {
    Start();
    WriteFile("Gridfile.dat", "$$");
    window->OpenInstalledFile();
    window->FileNew();
    window->controls().toolbarButtons[1]->trigger();  // "Open", then cancel
    EXPECT_EQ(Shown(), "$$");
    EXPECT_FALSE(window->controls().rtbOpenExist->isHidden());
    EXPECT_TRUE(Box(Field::X1)->isHidden());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ViewerTest, ChosenFileThatCannotBeReadGetsAMessage) {
    Start();
    dialogs.chosenFile = Path("missing.dat");
    window->FileOpen();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Cannot Open File");
    EXPECT_NE(dialogs.messages[0].prompt.find(Path("missing.dat")), std::string::npos);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Critical);
    EXPECT_EQ(Shown(), "");
}

TEST_F(ViewerTest, MissingInstalledFileIsReportedOverAnEmptyViewer) {
    Start();
    window->controls().mnuOpenExisting->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "No Zarvek File Exists!  Make a Zarvek File First!");
    EXPECT_EQ(dialogs.messages[0].title, "Insufficient Data!");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Critical);
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
    EXPECT_FALSE(window->controls().rtbOpenExist->isHidden());
    EXPECT_EQ(Shown(), "");
}

TEST_F(ViewerTest, MissingInstalledFileInGerman) {
    Start(Language::German);
    window->OpenInstalledFile();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt,
              "ES besteht noch keine Zarvek Datei! Erstellen Sie zunächst eine neue Datei !");
    EXPECT_EQ(dialogs.messages[0].title, "Quen Fill This In Too!");
}

TEST_F(ViewerTest, CloseEmptiesTheViewerOnlyInViewMode) {
    Start();
    WriteFile("Gridfile.dat", "$$");
    window->FileClose();  // start-up mode: nothing happens
    EXPECT_TRUE(window->controls().rtbOpenExist->isHidden());
    window->OpenInstalledFile();
    window->FileNew();
    window->FileClose();  // input mode: the hidden viewer keeps the file
    EXPECT_EQ(Shown(), "$$");
    window->FileOpen();  // cancelled: back in view mode with the file not read again
    EXPECT_EQ(Shown(), "$$");
    window->controls().mnuFileClose->trigger();
    EXPECT_EQ(Shown(), "");
    EXPECT_FALSE(window->controls().rtbOpenExist->isHidden());
    EXPECT_EQ(window->controls().lblOpenExist->text().toStdString(), window->gridFilePath());
}

}  // namespace
}  // namespace zarvek
