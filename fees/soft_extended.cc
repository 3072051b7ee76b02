#include "fees/soft_extended.h"

#include <bit>
#include <cstring>
#include <tuple>

namespace zeb {
namespace {

__extension__ typedef unsigned __int128 u128;  // NOLINT(modernize-use-using)

constexpr int kBias = 16383;
constexpr int kMinExponent = 1 - kBias;       // of a normal value: -16382
constexpr int kMaxExponent = 0x7FFE - kBias;  // 16383
constexpr std::uint16_t kSpecial = 0x7FFF;    // exponent field of infinities and NaNs
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;

// Unsupported: the encodings the x87 refuses as operands (an exponent other
// than 0 with the integer bit clear: unnormals, pseudo-infinities and
// pseudo-NaNs); they make every operation invalid.
enum class Kind { Zero, Finite, Infinity, NaN, Unsupported };

// A value taken apart: for Finite, significand x 2^(exponent - 63) with bit
// 63 of the significand set, whatever the exponent (subnormals normalized).
struct Unpacked {
  Kind kind;
  bool negative;
  int exponent;
  std::uint64_t significand;
};

Unpacked unpack(std::uint16_t signExponent, std::uint64_t significand) {
  const bool negative = (signExponent & 0x8000u) != 0;
  const int field = signExponent & 0x7FFF;
  if (field != 0 && (significand & kIntegerBit) == 0) return {Kind::Unsupported, negative, 0, 0};
  if (field == kSpecial) {
    const bool infinity = (significand << 1) == 0;
    return {infinity ? Kind::Infinity : Kind::NaN, negative, 0, significand};
  }
  if (significand == 0) return {Kind::Zero, negative, 0, 0};
  // A subnormal (field 0) scales like field 1; an unnormal is read by value.
  const int exponent = (field == 0 ? 1 : field) - kBias;
  const int shift = std::countl_zero(significand);
  return {Kind::Finite, negative, exponent - shift, significand << shift};
}

// A NaN, or an encoding that behaves like one: unordered, and contagious.
bool isNaNLike(const Unpacked& v) { return v.kind == Kind::NaN || v.kind == Kind::Unsupported; }

SoftExtended make(bool negative, int field, std::uint64_t significand) {
  const auto sign = static_cast<std::uint16_t>(negative ? 0x8000u : 0u);
  return SoftExtended::fromBits(static_cast<std::uint16_t>(sign | field), significand);
}

SoftExtended infinity(bool negative) { return make(negative, kSpecial, kIntegerBit); }

// The x87's "real indefinite": the NaN that an invalid operation gives.
SoftExtended indefinite() { return make(true, kSpecial, kIntegerBit | kQuietBit); }

SoftExtended quieted(const Unpacked& nan) {
  return make(nan.negative, kSpecial, nan.significand | kIntegerBit | kQuietBit);
}

// The NaN an operation with a NaN operand gives, as the x87 chooses it: a
// quiet NaN before a signalling one, else the larger significand, quieted.
SoftExtended propagate(const Unpacked& a, const Unpacked& b) {
  if (a.kind == Kind::Unsupported || b.kind == Kind::Unsupported) return indefinite();
  if (a.kind != Kind::NaN) return quieted(b);
  if (b.kind != Kind::NaN) return quieted(a);
  const bool aQuiet = (a.significand & kQuietBit) != 0;
  const bool bQuiet = (b.significand & kQuietBit) != 0;
  if (aQuiet != bQuiet) return quieted(aQuiet ? a : b);
  if (a.significand != b.significand) return quieted(a.significand > b.significand ? a : b);
  return quieted(a.negative ? b : a);
}

// `value` shifted right by `count` bits; any bit shifted out is kept in bit 0.
u128 shiftRightSticky(u128 value, int count) {
  if (count <= 0) return value;
  if (count >= 128) return value != 0 ? 1 : 0;
  const u128 lost = value & ((u128{1} << count) - 1);
  return (value >> count) | (lost != 0 ? 1 : 0);
}

// m x 2^(exponent - 127), m != 0, rounded once to the extended format.
SoftExtended roundToExtended(bool negative, int exponent, u128 m) {
  const int shift = m >> 64 != 0 ? std::countl_zero(static_cast<std::uint64_t>(m >> 64))
                                 : 64 + std::countl_zero(static_cast<std::uint64_t>(m));
  m <<= shift;
  exponent -= shift;
  if (exponent < kMinExponent) {
    m = shiftRightSticky(m, kMinExponent - exponent);
    exponent = kMinExponent;
  }
  auto high = static_cast<std::uint64_t>(m >> 64);
  const auto low = static_cast<std::uint64_t>(m);
  if (low > kIntegerBit || (low == kIntegerBit && (high & 1) != 0)) {
    ++high;
    if (high == 0) {  // carried out of 64 bits: 2^64
      high = kIntegerBit;
      ++exponent;
    }
  }
  if (exponent > kMaxExponent) return infinity(negative);
  if (high == 0) return make(negative, 0, 0);
  // A subnormal that rounded up to 2^63 becomes the smallest normal number.
  const int field = (high & kIntegerBit) != 0 ? exponent + kBias : 0;
  return make(negative, field, high);
}

SoftExtended roundToExtended(const Unpacked& value) {
  return roundToExtended(value.negative, value.exponent, u128{value.significand} << 64);
}

// An IEEE binary format with `precision` significand bits (the leading one
// included) and exponents from `minExponent` to `maxExponent`.
struct BinaryFormat {
  int precision;
  int minExponent;
  int maxExponent;
};

// The bits of `value` rounded once to `format`: sign, biased exponent and
// fraction, laid out as the IEEE interchange format does.
std::uint64_t roundToBinary(SoftExtended value, BinaryFormat format) {
  const Unpacked v = unpack(value.signExponent(), value.significand());
  const int fractionBits = format.precision - 1;
  const int exponentBits = format.precision == 24 ? 8 : 11;
  const std::uint64_t sign = v.negative ? std::uint64_t{1} << (fractionBits + exponentBits) : 0;
  const std::uint64_t special = ((std::uint64_t{1} << exponentBits) - 1) << fractionBits;
  const std::uint64_t fractionMask = (std::uint64_t{1} << fractionBits) - 1;
  switch (v.kind) {
    case Kind::Zero:
      return sign;
    case Kind::Infinity:
      return sign | special;
    case Kind::Unsupported:  // the invalid operation's default NaN
      return (std::uint64_t{1} << (fractionBits + exponentBits)) | special |
             (std::uint64_t{1} << (fractionBits - 1));
    case Kind::NaN:
      // The payload's leading bits, quieted.
      return sign | special | ((v.significand >> (63 - fractionBits)) & fractionMask) |
             (std::uint64_t{1} << (fractionBits - 1));
    case Kind::Finite:
      break;
  }
  int exponent = v.exponent;
  int drop = 64 - format.precision;
  if (exponent < format.minExponent) {  // subnormal: fewer bits remain
    drop += format.minExponent - exponent;
    exponent = format.minExponent;
  }
  std::uint64_t kept = drop >= 64 ? 0 : v.significand >> drop;
  bool roundUp = false;
  if (drop <= 64) {
    const std::uint64_t lost =
        drop == 64 ? v.significand : v.significand & ((std::uint64_t{1} << drop) - 1);
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    roundUp = lost > half || (lost == half && (kept & 1) != 0);
  }
  if (roundUp) ++kept;
  if (kept >> format.precision != 0) {  // 2^precision
    kept >>= 1;
    ++exponent;
  }
  if (exponent > format.maxExponent) return sign | special;
  if ((kept >> fractionBits) == 0) return sign | kept;  // subnormal or zero
  const auto biased = static_cast<std::uint64_t>(exponent + (1 << (exponentBits - 1)) - 1);
  return sign | (biased << fractionBits) | (kept & fractionMask);
}

// A binary value (sign, biased exponent, fraction) exactly in extended.
SoftExtended fromBinary(std::uint64_t bits, int fractionBits, int exponentBits) {
  const bool negative = (bits >> (fractionBits + exponentBits)) != 0;
  const int field = static_cast<int>((bits >> fractionBits) & ((1u << exponentBits) - 1));
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << fractionBits) - 1);
  const int bias = (1 << (exponentBits - 1)) - 1;
  if (field == (1 << exponentBits) - 1) {
    if (fraction == 0) return infinity(negative);
    // A NaN keeps its payload; a signalling one is quieted, as the x87 loads it.
    return make(negative, kSpecial, kIntegerBit | kQuietBit | (fraction << (63 - fractionBits)));
  }
  if (field == 0 && fraction == 0) return make(negative, 0, 0);
  const std::uint64_t significand =
      field == 0 ? fraction : fraction | (std::uint64_t{1} << fractionBits);
  const int exponent = (field == 0 ? 1 : field) - bias;
  // significand x 2^(exponent - fractionBits), exact in 64 bits.
  return roundToExtended(negative, exponent - fractionBits + 127, u128{significand});
}

SoftExtended add(const Unpacked& a, const Unpacked& b) {
  if (isNaNLike(a) || isNaNLike(b)) return propagate(a, b);
  if (a.kind == Kind::Infinity || b.kind == Kind::Infinity) {
    if (a.kind == Kind::Infinity && b.kind == Kind::Infinity && a.negative != b.negative) {
      return indefinite();
    }
    return infinity(a.kind == Kind::Infinity ? a.negative : b.negative);
  }
  if (a.kind == Kind::Zero && b.kind == Kind::Zero) return make(a.negative && b.negative, 0, 0);
  if (a.kind == Kind::Zero) return roundToExtended(b);
  if (b.kind == Kind::Zero) return roundToExtended(a);
  // Align the smaller to the larger, 64 guard bits below the significands.
  const bool aLarger =
      a.exponent > b.exponent || (a.exponent == b.exponent && a.significand >= b.significand);
  const Unpacked& large = aLarger ? a : b;
  const Unpacked& small = aLarger ? b : a;
  const u128 l = u128{large.significand} << 63;  // one bit of headroom for a carry
  const u128 s = shiftRightSticky(u128{small.significand} << 63, large.exponent - small.exponent);
  if (large.negative == small.negative)
    return roundToExtended(large.negative, large.exponent + 1, l + s);
  const u128 difference = l - s;
  if (difference == 0) return make(false, 0, 0);  // exact cancellation gives +0
  return roundToExtended(large.negative, large.exponent + 1, difference);
}

}  // namespace

SoftExtended::SoftExtended(int value) : SoftExtended(static_cast<std::int64_t>(value)) {}

SoftExtended::SoftExtended(std::int64_t value) {
  // The magnitude in unsigned arithmetic: -2^63 has no signed negation.
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  *this = SoftExtended(magnitude);
  if (value < 0) signExponent_ |= 0x8000u;
}

SoftExtended::SoftExtended(std::uint64_t value) {
  if (value != 0) *this = roundToExtended(false, 127, u128{value});
}

SoftExtended::SoftExtended(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  *this = fromBinary(bits, 23, 8);
}

SoftExtended::SoftExtended(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  *this = fromBinary(bits, 52, 11);
}

SoftExtended SoftExtended::fromBits(std::uint16_t signExponent, std::uint64_t significand) {
  SoftExtended value;
  value.signExponent_ = signExponent;
  value.significand_ = significand;
  return value;
}

float SoftExtended::toFloat() const {
  const auto bits = static_cast<std::uint32_t>(roundToBinary(*this, {24, -126, 127}));
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

double SoftExtended::toDouble() const {
  const std::uint64_t bits = roundToBinary(*this, {53, -1022, 1023});
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

SoftExtended SoftExtended::truncated() const {
  const Unpacked v = unpack(signExponent_, significand_);
  if (v.kind != Kind::Finite || v.exponent >= 63) return *this;
  if (v.exponent < 0) return make(v.negative, 0, 0);
  const std::uint64_t whole = v.significand & ~((kIntegerBit >> v.exponent) - 1);
  return make(v.negative, v.exponent + kBias, whole);
}

std::int64_t SoftExtended::truncatedToInt64() const {
  const Unpacked v = unpack(signExponent_, significand_);
  if (v.kind != Kind::Finite || v.exponent < 0) return 0;
  const std::uint64_t magnitude =
      v.exponent >= 63 ? v.significand : v.significand >> (63 - v.exponent);
  // In two's complement: -2^63 is the one magnitude with no positive twin.
  return static_cast<std::int64_t>(v.negative ? 0 - magnitude : magnitude);
}

SoftExtended SoftExtended::operator-() const {
  return fromBits(static_cast<std::uint16_t>(signExponent_ ^ 0x8000u), significand_);
}

SoftExtended operator+(SoftExtended a, SoftExtended b) {
  return add(unpack(a.signExponent_, a.significand_), unpack(b.signExponent_, b.significand_));
}

SoftExtended operator-(SoftExtended a, SoftExtended b) {
  const Unpacked x = unpack(a.signExponent_, a.significand_);
  const Unpacked y = unpack(b.signExponent_, b.significand_);
  // A NaN operand comes back as it is, its sign not flipped.
  if (isNaNLike(x) || isNaNLike(y)) return propagate(x, y);
  return add(x, unpack(static_cast<std::uint16_t>(b.signExponent_ ^ 0x8000u), b.significand_));
}

SoftExtended operator*(SoftExtended a, SoftExtended b) {
  const Unpacked x = unpack(a.signExponent_, a.significand_);
  const Unpacked y = unpack(b.signExponent_, b.significand_);
  const bool negative = x.negative != y.negative;
  if (isNaNLike(x) || isNaNLike(y)) return propagate(x, y);
  if (x.kind == Kind::Infinity || y.kind == Kind::Infinity) {
    if (x.kind == Kind::Zero || y.kind == Kind::Zero) return indefinite();
    return infinity(negative);
  }
  if (x.kind == Kind::Zero || y.kind == Kind::Zero) return make(negative, 0, 0);
  // (sx x 2^(ex-63)) (sy x 2^(ey-63)) = product x 2^(ex+ey+1-127)
  return roundToExtended(negative, x.exponent + y.exponent + 1,
                         u128{x.significand} * u128{y.significand});
}

SoftExtended operator/(SoftExtended a, SoftExtended b) {
  const Unpacked x = unpack(a.signExponent_, a.significand_);
  const Unpacked y = unpack(b.signExponent_, b.significand_);
  const bool negative = x.negative != y.negative;
  if (isNaNLike(x) || isNaNLike(y)) return propagate(x, y);
  if (x.kind == Kind::Infinity) {
    return y.kind == Kind::Infinity ? indefinite() : infinity(negative);
  }
  if (y.kind == Kind::Infinity) return make(negative, 0, 0);
  if (y.kind == Kind::Zero) return x.kind == Kind::Zero ? indefinite() : infinity(negative);
  if (x.kind == Kind::Zero) return make(negative, 0, 0);
  // 64 or 65 quotient bits from sx x 2^64 / sy, then 63 more by long
  // division; what remains is kept as a sticky bit.
  const u128 dividend = u128{x.significand} << 64;
  const u128 quotient = dividend / y.significand;
  const u128 remainder = dividend % y.significand;
  const u128 more = (remainder << 63) / y.significand;
  const bool inexact = (remainder << 63) % y.significand != 0;
  // quotient x 2^63 + more approximates sx / sy x 2^127.
  const u128 m = (quotient << 63) | more | (inexact ? 1 : 0);
  return roundToExtended(negative, x.exponent - y.exponent, m);
}

bool operator==(SoftExtended a, SoftExtended b) {
  const Unpacked x = unpack(a.signExponent_, a.significand_);
  const Unpacked y = unpack(b.signExponent_, b.significand_);
  if (isNaNLike(x) || isNaNLike(y)) return false;
  if (x.kind == Kind::Zero && y.kind == Kind::Zero) return true;
  return x.kind == y.kind && x.negative == y.negative && x.exponent == y.exponent &&
         x.significand == y.significand;
}

bool operator<(SoftExtended a, SoftExtended b) {
  const Unpacked x = unpack(a.signExponent_, a.significand_);
  const Unpacked y = unpack(b.signExponent_, b.significand_);
  if (isNaNLike(x) || isNaNLike(y)) return false;
  if (x.kind == Kind::Zero && y.kind == Kind::Zero) return false;
  if (x.negative != y.negative) return x.negative;
  // Same sign: order the magnitudes, zero below finite below infinite.
  const auto magnitude = [](const Unpacked& v) {
    const int rank = v.kind == Kind::Zero ? 0 : v.kind == Kind::Finite ? 1 : 2;
    return std::tuple(rank, v.kind == Kind::Finite ? v.exponent : 0, v.significand);
  };
  return x.negative ? magnitude(y) < magnitude(x) : magnitude(x) < magnitude(y);
}

}  // namespace zeb
