// The service worker keeps the site for play without a network. When a new version takes
// over a page that an older one served, the page loads again to show the new one.

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
  navigator.serviceWorker.register("sw.js");
}
