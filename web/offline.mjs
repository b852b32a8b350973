// Keeps the whole site for use offline through its service worker, where the page names one (the
// site does; the one-file page does not) and the browser allows it: over https, or from this
// machine. Registered once the page has loaded, so that it takes nothing from the start.
export function keepOffline(window, worker) {
  if (worker && window.navigator.serviceWorker)
    window.addEventListener('load', () => window.navigator.serviceWorker.register(worker).catch(() => {}), { once: true });
}
