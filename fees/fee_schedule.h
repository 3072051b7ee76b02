// Fee schedules of the court costs act (GKG) and the lawyers' remuneration
// act (RVG): the version in force until 31.07.2013 and the one from
// 01.08.2013.
#pragma once
#include <cstdint>

namespace zeb {

// The selector of a fee: the court fee ('g', Gerichtsgebuehr) or the lawyer
// fee ('a', Anwaltsgebuehr).
enum class FeeKind : char { Court = 'g', Lawyer = 'a' };

// The two schedules, in the order the report shows them.
enum class Schedule { Old, New };

// A full fee in whole euros: a signed 32-bit result widened with its sign to
// 64 bits and read as unsigned, so a negative result is 2^64 minus its size.
using Fee = std::uint64_t;

// The number of started steps of size `b` in `a`: a / b rounded up, in
// unsigned 64-bit arithmetic. `b` must not be 0.
std::uint64_t startedSteps(std::uint64_t a, std::uint64_t b);

// The full fee of `kind` for `amount` (the amount in dispute read as an
// unsigned 64-bit number) under `schedule`.
Fee scheduleFee(Schedule schedule, std::uint64_t amount, FeeKind kind);

// The full fee of `kind` for `amount` under the schedule until 31.07.2013.
inline Fee oldScheduleFee(std::uint64_t amount, FeeKind kind) {
  return scheduleFee(Schedule::Old, amount, kind);
}

// The full fee of `kind` for `amount` under the schedule from 01.08.2013.
inline Fee newScheduleFee(std::uint64_t amount, FeeKind kind) {
  return scheduleFee(Schedule::New, amount, kind);
}

}  // namespace zeb
