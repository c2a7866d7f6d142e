#!/usr/bin/env python3
"""Synthesizes the applause recording: a crowd of clappers, each clap a short
band-passed noise burst, swelling in and dying away over about 4.5 seconds.
Standard library only; the fixed seed makes the output byte-identical between runs.

usage: make_applause.py OUT.wav
"""
import math
import random
import struct
import sys
import wave

RATE = 11025
LENGTH_S = 4.5
CLAPPERS = 14
SEED = 1907


def envelope(t):
    """How busy the crowd is at time t: swells in, holds, thins out."""
    if t < 0.45:
        return t / 0.45
    if t < 2.6:
        return 1.0
    return max(0.0, 1.0 - (t - 2.6) / (LENGTH_S - 2.6)) ** 1.6


def clap(rng, out, start):
    """Adds one clap: noise through a resonant band-pass with a fast decay."""
    centre = rng.uniform(900.0, 2600.0)
    q = rng.uniform(1.2, 2.5)
    decay = rng.uniform(0.006, 0.016)
    gain = rng.uniform(0.5, 1.0)
    w0 = 2 * math.pi * centre / RATE
    alpha = math.sin(w0) / (2 * q)
    b0, b2 = alpha, -alpha
    a0, a1, a2 = 1 + alpha, -2 * math.cos(w0), 1 - alpha
    x1 = x2 = y1 = y2 = 0.0
    n = int(decay * 7 * RATE)
    for i in range(n):
        idx = start + i
        if idx >= len(out):
            break
        x = rng.uniform(-1.0, 1.0) * math.exp(-i / (decay * RATE))
        y = (b0 * x + b2 * x2 - a1 * y1 - a2 * y2) / a0
        x2, x1, y2, y1 = x1, x, y1, y
        out[idx] += gain * y


def main():
    rng = random.Random(SEED)
    total = int(LENGTH_S * RATE)
    out = [0.0] * total
    for _ in range(CLAPPERS):
        period = rng.uniform(0.17, 0.26)
        t = rng.uniform(0.0, 0.4)
        while t < LENGTH_S - 0.05:
            if rng.random() < envelope(t):
                clap(rng, out, int(t * RATE))
            t += period * rng.uniform(0.85, 1.15)
    # A faint bed of room noise keeps the gaps from sounding like dead air.
    for i in range(total):
        out[i] += rng.uniform(-0.02, 0.02) * envelope(i / RATE)
    peak = max(abs(v) for v in out) or 1.0
    scale = 0.7 * 32767 / peak
    # Short fades so the recording neither clicks in nor out.
    fade = int(0.02 * RATE)
    frames = bytearray()
    for i, v in enumerate(out):
        g = min(1.0, i / fade, (total - 1 - i) / fade)
        frames += struct.pack('<h', int(round(v * scale * g)))
    with wave.open(sys.argv[1], 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


if __name__ == '__main__':
    main()
