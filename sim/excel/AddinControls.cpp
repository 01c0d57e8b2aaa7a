// Putting add-ins into one instance and reading them back.
#include "sim/excel/AddinObjects.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/TextCase.h"

namespace sim {

void RegisterCompanionAddin(ExcelApplication& excel, bool connect) {
  StandInExcel& standIn = StandInOf(excel);
  standIn.state().PutComAddIn(ComAddInState{kCompanionAddinProgId, "QuorvelleV8i", connect,
                                            MakeCompanionAddinObject(standIn.weak_from_this())});
}

void SetExcelTransfer(ExcelApplication& excel, ExcelTransfer transfer) {
  StandInOf(excel).state().transfer = std::move(transfer);
}

void RegisterProjectWiseAddin(ExcelApplication& excel, ProjectWiseComponent component, bool connect) {
  StandInExcel& standIn = StandInOf(excel);
  standIn.state().PutComAddIn(ComAddInState{kProjectWiseAddinProgId, "Quorvelle for ProjectWise", connect,
                                            MakeProjectWiseObject(standIn.weak_from_this(), std::move(component))});
}

void AddComAddIn(ExcelApplication& excel, ExcelComAddInDefinition definition) {
  StandInOf(excel).state().PutComAddIn(ComAddInState{std::move(definition.progId), std::move(definition.description),
                                                     definition.connect, std::move(definition.object)});
}

void RemoveComAddIn(ExcelApplication& excel, const std::string& progId) {
  auto& addIns = StandInOf(excel).state().comAddIns;
  std::erase_if(addIns, [&](const auto& addIn) { return EqualsIgnoringCase(addIn->progId, progId); });
}

std::vector<ExcelComAddInInfo> ComAddInsOf(ExcelApplication& excel) {
  std::vector<ExcelComAddInInfo> addIns;
  for (const auto& addIn : StandInOf(excel).state().comAddIns)
    addIns.push_back(ExcelComAddInInfo{addIn->progId, addIn->description, addIn->connect});
  return addIns;
}

void AddExcelAddIn(ExcelApplication& excel, const std::string& name, bool installed, bool fileMissing) {
  StandInOf(excel).state().addIns.push_back(std::make_shared<AddInState>(AddInState{name, installed, 0, fileMissing}));
}

std::vector<ExcelAddInInfo> AddInsOf(ExcelApplication& excel) {
  std::vector<ExcelAddInInfo> addIns;
  for (const auto& addIn : StandInOf(excel).state().addIns)
    addIns.push_back(ExcelAddInInfo{addIn->name, addIn->installed, addIn->installedWrites});
  return addIns;
}

}  // namespace sim
