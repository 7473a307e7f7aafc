#include "about/HintCodes.h"

#include <cstring>

namespace {

const char kHintCode[] = "7485";
const char kSecretDoorCode[] = "3907";
static_assert(sizeof kHintCode == kCodeLength + 1 && sizeof kSecretDoorCode == kCodeLength + 1,
              "both codes are four characters");

const char kSureHint[] = "Сигурен съм, че е (%c)";
const char kCautiousHint[] = "Най-вероятно е (%c)";

constexpr char kNoLetter = '?';
constexpr int kLetterBase = 64;  // answer 1 is 'A'

}  // namespace

const char kHintCaption[] = "Hello My Master";
const char kSecretDoorText[] = "Очаквам заповедите Ви!";
const char kSecretDoorCaption[] = "Тайната врата!";

char HintLetter(const CTriviaGame& game) {
    if (game.m_nCurrent < 0 || game.m_nCurrent >= kRoundLength) {
        return kNoLetter;
    }
    return static_cast<char>(game.m_round[game.m_nCurrent].nCorrect + kLetterBase);
}

CString HintSentence(const CTriviaGame& game, AboutOpener opener) {
    CString sentence;
    sentence.Format(opener == AboutOpener::Menu ? kSureHint : kCautiousHint, HintLetter(game));
    return sentence;
}

CodeVerdict JudgeTypedCode(const char* typed) {
    if (std::strcmp(typed, kHintCode) == 0) {
        return CodeVerdict::ShowHint;
    }
    if (std::strlen(typed) > kCodeLength) {
        return CodeVerdict::Clear;
    }
    return CodeVerdict::Keep;
}

bool OpensSecretDoor(AboutOpener opener, const char* typed) {
    return opener == AboutOpener::WindowMenu && std::strcmp(typed, kSecretDoorCode) == 0;
}
