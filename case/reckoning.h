// How a report computes its values. The report of 2013 follows the
// roundings of single, double and extended precision that its cents depend
// on; the reforms compute in whole cents. Both give the same section
// sequence its values: the amount, the single fees, the payment order, the
// blocks of the instance sections and the totals over instances. Where a
// run records the way to each value, the operation that computes a value
// writes its steps, each naming the rule it applies.
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "case/case_days.h"
#include "case/proceeding.h"
#include "fees/cents.h"
#include "fees/exact_money.h"
#include "fees/fee_schedule.h"
#include "fees/money.h"
#include "report/derivation.h"
#include "report/report_options.h"

namespace zeb {

// One value per column, indexed by `scheduleIndex`.
template <class T>
using PerSchedule = std::array<T, 2>;

constexpr std::size_t scheduleIndex(Schedule schedule) { return schedule == Schedule::Old ? 0 : 1; }

// The way to one value, where a run records it: its steps, and in the
// report of 2013 the value that exact decimal arithmetic gives.
struct Way {
  Steps steps;
  ExactMoney exact;
};

// Ways to the values of a row where a run records them, made only then:
// a run that records nothing pays nothing for them.
template <class T>
class Recorded {
 public:
  explicit Recorded(bool recording) {
    if (recording) ways_.emplace();
  }
  // The way to the value of column `s`, or none.
  T* operator[](std::size_t s) { return ways_ ? &(*ways_)[s] : nullptr; }
  // The ways of both columns, or none.
  PerSchedule<T>* both() { return ways_ ? &*ways_ : nullptr; }

 private:
  std::optional<PerSchedule<T>> ways_;
};

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

// The rows of a block, in the order of the report.
enum class BlockRow { Court, Evidence, Lawyer, Gross, ClaimantLawyer, DefendantLawyer, Process };

// The values of a block under one schedule: court fees, lawyer fees, lawyer
// fees with expense flat rate and VAT, and the process costs (court fees
// and the gross lawyer fees of both parties). Around a reform's lawsuit the
// evidence costs count among the court costs, and each party's lawyer has
// a bill of its own.
template <class T>
struct BlockOf {
  T court{};
  T evidence{};
  T lawyer{};
  T gross{};
  T claimantLawyer{};
  T defendantLawyer{};
  T process{};

  T& operator[](BlockRow row) { return at(*this, row); }
  const T& operator[](BlockRow row) const { return at(*this, row); }

 private:
  template <class Self>
  static auto& at(Self& self, BlockRow row) {
    switch (row) {
      case BlockRow::Court:
        return self.court;
      case BlockRow::Evidence:
        return self.evidence;
      case BlockRow::Lawyer:
        return self.lawyer;
      case BlockRow::Gross:
        return self.gross;
      case BlockRow::ClaimantLawyer:
        return self.claimantLawyer;
      case BlockRow::DefendantLawyer:
        return self.defendantLawyer;
      case BlockRow::Process:
        break;
    }
    return self.process;
  }
};

// A lawyer's bill in one matter (§ 17 RVG): its fees as earned, what is
// credited onto them, its flat rate (VV RVG Nr. 7002: 20 % of the fees
// before the credit, at most 20,00) and VAT (Nr. 7008: 19 % of the fees
// after the credit and the flat rate).
struct LawyerBill {
  Cents fees;
  Cents credited;
  Cents flatRate;
  Cents vat;

  // Without VAT, as a party that deducts input tax bears it (§ 104 Abs. 2
  // Satz 3 ZPO).
  Cents net() const { return fees - credited + flatRate; }
  Cents gross() const { return net() + vat; }
};

// The bill of a reform's lawyer fees `fees` with `credited` credited onto
// them, and where `steps` are recorded its way: the fees after the
// credit, the flat rate, VAT and the sum.
LawyerBill lawyerBill(Cents fees, Cents credited, Steps* steps);

// The values of a reform's block: those of every block, and each party's
// lawyer bill in it (the same for both in a textbook block). Around the
// lawsuit the first instance has the payment order's court fee credited
// onto its own: that fee too, and the evidence costs each party advanced.
struct CentsBlock : BlockOf<Cents> {
  std::array<LawyerBill, 2> bills;     // the claimant's, the defendant's
  std::array<LawyerBill, 2> refunded;  // the same as an opponent refunds them (§ 15a Abs. 3 RVG)
  Cents paymentOrderCourt;
  std::array<Cents, 2> evidenceBy;  // the claimant's, the defendant's advance
};

class CaseBills;

// The operands of a sum of the totals where its way is recorded: the ways
// and names of the process costs added and of the sum they are added to
// (none for the first instance), and the way of the sum.
struct SumWays {
  const Way* process;
  const char* processName;
  const Way* base;
  const char* baseName;
  Way* sum;
};

// `b` unless `b` is strictly greater than `a`: on a tie, and when unordered,
// the second operand.
template <class T>
T minFloat(T a, T b) {
  return b > a ? a : b;
}

// `a` if `a` is strictly greater than `b`, else `b`.
template <class T>
T maxFloat(T a, T b) {
  return a > b ? a : b;
}

// The values of a block of the report of 2013 for the full fees `courtFee`
// and `lawyerFee` scaled by `rates`.
BlockOf<Extended> blockValues(Fee courtFee, Fee lawyerFee, const BlockRates& rates);

// The payment order's fee in the report of 2013: half the court fee, at
// least `minimum` euros.
float paymentOrderFee(Fee courtFee, std::uint64_t minimum);

// The report of 2013 for `amount`, the amount in dispute reduced to 32 bits.
class Reckoning2013 {
 public:
  using Block = BlockOf<Extended>;
  using Part = Extended;  // a block's value, before its totals round it
  using Total = double;

  explicit Reckoning2013(std::int64_t amount) : amount_(amount) {}

  // The report of 2013 knows the lawsuit before the civil courts alone.
  static const Proceeding& proceeding() { return proceedingOf(Court::Civil); }

  // The amount as the report shows it, and the percent basis of the single
  // fees: that value truncated.
  float amount(Way* way) const;
  std::uint64_t feeBasis() const { return truncateToUnsigned64(moneyFromAmount(amount_)); }
  // The percent basis of every other row: the amount read as unsigned.
  std::uint64_t basis() const { return static_cast<std::uint64_t>(amount_); }
  bool capped() const { return false; }

  float fee(Schedule schedule, FeeKind kind, Way* way) const;
  // The payment order's court fee; the report of 2013 knows no objection.
  float paymentOrder(Schedule schedule, Way* way, bool afterObjection = false) const;
  // The block of `rates`; the report of 2013 knows no case around its
  // lawsuit, so the first instance is like any other.
  Block block(Schedule schedule, const BlockRates& rates, InstanceSection section,
              BlockOf<Way>* ways) const;

  static float shown(Extended value) { return toSingle(value); }
  // The report of 2013 computes no case around its lawsuit, and both
  // parties have a lawyer.
  const ReportOptions* around() const { return nullptr; }
  static std::array<bool, 2> lawyersIn(bool /*first*/) { return {true, true}; }
  static float halfShare(Extended process, const Way* processWay, Way* way);
  // The judgement process costs alone, or added to `base`.
  static double total(Extended process, const double* base, const SumWays* ways);

 private:
  // The steps to a full fee, made at their first use.
  const Steps& feeWay(Schedule schedule, FeeKind kind) const;

  std::int64_t amount_;
  mutable std::array<std::optional<Steps>, 4> feeWays_;
};

// A reform's report for `amount` whole euros, of which at most kValueCap
// count.
class ReckoningInCents {
 public:
  using Block = CentsBlock;
  using Part = Cents;
  using Total = Cents;

  // `options`: those of the run, or none for a textbook lawsuit before a
  // civil court. With the case's days, the first column takes each matter's
  // fees under the edition of its day.
  ReckoningInCents(Reform reform, std::uint64_t amount, const ReportOptions* options = nullptr)
      : reform_(reform),
        amount_(amount < kValueCap ? amount : kValueCap),
        capped_(amount > kValueCap),
        options_(options),
        proceeding_(&proceedingOf(options != nullptr ? options->court : Court::Civil)),
        columns_{options != nullptr && options->days.given() ? MatterSchedules(options->days)
                                                             : MatterSchedules(Schedule::Old),
                 MatterSchedules(Schedule::New)},
        // Each instance takes the same four fees: computed once.
        fees_{feeInCents(edition(Schedule::Old), amount_, FeeKind::Court),
              feeInCents(edition(Schedule::Old), amount_, FeeKind::Lawyer),
              feeInCents(edition(Schedule::New), amount_, FeeKind::Court),
              feeInCents(edition(Schedule::New), amount_, FeeKind::Lawyer)} {}

  // The proceeding the case is.
  const Proceeding& proceeding() const { return *proceeding_; }

  Cents amount(Way* way) const;
  std::uint64_t feeBasis() const { return amount_; }
  std::uint64_t basis() const { return amount_; }
  bool capped() const { return capped_; }

  // The editions of each matter's fees in the column `schedule`.
  const MatterSchedules& column(Schedule schedule) const {
    return columns_[scheduleIndex(schedule)];
  }

  // The full fee of `kind` in the column `schedule`, of the first
  // instance's court and claimant's lawyer.
  Cents fee(Schedule schedule, FeeKind kind, Way* way) const;
  // The payment order's court fee by the proceeding's rule; after the
  // respondent's objection (`afterObjection`) none where it is not owed then.
  Cents paymentOrder(Schedule schedule, Way* way, bool afterObjection = false) const;
  // The block of `rates` in the instance `section`. Around the lawsuit, and
  // where the two lawyers' mandates fall under different editions, each
  // party's lawyer has a bill of its own, raised for its clients; in the
  // first instance with the credits onto it, the evidence costs, and less
  // the payment order's court fee.
  Block block(Schedule schedule, const BlockRates& rates, InstanceSection section,
              BlockOf<Way>* ways) const;
  // The block of an instance `section` that ends as `ending` says: each
  // party's lawyer with a bill of its own, in the first instance with the
  // credits onto it, and no evidence.
  Block endingBlock(Schedule schedule, const EndingRates& ending, BlockOf<Way>* ways,
                    InstanceSection section = InstanceSection::FirstInstance) const;
  // Whether the two lawyers of `section` have bills under different
  // editions in some column.
  bool lawyersDiffer(InstanceSection section) const;

  // The bill of `side`'s lawyer assigned under legal aid for the lawyer
  // fees of a block `rates`, as the state pays it: each fee of the § 49 RVG
  // list (up to 4.000 euros that of § 13 RVG), raised for the party's
  // clients, with flat rate and VAT; no business fee credited onto it.
  LawyerBill assignedBill(Schedule schedule, const BlockRates& rates, std::size_t side,
                          InstanceSection section, Steps* steps) const;
  // The bill of `side`'s lawyer of `rates` at the 1,0 fee of § 13 RVG,
  // raised for the party's clients, without credits: under legal aid, the
  // application refused and no lawsuit following it (VV RVG Nr. 3335).
  LawyerBill feeBill(Schedule schedule, const BlockRates& rates, std::size_t side,
                     Steps* steps) const;

  // Whether the totals over instances count what the parties bear of the
  // judgement of an instance, the `first` or another, rather than its
  // process costs: around a lawsuit, the first instance with what came
  // before it, and every instance where a party deducts input tax.
  bool totalsCountCostsBorne(bool first) const;

  // The case around the lawsuit, or none; legal aid makes one, in which
  // each party's lawyer has a bill of its own.
  const ReportOptions* around() const {
    return options_ != nullptr && (options_->aroundTheLawsuit || options_->legalAid()) ? options_
                                                                                       : nullptr;
  }
  // Its lawyers' bills in the column `schedule`, those of the instance
  // `section`.
  CaseBills caseBills(Schedule schedule,
                      InstanceSection section = InstanceSection::FirstInstance) const;
  // Which parties have a lawyer in the `first` instance or another: in the
  // first a party may act itself (-ohneK, -ohneB).
  std::array<bool, 2> lawyersIn(bool first) const {
    const ReportOptions& o = options();
    return {!first || o.claimant.inFirstInstance, !first || o.defendant.inFirstInstance};
  }
  // The steps to a full fee under the edition of `schedule`, made at their
  // first use.
  const Steps& feeWay(Schedule schedule, FeeKind kind) const;
  // The steps to the full fee of `kind` in the instance `section` (the
  // lawyer's of `side`) in the column `schedule`: in the case by its dates
  // after the day that decides its edition.
  Steps instanceFeeWay(Schedule schedule, FeeKind kind, InstanceSection section,
                       std::size_t side) const;
  // The same for the lawyer fee of `side` before the lawsuit (`preTrial`)
  // or in the payment order.
  Steps earlierFeeWay(Schedule schedule, bool preTrial, std::size_t side) const;
  // Whether the column `schedule` takes each fee by the case's days.
  bool dated(Schedule schedule) const {
    return schedule == Schedule::Old && options_ != nullptr && options_->days.given();
  }

  static Cents shown(Cents value) { return value; }
  static Cents halfShare(Cents process, const Way* processWay, Way* way);
  static Cents total(Cents process, const Cents* base, const SumWays* ways);

 private:
  const Edition& edition(Schedule schedule) const { return editionOf(reform_, schedule); }
  // The full fee of `kind` under the edition of `schedule`.
  Cents feeOf(Schedule schedule, FeeKind kind) const;

  const ReportOptions& options() const;

  // The bill of `side`'s lawyer for `rates` at the 1,0 fee `fee`: raised
  // for the party's clients; no business fee, no payment order.
  LawyerBill billAt(Cents fee, const BlockRates& rates, std::size_t side, Steps* steps) const;

  // The block of a case in the instance `section`: each party's lawyer
  // fees by `sides` (none: its lawyer did not act), and in the first
  // instance the evidence costs where it `takesEvidence`.
  Block caseBlock(Schedule schedule, std::array<const BlockRates*, 2> sides,
                  InstanceSection section, bool takesEvidence, BlockOf<Way>* ways) const;

  Reform reform_;
  std::uint64_t amount_;
  bool capped_;
  const ReportOptions* options_;
  const Proceeding* proceeding_;
  PerSchedule<MatterSchedules> columns_;
  std::array<Cents, 4> fees_;  // the old court and lawyer fee, the new ones
  mutable std::array<std::optional<Steps>, 4> feeWays_;
};

}  // namespace zeb
