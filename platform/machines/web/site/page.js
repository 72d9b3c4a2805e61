// Starts the web album: one album per browser profile. The tab that holds the
// browser's lock on the album loads and runs the program; another tab says where
// the album is open instead, and runs nothing. The album lets go of the lock while it
// waits at its title after a Quit, and takes it again at the start.
'use strict';

// For tests and tools: `ready` once the title is on screen, `started` and `readyAt`
// the page's clock when the program started and when the title was on screen; the
// sound side adds `audio` (its AudioContext) and `level()`; `persistAsked` once the
// album has asked the browser to keep its storage; `offlineReady` once the whole site is
// kept in the browser and this page is served from there. For the program:
// `takeAlbum()`, which answers whether this tab has the album's lock now, and
// `letGoOfAlbum()`.
window.quillory = {ready: false, started: null, readyAt: null, audio: null, level: () => 0,
                   persistAsked: false, offlineReady: false, letGoOfAlbum: () => {}};

// The site's files, written into the page by the build: the program's ([name, name
// with its hash, size]) and the packs of content that come after the title.
const siteFiles = JSON.parse(document.getElementById('site-files').textContent);

function showNotice(text) {
  const notice = document.getElementById('notice');
  notice.textContent = text;
  notice.hidden = false;
  document.getElementById('album').hidden = true;
  document.getElementById('loading').hidden = true;
}

// The pause between two tries of a download: `milliseconds`, or less when the browser
// comes back online. The program's own downloads pause with it too.
window.quillory.untilOnlineOr = (milliseconds) => new Promise((resolve) => {
  const finish = () => {
    clearTimeout(timer);
    window.removeEventListener('online', finish);
    resolve();
  };
  const timer = setTimeout(finish, milliseconds);
  window.addEventListener('online', finish);
});

// The `size` bytes at `address`, each piece counted by `arrived` as it comes. A failed
// try (or one that ends short) takes back what it counted and is tried again, after
// 0.5 s and twice as long each time up to 8 s, or as soon as the browser is back online;
// only a file the site does not have ends the load.
async function downloadCounting(address, size, arrived) {
  for (let pause = 500; ; pause = Math.min(2 * pause, 8000)) {
    let counted = 0;
    try {
      const response = await fetch(address);
      if (response.status === 404) throw new RangeError(`the site has no ${address}`);
      if (!response.ok) throw new Error(`${address}: ${response.status}`);
      const pieces = [];
      for (const reader = response.body.getReader(); ;) {
        const {done, value} = await reader.read();
        if (done && counted === size) return new Blob(pieces).arrayBuffer();
        if (done) throw new Error(`${address}: ${counted} of ${size} bytes`);
        pieces.push(value);
        counted += value.length;
        arrived(value.length);
      }
    } catch (error) {
      if (error instanceof RangeError) throw error;
      arrived(-counted);
    }
    await window.quillory.untilOnlineOr(pause);
  }
}

// Downloads the program and its package, the loading screen's bar showing how much of
// them has arrived, then starts the program with them.
async function startAlbum() {
  const total = siteFiles.program.reduce((sum, [, , size]) => sum + size, 0);
  const bar = document.querySelector('#progress span');
  let received = 0;
  const arrived = (bytes) => {
    received += bytes;
    bar.style.width = `${Math.min(100, (100 * received) / total)}%`;
  };
  const located = new Map(siteFiles.program.map(([name, hashed]) => [name, hashed]));
  let bytes;
  try {
    bytes = new Map(await Promise.all(siteFiles.program.map(
        async ([name, hashed, size]) => [name, await downloadCounting(hashed, size, arrived)])));
  } catch (error) {
    showNotice('The album could not be loaded.');
    return;
  }
  window.Module = {
    canvas: document.getElementById('album'),
    onRuntimeInitialized: () => { window.quillory.started = performance.now(); },
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    locateFile: (name) => located.get(name) || name,
    wasmBinary: bytes.get('quillory3.wasm'),
    getPreloadedPackage: () => bytes.get('quillory3.data'),
  };
  const program = document.createElement('script');
  program.src = URL.createObjectURL(new Blob([bytes.get('quillory3.js')], {type: 'text/javascript'}));
  document.body.appendChild(program);
}

// Keeps the whole site in the browser (sw.js) so that the album starts and plays with
// no network after this visit; asked for once all the content has arrived, so that it
// neither slows the album's own downloads nor downloads their files a second time (the
// worker takes them from the browser's cache). A browser without workers (or one that
// refuses them, as in private windows) plays from the site as before.
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
window.addEventListener('quillory-content', keepSiteOffline, {once: true});

// Asks for the lock without queueing for it; taken, it is held until the album lets go.
// A tab just closed or reloaded lets go of it a moment after its page has gone, so a lock
// held elsewhere is asked for again for about a second before this tab gives up.
async function takeAlbumLock() {
  if (!navigator.locks) return true;
  for (let tries = 10; ; --tries) {
    const taken = await new Promise((answer) => {
      navigator.locks.request('quillory3-album', {ifAvailable: true}, (lock) => {
        answer(lock !== null);
        if (!lock) return undefined;
        return new Promise((letGo) => { window.quillory.letGoOfAlbum = letGo; });
      });
    });
    if (taken || tries === 1) return taken;
    await new Promise((wait) => setTimeout(wait, 100));
  }
}

window.quillory.takeAlbum = async () => {
  const taken = await takeAlbumLock();
  if (!taken) showNotice('The album is already open in another tab.');
  return taken;
};

window.quillory.takeAlbum().then((taken) => {
  if (taken) startAlbum();
});
