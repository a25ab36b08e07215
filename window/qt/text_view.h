#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <QTextLayout>
#include <cstdint>
#include <string>
#include <vector>

namespace zarvek {

// A read-only view of a long plain text that lays out only the lines on screen, so that showing a
// grid file of 131,000 lines costs one scan for its line ends, not a document of 131,000 blocks.
// The text is kept as given (UTF-8) and each visible line is turned into a QString as it is
// painted. Lines end at CR LF, a lone CR or a lone LF; a text that ends in a line end has an empty
// last line, as a text editor shows it. No line wraps; tabs stop every TabStopCharacters widths of
// a space of the font.
//
// Text is selectable with the mouse (drag, double-click for a word, shift-click to extend) and
// copyable (Ctrl+C, the context menu's Copy; on X11 the selection becomes the primary selection);
// Ctrl+A selects everything. The keyboard scrolls (arrows, Page Up/Down, Ctrl+Home/End).
class TextView final : public QAbstractScrollArea {
  public:
    explicit TextView(QWidget* parent = nullptr);

    // Shows `utf8` in place of what was shown, from its first line; drops the selection.
    void SetText(std::string utf8);
    void clear();

    // The whole text with "\n" between lines (one QString: for tests and copying, not for
    // showing).
    QString toPlainText() const;
    // The selected text with "\n" between lines; empty when nothing is selected.
    QString selectedText() const;
    bool isReadOnly() const { return true; }

    void selectAll();
    // Puts the selected text on the clipboard; does nothing without a selection.
    void copy() const;

    void SetTabStopCharacters(int characters);
    int lineCount() const { return static_cast<int>(lines_.size()); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct Line {
        std::uint32_t start = 0;   // byte offset in text_
        std::uint32_t length = 0;  // bytes, without the line end
    };
    // A place in the text: a line and a position in that line's QString (UTF-16 units).
    struct Position {
        int line = 0;
        int column = 0;
        friend auto operator<=>(const Position&, const Position&) = default;
    };

    QString LineText(int line) const;
    // Lays out `line` for painting or hit testing.
    void LayOut(QTextLayout& layout, int line) const;
    Position PositionAt(QPoint point) const;
    QString TextBetween(Position from, Position to) const;
    bool HasSelection() const { return anchor_ != cursor_; }
    void SelectTo(Position position);
    void UpdateScrollBars();
    void UpdateMetrics();
    int FirstVisibleLine() const;

    std::string text_;
    std::vector<Line> lines_;
    int widestColumns_ = 0;  // the widest line in characters, tabs expanded
    int tabStopCharacters_ = 8;
    qreal tabStop_ = 0;
    int lineHeight_ = 1;
    qreal characterWidth_ = 1;
    Position anchor_;
    Position cursor_;
    bool selecting_ = false;
};

}  // namespace zarvek
