// The service worker keeps the site for play without a network. When a new version takes
// over a page that an older one served, the page loads again to show the new one. The worker
// is registered once the page has loaded, so that its copying of the site does not hold up the
// page's own first load.

export function keepOffline() {
  if (!("serviceWorker" in navigator)) {
    return;
  }
  const servedByOlder = navigator.serviceWorker.controller !== null;
  navigator.serviceWorker.addEventListener("controllerchange", () => {
    if (servedByOlder) {
      location.reload();
    }
  });
  addEventListener("load", () => navigator.serviceWorker.register("sw.js"), { once: true });
}
