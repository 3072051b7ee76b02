#include "case/reckoning.h"

#include <algorithm>
#include <string>

#include "case/case_bills.h"
#include "case/steps.h"
#include "report/figures.h"
#include "report/german.h"

namespace zeb {
namespace {

// ---------------------------------------------------------- the report of 2013

// A rate of the report of 2013, numerator / denominator. The report holds
// it as the double nearest to it (a whole rate exactly); exact decimals
// hold it as it is.
struct Rate {
  constexpr Rate(std::uint64_t n, std::uint64_t d)
      : numerator(n), denominator(d), nearest(static_cast<double>(n) / static_cast<double>(d)) {}

  std::uint64_t numerator;
  std::uint64_t denominator;
  double nearest;  // a division of two doubles rounds correctly
};

Extended operator*(Extended x, Rate rate) { return x * Extended{rate.nearest}; }

ExactMoney operator*(ExactMoney x, Rate rate) { return x.times(rate.numerator, rate.denominator); }

// The report's roundings to single and to double precision; exact decimals
// round nothing.
Extended inSingle(Extended x) { return toSingle(x); }
Extended inDouble(Extended x) { return toDouble(x); }
ExactMoney inSingle(ExactMoney x) { return x; }
ExactMoney inDouble(ExactMoney x) { return x; }

// A fee or a limit in whole euros: exact in the report too, since every one
// below 2^64 is exact in the extended format; the formulas round it where
// they say.
template <class M>
M moneyIn(std::uint64_t euros);
template <>
Extended moneyIn<Extended>(std::uint64_t euros) {
  return moneyFromFee(euros);
}
template <>
ExactMoney moneyIn<ExactMoney>(std::uint64_t euros) {
  return ExactMoney::euros(euros);
}

constexpr Rate kHalf = {5, 10};
constexpr Rate kExpenseRate = {2, 10};     // expense flat rate: 20 per cent ...
constexpr std::uint64_t kExpenseCap = 20;  // ... of the lawyer fees, at most 20 euros
constexpr Rate kWithVat = {116, 100};      // VAT of 16 per cent
// The same in per cent, as a way to a value names them.
constexpr int kExpensePercent2013 = kExpenseRate.numerator * 100 / kExpenseRate.denominator;
constexpr int kVatPercent2013 = kWithVat.numerator * 100 / kWithVat.denominator - 100;

// The values of a block of the report of 2013, and the expense flat rate on
// the way to them: its share of the lawyer fees and the rate after its cap.
template <class M>
struct Formulas2013 {
  BlockOf<M> block;
  M share;
  M expenses;
};

// The formulas of a block of the report of 2013, in `M`: the report's own
// arithmetic (Extended, with its roundings to single and double precision)
// or exact decimals.
template <class M>
Formulas2013<M> blockIn(std::uint64_t courtFee, std::uint64_t lawyerFee, const BlockRates& rates) {
  Formulas2013<M> f{};
  BlockOf<M>& v = f.block;
  // A single-precision fee times a whole rate up to 5 is exact in double.
  const auto courtRate = static_cast<std::uint64_t>(rates.court.tenths / 10);
  v.court = inDouble(inSingle(moneyIn<M>(courtFee)) * Rate{courtRate, 1});
  v.lawyer = inSingle(inDouble(moneyIn<M>(lawyerFee)) *
                      Rate{static_cast<std::uint64_t>(rates.lawyerTenths()), 10});
  f.share = inSingle(v.lawyer * kExpenseRate);
  f.expenses = minFloat(f.share, moneyIn<M>(kExpenseCap));
  v.gross = inDouble((f.expenses + v.lawyer) * kWithVat);
  v.process = (v.gross + v.gross) + v.court;
  return f;
}

// Half the court fee and the payment order's fee, that half at least
// `minimum`.
template <class M>
std::pair<M, M> paymentOrderIn(std::uint64_t courtFee, std::uint64_t minimum) {
  const M half = inSingle(inDouble(moneyIn<M>(courtFee)) * kHalf);
  return {half, maxFloat(half, moneyIn<M>(minimum))};
}

template <class M>
M halfShareIn(M process) {
  return process * kHalf;
}

template <class M>
M totalIn(M process, const M* base) {
  return inDouble(base != nullptr ? process + *base : process);
}

// Closes the way to a value of the report of 2013 that shows `shown`: its
// exact decimal value, and a step where single precision moved a cent.
void closeWay(Way& way, ExactMoney exact, float shown) {
  way.exact = exact;
  const std::string exactCents = exact.centsText();
  if (exactCents != figureText(shown, 2)) {
    way.steps.push_back(steps::singlePrecision(eurosOfPrinted(exactCents), euros(shown)));
  }
}

// The index of a fee in the reckonings' caches of their ways.
std::size_t feeIndex(Schedule schedule, FeeKind kind) {
  return 2 * scheduleIndex(schedule) + (kind == FeeKind::Court ? 0 : 1);
}

Steps joined(Steps lines, const std::string& line) {
  lines.push_back(line);
  return lines;
}

// ------------------------------------------------------------------- reforms

// The expense flat rate of 20 per cent, at most 20,00 euros (VV RVG Nr.
// 7002), and VAT of 19 per cent (VV RVG Nr. 7008, § 12 Abs. 1 UStG).
constexpr std::int64_t kExpensePercent = 20;
constexpr Cents kExpenseLimit = {2'000};
constexpr std::int64_t kVatPercent = 19;

}  // namespace

LawyerBill lawyerBill(Cents fees, Cents credited, Steps* steps) {
  LawyerBill bill{fees, credited, {}, {}};
  const Cents share = percentOf(fees, kExpensePercent);
  bill.flatRate = std::min(share, kExpenseLimit);
  bill.vat = percentOf(bill.net(), kVatPercent);
  if (steps != nullptr) {
    if (credited.count != 0) {
      steps->push_back(steps::afterCredit(euros(fees), euros(credited), euros(fees - credited)));
    }
    steps->push_back(steps::expenses(static_cast<int>(kExpensePercent), euros(kExpenseLimit),
                                     euros(fees), euros(share), euros(bill.flatRate)));
    steps->push_back(steps::vat(static_cast<int>(kVatPercent), euros(bill.net()), euros(bill.vat)));
    steps->push_back(steps::sum(euros(bill.gross())));
  }
  return bill;
}

BlockOf<Extended> blockValues(Fee courtFee, Fee lawyerFee, const BlockRates& rates) {
  return blockIn<Extended>(courtFee, lawyerFee, rates).block;
}

float paymentOrderFee(Fee courtFee, std::uint64_t minimum) {
  return toSingle(paymentOrderIn<Extended>(courtFee, minimum).second);
}

const Steps& Reckoning2013::feeWay(Schedule schedule, FeeKind kind) const {
  std::optional<Steps>& way = feeWays_[feeIndex(schedule, kind)];
  if (!way) {
    // The table, and the 32-bit arithmetic where that changed the fee; the
    // editions of 2013 have whole euros only.
    const Fee fee = scheduleFee(schedule, basis(), kind);
    const FeeSteps exact = feeSteps(editionOf(Reform::Of2013, schedule), basis(), kind);
    way = Steps{steps::fee(kind, exact)};
    if (static_cast<std::uint64_t>(exact.fee.count / 100) != fee) {
      way->push_back(steps::feeIn32Bits(germanNumber(std::to_string(fee)) + ",00 €"));
    }
  }
  return *way;
}

float Reckoning2013::amount(Way* way) const {
  const float shown = moneyFromAmount(amount_);
  if (way != nullptr) {
    // The amount is whole: a cent moves only where single precision rounds it.
    const std::string exact = std::to_string(amount_) + ".00";
    way->steps = {steps::amount(eurosOfPrinted(exact))};
    if (exact != figureText(shown, 2)) {
      way->steps.push_back(steps::singlePrecision(eurosOfPrinted(exact), euros(shown)));
    }
  }
  return shown;
}

float Reckoning2013::fee(Schedule schedule, FeeKind kind, Way* way) const {
  const Fee fee = scheduleFee(schedule, basis(), kind);
  const float shown = toSingle(moneyFromFee(fee));
  if (way != nullptr) {
    way->steps = feeWay(schedule, kind);
    closeWay(*way, ExactMoney::euros(fee), shown);
  }
  return shown;
}

float Reckoning2013::paymentOrder(Schedule schedule, Way* way, bool /*afterObjection*/) const {
  const Fee courtFee = scheduleFee(schedule, basis(), FeeKind::Court);
  // The minimums of 2013, 23 and 32 euros, are whole.
  const auto minimum = static_cast<std::uint64_t>(
      editionOf(Reform::Of2013, schedule).paymentOrderMinimum.count / 100);
  const auto [half, fee] = paymentOrderIn<Extended>(courtFee, minimum);
  const float shown = toSingle(fee);
  if (way != nullptr) {
    way->steps = joined(
        feeWay(schedule, FeeKind::Court),
        steps::paymentOrder(proceeding().paymentOrder.court,
                            euros(toSingle(moneyFromFee(courtFee))), euros(toSingle(half)),
                            euros(Cents{static_cast<std::int64_t>(minimum) * 100}), euros(shown)));
    closeWay(*way, paymentOrderIn<ExactMoney>(courtFee, minimum).second, shown);
  }
  return shown;
}

Reckoning2013::Block Reckoning2013::block(Schedule schedule, const BlockRates& rates,
                                          InstanceSection /*section*/, BlockOf<Way>* ways) const {
  const Fee courtFee = scheduleFee(schedule, basis(), FeeKind::Court);
  const Fee lawyerFee = scheduleFee(schedule, basis(), FeeKind::Lawyer);
  const Formulas2013<Extended> f = blockIn<Extended>(courtFee, lawyerFee, rates);
  if (ways != nullptr) {
    const BlockOf<ExactMoney> exact = blockIn<ExactMoney>(courtFee, lawyerFee, rates).block;
    const BlockOf<Extended>& v = f.block;
    const Steps& lawyerFeeSteps = feeWay(schedule, FeeKind::Lawyer);
    const std::string lawyer =
        steps::lawyerFees(rates, euros(shown(moneyFromFee(lawyerFee))), euros(shown(v.lawyer)));
    BlockOf<Way>& w = *ways;
    w.court.steps = joined(
        feeWay(schedule, FeeKind::Court),
        steps::courtFees(rates.court, euros(shown(moneyFromFee(courtFee))), euros(shown(v.court))));
    w.lawyer.steps = joined(lawyerFeeSteps, lawyer);
    w.gross.steps = joined(lawyerFeeSteps, lawyer);
    w.gross.steps.push_back(steps::expenses(
        kExpensePercent2013, euros(Cents{static_cast<std::int64_t>(kExpenseCap) * 100}),
        euros(shown(v.lawyer)), euros(shown(f.share)), euros(shown(f.expenses))));
    w.gross.steps.push_back(steps::withVat(kVatPercent2013, euros(shown(v.lawyer)),
                                           euros(shown(f.expenses)), euros(shown(v.gross))));
    w.process.steps = {
        steps::processCosts(euros(shown(v.court)), euros(shown(v.gross)), euros(shown(v.process)))};
    for (const BlockRow row :
         {BlockRow::Court, BlockRow::Lawyer, BlockRow::Gross, BlockRow::Process}) {
      closeWay(w[row], exact[row], shown(v[row]));
    }
  }
  return f.block;
}

float Reckoning2013::halfShare(Extended process, const Way* processWay, Way* way) {
  const float half = shown(halfShareIn(process));
  if (way != nullptr) {
    way->steps = {steps::halfShare(euros(shown(process)), euros(half))};
    closeWay(*way, halfShareIn(processWay->exact), half);
  }
  return half;
}

double Reckoning2013::total(Extended process, const double* base, const SumWays* ways) {
  const Extended baseValue = base != nullptr ? Extended{*base} : Extended{};
  const Extended sum = totalIn(process, base != nullptr ? &baseValue : nullptr);
  if (ways != nullptr) {
    const std::string baseText = base != nullptr ? euros(shown(baseValue)) : "";
    const ExactMoney exact = ways->base != nullptr && base != nullptr
                                 ? ways->process->exact + ways->base->exact
                                 : ways->process->exact;
    Way way;
    way.steps = {steps::total(ways->baseName, base != nullptr ? &baseText : nullptr,
                              ways->processName, euros(shown(process)), euros(shown(sum)))};
    closeWay(way, exact, shown(sum));
    *ways->sum = std::move(way);
  }
  return toDouble(sum);
}

const Steps& ReckoningInCents::feeWay(Schedule schedule, FeeKind kind) const {
  std::optional<Steps>& way = feeWays_[feeIndex(schedule, kind)];
  if (!way) way = Steps{steps::fee(kind, feeSteps(edition(schedule), amount_, kind))};
  return *way;
}

Steps ReckoningInCents::instanceFeeWay(Schedule schedule, FeeKind kind, InstanceSection section,
                                       std::size_t side) const {
  const MatterSchedules& m = column(schedule);
  const Schedule e = kind == FeeKind::Court ? m.court(section) : m.lawyer(section, side);
  if (!dated(schedule)) return feeWay(e, kind);
  const CaseDays& days = options_->days;
  const bool first = section == InstanceSection::FirstInstance;
  const char* later = section == InstanceSection::Appeal ? "Berufung" : "Revision";
  Steps steps;
  if (kind == FeeKind::Court) {
    // After a payment order the day it was applied for decides for both.
    const bool afterPaymentOrder = first && options_->afterPaymentOrder;
    steps.push_back(steps::decidingDay(
        first ? (afterPaymentOrder ? "Mahnbescheid" : "Klage") : later,
        first ? (afterPaymentOrder ? "beantragt am" : "anhängig seit") : "eingelegt am", "",
        courtDay(days, section), "GKG", edition(e),
        first ? "§ 71 Abs. 1 Satz 1 GKG" : "§ 71 Abs. 1 Satz 2 GKG"));
  } else {
    const std::string matter =
        first ? std::string("Auftrag des ") + (side == kClaimantSide ? "Klägers" : "Beklagten")
              : std::string("Auftrag für die ") + later;
    steps.push_back(steps::decidingDay(matter.c_str(), "erteilt am", "wie die Anhängigkeit",
                                       lawyerDay(days, section, side), "RVG", edition(e),
                                       "§ 60 Abs. 1 Satz 1 RVG"));
  }
  const Steps& full = feeWay(e, kind);
  steps.insert(steps.end(), full.begin(), full.end());
  return steps;
}

Steps ReckoningInCents::earlierFeeWay(Schedule schedule, bool preTrial, std::size_t side) const {
  const MatterSchedules& m = column(schedule);
  const Schedule e = preTrial ? m.pretrial(side) : m.paymentOrder();
  if (!dated(schedule)) return feeWay(e, FeeKind::Lawyer);
  const CaseDays& days = options_->days;
  const std::string matter = preTrial ? std::string("Auftrag des ") +
                                            (side == kClaimantSide ? "Klägers" : "Beklagten") +
                                            " vor dem Prozess"
                                      : std::string("Auftrag für das Mahnverfahren");
  Steps steps = {steps::decidingDay(
      matter.c_str(), "erteilt am",
      preTrial ? "wie der Auftrag für die Klage" : "wie der Antrag auf den Mahnbescheid",
      preTrial ? preTrialDay(days, side) : DecidingDay{days.pending, false}, "RVG", edition(e),
      "§ 60 Abs. 1 Satz 1 RVG")};
  const Steps& full = feeWay(e, FeeKind::Lawyer);
  steps.insert(steps.end(), full.begin(), full.end());
  return steps;
}

Cents ReckoningInCents::amount(Way* way) const {
  const Cents value = {static_cast<std::int64_t>(amount_) * 100};
  if (way != nullptr) {
    way->steps = {capped_ ? steps::cappedAmount(euros(value)) : steps::amount(euros(value))};
  }
  return value;
}

Cents ReckoningInCents::feeOf(Schedule schedule, FeeKind kind) const {
  return fees_[feeIndex(schedule, kind)];
}

Cents ReckoningInCents::fee(Schedule schedule, FeeKind kind, Way* way) const {
  const MatterSchedules& m = column(schedule);
  const Schedule edition = kind == FeeKind::Court
                               ? m.court(InstanceSection::FirstInstance)
                               : m.lawyer(InstanceSection::FirstInstance, kClaimantSide);
  if (way != nullptr) {
    way->steps = instanceFeeWay(schedule, kind, InstanceSection::FirstInstance, kClaimantSide);
  }
  return feeOf(edition, kind);
}

bool ReckoningInCents::lawyersDiffer(InstanceSection section) const {
  return std::any_of(columns_.begin(), columns_.end(), [section](const MatterSchedules& m) {
    return m.lawyer(section, kClaimantSide) != m.lawyer(section, kDefendantSide);
  });
}

Cents ReckoningInCents::paymentOrder(Schedule schedule, Way* way, bool afterObjection) const {
  const PaymentOrderRule& rule = proceeding_->paymentOrder;
  if (afterObjection && !rule.owedAfterObjection) {
    if (way != nullptr) way->steps = {steps::noPaymentOrderFee(rule.noFeeRule, euros(Cents{}))};
    return {};
  }
  // The rate of the court fee (KV GKG Nr. 1100: 0,5), at least the
  // edition's minimum.
  const Schedule edition = column(schedule).paymentOrder();
  const Cents courtFee = feeOf(edition, FeeKind::Court);
  if (way != nullptr) {
    way->steps =
        instanceFeeWay(schedule, FeeKind::Court, InstanceSection::FirstInstance, kClaimantSide);
  }
  const Cents minimum = this->edition(edition).*rule.minimum;
  const Cents part = timesRate(courtFee, rule.court.tenths);
  const Cents value = std::max(part, minimum);
  if (way != nullptr) {
    way->steps.push_back(steps::paymentOrder(rule.court, euros(courtFee), euros(part),
                                             euros(minimum), euros(value)));
  }
  return value;
}

const ReportOptions& ReckoningInCents::options() const {
  static const ReportOptions textbook;
  return options_ != nullptr ? *options_ : textbook;
}

CaseBills ReckoningInCents::caseBills(Schedule schedule, InstanceSection section) const {
  const ReportOptions& o = options();
  const MatterSchedules& m = column(schedule);
  const auto lawyerFee = [this](Schedule edition) { return feeOf(edition, FeeKind::Lawyer); };
  MatterFees fees = {
      {lawyerFee(m.pretrial(kClaimantSide)), lawyerFee(m.pretrial(kDefendantSide))},
      lawyerFee(m.paymentOrder()),
      {lawyerFee(m.lawyer(section, kClaimantSide)), lawyerFee(m.lawyer(section, kDefendantSide))}};
  if (dated(schedule)) {
    for (const std::size_t side : {kClaimantSide, kDefendantSide}) {
      fees.preTrialEdition[side] = &edition(m.pretrial(side));
      fees.instanceEdition[side] = &edition(m.lawyer(section, side));
    }
    fees.paymentOrderEdition = &edition(m.paymentOrder());
  }
  return {fees,
          {CaseSide{o.claimantCase, o.claimant.inFirstInstance},
           CaseSide{o.defendantCase, o.defendant.inFirstInstance}},
          o.afterPaymentOrder};
}

ReckoningInCents::Block ReckoningInCents::block(Schedule schedule, const BlockRates& rates,
                                                InstanceSection section, BlockOf<Way>* ways) const {
  if (around() != nullptr || lawyersDiffer(section)) {
    return caseBlock(schedule, {&rates, &rates}, section, true, ways);
  }
  const bool first = section == InstanceSection::FirstInstance;
  const Schedule courtEdition = column(schedule).court(section);
  const Schedule lawyerEdition = column(schedule).lawyer(section, kClaimantSide);
  const Cents courtFee = feeOf(courtEdition, FeeKind::Court);
  const Cents lawyerFee = feeOf(lawyerEdition, FeeKind::Lawyer);
  Block v;
  v.court = timesRate(courtFee, rates.court.tenths);
  v.lawyer = timesRate(lawyerFee, rates.lawyerTenths());
  // One bill, the same for both parties.
  Steps* billSteps = nullptr;
  if (ways != nullptr) {
    BlockOf<Way>& w = *ways;
    w.court.steps = joined(instanceFeeWay(schedule, FeeKind::Court, section, kClaimantSide),
                           steps::courtFees(rates.court, euros(courtFee), euros(v.court)));
    w.lawyer.steps = joined(instanceFeeWay(schedule, FeeKind::Lawyer, section, kClaimantSide),
                            steps::lawyerFees(rates, euros(lawyerFee), euros(v.lawyer)));
    w.gross.steps = w.lawyer.steps;
    billSteps = &w.gross.steps;
  }
  const LawyerBill bill = lawyerBill(v.lawyer, {}, billSteps);
  v.gross = bill.gross();
  // The process costs count the lawyers there are.
  const std::array<bool, 2> lawyers = lawyersIn(first);
  const auto count = static_cast<int>(std::count(lawyers.begin(), lawyers.end(), true));
  v.process = v.court + count * v.gross;
  v.bills = v.refunded = {bill, bill};
  if (ways != nullptr) {
    ways->process.steps = {
        steps::processCosts(euros(v.court), euros(v.gross), euros(v.process), count)};
  }
  return v;
}

ReckoningInCents::Block ReckoningInCents::endingBlock(Schedule schedule, const EndingRates& ending,
                                                      BlockOf<Way>* ways,
                                                      InstanceSection section) const {
  return caseBlock(
      schedule,
      {&ending.sides[kClaimantSide], ending.defended ? &ending.sides[kDefendantSide] : nullptr},
      section, false, ways);
}

ReckoningInCents::Block ReckoningInCents::caseBlock(Schedule schedule,
                                                    std::array<const BlockRates*, 2> sides,
                                                    InstanceSection section, bool takesEvidence,
                                                    BlockOf<Way>* ways) const {
  const ReportOptions& o = options();
  const bool first = section == InstanceSection::FirstInstance;
  const MatterSchedules& m = column(schedule);
  // Both parties' blocks have the same court fee.
  const BlockRates& rates = *sides[kClaimantSide];
  const Cents courtFee = feeOf(m.court(section), FeeKind::Court);
  const CaseBills bills = caseBills(schedule, section);
  Block v;
  v.court = timesRate(courtFee, rates.court.tenths);
  // The payment order's court fee is credited onto the first instance's
  // (KV GKG Nr. 1210 Anm. 1): both together are the first instance's.
  if (first && o.afterPaymentOrder) {
    v.paymentOrderCourt = std::min(paymentOrder(schedule, nullptr, true), v.court);
  }
  v.court = v.court - v.paymentOrderCourt;
  if (first && takesEvidence) {
    v.evidenceBy = {o.claimantCase.evidence, o.defendantCase.evidence};
    v.evidence = v.evidenceBy[kClaimantSide] + v.evidenceBy[kDefendantSide];
  }
  for (const std::size_t side : {kClaimantSide, kDefendantSide}) {
    Way* way = ways == nullptr ? nullptr
                               : &(*ways)[side == kClaimantSide ? BlockRow::ClaimantLawyer
                                                                : BlockRow::DefendantLawyer];
    if (sides[side] == nullptr) {
      if (way != nullptr) way->steps = {steps::undefended()};
      continue;
    }
    if (way != nullptr) way->steps = instanceFeeWay(schedule, FeeKind::Lawyer, section, side);
    v.bills[side] =
        bills.instance(side, *sides[side], first, true, way != nullptr ? &way->steps : nullptr);
    // An opponent refunds the first instance without the business fee's
    // credit (§ 15a Abs. 3 RVG); the other instances have none.
    v.refunded[side] =
        first ? bills.instance(side, *sides[side], true, false, nullptr) : v.bills[side];
  }
  v.claimantLawyer = v.bills[kClaimantSide].gross();
  v.defendantLawyer = v.bills[kDefendantSide].gross();
  // Where both bills are alike, one pair of rows shows them.
  v.lawyer = v.bills[kClaimantSide].fees;
  v.gross = v.claimantLawyer;
  v.process = v.court + v.evidence + v.claimantLawyer + v.defendantLawyer;
  if (ways != nullptr) {
    BlockOf<Way>& w = *ways;
    w.court.steps = joined(instanceFeeWay(schedule, FeeKind::Court, section, kClaimantSide),
                           steps::courtFees(rates.court, euros(courtFee),
                                            euros(timesRate(courtFee, rates.court.tenths))));
    if (v.paymentOrderCourt.count != 0) {
      w.court.steps.push_back(
          steps::paymentOrderCourtCredit(euros(v.paymentOrderCourt), euros(v.court)));
    }
    w.evidence.steps = {steps::evidence(euros(o.claimantCase.evidence),
                                        euros(o.defendantCase.evidence), euros(v.evidence))};
    w.lawyer.steps = w.claimantLawyer.steps;
    w.gross.steps = w.claimantLawyer.steps;
    w.process.steps = {steps::caseProcessCosts(euros(v.court), euros(v.evidence),
                                               euros(v.claimantLawyer), euros(v.defendantLawyer),
                                               euros(v.process))};
  }
  return v;
}

LawyerBill ReckoningInCents::assignedBill(Schedule schedule, const BlockRates& rates,
                                          std::size_t side, InstanceSection section,
                                          Steps* steps) const {
  // The list of the edition of the party's mandate (§ 60 Abs. 1 Satz 2 RVG).
  const Schedule lawyerEdition = column(schedule).lawyer(section, side);
  const AssignedLawyerFee fee = assignedLawyerFee(edition(lawyerEdition), amount_);
  if (steps != nullptr) {
    if (fee.row == nullptr) {
      *steps = instanceFeeWay(schedule, FeeKind::Lawyer, section, side);
    } else if (dated(schedule)) {
      // The day alone: the fee comes from the list.
      *steps = {instanceFeeWay(schedule, FeeKind::Lawyer, section, side).front()};
    }
    steps->push_back(steps::assignedFee(fee));
  }
  return billAt(fee.fee, rates, side, steps);
}

LawyerBill ReckoningInCents::feeBill(Schedule schedule, const BlockRates& rates, std::size_t side,
                                     Steps* steps) const {
  const Schedule lawyerEdition = column(schedule).lawyer(InstanceSection::FirstInstance, side);
  if (steps != nullptr) {
    *steps = instanceFeeWay(schedule, FeeKind::Lawyer, InstanceSection::FirstInstance, side);
  }
  return billAt(feeOf(lawyerEdition, FeeKind::Lawyer), rates, side, steps);
}

LawyerBill ReckoningInCents::billAt(Cents fee, const BlockRates& rates, std::size_t side,
                                    Steps* steps) const {
  const ReportOptions& o = options();
  const CaseBills bills(fee,
                        {CaseSide{{0, o.claimantCase.clients, {}}, true},
                         CaseSide{{0, o.defendantCase.clients, {}}, true}},
                        false);
  return bills.instance(side, rates, false, false, steps);
}

bool ReckoningInCents::totalsCountCostsBorne(bool first) const {
  const ReportOptions* o = around();
  return o != nullptr && (first || o->claimant.deductsVat || o->defendant.deductsVat);
}

Cents ReckoningInCents::halfShare(Cents process, const Way* /*processWay*/, Way* way) {
  const Cents value = half(process);
  if (way != nullptr) way->steps = {steps::halfShare(euros(process), euros(value))};
  return value;
}

Cents ReckoningInCents::total(Cents process, const Cents* base, const SumWays* ways) {
  const Cents sum = base != nullptr ? process + *base : process;
  if (ways != nullptr) {
    const std::string baseText = base != nullptr ? euros(*base) : "";
    ways->sum->steps = {steps::total(ways->baseName, base != nullptr ? &baseText : nullptr,
                                     ways->processName, euros(process), euros(sum))};
  }
  return sum;
}

}  // namespace zeb
