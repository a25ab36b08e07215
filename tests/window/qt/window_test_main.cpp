#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform warns about every window it cannot size by hints; nothing to see there.
void QuietOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints"))) {
        standardHandler(type, context, text);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // The window tests never need a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    standardHandler = qInstallMessageHandler(QuietOffscreenNoise);
    QApplication application(argc, argv);
    // As in the wizard: the core needs the C library's "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
