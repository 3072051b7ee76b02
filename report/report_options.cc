#include "report/report_options.h"

namespace zeb {

Settings& settings() {
  static Settings current;
  return current;
}

}  // namespace zeb
