// Our MD5 against OpenSSL's, on 64-byte and 1 MiB inputs, in the same run; prints our
// throughput as a ratio of OpenSSL's.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "input/md5.h"

namespace {

std::vector<unsigned char> Input(std::size_t size) {
  std::vector<unsigned char> data(size);
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<unsigned char>(i * 131 + 7);
  return data;
}

void Ours(benchmark::State& state) {
  const auto data = Input(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark library's loop
    trx::input::Md5State s;
    trx::input::Md5Start(s);
    trx::input::Md5Add(s, data.data(), data.size());
    benchmark::DoNotOptimize(trx::input::Md5Finish(s));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void OpenSsl(benchmark::State& state) {
  const auto data = Input(static_cast<std::size_t>(state.range(0)));
  EVP_MD_CTX* ctx = EVP_MD_CTX_new();
  const EVP_MD* md5 = EVP_md5();
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark library's loop
    EVP_DigestInit_ex(ctx, md5, nullptr);
    EVP_DigestUpdate(ctx, data.data(), data.size());
    EVP_DigestFinal_ex(ctx, digest, &size);
    benchmark::DoNotOptimize(digest);
  }
  EVP_MD_CTX_free(ctx);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

BENCHMARK(Ours)->Arg(64)->Arg(1 << 20);
BENCHMARK(OpenSsl)->Arg(64)->Arg(1 << 20);

// Keeps each run's throughput so that the ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto it = run.counters.find("bytes_per_second");
      if (it != run.counters.end()) throughput[run.benchmark_name()] = it->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> throughput;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const char* size : {"64", "1048576"}) {
    const double ours = reporter.throughput["Ours/" + std::string(size)];
    const double theirs = reporter.throughput["OpenSsl/" + std::string(size)];
    if (ours > 0 && theirs > 0)
      std::printf("MD5 on %s bytes: ours %.0f MiB/s, OpenSSL %.0f MiB/s, ratio %.2f (goal: at least 0.80)\n", size,
                  ours / 1048576.0, theirs / 1048576.0, ours / theirs);
  }
  return 0;
}
