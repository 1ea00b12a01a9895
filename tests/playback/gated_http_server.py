#!/usr/bin/env python3
"""Serves one file over HTTP slowly: the first bytes at once, the rest only after a gate file appears.

Usage: gated_http_server.py PORT FILE FIRST_BYTES GATE_PATH
Prints "ready" once it listens.
"""
import http.server
import os
import sys
import time

port, path, first, gate = int(sys.argv[1]), sys.argv[2], int(sys.argv[3]), sys.argv[4]
with open(path, "rb") as f:
    body = f.read()


class Handler(http.server.BaseHTTPRequestHandler):
    def headers_only(self):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()

    def do_HEAD(self):
        self.headers_only()

    def do_GET(self):
        self.headers_only()
        self.wfile.write(body[:first])
        self.wfile.flush()
        deadline = time.monotonic() + 60
        while not os.path.exists(gate) and time.monotonic() < deadline:
            time.sleep(0.02)
        self.wfile.write(body[first:])
        self.wfile.flush()

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", port), Handler)
print("ready", flush=True)
server.serve_forever()
