// Command states and locate. The module registers its functions; the host calls them
// as the user gives data points and resets.
#pragma once

#include "host/msgeom.h"

using StateFunc_DataPoint = int (*)(DPoint3d* point, int view);
using StateFunc_NoArgs = int (*)();  // reset and clean-up functions
using StateFunc_Dynamics = void (*)(DPoint3d* point, int view, int drawMode);
// Element filter of a locate: two values this host passes as 0, the model and the
// file position of the candidate; non-zero accepts.
using LocateFunc_Filter = int (*)(int preLocate, int reserved, DgnModelRefP modelRef, ULong filePos);
using LocateFunc_NotFound = void (*)();

constexpr int STATE_RESET = 2;
constexpr int STATE_DYNAMICS = 4;
constexpr int STATE_CLEANUP = 5;

constexpr int LOCATE_POSTLOCATE = 4;  // element filter
constexpr int LOCATE_NOTFOUND = 8;    // called when a data point finds nothing

// Ends the running command (its clean-up function runs) and starts the default one.
void mdlState_startDefaultCommand();
// A command that takes data points: each goes to dataPoint; reset to reset.
void mdlState_startPrimitive(StateFunc_DataPoint dataPoint, StateFunc_NoArgs reset, const char* commandName,
                             const char* prompt);
// A command that locates an element with each data point and passes accepted ones
// to accept.
void mdlState_startModifyCommand(StateFunc_NoArgs reset, StateFunc_DataPoint accept, StateFunc_Dynamics dynamics,
                                 StateFunc_NoArgs cleanup, const char* commandName, const char* prompt,
                                 int useSelectionSet, int numPoints);
void mdlState_setFunction(int type, StateFunc_NoArgs function);
void mdlState_setFunction(int type, StateFunc_Dynamics function);
void mdlAccuSnap_enableSnap(int on);

void mdlLocate_init();
void mdlLocate_normal();
void mdlLocate_setFunction(int type, LocateFunc_Filter function);
void mdlLocate_setFunction(int type, LocateFunc_NotFound function);
void mdlAutoLocate_enable(int enable, int useFromSelection, int reserved);
