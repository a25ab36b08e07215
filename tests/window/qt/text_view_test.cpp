// The viewer's text view: it lays out only what it shows, but must show, select and copy the whole
// text as a text box would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>
#include <string>

#include "window/qt/text_view.h"

namespace zarvek {
namespace {

class TextViewTest : public testing::Test {
  protected:
    void SetUp() override {
        view.resize(400, 300);
        view.show();
        QApplication::processEvents();
    }

    // The middle of line `line` (from the top of the view), `x` pixels from the left.
    QPoint At(int line, int x) const {
        const int height = QFontMetrics(view.font()).lineSpacing();
        return QPoint(x, line * height + height / 2);
    }

    TextView view;
};

TEST_F(TextViewTest, EveryKindOfLineEndBreaksTheLineAndATrailingOneLeavesAnEmptyLine) {
    const struct {
        const char* text;
        const char* shown;
        int lines;
    } cases[] = {
        {"", "", 1},
        {"$$", "$$", 1},
        {"a\r\nb\rc\nd", "a\nb\nc\nd", 4},
        {"a\r\n", "a\n", 2},
        {"a\r\r\nb", "a\n\nb", 3},
        {"Part B\xC3\xA4r\r\n\t1.000", "Part B\xC3\xA4r\n\t1.000", 2},
    };
    for (const auto& c : cases) {
        view.SetText(c.text);
        EXPECT_EQ(view.toPlainText(), QString::fromUtf8(c.shown)) << c.text;
        EXPECT_EQ(view.lineCount(), c.lines) << c.text;
    }
}

TEST_F(TextViewTest, SelectAllAndCopyPutTheWholeTextOnTheClipboard) {
    view.SetText("$$\r\n1 3 1.500000 6.000000 4\r\nPart A");
    QApplication::clipboard()->clear();
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);  // nothing selected: nothing copied
    EXPECT_EQ(QApplication::clipboard()->text(), QString());
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "$$\n1 3 1.500000 6.000000 4\nPart A");
}

TEST_F(TextViewTest, DraggingSelectsFromThePressToTheRelease) {
    view.SetText("alpha\tbeta\r\ngamma\r\ndelta");
    QWidget* surface = view.viewport();
    QTest::mousePress(surface, Qt::LeftButton, {}, At(0, 0));
    QTest::mouseMove(surface, At(1, surface->width() - 1));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, At(1, surface->width() - 1));
    EXPECT_EQ(view.selectedText(), "alpha\tbeta\ngamma");
    // A new press without Shift starts a new selection; with Shift it extends the old one.
    QTest::mouseClick(surface, Qt::LeftButton, {}, At(2, 0));
    EXPECT_EQ(view.selectedText(), QString());
    QTest::mouseClick(surface, Qt::LeftButton, Qt::ShiftModifier, At(2, surface->width() - 1));
    EXPECT_EQ(view.selectedText(), "delta");
}

TEST_F(TextViewTest, DoubleClickSelectsTheWordUnderThePointer) {
    view.SetText("\t12.345\t-40.125");
    const qreal tabStop = QFontMetrics(view.font()).horizontalAdvance(QLatin1Char(' ')) * 8;
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, At(0, static_cast<int>(tabStop) + 8));
    EXPECT_EQ(view.selectedText(), "12.345");
}

TEST_F(TextViewTest, NewTextDropsTheSelectionAndStartsAtTheTop) {
    std::string longText;
    for (int i = 0; i < 1000; ++i) {
        longText += "line " + std::to_string(i) + "\r\n";
    }
    view.SetText(longText);
    view.selectAll();
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    ASSERT_GT(view.verticalScrollBar()->value(), 0);
    view.SetText("short");
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    EXPECT_EQ(view.selectedText(), QString());
}

}  // namespace
}  // namespace zarvek
