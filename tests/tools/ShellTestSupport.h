// Running the host shell as a person does, with a registry file of the test's own.
#pragma once

#include <cstdio>
#include <string>

#include <sys/wait.h>

#include "tests/TestSupport.h"

struct ShellResult {
  int status = -1;
  std::string out;
};

class ShellTest : public ::testing::Test {
 protected:
  // Runs the shell with its own registry file; stdout and stderr together.
  ShellResult Shell(const std::string& args) {
    std::string command = "QUORVELLE_REGISTRY=" + dir.File("registry.json") + " " + QV_SHELL + " " + args + " 2>&1";
    ShellResult r;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;) r.out.append(buffer, n);
    int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
  }
  TempDir dir;
};

