#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "common/number_text.h"
#include "strings/string_table.h"
#include "window/qt/main_controls.h"
#include "window/qt/parts_view.h"
#include "window/qt/text_view.h"

namespace zarvek {

// Creates the viewer area on `inner`, outside any layout (view mode places it): the tab widget
// tabOpenExist with the file's text, rtbOpenExist (a read-only TextView in a fixed-width font, tab
// stops wide enough for the grid file's columns), on its first tab and the parts of the file
// (partsOpenExist) on its second; the label lblOpenExist above it, and lblShownFile, the line
// above the tabs naming the file shown. Tab titles are in `language`, the parts' numbers in
// `locale`. Appends tabOpenExist, rtbOpenExist, lblOpenExist and lblShownFile to
// `controls.controlOrder`, all tagged "OpenExist". rtbOpenExist sits in a page of its own, so
// that view mode showing it never shows it over the parts tab.
void BuildViewer(QWidget& inner, MainControls& controls, Language language,
                 const NumberLocale& locale);

// Shows a file's text (UTF-8, the file's own line ends) in the viewer and its parts in `parts`;
// `path` names the file in the parts' messages.
void ShowTextInViewer(TextView& viewer, PartsView& parts, const std::string& text,
                      const std::string& path);

}  // namespace zarvek
