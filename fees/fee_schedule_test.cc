#include "fees/fee_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace zeb {
namespace {

constexpr std::uint64_t kTwoTo64Minus(std::uint64_t n) { return 0 - n; }

TEST(StartedSteps, CountsARemainderAsOneMoreStep) {
  struct Case {
    std::uint64_t a, b, steps;
  };
  for (const Case& c : {Case{0, 300, 0},
                        {1, 300, 1},
                        {300, 300, 1},
                        {301, 300, 2},
                        {600, 300, 2},
                        {601, 300, 3},
                        {kTwoTo64Minus(500'001), 50'000, 368'934'881'474'182}}) {
    SCOPED_TRACE(c.a);
    EXPECT_EQ(startedSteps(c.a, c.b), c.steps);
  }
}

// The 1,0 fee of an assigned lawyer (§ 49 RVG): the § 13 fee up to 4.000
// euros, then the list's row for the value, in the editions of 2021 and
// 2025 (the § 13 fees at 4.000 worked by hand from the step rule).
TEST(AssignedLawyerFee, TheListAbove4000Euros) {
  struct Case {
    std::uint64_t amount;
    std::int64_t of2021, of2025;  // cents
    bool listed;
  };
  const Edition& of2021 = editionOf(Reform::Of2025, Schedule::Old);
  const Edition& of2025 = editionOf(Reform::Of2025, Schedule::New);
  for (const Case& c : {Case{1, 4'900, 5'150, false},
                        {4'000, 27'800, 29'500, false},
                        {4'001, 28'400, 31'900, true},
                        {10'000, 33'900, 37'400, true},
                        {10'001, 35'400, 38'900, true},
                        {50'000, 60'900, 64'400, true},
                        {50'001, 65'900, 69'200, true},
                        {80'001, 65'900, 78'600, true},
                        {30'000'000, 65'900, 78'600, true}}) {
    SCOPED_TRACE(c.amount);
    const AssignedLawyerFee fee2021 = assignedLawyerFee(of2021, c.amount);
    const AssignedLawyerFee fee2025 = assignedLawyerFee(of2025, c.amount);
    EXPECT_EQ(fee2021.fee.count, c.of2021);
    EXPECT_EQ(fee2025.fee.count, c.of2025);
    EXPECT_EQ(fee2021.row != nullptr, c.listed);
    EXPECT_EQ(fee2025.row != nullptr, c.listed);
  }
}

// Whole euros for both kinds under both schedules, from the statutes' tables
// and the step rules worked by hand.
TEST(ScheduleFee, WorkedValues) {
  struct Case {
    std::uint64_t amount;
    Fee oldCourt, oldLawyer, newCourt, newLawyer;
  };
  const Case cases[] = {
      {0, 25, 25, 35, 45},
      {1, 25, 25, 35, 45},
      {300, 25, 25, 35, 45},
      {301, 35, 45, 35, 45},
      {500, 35, 45, 35, 45},
      {501, 35, 45, 53, 80},
      {600, 35, 45, 53, 80},
      {601, 45, 65, 53, 80},
      {1'000, 55, 85, 53, 80},
      {1'500, 65, 105, 71, 115},
      {2'000, 73, 133, 89, 150},
      {5'000, 121, 301, 146, 303},
      {10'000, 196, 486, 241, 558},
      {25'000, 311, 686, 371, 788},
      {50'000, 456, 1'046, 546, 1'163},
      {115'000, 956, 1'431, 1'146, 1'588},
      {200'000, 1'456, 1'816, 1'746, 2'013},
      {200'001, 1'606, 1'934, 1'925, 2'133},
      {230'000, 1'606, 1'934, 1'925, 2'133},
      {230'001, 1'756, 2'052, 2'104, 2'253},
      {500'000, 2'956, 2'996, 3'536, 3'213},
      {500'001, 3'106, 3'146, 3'716, 3'363},
      {1'000'000, 4'456, 4'496, 5'336, 4'713},
      {10'000'000, 31'456, 31'496, 37'736, 31'713},
      {2'147'483'647, 6'443'956, 6'443'996, 7'732'736, 6'444'213},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    EXPECT_EQ(oldScheduleFee(c.amount, FeeKind::Court), c.oldCourt);
    EXPECT_EQ(oldScheduleFee(c.amount, FeeKind::Lawyer), c.oldLawyer);
    EXPECT_EQ(newScheduleFee(c.amount, FeeKind::Court), c.newCourt);
    EXPECT_EQ(newScheduleFee(c.amount, FeeKind::Lawyer), c.newLawyer);
  }
}

// Negative amounts arrive as 2^64 - n and fall into the last bracket, where
// the fee wraps in 32 bits and is widened with its sign.
TEST(ScheduleFee, NegativeAmountsWrapInThirtyTwoBits) {
  // -1: 368,934,881,474,182 steps. Old court: 2956 + steps * 150 mod 2^32 is
  // -481,034,736 as a signed 32-bit number; the others likewise.
  const std::uint64_t minusOne = kTwoTo64Minus(1);
  EXPECT_EQ(oldScheduleFee(minusOne, FeeKind::Court), kTwoTo64Minus(481'034'736));
  EXPECT_EQ(oldScheduleFee(minusOne, FeeKind::Court), 18'446'744'073'228'516'880u);
  EXPECT_EQ(oldScheduleFee(minusOne, FeeKind::Lawyer), kTwoTo64Minus(481'034'696));
  EXPECT_EQ(newScheduleFee(minusOne, FeeKind::Court), 1'140'745'224u);
  EXPECT_EQ(newScheduleFee(minusOne, FeeKind::Lawyer), kTwoTo64Minus(481'034'479));
}

TEST(ScheduleFee, NoBoundJumpsByMoreThanOneStep) {
  for (Schedule schedule : {Schedule::Old, Schedule::New}) {
    for (FeeKind kind : {FeeKind::Court, FeeKind::Lawyer}) {
      Fee previous = scheduleFee(schedule, 0, kind);
      for (std::uint64_t amount = 1; amount <= 600'000; ++amount) {
        const Fee fee = scheduleFee(schedule, amount, kind);
        ASSERT_GE(fee, previous) << amount;
        ASSERT_LE(fee - previous, 180u) << amount;
        previous = fee;
      }
    }
  }
}

struct PublishedRow {
  std::uint64_t upTo;
  std::int64_t cents;
};

// The published tables, keyed by edition and kind ("old,court", "2025,lawyer"):
// those of 2013 in whole euros, those of 2021 and 2025 in cents.
std::map<std::string, std::vector<PublishedRow>> readPublishedTables() {
  std::map<std::string, std::vector<PublishedRow>> tables;
  for (const auto& [path, centsPerUnit] :
       {std::pair{ZEB_FEE_TABLES, 100}, {ZEB_FEE_TABLES_2021, 1}}) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);  // the column names
    while (std::getline(file, line)) {
      std::istringstream fields(line);
      std::string edition, kind, upTo, fee;
      std::getline(fields, edition, ',');
      std::getline(fields, kind, ',');
      std::getline(fields, upTo, ',');
      std::getline(fields, fee, ',');
      tables[edition.append(",").append(kind)].push_back(
          {std::stoull(upTo), std::stoll(fee) * centsPerUnit});
    }
  }
  return tables;
}

// The edition of a table's key, and for those of 2013 the column of the
// whole-euro schedule.
struct TableEdition {
  const char* key;
  Reform reform;
  Schedule schedule;
};
constexpr TableEdition kTableEditions[] = {{"old", Reform::Of2013, Schedule::Old},
                                           {"new", Reform::Of2013, Schedule::New},
                                           {"2021", Reform::Of2021, Schedule::New},
                                           {"2025", Reform::Of2025, Schedule::New}};

// Each row holds from one euro above the row before up to its own bound,
// in whole euros (2013) and in cents (every edition).
TEST(ScheduleFee, ReproducesThePublishedTables) {
  const auto tables = readPublishedTables();
  ASSERT_EQ(tables.size(), 8u);
  for (const auto& [key, rows] : tables) {
    const std::string edition = key.substr(0, key.find(','));
    const TableEdition& table =
        *std::find_if(std::begin(kTableEditions), std::end(kTableEditions),
                      [&](const TableEdition& t) { return edition == t.key; });
    const Edition& published = editionOf(table.reform, table.schedule);
    const FeeKind kind = key.ends_with("court") ? FeeKind::Court : FeeKind::Lawyer;
    ASSERT_GT(rows.size(), 30u) << key;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      SCOPED_TRACE(key + " up to " + std::to_string(rows[i].upTo));
      std::vector<std::uint64_t> amounts = {rows[i].upTo};
      if (i > 0) amounts.push_back(rows[i - 1].upTo + 1);
      for (const std::uint64_t amount : amounts) {
        EXPECT_EQ(feeInCents(published, amount, kind).count, rows[i].cents);
        if (table.reform == Reform::Of2013) {
          EXPECT_EQ(scheduleFee(table.schedule, amount, kind) * 100,
                    static_cast<std::uint64_t>(rows[i].cents));
        }
      }
    }
  }
}

// The value counts up to 30 million euros; beyond it every fee is that of
// 30 million, for amounts of any size. At 30 million: the published fee of
// 500,000 and 590 steps of 50,000 (law.md).
TEST(FeeInCents, TheValueIsCappedAtThirtyMillion) {
  struct Case {
    Reform reform;
    std::int64_t court, lawyer;
  };
  for (const Case& c : {Case{Reform::Of2021, 390'100 + 590 * 19'800, 353'900 + 590 * 16'500},
                        {Reform::Of2025, 413'800 + 590 * 21'000, 375'200 + 590 * 17'500}}) {
    const Edition& edition = editionOf(c.reform, Schedule::New);
    for (const std::uint64_t amount : {std::uint64_t{30'000'000}, std::uint64_t{30'000'001},
                                       std::numeric_limits<std::uint64_t>::max()}) {
      SCOPED_TRACE(amount);
      EXPECT_EQ(feeInCents(edition, amount, FeeKind::Court).count, c.court);
      EXPECT_EQ(feeInCents(edition, amount, FeeKind::Lawyer).count, c.lawyer);
    }
  }
}

}  // namespace
}  // namespace zeb
