#include "case/ledger.h"

#include <cstddef>

#include "case/case_bills.h"
#include "case/steps.h"
#include "report/german.h"

namespace zeb {

Cents Ledger::courtFees(const Matter& matter) const {
  Cents sum;
  for (const Cost& cost : costs_) {
    if (cost.matter == matter && cost.kind == CostKind::CourtFee) sum = sum + cost.amount;
  }
  return sum;
}

Cents Ledger::evidence(const Matter& matter, std::size_t party) const {
  Cents sum;
  for (const Cost& cost : costs_) {
    if (cost.matter == matter && cost.kind == CostKind::Evidence && cost.party == party) {
      sum = sum + cost.amount;
    }
  }
  return sum;
}

const Cost* Ledger::find(const Matter& matter, CostKind kind, std::size_t party) const {
  // Each matter, kind and party has one cost; the one asked for is most
  // often among the last recorded.
  for (std::size_t i = costs_.size(); i-- > 0;) {
    const Cost& cost = costs_[i];
    if (cost.matter == matter && cost.kind == kind && cost.party == party) return &cost;
  }
  return nullptr;
}

void recordBlock(Ledger& ledger, const Matter& matter, const CentsBlock& values) {
  ledger.add({matter, CostKind::CourtFee, kClaimantSide, values.court, {}, {}});
  for (const std::size_t party : {kClaimantSide, kDefendantSide}) {
    if (values.evidenceBy[party].count != 0) {
      ledger.add({matter, CostKind::Evidence, party, values.evidenceBy[party], {}, {}});
    }
  }
  for (const std::size_t party : {kClaimantSide, kDefendantSide}) {
    ledger.add(
        {matter, CostKind::LawyerBill, party, {}, values.bills[party], values.refunded[party]});
  }
}

Cents costsBorne(const Ledger& ledger, const Matter& matter, bool first, std::array<bool, 2> net,
                 Steps* steps) {
  constexpr const char* kOfParty[] = {"Klägers", "Beklagten"};
  // A bill as its party bears it.
  const auto borne = [&](std::size_t party, const Cost* cost) {
    if (cost == nullptr) return Cents{};
    return net[party] ? cost->charged.net() : cost->charged.gross();
  };
  std::array<Cents, 2> lawyers;
  for (const std::size_t party : {kClaimantSide, kDefendantSide}) {
    const Cost* cost = ledger.bill(matter, party);
    lawyers[party] = borne(party, cost);
    if (!first) {
      if (steps != nullptr && net[party] && cost != nullptr) {
        const LawyerBill& bill = cost->charged;
        steps->push_back(steps::netLawyerCosts(kOfParty[party], euros(bill.fees - bill.credited),
                                               euros(bill.flatRate), euros(bill.net())));
      }
      continue;
    }
    const Cents before = borne(party, ledger.bill(kPreTrial, party));
    const Cents paymentOrder = borne(party, ledger.bill(kPaymentOrder, party));
    const Cents instance = lawyers[party];
    lawyers[party] = before + paymentOrder + instance;
    if (steps != nullptr) {
      steps->push_back(steps::partyCosts(kOfParty[party], net[party], euros(before),
                                         euros(paymentOrder), euros(instance),
                                         euros(lawyers[party])));
    }
  }
  const Cents court =
      ledger.courtFees(matter) + (first ? ledger.courtFees(kPaymentOrder) : Cents{});
  const Cents evidence =
      ledger.evidence(matter, kClaimantSide) + ledger.evidence(matter, kDefendantSide);
  const Cents value = court + evidence + lawyers[kClaimantSide] + lawyers[kDefendantSide];
  if (steps != nullptr) {
    steps->push_back(steps::costsBorne(euros(court), euros(evidence), euros(lawyers[kClaimantSide]),
                                       euros(lawyers[kDefendantSide]), euros(value)));
  }
  return value;
}

}  // namespace zeb
