// The record command: the companion add-in's transfer of a range of a workbook file,
// written as a transcript instead of being sent, so that it can be replayed later.
#pragma once

#include <string>

struct RecordRequest {
  std::string workbook;  // a Windows or Linux path
  std::string sheet;     // empty: the sheet the workbook opens on
  std::string range;     // an address or a defined name
  std::string out;       // the transcript to write, a Linux path
};

// Empty on success, else what went wrong.
std::string RecordRange(const RecordRequest& request);
