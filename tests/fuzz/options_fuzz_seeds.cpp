// Writes options files of every version into a folder, as the starting corpus of the
// options fuzzer. Usage: options_fuzz_seeds FOLDER
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/settings/OptionsFileBuilder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  std::vector<OptionsFileContent> files;
  for (int version = 0; version <= 4; ++version) {
    OptionsFileContent content;
    content.version = version;
    files.push_back(content);
  }
  OptionsFileContent wide;
  wide.wideStrings = true;
  wide.borderLayer = "Ebene \xC3\x9C";
  files.push_back(wide);
  OptionsFileContent longText;
  longText.fontSizes = std::string(300, '8');
  files.push_back(longText);

  for (size_t i = 0; i < files.size(); ++i) {
    std::vector<std::uint8_t> bytes = BuildOptionsFile(files[i]);
    std::ofstream out(std::string(argv[1]) + "/options" + std::to_string(i), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
      return 1;
    }
  }
  return 0;
}
