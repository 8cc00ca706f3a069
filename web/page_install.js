// What lets a phone add a page served over HTTP to its home screen and start
// it offline: the manifest and the service worker that keeps the page's
// files. Opened from file:// the page needs neither, and a browser would
// refuse both there (with errors in the console), so it is offered neither.
function offerInstalling() {
  if (!['http:', 'https:'].includes(location.protocol)) return;
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'stereona.webmanifest';
  document.head.append(manifest);
  // Absent where the server is not trusted (plain HTTP beyond localhost).
  if (!('serviceWorker' in navigator)) return;
  navigator.serviceWorker.register('stereona-worker.js').catch((error) => {
    console.warn(`The page will not start offline: ${error.message}`);
  });
}
