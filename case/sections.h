// The proceeding sections: the payment-order procedure and the four instance
// sections with their judgement and settlement blocks, and in a reform's
// first instance the blocks of its early endings, computed into the
// figures. One sequence serves every report; its reckoning gives the values.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "case/ledger.h"
#include "case/reckoning.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

class CostRisk;

// What each instance's judgement adds to the totals over instances, by
// InstanceSection: its process costs, or what the parties (and under legal
// aid the state) bear of it, with the way to it where recorded.
template <class Part>
struct JudgementTotals {
  struct Entry {
    PerSchedule<Part> value{};
    PerSchedule<Way> ways{};  // what is borne: its steps; the process costs: their exact value
    bool borne = false;
  };
  std::array<std::optional<Entry>, 4> instances;

  const std::optional<Entry>& operator[](InstanceSection section) const {
    return instances[static_cast<std::size_t>(section)];
  }
};

// The two blocks of an instance section: the proceeding ends in a contested
// judgement, or by settlement.
enum class Variant { Judgement, Settlement };

// The values of a block of `section` in both columns, and their ways where
// `ways` is given.
template <class Reckoning>
PerSchedule<typename Reckoning::Block> computeBlock(const Reckoning& reckoning,
                                                    InstanceSection section, Variant variant,
                                                    PerSchedule<BlockOf<Way>>* ways = nullptr);

// Adds the payment-order section; after a payment order, with each party's
// lawyer bill in it, whose costs go into a reform's `ledgers`.
template <class Reckoning>
void addPaymentOrderSection(Figures& figures, const Reckoning& reckoning,
                            Ledgers* ledgers = nullptr);

// Adds the section of the work before the lawsuit: each business fee's
// bill, which goes into `ledgers`.
void addPreTrialSection(Figures& figures, const ReckoningInCents& reckoning, Ledgers& ledgers);

// Under legal aid, what the application costs each aided party if it is
// refused and no lawsuit follows: its lawyer's 1,0 fee (VV RVG Nr. 3335).
void addAidRefusedSection(Figures& figures, const ReckoningInCents& reckoning);

// Whether `options` show the instance section `section`.
bool shown(const ReportOptions& options, InstanceSection section);

// Adds the instance sections of the reckoning's proceeding that `options`
// show, in the order of the report, and gathers what each judgement adds
// to the totals in `totals`; a reform's blocks go into its `ledgers`. With
// a cost risk, its rows follow the blocks they split. The first instance's
// endings (-ruecknahme ...) follow its other blocks.
template <class Reckoning>
void addInstanceSections(Figures& figures, const ReportOptions& options, const Reckoning& reckoning,
                         JudgementTotals<typename Reckoning::Part>& totals,
                         CostRisk* risk = nullptr, Ledgers* ledgers = nullptr);

// Adds the row `key` of its block with `label` and, where the ways to its
// values are given, the derivation they hold: it takes their steps.
template <class Value>
void addRowOf(Figures& figures, const char* key, RowLabel label, Value oldValue, Value newValue,
              std::uint64_t percentBasis, std::int16_t labelWidthAdjustment, Way* oldWay,
              Way* newWay) {
  if (oldWay == nullptr) {
    addRow(figures, key, std::move(label), oldValue, newValue, percentBasis, labelWidthAdjustment);
    return;
  }
  Derivation derivation = {std::move(oldWay->steps), std::move(newWay->steps)};
  addRow(figures, key, std::move(label), oldValue, newValue, percentBasis, labelWidthAdjustment,
         &derivation);
}

}  // namespace zeb
