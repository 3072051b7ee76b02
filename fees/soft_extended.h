// The x87 80-bit extended format in software, for machines without an x87:
// a 64-bit significand with an explicit integer bit, a 15-bit exponent,
// round to nearest with ties to even, gradual underflow, and the x87's rules
// for infinities and NaNs. It holds exactly the operations the report needs.
#pragma once
#include <cstdint>

namespace zeb {

class SoftExtended {
 public:
  // +0.
  constexpr SoftExtended() = default;

  // Exact conversions from the integer and floating types the report meets.
  SoftExtended(int value);            // NOLINT(google-explicit-constructor): like a built-in type
  SoftExtended(std::int64_t value);   // NOLINT(google-explicit-constructor)
  SoftExtended(std::uint64_t value);  // NOLINT(google-explicit-constructor)
  SoftExtended(float value);          // NOLINT(google-explicit-constructor)
  SoftExtended(double value);         // NOLINT(google-explicit-constructor)

  // The value with sign and biased exponent `signExponent` and the
  // significand `significand`, as the 80-bit format lays them out.
  static SoftExtended fromBits(std::uint16_t signExponent, std::uint64_t significand);
  std::uint16_t signExponent() const { return signExponent_; }
  std::uint64_t significand() const { return significand_; }

  // The value rounded once to single or to double precision.
  float toFloat() const;
  double toDouble() const;

  // The value truncated toward zero to a whole number.
  SoftExtended truncated() const;

  // trunc(value) as a signed 64-bit number; the value must satisfy
  // -2^63 - 1 < value < 2^63.
  std::int64_t truncatedToInt64() const;

  SoftExtended operator-() const;
  friend SoftExtended operator+(SoftExtended a, SoftExtended b);
  friend SoftExtended operator-(SoftExtended a, SoftExtended b);
  friend SoftExtended operator*(SoftExtended a, SoftExtended b);
  friend SoftExtended operator/(SoftExtended a, SoftExtended b);
  friend bool operator==(SoftExtended a, SoftExtended b);
  friend bool operator<(SoftExtended a, SoftExtended b);
  friend bool operator!=(SoftExtended a, SoftExtended b) { return !(a == b); }
  friend bool operator>(SoftExtended a, SoftExtended b) { return b < a; }
  friend bool operator<=(SoftExtended a, SoftExtended b) { return a < b || a == b; }
  friend bool operator>=(SoftExtended a, SoftExtended b) { return b < a || a == b; }

 private:
  std::uint16_t signExponent_ = 0;  // the sign in bit 15, the biased exponent below
  std::uint64_t significand_ = 0;   // with the explicit integer bit 63
};

}  // namespace zeb
