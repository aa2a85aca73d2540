#pragma once

#include "core/DateTime.h"

// The PC's local clock, behind an interface so that tests can set the time.
class IClock {
  public:
    virtual ~IClock() = default;
    virtual TLocalDateTime Now() const = 0;
};
