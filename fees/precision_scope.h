// The floating-point settings the printed cents rely on, held for the length
// of a run whatever the process inherited.
#pragma once
#include <array>
#include <cstdint>

#include "fees/extended.h"

namespace zeb {

// While an object of this type lives, the x87 rounds to 64 bits of
// significand, to nearest with ties to even, with every exception masked,
// and SSE rounds to nearest without flushing subnormals to zero. Its
// destructor restores the settings and flags found. Windows starts processes
// at 53-bit precision, and a caller of the library may have changed either
// unit.
// Where the report is computed in the software type it does nothing.
class ExtendedPrecisionScope {
 public:
  ExtendedPrecisionScope();
  ~ExtendedPrecisionScope();
  ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
  ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

 private:
#ifdef ZEB_HARDWARE_EXTENDED
  std::array<std::uint8_t, 28> savedX87Environment_{};  // control, status and tag words
  std::uint32_t savedSseControl_ = 0;
#endif
};

#ifdef ZEB_HARDWARE_EXTENDED
// The x87 control word: precision in bits 8-9, rounding in bits 10-11.
std::uint16_t x87ControlWord();
void setX87ControlWord(std::uint16_t word);

// 64-bit significand, round to nearest, all six exceptions masked.
inline constexpr std::uint16_t kX87Extended = 0x037F;
// The same at 53-bit precision, as Windows and MinGW's CRT_fp8.o set it.
inline constexpr std::uint16_t kX87Double = 0x027F;
#endif

}  // namespace zeb
