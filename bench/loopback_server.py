#!/usr/bin/env python3
"""The start-up, memory and soak benchmarks' web server, on loopback.

Pages tell the server when their load handler runs (GET /loaded?...); each such call is written
to the log as "<monotonic seconds> <query>", on the clock that GLib's monotonic time uses.
  /small           a small home page
  /big             200 paragraphs and 50 pictures
  /soak?n=K        tells K, then goes to /soak?n=K+1 until K reaches the limit
usage: loopback_server.py PORT LOG [SOAK_LIMIT]
"""
import http.server
import sys
import time
import zlib
import struct

PORT, LOG = int(sys.argv[1]), sys.argv[2]
SOAK_LIMIT = int(sys.argv[3]) if len(sys.argv) > 3 else 600


def png(size=24, rgb=(40, 160, 90)):
    raw = b"".join(b"\0" + bytes(rgb) * size for _ in range(size))
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


PICTURE = png()
TELL = "<script>function told(q, then) { fetch('/loaded?' + q).then(then || (() => {})); }</script>"


def page(title, body, onload):
    return (f"<!doctype html><html><head><meta charset='utf-8'><title>{title}</title>{TELL}"
            f"</head><body onload=\"{onload}\">{body}</body></html>").encode()


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        path, _, query = self.path.partition("?")
        if path == "/loaded":
            with open(LOG, "a") as log:
                log.write(f"{time.monotonic():.6f} {query}\n")
            return self.send(b"ok", "text/plain")
        if path == "/small":
            return self.send(page("Home", "<h1>Home</h1><p>A small home page.</p>", "told('small')"))
        if path == "/big":
            paragraphs = "".join(f"<p>Paragraph {i}: " + "lorem ipsum dolor sit amet " * 12 + "</p>"
                                 for i in range(200))
            pictures = "".join(f"<img src='/picture?i={i}' width=24 height=24>" for i in range(50))
            return self.send(page("Big", f"<h1>Big</h1>{pictures}{paragraphs}", "told('big')"))
        if path == "/picture":
            return self.send(PICTURE, "image/png")
        if path == "/soak":
            n = int(query.partition("=")[2] or 0)
            go = f"() => {{ location = '/soak?n={n + 1}'; }}" if n < SOAK_LIMIT else "null"
            body = f"<h1>Soak {n}</h1>" + "<p>" + "words to lay out " * 200 + "</p>"
            return self.send(page(f"Soak {n}", body, f"told('soak={n}', {go})"))
        self.send_error(404)

    def send(self, body, kind="text/html; charset=utf-8"):
        self.send_response(200)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


http.server.ThreadingHTTPServer(("127.0.0.1", PORT), Handler).serve_forever()
