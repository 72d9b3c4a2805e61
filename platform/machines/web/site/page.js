// Starts the web album: one album per browser profile. The tab that holds the
// browser's lock on the album loads and runs the program; another tab says where
// the album is open instead, and runs nothing. The album lets go of the lock while it
// waits at its title after a Quit, and takes it again at the start.
'use strict';

// For tests and tools: `ready` once the title is on screen, `started` and `readyAt`
// the page's clock when the program started and when the title was on screen; the
// sound side adds `audio` (its AudioContext) and `level()`; `persistAsked` once the
// album has asked the browser to keep its storage. For the program: `takeAlbum()`, which
// answers whether this tab has the album's lock now, and `letGoOfAlbum()`.
window.quillory = {ready: false, started: null, readyAt: null, audio: null, level: () => 0,
                   persistAsked: false, letGoOfAlbum: () => {}};

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

// Asks for the lock without waiting for it; taken, it is held until the album lets go.
function takeAlbumLock() {
  return new Promise((answer) => {
    if (!navigator.locks) {
      answer(true);
      return;
    }
    navigator.locks.request('quillory3-album', {ifAvailable: true}, (lock) => {
      answer(lock !== null);
      if (!lock) return undefined;
      return new Promise((letGo) => { window.quillory.letGoOfAlbum = letGo; });
    });
  });
}

window.quillory.takeAlbum = async () => {
  const taken = await takeAlbumLock();
  if (!taken) showNotice('The album is already open in another tab.');
  return taken;
};

window.quillory.takeAlbum().then((taken) => {
  if (taken) startAlbum();
});
