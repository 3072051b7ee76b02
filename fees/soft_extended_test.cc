// The software extended type against the x87's own long double, bit for bit.
#include "fees/soft_extended.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#if defined(__x86_64__) && LDBL_MANT_DIG == 64
#define ZEB_HAVE_X87 1
#endif

namespace zeb {
namespace {

TEST(SoftExtended, WorkedRoundings) {
  // 1 + 2^-64 lies half-way between 1 and the next value, 1 + 2^-63: even.
  const SoftExtended one = 1;
  const SoftExtended tie = one + SoftExtended(0x1p-64);
  EXPECT_EQ(tie.significand(), 0x8000'0000'0000'0000u);
  const SoftExtended above = tie + SoftExtended(0x1p-100);
  EXPECT_EQ(above.significand(), 0x8000'0000'0000'0000u);
  EXPECT_EQ((one + SoftExtended(0x1p-64) + SoftExtended(0x1p-64)).significand(),
            0x8000'0000'0000'0000u);
  EXPECT_EQ((one + SoftExtended(0x1.8p-63)).significand(), 0x8000'0000'0000'0002u);
  // One rounding to single, not two: 1 + 2^-24 + 2^-60 goes up.
  const SoftExtended justAboveTie = one + SoftExtended(0x1p-24) + SoftExtended(0x1p-60);
  EXPECT_EQ(justAboveTie.toFloat(), 1.0f + 0x1p-23f);
  EXPECT_EQ(static_cast<float>(justAboveTie.toDouble()), 1.0f);
  // 1588 x 3.1 in extended, then single: the cents of the revision at 115000.
  EXPECT_EQ((SoftExtended(1588.0) * SoftExtended(3.1)).toFloat(), 4922.7998046875f);
  EXPECT_EQ((SoftExtended(1) / SoftExtended(3)).toDouble(), 1.0 / 3.0);
  EXPECT_EQ(SoftExtended(2.5).truncated().toDouble(), 2.0);
  EXPECT_EQ(SoftExtended(-2.5).truncatedToInt64(), -2);
  EXPECT_EQ(SoftExtended(std::int64_t{-1000}).toDouble(), -1000.0);
  EXPECT_EQ(SoftExtended(std::numeric_limits<std::uint64_t>::max()).toFloat(), 0x1p64f);
}

#ifdef ZEB_HAVE_X87

struct Bits {
  std::uint16_t signExponent;
  std::uint64_t significand;
  bool operator==(const Bits&) const = default;
};

Bits bitsOf(long double x) {
  unsigned char bytes[sizeof x];
  std::memcpy(bytes, &x, sizeof x);
  Bits bits{};
  std::memcpy(&bits.significand, bytes, 8);
  std::memcpy(&bits.signExponent, bytes + 8, 2);
  return bits;
}

Bits bitsOf(SoftExtended x) { return {x.signExponent(), x.significand()}; }

long double hardware(Bits bits) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &bits.significand, 8);
  std::memcpy(bytes + 8, &bits.signExponent, 2);
  long double x = 0;
  std::memcpy(&x, bytes, sizeof x);
  return x;
}

SoftExtended software(Bits bits) {
  return SoftExtended::fromBits(bits.signExponent, bits.significand);
}

std::ostream& operator<<(std::ostream& out, const Bits& bits) {
  char text[64];
  std::snprintf(text, sizeof text, "%04x:%016llx", bits.signExponent,
                static_cast<unsigned long long>(bits.significand));
  return out << text;
}

// Operands: mostly ordinary magnitudes, then the whole exponent range,
// subnormals, zeros, infinities, NaNs, and significands next to powers of
// two and next to ties.
class Operands {
 public:
  explicit Operands(std::uint64_t seed) : random_(seed) {}

  Bits next() {
    const std::uint16_t sign = (random_() & 1) != 0 ? 0x8000 : 0;
    const int pick = below(100);
    std::uint64_t significand = random_() | (std::uint64_t{1} << 63);
    if (pick < 15) {  // near a power of two, or with a short significand
      const std::uint64_t special[] = {0x8000'0000'0000'0000u, 0x8000'0000'0000'0001u,
                                       0xFFFF'FFFF'FFFF'FFFFu, 0xFFFF'FFFF'FFFF'FFFEu,
                                       0xC000'0000'0000'0000u, 0x8000'0080'0000'0000u,
                                       0x8000'0000'0000'0400u, 0xFFFF'FF80'0000'0000u};
      significand = special[below(8)];
    } else if (pick < 25) {
      significand &= ~std::uint64_t{0} << below(64);
    }
    int exponent = 16383 + below(161) - 80;
    if (pick >= 80 && pick < 90) exponent = 1 + below(32766);
    if (pick >= 90 && pick < 93) exponent = below(130);     // near subnormal
    if (pick == 93) return {sign, random_() >> below(64)};  // subnormal
    if (pick == 94) return {sign, 0};                       // zero
    if (pick == 95) return {static_cast<std::uint16_t>(sign | 0x7FFF), std::uint64_t{1} << 63};
    if (pick == 96) {  // quiet NaN
      return {static_cast<std::uint16_t>(sign | 0x7FFF), random_() | (std::uint64_t{3} << 62)};
    }
    if (pick >= 97) exponent = 16383 + below(11) - 5;
    return {static_cast<std::uint16_t>(sign | exponent), significand};
  }

  // A whole number from 0 to n - 1.
  int below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

 private:
  std::mt19937_64 random_;
};

constexpr int kPairs = 2'000'000;

bool isNormal(Bits bits) {
  const int field = bits.signExponent & 0x7FFF;
  return field != 0 && field != 0x7FFF && (bits.significand >> 63) != 0;
}

TEST(SoftExtendedAgainstX87, Arithmetic) {
  Operands operands(2013'08'01);
  int mismatches = 0;
  for (int i = 0; i < kPairs && mismatches < 10; ++i) {
    Bits a = operands.next();
    Bits b = operands.next();
    if (i % 4 == 0 && isNormal(a) && isNormal(b)) {  // equal exponents
      b.signExponent =
          static_cast<std::uint16_t>((b.signExponent & 0x8000) | (a.signExponent & 0x7FFF));
    }
    const long double x = hardware(a), y = hardware(b);
    const SoftExtended sx = software(a), sy = software(b);
    const Bits results[][2] = {
        {bitsOf(x + y), bitsOf(sx + sy)},
        {bitsOf(x - y), bitsOf(sx - sy)},
        {bitsOf(x * y), bitsOf(sx * sy)},
        {bitsOf(x / y), bitsOf(sx / sy)},
    };
    for (int op = 0; op < 4; ++op) {
      if (!(results[op][0] == results[op][1])) {
        ++mismatches;
        ADD_FAILURE() << "+-*/"[op] << " of " << a << " and " << b << ": x87 " << results[op][0]
                      << ", software " << results[op][1];
      }
    }
    EXPECT_EQ(x < y, sx < sy) << a << " < " << b;
    EXPECT_EQ(x == y, sx == sy) << a << " == " << b;
    EXPECT_EQ(x >= y, sx >= sy) << a << " >= " << b;
  }
}

// Pairs chosen for their corners: ties, neighbours of powers of two,
// overflow and underflow of quotients and products, signed zeros, NaNs and
// encodings the x87 refuses.
TEST(SoftExtendedAgainstX87, HardCases) {
  const Bits one = {0x3FFF, 0x8000'0000'0000'0000u};
  const Bits values[] = {
      one,
      {0x3FBF, 0x8000'0000'0000'0000u},  // 2^-64: half an ulp of 1
      {0x3FBF, 0x8000'0000'0000'0001u},
      {0x3FC0, 0xC000'0000'0000'0000u},  // 1.5 ulps of 1
      {0x3FFE, 0xFFFF'FFFF'FFFF'FFFFu},  // just below 1
      {0x403E, 0xFFFF'FFFF'FFFF'FFFFu},  // 2^64 - 1
      {0x7FFE, 0xFFFF'FFFF'FFFF'FFFFu},  // the largest finite value
      {0x0001, 0x8000'0000'0000'0000u},  // the smallest normal value
      {0x0000, 0x0000'0000'0000'0001u},  // the smallest subnormal value
      {0x0000, 0x8000'0000'0000'0000u},  // a pseudo-denormal
      {0x0000, 0},
      {0x8000, 0},
      {0x7FFF, 0x8000'0000'0000'0000u},  // infinity
      {0xFFFF, 0x8000'0000'0000'0000u},
      {0x7FFF, 0xC000'0000'0000'0001u},  // quiet NaNs
      {0xFFFF, 0xC000'0000'0000'0001u},
      {0x7FFF, 0xC000'0000'0000'0002u},
      {0x7FFF, 0x8000'0000'0000'0001u},  // a signalling NaN
      {0x4000, 0x4000'0000'0000'0000u},  // an unnormal
      {0x7FFF, 0x4000'0000'0000'0000u},  // a pseudo-NaN
      {0x3FE7, 0x8000'0080'0000'0000u},  // float ties
      {0x3FF0, 0x8000'0000'0000'0400u},  // double ties
  };
  for (const Bits& a : values) {
    for (const Bits& b : values) {
      const long double x = hardware(a), y = hardware(b);
      const SoftExtended sx = software(a), sy = software(b);
      EXPECT_EQ(bitsOf(x + y), bitsOf(sx + sy)) << a << " + " << b;
      EXPECT_EQ(bitsOf(x - y), bitsOf(sx - sy)) << a << " - " << b;
      EXPECT_EQ(bitsOf(x * y), bitsOf(sx * sy)) << a << " * " << b;
      EXPECT_EQ(bitsOf(x / y), bitsOf(sx / sy)) << a << " / " << b;
      EXPECT_EQ(x < y, sx < sy) << a << " < " << b;
      EXPECT_EQ(x == y, sx == sy) << a << " == " << b;
    }
    const float f = static_cast<float>(hardware(a)), sf = software(a).toFloat();
    const double d = static_cast<double>(hardware(a)), sd = software(a).toDouble();
    EXPECT_EQ(std::bit_cast<std::uint32_t>(f), std::bit_cast<std::uint32_t>(sf)) << a;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(d), std::bit_cast<std::uint64_t>(sd)) << a;
  }
}

TEST(SoftExtendedAgainstX87, NarrowingAndTruncation) {
  Operands operands(1306'2020);
  for (int i = 0; i < kPairs; ++i) {
    Bits a = operands.next();
    if (i % 2 == 0 &&
        isNormal(a)) {  // the exponents of float and double, their subnormals and overflow
      const int centre = (i % 4 == 0) ? 127 : 1023;
      a.signExponent = static_cast<std::uint16_t>(
          (a.signExponent & 0x8000) | (16383 + operands.below(2 * centre + 120) - centre - 60));
    }
    const long double x = hardware(a);
    const SoftExtended sx = software(a);
    const float f = static_cast<float>(x);
    const float sf = sx.toFloat();
    const double d = static_cast<double>(x);
    const double sd = sx.toDouble();
    ASSERT_EQ(std::bit_cast<std::uint32_t>(f), std::bit_cast<std::uint32_t>(sf))
        << "to float " << a;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(d), std::bit_cast<std::uint64_t>(sd))
        << "to double " << a;
    ASSERT_EQ(bitsOf(std::trunc(x)), bitsOf(sx.truncated())) << "trunc " << a;
    if (x > -0x1p63L - 1 && x < 0x1p63L) {
      ASSERT_EQ(static_cast<std::int64_t>(x), sx.truncatedToInt64()) << a;
    }
  }
}

TEST(SoftExtendedAgainstX87, ConversionsIn) {
  std::mt19937_64 random(5000);
  for (int i = 0; i < kPairs; ++i) {
    const std::uint64_t raw = random() >> (random() % 64);
    const auto u = raw;
    const auto s = static_cast<std::int64_t>(random());
    std::uint32_t floatBits = static_cast<std::uint32_t>(random());
    std::uint64_t doubleBits = random();
    float f = 0;
    double d = 0;
    std::memcpy(&f, &floatBits, sizeof f);
    std::memcpy(&d, &doubleBits, sizeof d);
    ASSERT_EQ(bitsOf(static_cast<long double>(u)), bitsOf(SoftExtended(u))) << u;
    ASSERT_EQ(bitsOf(static_cast<long double>(s)), bitsOf(SoftExtended(s))) << s;
    ASSERT_EQ(bitsOf(static_cast<long double>(f)), bitsOf(SoftExtended(f))) << floatBits;
    ASSERT_EQ(bitsOf(static_cast<long double>(d)), bitsOf(SoftExtended(d))) << doubleBits;
  }
  for (std::int64_t s :
       {std::numeric_limits<std::int64_t>::min(), std::int64_t{-1}, std::int64_t{0}}) {
    EXPECT_EQ(bitsOf(static_cast<long double>(s)), bitsOf(SoftExtended(s)));
  }
}

#endif  // ZEB_HAVE_X87

}  // namespace
}  // namespace zeb
