// The total costs of a lawsuit through several instances.
#pragma once

#include "case/cost_risk.h"
#include "case/reckoning.h"
#include "case/sections.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// The totals over instances of what each judgement added, along each path
// of the reckoning's proceeding, with their ways in `ways` where given.
template <class Reckoning>
TotalsOf<typename Reckoning::Total> totalsOf(
    const Reckoning& reckoning, const JudgementTotals<typename Reckoning::Part>& judgements,
    TotalsOf<Way>* ways = nullptr);

// Adds the totals over instances of what each judgement added, with their
// ways where the figures record them, and each party's part where a cost
// risk is given, when `options` show the first instance, the appeal and the
// revision; otherwise nothing.
template <class Reckoning>
void addInstanceTotals(Figures& figures, const ReportOptions& options, const Reckoning& reckoning,
                       const JudgementTotals<typename Reckoning::Part>& judgements,
                       CostRisk* risk = nullptr);

}  // namespace zeb
