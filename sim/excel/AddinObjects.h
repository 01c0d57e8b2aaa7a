// The automation objects of the COM add-ins the stand-in Excel knows: the companion
// add-in and the ProjectWise component. Each holds its Excel weakly, as an add-in
// loaded into Excel does not keep Excel alive.
#pragma once

#include <memory>

#include "automation/ExcelObjectModel.h"
#include "sim/excel/SimExcel.h"
#include "sim/excel/StandInApplication.h"

namespace sim {

// The IDispatch interface, which every automation object answers with itself.
constexpr char kDispatchInterfaceId[] = "{00020400-0000-0000-C000-000000000046}";

// DISPID 6 (one number): runs the instance's transfer.
std::shared_ptr<AutomationObject> MakeCompanionAddinObject(std::weak_ptr<StandInExcel> excel);
std::shared_ptr<AutomationObject> MakeProjectWiseObject(std::weak_ptr<StandInExcel> excel,
                                                        ProjectWiseComponent component);

}  // namespace sim
