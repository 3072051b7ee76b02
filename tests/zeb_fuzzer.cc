// libFuzzer target: the whole program, driven with argument vectors made
// from the fuzz input (arguments separated by NUL bytes), its output sent to
// /dev/null, and the same run for its figures; then the input as a batch's
// claims, to JSON lines and to a table.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "run/batch.h"
#include "run/zeb.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static std::FILE* const sink = std::fopen("/dev/null", "w");
  std::vector<std::string> words(1, "zeb");
  std::string word;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word.push_back(static_cast<char>(data[i]));
    }
  }
  if (size > 0) words.push_back(word);
  std::vector<const char*> arguments;
  arguments.reserve(words.size() + 1);
  for (const std::string& w : words) arguments.push_back(w.c_str());
  arguments.push_back(nullptr);
  zeb::runZeb(static_cast<int>(words.size()), arguments.data(), sink, sink);
  zeb::runZebFigures(static_cast<int>(words.size()), arguments.data());
  // The same bytes as the lines of a batch.
  for (const char* mode : {"-2025", "-csv"}) {
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (in == nullptr) break;
    const char* batch[] = {"zeb", "-stapel", mode, nullptr};
    zeb::runBatch(3, batch, in, sink, sink);
    std::fclose(in);
  }
  return 0;
}
