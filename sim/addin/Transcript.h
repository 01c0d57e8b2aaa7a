// Transcripts: the companion add-in's messages for one transfer, recorded once and
// replayed into the signal window as the add-in sends them. The file is "QVT1" and
// frames of four little-endian 32-bit numbers (message, a, b, n) and n bytes: for
// the begin and end messages a is wParam and b lParam; for WM_COPYDATA a is the kind
// and the bytes follow.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct TranscriptFrame {
  std::uint32_t message = 0;
  std::uint32_t a = 0;
  std::uint32_t b = 0;
  std::vector<unsigned char> data;
};

class TranscriptWriter {
 public:
  void Path(const std::string& workbookPath);          // copy-data kind 2
  void Message(const std::string& text);               // copy-data kind 1
  void Begin(int cellsPerRow);                         // 1125
  void Record(const std::vector<unsigned char>& bytes);  // copy-data kind 0
  void End(int flags);                                 // 1126
  std::vector<unsigned char> Bytes() const;
  const std::vector<TranscriptFrame>& frames() const { return frames_; }

 private:
  std::vector<TranscriptFrame> frames_;
};

// The frames of a transcript; false with the reason (naming the frame) when the
// bytes are not a sound transcript.
bool ParseTranscript(const std::vector<unsigned char>& bytes, std::vector<TranscriptFrame>* frames,
                     std::string* error);
// Sends the frames to the signal window found by its caption, as the add-in does;
// empty on success, else why nothing was sent.
std::string ReplayTranscript(const std::vector<TranscriptFrame>& frames);
// Reads, checks and replays a transcript file (a Linux path).
std::string ReplayTranscriptFile(const std::string& linuxPath);

}  // namespace sim
