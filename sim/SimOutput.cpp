#include "sim/SimOutput.h"

#include <deque>

namespace sim {
namespace {
std::vector<OutputEvent>& Log() {
  static std::vector<OutputEvent> log;
  return log;
}
std::function<void(const OutputEvent&)>& Echo() {
  static std::function<void(const OutputEvent&)> echo;
  return echo;
}
std::deque<int>& Answers() {
  static std::deque<int> answers;
  return answers;
}
}  // namespace

const char* OutputKindName(OutputKind kind) {
  switch (kind) {
    case OutputKind::Prompt: return "prompt";
    case OutputKind::Command: return "command";
    case OutputKind::Message: return "message";
    case OutputKind::Error: return "error";
    case OutputKind::Printf: return "printf";
    case OutputKind::MessageCenter: return "message-centre";
    case OutputKind::HostMessageBox: return "message-box";
    case OutputKind::AdvisoryBox: return "advisory-box";
    case OutputKind::CompletionOpen: return "completion-open";
    case OutputKind::CompletionUpdate: return "completion";
    case OutputKind::CompletionClose: return "completion-close";
    case OutputKind::WindowsMessageBox: return "windows-message-box";
    case OutputKind::Dialog: return "dialog";
  }
  return "output";
}

const std::vector<OutputEvent>& OutputLog() { return Log(); }
void ClearOutputLog() { Log().clear(); }

const OutputEvent& RecordOutput(OutputEvent event) {
  Log().push_back(std::move(event));
  if (Echo()) Echo()(Log().back());
  return Log().back();
}

std::vector<std::string> OutputTexts(OutputKind kind) {
  std::vector<std::string> texts;
  for (const auto& e : Log())
    if (e.kind == kind) texts.push_back(e.text);
  return texts;
}

void SetOutputEcho(std::function<void(const OutputEvent&)> echo) { Echo() = std::move(echo); }

bool HasBoxAnswer() { return !Answers().empty(); }

namespace {
QuestionAnswerer& Answerer() {
  static QuestionAnswerer answerer;
  return answerer;
}
}  // namespace

void SetQuestionAnswerer(QuestionAnswerer answerer) { Answerer() = std::move(answerer); }
const QuestionAnswerer& CurrentQuestionAnswerer() { return Answerer(); }

void PushBoxAnswer(int answer) { Answers().push_back(answer); }
void ClearBoxAnswers() { Answers().clear(); }
int TakeBoxAnswer(int defaultAnswer) {
  if (Answers().empty()) return defaultAnswer;
  int a = Answers().front();
  Answers().pop_front();
  return a;
}

}  // namespace sim
