#include "window/qt/input_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QString>
#include <QVBoxLayout>
#include <limits>

#include "window/qt/make_child.h"
#include "window/qt/pattern_drawing.h"

namespace zarvek {
namespace {

constexpr std::array<const char*, 6> kAxisTags = {"1026", "1027", "1028", "1029", "1030", "1031"};
constexpr std::array<const char*, 3> kPointTags = {"1023", "1024", "1025"};

// A label whose design caption is its own name, replaced by LoadCaptions from its Tag.
QLabel* MakeLabel(QWidget& inner, const QString& name, const char* tag) {
    auto* label = MakeChild<QLabel>(name, &inner);
    NameControl(*label, name.toUtf8().constData(), tag);
    return label;
}

QLineEdit* MakeField(QWidget& inner, Field field) {
    auto* edit = MakeChild<QLineEdit>(&inner);
    NameControl(*edit, ControlName(field).c_str(), "Input");
    // The fields take text of any length, as the operator pastes it.
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QPushButton* MakeButton(QWidget& inner, const char* name, const char* tag) {
    auto* button = MakeChild<QPushButton>(QString::fromLatin1(name), &inner);
    NameControl(*button, name, tag);
    return button;
}

void CreateControls(QWidget& inner, MainControls& c) {
    c.Label13 = MakeLabel(inner, "Label13", "1068");
    QFont warningFont = c.Label13->font();
    warningFont.setBold(true);
    c.Label13->setFont(warningFont);
    c.Label13->setAlignment(Qt::AlignCenter);
    c.Label11 = MakeLabel(inner, "Label11", "1034");
    c.fields[IndexOf(Field::PartName)] = MakeField(inner, Field::PartName);
    c.Label10 = MakeLabel(inner, "Label10", "1033");
    c.fields[IndexOf(Field::ProbeDiameter)] = MakeField(inner, Field::ProbeDiameter);
    c.Label12 = MakeLabel(inner, "Label12", "1035");
    for (std::size_t a = 0; a < 6; ++a) {
        c.columnHeadings[a] = MakeLabel(inner, QStringLiteral("Label%1").arg(4 + a), kAxisTags[a]);
        c.columnHeadings[a]->setAlignment(Qt::AlignCenter);
    }
    for (std::size_t p = 0; p < 3; ++p) {
        c.rowHeadings[p] = MakeLabel(inner, QStringLiteral("Label%1").arg(1 + p), kPointTags[p]);
    }
    // The control arrays, each array's three elements together.
    for (int a = 0; a < 6; ++a) {
        for (int seat = 0; seat < 3; ++seat) {
            const Field field = SeatField(static_cast<Axis>(a), seat);
            c.fields[IndexOf(field)] = MakeField(inner, field);
        }
    }
    c.cmdCheckPattern = MakeButton(inner, "cmdCheckPattern", "1039");
    c.cmdMakeGridFile = MakeButton(inner, "cmdMakeGridFile", "1038");
    c.cmdAddToGridFile = MakeButton(inner, "cmdAddToGridFile", "1036");
    c.lblPatternIsGood = MakeLabel(inner, "lblPatternIsGood", "1065");
    QFont goodFont = c.lblPatternIsGood->font();
    goodFont.setBold(true);
    c.lblPatternIsGood->setFont(goodFont);
    QPalette goodPalette = c.lblPatternIsGood->palette();
    goodPalette.setColor(QPalette::WindowText, QColor(0, 100, 0));
    c.lblPatternIsGood->setPalette(goodPalette);
    // Shown with the form, so tagged as its text boxes are; it takes no focus and no text.
    c.picPattern = MakeChild<PatternDrawing>(&inner);
    NameControl(*c.picPattern, "picPattern", "Input");
}

void ListInControlOrder(MainControls& c) {
    auto& order = c.controlOrder;
    order.insert(order.end(), {c.Label13, c.Label11, c.field(Field::PartName), c.Label10,
                               c.field(Field::ProbeDiameter), c.Label12});
    order.insert(order.end(), c.columnHeadings.begin(), c.columnHeadings.end());
    order.insert(order.end(), c.rowHeadings.begin(), c.rowHeadings.end());
    for (int a = 0; a < 6; ++a) {
        for (int seat = 0; seat < 3; ++seat) {
            order.push_back(c.field(SeatField(static_cast<Axis>(a), seat)));
        }
    }
    order.insert(order.end(), {c.cmdCheckPattern, c.cmdMakeGridFile, c.cmdAddToGridFile,
                               c.lblPatternIsGood, c.picPattern});
}

// The unit warning across the top, then the part name and probe diameter; below them, on the
// left, the seat grid and the row of "Pattern is Good!" and the buttons, on the right the drawing.
void ArrangeControls(QWidget& inner, const MainControls& c) {
    auto* page = MakeChild<QVBoxLayout>(&inner);
    page->addWidget(c.Label13);
    page->addSpacing(8);

    auto* header = MakeChild<QGridLayout>();
    header->addWidget(c.Label11, 0, 0);
    header->addWidget(c.field(Field::PartName), 0, 1);
    header->addWidget(c.Label10, 1, 0);
    auto* probe = MakeChild<QHBoxLayout>();
    probe->addWidget(c.field(Field::ProbeDiameter), 1);
    probe->addWidget(c.Label12);
    probe->addStretch(2);
    header->addLayout(probe, 1, 1);
    header->setColumnStretch(1, 1);
    page->addLayout(header);
    page->addSpacing(12);

    auto* columns = MakeChild<QHBoxLayout>();
    page->addLayout(columns, 1);
    auto* form = MakeChild<QVBoxLayout>();
    columns->addLayout(form, 3);
    columns->addSpacing(12);
    columns->addWidget(c.picPattern, 2);

    auto* grid = MakeChild<QGridLayout>();
    for (int a = 0; a < 6; ++a) {
        grid->addWidget(c.columnHeadings[static_cast<std::size_t>(a)], 0, 1 + a);
        grid->setColumnStretch(1 + a, 1);
    }
    for (int seat = 0; seat < 3; ++seat) {
        grid->addWidget(c.rowHeadings[static_cast<std::size_t>(seat)], 1 + seat, 0);
        for (int a = 0; a < 6; ++a) {
            grid->addWidget(c.field(SeatField(static_cast<Axis>(a), seat)), 1 + seat, 1 + a);
        }
    }
    form->addLayout(grid);
    form->addSpacing(12);

    auto* buttons = MakeChild<QHBoxLayout>();
    buttons->addWidget(c.lblPatternIsGood);
    buttons->addStretch(1);
    buttons->addWidget(c.cmdCheckPattern);
    buttons->addWidget(c.cmdMakeGridFile);
    buttons->addWidget(c.cmdAddToGridFile);
    form->addLayout(buttons);
    form->addStretch(1);
}

void SetFocusOrder(const MainControls& c) {
    std::vector<QWidget*> chain = {c.field(Field::PartName), c.field(Field::ProbeDiameter)};
    for (int seat = 0; seat < 3; ++seat) {
        for (int a = 0; a < 6; ++a) {
            chain.push_back(c.field(SeatField(static_cast<Axis>(a), seat)));
        }
    }
    chain.insert(chain.end(), {c.cmdMakeGridFile, c.cmdAddToGridFile, c.cmdCheckPattern});
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

}  // namespace

void NameControl(QObject& control, const char* name, const char* tag) {
    control.setObjectName(QString::fromUtf8(name));
    if (*tag != '\0') {
        control.setProperty("Tag", QString::fromUtf8(tag));
    }
}

void BuildInputForm(QWidget& inner, MainControls& controls) {
    CreateControls(inner, controls);
    ListInControlOrder(controls);
    ArrangeControls(inner, controls);
    SetFocusOrder(controls);
}

}  // namespace zarvek
