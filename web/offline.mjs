// Keeps the whole site for use offline, through its service worker, where the browser allows one:
// over https, or from this machine.
export function keepOffline() {
  navigator.serviceWorker?.register('sw.js').catch(() => {});
}
