#pragma once

#include <string>

// One running copy per executable file name: a lock file named after the executable in the
// user's runtime folder, held by the process until it ends (the system drops it even when the
// process dies).
class TSingleInstanceLock {
  public:
    // Takes the lock named after name; Acquired() tells whether this process holds it.
    explicit TSingleInstanceLock(const std::string& name);
    ~TSingleInstanceLock();
    TSingleInstanceLock(const TSingleInstanceLock&) = delete;
    TSingleInstanceLock& operator=(const TSingleInstanceLock&) = delete;

    bool Acquired() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};
