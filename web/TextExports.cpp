#include <cstddef>

#include "engine/StartTexts.h"
#include "engine/TriviaGame.h"
#include "questions/QuestionPool.h"

// What the page can read of the game until the play layer drives it: the start texts and the
// pools' questions, each as Windows-1251 bytes ending in a zero, which the page decodes. No text
// is there for an index out of range.

#define MENDO_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

template <std::size_t N>
const char* QuestionOf(const QuestionPool<N>& pool, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? pool.szQuestion[index] : nullptr;
}

}  // namespace

MENDO_EXPORT("start_question") const char* StartQuestion() {
    return kStartQuestion;
}

MENDO_EXPORT("start_answer") const char* StartAnswer(int index) {
    return index >= 0 && index < kAnswerCount ? kStartAnswers[index] : nullptr;
}

// level is the game's own number: 1 Easy, 2 Hard, 4 Logic.
MENDO_EXPORT("pool_question") const char* PoolQuestion(int level, int index) {
    switch (level) {
    case kEasy:
        return QuestionOf(g_easyPool, index);
    case kHard:
        return QuestionOf(g_hardPool, index);
    case kLogic:
        return QuestionOf(g_logicPool, index);
    default:
        return nullptr;
    }
}
