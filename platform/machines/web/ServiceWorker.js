// The web album's service worker: keeps the whole site in the browser, so that the
// album starts and plays with no network after one visit.
// The build fills in `siteVersion` (a hash of every file of the site) and `siteFiles`
// (their addresses): a changed site is a changed worker, which the browser installs
// beside the running one; it fetches the new version whole into a cache of its own
// and then takes over at once. A page stays on the version it was opened with until
// it is opened again, whichever worker is in charge meanwhile: no page ever runs on
// the files of two versions. A version no open page uses is deleted. The album's saves
// live in IndexedDB, not here: a new version leaves them alone.
'use strict';

const siteVersion = '@SITE_VERSION@';
const siteFiles = [@SITE_FILES@
];
const versionPrefix = 'version-';
const versionCache = versionPrefix + siteVersion;
// Which version's cache each open page was opened with, one entry per page (by its
// client id), kept where a restarted or newer worker finds it.
const pagesCache = 'pages';

function pageEntry(clientId) {
  return new URL('page/' + clientId, self.registration.scope).href;
}

// A file whose name carries its content's hash never changes: the browser's own copy,
// which the page's download left there, is the one. Any other file is checked with the
// site, so that none comes from an older version left in the browser's own cache.
const hashedName = /\.[0-9a-f]{12}\.[A-Za-z0-9]+$/;

self.addEventListener('install', (event) => {
  const requests = siteFiles.map(
      (file) => new Request(file, {cache: hashedName.test(file) ? 'default' : 'no-cache'}));
  event.waitUntil(caches.open(versionCache)
      .then((cache) => cache.addAll(requests))
      .then(() => self.skipWaiting()));
});

// Forgets the pages that are closed, then the versions no open page uses.
async function forgetUnused() {
  const open = new Set((await self.clients.matchAll({type: 'window', includeUncontrolled: true}))
                           .map((client) => client.id));
  const pages = await caches.open(pagesCache);
  const used = new Set([versionCache]);
  for (const entry of await pages.keys()) {
    if (open.has(entry.url.substring(entry.url.lastIndexOf('/') + 1))) {
      used.add(await (await pages.match(entry)).text());
    } else {
      await pages.delete(entry);
    }
  }
  const unused = (await caches.keys())
      .filter((name) => name.startsWith(versionPrefix) && !used.has(name));
  await Promise.all(unused.map((name) => caches.delete(name)));
}

self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim().then(forgetUnused));
});

// Asked by a page once it is running, when the page it replaced is surely closed.
self.addEventListener('message', (event) => {
  if (event.data === 'forget unused versions') event.waitUntil(forgetUnused());
});

// A page opens on this version, and its requests are answered from the version it
// opened with; what no version holds comes from the network.
async function answer(event) {
  const request = event.request;
  if (request.mode === 'navigate') {
    if (event.resultingClientId) {
      const pages = await caches.open(pagesCache);
      await pages.put(pageEntry(event.resultingClientId), new Response(versionCache));
    }
    return (await caches.match('index.html', {cacheName: versionCache})) || fetch(request);
  }
  const page = event.clientId &&
      await caches.match(pageEntry(event.clientId), {cacheName: pagesCache});
  const cacheName = page ? await page.text() : versionCache;
  return (await caches.match(request, {cacheName: cacheName})) || fetch(request);
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(answer(event));
});
