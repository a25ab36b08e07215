#include "window_fixture.h"

#include <QTest>
#include <array>
#include <fstream>
#include <random>

#include "window/qt/startup.h"

namespace zarvek {

WindowTest::WindowTest() {
    std::random_device random;
    folder = std::filesystem::temp_directory_path() /
             ("zarvek-window-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder);
    armdataFolder = folder.string() + "/";
}

WindowTest::~WindowTest() {
    window.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

FrmMain& WindowTest::Start(Language language, NumberLocale locale) {
    window = std::make_unique<FrmMain>(dialogs, language, std::move(locale),
                                       [this](Dialogs&) { return armdataFolder; });
    StartUp(*window);
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
}

QWidget* WindowTest::Control(const char* name) const {
    return window->findChild<QWidget*>(QString::fromLatin1(name));
}

QLineEdit* WindowTest::Box(Field field) const {
    return window->controls().field(field);
}

void WindowTest::FillPassingPattern() const {
    const std::array<const char*, 18> seats = {"0", "0", "0", "0",  "0",  "1", "100", "0", "0",
                                               "0", "0", "1", "30", "80", "0", "0",   "0", "1"};
    FormModel& form = window->form();
    form.SetText(Field::PartName, "Bracket");
    form.SetText(Field::ProbeDiameter, "6");
    for (std::size_t i = 0; i < seats.size(); ++i) {
        form.SetText(SeatFields()[i], seats[i]);
    }
}

std::string WindowTest::Path(const std::string& name) const {
    return armdataFolder + name;
}

void WindowTest::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
}

}  // namespace zarvek
