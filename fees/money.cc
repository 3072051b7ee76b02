#include "fees/money.h"

namespace zeb {
namespace {

// trunc(x) as a signed 64-bit number. Out of range and NaN give the x87's
// "integer indefinite" 0x8000000000000000, the value the hardware
// conversion stores; C++ leaves such a conversion undefined.
std::uint64_t truncateToInt64Bits(Extended x) {
  const Extended twoTo63 = 0x1p63;
  if (!(x > -twoTo63 - 1 && x < twoTo63)) return std::uint64_t{1} << 63;
  return static_cast<std::uint64_t>(truncatedToInt64(x));
}

}  // namespace

std::uint64_t truncateToUnsigned64(float x) {
  const Extended twoTo32 = 0x1p32;
  const std::uint64_t high = truncateToInt64Bits(Extended{x} / twoTo32) & 0xFFFFFFFFu;
  const std::uint64_t low =
      truncateToInt64Bits(Extended{x} - Extended(high) * twoTo32) & 0xFFFFFFFFu;
  return (high << 32) + low;
}

}  // namespace zeb
