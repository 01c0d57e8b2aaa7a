// Writes format codes with a value each into a folder, as the starting corpus of the
// number format fuzzer. Usage: numfmt_fuzz_seeds FOLDER
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

struct Seed {
  uint8_t kind;  // as the fuzzer reads byte 0
  double number;
  const char* code;
};

constexpr Seed kSeeds[] = {
    {0, 1234.5678, "General"},
    {0, 123456789012.0, "General"},
    {0, 0.0000123456, "General"},
    {0, -1234.5, "0.00"},
    {0, 1234567, "#,##0"},
    {0, 1234567, "#,##0.00_);[Red](#,##0.00)"},
    {0, 1234567, "0.0,,\"M\""},
    {0, 0.125, "0.00%"},
    {0, 12345, "0.00E+00"},
    {0, 12345, "##0.0E+0"},
    {0, 3.75, "# ?/?"},
    {0, 3.14159, "# ???" "/???"},
    {0, 0.3, "?/16"},
    {0, 23.75, "|#\\:? ?0#/000"},
    {0, 40982.5631, "m/d/yyyy h:mm"},
    {0, 40982.5631, "dddd, mmmm dd, yyyy"},
    {0, 40982.5631, "[$-F800]dddd\\,\\ mmmm\\ dd\\,\\ yyyy"},
    {0, 40982.5631, "[$-409]h:mm:ss AM/PM;@"},
    {4, 17816.6079, "d-m-y h:m:s a/p"},
    {0, 1.5, "[h]:mm:ss"},
    {0, 0.0007, "mm:ss.000"},
    {0, 60, "yyyy-mm-dd"},
    {0, -5, "0;(0);\"zero\";\"text: \"@"},
    {0, 1234567, "[>999999]#,,\"M\";[>999]#,\"K\";#"},
    {0, 5551234, "[<=9999999]###-####;(###) ###-####"},
    {0, -5, "[Red]0;[Color10]-0"},
    {0, 1234.5, "_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"??_);_(@_)"},
    {0, 1234.5, "[$\xE2\x82\xAC-407]#,##0.00"},
    {0, 1234.5, "\\a $#.00\" profit\""},
    {0, 1234.5, "?,?????????.??"},
    {0, 1e300, "0%%%%"},
    {1, 0, "\"unclosed"},
    {1, 0, "[Red"},
    {2, 0, "@"},
    {2, 0, "0;0;0;[Blue]\"<\"@\">\""},
    {3, 1, "0.00"},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  int index = 0;
  for (const Seed& seed : kSeeds) {
    std::string bytes(1, static_cast<char>(seed.kind));
    char number[sizeof(double)];
    std::memcpy(number, &seed.number, sizeof number);
    bytes.append(number, sizeof number);
    bytes += seed.code;
    std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(index++), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
      return 1;
    }
  }
  return 0;
}
