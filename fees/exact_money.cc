#include "fees/exact_money.h"

#include <algorithm>

namespace zeb {
namespace {

constexpr std::uint64_t kUnitsPerEuro = 100'000;
constexpr std::uint64_t kUnitsPerCent = kUnitsPerEuro / 100;

}  // namespace

ExactMoney ExactMoney::euros(std::uint64_t euros) {
  return ExactMoney(Units{euros} * kUnitsPerEuro);
}

ExactMoney ExactMoney::times(std::uint64_t numerator, std::uint64_t denominator) const {
  return ExactMoney(units_ * numerator / denominator);
}

std::string ExactMoney::centsText() const {
  Units cents = (units_ + kUnitsPerCent / 2) / kUnitsPerCent;
  std::string text;
  for (int place = 0; place < 3 || cents != 0; ++place) {
    if (place == 2) text += '.';
    text += static_cast<char>('0' + static_cast<int>(cents % 10));
    cents /= 10;
  }
  std::reverse(text.begin(), text.end());
  return text;
}

}  // namespace zeb
