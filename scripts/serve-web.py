#!/usr/bin/env python3
"""Serves the web album's site on 127.0.0.1 only. A browser that accepts brotli or gzip
gets the compressed copy the build wrote beside each file (NAME.br, else NAME.gz). A
file whose name carries its content's hash (NAME.<12 hex digits>.EXT) never changes, so
browsers may keep it for a year without asking again; any other file (index.html, the
service worker, the manifest and icons) is served with a validator and `no-cache`, so
that a browser asks each time (and so finds a new version of the site) and is answered
304 when it has the file.
Usage: serve-web.py SITE [PORT] [--test]
  --test  the browser test may make the server fail for a while (FailingSiteHandler)"""
import email.utils
import functools
import http
import http.server
import io
import json
import os
import re
import socket
import struct
import sys
import threading

HASHED_NAME = re.compile(r"\.[0-9a-f]{12}\.[A-Za-z0-9]+$")
# The compressed copies the build writes beside each file, best first.
ENCODINGS = {"br": ".br", "gzip": ".gz"}
KEPT_FOR_A_YEAR = "public, max-age=31536000, immutable"


def cache_control(path):
    return KEPT_FOR_A_YEAR if HASHED_NAME.search(os.path.basename(path)) else "no-cache"


def validator(status, encoding):
    """The entity tag of one stored copy: its time of change, its size and its coding."""
    return f'"{status.st_mtime_ns:x}-{status.st_size:x}{"-" + encoding if encoding else ""}"'


def not_modified(headers, tag, status):
    """Whether the browser's copy, named by its request's validators, is this one."""
    tags = headers.get("If-None-Match")
    if tags is not None:
        return tags.strip() == "*" or tag in (part.strip() for part in tags.split(","))
    since = headers.get("If-Modified-Since")
    if since is None:
        return False
    try:
        return int(status.st_mtime) <= email.utils.parsedate_to_datetime(since).timestamp()
    except (TypeError, ValueError, IndexError, OverflowError):
        return False


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript',
                      '.data': 'application/octet-stream', '.dat': 'application/octet-stream',
                      '.pack': 'application/octet-stream', '.png': 'image/png',
                      '.webmanifest': 'application/manifest+json'}

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            if not self.path.split("?", 1)[0].endswith("/"):
                return super().send_head()
            path = os.path.join(path, 'index.html')
        if not os.path.isfile(path):
            self.send_error(http.HTTPStatus.NOT_FOUND, "File not found")
            return None
        encoding = self.encoding_for(path)
        body = open(path + ENCODINGS[encoding] if encoding else path, 'rb')
        status = os.fstat(body.fileno())
        tag = validator(status, encoding)
        if not_modified(self.headers, tag, status):
            body.close()
            self.send_response(http.HTTPStatus.NOT_MODIFIED)
            self.send_validators(path, tag, status)
            self.end_headers()
            return None
        self.send_response(http.HTTPStatus.OK)
        self.send_header('Content-Type', self.guess_type(path))
        if encoding:
            self.send_header('Content-Encoding', encoding)
        self.send_header('Content-Length', str(status.st_size))
        self.send_validators(path, tag, status)
        self.end_headers()
        return body

    def encoding_for(self, path):
        """The best compressed copy of the file the browser takes, or None for the file."""
        accepted = {part.split(';')[0].strip()
                    for part in self.headers.get('Accept-Encoding', '').split(',')}
        return next((encoding for encoding, suffix in ENCODINGS.items()
                     if encoding in accepted and os.path.isfile(path + suffix)), None)

    def send_validators(self, path, tag, status):
        self.send_header('Cache-Control', cache_control(path))
        self.send_header('Vary', 'Accept-Encoding')
        self.send_header('ETag', tag)
        self.send_header('Last-Modified', self.date_time_string(int(status.st_mtime)))

    def log_message(self, *args):
        pass


class FailingSiteHandler(SiteHandler):
    """For the browser test: the site, but the next requests for a file get the failures
    the test asked for, in turn, as a busy or broken server would answer them. POST
    /test/failures {"path": "/data003/p0003.pack", "answers": [503, "cut"]} sets them
    (an HTTP status; "cut": the connection broken off halfway through the file; "short":
    only the first half of the file, given as all of it); GET
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
        if answer == 'short':
            return self.send_first_half()
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

    def send_first_half(self):
        """Sends the first half of the file as if it were all of it: what a connection
        closed early in good order leaves a browser that takes its end for the file's."""
        with open(self.translate_path(self.path), 'rb') as file:
            body = file.read()
        half = body[:len(body) // 2]
        self.send_response(200)
        self.send_header('Content-Type', self.guess_type(self.path))
        self.send_header('Content-Length', str(len(half)))
        self.end_headers()
        return io.BytesIO(half)

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
