// Money of the reforms: whole cents, and the one rounding the law asks for.
#pragma once
#include <compare>
#include <cstdint>

namespace zeb {

// An amount of money in whole cents.
struct Cents {
  std::int64_t count = 0;

  friend constexpr Cents operator+(Cents a, Cents b) { return {a.count + b.count}; }
  friend constexpr Cents operator-(Cents a, Cents b) { return {a.count - b.count}; }
  friend constexpr Cents operator*(std::int64_t factor, Cents a) { return {factor * a.count}; }
  friend constexpr bool operator==(Cents a, Cents b) { return a.count == b.count; }
  friend constexpr std::strong_ordering operator<=>(Cents a, Cents b) {
    return a.count <=> b.count;
  }
};

// `numerator / denominator` rounded to a whole number, half up (§ 2 Abs. 2
// Satz 2 RVG): the rounding of every division of the reforms. Neither may be
// negative, and `denominator` must not be 0.
constexpr std::int64_t divideHalfUp(std::int64_t numerator, std::int64_t denominator) {
  return (2 * numerator + denominator) / (2 * denominator);
}

// `fee` times a rate of `tenths` tenths (2,5 is 25).
constexpr Cents timesRate(Cents fee, std::int64_t tenths) {
  return {divideHalfUp(fee.count * tenths, 10)};
}

// `percent` per cent of `base`.
constexpr Cents percentOf(Cents base, std::int64_t percent) {
  return {divideHalfUp(base.count * percent, 100)};
}

// Half of `value`.
constexpr Cents half(Cents value) { return {divideHalfUp(value.count, 2)}; }

// `numerator / denominator` of `value`, 0 <= numerator <= denominator.
constexpr Cents partOf(Cents value, std::int64_t numerator, std::int64_t denominator) {
  return {divideHalfUp(value.count * numerator, denominator)};
}

}  // namespace zeb
