#!/usr/bin/env python3
"""Serves the web album's site on 127.0.0.1 only, gzip-compressed for browsers that
accept it. Usage: serve-web.py SITE_FOLDER [PORT]"""
import functools
import gzip
import http.server
import os
import sys

# Compressed once per file and kept while the file is unchanged.
_compressed = {}


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript',
                      '.data': 'application/octet-stream', '.dat': 'application/octet-stream'}

    def send_head(self):
        path = self.translate_path(self.path)
        accepts_gzip = 'gzip' in self.headers.get('Accept-Encoding', '')
        if os.path.isdir(path):
            path = os.path.join(path, 'index.html')
        if not accepts_gzip or not os.path.isfile(path):
            return super().send_head()
        stamp = os.stat(path).st_mtime_ns
        cached = _compressed.get(path)
        if cached is None or cached[0] != stamp:
            with open(path, 'rb') as original:
                cached = (stamp, gzip.compress(original.read(), 6))
            _compressed[path] = cached
        body = cached[1]
        self.send_response(200)
        self.send_header('Content-Type', self.guess_type(path))
        self.send_header('Content-Encoding', 'gzip')
        self.send_header('Content-Length', str(len(body)))
        self.send_header('Cache-Control', 'no-cache')
        self.end_headers()
        return _Body(body)

    def log_message(self, *args):
        pass


class _Body:
    """The compressed bytes, read by copyfile like a file."""

    def __init__(self, data):
        self._data = data
        self._done = False

    def read(self, size=-1):
        if self._done:
            return b''
        self._done = True
        return self._data

    def close(self):
        pass


def main():
    site = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8000
    handler = functools.partial(SiteHandler, directory=site)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
    print(f'The web album: http://127.0.0.1:{port}/', flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
