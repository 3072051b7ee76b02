// The maker of this program, as the banner and the HTML document name it.
#pragma once

namespace zeb {

// The maker's name: the HTML title and the author and keywords meta tags.
inline constexpr char kMakerName[] = "ZEB-Projekt";

// The maker's notice: line 4 of the banner and the HTML title block.
inline constexpr char kMakerNotice[] = "ZEB-Projekt 2026";
static_assert(sizeof kMakerNotice - 1 == 16, "the banner frames a notice of exactly 16 characters");

// The program version (from the build, which has its one source) and the
// release date.
inline constexpr char kVersion[] = ZEB_VERSION;
inline constexpr char kReleaseDate[] = "13.06.2020";

}  // namespace zeb
