#include "app/CommandView.h"

#include "app/ModuleState.h"
#include "host/msview.h"

int CommandView() { return workingView >= 0 ? workingView : tcbP->lstvw; }
