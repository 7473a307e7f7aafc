#pragma once

#include <cstddef>
#include <ctime>

#include "engine/RoundRecord.h"
#include "engine/StartTexts.h"
#include "framework/CString.h"

template <std::size_t N>
struct QuestionPool;
class QuestionPack;
enum class PackLevel;

// GameLevel: which pool the running game came from; 0 while no game runs. 1, 2 and 4 are the
// game's own codes for its three levels; the rules only ever ask whether a game runs, zero or not.
enum GameLevel : int { kNoGame = 0, kEasy = 1, kHard = 2, kLogic = 4 };

constexpr int kNoQuestion = kRoundLength;  // m_nCurrent when no question is pending
constexpr int kHelpUses = 2;               // "-10" per question, "-50" per game
constexpr int kPointsPerAnswer = 10;
constexpr int kRemoveCost = 10;
constexpr int kRevealCost = 50;

enum class BoxIcon { None, Stop };

// The game itself, without a window: the state of the running game, its 25 questions and
// the commands that move it on. The window shows it through the display operations.
class CTriviaGame {
public:
    virtual ~CTriviaGame() = default;

    void CheckAnswer(int nAnswer);
    void OnAnswerA();
    void OnAnswerB();
    void OnAnswerC();
    void OnAnswerD();

    void OnHintRemove();
    void OnHintReveal();

    void OnGameEasy();
    void OnGameHard();
    void OnGameLogic();

    // The questions a player brought: each level the pack can play is drawn from it from the
    // next level start on, the others from their own pools; none plays the pools alone. The
    // pack must outlive its use; the running game keeps its own copies of its questions.
    void PlayPack(const QuestionPack* pPack) { m_pPack = pPack; }
    const QuestionPack* Pack() const { return m_pPack; }

    // What the screen shows when the game starts: the start question at once, the start
    // answers held for the next refresh.
    void ShowStartScreen();

    int m_nLevel = kNoGame;
    int m_nCurrent = kNoQuestion;
    int m_nScore = 0;
    int m_nRemoveLeft = kHelpUses;
    int m_nRevealLeft = kHelpUses;
    int m_nHover = 0;
    RoundRecord m_round[kRoundLength] = {};

    // Held texts: they reach the screen at the next refresh.
    CString m_strAnswer[kAnswerCount];
    CString m_strScore;

    // The answer that "-10" blanked last, 0 = none. It outlives questions and games on purpose:
    // the first "-10" of a later question never blanks the answer number that the last "-10"
    // blanked, unless a "-10" refused for want of uses left has cleared it since.
    static unsigned char s_lastRemoved;

protected:
    // Display operations that show at once.
    virtual void SetQuestionText(const char* text) = 0;
    virtual void SetNumberLabel(const char* text) = 0;
    virtual void SetRankPosition(int position) = 0;
    virtual void Refresh() = 0;
    // A modal box with one OK button; no caption means the application's name.
    virtual void ShowMessageBox(const char* text, const char* caption, BoxIcon icon) = 0;

    // Seconds of the calendar clock that seed a new game.
    virtual std::time_t SeedTime() { return std::time(nullptr); }

private:
    void PresentQuestion(int i);
    void ShowNumber();
    void ShowScore();
    void BlankWrongAnswers();
    void HoldStartAnswers();

    template <std::size_t N>
    void StartLevel(GameLevel level, PackLevel packLevel, const QuestionPool<N>& pool);
    template <std::size_t N>
    void StartPoolLevel(GameLevel level, const QuestionPool<N>& pool);
    void StartPackLevel(GameLevel level, const QuestionPack& pack, PackLevel packLevel);
    void ResetForLevel(GameLevel level);
    void ShowFirstQuestion();

    const QuestionPack* m_pPack = nullptr;
};
