#!/usr/bin/env python3
"""Stand-in for the seller's web server: serves our sample price list at the path and
query the program asks for, and a plain page for every other path.

Prints the port it listens on as the first line of standard output, so that a caller
can start it on port 0 (any free port) and read where it went.

Modes for testing the download. Answers the program must take:
  normal             the price list (200)
  chunked            the price list in chunks of 1000 bytes
  http10             an HTTP/1.0 answer without a length, ended by closing the connection
  drip               the price list with its length, 64 bytes every 10 ms
  redirect           a redirect to the price list
Answers it must refuse, keeping the file it has:
  404, 500           that status, with a short text
  redirect-loop      a redirect to itself, for ever
  stall              headers and the first bytes of the price list, then silence
  silent             accepts the connection and never answers
  oversize           2 MiB of data with no Content-Length
  oversize-declared  a Content-Length of 2 MiB, then the data
  truncated          a Content-Length larger than the data, then the connection closes
  chunk-zz           a chunked body whose first chunk size is "zz"
  chunk-huge         a chunked body whose first chunk size is ffffffffffffffff
  chunk-bad-later    the whole price list as a chunk, then the chunk size "zz"
  chunk-cut          half the price list as a chunk, then the connection closes
  reset              half the price list without a length, then a connection reset
  reset-at-once      a connection reset before any answer
  two-lengths        two different Content-Length headers, then 100 bytes
  partial            206 Partial Content with the first 100 bytes
  no-content         204 No Content
  empty              200 with an empty body
  portal             200 with the login page of a Wi-Fi hotspot
  no-separator       200 with a text whose first line has no field separator
  gzip-bomb          200 with Content-Encoding gzip: 20 MB of zeros packed
  flood-chunks       chunks of one byte, for ever
  flood-headers      header lines, for ever
  flood-continue     interim answers "100 Continue", for ever
One server for all of them:
  by-path            the first segment of the path names the mode of that request:
                     /chunked/57223/downloader.php?... answers as --mode chunked does
Or, with --rotate MODE,MODE,...: each request of the price list answers in the next mode
of the list, round and round (a long session meets every answer in turn).

With --run COMMAND... the server starts in the background, COMMAND runs with the
server's address (127.0.0.1:PORT) in the environment variable TESMARIK_TEST_SELLER, and
the server stops when COMMAND ends, whose exit status is then the script's. This is how
a program that cannot start this script itself (a Windows test program under Wine) gets
a server of every mode.
"""

import argparse
import gzip
import http.server
import os
import pathlib
import socket
import struct
import subprocess
import sys
import threading
import time

PRICE_PATH = "/57223/downloader.php"
PRICE_QUERY = "id=00000000006&skip=1"
MODES = ("normal", "chunked", "http10", "drip", "redirect",
         "404", "500", "redirect-loop", "stall", "silent", "oversize", "oversize-declared",
         "truncated", "chunk-zz", "chunk-huge", "chunk-bad-later", "chunk-cut", "reset",
         "reset-at-once", "two-lengths", "partial", "no-content", "empty", "portal",
         "no-separator", "gzip-bomb", "flood-chunks", "flood-headers", "flood-continue")
OVERSIZE = 2 * 1024 * 1024

PAGE = """<!DOCTYPE html>
<html lang="ru"><head><meta charset="utf-8"><title>Тесмарик</title></head>
<body><h1>Тесмарик</h1><p>Страница продавца труб (учебный сервер).</p></body></html>
""".encode("utf-8")

# What a hotel's or a café's Wi-Fi answers to any address before the guest logs in; the
# style on its first line holds a ";".
PORTAL = """<!DOCTYPE html><html><head><style>body { margin: 0; font-family: sans-serif; }</style>
<title>Wi-Fi login</title></head>
<body><form method="post" action="/login"><p>Wi-Fi login</p>
<input name="room"><input type="submit" value="OK"></form></body></html>
""".encode("utf-8")

HEAD_CSV = "Content-Type: text/csv; charset=windows-1251\r\n"


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "TesmarikSeller/1.0"
    protocol_version = "HTTP/1.1"

    def do_GET(self):
        path, _, query = self.path.partition("?")
        mode = self.server.mode
        prefix = ""
        if mode == "by-path":
            _, _, rest = path.partition("/")
            mode, slash, rest = rest.partition("/")
            if mode not in MODES:
                self.send_body(404, "text/plain; charset=utf-8", b"no such mode\n")
                return
            prefix = "/" + mode
            path = slash + rest
        if path == PRICE_PATH and query == PRICE_QUERY + "&moved=1":
            self.send_body(200, "text/csv; charset=windows-1251", self.server.price)
            return
        if path != PRICE_PATH or query != PRICE_QUERY:
            self.send_body(200, "text/html; charset=utf-8", PAGE)
            return
        if self.server.rotate:
            with self.server.rotate_lock:
                mode = self.server.rotate[self.server.rotate_next % len(self.server.rotate)]
                self.server.rotate_next += 1
        price = self.server.price
        if mode == "normal":
            self.send_body(200, "text/csv; charset=windows-1251", price)
        elif mode == "404":
            self.send_body(404, "text/plain; charset=utf-8", b"not found\n")
        elif mode == "stall":
            self.send_response(200)
            self.send_header("Content-Type", "text/csv; charset=windows-1251")
            self.send_header("Content-Length", str(len(price)))
            self.end_headers()
            self.wfile.write(price[:64])
            self.wfile.flush()
            self.wait_for_client()
        elif mode == "silent":
            self.wait_for_client()
        elif mode in ("oversize", "oversize-declared"):
            self.send_response(200)
            self.send_header("Content-Type", "text/csv; charset=windows-1251")
            if mode == "oversize-declared":
                self.send_header("Content-Length", str(OVERSIZE))
            else:
                self.send_header("Connection", "close")
                self.close_connection = True
            self.end_headers()
            line = b"n;530;8;20;;1;;;;;1\r\n"
            sent = 0
            try:
                while sent < OVERSIZE:
                    chunk = line * min(4096, (OVERSIZE - sent) // len(line) + 1)
                    chunk = chunk[: OVERSIZE - sent]
                    self.wfile.write(chunk)
                    sent += len(chunk)
            except (BrokenPipeError, ConnectionResetError):
                pass
        elif mode == "chunked":
            body = b"".join(b"%x\r\n%s\r\n" % (len(price[i:i + 1000]), price[i:i + 1000])
                            for i in range(0, len(price), 1000))
            self.send_raw(b"HTTP/1.1 200 OK\r\n" + HEAD_CSV.encode() +
                          b"Transfer-Encoding: chunked\r\n\r\n" + body + b"0\r\n\r\n")
        elif mode == "http10":
            self.send_raw(b"HTTP/1.0 200 OK\r\n" + HEAD_CSV.encode() + b"\r\n" + price)
            self.close_connection = True
        elif mode == "drip":
            self.send_raw(b"HTTP/1.1 200 OK\r\n" + HEAD_CSV.encode() +
                          b"Content-Length: %d\r\n\r\n" % len(price))
            for i in range(0, len(price), 64):
                time.sleep(0.01)
                self.send_raw(price[i:i + 64])
        elif mode == "redirect":
            self.send_raw(b"HTTP/1.1 302 Found\r\nLocation: %s%s?%s&moved=1\r\n"
                          b"Content-Length: 0\r\n\r\n"
                          % (prefix.encode(), PRICE_PATH.encode(), PRICE_QUERY.encode()))
        elif mode == "500":
            self.send_body(500, "text/plain; charset=utf-8", b"internal error\n")
        elif mode == "redirect-loop":
            self.send_raw(b"HTTP/1.1 302 Found\r\nLocation: %s\r\nContent-Length: 0\r\n\r\n"
                          % self.path.encode())
        elif mode in ("chunk-zz", "chunk-huge", "chunk-bad-later", "chunk-cut"):
            head = (b"HTTP/1.1 200 OK\r\n" + HEAD_CSV.encode() +
                    b"Transfer-Encoding: chunked\r\nConnection: close\r\n\r\n")
            half = price[:len(price) // 2]
            body = {
                "chunk-zz": b"zz\r\n" + price + b"\r\n0\r\n\r\n",
                "chunk-huge": b"ffffffffffffffff\r\n" + price + b"\r\n0\r\n\r\n",
                "chunk-bad-later": b"%x\r\n%s\r\nzz\r\n" % (len(price), price),
                "chunk-cut": b"%x\r\n%s" % (len(price), half),
            }[mode]
            self.send_raw(head + body)
            self.close_connection = True
        elif mode == "reset":
            self.send_raw(b"HTTP/1.1 200 OK\r\n" + HEAD_CSV.encode() +
                          b"Connection: close\r\n\r\n" + price[:len(price) // 2])
            time.sleep(0.2)  # the part reaches the client before the reset
            self.reset()
        elif mode == "reset-at-once":
            self.reset()
        elif mode == "two-lengths":
            self.send_raw(b"HTTP/1.1 200 OK\r\n" + HEAD_CSV.encode() +
                          b"Content-Length: 100\r\nContent-Length: %d\r\n"
                          b"Connection: close\r\n\r\n" % len(price) + price[:100])
            self.close_connection = True
        elif mode == "partial":
            self.send_raw(b"HTTP/1.1 206 Partial Content\r\n" + HEAD_CSV.encode() +
                          b"Content-Range: bytes 0-99/%d\r\nContent-Length: 100\r\n\r\n"
                          % len(price) + price[:100])
        elif mode == "no-content":
            self.send_raw(b"HTTP/1.1 204 No Content\r\n\r\n")
        elif mode == "empty":
            self.send_body(200, "text/csv; charset=windows-1251", b"")
        elif mode == "portal":
            self.send_body(200, "text/html; charset=utf-8", PORTAL)
        elif mode == "no-separator":
            self.send_body(200, "text/plain; charset=windows-1251",
                           "Сервис временно недоступен\r\n".encode("cp1251"))
        elif mode == "gzip-bomb":
            packed = gzip.compress(b"\0" * (20 * 1000 * 1000), compresslevel=9)
            self.send_raw(b"HTTP/1.1 200 OK\r\n" + HEAD_CSV.encode() +
                          b"Content-Encoding: gzip\r\nContent-Length: %d\r\n\r\n"
                          % len(packed) + packed)
        elif mode.startswith("flood-"):
            head, piece = {
                "flood-chunks": (b"HTTP/1.1 200 OK\r\n" + HEAD_CSV.encode() +
                                 b"Transfer-Encoding: chunked\r\n\r\n", b"1\r\nn\r\n"),
                "flood-headers": (b"HTTP/1.1 200 OK\r\n", b"X-Filler: 0123456789\r\n"),
                "flood-continue": (b"", b"HTTP/1.1 100 Continue\r\n\r\n"),
            }[mode]
            self.close_connection = True
            try:
                self.send_raw(head)
                block = piece * (65536 // len(piece))
                while True:
                    self.send_raw(block)
            except OSError:
                pass
        elif mode == "truncated":
            self.send_response(200)
            self.send_header("Content-Type", "text/csv; charset=windows-1251")
            self.send_header("Content-Length", str(len(price) + 1000))
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(price)
            self.close_connection = True

    def send_raw(self, data):
        self.wfile.write(data)
        self.wfile.flush()

    def reset(self):
        # Closes at once with a reset (RST) instead of an orderly end (FIN).
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.connection.close()
        self.close_connection = True

    def send_body(self, status, content_type, body):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def wait_for_client(self):
        # Holds the connection open, sending nothing, until the client gives up.
        self.close_connection = True
        try:
            while self.rfile.read(1):
                pass
        except (ConnectionResetError, OSError):
            pass

    def log_message(self, format, *args):
        if not self.server.quiet:
            sys.stderr.write("seller: %s\n" % (format % args))


def main():
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--host", default="127.0.0.1", help="address to listen on")
    parser.add_argument("--port", type=int, default=0, help="port; 0 picks a free one")
    parser.add_argument("--price", default=str(here / "sample-price.csv"),
                        help="the price file to serve (Windows-1251)")
    parser.add_argument("--mode", choices=MODES + ("by-path",), default="normal")
    parser.add_argument("--rotate", type=lambda text: text.split(","), default=[],
                        metavar="MODE,MODE,...", help="each price request in the next mode")
    parser.add_argument("--quiet", action="store_true", help="no request log")
    parser.add_argument("--run", nargs=argparse.REMAINDER, metavar="COMMAND",
                        help="run COMMAND with TESMARIK_TEST_SELLER set, then stop")
    args = parser.parse_args()

    server = http.server.ThreadingHTTPServer((args.host, args.port), Handler)
    server.daemon_threads = True
    server.mode = args.mode
    unknown = [mode for mode in args.rotate if mode not in MODES]
    if unknown:
        parser.error("no such mode: " + ", ".join(unknown))
    server.rotate = args.rotate
    server.rotate_lock = threading.Lock()
    server.rotate_next = 0
    server.price = pathlib.Path(args.price).read_bytes()
    server.quiet = args.quiet
    if args.run:
        threading.Thread(target=server.serve_forever, daemon=True).start()
        address = "%s:%d" % server.server_address[:2]
        try:
            status = subprocess.run(args.run, env=dict(os.environ, TESMARIK_TEST_SELLER=address),
                                    check=False).returncode
        finally:
            server.shutdown()
            server.server_close()
        sys.exit(status if status >= 0 else 128 - status)
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
