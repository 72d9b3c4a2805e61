// The browser side of the web backend (platform/machines/web/WebBackend.cpp calls into it):
// input gathered from the page into a queue, the canvas, the pointer's picture, full
// screen, activation, the album's files and the print-out.
var WebAlbum = {
  // Queued input, oldest first: {kind, x, y, id, key}. Kinds match WebBackend.cpp.
  events: [],
  // Ends the program's rest early when input arrives (set while it rests).
  wake: null,
  canvas: null,
  context: null,
  namedKeys: new Set(),
  active: null,
  wentFullScreen: false,
  printout: [],
  missing: new Set(),
  // What the browser's storage holds of the album's folder, as of the last store; the
  // album is its only writer (one tab per profile), so it need not be read back.
  stored: null,
  // Whether the browser keeps the album's storage when space runs low: null until it
  // has been asked and has answered.
  savesKept: null,
  keepAsked: false,

  start: function(namedKeys) {
    WebAlbum.namedKeys = new Set(namedKeys.split('\n'));
    WebAlbum.canvas = document.getElementById('album');
    WebAlbum.context = WebAlbum.canvas.getContext('2d', {alpha: false});
    const pointer = (kind) => (event) => {
      if (event.pointerType === 'touch') {
        WebAlbum.push({kind: kind + 10, x: event.clientX, y: event.clientY, id: event.pointerId});
      } else if (kind === 0 || event.button === 0 || event.button === 2) {
        WebAlbum.push({kind: kind, x: event.clientX, y: event.clientY, id: event.button === 2 ? 1 : 0});
      }
      // At the end of the first click, so that the page's layout changes only after
      // the click is complete.
      if (kind === 2) WebAlbum.goFullScreen();
      if (kind !== 0) event.preventDefault();
    };
    window.addEventListener('pointermove', pointer(0));
    window.addEventListener('pointerdown', pointer(1));
    window.addEventListener('pointerup', pointer(2));
    window.addEventListener('pointercancel', pointer(2));
    window.addEventListener('contextmenu', (event) => event.preventDefault());
    const key = (kind) => (event) => {
      if (event.ctrlKey || event.altKey || event.metaKey) return;
      const named = WebAlbum.namedKeys.has(event.key);
      if (!named && !/^[A-Za-z0-9]$/.test(event.key)) return;
      event.preventDefault();
      // A held key's repeats that the album has not taken yet count as one.
      if (event.repeat && WebAlbum.events.some((queued) => queued.kind === kind && queued.key === event.key)) return;
      WebAlbum.push({kind: kind, key: event.key});
      if (kind === 3) WebAlbum.goFullScreen();
    };
    window.addEventListener('keydown', key(3));
    window.addEventListener('keyup', key(4));
    const activation = () => WebAlbum.activate(!document.hidden && document.hasFocus());
    window.addEventListener('focus', activation);
    window.addEventListener('blur', activation);
    document.addEventListener('visibilitychange', activation);
    activation();
    window.addEventListener('resize', () => WebAlbum.push({kind: 7}));
  },

  push: function(event) {
    WebAlbum.events.push(event);
    if (WebAlbum.wake) WebAlbum.wake();
  },

  activate: function(active) {
    if (active === WebAlbum.active) return;
    WebAlbum.active = active;
    WebAlbum.push({kind: 5, id: active ? 1 : 0});
  },

  // The browser allows full screen only in answer to a click or a key.
  goFullScreen: function() {
    if (WebAlbum.wentFullScreen) return;
    WebAlbum.wentFullScreen = true;
    const page = document.documentElement;
    if (page.requestFullscreen) page.requestFullscreen().catch(() => {});
  },

  // While the album waits at its title after a Quit, the page leaves full screen and no
  // click takes it again; the start, a click or a key just made, takes it again.
  setAside: function(aside) {
    WebAlbum.wentFullScreen = aside;
    if (aside && document.fullscreenElement && document.exitFullscreen) {
      document.exitFullscreen().catch(() => {});
    }
    if (!aside) WebAlbum.goFullScreen();
  },

  // Asks once; a browser without the question cannot promise to keep anything.
  keepSaves: function() {
    if (WebAlbum.keepAsked) return;
    WebAlbum.keepAsked = true;
    window.quillory.persistAsked = true;
    if (!navigator.storage || !navigator.storage.persist) {
      WebAlbum.savesKept = false;
      return;
    }
    navigator.storage.persist().then((kept) => { WebAlbum.savesKept = kept; },
                                     () => { WebAlbum.savesKept = false; });
  },

  // Rests until `milliseconds` pass, or input arrives when `untilInput`.
  rest: function(milliseconds, untilInput) {
    return new Promise((resolve) => {
      const finish = () => {
        clearTimeout(timer);
        WebAlbum.wake = null;
        resolve();
      };
      const timer = setTimeout(finish, milliseconds);
      if (untilInput) WebAlbum.wake = finish;
    });
  },

  place: function(left, top, width, height, crisp) {
    const style = WebAlbum.canvas.style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    style.imageRendering = crisp ? 'pixelated' : 'auto';
  },

  draw: function(pixels, left, top, width, height) {
    const bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    WebAlbum.context.putImageData(new ImageData(bytes, width, height), left, top);
  },

  pictureUrl: function(pixels, width, height, scale) {
    const picture = document.createElement('canvas');
    picture.width = width;
    picture.height = height;
    const bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    picture.getContext('2d').putImageData(new ImageData(bytes.slice(), width, height), 0, 0);
    if (scale === 1) return picture.toDataURL('image/png');
    const scaled = document.createElement('canvas');
    scaled.width = width * scale;
    scaled.height = height * scale;
    const context = scaled.getContext('2d');
    context.imageSmoothingEnabled = false;
    context.drawImage(picture, 0, 0, scaled.width, scaled.height);
    return scaled.toDataURL('image/png');
  },

  setCursor: function(cursor) {
    document.documentElement.style.cursor = cursor;
  },

  // The site's content is packaged with the program (/content) as far as the title
  // needs it; the package holds an empty stand-in for every other file, which comes
  // from the site in a pack: a pack fetched once the title shows, or at once when the
  // album reads one of its files first.
  isStandIn: function(descriptor) {
    const stream = FS.getStream(descriptor);
    if (!stream || !stream.path || !FS.isFile(stream.node.mode)) return false;
    let path;
    try {
      path = FS.getPath(FS.lookupPath(stream.path, {follow: true}).node);
    } catch (error) {
      return false;
    }
    return path.startsWith('/content/') && stream.node.usedBytes === 0 && !WebAlbum.missing.has(path);
  },

  // Whether the file at `path` can be read without waiting for its pack.
  isAtHand: function(path) {
    let node;
    try {
      node = FS.lookupPath(path, {follow: true}).node;
    } catch (error) {
      return true;
    }
    const content = FS.getPath(node);
    return node.usedBytes > 0 || !WebAlbum.packHolding().has(content) || WebAlbum.missing.has(content);
  },

  // The album waits for the pack that holds the file, shown waiting once that takes a
  // while; a file no pack holds, or whose pack the site does not have, stays empty.
  fetchContent: async function(descriptor) {
    const stream = FS.getStream(descriptor);
    const path = FS.getPath(FS.lookupPath(stream.path, {follow: true}).node);
    const pack = WebAlbum.packHolding().get(path);
    if (!pack) {
      WebAlbum.missing.add(path);
      return;
    }
    const showWaiting = setTimeout(() => WebAlbum.showWaiting(true), 300);
    try {
      await WebAlbum.fetchPack(pack);
    } finally {
      clearTimeout(showWaiting);
      WebAlbum.showWaiting(false);
    }
  },

  // The site's packs in the order they are wanted ({file, members: [[path, size]]}),
  // from the list the build wrote into the page, and the pack of each content path.
  // (Members are taken apart by index: emscripten's minifier loses destructured names.)
  packs: null,
  packOf: null,
  packHolding: function() {
    if (WebAlbum.packOf) return WebAlbum.packOf;
    const listed = JSON.parse(document.getElementById('site-files').textContent).packs;
    WebAlbum.packs = listed.map((pack) => ({file: pack[0], members: pack[1], arrival: null}));
    WebAlbum.packOf = new Map();
    for (const pack of WebAlbum.packs) {
      for (const member of pack.members) WebAlbum.packOf.set('/content/' + member[0], pack);
    }
    return WebAlbum.packOf;
  },

  // Fetches a pack once, however many ask for it, and cuts it into its files.
  fetchPack: function(pack) {
    if (!pack.arrival) {
      const size = pack.members.reduce((sum, member) => sum + member[1], 0);
      pack.arrival = WebAlbum.download(pack.file, size).then((bytes) => WebAlbum.unpack(pack, bytes));
    }
    return pack.arrival;
  },

  // Each file of the pack into its stand-in, where the album reads it at once; a pack
  // the site does not have leaves its files empty for good.
  unpack: function(pack, bytes) {
    let offset = 0;
    for (const member of pack.members) {
      const path = member[0];
      const size = member[1];
      const node = FS.lookupPath('/content/' + path).node;
      if (bytes && offset + size <= bytes.length) {
        node.contents = bytes.subarray(offset, offset + size);
        node.usedBytes = size;
      } else {
        WebAlbum.missing.add('/content/' + path);
      }
      offset += size;
    }
  },

  // Once the title is on screen: the loading screen goes, and the rest of the content
  // comes pack by pack in the order the album wants it; the page hears when it is all
  // there ('quillory-content').
  titleShown: async function() {
    document.getElementById('loading').hidden = true;
    WebAlbum.packHolding();
    for (const pack of WebAlbum.packs) await WebAlbum.fetchPack(pack);
    window.dispatchEvent(new Event('quillory-content'));
  },

  // The `size` bytes at `address`, or null when the site has no such file. A download
  // that ends short (a connection closed early in good order, which a browser may take
  // for the file's end) is tried again like any other failure. Between tries it pauses
  // 0.5 s, twice as long each time up to 8 s, or less when the browser comes back online.
  download: async function(address, size) {
    for (let pause = 500; ; pause = Math.min(pause * 2, 8000)) {
      try {
        const response = await fetch(address);
        if (response.ok) {
          const bytes = new Uint8Array(await response.arrayBuffer());
          if (bytes.length === size) return bytes;
        } else if (response.status === 404 || response.status === 410) {
          return null;
        }
      } catch (error) {
        // Offline or cut off: tried again below.
      }
      await window.quillory.untilOnlineOr(pause);
    }
  },

  showWaiting: function(waiting) {
    document.documentElement.classList.toggle('waiting', waiting);
  },

  print: async function() {
    const holder = document.getElementById('printout');
    holder.replaceChildren();
    for (const url of WebAlbum.printout) {
      const page = new Image();
      page.src = url;
      holder.appendChild(page);
      await page.decode().catch(() => {});
    }
    WebAlbum.printout = [];
    window.print();
  },
};

// The album's folder /album keeps the saves in the browser's storage (IndexedDB),
// read back before the program starts. Every save ends by flushing the file and its
// folder to the disk; under Asyncify emscripten's fsync stores the folder in
// IndexedDB then, and the save fails when that fails. The site's content (/content, packaged with
// the page or fetched later) appears in it as links, as the installed album's
// pictures do on the desktop; links are not the user's, so they are never stored.
addOnPreRun(() => {
  FS.mkdir('/album');
  FS.mount(IDBFS, {}, '/album');
  addRunDependency('saves');
  FS.syncfs(true, () => removeRunDependency('saves'));
});
addOnInit(() => {
  for (const name of FS.readdir('/content')) {
    if (name === '.' || name === '..' || FS.analyzePath('/album/' + name).exists) continue;
    FS.symlink('/content/' + name, '/album/' + name);
  }
  FS.chdir('/album');
});
// What IDBFS stores of the album's folder: every file and folder in it but the links
// (which are not walked into either).
IDBFS.getLocalSet = (mount, callback) => {
  const entries = {};
  const folders = [mount.mountpoint];
  while (folders.length) {
    const folder = folders.pop();
    for (const name of FS.readdir(folder)) {
      if (name === '.' || name === '..') continue;
      const path = PATH.join2(folder, name);
      const stat = FS.lstat(path);
      if (FS.isLink(stat.mode)) continue;
      if (FS.isDir(stat.mode)) folders.push(path);
      entries[path] = {'timestamp': stat.mtime};
    }
  }
  callback(null, {type: 'local', entries: entries});
};
// The storage is read once; after that each store compares the folder with what the
// last one left there.
(function() {
  const readRemoteSet = IDBFS.getRemoteSet;
  IDBFS.getRemoteSet = (mount, callback) => {
    if (!WebAlbum.stored) return readRemoteSet(mount, callback);
    IDBFS.getDB(mount.mountpoint, (error, db) => {
      callback(error, error ? null : {type: 'remote', db: db, entries: Object.assign({}, WebAlbum.stored)});
    });
  };
  const reconcile = IDBFS.reconcile;
  IDBFS.reconcile = (source, target, callback) => reconcile(source, target, (error) => {
    WebAlbum.stored = error ? null : Object.assign({}, source.entries);
    callback(error);
  });
})();
