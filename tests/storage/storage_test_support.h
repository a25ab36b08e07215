#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/grid_file.h"

namespace zarvek::testing_support {

// A fresh, empty folder under the system's temporary folder, removed with everything in it when
// the object goes.
class TemporaryFolder {
  public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    const std::filesystem::path& path() const { return path_; }
    // The UTF-8 path of `name` inside the folder.
    std::string File(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// Sets (or, with no value, removes) an environment variable, and restores it when it goes.
class ScopedEnvironment {
  public:
    ScopedEnvironment(std::string name, const std::optional<std::string>& value);
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

// The platform's way to change the environment (one file per OS).
void SetEnvironment(const std::string& name, const std::optional<std::string>& value);

// Makes `folder` the current folder, and restores the previous one when it goes.
class ScopedCurrentFolder {
  public:
    explicit ScopedCurrentFolder(const std::filesystem::path& folder);
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;
    ~ScopedCurrentFolder();

  private:
    std::filesystem::path previous_;
};

// Counts the calls of the fake host library's QDL_SaveArmspecs made while it lives.
class PushLog {
  public:
    PushLog();
    int Calls() const;

  private:
    TemporaryFolder folder_;
    ScopedEnvironment environment_;
};

// The fake host libraries built beside the tests.
enum class FakeHost { Recording, WithoutPush };

// Copies a fake host library into `folder` under the host library's file name.
void InstallFakeHost(const std::filesystem::path& folder, FakeHost which = FakeHost::Recording);

// The worked example of the grid-file format: probe diameter 6, one part "Bracket A".
GridFile WorkedExample();

// A part whose values are all derived from `seed`, with the given name.
Part SamplePart(const std::string& name, double seed);

}  // namespace zarvek::testing_support
