#pragma once

#include <QLabel>
#include <QTableView>
#include <QWidget>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "strings/string_table.h"
#include "window/qt/parts_table_model.h"

namespace zarvek {

// The viewer's second tab: for a grid file that reads, its header values, a line saying which
// parts are marked and a table of the parts (tblParts); for a file that does not read, the
// reader's message in place of the table. Shows nothing until a file is given.
class PartsView final : public QWidget {
  public:
    PartsView(Language language, NumberLocale locale, QWidget* parent);

    // Shows the file whose text, decoded to UTF-8, is `text`; `path` names it in the reader's
    // messages.
    void ShowFile(std::string_view text, const std::string& path);

    // Shows nothing.
    void Clear();

    const PartsTableModel& model() const { return *model_; }
    QTableView& table() const { return *table_; }
    // The header values, or the reason the file has no parts to show.
    QLabel& header() const { return *header_; }
    QLabel& legend() const { return *legend_; }

  private:
    void ShowOverview(PartsOverview overview);

    Language language_;
    NumberLocale locale_;
    PartsTableModel* model_;
    QLabel* header_;
    QLabel* legend_;
    QTableView* table_;
};

}  // namespace zarvek
