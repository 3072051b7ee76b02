#include "case/report.h"

#include <algorithm>
#include <optional>
#include <type_traits>

#include "case/cost_risk.h"
#include "case/divorce.h"
#include "case/reckoning.h"
#include "case/sections.h"
#include "case/totals.h"
#include "fees/precision_scope.h"

namespace zeb {
namespace {

struct SingleFeeRow {
  FeeKind kind;
  const char* key;
  Label label;
};

constexpr SingleFeeRow kSingleFeeRows[] = {
    {FeeKind::Court, "court_fee", {"Gerichtsgeb\201hr:", "Gerichtsgeb&uuml;hr:"}},
    {FeeKind::Lawyer, "lawyer_fee", {"Anwaltsgeb\201hr:", "Anwaltsgeb&uuml;hr:"}},
};

// The amount in dispute and the single court and lawyer fees.
template <class Reckoning>
void addBaseRows(Figures& figures, const Reckoning& reckoning) {
  Recorded<Way> ways(figures.withWays);
  // The amount stands alone: its new value plays no part.
  const auto amount = reckoning.amount(ways[0]);
  addRowOf(figures, "amount", Label{"Streitwert:", "Streitwert:"}, amount, decltype(amount){}, 0, 0,
           ways[0], ways[1]);
  for (const SingleFeeRow& row : kSingleFeeRows) {
    addRowOf(figures, row.key, row.label, reckoning.fee(Schedule::Old, row.kind, ways[0]),
             reckoning.fee(Schedule::New, row.kind, ways[1]), reckoning.feeBasis(), 0, ways[0],
             ways[1]);
  }
}

// The rows of the report for `reckoning` under `options`, in its order; a
// reform's costs go into `ledgers` on the way.
template <class Reckoning>
void addReport(Figures& figures, const ReportOptions& options, const Reckoning& reckoning,
               Ledgers* ledgers) {
  addBaseRows(figures, reckoning);
  // Around the lawsuit, what came before it belongs to the first instance
  // too: the business fees, and a payment order that it follows.
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    const ReportOptions* around = reckoning.around();
    const bool anyBusinessFee = around != nullptr && (around->claimantCase.businessFeeTenths != 0 ||
                                                      around->defendantCase.businessFeeTenths != 0);
    if (anyBusinessFee && (options.showPaymentOrder || options.showFirstInstance)) {
      addPreTrialSection(figures, reckoning, *ledgers);
    }
    if (options.legalAid() && options.showFirstInstance) addAidRefusedSection(figures, reckoning);
  }
  if (options.showPaymentOrder || (options.afterPaymentOrder && options.showFirstInstance)) {
    addPaymentOrderSection(figures, reckoning, ledgers);
  }
  JudgementTotals<typename Reckoning::Part> judgements;
  std::optional<CostRisk> risk;
  if (options.shareWon && ledgers != nullptr) risk.emplace(options, figures, *ledgers);
  addInstanceSections(figures, options, reckoning, judgements, risk ? &*risk : nullptr, ledgers);
  addInstanceTotals(figures, options, reckoning, judgements, risk ? &*risk : nullptr);
}

}  // namespace

Figures computeReport(const ReportOptions& options, std::int64_t amount, bool withWays) {
  Figures figures;
  // The largest report has some 200 rows: their records are placed once.
  figures.rows.reserve(256);
  figures.headings.reserve(32);
  computeReport(figures, options, amount, withWays);
  return figures;
}

void computeReport(Figures& figures, const ReportOptions& options, std::int64_t amount,
                   bool withWays) {
  const ExtendedPrecisionScope precision;
  figures.rows.clear();
  figures.headings.clear();
  figures.status = 0;
  figures.valueCapped = false;
  figures.withWays = withWays;
  figures.reform = options.reform;
  figures.byDays = options.days.given();
  figures.valueName = "Streitwert";
  if (options.court == Court::Family) {
    // A divorce's value comes from the spouses' circumstances.
    addDivorceReport(figures, options);
  } else if (options.reform == Reform::Of2013) {
    figures.amount = amount;
    addReport(figures, options, Reckoning2013(amount), nullptr);
  } else {
    const auto given = static_cast<std::uint64_t>(amount);
    figures.amount = static_cast<std::int64_t>(std::min(given, kValueCap));
    Ledgers ledgers;
    const ReckoningInCents reckoning(options.reform, given, &options);
    // Known before the first row, which a sink writes at once.
    figures.valueCapped = reckoning.capped();
    addReport(figures, options, reckoning, &ledgers);
  }
}

}  // namespace zeb
