#include "case/cost_risk.h"

#include <numeric>

#include "case/case_bills.h"
#include "case/sections.h"
#include "case/steps.h"
#include "report/german.h"

namespace zeb {
namespace {

constexpr std::size_t kClaimant = 0;
constexpr std::size_t kDefendant = 1;

// The rows: each its key and its label in both renderings. The part of
// the costs a party bears follows the label of its row, and a colon that.
struct RiskRow {
  const char* key;
  Label label;
};
// clang-format off
constexpr RiskRow kToDistribute = {"to_distribute", {"Zu verteilende Kosten:", "Zu verteilende Kosten:"}};
// Where an instance refunds no lawyer costs, the court costs alone.
constexpr Label kCourtCostsToDistribute = {"Zu verteilende Gerichtskosten:", "Zu verteilende Gerichtskosten:"};
constexpr RiskRow kPart[] = {
    {"claimant_share", {"davon tr\204gt der Kl\204ger ", "davon tr&auml;gt der Kl&auml;ger "}},
    {"defendant_share", {"davon tr\204gt der Beklagte ", "davon tr&auml;gt der Beklagte "}},
};
constexpr RiskRow kBalance[] = {
    {"defendant_pays_claimant", {"Ausgleich: der Beklagte zahlt dem Kl\204ger:", "Ausgleich: der Beklagte zahlt dem Kl&auml;ger:"}},
    {"claimant_pays_defendant", {"Ausgleich: der Kl\204ger zahlt dem Beklagten:", "Ausgleich: der Kl&auml;ger zahlt dem Beklagten:"}},
};
// Around the lawsuit: what no one refunds (a business fee, less its credit).
constexpr RiskRow kNotRefunded[] = {
    {"claimant_not_refunded", {"Nicht erstattet, tr\204gt der Kl\204ger selbst:", "Nicht erstattet, tr&auml;gt der Kl&auml;ger selbst:"}},
    {"defendant_not_refunded", {"Nicht erstattet, tr\204gt der Beklagte selbst:", "Nicht erstattet, tr&auml;gt der Beklagte selbst:"}},
};
// What a party bears in all of the first instance and what came before it.
constexpr RiskRow kInAll[] = {
    {"claimant_total", {"Kl\204ger tr\204gt insgesamt:", "Kl&auml;ger tr&auml;gt insgesamt:"}},
    {"defendant_total", {"Beklagter tr\204gt insgesamt:", "Beklagter tr&auml;gt insgesamt:"}},
};
constexpr RiskRow kCancelled[] = {
    {"claimant_bears", {"Kosten aufgehoben: der Kl\204ger tr\204gt:", "Kosten aufgehoben: der Kl&auml;ger tr&auml;gt:"}},
    {"defendant_bears", {"Kosten aufgehoben: der Beklagte tr\204gt:", "Kosten aufgehoben: der Beklagte tr&auml;gt:"}},
};
// Under legal aid: a payment to an aided party goes to its lawyer.
constexpr RiskRow kBalanceToLawyer[] = {
    {"defendant_pays_claimant", {"Beklagter zahlt Anwalt des Kl\204gers (\365 126 ZPO):", "Ausgleich: der Beklagte zahlt dem Anwalt des Kl&auml;gers (&sect; 126 ZPO):"}},
    {"claimant_pays_defendant", {"Kl\204ger zahlt Anwalt des Beklagten (\365 126 ZPO):", "Ausgleich: der Kl&auml;ger zahlt dem Anwalt des Beklagten (&sect; 126 ZPO):"}},
};
constexpr RiskRow kCourtRefund = {"court_refund_to_claimant", {"Staatskasse erstattet Kl\204ger (\365 31 Abs. 3 GKG):", "Gerichtskosten: die Staatskasse erstattet dem Kl&auml;ger (&sect; 31 Abs. 3 GKG):"}};
constexpr RiskRow kReceives[] = {
    {"claimant_lawyer_receives", {"Anwalt des Kl\204gers erh\204lt insgesamt:", "Anwalt des Kl&auml;gers erh&auml;lt insgesamt:"}},
    {"defendant_lawyer_receives", {"Anwalt des Beklagten erh\204lt insgesamt:", "Anwalt des Beklagten erh&auml;lt insgesamt:"}},
};
constexpr RiskRow kStateTotal = {"state_total", {"Staatskasse tr\204gt insgesamt:", "Staatskasse tr&auml;gt insgesamt:"}};
constexpr RiskRow kStatePaths[] = {
    {"state_with_appeal", {"Staatskasse tr\204gt mit Berufung:", "Staatskasse tr&auml;gt mit Berufung:"}},
    {"state_with_revision", {"Staatskasse tr\204gt mit Berufung und Revision:", "Staatskasse tr&auml;gt mit Berufung und Revision:"}},
    {"state_with_bgh_revision", {"Staatskasse tr\204gt mit Berufung u. Rev. v. d. BGH:", "Staatskasse tr&auml;gt mit Berufung und Revision vor dem BGH:"}},
};

// Each party's part along each path of the totals, as the totals' own
// rows: the text labels shortened to fit the totals' 49-column field.
constexpr RiskRow kPaths[][2] = {
    {{"claimant_with_appeal", {"Kl\204ger tr\204gt mit Berufung:", "Kl&auml;ger tr&auml;gt mit Berufung:"}},
     {"defendant_with_appeal", {"Beklagter tr\204gt mit Berufung:", "Beklagter tr&auml;gt mit Berufung:"}}},
    {{"claimant_with_revision", {"Kl\204ger tr\204gt mit Berufung und Revision:", "Kl&auml;ger tr&auml;gt mit Berufung und Revision:"}},
     {"defendant_with_revision", {"Beklagter tr\204gt mit Berufung und Revision:", "Beklagter tr&auml;gt mit Berufung und Revision:"}}},
    {{"claimant_with_bgh_revision", {"Kl\204ger tr\204gt mit Berufung u. Revision v. d. BGH:", "Kl&auml;ger tr&auml;gt mit Berufung und Revision vor dem BGH:"}},
     {"defendant_with_bgh_revision", {"Beklagter tr\204gt mit Berufung u. Rev. v. d. BGH:", "Beklagter tr&auml;gt mit Berufung und Revision vor dem BGH:"}}},
};
// clang-format on

// The name of a party's part along the path through the appeal, as the
// way to a longer path names it.
constexpr const char* kThroughAppeal[] = {"Kläger trägt mit Berufung",
                                          "Beklagter trägt mit Berufung"};

// `pick` of each column of `values`.
template <class T, class Pick>
PerSchedule<Cents> column(const PerSchedule<T>& values, Pick pick) {
  return {pick(values[0]), pick(values[1])};
}

// `pick` of each column of `ways`, where recorded; moved out.
template <class T, class Pick>
PerSchedule<Steps> stepsOf(std::optional<PerSchedule<T>>& ways, Pick pick) {
  if (!ways) return {};
  return {std::move(pick((*ways)[0])), std::move(pick((*ways)[1]))};
}

}  // namespace

CostRisk::CostRisk(const ReportOptions& options, Figures& figures, const Ledgers& ledgers)
    : figures_(&figures),
      options_(&options),
      ledgers_(&ledgers),
      parties_{{options.claimant, options.defendant}},
      share_(*options.shareWon),
      recordsWays_(figures.withWays),
      makesLabels_(figures.withLabels) {
  // The parts' texts, for their labels and ways alone.
  const bool texts = makesLabels_ || recordsWays_;
  if (texts) shareText_ = {partText(share_, kClaimant), partText(share_, kDefendant)};
  if (options.appellant) {
    appellant_ = options.appellant;
    appealShare_ = appealShare(options);
    finalShare_ = finalShare(options);
    if (texts)
      appealText_ = {partText(appealShare_, kClaimant), partText(appealShare_, kDefendant)};
  }
}

std::pair<ShareWon, std::array<std::string, 2>> CostRisk::shareFor(
    const EndingRates* ending, const RiskInstance& instance) const {
  if (ending == nullptr && instance.decided) return {appealShare_, appealText_};
  if (ending == nullptr) return {share_, shareText_};
  const ShareWon share = {ending->bearer == kClaimant ? 0 : 100, 100, 0};
  if (!makesLabels_ && !recordsWays_) return {share, {}};
  return {share, {partText(share, kClaimant), partText(share, kDefendant)}};
}

BlockToBear CostRisk::blockOf(const ReckoningInCents& r, const RiskInstance& instance,
                              const Matter& matter) const {
  // Who advanced the court fee: the claimant, or the appellant of an appeal
  // taken as a decision; no one where the proceeding knows no advances.
  std::optional<std::size_t> advancedBy;
  if (r.proceeding().courtFeeAdvanced) {
    advancedBy = instance.decided ? *appellant_ : kClaimant;
  }
  return {matter, instance.first(), r.around() != nullptr, instance.instance->refundsLawyers,
          advancedBy};
}

BlockWords CostRisk::wordsOf(const ReckoningInCents& r, const RiskInstance& instance,
                             const BlockToBear& block, std::size_t s, const EndingRates* ending,
                             const std::pair<ShareWon, std::array<std::string, 2>>& share) const {
  return {&(*ledgers_)[s],
          &block,
          &parties_,
          share.first,
          &share.second,
          ending,
          instance.decided ? appellant_ : std::nullopt,
          instance.instance->name,
          r.proceeding().noRefundRule};
}

RowLabel CostRisk::partLabelOf(Label label, const std::string& share) const {
  if (!makesLabels_) return label;
  return {std::string(label.text) + share + ":", std::string(label.html) + share + ":"};
}

void CostRisk::add(const ReckoningInCents& r, const char* key, RowLabel label,
                   const PerSchedule<Cents>& values, PerSchedule<Steps>& ways) const {
  if (!recordsWays_) {
    addRowOf(*figures_, key, std::move(label), values[0], values[1], r.basis(), 0, nullptr,
             nullptr);
    return;
  }
  Way old{std::move(ways[0]), {}};
  Way now{std::move(ways[1]), {}};
  addRowOf(*figures_, key, std::move(label), values[0], values[1], r.basis(), 0, &old, &now);
}

void CostRisk::addParts(const ReckoningInCents& r, const std::array<std::string, 2>& shareText,
                        const std::array<PerSchedule<Cents>, 2>& parts,
                        std::array<PerSchedule<Steps>, 2>& ways) {
  for (const std::size_t party : {kClaimant, kDefendant}) {
    add(r, kPart[party].key, partLabelOf(kPart[party].label, shareText[party]), parts[party],
        ways[party]);
  }
}

void CostRisk::addNotRefunded(const ReckoningInCents& r, const RiskInstance& instance,
                              const std::array<PerSchedule<Cents>, 2>& values,
                              std::array<PerSchedule<Steps>, 2>& ways) {
  // Where the instance refunds no lawyer, what each party bears itself; around
  // the lawsuit, where a business fee was earned, what no one refunds.
  const bool refunds = instance.instance->refundsLawyers;
  const ReportOptions* around = r.around();
  const bool businessFee = around != nullptr && (around->claimantCase.businessFeeTenths != 0 ||
                                                 around->defendantCase.businessFeeTenths != 0);
  if (!instance.first() || (refunds && !businessFee)) return;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    const Label label = refunds ? kNotRefunded[party].label : r.proceeding().ownLawyerRows[party];
    add(r, kNotRefunded[party].key, label, values[party], ways[party]);
  }
}

CostRisk::Judgement CostRisk::addSplit(const ReckoningInCents& r, const RiskInstance& instance,
                                       const Matter& matter, const EndingRates* ending) {
  const auto share = shareFor(ending, instance);
  const BlockToBear block = blockOf(r, instance, matter);
  PerSchedule<Split> splits;
  std::optional<PerSchedule<SplitWays>> ways;
  if (recordsWays_) ways.emplace();
  for (std::size_t s = 0; s < 2; ++s) {
    splits[s] = split((*ledgers_)[s], block, parties_, share.first);
    if (ways) (*ways)[s] = splitWays(wordsOf(r, instance, block, s, ending, share), splits[s]);
  }
  auto totalWays = stepsOf(ways, [](SplitWays& w) -> Steps& { return w.total; });
  add(r, kToDistribute.key,
      instance.instance->refundsLawyers ? kToDistribute.label : kCourtCostsToDistribute,
      column(splits, [](const Split& s) { return s.costs.total(); }), totalWays);
  std::array<PerSchedule<Cents>, 2> parts;
  std::array<PerSchedule<Cents>, 2> notRefunded;
  std::array<PerSchedule<Steps>, 2> partWays;
  std::array<PerSchedule<Steps>, 2> notRefundedWays;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    parts[party] = column(splits, [&](const Split& s) { return s.part[party]; });
    notRefunded[party] = column(splits, [&](const Split& s) { return s.costs.notRefunded[party]; });
    partWays[party] = stepsOf(ways, [&](SplitWays& w) -> Steps& { return w.part[party]; });
    notRefundedWays[party] =
        stepsOf(ways, [&](SplitWays& w) -> Steps& { return w.notRefunded[party]; });
  }
  addParts(r, share.second, parts, partWays);
  if ((instance.first() || instance.decided) && instance.instance->refundsLawyers) {
    for (const std::size_t payer : {kDefendant, kClaimant}) {
      auto balanceWays = stepsOf(ways, [&](SplitWays& w) -> Steps& { return w.balance[payer]; });
      add(r, kBalance[1 - payer].key, kBalance[1 - payer].label,
          column(splits, [&](const Split& s) { return s.pays[payer]; }), balanceWays);
    }
  }
  addNotRefunded(r, instance, notRefunded, notRefundedWays);
  Judgement judgement;
  for (std::size_t s = 0; s < 2; ++s) {
    judgement.costs[s] = splits[s].costs.total();
    judgement.part[s] = splits[s].part;
    judgement.notRefunded[s] = splits[s].costs.notRefunded;
  }
  // What each party bears in all of the first instance, where something
  // besides its part falls on it.
  if (instance.first() && (r.around() != nullptr || !instance.instance->refundsLawyers)) {
    for (const std::size_t party : {kClaimant, kDefendant}) {
      auto inAllWays = stepsOf(ways, [&](SplitWays& w) -> Steps& { return w.inAll[party]; });
      add(r, kInAll[party].key, kInAll[party].label,
          {parts[party][0] + notRefunded[party][0], parts[party][1] + notRefunded[party][1]},
          inAllWays);
    }
  }
  return judgement;
}

CostRisk::Judgement CostRisk::addAidedSplit(const ReckoningInCents& r, const RiskInstance& instance,
                                            const Matter& matter, const EndingRates* ending) {
  const auto share = shareFor(ending, instance);
  const BlockToBear block = blockOf(r, instance, matter);
  const bool refunds = instance.instance->refundsLawyers;
  PerSchedule<AidedSplit> splits;
  std::optional<PerSchedule<AidedSplitWays>> ways;
  if (recordsWays_) ways.emplace();
  for (std::size_t s = 0; s < 2; ++s) {
    splits[s] = splitWithAid((*ledgers_)[s], block, parties_, share.first);
    if (ways) (*ways)[s] = aidedSplitWays(wordsOf(r, instance, block, s, ending, share), splits[s]);
  }
  // Where the instance refunds lawyers, those are distributed; else the
  // court costs alone.
  auto totalWays = stepsOf(ways, [](AidedSplitWays& w) -> Steps& { return w.total; });
  add(r, kToDistribute.key, refunds ? kToDistribute.label : kCourtCostsToDistribute,
      column(splits,
             [&](const AidedSplit& a) { return refunds ? a.lawyers : a.costs.courtCosts(); }),
      totalWays);
  std::array<PerSchedule<Cents>, 2> parts;
  std::array<PerSchedule<Steps>, 2> partWays;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    parts[party] = column(
        splits, [&](const AidedSplit& a) { return refunds ? a.share[party] : a.courtPart[party]; });
    partWays[party] = stepsOf(ways, [&](AidedSplitWays& w) -> Steps& { return w.share[party]; });
  }
  addParts(r, share.second, parts, partWays);
  // The balance in every instance that refunds lawyers: who pays whom, an
  // aided party's part to its lawyer.
  for (const std::size_t payer : {kDefendant, kClaimant}) {
    if (!refunds) break;
    const std::size_t payee = 1 - payer;
    auto balanceWays = stepsOf(ways, [&](AidedSplitWays& w) -> Steps& { return w.balance[payer]; });
    add(r, kBalance[payee].key,
        parties_.aided(payee) ? kBalanceToLawyer[payee].label : kBalance[payee].label,
        column(splits, [&](const AidedSplit& a) { return a.pays[payer]; }), balanceWays);
  }
  if (parties_.aided(kDefendant) && !parties_.aided(kClaimant) && block.advancedBy) {
    auto refundWays = stepsOf(ways, [](AidedSplitWays& w) -> Steps& { return w.courtRefund; });
    add(r, kCourtRefund.key, kCourtRefund.label,
        column(splits, [](const AidedSplit& a) { return a.courtRefund; }), refundWays);
  }
  std::array<PerSchedule<Cents>, 2> notRefunded;
  std::array<PerSchedule<Steps>, 2> notRefundedWays;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    notRefunded[party] =
        column(splits, [&](const AidedSplit& a) { return a.costs.notRefunded[party]; });
    notRefundedWays[party] =
        stepsOf(ways, [&](AidedSplitWays& w) -> Steps& { return w.notRefunded[party]; });
  }
  addNotRefunded(r, instance, notRefunded, notRefundedWays);
  for (const std::size_t party : {kClaimant, kDefendant}) {
    if (!parties_.aided(party)) continue;
    auto receivesWays =
        stepsOf(ways, [&](AidedSplitWays& w) -> Steps& { return w.receives[party]; });
    add(r, kReceives[party].key, kReceives[party].label,
        column(splits, [&](const AidedSplit& a) { return a.receives[party]; }), receivesWays);
  }
  Judgement judgement;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    auto borneWays = stepsOf(ways, [&](AidedSplitWays& w) -> Steps& { return w.borne[party]; });
    const PerSchedule<Cents> borne =
        column(splits, [&](const AidedSplit& a) { return a.borne[party]; });
    add(r, kInAll[party].key, kInAll[party].label, borne, borneWays);
    for (std::size_t s = 0; s < 2; ++s) judgement.part[s][party] = borne[s];
  }
  auto stateWays = stepsOf(ways, [](AidedSplitWays& w) -> Steps& { return w.state; });
  judgement.state = column(splits, [](const AidedSplit& a) { return a.state; });
  add(r, kStateTotal.key, kStateTotal.label, judgement.state, stateWays);
  judgement.inAll = column(splits, [](const AidedSplit& a) { return a.inAll; });
  if (ways) {
    for (std::size_t s = 0; s < 2; ++s) judgement.inAllWays[s].steps = std::move((*ways)[s].inAll);
  }
  return judgement;
}

void CostRisk::afterJudgement(const ReckoningInCents& r, const RiskInstance& instance,
                              const Matter& matter) {
  judgements_[static_cast<std::size_t>(instance.instance->section)] =
      parties_.anyAid() ? addAidedSplit(r, instance, matter, nullptr)
                        : addSplit(r, instance, matter, nullptr);
}

void CostRisk::afterEnding(const ReckoningInCents& r, const RiskInstance& instance,
                           const EndingRates& ending, const Matter& matter) {
  const Judgement judgement = parties_.anyAid() ? addAidedSplit(r, instance, matter, &ending)
                                                : addSplit(r, instance, matter, &ending);
  // An appeal withdrawn before its grounds: its costs so far.
  if (instance.decided) withdrawn_ = judgement.costs;
}

void CostRisk::afterSettlement(const ReckoningInCents& r, const RiskInstance& instance,
                               const Matter& matter) {
  const BlockToBear block = blockOf(r, instance, matter);
  const auto share = shareFor(nullptr, instance);
  PerSchedule<Cancelled> cancelled;
  std::optional<PerSchedule<CancelledWays>> ways;
  if (recordsWays_) ways.emplace();
  for (std::size_t s = 0; s < 2; ++s) {
    cancelled[s] = cancel((*ledgers_)[s], block, parties_);
    if (ways)
      (*ways)[s] = cancelledWays(wordsOf(r, instance, block, s, nullptr, share), cancelled[s]);
  }
  const auto rows = [&](const RiskRow(&rowsOf)[2], auto value, auto way, bool aidedOnly) {
    for (const std::size_t party : {kClaimant, kDefendant}) {
      if (aidedOnly && !parties_.aided(party)) continue;
      auto steps = stepsOf(ways, [&](CancelledWays& w) -> Steps& { return way(w)[party]; });
      add(r, rowsOf[party].key, rowsOf[party].label,
          column(cancelled, [&](const Cancelled& c) { return value(c)[party]; }), steps);
    }
  };
  rows(
      kCancelled, [](const Cancelled& c) { return c.part; },
      [](CancelledWays & w) -> auto& { return w.part; }, false);
  if (parties_.anyAid()) {
    rows(
        kReceives, [](const Cancelled& c) { return c.receives; },
        [](CancelledWays & w) -> auto& { return w.receives; }, true);
    rows(
        kInAll, [](const Cancelled& c) { return c.borne; },
        [](CancelledWays & w) -> auto& { return w.borne; }, false);
    auto stateWays = stepsOf(ways, [](CancelledWays& w) -> Steps& { return w.state; });
    add(r, kStateTotal.key, kStateTotal.label,
        column(cancelled, [](const Cancelled& c) { return c.state; }), stateWays);
    return;
  }
  // What each party bears in all of the first instance, where something
  // besides the settlement's costs falls on it: with the costs cancelled,
  // that part.
  if (instance.first() && (r.around() != nullptr || !instance.instance->refundsLawyers)) {
    rows(
        kInAll, [](const Cancelled& c) { return c.part; },
        [](CancelledWays & w) -> auto& { return w.inAll; }, false);
  }
}

const std::optional<PerSchedule<Cents>>& CostRisk::aidedInAll(InstanceSection section) const {
  static const std::optional<PerSchedule<Cents>> none;
  const auto& judgement = judgements_[static_cast<std::size_t>(section)];
  return judgement ? judgement->inAll : none;
}

const Way* CostRisk::aidedInAllWay(InstanceSection section, std::size_t s) const {
  const auto& judgement = judgements_[static_cast<std::size_t>(section)];
  return recordsWays_ && judgement ? &judgement->inAllWays[s] : nullptr;
}

TotalsOf<Cents> CostRisk::sumsOf(const ReckoningInCents& r, const PartOf& partOf, const char* of,
                                 const char* throughAppeal, TotalsOf<Way>& ways) const {
  // Each judgement adds to the sum of its path: alone, or to the sum
  // through the appeal.
  TotalsOf<Cents> sums;
  for (const Instance& instance : r.proceeding().instances) {
    const auto& judgement = judgements_[static_cast<std::size_t>(instance.section)];
    if (!judgement) continue;
    const TotalsRule& rule = instance.totals;
    const bool added = rule.baseName != nullptr;
    std::string partName;
    std::string baseName;
    if (recordsWays_) {
      partName = std::string("Anteil ") + of + ", " + instance.name;
      baseName = rule.target == TotalsField::WithAppeal
                     ? std::string("Anteil ") + of + ", erste Instanz"
                     : std::string(throughAppeal);
    }
    for (std::size_t s = 0; s < 2; ++s) {
      const SumWays sumWays = {nullptr, partName.c_str(), &ways.withAppeal[s], baseName.c_str(),
                               &ways[rule.target][s]};
      sums[rule.target][s] = ReckoningInCents::total(partOf(instance, *judgement, s),
                                                     added ? &sums.withAppeal[s] : nullptr,
                                                     recordsWays_ ? &sumWays : nullptr);
    }
  }
  return sums;
}

Cents CostRisk::partThrough(std::size_t party, const Instance& instance, const Judgement& judgement,
                            std::size_t s) const {
  // With an appeal taken as a decision, the first instance's costs fall on
  // the parties by the final result.
  Cents part = judgement.part[s][party];
  if (appellant_ && instance.section == InstanceSection::FirstInstance) {
    const Cents total = judgement.costs[s];
    const Cents claimant = widePartOf(total, finalShare_.of - finalShare_.won, finalShare_.of);
    part = party == kClaimant ? claimant : total - claimant;
  }
  return part + judgement.notRefunded[s][party];
}

AppealCosts CostRisk::appealCosts() const {
  AppealCosts costs;
  const auto& first = judgements_[static_cast<std::size_t>(InstanceSection::FirstInstance)];
  const auto& appeal = judgements_[static_cast<std::size_t>(InstanceSection::Appeal)];
  for (std::size_t s = 0; s < 2; ++s) {
    if (first) {
      costs.first[s] = first->costs[s];
      costs.notRefunded[s] = first->notRefunded[s][*appellant_];
    }
    if (appeal) costs.appeal[s] = appeal->costs[s];
    costs.withdrawn[s] = withdrawn_[s];
  }
  return costs;
}

void CostRisk::afterTotals(const ReckoningInCents& r) {
  // What each party and, under legal aid, the state bear along each path.
  std::array<TotalsOf<Way>, 3> ways;
  std::array<TotalsOf<Cents>, 3> sums;
  for (const std::size_t party : {kClaimant, kDefendant}) {
    sums[party] = sumsOf(
        r,
        [&](const Instance& instance, const Judgement& judgement, std::size_t s) {
          return partThrough(party, instance, judgement, s);
        },
        party == kClaimant ? "des Klägers" : "des Beklagten", kThroughAppeal[party], ways[party]);
  }
  if (parties_.anyAid()) {
    sums[2] = sumsOf(
        r,
        [](const Instance&, const Judgement& judgement, std::size_t s) {
          return judgement.state[s];
        },
        "der Staatskasse", "Staatskasse trägt mit Berufung", ways[2]);
  }
  for (const Instance& instance : r.proceeding().instances) {
    // Each path once, where an instance adds to it; an appeal taken as a
    // decision ends the case with the appeal.
    const TotalsField path = instance.totals.target;
    if (instance.totals.baseName == nullptr) continue;
    if (appellant_ && path != TotalsField::WithAppeal) continue;
    const auto index = static_cast<std::size_t>(path);
    for (std::size_t payer = 0; payer < (parties_.anyAid() ? 3 : 2); ++payer) {
      const RiskRow& row = payer < 2 ? kPaths[index][payer] : kStatePaths[index];
      const PerSchedule<Cents>& sum = sums[payer][path];
      addRowOf(*figures_, row.key, row.label, sum[0], sum[1], r.basis(), -1,
               recordsWays_ ? &ways[payer][path][0] : nullptr,
               recordsWays_ ? &ways[payer][path][1] : nullptr);
    }
  }
  if (appellant_) addAppealDecision(*figures_, *options_, r.basis(), appealCosts());
}

}  // namespace zeb
