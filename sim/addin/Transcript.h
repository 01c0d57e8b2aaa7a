// Transcripts: the companion add-in's messages for one transfer, recorded once and
// replayed into the signal window as the add-in sends them. The file is "QVT1" and
// frames of four little-endian 32-bit numbers (message, a, b, n) and n bytes: for
// the begin and end messages a is wParam and b lParam; for WM_COPYDATA a is the kind
// and the bytes follow.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "sim/addin/AddinMessages.h"

namespace sim {

// A transcript file larger than this is not replayed.
constexpr std::uint32_t kMaxTranscriptBytes = 256u << 20;
// The bytes a frame adds to a transcript besides its data.
constexpr std::uint32_t kFrameHeaderBytes = 16;

struct TranscriptFrame {
  std::uint32_t message = 0;
  std::uint32_t a = 0;
  std::uint32_t b = 0;
  std::vector<unsigned char> data;
};

class TranscriptWriter : public AddinMessages {
 public:
  void Path(const std::string& workbookPath) override;
  void Message(const std::string& text) override;
  void Begin(int cellsPerRow) override;
  void Record(const std::vector<unsigned char>& bytes) override;
  void End(int flags) override;
  std::vector<unsigned char> Bytes() const;
  const std::vector<TranscriptFrame>& frames() const { return frames_; }

 private:
  std::vector<TranscriptFrame> frames_;
};

// The frames of a transcript; false with the reason (naming the frame) when the
// bytes are not a sound transcript.
bool ParseTranscript(std::span<const unsigned char> bytes, std::vector<TranscriptFrame>* frames,
                     std::string* error);
// Sends the frames to the signal window found by its caption, as the add-in does;
// empty on success, else why nothing was sent.
std::string ReplayTranscript(const std::vector<TranscriptFrame>& frames);
// Reads, checks and replays a transcript file (a Linux path).
std::string ReplayTranscriptFile(const std::string& linuxPath);

}  // namespace sim
