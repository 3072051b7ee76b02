// Benchmarks of the hot path: the fee schedules, and a whole report rendered
// into a memory stream.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "fees/fee_schedule.h"
#include "run/zeb.h"

namespace {

void feeSchedules(benchmark::State& state) {
  std::uint64_t amount = 0;
  for (auto _ : state) {
    amount = (amount + 7919) % 3'000'000;
    for (zeb::Schedule schedule : {zeb::Schedule::Old, zeb::Schedule::New}) {
      benchmark::DoNotOptimize(zeb::scheduleFee(schedule, amount, zeb::FeeKind::Court));
      benchmark::DoNotOptimize(zeb::scheduleFee(schedule, amount, zeb::FeeKind::Lawyer));
    }
  }
}
BENCHMARK(feeSchedules);

// The report for 5000 euros with the settlement variant, as text or HTML.
void wholeReport(benchmark::State& state) {
  const char* text[] = {"zeb", "5000", "-V", nullptr};
  const char* html[] = {"zeb", "5000", "-V", "-h", nullptr};
  const bool asHtml = state.range(0) != 0;
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* stream = open_memstream(&buffer, &size);
  std::FILE* sink = std::fopen("/dev/null", "w");
  for (auto _ : state) {
    std::rewind(stream);
    zeb::runZeb(asHtml ? 4 : 3, asHtml ? html : text, stream, sink);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(size));
  std::fclose(sink);
  std::fclose(stream);
  std::free(buffer);
}
BENCHMARK(wholeReport)->Arg(0)->Arg(1);

}  // namespace
