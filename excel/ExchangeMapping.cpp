#include "excel/ExchangeMapping.h"

#include <cstdio>
#include <cstring>

#include "automation/AddinContract.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "host/mssystem.h"
#include "platform/filemapping.h"
#include "platform/handles.h"

std::string ExchangeMappingText() {
  DgnModelRefP model = mdlModelRef_getActive();
  std::string text = std::string(kLevelsMarker) + "|";
  LevelID active = 0;
  mdlParams_getActive(&active, ACTIVEPARAM_LEVEL);
  LevelIterator* it = mdlLevelIterator_create(model);
  for (LevelID id; it && (id = mdlLevelIterator_getNext(it)) != LEVEL_ITERATOR_END;) {
    MSWChar wide[512] = {};
    char name[1024] = {};
    if (mdlLevel_getName(wide, 512, model, id) == SUCCESS) mdlCnv_convertUnicodeToMultibyte(wide, -1, name, sizeof name);
    if (id == active) text += "*";
    text += name;
    text += "|";
  }
  mdlLevelIterator_free(&it);
  text += "\n";
  text += kColorsMarker;
  text += "|";
  for (UInt32 i = 0; i < 256; ++i) {
    RGBColorDef rgb;
    long value = 0;
    if (mdlColor_elementColorToRGB(&rgb, i, model) == SUCCESS) value = rgb.red + 256L * rgb.green + 65536L * rgb.blue;
    text += std::to_string(value) + "|";
  }
  text += "\n";
  return text;
}

namespace {

// The mapping published for the running operation; the add-in reads it while it is open.
HANDLE exchangeMapping = nullptr;

void ReportMappingFailure(int line) {
  char message[256];
  std::snprintf(message, sizeof message, "Failed to create file-mapping object: %s: %d.", __FILE_NAME__, line);
  mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, message, MSGBOX_ICON_INFORMATION);
}

}  // namespace

void CloseExchangeMapping() {
  if (exchangeMapping) CloseHandle(exchangeMapping);
  exchangeMapping = nullptr;
}

bool PublishExchangeMapping() {
  CloseExchangeMapping();
  std::string text = ExchangeMappingText();
  DWORD size = static_cast<DWORD>(text.size() + 1);
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, kExchangeMappingName);
  if (!mapping) {
    ReportMappingFailure(__LINE__);
    return false;
  }
  void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, size);
  if (!view) {
    CloseHandle(mapping);
    ReportMappingFailure(__LINE__);
    return false;
  }
  std::memcpy(view, text.c_str(), size);
  UnmapViewOfFile(view);
  exchangeMapping = mapping;
  return true;
}
