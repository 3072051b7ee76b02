#include "fees/fee_schedule.h"

#include <algorithm>
#include <limits>

namespace zeb {
namespace {

constexpr std::uint64_t kNoBound = std::numeric_limits<std::uint64_t>::max();

// clang-format off

// Until 31.07.2013: above the fixed fees of 25 and 25 euros up to 300 euros.
// GKG Anlage 2: BGBl. I 2004, 775; RVG Anlage 2 as amended up to 17.8.2012.
constexpr Bracket kBrackets2004[] = {
    //   up to      step      court      lawyer  (cents per started step)
    {     1'500,     300,   { 1'000},  { 2'000}},
    {     5'000,     500,   {   800},  { 2'800}},
    {    10'000,   1'000,   { 1'500},  { 3'700}},
    {    25'000,   3'000,   { 2'300},  { 4'000}},
    {    50'000,   5'000,   { 2'900},  { 7'200}},
    {   200'000,  15'000,   {10'000},  { 7'700}},
    {   500'000,  30'000,   {15'000},  {11'800}},
    {  kNoBound,  50'000,   {15'000},  {15'000}},
};

// From 01.08.2013 (2. Kostenrechtsmodernisierungsgesetz): above 35 and 45
// euros up to 500 euros. GKG Anlage 2: BGBl. I 2014, 217; RVG Anlage 2:
// BGBl. I 2013, 2703. The bounds and steps stay the same in 2021 and 2025.
constexpr Bracket kBrackets2013[] = {
    {     2'000,     500,   { 1'800},  { 3'500}},
    {    10'000,   1'000,   { 1'900},  { 5'100}},
    {    25'000,   3'000,   { 2'600},  { 4'600}},
    {    50'000,   5'000,   { 3'500},  { 7'500}},
    {   200'000,  15'000,   {12'000},  { 8'500}},
    {   500'000,  30'000,   {17'900},  {12'000}},
    {  kNoBound,  50'000,   {18'000},  {15'000}},
};

// From 01.01.2021 (Kostenrechtsaenderungsgesetz 2021): above 38 and 49
// euros. GKG Anlage 2: BGBl. I 2020, 3233; RVG Anlage 2: BGBl. I 2022, 665.
constexpr Bracket kBrackets2021[] = {
    {     2'000,     500,   { 2'000},  { 3'900}},
    {    10'000,   1'000,   { 2'100},  { 5'600}},
    {    25'000,   3'000,   { 2'900},  { 5'200}},
    {    50'000,   5'000,   { 3'800},  { 8'100}},
    {   200'000,  15'000,   {13'200},  { 9'400}},
    {   500'000,  30'000,   {19'800},  {13'200}},
    {  kNoBound,  50'000,   {19'800},  {16'500}},
};

// From 01.06.2025 (Kosten- und Betreuerverguetungsrechtsaenderungsgesetz
// 2025): above 40,00 and 51,50 euros. BGBl. 2025 I Nr. 109, S. 11 (GKG)
// and S. 30 (RVG).
constexpr Bracket kBrackets2025[] = {
    {     2'000,     500,   { 2'100},  { 4'150}},
    {    10'000,   1'000,   { 2'250},  { 5'950}},
    {    25'000,   3'000,   { 3'050},  { 5'500}},
    {    50'000,   5'000,   { 4'050},  { 8'600}},
    {   200'000,  15'000,   {14'000},  { 9'950}},
    {   500'000,  30'000,   {21'000},  {14'000}},
    {  kNoBound,  50'000,   {21'000},  {17'500}},
};

// The fees of a lawyer assigned under legal aid above 4.000 euros (§ 49
// RVG), as of 01.01.2021 and of 01.06.2025.
constexpr AssignedFee kAssigned2021[] = {
    { 5'000, {28'400}}, { 6'000, {29'500}}, { 7'000, {30'600}}, { 8'000, {31'700}},
    { 9'000, {32'800}}, {10'000, {33'900}}, {13'000, {35'400}}, {16'000, {36'900}},
    {19'000, {38'400}}, {22'000, {39'900}}, {25'000, {41'400}}, {30'000, {45'300}},
    {35'000, {49'200}}, {40'000, {53'100}}, {45'000, {57'000}}, {50'000, {60'900}},
    {kNoBound, {65'900}},
};
constexpr AssignedFee kAssigned2025[] = {
    { 5'000, {31'900}}, { 6'000, {33'000}}, { 7'000, {34'100}}, { 8'000, {35'200}},
    { 9'000, {36'300}}, {10'000, {37'400}}, {13'000, {38'900}}, {16'000, {40'400}},
    {19'000, {41'900}}, {22'000, {43'400}}, {25'000, {44'900}}, {30'000, {48'800}},
    {35'000, {52'700}}, {40'000, {56'600}}, {45'000, {60'500}}, {50'000, {64'400}},
    {65'000, {69'200}}, {80'000, {73'900}}, {kNoBound, {78'600}},
};

// The editions, each with its payment-order minimum (KV GKG Nr. 1100), that
// of the labour courts (Nr. 8100) and the most of custody or contact
// attached to a divorce (§ 44 Abs. 2 FamGKG), where held.
constexpr Edition kEditions[] = {
    //  in force from  until         first  court     lawyer    brackets        payment order  § 49           Nr. 8100  § 44 FamGKG
    {nullptr,      "31.07.2013",  300, {2'500}, {2'500}, kBrackets2004, {2'300}, {},            {},       {}},
    {"01.08.2013", "31.12.2020",  500, {3'500}, {4'500}, kBrackets2013, {3'200}, {},            {},       {}},
    {"01.01.2021", "31.05.2025",  500, {3'800}, {4'900}, kBrackets2021, {3'600}, kAssigned2021, {2'900}, {4'000'00}},
    {"01.06.2025", nullptr,       500, {4'000}, {5'150}, kBrackets2025, {3'800}, kAssigned2025, {3'100}, {5'000'00}},
};

// clang-format on

// The whole euros of a sum of the editions of 2013, which have no cents.
constexpr std::uint64_t wholeEuros(Cents sum) {
  return static_cast<std::uint64_t>(sum.count / 100);
}

}  // namespace

const Edition& editionOf(Reform reform, Schedule schedule) {
  // Each reform's old column is the edition the reform before it brought.
  return kEditions[static_cast<std::size_t>(reform) + (schedule == Schedule::Old ? 0 : 1)];
}

AssignedLawyerFee assignedLawyerFee(const Edition& edition, std::uint64_t amount) {
  if (amount <= kAssignedListAbove) return {feeInCents(edition, amount, FeeKind::Lawyer), nullptr};
  for (const AssignedFee& row : edition.assignedFees) {
    if (amount <= row.upTo) return {row.fee, &row};
  }
  return {edition.assignedFees.back().fee, &edition.assignedFees.back()};
}

std::uint64_t startedSteps(std::uint64_t a, std::uint64_t b) {
  return a % b != 0 ? (a + b) / b : a / b;
}

FeeSteps feeSteps(const Edition& edition, std::uint64_t amount, FeeKind kind) {
  const bool court = kind == FeeKind::Court;
  const Cents first = court ? edition.courtUpToFirst : edition.lawyerUpToFirst;
  FeeSteps fee = {edition.firstUpTo, first, 0, 0, {}, first};
  std::uint64_t lower = edition.firstUpTo;
  for (const Bracket& bracket : edition.brackets) {
    if (amount <= lower) break;
    const std::uint64_t steps = startedSteps(std::min(amount, bracket.upTo) - lower, bracket.step);
    const Cents perStep = court ? bracket.courtPerStep : bracket.lawyerPerStep;
    // Even 2^64 - 1 euros make fewer than 3.7 x 10^14 steps of 50,000
    // euros above 500,000; times the largest fee per step, 210 euros, that
    // stays below 7.8 x 10^18 cents, under 2^63.
    fee = {lower,        fee.fee, steps,
           bracket.step, perStep, fee.fee + static_cast<std::int64_t>(steps) * perStep};
    lower = bracket.upTo;
  }
  return fee;
}

Fee scheduleFee(Schedule schedule, std::uint64_t amount, FeeKind kind) {
  const Edition& edition = editionOf(Reform::Of2013, schedule);
  const bool court = kind == FeeKind::Court;
  // The fee is 32-bit arithmetic: steps and fees wrap modulo 2^32, which only
  // amounts of 2^32 and more (negative amounts read as unsigned) reach.
  auto fee = static_cast<std::uint32_t>(
      wholeEuros(court ? edition.courtUpToFirst : edition.lawyerUpToFirst));
  std::uint64_t lower = edition.firstUpTo;
  for (const Bracket& bracket : edition.brackets) {
    if (amount <= lower) break;
    const std::uint64_t top = amount < bracket.upTo ? amount : bracket.upTo;
    const std::uint64_t perStep = wholeEuros(court ? bracket.courtPerStep : bracket.lawyerPerStep);
    fee += static_cast<std::uint32_t>(startedSteps(top - lower, bracket.step) * perStep);
    lower = bracket.upTo;
  }
  // Read the 32 bits as two's complement and widen with the sign.
  const std::uint64_t signExtension = (fee & 0x8000'0000u) != 0 ? 0xFFFF'FFFF'0000'0000u : 0;
  return signExtension | fee;
}

}  // namespace zeb
