// The judgment procedure before the labour courts (Arbeitsgericht,
// Landesarbeitsgericht, Bundesarbeitsgericht): KV GKG Teil 8, VV RVG Teil
// 3 unchanged, and § 12a ArbGG.
#include "case/proceeding.h"
#include "case/rvg_rates.h"
#include "case/zpo_endings.h"

namespace zeb {
namespace {

using namespace rvg;

constexpr const char* kWithAppeal = "Gesamtkosten mit Berufung";

constexpr Label heading(const char* text) { return {text, text}; }

// A settlement that ends the whole instance leaves no court fee (Vorbem. 8
// KV GKG); the first instance ended without a contested hearing neither
// (KV GKG Nr. 8210 Anm. Abs. 2).
constexpr const char* kSettled =
    "ein gerichtlicher Vergleich, der die Instanz beendet, lässt ihre Gebühr entfallen (Vorbem. 8 "
    "KV GKG)";
constexpr const char* kNoContestedHearing =
    "das Verfahren endet ohne streitige Verhandlung (KV GKG Nr. 8210 Anm. Abs. 2)";

// The rates in tenths: court fees of KV GKG Teil 8, lawyer fees of VV RVG.
// At the Bundesarbeitsgericht no lawyer is admitted only there: Nr. 3206.
// clang-format off
constexpr Instance kInstances[] = {
    {InstanceSection::FirstInstance, "first_instance",
     heading("Erstinstanzliches Verfahren vor dem Arbeitsgericht"), "erste Instanz",
     blockRows({{20, 8210, ""}, {kProcedure1, kHearing1, kNone}}),
     blockRows({{0, 8210, kSettled}, {kProcedure1, kHearing1, kSettlement1}}),
     {TotalsField::WithAppeal, nullptr}, false},
    {InstanceSection::Appeal, "appeal",
     heading("Berufungsverfahren vor dem Landesarbeitsgericht"), "Berufung",
     blockRows({{32, 8220, ""}, {kProcedure2, kHearing2, kNone}}),
     blockRows({{0, 8220, kSettled}, {kProcedure2, kHearing2, kSettlement23}}),
     {TotalsField::WithAppeal, "Prozesskosten erste Instanz"}, true},
    {InstanceSection::Revision, "revision",
     heading("Revisionsverfahren vor dem Bundesarbeitsgericht"), "Revision",
     blockRows({{40, 8230, ""}, {kProcedure3, kHearing3, kNone}}),
     blockRows({{0, 8230, kSettled}, {kProcedure3, kHearing3, kSettlement23}}),
     {TotalsField::WithRevision, kWithAppeal}, true},
};

// How the first instance may end besides judgement and settlement: the
// withdrawal before the hearing and the acknowledgement judgement in the
// conciliation hearing (§ 54 ArbGG) cost no court fee, a default judgement
// keeps the 2,0 (KV GKG Nr. 8210 Anm. Abs. 2).
constexpr BlockRates kEndedEarly = {{0, 8210, kNoContestedHearing}, {kProcedure1, kNone, kNone}};
constexpr BlockRates kAcknowledged = {{0, 8210, kNoContestedHearing}, {kProcedure1, kHearing1, kNone}};
constexpr BlockRates kInDefault = {{20, 8210, ""}, {kProcedure1, kDefaultHearing, kNone}};
constexpr EndingRows kEndingRows[] = {
    zpo::withdrawal(kEndedEarly),
    zpo::acknowledgement({"Verfahren mit Anerkenntnisurteil in der G\201teverhandlung",
                          "Verfahren mit Anerkenntnisurteil in der G&uuml;teverhandlung"},
                         kAcknowledged),
    zpo::defaultJudgment(kInDefault),
};

// An appeal withdrawn before its grounds: the court fee 0,8 (KV GKG Nr.
// 8221); the lawyers as before the civil courts; the appellant bears the
// costs.
constexpr BlockRates kAppealFiled = {{8, 8221, ""}, {kProcedure2, kNone, kNone}};
constexpr BlockRates kAnswered = {{8, 8221, ""}, {rvg::kAppealAnswered, kNone, kNone}};
// clang-format on

}  // namespace

// The description, constant before any code runs.
extern constinit const Proceeding kLabourCourts;
constinit const Proceeding kLabourCourts = {
    Court::Labour,
    kInstances,
    kEndingRows,
    zpo::appealWithdrawn(kAppealFiled, kAnswered),
    courtFeesLabel(kAppealFiled.court.tenths),
    // The Mahnbescheid costs no court fee; the application for the
    // enforcement order 0,4, at least the edition's minimum (KV GKG Nr.
    // 8100). After an objection none is applied for: the lawsuit that
    // follows has no fee of the payment order to credit.
    {{4, 8100, ""},
     &Edition::labourPaymentOrderMinimum,
     false,
     courtFeesLabel(4, " 1)", " <sup><a href=\"#Mindest\">1</a></sup>"),
     {"Keine Gerichtsgeb\201hr (Mahnbescheid, Widerspruch):",
      "Keine Gerichtsgeb&uuml;hr (Mahnbescheid, Widerspruch):"},
     "Der Mahnbescheid kostet keine Gerichtsgebühr; nach dem Widerspruch wird kein "
     "Vollstreckungsbescheid beantragt, dessen Gebühr (KV GKG Nr. 8100) anfiele"},
    // No one advances court fees before the labour courts (§ 11 GKG).
    false,
    {{"Nicht erstattet (\365 12a ArbGG), Kl\204ger tr\204gt:",
      "Anwaltskosten, nicht erstattet (&sect; 12a ArbGG): der Kl&auml;ger tr&auml;gt selbst:"},
     {"Nicht erstattet (\365 12a ArbGG), Beklagter tr\204gt:",
      "Anwaltskosten, nicht erstattet (&sect; 12a ArbGG): der Beklagte tr&auml;gt selbst:"}},
    "§ 12a Abs. 1 Satz 1 ArbGG",
};

}  // namespace zeb
