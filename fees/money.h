// Money values: the conversions of fees and amounts into money values.
#pragma once
#include <cstdint>

#include "fees/extended.h"
#include "fees/fee_schedule.h"

namespace zeb {

// The fee read as an unsigned number, exactly; the caller narrows it once.
inline Extended moneyFromFee(Fee fee) { return Extended(fee); }

// The signed amount in dispute as a single-precision money value.
inline float moneyFromAmount(std::int64_t amount) { return static_cast<float>(amount); }

// `x` truncated to an unsigned 64-bit number, in two 32-bit halves: trunc(x)
// for 0 <= x < 2^64, 2^32 + trunc(x) for -2^32 < x <= -1, 0 for -1 < x < 0.
std::uint64_t truncateToUnsigned64(float x);

}  // namespace zeb
