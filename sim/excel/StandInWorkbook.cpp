// A workbook, its sheets collection and its built-in document properties.
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/StandInObjects.h"
#include "sim/platform/TextCase.h"

namespace sim {
namespace {

class StandInSheets : public ExcelSheets {
 public:
  StandInSheets(ExcelStatePtr excel, WorkbookStatePtr book) : excel_(std::move(excel)), book_(std::move(book)) {}

  int Count() override {
    CheckConnected(*excel_, book_.get());
    return static_cast<int>(book_->sheets.size());
  }

  std::shared_ptr<ExcelWorksheet> Item(int index) override {
    if (index < 1 || index > Count()) RaiseBadIndex();
    return MakeWorksheet(excel_, book_, book_->sheets[index - 1]);
  }

  std::shared_ptr<ExcelWorksheet> Item(const std::string& name) override {
    CheckConnected(*excel_, book_.get());
    auto sheet = book_->FindSheet(name);
    if (!sheet) RaiseBadIndex();
    return MakeWorksheet(excel_, book_, sheet);
  }

 private:
  ExcelStatePtr excel_;
  WorkbookStatePtr book_;
};

class StandInWorkbook : public ExcelWorkbook {
 public:
  StandInWorkbook(ExcelStatePtr excel, WorkbookStatePtr book) : excel_(std::move(excel)), book_(std::move(book)) {}

  std::string FullName() override {
    Check();
    return book_->fullName;
  }

  std::string Name() override {
    Check();
    return book_->name;
  }

  // Every sheet is a worksheet: the two collections are the same.
  std::shared_ptr<ExcelSheets> Sheets() override {
    Check();
    return MakeSheets(excel_, book_);
  }

  std::shared_ptr<ExcelSheets> Worksheets() override { return Sheets(); }

  // Nothing is written: the stand-in keeps no changes to save.
  void Close(const ExcelVariant&, const ExcelVariant&, const ExcelVariant&) override {
    Check();
    book_->closed = true;
    excel_->Remove(book_);
  }

  // Only the save time is kept; a workbook never saved has none, as in Excel.
  ExcelVariant BuiltinDocumentProperty(const std::string& name) override {
    Check();
    if (!EqualsIgnoringCase(name, "Last Save Time")) Raise(kInvalidArgument, "Invalid procedure call or argument");
    if (!book_->lastSaveTime) Raise(kUnexpected, "Automation error");
    return *book_->lastSaveTime;
  }

 private:
  void Check() const { CheckConnected(*excel_, book_.get()); }

  ExcelStatePtr excel_;
  WorkbookStatePtr book_;
};

}  // namespace

std::shared_ptr<ExcelWorkbook> MakeWorkbook(ExcelStatePtr excel, WorkbookStatePtr book) {
  return std::make_shared<StandInWorkbook>(std::move(excel), std::move(book));
}

std::shared_ptr<ExcelSheets> MakeSheets(ExcelStatePtr excel, WorkbookStatePtr book) {
  return std::make_shared<StandInSheets>(std::move(excel), std::move(book));
}

}  // namespace sim
