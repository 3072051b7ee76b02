#include "run/sections.h"

#include "report/report_options.h"
#include "report/rows.h"

namespace zeb {
namespace {

// The rates of one block and the labels of its rows.
struct BlockRows {
  BlockRates rates;
  Label courtRow;
  Label lawyerRow;
  Label grossRow;
};

// How an instance's judgement process costs enter the totals: they become
// `target`, alone or added to the costs through the appeal.
struct TotalsRule {
  TotalsField target;
  bool addsWithAppeal;
};

struct InstanceSectionRows {
  const char* heading;
  BlockRows judgement;
  BlockRows settlement;
  TotalsRule totals;
};

constexpr Label kProcessRow = {"Proze\341kosten: Gerichtskosten + 2 * Anwaltskosten:",
                               "Proze&szlig;kosten: Gerichtskosten + 2 * Anwaltskosten:"};
constexpr Label kHalfShareRow = {"Proze\341kosten: 50 % Anteil f\201r jede Partei:",
                                 "Proze&szlig;kosten: 50 % Anteil f&uuml;r jede Partei:"};

// The rates in tenths: court fees KV GKG Nr. 1210/1211, 1220/1222 and
// 1230/1232; lawyer fees VV RVG Nr. 3100 + 3104, 3200 + 3202, 3206 + 3210
// and 3208 + 3210, in the settlement with Nr. 1003 or 1004.
// clang-format off
constexpr InstanceSectionRows kInstanceSections[] = {
    {"Erstinstanzliches Verfahren vor dem Amts- oder Landgericht oder Verwaltungsgericht",
     {{30, 25}, {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"},
                {"2,5 Anwaltsgeb\201hren:", "2,5 Anwaltsgeb&uuml;hren:"},
                {"2,5 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "2,5 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {{10, 35}, {"1 Gerichtsgeb\201hr:", "1 Gerichtsgeb&uuml;hr:"},
                {"3,5 Anwaltsgeb\201hren:", "3,5 Anwaltsgeb&uuml;hren:"},
                {"3,5 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "3,5 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {TotalsField::WithAppeal, false}},
    {"Berufungsverfahren in Zivilsachen oder Klageverfahren vor dem Oberverwaltungsgericht/Verwaltungsgerichtshof oder Finanzgericht",
     {{40, 28}, {"4 Gerichtsgeb\201hren:", "4 Gerichtsgeb&uuml;hren:"},
                {"2,8 Anwaltsgeb\201hren:", "2,8 Anwaltsgeb&uuml;hren:"},
                {"2,8 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "2,8 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {{20, 41}, {"2 Gerichtsgeb\201hren:", "2 Gerichtsgeb&uuml;hren:"},
                {"4,1 Anwaltsgeb\201hren:", "4,1 Anwaltsgeb&uuml;hren:"},
                {"4,1 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "4,1 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {TotalsField::WithAppeal, true}},
    {"Revisionsverfahren (soweit nicht die Vertretung durch einen beim BGH zugelassenen Anwalt vorgeschrieben ist)",
     {{50, 31}, {"5 Gerichtsgeb\201hren:", "5 Gerichtsgeb&uuml;hren:"},
                {"3,1 Anwaltsgeb\201hren:", "3,1 Anwaltsgeb&uuml;hren:"},
                {"3,1 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "3,1 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {{30, 44}, {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"},
                {"4,4 Anwaltsgeb\201hren:", "4,4 Anwaltsgeb&uuml;hren:"},
                {"4,4 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "4,4 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {TotalsField::WithRevision, true}},
    {"Revisionsverfahren (soweit die Vertretung durch einen beim BGH zugelassenen Anwalt vorgeschrieben ist)",
     {{50, 38}, {"5 Gerichtsgeb\201hren:", "5 Gerichtsgeb&uuml;hren:"},
                {"3,8 Anwaltsgeb\201hren:", "3,8 Anwaltsgeb&uuml;hren:"},
                {"3,8 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "3,8 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {{30, 51}, {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"},
                {"5,1 Anwaltsgeb\201hren:", "5,1 Anwaltsgeb&uuml;hren:"},
                {"5,1 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "5,1 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {TotalsField::WithBghRevision, true}},
};
// clang-format on

const InstanceSectionRows& sectionRows(InstanceSection section) {
  return kInstanceSections[static_cast<std::size_t>(section)];
}

const BlockRows& blockRows(InstanceSection section, Variant variant) {
  const InstanceSectionRows& rows = sectionRows(section);
  return variant == Variant::Judgement ? rows.judgement : rows.settlement;
}

template <class Reckoning>
void printBlock(const Reckoning& r, const PerSchedule<typename Reckoning::Block>& values,
                const BlockRows& rows) {
  const auto& o = values[0];
  const auto& n = values[1];
  const std::uint64_t basis = r.basis();
  printRow(inCurrentMode(rows.courtRow), r.shown(o.court), r.shown(n.court), basis, 0);
  printRow(inCurrentMode(rows.lawyerRow), r.shown(o.lawyer), r.shown(n.lawyer), basis, 0);
  printRow(inCurrentMode(rows.grossRow), r.shown(o.gross), r.shown(n.gross), basis, 0);
  printRow(inCurrentMode(kProcessRow), r.shown(o.process), r.shown(n.process), basis, 0);
}

template <class Reckoning>
void printInstanceSection(const Reckoning& r, InstanceSection section,
                          TotalsOf<typename Reckoning::Total>& totals) {
  const InstanceSectionRows& rows = sectionRows(section);
  printHeading(1, rows.heading);
  printVariantHeading('s');

  const auto judgement = computeBlock(r, section, Variant::Judgement);
  printBlock(r, judgement, rows.judgement);
  auto& target = totals[rows.totals.target];
  for (std::size_t s = 0; s < 2; ++s) {
    target[s] = rows.totals.addsWithAppeal ? r.total(judgement[s].process, totals.withAppeal[s])
                                           : r.total(judgement[s].process);
  }

  if (!runState().options.showSettlement) return;
  printVariantHeading('v');
  const auto settlement = computeBlock(r, section, Variant::Settlement);
  printBlock(r, settlement, rows.settlement);
  printRow(inCurrentMode(kHalfShareRow), r.halfShare(settlement[0].process),
           r.halfShare(settlement[1].process), r.basis(), 1);
}

}  // namespace

template <class Reckoning>
PerSchedule<typename Reckoning::Block> computeBlock(const Reckoning& reckoning,
                                                    InstanceSection section, Variant variant) {
  const BlockRates rates = blockRows(section, variant).rates;
  return {reckoning.block(Schedule::Old, rates), reckoning.block(Schedule::New, rates)};
}

template <class Reckoning>
void printPaymentOrderSection(const Reckoning& reckoning) {
  printHeading(1, "Mahnverfahren");
  // "1)" and the link point to the note on the minimum fee. The adjustment
  // widens only the text label column.
  printRow(inCurrentMode({"0,5 Gerichtsgeb\201hren: 1)",
                          "0,5 Gerichtsgeb&uuml;hren: <sup><a href=\"#Mindest\">1</a></sup>"}),
           reckoning.paymentOrder(Schedule::Old), reckoning.paymentOrder(Schedule::New),
           reckoning.basis(), 1);
}

template <class Reckoning>
void printInstanceSections(const Reckoning& reckoning,
                           TotalsOf<typename Reckoning::Total>& totals) {
  const ReportOptions& options = runState().options;
  if (options.showFirstInstance) {
    printInstanceSection(reckoning, InstanceSection::FirstInstance, totals);
  }
  if (options.showAppeal) printInstanceSection(reckoning, InstanceSection::Appeal, totals);
  if (options.showRevision) {
    printInstanceSection(reckoning, InstanceSection::Revision, totals);
    printInstanceSection(reckoning, InstanceSection::BghRevision, totals);
  }
}

#define INSTANTIATE(Reckoning)                                                                     \
  template PerSchedule<Reckoning::Block> computeBlock(const Reckoning&, InstanceSection, Variant); \
  template void printPaymentOrderSection(const Reckoning&);                                        \
  template void printInstanceSections(const Reckoning&, TotalsOf<Reckoning::Total>&);
INSTANTIATE(Reckoning2013)
INSTANTIATE(ReckoningInCents)
#undef INSTANTIATE

}  // namespace zeb
