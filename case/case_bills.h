// The lawyers' bills of a case around a reform's lawsuit, in whole cents:
// the business fee before it (VV RVG Nr. 2300), a payment order before it
// (Nr. 3305, 3307), each instance, several clients (Nr. 1008), and the
// credits between them (Vorbem. 3 Abs. 4 VV RVG, Anm. zu Nr. 3305 and
// 3307, § 15a RVG). Each fee is its rate times the 1,0 fee, rounded half
// up on its own (§ 2 Abs. 2 RVG); a credit likewise.
#pragma once
#include <array>
#include <cstddef>
#include <optional>

#include "case/reckoning.h"
#include "fees/cents.h"
#include "report/derivation.h"
#include "report/report_options.h"

namespace zeb {

// A party's side of the case: what it brings, and whether it has a lawyer
// in the first instance (and so in the payment order).
struct CaseSide {
  PartyCase around;
  bool hasLawyer = true;
};

// The parties, the claimant first.
inline constexpr std::size_t kClaimantSide = 0;
inline constexpr std::size_t kDefendantSide = 1;

// VV RVG Nr. 1008: what `clients` persons add to a procedure or business
// fee, in tenths: 0,3 for each beyond the first, together at most 2,0.
int clientsRaise(int clients);

// Vorbem. 3 Abs. 4 VV RVG: the business fee's credit in hundredths of the
// full fee: half the rate at which it arose (any VV 1008 raise included),
// at most 0,75.
int businessCreditHundredths(int arisenTenths);

// The 1,0 lawyer fee of the amount (§ 13 RVG) in each matter, each side's,
// under the edition of its mandate: the work before the lawsuit, the
// payment order, the instance.
struct MatterFees {
  std::array<Cents, 2> preTrial;
  Cents paymentOrder;
  std::array<Cents, 2> instance;
  // In the case by its dates each matter's edition, so that the way of a
  // fee credited across editions says so; none where all are one.
  std::array<const Edition*, 2> preTrialEdition{};
  const Edition* paymentOrderEdition = nullptr;
  std::array<const Edition*, 2> instanceEdition{};
};

// The bills of a case's lawyers. A fee credited onto a later matter is
// credited at its amount in its own matter (its edition's).
class CaseBills {
 public:
  // `fees`: the 1,0 fees; `sides`: the claimant's and the defendant's;
  // `afterPaymentOrder`: -mahn.
  CaseBills(const MatterFees& fees, std::array<CaseSide, 2> sides, bool afterPaymentOrder)
      : fees_(fees), sides_(sides), afterPaymentOrder_(afterPaymentOrder) {}
  // All matters under one edition, whose 1,0 fee is `fee`.
  CaseBills(Cents fee, std::array<CaseSide, 2> sides, bool afterPaymentOrder)
      : CaseBills(MatterFees{{fee, fee}, fee, {fee, fee}}, sides, afterPaymentOrder) {}

  // The bill of the business fee of `side`, none where its lawyer earned
  // none.
  std::optional<LawyerBill> businessFee(std::size_t side, Steps* steps) const;

  // The bill of the payment order of `side` (the claimant's Nr. 3305, the
  // defendant's Nr. 3307): empty without a payment order or a lawyer. The
  // business fee is credited onto it where `creditBusinessFee`.
  LawyerBill paymentOrder(std::size_t side, bool creditBusinessFee, Steps* steps) const;

  // The bill of `side` for the lawyer fees of an instance block `rates`,
  // its procedure fee raised for its clients; in the `first` instance
  // with the payment order's fee and, where `creditBusinessFee`, what the
  // payment order left of the business fee's credit credited onto it.
  // Empty in the first instance without a lawyer.
  LawyerBill instance(std::size_t side, const BlockRates& rates, bool first, bool creditBusinessFee,
                      Steps* steps) const;

 private:
  // The credit of the business fee of `side` onto the procedure fee that
  // follows it, of the edition `onto`, and its way: none without a business
  // fee, or where it is not to be `credit`ed (the opponent cannot claim it).
  Cents businessFeeCredit(std::size_t side, bool credit, const Edition* onto, Steps* steps) const;

  MatterFees fees_;
  std::array<CaseSide, 2> sides_;
  bool afterPaymentOrder_;
};

}  // namespace zeb
