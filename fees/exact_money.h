// Money held exactly: the formulas of the report of 2013 computed as by
// hand, without their roundings to single and double precision, for the
// way to a value to show where those roundings moved a cent.
#pragma once
#include <cstdint>
#include <string>

namespace zeb {

// An amount in hundred-thousandths of a euro. The report's rates have one
// or two decimals and it halves once, so no value of it needs more places;
// 128 bits hold even the fees that a negative amount wraps to (below 2^64
// euros) times every rate.
class ExactMoney {
 public:
  constexpr ExactMoney() = default;

  // `euros` whole euros.
  static ExactMoney euros(std::uint64_t euros);

  // This amount times `numerator` / `denominator`, exact for every rate of
  // the report.
  ExactMoney times(std::uint64_t numerator, std::uint64_t denominator) const;

  friend ExactMoney operator+(ExactMoney a, ExactMoney b) {
    return ExactMoney(a.units_ + b.units_);
  }
  friend bool operator<(ExactMoney a, ExactMoney b) { return a.units_ < b.units_; }
  friend bool operator>(ExactMoney a, ExactMoney b) { return b < a; }

  // The amount rounded half up to cents, written as printf's "%.2f" writes
  // a number: "17197.30".
  std::string centsText() const;

 private:
  __extension__ typedef unsigned __int128 Units;  // NOLINT(modernize-use-using): a GNU type

  explicit ExactMoney(Units units) : units_(units) {}

  Units units_ = 0;
};

}  // namespace zeb
