#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <optional>

#include "common/number_text.h"
#include "strings/string_table.h"
#include "window/qt/main_controls.h"
#include "window/qt/parts_view.h"
#include "window/qt/text_view.h"

namespace zarvek {

// Creates the viewer area on `inner`, outside any layout (view mode places it): the tab widget
// tabOpenExist with the file's text, rtbOpenExist (a read-only TextView in a fixed-width font, tab
// stops wide enough for the grid file's columns), on its first tab and the parts of the file
// (partsOpenExist) on its second; and the label lblOpenExist above it. Tab titles are in
// `language`, the parts' numbers in `locale`. Appends tabOpenExist, rtbOpenExist and lblOpenExist
// to `controls.controlOrder`, all three tagged "OpenExist". rtbOpenExist sits in a page of its
// own, so that view mode showing it never shows it over the parts tab.
void BuildViewer(QWidget& inner, MainControls& controls, Language language,
                 const NumberLocale& locale);

// Replaces the viewer's whole text by the file at `path`, decoded from the single-byte code page
// grid files are written in, and shows the same text's parts in `parts`. On failure both keep
// what they showed and the reason is returned, in `language`, for the operator.
std::optional<QString> LoadFileIntoViewer(TextView& viewer, PartsView& parts, const QString& path,
                                          Language language);

// Decodes text in the single-byte code page grid files are stored in (the system's ANSI code page
// on Windows, Windows-1252 elsewhere). Every byte gives a character; nothing fails.
QString DecodeAnsi(const QByteArray& bytes);

// Files larger than this are not shown; the largest grid file is a few megabytes.
inline constexpr qint64 kLargestFileShownMegabytes = 64;

}  // namespace zarvek
