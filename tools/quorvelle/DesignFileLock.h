// One writer per design file: a command that changes a design file holds it, as the
// host holds the file it has open, from before it is read to after it is saved, so
// that two shells placing tables into one file one after the other both keep theirs.
// Readers (dump, render) take no hold and are never kept waiting.
#pragma once

#include <string>

class CDesignFileLock {
 public:
  CDesignFileLock() = default;
  CDesignFileLock(const CDesignFileLock&) = delete;
  CDesignFileLock& operator=(const CDesignFileLock&) = delete;
  // Lets the file go; a file this hold made and nothing was saved into is removed.
  ~CDesignFileLock();

  // Holds the design file at the Linux path, making it (empty) when there is none and
  // `make` is set; without `make` a missing file is left to the command to report.
  // Waits while another program holds it, up to `waitSeconds`. Empty on success,
  // else why not ("... is being changed by another program; ...").
  std::string Take(const std::string& linuxPath, bool make, double waitSeconds);

 private:
  std::string path_;
  int fd_ = -1;
  bool made_ = false;
};
