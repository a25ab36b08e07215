#include "zarvek_grid_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace zarvek::testing_support {

ZarvekGridTest::ZarvekGridTest() {
    std::filesystem::create_directories(installFolder() / "Armdata");
    // The host library is looked for in the installation folder first, and the first one found
    // is taken even without QDL_SaveArmspecs: no real host library is ever reached.
    InstallFakeHost(installFolder(), FakeHost::WithoutPush);
    std::filesystem::create_directories(folder_.path() / "home");
    std::filesystem::create_directories(folder_.path() / "config");
    WriteRegistry(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Altreon\\Quadrel\\2.2\\General]\r\n"
        "\"Directory\"=\"" +
        installFolder().string() + "\"\r\n");
}

void ZarvekGridTest::WriteRegistry(const std::string& text) {
    WriteBytes(folder_.path() / "registry.reg", text);
}

std::string ZarvekGridTest::InstalledGridFile() const {
    return (installFolder() / "Armdata" / "Gridfile.dat").string();
}

int ZarvekGridTest::Pushes() const {
    const auto log = folder_.path() / "pushes.log";
    if (!std::filesystem::exists(log)) {
        return 0;
    }
    std::istringstream lines(ReadBytes(log));
    int calls = 0;
    for (std::string line; std::getline(lines, line);) {
        ++calls;
    }
    return calls;
}

ProcessResult ZarvekGridTest::Run(const std::vector<std::string>& arguments,
                                  const Settings& settings) {
    ProcessOptions options;
    options.environment = {
        "LANG=" + settings.language,
        "HOME=" + (folder_.path() / "home").string(),
        "XDG_CONFIG_HOME=" + (folder_.path() / "config").string(),
        "ZARVEK_REGISTRY=" + File("registry.reg"),
        "ZARVEK_TEST_PUSH_LOG=" + File("pushes.log"),
    };
    // The sanitizers' settings of the test run reach the program too.
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
        if (const char* value = std::getenv(name); value != nullptr) {
            options.environment.push_back(std::string(name) + "=" + value);
        }
    }
    options.input = settings.input;
    options.terminal = settings.terminal;
    options.workingFolder =
        settings.workingFolder.empty() ? folder_.path().string() : settings.workingFolder;
    return RunProcess(ZARVEK_GRID_EXECUTABLE, arguments, options);
}

std::string TestData(const std::string& name) {
    return ReadBytes(std::filesystem::path(ZARVEK_TEST_DATA_DIR) / name);
}

std::string GeneratedGridFile(int parts) {
    std::string text = "$$\r\n" + std::to_string(parts) + " 3 1.500000 6.000000 4";
    for (int p = 0; p < parts; ++p) {
        const std::string l = std::to_string(100 + 5 * p) + ".000";
        text += "\r\nPart Part number " + std::to_string(p + 1);
        text += "\r\n\t0.000\t0.000\t0.000\t0.0000000\t0.0000000\t1.0000000";
        text += "\r\n\t" + l + "\t0.000\t0.000\t0.0000000\t0.0000000\t1.0000000";
        text += "\r\n\t0.000\t" + l + "\t0.000\t0.0000000\t0.0000000\t1.0000000";
    }
    return text;
}

std::vector<std::string> PassingSeats() {
    return {"--p1", "0,0,0,0,0,1", "--p2", "100,0,0,0,0,1", "--p3", "30,80,0,0,0,1"};
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream split(text);
    for (std::string word; split >> word;) {
        std::replace(word.begin(), word.end(), '_', ' ');
        words.push_back(word);
    }
    return words;
}

}  // namespace zarvek::testing_support
