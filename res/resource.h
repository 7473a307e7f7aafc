// Identifiers of the program's resources, controls and commands.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TRIVIA_DIALOG 102
#define IDR_MAINFRAME 128
#define IDI_MARK_IDLE 144
#define IDI_MARK_HOT 145
#define IDI_MARK_PRESSED 146
#define IDR_GAME_MENU 148
#define IDR_HINT_TOOLBAR 160
#define IDC_LINK_CURSOR 210
#define IDC_GAME_CURSOR 211
#define IDR_ACCELERATORS 216

#define IDC_QUESTION 1000
#define IDC_ANSWER_A 1021
#define IDC_ANSWER_B 1022
#define IDC_ANSWER_C 1023
#define IDC_ANSWER_D 1024
#define IDC_MARK_A 1027
#define IDC_MARK_B 1028
#define IDC_MARK_C 1029
#define IDC_MARK_D 1030
#define IDC_RANK 1033
#define IDC_SCORE 1034
#define IDC_TIME 1038
#define IDC_NUMBER 1055
// The letter labels' ids are also the commands of the keys A to D.
#define IDC_LETTER_C 1063
#define IDC_LETTER_A 1064
#define IDC_LETTER_B 1065
#define IDC_LETTER_D 1066

#define ID_GAME_EASY 32776
#define ID_GAME_HARD 32778
#define ID_HELP_ABOUT 32779
#define ID_GAME_LOGIC 32781
#define ID_HINT_REMOVE 32783
#define ID_HINT_REVEAL 32784

// The About entry of the system menu; the platform keeps the low four bits of system commands.
#define IDM_ABOUTBOX 0x0010
#define ID_HELP 0xE146
// The window menu's Close, in the editions that draw their own window; the platform's number for it.
#define ID_WINDOW_CLOSE 0xF060

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The About box.
#define IDC_SECRET 1043
#define IDC_CAPTION_BLOCK 1044
#define IDC_WEB_LINK 1056
#define IDC_MAIL_LINK 1057
#define IDC_RULES 1061
#define IDC_THANKS 1062
