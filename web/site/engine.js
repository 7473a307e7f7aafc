// The game's module: its texts are Windows-1251 bytes ending in a zero, which the browser's
// own decoder turns into page text.

const decoder = new TextDecoder("windows-1251");

export const Level = Object.freeze({ easy: 1, hard: 2, logic: 4 });

export async function loadEngine(url) {
  const { instance } = await WebAssembly.instantiateStreaming(fetch(url), {});
  const game = instance.exports;
  // A reactor: its global constructors run here, before any other export is called.
  game._initialize();

  const text = (address) => {
    if (address === 0) {
      return null;
    }
    const bytes = new Uint8Array(game.memory.buffer);
    return decoder.decode(bytes.subarray(address, bytes.indexOf(0, address)));
  };

  return {
    startQuestion: () => text(game.start_question()),
    startAnswer: (index) => text(game.start_answer(index)),
    poolQuestion: (level, index) => text(game.pool_question(level, index)),
  };
}
