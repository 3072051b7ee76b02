#include "run/sections.h"

#include "report/report_options.h"
#include "report/rows.h"

namespace zeb {
namespace {

// Rates with a decimal fraction are double constants, whole factors and
// limits single-precision constants: the cents depend on it.
constexpr double kHalf = 0.5;
constexpr double kExpenseRate = 0.2;  // expense flat rate: 20 per cent ...
constexpr float kExpenseCap = 20;     // ... of the lawyer fees, at most 20 euros
constexpr double kWithVat = 1.16;     // VAT of 16 per cent
constexpr double kHalfShare = 2.0;

// The minimum fee of the payment-order procedure, per schedule.
constexpr PerSchedule<float> kPaymentOrderMinimum = {23, 32};

// The rates of one block and the labels of its rows.
struct BlockRates {
  float court;
  double lawyer;
  Label courtRow;
  Label lawyerRow;
  Label grossRow;
};

// How an instance's judgement process costs enter the totals.
using TotalsRule = void (*)(InstanceTotals& totals, std::size_t s, Extended process);

struct InstanceSectionRates {
  const char* heading;
  BlockRates judgement;
  BlockRates settlement;
  TotalsRule addToTotals;
};

constexpr Label kProcessRow = {"Proze\341kosten: Gerichtskosten + 2 * Anwaltskosten:",
                               "Proze&szlig;kosten: Gerichtskosten + 2 * Anwaltskosten:"};
constexpr Label kHalfShareRow = {"Proze\341kosten: 50 % Anteil f\201r jede Partei:",
                                 "Proze&szlig;kosten: 50 % Anteil f&uuml;r jede Partei:"};

// clang-format off
constexpr InstanceSectionRates kInstanceSections[] = {
    {"Erstinstanzliches Verfahren vor dem Amts- oder Landgericht oder Verwaltungsgericht",
     {3, 2.5, {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"},
              {"2,5 Anwaltsgeb\201hren:", "2,5 Anwaltsgeb&uuml;hren:"},
              {"2,5 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "2,5 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {1, 3.5, {"1 Gerichtsgeb\201hr:", "1 Gerichtsgeb&uuml;hr:"},
              {"3,5 Anwaltsgeb\201hren:", "3,5 Anwaltsgeb&uuml;hren:"},
              {"3,5 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "3,5 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     [](InstanceTotals& t, std::size_t s, Extended p) { t.withAppeal[s] = toDouble(p); }},
    {"Berufungsverfahren in Zivilsachen oder Klageverfahren vor dem Oberverwaltungsgericht/Verwaltungsgerichtshof oder Finanzgericht",
     {4, 2.8, {"4 Gerichtsgeb\201hren:", "4 Gerichtsgeb&uuml;hren:"},
              {"2,8 Anwaltsgeb\201hren:", "2,8 Anwaltsgeb&uuml;hren:"},
              {"2,8 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "2,8 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {2, 4.1, {"2 Gerichtsgeb\201hren:", "2 Gerichtsgeb&uuml;hren:"},
              {"4,1 Anwaltsgeb\201hren:", "4,1 Anwaltsgeb&uuml;hren:"},
              {"4,1 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "4,1 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     [](InstanceTotals& t, std::size_t s, Extended p) { t.withAppeal[s] = toDouble(t.withAppeal[s] + p); }},
    {"Revisionsverfahren (soweit nicht die Vertretung durch einen beim BGH zugelassenen Anwalt vorgeschrieben ist)",
     {5, 3.1, {"5 Gerichtsgeb\201hren:", "5 Gerichtsgeb&uuml;hren:"},
              {"3,1 Anwaltsgeb\201hren:", "3,1 Anwaltsgeb&uuml;hren:"},
              {"3,1 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "3,1 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {3, 4.4, {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"},
              {"4,4 Anwaltsgeb\201hren:", "4,4 Anwaltsgeb&uuml;hren:"},
              {"4,4 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "4,4 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     [](InstanceTotals& t, std::size_t s, Extended p) { t.withRevision[s] = toDouble(p + t.withAppeal[s]); }},
    {"Revisionsverfahren (soweit die Vertretung durch einen beim BGH zugelassenen Anwalt vorgeschrieben ist)",
     {5, 3.8, {"5 Gerichtsgeb\201hren:", "5 Gerichtsgeb&uuml;hren:"},
              {"3,8 Anwaltsgeb\201hren:", "3,8 Anwaltsgeb&uuml;hren:"},
              {"3,8 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "3,8 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     {3, 5.1, {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"},
              {"5,1 Anwaltsgeb\201hren:", "5,1 Anwaltsgeb&uuml;hren:"},
              {"5,1 Anwaltsgeb\201hren + Auslagenpauschale + MwSt:", "5,1 Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:"}},
     [](InstanceTotals& t, std::size_t s, Extended p) { t.withBghRevision[s] = toDouble(p + t.withAppeal[s]); }},
};
// clang-format on

// The percent basis of every section row: the amount read as unsigned.
std::uint64_t sectionBasis(std::int64_t amount) { return static_cast<std::uint64_t>(amount); }

Fee feeOf(Schedule schedule, std::int64_t amount, FeeKind kind) {
  return scheduleFee(schedule, static_cast<std::uint64_t>(amount), kind);
}

const InstanceSectionRates& sectionRates(InstanceSection section) {
  return kInstanceSections[static_cast<std::size_t>(section)];
}

const BlockRates& ratesOf(InstanceSection section, Variant variant) {
  const InstanceSectionRates& rates = sectionRates(section);
  return variant == Variant::Judgement ? rates.judgement : rates.settlement;
}

void printBlock(const PerSchedule<BlockValues>& values, const BlockRates& rates,
                std::uint64_t basis) {
  const BlockValues& o = values[0];
  const BlockValues& n = values[1];
  printRow(inCurrentMode(rates.courtRow), toSingle(o.court), toSingle(n.court), basis, 0);
  printRow(inCurrentMode(rates.lawyerRow), toSingle(o.lawyer), toSingle(n.lawyer), basis, 0);
  printRow(inCurrentMode(rates.grossRow), toSingle(o.gross), toSingle(n.gross), basis, 0);
  printRow(inCurrentMode(kProcessRow), toSingle(o.process), toSingle(n.process), basis, 0);
}

}  // namespace

float minFloat(float a, float b) { return b > a ? a : b; }

float maxFloat(float a, float b) { return a > b ? a : b; }

BlockValues blockValues(Fee courtFee, Fee lawyerFee, float courtRate, double lawyerRate) {
  BlockValues v{};
  // A single-precision fee times a whole rate up to 5 is exact in double.
  v.court = toDouble(Extended{courtRate} * toSingle(moneyFromFee(courtFee)));
  v.lawyer = toSingle(Extended{toDouble(moneyFromFee(lawyerFee))} * lawyerRate);
  const float expenses = minFloat(toSingle(Extended{v.lawyer} * kExpenseRate), kExpenseCap);
  v.gross = toDouble((Extended{expenses} + v.lawyer) * kWithVat);
  v.process = (Extended{v.gross} + v.gross) + v.court;
  return v;
}

PerSchedule<BlockValues> computeBlock(InstanceSection section, Variant variant,
                                      std::int64_t amount) {
  const BlockRates& rates = ratesOf(section, variant);
  PerSchedule<BlockValues> values{};
  for (Schedule s : kSchedules) {
    values[scheduleIndex(s)] =
        blockValues(feeOf(s, amount, FeeKind::Court), feeOf(s, amount, FeeKind::Lawyer),
                    rates.court, rates.lawyer);
  }
  return values;
}

float paymentOrderFee(Fee courtFee, float minimum) {
  return maxFloat(toSingle(Extended{toDouble(moneyFromFee(courtFee))} * kHalf), minimum);
}

void printPaymentOrderSection(std::int64_t amount) {
  PerSchedule<float> fee{};
  for (Schedule s : kSchedules) {
    const std::size_t i = scheduleIndex(s);
    fee[i] = paymentOrderFee(feeOf(s, amount, FeeKind::Court), kPaymentOrderMinimum[i]);
  }
  printHeading(1, "Mahnverfahren");
  // "1)" and the link point to the note on the minimum fee. The adjustment
  // widens only the text label column.
  printRow(inCurrentMode({"0,5 Gerichtsgeb\201hren: 1)",
                          "0,5 Gerichtsgeb&uuml;hren: <sup><a href=\"#Mindest\">1</a></sup>"}),
           fee[0], fee[1], sectionBasis(amount), 1);
}

void printInstanceSection(InstanceSection section, std::int64_t amount, InstanceTotals& totals) {
  const InstanceSectionRates& rates = sectionRates(section);
  const std::uint64_t basis = sectionBasis(amount);
  printHeading(1, rates.heading);
  printVariantHeading('s');

  const PerSchedule<BlockValues> judgement = computeBlock(section, Variant::Judgement, amount);
  printBlock(judgement, rates.judgement, basis);
  for (std::size_t s = 0; s < 2; ++s) rates.addToTotals(totals, s, judgement[s].process);

  if (!runState().options.showSettlement) return;
  printVariantHeading('v');
  const PerSchedule<BlockValues> settlement = computeBlock(section, Variant::Settlement, amount);
  printBlock(settlement, rates.settlement, basis);
  printRow(inCurrentMode(kHalfShareRow), toSingle(settlement[0].process / kHalfShare),
           toSingle(settlement[1].process / kHalfShare), basis, 1);
}

void printInstanceSections(std::int64_t amount, InstanceTotals& totals) {
  const ReportOptions& options = runState().options;
  if (options.showFirstInstance) {
    printInstanceSection(InstanceSection::FirstInstance, amount, totals);
  }
  if (options.showAppeal) printInstanceSection(InstanceSection::Appeal, amount, totals);
  if (options.showRevision) {
    printInstanceSection(InstanceSection::Revision, amount, totals);
    printInstanceSection(InstanceSection::BghRevision, amount, totals);
  }
}

}  // namespace zeb
