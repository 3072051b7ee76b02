#include "case/bearing.h"

#include <algorithm>

namespace zeb {
namespace {

constexpr std::size_t kClaimant = 0;
constexpr std::size_t kDefendant = 1;

// A party's bill in `matter` as it bears it, or nothing without one.
Cents chargedIn(const Ledger& ledger, const Matter& matter, const Parties& parties,
                std::size_t party, bool refunded = false) {
  const Cost* cost = ledger.bill(matter, party);
  if (cost == nullptr) return {};
  return parties.costsOf(party, refunded ? cost->refunded : cost->charged);
}

// The first instance of a case around the lawsuit: the court fees with the
// payment order's, the evidence each party advanced, and each party's
// lawyer as the opponent refunds it: payment order and first instance,
// without the business fee's credit (§ 15a Abs. 3 RVG).
Distributed distributedAround(const Ledger& ledger, const BlockToBear& block,
                              const Parties& parties) {
  const Matter& matter = block.matter;
  Distributed d{};
  d.court = ledger.courtFees(matter) + ledger.courtFees(kPaymentOrder);
  d.evidence = {ledger.evidence(matter, kClaimant), ledger.evidence(matter, kDefendant)};
  for (const std::size_t party : {kClaimant, kDefendant}) {
    d.before[party] = chargedIn(ledger, kPreTrial, parties, party) +
                      chargedIn(ledger, kPaymentOrder, parties, party);
    // A lawyer it had before the lawsuit is its own all the same.
    if (!parties.lawyers[party].inFirstInstance) {
      d.notRefunded[party] = d.before[party];
      continue;
    }
    const Cents refunded = chargedIn(ledger, kPaymentOrder, parties, party, true) +
                           chargedIn(ledger, matter, parties, party, true);
    const Cents charged = d.before[party] + chargedIn(ledger, matter, parties, party);
    if (block.refundsLawyers) {
      d.lawyers[party] = refunded;
      d.notRefunded[party] = charged - refunded;
    } else {
      // Its own lawyer, all of him; an aided party's the state pays.
      d.notRefunded[party] = parties.aided(party) ? d.before[party] : charged;
    }
  }
  return d;
}

// The part of `value` that the claimant bears at `share`: the share it
// lost, half up.
Cents claimantPart(Cents value, const ShareWon& share) {
  return partOf(value, share.of - share.won, share.of);
}

}  // namespace

Cents lawyerCosts(const Ledger& ledger, const BlockToBear& block, const Parties& parties,
                  std::size_t party) {
  // A party may act without a lawyer in the first instance alone.
  if (block.first && !parties.lawyers[party].inFirstInstance) return {};
  const Cost* cost = ledger.bill(block.matter, party);
  return parties.costsOf(party, cost != nullptr ? cost->charged : LawyerBill{});
}

Distributed distributed(const Ledger& ledger, const BlockToBear& block, const Parties& parties) {
  if (block.around && block.first) return distributedAround(ledger, block, parties);
  // Each party's lawyer as the block bills it, the court fees.
  Distributed d{};
  d.court = ledger.courtFees(block.matter);
  for (const std::size_t party : {kClaimant, kDefendant}) {
    const Cents own = lawyerCosts(ledger, block, parties, party);
    if (block.refundsLawyers) {
      d.lawyers[party] = own;
    } else if (!parties.aided(party)) {
      d.notRefunded[party] = own;
    }
  }
  return d;
}

Split split(const Ledger& ledger, const BlockToBear& block, const Parties& parties,
            const ShareWon& share) {
  Split s{distributed(ledger, block, parties), {}, {}, {}};
  const Distributed& d = s.costs;
  const Cents total = d.total();
  // The claimant bears the share it lost, rounded half up; the defendant the
  // rest.
  s.part[kClaimant] = claimantPart(total, share);
  s.part[kDefendant] = total - s.part[kClaimant];
  // What the claimant has paid: its lawyer, its evidence, and the court fee
  // where it advanced it; where no one advanced, its quota of the court
  // costs, billed to it.
  s.paidByClaimant = d.lawyers[kClaimant];
  if (!block.advancedBy) {
    s.paidByClaimant = s.paidByClaimant + claimantPart(d.courtCosts(), share);
  } else {
    s.paidByClaimant = s.paidByClaimant + d.evidence[kClaimant] +
                       (*block.advancedBy == kClaimant ? d.court : Cents{});
  }
  // One side pays the other the difference.
  const bool claimantPays = s.part[kClaimant] > s.paidByClaimant;
  s.pays[kClaimant] = claimantPays ? s.part[kClaimant] - s.paidByClaimant : Cents{};
  s.pays[kDefendant] = claimantPays ? Cents{} : s.paidByClaimant - s.part[kClaimant];
  return s;
}

AidedSplit splitWithAid(const Ledger& ledger, const BlockToBear& block, const Parties& parties,
                        const ShareWon& share) {
  AidedSplit a{};
  a.costs = distributed(ledger, block, parties);
  const Distributed& d = a.costs;
  const Cents court = d.courtCosts();
  const std::array<Cents, 2>& own = d.lawyers;
  // Only the lawyer costs are balanced.
  a.lawyers = own[kClaimant] + own[kDefendant];
  a.share = {claimantPart(a.lawyers, share), a.lawyers - claimantPart(a.lawyers, share)};
  const bool claimantPays = a.share[kClaimant] > own[kClaimant];
  a.pays[kClaimant] = claimantPays ? a.share[kClaimant] - own[kClaimant] : Cents{};
  a.pays[kDefendant] = claimantPays ? Cents{} : own[kClaimant] - a.share[kClaimant];
  a.courtPart = {claimantPart(court, share), court - claimantPart(court, share)};
  // An aided defendant's part of the court costs that the claimant advanced:
  // the state refunds it.
  if (parties.aided(kDefendant) && !parties.aided(kClaimant) && block.advancedBy) {
    a.courtRefund = a.courtPart[kDefendant];
  }
  // What each lawyer receives: an aided party's lawyer the state's bill and,
  // of what the opponent pays, first his difference to his regular bill;
  // the rest passes to the state.
  for (const std::size_t party : {kClaimant, kDefendant}) {
    if (!parties.aided(party)) {
      a.receives[party] = own[party];
      continue;
    }
    const Cost* bill = ledger.assignedBill(block.matter, party);
    a.assigned[party] = bill != nullptr ? bill->charged.gross() : Cents{};
    const Cents received = a.pays[1 - party];
    const Cents difference = std::max(own[party] - a.assigned[party], Cents{});
    a.kept[party] = std::min(received, difference);
    a.passed[party] = received - a.kept[party];
    a.receives[party] = a.assigned[party] + a.kept[party];
  }
  // What each party pays in the end, and the state.
  for (const std::size_t party : {kClaimant, kDefendant}) {
    const std::size_t other = 1 - party;
    a.borne[party] = parties.aided(party) ? a.pays[party] + d.notRefunded[party]
                                          : own[party] + a.courtPart[party] + a.pays[party] -
                                                a.pays[other] + d.notRefunded[party];
    if (parties.aided(party)) {
      a.state = a.state + a.courtPart[party] + a.assigned[party] - a.passed[party];
    }
  }
  a.inAll = court + a.receives[kClaimant] + a.receives[kDefendant] + d.notRefunded[kClaimant] +
            d.notRefunded[kDefendant];
  return a;
}

Cancelled cancel(const Ledger& ledger, const BlockToBear& block, const Parties& parties) {
  Cancelled c{};
  const Matter& matter = block.matter;
  c.court = ledger.courtFees(matter);
  const bool aroundFirst = block.around && block.first;
  // Around a lawsuit, the court costs with the payment order's and the
  // evidence.
  if (aroundFirst) {
    c.court = c.court + ledger.courtFees(kPaymentOrder) + ledger.evidence(matter, kClaimant) +
              ledger.evidence(matter, kDefendant);
  }
  // Half the court costs, rounded half up, for the claimant; the rest for
  // the defendant. Each party its own lawyer: around a lawsuit every matter
  // of it, as charged after the credits.
  const Cents half = zeb::half(c.court);
  for (const std::size_t party : {kClaimant, kDefendant}) {
    c.own[party] = lawyerCosts(ledger, block, parties, party);
    if (aroundFirst) {
      c.own[party] = chargedIn(ledger, kPreTrial, parties, party) +
                     chargedIn(ledger, kPaymentOrder, parties, party) + c.own[party];
    }
    c.part[party] = (party == kClaimant ? half : c.court - half) + c.own[party];
  }
  if (!parties.anyAid()) return c;
  // The court fee of the settlement, half for each party (§ 29 Nr. 2 GKG);
  // an aided party's half stays with the state. An aided defendant's half
  // the claimant, who advanced the fee, may claim from it (§ 31 Abs. 4 GKG
  // is taken as not met). Each aided party's lawyer gets his bill from the
  // state and nothing from the opponent.
  const Cents fee = ledger.courtFees(matter);
  c.halves = {zeb::half(fee), fee - zeb::half(fee)};
  const bool advanced = block.advancedBy.has_value();
  for (const std::size_t party : {kClaimant, kDefendant}) {
    const bool owesHalf =
        party == kDefendant && parties.aided(kDefendant) && !parties.aided(kClaimant) && advanced;
    c.borne[party] = !parties.aided(party) ? c.part[party]
                     : owesHalf            ? c.halves[kDefendant]
                                           : Cents{};
    if (!parties.aided(party)) continue;
    const Cost* bill = ledger.assignedBill(matter, party);
    c.receives[party] = bill != nullptr ? bill->charged.gross() : Cents{};
    const bool stateKeepsHalf = party == kClaimant || parties.aided(kClaimant) || !advanced;
    c.state = c.state + c.receives[party] + (stateKeepsHalf ? c.halves[party] : Cents{});
  }
  return c;
}

}  // namespace zeb
