#include "run/sections.h"

#include <string>

#include "report/report_options.h"
#include "report/rows.h"
#include "run/cost_risk.h"

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
// `target`, alone or added to the costs through the appeal, which a way
// calls `baseName`.
struct TotalsRule {
  TotalsField target;
  const char* baseName;  // none: the costs stand alone
};

struct InstanceSectionRows {
  const char* key;
  const char* heading;
  const char* name;  // the instance in a way: "erste Instanz"
  BlockRows judgement;
  BlockRows settlement;
  TotalsRule totals;
};

// The keys of a block's rows, in the order of BlockRow.
constexpr const char* kBlockRowKeys[] = {"court_fees", "lawyer_fees", "lawyer_costs",
                                         "process_costs"};

constexpr Label kProcessRow = {"Proze\341kosten: Gerichtskosten + 2 * Anwaltskosten:",
                               "Proze&szlig;kosten: Gerichtskosten + 2 * Anwaltskosten:"};
constexpr Label kHalfShareRow = {"Proze\341kosten: 50 % Anteil f\201r jede Partei:",
                                 "Proze&szlig;kosten: 50 % Anteil f&uuml;r jede Partei:"};

// The lawyer's fees of VV RVG: procedure and hearing fee in each instance,
// and in a settlement its fee.
constexpr FeeRate kProcedure1 = {13, 3100, "Verfahrensgebühr"};
constexpr FeeRate kHearing1 = {12, 3104, "Terminsgebühr"};
constexpr FeeRate kProcedure2 = {16, 3200, "Verfahrensgebühr"};
constexpr FeeRate kHearing2 = {12, 3202, "Terminsgebühr"};
constexpr FeeRate kProcedure3 = {16, 3206, "Verfahrensgebühr"};
constexpr FeeRate kProcedureBgh = {23, 3208, "Verfahrensgebühr"};
constexpr FeeRate kHearing3 = {15, 3210, "Terminsgebühr"};
constexpr FeeRate kSettlement1 = {10, 1003, "Einigungsgebühr"};
constexpr FeeRate kSettlement23 = {13, 1004, "Einigungsgebühr"};
constexpr FeeRate kNone = {0, 0, ""};

constexpr const char* kWithAppeal = "Gesamtkosten mit Berufung";

// The rates in tenths: court fees of KV GKG, lawyer fees of VV RVG.
// clang-format off
constexpr InstanceSectionRows kInstanceSections[] = {
    {"first_instance", "Erstinstanzliches Verfahren vor dem Amts- oder Landgericht oder Verwaltungsgericht",
     "erste Instanz",
     {{{30, 1210, ""}, {kProcedure1, kHearing1, kNone}},
      {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"},
      {"2,5 Anwaltsgeb\201hren:", "2,5 Anwaltsgeb&uuml;hren:"},
      {"2,5 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "2,5 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {{{10, 1211, ""}, {kProcedure1, kHearing1, kSettlement1}},
      {"1 Gerichtsgeb\201hr:", "1 Gerichtsgeb&uuml;hr:"},
      {"3,5 Anwaltsgeb\201hren:", "3,5 Anwaltsgeb&uuml;hren:"},
      {"3,5 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "3,5 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {TotalsField::WithAppeal, nullptr}},
    {"appeal", "Berufungsverfahren in Zivilsachen oder Klageverfahren vor dem Oberverwaltungsgericht/Verwaltungsgerichtshof oder Finanzgericht",
     "Berufung",
     {{{40, 1220, ""}, {kProcedure2, kHearing2, kNone}},
      {"4 Gerichtsgeb\201hren:", "4 Gerichtsgeb&uuml;hren:"},
      {"2,8 Anwaltsgeb\201hren:", "2,8 Anwaltsgeb&uuml;hren:"},
      {"2,8 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "2,8 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {{{20, 1222, ""}, {kProcedure2, kHearing2, kSettlement23}},
      {"2 Gerichtsgeb\201hren:", "2 Gerichtsgeb&uuml;hren:"},
      {"4,1 Anwaltsgeb\201hren:", "4,1 Anwaltsgeb&uuml;hren:"},
      {"4,1 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "4,1 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {TotalsField::WithAppeal, "Prozesskosten erste Instanz"}},
    {"revision", "Revisionsverfahren (soweit nicht die Vertretung durch einen beim BGH zugelassenen Anwalt vorgeschrieben ist)",
     "Revision",
     {{{50, 1230, ""}, {kProcedure3, kHearing3, kNone}},
      {"5 Gerichtsgeb\201hren:", "5 Gerichtsgeb&uuml;hren:"},
      {"3,1 Anwaltsgeb\201hren:", "3,1 Anwaltsgeb&uuml;hren:"},
      {"3,1 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "3,1 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {{{30, 1232, ""}, {kProcedure3, kHearing3, kSettlement23}},
      {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"},
      {"4,4 Anwaltsgeb\201hren:", "4,4 Anwaltsgeb&uuml;hren:"},
      {"4,4 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "4,4 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {TotalsField::WithRevision, kWithAppeal}},
    {"revision_bgh", "Revisionsverfahren (soweit die Vertretung durch einen beim BGH zugelassenen Anwalt vorgeschrieben ist)",
     "Revision vor dem BGH",
     {{{50, 1230, ""}, {kProcedureBgh, kHearing3, kNone}},
      {"5 Gerichtsgeb\201hren:", "5 Gerichtsgeb&uuml;hren:"},
      {"3,8 Anwaltsgeb\201hren:", "3,8 Anwaltsgeb&uuml;hren:"},
      {"3,8 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "3,8 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {{{30, 1232, ""}, {kProcedureBgh, kHearing3, kSettlement23}},
      {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"},
      {"5,1 Anwaltsgeb\201hren:", "5,1 Anwaltsgeb&uuml;hren:"},
      {"5,1 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "5,1 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {TotalsField::WithBghRevision, kWithAppeal}},
};
// clang-format on

const InstanceSectionRows& sectionRows(InstanceSection section) {
  return kInstanceSections[static_cast<std::size_t>(section)];
}

const BlockRows& blockRows(InstanceSection section, Variant variant) {
  const InstanceSectionRows& rows = sectionRows(section);
  return variant == Variant::Judgement ? rows.judgement : rows.settlement;
}

Label labelOf(const BlockRows& rows, BlockRow row) {
  switch (row) {
    case BlockRow::Court:
      return rows.courtRow;
    case BlockRow::Lawyer:
      return rows.lawyerRow;
    case BlockRow::Gross:
      return rows.grossRow;
    case BlockRow::Process:
      break;
  }
  return kProcessRow;
}

// The way to `row` of a block whose ways are recorded, or none.
Way* wayOf(BlockOf<Way>* ways, BlockRow row) { return ways != nullptr ? &(*ways)[row] : nullptr; }

template <class Reckoning>
void printBlock(const Reckoning& r, const PerSchedule<typename Reckoning::Block>& values,
                Recorded<BlockOf<Way>>& ways, const BlockRows& rows) {
  for (const BlockRow row :
       {BlockRow::Court, BlockRow::Lawyer, BlockRow::Gross, BlockRow::Process}) {
    printRowOf(kBlockRowKeys[static_cast<std::size_t>(row)], labelOf(rows, row),
               r.shown(values[0][row]), r.shown(values[1][row]), r.basis(), 0, wayOf(ways[0], row),
               wayOf(ways[1], row));
  }
}

template <class Reckoning>
void printInstanceSection(const Reckoning& r, InstanceSection section,
                          TotalsOf<typename Reckoning::Total>& totals, TotalsOf<Way>* totalsWays,
                          CostRisk* risk) {
  const InstanceSectionRows& rows = sectionRows(section);
  const bool recorded = totalsWays != nullptr;
  const TotalsRule& rule = rows.totals;
  const bool added = rule.baseName != nullptr;
  const RiskInstance instance = {rows.name, section == InstanceSection::FirstInstance, rule.target,
                                 added};
  printHeading(1, rows.heading, rows.key);
  printVariantHeading('s');

  Recorded<BlockOf<Way>> ways(recorded);
  const auto judgement = computeBlock(r, section, Variant::Judgement, ways.both());
  printBlock(r, judgement, ways, rows.judgement);
  if (risk != nullptr) risk->afterJudgement(r, instance, judgement);
  const std::string processName = recorded ? std::string("Prozesskosten ") + rows.name : "";
  for (std::size_t s = 0; s < 2; ++s) {
    const SumWays sumWays = recorded ? SumWays{wayOf(ways[s], BlockRow::Process),
                                               processName.c_str(), &totalsWays->withAppeal[s],
                                               rule.baseName, &(*totalsWays)[rule.target][s]}
                                     : SumWays{};
    totals[rule.target][s] = r.total(judgement[s].process, added ? &totals.withAppeal[s] : nullptr,
                                     recorded ? &sumWays : nullptr);
  }

  if (!runState().options.showSettlement) return;
  printVariantHeading('v');
  const auto settlement = computeBlock(r, section, Variant::Settlement, ways.both());
  printBlock(r, settlement, ways, rows.settlement);
  Recorded<Way> half(recorded);
  printRowOf("half_each", kHalfShareRow,
             r.halfShare(settlement[0].process, wayOf(ways[0], BlockRow::Process), half[0]),
             r.halfShare(settlement[1].process, wayOf(ways[1], BlockRow::Process), half[1]),
             r.basis(), 1, half[0], half[1]);
  if (risk != nullptr) risk->afterSettlement(r, instance, settlement);
}

}  // namespace

template <class Reckoning>
PerSchedule<typename Reckoning::Block> computeBlock(const Reckoning& reckoning,
                                                    InstanceSection section, Variant variant,
                                                    PerSchedule<BlockOf<Way>>* ways) {
  const BlockRates& rates = blockRows(section, variant).rates;
  return {reckoning.block(Schedule::Old, rates, ways != nullptr ? &(*ways)[0] : nullptr),
          reckoning.block(Schedule::New, rates, ways != nullptr ? &(*ways)[1] : nullptr)};
}

template <class Reckoning>
void printPaymentOrderSection(const Reckoning& reckoning) {
  printHeading(1, "Mahnverfahren", "payment_order");
  // "1)" and the link point to the note on the minimum fee. The adjustment
  // widens only the text label column.
  Recorded<Way> ways(runState().recordsWays);
  printRowOf("court_fees",
             {"0,5 Gerichtsgeb\201hren: 1)",
              "0,5 Gerichtsgeb&uuml;hren: <sup><a href=\"#Mindest\">1</a></sup>"},
             reckoning.paymentOrder(Schedule::Old, ways[0]),
             reckoning.paymentOrder(Schedule::New, ways[1]), reckoning.basis(), 1, ways[0],
             ways[1]);
}

template <class Reckoning>
void printInstanceSections(const Reckoning& reckoning, TotalsOf<typename Reckoning::Total>& totals,
                           TotalsOf<Way>* ways, CostRisk* risk) {
  const ReportOptions& options = runState().options;
  using enum InstanceSection;
  if (options.showFirstInstance) printInstanceSection(reckoning, FirstInstance, totals, ways, risk);
  if (options.showAppeal) printInstanceSection(reckoning, Appeal, totals, ways, risk);
  if (options.showRevision) {
    printInstanceSection(reckoning, Revision, totals, ways, risk);
    printInstanceSection(reckoning, BghRevision, totals, ways, risk);
  }
}

#define INSTANTIATE(Reckoning)                                                                    \
  template PerSchedule<Reckoning::Block> computeBlock(const Reckoning&, InstanceSection, Variant, \
                                                      PerSchedule<BlockOf<Way>>*);                \
  template void printPaymentOrderSection(const Reckoning&);                                       \
  template void printInstanceSections(const Reckoning&, TotalsOf<Reckoning::Total>&,              \
                                      TotalsOf<Way>*, CostRisk*);
INSTANTIATE(Reckoning2013)
INSTANTIATE(ReckoningInCents)
#undef INSTANTIATE

}  // namespace zeb
