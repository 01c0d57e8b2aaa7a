#include "sim/addin/Transcript.h"

#include "automation/AddinContract.h"
#include "platform/windows.h"
#include "sim/platform/RegularFile.h"

namespace sim {
namespace {

constexpr std::uint32_t kBegin = kMsgBeginTable;
constexpr std::uint32_t kEnd = kMsgEndTable;
constexpr std::uint32_t kCopyData = WM_COPYDATA;
// A frame larger than this is no add-in message.
constexpr std::uint32_t kMaxFrameBytes = 1u << 20;

void Put(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

std::uint32_t Get(std::span<const unsigned char> in, size_t at) {
  return static_cast<std::uint32_t>(in[at]) | (static_cast<std::uint32_t>(in[at + 1]) << 8) |
         (static_cast<std::uint32_t>(in[at + 2]) << 16) | (static_cast<std::uint32_t>(in[at + 3]) << 24);
}

std::vector<unsigned char> Text(const std::string& text) {
  std::vector<unsigned char> data(text.begin(), text.end());
  data.push_back(0);
  return data;
}

}  // namespace

void TranscriptWriter::Path(const std::string& workbookPath) { frames_.push_back({kCopyData, kCopyDataPath, 0, Text(workbookPath)}); }
void TranscriptWriter::Message(const std::string& text) { frames_.push_back({kCopyData, kCopyDataMessage, 0, Text(text)}); }
void TranscriptWriter::Begin(int cellsPerRow) {
  frames_.push_back({kBegin, 0, static_cast<std::uint32_t>(cellsPerRow), {}});
}
void TranscriptWriter::Record(const std::vector<unsigned char>& bytes) { frames_.push_back({kCopyData, kCopyDataRecord, 0, bytes}); }
void TranscriptWriter::End(int flags) { frames_.push_back({kEnd, 0, static_cast<std::uint32_t>(flags), {}}); }

std::vector<unsigned char> TranscriptWriter::Bytes() const {
  std::vector<unsigned char> out = {'Q', 'V', 'T', '1'};
  for (const auto& f : frames_) {
    Put(out, f.message);
    Put(out, f.a);
    Put(out, f.b);
    Put(out, static_cast<std::uint32_t>(f.data.size()));
    out.insert(out.end(), f.data.begin(), f.data.end());
  }
  return out;
}

bool ParseTranscript(std::span<const unsigned char> bytes, std::vector<TranscriptFrame>* frames,
                     std::string* error) {
  frames->clear();
  if (bytes.size() < 4 || bytes[0] != 'Q' || bytes[1] != 'V' || bytes[2] != 'T' || bytes[3] != '1') {
    *error = "This is not a transcript: it does not start with QVT1.";
    return false;
  }
  size_t at = 4;
  for (int index = 1; at < bytes.size(); ++index) {
    std::string frame = "Frame " + std::to_string(index) + " of the transcript ";
    if (bytes.size() - at < kFrameHeaderBytes) {
      *error = frame + "is cut short in its header.";
      return false;
    }
    TranscriptFrame f{Get(bytes, at), Get(bytes, at + 4), Get(bytes, at + 8), {}};
    std::uint32_t n = Get(bytes, at + 12);
    at += kFrameHeaderBytes;
    if (f.message != kBegin && f.message != kEnd && f.message != kCopyData) {
      *error = frame + "holds message " + std::to_string(f.message) + ", which the add-in does not send.";
      return false;
    }
    if (f.message != kCopyData && n != 0) {
      *error = frame + "carries bytes, which a begin or end message cannot.";
      return false;
    }
    if (n > kMaxFrameBytes || n > bytes.size() - at) {
      *error = frame + "declares " + std::to_string(n) + " bytes, more than the transcript holds.";
      return false;
    }
    f.data.assign(bytes.begin() + at, bytes.begin() + at + n);
    at += n;
    frames->push_back(std::move(f));
  }
  return true;
}

std::string ReplayTranscript(const std::vector<TranscriptFrame>& frames) {
  HWND window = FindSignalWindow();
  if (!window) return "The signal window is not open: there is nothing to send the transcript to.";
  for (const auto& f : frames) {
    if (f.message == kCopyData) {
      COPYDATASTRUCT copy{f.a, static_cast<DWORD>(f.data.size()), const_cast<unsigned char*>(f.data.data())};
      SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    } else {
      SendMessageA(window, f.message, f.a, static_cast<LPARAM>(f.b));
    }
  }
  return "";
}

std::string ReplayTranscriptFile(const std::string& linuxPath) {
  std::string text, reason;
  if (!ReadRegularFile(linuxPath, kMaxTranscriptBytes, &text, &reason))
    return "Cannot read the transcript " + linuxPath + ": " + reason + ".";
  // Parsed where it was read: a transcript may take hundreds of megabytes.
  const std::span<const unsigned char> bytes(reinterpret_cast<const unsigned char*>(text.data()), text.size());
  std::vector<TranscriptFrame> frames;
  std::string error;
  if (!ParseTranscript(bytes, &frames, &error)) return linuxPath + ": " + error;
  return ReplayTranscript(frames);
}

}  // namespace sim
