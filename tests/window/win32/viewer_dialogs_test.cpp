#include <array>
#include <fstream>
#include <sstream>

#include "form/parts_overview.h"
#include "platform/wide_text_win32.h"
#include "storage/grid_file_io.h"
#include "window/win32/win32_dialogs.h"
#include "window_fixture.h"

namespace zarvek::win32 {
namespace {

class Win32ViewerTest : public Win32WindowTest {
  protected:
    std::string Cell(int row, PartsColumn column) const {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = static_cast<int>(column);
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(Control("tblParts"), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return Narrow(text);
    }
};

TEST_F(Win32ViewerTest, OpenShowsTheFileDecodedFromTheAnsiCodePageWithCrLfReadOnly) {
    Start();
    WriteFile("other.dat", "$$\r\n1 3 1.500000 6.000000 4\r\nPart B\xE4r\r\n\t1.000");
    dialogs.chosenFile = Path("other.dat");
    Command(kIdFileOpen);
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0], ".dat  Files (*.dat)|*.dat|" + armdataFolder);
    EXPECT_EQ(Text(Control("rtbOpenExist")),
              "$$\r\n1 3 1.500000 6.000000 4\r\nPart B\xC3\xA4r\r\n\t1.000");
    EXPECT_NE(GetWindowLongW(Control("rtbOpenExist"), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(Text(Control("lblOpenExist")), armdataFolder + "Gridfile.dat");
    EXPECT_EQ(Text(Control("lblShownFile")), "File shown: " + Path("other.dat"));
    EXPECT_TRUE(Shown(Control("rtbOpenExist")));
    EXPECT_FALSE(Shown(Control("tblParts")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Win32ViewerTest, PartsTabListsTheRowsOfTheSharedOverviewOnDemand) {
    Start();
    std::ifstream in(std::string(ZARVEK_TEST_DATA_DIR) + "/worked_example.dat", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    WriteFile("Gridfile.dat", bytes.str());
    Command(kIdOpenExisting);
    window->SelectViewerTab(1);
    EXPECT_FALSE(Shown(Control("rtbOpenExist")));
    ASSERT_TRUE(Shown(Control("tblParts")));
    const PartsOverview& overview = window->partsOverview();
    ASSERT_GT(overview.PartCount(), 0u);
    EXPECT_EQ(SendMessageW(Control("tblParts"), LVM_GETITEMCOUNT, 0, 0),
              static_cast<LRESULT>(overview.PartCount()));
    const auto last = static_cast<int>(overview.PartCount() - 1);
    for (int column = 0; column < kPartsColumnCount; ++column) {
        const auto c = static_cast<PartsColumn>(column);
        EXPECT_EQ(Cell(last, c),
                  PartsCellText(overview, overview.PartCount() - 1, c, window->locale()));
    }
    EXPECT_EQ(Text(Control("lblPartsHeader")),
              PartsHeaderText(overview, Language::English, window->locale()));
    // Close empties both pages and stays in view mode.
    Command(kIdFileClose);
    EXPECT_EQ(Text(Control("rtbOpenExist")), "");
    EXPECT_EQ(SendMessageW(Control("tblParts"), LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_TRUE(Shown(Control("tabOpenExist")));
}

// The Delete key in the parts list and File > Restore Previous Grid File run the shared commands.
TEST_F(Win32ViewerTest, DeleteInThePartsListRemovesThePartAndRestoreBringsItBack) {
    Start();
    GridFile installed;
    installed.sProbeDiameter = 6.0f;
    installed.Parts.Add({0, 0, 0}, {100, 0, 0}, {30, 80, 0}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1},
                        "Bracket", "");
    installed.Parts.Add({0, 0, 0}, {60, 0, 0}, {10, 50, 0}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1},
                        "Flange", "");
    const std::string bytes = GridFileBytes(installed);
    WriteFile("Gridfile.dat", bytes);
    Command(kIdOpenExisting);
    window->SelectViewerTab(1);
    SetFocus(Control("tblParts"));
    window->SelectPartRow(0);
    EXPECT_TRUE(Enabled(Control("cmdRemovePart")));

    dialogs.answers = {Answer::Yes};
    Key(VK_DELETE);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Remove Part");
    ASSERT_EQ(SendMessageW(Control("tblParts"), LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(Cell(0, PartsColumn::Name), "Flange");

    const HMENU file = window->controls().mnuFile;
    SendMessageW(window->hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    EXPECT_EQ(GetMenuState(file, kIdRestorePrevious, MF_BYCOMMAND) & MF_GRAYED, 0u);
    dialogs.answers = {Answer::Yes};
    Command(kIdRestorePrevious);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(SendMessageW(Control("tblParts"), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ReadFile(Path("Gridfile.dat")), bytes);
}

// Add from the toolbar while the viewer shows the installed file.
TEST_F(Win32ViewerTest, AddShowsTheViewedInstalledFileAgainWithItsNewCount) {
    Start();
    WriteFile("Gridfile.dat",
              ReadFile(std::string(ZARVEK_TEST_DATA_DIR) + "/cli_make_expected.dat"));
    Command(kIdOpenExisting);
    // Seats at (0, 0, 0), (60, 0, 0) and (10, 50, 0): no length repeats the file's part.
    const std::array<const char*, 18> seats = {"0", "0", "0", "0",  "0",  "1", "60", "0", "0",
                                               "0", "0", "1", "10", "50", "0", "0",  "0", "1"};
    window->form().SetText(Field::PartName, "Flange");
    window->form().SetText(Field::ProbeDiameter, "6.35");
    for (std::size_t i = 0; i < seats.size(); ++i) {
        window->form().SetText(SeatFields()[i], seats[i]);
    }
    window->commands().CheckPattern();
    dialogs.answers = {Answer::Yes};
    Command(kIdToolbarFirst + 3);            // "T+"
    ASSERT_EQ(dialogs.messages.size(), 1u);  // the replace question
    EXPECT_EQ(window->partsOverview().PartCount(), 2u);
    EXPECT_EQ(Text(Control("rtbOpenExist")).substr(0, 9), "$$\r\n2 3 1");
    EXPECT_EQ(Text(Control("lblShownFile")), "File shown: " + Path("Gridfile.dat"));
}

TEST_F(Win32ViewerTest, MissingInstalledFileIsReportedOverAnEmptyViewer) {
    Start();
    Command(kIdToolbarFirst + 2);  // "T"
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "No Zarvek File Exists!  Make a Zarvek File First!");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Critical);
    EXPECT_TRUE(Shown(Control("rtbOpenExist")));
    EXPECT_EQ(Text(Control("rtbOpenExist")), "");
}

struct BoxCase {
    Buttons buttons;
    Icon icon;
    Answer defaultButton;
    UINT style;
};

TEST(Win32Dialogs, BoxesCarryTheButtonsIconAndDefaultButtonOfTheMessage) {
    const BoxCase cases[] = {
        {Buttons::Ok, Icon::Critical, Answer::Ok, MB_OK | MB_ICONSTOP | MB_DEFBUTTON1},
        {Buttons::YesNo, Icon::Question, Answer::Yes, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1},
        {Buttons::YesNo, Icon::Exclamation, Answer::No,
         MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2},
        {Buttons::YesNoCancel, Icon::None, Answer::Yes, MB_YESNOCANCEL | MB_DEFBUTTON1},
        {Buttons::YesNoCancel, Icon::Information, Answer::Cancel,
         MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON3},
    };
    for (const BoxCase& c : cases) {
        EXPECT_EQ(MessageBoxStyle(Message{"p", "t", c.buttons, c.icon, c.defaultButton}), c.style);
    }
}

TEST(Win32Dialogs, YesNoBoxClosedWithoutAnAnswerTakesNo) {
    EXPECT_EQ(AnswerOf(IDCANCEL, Buttons::YesNo), Answer::No);
    EXPECT_EQ(AnswerOf(IDCANCEL, Buttons::YesNoCancel), Answer::Cancel);
    EXPECT_EQ(AnswerOf(IDYES, Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(AnswerOf(IDOK, Buttons::Ok), Answer::Ok);
}

TEST(Win32Dialogs, FilterListEndsInTwoNullCharacters) {
    EXPECT_EQ(OpenFileFilter(".dat  Files (*.dat)", "*.dat"),
              std::wstring(L".dat  Files (*.dat)\0*.dat\0\0", 27));
}

}  // namespace
}  // namespace zarvek::win32
