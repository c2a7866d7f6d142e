#!/usr/bin/env python3
"""Frames of an Xvfb screen, read from its -fbdir framebuffer file.

Xvfb keeps the screen in an XWD image file that it updates as it draws, so
reading that file in a tight loop records what was on the screen, frame by
frame, without asking the X server anything.

  frames.py record FB OUT SECONDS X Y W H [READY]
                                            record the region while it changes;
                                            READY is created once recording runs
  frames.py png FB OUT [X Y W H]            the screen (or a region) as PNG
Recorded frames are kept as zlib-packed BGRX rows; load() reads them back.
"""
import mmap
import struct
import sys
import time
import zlib


class Framebuffer:
    def __init__(self, path):
        self.file = open(path, "rb")
        self.map = mmap.mmap(self.file.fileno(), 0, access=mmap.ACCESS_READ)
        head = struct.unpack(">25I", self.map[:100])
        header_size, ncolors = head[0], head[19]
        self.width, self.height = head[4], head[5]
        self.bits_per_pixel, self.stride = head[11], head[12]
        if self.bits_per_pixel != 32:
            raise SystemExit("framebuffer is not 32 bits per pixel")
        self.offset = header_size + ncolors * 12

    def region(self, x, y, w, h):
        """BGRX bytes of a rectangle, row after row."""
        rows = []
        for row in range(y, y + h):
            start = self.offset + row * self.stride + x * 4
            rows.append(self.map[start:start + w * 4])
        return b"".join(rows)


class Image:
    """A BGRX picture of w x h pixels."""

    def __init__(self, w, h, data):
        self.w, self.h, self.data = w, h, data

    def pixel(self, x, y):
        i = (y * self.w + x) * 4
        b, g, r = self.data[i], self.data[i + 1], self.data[i + 2]
        return r, g, b

    def crop(self, x, y, w, h):
        rows = []
        for row in range(y, y + h):
            start = (row * self.w + x) * 4
            rows.append(self.data[start:start + w * 4])
        return Image(w, h, b"".join(rows))

    def count(self, test, x=0, y=0, w=None, h=None):
        w = self.w - x if w is None else w
        h = self.h - y if h is None else h
        n = 0
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                if test(*self.pixel(xx, yy)):
                    n += 1
        return n

    def png(self, path):
        raw = bytearray()
        for y in range(self.h):
            raw.append(0)
            for x in range(self.w):
                raw.extend(self.pixel(x, y))

        def chunk(kind, body):
            c = struct.pack(">I", len(body)) + kind + body
            return c + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 2, 0, 0, 0)))
            out.write(chunk(b"IDAT", zlib.compress(bytes(raw), 6)))
            out.write(chunk(b"IEND", b""))


def record(fb_path, out_path, seconds, x, y, w, h, ready=None):
    """Reads the region as often as it can; keeps each frame that differs."""
    fb = Framebuffer(fb_path)
    kept = []
    last = None
    reads = 0
    end = time.monotonic() + seconds
    if ready:
        open(ready, "w").close()
    while time.monotonic() < end:
        data = fb.region(x, y, w, h)
        reads += 1
        if data != last:
            kept.append((time.monotonic(), zlib.compress(data, 1)))
            last = data
    with open(out_path, "wb") as out:
        out.write(struct.pack(">IIIIII", x, y, w, h, len(kept), reads))
        for stamp, packed in kept:
            out.write(struct.pack(">dI", stamp, len(packed)))
            out.write(packed)
    return len(kept), reads


def load(path):
    """(x, y, [(time, Image), ...], reads) of a recording."""
    with open(path, "rb") as f:
        x, y, w, h, n, reads = struct.unpack(">IIIIII", f.read(24))
        frames = []
        for _ in range(n):
            stamp, size = struct.unpack(">dI", f.read(12))
            frames.append((stamp, Image(w, h, zlib.decompress(f.read(size)))))
    return x, y, frames, reads


def main(argv):
    if len(argv) in (9, 10) and argv[1] == "record":
        kept, reads = record(argv[2], argv[3], float(argv[4]), *map(int, argv[5:9]),
                             ready=argv[9] if len(argv) == 10 else None)
        print(f"{kept} frames kept of {reads} reads")
    elif len(argv) in (4, 8) and argv[1] == "png":
        fb = Framebuffer(argv[2])
        x, y, w, h = map(int, argv[4:8]) if len(argv) == 8 else (0, 0, fb.width, fb.height)
        Image(w, h, fb.region(x, y, w, h)).png(argv[3])
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
