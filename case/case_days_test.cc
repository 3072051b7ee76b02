#include "case/case_days.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

constexpr Schedule O = Schedule::Old;  // the edition of 2021
constexpr Schedule N = Schedule::New;  // the edition of 2025
constexpr std::size_t K = 0;
constexpr std::size_t B = 1;

// law.md's worked case: pending 15.03.2024, the claimant's mandate
// 01.03.2024, the defendant's 01.04.2024, the appeal filed 10.01.2026.
CaseDays workedCase() {
  CaseDays days;
  days.pending = Day{2024, 3, 15};
  days.mandate = {Day{2024, 3, 1}, Day{2024, 4, 1}};
  days.appeal = Day{2026, 1, 10};
  return days;
}

TEST(CaseDays, EachMatterTakesTheEditionOfItsOwnDay) {
  // 31.05.2025 is the last day of the edition of 2021.
  EXPECT_EQ(scheduleOn({2025, 5, 31}), O);
  EXPECT_EQ(scheduleOn({2025, 6, 1}), N);
  EXPECT_EQ(scheduleOn({2021, 1, 1}), O);

  const MatterSchedules worked(workedCase());
  EXPECT_EQ(worked.court(InstanceSection::FirstInstance), O);
  EXPECT_EQ(worked.lawyer(InstanceSection::FirstInstance, K), O);
  EXPECT_EQ(worked.lawyer(InstanceSection::FirstInstance, B), O);
  EXPECT_EQ(worked.court(InstanceSection::Appeal), N);
  EXPECT_EQ(worked.lawyer(InstanceSection::Appeal, B), N);
  // No revision day: the law in force.
  EXPECT_EQ(worked.court(InstanceSection::BghRevision), N);

  // Pending before the change, the defendant's mandate after it; the
  // claimant's work before the lawsuit takes its mandate's day, the
  // defendant's its own.
  CaseDays split;
  split.pending = Day{2025, 5, 20};
  split.mandate[B] = Day{2025, 6, 20};
  split.pretrial[B] = Day{2025, 2, 1};
  split.revision = Day{2025, 5, 31};
  const MatterSchedules s(split);
  EXPECT_EQ(s.paymentOrder(), O);  // the prevailing view: the day applied for
  EXPECT_EQ(s.lawyer(InstanceSection::FirstInstance, K), O);
  EXPECT_EQ(s.lawyer(InstanceSection::FirstInstance, B), N);
  EXPECT_EQ(s.pretrial(K), O);
  EXPECT_EQ(s.pretrial(B), O);
  EXPECT_EQ(s.court(InstanceSection::Revision), O);
  EXPECT_EQ(s.lawyer(InstanceSection::Revision, K), O);
}

TEST(CaseDays, DaysThatDoNotHoldTogetherAreRefused) {
  const auto with = [](auto change) {
    CaseDays days = workedCase();
    change(days);
    return checkDays(days);
  };
  struct Case {
    DaysCheck check;
    DaysFault fault;
    std::size_t side;
  };
  const Case cases[] = {
      {checkDays({}), DaysFault::None, 0},
      {checkDays(workedCase()), DaysFault::None, 0},
      {with([](CaseDays& d) { d.pending.reset(); }), DaysFault::NoPendingDay, 0},
      {with([](CaseDays& d) {
         d.mandate[K] = Day{2020, 12, 31};
       }),
       DaysFault::BeforeFirstDay, 0},
      {with([](CaseDays& d) {
         d.appeal = Day{2024, 3, 14};
       }),
       DaysFault::AppealBeforePending, 0},
      // The appeal filed on the pending day, the revision on the appeal's.
      {with([](CaseDays& d) {
         d.appeal = d.revision = Day{2024, 3, 15};
       }),
       DaysFault::None, 0},
      {with([](CaseDays& d) {
         d.revision = Day{2026, 1, 9};
       }),
       DaysFault::RevisionBeforeAppeal, 0},
      {with([](CaseDays& d) {
         d.pretrial[B] = Day{2024, 4, 2};
       }),
       DaysFault::PretrialAfterMandate, B},
      // Without its mandate, the side's lawsuit mandate is the pending day.
      {with([](CaseDays& d) {
         d.mandate[K].reset();
         d.pretrial[K] = Day{2024, 3, 16};
       }),
       DaysFault::PretrialAfterMandate, K},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.check.fault, c.fault);
    EXPECT_EQ(c.check.side, c.side);
  }
}

}  // namespace
}  // namespace zeb
