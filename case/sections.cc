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
#include "report/german.h"
#include "report/report_options.h"

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
constexpr const char* kBlockRowKeys[] = {"court_fees",
                                         "evidence",
                                         "lawyer_fees",
                                         "lawyer_costs",
                                         "claimant_lawyer_costs",
                                         "defendant_lawyer_costs",
                                         "process_costs"};

constexpr Label kProcessRow = {"Proze\341kosten: Gerichtskosten + 2 * Anwaltskosten:",
                               "Proze&szlig;kosten: Gerichtskosten + 2 * Anwaltskosten:"};
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
// The hearing fee of a default judgement in the written preliminary
// procedure (VV RVG Nr. 3105 Anm. Abs. 1 Nr. 2).
constexpr FeeRate kDefaultHearing = {5, 3105, "Terminsgebühr"};

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

// How the first instance may end besides judgement and settlement: its
// heading, key and court row, its rates (KV GKG Nr. 1210, 1211; VV RVG Nr.
// 3100, 3104, 3105) and who bears its costs.
struct EndingRows {
  Ending ending;
  const char* key;
  Label heading;
  Label courtRow;
  EndingRates rates;
};

constexpr BlockRates kEndedEarly = {{10, 1211, ""}, {kProcedure1, kNone, kNone}};
constexpr BlockRates kAcknowledged = {{10, 1211, ""}, {kProcedure1, kHearing1, kNone}};
constexpr BlockRates kInDefault = {{30, 1210, ""}, {kProcedure1, kDefaultHearing, kNone}};
constexpr Label kOneCourtFee = {"1 Gerichtsgeb\201hr:", "1 Gerichtsgeb&uuml;hr:"};
constexpr Label kThreeCourtFees = {"3 Gerichtsgeb\201hren:", "3 Gerichtsgeb&uuml;hren:"};

// clang-format off
constexpr EndingRows kEndingRows[] = {
    {Ending::Withdrawal, "withdrawal",
     {"Verfahren mit Klager\201cknahme vor der Verhandlung", "Verfahren mit Klager&uuml;cknahme vor der Verhandlung"},
     kOneCourtFee, {{kEndedEarly, kEndedEarly}, true, kClaimantSide,
                    "Nach einer Klagerücknahme trägt der Kläger die Kosten (§ 269 Abs. 3 Satz 2 ZPO)"}},
    {Ending::Acknowledgement, "acknowledgement",
     {"Verfahren mit Anerkenntnisurteil", "Verfahren mit Anerkenntnisurteil"},
     kOneCourtFee, {{kAcknowledged, kAcknowledged}, true, kDefendantSide,
                    "Nach einem Anerkenntnisurteil trägt der Beklagte die Kosten (§ 91 ZPO)"}},
    {Ending::DefaultJudgment, "default_judgment",
     {"Verfahren mit Vers\204umnisurteil", "Verfahren mit Vers&auml;umnisurteil"},
     kThreeCourtFees, {{kInDefault, kInDefault}, false, kDefendantSide,
                       "Nach einem Versäumnisurteil trägt der Beklagte die Kosten (§ 91 ZPO)"}},
};
// clang-format on

// An appeal withdrawn before its grounds, by the claimant or by the
// defendant: the court fee 1,0 (KV GKG Nr. 1221), the appellant's lawyer
// his procedure fee 1,6 (VV RVG Nr. 3200), the respondent's 1,1 (Nr. 3201);
// the appellant bears the costs.
constexpr BlockRates kAppealFiled = {{10, 1221, ""}, {kProcedure2, kNone, kNone}};
constexpr BlockRates kAppealAnswered = {{10, 1221, ""},
                                        {{11, 3201, "Verfahrensgebühr"}, kNone, kNone}};
constexpr EndingRates kAppealWithdrawn[] = {
    {{kAppealFiled, kAppealAnswered},
     true,
     kClaimantSide,
     "Nimmt der Kläger die Berufung zurück, trägt er ihre Kosten (§ 516 Abs. 3 ZPO)"},
    {{kAppealAnswered, kAppealFiled},
     true,
     kDefendantSide,
     "Nimmt der Beklagte die Berufung zurück, trägt er ihre Kosten (§ 516 Abs. 3 ZPO)"},
};
constexpr Label kAppealWithdrawnHeading = {"Berufung vor der Begr\201ndung zur\201ckgenommen",
                                           "Berufung vor der Begr&uuml;ndung zur&uuml;ckgenommen"};
constexpr int kWithdrawnAppealBlock = 2;

const InstanceSectionRows& sectionRows(InstanceSection section) {
  return kInstanceSections[static_cast<std::size_t>(section)];
}

const BlockRows& blockRows(InstanceSection section, Variant variant) {
  const InstanceSectionRows& rows = sectionRows(section);
  return variant == Variant::Judgement ? rows.judgement : rows.settlement;
}

Label labelOf(const BlockRows& rows, BlockRow row, bool aroundTheLawsuit) {
  switch (row) {
    case BlockRow::Court:
      return rows.courtRow;
    case BlockRow::Evidence:
      return kEvidenceRow;
    case BlockRow::Lawyer:
      return rows.lawyerRow;
    case BlockRow::Gross:
      return rows.grossRow;
    case BlockRow::ClaimantLawyer:
      return kPartyLawyerRows[0];
    case BlockRow::DefendantLawyer:
      return kPartyLawyerRows[1];
    case BlockRow::Process:
      break;
  }
  return aroundTheLawsuit ? kCaseProcessRow : kProcessRow;
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
// elsewhere where the parties' clients differ.
template <class Reckoning>
ShownRows rowsShown(const Reckoning& r, bool first) {
  const ReportOptions* around = r.around();
  ShownRows shown;
  shown.push(BlockRow::Court);
  if (around != nullptr && first &&
      (around->claimantCase.evidence + around->defendantCase.evidence).count != 0) {
    shown.push(BlockRow::Evidence);
  }
  const bool partyBills =
      around != nullptr && (first || around->claimantCase.clients != around->defendantCase.clients);
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
      bills[s] =
          r.assignedBill(schedule, *sides[side], side, way != nullptr ? &way->steps : nullptr);
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
              const BlockRows& rows, bool first, const Rows& shown,
              AssignedBills* assigned = nullptr) {
  const ReportOptions* around = r.around();
  const bool partyRows =
      std::find(std::begin(shown), std::end(shown), BlockRow::ClaimantLawyer) != std::end(shown);
  // Both parties' clients raise the procedure fee alike.
  const int raise = around != nullptr ? clientsRaise(around->claimantCase.clients) : 0;
  for (const BlockRow row : shown) {
    const Label label = labelOf(rows, row, around != nullptr || partyRows);
    RowLabel shownLabel = label;
    if (!figures.withLabels) {
      // A reader of keys needs no label made for the row.
    } else if (around != nullptr && row == BlockRow::Court && first && around->afterPaymentOrder) {
      shownLabel = lessPaymentOrder(label);
    } else if ((row == BlockRow::Lawyer || row == BlockRow::Gross) && raise != 0) {
      shownLabel = raised(label, rows.rates.lawyerTenths(), rows.rates.lawyerTenths() + raise);
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

template <class Reckoning>
void addInstanceSection(Figures& figures, const ReportOptions& options, const Reckoning& r,
                        InstanceSection section, TotalsOf<typename Reckoning::Total>& totals,
                        TotalsOf<Way>* totalsWays, CostRisk* risk, Ledgers* ledgers,
                        std::uint64_t decidedFrom = 0) {
  const InstanceSectionRows& rows = sectionRows(section);
  const bool recorded = totalsWays != nullptr;
  const TotalsRule& rule = rows.totals;
  const bool added = rule.baseName != nullptr;
  // An appeal taken as a decision, at its own value.
  const bool decided = decidedFrom != 0;
  const RiskInstance instance = {rows.name, section == InstanceSection::FirstInstance, rule.target,
                                 added, decided};
  addHeading(figures, 1, {rows.heading, rows.heading}, rows.key);
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    if (decided) addAppealValueRow(figures, options, decidedFrom);
  }
  const bool endings = section == InstanceSection::FirstInstance && options.anyEnding();
  addVariantHeading(figures, options, 's', endings || decided);

  Recorded<BlockOf<Way>> ways(recorded);
  const bool first = section == InstanceSection::FirstInstance;
  const Matter judgementMatter = blockOf(section, kJudgementBlock);
  const auto judgement = computeBlock(r, section, Variant::Judgement, ways.both());
  record(ledgers, judgementMatter, judgement);
  std::optional<AssignedBills> assigned =
      assignedOf(r, options, {&rows.judgement.rates, &rows.judgement.rates}, judgementMatter,
                 ledgers, recorded);
  addBlock(figures, r, judgement, ways, rows.judgement, first, rowsShown(r, first),
           assigned ? &*assigned : nullptr);
  if (risk != nullptr) risk->afterJudgement(r, instance, judgementMatter);
  // The totals add each judgement's process costs; around a lawsuit what
  // its parties bear of it, so that the totals are the sum of their parts.
  bool borne = false;
  bool firstBorne = false;
  // Under legal aid with a share, what the parties and the state bear.
  const std::optional<PerSchedule<Cents>>* aidedInAll = nullptr;
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    borne = r.totalsCountCostsBorne(first);
    firstBorne = r.totalsCountCostsBorne(true);
    if (risk != nullptr && risk->aidedInAll()) {
      aidedInAll = &risk->aidedInAll();
      borne = true;
    }
  }
  const std::string partName =
      recorded ? std::string(borne ? "Kosten " : "Prozesskosten ") + rows.name : "";
  const char* baseName =
      firstBorne && rule.target == TotalsField::WithAppeal ? "Kosten erste Instanz" : rule.baseName;
  for (std::size_t s = 0; s < 2; ++s) {
    Way borneWay;
    auto part = judgement[s].process;
    if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
      if (aidedInAll != nullptr) {
        part = (**aidedInAll)[s];
        if (recorded) borneWay.steps = risk->aidedInAllWay(s)->steps;
      } else if (borne) {
        part = costsBorne((*ledgers)[s], judgementMatter, first,
                          {options.claimant.deductsVat, options.defendant.deductsVat},
                          recorded ? &borneWay.steps : nullptr);
      }
    }
    // The way to a sum names its parts; where a part is what the parties
    // bear, which no row shows, it shows their sum too: the first
    // instance's in the sum through the appeal, kept from the first's way.
    Steps parts;
    if (recorded && firstBorne && rule.target == TotalsField::WithAppeal && added) {
      parts = totalsWays->withAppeal[s].steps;
      if (!parts.empty()) parts.pop_back();
    }
    if (borne) parts.insert(parts.end(), borneWay.steps.begin(), borneWay.steps.end());
    const SumWays sumWays =
        recorded ? SumWays{borne ? &borneWay : wayOf(ways[s], BlockRow::Process), partName.c_str(),
                           &totalsWays->withAppeal[s], baseName, &(*totalsWays)[rule.target][s]}
                 : SumWays{};
    totals[rule.target][s] =
        r.total(part, added ? &totals.withAppeal[s] : nullptr, recorded ? &sumWays : nullptr);
    if (recorded && !parts.empty()) {
      Steps& sum = (*totalsWays)[rule.target][s].steps;
      sum.insert(sum.begin(), parts.begin(), parts.end());
    }
  }

  if (options.showSettlement) {
    addVariantHeading(figures, options, 'v');
    const Matter settlementMatter = blockOf(section, kSettlementBlock);
    const auto settlement = computeBlock(r, section, Variant::Settlement, ways.both());
    record(ledgers, settlementMatter, settlement);
    std::optional<AssignedBills> settled =
        assignedOf(r, options, {&rows.settlement.rates, &rows.settlement.rates}, settlementMatter,
                   ledgers, recorded);
    addBlock(figures, r, settlement, ways, rows.settlement, first, rowsShown(r, first),
             settled ? &*settled : nullptr);
    Recorded<Way> half(recorded);
    addRowOf(figures, "half_each", kHalfShareRow,
             r.halfShare(settlement[0].process, wayOf(ways[0], BlockRow::Process), half[0]),
             r.halfShare(settlement[1].process, wayOf(ways[1], BlockRow::Process), half[1]),
             r.basis(), 1, half[0], half[1]);
    if (risk != nullptr) risk->afterSettlement(r, instance, settlementMatter);
  }
  // The endings of a reform's first instance, and an appeal withdrawn
  // before its grounds; they enter no totals, since each ends the lawsuit.
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    if (decided) {
      const EndingRates& withdrawn = kAppealWithdrawn[*options.appellant];
      addHeading(figures, 2, kAppealWithdrawnHeading, "withdrawal");
      const Matter matter = blockOf(section, kWithdrawnAppealBlock);
      PerSchedule<CentsBlock> values;
      for (std::size_t s = 0; s < 2; ++s) {
        values[s] =
            r.endingBlock(s == 0 ? Schedule::Old : Schedule::New, withdrawn, ways[s], false);
      }
      record(ledgers, matter, values);
      const BlockRows labels = {withdrawn.sides[kClaimantSide], kOneCourtFee, {}, {}};
      addBlock(figures, r, values, ways, labels, false, kEndingRowsShown);
      if (risk != nullptr) risk->afterEnding(r, instance, withdrawn, matter);
    }
    if (!endings) return;
    int block = kSettlementBlock;
    for (const EndingRows& ending : kEndingRows) {
      ++block;
      if (!options.shows(ending.ending)) continue;
      addHeading(figures, 2, ending.heading, ending.key);
      const Matter matter = blockOf(section, block);
      PerSchedule<CentsBlock> values;
      for (std::size_t s = 0; s < 2; ++s) {
        values[s] = r.endingBlock(s == 0 ? Schedule::Old : Schedule::New, ending.rates, ways[s]);
      }
      record(ledgers, matter, values);
      const BlockRows labels = {ending.rates.sides[kClaimantSide], ending.courtRow, {}, {}};
      std::optional<AssignedBills> endingAssigned =
          assignedOf(r, options,
                     {&ending.rates.sides[kClaimantSide],
                      ending.rates.defended ? &ending.rates.sides[kDefendantSide] : nullptr},
                     matter, ledgers, recorded);
      addBlock(figures, r, values, ways, labels, true, kEndingRowsShown,
               endingAssigned ? &*endingAssigned : nullptr);
      if (risk != nullptr) risk->afterEnding(r, instance, ending.rates, matter);
    }
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
      if (way != nullptr) way->steps = reckoning.feeWay(schedule, FeeKind::Lawyer);
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
  const BlockRates& rates = blockRows(section, variant).rates;
  const bool first = section == InstanceSection::FirstInstance;
  return {reckoning.block(Schedule::Old, rates, first, ways != nullptr ? &(*ways)[0] : nullptr),
          reckoning.block(Schedule::New, rates, first, ways != nullptr ? &(*ways)[1] : nullptr)};
}

template <class Reckoning>
void addPaymentOrderSection(Figures& figures, const Reckoning& reckoning, Ledgers* ledgers) {
  addHeading(figures, 1, {"Mahnverfahren", "Mahnverfahren"}, "payment_order");
  // "1)" and the link point to the note on the minimum fee. The adjustment
  // widens only the text label column.
  Recorded<Way> ways(figures.withWays);
  const auto oldFee = reckoning.paymentOrder(Schedule::Old, ways[0]);
  const auto newFee = reckoning.paymentOrder(Schedule::New, ways[1]);
  addRowOf(figures, "court_fees",
           {"0,5 Gerichtsgeb\201hren: 1)",
            "0,5 Gerichtsgeb&uuml;hren: <sup><a href=\"#Mindest\">1</a></sup>"},
           oldFee, newFee, reckoning.basis(), 1, ways[0], ways[1]);
  // After a payment order, each party's lawyer bill in it; its costs are
  // those of the lawsuit that follows.
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    const ReportOptions* around = reckoning.around();
    if (around == nullptr || !around->afterPaymentOrder || ledgers == nullptr) return;
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

void addAidRefusedSection(Figures& figures, const ReckoningInCents& reckoning) {
  addHeading(
      figures, 1,
      {"Prozesskostenhilfe abgelehnt, keine Klage", "Prozesskostenhilfe abgelehnt, keine Klage"},
      "aid_refused");
  constexpr BlockRates kApplication = {kNone, {{10, 3335, "Verfahrensgebühr"}, kNone, kNone}};
  const ReportOptions* options = reckoning.around();
  const std::array<bool, 2> aided = {options->claimant.legalAid, options->defendant.legalAid};
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
                         TotalsOf<typename Reckoning::Total>& totals, TotalsOf<Way>* ways,
                         CostRisk* risk, Ledgers* ledgers) {
  using enum InstanceSection;
  const auto add = [&](InstanceSection section) {
    addInstanceSection(figures, options, reckoning, section, totals, ways, risk, ledgers);
  };
  if (options.showFirstInstance) add(FirstInstance);
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    // An appeal taken as a decision has a value of its own: what the
    // appellant lost by the share won (the command line asks for one).
    if (options.appellant && options.shareWon) {
      const ReckoningInCents appeal(options.reform,
                                    feeValueOf(appealValue(options, reckoning.basis())), &options);
      addInstanceSection(figures, options, appeal, Appeal, totals, ways, risk, ledgers,
                         reckoning.basis());
      return;
    }
  }
  if (options.showAppeal) add(Appeal);
  if (options.showRevision) {
    add(Revision);
    add(BghRevision);
  }
}

#define INSTANTIATE(Reckoning)                                                                    \
  template PerSchedule<Reckoning::Block> computeBlock(const Reckoning&, InstanceSection, Variant, \
                                                      PerSchedule<BlockOf<Way>>*);                \
  template void addPaymentOrderSection(Figures&, const Reckoning&, Ledgers*);                     \
  template void addInstanceSections(Figures&, const ReportOptions&, const Reckoning&,             \
                                    TotalsOf<Reckoning::Total>&, TotalsOf<Way>*, CostRisk*,       \
                                    Ledgers*);
INSTANTIATE(Reckoning2013)
INSTANTIATE(ReckoningInCents)
#undef INSTANTIATE

}  // namespace zeb
