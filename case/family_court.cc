// The divorce with its attached matters before the family court: one
// proceeding, one court fee of 2,0 (KV FamGKG Nr. 1110) and for each lawyer
// one matter (§ 16 Nr. 4 RVG) on the sum of the values (§ 44 Abs. 1
// FamGKG); the costs cancelled against each other (§ 150 Abs. 1 FamFG);
// the petitioner advances the fee (§ 14 Abs. 1 FamGKG).
#include "case/proceeding.h"
#include "case/rvg_rates.h"

namespace zeb {
namespace {

using namespace rvg;

// The lawyers earn 1,3 + 1,2 (VV RVG Nr. 3100, 3104); the divorce itself
// no settlement fee (Nr. 1000 Anm. Abs. 5), and this program computes no
// settlement of an attached matter.
// clang-format off
constexpr BlockRates kDecree = {{20, 1110, ""}, {kProcedure1, kHearing1, kNone}};
constexpr Instance kInstances[] = {
    {InstanceSection::FirstInstance, "divorce",
     {"Scheidung mit Folgesachen vor dem Familiengericht", "Scheidung mit Folgesachen vor dem Familiengericht"},
     "Scheidung", blockRows(kDecree), blockRows(kDecree), {TotalsField::WithAppeal, nullptr}, false},
};

// The petition withdrawn before the end of the hearing: the court fee 0,5
// (KV FamGKG Nr. 1111), each lawyer his procedure fee; the petitioner bears
// the costs (§ 150 Abs. 2 FamFG).
constexpr BlockRates kWithdrawn = {{5, 1111, ""}, {kProcedure1, kNone, kNone}};
constexpr EndingRows kEndingRows[] = {
    endingRows(Ending::Withdrawal, "withdrawal",
               {"Scheidungsantrag zur\201ckgenommen", "Scheidungsantrag zur&uuml;ckgenommen"},
               {{kWithdrawn, kWithdrawn}, true, 0,
                "Nach der Rücknahme des Scheidungsantrags trägt der Antragsteller die Kosten (§ 150 Abs. 2 FamFG)"}),
};

// § 43, § 50 Abs. 1, § 44 Abs. 2 FamGKG; as court practice 250 euros a
// month for each child, 5 % of the net assets above 60.000 euros a spouse
// and 30.000 a child.
constexpr DivorceValues kValues = {3, {3'000'00}, {1'000'000'00}, 10, {1'000'00}, 20,
                                   &Edition::attachedMatterMost, {250'00}, 5, {60'000'00},
                                   {30'000'00}};
// clang-format on

}  // namespace

// The description, constant before any code runs; no payment order, no
// appeal computed.
extern constinit const Proceeding kFamilyCourt;
constinit const Proceeding kFamilyCourt = {
    Court::Family,
    kInstances,
    kEndingRows,
    {},
    courtFeesLabel(0),
    {{0, 0, ""}, nullptr, false, courtFeesLabel(0), {}, nullptr},
    true,
    {},
    nullptr,
    CostRule::Cancelled,
    &kValues,
};

}  // namespace zeb
