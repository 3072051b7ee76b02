// The total costs of a lawsuit through several instances.
#pragma once
#include <cstdint>

#include "run/sections.h"

namespace zeb {

// Prints the totals over instances from `totals`, when the first instance,
// the appeal and the revision were all printed; otherwise nothing.
void printInstanceTotals(std::int64_t amount, const InstanceTotals& totals);

}  // namespace zeb
