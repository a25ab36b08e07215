#include "window/qt/parts_view.h"

#include <QHeaderView>
#include <QVBoxLayout>
#include <utility>

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
      table_(MakeChild<QTableView>(this)) {
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
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setResizeContentsPrecision(kRowsMeasuredForWidths);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* layout = MakeChild<QVBoxLayout>(this);
    layout->setContentsMargins(4, 6, 4, 4);
    layout->addWidget(header_);
    layout->addWidget(legend_);
    layout->addWidget(table_, 1);
    Clear();
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
    if (reads) {
        table_->scrollToTop();
        table_->resizeColumnsToContents();
    }
}

}  // namespace zarvek
