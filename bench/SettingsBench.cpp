#include "core/Settings.h"
#include "core/SettingsCoding.h"

#include <benchmark/benchmark.h>

namespace quillmere {
namespace {

// The default configuration with `count` bindings in all, the extra ones on made-up chords.
Settings withBindings(std::int64_t count) {
    Settings settings = Settings::default_();
    for (std::int64_t index = static_cast<std::int64_t>(settings.keys.size()); index < count; ++index)
        settings.keys.emplace("ctrl-alt-cmd-f" + std::to_string(index), "space " + std::to_string(index));
    return settings;
}

void decodeDefault(benchmark::State& state) {
    const std::string bytes = *encodeSettings(Settings::default_());
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeSettings(bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(decodeDefault);

void encodeDefault(benchmark::State& state) {
    const Settings& settings = Settings::default_();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeSettings(settings));
}
BENCHMARK(encodeDefault);

void decodeBindings(benchmark::State& state) {
    const std::string bytes = *encodeSettings(withBindings(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeSettings(bytes));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(decodeBindings)->Arg(71)->Arg(284)->Arg(1136)->Arg(4544)->Complexity();

void encodeBindings(benchmark::State& state) {
    const Settings settings = withBindings(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeSettings(settings));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(encodeBindings)->Arg(71)->Arg(284)->Arg(1136)->Arg(4544)->Complexity();

} // namespace
} // namespace quillmere
