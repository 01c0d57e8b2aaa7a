// Running the host shell as a person does, with a registry file of the test's own.
#pragma once

#include <cstdio>
#include <string>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/TestSupport.h"

struct ShellResult {
  int status = -1;
  std::string out;
};

class ShellTest : public ::testing::Test {
 protected:
  // Runs the shell with its own registry file; stdout and stderr together. A shell
  // that hangs is stopped after two minutes (status 124).
  ShellResult Shell(const std::string& args) {
    std::string command =
        "QUORVELLE_REGISTRY=" + dir.File("registry.json") + " timeout 120 " + QV_SHELL + " " + args + " 2>&1";
    ShellResult r;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;) r.out.append(buffer, n);
    int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
  }
  // Runs the shell with its standard input, output and error on a terminal of its
  // own, the input typed at it; what the terminal was sent.
  ShellResult ShellOnTerminal(const std::string& args, const std::string& typed = "") {
    const std::string command = "QUORVELLE_REGISTRY=" + dir.File("registry.json") + " " + QV_SHELL + " " + args;
    ShellResult r;
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child < 0) return r;
    if (child == 0) {
      execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    if (!typed.empty() && write(terminal, typed.data(), typed.size()) != static_cast<ssize_t>(typed.size())) return r;
    char buffer[4096];
    for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) r.out.append(buffer, static_cast<size_t>(n));
    close(terminal);
    int status = 0;
    waitpid(child, &status, 0);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
  }
  TempDir dir;
};

