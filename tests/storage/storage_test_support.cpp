#include "storage_test_support.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/dynamic_library.h"

namespace zarvek::testing_support {

TemporaryFolder::TemporaryFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = std::filesystem::temp_directory_path() /
                ("zarvek-test-" + std::to_string(random()) + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) {
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::File(const std::string& name) const {
    return (path_ / name).string();
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)) {
    if (const char* previous = std::getenv(name_.c_str()); previous != nullptr) {
        previous_ = previous;
    }
    SetEnvironment(name_, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironment(name_, previous_);
}

ScopedCurrentFolder::ScopedCurrentFolder(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

ScopedCurrentFolder::~ScopedCurrentFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

PushLog::PushLog() : environment_("ZARVEK_TEST_PUSH_LOG", folder_.File("pushes.log")) {}

int PushLog::Calls() const {
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

void InstallFakeHost(const std::filesystem::path& folder, FakeHost which) {
    const std::filesystem::path built = which == FakeHost::Recording
                                            ? ZARVEK_FAKE_HOST_LIBRARY
                                            : ZARVEK_FAKE_HOST_LIBRARY_WITHOUT_PUSH;
    std::filesystem::copy_file(built, folder / HostLibraryFileName(),
                               std::filesystem::copy_options::overwrite_existing);
}

GridFile WorkedExample() {
    GridFile gridFile;
    gridFile.sProbeDiameter = 6.0f;
    const double a = 0.5773503;
    gridFile.Parts.Add(Point{12.345, -40.125, 100.001}, Point{212.375, 10.625, 95.875},
                       Point{110.125, 185.375, 97.625}, Vector{a, a, a}, Vector{-a, a, a},
                       Vector{a, -a, a}, "Bracket A", "");
    return gridFile;
}

Part SamplePart(const std::string& name, double seed) {
    Part part;
    part.sName = name;
    part.P1 = Point{seed, -seed / 3, seed * 7};
    part.P2 = Point{seed + 100.25, seed / 7, -seed};
    part.P3 = Point{-seed, seed * 2, 0.5};
    part.V1 = Vector{0.6, 0.8, 0};
    part.V2 = Vector{0, -1, 0};
    part.V3 = Vector{-0.5773503, 0.5773503, seed / 1e6};
    return part;
}

}  // namespace zarvek::testing_support
