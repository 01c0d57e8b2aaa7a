#include "output/WorkingView.h"

#include "host/msview.h"

int workingView = -1;

int CommandView() { return workingView >= 0 ? workingView : tcbP->lstvw; }
