#!/usr/bin/env python3
"""A small update server for the tests: serves a folder on 127.0.0.1 only.

Usage: update_server.py ROOT [LIFETIME_SECONDS [CERT KEY]]

With a certificate and its key it answers over TLS.

Prints "PORT <n>" once it listens. It ends by itself after LIFETIME_SECONDS
(default 240) or as soon as its standard input closes, so a test that dies
never leaves it behind. Each request is logged as "GET <path>" to ROOT/requests.log.

A file F may have a side file F.behave with JSON that shapes the reply:
  status     HTTP status to answer (default 200; 404 when F is missing)
  redirect   answer 302 with this Location
  chunk      bytes per write (default: all at once)
  pause      seconds between writes
  cut_after  close the connection after this many body bytes
  length     Content-Length to announce ("none": no length, the end of the
             connection ends the body)
  chunked    true: chunked transfer coding
"""
import http.server
import json
import os
import socketserver
import ssl
import sys
import threading
import time

ROOT = os.path.realpath(sys.argv[1])
LIFETIME = float(sys.argv[2]) if len(sys.argv) > 2 else 240.0
LOG_LOCK = threading.Lock()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, fmt, *args):
        pass

    def do_GET(self):
        with LOG_LOCK, open(os.path.join(ROOT, "requests.log"), "a") as log:
            log.write("GET %s\n" % self.path)
        path = os.path.realpath(os.path.join(ROOT, self.path.split("?")[0].lstrip("/")))
        if not path.startswith(ROOT + os.sep):
            self.reply_plain(403)
            return
        behave = {}
        if os.path.isfile(path + ".behave"):
            with open(path + ".behave") as f:
                behave = json.load(f)
        if "redirect" in behave:
            self.send_response(behave.get("status", 302))
            self.send_header("Location", behave["redirect"])
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        if not os.path.isfile(path):
            self.reply_plain(404)
            return
        with open(path, "rb") as f:
            body = f.read()
        self.send_response(behave.get("status", 200))
        length = behave.get("length", len(body))
        if behave.get("chunked"):
            self.send_header("Transfer-Encoding", "chunked")
        elif length == "none":
            self.send_header("Connection", "close")
            self.close_connection = True
        else:
            self.send_header("Content-Length", str(length))
        self.end_headers()
        self.send_body(body, behave)

    def reply_plain(self, status):
        body = b"nothing here\n"
        self.send_response(status)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def send_body(self, body, behave):
        chunk = int(behave.get("chunk", len(body) or 1))
        pause = float(behave.get("pause", 0))
        cut = behave.get("cut_after")
        sent = 0
        while sent < len(body):
            if cut is not None and sent >= cut:
                self.close_connection = True
                self.connection.shutdown(2)
                return
            part = body[sent:sent + chunk]
            if cut is not None:
                part = part[:max(0, cut - sent)]
            if behave.get("chunked"):
                self.wfile.write(b"%x\r\n%s\r\n" % (len(part), part))
            else:
                self.wfile.write(part)
            self.wfile.flush()
            sent += len(part)
            if pause and sent < len(body):
                time.sleep(pause)
        if cut is not None and sent >= cut and cut < len(body):
            self.close_connection = True
            self.connection.shutdown(2)
            return
        if behave.get("chunked"):
            self.wfile.write(b"0\r\n\r\n")


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def end_when_stdin_closes():
    try:
        while sys.stdin.buffer.read(1024):
            pass
    except Exception:
        pass
    os._exit(0)


def main():
    server = Server(("127.0.0.1", 0), Handler)
    if len(sys.argv) > 4:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(sys.argv[3], sys.argv[4])
        server.socket = context.wrap_socket(server.socket, server_side=True)
    print("PORT %d" % server.server_address[1], flush=True)
    threading.Thread(target=end_when_stdin_closes, daemon=True).start()
    threading.Timer(LIFETIME, lambda: os._exit(0)).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
