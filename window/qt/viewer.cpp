#include "window/qt/viewer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTabWidget>
#include <QVBoxLayout>
#include <string>

#include "form/viewer_file.h"
#include "strings/drawing_string_ids.h"
#include "window/qt/input_form.h"
#include "window/qt/make_child.h"

namespace zarvek {
namespace {

// Seat lines are tab-separated numbers of up to ten characters ("-0.5773503", "-12345.678").
constexpr int kTabStopCharacters = 12;

QString Text(int id, Language language) {
    return QString::fromStdString(LookupString(id, language));
}

QPlainTextEdit* MakeTextViewer(QWidget& page) {
    auto* viewer = MakeChild<QPlainTextEdit>(&page);
    NameControl(*viewer, "rtbOpenExist", "OpenExist");
    viewer->setReadOnly(true);
    viewer->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    viewer->setFont(fixed);
    viewer->setTabStopDistance(QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')) *
                               kTabStopCharacters);
    return viewer;
}

}  // namespace

void BuildViewer(QWidget& inner, MainControls& controls, Language language,
                 const NumberLocale& locale) {
    controls.tabOpenExist = MakeChild<QTabWidget>(&inner);
    NameControl(*controls.tabOpenExist, "tabOpenExist", "OpenExist");
    controls.tabOpenExist->setDocumentMode(true);

    auto* textPage = MakeChild<QWidget>();
    textPage->setObjectName(QStringLiteral("pageOpenExistText"));
    auto* textLayout = MakeChild<QVBoxLayout>(textPage);
    textLayout->setContentsMargins(0, 0, 0, 0);
    controls.rtbOpenExist = MakeTextViewer(*textPage);
    textLayout->addWidget(controls.rtbOpenExist);
    controls.tabOpenExist->addTab(textPage, Text(kViewerTextTab, language));

    controls.partsOpenExist = MakeChild<PartsView>(language, locale, nullptr);
    controls.tabOpenExist->addTab(controls.partsOpenExist, Text(kViewerPartsTab, language));

    controls.lblOpenExist = MakeChild<QLabel>(&inner);
    NameControl(*controls.lblOpenExist, "lblOpenExist", "OpenExist");
    controls.lblOpenExist->setTextFormat(Qt::PlainText);
    controls.controlOrder.insert(
        controls.controlOrder.end(),
        {controls.tabOpenExist, controls.rtbOpenExist, controls.lblOpenExist});
}

void ShowTextInViewer(QPlainTextEdit& viewer, PartsView& parts, const std::string& text,
                      const std::string& path) {
    viewer.setPlainText(QString::fromStdString(WithLineEnds(text, "\n")));
    parts.ShowFile(text, path);
}

}  // namespace zarvek
