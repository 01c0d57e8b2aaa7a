// Application.AddIns (Excel's own add-ins) and Application.COMAddIns.
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/StandInObjects.h"

namespace sim {
namespace {

class StandInAddIn : public ExcelAddIn {
 public:
  StandInAddIn(ExcelStatePtr excel, std::shared_ptr<AddInState> addIn)
      : excel_(std::move(excel)), addIn_(std::move(addIn)) {}

  std::string Name() override {
    CheckConnected(*excel_);
    return addIn_->name;
  }

  bool Installed() override {
    CheckConnected(*excel_);
    return addIn_->installed;
  }

  void SetInstalled(bool installed) override {
    CheckConnected(*excel_);
    ++addIn_->installedWrites;
    if (installed && addIn_->fileMissing) RaiseExcelError(kSetInstalledFailedText);
    addIn_->installed = installed;
  }

 private:
  ExcelStatePtr excel_;
  std::shared_ptr<AddInState> addIn_;
};

class StandInAddIns : public ExcelAddIns {
 public:
  explicit StandInAddIns(ExcelStatePtr excel) : excel_(std::move(excel)) {}

  int Count() override {
    CheckConnected(*excel_);
    return static_cast<int>(excel_->addIns.size());
  }

  std::shared_ptr<ExcelAddIn> Item(int index) override {
    if (index < 1 || index > Count()) RaiseBadIndex();
    return std::make_shared<StandInAddIn>(excel_, excel_->addIns[index - 1]);
  }

 private:
  ExcelStatePtr excel_;
};

class StandInComAddIn : public ExcelComAddIn {
 public:
  StandInComAddIn(ExcelStatePtr excel, std::shared_ptr<ComAddInState> addIn)
      : excel_(std::move(excel)), addIn_(std::move(addIn)) {}

  std::string Description() override {
    CheckConnected(*excel_);
    return addIn_->description;
  }

  bool Connect() override {
    CheckConnected(*excel_);
    return addIn_->connect;
  }

  void SetConnect(bool connect) override {
    CheckConnected(*excel_);
    addIn_->connect = connect;
  }

  // An add-in hands out its object only while it is connected.
  std::shared_ptr<AutomationObject> Object() override {
    CheckConnected(*excel_);
    return addIn_->connect ? addIn_->object : nullptr;
  }

 private:
  ExcelStatePtr excel_;
  std::shared_ptr<ComAddInState> addIn_;
};

class StandInComAddIns : public ExcelComAddIns {
 public:
  explicit StandInComAddIns(ExcelStatePtr excel) : excel_(std::move(excel)) {}

  int Count() override {
    CheckConnected(*excel_);
    return static_cast<int>(excel_->comAddIns.size());
  }

  std::shared_ptr<ExcelComAddIn> Item(const std::string& progId) override {
    CheckConnected(*excel_);
    auto addIn = excel_->FindComAddIn(progId);
    if (!addIn) RaiseBadIndex();
    return std::make_shared<StandInComAddIn>(excel_, addIn);
  }

 private:
  ExcelStatePtr excel_;
};

}  // namespace

std::shared_ptr<ExcelAddIns> MakeAddIns(ExcelStatePtr excel) {
  return std::make_shared<StandInAddIns>(std::move(excel));
}

std::shared_ptr<ExcelComAddIns> MakeComAddIns(ExcelStatePtr excel) {
  return std::make_shared<StandInComAddIns>(std::move(excel));
}

}  // namespace sim
