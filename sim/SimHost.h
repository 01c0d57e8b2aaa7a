// Control of the stand-in host, for tests and the host shell: the open design file,
// units, configuration variables, undo, and the person at the keyboard giving data
// points and resets to the running command.
#pragma once

#include <cstddef>
#include <string>

#include "host/msgeom.h"
#include "host/msmodel.h"

namespace sim {

// A fresh, unnamed, empty design file; output log, scripted answers, failures,
// configuration variables, selection and command state cleared.
void ResetHost();

// Empty design file to be saved at the Linux path (not written until saved).
void NewDesignFile(const std::string& linuxPath);
// Opens a saved design file; an empty result means success, otherwise the message
// says why, and the open design file is unchanged.
std::string OpenDesignFile(const std::string& linuxPath);
// Saves the open design file (to its own path when none is given) in one
// transaction; an empty result means success.
std::string SaveDesignFile(const std::string& linuxPath = "");
std::string DesignFilePath();
// The design file as the JSON dump (points in master units).
std::string DumpDesignFile(int indent = 2);

// Units of the open design file.
void SetUnits(double uorPerMaster, double subPerMaster, int masterStandardUnit, int subStandardUnit);
// Levels of the open design file, and the level library attached to it.
LevelID AddLevel(const std::u16string& name);
void AddLibraryLevel(const std::u16string& name);
void SetColor(int index, RGBColorDef rgb);
void SetViewRotation(int view, double radians);

void DefineCfgVar(const std::string& name, const std::string& value);
void UndefineCfgVar(const std::string& name);
void SetCapability(int capability, bool enabled);

// Takes back the last change of the design file; false when there is none.
bool Undo();
// Elements drawn by the display operations, for dynamics.
int DisplayCount();
// The top-level elements of the open design file that are not deleted.
std::size_t ElementCount();

// The person at the keyboard. A data point in master units goes to the running
// command (a locating command first locates an element at the point); the result is
// what the command's function returned, or 0 when none ran.
int SendDataPoint(const DPoint3d& masterPoint, int view = 0);
int SendReset();
// Moves the cursor: the running command's dynamics are called with the point.
void SendCursor(const DPoint3d& masterPoint, int view = 0);
std::string RunningCommand();

}  // namespace sim
