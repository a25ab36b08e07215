#include "cli/cli_dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <string>

#include "strings/string_ids.h"

namespace zarvek::cli {
namespace {

// A terminal in memory: records what is written, answers from typed lines.
class FakeTerminal final : public Terminal {
  public:
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override { err += text; }
    bool Interactive() override { return interactive; }
    std::optional<std::string> ReadLine() override {
        ++reads;
        if (typed.empty()) {
            return std::nullopt;
        }
        std::string line = typed.front();
        typed.pop_front();
        return line;
    }
    bool Finish() override { return true; }

    bool interactive = false;
    std::deque<std::string> typed;
    std::string out;
    std::string err;
    int reads = 0;
};

Message ReplacePrompt(Language language) {
    return Message{LookupString(kReplaceInstalledGridFile, language),
                   LookupString(kFileExistsTitle, language), Buttons::YesNo, Icon::None,
                   Answer::Yes};
}

struct ReplaceCase {
    const char* fault;
    bool yesFlag;
    bool interactive;
    std::deque<std::string> typed;
    Answer answer;
    CliDialogs::Confirmation replace;

    // Test names and failures show the fault, not the bytes of the case.
    friend void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.fault; }
};

class ReplaceAnswers : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAnswers, AnsweredAsTheFlagsAndTheTerminalSay) {
    FakeTerminal terminal;
    terminal.interactive = GetParam().interactive;
    terminal.typed = GetParam().typed;
    CliDialogs dialogs(terminal, Language::English, {.yes = GetParam().yesFlag});
    EXPECT_EQ(dialogs.Ask(ReplacePrompt(Language::English)), GetParam().answer);
    EXPECT_EQ(dialogs.confirmation(), GetParam().replace);
    // Only a person at a terminal is asked.
    const bool asked = !GetParam().yesFlag && GetParam().interactive;
    EXPECT_EQ(terminal.reads, asked ? 1 : 0);
    EXPECT_EQ(terminal.err.find("Do you Want to Replace the Installed GridFile? [y/N] ") == 0,
              asked);
}

using R = CliDialogs::Confirmation;
INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAnswers,
    testing::Values(
        ReplaceCase{"YesFlagNeedsNoTerminal", true, false, {}, Answer::Yes, R::ConfirmedByFlag},
        ReplaceCase{
            "YesFlagIsNotOverruledByTyping", true, true, {"n"}, Answer::Yes, R::ConfirmedByFlag},
        ReplaceCase{"NoTerminalMeansNo", false, false, {"y"}, Answer::No, R::NoTerminal},
        ReplaceCase{"EnterMeansNo", false, true, {""}, Answer::No, R::RefusedOnTerminal},
        ReplaceCase{"EndOfInputMeansNo", false, true, {}, Answer::No, R::RefusedOnTerminal},
        ReplaceCase{"AnythingElseMeansNo", false, true, {"yeah"}, Answer::No, R::RefusedOnTerminal},
        ReplaceCase{"TypedYes", false, true, {" Yes "}, Answer::Yes, R::ConfirmedOnTerminal},
        ReplaceCase{"TypedGermanJ", false, true, {"J"}, Answer::Yes, R::ConfirmedOnTerminal}),
    [](const auto& info) { return std::string(info.param.fault); });

TEST(CliDialogs, GermanReplaceQuestionOffersJaNein) {
    FakeTerminal terminal;
    terminal.interactive = true;
    terminal.typed = {"ja"};
    CliDialogs dialogs(terminal, Language::German, {});
    EXPECT_EQ(dialogs.Ask(ReplacePrompt(Language::German)), Answer::Yes);
    EXPECT_EQ(terminal.err, "Möchten Sie die bestehende Zarvek Datei ersetzen ? [j/N] ");
}

TEST(CliDialogs, SpreadVerdictIsPrintedWithoutTheQuestion) {
    const Message spread{LookupString(kSpreadPoint3, Language::English) +
                             LookupString(kContinueAnyway, Language::English),
                         LookupString(kInsufficientSpreadTitle, Language::English),
                         Buttons::YesNoCancel, Icon::None, Answer::Yes};
    for (const bool accept : {false, true}) {
        FakeTerminal terminal;
        CliDialogs dialogs(terminal, Language::English, {.acceptSpread = accept});
        EXPECT_EQ(dialogs.Ask(spread), accept ? Answer::Yes : Answer::No);
        EXPECT_EQ(terminal.err,
                  "Insufficient Spread: The Distance Between Point 3 and a Line Between Points 1 "
                  "and 2 is Too Narrow\n" +
                      std::string(accept ? "Accepted with --accept-spread.\n"
                                         : "Not accepted; --accept-spread accepts this pattern "
                                           "anyway.\n"));
    }
}

TEST(CliDialogs, MessageLineEndsBecomeNewlines) {
    FakeTerminal terminal;
    CliDialogs dialogs(terminal, Language::English, {});
    EXPECT_EQ(dialogs.Ask(Message{"one\r\ntwo\rthree", "Title", Buttons::Ok, Icon::Critical}),
              Answer::Ok);
    EXPECT_EQ(dialogs.Ask(Message{"no title", "", Buttons::Ok, Icon::Information}), Answer::Ok);
    EXPECT_EQ(terminal.err, "Title: one\ntwo\nthree\nno title\n");
}

TEST(CliDialogs, UnknownQuestionIsAnsweredWithTheSafeChoice) {
    FakeTerminal terminal;
    terminal.interactive = true;
    CliDialogs dialogs(terminal, Language::English, {.yes = true, .acceptSpread = true});
    EXPECT_EQ(dialogs.Ask(Message{"Delete everything?", "Really", Buttons::YesNo}), Answer::No);
    EXPECT_EQ(dialogs.Ask(Message{"Go on?", "Really", Buttons::YesNoCancel}), Answer::Cancel);
    EXPECT_EQ(terminal.reads, 0);
}

}  // namespace
}  // namespace zarvek::cli
