// The game's texts and figures as its C++ sources write them, for comparison with the page.

import { readFileSync } from "node:fs";

const LITERAL_OR_END = /"((?:[^"\\\n]|\\.)*)"|;/g;

// The string literals of a name's definition, up to the semicolon that ends it, escapes read.
export function definitionOf(path, name) {
  const code = readFileSync(path, "utf8");
  LITERAL_OR_END.lastIndex = code.search(new RegExp(`\\b${name}\\b[^=;]*=`));
  const texts = [];
  for (let match; (match = LITERAL_OR_END.exec(code)) && match[0] !== ";"; ) {
    texts.push(JSON.parse(`"${match[1]}"`));
  }
  return texts;
}

// RGB(r, g, b) of a colour constant, as CSS writes it computed.
export function colourOf(path, name) {
  const code = readFileSync(path, "utf8");
  const [, r, g, b] = code.match(new RegExp(`\\b${name}\\s*=\\s*RGB\\((\\d+),\\s*(\\d+),\\s*(\\d+)\\)`));
  return `rgb(${r}, ${g}, ${b})`;
}
