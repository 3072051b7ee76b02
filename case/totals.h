// The total costs of a lawsuit through several instances.
#pragma once

#include "case/cost_risk.h"
#include "case/reckoning.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// Adds the totals over instances from `totals`, with the derivations that
// `ways` hold where the figures record them, and each party's part where a
// cost risk is given, when `options` show the first instance, the appeal
// and the revision; otherwise nothing.
template <class Reckoning>
void addInstanceTotals(Figures& figures, const ReportOptions& options, const Reckoning& reckoning,
                       const TotalsOf<typename Reckoning::Total>& totals,
                       TotalsOf<Way>* ways = nullptr, CostRisk* risk = nullptr);

}  // namespace zeb
