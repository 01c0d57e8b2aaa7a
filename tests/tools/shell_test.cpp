// The host shell as a person runs it: new, dump, render, run, smoke, create, record
// and registry.
#include <chrono>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "sim/excel/xlsx/GridWorkbook.h"
#include "sim/excel/xlsx/MinimalWorkbook.h"
#include "tests/tools/ShellTestSupport.h"

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(ShellTest, NewThenDumpGivesAnEmptyDesignFile) {
  std::string dgn = dir.File("empty.dgn");
  ASSERT_EQ(0, Shell("--design " + dgn + " new").status);
  ShellResult r = Shell("--quiet --design " + dgn + " dump");
  ASSERT_EQ(0, r.status) << r.out;
  auto d = nlohmann::json::parse(r.out);
  EXPECT_TRUE(d["elements"].empty());
  EXPECT_EQ("Default", d["levels"][0]["name"]);
  EXPECT_TRUE(d.contains("units"));
}

TEST_F(ShellTest, SmokeDrawsSavesAndPictures) {
  std::string dgn = dir.File("smoke.dgn"), png = dir.File("smoke.png");
  ShellResult r = Shell("--quiet --design " + dgn + " smoke --picture " + png);
  ASSERT_EQ(0, r.status) << r.out;
  std::string picture = Bytes(png);
  ASSERT_GT(picture.size(), 1000u);
  EXPECT_EQ("\x89PNG", picture.substr(0, 4));
  ShellResult dump = Shell("--quiet --design " + dgn + " dump");
  auto d = nlohmann::json::parse(dump.out);
  ASSERT_EQ(1u, d["elements"].size());
  EXPECT_EQ("Smoke", d["elements"][0]["name"]);
  EXPECT_GT(d["elements"][0]["members"].size(), 8u);
  ASSERT_EQ(0, Shell("--design " + dgn + " render " + dir.File("again.svg")).status);
  EXPECT_NE(std::string::npos, Bytes(dir.File("again.svg")).find("<svg"));
}

TEST_F(ShellTest, BadInputGetsAClearMessageAndChangesNothing) {
  std::string notes = dir.File("notes.dgn");
  std::ofstream(notes) << "not a design file";
  struct Case {
    std::string args;
    std::string expected;
  } cases[] = {
      {"--design " + notes + " dump", "is not a design file"},
      {"--design " + notes + " run pump", "is not a design file"},
      {"--design " + dir.File("missing.dgn") + " dump", "no such file"},
      {"dump", "--design FILE is needed"},
      {"--design " + notes + " --cfg NOEQUALS dump", "NAME=VALUE"},
  };
  for (const auto& c : cases) {
    ShellResult r = Shell(c.args);
    EXPECT_EQ(1, r.status) << c.args;
    EXPECT_NE(std::string::npos, r.out.find(c.expected)) << c.args << ": " << r.out;
  }
  EXPECT_EQ("not a design file", Bytes(notes));

  std::string dgn = dir.File("d.dgn");
  ASSERT_EQ(0, Shell("--design " + dgn + " new").status);
  ShellResult r = Shell("--design " + dgn + " run \"keyin NO SUCH COMMAND\"");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.out.find("Unknown key-in: NO SUCH COMMAND")) << r.out;
  r = Shell("--design " + dgn + " run \"point 1\"");
  EXPECT_NE(std::string::npos, r.out.find("point needs X Y")) << r.out;
}

TEST_F(ShellTest, TheShippedTranscriptIsPlacedAsATableAndDrawn) {
  // The shipped transcript is the one its description gives.
  std::string made = dir.File("made.qvt");
  ASSERT_EQ(0, Shell("transcript --from " QV_SOURCE_DIR "/tools/samples/schedule.json --out " + made).status);
  EXPECT_EQ(Bytes(QV_SOURCE_DIR "/tools/samples/schedule.qvt"), Bytes(made));

  std::string dgn = dir.File("table.dgn");
  ShellResult r = Shell("--quiet --design " + dgn + " create --transcript " QV_SOURCE_DIR
                   "/tools/samples/schedule.qvt --at 12.5,-4");
  ASSERT_EQ(0, r.status) << r.out;
  auto d = nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out);
  ASSERT_EQ(1u, d["elements"].size());
  EXPECT_EQ("Cell_Quorvelle", d["elements"][0]["name"]);
  EXPECT_EQ((nlohmann::json{12.5, -4.0, 0.0}), d["elements"][0]["origin"]);
  ASSERT_EQ(0, Shell("--design " + dgn + " render --svg " + dir.File("table.svg")).status);
  EXPECT_NE(std::string::npos, Bytes(dir.File("table.svg")).find("<svg"));

  // Too few points: said so, and no table is left half placed.
  std::string waiting = dir.File("waiting.dgn");
  r = Shell("--quiet --design " + waiting + " create --transcript " QV_SOURCE_DIR "/tools/samples/schedule.qvt");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.out.find("waiting for its origin")) << r.out;
}

TEST_F(ShellTest, AFailureTheModuleReportsMakesTheShellFail) {
  // Column widths too long for a cell header: the table is placed unlinked, and said so.
  ShellResult set = Shell("registry set 'HKEY_CURRENT_USER\\Software\\Korvu\\KorvuMSV8i\\Quorvelle' ColumnWidths " +
                          std::string(70000, '5'));
  ASSERT_EQ(0, set.status) << set.out.substr(0, 500);
  const std::string dgn = dir.File("unlinked.dgn");
  ShellResult r = Shell("--quiet --design " + dgn + " create --transcript " QV_SOURCE_DIR
                        "/tools/samples/schedule.qvt --at 0,0 --at 50,0");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("the module reported a failure: The link data does not fit on the table "
                                          "cell; the table is not linked."))
      << r.out;
  // The second point found the command ended; nothing claims every table was placed.
  EXPECT_NE(std::string::npos, r.out.find("the command has ended; the remaining points are not used.")) << r.out;
  EXPECT_EQ(std::string::npos, r.out.find("every table is placed")) << r.out;
  // What was placed is kept.
  auto d = nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out);
  ASSERT_EQ(1u, d["elements"].size());
  EXPECT_EQ("Cell_Quorvelle", d["elements"][0]["name"]);
}

TEST_F(ShellTest, TwoShellsPlacingIntoOneDesignFileKeepBothTables) {
  const std::string book = dir.File("grid.xlsx"), dgn = dir.File("shared.dgn");
  // Large enough that the second starts well before the first has saved.
  ASSERT_EQ("", sim::WriteGridWorkbook(book, 400, 50));
  auto create = [&](const char* at) {
    return "QUORVELLE_REGISTRY=" + dir.File("registry.json") + " " + QV_SHELL + " --quiet --design " + dgn +
           " create --workbook " + book + " --sheet Data --range " + sim::GridRange(400, 50) + " --at " + at;
  };
  // Started together: the second waits until the first has saved, then adds its own.
  const std::string both = "(" + create("0,0") + "; echo first $?) & (sleep 0.1; " + create("5000,0") +
                           "; echo second $?) & wait";
  FILE* p = popen(("timeout 300 sh -c '" + both + "' 2>&1").c_str(), "r");
  ASSERT_NE(nullptr, p);
  std::string out;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;) out.append(buffer, n);
  pclose(p);
  EXPECT_NE(std::string::npos, out.find("first 0")) << out;
  EXPECT_NE(std::string::npos, out.find("second 0")) << out;
  // Counted in the dump's text: parsing twenty megabytes of JSON would take longer
  // than the placing.
  const std::string dump = Shell("--quiet --design " + dgn + " dump").out;
  size_t tables = 0;
  for (size_t at = dump.find("\"Cell_Quorvelle\""); at != std::string::npos; at = dump.find("\"Cell_Quorvelle\"", at + 1))
    ++tables;
  EXPECT_EQ(2u, tables);
}

TEST_F(ShellTest, ADesignFileHeldByAnotherProgramIsNotChangedButStillRead) {
  const std::string dgn = dir.File("held.dgn");
  ASSERT_EQ(0, Shell("--design " + dgn + " new").status);
  const std::string before = Bytes(dgn);
  const int fd = open(dgn.c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(0, flock(fd, LOCK_EX));
  setenv("QUORVELLE_LOCK_WAIT", "0.3", 1);
  ShellResult r = Shell("--quiet --design " + dgn + " create --transcript " QV_SOURCE_DIR
                        "/tools/samples/schedule.qvt --at 0,0");
  unsetenv("QUORVELLE_LOCK_WAIT");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find(dgn + " is being changed by another program")) << r.out;
  EXPECT_EQ(before, Bytes(dgn));
  // Reading takes no hold.
  EXPECT_EQ(0, Shell("--quiet --design " + dgn + " dump").status);
  close(fd);
  // A writer that was stopped before saving leaves an empty file, which a create starts afresh.
  const std::string stopped = dir.File("stopped.dgn");
  std::ofstream(stopped).close();
  r = Shell("--quiet --design " + stopped + " create --transcript " QV_SOURCE_DIR "/tools/samples/schedule.qvt --at 0,0");
  EXPECT_EQ(0, r.status) << r.out;
  EXPECT_EQ(1u, nlohmann::json::parse(Shell("--quiet --design " + stopped + " dump").out)["elements"].size());
}

TEST_F(ShellTest, ACancelledTransferEndsWithoutATable) {
  std::string description = dir.File("cancel.json");
  std::ofstream(description) << R"({"ranges": [{"columnWidths": [30], "rowHeights": [10], "rows": [[{"text": "x"}]],
                                    "end": 2}]})";
  std::string transcript = dir.File("cancel.qvt");
  ASSERT_EQ(0, Shell("transcript --from " + description + " --out " + transcript).status);
  std::string dgn = dir.File("cancel.dgn");
  ShellResult r = Shell("--quiet --design " + dgn + " create --transcript " + transcript + " --at 0,0");
  EXPECT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("without a table")) << r.out;
  EXPECT_TRUE(nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out)["elements"].empty());

  std::string bad = dir.File("bad.qvt");
  std::ofstream(bad) << "QVT1" << std::string(10, 'x');
  r = Shell("--quiet --design " + dgn + " create --transcript " + bad + " --at 0,0");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.out.find("Frame 1 of the transcript is cut short")) << r.out;
}

TEST_F(ShellTest, ARangeOfAWorkbookIsPlacedOrRecordedAsATranscript) {
  const std::string book = QV_SOURCE_DIR "/tests/fixtures/xlsx/4_every_style.xlsx";
  std::string dgn = dir.File("book.dgn");
  ShellResult r = Shell("--quiet --design " + dgn + " create --workbook " + book + " --sheet styles --range A1:D20 --at 5,5");
  ASSERT_EQ(0, r.status) << r.out;
  auto placed = nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out)["elements"];
  ASSERT_EQ(1u, placed.size());
  EXPECT_EQ("Cell_Quorvelle", placed[0]["name"]);
  EXPECT_NE(std::string::npos, placed[0]["linkages"].dump().find("$A$1:$D$20"));

  // The same transfer recorded and replayed places the same table.
  std::string transcript = dir.File("book.qvt");
  r = Shell("record --workbook " + book + " --range A1:D20 --out " + transcript);
  ASSERT_EQ(0, r.status) << r.out;
  std::string replayed = dir.File("replayed.dgn");
  ASSERT_EQ(0, Shell("--quiet --design " + replayed + " create --transcript " + transcript + " --at 5,5").status);
  auto again = nlohmann::json::parse(Shell("--quiet --design " + replayed + " dump").out)["elements"];
  ASSERT_EQ(1u, again.size());
  EXPECT_EQ(placed[0]["members"].size(), again[0]["members"].size());
}

TEST_F(ShellTest, TheProgressBarMovesOnATerminalAndNowhereElse) {
  const std::string book = dir.File("grid.xlsx");
  ASSERT_EQ("", sim::WriteGridWorkbook(book, 60, 20));
  auto create = [&](const std::string& options, const std::string& name) {
    return options + " --design " + dir.File(name) + " create --workbook " + book + " --sheet Data --range " +
           sim::GridRange(60, 20) + " --at 0,0";
  };
  // On a terminal: the bar is drawn again in place as it moves, and cleared at the end.
  ShellResult shown = ShellOnTerminal(create("", "terminal.dgn"));
  ASSERT_EQ(0, shown.status) << shown.out;
  EXPECT_NE(std::string::npos, shown.out.find("\rDrawing the contents: [")) << shown.out;
  EXPECT_NE(std::string::npos, shown.out.find("] 100%")) << shown.out;
  EXPECT_NE(std::string::npos, shown.out.find("\rParsing the borders: [")) << shown.out;
  EXPECT_NE(std::string::npos, shown.out.find("\r\033[K")) << shown.out;
  EXPECT_EQ(std::string::npos, shown.out.find("[completion]")) << shown.out;

  // Quiet on a terminal, and not on a terminal at all: no bar is drawn.
  ShellResult quiet = ShellOnTerminal(create("--quiet", "quiet.dgn"));
  ASSERT_EQ(0, quiet.status) << quiet.out;
  EXPECT_EQ(std::string::npos, quiet.out.find('\r')) << quiet.out;
  ShellResult piped = Shell(create("", "piped.dgn"));
  ASSERT_EQ(0, piped.status) << piped.out;
  EXPECT_EQ(std::string::npos, piped.out.find('\r')) << piped.out;
  EXPECT_NE(std::string::npos, piped.out.find("[completion] Drawing the contents: 100%")) << piped.out;
}

TEST_F(ShellTest, APipeOrAFolderInAFilesPlaceIsRefusedAtOnce) {
  const std::string pipe = dir.File("pipe"), folder = dir.File("folder");
  ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
  std::filesystem::create_directory(folder);
  const std::string dgn = dir.File("plan.dgn");
  ASSERT_EQ(0, Shell("--design " + dgn + " new").status);
  const std::string pipeReason = "it is not a regular file (a pipe or a device)";
  const struct {
    std::string args;
    std::string message;
  } cases[] = {
      {"--design " + dgn + " create --transcript " + pipe + " --at 0,0",
       "Cannot read the transcript " + pipe + ": " + pipeReason},
      {"--design " + dgn + " create --transcript " + folder + " --at 0,0",
       "Cannot read the transcript " + folder + ": it is a folder"},
      {"--design " + dgn + " create --workbook " + pipe + " --range A1 --at 0,0",
       "The workbook file cannot be read: " + pipeReason},
      // Excel itself finds no workbook in a folder.
      {"--design " + dgn + " create --workbook " + folder + " --range A1 --at 0,0", "Sorry, we couldn't find"},
      {"record --workbook " + pipe + " --range A1 --out " + dir.File("t.qvt"),
       "The workbook file cannot be read: " + pipeReason},
      {"record --workbook " + folder + " --range A1 --out " + dir.File("t.qvt"),
       "The workbook file cannot be read: it is a folder"},
      {"--design " + pipe + " dump", "Cannot open the design file " + pipe + ": " + pipeReason},
      {"--design " + folder + " dump", "Cannot open the design file " + folder + ": it is a folder"},
      {"--design " + dgn + " run --script " + pipe, "Cannot read the script " + pipe + ": " + pipeReason},
      {"transcript --from " + pipe + " --out " + dir.File("t.qvt"),
       "Cannot read the table description " + pipe + ": " + pipeReason},
  };
  for (const auto& c : cases) {
    ShellResult r = Shell(c.args);
    EXPECT_EQ(1, r.status) << c.args << "\n" << r.out;
    EXPECT_NE(std::string::npos, r.out.find(c.message)) << c.args << "\n" << r.out;
  }
}

TEST_F(ShellTest, AMissingWorkbookAnUnknownSheetOrABadRangeIsReported) {
  const std::string book = QV_SOURCE_DIR "/tests/fixtures/xlsx/merge_cells01.xlsx";
  std::string damaged = dir.File("Damaged.xlsx");
  std::ofstream(damaged) << "no workbook";
  const std::string missing = dir.File("Missing.xlsx");
  const struct {
    std::string args;
    std::string message;
  } cases[] = {
      {"create --workbook " + missing + " --range A1 --at 0,0", "Sorry, we couldn't find"},
      {"create --workbook " + damaged + " --range A1 --at 0,0", "Excel cannot open the file 'Damaged.xlsx'"},
      {"create --workbook " + book + " --sheet Nope --range A1 --at 0,0", "There is no sheet 'Nope' to select."},
      {"create --workbook " + book + " --range A1:: --at 0,0", "Reference isn't valid."},
      {"create --workbook " + book + " --at 0,0", "create needs --transcript, or --workbook with --range."},
      {"record --workbook " + missing + " --range A1 --out " + dir.File("x.qvt"),
       "Cannot read the workbook " + missing + ": The workbook file cannot be read: no such file."},
      {"record --workbook " + damaged + " --range A1 --out " + dir.File("x.qvt"), "Cannot read the workbook"},
      {"record --workbook " + book + " --sheet Nope --range A1 --out " + dir.File("x.qvt"), "has no sheet 'Nope'"},
      {"record --workbook " + book + " --range NoName --out " + dir.File("x.qvt"),
       "The range 'NoName' is neither an address nor a name"},
      {"record --workbook " + book + " --range A1:Z1000 --out " + dir.File("x.qvt"), "too many for one transcript"},
  };
  for (const auto& c : cases) {
    ShellResult r = Shell("--quiet --design " + dir.File("bad.dgn") + " " + c.args);
    EXPECT_EQ(1, r.status) << c.args;
    EXPECT_NE(std::string::npos, r.out.find(c.message)) << c.args << "\n" << r.out;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.qvt")));
}

TEST_F(ShellTest, TheRegistryCommandReadsAndEditsTheUsersSettings) {
  const std::string key = "'HKEY_CURRENT_USER\\Software\\Korvu\\KorvuMSV8i\\Quorvelle'";
  ASSERT_EQ(0, Shell("registry set " + key + " ShowFontMap dword:0").status);
  ASSERT_EQ(0, Shell("registry set " + key + " SameTextStyle \"(SHX) romans\"").status);
  EXPECT_EQ("dword:0\n", Shell("registry get " + key + " ShowFontMap").out);
  EXPECT_EQ("(SHX) romans\n", Shell("registry get " + key + " SameTextStyle").out);
  EXPECT_EQ("ShowFontMap = dword:0\nSameTextStyle = (SHX) romans\n", Shell("registry list " + key).out);
  ASSERT_EQ(0, Shell("registry delete " + key + " ShowFontMap").status);
  ShellResult r = Shell("registry get " + key + " ShowFontMap");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.out.find("No such value")) << r.out;
  EXPECT_EQ(1, Shell("registry set NOROOT A B").status);
}

TEST_F(ShellTest, ADamagedRegistryFileIsReportedAndKept) {
  std::string registry = dir.File("registry.json");
  std::ofstream(registry) << "{ this is not json";
  std::string dgn = dir.File("d.dgn");
  ShellResult r = Shell("--design " + dgn + " new");
  EXPECT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("damaged")) << r.out;
  EXPECT_EQ("{ this is not json", Bytes(registry));
}

}  // namespace

namespace {

// The texts of the first table of a design file: text, origin x and y, height, width.
struct PlacedText {
  std::string text;
  double x, y, height, width;
};

std::vector<PlacedText> TableTexts(const std::string& dump) {
  const nlohmann::json design = nlohmann::json::parse(dump);
  std::vector<PlacedText> texts;
  for (const auto& element : design["elements"]) {
    if (element["name"] != "Cell_Quorvelle") continue;
    for (const auto& member : element["members"])
      if (member["type"] == 17)
        texts.push_back({member["text"].get<std::string>().substr(3),  // the byte order mark goes
                         member["origin"][0], member["origin"][1], member["height"], member["width"]});
    break;
  }
  return texts;
}

TEST_F(ShellTest, TheSizeOptionsSetFromTheShellShapeThePlacedTable) {
  for (const char* setting : {"CellScaleOpt 2", "ColumnWidths '20;0;30'", "RowHeights 5", "FontScaleOpt 2",
                              "FontSizes '10:2.5*2;12:4*3'"})
    ASSERT_EQ(0, Shell(std::string("options set ") + setting).status) << setting;
  const std::string listed = Shell("options list").out;
  EXPECT_NE(std::string::npos, listed.find("ColumnWidths         \"20;0;30\"")) << listed;
  EXPECT_NE(std::string::npos, listed.find("CellExcelPoints      1.0 (default)")) << listed;

  const std::string dgn = dir.File("sized.dgn");
  ShellResult r = Shell("--quiet --design " + dgn + " create --workbook " QV_SOURCE_DIR
                        "/tests/fixtures/xlsx/4_every_style.xlsx --sheet styles --range A1:D3 --at 0,0");
  ASSERT_EQ(0, r.status) << r.out;
  // Columns 20, Excel's 66, 30 and 30 wide; rows 5 high; texts of size 12 are 4 high
  // and 3 wide; margins of 0.809 (from the 5 high rows) inside the cells.
  const std::vector<PlacedText> texts = TableTexts(Shell("--quiet --design " + dgn + " dump").out);
  ASSERT_EQ(12u, texts.size());
  const double left[] = {0, 20, 86, 116};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(texts[i].text);
    EXPECT_NEAR(left[i % 4] + 0.809, texts[i].x, 1e-9);
    EXPECT_NEAR(-5.0 * static_cast<double>(i / 4) - 5 + 0.809, texts[i].y, 1e-9);  // bottom-aligned
    EXPECT_DOUBLE_EQ(4, texts[i].height);
    EXPECT_DOUBLE_EQ(3, texts[i].width);
  }

  // Values an option does not take are refused, and the option keeps its value.
  struct Refused {
    const char* setting;
    const char* message;
  };
  const Refused refused[] = {
      {"CellScaleOpt 3", "CellScaleOpt takes a whole number from 0 to 2, not \"3\"."},
      {"TextWFactor 0", "TextWFactor takes a number above 1e-06 up to 100, not \"0\"."},
      {"LeftMargin abc", "LeftMargin takes a number from 0 to 1000, not \"abc\"."},
      {"ColumnWidths '20;wide'", "ColumnWidths takes distances separated by \";\" (2.5, 1:6 or 2' 6\"), not \"wide\"."},
      {"FontSizes 10", "FontSizes takes entries size:height or size:height*width separated by \";\", not \"10\"."},
      {"Colour 2", "There is no option Colour; \"options list\" shows them."},
  };
  for (const Refused& c : refused) {
    r = Shell(std::string("options set ") + c.setting);
    EXPECT_EQ(1, r.status) << c.setting;
    EXPECT_EQ(std::string("quorvelle: ") + c.message + "\n", r.out);
  }
  EXPECT_EQ(1, Shell("options frobnicate").status);

  // A reset gives back the defaults, one option or all.
  ASSERT_EQ(0, Shell("options reset RowHeights").status);
  EXPECT_NE(std::string::npos, Shell("options list").out.find("RowHeights           \"\" (default)"));
  ASSERT_EQ(0, Shell("options reset").status);
  EXPECT_NE(std::string::npos, Shell("options list").out.find("CellScaleOpt         1 (default)"));
}

}  // namespace

TEST_F(ShellTest, TheDrawingObjectsOfARangeArePlacedWithTheTableAndItsPicturesAttached) {
  const std::string fixtures = QV_SOURCE_DIR "/tests/fixtures/xlsx/";
  const std::string pictures = dir.File("pictures.dgn");
  ShellResult r = Shell("--quiet --design " + pictures + " create --workbook " + fixtures +
                        "WithDrawing.xlsx --range A1:L30 --at 0,0");
  ASSERT_EQ(0, r.status) << r.out;
  nlohmann::json dump = nlohmann::json::parse(Shell("--quiet --design " + pictures + " dump").out);
  ASSERT_EQ(1u, dump["elements"].size());
  const nlohmann::json& rasters = dump["rasters"];
  ASSERT_EQ(5u, rasters.size());
  // Saved beside the design file, attached by a relative path, named after the cell.
  char cellId[32];
  std::snprintf(cellId, sizeof cellId, "%llX", dump["elements"][0]["id"].get<unsigned long long>());
  EXPECT_EQ(".\\QuorvellePictures\\WithDrawing_Sheet1_2.jpeg", rasters[0]["path"]);
  EXPECT_EQ(std::string(cellId) + "_0", rasters[0]["name"]);
  EXPECT_TRUE(std::filesystem::exists(dir.File("QuorvellePictures/WithDrawing_Sheet1_2.jpeg")));
  EXPECT_DOUBLE_EQ(144, rasters[0]["extent"][0].get<double>());
  EXPECT_NE(std::string::npos, dump.dump().find("Sheet with various pictures"));  // the text box's text
  ASSERT_EQ(0, Shell("--quiet --design " + pictures + " render " + dir.File("pictures.png")).status);

  // A line with a diamond at its start and a triangle at its end.
  const std::string line = dir.File("line.dgn");
  r = Shell("--quiet --design " + line + " create --workbook " + fixtures +
            "asposepy-line_book1.out.xlsx --sheet Sheet1 --range A1:L30 --at 0,0");
  ASSERT_EQ(0, r.status) << r.out;
  const nlohmann::json lineDump = nlohmann::json::parse(Shell("--quiet --design " + line + " dump").out);
  std::vector<int> types;
  for (const auto& member : lineDump["elements"][0]["members"]) types.push_back(member["type"].get<int>());
  EXPECT_EQ((std::vector<int>{6, 6, 3}), types);

  // Drawing objects and pictures switched off in the options: neither is placed, and a
  // chart without a picture in the workbook is said to be left out.
  ASSERT_EQ(0, Shell("options set ImportObj " + std::to_string(255 & ~(16 | 32))).status);
  const std::string off = dir.File("off.dgn");
  r = Shell("--design " + off + " create --workbook " + fixtures + "WithDrawing.xlsx --range A1:L30 --at 0,0");
  ASSERT_EQ(0, r.status) << r.out;
  dump = nlohmann::json::parse(Shell("--quiet --design " + off + " dump").out);
  EXPECT_TRUE(dump["rasters"].empty());
  EXPECT_NE(std::string::npos, dump.dump().find("Sheet with various pictures"));  // texts of text boxes stay
  r = Shell("--design " + dir.File("chart.dgn") + " create --workbook " + fixtures + "chart_bar01.xlsx --range A1:P30 --at 0,0");
  EXPECT_NE(std::string::npos, r.out.find("The chart \"Chart 1\" of the sheet \"Sheet1\" has no picture in the workbook"))
      << r.out;
}

namespace {

// A workbook of one sheet "Doors": A1 the text, B1 a number, row 1 of the height
// given, and, when asked, a thick bottom border under A1.
void WriteDoorsWorkbook(const std::string& path, const std::string& a1, double rowHeight, bool border) {
  sim::MinimalWorkbookParts parts;
  parts.sheetName = "Doors";
  parts.styles =
      "<styleSheet xmlns='http://schemas.openxmlformats.org/spreadsheetml/2006/main'>"
      "<fonts count='1'><font><sz val='11'/><name val='Arial'/></font></fonts>"
      "<fills count='2'><fill><patternFill patternType='none'/></fill><fill><patternFill patternType='gray125'/></fill></fills>"
      "<borders count='2'><border/><border><bottom style='thick'><color rgb='FF000000'/></bottom></border></borders>"
      "<cellStyleXfs count='1'><xf/></cellStyleXfs>"
      "<cellXfs count='2'><xf/><xf borderId='1' applyBorder='1'/></cellXfs></styleSheet>";
  parts.sheetData = "<row r='1' ht='" + std::to_string(rowHeight) + "' customHeight='1'><c r='A1' t='inlineStr'" +
                    (border ? " s='1'" : "") + "><is><t>" + a1 + "</t></is></c><c r='B1'><v>7</v></c></row>";
  std::string error;
  const std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries(parts), &error);
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  // Saved later than any table drawn from it before, a minute later each time.
  static int saves = 0;
  std::filesystem::last_write_time(path,
                                   std::filesystem::file_time_type::clock::now() + std::chrono::minutes(++saves));
}

}  // namespace

TEST_F(ShellTest, AChangedWorkbookUpdatesItsTableInPlaceFromTheShell) {
  const std::string book = dir.File("Doors.xlsx"), dgn = dir.File("doors.dgn");
  WriteDoorsWorkbook(book, "D-101", 15, false);
  ASSERT_EQ(0, Shell("--quiet --design " + dgn + " create --workbook " + book + " --range A1:B1 --at 40,50").status);
  const nlohmann::json before = nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out)["elements"][0];

  // Up to date: nothing to redraw.
  ShellResult r = Shell("--design " + dgn + " update");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("This Quorvelle object is up to date.")) << r.out;

  // A new text, a thick border and a taller row.
  WriteDoorsWorkbook(book, "D-102", 30, true);
  r = Shell("--design " + dgn + " update");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Updated the table " + before["id"].dump() + ".")) << r.out;
  const nlohmann::json dump = nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out);
  ASSERT_EQ(1u, dump["elements"].size());
  const nlohmann::json& after = dump["elements"][0];
  EXPECT_EQ(before["origin"], after["origin"]);
  const std::string members = after["members"].dump();
  EXPECT_NE(std::string::npos, members.find("D-102"));
  EXPECT_EQ(std::string::npos, members.find("D-101"));
  EXPECT_GT(after["members"].size(), before["members"].size());  // the border's lines
  // The taller row sets its bottom-aligned text lower.
  auto textY = [](const nlohmann::json& cell) {
    for (const auto& m : cell["members"])
      if (m.contains("text") && m["text"].get<std::string>().find("D-10") != std::string::npos)
        return m["origin"][1].get<double>();
    return 0.0;
  };
  EXPECT_LT(textY(after), textY(before) - 10);
  ASSERT_EQ(0, Shell("--quiet --design " + dgn + " render " + dir.File("doors.png")).status);

  // A table that cannot be updated (its sheet is gone) keeps its cell; the shell fails.
  sim::MinimalWorkbookParts other;
  other.sheetName = "Windows";
  std::string error;
  const std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries(other), &error);
  std::ofstream(book, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  r = Shell("--design " + dgn + " update --all");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Unable to update. Cannot find")) << r.out;
  EXPECT_EQ(after, nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out)["elements"][0]);
}

TEST_F(ShellTest, AutomaticUpdatesRunWhenADesignFileOpensAndCanBeTurnedOff) {
  const std::string book = dir.File("Doors.xlsx"), dgn = dir.File("doors.dgn");
  WriteDoorsWorkbook(book, "D-101", 15, false);
  ASSERT_EQ(0, Shell("--quiet --design " + dgn + " create --workbook " + book + " --range A1:B1 --at 0,0").status);
  ShellResult r = Shell("autoupdate");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Auto-Update is enabled.")) << r.out;

  WriteDoorsWorkbook(book, "D-102", 15, false);
  r = Shell("--design " + dgn + " --no-auto-update open");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, Shell("--quiet --design " + dgn + " dump").out.find("D-101"));
  r = Shell("--design " + dgn + " open");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Updated the table")) << r.out;
  EXPECT_NE(std::string::npos, Shell("--quiet --design " + dgn + " dump").out.find("D-102"));

  r = Shell("autoupdate");
  EXPECT_NE(std::string::npos, r.out.find("Auto-Update is disabled.")) << r.out;
}

TEST_F(ShellTest, AnEditedRangeReplacesItsTableAndTheWorkbookFileStaysAsItWas) {
  const std::string book = dir.File("Doors.xlsx"), dgn = dir.File("doors.dgn");
  WriteDoorsWorkbook(book, "D-101", 15, false);
  ASSERT_EQ(0, Shell("--quiet --design " + dgn + " create --workbook " + book + " --range A1:B1 --at 40,50").status);
  const nlohmann::json before = nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out)["elements"][0];
  const std::string bytes = Bytes(book);
  // A point on the table: the origin of its first text.
  const nlohmann::json& text = before["members"][0];
  const std::string at = text["origin"][0].dump() + "," + text["origin"][1].dump();

  ShellResult r = Shell("--design " + dgn + " edit --at " + at + " --type A1 --type B1=8");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("A change needs CELL=VALUE, not A1")) << r.out;
  EXPECT_EQ(before, nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out)["elements"][0]);

  r = Shell("--design " + dgn + " edit --at " + at + " --type Doors!A1=D-201 --type B1=8");
  ASSERT_EQ(0, r.status) << r.out;
  const nlohmann::json dump = nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out);
  ASSERT_EQ(1u, dump["elements"].size());
  EXPECT_EQ(before["origin"], dump["elements"][0]["origin"]);
  const std::string members = dump["elements"][0]["members"].dump();
  EXPECT_NE(std::string::npos, members.find("D-201")) << members;
  EXPECT_NE(std::string::npos, members.find("\"text\":\"\xEF\xBB\xBF" "8\"")) << members;  // B1, typed
  EXPECT_EQ(bytes, Bytes(book));
}

TEST_F(ShellTest, AnUpdatedTableTakesItsPicturesAlong) {
  const std::string book = dir.File("WithDrawing.xlsx"), dgn = dir.File("pictures.dgn");
  std::filesystem::copy_file(QV_SOURCE_DIR "/tests/fixtures/xlsx/WithDrawing.xlsx", book);
  ASSERT_EQ(0, Shell("--quiet --design " + dgn + " create --workbook " + book + " --range A1:L30 --at 0,0").status);
  ShellResult r = Shell("--design " + dgn + " update --all");
  ASSERT_EQ(0, r.status) << r.out;
  const nlohmann::json dump = nlohmann::json::parse(Shell("--quiet --design " + dgn + " dump").out);
  ASSERT_EQ(1u, dump["elements"].size());
  char cellId[32];
  std::snprintf(cellId, sizeof cellId, "%llX_", dump["elements"][0]["id"].get<unsigned long long>());
  ASSERT_EQ(5u, dump["rasters"].size());  // the old table's pictures detached, the new one's attached
  for (const auto& raster : dump["rasters"]) EXPECT_EQ(0u, raster["name"].get<std::string>().find(cellId)) << raster;
}

TEST_F(ShellTest, TheLinksOfTablesMoveToAnotherFolderByTheReplaceKeyIn) {
  const std::string book = dir.File("Doors.xlsx"), dgn = dir.File("doors.dgn");
  WriteDoorsWorkbook(book, "D-101", 15, false);
  ASSERT_EQ(0, Shell("--quiet --design " + dgn + " create --workbook " + book + " --range A1:B1 --at 0,0").status);
  const std::string folder = sim::ToWindowsPath(dir.path().string());
  ShellResult r = Shell("--design " + dgn + " replace-link '" + folder + "|D:\\Moved'");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Changed " + folder + "\\Doors.xlsx to D:\\Moved\\Doors.xlsx successfully."))
      << r.out;
  EXPECT_NE(std::string::npos, Shell("--quiet --design " + dgn + " dump").out.find("D:\\\\Moved\\\\Doors.xlsx"));

  r = Shell("--design " + dgn + " replace-link 'D:\\Moved'");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Invalid path.")) << r.out;
}
