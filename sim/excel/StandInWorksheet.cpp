// A worksheet and the ranges taken from it.
#include <algorithm>

#include "sim/excel/ExcelErrors.h"
#include "sim/excel/SheetRange.h"
#include "sim/excel/StandInObjects.h"

namespace sim {
namespace {

// A sheet's view: holds the instance, the workbook and the sheet, refuses to work
// once Excel ended or the workbook was closed.
class SheetObject {
 protected:
  SheetObject(ExcelStatePtr excel, WorkbookStatePtr book, WorksheetStatePtr sheet)
      : excel_(std::move(excel)), book_(std::move(book)), sheet_(std::move(sheet)) {}
  void Check() const { CheckConnected(*excel_, book_.get()); }

  ExcelStatePtr excel_;
  WorkbookStatePtr book_;
  WorksheetStatePtr sheet_;
};

class StandInRange : public ExcelRange, SheetObject {
 public:
  StandInRange(ExcelStatePtr excel, WorkbookStatePtr book, WorksheetStatePtr sheet, std::string address)
      : SheetObject(std::move(excel), std::move(book), std::move(sheet)), address_(std::move(address)) {}

  // Only a range of the sheet in front can be selected.
  void Select() override {
    Check();
    if (excel_->ActiveWorkbook() != book_ || book_->activeSheet != sheet_) RaiseExcelError(kSelectFailedText);
    sheet_->selection = address_;
  }

 private:
  std::string address_;
};

class StandInWorksheet : public ExcelWorksheet, SheetObject {
 public:
  StandInWorksheet(ExcelStatePtr excel, WorkbookStatePtr book, WorksheetStatePtr sheet)
      : SheetObject(std::move(excel), std::move(book), std::move(sheet)) {}

  std::string Name() override {
    Check();
    return sheet_->name;
  }

  // A hidden sheet cannot be activated; a sheet of another workbook brings its
  // workbook to the front.
  void Activate() override {
    Check();
    if (sheet_->visibility != kSheetVisible) RaiseExcelError(kActivateFailedText);
    book_->activeSheet = sheet_;
    excel_->Activate(book_);
  }

  int Visible() override {
    Check();
    return sheet_->visibility;
  }

  // True (1) counts as visible. The last visible sheet cannot be hidden; hiding the
  // active sheet activates the next visible one.
  void SetVisible(int visible) override {
    Check();
    int value = visible == 1 ? kSheetVisible : visible;
    if (value != kSheetVisible && value != kSheetHidden && value != kSheetVeryHidden)
      RaiseExcelError(kSetVisibleFailedText);
    if (value == sheet_->visibility) return;
    if (value != kSheetVisible && sheet_->visibility == kSheetVisible && book_->VisibleSheetCount() == 1)
      RaiseExcelError(kSetVisibleFailedText);
    sheet_->visibility = value;
    if (value != kSheetVisible && book_->activeSheet == sheet_) book_->activeSheet = NextVisibleSheet();
  }

  std::shared_ptr<ExcelRange> Range(const std::string& cell1, const std::optional<std::string>& cell2) override {
    Check();
    auto address =
        SheetRangeAddress(*book_, *sheet_, cell1, cell2 ? std::optional<std::string_view>(*cell2) : std::nullopt);
    if (!address) RaiseExcelError(kRangeFailedText);
    return std::make_shared<StandInRange>(excel_, book_, sheet_, *address);
  }

 private:
  // The first visible sheet after this one, else before it.
  WorksheetStatePtr NextVisibleSheet() const {
    const auto& sheets = book_->sheets;
    auto self = std::find(sheets.begin(), sheets.end(), sheet_);
    for (auto it = self; it != sheets.end(); ++it)
      if ((*it)->visibility == kSheetVisible) return *it;
    for (auto it = sheets.begin(); it != self; ++it)
      if ((*it)->visibility == kSheetVisible) return *it;
    return nullptr;
  }
};

}  // namespace

std::shared_ptr<ExcelWorksheet> MakeWorksheet(ExcelStatePtr excel, WorkbookStatePtr book, WorksheetStatePtr sheet) {
  return std::make_shared<StandInWorksheet>(std::move(excel), std::move(book), std::move(sheet));
}

}  // namespace sim
