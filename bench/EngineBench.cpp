#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/TriviaGame.h"

// Every heap allocation of the process passes here, so each benchmark can report its own.
namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace {

// The window's side reduced to nothing: only the engine's own work is measured.
class SilentGame : public CTriviaGame {
public:
    void AnswerRight() { CheckAnswer(m_round[m_nCurrent].nCorrect); }

protected:
    void SetQuestionText(const char* text) override { benchmark::DoNotOptimize(text); }
    void SetNumberLabel(const char* text) override { benchmark::DoNotOptimize(text); }
    void SetRankPosition(int position) override { benchmark::DoNotOptimize(position); }
    void Refresh() override {}
    void ShowMessageBox(const char*, const char*, BoxIcon) override {}
    std::time_t SeedTime() override { return ++m_seconds; }

private:
    std::time_t m_seconds = 1'000'000;
};

void ReportAllocations(benchmark::State& state, long before) {
    state.counters["allocs/op"] = benchmark::Counter(double(g_allocations - before) / double(state.iterations()));
}

template <void (CTriviaGame::*Start)()>
void LevelStart(benchmark::State& state) {
    SilentGame game;
    (game.*Start)();  // the display strings already hold texts of their size
    const long before = g_allocations;
    for (auto _ : state) {
        (game.*Start)();
        benchmark::ClobberMemory();
    }
    ReportAllocations(state, before);
}
BENCHMARK(LevelStart<&CTriviaGame::OnGameEasy>)->Name("LevelStart/Easy");
BENCHMARK(LevelStart<&CTriviaGame::OnGameHard>)->Name("LevelStart/Hard");
BENCHMARK(LevelStart<&CTriviaGame::OnGameLogic>)->Name("LevelStart/Logic");

void RightAnswer(benchmark::State& state) {
    SilentGame game;
    game.OnGameEasy();
    long allocations = 0;
    for (auto _ : state) {
        if (game.m_nCurrent == kNoQuestion) {
            state.PauseTiming();
            game.OnGameEasy();
            state.ResumeTiming();
        }
        const long before = g_allocations;
        game.AnswerRight();
        allocations += g_allocations - before;
    }
    state.counters["allocs/op"] = benchmark::Counter(double(allocations) / double(state.iterations()));
}
BENCHMARK(RightAnswer);

}  // namespace

BENCHMARK_MAIN();
