// The play layer in the game's module: the page hands it the player's inputs and reads what it
// shows. Its texts are Windows-1251 bytes ending in a zero, which the browser's own decoder
// turns into page text.

import { ANSWER_COUNT, FileFault, RequestKind } from "./headers.js";

const decoder = new TextDecoder("windows-1251");

// The game's bytes of a text, as the decoder's inverse: "?" for a character that the code page
// lacks, and for a control character, which would end or break a line of a box.
const BYTE_OF = new Map(Array.from(decoder.decode(Uint8Array.from({ length: 256 }, (_, byte) => byte)),
  (character, byte) => [character, byte]));
const FIRST_PRINTABLE = 0x20;
const STAND_IN = "?".charCodeAt(0);

function encode(text) {
  return Uint8Array.from(text, (character) => {
    const byte = BYTE_OF.get(character);
    return byte === undefined || byte < FIRST_PRINTABLE ? STAND_IN : byte;
  });
}

// The module asks its system for one thing: the calendar clock, in nanoseconds, whose seconds
// seed a new game.
const CLOCK_REALTIME = 0;
const SUCCESS = 0;
const INVALID = 28;
const NANOSECONDS_PER_MILLISECOND = 1_000_000n;

export async function loadLayer(url) {
  let memory;
  const system = {
    clock_time_get(clock, precision, out) {
      if (clock !== CLOCK_REALTIME) {
        return INVALID;
      }
      new DataView(memory.buffer).setBigUint64(out, BigInt(Date.now()) * NANOSECONDS_PER_MILLISECOND, true);
      return SUCCESS;
    },
  };
  const { instance } = await WebAssembly.instantiateStreaming(fetch(url), { wasi_snapshot_preview1: system });
  const game = instance.exports;
  memory = game.memory;
  // A reactor: its global constructors run here, before any other export is called.
  game._initialize();

  const text = (address) => {
    if (address === 0) {
      return null;
    }
    const bytes = new Uint8Array(memory.buffer);
    return decoder.decode(bytes.subarray(address, bytes.indexOf(0, address)));
  };
  const count = (n, each) => Array.from({ length: n }, (_, index) => each(index));
  // Bytes into the room the module made for them, in its memory as it stands after making it.
  const write = (room, bytes) => new Uint8Array(memory.buffer, room, bytes.length).set(bytes);
  const name = (fileName) => {
    const bytes = encode(fileName);
    write(game.pack_name_room(bytes.length), bytes);
  };

  return {
    tick: (date) => game.tick(date.getHours(), date.getMinutes(), date.getSeconds()),
    // Whether the key is one of the game's keys on its main screen.
    type: ({ name, character, ctrl, alt }) => game.type_key(name, character, ctrl, alt) !== 0,
    press: ({ place, index }) => game.press(place, index),
    release: ({ place, index }) => game.release(place, index),

    screenChanged: () => game.screen_changed() !== 0,
    screen: () => ({
      question: text(game.screen_question()),
      number: text(game.screen_number()),
      answers: count(ANSWER_COUNT, (k) => text(game.screen_answer(k))),
      score: text(game.screen_score()),
      clock: text(game.screen_clock()),
      rank: game.screen_rank(),
      pressedMarker: game.pressed_marker(),
    }),

    revision: () => game.revision(),
    menu: () => {
      const title = game.menu_title();
      if (title < 0) {
        return null;
      }
      const items = count(game.menu_item_count(), (i) => ({
        label: text(game.menu_item_label(i)),
        shortcut: text(game.menu_item_shortcut(i)),
        letter: game.menu_item_letter(i) !== 0 ? String.fromCharCode(game.menu_item_letter(i)) : null,
      }));
      return { title, items, chosen: game.menu_chosen() };
    },
    boxes: () => count(game.box_count(), (i) => ({
      kind: game.box_kind(i),
      text: text(game.box_text(i)),
      caption: text(game.box_caption(i)),
      icon: game.box_icon(i),
    })),
    // The addresses the player asked to open, in order. The page cannot close itself, so its
    // window menu has no Close to ask for.
    takeAddresses: () => count(game.take_requests(), (i) => i)
      .filter((i) => game.request_kind(i) === RequestKind.OpenAddress)
      .map((i) => text(game.request_address(i))),

    // A pack of the player's questions, by its file's name and bytes: whether it plays. With
    // tell, its problems are told in a box; a refusal is told always.
    loadPack: (fileName, bytes, tell) => {
      name(fileName);
      const room = game.pack_file_room(bytes.length);
      if (room === 0) {
        game.pack_refuse_file(FileFault.TooLarge);
        return false;
      }
      write(room, bytes);
      return game.pack_load(tell) !== 0;
    },
    // A file that could not be read, for the reason, one of FileFault.
    refusePack: (fileName, fault) => {
      name(fileName);
      game.pack_refuse_file(fault);
    },
    // A pack's address on another site.
    refuseAddress: (address) => {
      name(address);
      game.pack_refuse_address();
    },
    playOwnQuestions: () => game.play_own_questions(),

    about: () => ({
      captionBlock: text(game.about_caption_block()),
      rules: text(game.about_rules()),
      thanks: text(game.about_thanks()),
      webAddress: text(game.about_web_address()),
      mailAddress: text(game.about_mail_address()),
      mailTo: text(game.about_mail_to()),
    }),
  };
}
