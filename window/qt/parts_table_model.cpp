#include "window/qt/parts_table_model.h"

#include <QColor>
#include <utility>

namespace zarvek {

PartsTableModel::PartsTableModel(Language language, NumberLocale locale, QObject* parent)
    : QAbstractTableModel(parent), language_(language), locale_(std::move(locale)) {}

QColor MarkedRowColour() {
    return {255, 214, 204};
}

void PartsTableModel::ShowOverview(PartsOverview overview) {
    beginResetModel();
    overview_ = std::move(overview);
    endResetModel();
}

int PartsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(overview_.PartCount());
}

int PartsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPartsColumnCount;
}

QVariant PartsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kPartsColumnCount) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<PartsColumn>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(PartsCellText(overview_, row, column, locale_));
        case Qt::TextAlignmentRole:
            return column == PartsColumn::Name ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                               : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return IsMarkedPart(overview_, row) ? QVariant(MarkedRowColour()) : QVariant();
        case Qt::ForegroundRole:
            // Dark text on the light mark, whatever the style's text colour.
            return IsMarkedPart(overview_, row) ? QVariant(QColor(Qt::black)) : QVariant();
        case Qt::ToolTipRole: {
            const std::string note = PartsRowNote(overview_, row, language_);
            return note.empty() ? QVariant() : QVariant(QString::fromStdString(note));
        }
        default:
            return {};
    }
}

QVariant PartsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= kPartsColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromStdString(PartsColumnTitle(static_cast<PartsColumn>(section), language_));
}

}  // namespace zarvek
