// Packs of the player's questions: a file opened with the page's button, a file dropped anywhere
// on the page, or a file beside the site that the page's address names (?pack=questions.txt),
// so that a teacher can hand the link out. The module reads the pack and tells its problems in
// a box of the game's; the title names the pack that plays, which is kept for the next visit
// until the player goes back to the game's own questions.

import { FileFault, PACK_SIZE_LIMIT, PACK_TITLE_SEPARATOR, TITLE } from "./headers.js";
import { forgetPack, keepPack } from "./kept-pack.js";

const PACK_PARAMETER = "pack";
const NOT_FOUND = 404;

// The last part of an address's path, as a file's name; the whole address when it has none.
function fileNameOf(url) {
  const last = url.pathname.split("/").pop();
  try {
    return decodeURIComponent(last) || url.href;
  } catch {
    return last;
  }
}

// The body of a response, read no further than a pack may hold; null when it holds more, which
// a server may not have said, or may never stop sending.
async function boundedBody(response) {
  if (Number(response.headers.get("Content-Length")) > PACK_SIZE_LIMIT) {
    response.body?.cancel().catch(() => {});
    return null;
  }
  if (response.body === null) {
    return new Uint8Array();
  }
  const reader = response.body.getReader();
  const chunks = [];
  let size = 0;
  for (let read = await reader.read(); !read.done; read = await reader.read()) {
    size += read.value.length;
    if (size > PACK_SIZE_LIMIT) {
      reader.cancel().catch(() => {});
      return null;
    }
    chunks.push(read.value);
  }
  const bytes = new Uint8Array(size);
  chunks.reduce((at, chunk) => {
    bytes.set(chunk, at);
    return at + chunk.length;
  }, 0);
  return bytes;
}

export class Packs {
  // show() paints what the layer shows after a pack has loaded or been refused.
  constructor(layer, show) {
    this.layer = layer;
    this.show = show;
    this.playing = null;  // { name, address } of the pack that plays
    this.queue = Promise.resolve();
    this.heading = document.querySelector(".title");
    this.ownButton = document.getElementById("own-questions");
  }

  // The bar's buttons, the file picker and drops on the page.
  listen() {
    const picker = document.getElementById("pack-file");
    document.getElementById("open-pack").addEventListener("click", () => picker.click());
    picker.addEventListener("change", () => {
      const [file] = picker.files;
      // The same file chosen again is a change too.
      picker.value = "";
      if (file !== undefined) {
        this.open(file);
      }
    });
    this.ownButton.addEventListener("click", () => this.then(() => {
      this.layer.playOwnQuestions();
      return this.dropped();
    }));
    // A file dragged over the page is taken where it is let go, not opened by the browser.
    const withFiles = (event) => event.dataTransfer?.types.includes("Files");
    addEventListener("dragover", (event) => {
      if (withFiles(event)) {
        event.preventDefault();
        event.dataTransfer.dropEffect = "copy";
      }
    });
    addEventListener("drop", (event) => {
      if (!withFiles(event)) {
        return;
      }
      event.preventDefault();
      const [file] = event.dataTransfer.files;
      // Only while the drop lasts does the browser tell a folder from a file.
      const folder = event.dataTransfer.items[0]?.webkitGetAsEntry?.()?.isDirectory === true;
      if (file !== undefined) {
        this.open(file, folder);
      }
    });
  }

  // The pack kept from the last visit, played without telling its problems again.
  restore(kept) {
    return this.then(() => {
      if (kept === null) {
        return undefined;
      }
      if (this.layer.loadPack(kept.name, kept.bytes, false)) {
        this.played(kept);
        return undefined;
      }
      return this.dropped();
    });
  }

  // A file the player picked or dropped. One larger than a pack may hold is not read.
  open(file, folder = false) {
    return this.then(async () => {
      if (folder) {
        return this.refuse(file.name, FileFault.Folder);
      }
      if (file.size > PACK_SIZE_LIMIT) {
        return this.refuse(file.name, FileFault.TooLarge);
      }
      let bytes;
      try {
        bytes = new Uint8Array(await file.arrayBuffer());
      } catch {
        return this.refuse(file.name, FileFault.Unreadable);
      }
      return this.load({ name: file.name, address: null, bytes });
    });
  }

  // The pack the page's address names, on the page's own site. The address then drops it, so
  // that a reload plays the kept pack, and plays the game's own after the player chose them.
  openNamed() {
    const address = new URLSearchParams(location.search).get(PACK_PARAMETER);
    if (!address) {
      return this.queue;
    }
    const page = new URL(location.href);
    page.searchParams.delete(PACK_PARAMETER);
    history.replaceState(history.state, "", page);
    return this.then(async () => {
      let url;
      try {
        url = new URL(address, location.href);
      } catch {
        return this.refuse(address, FileFault.Missing);
      }
      if (url.origin !== location.origin) {
        this.layer.refuseAddress(address);
        return this.dropped();
      }
      const name = fileNameOf(url);
      let bytes;
      try {
        const response = await fetch(url, { cache: "no-cache" });
        if (!response.ok) {
          return this.refuse(name, response.status === NOT_FOUND ? FileFault.Missing : FileFault.Unreadable);
        }
        bytes = await boundedBody(response);
      } catch {
        // With the network gone, the pack kept from this address plays on.
        return this.playing?.address === url.href ? undefined : this.refuse(name, FileFault.Unreadable);
      }
      if (bytes === null) {
        return this.refuse(name, FileFault.TooLarge);
      }
      return this.load({ name, address: url.href, bytes });
    });
  }

  // One pack at a time, in the order the player brought them.
  then(job) {
    this.queue = this.queue.then(job).catch((error) => console.error(error));
    return this.queue;
  }

  load(pack) {
    if (!this.layer.loadPack(pack.name, pack.bytes, true)) {
      return this.dropped();
    }
    this.played(pack);
    return keepPack(pack);
  }

  refuse(name, fault) {
    this.layer.refusePack(name, fault);
    return this.dropped();
  }

  // The game's own questions play, and no pack is kept for the next visit.
  dropped() {
    this.played(null);
    return forgetPack();
  }

  // The pack that plays now, or none: the title names it, as a window names its document.
  played(pack) {
    this.playing = pack === null ? null : { name: pack.name, address: pack.address };
    const title = pack === null ? TITLE : `${pack.name}${PACK_TITLE_SEPARATOR}${TITLE}`;
    document.title = title;
    this.heading.textContent = title;
    this.ownButton.hidden = pack === null;
    this.show();
  }
}
