#include "case/totals.h"

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

}  // namespace

template <class Reckoning>
void addInstanceTotals(Figures& figures, const ReportOptions& options, const Reckoning& reckoning,
                       const TotalsOf<typename Reckoning::Total>& totals, TotalsOf<Way>* ways,
                       CostRisk* risk) {
  // Only then does every field hold its full sum; an appeal taken as a
  // decision ends the case with the appeal, whose sum it shows alone.
  const bool appealOnly = options.appellant.has_value();
  if (!(options.showFirstInstance && options.showAppeal && (options.showRevision || appealOnly))) {
    return;
  }
  addHeading(figures, 1, {"Gesamtkosten mehrerer Instanzen", "Gesamtkosten mehrerer Instanzen"},
             "totals");
  for (const TotalsRow& row : kTotalsRows) {
    if (appealOnly && row.field != TotalsField::WithAppeal) continue;
    const auto& sum = totals[row.field];
    addRowOf(figures, row.key, row.label, reckoning.shown(sum[0]), reckoning.shown(sum[1]),
             reckoning.basis(), -1, ways != nullptr ? &(*ways)[row.field][0] : nullptr,
             ways != nullptr ? &(*ways)[row.field][1] : nullptr);
  }
  if (risk != nullptr) risk->afterTotals(reckoning);
}

template void addInstanceTotals(Figures&, const ReportOptions&, const Reckoning2013&,
                                const TotalsOf<double>&, TotalsOf<Way>*, CostRisk*);
template void addInstanceTotals(Figures&, const ReportOptions&, const ReckoningInCents&,
                                const TotalsOf<Cents>&, TotalsOf<Way>*, CostRisk*);

}  // namespace zeb
