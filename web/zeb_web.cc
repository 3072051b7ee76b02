// The engine of the web page: runs the program on an argument vector and
// keeps what it wrote to each stream for the page to read. Standard output
// and standard error are memory streams: the bytes (code page 850 text, or
// the ASCII HTML document) reach the page unchanged.
#include "web/zeb_web.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "run/zeb.h"

namespace {

// The bytes of the last run's two streams: 0 standard output, 1 standard
// error. Each run frees the previous run's.
struct Captured {
  char* bytes = nullptr;
  std::size_t size = 0;
};
Captured captured[2];

}  // namespace

extern "C" {

int zebRun(int count, const char* const* arguments) {
  for (Captured& stream : captured) {
    std::free(stream.bytes);
    stream = Captured{};
  }
  std::vector<const char*> vector{"zeb"};
  vector.insert(vector.end(), arguments, arguments + count);
  vector.push_back(nullptr);
  std::FILE* out = open_memstream(&captured[0].bytes, &captured[0].size);
  std::FILE* err = open_memstream(&captured[1].bytes, &captured[1].size);
  int status = -1;
  if (out != nullptr && err != nullptr) status = zeb::runZeb(count + 1, vector.data(), out, err);
  if (out != nullptr) std::fclose(out);
  if (err != nullptr) std::fclose(err);
  return status;
}

const char* zebOutput(int stream) { return captured[stream == 1 ? 1 : 0].bytes; }
std::size_t zebOutputSize(int stream) { return captured[stream == 1 ? 1 : 0].size; }
}
