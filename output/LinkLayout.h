// Where the link data sits on a table cell: the string-linkage keys and the
// extended attributes with their byte layouts.
#pragma once

#include <cstddef>
#include <string>

#include "host/mstypes.h"

// String linkages.
constexpr UShort kKeyRange = 2;
constexpr UShort kKeySaveTime = 3;
constexpr UShort kKeyPath = 4;
constexpr UShort kKeyWorksheet = 5;
constexpr UShort kKeyPictureTag = 10;
constexpr UShort kKeyFontMapText = 20;
constexpr UShort kKeyFontMapLength = 21;
// The first table-properties key: the version they are written with.
constexpr UShort kKeyPropertiesVersion = 50;

// Longest texts: read from the link's keys, and written for names and short texts.
constexpr std::size_t kMaxLinkTextChars = 511;
constexpr std::size_t kMaxNameChars = 260;

// Extended attributes, handler 3900:0.
constexpr UInt16 kLinkHandlerMajor = 3900;
constexpr UInt16 kLinkHandlerMinor = 0;
constexpr UInt32 kAttrLink = 0;
constexpr UInt32 kAttrTableProperties = 1;
constexpr UInt32 kAttrFontMap = 2;

// Attribute 0: four slots of UTF-16 text, NUL-terminated within the slot.
constexpr std::size_t kLinkRecordSize = 2088;
constexpr std::size_t kLinkSlotSize = 522;
constexpr std::size_t kSlotPath = 0;
constexpr std::size_t kSlotWorksheet = 522;
constexpr std::size_t kSlotRange = 1044;
constexpr std::size_t kSlotSaveTime = 1566;

// Attribute 1: the table properties record.
constexpr std::size_t kPropertiesRecordSize = 24752;

// What follows a "|" in a stored path is not part of the path.
inline std::string PathBeforeBar(const std::string& path) { return path.substr(0, path.find('|')); }
