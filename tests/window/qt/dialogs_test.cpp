#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <ostream>

#include "strings/string_ids.h"
#include "window/qt/qt_dialogs.h"
#include "window/qt/toolbar_pictures.h"
#include "window_fixture.h"

namespace zarvek {
namespace {

// Runs `inspect` on the message box once it is open, then presses `press` in it.
void WhenBoxOpens(const std::function<void(QMessageBox&)>& inspect,
                  QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        inspect(*box);
        box->button(press)->click();
    });
}

TEST(QtDialogs, BoxWithoutTitleCarriesTheApplicationTitleInEveryLanguage) {
    QtDialogs dialogs(Language::German);
    WhenBoxOpens(
        [](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "Zarvek File Wizard");
            EXPECT_EQ(box.text(), "Der Verktor von Punkt 1 ist kein Vektor");
            EXPECT_EQ(box.icon(), QMessageBox::Information);
        },
        QMessageBox::Ok);
    EXPECT_EQ(dialogs.Ask(Message{"Der Verktor von Punkt 1 ist kein Vektor", "", Buttons::Ok,
                                  Icon::Information, Answer::Ok}),
              Answer::Ok);
}

TEST(QtDialogs, SpreadQuestionOffersYesNoCancelWithYesAsDefault) {
    QtDialogs dialogs(Language::English);
    WhenBoxOpens(
        [](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "Insufficient Spread");
            EXPECT_EQ(box.standardButtons(),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
            EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        },
        QMessageBox::Cancel);
    EXPECT_EQ(dialogs.Ask(Message{"Too NarrowContinue Anyway?", "Insufficient Spread",
                                  Buttons::YesNoCancel, Icon::None, Answer::Yes}),
              Answer::Cancel);
}

TEST(QtDialogs, PromptIsShownAsPlainTextWithItsLineBreaks) {
    QtDialogs dialogs(Language::English);
    WhenBoxOpens(
        [](QMessageBox& box) {
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            EXPECT_EQ(box.text(), "<b>C:\\Arm</b> \t\nnext");
            EXPECT_EQ(box.icon(), QMessageBox::Critical);
        },
        QMessageBox::Ok);
    dialogs.Ask(Message{"<b>C:\\Arm</b> \t\r\nnext", "T", Buttons::Ok, Icon::Critical, Answer::Ok});
}

struct QtTextsCase {
    Language language;
    const char* yes;
    const char* no;
};

void PrintTo(const QtTextsCase& c, std::ostream* os) {
    *os << (c.language == Language::German ? "German" : "English");
}

// Qt's own texts (here the standard buttons) follow the window's language, not Qt's English.
class QtTextsInTheWindowsLanguage : public WindowTest,
                                    public testing::WithParamInterface<QtTextsCase> {};

TEST_P(QtTextsInTheWindowsLanguage, ReplaceQuestionNamesItsButtons) {
    const QtTextsCase c = GetParam();
    Start(c.language);
    const Message replace{LookupString(kReplaceInstalledGridFile, c.language),
                          LookupString(kFileExistsTitle, c.language), Buttons::YesNo, Icon::None,
                          Answer::Yes};
    const auto box = BuildMessageBox(replace, c.language, window.get());
    ASSERT_NE(box->button(QMessageBox::Yes), nullptr);
    ASSERT_NE(box->button(QMessageBox::No), nullptr);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), c.yes);
    EXPECT_EQ(box->button(QMessageBox::No)->text().remove(QLatin1Char('&')), c.no);
}

INSTANTIATE_TEST_SUITE_P(Languages, QtTextsInTheWindowsLanguage,
                         testing::Values(QtTextsCase{Language::German, "Ja", "Nein"},
                                         QtTextsCase{Language::English, "Yes", "No"}));

TEST(QtDialogs, FileFilterIsTheDescriptionWhenItEndsWithThePattern) {
    EXPECT_EQ(FileDialogFilter(".dat  Files (*.dat)", "*.dat"), ".dat  Files (*.dat)");
    EXPECT_EQ(FileDialogFilter("Grid files", "*.dat"), "Grid files (*.dat)");
}

TEST(ToolbarPictures, GreyedPicturesHaveNoColour) {
    for (const QPixmap& picture : DrawToolbarPictures(2.0)) {
        const QImage greyed = Greyed(picture).toImage().convertToFormat(QImage::Format_ARGB32);
        bool drawn = false;
        for (int y = 0; y < greyed.height(); ++y) {
            for (int x = 0; x < greyed.width(); ++x) {
                const QRgb pixel = greyed.pixel(x, y);
                drawn = drawn || qAlpha(pixel) > 0;
                if (qAlpha(pixel) > 32) {
                    EXPECT_NEAR(qRed(pixel), qGreen(pixel), 1);
                    EXPECT_NEAR(qGreen(pixel), qBlue(pixel), 1);
                }
            }
        }
        EXPECT_TRUE(drawn);
    }
}

}  // namespace
}  // namespace zarvek
