#pragma once

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "strings/string_table.h"
#include "window/qt/parts_table_model.h"

namespace zarvek {

// The viewer's second tab: for a grid file that reads, its header values, a line saying which
// parts are marked, a table of the parts (tblParts) and the button Remove Part (cmdRemovePart);
// for a file that does not read, the reader's message in place of the table. Shows nothing until
// a file is given. Remove Part (the button, the Delete key in the table and the table's context
// menu, one action actRemovePart) is enabled while a part is selected and hands that part to the
// handler.
class PartsView final : public QWidget {
  public:
    // `position` from 1; `part` as the table shows it.
    using RemoveHandler = std::function<void(std::size_t position, const Part& part)>;

    PartsView(Language language, NumberLocale locale, QWidget* parent);

    void SetRemoveHandler(RemoveHandler handler) { removeHandler_ = std::move(handler); }

    // Shows the file whose text, decoded to UTF-8, is `text`; `path` names it in the reader's
    // messages.
    void ShowFile(std::string_view text, const std::string& path);

    // Shows nothing.
    void Clear();

    // Selects the row `row` (from 0), or the last row when there are fewer; nothing without rows.
    void SelectRow(std::size_t row);
    // The selected row, from 0.
    std::optional<std::size_t> SelectedRow() const;

    const PartsTableModel& model() const { return *model_; }
    QTableView& table() const { return *table_; }
    // The header values, or the reason the file has no parts to show.
    QLabel& header() const { return *header_; }
    QLabel& legend() const { return *legend_; }
    QPushButton& removeButton() const { return *removeButton_; }
    QAction& removeAction() const { return *removeAction_; }

  private:
    void ShowOverview(PartsOverview overview);
    void BuildRemovePart(Language language);
    void RemoveSelectedPart();

    Language language_;
    NumberLocale locale_;
    PartsTableModel* model_;
    QLabel* header_;
    QLabel* legend_;
    QTableView* table_;
    QPushButton* removeButton_;
    QAction* removeAction_;
    RemoveHandler removeHandler_;
};

}  // namespace zarvek
