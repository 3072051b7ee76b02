#include "case/proceeding.h"

namespace zeb {

// Each kind of proceeding is described in a file of its own.
extern constinit const Proceeding kCivilLawsuit;
extern constinit const Proceeding kLabourCourts;
extern constinit const Proceeding kFamilyCourt;

const Proceeding& proceedingOf(Court court) {
  switch (court) {
    case Court::Labour:
      return kLabourCourts;
    case Court::Family:
      return kFamilyCourt;
    case Court::Civil:
      break;
  }
  return kCivilLawsuit;
}

}  // namespace zeb
