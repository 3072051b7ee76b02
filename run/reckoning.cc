#include "run/reckoning.h"

#include <algorithm>

namespace zeb {
namespace {

// The report of 2013: rates with a decimal fraction are double constants,
// whole factors and limits single-precision constants. The cents depend on
// it.
constexpr double kHalf = 0.5;
constexpr double kExpenseRate = 0.2;  // expense flat rate: 20 per cent ...
constexpr float kExpenseCap = 20;     // ... of the lawyer fees, at most 20 euros
constexpr double kWithVat = 1.16;     // VAT of 16 per cent

// The reforms: the expense flat rate of 20 per cent, at most 20,00 euros
// (VV RVG Nr. 7002), and VAT of 19 per cent (VV RVG Nr. 7008, § 12 Abs. 1
// UStG).
constexpr std::int64_t kExpensePercent = 20;
constexpr Cents kExpenseLimit = {2'000};
constexpr std::int64_t kVatPercent = 19;

}  // namespace

float minFloat(float a, float b) { return b > a ? a : b; }

float maxFloat(float a, float b) { return a > b ? a : b; }

BlockValues blockValues(Fee courtFee, Fee lawyerFee, float courtRate, double lawyerRate) {
  BlockValues v{};
  // A single-precision fee times a whole rate up to 5 is exact in double.
  v.court = toDouble(Extended{courtRate} * toSingle(moneyFromFee(courtFee)));
  v.lawyer = toSingle(Extended{toDouble(moneyFromFee(lawyerFee))} * lawyerRate);
  const float expenses = minFloat(toSingle(Extended{v.lawyer} * kExpenseRate), kExpenseCap);
  v.gross = toDouble((Extended{expenses} + v.lawyer) * kWithVat);
  v.process = (Extended{v.gross} + v.gross) + v.court;
  return v;
}

float paymentOrderFee(Fee courtFee, float minimum) {
  return maxFloat(toSingle(Extended{toDouble(moneyFromFee(courtFee))} * kHalf), minimum);
}

float Reckoning2013::paymentOrder(Schedule schedule) const {
  // The minimums of 2013, 23 and 32 euros, are whole: exact in single
  // precision.
  const std::int64_t minimumEuros =
      editionOf(Reform::Of2013, schedule).paymentOrderMinimum.count / 100;
  return paymentOrderFee(scheduleFee(schedule, basis(), FeeKind::Court),
                         static_cast<float>(minimumEuros));
}

BlockValues Reckoning2013::block(Schedule schedule, BlockRates rates) const {
  // The court rates are whole; a lawyer rate of n tenths becomes the double
  // nearest to n / 10, since the division rounds correctly.
  const int courtFactor = rates.court / 10;
  return blockValues(scheduleFee(schedule, basis(), FeeKind::Court),
                     scheduleFee(schedule, basis(), FeeKind::Lawyer),
                     static_cast<float>(courtFactor), rates.lawyer / 10.0);
}

Cents ReckoningInCents::paymentOrder(Schedule schedule) const {
  // Half the court fee (KV GKG Nr. 1100), at least the edition's minimum.
  return std::max(half(fee(schedule, FeeKind::Court)),
                  editionOf(reform_, schedule).paymentOrderMinimum);
}

CentsBlock ReckoningInCents::block(Schedule schedule, BlockRates rates) const {
  CentsBlock v{};
  v.court = timesRate(fee(schedule, FeeKind::Court), rates.court);
  v.lawyer = timesRate(fee(schedule, FeeKind::Lawyer), rates.lawyer);
  const Cents expenses = std::min(percentOf(v.lawyer, kExpensePercent), kExpenseLimit);
  const Cents vat = percentOf(v.lawyer + expenses, kVatPercent);
  v.gross = v.lawyer + expenses + vat;
  v.process = v.court + 2 * v.gross;
  return v;
}

}  // namespace zeb
