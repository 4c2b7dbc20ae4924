// The recorder's timeline: one frame of an hour of samples, drawn whole into a 1200x800 picture on the
// offscreen platform. An hour of the inputs and outputs at a sample a millisecond (past what the line gives:
// the inputs alone reach about 770 a second at 115200 baud), and an hour of every signal of four axes at
// 100 a second (the whole set reaches about 100 a second). Build with -DZOVA_BENCH=ON; see bench/README.md.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cstdio>

#include "app/widgets/timeline.h"

#undef signals  // SignalSet::signals

namespace {

using zova::recorder::Micros;

// Inputs that count up in binary once a sample, outputs that follow with a lag, positions as slow ramps, an
// error report now and then, and a gap of a second every ten minutes.
zova::recorder::Recording Hour(const char* list, Micros interval) {
  zova::recorder::Recording r;
  std::string error;
  if (!zova::recorder::ParseSignalList(list, 4, r.set, error)) std::fprintf(stderr, "%s\n", error.c_str());
  const auto count = static_cast<std::size_t>(std::chrono::hours(1) / interval);
  r.samples.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    zova::recorder::Sample s{.at = interval * static_cast<long long>(i)};
    s.gap = i % (600'000'000 / interval.count()) == 0 && i > 0;
    s.inputs = i;
    s.outputs = i >> 3;
    for (std::size_t a = 0; a < 4; ++a) {
      s.command[a] = static_cast<std::int32_t>((i * (a + 1)) % 200'000);
      s.actual[a] = s.command[a] - 5;
      s.sensors[a] = static_cast<std::uint32_t>((i >> 10) & 7);
    }
    s.errorCode = (i / 50'000) % 7 == 0 ? 96 : 0;
    r.samples.push_back(s);
  }
  return r;
}

void Frame(benchmark::State& state, const char* list, Micros interval) {
  zova::app::Timeline timeline;
  timeline.resize(1200, 800);
  timeline.showRecording(Hour(list, interval));
  QImage image(timeline.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    timeline.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["samples"] = static_cast<double>(timeline.data().size());
}

void HourOfInputsAndOutputsAt1kHz(benchmark::State& state) { Frame(state, "in,out", std::chrono::milliseconds(1)); }
BENCHMARK(HourOfInputsAndOutputsAt1kHz)->Unit(benchmark::kMillisecond);

void HourOfEverySignalAt100Hz(benchmark::State& state) {
  Frame(state, "in,out,sensors,positions,error", std::chrono::milliseconds(10));
}
BENCHMARK(HourOfEverySignalAt100Hz)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
