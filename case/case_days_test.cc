#include "case/case_days.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

// The edges the command lines of the tests do not reach: 31.05.2025 is the
// last day of the edition of 2021; an appeal and a revision may be filed on
// the pending day; without its mandate a side's work before the lawsuit is
// measured against the pending day.
TEST(CaseDays, TheEditionChangesOnTheFirstOfJuneAndDaysMayFallTogether) {
  EXPECT_EQ(scheduleOn({2025, 5, 31}), Schedule::Old);
  EXPECT_EQ(scheduleOn({2025, 6, 1}), Schedule::New);
  CaseDays days;
  days.pending = days.appeal = days.revision = Day{2024, 3, 15};
  EXPECT_EQ(checkDays(days).fault, DaysFault::None);
  days.pretrial[1] = Day{2024, 3, 16};
  EXPECT_EQ(checkDays(days).fault, DaysFault::PretrialAfterMandate);
  EXPECT_EQ(checkDays(days).side, 1U);
}

}  // namespace
}  // namespace zeb
