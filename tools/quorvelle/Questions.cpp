#include "tools/quorvelle/Questions.h"

#include <unistd.h>

#include <iostream>

#include "platform/msgbox.h"
#include "sim/SimOutput.h"

QuestionAnswers::QuestionAnswers(bool yes) {
  sim::SetQuestionAnswerer([this, yes](const sim::OutputEvent& box, int) {
    if (yes) return IDYES;
    if (isatty(STDIN_FILENO)) {
      std::cerr << box.title << ": " << box.text << " [y/N] " << std::flush;
      std::string line;
      if (std::getline(std::cin, line) && (line == "y" || line == "Y" || line == "yes")) return IDYES;
    }
    declined_ = box.text;
    return IDNO;
  });
}

QuestionAnswers::~QuestionAnswers() { sim::SetQuestionAnswerer(nullptr); }
