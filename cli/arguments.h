#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "strings/cli_string_ids.h"

namespace zarvek::cli {

enum class Command { Help, Check, Make, Add, Remove, Restore, Show, Lint };

// The six values of one seat as typed: X, Y, Z, I, J, K.
using SeatTexts = std::array<std::string, 6>;

// A command line the tool understands. Every number in it has been checked (IsSeatNumber,
// IsProbeNumber); texts are kept exactly as given, for the form to take as typed.
struct Invocation {
    Command command = Command::Help;
    std::array<SeatTexts, 3> seats{};  // check, make, add
    std::string probe;                 // make, add; may be empty (a blank field)
    std::string name;                  // make, add; may be empty (a blank field); remove
    std::optional<int> part;           // remove: --part, from 1; without it --name
    std::optional<std::string> file;   // --file; show, lint: also PATH
    bool yes = false;                  // make, add, remove, restore
    bool acceptSpread = false;         // check, make, add
    bool json = false;                 // lint

    friend bool operator==(const Invocation&, const Invocation&) = default;
};

// Why a command line is refused: a text of the string table and its arguments, so that the
// message can be shown in the interface language.
struct UsageError {
    CliStringId text;
    std::vector<std::string> args;

    friend bool operator==(const UsageError&, const UsageError&) = default;
};

// Reads the words after the program name. The first word is the command ("check", "make",
// "add", "remove", "restore", "show", "lint"; "--help", "-h" or "help" ask for the help). Options
// are "--name value" or "--name=value"; the word after an option that takes a value is always that
// value, even when it begins with "-". "--" ends the options. "--help" or "-h" anywhere among the
// options asks for the help. show and lint take their file as PATH or as --file PATH, one of the
// two. Refuses, at the first fault from the left: an unknown command or option, an option given
// twice or without its value, a value given to a flag, an unexpected argument, an empty value, a
// seat without exactly six values or with a value that is not a number, a probe diameter that is
// not a number, a part number that is not a whole number from 1 to 32767; then a missing --p1,
// --p2, --p3, --probe or --name, in this order; then for remove neither or both of --part and
// --name. An empty --probe or --name is accepted: the blank test refuses it later (remove takes an
// empty --name as the name of a part without one).
std::variant<Invocation, UsageError> ParseArguments(const std::vector<std::string>& words);

// The command's word on the command line ("check"); "--help" for Help.
std::string CommandWord(Command command);

}  // namespace zarvek::cli
