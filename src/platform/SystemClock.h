#pragma once

#include "core/Clock.h"

// The local wall-clock time of the operating system.
class TSystemClock : public IClock {
  public:
    TLocalDateTime Now() const override;
};
