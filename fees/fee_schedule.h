// The editions of the fee statutes: § 34 GKG and § 13 RVG with their Anlage
// 2, each as the step rule that generates its published table; the reforms
// that a report sets side by side; and the whole-euro fees of the report of
// 2013.
#pragma once
#include <cstdint>
#include <span>

#include "fees/cents.h"

namespace zeb {

// The selector of a fee: the court fee ('g', Gerichtsgebuehr) or the lawyer
// fee ('a', Anwaltsgebuehr).
enum class FeeKind : char { Court = 'g', Lawyer = 'a' };

// The two columns of a report: the edition before a reform and the one after.
enum class Schedule { Old, New };

// A bracket above the first: it runs from the bound of the bracket below
// (exclusive) to `upTo` (inclusive), and every started `step` of the amount
// above its lower bound adds the fee per step.
struct Bracket {
  std::uint64_t upTo;
  std::uint64_t step;
  Cents courtPerStep;
  Cents lawyerPerStep;
};

// A row of the fees of a lawyer assigned under legal aid (§ 49 RVG): the
// fee for a value up to `upTo` (the last row without a bound).
struct AssignedFee {
  std::uint64_t upTo;
  Cents fee;
};

// One edition of the fee statutes: fixed fees up to `firstUpTo`, then its
// brackets in ascending order, the last without a bound; the least fee of
// the payment-order procedure (KV GKG Nr. 1100) and, where this program
// holds it, of the enforcement order before the labour courts (Nr. 8100);
// the list of § 49 RVG above 4.000 euros, where this program holds it; and
// a value of the FamGKG. The FamGKG's table (§ 28, Anlage 2) is the GKG's.
struct Edition {
  const char* inForceFrom;   // "01.06.2025"; nullptr for the first edition here
  const char* inForceUntil;  // "31.05.2025"; nullptr for the edition in force
  std::uint64_t firstUpTo;
  Cents courtUpToFirst;
  Cents lawyerUpToFirst;
  std::span<const Bracket> brackets;
  Cents paymentOrderMinimum;
  std::span<const AssignedFee> assignedFees;
  Cents labourPaymentOrderMinimum;
  // The most that custody or contact counts as a matter attached to a
  // divorce (§ 44 Abs. 2 FamGKG), where this program holds it.
  Cents attachedMatterMost;
};

// The reforms a report compares, each by its date of entry into force: the
// report of 2013 (2. Kostenrechtsmodernisierungsgesetz), and the reforms of
// 01.01.2021 (Kostenrechtsaenderungsgesetz 2021) and of 01.06.2025 (Kosten-
// und Betreuerverguetungsrechtsaenderungsgesetz 2025).
enum class Reform { Of2013, Of2021, Of2025 };

// The edition of `reform`'s column `schedule`: the one in force before the
// reform (Old) or the one it brought (New).
const Edition& editionOf(Reform reform, Schedule schedule);

// The greatest value the fees are taken of: 30 million euros (§ 39 Abs. 2
// GKG; § 22 Abs. 2 RVG).
inline constexpr std::uint64_t kValueCap = 30'000'000;

// The number of started steps of size `b` in `a`: a / b rounded up, in
// unsigned 64-bit arithmetic. `b` must not be 0.
std::uint64_t startedSteps(std::uint64_t a, std::uint64_t b);

// How the step rule makes a fee: the fee at the lower bound of the amount's
// bracket, and the steps started above it (none in the first bracket, whose
// bound is `firstUpTo`).
struct FeeSteps {
  std::uint64_t lowerBound;
  Cents atLowerBound;
  std::uint64_t steps;
  std::uint64_t stepSize;
  Cents perStep;
  Cents fee;
};

// The fee of `kind` for `amount` under `edition`, exactly, and how the step
// rule makes it.
FeeSteps feeSteps(const Edition& edition, std::uint64_t amount, FeeKind kind);

// The fee of `kind` for `amount` under `edition`, with the amount taken at
// most at kValueCap.
inline Cents feeInCents(const Edition& edition, std::uint64_t amount, FeeKind kind) {
  return feeSteps(edition, amount < kValueCap ? amount : kValueCap, kind).fee;
}

// Up to this value an assigned lawyer's fee is the fee of § 13 RVG; above
// it the list of § 49 RVG.
inline constexpr std::uint64_t kAssignedListAbove = 4'000;

// The 1,0 fee of a lawyer assigned under legal aid for `amount` under
// `edition`, and the row of the § 49 list it comes from (none: the § 13
// fee). The edition must hold the list.
struct AssignedLawyerFee {
  Cents fee;
  const AssignedFee* row;
};
AssignedLawyerFee assignedLawyerFee(const Edition& edition, std::uint64_t amount);

// A full fee of the report of 2013 in whole euros: a signed 32-bit result
// widened with its sign to 64 bits and read as unsigned, so a negative
// result is 2^64 minus its size.
using Fee = std::uint64_t;

// The full fee of `kind` for `amount` (the amount in dispute read as an
// unsigned 64-bit number) in the report of 2013's column `schedule`, in
// 32-bit arithmetic of whole euros.
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
