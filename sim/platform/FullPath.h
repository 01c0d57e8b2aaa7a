// Absolute Windows paths: the current folder, and a path completed against it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/platform/WindowsPathSyntax.h"

namespace sim {

// The Linux current folder as a Windows path; empty when it cannot be named.
std::string CurrentWindowsDirectory();

// The path made absolute against the current folder, "/" read as "\", trailing
// dots and spaces of names dropped, "." and ".." removed. Nothing when the path is
// relative and the current folder cannot be named.
std::optional<WindowsPathParts> FullWindowsPathParts(std::string_view path);

}  // namespace sim
