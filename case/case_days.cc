#include "case/case_days.h"

#include <algorithm>

namespace zeb {
namespace {

// The index of an instance's days: the revision before the BGH is filed
// as any revision.
std::size_t dayIndex(InstanceSection section) {
  switch (section) {
    case InstanceSection::FirstInstance:
      return 0;
    case InstanceSection::Appeal:
      return 1;
    case InstanceSection::Revision:
    case InstanceSection::BghRevision:
      break;
  }
  return 2;
}

}  // namespace

Schedule scheduleOn(const Day& day) {
  return day < kEditionOf2025From ? Schedule::Old : Schedule::New;
}

MatterSchedules::MatterSchedules(Schedule all)
    : court_{all, all, all},
      lawyer_{{{all, all}, {all, all}, {all, all}}},
      pretrial_{all, all},
      paymentOrder_(all) {}

MatterSchedules::MatterSchedules(const CaseDays& days) : MatterSchedules(Schedule::New) {
  const Day pending = days.pending.value_or(kEditionOf2025From);
  // An appeal or a revision without its day is one filed under the law in
  // force; both lawyers' mandates for it are of its day.
  const Schedule appeal = days.appeal ? scheduleOn(*days.appeal) : Schedule::New;
  const Schedule revision = days.revision ? scheduleOn(*days.revision) : Schedule::New;
  court_ = {scheduleOn(pending), appeal, revision};
  paymentOrder_ = scheduleOn(pending);
  for (const std::size_t side : {std::size_t{0}, std::size_t{1}}) {
    const Day mandate = days.mandate[side].value_or(pending);
    lawyer_[0][side] = scheduleOn(mandate);
    lawyer_[1][side] = appeal;
    lawyer_[2][side] = revision;
    pretrial_[side] = scheduleOn(days.pretrial[side].value_or(mandate));
  }
}

Schedule MatterSchedules::court(InstanceSection section) const { return court_[dayIndex(section)]; }

Schedule MatterSchedules::lawyer(InstanceSection section, std::size_t side) const {
  return lawyer_[dayIndex(section)][side];
}

DaysCheck checkDays(const CaseDays& days) {
  if (!days.given()) return {};
  if (!days.pending) return {DaysFault::NoPendingDay};
  const std::optional<Day> all[] = {days.pending,     days.mandate[0],  days.mandate[1],
                                    days.pretrial[0], days.pretrial[1], days.appeal,
                                    days.revision};
  if (std::any_of(std::begin(all), std::end(all),
                  [](const std::optional<Day>& d) { return d && *d < kFirstDayKnown; })) {
    return {DaysFault::BeforeFirstDay};
  }
  if (days.appeal && *days.appeal < *days.pending) return {DaysFault::AppealBeforePending};
  if (days.revision && *days.revision < days.appeal.value_or(*days.pending)) {
    return {DaysFault::RevisionBeforeAppeal};
  }
  for (const std::size_t side : {std::size_t{0}, std::size_t{1}}) {
    if (days.pretrial[side] && days.mandate[side].value_or(*days.pending) < *days.pretrial[side]) {
      return {DaysFault::PretrialAfterMandate, side};
    }
  }
  return {};
}

}  // namespace zeb
