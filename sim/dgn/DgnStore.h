// Design files on disk: a design file is an SQLite database written in one
// transaction, so that a failed or interrupted save leaves the previous file as it
// was. Opening checks that the file is a design file and that every record is sound.
#pragma once

#include <memory>
#include <string>

#include "sim/dgn/DgnModel.h"

namespace sim {

// Empty on success, else the reason (the file is then unchanged).
std::string SaveModel(const DgnModel& model, const std::string& linuxPath);
// The model read from the file, or null with the reason in `error`.
std::unique_ptr<DgnModel> LoadModel(const std::string& linuxPath, std::string& error);

}  // namespace sim
