// The report of a divorce with its attached matters (-scheidung): its
// values from the spouses' circumstances (FamGKG), the court fee and each
// lawyer's bill on their sum, who bears them with the costs cancelled
// against each other (§ 150 Abs. 1 FamFG), the petitioner's advance, a
// withdrawn petition and legal aid; in whole cents, each figure with its
// way where the run records ways.
#pragma once
#include <optional>

#include "case/proceeding.h"
#include "case/reckoning.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// The values of a divorce in one column.
struct DivorceValueSet {
  Cents income;  // both spouses' net income in the months of § 43 FamGKG
  Cents divorce;
  std::optional<Cents> pension;
  std::optional<Cents> custody;
  std::optional<Cents> contact;
  Cents sum;  // the value of the proceeding

  // The sum in whole euros, as the fee tables take it: a started euro
  // counts whole.
  std::uint64_t feeValue() const { return static_cast<std::uint64_t>((sum.count + 99) / 100); }
};

// The ways to the values, where recorded.
struct DivorceValueWays {
  Way divorce, pension, custody, contact, sum;
};

// The values that `rules` make of the spouses' circumstances `c` under
// `edition`, with their ways where `ways` is given.
DivorceValueSet divorceValues(const DivorceValues& rules, const DivorceCase& c,
                              const Edition& edition, DivorceValueWays* ways = nullptr);

// Adds the rows of the divorce that `options` describe under the law of
// `reform` (the columns of -2025).
void addDivorceReport(Figures& figures, const ReportOptions& options);

}  // namespace zeb
