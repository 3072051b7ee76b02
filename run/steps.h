// The steps of the cost arithmetic as German lines (UTF-8, amounts in
// euros), each naming the rule it applies. The operations that compute a
// value write them from the numbers they computed; amounts come as they
// are shown ("1.078,44 €").
#pragma once
#include <string>

#include "fees/fee_schedule.h"
#include "run/reckoning.h"

namespace zeb::steps {

// "Streitwert: 5.000,00 €".
std::string amount(const std::string& value);

// "Streitwert über 30.000.000 €, höchstens ... (§ 39 Abs. 2 GKG; § 22 Abs. 2
// RVG): 30.000.000,00 €".
std::string cappedAmount(const std::string& value);

// A full fee from its table: "Gerichtsgebühr (§ 34 GKG, Anlage 2): bis
// 2.000 € 103,00 €, dazu 3 angefangene 1.000 € zu je 22,50 € = 170,50 €".
std::string fee(FeeKind kind, const FeeSteps& steps);

// The fee of the report of 2013 after its 32-bit arithmetic, where that
// changed it.
std::string feeIn32Bits(const std::string& value);

// "0,5 Gebühr (KV GKG Nr. 1100) × 170,50 € = 85,25 €, mindestens 38,00 €:
// 85,25 €".
std::string paymentOrder(const std::string& fee, const std::string& half,
                         const std::string& minimum, const std::string& value);

// "3,0 Gebühren (KV GKG Nr. 1210) × 170,50 € = 511,50 €".
std::string courtFees(const FeeRate& rate, const std::string& fee, const std::string& value);

// "Verfahrensgebühr 1,3 (VV RVG Nr. 3100) + Terminsgebühr 1,2 (Nr. 3104) =
// 2,5 × 354,50 € = 886,25 €".
std::string lawyerFees(const BlockRates& rates, const std::string& fee, const std::string& value);

// "Auslagenpauschale 20 % von 886,25 € = 177,25 €, höchstens 20,00 € (Nr.
// 7002): 20,00 €".
std::string expenses(int percent, const std::string& limit, const std::string& lawyer,
                     const std::string& share, const std::string& value);

// "Umsatzsteuer 19 % von 906,25 € (Nr. 7008) = 172,19 €".
std::string vat(int percent, const std::string& base, const std::string& value);

// The report of 2013, which adds its VAT by a factor: "Umsatzsteuer 16 %
// (Nr. 7008): (757,50 € + 20,00 €) × 1,16 = 901,90 €".
std::string withVat(int percent, const std::string& lawyer, const std::string& expenses,
                    const std::string& value);

// "= 1.078,44 €".
std::string sum(const std::string& value);

// "Gerichtskosten 511,50 € + 2 × Anwaltskosten 1.078,44 € = 2.668,38 €".
std::string processCosts(const std::string& court, const std::string& gross,
                         const std::string& value);

// "Hälfte der Prozesskosten 3.171,08 € = 1.585,54 €".
std::string halfShare(const std::string& process, const std::string& value);

// "Prozesskosten erste Instanz 2.668,38 €", or with a sum it is added to:
// "Gesamtkosten mit Berufung 5.760,36 € + Prozesskosten Revision 3.515,60 €
// = 9.275,96 €".
std::string total(const char* baseName, const std::string* base, const char* name,
                  const std::string& process, const std::string& value);

// Where single precision moved a cent of the report of 2013: "Einfache
// Genauigkeit: genau gerechnet 17.197,30 €, gedruckt 17.197,29 €".
std::string singlePrecision(const std::string& exact, const std::string& shown);

}  // namespace zeb::steps
