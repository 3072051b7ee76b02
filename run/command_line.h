// The command line: `zeb <Streitwert> [Optionen]`, and the usage screen.
#pragma once
#include <cstdint>
#include <optional>

#include "report/report_options.h"

namespace zeb {

// The amount in dispute that `text` gives: leading white space, one optional
// sign and the decimal digits up to the first other character (no digits
// give 0), taken modulo 2^32 and read as a signed 32-bit number.
std::int64_t parseAmount(const char* text);

// The amount in dispute of a reform's report: `text` written in decimal
// digits only, its value at least 1; leading zeros count for nothing. Any
// value above kValueCap comes back as kValueCap + 1. Anything else is no
// amount.
std::optional<std::uint64_t> parseReformAmount(const char* text);

// Writes why `arguments[1]` is no amount of a reform, and the command as it
// should have been written, to the diagnostics stream.
void printAmountRefused(int count, const char* const* arguments);

// The options that the switch words among `arguments[1]` to
// `arguments[count - 1]` give. Each argument is compared whole; unknown words
// are ignored, and a lone argument (count 2) is never taken as a switch.
ReportOptions parseOptions(int count, const char* const* arguments);

// The six lines framing the program's name and the maker's notice.
void printBanner(void (*write)(const char* format, ...));

// Writes the usage screen; `invocationName` is the program as it was called.
void printUsage(const char* invocationName);

}  // namespace zeb
