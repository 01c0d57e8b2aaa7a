// The commands: one static operation per command step.
#pragma once

#include <string>

#include "automation/ExcelObjectModel.h"
#include "host/msgeom.h"

// The dynamics of the create command: the pending table cell follows the cursor.
void CreateDynamics(DPoint3d* point, int view, int drawMode);

class CAcadFunc {
 public:
  virtual ~CAcadFunc() = default;
  CAcadFunc() = delete;

  static int CreateQuorvelle_Start();
  static void CreateQuorvelle_CallBack();
  static int CreateQuorvelle_Accept(DPoint3d* point, int view);
  static int EditQuorvelle_Accept(DPoint3d* point, int view);
  static void EditQuorvelle_CallBack();
  static void UpdateQuorvelle_Start();
  static int UpdateQuorvelle_Accept(DPoint3d* point, int view);
  static void UpdateQuorvelle_Selected();
  static void UpdateQuorvelle_All();
  static int ImportMultiTables_Start();
  static void ImportMultiTables_CallBack();
  // Opens a workbook held on a ProjectWise server in Excel as its active workbook.
  static int OpenWorkbookOnProjectWise(const ExcelApplicationPtr& excel, const std::string& path, int openMode);
};
