#include <cstddef>
#include <cstdint>
#include <string_view>

#include "packs/QuestionPack.h"
#include "tests/SilentGame.h"
#include "tests/fuzz/PackInvariants.h"

// Reads any bytes as a pack, checks what it holds, and starts a game from each level it plays.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QuestionPack pack = QuestionPack::Read(bytes);
    CheckPack(pack, bytes);
    SilentGame game;
    game.PlayPack(&pack);
    const struct {
        PackLevel level;
        void (CTriviaGame::*start)();
    } levels[] = {{PackLevel::Easy, &CTriviaGame::OnGameEasy},
                  {PackLevel::Hard, &CTriviaGame::OnGameHard},
                  {PackLevel::Logic, &CTriviaGame::OnGameLogic}};
    for (const auto& each : levels) {
        if (pack.Plays(each.level)) {
            (game.*each.start)();
            CheckPackRound(game);
        }
    }
    return 0;
}
