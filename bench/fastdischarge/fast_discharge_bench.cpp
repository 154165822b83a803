// The fast discharge's processor load: 1, 2 and 4 CPU workers on the
// program's own worker-thread service, each running until its end check
// sees the time is up. The figure that matters is the "load" counter, the
// processor seconds the workers burn per wall-clock second: it should grow
// with the workers up to the number of cores.
#include <benchmark/benchmark.h>
#include <time.h>

#include <thread>
#include <vector>

#include "fastdischarge/load_workers.h"
#include "platform/linux_threads/posix_worker_threads.h"

namespace {

using namespace voltaro;

constexpr double kRunSeconds = 2.0;

double processCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double wallSeconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void cpuLoad(benchmark::State& state) {
  const int workers = static_cast<int>(state.range(0));
  platform::linux_threads::PosixWorkerThreads threads;
  fastdischarge::WorkerFlags flags;
  double cpu = 0;
  double wall = 0;
  std::uint64_t rounds = 0;
  for (auto _ : state) {
    flags.running.store(true);
    flags.onPower.store(false);
    for (auto& flag : flags.keepRunning) flag.store(true);
    std::vector<std::uint64_t> counts(static_cast<std::size_t>(workers));
    const double cpuBefore = processCpuSeconds();
    const double wallBefore = wallSeconds();
    std::vector<std::thread> pool;
    for (int k = 1; k <= workers; ++k) {
      pool.emplace_back([&, k] {
        counts[static_cast<std::size_t>(k - 1)] =
            fastdischarge::runCpuWorker(k, flags, threads, kRunSeconds / kSecondsPerDay);
      });
    }
    for (auto& t : pool) t.join();
    cpu += processCpuSeconds() - cpuBefore;
    wall += wallSeconds() - wallBefore;
    for (auto c : counts) rounds += c;
  }
  state.counters["load"] = cpu / wall;  // processor seconds per wall second
  state.counters["rounds_per_s"] = static_cast<double>(rounds) / wall;
}

BENCHMARK(cpuLoad)->Arg(1)->Arg(2)->Arg(4)->Iterations(1)->UseRealTime()->Unit(
    benchmark::kMillisecond);

}  // namespace
