// How a report computes its values. The report of 2013 follows the
// roundings of single, double and extended precision that its cents depend
// on; the reforms compute in whole cents. Both give the same section
// sequence its values: the amount, the single fees, the payment order, the
// blocks of the instance sections and the totals over instances.
#pragma once
#include <array>
#include <cstdint>

#include "fees/cents.h"
#include "fees/fee_schedule.h"
#include "fees/money.h"

namespace zeb {

// One value per column, indexed by `scheduleIndex`.
template <class T>
using PerSchedule = std::array<T, 2>;

constexpr std::size_t scheduleIndex(Schedule schedule) { return schedule == Schedule::Old ? 0 : 1; }

inline constexpr Schedule kSchedules[] = {Schedule::Old, Schedule::New};

// The totals over instances, in the order of the report.
enum class TotalsField { WithAppeal, WithRevision, WithBghRevision };

// The judgement process costs gathered over the instance sections, for the
// totals over instances.
template <class T>
struct TotalsOf {
  PerSchedule<T> withAppeal{};       // first instance + appeal
  PerSchedule<T> withRevision{};     // withAppeal + revision
  PerSchedule<T> withBghRevision{};  // withAppeal + revision before the BGH

  PerSchedule<T>& operator[](TotalsField field) { return at(*this, field); }
  const PerSchedule<T>& operator[](TotalsField field) const { return at(*this, field); }

 private:
  template <class Self>
  static auto& at(Self& self, TotalsField field) {
    return field == TotalsField::WithAppeal     ? self.withAppeal
           : field == TotalsField::WithRevision ? self.withRevision
                                                : self.withBghRevision;
  }
};

// The rates of a block, in tenths: the court fees (KV GKG) and the lawyer
// fees (VV RVG) as multiples of the full fee.
struct BlockRates {
  int court;
  int lawyer;
};

// `b` unless `b` is strictly greater than `a`: on a tie, and when unordered,
// the second operand.
float minFloat(float a, float b);

// `a` if `a` is strictly greater than `b`, else `b`.
float maxFloat(float a, float b);

// The values of one block (judgement or settlement) of the report of 2013
// under one schedule.
struct BlockValues {
  double court;      // court fees
  double lawyer;     // lawyer fees
  double gross;      // lawyer fees with expense flat rate and VAT
  Extended process;  // court fees and the gross lawyer fees of both parties
};

// A block's values in the report of 2013, for its full fees `courtFee` and
// `lawyerFee` scaled by the block's rates.
BlockValues blockValues(Fee courtFee, Fee lawyerFee, float courtRate, double lawyerRate);

// The half court fee of the payment-order procedure in the report of 2013,
// at least `minimum`.
float paymentOrderFee(Fee courtFee, float minimum);

// The report of 2013 for `amount`, the amount in dispute reduced to 32 bits.
class Reckoning2013 {
 public:
  using Block = BlockValues;
  using Total = double;

  explicit Reckoning2013(std::int64_t amount) : amount_(amount) {}

  // The amount as the report shows it, and the percent basis of the single
  // fees: that value truncated.
  float amount() const { return moneyFromAmount(amount_); }
  std::uint64_t feeBasis() const { return truncateToUnsigned64(amount()); }
  // The percent basis of every other row: the amount read as unsigned.
  std::uint64_t basis() const { return static_cast<std::uint64_t>(amount_); }
  bool capped() const { return false; }

  float fee(Schedule schedule, FeeKind kind) const {
    return toSingle(moneyFromFee(scheduleFee(schedule, basis(), kind)));
  }
  float paymentOrder(Schedule schedule) const;
  Block block(Schedule schedule, BlockRates rates) const;

  static float shown(Extended value) { return toSingle(value); }
  static float halfShare(Extended process) { return toSingle(process / 2.0); }
  static double total(Extended process) { return toDouble(process); }
  static double total(Extended process, double withAppeal) {
    return toDouble(process + withAppeal);
  }

 private:
  std::int64_t amount_;
};

// The values of one block of a reform under one edition, in cents.
struct CentsBlock {
  Cents court;    // court fees
  Cents lawyer;   // lawyer fees
  Cents gross;    // lawyer fees with expense flat rate and VAT
  Cents process;  // court fees and the gross lawyer fees of both parties
};

// A reform's report for `amount` whole euros, of which at most kValueCap
// count.
class ReckoningInCents {
 public:
  using Block = CentsBlock;
  using Total = Cents;

  ReckoningInCents(Reform reform, std::uint64_t amount)
      : reform_(reform),
        amount_(amount < kValueCap ? amount : kValueCap),
        capped_(amount > kValueCap) {}

  Cents amount() const { return {static_cast<std::int64_t>(amount_) * 100}; }
  std::uint64_t feeBasis() const { return amount_; }
  std::uint64_t basis() const { return amount_; }
  bool capped() const { return capped_; }

  Cents fee(Schedule schedule, FeeKind kind) const {
    return feeInCents(editionOf(reform_, schedule), amount_, kind);
  }
  Cents paymentOrder(Schedule schedule) const;
  Block block(Schedule schedule, BlockRates rates) const;

  static Cents shown(Cents value) { return value; }
  static Cents halfShare(Cents process) { return half(process); }
  static Cents total(Cents process) { return process; }
  static Cents total(Cents process, Cents withAppeal) { return process + withAppeal; }

 private:
  Reform reform_;
  std::uint64_t amount_;
  bool capped_;
};

}  // namespace zeb
