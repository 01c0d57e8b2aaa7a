// A workbook, its sheets collection and its built-in document properties.
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/StandInObjects.h"
#include "sim/platform/TextCase.h"

namespace sim {
namespace {

// The names of Excel's built-in document properties.
constexpr const char* kBuiltinDocumentProperties[] = {
    "Title", "Subject", "Author", "Keywords", "Comments", "Template", "Last Author", "Revision Number",
    "Application Name", "Last Print Date", "Creation Date", "Last Save Time", "Total Editing Time",
    "Number of Pages", "Number of Words", "Number of Characters", "Security", "Category", "Format", "Manager",
    "Company", "Number of Bytes", "Number of Lines", "Number of Paragraphs", "Number of Slides", "Number of Notes",
    "Number of Hidden Slides", "Number of Multimedia Clips", "Hyperlink base", "Number of Characters (with spaces)",
    "Content type", "Content status", "Language", "Document version"};

bool IsBuiltinDocumentProperty(const std::string& name) {
  for (const char* known : kBuiltinDocumentProperties)
    if (EqualsIgnoringCase(known, name)) return true;
  return false;
}

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
    excel_->history.push_back("closed " + book_->fullName);
    excel_->Remove(book_);
  }

  // A property Excel knows but the workbook holds no value for (any of a workbook
  // never saved) fails as reading its value fails in Excel.
  ExcelVariant BuiltinDocumentProperty(const std::string& name) override {
    Check();
    if (!IsBuiltinDocumentProperty(name)) RaiseExcelError(kInvalidProcedureCallText, kInvalidArgument);
    for (const auto& [known, value] : book_->properties)
      if (EqualsIgnoringCase(known, name)) return value;
    Raise(kUnexpected, "Automation error");
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
