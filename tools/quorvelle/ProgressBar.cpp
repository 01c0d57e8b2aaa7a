#include "tools/quorvelle/ProgressBar.h"

#include <algorithm>
#include <cstdio>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

int TerminalColumns() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col >= 20) return size.ws_col;
  return 80;
}

}  // namespace

bool CTerminalProgress::Available() { return isatty(STDERR_FILENO) == 1; }

bool CTerminalProgress::Show(const sim::OutputEvent& event) {
  switch (event.kind) {
    case sim::OutputKind::CompletionOpen:
    case sim::OutputKind::CompletionUpdate:
      open_ = true;
      text_ = event.text;
      percent_ = std::clamp(event.percent, 0, 100);
      Draw();
      return true;
    case sim::OutputKind::CompletionClose:
      Clear();
      open_ = false;
      return true;
    default:
      return false;
  }
}

void CTerminalProgress::Suspend() {
  if (open_) Clear();
  std::fflush(stderr);
}

void CTerminalProgress::Resume() {
  std::fflush(stdout);
  if (open_) Draw();
}

// "Drawing the contents: [##########..........]  50%", cut to the terminal's width.
void CTerminalProgress::Draw() {
  const int columns = TerminalColumns() - 1;
  const int barWidth = std::min(40, columns / 3);
  const int filled = barWidth * percent_ / 100;
  std::string bar = " [" + std::string(static_cast<size_t>(filled), '#') +
                    std::string(static_cast<size_t>(barWidth - filled), '.') + "] ";
  char number[8];
  std::snprintf(number, sizeof number, "%3d%%", percent_);
  const size_t room = static_cast<size_t>(std::max(0, columns - static_cast<int>(bar.size()) - 4));
  const std::string line = text_.substr(0, room) + bar + number;
  std::fprintf(stderr, "\r%s\033[K", line.c_str());
  std::fflush(stderr);
}

void CTerminalProgress::Clear() {
  std::fprintf(stderr, "\r\033[K");
  std::fflush(stderr);
}
