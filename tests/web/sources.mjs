// The game's texts and figures as its C++ sources write them, for comparison with the page.

import { readFileSync } from "node:fs";

const LITERAL_VERSION_OR_END = /"((?:[^"\\\n]|\\.)*)"|\bMENDO_VERSION\b|;/g;
const unescaped = (literal) => JSON.parse(`"${literal}"`);
// The version, which the build hands to every source as MENDO_VERSION.
const VERSION = readFileSync("VERSION", "utf8").split("\n")[0];

// The string literals of a name's definition, up to the semicolon that ends it, escapes read;
// the version's macro between them stands for the version.
export function definitionOf(path, name) {
  const code = readFileSync(path, "utf8");
  const start = code.search(new RegExp(`\\b${name}\\b[^=;]*=`));
  if (start < 0) {
    throw new Error(`${path} defines no ${name}`);
  }
  LITERAL_VERSION_OR_END.lastIndex = start;
  const texts = [];
  for (let match; (match = LITERAL_VERSION_OR_END.exec(code)) && match[0] !== ";"; ) {
    texts.push(match[1] === undefined ? VERSION : unescaped(match[1]));
  }
  return texts;
}

// The one text a name's definition holds.
export const textOf = (path, name) => definitionOf(path, name).join("");

// The text of a #define of string literals.
export function macroOf(path, name) {
  const line = readFileSync(path, "utf8").match(new RegExp(`^#define ${name} (.*)$`, "m"))?.[1];
  if (line === undefined) {
    throw new Error(`${path} defines no ${name}`);
  }
  return [...line.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map((match) => unescaped(match[1])).join("");
}

// A colour of play/Look.h, as CSS writes it computed.
export function colourOf(name) {
  const code = readFileSync("play/Look.h", "utf8");
  const [, r, g, b] = code.match(new RegExp(`\\b${name}\\s*=\\s*\\{(\\d+),\\s*(\\d+),\\s*(\\d+)\\}`));
  return `rgb(${r}, ${g}, ${b})`;
}

// A menu text as it shows: without its "&", up to the tab.
export const menuLabel = (text) => text.split("\t")[0].replace("&", "");

const POOLS = { easy: "questions/EasyPool.cpp", hard: "questions/HardPool.cpp", logic: "questions/LogicPool.cpp" };

// A pool's questions as the game shows them: a question that ends in neither ':' nor '.' gets its '?'.
export function questionsOf(level) {
  return definitionOf(POOLS[level], "kQuestions").map((question) => (/[:.]$/.test(question) ? question : `${question}?`));
}

export const TEXTS = {
  startQuestion: textOf("engine/StartTexts.h", "kStartQuestion"),
  startAnswers: definitionOf("engine/StartTexts.h", "kStartAnswers"),
  endQuestion: textOf("engine/AnswerCheck.cpp", "kEndOfGameText"),
  win: textOf("engine/AnswerCheck.cpp", "kWinText"),
  wrong: textOf("engine/AnswerCheck.cpp", "kWrongText"),
  wrongCaption: textOf("engine/AnswerCheck.cpp", "kWrongCaption"),
  blankChosen: textOf("engine/AnswerCheck.cpp", "kBlankChosenText"),
  cannotPay: textOf("engine/PaidHelps.cpp", "kCannotPayText"),
  earnItYourself: textOf("engine/PaidHelps.cpp", "kEarnItYourselfText"),
  sureHint: textOf("about/HintCodes.cpp", "kSureHint"),
  cautiousHint: textOf("about/HintCodes.cpp", "kCautiousHint"),
  hintCode: textOf("about/HintCodes.cpp", "kHintCode"),
  secretDoorCode: textOf("about/HintCodes.cpp", "kSecretDoorCode"),
  hintCaption: textOf("about/HintCodes.cpp", "kHintCaption"),
  secretDoor: textOf("about/HintCodes.cpp", "kSecretDoorText"),
  secretDoorCaption: textOf("about/HintCodes.cpp", "kSecretDoorCaption"),
  captionBlock: textOf("about/AboutTexts.cpp", "kCaptionBlock"),
  rules: textOf("about/AboutTexts.cpp", "kRules"),
  thanks: textOf("about/AboutTexts.cpp", "kThanks"),
  webAddress: textOf("about/AboutTexts.cpp", "kWebAddress"),
  mailAddress: textOf("about/AboutTexts.cpp", "kMailAddress"),
  mailTo: textOf("about/AboutTexts.cpp", "kMailTo"),
  title: macroOf("res/WindowTexts.h", "MENDO_TITLE"),
  game: menuLabel(macroOf("res/WindowTexts.h", "MENDO_MENU_GAME")),
  about: menuLabel(macroOf("res/WindowTexts.h", "MENDO_MENU_ABOUT")),
  levels: ["MENDO_MENU_EASY", "MENDO_MENU_HARD", "MENDO_MENU_LOGIC"].map((name) => macroOf("res/WindowTexts.h", name)),
  windowAbout: macroOf("res/WindowTexts.h", "MENDO_WINDOW_ABOUT"),
  rankScale: macroOf("res/WindowTexts.h", "MENDO_RANK_SCALE").split("\n\n"),
  webLabel: macroOf("res/WindowTexts.h", "MENDO_WEB_LABEL"),
  mailLabel: macroOf("res/WindowTexts.h", "MENDO_MAIL_LABEL"),
  letters: [...readFileSync("res/GameKeys.h", "utf8").matchAll(/ANSWER_KEY\("(\w)"/g)].map((match) => match[1]),
  programName: textOf("web/PlayBinding.cpp", "kProgramName"),
  packTitleSeparator: macroOf("res/WindowTexts.h", "MENDO_PACK_TITLE_SEPARATOR"),
  packRefused: textOf("packs/PackReport.h", "kPackRefused"),
  otherSite: textOf("web/PlayBinding.cpp", "kOtherSite"),
};

// The sentence that tells why a file was not read, as the switch of packs/PackFile.cpp writes it.
export function faultSentence(fault) {
  const code = readFileSync("packs/PackFile.cpp", "utf8");
  return unescaped(code.match(new RegExp(String.raw`case FileFault::${fault}:\s*return\s*"((?:[^"\\]|\\.)*)"`))[1]);
}

// The format a call of Format fills, as the source writes it.
function formatOf(path, call) {
  const code = readFileSync(path, "utf8");
  return unescaped(code.match(new RegExp(String.raw`${call.replace(".", "\.")}\("((?:[^"\\]|\\.)*)"`))[1]);
}

const SCORE_FORMAT = formatOf("engine/GameState.cpp", "m_strScore.Format");
// The score's text, as the engine formats it.
export const scoreText = (points) => SCORE_FORMAT.replace("%d", points);
// The hint's sentence with the letter.
export const hintText = (format, letter) => format.replace("%c", letter);
