// The case by its dates under -2025: which of its two editions each fee
// takes. The court fees of an instance follow the day it became pending,
// those of an appeal or a revision the day it was filed (§ 71 Abs. 1 GKG,
// § 63 Abs. 1 FamGKG); after a payment order the day it was applied for
// decides for both. A lawyer's fees follow the day of the mandate for the
// matter they belong to (§ 60 Abs. 1 RVG): the work before the lawsuit,
// the payment order, each instance (§ 17 RVG).
#pragma once
#include <array>
#include <cstddef>
#include <optional>

#include "case/proceeding.h"
#include "fees/fee_schedule.h"
#include "report/report_options.h"

namespace zeb {

// The first day of the edition of 2025; a day before it takes the edition
// of 2021 (from 01.01.2021), the first day the report knows.
inline constexpr Day kEditionOf2025From = {2025, 6, 1};
inline constexpr Day kFirstDayKnown = {2021, 1, 1};

// The column of -2025 whose edition is in force on `day`.
Schedule scheduleOn(const Day& day);

// The day that decides the edition of a matter's fees, and whether it was
// given or taken from another: an instance's mandate is the pending day
// where none is given, the work before the lawsuit the mandate for it; an
// appeal or a revision without its day has none and takes the law in force.
struct DecidingDay {
  std::optional<Day> day;
  bool given = false;
};
DecidingDay courtDay(const CaseDays& days, InstanceSection section);
DecidingDay lawyerDay(const CaseDays& days, InstanceSection section, std::size_t side);
DecidingDay preTrialDay(const CaseDays& days, std::size_t side);

// The column of -2025 of a deciding day: the law in force without one.
Schedule scheduleOf(const DecidingDay& day);

// The edition of every matter's fees: all the same in a column of the
// report without days, each by its own day in the case by its dates.
class MatterSchedules {
 public:
  explicit MatterSchedules(Schedule all);
  // By `days`, whose pending day is given; a day not given is taken as the
  // rules of CaseDays say.
  explicit MatterSchedules(const CaseDays& days);

  Schedule court(InstanceSection section) const;
  Schedule lawyer(InstanceSection section, std::size_t side) const;
  Schedule pretrial(std::size_t side) const { return pretrial_[side]; }
  // The payment order's court fee and both lawyers': the pending day.
  Schedule paymentOrder() const { return paymentOrder_; }

 private:
  std::array<Schedule, 3> court_;                  // first instance, appeal, revisions
  std::array<std::array<Schedule, 2>, 3> lawyer_;  // the same, each side
  std::array<Schedule, 2> pretrial_;
  Schedule paymentOrder_;
};

// What makes days refused: none (given), or the first fault found.
enum class DaysFault {
  None,
  NoPendingDay,          // another day without -anhaengig
  BeforeFirstDay,        // a day before 01.01.2021
  AppealBeforePending,   // -berufungAm before -anhaengig
  RevisionBeforeAppeal,  // -revisionAm before the appeal (or the pending day)
  PretrialAfterMandate,  // -vorgerichtK/B after the same side's mandate for the lawsuit
};
struct DaysCheck {
  DaysFault fault = DaysFault::None;
  std::size_t side = 0;  // the side of a pre-trial mandate
};

// Whether `days` hold together.
DaysCheck checkDays(const CaseDays& days);

}  // namespace zeb
