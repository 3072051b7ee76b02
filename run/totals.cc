#include "run/totals.h"

#include "report/report_options.h"
#include "report/rows.h"

namespace zeb {
namespace {

struct TotalsRow {
  PerSchedule<double> InstanceTotals::*field;
  Label label;
};

// The text label of the last row is shortened to fit its 49-column field.
constexpr TotalsRow kTotalsRows[] = {
    {&InstanceTotals::withAppeal, {"Gesamtkosten mit Berufung:", "Gesamtkosten mit Berufung:"}},
    {&InstanceTotals::withRevision,
     {"Gesamtkosten mit Berufung und Revision:", "Gesamtkosten mit Berufung und Revision:"}},
    {&InstanceTotals::withBghRevision,
     {"Gesamtkosten mit Berufung u. Revision v. d. BGH:",
      "Gesamtkosten mit Berufung und Revision vor dem BGH:"}},
};

}  // namespace

void printInstanceTotals(std::int64_t amount, const InstanceTotals& totals) {
  const ReportOptions& options = runState().options;
  // Only then does every field hold its full sum.
  if (!(options.showFirstInstance && options.showAppeal && options.showRevision)) return;
  printHeading(1, "Gesamtkosten mehrerer Instanzen");
  for (const TotalsRow& row : kTotalsRows) {
    const PerSchedule<double>& sum = totals.*row.field;
    printRow(inCurrentMode(row.label), toSingle(sum[0]), toSingle(sum[1]),
             static_cast<std::uint64_t>(amount), -1);
  }
}

}  // namespace zeb
