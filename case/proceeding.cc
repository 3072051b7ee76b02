#include "case/proceeding.h"

namespace zeb {

// Each kind of proceeding is described in a file of its own.
extern constinit const Proceeding kCivilLawsuit;
extern constinit const Proceeding kLabourCourts;

const Proceeding& proceedingOf(Court court) {
  return court == Court::Labour ? kLabourCourts : kCivilLawsuit;
}

}  // namespace zeb
