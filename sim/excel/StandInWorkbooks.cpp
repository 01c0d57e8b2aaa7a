// Application.Workbooks: the open workbooks, new ones and ones opened from files.
#include "automation/ExcelObjectModel.h"
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/StandInObjects.h"
#include "sim/excel/WorkbookFile.h"

namespace sim {
namespace {

class StandInWorkbooks : public ExcelWorkbooks {
 public:
  explicit StandInWorkbooks(ExcelStatePtr excel) : excel_(std::move(excel)) {}

  int Count() override {
    CheckConnected(*excel_);
    return static_cast<int>(excel_->workbooks.size());
  }

  std::shared_ptr<ExcelWorkbook> Item(int index) override {
    CheckConnected(*excel_);
    if (index < 1 || index > Count()) RaiseBadIndex();
    return MakeWorkbook(excel_, excel_->workbooks[index - 1]);
  }

  // A workbook never saved, "Book1", "Book2"... in the order they were made, with
  // one sheet; it becomes the active one.
  std::shared_ptr<ExcelWorkbook> Add() override {
    CheckConnected(*excel_);
    auto book = std::make_shared<WorkbookState>();
    book->fullName = book->name = "Book" + std::to_string(excel_->nextNewBook++);
    book->AddSheet("Sheet1");
    excel_->workbooks.push_back(book);
    excel_->Activate(book);
    return MakeWorkbook(excel_, book);
  }

  // Links are not followed and nothing is written, so UpdateLinks and ReadOnly
  // change nothing here.
  std::shared_ptr<ExcelWorkbook> Open(const std::string& fileName, const ExcelVariant&, const ExcelVariant&) override {
    CheckConnected(*excel_);
    std::string error;
    auto book = OpenWorkbookFile(*excel_, fileName, &error);
    if (!book) RaiseExcelError(error);
    return MakeWorkbook(excel_, book);
  }

 private:
  ExcelStatePtr excel_;
};

}  // namespace

std::shared_ptr<ExcelWorkbooks> MakeWorkbooks(ExcelStatePtr excel) {
  return std::make_shared<StandInWorkbooks>(std::move(excel));
}

}  // namespace sim
