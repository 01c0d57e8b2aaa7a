// Font map files (".afm"): the signature, the version, the width factor text (from
// version 2) and the map's archive form.
#include <cstdio>

#include "host/msoutput.h"
#include "platform/msgbox.h"
#include "settings/ExcelFontMap.h"
#include "settings/FontMapTexts.h"
#include "support/Archive.h"
#include "support/FileIo.h"
#include "support/SupportTexts.h"
#include "support/TextCompare.h"

namespace {

void ReportInvalid(const std::string& path, HWND parent, bool wrongKind) {
  std::string text = kInvalidFontMapFile + path;
  if (parent)
    MessageBoxA(parent, text.c_str(), kProductTitle, MB_OK);
  else if (wrongKind)
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, text.c_str(), MSGBOX_ICON_INFORMATION);
  else
    mdlOutput_printf(MSG_MESSAGE, "%s", text.c_str());
}

}  // namespace

bool ExcelFontMapArray::SaveToFile(const std::string& path) const {
  if (path.empty()) return false;
  CArchiveWriter archive;
  archive.WriteString(kFontMapFileSignature);
  archive.WriteInt32(kFontMapFileVersion);
  archive.WriteString(m_strTextWFactor);
  Serialize(archive);
  DWORD error = 0;
  if (!WriteWholeFile(path, archive.bytes(), &error)) {
    ReportFileError(path, error);
    return false;
  }
  return true;
}

FontMapFileStatus ReadFontMapFile(std::vector<std::uint8_t> bytes, ExcelFontMapArray* map) {
  CArchiveReader archive(std::move(bytes));
  try {
    std::string signature = archive.ReadString();
    std::int32_t version = archive.ReadInt32();
    if (!EqualsNoCase(signature, kFontMapFileSignature) || version > kFontMapFileVersion)
      return FontMapFileStatus::NotAFontMap;
    std::string widthFactor = map->m_strTextWFactor;
    if (version > 1) widthFactor = archive.ReadString();
    ExcelFontMapArray read;
    read.Serialize(archive);
    map->entries = std::move(read.entries);
    map->m_strTextWFactor = widthFactor;
  } catch (const CArchiveException&) {
    return FontMapFileStatus::Damaged;
  }
  return FontMapFileStatus::Read;
}

// A file that cannot be read whole leaves the map and its width factor as they were:
// a half-read map would mix the file's entries with what was there before.
bool ExcelFontMapArray::LoadFromFile(const std::string& path, HWND parent) {
  std::vector<std::uint8_t> bytes;
  DWORD error = 0;
  if (!ReadWholeFile(path, &bytes, &error)) {
    ReportFileError(path, error);
    return false;
  }
  switch (ReadFontMapFile(std::move(bytes), this)) {
    case FontMapFileStatus::NotAFontMap:
      ReportInvalid(path, parent, true);
      return false;
    case FontMapFileStatus::Damaged:
      ReportInvalid(path, parent, false);
      return false;
    case FontMapFileStatus::Read:
      break;
  }
  mdlOutput_printf(MSG_MESSAGE, kFontMapLoaded, path.c_str());
  return true;
}
