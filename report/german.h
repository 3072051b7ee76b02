// German notation of the numbers in a value's way: "1.078,44 €",
// "2.000 €", "2,5".
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "fees/cents.h"

namespace zeb {

// A number as printf writes it ("-1234.50", "17197") in German notation:
// thousands grouped by points, a decimal comma ("-1.234,50", "17.197").
std::string germanNumber(std::string_view printed);

// An amount with two decimals and the euro sign: "1.078,44 €".
std::string euros(Cents amount);

// A single-precision amount as printf's "%.2f" rounds it, with the euro
// sign.
std::string euros(float amount);

// An amount printed with two decimals ("17197.30"), in German notation with
// the euro sign.
std::string eurosOfPrinted(std::string_view printed);

// Whole euros: "2.000 €".
std::string wholeEuros(std::uint64_t amount);

// A rate of `tenths` tenths: "2,5", "0,5".
std::string tenths(int tenths);

}  // namespace zeb
