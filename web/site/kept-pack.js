// The pack that plays, kept in the browser's IndexedDB with its file's name, its bytes and the
// address it came from, so that a reload plays it again, with the network gone too. (Local
// storage holds a few megabytes of text at most; a pack may have 16 MiB.) A browser that keeps
// nothing, as some private windows do, still plays the pack, only not after a reload.

const DATABASE = "mendo";
const VERSION = 1;
const STORE = "packs";
const PLAYING = "playing";

function openDatabase() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(DATABASE, VERSION);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

// What the act asks of the store, once its transaction has ended.
async function inStore(mode, act) {
  const database = await openDatabase();
  try {
    return await new Promise((resolve, reject) => {
      const transaction = database.transaction(STORE, mode);
      const request = act(transaction.objectStore(STORE));
      transaction.oncomplete = () => resolve(request.result);
      transaction.onerror = () => reject(transaction.error);
      transaction.onabort = () => reject(transaction.error);
    });
  } finally {
    database.close();
  }
}

// { name, bytes, address } as kept, or null; address is null for a file the player opened.
export const keptPack = () => inStore("readonly", (store) => store.get(PLAYING)).then((pack) => pack ?? null, () => null);

export const keepPack = (pack) => inStore("readwrite", (store) => store.put(pack, PLAYING)).catch(() => {});

export const forgetPack = () => inStore("readwrite", (store) => store.delete(PLAYING)).catch(() => {});
