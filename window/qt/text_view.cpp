#include "window/qt/text_view.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLine>
#include <QTextOption>
#include <algorithm>
#include <cstring>
#include <utility>

namespace zarvek {
namespace {

constexpr int kMargin = 4;  // pixels left of the text, as a text editor leaves them

// Wide enough that no line of a grid file reaches the end: lines never wrap.
constexpr qreal kUnboundedWidth = 1e7;

bool IsWordCharacter(QChar c) {
    return !c.isSpace();
}

}  // namespace

TextView::TextView(QWidget* parent) : QAbstractScrollArea(parent) {
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    UpdateMetrics();
    SetText(std::string());
}

void TextView::SetText(std::string utf8) {
    text_ = std::move(utf8);
    lines_.clear();
    lines_.reserve(text_.size() / 32 + 1);
    widestColumns_ = 0;
    // One scan: the line ends, and each line's width in characters with its tabs expanded.
    const char* const begin = text_.data();
    const char* const end = begin + text_.size();
    const char* start = begin;
    int columns = 0;
    for (const char* at = begin; at != end; ++at) {
        const char c = *at;
        if (c == '\r' || c == '\n') {
            lines_.push_back(Line{static_cast<std::uint32_t>(start - begin),
                                  static_cast<std::uint32_t>(at - start)});
            widestColumns_ = std::max(widestColumns_, columns);
            columns = 0;
            if (c == '\r' && at + 1 != end && at[1] == '\n') {
                ++at;
            }
            start = at + 1;
        } else if (c == '\t') {
            columns = (columns / tabStopCharacters_ + 1) * tabStopCharacters_;
        } else {
            columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        }
    }
    lines_.push_back(
        Line{static_cast<std::uint32_t>(start - begin), static_cast<std::uint32_t>(end - start)});
    widestColumns_ = std::max(widestColumns_, columns);
    anchor_ = cursor_ = Position{};
    selecting_ = false;
    UpdateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void TextView::clear() {
    SetText(std::string());
}

QString TextView::LineText(int line) const {
    const Line& span = lines_[static_cast<std::size_t>(line)];
    return QString::fromUtf8(text_.data() + span.start, static_cast<qsizetype>(span.length));
}

QString TextView::toPlainText() const {
    std::string joined;
    joined.reserve(text_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) {
            joined.push_back('\n');
        }
        joined.append(text_, lines_[i].start, lines_[i].length);
    }
    return QString::fromStdString(joined);
}

QString TextView::TextBetween(Position from, Position to) const {
    if (from.line == to.line) {
        return LineText(from.line).mid(from.column, to.column - from.column);
    }
    QString text = LineText(from.line).mid(from.column);
    for (int line = from.line + 1; line < to.line; ++line) {
        text += QLatin1Char('\n') + LineText(line);
    }
    return text + QLatin1Char('\n') + LineText(to.line).left(to.column);
}

QString TextView::selectedText() const {
    return TextBetween(std::min(anchor_, cursor_), std::max(anchor_, cursor_));
}

void TextView::selectAll() {
    anchor_ = Position{};
    const int last = lineCount() - 1;
    cursor_ = Position{last, static_cast<int>(LineText(last).size())};
    viewport()->update();
}

void TextView::copy() const {
    if (HasSelection()) {
        QApplication::clipboard()->setText(selectedText());
    }
}

void TextView::SetTabStopCharacters(int characters) {
    tabStopCharacters_ = std::max(1, characters);
    UpdateMetrics();
    SetText(std::move(text_));
}

void TextView::UpdateMetrics() {
    const QFontMetricsF metrics(font());
    characterWidth_ = std::max<qreal>(1, metrics.horizontalAdvance(QLatin1Char(' ')));
    tabStop_ = characterWidth_ * tabStopCharacters_;
    lineHeight_ = std::max(1, QFontMetrics(font()).lineSpacing());
}

void TextView::UpdateScrollBars() {
    const int visibleLines = std::max(1, viewport()->height() / lineHeight_);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(visibleLines);
    verticalScrollBar()->setRange(0, std::max(0, lineCount() - visibleLines));
    const int width = static_cast<int>(widestColumns_ * characterWidth_) + 2 * kMargin;
    horizontalScrollBar()->setSingleStep(static_cast<int>(characterWidth_) * 2);
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
}

int TextView::FirstVisibleLine() const {
    return verticalScrollBar()->value();
}

void TextView::LayOut(QTextLayout& layout, int line) const {
    layout.setText(LineText(line));
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(tabStop_);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    if (textLine.isValid()) {
        textLine.setLineWidth(kUnboundedWidth);
        textLine.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
}

void TextView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const Position from = std::min(anchor_, cursor_);
    const Position to = std::max(anchor_, cursor_);
    const qreal left = kMargin - horizontalScrollBar()->value();
    const int height = viewport()->height();
    for (int line = FirstVisibleLine(), y = 0; line < lineCount() && y < height;
         ++line, y += lineHeight_) {
        QTextLayout layout;
        LayOut(layout, line);
        QList<QTextLayout::FormatRange> selection;
        if (HasSelection() && line >= from.line && line <= to.line) {
            QTextLayout::FormatRange range;
            range.start = line == from.line ? from.column : 0;
            range.length = (line == to.line ? to.column : static_cast<int>(layout.text().size())) -
                           range.start;
            range.format.setBackground(palette().brush(QPalette::Highlight));
            range.format.setForeground(palette().brush(QPalette::HighlightedText));
            selection.append(range);
        }
        layout.draw(&painter, QPointF(left, y), selection);
    }
}

void TextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateMetrics();
        UpdateScrollBars();
        viewport()->update();
    }
}

TextView::Position TextView::PositionAt(QPoint point) const {
    const int line = std::clamp(
        FirstVisibleLine() + (point.y() >= 0 ? point.y() / lineHeight_ : -1), 0, lineCount() - 1);
    QTextLayout layout;
    LayOut(layout, line);
    const qreal x = point.x() - kMargin + horizontalScrollBar()->value();
    return Position{line, layout.lineCount() > 0 ? layout.lineAt(0).xToCursor(x) : 0};
}

void TextView::SelectTo(Position position) {
    if (position != cursor_) {
        cursor_ = position;
        viewport()->update();
    }
}

void TextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const Position position = PositionAt(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier)) {
        anchor_ = position;
    }
    selecting_ = true;
    cursor_ = position;
    viewport()->update();
}

void TextView::mouseMoveEvent(QMouseEvent* event) {
    if (!selecting_ || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const QPoint point = event->position().toPoint();
    // Dragging past the top or the bottom scrolls the text along.
    if (point.y() < 0) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    } else if (point.y() >= viewport()->height()) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    SelectTo(PositionAt(point));
}

void TextView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && selecting_) {
        selecting_ = false;
        QClipboard* clipboard = QApplication::clipboard();
        if (HasSelection() && clipboard->supportsSelection()) {
            clipboard->setText(selectedText(), QClipboard::Selection);
        }
    }
}

void TextView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const Position position = PositionAt(event->position().toPoint());
    const QString text = LineText(position.line);
    int start = std::min(position.column, static_cast<int>(text.size()));
    int end = start;
    while (start > 0 && IsWordCharacter(text[start - 1])) {
        --start;
    }
    while (end < text.size() && IsWordCharacter(text[end])) {
        ++end;
    }
    anchor_ = Position{position.line, start};
    SelectTo(Position{position.line, end});
}

void TextView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::MoveToStartOfDocument)) {
        verticalScrollBar()->setValue(0);
    } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void TextView::contextMenuEvent(QContextMenuEvent* event) {
    // Qt's own words for a text box's menu, in the language Qt's translation gives them.
    QMenu menu(this);
    QAction* copyAction = menu.addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"),
                                         this, [this] { copy(); });
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(HasSelection());
    menu.addSeparator();
    QAction* selectAllAction =
        menu.addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), this,
                       [this] { selectAll(); });
    selectAllAction->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

}  // namespace zarvek
