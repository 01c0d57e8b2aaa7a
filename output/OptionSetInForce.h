// The option set every drawer reads is the one in force (currentOptionSet). A table
// drawn while none is in force is drawn with its own, which stays in force only as
// long as this scope.
#pragma once

#include "model/CQuorvelle.h"
#include "settings/QuorvelleSetup.h"

class COptionSetInForce {
 public:
  explicit COptionSetInForce(CQuorvelle& table) : borrowed_(currentOptionSet == nullptr) {
    if (borrowed_) currentOptionSet = &table.Setup;
  }
  ~COptionSetInForce() {
    if (borrowed_) currentOptionSet = nullptr;
  }
  COptionSetInForce(const COptionSetInForce&) = delete;
  COptionSetInForce& operator=(const COptionSetInForce&) = delete;

  QuorvelleSetup& operator*() const { return *currentOptionSet; }
  QuorvelleSetup* operator->() const { return currentOptionSet; }

 private:
  bool borrowed_;
};
