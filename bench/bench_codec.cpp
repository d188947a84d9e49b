// Throughput of the block codec against memcpy and zlib on the same blocks, with the ratios
// printed after the run. Run with --benchmark_repetitions=9
// --benchmark_report_aggregates_only=true to get medians.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "../tests/core/pack/block_codec_samples.h"
#include "pack/block_codec.h"

namespace {

using zorna::kBlockSize;
using Bytes = std::vector<uint8_t>;

struct Sample {
  std::string name;
  Bytes block;
};

std::vector<Sample> Samples() {
  Bytes period3(kBlockSize);
  for (size_t i = 0; i < kBlockSize; ++i) period3[i] = "\x12\x80\xF1"[i % 3];
  // A gallery picture is its bitmap file without the first three bytes.
  Bytes gallery = zorna::samples::Bitmap24(64, 64, 5);
  gallery.erase(gallery.begin(), gallery.begin() + 3);
  Bytes picture = zorna::samples::Bitmap24(150, 150, 6);
  picture.resize(kBlockSize);
  return {
      {"random", zorna::samples::Random(kBlockSize, 1)},
      {"one_byte", Bytes(kBlockSize, 0xA5)},
      {"period3", period3},
      {"bitmap150", picture},
      {"bitmap64", gallery},
  };
}

void SetBytes(benchmark::State& state, size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void Encode(benchmark::State& state, const Bytes* block) {
  Bytes payload(kBlockSize);
  zorna::EncodedBlock encoded;
  for (auto _ : state) {
    encoded = zorna::EncodeBlock(*block, payload.data());
    benchmark::DoNotOptimize(payload.data());
  }
  state.counters["size"] = static_cast<double>(encoded.length);
  state.counters["method"] = encoded.method;
  SetBytes(state, block->size());
}

void Decode(benchmark::State& state, const Bytes* block) {
  Bytes payload(kBlockSize), out(kBlockSize);
  const zorna::EncodedBlock encoded = zorna::EncodeBlock(*block, payload.data());
  payload.resize(encoded.length);
  zorna::DecodedBlock decoded;
  for (auto _ : state) {
    decoded = zorna::DecodeBlock(encoded.method, encoded.pair, 0, payload, out.data());
    benchmark::DoNotOptimize(decoded);
    benchmark::DoNotOptimize(out.data());
  }
  out.resize(decoded.length);
  if (out != *block) state.SkipWithError("decoded block differs");
  SetBytes(state, block->size());
}

void Memcpy(benchmark::State& state, const Bytes* block) {
  Bytes out(block->size());
  for (auto _ : state) {
    std::memcpy(out.data(), block->data(), block->size());
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  SetBytes(state, block->size());
}

void ZlibCompress(benchmark::State& state, const Bytes* block, int level) {
  Bytes out(compressBound(block->size()));
  uLongf length = 0;
  for (auto _ : state) {
    length = out.size();
    compress2(out.data(), &length, block->data(), block->size(), level);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["size"] = static_cast<double>(length);
  SetBytes(state, block->size());
}

void ZlibUncompress(benchmark::State& state, const Bytes* block) {
  Bytes packed(compressBound(block->size())), out(block->size());
  uLongf packed_length = packed.size();
  compress2(packed.data(), &packed_length, block->data(), block->size(), 6);
  for (auto _ : state) {
    uLongf length = out.size();
    uncompress(out.data(), &length, packed.data(), packed_length);
    benchmark::DoNotOptimize(out.data());
  }
  if (out != *block) state.SkipWithError("uncompressed block differs");
  SetBytes(state, block->size());
}

// Keeps the median CPU time per iteration of every benchmark for the ratio table; CPU time
// is steadier than wall time on a machine shared with other work.
class MedianCollector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      medians_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Median(const std::string& name) const {
    auto it = medians_.find(name);
    return it == medians_.end() ? 0 : it->second;
  }

 private:
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  static const std::vector<Sample> samples = Samples();
  for (const Sample& s : samples) {
    const Bytes* block = &s.block;
    benchmark::RegisterBenchmark(("EncodeBlock/" + s.name).c_str(), Encode, block);
    benchmark::RegisterBenchmark(("DecodeBlock/" + s.name).c_str(), Decode, block);
    benchmark::RegisterBenchmark(("memcpy/" + s.name).c_str(), Memcpy, block);
    benchmark::RegisterBenchmark(("compress2_1/" + s.name).c_str(), ZlibCompress, block, 1);
    benchmark::RegisterBenchmark(("compress2_6/" + s.name).c_str(), ZlibCompress, block, 6);
    benchmark::RegisterBenchmark(("uncompress/" + s.name).c_str(), ZlibUncompress, block);
  }
  benchmark::Initialize(&argc, argv);
  MedianCollector reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::cout << "\nRatios of median CPU times (above 1: the codec is faster)\n";
  std::cout << "kind        bytes  decode/uncompress  encode/compress2_6  encode/compress2_1"
               "  decode/memcpy\n";
  for (const Sample& s : samples) {
    const double encode = reporter.Median("EncodeBlock/" + s.name);
    const double decode = reporter.Median("DecodeBlock/" + s.name);
    if (encode == 0 || decode == 0) continue;
    char line[200];
    std::snprintf(line, sizeof line, "%-10s %6zu  %17.2f  %18.2f  %18.2f  %13.2f\n", s.name.c_str(),
                  s.block.size(), reporter.Median("uncompress/" + s.name) / decode,
                  reporter.Median("compress2_6/" + s.name) / encode,
                  reporter.Median("compress2_1/" + s.name) / encode,
                  reporter.Median("memcpy/" + s.name) / decode);
    std::cout << line;
  }
  benchmark::Shutdown();
  return 0;
}
