#include "window/qt/window_procedures.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>
#include <cstdint>
#include <optional>

#include "form/control_tags.h"
#include "form/view_layout.h"
#include "form/window_captions.h"

namespace zarvek {
namespace {

QString TagOf(const QObject& control) {
    return control.property("Tag").toString();
}

std::optional<QString> Q(const std::optional<std::string>& text) {
    return text ? std::optional<QString>(QString::fromStdString(*text)) : std::nullopt;
}

std::optional<QString> WholeIdText(const QString& text, Language language) {
    return Q(CaptionOfWholeId(text.toStdString(), language));
}

std::optional<QString> LeadingIdText(const QString& text, Language language) {
    return Q(CaptionOfLeadingId(text.toStdString(), language));
}

void LoadCaption(QObject& control, Language language) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        if (const auto text = WholeIdText(TagOf(control), language)) {
            label->setText(*text);
        }
    } else if (auto* menu = qobject_cast<QMenu*>(&control)) {
        if (const auto text = WholeIdText(menu->title(), language)) {
            menu->setTitle(*text);
        }
    } else if (auto* item = qobject_cast<QAction*>(&control)) {
        if (const auto text = WholeIdText(item->text(), language)) {
            item->setText(*text);
        }
    } else if (auto* toolbar = qobject_cast<QToolBar*>(&control)) {
        for (QAction* button : toolbar->actions()) {
            if (const auto text = WholeIdText(button->toolTip(), language)) {
                button->setToolTip(*text);
            }
        }
    } else {
        // Only buttons have a caption among the other controls; text boxes, the viewer and the
        // image lists have none, so their step is skipped.
        auto* button = qobject_cast<QAbstractButton*>(&control);
        if (const auto text = LeadingIdText(TagOf(control), language); text && button) {
            button->setText(*text);
        }
        if (auto* widget = qobject_cast<QWidget*>(&control)) {
            if (const auto tip = LeadingIdText(widget->toolTip(), language)) {
                widget->setToolTip(*tip);
            }
        }
    }
}

// The inner area of the window is everything below the menu bar; the viewer and its label live
// on the central widget, which starts below the toolbar. Converts from the one to the other.
struct InnerArea {
    QSize sizePixels;
    QPoint centralOffset;  // where the central widget's origin lies in the inner area
};

InnerArea InnerAreaOf(FrmMain& form) {
    const QMenuBar* menuBar = form.menuBar();
    const int top = menuBar != nullptr && menuBar->isVisibleTo(&form) && !menuBar->isNativeMenuBar()
                        ? menuBar->geometry().bottom() + 1
                        : 0;
    // The status bar ends it at the bottom: the viewer must not reach under it.
    const QStatusBar* statusBar = form.statusBar();
    const int bottom = statusBar->isVisibleTo(&form) ? statusBar->height() : 0;
    const QRect central = form.centralWidget()->geometry();
    return InnerArea{QSize(form.width(), form.height() - top - bottom),
                     QPoint(central.x(), central.y() - top)};
}

void LayOutViewer(FrmMain& form) {
    const MainControls& c = form.controls();
    const InnerArea inner = InnerAreaOf(form);
    const double dpiX = form.logicalDpiX();
    const double dpiY = form.logicalDpiY();
    const ViewLayout layout = ComputeViewLayout(PixelsToTwips(inner.sizePixels.width(), dpiX),
                                                PixelsToTwips(inner.sizePixels.height(), dpiY));
    const auto toCentral = [&](int leftTwips, int topTwips) {
        return QPoint(TwipsToPixels(leftTwips, dpiX) - inner.centralOffset.x(),
                      std::max(0, TwipsToPixels(topTwips, dpiY) - inner.centralOffset.y()));
    };
    const auto place = [&](QWidget& widget, const TwipsRect& rect) {
        widget.setGeometry(
            QRect(toCentral(rect.left, rect.top),
                  QSize(TwipsToPixels(rect.width, dpiX), TwipsToPixels(rect.height, dpiY))));
        widget.raise();
    };
    // The viewer area: the line naming the file shown, then the text viewer and the parts table
    // on their two tabs.
    place(*c.lblShownFile, layout.shownFile);
    place(*c.tabOpenExist, layout.tabs);
    c.lblOpenExist->move(toCentral(layout.labelLeft, layout.labelTop));
    c.lblOpenExist->setText(QString::fromStdString(form.gridFilePath()));
    c.lblOpenExist->adjustSize();
    c.lblOpenExist->raise();
}

}  // namespace

void LoadCaptions(FrmMain& form, Language language) {
    if (const auto title = WholeIdText(TagOf(form), language)) {
        form.setWindowTitle(*title);
    }
    for (QObject* control : form.controls().controlOrder) {
        LoadCaption(*control, language);
    }
}

void SetWindowMode(FrmMain& form, WindowMode mode) {
    for (QObject* control : form.controls().controlOrder) {
        auto* widget = qobject_cast<QWidget*>(control);
        const std::optional<ControlGroup> group = ClassifyTag(TagOf(*control).toStdString(), mode);
        if (widget == nullptr || !group) {
            continue;
        }
        const bool shown = ShownInMode(*group, mode);
        widget->setVisible(shown);
        widget->setEnabled(shown);
    }
    form.controls().lblPatternIsGood->setVisible(
        PatternIsGoodShown(form.form().WriteGateOpen(), mode));
    if (mode == WindowMode::View) {
        LayOutViewer(form);
    }
}

void DisableWriteCommands(FrmMain& form, bool disable) {
    form.form().DisableWriteCommands(disable);
}

void LockInputFields(FrmMain& form, bool lock) {
    form.form().LockInputFields(lock);
}

void ShowWriteGate(const MainControls& controls, bool open, WindowMode mode) {
    controls.cmdMakeGridFile->setEnabled(open);
    controls.cmdAddToGridFile->setEnabled(open);
    controls.toolbarButtons[3]->setEnabled(open);
    controls.mnuAddToGridFile->setEnabled(open);
    controls.lblPatternIsGood->setVisible(PatternIsGoodShown(open, mode));
}

void ShowInputLock(const MainControls& controls, bool locked) {
    for (QObject* control : controls.controlOrder) {
        auto* box = qobject_cast<QLineEdit*>(control);
        if (box != nullptr && TagOf(*box) == QLatin1String("Input")) {
            box->setReadOnly(locked);
        }
    }
}

}  // namespace zarvek
