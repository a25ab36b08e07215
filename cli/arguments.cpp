#include "cli/arguments.h"

#include <algorithm>
#include <bitset>
#include <string_view>

#include "cli/command_line_number.h"

namespace zarvek::cli {
namespace {

enum class Slot { P1, P2, P3, Probe, Name, Part, File, Yes, AcceptSpread, Json, Count };

struct OptionRules {
    std::string_view name;
    Slot slot;
    bool takesValue;
};

constexpr OptionRules kOptions[] = {
    {"--p1", Slot::P1, true},
    {"--p2", Slot::P2, true},
    {"--p3", Slot::P3, true},
    {"--probe", Slot::Probe, true},
    {"--name", Slot::Name, true},
    {"--part", Slot::Part, true},
    {"--file", Slot::File, true},
    {"--yes", Slot::Yes, false},
    {"--accept-spread", Slot::AcceptSpread, false},
    {"--json", Slot::Json, false},
};

constexpr unsigned Bit(Slot slot) {
    return 1u << static_cast<unsigned>(slot);
}

constexpr unsigned kSeatOptions = Bit(Slot::P1) | Bit(Slot::P2) | Bit(Slot::P3);
constexpr unsigned kWriteOptions = kSeatOptions | Bit(Slot::Probe) | Bit(Slot::Name) |
                                   Bit(Slot::File) | Bit(Slot::Yes) | Bit(Slot::AcceptSpread);
constexpr unsigned kWriteRequired = kSeatOptions | Bit(Slot::Probe) | Bit(Slot::Name);
constexpr unsigned kRemoveOptions =
    Bit(Slot::Part) | Bit(Slot::Name) | Bit(Slot::File) | Bit(Slot::Yes);

struct CommandRules {
    std::string_view word;
    Command command;
    unsigned options;   // the options the command takes
    unsigned required;  // the options it cannot do without
    bool takesPath;
};

constexpr CommandRules kCommands[] = {
    {"check", Command::Check, kSeatOptions | Bit(Slot::AcceptSpread), kSeatOptions, false},
    {"make", Command::Make, kWriteOptions, kWriteRequired, false},
    {"add", Command::Add, kWriteOptions, kWriteRequired, false},
    {"remove", Command::Remove, kRemoveOptions, 0, false},
    {"restore", Command::Restore, Bit(Slot::File) | Bit(Slot::Yes), 0, false},
    {"show", Command::Show, Bit(Slot::File), 0, true},
    {"lint", Command::Lint, Bit(Slot::File) | Bit(Slot::Json), 0, true},
};

// The required options in the order in which a missing one is reported.
constexpr Slot kRequiredOrder[] = {Slot::P1, Slot::P2, Slot::P3, Slot::Probe, Slot::Name};

constexpr std::string_view kAxes[] = {"X", "Y", "Z", "I", "J", "K"};

bool IsHelpWord(std::string_view word) {
    return word == "--help" || word == "-h";
}

// Thrown inside the parser and returned by ParseArguments.
struct Refusal {
    UsageError error;
};

[[noreturn]] void Refuse(CliStringId text, std::vector<std::string> args = {}) {
    throw Refusal{UsageError{text, std::move(args)}};
}

std::string_view OptionName(Slot slot) {
    for (const OptionRules& option : kOptions) {
        if (option.slot == slot) {
            return option.name;
        }
    }
    return {};
}

SeatTexts SeatValues(std::string_view option, const std::string& text) {
    std::vector<std::string> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        values.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (values.size() != 6) {
        Refuse(kCliSeatValueCount, {std::string(option), text, std::to_string(values.size())});
    }
    SeatTexts seat;
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string position = std::to_string(i + 1);
        if (values[i].empty()) {
            Refuse(kCliSeatValueEmpty, {std::string(option), position, std::string(kAxes[i])});
        }
        if (!IsSeatNumber(values[i])) {
            Refuse(kCliSeatValueNotANumber,
                   {std::string(option), position, std::string(kAxes[i]), values[i]});
        }
        seat[i] = values[i];
    }
    return seat;
}

// A part number as lint lists them: digits only, from 1 to the most parts a file holds.
int PartNumber(const std::string& text) {
    constexpr int kMostParts = 32767;
    int number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || number > kMostParts) {
            Refuse(kCliPartNotANumber, {text});
        }
        number = 10 * number + (c - '0');
    }
    if (text.empty() || number < 1 || number > kMostParts) {
        Refuse(kCliPartNotANumber, {text});
    }
    return number;
}

class Parser {
  public:
    explicit Parser(const CommandRules& rules) : rules_(rules) {
        invocation_.command = rules.command;
    }

    // Returns false when the words ask for the help.
    bool Read(const std::vector<std::string>& words) {
        bool optionsEnded = false;
        for (std::size_t at = 1; at < words.size(); ++at) {
            const std::string& word = words[at];
            if (!optionsEnded && word == "--") {
                optionsEnded = true;
            } else if (!optionsEnded && IsHelpWord(word)) {
                return false;
            } else if (!optionsEnded && word.size() > 1 && word[0] == '-') {
                at = ReadOption(words, at);
            } else {
                ReadPath(word);
            }
        }
        for (const Slot slot : kRequiredOrder) {
            if ((rules_.required & Bit(slot)) != 0 &&
                !given_.test(static_cast<std::size_t>(slot))) {
                Refuse(kCliMissingOption, {std::string(OptionName(slot))});
            }
        }
        // remove takes its part by number or by name, never both.
        if (rules_.command == Command::Remove &&
            given_.test(static_cast<std::size_t>(Slot::Part)) ==
                given_.test(static_cast<std::size_t>(Slot::Name))) {
            Refuse(kCliPartOrName);
        }
        return true;
    }

    const Invocation& invocation() const { return invocation_; }

  private:
    // Reads the option at `at` and its value; returns the position of the last word used.
    std::size_t ReadOption(const std::vector<std::string>& words, std::size_t at) {
        const std::string& word = words[at];
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const OptionRules* option = Find(name);
        if (option == nullptr) {
            Refuse(kCliUnknownOption, {std::string(rules_.word), name});
        }
        const auto bit = static_cast<std::size_t>(option->slot);
        if (given_.test(bit)) {
            Refuse(kCliOptionGivenTwice, {name});
        }
        given_.set(bit);
        if (!option->takesValue) {
            if (equals != std::string::npos) {
                Refuse(kCliOptionTakesNoValue, {name});
            }
            SetFlag(option->slot);
            return at;
        }
        if (equals != std::string::npos) {
            SetValue(option->slot, name, word.substr(equals + 1));
            return at;
        }
        if (at + 1 >= words.size()) {
            Refuse(kCliOptionNeedsValue, {name});
        }
        SetValue(option->slot, name, words[at + 1]);
        return at + 1;
    }

    const OptionRules* Find(std::string_view name) const {
        for (const OptionRules& option : kOptions) {
            if (option.name == name && (rules_.options & Bit(option.slot)) != 0) {
                return &option;
            }
        }
        return nullptr;
    }

    void SetFlag(Slot slot) {
        switch (slot) {
            case Slot::Yes:
                invocation_.yes = true;
                break;
            case Slot::AcceptSpread:
                invocation_.acceptSpread = true;
                break;
            case Slot::Json:
                invocation_.json = true;
                break;
            default:
                break;
        }
    }

    void SetValue(Slot slot, const std::string& name, const std::string& value) {
        switch (slot) {
            case Slot::P1:
            case Slot::P2:
            case Slot::P3:
                if (value.empty()) {
                    Refuse(kCliEmptyValue, {name});
                }
                invocation_.seats[static_cast<std::size_t>(slot)] = SeatValues(name, value);
                break;
            case Slot::Probe:
                // An empty diameter is a blank field, refused by the blank test like in the window.
                if (!value.empty() && !IsProbeNumber(value)) {
                    Refuse(kCliProbeNotANumber, {value});
                }
                invocation_.probe = value;
                break;
            case Slot::Name:
                invocation_.name = value;
                break;
            case Slot::Part:
                invocation_.part = PartNumber(value);
                break;
            case Slot::File:
                if (value.empty()) {
                    Refuse(kCliEmptyValue, {name});
                }
                invocation_.file = value;
                break;
            default:
                break;
        }
    }

    // PATH and --file PATH are one file: a second one of either form is refused.
    void ReadPath(const std::string& word) {
        const auto file = static_cast<std::size_t>(Slot::File);
        if (!rules_.takesPath || given_.test(file)) {
            Refuse(kCliUnexpectedArgument, {word});
        }
        if (word.empty()) {
            Refuse(kCliEmptyValue, {"PATH"});
        }
        given_.set(file);
        invocation_.file = word;
    }

    const CommandRules& rules_;
    Invocation invocation_;
    std::bitset<static_cast<std::size_t>(Slot::Count)> given_;
};

}  // namespace

std::variant<Invocation, UsageError> ParseArguments(const std::vector<std::string>& words) {
    if (words.empty()) {
        return UsageError{kCliNoCommand, {}};
    }
    if (IsHelpWord(words[0]) || words[0] == "help") {
        return Invocation{};
    }
    const auto rules = std::ranges::find(kCommands, words[0], &CommandRules::word);
    if (rules == std::end(kCommands)) {
        return UsageError{kCliUnknownCommand, {words[0]}};
    }
    try {
        Parser parser(*rules);
        if (!parser.Read(words)) {
            return Invocation{};
        }
        return parser.invocation();
    } catch (const Refusal& refusal) {
        return refusal.error;
    }
}

std::string CommandWord(Command command) {
    for (const CommandRules& rules : kCommands) {
        if (rules.command == command) {
            return std::string(rules.word);
        }
    }
    return "--help";
}

}  // namespace zarvek::cli
