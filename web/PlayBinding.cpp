#include <algorithm>
#include <string>
#include <vector>

#include "about/AboutTexts.h"
#include "packs/PackFile.h"
#include "packs/PackReport.h"
#include "packs/QuestionPack.h"
#include "play/GameSession.h"
#include "play/KeyMap.h"

// The play layer as the page reaches it: C functions for the player's inputs and for what the
// layer shows. Texts are Windows-1251 bytes ending in a zero, which the page decodes at once:
// a text lives until the next call. The enums cross as their numbers.

#define MENDO_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

// What a box without a caption carries, as the window's boxes carry the program's file's name.
const char kProgramName[] = "Mendo";

// A page cannot close itself: its window menu has only About.
GameSession g_session(false);

// The screen as the page last asked about it.
MainScreen g_reported;
int g_reportedMarker = 0;

std::vector<Request> g_requests;
std::string g_itemText;  // a menu item's label or shortcut, as the page reads it

// The questions the player brought, held while the game plays from them.
QuestionPack g_pack;
std::string g_packFile;  // a pack's file as the page writes it, until it is read
std::string g_packName;  // the file's name in Windows-1251, as the boxes name it

// A box lists this many problems, then says how many more there are: a file of a hundred
// thousand faulty lines makes no box that anyone reads, nor one the page paints at once.
constexpr std::size_t kProblemsListed = 100;

const char kOtherSite[] =
    "the address is on another site; the page reads a pack only from its own site, where a teacher puts it";

// The game plays its own questions again, and the pack is let go.
void DropPack() {
    g_session.Game().PlayPack(nullptr);
    g_pack = QuestionPack();
}

// A file that was not read: the game plays its own questions.
void Refuse(const char* sentence) {
    DropPack();
    g_session.ShowMessage(ProblemLine(g_packName, {0, 0, Severity::Error, sentence}), g_packName);
}

const MenuItem* Item(int item) {
    const std::optional<OpenMenu>& menu = g_session.Menu();
    if (!menu || item < 0 || item >= static_cast<int>(menu->items.size())) {
        return nullptr;
    }
    return &menu->items[item];
}

const Box* BoxAt(int index) {
    const std::vector<Box>& boxes = g_session.Boxes();
    return index >= 0 && index < static_cast<int>(boxes.size()) ? &boxes[index] : nullptr;
}

const Request* RequestAt(int index) {
    return index >= 0 && index < static_cast<int>(g_requests.size()) ? &g_requests[index] : nullptr;
}

}  // namespace

// The player's inputs.

MENDO_EXPORT("tick") void Tick(int hours, int minutes, int seconds) {
    g_session.Tick(hours, minutes, seconds);
}

// Whether the key means something on the main screen, so that the page keeps it from the browser.
MENDO_EXPORT("type_key") int TypeKey(int name, int character, int ctrl, int alt) {
    const Key key{static_cast<KeyName>(name), static_cast<char32_t>(character), ctrl != 0, alt != 0};
    MenuTitle title;
    const bool gameKey = CommandOfKey(key) != 0 || OpensMenu(key, title);
    g_session.Type(key);
    return gameKey;
}

MENDO_EXPORT("press") void Press(int place, int index) {
    g_session.Press({static_cast<Place>(place), index});
}

MENDO_EXPORT("release") void Release(int place, int index) {
    g_session.Release({static_cast<Place>(place), index});
}

// The main screen.

// Whether the screen or the pressed marker changed since the last call.
MENDO_EXPORT("screen_changed") int ScreenChanged() {
    const bool changed = g_session.Screen() != g_reported || g_session.PressedMarker() != g_reportedMarker;
    if (changed) {
        g_reported = g_session.Screen();
        g_reportedMarker = g_session.PressedMarker();
    }
    return changed;
}

MENDO_EXPORT("screen_question") const char* ScreenQuestion() {
    return g_session.Screen().question.c_str();
}

MENDO_EXPORT("screen_number") const char* ScreenNumber() {
    return g_session.Screen().number.c_str();
}

// answer: 0 to 3.
MENDO_EXPORT("screen_answer") const char* ScreenAnswer(int answer) {
    return answer >= 0 && answer < kAnswerCount ? g_session.Screen().answer[answer].c_str() : nullptr;
}

MENDO_EXPORT("screen_score") const char* ScreenScore() {
    return g_session.Screen().score.c_str();
}

MENDO_EXPORT("screen_clock") const char* ScreenClock() {
    return g_session.Screen().clock.c_str();
}

MENDO_EXPORT("screen_rank") int ScreenRank() {
    return g_session.Screen().rank;
}

MENDO_EXPORT("pressed_marker") int PressedMarker() {
    return g_session.PressedMarker();
}

// The menus and the boxes.

MENDO_EXPORT("revision") unsigned Revision() {
    return g_session.Revision();
}

// The open menu's title, or -1 for none.
MENDO_EXPORT("menu_title") int MenuTitleOpen() {
    return g_session.Menu() ? static_cast<int>(g_session.Menu()->title) : -1;
}

MENDO_EXPORT("menu_item_count") int MenuItemCount() {
    return g_session.Menu() ? static_cast<int>(g_session.Menu()->items.size()) : 0;
}

MENDO_EXPORT("menu_chosen") int MenuChosen() {
    return g_session.Menu() ? g_session.Menu()->chosen : -1;
}

// An item's label, or no text for the line between two groups.
MENDO_EXPORT("menu_item_label") const char* MenuItemLabel(int item) {
    const MenuItem* shown = Item(item);
    if (shown == nullptr || shown->text == nullptr) {
        return nullptr;
    }
    g_itemText = ItemLabel(shown->text);
    return g_itemText.c_str();
}

MENDO_EXPORT("menu_item_shortcut") const char* MenuItemShortcut(int item) {
    const MenuItem* shown = Item(item);
    if (shown == nullptr || shown->text == nullptr) {
        return nullptr;
    }
    g_itemText = ItemShortcut(shown->text);
    return g_itemText.c_str();
}

// The letter that chooses the item, 0 for none.
MENDO_EXPORT("menu_item_letter") int MenuItemLetter(int item) {
    const MenuItem* shown = Item(item);
    return shown != nullptr && shown->text != nullptr ? ItemLetter(shown->text) : 0;
}

// The boxes from the bottom one up.
MENDO_EXPORT("box_count") int BoxCount() {
    return static_cast<int>(g_session.Boxes().size());
}

MENDO_EXPORT("box_kind") int BoxKindAt(int index) {
    const Box* box = BoxAt(index);
    return box != nullptr ? static_cast<int>(box->kind) : -1;
}

MENDO_EXPORT("box_text") const char* BoxText(int index) {
    const Box* box = BoxAt(index);
    return box != nullptr ? box->text.c_str() : nullptr;
}

MENDO_EXPORT("box_caption") const char* BoxCaption(int index) {
    const Box* box = BoxAt(index);
    if (box == nullptr) {
        return nullptr;
    }
    return box->caption ? box->caption->c_str() : kProgramName;
}

MENDO_EXPORT("box_icon") int BoxIconAt(int index) {
    const Box* box = BoxAt(index);
    return box != nullptr ? static_cast<int>(box->icon) : -1;
}

// What the player asked of the platform: the count, then each one until the next call.
MENDO_EXPORT("take_requests") int TakeRequests() {
    g_requests = g_session.TakeRequests();
    return static_cast<int>(g_requests.size());
}

MENDO_EXPORT("request_kind") int RequestKind(int index) {
    const Request* request = RequestAt(index);
    return request != nullptr ? static_cast<int>(request->kind) : -1;
}

MENDO_EXPORT("request_address") const char* RequestAddress(int index) {
    const Request* request = RequestAt(index);
    return request != nullptr ? request->address.c_str() : nullptr;
}

// The About box's texts.

MENDO_EXPORT("about_caption_block") const char* AboutCaptionBlock() {
    return kCaptionBlock;
}

MENDO_EXPORT("about_rules") const char* AboutRules() {
    return kRules;
}

MENDO_EXPORT("about_thanks") const char* AboutThanks() {
    return kThanks;
}

MENDO_EXPORT("about_web_address") const char* AboutWebAddress() {
    return kWebAddress;
}

MENDO_EXPORT("about_mail_to") const char* AboutMailTo() {
    return kMailTo;
}

MENDO_EXPORT("about_mail_address") const char* AboutMailAddress() {
    return kMailAddress;
}

// Packs of the player's questions. The page writes the file's name and bytes into the rooms it
// asks for, then loads them or tells why it could not read them.

// Room for the file's name in Windows-1251.
MENDO_EXPORT("pack_name_room") char* PackNameRoom(int size) {
    g_packName.assign(static_cast<std::size_t>(std::max(size, 0)), '\0');
    return g_packName.data();
}

// Room for the file's bytes; none for more than a pack may hold.
MENDO_EXPORT("pack_file_room") char* PackFileRoom(int size) {
    if (size < 0 || static_cast<std::size_t>(size) > kPackSizeLimit) {
        return nullptr;
    }
    g_packFile.assign(static_cast<std::size_t>(size), '\0');
    return g_packFile.data();
}

// Reads the file as a pack: the game plays each level the pack can play from the next level
// start on, the others from their pools; a pack with no level to play is refused and the game
// plays its own questions. With tell, a box lists the problems; without, only a refusal is told.
// Whether the pack plays.
MENDO_EXPORT("pack_load") int PackLoad(int tell) {
    DropPack();
    g_pack = QuestionPack::Read(g_packFile);
    std::string().swap(g_packFile);
    const bool plays = g_pack.PlaysAnyLevel();
    if ((tell != 0 && !g_pack.Problems().empty()) || !plays) {
        g_session.ShowMessage(BoxReport(g_packName, g_pack, kProblemsListed), g_packName);
    }
    if (!plays) {
        DropPack();
        return 0;
    }
    g_session.Game().PlayPack(&g_pack);
    return 1;
}

// A file that the page could not read, by FileFault's number.
MENDO_EXPORT("pack_refuse_file") void PackRefuseFile(int fault) {
    Refuse(FileFaultSentence(static_cast<FileFault>(fault)));
}

// An address on another site than the page's.
MENDO_EXPORT("pack_refuse_address") void PackRefuseAddress() {
    Refuse(kOtherSite);
}

MENDO_EXPORT("play_own_questions") void PlayOwnQuestions() {
    DropPack();
}
