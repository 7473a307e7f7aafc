#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "engine/TriviaGame.h"
#include "packs/PackReport.h"
#include "packs/QuestionPack.h"

// Every heap allocation of the process passes here, so each benchmark can report its own, and
// what is held on the heap at any moment.
namespace {
std::atomic<long> g_allocations{0};
std::atomic<long> g_heldBytes{0};
}  // namespace

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        g_heldBytes += static_cast<long>(malloc_usable_size(block));
        return block;
    }
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    g_heldBytes -= static_cast<long>(malloc_usable_size(block));
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
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

// A pack of a teacher's size: 10,000 questions in UTF-8, about a megabyte.
constexpr int kPackQuestions = 10'000;

std::string TenThousandQuestions() {
    std::string pack;
    for (int i = 0; i < kPackQuestions; ++i) {
        const std::string n = std::to_string(i);
        pack += u8"Колко тежи кошница номер " + n + "?\nA) " + n + u8" кг\nB) " + n + u8"0 кг\nC) " + n + u8" г\nD) " +
                n + u8"0 г\nANSWER: " + "ABCD"[i % 4] + "\n\n";
    }
    return pack;
}

const std::string& PackText() {
    static const std::string text = TenThousandQuestions();
    return text;
}

// What the checker does for a file: read it as a pack and write out its report.
void PackCheck(benchmark::State& state) {
    for (auto _ : state) {
        const QuestionPack pack = QuestionPack::Read(PackText());
        std::string report = SummaryLine("pack.txt", pack);
        for (const PackProblem& problem : pack.Problems()) {
            report += ProblemLine("pack.txt", problem);
        }
        benchmark::DoNotOptimize(report);
    }
    state.SetBytesProcessed(static_cast<long>(state.iterations() * PackText().size()));
    state.counters["bytes"] = static_cast<double>(PackText().size());
}
BENCHMARK(PackCheck)->Unit(benchmark::kMillisecond);

// The floor of reading a file: a look at each of its bytes, as counting its lines takes.
void PackCheckFloor(benchmark::State& state) {
    for (auto _ : state) {
        const std::string& text = PackText();
        long lines = 0;
        for (const char* at = text.data();
             (at = static_cast<const char*>(std::memchr(at, '\n', text.data() + text.size() - at))) != nullptr; ++at) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<long>(state.iterations() * PackText().size()));
}
BENCHMARK(PackCheckFloor)->Unit(benchmark::kMillisecond);

// A level start from a level of 10,000 questions, beside a level of the game's own above.
void PackLevelStart(benchmark::State& state) {
    const QuestionPack pack = QuestionPack::Read(PackText());
    SilentGame game;
    game.PlayPack(&pack);
    game.OnGameEasy();
    const long before = g_allocations;
    for (auto _ : state) {
        game.OnGameEasy();
        benchmark::ClobberMemory();
    }
    ReportAllocations(state, before);
}
BENCHMARK(PackLevelStart)->Name("LevelStart/Pack10000");

// What a pack of 10,000 questions holds once it is read, on the heap as the allocator counts it.
void PackHeld(benchmark::State& state) {
    long held = 0;
    for (auto _ : state) {
        const long before = g_heldBytes;
        const QuestionPack* pack = new QuestionPack(QuestionPack::Read(PackText()));
        held = g_heldBytes - before;
        benchmark::DoNotOptimize(pack);
        delete pack;
    }
    state.counters["held_bytes"] = static_cast<double>(held);
    state.counters["file_bytes"] = static_cast<double>(PackText().size());
}
BENCHMARK(PackHeld)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
