// Keeps the whole site for use offline, through its service worker, where the browser allows one:
// over https, or from this machine. Every visit looks for a new version.
export function keepOffline() {
  navigator.serviceWorker?.register('sw.js').then((registration) => registration.update()).catch(() => {});
}
