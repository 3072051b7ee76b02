#include "fees/money.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

TEST(TruncateToUnsigned64, AmountsInSinglePrecision) {
  struct Case {
    std::int64_t amount;
    std::uint64_t basis;
  };
  const Case cases[] = {
      {0, 0},
      {5'000, 5'000},
      {16'777'216, 16'777'216},
      {16'777'217, 16'777'216},  // rounds to even in single precision
      {2'147'483'647, 2'147'483'648},
      {-1, 4'294'967'295},
      {-1'000, 4'294'966'296},
      {-2'147'483'647 - 1, 2'147'483'648},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    EXPECT_EQ(truncateToUnsigned64(moneyFromAmount(c.amount)), c.basis);
  }
}

TEST(TruncateToUnsigned64, FractionsAndLargeValues) {
  EXPECT_EQ(truncateToUnsigned64(0.75f), 0u);
  EXPECT_EQ(truncateToUnsigned64(-0.75f), 0u);
  EXPECT_EQ(truncateToUnsigned64(1.5f), 1u);
  EXPECT_EQ(truncateToUnsigned64(-1.5f), 4'294'967'295u);
  EXPECT_EQ(truncateToUnsigned64(0x1p40f), std::uint64_t{1} << 40);
  EXPECT_EQ(truncateToUnsigned64(0x1p63f), std::uint64_t{1} << 63);
  EXPECT_EQ(truncateToUnsigned64(0x1.fffffep63f), 0xFFFF'FF00'0000'0000u);
}

TEST(MoneyFromFee, WrappedFeesBecomeNumbersNearTwoTo64) {
  // A fee with its top bit set is read as the large unsigned number it is.
  const Fee oldCourtOfMinusOne = 18'446'744'073'228'516'880u;
  EXPECT_EQ(toSingle(moneyFromFee(oldCourtOfMinusOne)), 0x1p64f);
  // Near 2^64 doubles lie 2048 apart: 481,034,736 below it rounds to 234,880 steps.
  EXPECT_EQ(toDouble(moneyFromFee(oldCourtOfMinusOne)), 18'446'744'073'228'517'376.0);
  EXPECT_TRUE(moneyFromFee(oldCourtOfMinusOne) == Extended(0x1p64) - Extended(481'034'736));
  EXPECT_EQ(toSingle(moneyFromFee(1'140'745'224)), 1'140'745'216.0f);
  EXPECT_EQ(toSingle(moneyFromFee(7'732'736)), 7'732'736.0f);
}

TEST(Narrowing, RoundsOnceToNearestEven) {
  // 1 + 2^-24 + 2^-60 lies just above the half-way point between two floats;
  // through double it would first lose the 2^-60 and then tie to even.
  const Extended justAboveTie = Extended(1) + Extended(0x1p-24) + Extended(0x1p-60);
  EXPECT_EQ(toSingle(justAboveTie), 1.0f + 0x1p-23f);
  EXPECT_EQ(static_cast<float>(toDouble(justAboveTie)), 1.0f);
  EXPECT_EQ(toSingle(Extended(1) + Extended(0x1p-24)), 1.0f);
  EXPECT_EQ(toDouble(Extended(1) + Extended(0x1p-53)), 1.0);
  EXPECT_EQ(toDouble(Extended(1) + Extended(0x1p-53) + Extended(0x1p-63)), 1.0 + 0x1p-52);
}

}  // namespace
}  // namespace zeb
