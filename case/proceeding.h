// A kind of proceeding as data: its instances with their names, headings
// and rates, how its first instance may end, its payment order, whether a
// party advances the court fees and whether an instance refunds lawyer
// costs. The engine computes any proceeding from its description; the
// labels of its rows are made from its rates, never written a second time.
#pragma once
#include <array>
#include <cstddef>
#include <span>

#include "fees/cents.h"
#include "fees/fee_schedule.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// A rate of the cost schedules: so many tenths of the full fee, with its
// number in the schedule (KV GKG or VV RVG) and, for a lawyer's fee, its
// name; for a court fee of none, why there is none.
struct FeeRate {
  int tenths;
  int number;
  const char* name;
};

// The rates of a block: the court fees, and the lawyer fees as the sum of
// the procedure fee, the hearing fee and, in a settlement, the settlement
// fee (0 tenths where there is none).
struct BlockRates {
  FeeRate court;
  FeeRate lawyer[3];

  constexpr int lawyerTenths() const {
    return lawyer[0].tenths + lawyer[1].tenths + lawyer[2].tenths;
  }
};

// How a block ends other than by judgement or settlement (an early ending of
// the first instance, an appeal withdrawn before its grounds): its court fee
// and each party's lawyer fees (none for a defendant whose lawyer did not
// act), and the party that bears the costs.
struct EndingRates {
  BlockRates sides[2];  // the claimant's and the defendant's; the court fee alike
  bool defended;        // the defendant's lawyer acted
  std::size_t bearer;   // the party that bears the costs: 0 the claimant, 1 the defendant
  const char* bearRule;  // in a way: "Nach einer Klagerücknahme trägt der Kläger die Kosten (...)"
};

// The instance sections, in the order of the report; a proceeding has some
// of them.
enum class InstanceSection { FirstInstance, Appeal, Revision, BghRevision };

// The totals over instances, in the order of the report.
enum class TotalsField { WithAppeal, WithRevision, WithBghRevision };

// A label made from a rate at compile time, in both renderings.
struct MadeLabel {
  std::array<char, 64> text{};
  std::array<char, 96> html{};

  Label label() const { return {text.data(), html.data()}; }
};

namespace made {

template <std::size_t N>
constexpr void append(std::array<char, N>& to, std::size_t& at, const char* text) {
  while (*text != '\0') to[at++] = *text++;
}

// A rate as a label writes it: whole ("3"), else with a decimal comma ("2,5").
template <std::size_t N>
constexpr void appendRate(std::array<char, N>& to, std::size_t& at, int tenths) {
  if (tenths >= 100) to[at++] = static_cast<char>('0' + tenths / 100);
  to[at++] = static_cast<char>('0' + tenths / 10 % 10);
  if (tenths % 10 == 0) return;
  to[at++] = ',';
  to[at++] = static_cast<char>('0' + tenths % 10);
}

}  // namespace made

// "<rate><text>" and "<rate><html>": "2,5 Anwaltsgebühren:".
constexpr MadeLabel rateLabel(int tenths, const char* text, const char* html) {
  MadeLabel label;
  std::size_t t = 0;
  std::size_t h = 0;
  made::appendRate(label.text, t, tenths);
  made::append(label.text, t, text);
  made::appendRate(label.html, h, tenths);
  made::append(label.html, h, html);
  return label;
}

// The court fees at `tenths`: "3 Gerichtsgebühren:", "1 Gerichtsgebühr:",
// "Keine Gerichtsgebühr:"; `mark` follows the colon (a note's mark).
constexpr MadeLabel courtFeesLabel(int tenths, const char* textMark = "",
                                   const char* htmlMark = "") {
  MadeLabel label;
  if (tenths == 0) {
    std::size_t t = 0;
    std::size_t h = 0;
    made::append(label.text, t, "Keine Gerichtsgeb\201hr:");
    made::append(label.html, h, "Keine Gerichtsgeb&uuml;hr:");
    return label;
  }
  const bool one = tenths == 10;
  label = rateLabel(tenths, one ? " Gerichtsgeb\201hr:" : " Gerichtsgeb\201hren:",
                    one ? " Gerichtsgeb&uuml;hr:" : " Gerichtsgeb&uuml;hren:");
  std::size_t t = 0;
  std::size_t h = 0;
  while (label.text[t] != '\0') ++t;
  while (label.html[h] != '\0') ++h;
  made::append(label.text, t, textMark);
  made::append(label.html, h, htmlMark);
  return label;
}

// The rates of a block and the labels of its rows, made from them.
struct BlockRows {
  BlockRates rates;
  MadeLabel court;
  MadeLabel lawyer;
  MadeLabel gross;
};

constexpr BlockRows blockRows(BlockRates rates) {
  const int lawyer = rates.lawyerTenths();
  return {rates, courtFeesLabel(rates.court.tenths),
          rateLabel(lawyer, " Anwaltsgeb\201hren:", " Anwaltsgeb&uuml;hren:"),
          rateLabel(lawyer, " Anwaltsgeb\201hren + Auslagenpauschale + MwSt:",
                    " Anwaltsgeb&uuml;hren + Auslagenpauschale + MwSt:")};
}

// How an instance's judgement process costs enter the totals: they become
// `target`, alone or added to the costs through the appeal, which a way
// calls `baseName`.
struct TotalsRule {
  TotalsField target;
  const char* baseName;  // none: the costs stand alone
};

// One instance of a proceeding.
struct Instance {
  InstanceSection section;
  const char* key;   // "first_instance": the figures' keys
  Label heading;     // "Erstinstanzliches Verfahren vor dem Arbeitsgericht"
  const char* name;  // in a way: "erste Instanz"
  BlockRows judgement;
  BlockRows settlement;
  TotalsRule totals;
  bool refundsLawyers;  // the loser refunds the winner's lawyer (§ 91 ZPO); not so § 12a ArbGG
};

// An early ending of the first instance: its heading, its key and its rates.
struct EndingRows {
  Ending ending;
  const char* key;
  Label heading;
  EndingRates rates;
  MadeLabel court;
};

constexpr EndingRows endingRows(Ending ending, const char* key, Label heading, EndingRates rates) {
  return {ending, key, heading, rates, courtFeesLabel(rates.sides[0].court.tenths)};
}

// The court fee of the payment order: its rate, its least amount in an
// edition, and whether it is owed where the respondent objects (an
// objection leaves a fee of the enforcement order unearned).
struct PaymentOrderRule {
  FeeRate court;
  Cents Edition::*minimum;
  bool owedAfterObjection;
  MadeLabel label;        // with the mark of the note on the minimum
  Label afterObjection;   // the row where no fee is owed after the objection
  const char* noFeeRule;  // why, in its way
};

// Who bears the costs of a judgement: the parties by the share each won
// (§§ 91, 92 ZPO), or each its own lawyer and half the court costs, the
// costs cancelled against each other (a divorce, § 150 Abs. 1 FamFG).
enum class CostRule { ByShare, Cancelled };

// The value of a divorce with its attached matters, which the spouses'
// circumstances give in place of an amount (FamGKG): the divorce so many
// months of both spouses' net income, at least and at most so much (§ 43);
// each pension right a share of that income, at least so much in all
// (§ 50 Abs. 1); custody and contact each a share of the divorce value, at
// most so much by the edition (§ 44 Abs. 2). Court practice, not statute:
// for each child the spouses maintain a sum a month off the income, and a
// share of the net assets above allowances for each spouse and child added.
struct DivorceValues {
  int months;
  Cents least;
  Cents most;
  int pensionPercent;
  Cents pensionLeast;
  int matterPercent;
  Cents Edition::*matterMost;
  Cents childMonthly;
  int assetsPercent;
  Cents spouseAllowance;
  Cents childAllowance;
};

// A kind of proceeding: what the engine needs to know of it.
struct Proceeding {
  Court court;
  std::span<const Instance> instances;         // in the order of the report
  std::span<const EndingRows> endings;         // of the first instance
  std::array<EndingRates, 2> appealWithdrawn;  // by the claimant, by the defendant
  MadeLabel appealWithdrawnCourt;
  PaymentOrderRule paymentOrder;
  // A party advances the court fees: the claimant the first instance's
  // (§ 12 Abs. 1 GKG), the appellant the appeal's (§ 22 Abs. 1 GKG); before
  // the labour courts no one (§ 11 GKG).
  bool courtFeeAdvanced;
  // The rows of what a party bears itself where an instance refunds no
  // lawyer costs, claimant first.
  Label ownLawyerRows[2];
  const char* noRefundRule;  // in a way: "§ 12a Abs. 1 ArbGG"
  CostRule costs = CostRule::ByShare;
  // The value of a divorce; none where the amount is given.
  const DivorceValues* divorce = nullptr;

  // The instance of `section`, or none.
  const Instance* instance(InstanceSection section) const {
    for (const Instance& i : instances) {
      if (i.section == section) return &i;
    }
    return nullptr;
  }
};

// The description of the proceeding before `court`.
const Proceeding& proceedingOf(Court court);

}  // namespace zeb
