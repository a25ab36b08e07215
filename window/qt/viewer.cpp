#include "window/qt/viewer.h"

#include <QFontDatabase>
#include <QTabWidget>
#include <QVBoxLayout>
#include <string>
#include <utility>

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

TextView* MakeTextViewer(QWidget& page) {
    auto* viewer = MakeChild<TextView>(&page);
    NameControl(*viewer, "rtbOpenExist", "OpenExist");
    viewer->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    viewer->SetTabStopCharacters(kTabStopCharacters);
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
    controls.lblShownFile = MakeChild<QLabel>(&inner);
    NameControl(*controls.lblShownFile, "lblShownFile", "OpenExist");
    controls.lblShownFile->setTextFormat(Qt::PlainText);
    controls.lblShownFile->clear();
    controls.controlOrder.insert(controls.controlOrder.end(),
                                 {controls.tabOpenExist, controls.rtbOpenExist,
                                  controls.lblOpenExist, controls.lblShownFile});
}

void ShowTextInViewer(TextView& viewer, PartsView& parts, const std::string& text,
                      const std::string& path) {
    parts.ShowFile(text, path);
    // The view lays out only the lines it shows: the text is handed over, not turned into a
    // document.
    viewer.SetText(WithLineEnds(text, "\n"));
}

}  // namespace zarvek
