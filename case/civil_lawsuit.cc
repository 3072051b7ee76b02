// The lawsuit before the civil courts (Amts- and Landgericht, OLG, BGH)
// and the administrative courts: KV GKG Teil 1 and VV RVG Teil 3.
#include "case/proceeding.h"
#include "case/rvg_rates.h"
#include "case/zpo_endings.h"

namespace zeb {
namespace {

using namespace rvg;

constexpr const char* kWithAppeal = "Gesamtkosten mit Berufung";

constexpr Label heading(const char* text) { return {text, text}; }

// The rates in tenths: court fees of KV GKG, lawyer fees of VV RVG.
// clang-format off
constexpr Instance kInstances[] = {
    {InstanceSection::FirstInstance, "first_instance",
     heading("Erstinstanzliches Verfahren vor dem Amts- oder Landgericht oder Verwaltungsgericht"),
     "erste Instanz",
     blockRows({{30, 1210, ""}, {kProcedure1, kHearing1, kNone}}),
     blockRows({{10, 1211, ""}, {kProcedure1, kHearing1, kSettlement1}}),
     {TotalsField::WithAppeal, nullptr}, true},
    {InstanceSection::Appeal, "appeal",
     heading("Berufungsverfahren in Zivilsachen oder Klageverfahren vor dem Oberverwaltungsgericht/Verwaltungsgerichtshof oder Finanzgericht"),
     "Berufung",
     blockRows({{40, 1220, ""}, {kProcedure2, kHearing2, kNone}}),
     blockRows({{20, 1222, ""}, {kProcedure2, kHearing2, kSettlement23}}),
     {TotalsField::WithAppeal, "Prozesskosten erste Instanz"}, true},
    {InstanceSection::Revision, "revision",
     heading("Revisionsverfahren (soweit nicht die Vertretung durch einen beim BGH zugelassenen Anwalt vorgeschrieben ist)"),
     "Revision",
     blockRows({{50, 1230, ""}, {kProcedure3, kHearing3, kNone}}),
     blockRows({{30, 1232, ""}, {kProcedure3, kHearing3, kSettlement23}}),
     {TotalsField::WithRevision, kWithAppeal}, true},
    {InstanceSection::BghRevision, "revision_bgh",
     heading("Revisionsverfahren (soweit die Vertretung durch einen beim BGH zugelassenen Anwalt vorgeschrieben ist)"),
     "Revision vor dem BGH",
     blockRows({{50, 1230, ""}, {kProcedureBgh, kHearing3, kNone}}),
     blockRows({{30, 1232, ""}, {kProcedureBgh, kHearing3, kSettlement23}}),
     {TotalsField::WithBghRevision, kWithAppeal}, true},
};

// How the first instance may end besides judgement and settlement (KV GKG
// Nr. 1210, 1211; VV RVG Nr. 3100, 3104, 3105), and who bears its costs.
constexpr BlockRates kEndedEarly = {{10, 1211, ""}, {kProcedure1, kNone, kNone}};
constexpr BlockRates kAcknowledged = {{10, 1211, ""}, {kProcedure1, kHearing1, kNone}};
constexpr BlockRates kInDefault = {{30, 1210, ""}, {kProcedure1, kDefaultHearing, kNone}};
constexpr EndingRows kEndingRows[] = {
    zpo::withdrawal(kEndedEarly),
    zpo::acknowledgement(heading("Verfahren mit Anerkenntnisurteil"), kAcknowledged),
    zpo::defaultJudgment(kInDefault),
};

// An appeal withdrawn before its grounds, by the claimant or by the
// defendant: the court fee 1,0 (KV GKG Nr. 1221), the appellant's lawyer
// his procedure fee 1,6 (VV RVG Nr. 3200), the respondent's 1,1 (Nr. 3201);
// the appellant bears the costs.
constexpr BlockRates kAppealFiled = {{10, 1221, ""}, {kProcedure2, kNone, kNone}};
constexpr BlockRates kAnswered = {{10, 1221, ""}, {rvg::kAppealAnswered, kNone, kNone}};
// clang-format on

}  // namespace

// The description, constant before any code runs.
extern constinit const Proceeding kCivilLawsuit;
constinit const Proceeding kCivilLawsuit = {
    Court::Civil,
    kInstances,
    kEndingRows,
    zpo::appealWithdrawn(kAppealFiled, kAnswered),
    courtFeesLabel(kAppealFiled.court.tenths),
    // The payment order: 0,5 of the court fee, at least the edition's
    // minimum (KV GKG Nr. 1100), owed with the application; "1)" and the
    // link point to the note on the minimum fee.
    {{5, 1100, ""},
     &Edition::paymentOrderMinimum,
     true,
     courtFeesLabel(5, " 1)", " <sup><a href=\"#Mindest\">1</a></sup>"),
     {},
     nullptr},
    true,
    {},
    nullptr,
};

}  // namespace zeb
