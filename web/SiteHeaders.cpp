// What the browser edition's site takes from the game's shared headers: their texts, figures
// and enums, printed as JSON for the site's build. The compiler reads the headers, so the page
// shows what the C++ sees. Built for the machine that builds, with its texts left in UTF-8, as
// the page writes them.

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "engine/StartTexts.h"
#include "engine/TriviaGame.h"
#include "packs/PackFile.h"
#include "packs/QuestionPack.h"
#include "play/Box.h"
#include "play/Key.h"
#include "play/Look.h"
#include "play/Menus.h"
#include "play/Request.h"
#include "play/Target.h"
#include "res/GameKeys.h"
#include "res/WindowTexts.h"
#include "ui/QuestionFont.h"

namespace {

// Each enum the page's scripts share, as a list of its enumerators.
#define MENDO_KEY_NAMES(X) X(Character) X(Enter) X(Escape) X(Backspace) X(Up) X(Down) X(Left) X(Right) X(MenuBar)
#define MENDO_PLACES(X) \
    X(Nothing) X(Marker) X(Remove) X(Reveal) X(MenuTitle) X(Close) X(MenuItem) X(BoxOk) X(Box) X(Link)
#define MENDO_MENU_TITLES(X) X(Window) X(Game) X(About)
#define MENDO_BOX_KINDS(X) X(Message) X(About)
#define MENDO_BOX_ICONS(X) X(None) X(Stop)
#define MENDO_ABOUT_LINKS(X) X(Web) X(Mail)
#define MENDO_REQUEST_KINDS(X) X(OpenAddress) X(Close)
#define MENDO_FILE_FAULTS(X) X(None) X(Missing) X(Folder) X(NotAFile) X(NotAllowed) X(TooLarge) X(Unreadable)

// An enum's name and its enumerators with their numbers, from its list. The switch over the
// enum has no default, so -Werror=switch refuses a list that misses an enumerator, and a name
// that is not one does not compile: the page can neither miss nor misname one.
using Enumerators = std::vector<std::pair<const char*, int>>;
#define MENDO_CASE(name) case Enum::name:
#define MENDO_ENUMERATOR(name) {#name, static_cast<int>(Enum::name)},
#define MENDO_ENUM(Type, LIST)                         \
    std::pair<const char*, Enumerators>(#Type, [] {    \
        using Enum = Type;                             \
        [](Enum value) {                               \
            switch (value) { LIST(MENDO_CASE) break; } \
        };                                             \
        return Enumerators{LIST(MENDO_ENUMERATOR)};    \
    }())

// The letters that answer, in order; the keys that start a level are not the page's.
#define MENDO_ANSWER_LETTER(letter, command) letter,
#define MENDO_NO_LETTER(letter, command)
constexpr const char* kAnswerLetters[] = {MENDO_GAME_KEYS(MENDO_ANSWER_LETTER, MENDO_NO_LETTER)};
static_assert(std::size(kAnswerLetters) == kAnswerCount, "a letter for each answer");

using Members = std::vector<std::pair<std::string, std::string>>;

// A text as a JSON string: its bytes are UTF-8 already, only the quote, the backslash and the
// control characters are escaped.
std::string Quoted(const char* text) {
    std::string quoted = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        switch (*c) {
            case '"': quoted += "\\\""; break;
            case '\\': quoted += "\\\\"; break;
            default:
                if (static_cast<unsigned char>(*c) < 0x20) {
                    char escape[sizeof "\\u0000"];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(*c));
                    quoted += escape;
                } else {
                    quoted += *c;
                }
        }
    }
    return quoted + "\"";
}

std::string Joined(const std::vector<std::string>& items, const char* open, const char* between, const char* close) {
    std::string joined = open;
    for (std::size_t i = 0; i < items.size(); ++i) {
        joined += (i == 0 ? "" : between) + items[i];
    }
    return joined + close;
}

std::string Object(const Members& members, const char* open = "{", const char* between = ", ",
                   const char* close = "}") {
    std::vector<std::string> items;
    for (const auto& [name, value] : members) {
        items.push_back(Quoted(name.c_str()) + ": " + value);
    }
    return Joined(items, open, between, close);
}

std::string Array(const std::vector<std::string>& items) {
    return Joined(items, "[", ", ", "]");
}

template <std::size_t N>
std::string Texts(const char* const (&texts)[N]) {
    std::vector<std::string> items;
    for (const char* text : texts) {
        items.push_back(Quoted(text));
    }
    return Array(items);
}

std::string Rgb(Colour colour) {
    return Array({std::to_string(colour.red), std::to_string(colour.green), std::to_string(colour.blue)});
}

// The enumerators in the order of their numbers, as the page counts them.
std::string Sorted(Enumerators enumerators) {
    std::stable_sort(enumerators.begin(), enumerators.end(),
                     [](const auto& one, const auto& other) { return one.second < other.second; });
    Members members;
    for (const auto& [name, value] : enumerators) {
        members.emplace_back(name, std::to_string(value));
    }
    return Object(members);
}

// The headers' JSON: a group of each kind on a line of its own, each under its C++ name.
std::string SiteHeaders() {
    const std::pair<const char*, Enumerators> enums[] = {
        MENDO_ENUM(KeyName, MENDO_KEY_NAMES),           MENDO_ENUM(Place, MENDO_PLACES),
        MENDO_ENUM(MenuTitle, MENDO_MENU_TITLES),       MENDO_ENUM(BoxKind, MENDO_BOX_KINDS),
        MENDO_ENUM(BoxIcon, MENDO_BOX_ICONS),           MENDO_ENUM(AboutLink, MENDO_ABOUT_LINKS),
        MENDO_ENUM(Request::Kind, MENDO_REQUEST_KINDS), MENDO_ENUM(FileFault, MENDO_FILE_FAULTS),
    };
    Members enumMembers;
    for (const auto& [name, enumerators] : enums) {
        enumMembers.emplace_back(name, Sorted(enumerators));
    }
    const Members texts = {
        {"MENDO_TITLE", Quoted(MENDO_TITLE)},
        {"MENDO_MENU_GAME", Quoted(MENDO_MENU_GAME)},
        {"MENDO_MENU_ABOUT", Quoted(MENDO_MENU_ABOUT)},
        {"MENDO_RANK_SCALE", Quoted(MENDO_RANK_SCALE)},
        {"MENDO_WEB_LABEL", Quoted(MENDO_WEB_LABEL)},
        {"MENDO_MAIL_LABEL", Quoted(MENDO_MAIL_LABEL)},
        {"kStartQuestion", Quoted(kStartQuestion)},
        {"kQuestionFace", Quoted(kQuestionFace)},
        {"MENDO_PACK_TITLE_SEPARATOR", Quoted(MENDO_PACK_TITLE_SEPARATOR)},
    };
    const Members textLists = {{"kStartAnswers", Texts(kStartAnswers)}, {"ANSWER_KEY", Texts(kAnswerLetters)}};
    const Members numbers = {
        {"kAnswerCount", std::to_string(kAnswerCount)}, {"kClockPeriodMs", std::to_string(kClockPeriodMs)},
        {"kRankLowest", std::to_string(kRankLowest)},   {"kRankHighest", std::to_string(kRankHighest)},
        {"kRemoveCost", std::to_string(kRemoveCost)},   {"kRevealCost", std::to_string(kRevealCost)},
        {"kFontHeight", std::to_string(kFontHeight)},   {"kPackSizeLimit", std::to_string(kPackSizeLimit)},
    };
    const Members colours = {{"kSteelBlue", Rgb(kSteelBlue)}, {"kGreen", Rgb(kGreen)}, {"kLinkBlue", Rgb(kLinkBlue)}};
    return Object({{"texts", Object(texts)},
                   {"textLists", Object(textLists)},
                   {"numbers", Object(numbers)},
                   {"colours", Object(colours)},
                   {"enums", Object(enumMembers)}},
                  "{\n  ", ",\n  ", "\n}\n");
}

}  // namespace

int main() {
    const std::string json = SiteHeaders();
    if (std::fputs(json.c_str(), stdout) == EOF || std::fflush(stdout) != 0) {
        std::perror("site_headers: cannot write the headers' JSON");
        return 1;
    }
    return 0;
}
