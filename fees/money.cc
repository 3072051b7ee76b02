#include "fees/money.h"

#include <cmath>

namespace zeb {
namespace {

constexpr Extended kTwoTo32 = 4294967296.0L;
constexpr Extended kTwoTo63 = 9223372036854775808.0L;

// trunc(x) as a signed 64-bit number. Out of range and NaN give the x87's
// "integer indefinite" 0x8000000000000000, the value the hardware
// conversion stores; C++ leaves such a conversion undefined.
std::uint64_t truncateToInt64Bits(Extended x) {
  if (!(x > -kTwoTo63 - 1 && x < kTwoTo63)) return std::uint64_t{1} << 63;
  return static_cast<std::uint64_t>(static_cast<std::int64_t>(x));
}

}  // namespace

std::uint64_t truncateToUnsigned64(float x) {
  const std::uint64_t high = truncateToInt64Bits(Extended{x} / kTwoTo32) & 0xFFFFFFFFu;
  const std::uint64_t low =
      truncateToInt64Bits(Extended{x} - static_cast<Extended>(high) * kTwoTo32) & 0xFFFFFFFFu;
  return (high << 32) + low;
}

}  // namespace zeb
