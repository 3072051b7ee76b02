#include "case/bearing.h"

#include <gtest/gtest.h>

#include <string>

namespace zeb {
namespace {

// Each lawyer's bill: 1.000,00 fees + 20,00 flat rate + 19 % = 1.213,80,
// net 1.020,00; an assigned lawyer's 500,00 + 20,00 + 98,80 = 618,80.
constexpr LawyerBill kBill = {{1000'00}, {}, {20'00}, {193'80}};
constexpr LawyerBill kAssigned = {{500'00}, {}, {20'00}, {98'80}};
constexpr Matter kFirst = blockOf(InstanceSection::FirstInstance, kJudgementBlock);

// A block's ledger: its court fee, both lawyers' bills and, for an aided
// party, its assigned lawyer's.
Ledger ledgerOf(Cents court, const Parties& parties) {
  Ledger ledger;
  ledger.add({kFirst, CostKind::CourtFee, 0, court, {}, {}});
  for (const std::size_t party : {0U, 1U}) {
    ledger.add({kFirst, CostKind::LawyerBill, party, {}, kBill, kBill});
    if (parties.aided(party)) {
      ledger.add({kFirst, CostKind::AssignedBill, party, {}, kAssigned, kAssigned});
    }
  }
  return ledger;
}

// The places a block may have: in the civil first instance the claimant
// advances, in an appeal the appellant; before the labour courts no one
// advances and the first instance refunds no lawyer.
constexpr BlockToBear kCivil = {kFirst, true, false, true, 0};
constexpr BlockToBear kAppealedByDefendant = {kFirst, false, false, true, 1};
constexpr BlockToBear kLabour = {kFirst, true, false, false, std::nullopt};

Parties parties(PartyLawyer claimant = {}, PartyLawyer defendant = {}) {
  return {{claimant, defendant}};
}
constexpr PartyLawyer kAided = {true, false, true};

constexpr ShareWon kSixty = {60, 100, 0};
constexpr ShareWon kHalf = {1, 2, -1};

// Court 300,00, both bills 1.213,80: 2.727,60 to distribute; the claimant,
// winning 60 %, bears 40 % = 1.091,04 and has paid 1.513,80. With VAT
// deducted its bill counts 1.020,00: 40 % of 2.533,80 = 1.013,52 of
// 1.320,00 paid. Without a lawyer: 40 % of 1.513,80 = 605,52 of 300,00.
// The defendant who advanced an appeal's 300,00 is owed half of it. Half
// of 2.727,61 is 1.363,805: the claimant 1.363,81. Before the labour
// courts only the 300,00 is shared, each billed its quota, no one owes.
TEST(Bearing, SplitWorkedByHand) {
  struct Case {
    const char* what;
    BlockToBear block;
    Parties parties;
    Cents court;
    ShareWon share;
    std::int64_t part[2], pays[2], notRefunded[2];
  };
  const Case cases[] = {
      {"civil", kCivil, parties(), {300'00}, kSixty, {1091'04, 1636'56}, {0, 422'76}, {0, 0}},
      {"input tax",
       kCivil,
       parties({true, true, false}),
       {300'00},
       kSixty,
       {1013'52, 1520'28},
       {0, 306'48},
       {0, 0}},
      {"no lawyer",
       kCivil,
       parties({false, false, false}),
       {300'00},
       kSixty,
       {605'52, 908'28},
       {305'52, 0},
       {0, 0}},
      {"appellant advanced",
       kAppealedByDefendant,
       parties(),
       {300'00},
       kHalf,
       {1363'80, 1363'80},
       {150'00, 0},
       {0, 0}},
      {"half up", kCivil, parties(), {300'01}, kHalf, {1363'81, 1363'80}, {0, 150'00}, {0, 0}},
      {"12a ArbGG",
       kLabour,
       parties(),
       {300'00},
       kSixty,
       {120'00, 180'00},
       {0, 0},
       {1213'80, 1213'80}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Split s = split(ledgerOf(c.court, c.parties), c.block, c.parties, c.share);
    for (const std::size_t party : {0U, 1U}) {
      EXPECT_EQ(s.part[party].count, c.part[party]);
      EXPECT_EQ(s.pays[party].count, c.pays[party]);
      EXPECT_EQ(s.costs.notRefunded[party].count, c.notRefunded[party]);
    }
  }
}

// Court 300,00, bills 1.213,80, the assigned lawyer's 618,80, the
// claimant winning 60 %. An aided claimant: of the lawyers' 2.427,60 it
// bears 971,04, the defendant pays it 242,76, which its lawyer keeps
// (1.213,80 - 618,80 = 595,00 open); the state 40 % of the court fee and
// 618,80. Before the labour courts no lawyer is refunded: the state pays
// the aided claimant's, the defendant bears its own and 60 % of 300,00.
// An aided defendant: the claimant's advance of its 180,00 comes back
// from the state (§ 31 Abs. 3 GKG). Always: the parties and the state
// bear the court costs and what the lawyers receive.
TEST(Bearing, SplitWithAidWorkedByHand) {
  struct Case {
    const char* what;
    BlockToBear block;
    Parties parties;
    std::int64_t borne[2], state, receives[2], courtRefund;
  };
  const Case cases[] = {
      {"aided claimant", kCivil, parties(kAided), {0, 1636'56}, 738'80, {861'56, 1213'80}, 0},
      {"12a ArbGG", kLabour, parties(kAided), {0, 1393'80}, 738'80, {618'80, 0}, 0},
      {"aided defendant",
       kCivil,
       parties({}, kAided),
       {1091'04, 242'76},
       798'80,
       {1213'80, 618'80},
       180'00},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const AidedSplit a = splitWithAid(ledgerOf({300'00}, c.parties), c.block, c.parties, kSixty);
    for (const std::size_t party : {0U, 1U}) {
      EXPECT_EQ(a.borne[party].count, c.borne[party]);
      EXPECT_EQ(a.receives[party].count, c.receives[party]);
    }
    EXPECT_EQ(a.state.count, c.state);
    EXPECT_EQ(a.courtRefund.count, c.courtRefund);
    EXPECT_EQ(a.borne[0] + a.borne[1] + a.state, a.inAll);
  }
}

// A settlement of 300,01 court fee: the claimant's half 150,01, each its
// own 1.213,80; what each bears in the end is counted under legal aid. An aided defendant owes the
// claimant, who advanced the fee, its half; the state pays its lawyer's 618,80. Where no one
// advanced (the labour courts), the state keeps the aided party's half.
TEST(Bearing, CancelWorkedByHand) {
  struct Case {
    const char* what;
    BlockToBear block;
    Parties parties;
    std::int64_t part[2], borne[2], state;
  };
  const Case cases[] = {
      {"civil", kCivil, parties(), {1363'81, 1363'80}, {}, 0},
      {"aided defendant",
       kCivil,
       parties({}, kAided),
       {1363'81, 1363'80},
       {1363'81, 150'00},
       618'80},
      {"no advance", kLabour, parties({}, kAided), {1363'81, 1363'80}, {1363'81, 0}, 768'80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Cancelled k = cancel(ledgerOf({300'01}, c.parties), c.block, c.parties);
    for (const std::size_t party : {0U, 1U}) {
      EXPECT_EQ(k.part[party].count, c.part[party]);
      if (c.parties.anyAid()) {
        EXPECT_EQ(k.borne[party].count, c.borne[party]);
      }
    }
    EXPECT_EQ(k.state.count, c.state);
  }
}

}  // namespace
}  // namespace zeb
