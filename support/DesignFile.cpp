#include "support/DesignFile.h"

#include <cstring>

#include "host/msview.h"
#include "platform/paths.h"

std::string DesignFile() { return std::string(tcbP->dgnfilenm, strnlen(tcbP->dgnfilenm, sizeof tcbP->dgnfilenm)); }

std::string DesignFolder() {
  std::string folder = DesignFile();
  if (folder.empty() || !PathRemoveFileSpecA(folder.data())) return {};
  return folder.c_str();
}
