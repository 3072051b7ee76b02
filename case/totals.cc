#include "case/totals.h"

#include <string>

#include "case/cost_risk.h"
#include "case/sections.h"

namespace zeb {
namespace {

struct TotalsRow {
  TotalsField field;
  const char* key;
  Label label;
};

// The text label of the last row is shortened to fit its 49-column field.
constexpr TotalsRow kTotalsRows[] = {
    {TotalsField::WithAppeal,
     "with_appeal",
     {"Gesamtkosten mit Berufung:", "Gesamtkosten mit Berufung:"}},
    {TotalsField::WithRevision,
     "with_revision",
     {"Gesamtkosten mit Berufung und Revision:", "Gesamtkosten mit Berufung und Revision:"}},
    {TotalsField::WithBghRevision,
     "with_bgh_revision",
     {"Gesamtkosten mit Berufung u. Revision v. d. BGH:",
      "Gesamtkosten mit Berufung und Revision vor dem BGH:"}},
};

// Whether an instance of `proceeding` adds to the total `field`.
bool hasTotal(const Proceeding& proceeding, TotalsField field) {
  for (const Instance& instance : proceeding.instances) {
    if (instance.totals.target == field) return true;
  }
  return false;
}

}  // namespace

template <class Reckoning>
TotalsOf<typename Reckoning::Total> totalsOf(
    const Reckoning& reckoning, const JudgementTotals<typename Reckoning::Part>& judgements,
    TotalsOf<Way>* ways) {
  TotalsOf<typename Reckoning::Total> totals;
  const auto& firstEntry = judgements[InstanceSection::FirstInstance];
  const bool firstBorne = firstEntry && firstEntry->borne;
  const bool recorded = ways != nullptr;
  for (const Instance& instance : reckoning.proceeding().instances) {
    const auto& entry = judgements[instance.section];
    if (!entry) continue;
    const TotalsRule& rule = instance.totals;
    const bool added = rule.baseName != nullptr;
    const std::string partName =
        recorded ? std::string(entry->borne ? "Kosten " : "Prozesskosten ") + instance.name : "";
    const char* baseName = firstBorne && rule.target == TotalsField::WithAppeal
                               ? "Kosten erste Instanz"
                               : rule.baseName;
    for (std::size_t s = 0; s < 2; ++s) {
      // The way to a sum names its parts; where a part is what the parties
      // bear, which no row shows, it shows their sum too: the first
      // instance's in the sum through the appeal, kept from the first's way.
      Steps parts;
      if (recorded && firstBorne && rule.target == TotalsField::WithAppeal && added) {
        parts = ways->withAppeal[s].steps;
        if (!parts.empty()) parts.pop_back();
      }
      if (recorded && entry->borne) {
        parts.insert(parts.end(), entry->ways[s].steps.begin(), entry->ways[s].steps.end());
      }
      const SumWays sumWays = recorded
                                  ? SumWays{&entry->ways[s], partName.c_str(), &ways->withAppeal[s],
                                            baseName, &(*ways)[rule.target][s]}
                                  : SumWays{};
      totals[rule.target][s] = reckoning.total(
          entry->value[s], added ? &totals.withAppeal[s] : nullptr, recorded ? &sumWays : nullptr);
      if (recorded && !parts.empty()) {
        Steps& sum = (*ways)[rule.target][s].steps;
        sum.insert(sum.begin(), parts.begin(), parts.end());
      }
    }
  }
  return totals;
}

template <class Reckoning>
void addInstanceTotals(Figures& figures, const ReportOptions& options, const Reckoning& reckoning,
                       const JudgementTotals<typename Reckoning::Part>& judgements,
                       CostRisk* risk) {
  // Only then does every field hold its full sum; an appeal taken as a
  // decision ends the case with the appeal, whose sum it shows alone.
  const bool appealOnly = options.appellant.has_value();
  if (!(options.showFirstInstance && options.showAppeal && (options.showRevision || appealOnly))) {
    return;
  }
  addHeading(figures, 1, {"Gesamtkosten mehrerer Instanzen", "Gesamtkosten mehrerer Instanzen"},
             "totals");
  TotalsOf<Way> ways;
  const auto totals = totalsOf(reckoning, judgements, figures.withWays ? &ways : nullptr);
  for (const TotalsRow& row : kTotalsRows) {
    if (appealOnly && row.field != TotalsField::WithAppeal) continue;
    if (!hasTotal(reckoning.proceeding(), row.field)) continue;
    const auto& sum = totals[row.field];
    addRowOf(figures, row.key, row.label, reckoning.shown(sum[0]), reckoning.shown(sum[1]),
             reckoning.basis(), -1, figures.withWays ? &ways[row.field][0] : nullptr,
             figures.withWays ? &ways[row.field][1] : nullptr);
  }
  if (risk != nullptr) risk->afterTotals(reckoning);
}

#define INSTANTIATE(Reckoning)                                                      \
  template TotalsOf<Reckoning::Total> totalsOf(                                     \
      const Reckoning&, const JudgementTotals<Reckoning::Part>&, TotalsOf<Way>*);   \
  template void addInstanceTotals(Figures&, const ReportOptions&, const Reckoning&, \
                                  const JudgementTotals<Reckoning::Part>&, CostRisk*);
INSTANTIATE(Reckoning2013)
INSTANTIATE(ReckoningInCents)
#undef INSTANTIATE

}  // namespace zeb
