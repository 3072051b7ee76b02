#include "case/case_days.h"

#include <algorithm>
#include <iterator>

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

DecidingDay courtDay(const CaseDays& days, InstanceSection section) {
  switch (dayIndex(section)) {
    case 0:
      return {days.pending, true};
    case 1:
      return {days.appeal, days.appeal.has_value()};
    default:
      return {days.revision, days.revision.has_value()};
  }
}

DecidingDay lawyerDay(const CaseDays& days, InstanceSection section, std::size_t side) {
  // Both lawyers' mandates for an appeal or a revision are of its day.
  if (section != InstanceSection::FirstInstance) return courtDay(days, section);
  return {days.mandateOf(side), days.mandate[side].has_value()};
}

DecidingDay preTrialDay(const CaseDays& days, std::size_t side) {
  if (days.pretrial[side]) return {days.pretrial[side], true};
  return {days.mandateOf(side), false};
}

Schedule scheduleOf(const DecidingDay& day) {
  return day.day ? scheduleOn(*day.day) : Schedule::New;
}

MatterSchedules::MatterSchedules(const CaseDays& days) : MatterSchedules(Schedule::New) {
  constexpr InstanceSection kSections[] = {InstanceSection::FirstInstance, InstanceSection::Appeal,
                                           InstanceSection::Revision};
  for (std::size_t i = 0; i < std::size(kSections); ++i) {
    court_[i] = scheduleOf(courtDay(days, kSections[i]));
    for (const std::size_t side : {std::size_t{0}, std::size_t{1}}) {
      lawyer_[i][side] = scheduleOf(lawyerDay(days, kSections[i], side));
    }
  }
  // The payment order and the lawsuit after it are one: the day it was
  // applied for decides, the payment order's mandate too.
  paymentOrder_ = court_[0];
  for (const std::size_t side : {std::size_t{0}, std::size_t{1}}) {
    pretrial_[side] = scheduleOf(preTrialDay(days, side));
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
    if (days.pretrial[side] && *days.mandateOf(side) < *days.pretrial[side]) {
      return {DaysFault::PretrialAfterMandate, side};
    }
  }
  return {};
}

}  // namespace zeb
