#include "case/divorce.h"

#include <algorithm>
#include <array>
#include <string>

#include "case/bearing.h"
#include "case/case_days.h"
#include "case/divorce_steps.h"
#include "case/ledger.h"
#include "case/sections.h"
#include "case/steps.h"
#include "report/german.h"

namespace zeb {
namespace {

constexpr std::size_t kPetitioner = 0;
constexpr std::size_t kRespondent = 1;
constexpr Matter kDecree = blockOf(InstanceSection::FirstInstance, kJudgementBlock);
constexpr Matter kWithdrawal = blockOf(InstanceSection::FirstInstance, 2);
constexpr const char* kFamilyCourtTable = "Gerichtsgebühr (§ 28 FamGKG, Anlage 2)";

// A row: its key and its label in both renderings.
struct DivorceRow {
  const char* key;
  Label label;
};

// clang-format off
constexpr DivorceRow kValueRows[] = {
    {"value_divorce", {"Wert der Scheidung (\365 43 FamGKG):", "Wert der Scheidung (&sect;&nbsp;43 FamGKG):"}},
    {"value_pension", {"Wert des Versorgungsausgleichs (\365 50 FamGKG):", "Wert des Versorgungsausgleichs (&sect;&nbsp;50 FamGKG):"}},
    {"value_custody", {"Wert der elterlichen Sorge (\365 44 FamGKG):", "Wert der elterlichen Sorge (&sect;&nbsp;44 FamGKG):"}},
    {"value_contact", {"Wert des Umgangs (\365 44 FamGKG):", "Wert des Umgangs (&sect;&nbsp;44 FamGKG):"}},
    {"value", {"Verfahrenswert (\365 44 Abs. 1 FamGKG):", "Verfahrenswert (&sect;&nbsp;44 Abs.&nbsp;1 FamGKG):"}},
};
constexpr DivorceRow kLawyerRows[] = {
    {"petitioner_lawyer_costs", {"Anwaltskosten des Antragstellers:", "Anwaltskosten des Antragstellers:"}},
    {"respondent_lawyer_costs", {"Anwaltskosten des Antragsgegners:", "Anwaltskosten des Antragsgegners:"}},
};
constexpr DivorceRow kAssignedRows[] = {
    {"petitioner_lawyer_from_state", {"Staatskasse zahlt Anwalt des Antragstellers:", "Staatskasse zahlt Anwalt des Antragstellers:"}},
    {"respondent_lawyer_from_state", {"Staatskasse zahlt Anwalt des Antragsgegners:", "Staatskasse zahlt Anwalt des Antragsgegners:"}},
};
constexpr DivorceRow kTotalRows[] = {
    {"petitioner_total", {"Antragsteller tr\204gt insgesamt:", "Antragsteller tr&auml;gt insgesamt:"}},
    {"respondent_total", {"Antragsgegner tr\204gt insgesamt:", "Antragsgegner tr&auml;gt insgesamt:"}},
};
constexpr DivorceRow kStateTotal = {"state_total", {"Staatskasse tr\204gt insgesamt:", "Staatskasse tr&auml;gt insgesamt:"}};
constexpr DivorceRow kAdvance = {"advance", {"Vorschuss des Antragstellers vor Zustellung:", "Vorschuss des Antragstellers vor Zustellung:"}};
// What follows from the advance at the end: the respondent pays the state
// what is missing and refunds the petitioner what it paid beyond its half;
// a petitioner whose advance falls short of its half pays the rest.
constexpr DivorceRow kAfterAdvance[] = {
    {"respondent_pays_state", {"Antragsgegner zahlt der Staatskasse nach:", "Antragsgegner zahlt der Staatskasse nach:"}},
    {"respondent_pays_petitioner", {"Antragsgegner erstattet dem Antragsteller:", "Antragsgegner erstattet dem Antragsteller:"}},
    {"petitioner_pays_state", {"Antragsteller zahlt der Staatskasse nach:", "Antragsteller zahlt der Staatskasse nach:"}},
};
constexpr Label kDecreeHeading = {"Verfahren mit Scheidungsbeschluss", "Verfahren mit Scheidungsbeschluss"};
// clang-format on

Steps* stepsOf(Way* way) { return way != nullptr ? &way->steps : nullptr; }

// The divorce value of § 43 FamGKG: the income in its months, with the
// court practice asked for, between its bounds.
Cents divorceValue(const DivorceValues& rules, const DivorceCase& c, Cents income, Steps* steps) {
  Cents value = income;
  const int children = c.children.value_or(0);
  if (c.children) {
    const Cents deducted = static_cast<std::int64_t>(rules.months) * children * rules.childMonthly;
    value = value - deducted;
    if (steps != nullptr) {
      steps->push_back(steps::lessForChildren(rules.months, children, euros(rules.childMonthly),
                                              euros(deducted), euros(value)));
    }
  }
  if (c.assets) {
    const Cents allowances = 2 * rules.spouseAllowance + children * rules.childAllowance;
    const Cents above = std::max(*c.assets - allowances, Cents{});
    const Cents added = percentOf(above, rules.assetsPercent);
    value = value + added;
    if (steps != nullptr) {
      steps->push_back(steps::plusOfAssets(rules.assetsPercent, euros(rules.spouseAllowance),
                                           euros(rules.childAllowance), euros(above), euros(added),
                                           euros(value)));
    }
  }
  value = std::clamp(value, rules.least, rules.most);
  if (steps != nullptr) {
    steps->push_back(steps::divorceBounds(euros(rules.least), euros(rules.most), euros(value)));
  }
  return value;
}

// Custody or contact attached: a share of the divorce value, at most the
// edition's most.
Cents attachedValue(const DivorceValues& rules, const Edition& edition, const char* matter,
                    Cents divorce, Steps* steps) {
  const Cents share = percentOf(divorce, rules.matterPercent);
  const Cents most = edition.*rules.matterMost;
  const Cents value = std::min(share, most);
  if (steps != nullptr) {
    steps->push_back(steps::attachedMatter(matter, rules.matterPercent, euros(divorce),
                                           euros(share), euros(most), euros(value)));
  }
  return value;
}

}  // namespace

DivorceValueSet divorceValues(const DivorceValues& rules, const DivorceCase& c,
                              const Edition& edition, DivorceValueWays* ways) {
  DivorceValueSet v;
  const Cents petitioner = c.income[kPetitioner].value_or(Cents{});
  const Cents respondent = c.income[kRespondent].value_or(Cents{});
  const Cents monthly = petitioner + respondent;
  v.income = static_cast<std::int64_t>(rules.months) * monthly;
  Steps* divorceSteps = ways != nullptr ? &ways->divorce.steps : nullptr;
  if (divorceSteps != nullptr) {
    divorceSteps->push_back(
        steps::monthlyIncome(euros(petitioner), euros(respondent), euros(monthly)));
    divorceSteps->push_back(steps::incomeInMonths(rules.months, euros(monthly), euros(v.income)));
  }
  v.divorce = divorceValue(rules, c, v.income, divorceSteps);
  v.sum = v.divorce;
  std::string parts = euros(v.divorce);
  if (c.pensionRights > 0) {
    const Cents product = c.pensionRights * percentOf(v.income, rules.pensionPercent);
    v.pension = std::max(product, rules.pensionLeast);
    if (ways != nullptr) {
      ways->pension.steps.push_back(steps::pension(c.pensionRights, rules.pensionPercent,
                                                   euros(v.income), euros(product),
                                                   euros(rules.pensionLeast), euros(*v.pension)));
    }
  }
  if (c.custody) {
    v.custody = attachedValue(rules, edition, "Elterliche Sorge", v.divorce,
                              ways != nullptr ? &ways->custody.steps : nullptr);
  }
  if (c.contact) {
    v.contact = attachedValue(rules, edition, "Umgang", v.divorce,
                              ways != nullptr ? &ways->contact.steps : nullptr);
  }
  for (const std::optional<Cents>& part : {v.pension, v.custody, v.contact}) {
    if (!part) continue;
    v.sum = v.sum + *part;
    parts += " + " + euros(*part);
  }
  if (ways != nullptr) ways->sum.steps.push_back(steps::proceedingValue(parts, euros(v.sum)));
  const Cents most = static_cast<std::int64_t>(kValueCap) * Cents{100};
  if (v.sum > most) {
    v.sum = most;
    if (ways != nullptr) ways->sum.steps.push_back(steps::proceedingCap(euros(most)));
  }
  return v;
}

namespace {

// The court fee of `rate` for `value` under `edition` (the FamGKG's table is
// the GKG's).
Cents familyCourtFee(const Edition& edition, std::uint64_t value, const FeeRate& rate,
                     Steps* steps) {
  const FeeSteps fee = feeSteps(edition, value, FeeKind::Court);
  const Cents fees = timesRate(fee.fee, rate.tenths);
  if (steps != nullptr) {
    steps->push_back(steps::fee(FeeKind::Court, fee, kFamilyCourtTable));
    steps->push_back(steps::familyCourtFees(rate.tenths, rate.number, euros(fee.fee), euros(fees)));
  }
  return fees;
}

// A lawyer's bill at `rates` for `value`: an assigned lawyer's of § 49 RVG.
LawyerBill lawyerBillFor(const Edition& edition, std::uint64_t value, const BlockRates& rates,
                         bool assigned, Steps* steps) {
  Cents full;
  if (assigned) {
    const AssignedLawyerFee fee = assignedLawyerFee(edition, value);
    full = fee.fee;
    if (steps != nullptr) steps->push_back(steps::assignedFee(fee));
  } else {
    const FeeSteps fee = feeSteps(edition, value, FeeKind::Lawyer);
    full = fee.fee;
    if (steps != nullptr) steps->push_back(steps::fee(FeeKind::Lawyer, fee));
  }
  const Cents fees = timesRate(full, rates.lawyerTenths());
  if (steps != nullptr) steps->push_back(steps::lawyerFees(rates, euros(full), euros(fees)));
  return lawyerBill(fees, {}, steps);
}

// One column of the divorce: the edition of its court fee and values, of
// each spouse's lawyer, and its values; in the case by its dates each by
// its day (§ 63 Abs. 1 FamGKG, § 60 Abs. 1 RVG).
struct Column {
  const Edition* edition;
  std::array<const Edition*, 2> lawyer;
  DivorceValueSet values;
  const CaseDays* days = nullptr;  // the case's days, in the column by them
};

// The parties of a divorce: the petitioner with a lawyer, the respondent
// with one where it has one; legal aid as asked.
Parties partiesOf(const ReportOptions& options) {
  Parties parties{{options.claimant, options.defendant}};
  parties.lawyers[kPetitioner].inFirstInstance = true;
  parties.lawyers[kRespondent].inFirstInstance = options.divorce.respondentLawyer;
  return parties;
}

// The costs of a block at `rates` in one column: its court fee, each
// party's bill where it has a lawyer, and an aided party's assigned bill;
// the rows of fees and bills added where `figures` is given.
Ledger ledgerOf(const Column& c, const Parties& parties, const Matter& matter,
                const BlockRates& rates) {
  Ledger ledger;
  const std::uint64_t value = c.values.feeValue();
  ledger.add({matter,
              CostKind::CourtFee,
              0,
              familyCourtFee(*c.edition, value, rates.court, nullptr),
              {},
              {}});
  for (const std::size_t side : {kPetitioner, kRespondent}) {
    if (!parties.lawyers[side].inFirstInstance) continue;
    const LawyerBill bill = lawyerBillFor(*c.lawyer[side], value, rates, false, nullptr);
    ledger.add({matter, CostKind::LawyerBill, side, {}, bill, bill});
    if (parties.aided(side)) {
      const LawyerBill assigned = lawyerBillFor(*c.lawyer[side], value, rates, true, nullptr);
      ledger.add({matter, CostKind::AssignedBill, side, {}, assigned, assigned});
    }
  }
  return ledger;
}

// Adds the row `row` whose value `compute(column, way)` gives in each column.
template <class Compute>
void addComputed(Figures& figures, const DivorceRow& row, std::uint64_t basis,
                 const std::array<Column, 2>& columns, Compute compute) {
  Recorded<Way> ways(figures.withWays);
  const Cents old = compute(columns[0], ways[0]);
  const Cents now = compute(columns[1], ways[1]);
  addRowOf(figures, row.key, row.label, old, now, basis, 0, ways[0], ways[1]);
}

// The values of both columns, with their rows.
std::array<Column, 2> addValueRows(Figures& figures, const ReportOptions& options,
                                   const DivorceValues& rules) {
  std::array<Column, 2> columns{};
  Recorded<DivorceValueWays> ways(figures.withWays);
  for (const Schedule schedule : {Schedule::Old, Schedule::New}) {
    const std::size_t s = scheduleIndex(schedule);
    const MatterSchedules m = schedule == Schedule::Old && options.days.given()
                                  ? MatterSchedules(options.days)
                                  : MatterSchedules(schedule);
    columns[s].edition = &editionOf(options.reform, m.court(InstanceSection::FirstInstance));
    for (const std::size_t side : {kPetitioner, kRespondent}) {
      columns[s].lawyer[side] =
          &editionOf(options.reform, m.lawyer(InstanceSection::FirstInstance, side));
    }
    columns[s].values = divorceValues(rules, options.divorce, *columns[s].edition, ways[s]);
    if (schedule == Schedule::Old && options.days.given()) columns[s].days = &options.days;
  }
  const std::uint64_t basis = columns[1].values.feeValue();
  const auto add = [&](const DivorceRow& row, auto value, Way DivorceValueWays::*way) {
    addRowOf(figures, row.key, row.label, value(columns[0].values), value(columns[1].values), basis,
             0, ways[0] != nullptr ? &(ways[0]->*way) : nullptr,
             ways[1] != nullptr ? &(ways[1]->*way) : nullptr);
  };
  add(
      kValueRows[0], [](const DivorceValueSet& v) { return v.divorce; },
      &DivorceValueWays::divorce);
  const DivorceCase& c = options.divorce;
  if (c.pensionRights > 0) {
    add(
        kValueRows[1], [](const DivorceValueSet& v) { return *v.pension; },
        &DivorceValueWays::pension);
  }
  if (c.custody) {
    add(
        kValueRows[2], [](const DivorceValueSet& v) { return *v.custody; },
        &DivorceValueWays::custody);
  }
  if (c.contact) {
    add(
        kValueRows[3], [](const DivorceValueSet& v) { return *v.contact; },
        &DivorceValueWays::contact);
  }
  add(
      kValueRows[4], [](const DivorceValueSet& v) { return v.sum; }, &DivorceValueWays::sum);
  return columns;
}

// The rows of a block's fees: its court fee and each lawyer's bill, an
// aided party's assigned bill under it.
void addFeeRows(Figures& figures, const std::array<Column, 2>& columns, const Parties& parties,
                const BlockRows& rows) {
  const std::uint64_t basis = columns[1].values.feeValue();
  addComputed(
      figures, {"court_fees", rows.court.label()}, basis, columns, [&](const Column& c, Way* way) {
        if (c.days != nullptr && way != nullptr) {
          way->steps.push_back(steps::decidingDay("Antrag", "anhängig seit", "",
                                                  courtDay(*c.days, InstanceSection::FirstInstance),
                                                  "FamGKG", *c.edition, "§ 63 Abs. 1 FamGKG"));
        }
        return familyCourtFee(*c.edition, c.values.feeValue(), rows.rates.court, stepsOf(way));
      });
  for (const std::size_t side : {kPetitioner, kRespondent}) {
    if (!parties.lawyers[side].inFirstInstance) continue;
    for (const bool assigned : {false, true}) {
      if (assigned && !parties.aided(side)) continue;
      addComputed(
          figures, assigned ? kAssignedRows[side] : kLawyerRows[side], basis, columns,
          [&](const Column& c, Way* way) {
            if (c.days != nullptr && way != nullptr) {
              way->steps.push_back(steps::decidingDay(
                  side == kPetitioner ? "Auftrag des Antragstellers" : "Auftrag des Antragsgegners",
                  "erteilt am", "wie die Anhängigkeit",
                  lawyerDay(*c.days, InstanceSection::FirstInstance, side), "RVG", *c.lawyer[side],
                  "§ 60 Abs. 1 Satz 1 RVG"));
            }
            return lawyerBillFor(*c.lawyer[side], c.values.feeValue(), rows.rates, assigned,
                                 stepsOf(way))
                .gross();
          });
    }
  }
}

// The block of the divorce decree or the withdrawn petition, whose costs
// are borne: nobody advanced them in the sense of the equalisation.
constexpr BlockToBear toBear(const Matter& matter) {
  return {matter, true, false, true, std::nullopt};
}

// What the state bears of an aided spouse's costs, in a way: its lawyer's
// bill and its half of the court costs.
std::string stateParts(const Cancelled& c, const Parties& parties) {
  std::string parts;
  for (const std::size_t side : {kPetitioner, kRespondent}) {
    if (!parties.aided(side)) continue;
    if (!parts.empty()) parts += " + ";
    parts += std::string(side == kPetitioner ? "Anwalt des Antragstellers (§ 49 RVG) "
                                             : "Anwalt des Antragsgegners (§ 49 RVG) ") +
             euros(c.receives[side]) + " + seine Hälfte der Gerichtskosten " +
             euros(c.halves[side]);
  }
  return parts;
}

// Who bears the decree's costs: each spouse its own lawyer and half the
// court costs (§ 150 Abs. 1 FamFG); an aided spouse's, the state.
void addCancelledRows(Figures& figures, const std::array<Column, 2>& columns,
                      const Parties& parties, const BlockRates& rates) {
  const std::uint64_t basis = columns[1].values.feeValue();
  std::array<Cancelled, 2> cancelled{};
  for (std::size_t s = 0; s < 2; ++s) {
    cancelled[s] = cancel(ledgerOf(columns[s], parties, kDecree, rates), toBear(kDecree), parties);
  }
  for (const std::size_t side : {kPetitioner, kRespondent}) {
    addComputed(figures, kTotalRows[side], basis, columns, [&](const Column& c, Way* way) {
      const Cancelled& k = cancelled[&c == &columns[0] ? 0 : 1];
      const Cents total = parties.anyAid() ? k.borne[side] : k.part[side];
      if (way != nullptr) {
        way->steps.push_back(parties.aided(side)
                                 ? steps::aidedSpouse(euros(total))
                                 : steps::cancelledShare(euros(k.part[side] - k.own[side]),
                                                         euros(k.own[side]), euros(total)));
      }
      return total;
    });
  }
  if (!parties.anyAid()) return;
  addComputed(figures, kStateTotal, basis, columns, [&](const Column& c, Way* way) {
    const Cancelled& k = cancelled[&c == &columns[0] ? 0 : 1];
    if (way != nullptr)
      way->steps.push_back(steps::stateShare(stateParts(k, parties), euros(k.state)));
    return k.state;
  });
}

// The petitioner's advance and what follows from it at the end, in one
// column: the fee on the divorce value alone, paid before the petition is
// served (§ 14 Abs. 1, § 9 Abs. 1 FamGKG); at the end the fee on the whole
// value falls half on each spouse.
struct Advance {
  Cents paid;
  std::array<Cents, 3> after;  // by kAfterAdvance
};

Advance advanceOf(const Column& c, const Parties& parties, const FeeRate& rate,
                  std::array<Way*, 4> ways) {
  Advance a{};
  const Cents fee = familyCourtFee(*c.edition, c.values.feeValue(), rate, nullptr);
  const Cents petitionerHalf = half(fee);
  const Cents respondentHalf = fee - petitionerHalf;
  if (!parties.aided(kPetitioner)) {
    const std::uint64_t divorce = static_cast<std::uint64_t>((c.values.divorce.count + 99) / 100);
    Steps* steps = stepsOf(ways[0]);
    const FeeSteps full = feeSteps(*c.edition, divorce, FeeKind::Court);
    a.paid = timesRate(full.fee, rate.tenths);
    if (steps != nullptr) {
      steps->push_back(steps::fee(FeeKind::Court, full, kFamilyCourtTable));
      steps->push_back(steps::advance(tenths(rate.tenths), euros(full.fee), euros(a.paid)));
    }
  }
  const Cents beyond = std::max(a.paid - petitionerHalf, Cents{});
  const Cents short_ = std::max(petitionerHalf - a.paid, Cents{});
  a.after = {respondentHalf - beyond, beyond, short_};
  if (Steps* steps = stepsOf(ways[1])) {
    steps->push_back(steps::afterAdvance(
        "Seine Hälfte der Gerichtsgebühr, abzüglich dessen, was der Vorschuss des Antragstellers "
        "darüber hinaus deckt",
        euros(respondentHalf) + " - " + euros(beyond), euros(a.after[0])));
  }
  if (Steps* steps = stepsOf(ways[2])) {
    steps->push_back(steps::afterAdvance(
        "Was der Antragsteller über seine Hälfte der Gerichtsgebühr hinaus vorgeschossen hat",
        euros(a.paid) + " - " + euros(petitionerHalf) + ", nicht weniger als 0", euros(beyond)));
  }
  if (Steps* steps = stepsOf(ways[3])) {
    steps->push_back(steps::afterAdvance(
        "Was an seiner Hälfte der Gerichtsgebühr fehlt",
        euros(petitionerHalf) + " - " + euros(a.paid) + ", nicht weniger als 0", euros(short_)));
  }
  return a;
}

// The rows of the advance: the advance of a petitioner without legal aid,
// and what the spouses without it pay at the end.
void addAdvanceRows(Figures& figures, const std::array<Column, 2>& columns, const Parties& parties,
                    const FeeRate& rate) {
  std::array<Recorded<Way>, 4> ways = {
      Recorded<Way>(figures.withWays), Recorded<Way>(figures.withWays),
      Recorded<Way>(figures.withWays), Recorded<Way>(figures.withWays)};
  std::array<Advance, 2> advances{};
  for (std::size_t s = 0; s < 2; ++s) {
    advances[s] =
        advanceOf(columns[s], parties, rate, {ways[0][s], ways[1][s], ways[2][s], ways[3][s]});
  }
  const std::uint64_t basis = columns[1].values.feeValue();
  const bool petitioner = !parties.aided(kPetitioner);
  const bool respondent = !parties.aided(kRespondent);
  if (petitioner) {
    addRowOf(figures, kAdvance.key, kAdvance.label, advances[0].paid, advances[1].paid, basis, 0,
             ways[0][0], ways[0][1]);
  }
  const std::array<bool, 3> shown = {
      respondent, petitioner && respondent,
      petitioner && (advances[0].after[2].count != 0 || advances[1].after[2].count != 0)};
  for (std::size_t row = 0; row < shown.size(); ++row) {
    if (!shown[row]) continue;
    addRowOf(figures, kAfterAdvance[row].key, kAfterAdvance[row].label, advances[0].after[row],
             advances[1].after[row], basis, 0, ways[row + 1][0], ways[row + 1][1]);
  }
}

// The withdrawn petition: its court fee and bills, all borne by the
// petitioner (§ 150 Abs. 2 FamFG).
void addWithdrawal(Figures& figures, const std::array<Column, 2>& columns, const Parties& parties,
                   const EndingRows& ending) {
  addHeading(figures, 2, ending.heading, ending.key);
  const BlockRows rows = blockRows(ending.rates.sides[kPetitioner]);
  addFeeRows(figures, columns, parties, rows);
  const ShareWon lostAll = {0, 1, -1};
  std::array<AidedSplit, 2> aided{};
  std::array<Split, 2> split{};
  for (std::size_t s = 0; s < 2; ++s) {
    const Ledger ledger = ledgerOf(columns[s], parties, kWithdrawal, rows.rates);
    if (parties.anyAid()) {
      aided[s] = splitWithAid(ledger, toBear(kWithdrawal), parties, lostAll);
    } else {
      split[s] = zeb::split(ledger, toBear(kWithdrawal), parties, lostAll);
    }
  }
  const std::uint64_t basis = columns[1].values.feeValue();
  for (const std::size_t side : {kPetitioner, kRespondent}) {
    addComputed(figures, kTotalRows[side], basis, columns, [&](const Column& c, Way* way) {
      const std::size_t s = &c == &columns[0] ? 0 : 1;
      const Cents total = parties.anyAid() ? aided[s].borne[side] : split[s].part[side];
      if (way != nullptr) {
        way->steps.push_back(std::string(ending.rates.bearRule) + ": " + euros(total));
      }
      return total;
    });
  }
  if (!parties.anyAid()) return;
  addComputed(figures, kStateTotal, basis, columns, [&](const Column& c, Way* way) {
    const AidedSplit& a = aided[&c == &columns[0] ? 0 : 1];
    if (way != nullptr)
      way->steps.push_back(steps::stateShare("Verfahrenskostenhilfe", euros(a.state)));
    return a.state;
  });
}

}  // namespace

void addDivorceReport(Figures& figures, const ReportOptions& options) {
  const Proceeding& proceeding = proceedingOf(Court::Family);
  const Instance& decree = proceeding.instances.front();
  figures.valueName = "Verfahrenswert";
  // Known before the first row, which a sink writes at once.
  figures.amount = static_cast<std::int64_t>(
      divorceValues(*proceeding.divorce, options.divorce, editionOf(options.reform, Schedule::New))
          .feeValue());
  addHeading(figures, 1, decree.heading, decree.key);
  const std::array<Column, 2> columns = addValueRows(figures, options, *proceeding.divorce);
  const Parties parties = partiesOf(options);
  const bool withdrawal = options.shows(Ending::Withdrawal);
  if (withdrawal) addHeading(figures, 2, kDecreeHeading, kJudgmentKey);
  addFeeRows(figures, columns, parties, decree.judgement);
  addCancelledRows(figures, columns, parties, decree.judgement.rates);
  addAdvanceRows(figures, columns, parties, decree.judgement.rates.court);
  if (withdrawal) addWithdrawal(figures, columns, parties, proceeding.endings.front());
}

}  // namespace zeb
