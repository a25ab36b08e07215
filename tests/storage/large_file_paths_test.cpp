// The quick ways the storage takes for large files give the same result as the general ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/code_page.h"
#include "platform/utf8.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_reader.h"
#include "storage/text_lines.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

TEST(IsAscii, FindsAByteAboveAsciiAtEveryPosition) {
    EXPECT_TRUE(IsAscii(""));
    EXPECT_TRUE(IsAscii(std::string("\0\x01\x7f abc", 7)));
    for (std::size_t length = 1; length <= 20; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            std::string text(length, 'a');
            text[at] = '\x80';
            EXPECT_FALSE(IsAscii(text)) << length << " " << at;
            text[at] = '\xff';
            EXPECT_FALSE(IsAscii(text)) << length << " " << at;
        }
    }
}

// The writer encodes and the reader decodes a large file piece by piece: names outside ASCII in
// the first, a middle and the last piece come back as written, and every other byte stays ASCII.
TEST(GridFileBytes, NamesOutsideAsciiSurviveInEveryPieceOfALargeFile) {
    GridFile gridFile;
    gridFile.sProbeDiameter = 6;
    const auto nameOf = [](int i) {
        return (i == 1 || i == 1500 || i == 3000 ? "Bügel € " : "Part ") + std::to_string(i);
    };
    for (int i = 1; i <= 3000; ++i) {
        gridFile.Parts.Add({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1},
                           nameOf(i), "");
    }
    const std::string bytes = GridFileBytes(gridFile);
    ASSERT_GT(bytes.size(), 3 * 128 * 1024u);
    EXPECT_EQ(std::count_if(bytes.begin(), bytes.end(), [](char c) { return c < 0; }), 3 * 2);
    TemporaryFolder folder;
    WriteBytes(folder.File("g.dat"), bytes);
    const auto read = MakeGridFileObj(folder.File("g.dat"));
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->Parts.Count(), 3000u);
    for (int i = 1; i <= 3000; ++i) {
        ASSERT_EQ(read->Parts.Item(static_cast<std::size_t>(i)).sName, nameOf(i));
    }
    EXPECT_EQ(GridFileBytes(*read), bytes);
}

TEST(ReadGridFileText, HeaderCountIsOnlyAHintForTheRoomMade) {
    const std::string seats = "\r\n\t0\t0\t0\t0\t0\t1\r\n\t1\t0\t0\t0\t0\t1\r\n\t0\t1\t0\t0\t0\t1";
    for (const char* count : {"0", "1", "5", "32767", "-3"}) {
        const std::string text =
            std::string("$$\r\n") + count + " 3 1.5 6 4\r\nPart A" + seats + "\r\nPart B" + seats;
        const auto gridFile = ReadGridFileText(text, "g.dat");
        ASSERT_TRUE(gridFile.has_value()) << count;
        EXPECT_EQ(gridFile->Parts.Count(), 2u) << count;
        EXPECT_EQ(gridFile->Parts.Item("2").sName, "B") << count;
    }
}

// Lines read from a file piece by piece are the lines of the same text in memory, decoded, however
// the pieces cut the text: inside a CR LF, after a lone CR, through a line longer than a piece.
TEST(TextLines, PiecesOfAFileGiveTheLinesOfTheWholeText) {
    const std::string texts[] = {"",
                                 "x",
                                 "a\r\nb",
                                 "a\rb\nc\r\n",
                                 "\r\n\r\n",
                                 "a\r",
                                 "\n\r",
                                 "long line one\r\nb",
                                 "\xe4\r\n\xfc",
                                 "a\n\rb"};
    testing_support::TemporaryFolder folder;
    const std::string path = folder.File("lines.txt");
    for (const std::string& text : texts) {
        testing_support::WriteBytes(path, text);
        std::vector<std::string> expected;
        const std::string decoded = AnsiToUtf8(text);
        TextLines whole(decoded);
        while (const auto line = whole.Next()) {
            expected.emplace_back(*line);
        }
        for (std::size_t piece = 1; piece <= 4; ++piece) {
            FileReader file(path);
            TextLines lines(file, piece);
            std::vector<std::string> read;
            while (!lines.AtEnd()) {
                read.emplace_back(*lines.Next());
            }
            EXPECT_EQ(read, expected) << testing::PrintToString(text) << " in pieces of " << piece;
            EXPECT_EQ(lines.LineNumber(), expected.size());
        }
    }
}

}  // namespace
}  // namespace zarvek
