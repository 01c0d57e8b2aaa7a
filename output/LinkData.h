// The link data on a table cell: the link to the workbook range the table was made
// from, the option set it was drawn with and, when the user keeps it there, its font
// map. It is written as string linkages on a new table cell header; placed tables may
// also carry it as extended attributes, which reading prefers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/mselement.h"
#include "settings/OperationMode.h"
#include "support/FileModificationTime.h"  // with which callers fill LastSaveTime
#include "support/OleDateTime.h"

class QuorvelleSetup;

// The link of one table.
struct xlslinkinfo {
  std::string Path;       // the workbook
  std::string Worksheet;
  std::string Range;      // the range address
  // File positions of the table cells that carry this link (kept by the link manager).
  std::vector<ULong> elements;
  // The workbook file's modification time when the table was made.
  COleDateTime LastSaveTime;
};

// --- Writing (string linkages on a cell header not yet added) ---

// Writes the link, with properties the current option set, and the font map when the
// user keeps it on tables; an update (mode) keeps the path in the form the old cell
// held it. 1 when written; 0 with the header unchanged, and the user told why, when
// the path names a folder (ends in "\") or the data does not fit on the element.
int SaveXlsInfoToLinkage(MSElement* header, const xlslinkinfo& link, bool withProperties, EFuncState mode);
// Appends the current option set as the table properties (keys 50-89). SUCCESS (with
// nothing written when no option set is in force), or ERROR when the element is full.
StatusInt SaveTableProperties(MSElement* element);
// Appends the current option set's font map in Base64 (keys 21 and 20) when the table
// uses it (UseFontOpt off). SUCCESS also when there is nothing to write.
StatusInt SaveFontMapToLinkage(MSElement* element);
// Appends the bytes as Base64 text under textKey, preceded by the number of Base64
// characters under lengthKey.
StatusInt AppendBase64Linkages(MSElement* element, const void* bytes, std::size_t length, UShort lengthKey,
                               UShort textKey);
// The path as the link stores it, by the registry value LinkPathType: 1 relative to
// the active design file's folder where possible, 2 the file name, else as held.
std::string StoredLinkPath(const std::string& path);

// --- Reading (a table cell of the active model) ---

// 1 when the element is a table cell: a cell header named "Cell_Quorvelle" that
// carries link data (the link attribute, or a string linkage with key 4).
int IsQuorvelleCell(const MSElement* element);

// Reads the link of the cell into `link`; 1 when the cell carries one. With
// properties the table's options (and, when the user keeps it on tables, its font
// map) go into the current option set. Damaged link data is reported in a message box
// and reads as no link.
int ReadXlsInfo(const MSElement* cell, xlslinkinfo* link, bool withProperties);
// The string-linkage reader of ReadXlsInfo; 1 when a path was read.
int ReadXlsInfoFromLinkage(const MSElement* cell, xlslinkinfo* link, bool withProperties);
// Sets the current option set's option of one table-properties key (51-89); other
// keys are ignored.
void ReadTableProperty(UShort key, std::string_view text);
// The table properties record (extended attribute 1) into the option set; false, with
// nothing changed, when the record does not have the record's size.
bool CopyTableProperties(const void* record, std::size_t size, QuorvelleSetup* setup);
// The font map of keys 21 and 20 into the current option set when the table uses it;
// 1 when loaded. A damaged map is reported and the map left as it was.
int ReadFontMapFromLinkage(const MSElement* cell);
// The font map of extended attribute 2 into the current option set when the table
// uses it; 1 when loaded. A missing or damaged map is reported.
int ReadFontMapFromXAttribute(const MSElement* cell);
// The bytes written by AppendBase64Linkages; false, with `bytes` empty, when either
// linkage is missing or damaged.
bool ExtractBase64Linkages(const MSElement* element, std::vector<std::uint8_t>* bytes, UShort lengthKey,
                           UShort textKey);

// Writes the path, and the worksheet and range when given, into the legacy link
// record of the table cell (the link attribute); what is not given, and the save
// time, stay as the record holds them. A damaged record is left alone and a refused
// write reported; the user is told of both.
enum class LinkRecordRewrite { Rewritten, NoRecord, Damaged, Refused };
LinkRecordRewrite RewriteLinkRecord(const MSElement* cell, const std::string& path, const std::string* worksheet,
                                    const std::string* range);

// The file a stored path names, for opening: the counterpart of StoredLinkPath.
std::string ResolveLinkPath(const std::string& storedPath);
