// Money values: the extended type every formula is evaluated in, the two
// narrowings the report's roundings consist of, and the conversions of fees
// and amounts into money values.
#pragma once
#include <cstdint>
#include <limits>

#include "fees/fee_schedule.h"

namespace zeb {

// The x87 80-bit extended format: 64-bit significand, round to nearest, ties
// to even. Every intermediate result of a cost formula is held in it.
using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "the printed cents follow roundings in the x87 80-bit extended format; "
              "this target's long double is not that format");
static_assert(std::numeric_limits<double>::digits == 53 && std::numeric_limits<float>::digits == 24,
              "double and float must be IEEE binary64 and binary32");

// S(x): `x` rounded once to single precision.
inline float toSingle(Extended x) { return static_cast<float>(x); }

// D(x): `x` rounded once to double precision.
inline double toDouble(Extended x) { return static_cast<double>(x); }

// The fee read as an unsigned number, exactly; the caller narrows it once.
inline Extended moneyFromFee(Fee fee) { return static_cast<Extended>(fee); }

// The signed amount in dispute as a single-precision money value.
inline float moneyFromAmount(std::int64_t amount) { return static_cast<float>(amount); }

// `x` truncated to an unsigned 64-bit number, in two 32-bit halves: trunc(x)
// for 0 <= x < 2^64, 2^32 + trunc(x) for -2^32 < x <= -1, 0 for -1 < x < 0.
std::uint64_t truncateToUnsigned64(float x);

}  // namespace zeb
