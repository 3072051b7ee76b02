// An appeal taken as a decision: the party that lost in part appeals all
// it lost. The appeal has its own value (§ 47 Abs. 1 GKG, § 23 Abs. 1
// RVG); where it succeeds in part, the first instance's costs follow the
// final result and the appeal's its success (§§ 91, 92, 97 Abs. 1 ZPO);
// withdrawn before its grounds it costs less and falls on the appellant
// (§ 516 Abs. 3 ZPO). Whether it pays: the claim and the costs together,
// and the success from which on the appellant comes out better.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "case/reckoning.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// What the appellant lost in the first instance, the appeal's value, for
// the amount in dispute `amount` in whole euros: its part of the amount,
// in cents rounded up.
Cents appealValue(const ReportOptions& options, std::uint64_t amount);

// The whole euros the fee tables take for `value`: each started step
// counts (§ 34 Abs. 1 GKG, § 13 Abs. 1 RVG), so cents round up.
std::uint64_t feeValueOf(Cents value);

// The claimant's share won within the appeal: the appellant's success
// where the claimant appeals, the rest where the defendant does.
ShareWon appealShare(const ReportOptions& options);

// The claimant's share won of the first instance's amount after the
// appeal: the first judgement's, changed by the appeal's success.
ShareWon finalShare(const ReportOptions& options);

// The same two at another success of the appeal than the one given.
ShareWon appealShareAt(const ReportOptions& options, const ShareWon& success);
ShareWon finalShareAt(const ReportOptions& options, const ShareWon& success);

// `numerator / denominator` of `value`, rounded half up, where their
// product may pass 64 bits (a share after an appeal: two denominators).
Cents widePartOf(Cents value, std::int64_t numerator, std::int64_t denominator);

// The part of the costs that a party bears at `share`, written as the
// share was: "40 %", "66,67 %", "1/4" (a fraction in lowest terms).
std::string partText(const ShareWon& share, std::size_t party);

// The costs of each column that decide whether the appeal pays: all costs
// of the first instance (those distributed after its judgement), of the
// appeal, and of the appeal withdrawn before its grounds; and what the
// appellant bears of its own lawyers' bills beyond those.
struct AppealCosts {
  PerSchedule<Cents> first{};
  PerSchedule<Cents> appeal{};
  PerSchedule<Cents> withdrawn{};
  PerSchedule<Cents> notRefunded{};
};

// Adds the section "Lohnt sich die Berufung?": for the appellant the claim
// and the costs together, without the appeal, at its success, when it
// fails, when it wins, after a withdrawal, and the break-even success.
void addAppealDecision(Figures& figures, const ReportOptions& options, std::uint64_t amount,
                       const AppealCosts& costs);

}  // namespace zeb
