// quorvelle: the host shell. It plays MicroStation and the person at the keyboard:
// it opens a design file, loads the module by name, runs its key-ins, gives data
// points and resets, pumps the window messages and saves the design file.
#include <CLI/CLI.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>

#include "sim/SimHost.h"
#include "sim/SimFailures.h"
#include "sim/SimOutput.h"
#include "sim/addin/TableDescription.h"
#include "sim/addin_library/AddinInstall.h"
#include "sim/platform/RegularFile.h"
#include "sim/platform/SimPlatform.h"
#include "sim/projectwise/ProjectWiseServer.h"
#include "tools/quorvelle/CreateCommand.h"
#include "tools/quorvelle/DesignFileLock.h"
#include "tools/quorvelle/ModuleErrors.h"
#include "tools/quorvelle/EditCommand.h"
#include "tools/quorvelle/FontMapCommand.h"
#include "tools/quorvelle/ImportCommand.h"
#include "tools/quorvelle/LinksCommand.h"
#include "tools/quorvelle/ModuleLoader.h"
#include "tools/quorvelle/UpdateCommand.h"
#include "tools/quorvelle/ProgressBar.h"
#include "tools/quorvelle/RecordCommand.h"
#include "tools/quorvelle/OptionsCommand.h"
#include "tools/quorvelle/RegistryCommand.h"
#include "tools/quorvelle/Render.h"
#include "tools/quorvelle/Smoke.h"
#include "tools/quorvelle/Steps.h"
#include "tools/quorvelle/SupportCommand.h"

namespace {

const char* kStepsHelp =
    "Steps, each one argument (quote it) or one line of a --script file:\n"
    "  keyin TEXT        run a key-in of the module (e.g. \"keyin QUORVELLE CREATE\")\n"
    "  point X Y [VIEW]  a data point, in master units\n"
    "  cursor X Y        move the cursor (dynamics)\n"
    "  reset             the reset button\n"
    "  answer N          close the next box with button N\n"
    "  pump              run the message loop\n"
    "  undo              take back the last change\n"
    "  save [PATH]       save the design file\n"
    "The design file is saved when all steps have run.";

// Scripts and table descriptions are a person's writing: far below this.
constexpr std::size_t kMaxTextInputBytes = 16u << 20;

// Configuration variables the host takes from the environment when they are set there.
const char* kEnvironmentCfgVars[] = {"_USTN_USERNAME", "KORVU_QV_AFM", "KORVU_QV_OPT", "MS_RFDIR"};

void Echo(const sim::OutputEvent& e) {
  // A bar is shown at every quarter, not at every step.
  if (e.kind == sim::OutputKind::CompletionUpdate && e.percent % 25 != 0) return;
  std::string line = std::string("[") + sim::OutputKindName(e.kind) + "]";
  if (!e.title.empty()) line += " " + e.title + ":";
  if (!e.text.empty()) line += " " + e.text;
  if (e.percent >= 0 && e.kind == sim::OutputKind::CompletionUpdate) line += " " + std::to_string(e.percent) + "%";
  std::cout << line << "\n";
}

bool ParsePoint(const std::string& text, DPoint3d* p) {
  size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  try {
    size_t a = 0, b = 0;
    p->x = std::stod(text.substr(0, comma), &a);
    p->y = std::stod(text.substr(comma + 1), &b);
    p->z = 0;
    return a == comma && b == text.size() - comma - 1 && std::isfinite(p->x) && std::isfinite(p->y);
  } catch (...) {
    return false;
  }
}

// Writes the transcript of a table description; empty on success.
std::string WriteTranscript(const std::string& descriptionPath, const std::string& out) {
  std::string text, reason;
  if (!sim::ReadRegularFile(descriptionPath, kMaxTextInputBytes, &text, &reason))
    return "Cannot read the table description " + descriptionPath + ": " + reason + ".";
  sim::TranscriptWriter transcript;
  std::string error;
  if (!sim::TranscriptFromDescription(text, &transcript, &error)) return descriptionPath + ": " + error;
  std::vector<unsigned char> bytes = transcript.Bytes();
  std::ofstream file(out, std::ios::binary);
  if (!file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    return "Cannot write the transcript " + out + ".";
  return "";
}

// Runs a command of the module that needs no design file: the user's settings, such
// as the automatic update or the remembered import list.
int RunWithoutDesign(const char* argv0, const std::string& modulePath,
                     const std::function<std::string(ModuleLoader&)>& command) {
  sim::NewDesignFile("");
  ModuleLoader module;
  if (!module.Load(modulePath.empty() ? ModuleLoader::DefaultPath(argv0) : modulePath)) {
    std::cerr << "quorvelle: " << module.error() << "\n";
    return 1;
  }
  module.Initialise();
  const std::string error = command(module);
  module.Unload();
  sim::PumpMessages();
  if (!error.empty()) {
    std::cerr << "quorvelle: " << error << "\n";
    return 1;
  }
  return 0;
}

// How long a command waits for another program to finish changing the design file.
double LockWaitSeconds() {
  constexpr double kDefaultWait = 30;
  const char* text = std::getenv("QUORVELLE_LOCK_WAIT");
  if (!text) return kDefaultWait;
  char* end = nullptr;
  const double seconds = std::strtod(text, &end);
  return end != text && *end == '\0' && seconds >= 0 && seconds <= 3600 ? seconds : kDefaultWait;
}

int Fail(const std::string& message) {
  std::cerr << "quorvelle: " << message << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"quorvelle: the host shell that loads the Quorvelle module into a stand-in MicroStation"};
  app.require_subcommand(1);
  std::string design, modulePath, registry;
  std::vector<std::string> cfgs, drives;
  bool quiet = false;
  app.add_option("--design", design, "the design file (a Linux path)");
  app.add_option("--module", modulePath, "the module library (default: next to this program, or $QUORVELLE_MODULE)");
  app.add_option("--cfg", cfgs, "a configuration variable NAME=VALUE (repeatable)");
  app.add_option("--drive", drives, "map a drive letter to a folder, C=/some/folder (repeatable)");
  app.add_option("--registry", registry, "the registry file (default: $QUORVELLE_REGISTRY or ~/.config/quorvelle)");
  app.add_flag("--quiet", quiet, "do not print prompts, messages and boxes");
  bool noAutoUpdate = false;
  app.add_flag("--no-auto-update", noAutoUpdate,
               "do not update the tables that are out of date when the design file opens, whatever AutoUpdateAll says");

  auto* cmdNew = app.add_subcommand("new", "create an empty design file");
  auto* cmdDump = app.add_subcommand("dump", "print the design file as JSON");
  std::string picture;
  std::string svg;
  auto* cmdRender = app.add_subcommand("render", "draw the design file to a picture (.png or .svg)");
  cmdRender->add_option("picture", picture, "the picture to write (PNG or SVG by its extension)");
  cmdRender->add_option("--svg", svg, "write the picture as SVG to this file");
  std::vector<std::string> steps;
  std::string script;
  auto* cmdRun = app.add_subcommand("run", "load the module and run steps");
  cmdRun->add_option("steps", steps, "the steps");
  cmdRun->add_option("--script", script, "a file of steps, one a line");
  cmdRun->footer(kStepsHelp);
  std::string smokePicture;
  auto* cmdSmoke = app.add_subcommand("smoke", "load the module, draw a sample cell, save and dump it");
  cmdSmoke->add_option("--picture", smokePicture, "also draw the design file to this picture");
  CreateRequest create;
  std::vector<std::string> atPoints;
  auto* cmdCreate = app.add_subcommand("create", "place a range sent by the add-in as a table");
  cmdCreate->add_option("--transcript", create.transcript, "the add-in's messages (a transcript file)");
  cmdCreate->add_option("--workbook", create.workbook, "the workbook the Excel user makes active");
  cmdCreate->add_option("--sheet", create.sheet, "the sheet of the range (default: the workbook's active sheet)");
  cmdCreate->add_option("--range", create.range, "the range the add-in sends: an address or a defined name");
  cmdCreate->add_option("--at", atPoints, "a data point X,Y in master units (one per table, two for a split table)");
  UpdateRequest update;
  bool updateAll = false;
  std::vector<unsigned long long> updateIds;
  std::string updateAt;
  auto* cmdUpdate = app.add_subcommand("update", "redraw tables from their workbooks (by default those out of date)");
  auto* optAll = cmdUpdate->add_flag("--all", updateAll, "every table, out of date or not");
  auto* optSelected = cmdUpdate->add_option("--selected", updateIds, "the tables with these element identifiers");
  auto* optAt = cmdUpdate->add_option("--at", updateAt, "the table at the point X,Y (master units)");
  optAll->excludes(optSelected)->excludes(optAt);
  optSelected->excludes(optAt);
  EditRequest edit;
  std::string editAt;
  auto* cmdEdit = app.add_subcommand("edit", "edit the table at a point in Excel and put the range sent back in its place");
  cmdEdit->add_option("--at", editAt, "the table at the point X,Y (master units)")->required();
  cmdEdit->add_option("--type", edit.changes, "a value the Excel user types: CELL=VALUE, e.g. B3=12.5 (repeatable)");
  cmdEdit->add_option("--changes", edit.script, "a file of such values, one a line");
  std::string replaceText;
  auto* cmdReplaceLink =
      app.add_subcommand("replace-link", "re-point the links of every table from one folder to another");
  cmdReplaceLink->add_option("text", replaceText, "OLD|NEW: the old and the new start of the workbook paths")->required();
  std::string projectWiseFolder;
  std::vector<std::string> projectWiseChoices;
  app.add_option("--projectwise", projectWiseFolder,
                 "a folder that stands for a ProjectWise server: its documents are pw:\\PATH* (the component is "
                 "installed for the run)");
  app.add_option("--pw-choose", projectWiseChoices,
                 "the document a person picks in the ProjectWise browser, pw:\\PATH* (repeatable, in order)");
  std::vector<std::string> fontMappings;
  app.add_option("--font-map", fontMappings,
                 "answer the font map dialog shown while placing: FACE|STYLE=FONT, e.g. 'Arial|Bold=(SHX) romans' "
                 "(repeatable; on a terminal the other fonts are asked for)");
  FontMapRequest fontMap;
  auto* cmdFontMap = app.add_subcommand("fontmap", "show or change the font map and how it is used");
  cmdFontMap->add_option("words", fontMap.words,
                         "list | add FACE STYLE FONT | remove FACE STYLE | save FILE | load FILE | "
                         "options [same-font FONT|off] [show-dialog on|off] [auto-load on|off] [width-factor X]");
  cmdFontMap->add_flag("--json", fontMap.json, "print the map and the settings as JSON");
  cmdFontMap->add_flag("--yes", fontMap.yes, "answer Yes to the dialog's questions");
  ImportRequest importRequest;
  std::vector<std::string> importPoints;
  auto* cmdImport = app.add_subcommand("import", "import the ranges of a list file and place the tables");
  cmdImport->add_option("list", importRequest.listFile, "the list file (.qvxls)")->required();
  cmdImport->add_option("--at", importPoints, "a data point X,Y in master units (one per table, in list order)");
  auto* cmdImportList = app.add_subcommand("importlist", "show or change the remembered import list");
  cmdImportList->add_option("words", importRequest.words,
                            "list | add BOOK SHEET [RANGE] | remove N | save FILE | load FILE");
  cmdImportList->add_flag("--json", importRequest.json, "print the list as JSON");
  cmdImportList->add_flag("--yes", importRequest.yes, "answer Yes to the dialog's question");
  LinksRequest links;
  auto* cmdLinks = app.add_subcommand("links", "list the links of the tables, or change them as in the link manager");
  cmdLinks->add_option("words", links.words,
                       "[list] | update OLDKEY NEWKEY | break KEY | open KEY | replace-folder OLD NEW; a KEY is a "
                       "link's number in the list or PATH|SHEET|RANGE");
  cmdLinks->add_flag("--json", links.json, "print the list as JSON");
  cmdLinks->add_flag("--yes", links.yes, "answer Yes to the link manager's questions");
  auto* cmdOpen = app.add_subcommand("open", "open the design file as a host does (updating tables when AutoUpdateAll is on)");
  auto* cmdAutoUpdate = app.add_subcommand("autoupdate", "turn the automatic update of tables on or off");
  std::string description, transcriptOut;
  auto* cmdTranscript = app.add_subcommand("transcript", "write a transcript from a table description (JSON)");
  cmdTranscript->add_option("--from", description, "the table description")->required();
  cmdTranscript->add_option("--out", transcriptOut, "the transcript to write")->required();
  RecordRequest record;
  auto* cmdRecord = app.add_subcommand("record", "write the add-in's transfer of a workbook's range as a transcript");
  cmdRecord->add_option("--workbook", record.workbook, "the workbook (.xlsx or .xlsm)")->required();
  cmdRecord->add_option("--sheet", record.sheet, "the sheet of the range (default: the workbook's active sheet)");
  cmdRecord->add_option("--range", record.range, "an address or a defined name")->required();
  cmdRecord->add_option("--out", record.out, "the transcript to write")->required();
  std::vector<std::string> registryWords;
  auto* cmdRegistry = app.add_subcommand("registry", "get, set, delete or list registry values");
  cmdRegistry->add_option("words", registryWords, "get KEY NAME | set KEY NAME VALUE (dword:N or text) | "
                                                  "delete KEY NAME | list KEY")->required();
  std::vector<std::string> optionWords;
  auto* cmdOptions = app.add_subcommand("options", "list, set or reset the options tables are drawn with");
  cmdOptions->add_option("words", optionWords, "list | set NAME VALUE | reset [NAME...]")->required();
  SupportRequest support;
  auto* cmdSupport = app.add_subcommand("support", "the support commands: the About box, the support e-mail, the "
                                                   "demonstration page, the update check, the help sample");
  cmdSupport->add_option("words", support.words, "about | mail | demo | check-update | help")->required();
  cmdSupport->add_option("--server", support.server, "the update server for this run: HOST[:PORT]");
  std::string faultingOperation;
  app.add_option("--inject-fault", faultingOperation,
                 "make the host's operation (mdlElmdscr_add, say) touch an invalid address on its next call");
  CLI11_PARSE(app, argc, argv);

  // On a terminal the completion bars move in place on stderr; elsewhere (a pipe, a
  // log) they are echoed as lines at every quarter like the other output.
  CTerminalProgress progress;
  if (!quiet && CTerminalProgress::Available()) {
    sim::SetOutputEcho([&progress](const sim::OutputEvent& e) {
      if (progress.Show(e)) return;
      progress.Suspend();
      Echo(e);
      progress.Resume();
    });
  } else if (!quiet) {
    sim::SetOutputEcho(Echo);
  }
  for (const char* name : kEnvironmentCfgVars)
    if (const char* value = std::getenv(name)) sim::DefineCfgVar(name, value);
  for (const auto& c : cfgs) {
    size_t eq = c.find('=');
    if (eq == std::string::npos || eq == 0) return Fail("--cfg needs NAME=VALUE, not " + c);
    sim::DefineCfgVar(c.substr(0, eq), c.substr(eq + 1));
  }
  for (const auto& d : drives) {
    if (d.size() < 3 || d[1] != '=' || !sim::MapDrive(d[0], d.substr(2))) return Fail("--drive needs C=/absolute/folder, not " + d);
  }
  if (!sim::UseRegistryFile(registry.empty() ? sim::DefaultRegistryPath() : registry))
    std::cerr << "quorvelle: " << sim::RegistryLoadError() << "\n";

  if (*cmdRegistry) {
    std::string error = RunRegistryCommand(registryWords);
    return error.empty() ? 0 : Fail(error);
  }
  if (*cmdOptions) {
    std::string error = RunOptionsCommand(optionWords);
    return error.empty() ? 0 : Fail(error);
  }
  if (*cmdTranscript) {
    std::string error = WriteTranscript(description, transcriptOut);
    return error.empty() ? 0 : Fail(error);
  }
  if (*cmdRecord) {
    std::string error = RecordRange(record);
    return error.empty() ? 0 : Fail(error);
  }
  if (*cmdCreate && create.transcript.empty() && (create.workbook.empty() || create.range.empty()))
    return Fail("create needs --transcript, or --workbook with --range.");
  for (const auto& at : atPoints) {
    DPoint3d p;
    if (!ParsePoint(at, &p)) return Fail("--at needs X,Y in master units, not " + at);
    create.points.push_back(p);
  }
  for (const auto& at : importPoints) {
    DPoint3d p;
    if (!ParsePoint(at, &p)) return Fail("--at needs X,Y in master units, not " + at);
    importRequest.points.push_back(p);
  }
  if (updateAll) update.which = UpdateRequest::Which::All;
  if (!updateIds.empty()) {
    update.which = UpdateRequest::Which::Selected;
    update.ids = updateIds;
  }
  if (!updateAt.empty()) {
    update.which = UpdateRequest::Which::Picked;
    if (!ParsePoint(updateAt, &update.point)) return Fail("--at needs X,Y in master units, not " + updateAt);
  }
  if (*cmdEdit && !ParsePoint(editAt, &edit.point)) return Fail("--at needs X,Y in master units, not " + editAt);
  // Turns the user's automatic update on or off; the module says which it now is.
  if (*cmdAutoUpdate)
    return RunWithoutDesign(argv[0], modulePath, [](ModuleLoader& m) { return StepRunner(m).Run("keyin QUORVELLE AUTOUPDATE"); });
  if (std::string error = AnswerPlacingFontMap(fontMappings); !error.empty()) return Fail(error);
  if (!projectWiseFolder.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(projectWiseFolder, ec))
      return Fail("--projectwise needs a folder, not " + projectWiseFolder);
    sim::SetProjectWiseServer(std::filesystem::absolute(projectWiseFolder).string());
    if (std::string error = sim::InstallProjectWiseStandIn(); !error.empty()) return Fail(error);
  }
  for (const auto& choice : projectWiseChoices) sim::PushProjectWiseChoice(choice);
  if (!faultingOperation.empty()) sim::FaultOperation(faultingOperation);
  if (*cmdSupport && !SupportNeedsDesign(support))
    return RunWithoutDesign(argv[0], modulePath, [&](ModuleLoader& m) { return RunSupportCommand(m, support); });
  if (*cmdFontMap)
    return RunWithoutDesign(argv[0], modulePath, [&](ModuleLoader& m) { return RunFontMapCommand(m, fontMap); });
  if (*cmdImportList)
    return RunWithoutDesign(argv[0], modulePath, [&](ModuleLoader& m) { return RunImportList(m, importRequest); });
  if (design.empty()) return Fail("--design FILE is needed.");
  // A command that changes the design file holds it from before reading it to after
  // saving it; a second one waits its turn, up to a bound.
  CDesignFileLock hold;
  const bool changesDesign =
      *cmdNew || *cmdCreate || *cmdRun || *cmdSmoke || *cmdUpdate || *cmdEdit || *cmdOpen || *cmdReplaceLink ||
      (*cmdLinks && !IsLinkListing(links)) || *cmdImport || *cmdSupport;
  if (changesDesign) {
    if (std::string error = hold.Take(design, !*cmdRun, LockWaitSeconds()); !error.empty()) return Fail(error);
  }
  if (*cmdNew) {
    sim::NewDesignFile(design);
    std::string error = sim::SaveDesignFile();
    return error.empty() ? 0 : Fail(error);
  }
  // An empty file is one a writer made and never saved into (it was stopped).
  std::error_code ec;
  const bool noDesignYet = !std::filesystem::exists(design, ec) || std::filesystem::file_size(design, ec) == 0;
  if (*cmdSmoke || ((*cmdCreate || *cmdImport || *cmdSupport) && noDesignYet)) {
    sim::NewDesignFile(design);
  } else if (std::string error = sim::OpenDesignFile(design); !error.empty()) {
    return Fail(error);
  }
  if (*cmdLinks && IsLinkListing(links)) {
    std::string error = ListLinks(links);
    return error.empty() ? 0 : Fail(error);
  }
  if (*cmdDump) {
    std::cout << sim::DumpDesignFile() << "\n";
    return 0;
  }
  if (*cmdRender) {
    if (picture.empty() && svg.empty()) return Fail("render needs a picture to write.");
    std::string error = RenderDesignFile(svg.empty() ? picture : svg, svg.empty() ? RenderFormat::ByExtension : RenderFormat::Svg);
    return error.empty() ? 0 : Fail(error);
  }

  // The companion add-in's library, where an installation of Excel's add-in would put it.
  if (std::string error = sim::InstallAddinLibraryStandIn(); !error.empty()) std::cerr << "quorvelle: " << error << "\n";
  ModuleLoader module;
  if (!module.Load(modulePath.empty() ? ModuleLoader::DefaultPath(argv[0]) : modulePath)) return Fail(module.error());
  module.Initialise();
  int status = 0;
  const std::size_t logStart = sim::OutputLog().size();
  // A host updates the tables of a design file it opens when the user asked for it.
  if (!noAutoUpdate && !*cmdSmoke && !noDesignYet)
    if (std::string error = RunAutoUpdate(module); !error.empty()) status = Fail(error);
  if (status != 0) {
  } else if (*cmdSmoke) {
    if (std::string error = DrawSmokeSample(); !error.empty()) status = Fail(error);
  } else if (*cmdCreate) {
    if (std::string error = RunCreate(module, create); !error.empty()) status = Fail(error);
  } else if (*cmdUpdate) {
    if (std::string error = RunUpdate(module, update); !error.empty()) status = Fail(error);
  } else if (*cmdEdit) {
    if (std::string error = RunEdit(module, edit); !error.empty()) status = Fail(error);
  } else if (*cmdReplaceLink) {
    if (std::string error = RunReplaceLink(module, replaceText); !error.empty()) status = Fail(error);
  } else if (*cmdImport) {
    if (std::string error = RunImport(module, importRequest); !error.empty()) status = Fail(error);
  } else if (*cmdLinks) {
    if (std::string error = RunLinkChange(module, links); !error.empty()) status = Fail(error);
  } else if (*cmdSupport) {
    if (std::string error = RunSupportCommand(module, support); !error.empty()) status = Fail(error);
  } else if (*cmdRun) {
    if (!script.empty()) {
      std::string text, reason;
      if (!sim::ReadRegularFile(script, kMaxTextInputBytes, &text, &reason))
        return Fail("Cannot read the script " + script + ": " + reason + ".");
      std::istringstream in(text);
      for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') steps.push_back(line);
    }
    StepRunner runner(module);
    for (const auto& step : steps)
      if (std::string error = runner.Run(step); !error.empty()) {
        status = Fail(error);
        break;
      }
  }
  // The module tells the user of a failure rather than failing the command itself.
  if (status == 0 && (*cmdCreate || *cmdRun || *cmdUpdate || *cmdEdit || *cmdOpen || *cmdReplaceLink || *cmdLinks || *cmdImport ||
                      *cmdSupport)) {
    const std::vector<std::string> failures = ReportedFailures(logStart, static_cast<bool>(*cmdCreate));
    if (!failures.empty()) status = Fail("the module reported a failure: " + failures.front());
  }
  module.Unload();
  sim::PumpMessages();
  if (std::string error = sim::SaveDesignFile(); !error.empty()) return Fail(error);
  if (*cmdSmoke) {
    std::cout << sim::DumpDesignFile() << "\n";
    if (!smokePicture.empty())
      if (std::string error = RenderDesignFile(smokePicture); !error.empty()) return Fail(error);
  }
  return status;
}
