// The message of a command whose flow this build does not have yet.
#pragma once

void ReportNotAvailable(const char* command);
