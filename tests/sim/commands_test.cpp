// The host around the design file: scanning, the selection set, command states and
// locate, configuration variables and the output the user sees.
#include <cstdlib>

#include "host/msoutput.h"
#include "host/msscan.h"
#include "host/msstate.h"
#include "host/mssystem.h"
#include "sim/SimOutput.h"
#include "tests/TestSupport.h"
#include "tests/sim/SimTestHelpers.h"

namespace {

class CommandsTest : public HostTest {};

TEST_F(CommandsTest, AScanReturnsCellHeadersInFileOrderAcrossFullBuffers) {
  std::vector<ULong> cells;
  for (int i = 0; i < 7; ++i) {
    cells.push_back(AddCell(u"C", 1));
    AddLine(0, 0, 1, 1);
  }
  ScanCriteria* scan = mdlScanCriteria_create();
  mdlScanCriteria_addSingleElementTypeTest(scan, CELL_HEADER_ELM);
  mdlScanCriteria_setModel(scan, mdlModelRef_getActive());
  ASSERT_EQ(SUCCESS, mdlScanCriteria_setReturnType(scan, MSSCANCRIT_RETURN_FILEPOS, 0, 0));
  std::vector<ULong> found;
  std::vector<int> statuses;
  int status;
  do {
    ULong buffer[3];
    int words = 6;  // room for three
    ULong last = 0;
    status = mdlScanCriteria_scan(scan, buffer, &words, &last);
    statuses.push_back(status);
    found.insert(found.end(), buffer, buffer + words / 2);
  } while (status == BUFF_FULL);
  mdlScanCriteria_free(scan);
  EXPECT_EQ(cells, found);
  EXPECT_EQ((std::vector<int>{BUFF_FULL, BUFF_FULL, END_OF_DGN}), statuses);
}

TEST_F(CommandsTest, TheSelectionSetHoldsLiveElementsOnce) {
  ULong a = AddCell(u"A", 1), b = AddLine(0, 0, 1, 1);
  EXPECT_FALSE(mdlSelect_isActive());
  ASSERT_EQ(SUCCESS, mdlSelect_addElement(b, mdlModelRef_getActive(), 0));
  ASSERT_EQ(SUCCESS, mdlSelect_addElement(a, mdlModelRef_getActive(), 0));
  ASSERT_EQ(SUCCESS, mdlSelect_addElement(a, mdlModelRef_getActive(), 0));
  EXPECT_NE(SUCCESS, mdlSelect_addElement(999, mdlModelRef_getActive(), 0));
  ASSERT_EQ(2, mdlSelect_numSelected());
  ULong pos = 0;
  DgnModelRefP model = nullptr;
  ASSERT_EQ(0, mdlSelect_getElement(1, &pos, &model));
  EXPECT_EQ(a, pos);
  EXPECT_EQ(mdlModelRef_getActive(), model);
  EXPECT_NE(0, mdlSelect_getElement(2, &pos, &model));
  mdlSelect_freeAll();
  EXPECT_FALSE(mdlSelect_isActive());
}

struct Calls {
  std::vector<std::string> log;
  ULong accepted = 0;
};
Calls calls;

int Filter(int, int, DgnModelRefP, ULong filePos) { return filePos % 2 == 1; }
int Accept(DPoint3d*, int) {
  calls.accepted = mdlElement_getFilePos(FILEPOS_CURRENT, nullptr);
  calls.log.push_back("accept");
  return 1;
}
int Reset() {
  calls.log.push_back("reset");
  mdlState_startDefaultCommand();
  return 1;
}
int CleanUp() {
  calls.log.push_back("cleanup");
  mdlState_startDefaultCommand();  // a clean-up that restarts the default command ends there
  return 1;
}
void NotFound() { calls.log.push_back("not found"); }
void Dynamics(DPoint3d*, int, int) { calls.log.push_back("dynamics"); }

TEST_F(CommandsTest, AModifyCommandLocatesThroughItsFilterAndCleansUpOnce) {
  calls = Calls{};
  ULong first = AddCell(u"A", 10);   // odd file position: accepted
  ULong second = AddCell(u"B", 10);  // even, on top of the first: rejected by the filter
  ASSERT_EQ(1u, first % 2);
  ASSERT_EQ(0u, second % 2);
  mdlState_startModifyCommand(Reset, Accept, nullptr, CleanUp, "TEST", "Identify an element:", 0, 1);
  mdlLocate_init();
  mdlLocate_setFunction(LOCATE_POSTLOCATE, Filter);
  mdlLocate_setFunction(LOCATE_NOTFOUND, NotFound);
  mdlState_setFunction(STATE_DYNAMICS, Dynamics);
  EXPECT_EQ("TEST", sim::RunningCommand());
  EXPECT_EQ(std::vector<std::string>{"Identify an element:"}, sim::OutputTexts(sim::OutputKind::Prompt));

  sim::SendCursor({1, -1, 0});
  EXPECT_EQ(1, sim::SendDataPoint({5, -5, 0}));
  EXPECT_EQ(first, calls.accepted);
  sim::SendDataPoint({500, 500, 0});
  sim::SendReset();
  EXPECT_EQ((std::vector<std::string>{"dynamics", "accept", "not found", "reset", "cleanup"}), calls.log);
  EXPECT_EQ("default", sim::RunningCommand());
}

TEST_F(CommandsTest, ConfigurationVariablesExpandTheirReferences) {
  sim::DefineCfgVar("ROOT", "C:\\Projects");
  sim::DefineCfgVar("MS_RFDIR", "$(ROOT)\\Ref;D:\\Other;$(UNDEFINED)");
  sim::DefineCfgVar("LOOP", "$(LOOP)x");
  char* value = mdlSystem_getExpandedCfgVar("MS_RFDIR");
  ASSERT_NE(nullptr, value);
  EXPECT_STREQ("C:\\Projects\\Ref;D:\\Other;", value);
  mdlSystem_freeCfgVarBuffer(value);
  EXPECT_EQ(nullptr, mdlSystem_getExpandedCfgVar("KORVU_QV_AFM"));
  value = mdlSystem_getExpandedCfgVar("LOOP");  // ends, whatever it holds
  ASSERT_NE(nullptr, value);
  mdlSystem_freeCfgVarBuffer(value);
  char buffer[64];
  ASSERT_EQ(SUCCESS, mdlSystem_expandCfgVar(buffer, sizeof buffer, "$(ROOT)\\a.xls"));
  EXPECT_STREQ("C:\\Projects\\a.xls", buffer);
  EXPECT_NE(SUCCESS, mdlSystem_expandCfgVar(buffer, 4, "$(ROOT)"));
}

TEST_F(CommandsTest, OutputIsRecordedInOrderAndBoxesTakeScriptedAnswers) {
  sim::PushBoxAnswer(ACTIONBUTTON_CANCEL);
  EXPECT_EQ(ACTIONBUTTON_CANCEL, mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, "first", MSGBOX_ICON_INFORMATION));
  EXPECT_EQ(ACTIONBUTTON_OK, mdlDialog_openAdvisoryBox(DIALOGID_MsgBoxOK, "Title", "second", MSGBOX_ICON_WARNING));
  mdlOutput_printf(MSG_MESSAGE, "%s, %d - %s", "CSignalDlg::OnOutputToDgn", 639, "text");
  MSDialog* bar = mdlDialog_openCompletionBar("Drawing the contents:");
  mdlDialog_updateCompletionBar(bar, "Drawing the contents:", 50);
  mdlDialog_closeCompletionBar(bar);
  mdlDialog_updateCompletionBar(bar, "stale", 60);  // ignored once closed

  const auto& log = sim::OutputLog();
  ASSERT_EQ(6u, log.size());
  EXPECT_EQ(sim::OutputKind::HostMessageBox, log[0].kind);
  EXPECT_EQ("Title", log[1].title);
  EXPECT_EQ(MSGBOX_ICON_WARNING, log[1].code);
  EXPECT_EQ("CSignalDlg::OnOutputToDgn, 639 - text", log[2].text);
  EXPECT_EQ(sim::OutputKind::CompletionOpen, log[3].kind);
  EXPECT_EQ(50, log[4].percent);
  EXPECT_EQ(sim::OutputKind::CompletionClose, log[5].kind);
}

TEST_F(CommandsTest, TextConversionsCutWholeCharacters) {
  MSWChar wide[4];
  ASSERT_EQ(SUCCESS, mdlCnv_convertMultibyteToUnicode("a\xF0\x9F\x98\x80z", -1, wide, 3));
  EXPECT_EQ(u"a", std::u16string(wide));  // the pair does not fit: left out whole
  char narrow[4];
  ASSERT_EQ(SUCCESS, mdlCnv_convertUnicodeToMultibyte(u"a\u00E9\u00E9", -1, narrow, 4));
  EXPECT_STREQ("a\xC3\xA9", narrow);
}

}  // namespace
