#include "wizard/window/viewer.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>

#include "storage/code_page.h"
#include "wizard/form/placeholders.h"
#include "wizard/strings/window_string_ids.h"
#include "wizard/window/input_form.h"
#include "wizard/window/make_child.h"

namespace zarvek {
namespace {

// Seat lines are tab-separated numbers of up to ten characters ("-0.5773503", "-12345.678").
constexpr int kTabStopCharacters = 12;

QString Text(int id, Language language) {
    return QString::fromStdString(LookupString(id, language));
}

}  // namespace

QString DecodeAnsi(const QByteArray& bytes) {
    return QString::fromStdString(
        AnsiToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

void BuildViewer(QWidget& inner, MainControls& controls) {
    controls.rtbOpenExist = MakeChild<QPlainTextEdit>(&inner);
    NameControl(*controls.rtbOpenExist, "rtbOpenExist", "OpenExist");
    controls.rtbOpenExist->setReadOnly(true);
    controls.rtbOpenExist->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    controls.rtbOpenExist->setFont(fixed);
    controls.rtbOpenExist->setTabStopDistance(
        QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')) * kTabStopCharacters);
    controls.lblOpenExist = MakeChild<QLabel>(&inner);
    NameControl(*controls.lblOpenExist, "lblOpenExist", "OpenExist");
    controls.lblOpenExist->setTextFormat(Qt::PlainText);
    controls.controlOrder.insert(controls.controlOrder.end(),
                                 {controls.rtbOpenExist, controls.lblOpenExist});
}

std::optional<QString> LoadFileIntoViewer(QPlainTextEdit& viewer, const QString& path,
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
    QString text = DecodeAnsi(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    viewer.setPlainText(text);
    return std::nullopt;
}

}  // namespace zarvek
