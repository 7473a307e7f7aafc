// Packs of questions written for the page's tests and bench, in the Aiken format, UTF-8.

const LETTERS = "ABCD";

// Question i of a pack as its file writes it and as the game shows it, with its "?".
export const packQuestion = (i) => `Кой е верният отговор на въпрос ${i}?`;

// One question, its right answer by turns A to D, so that only the hint finds it.
function question(i, text = packQuestion(i)) {
  const right = i % LETTERS.length;
  const choices = [...LETTERS].map((letter, k) => `${letter}) ${k === right ? "Верен" : "Грешен"} отговор ${i}${letter}`);
  return `${text}\n${choices.join("\n")}\nANSWER: ${LETTERS[right]}\n\n`;
}

// The questions first to first + count - 1, under a level mark when one is given.
export function aikenPack(count, { first = 1, level = null } = {}) {
  const questions = Array.from({ length: count }, (_, k) => question(first + k)).join("");
  return level === null ? questions : `[${level}]\n${questions}`;
}

// Question i too long for the game, which shows at most 58 characters before the question mark.
export const tooLongQuestion = (i) => `Въпрос ${i}: ${"много дълъг ".repeat(5)}и скучен?`;

// A pack of good questions followed by too long ones; the first of those stands on firstBadLine.
export function packWithTooLong(good, bad) {
  const goodPart = aikenPack(good);
  const badPart = Array.from({ length: bad }, (_, k) => question(good + 1 + k, tooLongQuestion(good + 1 + k))).join("");
  return { text: goodPart + badPart, firstBadLine: goodPart.split("\n").length };
}
