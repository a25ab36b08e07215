#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <optional>

#include "wizard/strings/string_table.h"
#include "wizard/window/main_controls.h"

namespace zarvek {

// Creates the viewer rtbOpenExist (read-only plain text in a fixed-width font, tab stops wide
// enough for the grid file's columns) and the label lblOpenExist above it on `inner`, outside any
// layout: view mode places them. Appends both to `controls.controlOrder`.
void BuildViewer(QWidget& inner, MainControls& controls);

// Replaces the viewer's whole text by the file at `path`, decoded from the single-byte code page
// grid files are written in. On failure the viewer keeps its text and the reason is returned, in
// `language`, for the operator.
std::optional<QString> LoadFileIntoViewer(QPlainTextEdit& viewer, const QString& path,
                                          Language language);

// Decodes text in the single-byte code page grid files are stored in (the system's ANSI code page
// on Windows, Windows-1252 elsewhere). Every byte gives a character; nothing fails.
QString DecodeAnsi(const QByteArray& bytes);

// Files larger than this are not shown; the largest grid file is a few megabytes.
inline constexpr qint64 kLargestFileShownMegabytes = 64;

}  // namespace zarvek
