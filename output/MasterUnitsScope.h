// Host coordinates in master units for as long as the scope lasts; the host's own
// current transformation comes back however the scope ends, so that the caller's
// coordinates keep their meaning.
#pragma once

#include "host/msmodel.h"

class CMasterUnitsScope {
 public:
  CMasterUnitsScope() {
    mdlCurrTrans_begin();
    mdlCurrTrans_masterUnitsIdentity(FALSE);
  }
  ~CMasterUnitsScope() { mdlCurrTrans_end(); }
  CMasterUnitsScope(const CMasterUnitsScope&) = delete;
  CMasterUnitsScope& operator=(const CMasterUnitsScope&) = delete;
};
