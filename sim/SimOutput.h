// What the stand-in world shows to the person at the keyboard: prompts, messages,
// message boxes and completion bars, recorded in order. Tests read the log; the host
// shell echoes each event as it happens. Boxes take scripted answers.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sim {

enum class OutputKind {
  Prompt,            // mdlOutput_prompt
  Command,           // mdlOutput_command (command field)
  Message,           // mdlOutput_message
  Error,             // mdlOutput_error
  Printf,            // mdlOutput_printf
  MessageCenter,     // mdlOutput_messageCenter
  HostMessageBox,    // mdlDialog_openMessageBox / mdlDialog_openMessageBoxW
  AdvisoryBox,       // mdlDialog_openAdvisoryBox
  CompletionOpen,    // mdlDialog_openCompletionBar
  CompletionUpdate,  // mdlDialog_updateCompletionBar
  CompletionClose,   // mdlDialog_closeCompletionBar
  WindowsMessageBox, // MessageBoxA (the platform's standard message box)
  Dialog,            // a modal dialog shown through a scripted view
};

struct OutputEvent {
  OutputKind kind = OutputKind::Message;
  std::string text;    // UTF-8
  std::string title;   // boxes: title; message centre: detailed text
  int code = 0;        // icon or box style; printf message type; message-centre priority
  int percent = -1;    // completion bars
  int handle = 0;      // completion bars
  int answer = 0;      // boxes: the button that closed it
};

const char* OutputKindName(OutputKind kind);

const std::vector<OutputEvent>& OutputLog();
void ClearOutputLog();
// Records the event, echoes it, and returns it as stored.
const OutputEvent& RecordOutput(OutputEvent event);

// Texts of the events of one kind, in order (a convenience for tests).
std::vector<std::string> OutputTexts(OutputKind kind);

// Called for every recorded event (the host shell prints them); empty to stop.
void SetOutputEcho(std::function<void(const OutputEvent&)> echo);

// Scripted answers for boxes, taken in order; when none is queued a box is answered
// with the default its caller gives (the box's first button).
void PushBoxAnswer(int answer);
void ClearBoxAnswers();
int TakeBoxAnswer(int defaultAnswer);
bool HasBoxAnswer();

// Answers the questions of the standard message box (Yes and No) that no scripted
// answer is queued for, given the box before it is recorded; empty: the box's
// default.
using QuestionAnswerer = std::function<int(const OutputEvent& box, int defaultAnswer)>;
void SetQuestionAnswerer(QuestionAnswerer answerer);
const QuestionAnswerer& CurrentQuestionAnswerer();

}  // namespace sim
