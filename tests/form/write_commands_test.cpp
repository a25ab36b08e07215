#include "form/write_commands.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "form/check_pattern.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/host_library.h"
#include "storage/storage_test_support.h"
#include "support/form_typing.h"
#include "support/recording_dialogs.h"

namespace zarvek {
namespace {

using testing_support::kOtherSeats;
constexpr const char* kSeats = testing_support::kPassingSeats;

class WriteCommandsTest : public testing::Test {
  protected:
    WriteCommandsTest() {
        testing_support::InstallFakeHost(install_.path());
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("zarvek-form-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        context.gridFilePath = (folder_ / "Gridfile.dat").string();
    }
    ~WriteCommandsTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Types a part and checks it, as the operator does before Make or Add.
    void Enter(const char* seats, const char* probe, const char* name) {
        testing_support::TypePart(form, seats, probe, name);
        ASSERT_EQ(CheckPattern(form, context), CheckOutcome::Passed);
        dialogs.messages.clear();
    }

    std::string Installed() const {
        std::ifstream in(context.gridFilePath, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    void Install(const std::string& bytes) const {
        std::ofstream(context.gridFilePath, std::ios::binary) << bytes;
    }

    // Makes a file of one part through the command itself, answering Yes if asked.
    void MakeOnePart(const char* seats, const char* probe, const char* name) {
        Enter(seats, probe, name);
        dialogs.answers = {Answer::Yes};
        ASSERT_EQ(MakeGridFile(form, context), WriteCommandOutcome::Written);
        dialogs.messages.clear();
    }

    std::filesystem::path folder_;
    testing_support::TemporaryFolder install_;
    testing_support::PushLog pushes_;
    HostLibrary host_{[this] { return std::vector<std::string>{install_.path().string()}; }};
    testing_support::RecordingDialogs dialogs;
    FormModel form{dialogs};
    CommandContext context{dialogs, Language::English, NumberLocale{".", ","},
                           "",      kGridFileLockWait, host_};
};

TEST_F(WriteCommandsTest, MakeWithoutAFileWritesOnePartWithoutAsking) {
    Enter(kSeats, "6", " Bracket A ");
    EXPECT_EQ(MakeGridFile(form, context), WriteCommandOutcome::Written);
    EXPECT_TRUE(dialogs.messages.empty());
    const std::optional<GridFile> written = MakeGridFileObj(context.gridFilePath);
    ASSERT_TRUE(written);
    ASSERT_EQ(written->Parts.Count(), 1u);
    EXPECT_EQ(written->Parts.Item(1).sName, " Bracket A ");
    EXPECT_EQ(written->sProbeDiameter, 6.0f);
    EXPECT_EQ(written->Parts.Item(1).P3, (Point{30, 80, 0}));
    EXPECT_TRUE(form.WriteGateOpen());
    EXPECT_EQ(pushes_.Calls(), 1);
}

TEST_F(WriteCommandsTest, MakeOverAFileAnsweredNoLeavesItByteForByteAndSkipsThePush) {
    MakeOnePart(kOtherSeats, "3", "old");
    const std::string before = Installed();
    const auto modified = std::filesystem::last_write_time(context.gridFilePath);
    const int pushesBefore = pushes_.Calls();
    Enter(kSeats, "6", "new");
    dialogs.answers = {Answer::No};
    EXPECT_EQ(MakeGridFile(form, context), WriteCommandOutcome::Declined);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "Do you Want to Replace the Installed GridFile?");
    EXPECT_EQ(Installed(), before);
    EXPECT_EQ(std::filesystem::last_write_time(context.gridFilePath), modified);
    EXPECT_EQ(pushes_.Calls(), pushesBefore);
    EXPECT_TRUE(form.WriteGateOpen());
}

TEST_F(WriteCommandsTest, ReplaceQuestionIsAskedInTheOperatorsLanguage) {
    MakeOnePart(kOtherSeats, "3", "old");
    Enter(kSeats, "6", "new");
    context.language = Language::German;
    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(MakeGridFile(form, context), WriteCommandOutcome::Written);
    const Message asked{LookupString(kReplaceInstalledGridFile, Language::German),
                        LookupString(kFileExistsTitle, Language::German),
                        Buttons::YesNo,
                        Icon::None,
                        Answer::Yes,
                        kReplaceInstalledGridFile};
    EXPECT_EQ(dialogs.messages, std::vector<Message>{asked});
    EXPECT_EQ(MakeGridFileObj(context.gridFilePath)->Parts.Item(1).sName, "new");
}

// The operator is not asked to replace the file with one that could not be written.
TEST_F(WriteCommandsTest, ContentNoGridFileCanHoldIsRefusedBeforeTheQuestion) {
    MakeOnePart(kOtherSeats, "3", "old");
    const std::string before = Installed();
    const int pushesBefore = pushes_.Calls();
    Enter(kSeats, "6", "new");
    form.SetText(Field::PartName, "A\nPart B");
    EXPECT_EQ(MakeGridFile(form, context), WriteCommandOutcome::WriteFailed);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Cannot Write Zarvek File");
    EXPECT_EQ(Installed(), before);
    EXPECT_EQ(pushes_.Calls(), pushesBefore);
}

TEST_F(WriteCommandsTest, MakeOverAFileAnsweredYesLeavesOnlyTheNewPart) {
    MakeOnePart(kOtherSeats, "3", "old");
    Enter(kSeats, "6", "new");
    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(MakeGridFile(form, context), WriteCommandOutcome::Written);
    const std::optional<GridFile> written = MakeGridFileObj(context.gridFilePath);
    ASSERT_TRUE(written);
    ASSERT_EQ(written->Parts.Count(), 1u);
    EXPECT_EQ(written->Parts.Item(1).sName, "new");
    EXPECT_EQ(written->sProbeDiameter, 6.0f);
}

TEST_F(WriteCommandsTest, MakeStoresTheFiveDecimalDirectionsCheckPatternWrote) {
    Enter("0 0 0 1 1 0  100 0 0 0 0 1  30 80 0 0 0 1", "6", "tilted");
    ASSERT_EQ(form.Text(Field::I1), "0.70711");
    EXPECT_EQ(MakeGridFile(form, context), WriteCommandOutcome::Written);
    EXPECT_NE(Installed().find("\t0.7071100\t0.7071100\t0.0000000"), std::string::npos);
}

TEST_F(WriteCommandsTest, AddAppendsAfterTheFilesPartsEvenUnderTheSameName) {
    MakeOnePart(kOtherSeats, "6", "Bracket");
    Enter(kSeats, "6.000", "Bracket");
    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(AddToGridFile(form, context), WriteCommandOutcome::Written);
    ASSERT_EQ(dialogs.messages.size(), 1u);  // the replace prompt only
    EXPECT_EQ(dialogs.messages[0].title, "File Exists");
    const std::optional<GridFile> written = MakeGridFileObj(context.gridFilePath);
    ASSERT_TRUE(written);
    ASSERT_EQ(written->Parts.Count(), 2u);
    EXPECT_EQ(written->Parts.Item(1).P2, (Point{60, 0, 0}));
    EXPECT_EQ(written->Parts.Item(2).P2, (Point{100, 0, 0}));
    EXPECT_EQ(written->Parts.Item(2).sName, "Bracket");
    EXPECT_EQ(written->iNumberOfParts, 2);
    EXPECT_EQ(written->sProbeDiameter, 6.0f);
    EXPECT_TRUE(form.WriteGateOpen());
}

TEST_F(WriteCommandsTest, AddAnsweredNoLeavesTheFileAndAsksAgainNextTime) {
    MakeOnePart(kOtherSeats, "6", "old");
    const std::string before = Installed();
    Enter(kSeats, "6", "new");
    dialogs.answers = {Answer::No, Answer::No};
    EXPECT_EQ(AddToGridFile(form, context), WriteCommandOutcome::Declined);
    EXPECT_EQ(AddToGridFile(form, context), WriteCommandOutcome::Declined);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(Installed(), before);
    EXPECT_TRUE(form.WriteGateOpen());
}

TEST_F(WriteCommandsTest, AddRefusesAnotherProbeDiameterShowingTheFilesOne) {
    MakeOnePart(kSeats, "6.35", "old");  // also redundant: only the diameter is reported
    const std::string before = Installed();
    Enter(kSeats, "6.3501", "new");
    EXPECT_EQ(AddToGridFile(form, context), WriteCommandOutcome::ProbeDiameterDiffers);
    const Message refusal{
        "The Probe Diameter in the Zarvek File is Different than the one Entered. \t\r\n"
        "The Probe Diameter for the New Part Needs to be:6.350000",
        "Different Probe Diameters!",
        Buttons::Ok,
        Icon::Critical,
        Answer::Ok,
        kProbeDiameterDiffers};
    EXPECT_EQ(dialogs.messages, std::vector<Message>{refusal});
    EXPECT_FALSE(form.WriteGateOpen());
    EXPECT_EQ(Installed(), before);
}

TEST_F(WriteCommandsTest, AddRightAfterMakeRefusesTheRedundantLengths) {
    MakeOnePart(kSeats, "3", "first");
    const std::string before = Installed();
    EXPECT_EQ(AddToGridFile(form, context), WriteCommandOutcome::LengthsRepeat);
    const Message refusal{"More Than Two of the Lengths Match Lengths Already in the GridFile",
                          "Redundant Lengths!",
                          Buttons::Ok,
                          Icon::Critical,
                          Answer::Ok,
                          kTooManyLengthsMatch};
    EXPECT_EQ(dialogs.messages, std::vector<Message>{refusal});
    EXPECT_FALSE(form.WriteGateOpen());
    EXPECT_EQ(Installed(), before);
}

// Windows-1252 (the system's code page on Windows) holds "ü", "€" and "?", but no Greek letter or
// "ő": stored, those would become "?" unseen.
TEST_F(WriteCommandsTest, NameTheFileCannotHoldIsRefusedBeforeTheQuestionNamingItsCharacters) {
    const struct {
        const char* name;
        bool add;
        const char* listed;  // nullptr: the name is written
    } cases[] = {
        {"Bracket \u03A9", false, "\"\u03A9\" (U+03A9)"},
        {"\u03A9\u0151\u03A9", true, "\"\u03A9\" (U+03A9), \"\u0151\" (U+0151)"},
        {"B\u00FCgel ? \u20AC", true, nullptr},
    };
    for (const auto& c : cases) {
        MakeOnePart(kOtherSeats, "6", "first");
        const std::string before = Installed();
        Enter(kSeats, "6", c.name);
        dialogs.answers = {Answer::Yes};
        const WriteCommandOutcome outcome =
            c.add ? AddToGridFile(form, context) : MakeGridFile(form, context);
        if (c.listed == nullptr) {
            EXPECT_EQ(outcome, WriteCommandOutcome::Written) << c.name;
            continue;
        }
        EXPECT_EQ(outcome, WriteCommandOutcome::NameNotStorable) << c.name;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.name;  // nothing asked
        EXPECT_NE(dialogs.messages[0].prompt.find(std::string("holds ") + c.listed + ", which"),
                  std::string::npos)
            << dialogs.messages[0].prompt;
        EXPECT_FALSE(form.WriteGateOpen());
        EXPECT_EQ(Installed(), before);
    }
}

TEST_F(WriteCommandsTest, AddWithoutAnInstalledFileSaysSo) {
    Enter(kSeats, "6", "new");
    EXPECT_EQ(AddToGridFile(form, context), WriteCommandOutcome::NoInstalledFile);
    const Message refusal{"No Zarvek File Exists!  Make a Zarvek File First!",
                          "Insufficient Data!",
                          Buttons::Ok,
                          Icon::Critical,
                          Answer::Ok,
                          kNoGridFileExists};
    EXPECT_EQ(dialogs.messages, std::vector<Message>{refusal});
    EXPECT_FALSE(std::filesystem::exists(context.gridFilePath));
}

TEST_F(WriteCommandsTest, AddReportsAnInstalledFileItCannotUseWithOneMessageAndWritesNothing) {
    const struct {
        const char* bytes;
        WriteCommandOutcome outcome;
        const char* title;
    } rows[] = {{"Hello\r\nworld", WriteCommandOutcome::NotAGridFile, "Not a Zarvek File"},
                {"", WriteCommandOutcome::ReadFailed, "Cannot Read Zarvek File"},
                {"$$\r\nx 3 y z 4\r\nPart A\r\n\t1\t2\t3\t0\t0\t1", WriteCommandOutcome::ReadFailed,
                 "Cannot Read Zarvek File"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes);
        Install(row.bytes);
        Enter(kSeats, "6", "new");
        EXPECT_EQ(AddToGridFile(form, context), row.outcome);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].title, row.title);
        EXPECT_EQ(dialogs.messages[0].icon, Icon::Critical);
        EXPECT_EQ(Installed(), row.bytes);
    }
}

TEST_F(WriteCommandsTest, NotAGridFileMessageNamesTheFile) {
    Install("no marker");
    Enter(kSeats, "6", "new");
    AddToGridFile(form, context);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].prompt.find(context.gridFilePath), std::string::npos);
}

TEST_F(WriteCommandsTest, WriteFailureIsReportedAndNothingIsWritten) {
    context.gridFilePath = (folder_ / "no such folder" / "Gridfile.dat").string();
    Enter(kSeats, "6", "new");
    EXPECT_EQ(MakeGridFile(form, context), WriteCommandOutcome::WriteFailed);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Cannot Write Zarvek File");
    EXPECT_FALSE(std::filesystem::exists(context.gridFilePath));
    EXPECT_TRUE(form.WriteGateOpen());
}

// The probe diameter is never rewritten on screen, so a text the conversion would misread must
// not reach the file.
TEST_F(WriteCommandsTest, ProbeDiameterThatWouldBeMisreadIsRefusedBeforeAnythingIsWritten) {
    const struct {
        const char* typed;
        NumberLocale locale;
        const char* prompt;
    } rows[] = {
        {"6.35", NumberLocale{",", "."},
         "The probe diameter \"6.35\" contains the digit-group separator \".\", which would change "
         "its value without notice.\r\nEnter the diameter without it, with \",\" as the decimal "
         "separator."},
        {"6,35", NumberLocale{".", ","},
         "The probe diameter \"6,35\" contains the digit-group separator \",\", which would change "
         "its value without notice.\r\nEnter the diameter without it, with \".\" as the decimal "
         "separator."},
        {"-", NumberLocale{".", ","},
         "The entry for Probe Diameter is not a number:\r\n\"-\"\r\nCorrect it and try again."}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        context.locale = row.locale;
        Enter(kSeats, "6", "new");
        form.SetText(Field::ProbeDiameter, row.typed);
        EXPECT_EQ(MakeGridFile(form, context), WriteCommandOutcome::InvalidEntry);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].prompt, row.prompt);
        EXPECT_EQ(dialogs.messages[0].title, "Invalid Number");
        EXPECT_FALSE(std::filesystem::exists(context.gridFilePath));
        EXPECT_FALSE(form.WriteGateOpen());
    }
}

TEST_F(WriteCommandsTest, CommaLocaleDiameterIsReadWithTheComma) {
    context.locale = NumberLocale{",", "."};
    Enter(kSeats, "6,35", "comma");
    EXPECT_EQ(MakeGridFile(form, context), WriteCommandOutcome::Written);
    const std::optional<GridFile> written = MakeGridFileObj(context.gridFilePath);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->sProbeDiameter, 6.35f);
}

enum class Command { Check, Make, Add };

struct RefusalCase {
    Command command;
    NumberLocale locale;
    Language language;
    Field field;
    const char* typed;
    Field named;         // where the focus goes, the text selected
    const char* prompt;  // checked where given
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << "command " << static_cast<int>(c.command) << ", " << ControlName(c.field) << " \""
        << c.typed << '"';
}

struct FocusRequests : FormObserver {
    void FocusRequested(Field field) override { fields.push_back(field); }
    std::vector<Field> fields;
};

// After its one message, a refusal that names a field puts the focus there with the text
// selected; nothing is written and the gate is closed.
class RefusalNamesTheFieldToCorrect : public WriteCommandsTest,
                                      public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalNamesTheFieldToCorrect, AndNothingIsWritten) {
    const RefusalCase& c = GetParam();
    if (c.command == Command::Add) {
        MakeOnePart(kOtherSeats, "6", "installed");
    }
    const std::string before = Installed();
    context.locale = c.locale;
    context.language = c.language;
    testing_support::TypePart(form, kSeats, "6", "new");
    form.SetText(c.field, c.typed);
    form.DisableWriteCommands(false);
    FocusRequests focus;
    form.SetObserver(&focus);
    if (c.command == Command::Check) {
        EXPECT_FALSE(IsPass(CheckPattern(form, context)));
    } else {
        EXPECT_EQ(
            c.command == Command::Make ? MakeGridFile(form, context) : AddToGridFile(form, context),
            WriteCommandOutcome::InvalidEntry);
    }
    form.SetObserver(nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    if (c.prompt != nullptr) {
        EXPECT_EQ(dialogs.messages[0].prompt, c.prompt);
    }
    EXPECT_EQ(focus.fields, std::vector<Field>{c.named});
    EXPECT_EQ(form.SelectionOf(c.named), (Selection{0, form.Text(c.named).size()}));
    EXPECT_EQ(form.Text(c.field), c.typed);
    EXPECT_FALSE(form.WriteGateOpen());
    EXPECT_EQ(Installed(), before);
}

const NumberLocale kPoint{".", ","};
const NumberLocale kComma{",", "."};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, RefusalNamesTheFieldToCorrect, testing::Values(
    RefusalCase{Command::Check, kPoint, Language::English, Field::X2, "12,5", Field::X2, "The entry for Point 2 X, \"12,5\", contains the digit-group separator \",\", which would change its value without notice.\r\nEnter the number without it, with \".\" as the decimal separator."},
    RefusalCase{Command::Check, kComma, Language::German, Field::X2, "12.5", Field::X2, "Die Eingabe für Punkt 2 X, \"12.5\", enthält das Tausendertrennzeichen \".\", das ihren Wert unbemerkt verändern würde.\r\nGeben Sie die Zahl ohne dieses Zeichen ein, mit \",\" als Dezimaltrennzeichen."},
    RefusalCase{Command::Make, kPoint, Language::English, Field::K3, "1,000", Field::K3, nullptr},
    RefusalCase{Command::Add, kComma, Language::German, Field::Y1, "0.5", Field::Y1, nullptr},
    RefusalCase{Command::Make, kComma, Language::German, Field::ProbeDiameter, "6.0", Field::ProbeDiameter, nullptr},
    RefusalCase{Command::Check, kPoint, Language::English, Field::Y3, "1-2", Field::Y3, nullptr},
    RefusalCase{Command::Check, kPoint, Language::English, Field::J2, "", Field::J2, nullptr},
    RefusalCase{Command::Check, kPoint, Language::English, Field::PartName, "", Field::PartName, nullptr},
    RefusalCase{Command::Check, kPoint, Language::English, Field::K2, "0", Field::I2, nullptr}));
// clang-format on

}  // namespace
}  // namespace zarvek
