// Keeps every file of the site in a cache named after their version, and serves from it first,
// so that the game plays with the network gone. A new version's worker takes over at once and
// drops the older caches.

const VERSION = {{version}};
const CACHE = `mendo-${VERSION}`;
const FILES = {{files}};

self.addEventListener("install", (event) => {
  const fresh = FILES.map((file) => new Request(file, { cache: "reload" }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  const older = (names) => names.filter((name) => name !== CACHE);
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(older(names).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") {
    return;
  }
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((kept) => kept ?? fetch(event.request)),
  );
});
