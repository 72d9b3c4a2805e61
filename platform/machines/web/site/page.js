// Starts the web album: one album per browser profile. The tab that holds the
// browser's lock on the album loads and runs the program; another tab says where
// the album is open instead, and runs nothing.
'use strict';

// For tests and tools: `ready` once the title is on screen, `started` and `readyAt`
// the page's clock when the program started and when the title was on screen; the
// sound side adds `audio` (its AudioContext) and `level()`; `persistAsked` once the
// album has asked the browser to keep its storage; `offlineReady` once the whole site is
// kept in the browser and this page is served from there.
window.quillory = {ready: false, started: null, readyAt: null, audio: null, level: () => 0,
                   persistAsked: false, offlineReady: false};

function showNotice(text) {
  const notice = document.getElementById('notice');
  notice.textContent = text;
  notice.hidden = false;
  document.getElementById('album').hidden = true;
}

function startAlbum() {
  window.Module = {
    canvas: document.getElementById('album'),
    onRuntimeInitialized: () => { window.quillory.started = performance.now(); },
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
  };
  const program = document.createElement('script');
  program.src = 'quillory3.js';
  program.onerror = () => showNotice('The album could not be loaded.');
  document.body.appendChild(program);
}

// Keeps the whole site in the browser (sw.js) so that the album starts and plays with
// no network after this visit; asked for once the title is on screen, so that it does
// not slow the title's download. A browser without workers (or one that refuses them,
// as in private windows) plays from the site as before.
function keepSiteOffline() {
  const workers = navigator.serviceWorker;
  if (!workers) return;
  const controlled = () => {
    window.quillory.offlineReady = true;
    workers.controller.postMessage('forget unused versions');
  };
  workers.register('sw.js').then(() => workers.ready).then(() => {
    if (workers.controller) controlled();
    else workers.addEventListener('controllerchange', controlled, {once: true});
  }).catch((error) => console.warn('The album is not kept for use offline: ' + error));
}
window.addEventListener('quillory-ready', keepSiteOffline, {once: true});

if (navigator.locks) {
  navigator.locks.request('quillory3-album', {ifAvailable: true}, (lock) => {
    if (!lock) {
      showNotice('The album is already open in another tab.');
      return undefined;
    }
    startAlbum();
    // Held for as long as this tab lives.
    return new Promise(() => {});
  });
} else {
  startAlbum();
}
