#!/usr/bin/env python3
"""Serves the web album's site on 127.0.0.1 only. A browser that accepts gzip gets the
compressed copy the build wrote beside each file (NAME.gz). The service worker is
always checked with the server (no-cache), so that a browser finds a new version of
the site on its next visit.
Usage: serve-web.py SITE [PORT] [--test]
  --test  the browser test may make the server fail for a while (FailingSiteHandler)"""
import functools
import http.server
import io
import json
import os
import socket
import struct
import sys
import threading


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


class FailingSiteHandler(SiteHandler):
    """For the browser test: the site, but the next requests for a file get the failures
    the test asked for, in turn, as a busy or broken server would answer them. POST
    /test/failures {"path": "/data003/p0003.dat", "answers": [503, "cut"]} sets them
    (an HTTP status, or "cut": the connection closed halfway through the file); GET
    /test/failures tells, by path, how many are still to come."""
    CONTROL = '/test/failures'
    failures = {}
    lock = threading.Lock()

    def do_POST(self):
        if self.path != self.CONTROL:
            self.send_error(404)
            return
        plan = json.loads(self.rfile.read(int(self.headers.get('Content-Length', 0))))
        with self.lock:
            self.failures[plan['path']] = list(plan['answers'])
        self.send_response(204)
        self.end_headers()

    def send_head(self):
        path = self.path.split('?', 1)[0]
        if path == self.CONTROL:
            return self.send_failures_to_come()
        with self.lock:
            answers = self.failures.get(path)
            answer = answers.pop(0) if answers else None
        if answer is None:
            return super().send_head()
        if answer == 'cut':
            return self.send_half()
        self.send_error(int(answer))
        return None

    def send_half(self):
        """Says the whole file comes, sends half of it and breaks the connection off
        (a reset: a browser may take a connection closed in good order as the end)."""
        with open(self.translate_path(self.path), 'rb') as file:
            body = file.read()
        self.send_response(200)
        self.send_header('Content-Type', self.guess_type(self.path))
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body[:len(body) // 2])
        self.wfile.flush()
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack('ii', 1, 0))
        self.connection.close()
        self.close_connection = True
        return None

    def send_failures_to_come(self):
        with self.lock:
            body = json.dumps({path: len(answers) for path, answers in self.failures.items()})
        self.send_response(200)
        self.send_header('Content-Type', 'application/json')
        self.send_header('Content-Length', str(len(body)))
        self.send_header('Cache-Control', 'no-store')
        self.end_headers()
        return io.BytesIO(body.encode())


def main():
    site = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[2] != '--test' else 8000
    serving = FailingSiteHandler if '--test' in sys.argv[2:] else SiteHandler
    handler = functools.partial(serving, directory=site)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
    print(f'The web album: http://127.0.0.1:{port}/', flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
