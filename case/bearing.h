// Who bears the costs of one block of a reform's case, in one column: a
// function of the ledger of its costs, the block's place in its
// proceeding, the parties and the share, and of nothing else. By the share
// the costs are split (§§ 91, 92 ZPO) and balanced (§ 106 ZPO), or an
// ending puts them on one side; after a settlement they are cancelled
// against each other (§ 98 ZPO); under legal aid only the lawyer costs
// are balanced and the state bears the rest of an aided party's
// (§§ 122, 123 ZPO, § 59 RVG). In whole cents; the ways are written apart.
#pragma once
#include <array>
#include <cstddef>
#include <optional>

#include "case/ledger.h"
#include "report/report_options.h"

namespace zeb {

// The parties, the claimant first: a lawyer in the first instance, input
// tax, legal aid.
struct Parties {
  std::array<PartyLawyer, 2> lawyers;

  bool aided(std::size_t party) const { return lawyers[party].legalAid; }
  bool anyAid() const { return aided(0) || aided(1); }
  // A bill as `party` bears and claims it: without VAT where it deducts
  // input tax (§ 104 Abs. 2 Satz 3 ZPO).
  Cents costsOf(std::size_t party, const LawyerBill& bill) const {
    return lawyers[party].deductsVat ? bill.net() : bill.gross();
  }
};

// The block whose costs are borne, and what of its place decides it.
struct BlockToBear {
  Matter matter;
  bool first;           // the first instance, with what came before it
  bool around;          // the case around the lawsuit: bills as charged and as refunded
  bool refundsLawyers;  // the loser refunds the winner's lawyer; not so § 12a ArbGG
  // The party that advanced the block's court fee: the claimant (§ 12 Abs.
  // 1 GKG), or an appellant (§ 22 Abs. 1 GKG); none before the labour
  // courts, where each party is billed its quota (§ 11 GKG).
  std::optional<std::size_t> advancedBy;
};

// What a block distributes in one column, and what no one refunds.
struct Distributed {
  Cents court;                    // the court fees, with the payment order's in the first instance
  std::array<Cents, 2> evidence;  // witnesses and experts, each party's advance
  std::array<Cents, 2> lawyers;   // each party's lawyer costs as the opponent refunds them
  std::array<Cents, 2> notRefunded;  // of each party's lawyers' bills, what no one refunds it
  std::array<Cents, 2> before;       // each party's bills before the first instance, as charged

  Cents courtCosts() const { return court + evidence[0] + evidence[1]; }
  Cents total() const { return courtCosts() + lawyers[0] + lawyers[1]; }
};

// What the block `block` distributes by `ledger`.
Distributed distributed(const Ledger& ledger, const BlockToBear& block, const Parties& parties);

// A party's lawyer costs in the block as it bears them: none without a
// lawyer in the first instance, else its bill, net where it deducts VAT.
Cents lawyerCosts(const Ledger& ledger, const BlockToBear& block, const Parties& parties,
                  std::size_t party);

// One column of a judgement or an ending split by `share`, without legal aid.
struct Split {
  Distributed costs;
  std::array<Cents, 2> part;  // each party's part: the claimant's half up, the defendant the rest
  Cents paidByClaimant;       // what the claimant has paid of the costs distributed
  std::array<Cents, 2> pays;  // the balance: the claimant's payment, the defendant's
};

Split split(const Ledger& ledger, const BlockToBear& block, const Parties& parties,
            const ShareWon& share);

// One column of a judgement or an ending under legal aid: the lawyer
// costs alone are balanced; the court costs fall by the quota, an aided
// party's on the state, which also pays its lawyer's § 49 bill.
struct AidedSplit {
  Distributed costs;
  Cents lawyers;                   // the lawyer costs to distribute
  std::array<Cents, 2> share;      // each party's part of them
  std::array<Cents, 2> pays;       // the balance: the claimant's payment, the defendant's
  std::array<Cents, 2> courtPart;  // each party's quota of the court costs
  Cents courtRefund;               // of the claimant's advance, an aided defendant's quota
  std::array<Cents, 2> assigned;   // the state's bill for an aided party's lawyer
  std::array<Cents, 2> kept;       // of the opponent's payment, what that lawyer keeps
  std::array<Cents, 2> passed;     // and what passes to the state (§ 59 RVG)
  std::array<Cents, 2> receives;   // what each lawyer receives in all
  std::array<Cents, 2> borne;      // what each party bears in the end
  Cents state;                     // what the state bears
  Cents inAll;                     // the court costs and what each lawyer receives
};

AidedSplit splitWithAid(const Ledger& ledger, const BlockToBear& block, const Parties& parties,
                        const ShareWon& share);

// One column of a settlement: the costs cancelled against each other.
struct Cancelled {
  Cents court;                // the court costs, halved
  std::array<Cents, 2> own;   // each party's own lawyer costs
  std::array<Cents, 2> part;  // half the court costs (the claimant's half up) and its own lawyer
  // Under legal aid: what each lawyer receives, each party and the state
  // bear in the end; the halves of the settlement's court fee.
  std::array<Cents, 2> halves;
  std::array<Cents, 2> receives;
  std::array<Cents, 2> borne;
  Cents state;
};

Cancelled cancel(const Ledger& ledger, const BlockToBear& block, const Parties& parties);

}  // namespace zeb
