#include <cstdio>

#include "run/batch.h"
#include "run/zeb.h"

int main(int argc, char** argv) {
  // A report is written whole, in a few large writes, on every platform and
  // to every kind of file; Windows' C library would otherwise write to a
  // console or a device byte by byte.
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  if (zeb::isBatch(argc, argv)) return zeb::runBatch(argc, argv, stdin, stdout, stderr);
  return zeb::runZeb(argc, argv, stdout, stderr);
}
