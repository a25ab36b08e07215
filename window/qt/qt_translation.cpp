#include "window/qt/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "window/qt/make_child.h"

namespace zarvek {
namespace {

constexpr auto kTranslatorName = "qtGermanTranslation";

// Loaded once, on first use; a child of the application, found again by name.
QTranslator& GermanTranslator(QCoreApplication& application) {
    const QString name = QString::fromLatin1(kTranslatorName);
    auto* translator = application.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    if (translator == nullptr) {
        translator = MakeChild<QTranslator>(&application);
        translator->setObjectName(name);
        // A missing file leaves the translator empty.
        static_cast<void>(translator->load(QStringLiteral("qtbase_de"),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    }
    return *translator;
}

}  // namespace

void UseQtTranslation(Language language) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return;
    }
    QTranslator& german = GermanTranslator(*application);
    // Installed at most once: a window started again in German must not stack it.
    QCoreApplication::removeTranslator(&german);
    if (language == Language::German && !german.isEmpty()) {
        QCoreApplication::installTranslator(&german);
    }
}

}  // namespace zarvek
