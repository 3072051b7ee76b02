#include "case/case_bills.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

constexpr BlockRates kFirstInstance = {
    {30, 1210, ""}, {{13, 3100, "Verfahrensgebühr"}, {12, 3104, "Terminsgebühr"}, {0, 0, ""}}};

CaseSide side(int businessFeeTenths, int clients = 1, bool hasLawyer = true) {
  return {{businessFeeTenths, clients, {}}, hasLawyer};
}

// The bills of the rules, worked by hand; the 1,0 fee of 10.000 euros is
// 652,00 from 01.06.2025, of 7.500 euros 502,00 from 01.01.2021.
TEST(CaseBills, CreditingChainWorkedByHand) {
  struct Case {
    const char* what;
    Cents fee;
    CaseSide claimant, defendant;
    bool afterPaymentOrder;
    std::int64_t businessFee, paymentOrder, firstInstance;  // the claimant's bills, gross
    std::int64_t defendantPaymentOrder, defendantFirstInstance;
  };
  const Case cases[] = {
      // law.md: 1.032,44 (847,60 + 20,00 + 164,84); 295,36 (652,00 - 423,80
      // + 20,00 + 47,16); 1.187,62 (847,60 - 652,00 + 782,40 + 20,00 +
      // 189,62). The defendant: 3307 326,00 + 20,00 + 65,74 = 411,74; 3100
      // 847,60 - 326,00 + 782,40 + 20,00 + 251,56 = 1.575,56.
      {"business fee, payment order, lawsuit",
       {652'00},
       side(13),
       side(0),
       true,
       1032'44,
       295'36,
       1187'62,
       411'74,
       1575'56},
      // law.md, the commentary's example of 2021: 502,00 + 20,00 + 99,18 =
      // 621,18; 652,60 - 502,00 + 602,40 + 20,00 + 146,87 = 919,87.
      {"payment order, lawsuit",
       {502'00},
       side(0),
       side(0),
       true,
       0,
       621'18,
       919'87,
       // 251,00 + 20,00 + 51,49 = 322,49; 652,60 - 251,00 + 602,40 + 20,00
       // + 194,56 = 1.218,56.
       322'49,
       1218'56},
      // Two clients raise 2,0 to 2,3 (1.499,60 + 20,00 + 288,72), but the
      // credit stays at 0,75 (489,00): 1.043,20 - 489,00 + 782,40 + 20,00 +
      // 257,75 = 1.614,35. The defendant's 3307 of 326,00 takes 326,00 of its
      // credit of 0,65, the rest 97,80 goes onto its 3100: 0,00 + 20,00 + 3,80
      // = 23,80; 847,60 - 423,80 + 782,40 + 20,00 + 232,98 = 1.459,18.
      {"0,75 at most; the defendant's 3307",
       {652'00},
       side(20, 2),
       side(13),
       false,
       1808'32,
       0,
       1614'35,
       0,
       1459'18},
      {"the same after a payment order",
       {652'00},
       side(20, 2),
       side(13),
       true,
       // 3305 1,3 = 847,60 - 489,00 + 20,00 + 71,93 = 450,53; 3100 1,6
       // 1.043,20 - 847,60 + 782,40 + 20,00 + 189,62 = 1.187,62.
       1808'32,
       450'53,
       1187'62,
       23'80,
       1459'18},
      // A business fee of 1,3 for two clients arises at 1,6 (1.043,20 +
      // 20,00 + 202,01) and is credited as one of 1,6 for one client:
      // half of 1,6, at most 0,75 (489,00). Onto the 3100 of 1,6:
      // 1.043,20 - 489,00 + 782,40 + 20,00 + 257,75 = 1.614,35. After a
      // payment order the credit goes onto the raised 3305 of 1,3: 847,60 -
      // 489,00 + 20,00 + 71,93 = 450,53; the 3100 takes the 3305 in full:
      // 1.825,60 - 847,60 + 20,00 + 189,62 = 1.187,62. Eight clients raise
      // by 2,0 at most: 3,3 x 652,00 = 2.151,60 + 20,00 + 412,60; the credit
      // stays 0,75: the 3100 of 3,3 2.934,00 - 489,00 + 20,00 + 468,35 =
      // 2.933,35; the 3305 of 3,0 1.956,00 - 489,00 + 20,00 + 282,53 =
      // 1.769,53, and the 3100 less it 978,00 + 20,00 + 189,62 = 1.187,62.
      // clang-format off
      {"two clients", {652'00}, side(13, 2), side(0), false, 1265'21, 0, 1614'35, 0, 1963'50},
      {"two clients, payment order", {652'00}, side(13, 2), side(0), true, 1265'21, 450'53, 1187'62, 411'74, 1575'56},
      {"eight clients", {652'00}, side(13, 8), side(0), false, 2584'20, 0, 2933'35, 0, 1963'50},
      {"eight clients, payment order", {652'00}, side(13, 8), side(0), true, 2584'20, 1769'53, 1187'62, 411'74, 1575'56},
      // clang-format on
      // Nine clients raise by 2,0 at most: 3,3 x 652,00 = 2.151,60.
      {"nine clients",
       {652'00},
       side(0, 9),
       side(0, 1, false),
       false,
       0,
       0,
       // 2.151,60 + 782,40 + 20,00 + 561,26 = 3.515,26; no lawyer: nothing.
       3515'26,
       0,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CaseBills bills(c.fee, {c.claimant, c.defendant}, c.afterPaymentOrder);
    EXPECT_EQ(bills.businessFee(0, nullptr).value_or(LawyerBill{}).gross().count, c.businessFee);
    EXPECT_EQ(bills.paymentOrder(0, true, nullptr).gross().count, c.paymentOrder);
    EXPECT_EQ(bills.instance(0, kFirstInstance, true, true, nullptr).gross().count,
              c.firstInstance);
    EXPECT_EQ(bills.paymentOrder(1, true, nullptr).gross().count, c.defendantPaymentOrder);
    EXPECT_EQ(bills.instance(1, kFirstInstance, true, true, nullptr).gross().count,
              c.defendantFirstInstance);
  }
}

}  // namespace
}  // namespace zeb
