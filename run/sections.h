// The proceeding sections: the payment-order procedure and the four instance
// sections with their judgement and settlement blocks. One sequence serves
// every report; its reckoning gives the values.
#pragma once
#include <cstdint>

#include "run/reckoning.h"

namespace zeb {

// The judgement process costs of the report of 2013, in double precision.
using InstanceTotals = TotalsOf<double>;

// The instance sections, in the order of the report.
enum class InstanceSection { FirstInstance, Appeal, Revision, BghRevision };

// The two blocks of an instance section: the proceeding ends in a contested
// judgement, or by settlement.
enum class Variant { Judgement, Settlement };

// The values of a block of `section` in both columns.
template <class Reckoning>
PerSchedule<typename Reckoning::Block> computeBlock(const Reckoning& reckoning,
                                                    InstanceSection section, Variant variant);

// Prints the payment-order section.
template <class Reckoning>
void printPaymentOrderSection(const Reckoning& reckoning);

// Prints the instance sections that the options show, in the order of the
// report (first instance, appeal, and both revisions), and gathers their
// judgement process costs in `totals`.
template <class Reckoning>
void printInstanceSections(const Reckoning& reckoning, TotalsOf<typename Reckoning::Total>& totals);

}  // namespace zeb
