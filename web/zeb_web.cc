// The engine of the web page: runs the program on an argument vector and
// hands what it wrote to the page. Standard output and standard error are
// memory streams: the bytes (code page 850 text, or the ASCII HTML
// document) reach the page unchanged.
#include "web/zeb_web.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "report/figures_json.h"
#include "run/zeb.h"

namespace {

// The argument vector with the invocation name in front.
std::vector<const char*> withName(int count, const char* const* arguments) {
  std::vector<const char*> vector{"zeb"};
  vector.insert(vector.end(), arguments, arguments + count);
  vector.push_back(nullptr);
  return vector;
}

}  // namespace

extern "C" {

int zebRun(int count, const char* const* arguments, ZebOutput* output) {
  *output = ZebOutput{};
  const std::vector<const char*> vector = withName(count, arguments);
  std::FILE* out = open_memstream(&output->bytes[0], &output->size[0]);
  std::FILE* err = open_memstream(&output->bytes[1], &output->size[1]);
  int status = -1;
  if (out != nullptr && err != nullptr) status = zeb::runZeb(count + 1, vector.data(), out, err);
  if (out != nullptr) std::fclose(out);
  if (err != nullptr) std::fclose(err);
  return status;
}

int zebFigures(int count, const char* const* arguments, int ways, ZebOutput* output) {
  *output = ZebOutput{};
  const std::vector<const char*> vector = withName(count, arguments);
  const zeb::Figures figures = zeb::runZebFigures(count + 1, vector.data(), ways != 0);
  const zeb::Buffer json = zeb::figuresJson(figures);
  output->bytes[0] = static_cast<char*>(std::malloc(json.size()));
  if (output->bytes[0] == nullptr) return -1;
  std::memcpy(output->bytes[0], json.view().data(), json.size());
  output->size[0] = json.size();
  return figures.status;
}
}
