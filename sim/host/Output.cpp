// Output fields, boxes and completion bars, recorded in the stand-in's output log.
#include <cstdarg>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "host/msoutput.h"
#include "sim/SimOutput.h"
#include "sim/Strings.h"
#include "sim/host/HostState.h"

using sim::OutputKind;
using sim::RecordOutput;

namespace {
std::string Text(const char* s) { return s ? s : ""; }
}  // namespace

void mdlOutput_prompt(const char* text) { RecordOutput({OutputKind::Prompt, Text(text)}); }
void mdlOutput_command(const char* text) { RecordOutput({OutputKind::Command, Text(text)}); }
void mdlOutput_message(const char* text) { RecordOutput({OutputKind::Message, Text(text)}); }
void mdlOutput_error(const char* text) { RecordOutput({OutputKind::Error, Text(text)}); }

int mdlOutput_printf(int messageType, const char* format, ...) {
  if (!format) return 0;
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  sim::OutputEvent e{OutputKind::Printf, text};
  e.code = messageType;
  RecordOutput(std::move(e));
  return n;
}

void mdlOutput_messageCenter(int priority, const char* brief, const char* detailed, int openAlert) {
  sim::OutputEvent e{OutputKind::MessageCenter, Text(brief), Text(detailed)};
  e.code = priority;
  e.answer = openAlert;
  RecordOutput(std::move(e));
}

int mdlDialog_openMessageBox(int dialogId, const char* text, int iconType) {
  sim::OutputEvent e{OutputKind::HostMessageBox, Text(text)};
  e.code = iconType;
  e.handle = dialogId;
  e.answer = sim::TakeBoxAnswer(ACTIONBUTTON_OK);
  return RecordOutput(std::move(e)).answer;
}

int mdlDialog_openMessageBoxW(int dialogId, const MSWChar* text, int iconType) {
  std::string utf8 = text ? sim::Utf16ToUtf8(text) : std::string();
  return mdlDialog_openMessageBox(dialogId, utf8.c_str(), iconType);
}

int mdlDialog_openAdvisoryBox(int dialogId, const char* title, const char* text, int iconType) {
  sim::OutputEvent e{OutputKind::AdvisoryBox, Text(text), Text(title)};
  e.code = iconType;
  e.handle = dialogId;
  e.answer = sim::TakeBoxAnswer(ACTIONBUTTON_OK);
  return RecordOutput(std::move(e)).answer;
}

struct MSDialog {
  int handle = 0;
  // What the bar shows.
  std::string text;
  int percent = 0;
};

namespace {
std::map<MSDialog*, std::unique_ptr<MSDialog>>& OpenBars() {
  static std::map<MSDialog*, std::unique_ptr<MSDialog>> bars;
  return bars;
}
}  // namespace

MSDialog* mdlDialog_openCompletionBar(const char* text) {
  auto bar = std::make_unique<MSDialog>();
  bar->handle = sim::Host().nextCompletionBar++;
  bar->text = Text(text);
  sim::OutputEvent e{OutputKind::CompletionOpen, Text(text)};
  e.handle = bar->handle;
  e.percent = 0;
  RecordOutput(std::move(e));
  MSDialog* raw = bar.get();
  OpenBars()[raw] = std::move(bar);
  return raw;
}

// Updates and closes of a bar that is not open are ignored, as the host ignores
// a stale dialog pointer it does not know. An update that changes nothing the bar
// shows is not recorded: a table of many cells updates its bar many times a
// percent.
void mdlDialog_updateCompletionBar(MSDialog* bar, const char* text, int percent) {
  if (!OpenBars().count(bar)) return;
  std::string shown = Text(text);
  if (shown == bar->text && percent == bar->percent) return;
  bar->text = shown;
  bar->percent = percent;
  sim::OutputEvent e{OutputKind::CompletionUpdate, std::move(shown)};
  e.handle = bar->handle;
  e.percent = percent;
  RecordOutput(std::move(e));
}

void mdlDialog_closeCompletionBar(MSDialog* bar) {
  auto it = OpenBars().find(bar);
  if (it == OpenBars().end()) return;
  sim::OutputEvent e{OutputKind::CompletionClose, ""};
  e.handle = bar->handle;
  RecordOutput(std::move(e));
  OpenBars().erase(it);
}
