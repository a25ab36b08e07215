#include <vector>

#include "platform/wide_text_win32.h"
#include "window/win32/controls.h"
#include "window/win32/startup.h"
#include "window_fixture.h"

namespace zarvek::win32 {
namespace {

const std::vector<const char*> kInputGroup = {
    "Label1",  "Label13", "txtPartName", "txtProbeDia",     "txtX(0)",         "txtK(2)",
    "Label12", "Label9",  "picPattern",  "cmdCheckPattern", "cmdMakeGridFile", "cmdAddToGridFile"};
const std::vector<const char*> kViewGroup = {"tabOpenExist", "rtbOpenExist", "lblOpenExist"};

class Win32ModesTest : public Win32WindowTest {
  protected:
    void ExpectShown(const std::vector<const char*>& names, bool shown) {
        for (const char* name : names) {
            ASSERT_NE(Control(name), nullptr) << name;
            EXPECT_EQ(Shown(Control(name)), shown) << name;
        }
    }
    bool ToolbarAddEnabled() const {
        return SendMessageW(window->controls().Toolbar1, TB_ISBUTTONENABLED, kIdToolbarFirst + 3,
                            0) != 0;
    }
    bool MenuAddEnabled() const {
        return (GetMenuState(window->controls().mnuFile, kIdAddToGridFile, MF_BYCOMMAND) &
                MF_GRAYED) == 0;
    }
    std::string MenuText(HMENU menu, UINT item, UINT flags) const {
        wchar_t text[128] = {};
        GetMenuStringW(menu, item, text, 128, flags);
        return Narrow(text);
    }
};

TEST_F(Win32ModesTest, StartupShowsOnlyMenuAndToolbarAndCtrlNShowsTheZeroedFormWithTheGateShut) {
    Start();
    EXPECT_EQ(Text(window->hwnd()), "Zarvek File Wizard");
    EXPECT_TRUE(IsWindowVisible(window->hwnd()));
    ExpectShown(kInputGroup, false);
    ExpectShown(kViewGroup, false);
    EXPECT_EQ(window->gridFilePath(), armdataFolder + "Gridfile.dat");
    EXPECT_EQ(MenuText(window->controls().mnuFile, kIdFileNew, MF_BYCOMMAND), "&New\tCtrl+N");

    // Ctrl+N through the accelerator of the message loop, typed in no control at all.
    PostMessageW(window->hwnd(), WM_KEYDOWN, VK_CONTROL, 1);
    PostMessageW(window->hwnd(), WM_KEYDOWN, 'N', 1);
    PostMessageW(window->hwnd(), WM_KEYUP, 'N', static_cast<LPARAM>(0xC0000001u));
    PostMessageW(window->hwnd(), WM_KEYUP, VK_CONTROL, static_cast<LPARAM>(0xC0000001u));
    // The accelerator reads the key state, not the posted messages: hold Ctrl for it.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);

    ExpectShown(kInputGroup, true);
    ExpectShown(kViewGroup, false);
    EXPECT_EQ(FocusName(), "txtPartName");
    for (const Field field : SeatFields()) {
        EXPECT_EQ(Text(Box(field)), "0.0000") << ControlName(field);
    }
    EXPECT_EQ(Text(Box(Field::PartName)), "");
    EXPECT_EQ(Text(Box(Field::ProbeDiameter)), "");
    EXPECT_FALSE(Enabled(Control("cmdMakeGridFile")));
    EXPECT_FALSE(Enabled(Control("cmdAddToGridFile")));
    EXPECT_FALSE(ToolbarAddEnabled());
    EXPECT_FALSE(MenuAddEnabled());
    EXPECT_FALSE(Shown(Control("lblPatternIsGood")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Win32ModesTest, RegistryWarningIsShownBeforeTheWindow) {
    bool windowShownAtWarning = true;
    window = std::make_unique<FrmMain>(dialogs, Language::English, NumberLocale{}, [&](Dialogs& d) {
        windowShownAtWarning = IsWindowVisible(window->hwnd()) != FALSE;
        d.Ask(Message{"ERROR", "Error", Buttons::Ok, Icon::Exclamation, Answer::Ok});
        return std::string();
    });
    StartUp(*window, SW_SHOW);
    EXPECT_FALSE(windowShownAtWarning);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(window->hwnd()));
    // With no folder the installed file is looked for in the current folder.
    EXPECT_EQ(window->gridFilePath(), "Gridfile.dat");
}

TEST_F(Win32ModesTest, GermanInterfaceHasGermanCaptionsAndMenu) {
    Start(Language::German);
    const Win32Controls& c = window->controls();
    EXPECT_EQ(Text(window->hwnd()), "Zarvek Assistent");
    EXPECT_EQ(MenuText(c.menuBar, 0, MF_BYPOSITION), "&Datei");
    EXPECT_EQ(MenuText(c.mnuFile, kIdFileNew, MF_BYCOMMAND), "&Neu\tStrg+N");
    EXPECT_EQ(MenuText(c.mnuFile, kIdFileOpen, MF_BYCOMMAND), "Ö&ffnen...");
    EXPECT_EQ(MenuText(c.mnuFile, kIdFileClose, MF_BYCOMMAND), "S&chließen");
    EXPECT_EQ(MenuText(c.mnuFile, kIdFileExit, MF_BYCOMMAND), "&Beenden");
    EXPECT_EQ(MenuText(c.mnuFile, kIdRestorePrevious, MF_BYCOMMAND),
              "Vorherige Zarvek Datei &wiederherstellen");
    EXPECT_EQ(GetMenuState(c.mnuFile, 6, MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(Text(Control("Label13")), "ALLE WERTE MÜSSEN IN MM EINGEGEBEN WERDEN");
    EXPECT_EQ(Text(Control("Label2")), "Punkt 2");
    EXPECT_EQ(Text(Control("cmdCheckPattern")), "Positionen prüfen");
    EXPECT_EQ(Text(Control("cmdAddToGridFile")), "Zu Zarvek Datei hinzufügen");
    EXPECT_EQ(Text(Control("lblPatternIsGood")), "Anordnung ist OK!");
    EXPECT_EQ(Text(Box(Field::PartName)), "");
}

TEST_F(Win32ModesTest, GateOpensWithAPassAndViewModeKeepsToolbarAddButNotTheLabelUntilNew) {
    Start();
    Command(kIdFileNew);
    window->form().DisableWriteCommands(false);
    EXPECT_TRUE(Enabled(Control("cmdMakeGridFile")));
    EXPECT_TRUE(ToolbarAddEnabled());
    EXPECT_TRUE(MenuAddEnabled());
    EXPECT_TRUE(Shown(Control("lblPatternIsGood")));
    Command(kIdToolbarFirst + 2);  // "T": view the installed file (there is none)
    ExpectShown(kViewGroup, true);
    ExpectShown(kInputGroup, false);
    EXPECT_TRUE(ToolbarAddEnabled());
    EXPECT_FALSE(Shown(Control("lblPatternIsGood")));  // it would stand over the tabs
    Command(kIdFileNew);
    EXPECT_FALSE(ToolbarAddEnabled());
    EXPECT_FALSE(Shown(Control("lblPatternIsGood")));
}

TEST_F(Win32ModesTest, ExitEndsAtOnceWithoutAsking) {
    Start();
    Command(kIdFileNew);
    window->form().SetText(Field::PartName, "unsaved");
    Command(kIdFileExit);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(IsWindow(window->hwnd()));
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zarvek::win32
