#!/usr/bin/env python3
"""Serves the web album's site on 127.0.0.1 only. A browser that accepts gzip gets the
compressed copy the build wrote beside each file (NAME.gz). The service worker is
always checked with the server (no-cache), so that a browser finds a new version of
the site on its next visit. Usage: serve-web.py SITE [PORT]"""
import functools
import http.server
import os
import sys


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript',
                      '.data': 'application/octet-stream', '.dat': 'application/octet-stream',
                      '.webmanifest': 'application/manifest+json'}
    worker = 'sw.js'
    caching_said = False

    def send_header(self, keyword, value):
        self.caching_said |= keyword.lower() == 'cache-control'
        super().send_header(keyword, value)

    def end_headers(self):
        worker = os.path.basename(self.translate_path(self.path)) == self.worker
        if worker and not self.caching_said:
            self.send_header('Cache-Control', 'no-cache')
        self.caching_said = False
        super().end_headers()

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, 'index.html')
        compressed = path + '.gz'
        if ('gzip' not in self.headers.get('Accept-Encoding', '') or not os.path.isfile(path)
                or not os.path.isfile(compressed)):
            return super().send_head()
        body = open(compressed, 'rb')
        self.send_response(200)
        self.send_header('Content-Type', self.guess_type(path))
        self.send_header('Content-Encoding', 'gzip')
        self.send_header('Content-Length', str(os.fstat(body.fileno()).st_size))
        self.send_header('Cache-Control', 'no-cache')
        self.end_headers()
        return body

    def log_message(self, *args):
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
