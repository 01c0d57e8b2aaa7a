// The C runtime's path splitting and joining.
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/paths.h"

namespace sim {
namespace {

struct PathPiece {
  char* buffer;
  std::size_t size;
  std::string_view text;
};

bool ValidBuffer(const char* buffer, std::size_t size) { return (buffer == nullptr) == (size == 0); }

void ClearAll(PathPiece (&pieces)[4]) {
  for (PathPiece& piece : pieces)
    if (piece.buffer) piece.buffer[0] = '\0';
}

}  // namespace
}  // namespace sim

errno_t _splitpath_s(const char* path, char* drive, std::size_t driveNumberOfElements, char* dir,
                     std::size_t dirNumberOfElements, char* fname, std::size_t nameNumberOfElements, char* ext,
                     std::size_t extNumberOfElements) {
  sim::PathPiece pieces[4] = {{drive, driveNumberOfElements, {}},
                              {dir, dirNumberOfElements, {}},
                              {fname, nameNumberOfElements, {}},
                              {ext, extNumberOfElements, {}}};
  bool buffersValid = true;
  for (const sim::PathPiece& piece : pieces) buffersValid = buffersValid && sim::ValidBuffer(piece.buffer, piece.size);
  if (!path || !buffersValid) {
    sim::ClearAll(pieces);
    return EINVAL;
  }

  std::string_view rest = path;
  if (rest.size() >= 2 && rest[1] == ':') {
    pieces[0].text = rest.substr(0, 2);
    rest.remove_prefix(2);
  }
  // The folder runs to the last separator, with it; the extension from the last dot
  // of what follows (so a dot in a folder name is not an extension).
  std::size_t lastSeparator = rest.find_last_of("\\/");
  std::size_t nameStart = lastSeparator == std::string_view::npos ? 0 : lastSeparator + 1;
  pieces[1].text = rest.substr(0, nameStart);
  std::string_view name = rest.substr(nameStart);
  std::size_t dot = name.find_last_of('.');
  pieces[2].text = name.substr(0, dot);
  pieces[3].text = dot == std::string_view::npos ? std::string_view() : name.substr(dot);

  for (const sim::PathPiece& piece : pieces) {
    if (piece.buffer && piece.text.size() + 1 > piece.size) {
      sim::ClearAll(pieces);
      return ERANGE;
    }
  }
  for (const sim::PathPiece& piece : pieces) {
    if (!piece.buffer) continue;
    piece.buffer[piece.text.copy(piece.buffer, piece.text.size())] = '\0';
  }
  return 0;
}

void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext) {
  _splitpath_s(path, drive, drive ? _MAX_DRIVE : 0, dir, dir ? _MAX_DIR : 0, fname, fname ? _MAX_FNAME : 0, ext,
               ext ? _MAX_EXT : 0);
}

errno_t _makepath_s(char* path, std::size_t sizeInCharacters, const char* drive, const char* dir, const char* fname,
                    const char* ext) {
  if (!path || sizeInCharacters == 0) return EINVAL;
  std::string joined;
  if (drive && *drive) {
    joined += drive[0];
    joined += ':';
  }
  if (dir && *dir) {
    joined += dir;
    if (joined.back() != '\\' && joined.back() != '/') joined += '\\';
  }
  if (fname) joined += fname;
  if (ext && *ext) {
    if (ext[0] != '.') joined += '.';
    joined += ext;
  }
  if (joined.size() + 1 > sizeInCharacters) {
    path[0] = '\0';
    return ERANGE;
  }
  std::memcpy(path, joined.c_str(), joined.size() + 1);
  return 0;
}
