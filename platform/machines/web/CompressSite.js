// Writes compressed copies beside every file of the web album's site (run by the build
// with node: CompressSite.js SITE): NAME.br (brotli, about a fifth smaller than gzip for
// the program and its package) and NAME.gz for browsers without brotli, each only when
// missing or older than its file. Servers send them as they are.
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

// The page and the program come before the title, over a slow link on a first visit:
// they get brotli's best quality (10 % smaller, seconds slower to make); the packs that
// follow in the background get a quicker one.
const beforeTitle = /^(index\.html|page\..*|quillory3\..*)$/;

const compressors = {
  '.br': (bytes, file) => zlib.brotliCompressSync(bytes, {params: {
    [zlib.constants.BROTLI_PARAM_QUALITY]: beforeTitle.test(path.basename(file)) ? 11 : 9,
    [zlib.constants.BROTLI_PARAM_LGWIN]: zlib.constants.BROTLI_MAX_WINDOW_BITS,
    [zlib.constants.BROTLI_PARAM_SIZE_HINT]: bytes.length}}),
  '.gz': (bytes) => zlib.gzipSync(bytes, {level: 9}),
};

function filesUnder(folder) {
  return fs.readdirSync(folder, {withFileTypes: true}).flatMap((entry) => {
    const file = path.join(folder, entry.name);
    return entry.isDirectory() ? filesUnder(file) : [file];
  });
}

function isNewer(copy, file) {
  return fs.existsSync(copy) && fs.statSync(copy).mtimeMs >= fs.statSync(file).mtimeMs;
}

for (const file of filesUnder(process.argv[2])) {
  if (Object.keys(compressors).includes(path.extname(file))) continue;
  for (const [suffix, compress] of Object.entries(compressors)) {
    const copy = file + suffix;
    if (isNewer(copy, file)) continue;
    fs.writeFileSync(copy + '.tmp', compress(fs.readFileSync(file), file));
    fs.renameSync(copy + '.tmp', copy);
  }
}
