// The search bar on the offscreen platform: one keystroke's search over a tree of 2 000 nodes,
// when the only matching caption is the current category's (so every node is looked at before
// it) and when nothing matches (the text is already in the not-found list); and one rendering of
// typed text onto a full-HD screen picture.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "scratch_program.h"
#include "text/cp1250.h"

namespace {

using zorna::app::TMainZorna;

constexpr int kNodes = 2000;
constexpr int kTarget = 1234;

// Ten top-level groups of 199 categories, with one caption of its own at kTarget.
std::string Tree() {
  std::string text = "GALÉRIA\r\n";
  for (int node = 1; node < kNodes; ++node) {
    const bool group = (node - 1) % 200 == 0;
    text += group ? "\t" : "\t\t";
    text += node == kTarget ? "ŽIRAFY A ZEBRY" : "KATEGÓRIA ČÍSLO " + std::to_string(node);
    text += "\r\n";
  }
  return zorna::Utf8ToCp1250(text);
}

std::unique_ptr<ScratchProgram> the_program;
ScratchProgram& TheProgram() {
  if (!the_program) {
    the_program = std::make_unique<ScratchProgram>(
        "search", Tree(), "1=2\r\n3=2\r\n4=2\r\n10=2\r\n", QSize(1920, 1080), [](const auto&) {});
  }
  return *the_program;
}

// The bar in search mode with the text typed; its first search has run.
TMainZorna& Searching(const QString& text) {
  TMainZorna& m = TheProgram().Main();
  if (PartsOf(m).Edit2->isHidden()) m.SpeedButton13Click(PartsOf(m).SpeedButton13);
  PartsOf(m).Edit2->setText(text);
  return m;
}

void BM_SearchKeystrokeWholeTree(benchmark::State& state) {
  TMainZorna& m = Searching("zebry");
  for (auto _ : state) m.Edit2Change(PartsOf(m).Edit2);
  if (PartsOf(m).Label5->text() != QString::number(kTarget)) state.SkipWithError("not found");
}
BENCHMARK(BM_SearchKeystrokeWholeTree)->Unit(benchmark::kMicrosecond);

void BM_SearchKeystrokeNothingMatches(benchmark::State& state) {
  TMainZorna& m = Searching("nosorožec");
  for (auto _ : state) m.Edit2Change(PartsOf(m).Edit2);
  if (m.NotFoundLines().size() != 1) state.SkipWithError("the miss was not remembered once");
}
BENCHMARK(BM_SearchKeystrokeNothingMatches)->Unit(benchmark::kMicrosecond);

void BM_RenderTypedText(benchmark::State& state) {
  TMainZorna& m = TheProgram().Main();
  if (!PartsOf(m).Edit2->isHidden()) m.SpeedButton13Click(PartsOf(m).SpeedButton13);
  m.SpeedButton14Click(PartsOf(m).SpeedButton14);
  PartsOf(m).Edit2->setText("Zorna robí ikony");
  for (auto _ : state) m.Edit2Change(PartsOf(m).SpeedButton8);
  m.SpeedButton14Click(PartsOf(m).SpeedButton14);
}
BENCHMARK(BM_RenderTypedText)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWindowBenchmarks(argc, argv, [] { the_program.reset(); });
}
