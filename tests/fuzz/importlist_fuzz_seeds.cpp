// Writes import list files into a folder, as the starting corpus of the import list
// fuzzer. Usage: importlist_fuzz_seeds FOLDER
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string lists[] = {
      "C:\\Data\\A.xlsx*Sheet1*\r\r\nC:\\Data\\B.xlsx*Doors*A1:D10\r\r\n",
      "Book.xls**A1:B2\n*Book.xls*Sheet1\n  *  \nBook.xls*Sheet1*A1*extra\n",
      std::string("bin\0ary*S\x01*R\r\n", 14),
  };
  int n = 0;
  for (const std::string& list : lists) {
    std::ofstream out(std::string(argv[1]) + "/list" + std::to_string(n++), std::ios::binary);
    out << list;
    if (!out) {
      std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
      return 1;
    }
  }
  return 0;
}
