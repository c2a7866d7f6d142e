#!/usr/bin/env python3
"""Holds many idle connections to the running program's instance socket.

    instance_flood.py SOCKET SECONDS [COUNT]

Opens COUNT (50) connections that never say anything and keeps them open
for SECONDS or until the program has closed them. Prints "open" once all are
connected, and at the end how long the program let an idle connection live:
how many it closed, the longest life of one it closed and the age of the
oldest one still open.
"""
import select
import socket
import sys
import time

path, seconds = sys.argv[1], float(sys.argv[2])
count = int(sys.argv[3]) if len(sys.argv) > 3 else 50
opened = {}


def open_one():
    peer = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    peer.connect(path)
    peer.setblocking(False)
    opened[peer] = time.monotonic()


for _ in range(count):
    open_one()
print("open", flush=True)

lives = []
end = time.monotonic() + seconds
while opened and time.monotonic() < end:
    ready, _, _ = select.select(list(opened), [], [], 0.05)
    for peer in ready:
        try:
            data = peer.recv(64)
        except OSError:
            data = b""
        if data:
            continue
        lives.append(time.monotonic() - opened.pop(peer))
        peer.close()

now = time.monotonic()
oldest = max((now - born for born in opened.values()), default=0.0)
print(f"closed {len(lives)} longest_life {max(lives, default=0.0):.2f} oldest_open {oldest:.2f}", flush=True)
