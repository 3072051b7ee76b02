// The proceeding sections: the payment-order procedure and the four instance
// sections with their judgement and settlement blocks.
#pragma once
#include <array>
#include <cstdint>

#include "fees/fee_schedule.h"
#include "fees/money.h"

namespace zeb {

// One value per schedule, indexed by `scheduleIndex`.
template <class T>
using PerSchedule = std::array<T, 2>;

constexpr std::size_t scheduleIndex(Schedule schedule) { return schedule == Schedule::Old ? 0 : 1; }

inline constexpr Schedule kSchedules[] = {Schedule::Old, Schedule::New};

// The judgement process costs gathered over the instance sections, in double
// precision, for the totals over instances.
struct InstanceTotals {
  PerSchedule<double> withAppeal{};       // first instance + appeal
  PerSchedule<double> withRevision{};     // withAppeal + revision
  PerSchedule<double> withBghRevision{};  // withAppeal + revision before the BGH
};

// The instance sections, in the order of the report.
enum class InstanceSection { FirstInstance, Appeal, Revision, BghRevision };

// `b` unless `b` is strictly greater than `a`: on a tie, and when unordered,
// the second operand.
float minFloat(float a, float b);

// `a` if `a` is strictly greater than `b`, else `b`.
float maxFloat(float a, float b);

// The values of one block (judgement or settlement) under one schedule.
struct BlockValues {
  double court;      // court fees
  double lawyer;     // lawyer fees
  double gross;      // lawyer fees with expense flat rate and VAT
  Extended process;  // court fees and the gross lawyer fees of both parties
};

// A block's values under one schedule, for its full fees `courtFee` and
// `lawyerFee` scaled by the block's rates.
BlockValues blockValues(Fee courtFee, Fee lawyerFee, float courtRate, double lawyerRate);

// The two blocks of an instance section: the proceeding ends in a contested
// judgement, or by settlement.
enum class Variant { Judgement, Settlement };

// The values of a block of `section` under both schedules for `amount`.
PerSchedule<BlockValues> computeBlock(InstanceSection section, Variant variant,
                                      std::int64_t amount);

// The half court fee of the payment-order procedure, at least `minimum`.
float paymentOrderFee(Fee courtFee, float minimum);

// Prints the payment-order section for `amount`.
void printPaymentOrderSection(std::int64_t amount);

// Prints `section` for `amount` and adds its judgement process costs to
// `totals`.
void printInstanceSection(InstanceSection section, std::int64_t amount, InstanceTotals& totals);

// Prints the instance sections that the options show, in the order of the
// report: first instance, appeal, and both revisions.
void printInstanceSections(std::int64_t amount, InstanceTotals& totals);

}  // namespace zeb
