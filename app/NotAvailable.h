// The message of a command this module does not carry out.
#pragma once

void ReportNotAvailable(const char* command);
