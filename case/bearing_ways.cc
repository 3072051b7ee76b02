#include "case/bearing_ways.h"

#include <vector>

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

bool aroundFirst(const BlockWords& w) { return w.block->around && w.block->first; }

// The steps of a party's lawyer costs in the block as it bears them: none
// without a lawyer in the first instance, net where it deducts VAT.
void lawyerCostsSteps(const BlockWords& w, std::size_t party, Steps& steps) {
  const BlockToBear& block = *w.block;
  if (block.first && !w.parties->lawyers[party].inFirstInstance) {
    steps.push_back(steps::noLawyer(kParties[party].name));
    return;
  }
  if (!w.parties->lawyers[party].deductsVat) return;
  const Cost* cost = w.ledger->bill(block.matter, party);
  const LawyerBill bill = cost != nullptr ? cost->charged : LawyerBill{};
  steps.push_back(steps::netLawyerCosts(kParties[party].ofParty, euros(bill.fees - bill.credited),
                                        euros(bill.flatRate), euros(bill.net())));
}

// The steps of each party's lawyer costs as the distribution counts them.
// Where the instance refunds no lawyer, the rows of what each party bears
// itself show them instead.
void partySteps(const BlockWords& w, const Distributed& d, Steps& steps) {
  if (!w.block->refundsLawyers) return;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    if (!aroundFirst(w)) {
      lawyerCostsSteps(w, party, steps);
      continue;
    }
    if (!w.parties->lawyers[party].inFirstInstance) {
      steps.push_back(steps::noLawyer(kParties[party].name));
      continue;
    }
    const Cost* paymentOrder = w.ledger->bill(kPaymentOrder, party);
    const Cost* bill = w.ledger->bill(w.block->matter, party);
    const auto refunded = [&](const Cost* cost) {
      return cost != nullptr ? w.parties->costsOf(party, cost->refunded) : Cents{};
    };
    steps.push_back(steps::refundable(kParties[party].ofParty, w.parties->lawyers[party].deductsVat,
                                      euros(refunded(paymentOrder)), euros(refunded(bill)),
                                      euros(d.lawyers[party])));
  }
}

// The line that says what the block distributes.
std::string distributionLine(const BlockWords& w, const Distributed& d, Cents total) {
  if (!w.block->refundsLawyers) {
    return steps::courtCostsToDistribute(euros(d.court), euros(d.evidence[0] + d.evidence[1]),
                                         euros(total), w.noRefundRule);
  }
  if (aroundFirst(w)) {
    return steps::caseCostsToDistribute(euros(d.court), euros(d.evidence[0] + d.evidence[1]),
                                        euros(d.lawyers[0]), euros(d.lawyers[1]), euros(total));
  }
  return steps::costsToDistribute(euros(d.court), euros(d.lawyers[0]), euros(d.lawyers[1]),
                                  euros(total));
}

// What no one refunds a party: around a lawsuit what its lawyers charged
// beyond what is refundable; where the instance refunds no lawyer, all
// its own lawyer costs.
Steps notRefundedSteps(const BlockWords& w, const Distributed& d, std::size_t party) {
  if (w.block->refundsLawyers) {
    return {steps::notRefunded(kParties[party].ofParty,
                               euros(d.notRefunded[party] + d.lawyers[party]),
                               euros(d.lawyers[party]), euros(d.notRefunded[party]))};
  }
  if (w.parties->aided(party)) return {steps::assignedByState(kParties[party].ofParty)};
  Steps steps;
  std::string costs = euros(d.notRefunded[party]);
  if (aroundFirst(w) && w.parties->lawyers[party].inFirstInstance) {
    const Cents before = d.before[party];
    costs = "vor dem Prozess " + euros(before) + " + erste Instanz " +
            euros(d.notRefunded[party] - before);
  } else {
    lawyerCostsSteps(w, party, steps);
  }
  steps.push_back(steps::ownLawyerNotRefunded(kParties[party].ofParty, costs,
                                              euros(d.notRefunded[party]), w.noRefundRule));
  return steps;
}

// Who paid what of the costs distributed, for the balance.
Steps paidSteps(const BlockWords& w, const Split& s) {
  const Distributed& d = s.costs;
  Steps paid;
  const BlockToBear& block = *w.block;
  if (w.ending != nullptr && !w.appellant && block.advancedBy) {
    // After an ending that lowers the court fee, the state pays the claimant
    // back the rest of its advance.
    const Cents advance = w.ledger->courtFees(blockOf(block.matter.section, kJudgementBlock)) +
                          w.ledger->courtFees(kPaymentOrder);
    if (advance > d.court) {
      paid.push_back(steps::courtRefund(euros(advance), euros(d.court), euros(advance - d.court)));
    }
  }
  if (!block.advancedBy) {
    paid.push_back(steps::paidByQuota(euros(s.paidByClaimant - d.lawyers[kClaimant]),
                                      euros(d.lawyers[kClaimant]), euros(s.paidByClaimant),
                                      euros(d.lawyers[kDefendant])));
  } else if (aroundFirst(w)) {
    paid.push_back(steps::casePaid(euros(d.court), euros(d.evidence[0]), euros(d.lawyers[0]),
                                   euros(s.paidByClaimant), euros(d.evidence[1]),
                                   euros(d.lawyers[1])));
  } else if (w.appellant) {
    const std::size_t appellant = *w.appellant;
    paid.push_back(
        steps::paidByAppellant(kParties[appellant].name, euros(d.court),
                               euros(d.lawyers[appellant]), euros(d.court + d.lawyers[appellant]),
                               kParties[1 - appellant].name, euros(d.lawyers[1 - appellant])));
  } else {
    paid.push_back(steps::paid(euros(d.court), euros(d.lawyers[0]), euros(s.paidByClaimant),
                               euros(d.lawyers[1])));
  }
  return paid;
}

// The ways of each party's part of `total` by the share, or as the ending
// puts it.
std::array<Steps, 2> partSteps(const BlockWords& w, Cents total, const std::array<Cents, 2>& part) {
  const std::string sum = euros(total);
  if (w.ending != nullptr) {
    return {Steps{steps::endingShare(kParties[kClaimant].ofParty, w.ending->bearRule,
                                     (*w.shareText)[kClaimant], sum, euros(part[kClaimant]))},
            Steps{steps::endingShare(kParties[kDefendant].ofParty, w.ending->bearRule,
                                     (*w.shareText)[kDefendant], sum, euros(part[kDefendant]))}};
  }
  const bool rounded = total.count * (w.share.of - w.share.won) % w.share.of != 0;
  const std::string claimantPart = euros(part[kClaimant]);
  return {Steps{steps::costShare(kParties[kClaimant].ofParty, (*w.shareText)[kClaimant], sum,
                                 rounded, claimantPart)},
          Steps{steps::remainingShare(kParties[kDefendant].ofParty, sum, claimantPart,
                                      euros(part[kDefendant]))}};
}

}  // namespace

SplitWays splitWays(const BlockWords& w, const Split& s) {
  const Distributed& d = s.costs;
  const Cents total = d.total();
  SplitWays ways;
  partySteps(w, d, ways.total);
  ways.total.push_back(distributionLine(w, d, total));
  ways.part = partSteps(w, total, s.part);
  const Steps paid = paidSteps(w, s);
  for (const std::size_t payer : {kClaimant, kDefendant}) {
    ways.balance[payer] = paid;
    ways.balance[payer].push_back(steps::balance(euros(s.part[kClaimant]), euros(s.paidByClaimant),
                                                 payer == kClaimant, euros(s.pays[payer])));
    ways.notRefunded[payer] = notRefundedSteps(w, d, payer);
    ways.inAll[payer] = {steps::withNotRefunded(euros(s.part[payer]), euros(d.notRefunded[payer]),
                                                euros(s.part[payer] + d.notRefunded[payer]))};
  }
  return ways;
}

namespace {

// What a party bears in the end under legal aid.
Steps aidBorneSteps(const BlockWords& w, const AidedSplit& a, std::size_t party) {
  const Distributed& d = a.costs;
  const std::size_t other = 1 - party;
  if (w.parties->aided(party)) {
    return {steps::aidedPays(kParties[party].name,
                             w.block->refundsLawyers ? "dem Gegner erstattet er nach der Quote"
                                                     : "dem Gegner erstattet er nichts",
                             euros(a.borne[party]))};
  }
  std::vector<steps::Term> terms;
  if (w.block->refundsLawyers) {
    terms = {{'+', "eigene Anwaltskosten", euros(d.lawyers[party])},
             {'+',
              party == kClaimant ? "Gerichtskosten nach seiner Quote"
                                 : "Gerichtskosten nach seiner Quote (§ 125 ZPO)",
              euros(a.courtPart[party])},
             {'+', "an den Gegner", euros(a.pays[party])},
             {'-', "vom Gegner", euros(a.pays[other])}};
    if (d.notRefunded[party].count != 0) {
      terms.push_back({'+', "nicht erstattet", euros(d.notRefunded[party])});
    }
  } else {
    terms = {{'+', "Gerichtskosten nach seiner Quote", euros(a.courtPart[party])},
             {'+', std::string("eigene Anwaltskosten, nicht erstattet (") + w.noRefundRule + ")",
              euros(d.notRefunded[party])}};
  }
  return {steps::sum(std::string("Der ") + kParties[party].name + " trägt", terms,
                     euros(a.borne[party]))};
}

// What the state bears under legal aid, and the costs in all.
void aidStateSteps(const BlockWords& w, const AidedSplit& a, AidedSplitWays& ways) {
  const Distributed& d = a.costs;
  std::vector<steps::Term> terms;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    if (!w.parties->aided(party)) continue;
    terms.push_back({'+',
                     std::string("Gerichtskosten nach der Quote des ") + kParties[party].ofParty,
                     euros(a.courtPart[party])});
    terms.push_back({'+', std::string("Anwalt des ") + kParties[party].ofParty + " (§ 49 RVG)",
                     euros(a.assigned[party])});
    terms.push_back({'-', "auf sie übergegangen (§ 59 Abs. 1 RVG)", euros(a.passed[party])});
  }
  ways.state = {steps::sum("Die Staatskasse trägt", terms, euros(a.state))};
  std::vector<steps::Term> inAll = {
      {'+', "Gerichtskosten", euros(d.courtCosts())},
      {'+', "Anwalt des Klägers erhält", euros(a.receives[kClaimant])},
      {'+', "Anwalt des Beklagten erhält", euros(a.receives[kDefendant])}};
  if ((d.notRefunded[kClaimant] + d.notRefunded[kDefendant]).count != 0) {
    inAll.push_back(
        {'+', "nicht erstattet", euros(d.notRefunded[kClaimant] + d.notRefunded[kDefendant])});
  }
  ways.inAll = {steps::sum(std::string("Kosten ") + w.instanceName, inAll, euros(a.inAll))};
}

// What an aided party's lawyer receives.
Steps aidReceivesSteps(const AidedSplit& a, std::size_t party) {
  Steps way;
  const Cents received = a.pays[1 - party];
  if (received.count != 0) {
    const Cents own = a.costs.lawyers[party];
    way.push_back(steps::aidKept(euros(received), euros(own), euros(a.assigned[party]),
                                 euros(std::max(own - a.assigned[party], Cents{})),
                                 euros(a.kept[party]), euros(a.passed[party])));
  }
  way.push_back(steps::sum(std::string("Der Anwalt des ") + kParties[party].ofParty + " erhält",
                           {{'+', "aus der Staatskasse (§ 49 RVG)", euros(a.assigned[party])},
                            {'+', "vom Gegner", euros(a.kept[party])}},
                           euros(a.receives[party])));
  return way;
}

}  // namespace

AidedSplitWays aidedSplitWays(const BlockWords& w, const AidedSplit& a) {
  const Distributed& d = a.costs;
  AidedSplitWays ways;
  partySteps(w, d, ways.total);
  if (w.block->refundsLawyers) {
    ways.total.push_back(steps::aidLawyersOnly());
    ways.total.push_back(steps::sum("Zu verteilende Anwaltskosten",
                                    {{'+', "des Klägers", euros(d.lawyers[kClaimant])},
                                     {'+', "des Beklagten", euros(d.lawyers[kDefendant])}},
                                    euros(a.lawyers)));
    ways.share = partSteps(w, a.lawyers, a.share);
  } else {
    ways.total.push_back(distributionLine(w, d, d.courtCosts()));
    ways.share = partSteps(w, d.courtCosts(), a.courtPart);
  }
  for (const std::size_t payer : {kClaimant, kDefendant}) {
    ways.balance[payer] = {steps::aidBalance(euros(a.share[kClaimant]), euros(d.lawyers[kClaimant]),
                                             payer == kClaimant, w.parties->aided(1 - payer),
                                             euros(a.pays[payer]))};
    ways.notRefunded[payer] = notRefundedSteps(w, d, payer);
    if (w.parties->aided(payer)) ways.receives[payer] = aidReceivesSteps(a, payer);
    ways.borne[payer] = aidBorneSteps(w, a, payer);
  }
  ways.courtRefund = {steps::aidCourtRefund(euros(d.courtCosts()), euros(a.courtRefund))};
  aidStateSteps(w, a, ways);
  return ways;
}

namespace {

// What the state bears of a settlement under legal aid, and each party.
void cancelledAidSteps(const BlockWords& w, const Cancelled& c, CancelledWays& ways) {
  const bool advanced = w.block->advancedBy.has_value();
  std::vector<steps::Term> stateTerms;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    const char* ofParty = kParties[party].ofParty;
    if (w.parties->aided(party)) {
      if (party == kClaimant || w.parties->aided(kClaimant) || !advanced) {
        stateTerms.push_back(
            {'+', std::string("Hälfte der Gerichtskosten des ") + ofParty, euros(c.halves[party])});
      }
      stateTerms.push_back(
          {'+', std::string("Anwalt des ") + ofParty + " (§ 49 RVG)", euros(c.receives[party])});
      ways.receives[party] = {
          steps::sum(std::string("Der Anwalt des ") + ofParty + " erhält",
                     {{'+', "aus der Staatskasse (§ 49 RVG)", euros(c.receives[party])}},
                     euros(c.receives[party]))};
      const bool owesHalf = party == kDefendant && !w.parties->aided(kClaimant) && advanced;
      ways.borne[party] = {steps::aidedPays(
          kParties[party].name,
          owesHalf ? "dem Kläger, der die Gerichtsgebühr vorgeschossen hat, ihre Hälfte"
                   : "dem Gegner erstattet er nach dem Vergleich nichts",
          euros(c.borne[party]))};
    } else {
      ways.borne[party] = {steps::sum(
          std::string("Der ") + kParties[party].name + " trägt",
          {{'+', "seinen Teil nach dem Vergleich", euros(c.part[party])}}, euros(c.borne[party]))};
    }
  }
  ways.state = {steps::sum("Die Staatskasse trägt", stateTerms, euros(c.state))};
}

}  // namespace

CancelledWays cancelledWays(const BlockWords& w, const Cancelled& c) {
  CancelledWays ways;
  const Cents half = zeb::half(c.court);
  for (const std::size_t party : {kClaimant, kDefendant}) {
    Steps& steps = ways.part[party];
    lawyerCostsSteps(w, party, steps);
    const Cents courtPart = party == kClaimant ? half : c.court - half;
    if (aroundFirst(w)) {
      const Cost* business = w.ledger->bill(kPreTrial, party);
      const Cost* paymentOrder = w.ledger->bill(kPaymentOrder, party);
      const Cents businessCosts =
          business != nullptr ? w.parties->costsOf(party, business->charged) : Cents{};
      const Cents paymentOrderCosts =
          paymentOrder != nullptr ? w.parties->costsOf(party, paymentOrder->charged) : Cents{};
      if (business != nullptr || paymentOrder != nullptr) {
        steps.push_back(steps::ownLawyerCosts(
            euros(businessCosts), euros(paymentOrderCosts),
            euros(c.own[party] - businessCosts - paymentOrderCosts), euros(c.own[party])));
      }
    }
    steps.push_back(steps::cancelled(party == kClaimant, euros(c.court), euros(half),
                                     euros(courtPart), euros(c.own[party]), euros(c.part[party])));
    ways.inAll[party] = {steps::cancelledInAll(euros(c.part[party]))};
  }
  if (w.parties->anyAid()) cancelledAidSteps(w, c, ways);
  return ways;
}

}  // namespace zeb
