#include "case/sections.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "case/appeal.h"
#include "case/case_bills.h"
#include "case/cost_risk.h"
#include "case/rvg_rates.h"
#include "report/german.h"
#include "report/report_options.h"

namespace zeb {
namespace {

// The keys of a block's rows, in the order of BlockRow.
constexpr const char* kBlockRowKeys[] = {"court_fees",
                                         "evidence",
                                         "lawyer_fees",
                                         "lawyer_costs",
                                         "claimant_lawyer_costs",
                                         "defendant_lawyer_costs",
                                         "process_costs"};

constexpr Label kProcessRow = {"Proze\341kosten: Gerichtskosten + 2 * Anwaltskosten:",
                               "Proze&szlig;kosten: Gerichtskosten + 2 * Anwaltskosten:"};
// The same where a party has no lawyer in the first instance: without the
// defendant's, without the claimant's, without either.
constexpr Label kProcessRowsWithout[] = {
    {"Proze\341kosten ohne Anwalt des Beklagten:", "Proze&szlig;kosten ohne Anwalt des Beklagten:"},
    {"Proze\341kosten ohne Anwalt des Kl\204gers:",
     "Proze&szlig;kosten ohne Anwalt des Kl&auml;gers:"},
    {"Proze\341kosten ohne Anw\204lte:", "Proze&szlig;kosten ohne Anw&auml;lte:"},
};
// The rows of a case around the lawsuit.
constexpr Label kCaseProcessRow = {"Proze\341kosten: Gerichtskosten + beide Anw\204lte:",
                                   "Proze&szlig;kosten: Gerichtskosten + beide Anw&auml;lte:"};
constexpr Label kEvidenceRow = {"Zeugen und Sachverst\204ndige (KV 9005):",
                                "Zeugen und Sachverst&auml;ndige (KV 9005):"};
constexpr Label kPartyLawyerRows[] = {
    {"Anwaltskosten des Kl\204gers:", "Anwaltskosten des Kl&auml;gers:"},
    {"Anwaltskosten des Beklagten:", "Anwaltskosten des Beklagten:"},
};
constexpr const char* kPartyLawyerKeys[] = {"claimant_lawyer_costs", "defendant_lawyer_costs"};
// Under legal aid: what the state pays a party's assigned lawyer.
constexpr Label kAssignedRows[] = {
    {"Anwalt des Kl\204gers aus Staatskasse (\365 49 RVG):",
     "Anwaltskosten des Kl&auml;gers aus der Staatskasse (&sect; 49 RVG):"},
    {"Anwalt des Beklagten aus Staatskasse (\365 49 RVG):",
     "Anwaltskosten des Beklagten aus der Staatskasse (&sect; 49 RVG):"},
};
constexpr const char* kAssignedKeys[] = {"claimant_lawyer_from_state",
                                         "defendant_lawyer_from_state"};
constexpr Label kHalfShareRow = {"Proze\341kosten: 50 % Anteil f\201r jede Partei:",
                                 "Proze&szlig;kosten: 50 % Anteil f&uuml;r jede Partei:"};

constexpr Label kAppealWithdrawnHeading = {"Berufung vor der Begr\201ndung zur\201ckgenommen",
                                           "Berufung vor der Begr&uuml;ndung zur&uuml;ckgenommen"};
constexpr int kWithdrawnAppealBlock = 2;

// The labels of a block's rows that name its rates, and its lawyers' rate.
struct BlockLabels {
  Label court;
  Label lawyer;
  Label gross;
  int lawyerTenths;
};

BlockLabels labelsOf(const BlockRows& rows) {
  return {rows.court.label(), rows.lawyer.label(), rows.gross.label(), rows.rates.lawyerTenths()};
}

Label labelOf(const BlockLabels& labels, BlockRow row, bool aroundTheLawsuit,
              std::array<bool, 2> lawyers) {
  switch (row) {
    case BlockRow::Court:
      return labels.court;
    case BlockRow::Evidence:
      return kEvidenceRow;
    case BlockRow::Lawyer:
      return labels.lawyer;
    case BlockRow::Gross:
      return labels.gross;
    case BlockRow::ClaimantLawyer:
      return kPartyLawyerRows[0];
    case BlockRow::DefendantLawyer:
      return kPartyLawyerRows[1];
    case BlockRow::Process:
      break;
  }
  if (aroundTheLawsuit) return kCaseProcessRow;
  if (lawyers[0] && lawyers[1]) return kProcessRow;
  return kProcessRowsWithout[lawyers[0] ? 0 : lawyers[1] ? 1 : 2];
}

// `label` with the rate at its start raised from `from` to `to` tenths:
// "3,1 Anwaltsgebühren:" of "2,8 Anwaltsgebühren:".
RowLabel raised(Label label, int from, int to) {
  const std::size_t rate = tenths(from).size();
  return {tenths(to) + (label.text + rate), tenths(to) + (label.html + rate)};
}

// `label` with the payment order's court fee taken off.
RowLabel lessPaymentOrder(Label label) {
  const std::string text = label.text;
  const std::string html = label.html;
  return {text.substr(0, text.size() - 1) + ", abz\201glich Mahnverfahren:",
          html.substr(0, html.size() - 1) + ", abz&uuml;glich Mahnverfahren:"};
}

// Under -V, the sub-heading of the judgement block ('s') or of the
// settlement block ('v'); otherwise none. Where `moreVariants` follow the
// judgement in its section, its sub-heading stands without -V too.
void addVariantHeading(Figures& figures, const ReportOptions& options, char kind,
                       bool moreVariants = false) {
  if (kind == 's' && (options.showSettlement || moreVariants)) {
    addHeading(figures, 2, {"Verfahren mit streitigem Urteil", "Verfahren mit streitigem Urteil"},
               kJudgmentKey);
  } else if (kind == 'v' && options.showSettlement) {
    addHeading(figures, 2,
               {"Verfahren mit Proze\341vergleich", "Verfahren mit Proze&szlig;vergleich"},
               "settlement");
  }
}

// The way to `row` of a block whose ways are recorded, or none.
Way* wayOf(BlockOf<Way>* ways, BlockRow row) { return ways != nullptr ? &(*ways)[row] : nullptr; }

// The rows a block shows, in their order: at most five.
struct ShownRows {
  std::array<BlockRow, 5> rows{};
  std::size_t count = 0;

  void push(BlockRow row) { rows[count++] = row; }
  const BlockRow* begin() const { return rows.data(); }
  const BlockRow* end() const { return rows.data() + count; }
};

// The rows of a block: the court fees, one party's lawyer fees with and
// without flat rate and VAT, and the process costs. Around the lawsuit
// the first instance adds its evidence costs, and each party's bill stands
// on its own row where the bills differ: always in the first instance,
// elsewhere where the parties' clients differ; in the case by its dates
// also where the two lawyers' mandates fall under different editions.
template <class Reckoning>
ShownRows rowsShown(const Reckoning& r, InstanceSection section) {
  const bool first = section == InstanceSection::FirstInstance;
  const ReportOptions* around = r.around();
  ShownRows shown;
  shown.push(BlockRow::Court);
  if (around != nullptr && first &&
      (around->claimantCase.evidence + around->defendantCase.evidence).count != 0) {
    shown.push(BlockRow::Evidence);
  }
  bool partyBills =
      around != nullptr && (first || around->claimantCase.clients != around->defendantCase.clients);
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    partyBills = partyBills || r.lawyersDiffer(section);
  }
  shown.push(partyBills ? BlockRow::ClaimantLawyer : BlockRow::Lawyer);
  shown.push(partyBills ? BlockRow::DefendantLawyer : BlockRow::Gross);
  shown.push(BlockRow::Process);
  return shown;
}

// The rows of an ending's block: each party's bill on a row of its own.
constexpr BlockRow kEndingRowsShown[] = {BlockRow::Court, BlockRow::ClaimantLawyer,
                                         BlockRow::DefendantLawyer, BlockRow::Process};

// The bills of the lawyers assigned under legal aid in a block: each aided
// party's, in both columns, with their ways where recorded.
struct AssignedBills {
  std::array<std::optional<PerSchedule<LawyerBill>>, 2> bills;
  std::array<Recorded<Way>, 2> ways;
};

// The assigned lawyers' bills of a reform's block of `sides`' lawyer fees
// (none: that party's lawyer did not act), recorded in `ledgers` under
// `matter`.
AssignedBills assignedBills(const ReckoningInCents& r, const ReportOptions& options,
                            const std::array<const BlockRates*, 2>& sides, const Matter& matter,
                            Ledgers* ledgers, bool recorded) {
  AssignedBills result = {{}, {Recorded<Way>(recorded), Recorded<Way>(recorded)}};
  const std::array<bool, 2> aided = {options.claimant.legalAid, options.defendant.legalAid};
  for (const std::size_t side : {kClaimantSide, kDefendantSide}) {
    if (!aided[side] || sides[side] == nullptr) continue;
    PerSchedule<LawyerBill>& bills = result.bills[side].emplace();
    for (const Schedule schedule : {Schedule::Old, Schedule::New}) {
      const std::size_t s = scheduleIndex(schedule);
      Way* way = result.ways[side][s];
      bills[s] = r.assignedBill(schedule, *sides[side], side, matter.section,
                                way != nullptr ? &way->steps : nullptr);
      if (ledgers != nullptr) {
        (*ledgers)[s].add({matter, CostKind::AssignedBill, side, {}, bills[s], bills[s]});
      }
    }
  }
  return result;
}

// Adds the row of `side`'s assigned lawyer, where it has one.
template <class Reckoning>
void addAssignedRow(Figures& figures, const Reckoning& r, AssignedBills* assigned,
                    std::size_t side) {
  if (assigned == nullptr || !assigned->bills[side]) return;
  const PerSchedule<LawyerBill>& bills = *assigned->bills[side];
  addRowOf(figures, kAssignedKeys[side], kAssignedRows[side], bills[0].gross(), bills[1].gross(),
           r.basis(), 0, assigned->ways[side][0], assigned->ways[side][1]);
}

// Adds the rows `shown` of a block with their labels in `rows`, and under
// legal aid the `assigned` lawyers' rows under the lawyer costs.
template <class Reckoning, class Rows>
void addBlock(Figures& figures, const Reckoning& r,
              const PerSchedule<typename Reckoning::Block>& values, Recorded<BlockOf<Way>>& ways,
              const BlockLabels& labels, bool first, const Rows& shown,
              AssignedBills* assigned = nullptr) {
  const ReportOptions* around = r.around();
  const bool partyRows =
      std::find(std::begin(shown), std::end(shown), BlockRow::ClaimantLawyer) != std::end(shown);
  // Both parties' clients raise the procedure fee alike.
  const int raise = around != nullptr ? clientsRaise(around->claimantCase.clients) : 0;
  for (const BlockRow row : shown) {
    const Label label = labelOf(labels, row, around != nullptr || partyRows, r.lawyersIn(first));
    RowLabel shownLabel = label;
    // The payment order's court fee is credited where it is owed after the
    // objection that led to the lawsuit.
    const bool lessPaymentOrderFee = around != nullptr && first && around->afterPaymentOrder &&
                                     r.proceeding().paymentOrder.owedAfterObjection;
    if (!figures.withLabels) {
      // A reader of keys needs no label made for the row.
    } else if (row == BlockRow::Court && lessPaymentOrderFee) {
      shownLabel = lessPaymentOrder(label);
    } else if ((row == BlockRow::Lawyer || row == BlockRow::Gross) && raise != 0) {
      shownLabel = raised(label, labels.lawyerTenths, labels.lawyerTenths + raise);
    }
    addRowOf(figures, kBlockRowKeys[static_cast<std::size_t>(row)], std::move(shownLabel),
             r.shown(values[0][row]), r.shown(values[1][row]), r.basis(), 0, wayOf(ways[0], row),
             wayOf(ways[1], row));
    if (row == BlockRow::ClaimantLawyer || row == BlockRow::Gross) {
      addAssignedRow(figures, r, assigned, kClaimantSide);
    }
    if (row == BlockRow::DefendantLawyer || row == BlockRow::Gross) {
      addAssignedRow(figures, r, assigned, kDefendantSide);
    }
  }
}

// The assigned lawyers' bills of a block where a party has legal aid; none
// else, and none in the report of 2013.
template <class Reckoning>
std::optional<AssignedBills> assignedOf(const Reckoning& r, const ReportOptions& options,
                                        const std::array<const BlockRates*, 2>& sides,
                                        const Matter& matter, Ledgers* ledgers, bool recorded) {
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    if (options.legalAid()) return assignedBills(r, options, sides, matter, ledgers, recorded);
  }
  return std::nullopt;
}

// Records the blocks `values` of `matter` in a reform's `ledgers`.
template <class Block>
void record(Ledgers* ledgers, const Matter& matter, const PerSchedule<Block>& values) {
  if constexpr (std::is_same_v<Block, CentsBlock>) {
    if (ledgers == nullptr) return;
    for (std::size_t s = 0; s < 2; ++s) recordBlock((*ledgers)[s], matter, values[s]);
  }
}

// The value of an appeal taken as a decision, at the head of its section:
// what the appellant lost, with its way.
void addAppealValueRow(Figures& figures, const ReportOptions& options, std::uint64_t amount) {
  const Cents value = appealValue(options, amount);
  Recorded<Way> ways(figures.withWays);
  if (ways[0] != nullptr) {
    const std::size_t appellant = *options.appellant;
    const ShareWon& share = *options.shareWon;
    const std::int64_t lost = appellant == kClaimantSide ? share.of - share.won : share.won;
    const Cents whole = {static_cast<std::int64_t>(amount) * 100};
    const bool rounded = whole.count * lost % share.of != 0;
    ways[0]->steps = {
        std::string("Wert der Berufung (§ 47 Abs. 1 GKG, § 23 Abs. 1 RVG): was der ") +
        (appellant == kClaimantSide ? "Kläger" : "Beklagte") + " in erster Instanz verlor, " +
        partText(share, appellant) + " von " + euros(whole) + " = " + euros(value) +
        (rounded ? ", auf den Cent aufgerundet" : "")};
    if (value.count % 100 != 0) {
      ways[0]->steps.push_back(
          "Die Gebühren zählen jeden angefangenen Wertschritt (§ 34 Abs. 1 GKG, § 13 Abs. 1 "
          "RVG): wie für " +
          wholeEuros(feeValueOf(value)));
    }
  }
  addRowOf(figures, "amount", Label{"Wert der Berufung:", "Wert der Berufung:"}, value, Cents{}, 0,
           0, ways[0], ways[1]);
}

// One instance section being added: where its rows go, what it computes
// with, and what it is.
template <class Reckoning>
struct Section {
  Figures& figures;
  const ReportOptions& options;
  const Reckoning& r;
  const Instance& instance;
  CostRisk* risk;
  Ledgers* ledgers;
  bool recorded;  // the ways are recorded
  bool decided;   // an appeal taken as a decision, at its own value

  bool first() const { return instance.section == InstanceSection::FirstInstance; }
  RiskInstance riskInstance() const { return {&instance, decided}; }
};

// The values of a block of `rates` in both columns, and their ways where
// `ways` is given.
template <class Reckoning>
PerSchedule<typename Reckoning::Block> blocksOf(const Reckoning& r, const BlockRates& rates,
                                                InstanceSection section,
                                                PerSchedule<BlockOf<Way>>* ways) {
  return {r.block(Schedule::Old, rates, section, ways != nullptr ? &(*ways)[0] : nullptr),
          r.block(Schedule::New, rates, section, ways != nullptr ? &(*ways)[1] : nullptr)};
}

// Adds the judgement's block, and who bears its costs.
template <class Reckoning>
PerSchedule<typename Reckoning::Block> addJudgement(const Section<Reckoning>& c,
                                                    Recorded<BlockOf<Way>>& ways) {
  const BlockRows& rows = c.instance.judgement;
  const Matter matter = blockOf(c.instance.section, kJudgementBlock);
  auto judgement = blocksOf(c.r, rows.rates, c.instance.section, ways.both());
  record(c.ledgers, matter, judgement);
  std::optional<AssignedBills> assigned =
      assignedOf(c.r, c.options, {&rows.rates, &rows.rates}, matter, c.ledgers, c.recorded);
  addBlock(c.figures, c.r, judgement, ways, labelsOf(rows), c.first(),
           rowsShown(c.r, c.instance.section), assigned ? &*assigned : nullptr);
  if (c.risk != nullptr) c.risk->afterJudgement(c.r, c.riskInstance(), matter);
  return judgement;
}

// What the judgement `judgement` adds to the totals over instances: its
// process costs; around a lawsuit what its parties bear of it, so that the
// totals are the sum of their parts; under legal aid with a share, what the
// parties and the state bear.
template <class Reckoning>
typename JudgementTotals<typename Reckoning::Part>::Entry totalOf(
    const Section<Reckoning>& c, const PerSchedule<typename Reckoning::Block>& judgement,
    Recorded<BlockOf<Way>>& ways) {
  typename JudgementTotals<typename Reckoning::Part>::Entry entry;
  for (std::size_t s = 0; s < 2; ++s) {
    entry.value[s] = judgement[s].process;
    if (c.recorded) entry.ways[s].exact = ways[s]->process.exact;
  }
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    const std::optional<PerSchedule<Cents>>* aided =
        c.risk != nullptr ? &c.risk->aidedInAll(c.instance.section) : nullptr;
    entry.borne = c.r.totalsCountCostsBorne(c.first()) || (aided != nullptr && *aided);
    if (!entry.borne) return entry;
    const Matter matter = blockOf(c.instance.section, kJudgementBlock);
    for (std::size_t s = 0; s < 2; ++s) {
      Steps* steps = c.recorded ? &entry.ways[s].steps : nullptr;
      if (aided != nullptr && *aided) {
        entry.value[s] = (**aided)[s];
        if (steps != nullptr) *steps = c.risk->aidedInAllWay(c.instance.section, s)->steps;
      } else {
        entry.value[s] =
            costsBorne((*c.ledgers)[s], matter, c.first(),
                       {c.options.claimant.deductsVat, c.options.defendant.deductsVat}, steps);
      }
    }
  }
  return entry;
}

// Adds the settlement's block, the half each party bears of it, and who
// bears its costs.
template <class Reckoning>
void addSettlement(const Section<Reckoning>& c, Recorded<BlockOf<Way>>& ways) {
  addVariantHeading(c.figures, c.options, 'v');
  const BlockRows& rows = c.instance.settlement;
  const Matter matter = blockOf(c.instance.section, kSettlementBlock);
  const auto settlement = blocksOf(c.r, rows.rates, c.instance.section, ways.both());
  record(c.ledgers, matter, settlement);
  std::optional<AssignedBills> settled =
      assignedOf(c.r, c.options, {&rows.rates, &rows.rates}, matter, c.ledgers, c.recorded);
  addBlock(c.figures, c.r, settlement, ways, labelsOf(rows), c.first(),
           rowsShown(c.r, c.instance.section), settled ? &*settled : nullptr);
  Recorded<Way> half(c.recorded);
  addRowOf(c.figures, "half_each", kHalfShareRow,
           c.r.halfShare(settlement[0].process, wayOf(ways[0], BlockRow::Process), half[0]),
           c.r.halfShare(settlement[1].process, wayOf(ways[1], BlockRow::Process), half[1]),
           c.r.basis(), 1, half[0], half[1]);
  if (c.risk != nullptr) c.risk->afterSettlement(c.r, c.riskInstance(), matter);
}

// Adds the block `block` of the section that ends as `rates` say, with
// `heading` and its court row `court`, and who bears its costs; it enters
// no totals, since it ends the lawsuit.
void addEndingBlock(const Section<ReckoningInCents>& c, Recorded<BlockOf<Way>>& ways,
                    const EndingRates& rates, int block, const Label& court) {
  const Matter matter = blockOf(c.instance.section, block);
  PerSchedule<CentsBlock> values;
  for (std::size_t s = 0; s < 2; ++s) {
    values[s] =
        c.r.endingBlock(s == 0 ? Schedule::Old : Schedule::New, rates, ways[s], c.instance.section);
  }
  record(c.ledgers, matter, values);
  std::optional<AssignedBills> assigned =
      c.decided ? std::nullopt
                : assignedOf(c.r, c.options,
                             {&rates.sides[kClaimantSide],
                              rates.defended ? &rates.sides[kDefendantSide] : nullptr},
                             matter, c.ledgers, c.recorded);
  const BlockLabels labels = {court, {}, {}, rates.sides[kClaimantSide].lawyerTenths()};
  addBlock(c.figures, c.r, values, ways, labels, c.first(), kEndingRowsShown,
           assigned ? &*assigned : nullptr);
  if (c.risk != nullptr) c.risk->afterEnding(c.r, c.riskInstance(), rates, matter);
}

// Adds the endings of a reform's first instance that the options show, and
// an appeal taken as a decision withdrawn before its grounds.
void addEndings(const Section<ReckoningInCents>& c, Recorded<BlockOf<Way>>& ways) {
  const Proceeding& proceeding = c.r.proceeding();
  if (c.decided) {
    addHeading(c.figures, 2, kAppealWithdrawnHeading, "withdrawal");
    addEndingBlock(c, ways, proceeding.appealWithdrawn[*c.options.appellant], kWithdrawnAppealBlock,
                   proceeding.appealWithdrawnCourt.label());
  }
  if (!c.first()) return;
  int block = kSettlementBlock;
  for (const EndingRows& ending : proceeding.endings) {
    ++block;
    if (!c.options.shows(ending.ending)) continue;
    addHeading(c.figures, 2, ending.heading, ending.key);
    addEndingBlock(c, ways, ending.rates, block, ending.court.label());
  }
}

// Adds the section of `c`'s instance: its heading, an appeal's value, its
// blocks and who bears their costs; its judgement's part of the totals
// goes into `totals`.
template <class Reckoning>
void addInstanceSection(const Section<Reckoning>& c, std::uint64_t decidedFrom,
                        JudgementTotals<typename Reckoning::Part>& totals) {
  addHeading(c.figures, 1, c.instance.heading, c.instance.key);
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    if (c.decided) addAppealValueRow(c.figures, c.options, decidedFrom);
  }
  const bool endings = c.first() && c.options.anyEnding();
  addVariantHeading(c.figures, c.options, 's', endings || c.decided);
  Recorded<BlockOf<Way>> ways(c.recorded);
  const auto judgement = addJudgement(c, ways);
  totals.instances[static_cast<std::size_t>(c.instance.section)] = totalOf(c, judgement, ways);
  if (c.options.showSettlement) addSettlement(c, ways);
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    if (endings || c.decided) addEndings(c, ways);
  }
}

// Adds each party's bill in the matter `matter` before the first
// instance, where `billOf(bills, side, steps)` gives it one, from the 1,0
// fee on, and records it in `ledgers` with the bill that an opponent
// refunds, `refundedOf(bills, side)`.
template <class BillOf, class RefundedOf>
void addPartyBills(Figures& figures, const ReckoningInCents& reckoning, const Matter& matter,
                   Ledgers& ledgers, BillOf billOf, RefundedOf refundedOf) {
  for (const std::size_t side : {kClaimantSide, kDefendantSide}) {
    Recorded<Way> ways(figures.withWays);
    PerSchedule<Cents> gross;
    bool billed = false;
    for (const Schedule schedule : {Schedule::Old, Schedule::New}) {
      const std::size_t s = scheduleIndex(schedule);
      Way* way = ways[s];
      // The matter's own edition: its mandate's.
      if (way != nullptr) way->steps = reckoning.earlierFeeWay(schedule, matter == kPreTrial, side);
      const CaseBills bills = reckoning.caseBills(schedule);
      const std::optional<LawyerBill> bill =
          billOf(bills, side, way != nullptr ? &way->steps : nullptr);
      billed = bill.has_value();
      if (!billed) continue;
      gross[s] = bill->gross();
      ledgers[s].add({matter, CostKind::LawyerBill, side, {}, *bill, refundedOf(bills, side)});
    }
    if (billed) {
      addRowOf(figures, kPartyLawyerKeys[side], kPartyLawyerRows[side], gross[0], gross[1],
               reckoning.basis(), 0, ways[0], ways[1]);
    }
  }
}

}  // namespace

template <class Reckoning>
PerSchedule<typename Reckoning::Block> computeBlock(const Reckoning& reckoning,
                                                    InstanceSection section, Variant variant,
                                                    PerSchedule<BlockOf<Way>>* ways) {
  const Instance& instance = *reckoning.proceeding().instance(section);
  const BlockRows& rows = variant == Variant::Judgement ? instance.judgement : instance.settlement;
  return blocksOf(reckoning, rows.rates, section, ways);
}

template <class Reckoning>
void addPaymentOrderSection(Figures& figures, const Reckoning& reckoning, Ledgers* ledgers) {
  addHeading(figures, 1, {"Mahnverfahren", "Mahnverfahren"}, "payment_order");
  // "1)" and the link point to the note on the minimum fee. The adjustment
  // widens only the text label column.
  Recorded<Way> ways(figures.withWays);
  const PaymentOrderRule& rule = reckoning.proceeding().paymentOrder;
  // A lawsuit after the payment order followed an objection: where the fee
  // is not owed then, its row says so.
  bool afterObjection = false;
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    afterObjection = reckoning.around() != nullptr && reckoning.around()->afterPaymentOrder;
  }
  const bool noFee = afterObjection && !rule.owedAfterObjection;
  const auto oldFee = reckoning.paymentOrder(Schedule::Old, ways[0], afterObjection);
  const auto newFee = reckoning.paymentOrder(Schedule::New, ways[1], afterObjection);
  addRowOf(figures, "court_fees", noFee ? rule.afterObjection : rule.label.label(), oldFee, newFee,
           reckoning.basis(), noFee ? 0 : 1, ways[0], ways[1]);
  // After a payment order, each party's lawyer bill in it; its costs are
  // those of the lawsuit that follows.
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    if (!afterObjection || ledgers == nullptr) return;
    (*ledgers)[0].add({kPaymentOrder, CostKind::CourtFee, kClaimantSide, oldFee, {}, {}});
    (*ledgers)[1].add({kPaymentOrder, CostKind::CourtFee, kClaimantSide, newFee, {}, {}});
    addPartyBills(
        figures, reckoning, kPaymentOrder, *ledgers,
        [](const CaseBills& bills, std::size_t side, Steps* steps) {
          return std::optional<LawyerBill>(bills.paymentOrder(side, true, steps));
        },
        [](const CaseBills& bills, std::size_t side) {
          return bills.paymentOrder(side, false, nullptr);
        });
  }
}

void addPreTrialSection(Figures& figures, const ReckoningInCents& reckoning, Ledgers& ledgers) {
  addHeading(figures, 1, {"Vorgerichtliche T\204tigkeit", "Vorgerichtliche T&auml;tigkeit"},
             "pre_trial");
  // No opponent refunds a business fee: the winner can claim it only as
  // damages.
  addPartyBills(
      figures, reckoning, kPreTrial, ledgers,
      [](const CaseBills& bills, std::size_t side, Steps* steps) {
        return bills.businessFee(side, steps);
      },
      [](const CaseBills&, std::size_t) { return LawyerBill{}; });
}

// The section of a refused application for legal aid, named for the side
// that applied: the claimant's, after which no lawsuit follows, the
// defendant's, or both.
constexpr Label kAidRefusedHeadings[] = {
    {"Prozesskostenhilfe des Kl\204gers abgelehnt, keine Klage",
     "Prozesskostenhilfe des Kl&auml;gers abgelehnt, keine Klage"},
    {"Prozesskostenhilfe des Beklagten abgelehnt", "Prozesskostenhilfe des Beklagten abgelehnt"},
    {"Prozesskostenhilfe beider Parteien abgelehnt, keine Klage",
     "Prozesskostenhilfe beider Parteien abgelehnt, keine Klage"},
};

void addAidRefusedSection(Figures& figures, const ReckoningInCents& reckoning) {
  const ReportOptions* options = reckoning.around();
  const std::array<bool, 2> aided = {options->claimant.legalAid, options->defendant.legalAid};
  addHeading(figures, 1,
             kAidRefusedHeadings[aided[0] && aided[1] ? 2
                                 : aided[0]           ? 0
                                                      : 1],
             "aid_refused");
  constexpr BlockRates kApplication = {rvg::kNone,
                                       {{10, 3335, "Verfahrensgebühr"}, rvg::kNone, rvg::kNone}};
  for (const std::size_t side : {kClaimantSide, kDefendantSide}) {
    if (!aided[side]) continue;
    Recorded<Way> ways(figures.withWays);
    PerSchedule<Cents> gross;
    for (const Schedule schedule : {Schedule::Old, Schedule::New}) {
      const std::size_t s = scheduleIndex(schedule);
      gross[s] =
          reckoning
              .feeBill(schedule, kApplication, side, ways[s] != nullptr ? &ways[s]->steps : nullptr)
              .gross();
    }
    addRowOf(figures, kPartyLawyerKeys[side], kPartyLawyerRows[side], gross[0], gross[1],
             reckoning.basis(), 0, ways[0], ways[1]);
  }
}

template <class Reckoning>
void addInstanceSections(Figures& figures, const ReportOptions& options, const Reckoning& reckoning,
                         JudgementTotals<typename Reckoning::Part>& totals, CostRisk* risk,
                         Ledgers* ledgers) {
  const bool recorded = figures.withWays;
  for (const Instance& instance : reckoning.proceeding().instances) {
    if (!shown(options, instance.section)) continue;
    if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
      // An appeal taken as a decision has a value of its own: what the
      // appellant lost by the share won (the command line asks for one).
      if (instance.section == InstanceSection::Appeal && options.appellant && options.shareWon) {
        const ReckoningInCents appeal(
            options.reform, feeValueOf(appealValue(options, reckoning.basis())), &options);
        addInstanceSection(Section<ReckoningInCents>{figures, options, appeal, instance, risk,
                                                     ledgers, recorded, true},
                           reckoning.basis(), totals);
        return;
      }
    }
    addInstanceSection(
        Section<Reckoning>{figures, options, reckoning, instance, risk, ledgers, recorded, false},
        0, totals);
  }
}

bool shown(const ReportOptions& options, InstanceSection section) {
  switch (section) {
    case InstanceSection::FirstInstance:
      return options.showFirstInstance;
    case InstanceSection::Appeal:
      return options.showAppeal;
    case InstanceSection::Revision:
    case InstanceSection::BghRevision:
      break;
  }
  return options.showRevision;
}

#define INSTANTIATE(Reckoning)                                                                    \
  template PerSchedule<Reckoning::Block> computeBlock(const Reckoning&, InstanceSection, Variant, \
                                                      PerSchedule<BlockOf<Way>>*);                \
  template void addPaymentOrderSection(Figures&, const Reckoning&, Ledgers*);                     \
  template void addInstanceSections(Figures&, const ReportOptions&, const Reckoning&,             \
                                    JudgementTotals<Reckoning::Part>&, CostRisk*, Ledgers*);
INSTANTIATE(Reckoning2013)
INSTANTIATE(ReckoningInCents)
#undef INSTANTIATE

}  // namespace zeb
