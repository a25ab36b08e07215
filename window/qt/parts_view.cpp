#include "window/qt/parts_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "strings/window_string_ids.h"
#include "window/qt/make_child.h"
#include "window/qt/sketch_painter.h"

namespace zarvek {
namespace {

// Column widths follow the contents of this many rows around the visible ones, not of all 32767.
constexpr int kRowsMeasuredForWidths = 200;

}  // namespace

PartsView::PartsView(Language language, NumberLocale locale, QWidget* parent)
    : QWidget(parent),
      language_(language),
      locale_(std::move(locale)),
      model_(MakeChild<PartsTableModel>(language, locale_, this)),
      header_(MakeChild<QLabel>(this)),
      legend_(MakeChild<QLabel>(this)),
      table_(MakeChild<QTableView>(this)),
      removeButton_(MakeChild<QPushButton>(this)),
      removeAction_(MakeChild<QAction>(this)) {
    setObjectName(QStringLiteral("partsOpenExist"));
    header_->setObjectName(QStringLiteral("lblPartsHeader"));
    header_->setTextFormat(Qt::PlainText);
    header_->setWordWrap(true);
    header_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    legend_->setObjectName(QStringLiteral("lblPartsLegend"));
    legend_->setTextFormat(Qt::PlainText);
    legend_->setWordWrap(true);
    legend_->setMargin(3);
    table_->setObjectName(QStringLiteral("tblParts"));
    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setResizeContentsPrecision(kRowsMeasuredForWidths);
    table_->horizontalHeader()->setStretchLastSection(true);

    BuildRemovePart(language);

    auto* layout = MakeChild<QVBoxLayout>(this);
    layout->setContentsMargins(4, 6, 4, 4);
    layout->addWidget(header_);
    layout->addWidget(legend_);
    layout->addWidget(table_, 1);
    auto* buttons = MakeChild<QHBoxLayout>();
    buttons->addWidget(removeButton_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    Clear();
}

void PartsView::BuildRemovePart(Language language) {
    const QString text = QString::fromStdString(LookupString(kRemovePart, language));
    removeAction_->setObjectName(QStringLiteral("actRemovePart"));
    removeAction_->setText(text);
    removeAction_->setShortcut(QKeySequence::Delete);
    // The Delete key removes a part only while the table has the focus.
    removeAction_->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(removeAction_);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    removeButton_->setObjectName(QStringLiteral("cmdRemovePart"));
    removeButton_->setText(text);
    connect(removeButton_, &QPushButton::clicked, removeAction_, &QAction::trigger);
    connect(removeAction_, &QAction::triggered, this, &PartsView::RemoveSelectedPart);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const bool selected = SelectedRow().has_value();
        removeAction_->setEnabled(selected);
        removeButton_->setEnabled(selected);
    });
}

void PartsView::RemoveSelectedPart() {
    const std::optional<std::size_t> row = SelectedRow();
    if (!row || !removeHandler_) {
        return;
    }
    // A copy: showing the file again replaces the overview the part lives in.
    const Part part = model_->overview().gridFile->Parts.Item(*row + 1);
    removeHandler_(*row + 1, part);
}

std::optional<std::size_t> PartsView::SelectedRow() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(rows.constFirst().row());
}

void PartsView::SelectRow(std::size_t row) {
    const int count = model_->rowCount();
    if (count == 0) {
        return;
    }
    const int selected = static_cast<int>(std::min<std::size_t>(row, count - 1));
    table_->selectRow(selected);
    table_->scrollTo(model_->index(selected, 0));
}

void PartsView::ShowFile(std::string_view text, const std::string& path) {
    ShowOverview(MakePartsOverview(text, path, language_));
}

void PartsView::Clear() {
    ShowOverview(PartsOverview{});
}

void PartsView::ShowOverview(PartsOverview overview) {
    const bool reads = overview.gridFile.has_value();
    QPalette headerPalette = palette();
    if (!reads) {
        headerPalette.setColor(QPalette::WindowText, ToQColor(kSceneWarning));
    }
    header_->setPalette(headerPalette);
    header_->setText(QString::fromStdString(reads ? PartsHeaderText(overview, language_, locale_)
                                                  : overview.failure));

    // The legend stands on the colour of the rows it explains.
    const std::string legend = PartsLegendText(overview, language_);
    legend_->setText(QString::fromStdString(legend));
    legend_->setVisible(!legend.empty());
    const bool marked = overview.markedParts > 0;
    QPalette legendPalette = palette();
    if (marked) {
        legendPalette.setColor(QPalette::Window, MarkedRowColour());
        legendPalette.setColor(QPalette::WindowText, Qt::black);
    }
    legend_->setPalette(legendPalette);
    legend_->setAutoFillBackground(marked);
    model_->ShowOverview(std::move(overview));
    table_->setVisible(reads);
    // A new file starts without a selection; resetting the model says nothing of it.
    removeButton_->setVisible(reads);
    removeButton_->setEnabled(false);
    removeAction_->setEnabled(false);
    if (reads) {
        table_->scrollToTop();
        table_->resizeColumnsToContents();
    }
}

}  // namespace zarvek
