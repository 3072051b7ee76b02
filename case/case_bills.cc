#include "case/case_bills.h"

#include <algorithm>

#include "case/steps.h"
#include "report/german.h"

namespace zeb {
namespace {

// The payment order's procedure fees: the applicant's 1,0 (VV RVG Nr.
// 3305) and the respondent's 0,5 (Nr. 3307).
constexpr FeeRate kPaymentOrderFees[] = {{10, 3305, "Verfahrensgebühr"},
                                         {5, 3307, "Verfahrensgebühr"}};
constexpr const char* kSideNames[] = {"Kläger", "Beklagte"};

}  // namespace

int clientsRaise(int clients) { return std::min(3 * (clients - 1), 20); }

int businessCreditHundredths(int arisenTenths) { return std::min(5 * arisenTenths, 75); }

std::optional<LawyerBill> CaseBills::businessFee(std::size_t side, Steps* steps) const {
  const PartyCase& party = sides_[side].around;
  if (party.businessFeeTenths == 0) return std::nullopt;
  const int raise = clientsRaise(party.clients);
  const Cents full = fees_.preTrial[side];
  const Cents fee = timesRate(full, party.businessFeeTenths + raise);
  if (steps != nullptr) {
    steps->push_back(steps::billFee({party.businessFeeTenths, 2300, "Geschäftsgebühr"}, raise,
                                    party.clients, euros(full), euros(fee)));
  }
  return lawyerBill(fee, {}, steps);
}

Cents CaseBills::businessFeeCredit(std::size_t side, bool credit, const Edition* onto,
                                   Steps* steps) const {
  const PartyCase& party = sides_[side].around;
  if (party.businessFeeTenths == 0) return {};
  // Half the fee as it arose, several clients' raise included.
  const int business = party.businessFeeTenths + clientsRaise(party.clients);
  if (!credit) {
    if (steps != nullptr) steps->push_back(steps::refundedWithoutBusinessCredit());
    return {};
  }
  // At the fee as it arose, under the edition of its own matter.
  const int hundredths = businessCreditHundredths(business);
  const Cents full = fees_.preTrial[side];
  const Cents value = partOf(full, hundredths, 100);
  const Edition* from = fees_.preTrialEdition[side];
  if (steps != nullptr && from != nullptr && onto != nullptr && from != onto) {
    steps->push_back(steps::creditedAcrossEditions("Geschäftsgebühr", *from));
  }
  if (steps != nullptr) {
    steps->push_back(steps::businessCredit(business, hundredths, euros(full), euros(value)));
  }
  return value;
}

LawyerBill CaseBills::paymentOrder(std::size_t side, bool creditBusinessFee, Steps* steps) const {
  const CaseSide& party = sides_[side];
  if (!afterPaymentOrder_) return {};
  if (!party.hasLawyer) {
    if (steps != nullptr) steps->push_back(steps::noLawyerIn(kSideNames[side], "im Mahnverfahren"));
    return {};
  }
  const FeeRate& rate = kPaymentOrderFees[side];
  const int raise = clientsRaise(party.around.clients);
  const Cents fee = timesRate(fees_.paymentOrder, rate.tenths + raise);
  if (steps != nullptr) {
    steps->push_back(
        steps::billFee(rate, raise, party.around.clients, euros(fees_.paymentOrder), euros(fee)));
  }
  // The business fee's credit onto the first procedure fee that follows it.
  const Cents credit = businessFeeCredit(side, creditBusinessFee, fees_.paymentOrderEdition, steps);
  const Cents credited = std::min(credit, fee);
  if (credit.count != 0 && steps != nullptr) {
    steps->push_back(
        steps::credited("Verfahrensgebühr", euros(fee), credit > fee, euros(credited)));
  }
  return lawyerBill(fee, credited, steps);
}

LawyerBill CaseBills::instance(std::size_t side, const BlockRates& rates, bool first,
                               bool creditBusinessFee, Steps* steps) const {
  const CaseSide& party = sides_[side];
  if (first && !party.hasLawyer) {
    if (steps != nullptr)
      steps->push_back(steps::noLawyerIn(kSideNames[side], "in erster Instanz"));
    return {};
  }
  // Each fee on its own; several clients raise the procedure fee alone.
  const int raise = clientsRaise(party.around.clients);
  const Cents full = fees_.instance[side];
  Cents fees;
  Cents procedure;
  for (std::size_t i = 0; i < std::size(rates.lawyer); ++i) {
    const FeeRate& rate = rates.lawyer[i];
    if (rate.tenths == 0) continue;
    const int raised = i == 0 ? raise : 0;
    const Cents value = timesRate(full, rate.tenths + raised);
    if (i == 0) procedure = value;
    fees = fees + value;
    if (steps != nullptr) {
      steps->push_back(
          steps::billFee(rate, raised, party.around.clients, euros(full), euros(value)));
    }
  }
  Cents credited;
  if (first) {
    // Onto the procedure fee: the payment order's fee as earned, and what
    // it could not absorb of the business fee's credit.
    Cents credit;
    Cents paymentOrderFee;
    if (afterPaymentOrder_) {
      const FeeRate& rate = kPaymentOrderFees[side];
      paymentOrderFee = timesRate(fees_.paymentOrder, rate.tenths + raise);
      credit = paymentOrderFee;
      const Edition* from = fees_.paymentOrderEdition;
      const Edition* onto = fees_.instanceEdition[side];
      if (steps != nullptr && from != nullptr && onto != nullptr && from != onto) {
        steps->push_back(
            steps::creditedAcrossEditions("Verfahrensgebühr des Mahnverfahrens", *from));
      }
      if (steps != nullptr) {
        steps->push_back(steps::paymentOrderCredit(rate.number, euros(paymentOrderFee)));
      }
    }
    const Cents businessCredit =
        businessFeeCredit(side, creditBusinessFee, fees_.instanceEdition[side], steps);
    if (businessCredit.count != 0) {
      const Cents used = std::min(businessCredit, paymentOrderFee);
      credit = credit + businessCredit - used;
      if (afterPaymentOrder_ && steps != nullptr) {
        steps->push_back(steps::businessCreditRest(euros(businessCredit), euros(used),
                                                   euros(businessCredit - used)));
      }
    }
    credited = std::min(credit, procedure);
    if (credit.count != 0 && steps != nullptr) {
      steps->push_back(steps::credited("Verfahrensgebühr", euros(procedure), credit > procedure,
                                       euros(credited)));
    }
  }
  return lawyerBill(fees, credited, steps);
}

}  // namespace zeb
