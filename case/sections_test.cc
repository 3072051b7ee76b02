#include "case/sections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "case/totals.h"

namespace zeb {
namespace {

// A money value as the report prints it: rounded to single precision, with
// two decimals.
std::string cents(Extended value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(toSingle(value)));
  return text;
}

// The totals over instances of the sections that `options` show.
template <class Reckoning>
TotalsOf<typename Reckoning::Total> totalsAfter(const ReportOptions& options,
                                                const Reckoning& reckoning) {
  JudgementTotals<typename Reckoning::Part> judgements;
  Figures figures;
  addInstanceSections(figures, options, reckoning, judgements);
  return totalsOf(reckoning, judgements);
}

struct BlockCase {
  InstanceSection section;
  Variant variant;
  const char* court[2];
  const char* lawyer[2];
  const char* gross[2];
  const char* process[2];
  const char* halfShare[2];
};

// The amount 1000: old court fee 55, lawyer fee 85; new 53 and 80. Worked by
// hand: the lawyer rate times the fee, 20 per cent of it (at most 20 euros)
// added, 16 per cent VAT on the sum, and the court fees plus both parties'
// lawyers.
TEST(ComputeBlock, WorkedExampleOfTheAmount1000) {
  using enum InstanceSection;
  using enum Variant;
  const BlockCase cases[] = {
      {FirstInstance,
       Judgement,
       {"165.00", "159.00"},
       {"212.50", "200.00"},
       {"269.70", "255.20"},
       {"704.40", "669.40"},
       {}},
      {FirstInstance,
       Settlement,
       {"55.00", "53.00"},
       {"297.50", "280.00"},
       {"368.30", "348.00"},
       {"791.60", "749.00"},
       {"395.80", "374.50"}},
      {Appeal,
       Judgement,
       {"220.00", "212.00"},
       {"238.00", "224.00"},
       {"299.28", "283.04"},
       {"818.56", "778.08"},
       {}},
      {Appeal,
       Settlement,
       {"110.00", "106.00"},
       {"348.50", "328.00"},
       {"427.46", "403.68"},
       {"964.92", "913.36"},
       {"482.46", "456.68"}},
      {Revision,
       Judgement,
       {"275.00", "265.00"},
       {"263.50", "248.00"},
       {"328.86", "310.88"},
       {"932.72", "886.76"},
       {}},
      {Revision,
       Settlement,
       {"165.00", "159.00"},
       {"374.00", "352.00"},
       {"457.04", "431.52"},
       {"1079.08", "1022.04"},
       {"539.54", "511.02"}},
      {BghRevision,
       Judgement,
       {"275.00", "265.00"},
       {"323.00", "304.00"},
       {"397.88", "375.84"},
       {"1070.76", "1016.68"},
       {}},
      {BghRevision,
       Settlement,
       {"165.00", "159.00"},
       {"433.50", "408.00"},
       {"526.06", "496.48"},
       {"1217.12", "1151.96"},
       {"608.56", "575.98"}},
  };
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.section) * 2 + static_cast<int>(c.variant));
    const PerSchedule<Reckoning2013::Block> values =
        computeBlock(Reckoning2013(1000), c.section, c.variant);
    for (std::size_t s = 0; s < 2; ++s) {
      EXPECT_EQ(cents(values[s].court), c.court[s]);
      EXPECT_EQ(cents(values[s].lawyer), c.lawyer[s]);
      EXPECT_EQ(cents(values[s].gross), c.gross[s]);
      EXPECT_EQ(cents(values[s].process), c.process[s]);
      if (c.halfShare[s] != nullptr) {
        EXPECT_EQ(cents(values[s].process / 2.0), c.halfShare[s]);
      }
    }
  }
}

TEST(ComputeBlock, RoundingsShowInTheCents) {
  // Amount 115000, new schedule: court fee 1146, lawyer fee 1588. The lawyer
  // value S(1588 x 3.1) is 4922.7998046875; the process costs of about
  // 17197.2955469 become 17197.294921875 in single precision, where exact
  // decimals would give 17197.30.
  const Reckoning2013::Block revision =
      computeBlock(Reckoning2013(115'000), InstanceSection::Revision, Variant::Judgement)[1];
  EXPECT_EQ(revision.lawyer, 4922.7998046875);
  // (20 + 4922.7998046875) x 1.16 = 5733.6477734375 exactly; held in double
  // precision, G stays within 1e-12 of it (in single precision it would be
  // 5733.64794921875).
  EXPECT_NEAR(toDouble(revision.gross), 5733.6477734375, 1e-9);
  EXPECT_EQ(cents(revision.gross), "5733.65");
  EXPECT_EQ(revision.court, 5730);
  EXPECT_EQ(toSingle(revision.process), 17197.294921875f);
  EXPECT_EQ(cents(revision.process), "17197.29");
}

// Worked by hand from the fees of law.md, in cents. 5000 euros: court fee
// 161,00 (2021) and 170,50 (2025), lawyer fee 334,00 and 354,50; the first
// instance 3 x 170,50 = 511,50, 2,5 x 354,50 = 886,25, + 20,00 (20 per cent
// would be 177,25), + 19 per cent of 906,25 = 172,19, so 1.078,44, and
// 511,50 + 2 x 1.078,44 = 2.668,38. 500 euros, settled: 3,5 x 49,00 =
// 171,50, 19 per cent of 191,50 is 36,385 and rounds up to 36,39.
TEST(ComputeBlock, WorkedExamplesOfTheReformOf2025) {
  struct Case {
    std::uint64_t amount;
    InstanceSection section;
    Variant variant;
    std::int64_t court[2], lawyer[2], gross[2], process[2], halfShare[2];
  };
  using enum InstanceSection;
  using enum Variant;
  const Case cases[] = {
      {5000,
       FirstInstance,
       Judgement,
       {483'00, 511'50},
       {835'00, 886'25},
       {1017'45, 1078'44},
       {2517'90, 2668'38},
       {}},
      {5000,
       Appeal,
       Judgement,
       {644'00, 682'00},
       {935'20, 992'60},
       {1136'69, 1204'99},
       {2917'38, 3091'98},
       {}},
      {500,
       FirstInstance,
       Settlement,
       {38'00, 40'00},
       {171'50, 180'25},
       {227'89, 238'30},
       {493'78, 516'60},
       {246'89, 258'30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    const ReckoningInCents reckoning(Reform::Of2025, c.amount);
    const PerSchedule<ReckoningInCents::Block> values =
        computeBlock(reckoning, c.section, c.variant);
    for (std::size_t s = 0; s < 2; ++s) {
      EXPECT_EQ(values[s].court.count, c.court[s]);
      EXPECT_EQ(values[s].lawyer.count, c.lawyer[s]);
      EXPECT_EQ(values[s].gross.count, c.gross[s]);
      EXPECT_EQ(values[s].process.count, c.process[s]);
      if (c.variant == Settlement) {
        EXPECT_EQ(reckoning.halfShare(values[s].process, nullptr, nullptr).count, c.halfShare[s]);
      }
    }
  }
  // Through the appeal: 2.517,90 + 2.917,38 and 2.668,38 + 3.091,98.
  const TotalsOf<Cents> totals = totalsAfter({}, ReckoningInCents(Reform::Of2025, 5000));
  EXPECT_EQ(totals.withAppeal[0].count, 5435'28);
  EXPECT_EQ(totals.withAppeal[1].count, 5760'36);
  // The payment order: half of 161,00 and 170,50; for 500 euros the minimums.
  EXPECT_EQ(ReckoningInCents(Reform::Of2025, 5000).paymentOrder(Schedule::New, nullptr).count,
            85'25);
  EXPECT_EQ(ReckoningInCents(Reform::Of2025, 500).paymentOrder(Schedule::Old, nullptr).count,
            36'00);
  EXPECT_EQ(ReckoningInCents(Reform::Of2021, 500).paymentOrder(Schedule::Old, nullptr).count,
            32'00);
}

TEST(BlockValues, ExpenseFlatRateIsCappedAtTwentyEuros) {
  struct Case {
    Fee lawyerFee;
    int tenths;
    double lawyer, gross;
  };
  // 20 per cent of the lawyer value, at most 20 euros, then 16 per cent VAT.
  for (const Case& c : {Case{39, 25, 97.5, (97.5 + 19.5) * 1.16}, Case{40, 25, 100, 120 * 1.16},
                        Case{85, 25, 212.5, 232.5 * 1.16}, Case{1, 10, 1, 1.2 * 1.16}}) {
    SCOPED_TRACE(c.lawyer);
    const Reckoning2013::Block v = blockValues(10, c.lawyerFee, {{10, 0, ""}, {{c.tenths, 0, ""}}});
    EXPECT_EQ(v.lawyer, c.lawyer);
    EXPECT_EQ(cents(v.gross), cents(c.gross));
  }
  const BlockRates rates = {{10, 0, ""}, {{25, 0, ""}}};
  EXPECT_EQ(cents(blockValues(10, 39, rates).gross), "135.72");
  EXPECT_EQ(cents(blockValues(10, 40, rates).gross), "139.20");
  EXPECT_EQ(cents(blockValues(10, 85, rates).gross), "269.70");
}

TEST(PaymentOrderFee, HalfTheCourtFeeWithItsMinimum) {
  struct Case {
    Fee courtFee;
    std::uint64_t minimum;
    float fee;
  };
  for (const Case& c : {Case{45, 23, 23},
                        {46, 23, 23},
                        {47, 23, 23.5f},
                        {55, 23, 27.5f},
                        {63, 32, 32},
                        {64, 32, 32},
                        {65, 32, 32.5f},
                        {146, 32, 73}}) {
    SCOPED_TRACE(c.courtFee);
    EXPECT_EQ(paymentOrderFee(c.courtFee, c.minimum), c.fee);
  }
}

TEST(MinMaxFloat, TiesAndUnorderedGiveTheSecondOperand) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(minFloat(1, 2), 1);
  EXPECT_EQ(minFloat(3, 2), 2);
  EXPECT_EQ(maxFloat(3, 2), 3);
  EXPECT_EQ(maxFloat(1, 2), 2);
  // Signed zeros compare equal: the second operand comes back.
  EXPECT_TRUE(std::signbit(minFloat(0.0f, -0.0f)));
  EXPECT_TRUE(std::signbit(maxFloat(0.0f, -0.0f)));
  EXPECT_EQ(minFloat(nan, 20.0f), 20);
  EXPECT_EQ(maxFloat(nan, 23.0f), 23);
  EXPECT_TRUE(std::isnan(minFloat(20.0f, nan)));
  EXPECT_TRUE(std::isnan(maxFloat(23.0f, nan)));
}

TEST(InstanceTotals, JudgementProcessCostsOverInstances) {
  ReportOptions settlement;
  settlement.showSettlement = true;
  for (const ReportOptions& options : {ReportOptions{}, settlement}) {
    const TotalsOf<double> totals = totalsAfter(options, Reckoning2013(1000));
    // 704.40 + 818.56, + 932.72, and + 1070.76 instead; new: 669.40 + 778.08 ...
    EXPECT_EQ(cents(totals.withAppeal[0]), "1522.96");
    EXPECT_EQ(cents(totals.withAppeal[1]), "1447.48");
    EXPECT_EQ(cents(totals.withRevision[0]), "2455.68");
    EXPECT_EQ(cents(totals.withRevision[1]), "2334.24");
    EXPECT_EQ(cents(totals.withBghRevision[0]), "2593.72");
    EXPECT_EQ(cents(totals.withBghRevision[1]), "2464.16");
  }
}

TEST(InstanceTotals, SectionsNotPrintedAddNothing) {
  ReportOptions appealOnly;
  appealOnly.showFirstInstance = appealOnly.showRevision = false;
  const TotalsOf<double> totals = totalsAfter(appealOnly, Reckoning2013(1000));
  EXPECT_EQ(cents(totals.withAppeal[0]), "818.56");
  EXPECT_EQ(totals.withRevision[0], 0);
  EXPECT_EQ(totals.withBghRevision[1], 0);
}

TEST(AddInstanceTotals, OnlyWhenEveryInstanceIsShown) {
  JudgementTotals<Extended> judgements;
  Figures sections;
  addInstanceSections(sections, {}, Reckoning2013(1000), judgements);
  const auto added = [&](const ReportOptions& options) {
    Figures figures;
    addInstanceTotals(figures, options, Reckoning2013(1000), judgements);
    return figures;
  };
  for (int cleared = 0; cleared < 3; ++cleared) {
    ReportOptions options;
    bool* flags[] = {&options.showFirstInstance, &options.showAppeal, &options.showRevision};
    *flags[cleared] = false;
    EXPECT_TRUE(added(options).rows.empty());
  }
  ReportOptions noPaymentOrder;
  noPaymentOrder.showPaymentOrder = false;
  const Figures figures = added(noPaymentOrder);
  ASSERT_EQ(figures.headings.size(), 1u);
  EXPECT_STREQ(figures.headings[0].shown.text, "Gesamtkosten mehrerer Instanzen");
  // The label column is one narrower: 49 characters.
  ASSERT_EQ(figures.rows.size(), 3u);
  EXPECT_STREQ(figures.rows[2].shown.inText(), "Gesamtkosten mit Berufung u. Revision v. d. BGH:");
  EXPECT_EQ(figures.rows[2].labelWidthAdjustment, -1);
  EXPECT_EQ(std::get<float>(figures.rows[2].oldValue), 2593.72f);
}

}  // namespace
}  // namespace zeb
