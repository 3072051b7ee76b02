// The total costs of a lawsuit through several instances.
#pragma once

#include "run/cost_risk.h"
#include "run/reckoning.h"

namespace zeb {

// Prints the totals over instances from `totals`, with the derivations that
// `ways` hold where a run records them, and each party's part where a cost
// risk is given, when the first instance, the appeal and the revision were
// all printed; otherwise nothing.
template <class Reckoning>
void printInstanceTotals(const Reckoning& reckoning,
                         const TotalsOf<typename Reckoning::Total>& totals,
                         TotalsOf<Way>* ways = nullptr, CostRisk* risk = nullptr);

}  // namespace zeb
