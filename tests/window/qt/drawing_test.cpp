#include <QFontMetricsF>
#include <QImage>
#include <QTest>
#include <string>
#include <variant>
#include <vector>

#include "window/qt/pattern_drawing.h"
#include "window/qt/sketch_painter.h"
#include "window_fixture.h"

namespace zarvek {
namespace {

class DrawingTest : public WindowTest {
  protected:
    PatternDrawing& Drawing() const { return *window->controls().picPattern; }
    const PatternSketch& Sketch() const { return Drawing().sketch(); }

    // Gives the field the focus, which selects its text, and types over it key by key.
    void TypeOver(Field field, const char* keys) const {
        QLineEdit* box = Box(field);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(keys));
    }
};

TEST_F(DrawingTest, FollowsEveryKeystroke) {
    Start();
    window->FileNew();
    EXPECT_EQ(Sketch().hint, kSketchHintTypeSeats);  // the start-up zeros get no verdict
    FillPassingPattern();
    EXPECT_FALSE(Sketch().firstFailure.has_value());
    TypeOver(Field::Y3, "5");  // seat 3 at (30, 5): too close to the line of seats 1 and 2
    EXPECT_EQ(Sketch().firstFailure, kSpreadPoint3);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DrawingTest, FollowsTheDirectionsCheckPatternRewrites) {
    Start();
    window->FileNew();
    FillPassingPattern();
    window->form().SetText(Field::K1, "5");
    window->CheckPatternClick();
    EXPECT_EQ(Box(Field::K1)->text(), "1.00000");
    EXPECT_EQ(Sketch().firstFailure, std::nullopt);
    EXPECT_TRUE(window->form().WriteGateOpen());
}

TEST_F(DrawingTest, TakesNoFocusFromTheFields) {
    Start();
    window->FileNew();
    EXPECT_EQ(Drawing().focusPolicy(), Qt::NoFocus);
    ASSERT_TRUE(Box(Field::PartName)->hasFocus());
    QTest::mouseClick(&Drawing(), Qt::LeftButton, {}, Drawing().rect().center());
    EXPECT_TRUE(Box(Field::PartName)->hasFocus());
}

TEST_F(DrawingTest, StandsBesideTheSeatGridInsideTheWindow) {
    Start();
    window->FileNew();
    QApplication::processEvents();
    const QRect drawing(Drawing().mapTo(window.get(), QPoint(0, 0)), Drawing().size());
    const QRect lastField(Box(Field::K3)->mapTo(window.get(), QPoint(0, 0)),
                          Box(Field::K3)->size());
    EXPECT_GE(drawing.left(), lastField.right());
    EXPECT_TRUE(window->rect().contains(drawing));
    EXPECT_GE(Drawing().width(), Drawing().minimumSizeHint().width());
    EXPECT_GE(Drawing().height(), Drawing().minimumSizeHint().height());
}

// The lengths of sides that are too alike are drawn bold: their boxes must hold the bold text, or
// both ends are cut off ("00.000 mm").
TEST_F(DrawingTest, EmphasisedLengthsAreMeasuredInTheBoldTheyAreDrawnIn) {
    Start();
    window->FileNew();
    FillPassingPattern();
    window->form().SetText(Field::X3, "0");
    window->form().SetText(Field::Y3, "101");  // sides 1-2 and 3-1 too alike
    QFont bold = Drawing().font();
    bold.setBold(true);
    const QFontMetricsF metrics(bold);
    int emphasised = 0;
    for (const SceneItem& item : Drawing().Scene().items) {
        if (item.part == ScenePart::SideLength && item.emphasised) {
            const auto& label = std::get<SceneText>(item.shape);
            EXPECT_GE(label.box.width,
                      metrics.horizontalAdvance(QString::fromStdString(label.text)))
                << label.text;
            ++emphasised;
        }
    }
    EXPECT_EQ(emphasised, 2);
}

// The scene is what gets painted: each seat's dot in its own colour, the one too close in the
// warning colour.
TEST_F(DrawingTest, PaintsTheSceneItLaysOut) {
    Start();
    window->FileNew();
    FillPassingPattern();
    window->form().SetText(Field::Y3, "5");  // seat 3 too close to the line of seats 1 and 2
    QImage image(Drawing().size(), QImage::Format_ARGB32);
    Drawing().render(&image);
    int seats = 0;
    for (const SceneItem& item : Drawing().Scene().items) {
        if (item.part == ScenePart::Seat) {
            const auto& seat = std::get<SceneCircle>(item.shape);
            const QPoint centre(static_cast<int>(seat.centre.x), static_cast<int>(seat.centre.y));
            EXPECT_EQ(image.pixelColor(centre), ToQColor(*seat.fill)) << item.index;
            EXPECT_EQ(*seat.fill == kSceneWarning, item.index == 2);
            ++seats;
        }
    }
    EXPECT_EQ(seats, 3);
}

}  // namespace
}  // namespace zarvek
