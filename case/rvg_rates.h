// The lawyer's fees of VV RVG that the instances of every proceeding
// earn: procedure and hearing fee in each instance, and in a settlement
// its fee. The same in the editions of 2013, 2021 and 2025.
#pragma once
#include "case/proceeding.h"

namespace zeb::rvg {

inline constexpr FeeRate kProcedure1 = {13, 3100, "Verfahrensgebühr"};
inline constexpr FeeRate kHearing1 = {12, 3104, "Terminsgebühr"};
// The hearing fee of a default judgement in the written preliminary
// procedure (Nr. 3105 Anm. Abs. 1 Nr. 2).
inline constexpr FeeRate kDefaultHearing = {5, 3105, "Terminsgebühr"};
inline constexpr FeeRate kProcedure2 = {16, 3200, "Verfahrensgebühr"};
// The respondent's lawyer of an appeal withdrawn before its grounds (Nr.
// 3201 Anm. Abs. 1 Nr. 1).
inline constexpr FeeRate kAppealAnswered = {11, 3201, "Verfahrensgebühr"};
inline constexpr FeeRate kHearing2 = {12, 3202, "Terminsgebühr"};
inline constexpr FeeRate kProcedure3 = {16, 3206, "Verfahrensgebühr"};
// Before the Bundesgerichtshof, a lawyer admitted there.
inline constexpr FeeRate kProcedureBgh = {23, 3208, "Verfahrensgebühr"};
inline constexpr FeeRate kHearing3 = {15, 3210, "Terminsgebühr"};
inline constexpr FeeRate kSettlement1 = {10, 1003, "Einigungsgebühr"};
inline constexpr FeeRate kSettlement23 = {13, 1004, "Einigungsgebühr"};
inline constexpr FeeRate kNone = {0, 0, ""};

}  // namespace zeb::rvg
