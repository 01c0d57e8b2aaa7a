#include "app/NotAvailable.h"

#include <string>

#include "host/msoutput.h"

void ReportNotAvailable(const char* command) {
  std::string text = std::string(command) + " is not available in this build of Quorvelle.";
  mdlOutput_message(text.c_str());
}
