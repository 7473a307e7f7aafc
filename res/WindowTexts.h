// The texts of the game's window that every edition shows. The resource script takes them as
// they stand; the other editions draw their own window with the same words. ASCII only, so
// that they read the same in the script's UTF-8 and in the program's Windows-1251.
#pragma once

#define MENDO_TITLE "Velt's Mendo"
// With a pack of the player's questions, the title names it first, as a window names the
// document it shows: "quiz.txt - Velt's Mendo".
#define MENDO_PACK_TITLE_SEPARATOR " - "

// Menu texts as the window's menus have them: "&" before the letter that chooses the item, a
// tab before the key that does the same from anywhere.
#define MENDO_MENU_GAME "&Game"
#define MENDO_MENU_EASY "&Easy\tCtrl+E"
#define MENDO_MENU_HARD "&Hard\tCtrl+H"
#define MENDO_MENU_LOGIC "&Logic\tCtrl+L"
#define MENDO_MENU_ABOUT "&About"
// The About entry of the window menu.
#define MENDO_WINDOW_ABOUT "&About Mendo..."

// The five steps of the rank gauge from top to bottom, a blank line between two.
#define MENDO_RANK_SCALE "<--genius\n\n<--very smart\n\n<--smart\n\n<--informed\n\n<-- :-)"

// The labels before the About box's two links.
#define MENDO_WEB_LABEL "web:"
#define MENDO_MAIL_LABEL "e-mail:"
