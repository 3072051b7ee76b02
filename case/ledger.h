// The costs of a reform's case under one edition, each once: every court
// fee, witness and expert advance and lawyer's bill, by the matter it
// belongs to and the party it is of. Who bears the costs, what no one
// refunds and the totals over instances are sums over it, so that they
// agree by construction.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "case/reckoning.h"

namespace zeb {

// What a cost belongs to: the work before the lawsuit (§ 17 RVG), the
// payment order, or a block of an instance: its judgement (0), its
// settlement (1) or an ending of the first instance (2 and on).
struct Matter {
  enum class Kind : std::uint8_t { PreTrial, PaymentOrder, Block };
  Kind kind;
  InstanceSection section = InstanceSection::FirstInstance;
  int block = 0;

  friend bool operator==(const Matter&, const Matter&) = default;
};

inline constexpr Matter kPreTrial = {Matter::Kind::PreTrial};
inline constexpr Matter kPaymentOrder = {Matter::Kind::PaymentOrder};
inline constexpr int kJudgementBlock = 0;
inline constexpr int kSettlementBlock = 1;

// The block `block` of `section`.
constexpr Matter blockOf(InstanceSection section, int block) {
  return {Matter::Kind::Block, section, block};
}

// What a cost is: a court fee, an evidence advance, a lawyer's bill, or
// the bill of a lawyer assigned under legal aid, which the state pays.
enum class CostKind : std::uint8_t { CourtFee, Evidence, LawyerBill, AssignedBill };

// One cost: a court fee (advanced by the claimant, § 12 Abs. 1 GKG), the
// witness and expert costs a party advanced (§ 17 GKG), or a party's
// lawyer's bill.
struct Cost {
  Matter matter;
  CostKind kind;
  std::size_t party;    // the lawyer's party, or the party that advanced it
  Cents amount;         // a court fee or an advance
  LawyerBill charged;   // a bill after every credit onto it
  LawyerBill refunded;  // the same as an opponent who loses refunds it: without the business
                        // fee's credit (§ 15a Abs. 3 RVG); nothing of the business fee itself
};

class Ledger {
 public:
  // Room for the costs of the largest case, placed once.
  Ledger() { costs_.reserve(64); }

  void add(const Cost& cost) { costs_.push_back(cost); }

  // The court fees of `matter`.
  Cents courtFees(const Matter& matter) const;
  // The advances that `party` made in `matter`.
  Cents evidence(const Matter& matter, std::size_t party) const;
  // The bill of `party`'s lawyer in `matter`, if it had one; none else.
  const Cost* bill(const Matter& matter, std::size_t party) const {
    return find(matter, CostKind::LawyerBill, party);
  }
  // The state's bill for `party`'s lawyer assigned under legal aid in
  // `matter`, if it had one; none else.
  const Cost* assignedBill(const Matter& matter, std::size_t party) const {
    return find(matter, CostKind::AssignedBill, party);
  }

 private:
  const Cost* find(const Matter& matter, CostKind kind, std::size_t party) const;

  std::vector<Cost> costs_;
};

// The ledgers of both columns.
using Ledgers = PerSchedule<Ledger>;

// Records the costs of the block `values` of `matter`: its court fee, the
// advances and each party's bill.
void recordBlock(Ledger& ledger, const Matter& matter, const CentsBlock& values);

// What the parties bear of the judgement `matter` of an instance by
// `ledger`: its court fees and advances, and each party's bills, net of
// VAT where `net` says the party deducts input tax; in the `first`
// instance with the payment order and the bills before the lawsuit. The
// steps of its way where `steps` are recorded.
Cents costsBorne(const Ledger& ledger, const Matter& matter, bool first, std::array<bool, 2> net,
                 Steps* steps);

}  // namespace zeb
