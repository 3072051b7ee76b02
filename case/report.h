// A case computed into its figures: the report that the options of a run
// ask for, row by row, before a byte of it is written. Nothing here writes
// output or keeps state between calls: any number of threads may compute
// reports at once.
#pragma once
#include <cstdint>

#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// The figures of the report that `options` ask for, for the amount in
// dispute `amount`: in the report of 2013 the amount reduced to 32 bits, in
// a reform the amount as given (above the cap it counts as the cap). Each
// row has the way to its values where `withWays` says so. The floating-
// point settings the cents rely on hold during the computation; the
// caller's are restored on return.
Figures computeReport(const ReportOptions& options, std::int64_t amount, bool withWays);

// The same into `figures`, whose records keep their room from the report
// before: many reports in a row allocate little. Its `withLabels` stays the
// caller's.
void computeReport(Figures& figures, const ReportOptions& options, std::int64_t amount,
                   bool withWays);

}  // namespace zeb
