// The commands: one static operation per command step.
#pragma once

#include <string>

#include "automation/ExcelObjectModel.h"
#include "host/msgeom.h"

struct xlslinkinfo;

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
  // Updates the tables of the selection set, last to first; with checkUpToDate a
  // table whose workbook file has not changed since it was drawn is left as it is.
  static void UpdateQuorvelle_Selected(int checkUpToDate);
  static void UpdateQuorvelle_All();
  // Redraws the table cell at the file position from its workbook with the Excel
  // connection, at the old cell's origin, rotation and scale; 1 when the new cell was
  // placed (the caller then deletes the old one), 0 when the old one stays.
  static int OperateQuorvelle(const ExcelApplicationPtr& excel, ULong filePos, int checkUpToDate);
  // One item of a list import: the workbook opened when asked (else the active one
  // used), its sheet and range selected and sent by the add-in to the signal window,
  // the workbook closed when asked. 1 when the range was sent; a failure is reported
  // and leaves the next item to go on.
  static int OperateQuorvelle(const ExcelApplicationPtr& excel, xlslinkinfo& item, bool openWorkbook,
                              bool closeWorkbook);
  // Every table of the active model whose stored workbook path starts with the old
  // prefix (letter case aside) gets the new prefix instead; 1 when the scan ran to its
  // end, 0 after a failure.
  static int ReplaceAllLink(const std::string& oldPrefix, const std::string& newPrefix);
  static int ImportMultiTables_Start();
  static void ImportMultiTables_CallBack();
  // Opens a workbook held on a ProjectWise server in Excel as its active workbook.
  static int OpenWorkbookOnProjectWise(const ExcelApplicationPtr& excel, const std::string& path, int openMode);
};
