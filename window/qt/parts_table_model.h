#pragma once

#include <QAbstractTableModel>

#include "common/number_text.h"
#include "form/parts_overview.h"
#include "strings/string_table.h"

namespace zarvek {

// The parts of a grid file for a QTableView: one row per part, the columns of PartsColumn. Cell
// texts are made when the view asks for them, so a file of 32767 parts fills the table at once.
// Rows of parts whose lengths repeat other parts' lengths carry the warning background and the
// explanation as their tool tip.
class PartsTableModel final : public QAbstractTableModel {
  public:
    PartsTableModel(Language language, NumberLocale locale, QObject* parent);

    // Replaces what the table shows.
    void ShowOverview(PartsOverview overview);
    const PartsOverview& overview() const { return overview_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    PartsOverview overview_;
    Language language_;
    NumberLocale locale_;
};

// The background of a marked row.
QColor MarkedRowColour();

}  // namespace zarvek
