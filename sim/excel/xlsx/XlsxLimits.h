// What reading one workbook may cost. Workbook files come from anywhere; a file past
// one of these bounds is refused with a message naming the bound, before it can
// exhaust memory or time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sim {

constexpr std::size_t kMaxWorkbookEntries = 10000;
constexpr std::uint64_t kMaxEntryBytes = 256ull << 20;   // one part, uncompressed
constexpr std::uint64_t kMaxTotalBytes = 1ull << 30;     // all parts read, uncompressed
// Parts read whole into a tree (all but worksheets and shared strings, which are
// streamed): a tree takes many times the bytes of its text.
constexpr std::uint64_t kMaxWholePartBytes = 16ull << 20;
// Markup or text between two '>' of a streamed part: what the XML parser holds at
// once. No tag or cell text of a real workbook comes near it.
constexpr std::size_t kMaxXmlTokenBytes = 1u << 20;
// Kept for a whole element of a streamed part (a cell with its rich text, a shared
// string): elements, attributes and texts.
constexpr std::size_t kMaxElementNodes = 1u << 20;
// Rows with a format of their own and merged areas, in the whole workbook.
constexpr std::size_t kMaxRowFormatsAndMerges = 2000000;
// Parts of ordinary workbooks compress well, but not this well: beyond it lies a
// zip bomb. Small parts are let through whatever their ratio.
constexpr std::uint64_t kMaxCompressionRatio = 200;
constexpr std::uint64_t kRatioCheckedAbove = 1ull << 20;
constexpr int kMaxXmlDepth = 256;
constexpr std::size_t kMaxCells = 5000000;           // in the whole workbook
constexpr std::size_t kMaxStyles = 65000;            // entries of each list of styles.xml
constexpr std::size_t kMaxSharedStrings = 5000000;

// Drawings. A drawing object past one of these is left out with a message; the
// workbook still opens.
constexpr std::size_t kMaxDrawingObjects = 10000;  // in one sheet, group members counted
// Objects of one sheet left out by name; the rest are told about in one line.
constexpr std::size_t kMaxDrawingWarnings = 100;
constexpr int kMaxGroupDepth = 32;                 // groups within groups
// Positions and sizes of drawing objects, in EMU (12700 to the point): about 59
// metres, beyond any sheet.
constexpr double kMaxDrawingEmu = 2147483647.0;
// A picture's image part, read when the picture is sent, and its pixels, read from
// the image's header.
constexpr std::uint64_t kMaxMediaBytes = 64ull << 20;
constexpr std::uint32_t kMaxImageSide = 20000;
constexpr std::uint64_t kMaxImagePixels = 100000000;

}  // namespace sim
