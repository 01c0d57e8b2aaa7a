// Basic MicroStation types, as the host's native SDK names them.
#pragma once

#include <cstdint>

using Int16 = std::int16_t;
using Int32 = std::int32_t;
using Int64 = std::int64_t;
using UInt16 = std::uint16_t;
using UInt32 = std::uint32_t;
using UInt64 = std::uint64_t;
using UShort = std::uint16_t;
using ULong = std::uint32_t;  // file positions are 32-bit
using StatusInt = int;
using MSWChar = char16_t;     // wide texts are UTF-16
using ElementID = UInt64;
using LevelID = UInt32;

constexpr StatusInt SUCCESS = 0;
constexpr StatusInt ERROR = 32768;

constexpr ElementID INVALID_ELEMENTID = 0;
constexpr LevelID LEVEL_NULL_ID = 0;
// The level "Default" that every design file has.
constexpr LevelID LEVEL_DEFAULT_LEVEL_ID = 64;

// Symbology values that mean "take it from the level".
constexpr UInt32 COLOR_BYLEVEL = 0xFFFFFFFF;
constexpr UInt32 WEIGHT_BYLEVEL = 0xFFFFFFFF;
constexpr Int32 STYLE_BYLEVEL = 0x7FFFFFFF;

// Element types.
constexpr int CELL_HEADER_ELM = 2;
constexpr int LINE_ELM = 3;
constexpr int LINE_STRING_ELM = 4;
constexpr int SHAPE_ELM = 6;
constexpr int TEXT_NODE_ELM = 7;
constexpr int ELLIPSE_ELM = 15;
constexpr int ARC_ELM = 16;
constexpr int TEXT_ELM = 17;

// Draw modes for display and dynamics.
constexpr int NORMALDRAW = 0;
constexpr int ERASE = 1;
constexpr int HILITE = 2;
constexpr int TEMPDRAW = 3;
constexpr int TEMPERASE = 4;

// Fill modes.
constexpr int FILL_NONE = 0;
constexpr int FILL_OPAQUE = 1;

// Maximum size of one element with its linkages, in bytes.
constexpr int MAX_ELEMENT_SIZE = 131072;
constexpr int MAX_CELLNAME_LENGTH = 512;
constexpr int MAX_VIEWS = 8;

// Opaque handles of the host.
struct DgnModel;
using DgnModelRefP = DgnModel*;
struct ElementRefRecord;
using ElementRef = ElementRefRecord*;
struct DgnCache;
using DgnCacheP = DgnCache*;
