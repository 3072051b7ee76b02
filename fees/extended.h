// The extended type every cost formula is evaluated in, and the two
// narrowings the report's roundings consist of.
//
// The format is the x87's 80-bit extended: 64-bit significand, 15-bit
// exponent, round to nearest with ties to even. Where long double is that
// format it is the hardware type; elsewhere, or with ZEB_SOFT_EXTENDED
// defined, it is the software type, which gives the same bits.
#pragma once
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "fees/soft_extended.h"

#if !defined(ZEB_SOFT_EXTENDED) && (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
#define ZEB_HARDWARE_EXTENDED 1
#endif

namespace zeb {

static_assert(std::numeric_limits<double>::is_iec559 && std::numeric_limits<float>::is_iec559,
              "double and float must be IEEE binary64 and binary32");

#ifdef ZEB_HARDWARE_EXTENDED

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the printed cents follow roundings in the x87 80-bit extended format");

// S(x): `x` rounded once to single precision.
inline float toSingle(Extended x) { return static_cast<float>(x); }

// D(x): `x` rounded once to double precision.
inline double toDouble(Extended x) { return static_cast<double>(x); }

// `x` truncated toward zero to a whole number.
inline Extended truncated(Extended x) { return std::trunc(x); }

// trunc(x) as a signed 64-bit number; -2^63 - 1 < x < 2^63 must hold.
inline std::int64_t truncatedToInt64(Extended x) { return static_cast<std::int64_t>(x); }

#else

using Extended = SoftExtended;

inline float toSingle(Extended x) { return x.toFloat(); }
inline double toDouble(Extended x) { return x.toDouble(); }
inline Extended truncated(Extended x) { return x.truncated(); }
inline std::int64_t truncatedToInt64(Extended x) { return x.truncatedToInt64(); }

#endif

}  // namespace zeb
