#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_process.h"
#include "storage/storage_test_support.h"

namespace zarvek::testing_support {

// Runs the built zarvek-grid in a world of its own: a fresh folder holding a stand-in registry
// whose installation folder is `installFolder()` (with its Armdata folder), an empty home and
// configuration folder, a stand-in host library without QDL_SaveArmspecs in the installation
// folder (InstallFakeHost replaces it with one that logs its pushes), and a log for those pushes.
// Nothing of the machine's own registry file, configuration or host library can reach the
// program.
class ZarvekGridTest : public testing::Test {
  protected:
    ZarvekGridTest();

    struct Settings {
        std::string language = "C.UTF-8";  // LANG
        std::string input;                 // typed or fed to standard input
        bool terminal = false;             // standard input and error on a pseudo-terminal
        std::string workingFolder;         // empty: the test folder
    };

    ProcessResult Run(const std::vector<std::string>& arguments, const Settings& settings);
    ProcessResult Run(const std::vector<std::string>& arguments) { return Run(arguments, {}); }

    // Replaces the stand-in registry's text.
    void WriteRegistry(const std::string& text);

    std::string File(const std::string& name) const { return folder_.File(name); }
    std::filesystem::path installFolder() const { return folder_.path() / "host"; }
    std::string InstalledGridFile() const;
    // Calls of the fake host library's QDL_SaveArmspecs so far.
    int Pushes() const;

    TemporaryFolder folder_;
};

// Bytes of a file of tests/data.
std::string TestData(const std::string& name);

// The text of a grid file of `parts` parts, probe diameter 6, written directly (quicker than
// through the model for a full file). The parts' lengths are not kept apart from each other.
std::string GeneratedGridFile(int parts);

// The seat options of a pattern that passes every check: P1 (0, 0, 0), P2 (100, 0, 0),
// P3 (30, 80, 0), every direction (0, 0, 1).
std::vector<std::string> PassingSeats();

// `a` followed by `b`.
std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b);

// `text` split at blanks, each "_" inside a word then made a blank: one-line table rows.
std::vector<std::string> SplitWords(const std::string& text);

}  // namespace zarvek::testing_support
