#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "window_fixture.h"

namespace zarvek::win32 {
namespace {

class Win32TypingTest : public Win32WindowTest {
  protected:
    void StartInInputMode() {
        Start();
        Command(kIdFileNew);
    }
    // Types each text into the focused field and Tabs to the next, through the message loop.
    void TypeFields(const std::vector<std::wstring>& texts) {
        for (const std::wstring& text : texts) {
            Type(text);
            Key(VK_TAB);
        }
    }
};

TEST_F(Win32TypingTest, TabRunsNameDiameterSeatsThenMakeAddCheckAndBackToTheName) {
    StartInInputMode();
    // Texts that leaving does not rewrite, so the gate stays open: disabled buttons take no focus.
    for (const Field field : SeatFields()) {
        window->form().SetText(field,
                               RulesOf(field).decimalsOnLeaving == 4 ? "1.0000" : "1.000000");
    }
    window->form().DisableWriteCommands(false);
    std::vector<std::string> order;
    for (int i = 0; i < 24; ++i) {
        order.push_back(FocusName());
        Key(VK_TAB);
    }
    const std::vector<std::string> expected = {
        "txtPartName",     "txtProbeDia",      "txtX(0)",         "txtY(0)",    "txtZ(0)",
        "txtI(0)",         "txtJ(0)",          "txtK(0)",         "txtX(1)",    "txtY(1)",
        "txtZ(1)",         "txtI(1)",          "txtJ(1)",         "txtK(1)",    "txtX(2)",
        "txtY(2)",         "txtZ(2)",          "txtI(2)",         "txtJ(2)",    "txtK(2)",
        "cmdMakeGridFile", "cmdAddToGridFile", "cmdCheckPattern", "txtPartName"};
    EXPECT_EQ(order, expected);
}

TEST_F(Win32TypingTest, RefusedCharactersBeepAndTheModelsTextIsShown) {
    StartInInputMode();
    TypeFields({L"Bracket A+", L"6 mm"});
    EXPECT_EQ(Text(Box(Field::PartName)), "Bracket A+");
    EXPECT_EQ(Text(Box(Field::ProbeDiameter)), "6");
    EXPECT_EQ(dialogs.beeps, 3);
    // Tabbing into a seat field selects its text: the first key replaces it.
    EXPECT_EQ(FocusName(), "txtX(0)");
    Type(L"12a");
    EXPECT_EQ(Text(Box(Field::X1)), "12");
    EXPECT_EQ(window->form().Text(Field::X1), "12");
    EXPECT_EQ(dialogs.beeps, 4);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Box(Field::X1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 2u);
}

TEST_F(Win32TypingTest, PasteKeepsTheLongestValidBeginningWithABeepPerCharacter) {
    StartInInputMode();
    SetFocus(Box(Field::J2));
    ASSERT_TRUE(OpenClipboard(window->hwnd()));
    EmptyClipboard();
    const std::wstring pasted = L"12a45";
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard owns it now
    CloseClipboard();
    SendMessageW(Box(Field::J2), WM_PASTE, 0, 0);
    Pump();
    EXPECT_EQ(Text(Box(Field::J2)), "12");
    EXPECT_EQ(dialogs.beeps, 3);
}

TEST_F(Win32TypingTest, LeavingForAnotherControlRewritesButLosingTheFocusToABoxDoesNot) {
    StartInInputMode();
    SetFocus(Box(Field::I2));
    Type(L"0.70710678");
    // A message box or another program takes the focus: no control of this window gets it.
    SendMessageW(Box(Field::I2), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(Text(Box(Field::I2)), "0.70710678");
    Key(VK_TAB);
    EXPECT_EQ(Text(Box(Field::I2)), "0.707107");
    EXPECT_EQ(FocusName(), "txtJ(1)");
    EXPECT_EQ(dialogs.beeps, 0);
}

// English numbers: "12,5" is a slip of the decimal separator.
TEST_F(Win32TypingTest, EnterChecksNeverWritesAndARefusalFocusesTheFieldSelected) {
    StartInInputMode();
    const std::vector<const char*> seats = {"0", "0", "0", "0",  "0",  "1", "100", "0", "0",
                                            "0", "0", "1", "30", "80", "0", "0",   "0", "1"};
    window->form().SetText(Field::PartName, "Bracket");
    window->form().SetText(Field::ProbeDiameter, "6");
    for (std::size_t i = 0; i < seats.size(); ++i) {
        window->form().SetText(SeatFields()[i], seats[i]);
    }
    SetFocus(Box(Field::X2));
    Type(L"12,5");
    Key(VK_TAB);
    Key(VK_RETURN);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Invalid Number");
    EXPECT_EQ(Text(Box(Field::X2)), "12,5");
    EXPECT_EQ(FocusName(), "txtX(1)");
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(Box(Field::X2), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    EXPECT_FALSE(window->form().WriteGateOpen());

    Type(L"100");
    Key(VK_RETURN);  // the field is left for the button, as a click leaves it
    EXPECT_EQ(Text(Box(Field::X2)), "100.0000");
    EXPECT_EQ(FocusName(), "cmdCheckPattern");
    EXPECT_TRUE(window->form().WriteGateOpen());
    SetFocus(Control("cmdMakeGridFile"));
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(window->hwnd()));
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder / "Gridfile.dat"));
}

// The part of the checked-in expected file, typed as the operator types it.
TEST_F(Win32TypingTest, TypedPartPassesCheckAndMakeWritesTheExpectedBytesAndSaysSo) {
    StartInInputMode();
    TypeFields({L"Bracket, A", L"6.35",      L"0",        L"0", L"0", L"0", L"0",
                L"5",          L"100.00049", L"0",        L"0", L"0", L"1", L"1",
                L"30",         L"80",        L"-0.00001", L"0", L"0", L"1"});
    EXPECT_EQ(Text(Box(Field::X2)), "100.0005");
    EXPECT_EQ(FocusName(), "cmdCheckPattern");  // Make and Add are disabled: skipped
    Key(VK_SPACE);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Text(Box(Field::J2)), "0.70711");
    EXPECT_TRUE(Enabled(Control("cmdMakeGridFile")));
    EXPECT_TRUE(Shown(Control("lblPatternIsGood")));

    SendMessageW(Control("cmdMakeGridFile"), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(dialogs.messages.empty());  // no file yet: no replace question
    EXPECT_EQ(ReadFile(Path("Gridfile.dat")),
              ReadFile(std::string(ZARVEK_TEST_DATA_DIR) + "/cli_make_expected.dat"));
    EXPECT_EQ(Text(window->controls().sbrStatus),
              "\"Bracket, A\" was written as the only part of the new Zarvek file " +
                  Path("Gridfile.dat") + "; there was no previous file to keep.");
    EXPECT_TRUE(Enabled(Control("cmdMakeGridFile")));

    // One keystroke in the part name shuts the gate again.
    SetFocus(Box(Field::PartName));
    Type(L"x");
    EXPECT_FALSE(Enabled(Control("cmdMakeGridFile")));
    EXPECT_FALSE(Shown(Control("lblPatternIsGood")));
}

}  // namespace
}  // namespace zarvek::win32
