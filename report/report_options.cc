#include "report/report_options.h"

namespace zeb {
namespace {

// Every run assigns it afresh; no other object's initialisation reads it.
RunState current;

}  // namespace

RunState& runState() { return current; }

}  // namespace zeb
