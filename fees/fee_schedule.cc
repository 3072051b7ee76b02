#include "fees/fee_schedule.h"

#include <limits>
#include <span>

namespace zeb {
namespace {

constexpr std::uint64_t kNoBound = std::numeric_limits<std::uint64_t>::max();

// A bracket above the first: it runs from the bound of the bracket below
// (exclusive) to `upTo` (inclusive), and every started `step` of the amount
// above its lower bound adds the fee per step.
struct Bracket {
  std::uint64_t upTo;
  std::uint64_t step;
  std::uint32_t courtPerStep;
  std::uint32_t lawyerPerStep;
};

// clang-format off

// GKG § 34 and RVG § 13, each with its Anlage 2, until 31.07.2013: above the
// fixed fees of 25 and 25 euros up to 300 euros.
constexpr Bracket kOldBrackets[] = {
    //   up to      step   court  lawyer
    {     1'500,     300,    10,    20},
    {     5'000,     500,     8,    28},
    {    10'000,   1'000,    15,    37},
    {    25'000,   3'000,    23,    40},
    {    50'000,   5'000,    29,    72},
    {   200'000,  15'000,   100,    77},
    {   500'000,  30'000,   150,   118},
    {  kNoBound,  50'000,   150,   150},
};

// The same from 01.08.2013 (2. Kostenrechtsmodernisierungsgesetz): above the
// fixed fees of 35 and 45 euros up to 500 euros.
constexpr Bracket kNewBrackets[] = {
    //   up to      step   court  lawyer
    {     2'000,     500,    18,    35},
    {    10'000,   1'000,    19,    51},
    {    25'000,   3'000,    26,    46},
    {    50'000,   5'000,    35,    75},
    {   200'000,  15'000,   120,    85},
    {   500'000,  30'000,   179,   120},
    {  kNoBound,  50'000,   180,   150},
};

// clang-format on

// A schedule: fixed fees up to `firstUpTo`, then its brackets in ascending
// order, the last without a bound.
struct FeeTable {
  std::uint64_t firstUpTo;
  std::uint32_t fixedCourt;
  std::uint32_t fixedLawyer;
  std::span<const Bracket> brackets;
};

constexpr FeeTable kOldTable = {300, 25, 25, kOldBrackets};
constexpr FeeTable kNewTable = {500, 35, 45, kNewBrackets};

}  // namespace

std::uint64_t startedSteps(std::uint64_t a, std::uint64_t b) {
  return a % b != 0 ? (a + b) / b : a / b;
}

Fee scheduleFee(Schedule schedule, std::uint64_t amount, FeeKind kind) {
  const FeeTable& table = schedule == Schedule::Old ? kOldTable : kNewTable;
  const bool court = kind == FeeKind::Court;
  // The fee is 32-bit arithmetic: steps and fees wrap modulo 2^32, which only
  // amounts of 2^32 and more (negative amounts read as unsigned) reach.
  std::uint32_t fee = court ? table.fixedCourt : table.fixedLawyer;
  std::uint64_t lower = table.firstUpTo;
  for (const Bracket& bracket : table.brackets) {
    if (amount <= lower) break;
    const std::uint64_t top = amount < bracket.upTo ? amount : bracket.upTo;
    const std::uint64_t perStep = court ? bracket.courtPerStep : bracket.lawyerPerStep;
    fee += static_cast<std::uint32_t>(startedSteps(top - lower, bracket.step) * perStep);
    lower = bracket.upTo;
  }
  // Read the 32 bits as two's complement and widen with the sign.
  const std::uint64_t signExtension = (fee & 0x8000'0000u) != 0 ? 0xFFFF'FFFF'0000'0000u : 0;
  return signExtension | fee;
}

}  // namespace zeb
