// Arbitrary bytes through the archive reader, read as a program of reads the bytes
// themselves choose, and through the readers of options files and font map files.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "settings/ExcelFontMap.h"
#include "settings/OptionsFile.h"
#include "sim/SimOutput.h"
#include "support/Archive.h"

namespace {

void ReadAsChosen(const std::vector<std::uint8_t>& bytes) {
  CArchiveReader in(bytes);
  try {
    while (in.Remaining() > 0) {
      switch (in.ReadByte() % 7) {
        case 0: in.ReadString(); break;
        case 1: in.ReadCount(in.ReadByte()); break;
        case 2: in.ReadInt32(); break;
        case 3: in.ReadUInt32(); break;
        case 4: in.ReadUInt16(); break;
        case 5: in.ReadDouble(); break;
        default: in.ReadCount(0); break;
      }
    }
  } catch (const CArchiveException&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  ReadAsChosen(bytes);

  QuorvelleSetup setup;
  LoadOptionsFromBytes(setup, bytes);
  ExcelFontMapArray map;
  ReadFontMapFile(bytes, &map);
  // The message of a refused file would pile up over millions of runs.
  sim::ClearOutputLog();
  return 0;
}
