#include "case/cost_risk.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "case/case_bills.h"
#include "case/sections.h"
#include "case/steps.h"
#include "report/german.h"

namespace zeb {
namespace {

constexpr std::size_t kClaimant = 0;
constexpr std::size_t kDefendant = 1;

// The parties as a way names them: "Der Kläger", "des Klägers".
struct PartyName {
  const char* name;
  const char* ofParty;
};
constexpr PartyName kParties[] = {{"Kläger", "Klägers"}, {"Beklagte", "Beklagten"}};

// The rows: each its key and its label in both renderings. The part of
// the costs a party bears follows the label of its row, and a colon that.
struct RiskRow {
  const char* key;
  Label label;
};
// clang-format off
constexpr RiskRow kToDistribute = {"to_distribute", {"Zu verteilende Kosten:", "Zu verteilende Kosten:"}};
constexpr RiskRow kPart[] = {
    {"claimant_share", {"davon tr\204gt der Kl\204ger ", "davon tr&auml;gt der Kl&auml;ger "}},
    {"defendant_share", {"davon tr\204gt der Beklagte ", "davon tr&auml;gt der Beklagte "}},
};
constexpr RiskRow kBalance[] = {
    {"defendant_pays_claimant", {"Ausgleich: der Beklagte zahlt dem Kl\204ger:", "Ausgleich: der Beklagte zahlt dem Kl&auml;ger:"}},
    {"claimant_pays_defendant", {"Ausgleich: der Kl\204ger zahlt dem Beklagten:", "Ausgleich: der Kl&auml;ger zahlt dem Beklagten:"}},
};
// Around the lawsuit: what no one refunds (a business fee, less its credit).
constexpr RiskRow kNotRefunded[] = {
    {"claimant_not_refunded", {"Nicht erstattet, tr\204gt der Kl\204ger selbst:", "Nicht erstattet, tr&auml;gt der Kl&auml;ger selbst:"}},
    {"defendant_not_refunded", {"Nicht erstattet, tr\204gt der Beklagte selbst:", "Nicht erstattet, tr&auml;gt der Beklagte selbst:"}},
};
// Around the lawsuit: what a party bears in all of the first instance and
// what came before it.
constexpr RiskRow kInAll[] = {
    {"claimant_total", {"Kl\204ger tr\204gt insgesamt:", "Kl&auml;ger tr&auml;gt insgesamt:"}},
    {"defendant_total", {"Beklagter tr\204gt insgesamt:", "Beklagter tr&auml;gt insgesamt:"}},
};
constexpr RiskRow kCancelled[] = {
    {"claimant_bears", {"Kosten aufgehoben: der Kl\204ger tr\204gt:", "Kosten aufgehoben: der Kl&auml;ger tr&auml;gt:"}},
    {"defendant_bears", {"Kosten aufgehoben: der Beklagte tr\204gt:", "Kosten aufgehoben: der Beklagte tr&auml;gt:"}},
};
// Under legal aid: a payment to an aided party goes to its lawyer.
constexpr RiskRow kBalanceToLawyer[] = {
    {"defendant_pays_claimant", {"Beklagter zahlt Anwalt des Kl\204gers (\365 126 ZPO):", "Ausgleich: der Beklagte zahlt dem Anwalt des Kl&auml;gers (&sect; 126 ZPO):"}},
    {"claimant_pays_defendant", {"Kl\204ger zahlt Anwalt des Beklagten (\365 126 ZPO):", "Ausgleich: der Kl&auml;ger zahlt dem Anwalt des Beklagten (&sect; 126 ZPO):"}},
};
constexpr RiskRow kCourtRefund = {"court_refund_to_claimant", {"Staatskasse erstattet Kl\204ger (\365 31 Abs. 3 GKG):", "Gerichtskosten: die Staatskasse erstattet dem Kl&auml;ger (&sect; 31 Abs. 3 GKG):"}};
constexpr RiskRow kReceives[] = {
    {"claimant_lawyer_receives", {"Anwalt des Kl\204gers erh\204lt insgesamt:", "Anwalt des Kl&auml;gers erh&auml;lt insgesamt:"}},
    {"defendant_lawyer_receives", {"Anwalt des Beklagten erh\204lt insgesamt:", "Anwalt des Beklagten erh&auml;lt insgesamt:"}},
};
constexpr RiskRow kStateTotal = {"state_total", {"Staatskasse tr\204gt insgesamt:", "Staatskasse tr&auml;gt insgesamt:"}};
constexpr RiskRow kStatePaths[] = {
    {"state_with_appeal", {"Staatskasse tr\204gt mit Berufung:", "Staatskasse tr&auml;gt mit Berufung:"}},
    {"state_with_revision", {"Staatskasse tr\204gt mit Berufung und Revision:", "Staatskasse tr&auml;gt mit Berufung und Revision:"}},
    {"state_with_bgh_revision", {"Staatskasse tr\204gt mit Berufung u. Rev. v. d. BGH:", "Staatskasse tr&auml;gt mit Berufung und Revision vor dem BGH:"}},
};

// Each party's part along each path of the totals, as the totals' own
// rows: the text labels shortened to fit the totals' 49-column field.
struct PathRows {
  TotalsField field;
  RiskRow party[2];
};
constexpr PathRows kPaths[] = {
    {TotalsField::WithAppeal,
     {{"claimant_with_appeal", {"Kl\204ger tr\204gt mit Berufung:", "Kl&auml;ger tr&auml;gt mit Berufung:"}},
      {"defendant_with_appeal", {"Beklagter tr\204gt mit Berufung:", "Beklagter tr&auml;gt mit Berufung:"}}}},
    {TotalsField::WithRevision,
     {{"claimant_with_revision", {"Kl\204ger tr\204gt mit Berufung und Revision:", "Kl&auml;ger tr&auml;gt mit Berufung und Revision:"}},
      {"defendant_with_revision", {"Beklagter tr\204gt mit Berufung und Revision:", "Beklagter tr&auml;gt mit Berufung und Revision:"}}}},
    {TotalsField::WithBghRevision,
     {{"claimant_with_bgh_revision", {"Kl\204ger tr\204gt mit Berufung u. Revision v. d. BGH:", "Kl&auml;ger tr&auml;gt mit Berufung und Revision vor dem BGH:"}},
      {"defendant_with_bgh_revision", {"Beklagter tr\204gt mit Berufung u. Rev. v. d. BGH:", "Beklagter tr&auml;gt mit Berufung und Revision vor dem BGH:"}}}},
};
// clang-format on

// The name of a party's part along the path through the appeal, as the
// way to a longer path names it.
constexpr const char* kThroughAppeal[] = {"Kläger trägt mit Berufung",
                                          "Beklagter trägt mit Berufung"};

// The label of a party's part: "davon trägt der Kläger 40 %:".
RowLabel partLabel(Label label, const std::string& part) {
  return {label.text + part + ":", label.html + part + ":"};
}

}  // namespace

CostRisk::CostRisk(const ReportOptions& options, Figures& figures, const Ledgers& ledgers)
    : figures_(&figures),
      options_(&options),
      ledgers_(&ledgers),
      share_(*options.shareWon),
      parties_{options.claimant, options.defendant},
      recordsWays_(figures.withWays),
      makesLabels_(figures.withLabels),
      aided_{options.claimant.legalAid, options.defendant.legalAid} {
  // The parts' texts, for their labels and ways alone.
  if (makesLabels_ || recordsWays_)
    shareText_ = {partText(share_, kClaimant), partText(share_, kDefendant)};
  if (options.appellant) {
    appellant_ = options.appellant;
    appealShare_ = appealShare(options);
    finalShare_ = finalShare(options);
    if (makesLabels_ || recordsWays_) {
      appealText_ = {partText(appealShare_, kClaimant), partText(appealShare_, kDefendant)};
      finalText_ = {partText(finalShare_, kClaimant), partText(finalShare_, kDefendant)};
    }
  }
}

std::pair<ShareWon, std::array<std::string, 2>> CostRisk::shareFor(
    const EndingRates* ending, const RiskInstance& instance) const {
  if (ending == nullptr && instance.decided) return {appealShare_, appealText_};
  if (ending == nullptr) return {share_, shareText_};
  const ShareWon share = {ending->bearer == kClaimant ? 0 : 100, 100, 0};
  if (!makesLabels_ && !recordsWays_) return {share, {}};
  return {share, {partText(share, kClaimant), partText(share, kDefendant)}};
}

RowLabel CostRisk::partLabelOf(Label label, const std::string& share) const {
  return makesLabels_ ? partLabel(label, share) : RowLabel(label);
}

void CostRisk::add(const ReckoningInCents& r, const char* key, RowLabel label,
                   const PerSchedule<Cents>& values, Recorded<Way>& ways) const {
  addRowOf(*figures_, key, std::move(label), values[0], values[1], r.basis(), 0, ways[0], ways[1]);
}

Cents CostRisk::lawyerCosts(std::size_t party, const Ledger& ledger, const Matter& matter,
                            const RiskInstance& instance, Steps* steps) const {
  // A party may act without a lawyer in the first instance alone (§ 78 Abs.
  // 1 ZPO, § 67 Abs. 4 VwGO).
  if (instance.first && !parties_[party].inFirstInstance) {
    if (steps != nullptr) steps->push_back(steps::noLawyer(kParties[party].name));
    return {};
  }
  const Cost* cost = ledger.bill(matter, party);
  const LawyerBill bill = cost != nullptr ? cost->charged : LawyerBill{};
  if (!parties_[party].deductsVat) return bill.gross();
  if (steps != nullptr) {
    steps->push_back(steps::netLawyerCosts(kParties[party].ofParty,
                                           euros(bill.fees - bill.credited), euros(bill.flatRate),
                                           euros(bill.net())));
  }
  return bill.net();
}

Cents CostRisk::costsOf(std::size_t party, const LawyerBill& bill) const {
  return parties_[party].deductsVat ? bill.net() : bill.gross();
}

std::pair<std::optional<Cents>, Cents> CostRisk::chargedBefore(std::size_t party,
                                                               const Ledger& ledger) const {
  const Cost* business = ledger.bill(kPreTrial, party);
  const Cost* paymentOrder = ledger.bill(kPaymentOrder, party);
  return {business != nullptr ? std::optional(costsOf(party, business->charged)) : std::nullopt,
          paymentOrder != nullptr ? costsOf(party, paymentOrder->charged) : Cents{}};
}

CostRisk::Distributed CostRisk::distributed(const ReckoningInCents& r, const Ledger& ledger,
                                            const RiskInstance& instance, const Matter& matter,
                                            Steps* steps) const {
  if (r.around() == nullptr || !instance.first) {
    // Each party's lawyer as the block bills it; the court fees, advanced by
    // the claimant.
    return {ledger.courtFees(matter),
            {},
            {lawyerCosts(kClaimant, ledger, matter, instance, steps),
             lawyerCosts(kDefendant, ledger, matter, instance, steps)},
            {}};
  }
  // The first instance of a case: the court fees with the payment order's,
  // the evidence each party advanced, and each party's lawyer as the
  // opponent refunds it: payment order and first instance, without the
  // business fee's credit.
  Distributed d = {ledger.courtFees(matter) + ledger.courtFees(kPaymentOrder),
                   {ledger.evidence(matter, kClaimant), ledger.evidence(matter, kDefendant)},
                   {},
                   {}};
  for (const std::size_t party : {kClaimant, kDefendant}) {
    const auto [business, charged] = chargedBefore(party, ledger);
    const Cents before = business.value_or(Cents{}) + charged;
    if (!parties_[party].inFirstInstance) {
      if (steps != nullptr) steps->push_back(steps::noLawyer(kParties[party].name));
      // A lawyer it had before the lawsuit is its own all the same.
      d.notRefunded[party] = before;
      continue;
    }
    const Cost* paymentOrderBill = ledger.bill(kPaymentOrder, party);
    const Cost* bill = ledger.bill(matter, party);
    const Cents paymentOrder =
        paymentOrderBill != nullptr ? costsOf(party, paymentOrderBill->refunded) : Cents{};
    const Cents first = bill != nullptr ? costsOf(party, bill->refunded) : Cents{};
    d.lawyers[party] = paymentOrder + first;
    // What its lawyer charges, after every credit.
    const Cents chargedInAll = before + (bill != nullptr ? costsOf(party, bill->charged) : Cents{});
    d.notRefunded[party] = chargedInAll - d.lawyers[party];
    if (steps != nullptr) {
      steps->push_back(steps::refundable(kParties[party].ofParty, parties_[party].deductsVat,
                                         euros(paymentOrder), euros(first),
                                         euros(d.lawyers[party])));
    }
  }
  return d;
}

CostRisk::Split CostRisk::split(const ReckoningInCents& r, const RiskInstance& instance,
                                const Matter& matter, const EndingRates* ending) const {
  if (aided_[kClaimant] || aided_[kDefendant]) return splitWithAid(r, instance, matter, ending);
  // The values of both columns, and the ways to them where a run records
  // them: the costs to distribute, each party's part, the balance by the
  // party that pays it, and around a lawsuit what no one refunds.
  Recorded<Way> total(recordsWays_);
  Split result = {{}, {}, {Recorded<Way>(recordsWays_), Recorded<Way>(recordsWays_)}};
  auto& borne = result.borne;
  auto& notRefunded = result.notRefunded;
  auto& parts = result.parts;
  std::array<Recorded<Way>, 2> balances = parts;
  std::array<Recorded<Way>, 2> unrefunded = parts;
  PerSchedule<Cents> totals;
  std::array<PerSchedule<Cents>, 2> pays;
  // An ending fixes who bears the costs, whatever the share won.
  const auto [share, shareText] = shareFor(ending, instance);
  const std::int64_t lost = share.of - share.won;
  const bool aroundFirst = r.around() != nullptr && instance.first;
  for (std::size_t s = 0; s < 2; ++s) {
    const Ledger& ledger = (*ledgers_)[s];
    Steps* steps = total[s] != nullptr ? &total[s]->steps : nullptr;
    const Distributed a = distributed(r, ledger, instance, matter, steps);
    const std::array<Cents, 2>& unpaid = a.notRefunded;
    totals[s] = a.total();
    // The claimant bears the share it lost, rounded half up; the defendant
    // the rest.
    borne[kClaimant][s] = partOf(totals[s], lost, share.of);
    borne[kDefendant][s] = totals[s] - borne[kClaimant][s];
    // The claimant has advanced the court fees and paid its lawyer, the
    // defendant its lawyer, each its evidence; one side pays the other the
    // difference. After an ending that lowers the court fee, the state
    // pays the claimant back the rest of its advance.
    // An appeal's court fee the appellant advanced (§ 22 Abs. 1 GKG).
    const bool defendantAdvanced = instance.decided && *appellant_ == kDefendant;
    const Cents paidByClaimant = defendantAdvanced ? a.byClaimant() - a.court : a.byClaimant();
    const bool claimantPays = borne[kClaimant][s] > paidByClaimant;
    pays[kClaimant][s] = claimantPays ? borne[kClaimant][s] - paidByClaimant : Cents{};
    pays[kDefendant][s] = claimantPays ? Cents{} : paidByClaimant - borne[kClaimant][s];
    for (const std::size_t party : {kClaimant, kDefendant}) notRefunded[party][s] = unpaid[party];
    if (steps == nullptr) continue;
    const std::string sum = euros(totals[s]);
    const std::string claimantPart = euros(borne[kClaimant][s]);
    Steps paid;
    if (ending != nullptr && !instance.decided) {
      const Cents advance = ledger.courtFees(blockOf(matter.section, kJudgementBlock)) +
                            ledger.courtFees(kPaymentOrder);
      if (advance > a.court) {
        paid.push_back(
            steps::courtRefund(euros(advance), euros(a.court), euros(advance - a.court)));
      }
    }
    if (aroundFirst) {
      steps->push_back(steps::caseCostsToDistribute(euros(a.court),
                                                    euros(a.evidence[0] + a.evidence[1]),
                                                    euros(a.lawyers[0]), euros(a.lawyers[1]), sum));
      paid.push_back(steps::casePaid(euros(a.court), euros(a.evidence[0]), euros(a.lawyers[0]),
                                     euros(paidByClaimant), euros(a.evidence[1]),
                                     euros(a.lawyers[1])));
      for (const std::size_t party : {kClaimant, kDefendant}) {
        unrefunded[party][s]->steps = {
            steps::notRefunded(kParties[party].ofParty, euros(unpaid[party] + a.lawyers[party]),
                               euros(a.lawyers[party]), euros(unpaid[party]))};
      }
    } else {
      steps->push_back(
          steps::costsToDistribute(euros(a.court), euros(a.lawyers[0]), euros(a.lawyers[1]), sum));
      if (instance.decided) {
        const std::size_t appellant = *appellant_;
        paid.push_back(steps::paidByAppellant(
            kParties[appellant].name, euros(a.court), euros(a.lawyers[appellant]),
            euros(a.court + a.lawyers[appellant]), kParties[1 - appellant].name,
            euros(a.lawyers[1 - appellant])));
      } else {
        paid.push_back(steps::paid(euros(a.court), euros(a.lawyers[0]), euros(paidByClaimant),
                                   euros(a.lawyers[1])));
      }
    }
    if (ending != nullptr) {
      for (const std::size_t party : {kClaimant, kDefendant}) {
        parts[party][s]->steps = {steps::endingShare(kParties[party].ofParty, ending->bearRule,
                                                     shareText[party], sum,
                                                     euros(borne[party][s]))};
      }
    } else {
      const bool rounded = totals[s].count * lost % share.of != 0;
      parts[kClaimant][s]->steps = {steps::costShare(
          kParties[kClaimant].ofParty, shareText[kClaimant], sum, rounded, claimantPart)};
      parts[kDefendant][s]->steps = {steps::remainingShare(
          kParties[kDefendant].ofParty, sum, claimantPart, euros(borne[kDefendant][s]))};
    }
    for (const std::size_t payer : {kClaimant, kDefendant}) {
      balances[payer][s]->steps = paid;
      balances[payer][s]->steps.push_back(steps::balance(
          claimantPart, euros(paidByClaimant), payer == kClaimant, euros(pays[payer][s])));
    }
  }
  add(r, kToDistribute.key, kToDistribute.label, totals, total);
  for (const std::size_t party : {kClaimant, kDefendant}) {
    add(r, kPart[party].key, partLabelOf(kPart[party].label, shareText[party]), borne[party],
        parts[party]);
  }
  if (instance.first || instance.decided) {
    add(r, kBalance[0].key, kBalance[0].label, pays[kDefendant], balances[kDefendant]);
    add(r, kBalance[1].key, kBalance[1].label, pays[kClaimant], balances[kClaimant]);
  }
  // What no one refunds stands where a business fee was earned.
  const ReportOptions* around = r.around();
  if (aroundFirst && (around->claimantCase.businessFeeTenths != 0 ||
                      around->defendantCase.businessFeeTenths != 0)) {
    for (const std::size_t party : {kClaimant, kDefendant}) {
      add(r, kNotRefunded[party].key, kNotRefunded[party].label, notRefunded[party],
          unrefunded[party]);
    }
  }
  // Around a lawsuit, what each party bears in all: its part, and what no
  // one refunds it.
  if (aroundFirst) {
    for (const std::size_t party : {kClaimant, kDefendant}) {
      Recorded<Way> ways(recordsWays_);
      PerSchedule<Cents> inAll;
      for (std::size_t s = 0; s < 2; ++s) {
        inAll[s] = borne[party][s] + notRefunded[party][s];
        if (ways[s] != nullptr) {
          ways[s]->steps = {steps::withNotRefunded(euros(borne[party][s]),
                                                   euros(notRefunded[party][s]), euros(inAll[s]))};
        }
      }
      add(r, kInAll[party].key, kInAll[party].label, inAll, ways);
    }
  }
  return result;
}

CostRisk::Split CostRisk::splitWithAid(const ReckoningInCents& r, const RiskInstance& instance,
                                       const Matter& matter, const EndingRates* ending) const {
  const auto [share, shareText] = shareFor(ending, instance);
  const std::int64_t lost = share.of - share.won;
  const auto recorded = [&] { return Recorded<Way>(recordsWays_); };
  Recorded<Way> total = recorded();
  Split result = {{}, {}, {recorded(), recorded()}, {}, recorded(), {}};
  std::array<Recorded<Way>, 2> shareWays = {recorded(), recorded()};
  std::array<Recorded<Way>, 2> balances = {recorded(), recorded()};
  std::array<Recorded<Way>, 2> receivesWays = {recorded(), recorded()};
  std::array<Recorded<Way>, 2> unrefunded = {recorded(), recorded()};
  Recorded<Way> refundWays = recorded();
  PerSchedule<Cents> lawyers;
  PerSchedule<Cents> refund;
  std::array<PerSchedule<Cents>, 2> shares;
  std::array<PerSchedule<Cents>, 2> pays;  // the claimant's payment, the defendant's
  std::array<PerSchedule<Cents>, 2> receives;
  for (std::size_t s = 0; s < 2; ++s) {
    const Ledger& ledger = (*ledgers_)[s];
    Steps* steps = total[s] != nullptr ? &total[s]->steps : nullptr;
    const Distributed a = distributed(r, ledger, instance, matter, steps);
    const Cents court = a.court + a.evidence[0] + a.evidence[1];
    const std::array<Cents, 2>& own = a.lawyers;
    // Only the lawyer costs are balanced: the court costs fall on each
    // party without legal aid by its quota, the rest on the state.
    lawyers[s] = own[kClaimant] + own[kDefendant];
    shares[kClaimant][s] = partOf(lawyers[s], lost, share.of);
    shares[kDefendant][s] = lawyers[s] - shares[kClaimant][s];
    const bool claimantPays = shares[kClaimant][s] > own[kClaimant];
    pays[kClaimant][s] = claimantPays ? shares[kClaimant][s] - own[kClaimant] : Cents{};
    pays[kDefendant][s] = claimantPays ? Cents{} : own[kClaimant] - shares[kClaimant][s];
    const std::array<Cents, 2> courtPart = {partOf(court, lost, share.of),
                                            court - partOf(court, lost, share.of)};
    // An aided defendant's part of the court costs that the claimant
    // advanced: the state refunds it.
    refund[s] = aided_[kDefendant] && !aided_[kClaimant] ? courtPart[kDefendant] : Cents{};
    // What each lawyer receives: an aided party's lawyer the state's bill
    // and, of what the opponent pays, first his difference to his regular
    // bill; the rest passes to the state.
    std::array<Cents, 2> passed;
    std::array<Cents, 2> assigned;
    for (const std::size_t party : {kClaimant, kDefendant}) {
      const Cents received = pays[1 - party][s];
      if (!aided_[party]) {
        receives[party][s] = own[party];
        continue;
      }
      const Cost* bill = ledger.assignedBill(matter, party);
      assigned[party] = bill != nullptr ? bill->charged.gross() : Cents{};
      const Cents difference = std::max(own[party] - assigned[party], Cents{});
      const Cents kept = std::min(received, difference);
      passed[party] = received - kept;
      receives[party][s] = assigned[party] + kept;
      if (receivesWays[party][s] == nullptr) continue;
      Steps& way = receivesWays[party][s]->steps;
      if (received.count != 0) {
        way.push_back(steps::aidKept(euros(received), euros(own[party]), euros(assigned[party]),
                                     euros(difference), euros(kept), euros(passed[party])));
      }
      way.push_back(steps::sum(std::string("Der Anwalt des ") + kParties[party].ofParty + " erhält",
                               {{'+', "aus der Staatskasse (§ 49 RVG)", euros(assigned[party])},
                                {'+', "vom Gegner", euros(kept)}},
                               euros(receives[party][s])));
    }
    // What each party pays in the end, and the state.
    for (const std::size_t party : {kClaimant, kDefendant}) {
      const std::size_t other = 1 - party;
      Cents& value = result.borne[party][s];
      Way* way = result.parts[party][s];
      if (aided_[party]) {
        value = pays[party][s] + a.notRefunded[party];
        if (way != nullptr) {
          way->steps = {steps::aidedPays(kParties[party].name,
                                         "dem Gegner erstattet er nach der Quote", euros(value))};
        }
        continue;
      }
      value =
          own[party] + courtPart[party] + pays[party][s] - pays[other][s] + a.notRefunded[party];
      if (way == nullptr) continue;
      std::vector<steps::Term> terms = {
          {'+', "eigene Anwaltskosten", euros(own[party])},
          {'+',
           party == kClaimant ? "Gerichtskosten nach seiner Quote"
                              : "Gerichtskosten nach seiner Quote (§ 125 ZPO)",
           euros(courtPart[party])},
          {'+', "an den Gegner", euros(pays[party][s])},
          {'-', "vom Gegner", euros(pays[other][s])}};
      if (a.notRefunded[party].count != 0) {
        terms.push_back({'+', "nicht erstattet", euros(a.notRefunded[party])});
      }
      way->steps = {
          steps::sum(std::string("Der ") + kParties[party].name + " trägt", terms, euros(value))};
    }
    std::vector<steps::Term> stateTerms;
    result.state[s] = {};
    for (const std::size_t party : {kClaimant, kDefendant}) {
      if (!aided_[party]) continue;
      result.state[s] = result.state[s] + courtPart[party] + assigned[party] - passed[party];
      stateTerms.push_back(
          {'+', std::string("Gerichtskosten nach der Quote des ") + kParties[party].ofParty,
           euros(courtPart[party])});
      stateTerms.push_back({'+',
                            std::string("Anwalt des ") + kParties[party].ofParty + " (§ 49 RVG)",
                            euros(assigned[party])});
      stateTerms.push_back({'-', "auf sie übergegangen (§ 59 Abs. 1 RVG)", euros(passed[party])});
    }
    result.inAll[s] = court + receives[kClaimant][s] + receives[kDefendant][s] +
                      a.notRefunded[kClaimant] + a.notRefunded[kDefendant];
    if (steps == nullptr) continue;
    std::vector<steps::Term> inAllTerms = {
        {'+', "Gerichtskosten", euros(court)},
        {'+', "Anwalt des Klägers erhält", euros(receives[kClaimant][s])},
        {'+', "Anwalt des Beklagten erhält", euros(receives[kDefendant][s])}};
    if ((a.notRefunded[kClaimant] + a.notRefunded[kDefendant]).count != 0) {
      inAllTerms.push_back(
          {'+', "nicht erstattet", euros(a.notRefunded[kClaimant] + a.notRefunded[kDefendant])});
    }
    result.inAllSteps[s] = {
        steps::sum(std::string("Kosten ") + instance.name, inAllTerms, euros(result.inAll[s]))};
    (*result.stateWays)[s]->steps = {
        steps::sum("Die Staatskasse trägt", stateTerms, euros(result.state[s]))};
    steps->push_back(steps::aidLawyersOnly());
    steps->push_back(steps::sum("Zu verteilende Anwaltskosten",
                                {{'+', "des Klägers", euros(own[kClaimant])},
                                 {'+', "des Beklagten", euros(own[kDefendant])}},
                                euros(lawyers[s])));
    const std::string sum = euros(lawyers[s]);
    const std::string claimantPart = euros(shares[kClaimant][s]);
    if (ending != nullptr) {
      for (const std::size_t party : {kClaimant, kDefendant}) {
        shareWays[party][s]->steps = {steps::endingShare(kParties[party].ofParty, ending->bearRule,
                                                         shareText[party], sum,
                                                         euros(shares[party][s]))};
      }
    } else {
      const bool rounded = lawyers[s].count * lost % share.of != 0;
      shareWays[kClaimant][s]->steps = {steps::costShare(
          kParties[kClaimant].ofParty, shareText[kClaimant], sum, rounded, claimantPart)};
      shareWays[kDefendant][s]->steps = {steps::remainingShare(
          kParties[kDefendant].ofParty, sum, claimantPart, euros(shares[kDefendant][s]))};
    }
    for (const std::size_t payer : {kClaimant, kDefendant}) {
      balances[payer][s]->steps = {steps::aidBalance(claimantPart, euros(own[kClaimant]),
                                                     payer == kClaimant, aided_[1 - payer],
                                                     euros(pays[payer][s]))};
    }
    refundWays[s]->steps = {steps::aidCourtRefund(euros(court), euros(refund[s]))};
    for (const std::size_t party : {kClaimant, kDefendant}) {
      unrefunded[party][s]->steps = {
          steps::notRefunded(kParties[party].ofParty, euros(a.notRefunded[party] + own[party]),
                             euros(own[party]), euros(a.notRefunded[party]))};
    }
  }
  add(r, kToDistribute.key, kToDistribute.label, lawyers, total);
  for (const std::size_t party : {kClaimant, kDefendant}) {
    add(r, kPart[party].key, partLabelOf(kPart[party].label, shareText[party]), shares[party],
        shareWays[party]);
  }
  // The balance in every instance: who pays whom, an aided party's part to
  // its lawyer.
  add(r, kBalance[0].key, aided_[kClaimant] ? kBalanceToLawyer[0].label : kBalance[0].label,
      pays[kDefendant], balances[kDefendant]);
  add(r, kBalance[1].key, aided_[kDefendant] ? kBalanceToLawyer[1].label : kBalance[1].label,
      pays[kClaimant], balances[kClaimant]);
  if (aided_[kDefendant] && !aided_[kClaimant]) {
    add(r, kCourtRefund.key, kCourtRefund.label, refund, refundWays);
  }
  const ReportOptions* around = r.around();
  if (instance.first && (around->claimantCase.businessFeeTenths != 0 ||
                         around->defendantCase.businessFeeTenths != 0)) {
    for (const std::size_t party : {kClaimant, kDefendant}) {
      PerSchedule<Cents> values;
      for (std::size_t s = 0; s < 2; ++s) {
        const Distributed a = distributed(r, (*ledgers_)[s], instance, matter, nullptr);
        values[s] = a.notRefunded[party];
      }
      add(r, kNotRefunded[party].key, kNotRefunded[party].label, values, unrefunded[party]);
    }
  }
  for (const std::size_t party : {kClaimant, kDefendant}) {
    if (aided_[party])
      add(r, kReceives[party].key, kReceives[party].label, receives[party], receivesWays[party]);
  }
  for (const std::size_t party : {kClaimant, kDefendant}) {
    add(r, kInAll[party].key, kInAll[party].label, result.borne[party], result.parts[party]);
  }
  add(r, kStateTotal.key, kStateTotal.label, result.state, *result.stateWays);
  return result;
}

void CostRisk::afterJudgement(const ReckoningInCents& r, const RiskInstance& instance,
                              const Matter& matter) {
  Split shares = split(r, instance, matter, nullptr);
  auto& borne = shares.borne;
  auto& notRefunded = shares.notRefunded;
  auto& parts = shares.parts;
  // With an appeal taken as a decision, the costs that decide whether it
  // pays; and the first instance's costs enter the sums by the final result.
  std::optional<std::array<PerSchedule<Cents>, 2>> decided;
  std::array<Recorded<Way>, 2> decidedWays = {Recorded<Way>(recordsWays_),
                                              Recorded<Way>(recordsWays_)};
  if (appellant_) {
    for (std::size_t s = 0; s < 2; ++s) {
      const Cents total = borne[kClaimant][s] + borne[kDefendant][s];
      if (instance.decided) appealCosts_.appeal[s] = total;
      if (!instance.first) continue;
      appealCosts_.first[s] = total;
      appealCosts_.notRefunded[s] = notRefunded[*appellant_][s];
      auto& final = decided ? *decided : decided.emplace();
      final[kClaimant][s] = widePartOf(total, finalShare_.of - finalShare_.won, finalShare_.of);
      final[kDefendant][s] = total - final[kClaimant][s];
      for (const std::size_t party : {kClaimant, kDefendant}) {
        if (decidedWays[party][s] == nullptr) continue;
        decidedWays[party][s]->steps = {
            std::string("Kosten erster Instanz nach dem Endergebnis der Berufung (§§ 91, 92 ZPO): "
                        "Anteil des ") +
            kParties[party].ofParty + " " + finalText_[party] + " von " + euros(total) + " = " +
            euros(final[party][s])};
      }
    }
  }
  // Each party's part enters the sums over instances, with what no one
  // refunds it.
  for (const std::size_t party : {kClaimant, kDefendant}) {
    // The names of the sum's terms, for its way alone.
    std::string partName;
    std::string baseName;
    if (recordsWays_) {
      const std::string name = std::string("Anteil des ") + kParties[party].ofParty + ", ";
      partName = name + instance.name;
      baseName = instance.target == TotalsField::WithAppeal ? name + "erste Instanz"
                                                            : kThroughAppeal[party];
    }
    TotalsOf<Cents>& sums = sums_[party];
    for (std::size_t s = 0; s < 2; ++s) {
      Way part;
      const Cents bears = decided ? (*decided)[party][s] : borne[party][s];
      const Way* partWay = decided ? decidedWays[party][s] : parts[party][s];
      if (recordsWays_ && notRefunded[party][s].count != 0) {
        // After an appeal the way to the final part comes first.
        if (decided) part.steps = partWay->steps;
        part.steps.push_back(steps::withNotRefunded(euros(bears), euros(notRefunded[party][s]),
                                                    euros(bears + notRefunded[party][s])));
        partWay = &part;
      }
      const SumWays ways = {partWay, partName.c_str(), &sumWays_[party].withAppeal[s],
                            baseName.c_str(), &sumWays_[party][instance.target][s]};
      sums[instance.target][s] = ReckoningInCents::total(
          bears + notRefunded[party][s], instance.added ? &sums.withAppeal[s] : nullptr,
          recordsWays_ ? &ways : nullptr);
    }
  }
  // Under legal aid, the state's part too, and the costs in all.
  if (!shares.stateWays) return;
  inAll_ = shares.inAll;
  const std::string partName =
      recordsWays_ ? std::string("Anteil der Staatskasse, ") + instance.name : std::string();
  const char* baseName = instance.target == TotalsField::WithAppeal
                             ? "Anteil der Staatskasse, erste Instanz"
                             : "Staatskasse trägt mit Berufung";
  for (std::size_t s = 0; s < 2; ++s) {
    const SumWays ways = {(*shares.stateWays)[s], partName.c_str(), &stateSumWays_.withAppeal[s],
                          baseName, &stateSumWays_[instance.target][s]};
    stateSums_[instance.target][s] = ReckoningInCents::total(
        shares.state[s], instance.added ? &stateSums_.withAppeal[s] : nullptr,
        recordsWays_ ? &ways : nullptr);
    if (recordsWays_) inAllWays_[s].steps = shares.inAllSteps[s];
  }
}

void CostRisk::afterEnding(const ReckoningInCents& r, const RiskInstance& instance,
                           const EndingRates& ending, const Matter& matter) {
  const Split shares = split(r, instance, matter, &ending);
  // An appeal withdrawn before its grounds: its costs so far.
  if (!instance.decided) return;
  for (std::size_t s = 0; s < 2; ++s) {
    appealCosts_.withdrawn[s] = shares.borne[kClaimant][s] + shares.borne[kDefendant][s];
  }
}

void CostRisk::afterSettlement(const ReckoningInCents& r, const RiskInstance& instance,
                               const Matter& matter) {
  const bool aroundFirst = r.around() != nullptr && instance.first;
  std::array<PerSchedule<Cents>, 2> parts;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    Recorded<Way> ways(recordsWays_);
    PerSchedule<Cents>& borne = parts[party];
    for (std::size_t s = 0; s < 2; ++s) {
      const Ledger& ledger = (*ledgers_)[s];
      Steps* steps = ways[s] != nullptr ? &ways[s]->steps : nullptr;
      // Each party its own lawyer: around a lawsuit every matter of it, as
      // charged after the credits.
      Cents own = lawyerCosts(party, ledger, matter, instance, steps);
      Cents court = ledger.courtFees(matter);
      if (aroundFirst) {
        const auto [business, paymentOrder] = chargedBefore(party, ledger);
        const Cents before = business.value_or(Cents{}) + paymentOrder;
        if (steps != nullptr && (business || r.around()->afterPaymentOrder)) {
          steps->push_back(steps::ownLawyerCosts(euros(business.value_or(Cents{})),
                                                 euros(paymentOrder), euros(own),
                                                 euros(before + own)));
        }
        own = before + own;
        court = court + ledger.courtFees(kPaymentOrder) + ledger.evidence(matter, kClaimant) +
                ledger.evidence(matter, kDefendant);
      }
      // Half the court costs, rounded half up, for the claimant; the rest
      // for the defendant.
      const Cents half = zeb::half(court);
      const Cents courtPart = party == kClaimant ? half : court - half;
      borne[s] = courtPart + own;
      if (steps != nullptr) {
        steps->push_back(steps::cancelled(party == kClaimant, euros(court), euros(half),
                                          euros(courtPart), euros(own), euros(borne[s])));
      }
    }
    add(r, kCancelled[party].key, kCancelled[party].label, borne, ways);
  }
  if (aided_[kClaimant] || aided_[kDefendant]) {
    settlementWithAid(r, matter, parts);
    return;
  }
  // Around a lawsuit, what each party bears in all: with the costs
  // cancelled, that part.
  if (!aroundFirst) return;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    Recorded<Way> ways(recordsWays_);
    for (std::size_t s = 0; s < 2; ++s) {
      if (ways[s] != nullptr) ways[s]->steps = {steps::cancelledInAll(euros(parts[party][s]))};
    }
    add(r, kInAll[party].key, kInAll[party].label, parts[party], ways);
  }
}

void CostRisk::settlementWithAid(const ReckoningInCents& r, const Matter& matter,
                                 const std::array<PerSchedule<Cents>, 2>& parts) {
  const auto recorded = [&] { return Recorded<Way>(recordsWays_); };
  std::array<Recorded<Way>, 2> receivesWays = {recorded(), recorded()};
  std::array<Recorded<Way>, 2> totalWays = {recorded(), recorded()};
  Recorded<Way> stateWays = recorded();
  std::array<PerSchedule<Cents>, 2> receives;
  std::array<PerSchedule<Cents>, 2> totals;
  PerSchedule<Cents> state;
  for (std::size_t s = 0; s < 2; ++s) {
    const Ledger& ledger = (*ledgers_)[s];
    // The court fee of the settlement, half for each party (§ 29 Nr. 2
    // GKG); an aided party's half stays with the state, and an aided
    // defendant's half the claimant, who advanced the fee, may claim from
    // it (§ 31 Abs. 4 GKG is taken as not met).
    const Cents court = ledger.courtFees(matter);
    const std::array<Cents, 2> halves = {half(court), court - half(court)};
    std::vector<steps::Term> stateTerms;
    for (const std::size_t party : {kClaimant, kDefendant}) {
      if (!aided_[party]) continue;
      const Cost* bill = ledger.assignedBill(matter, party);
      const Cents assigned = bill != nullptr ? bill->charged.gross() : Cents{};
      // Each party bears its own lawyer: the assigned lawyer gets his bill
      // from the state and nothing from the opponent.
      receives[party][s] = assigned;
      const bool stateKeepsHalf = party == kClaimant || aided_[kClaimant];
      state[s] = state[s] + assigned + (stateKeepsHalf ? halves[party] : Cents{});
      if (stateKeepsHalf) {
        stateTerms.push_back(
            {'+', std::string("Hälfte der Gerichtskosten des ") + kParties[party].ofParty,
             euros(halves[party])});
      }
      stateTerms.push_back({'+',
                            std::string("Anwalt des ") + kParties[party].ofParty + " (§ 49 RVG)",
                            euros(assigned)});
      if (receivesWays[party][s] != nullptr) {
        receivesWays[party][s]->steps = {steps::sum(
            std::string("Der Anwalt des ") + kParties[party].ofParty + " erhält",
            {{'+', "aus der Staatskasse (§ 49 RVG)", euros(assigned)}}, euros(assigned))};
      }
    }
    for (const std::size_t party : {kClaimant, kDefendant}) {
      const bool owesHalf = party == kDefendant && aided_[kDefendant] && !aided_[kClaimant];
      totals[party][s] =
          aided_[party] ? (owesHalf ? halves[kDefendant] : Cents{}) : parts[party][s];
      if (totalWays[party][s] == nullptr) continue;
      if (aided_[party]) {
        totalWays[party][s]->steps = {steps::aidedPays(
            kParties[party].name,
            owesHalf ? "dem Kläger, der die Gerichtsgebühr vorgeschossen hat, ihre Hälfte"
                     : "dem Gegner erstattet er nach dem Vergleich nichts",
            euros(totals[party][s]))};
      } else {
        totalWays[party][s]->steps = {
            steps::sum(std::string("Der ") + kParties[party].name + " trägt",
                       {{'+', "seinen Teil nach dem Vergleich", euros(parts[party][s])}},
                       euros(totals[party][s]))};
      }
    }
    if (stateWays[s] != nullptr) {
      stateWays[s]->steps = {steps::sum("Die Staatskasse trägt", stateTerms, euros(state[s]))};
    }
  }
  for (const std::size_t party : {kClaimant, kDefendant}) {
    if (aided_[party])
      add(r, kReceives[party].key, kReceives[party].label, receives[party], receivesWays[party]);
  }
  for (const std::size_t party : {kClaimant, kDefendant}) {
    add(r, kInAll[party].key, kInAll[party].label, totals[party], totalWays[party]);
  }
  add(r, kStateTotal.key, kStateTotal.label, state, stateWays);
}

void CostRisk::afterTotals(const ReckoningInCents& r) {
  for (const PathRows& path : kPaths) {
    // An appeal taken as a decision ends the case with the appeal.
    if (appellant_ && path.field != TotalsField::WithAppeal) continue;
    for (const std::size_t party : {kClaimant, kDefendant}) {
      const auto& sum = sums_[party][path.field];
      const RiskRow& row = path.party[party];
      addRowOf(*figures_, row.key, row.label, sum[0], sum[1], r.basis(), -1,
               recordsWays_ ? &sumWays_[party][path.field][0] : nullptr,
               recordsWays_ ? &sumWays_[party][path.field][1] : nullptr);
    }
    if (!aided_[kClaimant] && !aided_[kDefendant]) continue;
    const RiskRow& row = kStatePaths[static_cast<std::size_t>(path.field)];
    const auto& sum = stateSums_[path.field];
    addRowOf(*figures_, row.key, row.label, sum[0], sum[1], r.basis(), -1,
             recordsWays_ ? &stateSumWays_[path.field][0] : nullptr,
             recordsWays_ ? &stateSumWays_[path.field][1] : nullptr);
  }
  if (appellant_) addAppealDecision(*figures_, *options_, r.basis(), appealCosts_);
}

}  // namespace zeb
