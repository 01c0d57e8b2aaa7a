#include "tools/quorvelle/FontMapCommand.h"

#include <unistd.h>

#include <iostream>
#include <nlohmann/json.hpp>

#include "sim/SimDialogs.h"
#include "sim/SimOutput.h"
#include "sim/platform/TextCase.h"
#include "tools/quorvelle/CreateCommand.h"
#include "tools/quorvelle/DialogSteps.h"
#include "tools/quorvelle/Questions.h"

namespace {

// The controls of the font map command's dialog and of the placing one, by the ids
// of their templates.
constexpr char kPlacingTemplate[] = "B79D48E9-C7E1-4A07-A9A0-B65E880F9737";
constexpr int kFontList = 244;
constexpr int kExcelFont = 253;
constexpr int kStyle = 254;
constexpr int kMSFont = 255;
constexpr int kAdd = 257;
constexpr int kRemove = 258;
constexpr int kSave = 262;
constexpr int kLoad = 263;
constexpr int kAutoLoad = 2003;
constexpr int kUseSameFont = 251;
constexpr int kSameFont = 261;
constexpr int kWidthFactor = 2005;
constexpr int kShowFontMap = 250;
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kPlacingFontCombo = 247;
constexpr int kPlacingUpdate = 248;

using Rows = std::vector<std::vector<std::string>>;

// Runs the font map command with the script at its dialog.
std::string RunDialog(ModuleLoader& module, const sim::DialogScript& script) {
  return RunKeyinAtDialog(module, "QUORVELLE FONTMAP", "The font map dialog", script);
}

// The choice of a combo box the text names, letter case aside; "" when none does.
std::string Choice(const IDialogPresenter& d, int combo, const std::string& text) {
  for (const std::string& item : d.ControlItems(combo))
    if (sim::EqualsIgnoringCase(item, text)) return item;
  return "";
}

bool OnOff(const std::string& text, bool* value) {
  const bool on = text == "on" || text == "1" || text == "yes";
  const bool off = text == "off" || text == "0" || text == "no";
  if (on || off) *value = on;
  return on || off;
}

std::string List(ModuleLoader& module, bool json) {
  Rows rows;
  nlohmann::json settings;
  std::string error = RunDialog(module, [&](IDialogPresenter& d) {
    rows = d.ListRows(kFontList);
    settings = {{"sameFont", d.ControlCheck(kUseSameFont) == 1 ? d.ControlText(kSameFont) : ""},
                {"showDialog", d.ControlCheck(kShowFontMap) == 1},
                {"autoLoad", d.ControlCheck(kAutoLoad) == 1},
                {"widthFactor", d.ControlText(kWidthFactor)}};
    sim::Press(d, kCancel);
  });
  if (!error.empty()) return error;
  if (json) {
    nlohmann::json map = nlohmann::json::array();
    for (const auto& row : rows) map.push_back({{"face", row[0]}, {"style", row[1]}, {"font", row[2]}});
    std::cout << nlohmann::json{{"map", map}, {"settings", settings}}.dump(2) << "\n";
    return "";
  }
  if (rows.empty()) std::cout << "The font map is empty.\n";
  for (const auto& row : rows) std::cout << row[0] << "  " << row[1] << "  ->  " << row[2] << "\n";
  std::cout << "same font for all: " << (settings["sameFont"] == "" ? "off" : settings["sameFont"].get<std::string>())
            << "; show the dialog when placing: " << (settings["showDialog"] ? "on" : "off")
            << "; load KORVU_QV_AFM automatically: " << (settings["autoLoad"] ? "on" : "off")
            << "; width factor: " << settings["widthFactor"].get<std::string>() << "\n";
  return "";
}

std::string Add(ModuleLoader& module, const std::vector<std::string>& w, bool yes) {
  if (w.size() != 4) return "fontmap add needs FACE STYLE FONT.";
  QuestionAnswers answers(yes);
  const std::size_t logStart = sim::OutputLog().size();
  std::string missing;
  bool mapped = false;
  std::string error = RunDialog(module, [&](IDialogPresenter& d) {
    const std::string face = Choice(d, kExcelFont, w[1]), style = Choice(d, kStyle, w[2]);
    if (face.empty()) missing = "No font family " + w[1] + " is installed.";
    if (style.empty()) missing = "A style is Regular, Italic, Bold or Bold Italic, not " + w[2] + ".";
    if (missing.empty()) {
      sim::TypeInto(d, kExcelFont, face);
      sim::TypeInto(d, kStyle, style);
      sim::TypeInto(d, kMSFont, w[3]);
      sim::Press(d, kAdd);
      mapped = sim::FindRow(d, kFontList, {face, style, w[3]}) >= 0;
    }
    sim::Press(d, kCancel);  // what was added is kept
  });
  if (!error.empty()) return error;
  if (!missing.empty()) return missing;
  if (mapped) return "";
  if (!answers.declined().empty()) return "The mapping was not replaced (answer Yes, or give --yes).";
  const std::string said = LastBoxSince(logStart);
  return "The mapping was not added" + (said.empty() ? std::string(".") : ": " + said);
}

std::string Remove(ModuleLoader& module, const std::vector<std::string>& w, bool yes) {
  if (w.size() != 3) return "fontmap remove needs FACE STYLE.";
  QuestionAnswers answers(yes);
  bool found = false, removed = false;
  std::string error = RunDialog(module, [&](IDialogPresenter& d) {
    const int row = sim::FindRow(d, kFontList, {w[1], w[2]});
    found = row >= 0;
    if (found) {
      sim::SelectRows(d, kFontList, {row});
      sim::Press(d, kRemove);
      removed = sim::FindRow(d, kFontList, {w[1], w[2]}) < 0;
    }
    sim::Press(d, kCancel);
  });
  if (!error.empty()) return error;
  if (!found) return "The font map has no mapping of " + w[1] + " " + w[2] + ".";
  return removed ? "" : "The mapping was not removed (answer Yes, or give --yes).";
}

// Load without a file takes the map the person picks on the ProjectWise server.
std::string SaveOrLoad(ModuleLoader& module, const std::vector<std::string>& w) {
  if (w.size() != 2 && !(w[0] == "load" && w.size() == 1)) return "fontmap " + w[0] + " needs FILE.";
  const std::size_t logStart = sim::OutputLog().size();
  if (w.size() == 2) sim::PushFileChoice(WindowsPath(w[1]));
  std::string error = RunDialog(module, [&](IDialogPresenter& d) {
    sim::Press(d, w[0] == "save" ? kSave : kLoad);
    sim::Press(d, kCancel);
  });
  if (!error.empty()) return error;
  if (const std::string said = LastBoxSince(logStart); !said.empty()) return "The font map was not " + w[0] + "ed: " + said;
  const auto& log = sim::OutputLog();
  for (std::size_t i = logStart; i < log.size(); ++i)
    if (log[i].kind == sim::OutputKind::Dialog && log[i].text == "cancelled") return "No font map file was chosen.";
  return "";
}

std::string Options(ModuleLoader& module, const std::vector<std::string>& w) {
  if (w.size() % 2 != 1) return "fontmap options takes NAME VALUE pairs.";
  std::string problem;
  std::string error = RunDialog(module, [&](IDialogPresenter& d) {
    for (std::size_t i = 1; i + 1 < w.size() && problem.empty(); i += 2) {
      const std::string& name = w[i];
      const std::string& value = w[i + 1];
      bool on = false;
      if (name == "same-font") {
        if (value == "off") {
          sim::SetChecked(d, kUseSameFont, false);
        } else if (const std::string font = Choice(d, kSameFont, value); !font.empty()) {
          sim::SetChecked(d, kUseSameFont, true);
          sim::TypeInto(d, kSameFont, font);
        } else {
          problem = "No MicroStation font " + value + " is offered.";
        }
      } else if ((name == "show-dialog" || name == "auto-load") && OnOff(value, &on)) {
        if (!sim::SetChecked(d, name == "show-dialog" ? kShowFontMap : kAutoLoad, on) ||
            d.ControlCheck(name == "show-dialog" ? kShowFontMap : kAutoLoad) != (on ? 1 : 0))
          problem = name + " cannot be changed while the same font is used for all.";
      } else if (name == "width-factor") {
        sim::TypeInto(d, kWidthFactor, value);
      } else {
        problem = "fontmap options takes same-font, show-dialog, auto-load or width-factor with a value, not " +
                  name + " " + value + ".";
      }
    }
    sim::Press(d, problem.empty() ? kOk : kCancel);
  });
  return error.empty() ? problem : error;
}

}  // namespace

std::string RunFontMapCommand(ModuleLoader& module, const FontMapRequest& request) {
  const std::vector<std::string>& w = request.words;
  const std::string verb = w.empty() ? "list" : w[0];
  if (verb == "list") return List(module, request.json);
  if (verb == "add") return Add(module, w, request.yes);
  if (verb == "remove") return Remove(module, w, request.yes);
  if (verb == "save" || verb == "load") return SaveOrLoad(module, w);
  if (verb == "options") return Options(module, w);
  return "fontmap takes list, add, remove, save, load or options, not " + verb + ".";
}

std::string AnswerPlacingFontMap(const std::vector<std::string>& mappings) {
  struct Mapping {
    std::string face, style, font;
  };
  std::vector<Mapping> parsed;
  for (const std::string& m : mappings) {
    const std::size_t bar = m.find('|'), equals = m.find('=');
    if (bar == std::string::npos || equals == std::string::npos || equals < bar)
      return "--font-map needs FACE|STYLE=FONT, not " + m + ".";
    parsed.push_back({m.substr(0, bar), m.substr(bar + 1, equals - bar - 1), m.substr(equals + 1)});
  }
  const bool ask = isatty(STDIN_FILENO);
  if (parsed.empty() && !ask) return "";
  sim::SetStandingDialogScript(kPlacingTemplate, [parsed, ask](IDialogPresenter& d) {
    const Rows rows = d.ListRows(kFontList);
    for (std::size_t row = 0; row < rows.size(); ++row) {
      std::string font;
      for (const Mapping& m : parsed)
        if (sim::EqualsIgnoringCase(m.face, rows[row][0]) && sim::EqualsIgnoringCase(m.style, rows[row][1])) font = m.font;
      if (font.empty() && ask) {
        std::cerr << "Font for " << rows[row][0] << " " << rows[row][1] << " [" << rows[row][2] << "]: " << std::flush;
        std::getline(std::cin, font);
      }
      if (font.empty()) continue;
      const std::string choice = Choice(d, kPlacingFontCombo, font);
      if (choice.empty()) {
        std::cerr << "quorvelle: no MicroStation font " << font << " is offered; " << rows[row][0] << " "
                  << rows[row][1] << " keeps " << rows[row][2] << ".\n";
        continue;
      }
      sim::SelectRows(d, kFontList, {static_cast<int>(row)});
      sim::TypeInto(d, kPlacingFontCombo, choice);
      sim::Press(d, kPlacingUpdate);
    }
    sim::Press(d, kOk);
  });
  return "";
}
