#include "fees/precision_scope.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

#ifdef ZEB_HARDWARE_EXTENDED

// S(1 + 2^-60 + 2^-60): at 64 bits the sum keeps both small terms and
// rounds up to the float above 1 only when they are counted; at 53 bits
// each addition drops its term.
float sumOfTinyTerms() {
  volatile Extended one = 1;
  volatile Extended tiny = 0x1p-60L;
  return toSingle((one + tiny + tiny) * 0x1p+36L - 0x1p+36L);
}

TEST(ExtendedPrecisionScope, SetsExtendedPrecisionAndRestoresWhatItFound) {
  for (const std::uint16_t inherited : {kX87Double, kX87Extended, std::uint16_t{0x0C7F}}) {
    SCOPED_TRACE(inherited);
    setX87ControlWord(inherited);
    {
      const ExtendedPrecisionScope scope;
      EXPECT_EQ(x87ControlWord(), kX87Extended);
      EXPECT_EQ(sumOfTinyTerms(), 0x1p-23f);
    }
    EXPECT_EQ(x87ControlWord(), inherited);
  }
  setX87ControlWord(kX87Double);
  EXPECT_EQ(sumOfTinyTerms(), 0.0f);
  setX87ControlWord(kX87Extended);
}

#endif

}  // namespace
}  // namespace zeb
