// The questions a module's dialog asks (Yes or No boxes) while a shell command runs:
// answered Yes when the command was given --yes, else asked on the terminal, else
// answered No.
#pragma once

#include <string>

class QuestionAnswers {
 public:
  explicit QuestionAnswers(bool yes);
  ~QuestionAnswers();
  QuestionAnswers(const QuestionAnswers&) = delete;
  QuestionAnswers& operator=(const QuestionAnswers&) = delete;

  // The last question answered No, "" when none was.
  const std::string& declined() const { return declined_; }

 private:
  std::string declined_;
};
