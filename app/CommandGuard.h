// The one exception guard every command operation runs its body in. Failures are
// reported to the user and never reach the host: automation errors (when the
// command reports them) with their text, processor faults with a report for the
// vendor, anything else with the command's fixed message.
#pragma once

#include <functional>
#include <string>

#include "support/SehException.h"  // ShowFaultReport, for the commands' own handlers

struct CommandGuard {
  // The operation's qualified name, for the report of a processor fault.
  const char* operation = "";
  // The fixed message for any other failure.
  const char* unknownMessage = "";
  // Whether automation errors get their own handler (else the fixed message).
  bool reportsAutomationErrors = false;
  // Runs before the message of an automation error or of any other failure.
  std::function<void()> cleanUp;
  // Put in front of the report box's title (a step marker), when set.
  std::function<std::string()> titlePrefix;
};

// Runs the body; never throws.
void RunGuarded(const CommandGuard& guard, const std::function<void()>& body);
