#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The grid file's text layout, shared by the reader and the writer so that the two cannot drift
// apart. A file of n parts is 2 + 4n lines:
//
//   $$
//   <parts> 3 <tolerance> <probe diameter> 4
//   Part <name>                               once per part: the part line, then
//   <TAB>x<TAB>y<TAB>z<TAB>i<TAB>j<TAB>k      three seat lines (seats 1, 2 and 3)
//
// Lines are separated by CR LF, with none after the last line. The text is single-byte in the
// system's ANSI code page; numbers always carry "." as the decimal separator.
namespace zarvek::grid_format {

inline constexpr std::string_view kMarkerLine = "$$";
inline constexpr char kMarker = '$';  // the reader accepts any line 1 that holds one
inline constexpr std::string_view kLineEnd = "\r\n";

inline constexpr char kHeaderSeparator = ' ';
inline constexpr std::string_view kHeaderField2 = "3";
inline constexpr std::string_view kHeaderField5 = "4";
inline constexpr double kTolerance = 1.5;  // written in every file, whatever the object holds
inline constexpr std::size_t kHeaderFieldsRead = 4;  // count, (ignored), tolerance, diameter
inline constexpr std::size_t kHeaderCountField = 0;  // positions from 0
inline constexpr std::size_t kHeaderToleranceField = 2;
inline constexpr std::size_t kHeaderDiameterField = 3;

inline constexpr std::string_view kPartLinePrefix = "Part ";
inline constexpr std::string_view kPartWord = "Part";  // what makes the reader count a part line
inline constexpr std::size_t kNameStart = 5;           // characters skipped before the name
inline constexpr std::size_t kShortestPartLine = 4;    // characters

inline constexpr char kSeatSeparator = '\t';
inline constexpr std::size_t kSeatLinesPerPart = 3;
inline constexpr std::size_t kSeatFields = 6;  // x, y, z, i, j, k

// Decimals of the number patterns: "0.##0", "0.######0", "0.#####0".
inline constexpr int kPositionDecimals = 3;
inline constexpr int kDirectionDecimals = 7;
inline constexpr int kHeaderNumberDecimals = 6;  // tolerance and probe diameter

// The part counters of the reader and the writer are 16-bit.
inline constexpr std::int32_t kMaxParts = 32767;

}  // namespace zarvek::grid_format
