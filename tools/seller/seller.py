#!/usr/bin/env python3
"""Stand-in for the seller's web server: serves our sample price list at the path and
query the program asks for, and a plain page for every other path.

Prints the port it listens on as the first line of standard output, so that a caller
can start it on port 0 (any free port) and read where it went.

Modes for testing the download:
  normal             the price list (200)
  404                404 for the price list
  stall              headers and the first bytes of the price list, then silence
  silent             accepts the connection and never answers
  oversize           2 MiB of data with no Content-Length
  oversize-declared  a Content-Length of 2 MiB, then the data
  truncated          a Content-Length larger than the data, then the connection closes
"""

import argparse
import http.server
import pathlib
import sys

PRICE_PATH = "/57223/downloader.php"
PRICE_QUERY = "id=00000000006&skip=1"
MODES = ("normal", "404", "stall", "silent", "oversize", "oversize-declared", "truncated")
OVERSIZE = 2 * 1024 * 1024

PAGE = """<!DOCTYPE html>
<html lang="ru"><head><meta charset="utf-8"><title>Тесмарик</title></head>
<body><h1>Тесмарик</h1><p>Страница продавца труб (учебный сервер).</p></body></html>
""".encode("utf-8")


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "TesmarikSeller/1.0"
    protocol_version = "HTTP/1.1"

    def do_GET(self):
        path, _, query = self.path.partition("?")
        if path != PRICE_PATH or query != PRICE_QUERY:
            self.send_body(200, "text/html; charset=utf-8", PAGE)
            return
        mode = self.server.mode
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
        elif mode == "truncated":
            self.send_response(200)
            self.send_header("Content-Type", "text/csv; charset=windows-1251")
            self.send_header("Content-Length", str(len(price) + 1000))
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(price)
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
    parser.add_argument("--mode", choices=MODES, default="normal")
    parser.add_argument("--quiet", action="store_true", help="no request log")
    args = parser.parse_args()

    server = http.server.ThreadingHTTPServer((args.host, args.port), Handler)
    server.daemon_threads = True
    server.mode = args.mode
    server.price = pathlib.Path(args.price).read_bytes()
    server.quiet = args.quiet
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
