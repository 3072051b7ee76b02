// Who bears the costs of a reform's report: by the claimant's share won,
// each instance's costs split between the parties (§§ 91, 92, 104 ZPO),
// the balance of the first instance (§ 106 ZPO), the costs of a settlement
// cancelled against each other (§ 98 ZPO), and each party's part over the
// instances, all in whole cents.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "case/reckoning.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// An instance section as the cost risk sees it: its name in a way, whether
// it is the first instance, and the sum over instances that its parts
// enter, alone or added to the parts through the appeal.
struct RiskInstance {
  const char* name;  // "erste Instanz"
  bool first;
  TotalsField target;
  bool added;
};

// The rows of the cost risk of one report, added to its figures after the
// blocks they follow, and each party's parts summed over the instances.
class CostRisk {
 public:
  // The rows go into `figures`, with their ways where those record them.
  CostRisk(const ReportOptions& options, Figures& figures);

  // After a judgement block with the `values` of both columns: the costs to
  // distribute, each party's part and, in the first instance, the balance.
  void afterJudgement(const ReckoningInCents& r, const RiskInstance& instance,
                      const BlockRates& rates, const PerSchedule<CentsBlock>& values);
  // After the block of a first instance that ends as `ending` says, with
  // the `values` of both columns: as after a judgement, but the party the
  // ending names bears all, the balance counts the court fee the ending
  // leaves of the `judgement`'s, and nothing enters the sums over
  // instances.
  void afterEnding(const ReckoningInCents& r, const RiskInstance& instance,
                   const EndingRates& ending, const PerSchedule<CentsBlock>& values,
                   const PerSchedule<CentsBlock>& judgement);
  // After a settlement block: each party's costs, cancelled against each
  // other.
  void afterSettlement(const ReckoningInCents& r, const RiskInstance& instance,
                       const PerSchedule<CentsBlock>& values);
  // After the totals over instances: each party's part along each path.
  void afterTotals(const ReckoningInCents& r);

  // The report of 2013 has no cost risk: its command line is refused.
  void afterJudgement(const Reckoning2013&, const RiskInstance&, const BlockRates&,
                      const PerSchedule<Reckoning2013::Block>&) {}
  void afterSettlement(const Reckoning2013&, const RiskInstance&,
                       const PerSchedule<Reckoning2013::Block>&) {}
  void afterTotals(const Reckoning2013&) {}

 private:
  // What enters the costs to distribute, and who advanced it: the court
  // costs (advanced by the claimant, § 12 Abs. 1 GKG), each party's
  // evidence advance and its lawyer costs as the opponent refunds them.
  struct Advanced {
    Cents court;
    std::array<Cents, 2> evidence;
    std::array<Cents, 2> lawyers;

    Cents total() const { return court + evidence[0] + evidence[1] + lawyers[0] + lawyers[1]; }
    Cents byClaimant() const { return court + evidence[0] + lawyers[0]; }
  };

  // What a party's lawyer charges before the first instance, after every
  // credit: its business fee, where it earned one, and the payment order.
  struct Charged {
    std::optional<Cents> business;
    Cents paymentOrder;

    Cents total() const { return business.value_or(Cents{}) + paymentOrder; }
  };

  // Each party's part of a block's costs and what no one refunds it, and
  // the ways to the parts.
  struct Split {
    std::array<PerSchedule<Cents>, 2> borne;
    std::array<PerSchedule<Cents>, 2> notRefunded;
    std::array<Recorded<Way>, 2> parts;
  };

  // Adds the rows that split the `values` of a block of `instance`
  // whose parties' lawyer fees are `sides` (none: the lawyer did not act):
  // by the share won, or as `ending` says, the `judgement`'s court fee
  // advanced.
  Split split(const ReckoningInCents& r, const RiskInstance& instance,
              std::array<const BlockRates*, 2> sides, const PerSchedule<CentsBlock>& values,
              const EndingRates* ending, const PerSchedule<CentsBlock>* judgement) const;

  // A party's lawyer costs in a block of `instance`, and their way's steps.
  Cents lawyerCosts(std::size_t party, const CentsBlock& block, const RiskInstance& instance,
                    Steps* steps) const;
  // A bill as `party` bears and claims it: without VAT where it deducts
  // input tax.
  Cents costsOf(std::size_t party, const LawyerBill& bill) const;
  // What `party`'s lawyer charges before the first instance, as it bears
  // it, by its lawyers' `bills`.
  Charged chargedBefore(std::size_t party, const CaseBills& bills) const;
  // What a block of `instance` under `schedule` distributes, and around the
  // first instance of a lawsuit what no one refunds each party.
  Advanced advanced(const ReckoningInCents& r, Schedule schedule, const RiskInstance& instance,
                    std::array<const BlockRates*, 2> sides, const CentsBlock& block,
                    std::array<Cents, 2>& notRefunded, Steps* steps) const;

  // Adds `row` of both columns' `values`, with the ways `ways` holds where
  // the figures record them.
  void add(const ReckoningInCents& r, const char* key, RowLabel label,
           const PerSchedule<Cents>& values, Recorded<Way>& ways) const;

  Figures* figures_;
  ShareWon share_;
  std::array<PartyLawyer, 2> parties_;    // the claimant's, the defendant's
  std::array<std::string, 2> shareText_;  // the part each party bears: "40 %", "1/4"
  bool recordsWays_;
  std::array<TotalsOf<Cents>, 2> sums_;
  std::array<TotalsOf<Way>, 2> sumWays_;
};

}  // namespace zeb
