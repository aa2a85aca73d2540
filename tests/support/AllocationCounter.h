#pragma once

#include <cstddef>

// Counts calls of the global operator new on this thread, for tests that prove a piece of
// code allocates nothing.
std::size_t AllocationCount();
