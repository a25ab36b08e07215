#include "window/qt/viewer.h"

#include <QFile>
#include <QFontDatabase>
#include <QTabWidget>
#include <QVBoxLayout>
#include <string>
#include <utility>

#include "form/placeholders.h"
#include "platform/code_page.h"
#include "strings/drawing_string_ids.h"
#include "strings/window_string_ids.h"
#include "window/qt/input_form.h"
#include "window/qt/make_child.h"

namespace zarvek {
namespace {

// Seat lines are tab-separated numbers of up to ten characters ("-0.5773503", "-12345.678").
constexpr int kTabStopCharacters = 12;

QString Text(int id, Language language) {
    return QString::fromStdString(LookupString(id, language));
}

std::string AnsiText(const QByteArray& bytes) {
    return AnsiToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

TextView* MakeTextViewer(QWidget& page) {
    auto* viewer = MakeChild<TextView>(&page);
    NameControl(*viewer, "rtbOpenExist", "OpenExist");
    viewer->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    viewer->SetTabStopCharacters(kTabStopCharacters);
    return viewer;
}

}  // namespace

QString DecodeAnsi(const QByteArray& bytes) {
    return QString::fromStdString(AnsiText(bytes));
}

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

std::optional<QString> LoadFileIntoViewer(TextView& viewer, PartsView& parts, const QString& path,
                                          Language language) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Text(kFileCannotBeRead, language) + QLatin1Char('\n') + file.errorString();
    }
    if (file.size() > kLargestFileShownMegabytes * 1024 * 1024) {
        return QString::fromStdString(
            FillPlaceholders(LookupString(kFileTooLargeToShow, language),
                             {std::to_string(kLargestFileShownMegabytes)}));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Text(kFileCannotBeRead, language) + QLatin1Char('\n') + file.errorString();
    }
    std::string utf8 = AnsiText(bytes);
    parts.ShowFile(utf8, path.toStdString());
    // The view lays out only the lines it shows: the text is handed over, not turned into a
    // document.
    viewer.SetText(std::move(utf8));
    return std::nullopt;
}

}  // namespace zarvek
