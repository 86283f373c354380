#pragma once
// Counts heap allocations made through operator new, so a benchmark can prove a path allocates
// nothing.
#include <cstddef>

namespace vortala::bench {
std::size_t AllocationCount();
}
