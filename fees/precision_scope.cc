#include "fees/precision_scope.h"

namespace zeb {

#ifdef ZEB_HARDWARE_EXTENDED

std::uint16_t x87ControlWord() {
  std::uint16_t word = 0;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}

void setX87ControlWord(std::uint16_t word) { __asm__ volatile("fldcw %0" : : "m"(word)); }

namespace {

#ifdef __SSE__
// MXCSR: every exception masked, round to nearest, no flush-to-zero, no
// denormals-are-zero. Conversions between integers and float or double run
// there, and so may the formatting of printed values.
constexpr std::uint32_t kSseNearest = 0x1F80;

std::uint32_t sseControl() {
  std::uint32_t word = 0;
  __asm__ volatile("stmxcsr %0" : "=m"(word));
  return word;
}

void setSseControl(std::uint32_t word) { __asm__ volatile("ldmxcsr %0" : : "m"(word)); }
#endif

}  // namespace

ExtendedPrecisionScope::ExtendedPrecisionScope() {
  // The whole environment, so that the flags raised in the run do not reach
  // a caller who unmasked their exceptions.
  __asm__ volatile("fnstenv %0" : "=m"(savedX87Environment_));
  setX87ControlWord(kX87Extended);
#ifdef __SSE__
  savedSseControl_ = sseControl();
  setSseControl(kSseNearest);
#endif
}

ExtendedPrecisionScope::~ExtendedPrecisionScope() {
  __asm__ volatile("fldenv %0" : : "m"(savedX87Environment_));
#ifdef __SSE__
  setSseControl(savedSseControl_);
#endif
}

#else

ExtendedPrecisionScope::ExtendedPrecisionScope() = default;
ExtendedPrecisionScope::~ExtendedPrecisionScope() = default;

#endif

}  // namespace zeb
