#!/usr/bin/env python3
"""Analyses a recording of the sound server's output (raw signed 16-bit
little-endian mono, as `parec --format=s16le --channels=1` writes it).

  analyze.py bursts FILE [--rate 44100]            list the sounds: start and length in ms
  analyze.py tone FILE --expect HZ [--tolerance 0.02] [--min-ms 3]
        the dominant frequency of the longest sound must lie within the tolerance
  analyze.py music FILE [--from-s 1] [--min-rms 300]
        the recording must not be silent after the start offset

Exit status 0 when the check holds, 1 when not, 2 on bad input. Standard library only.
"""
import argparse
import array
import math
import sys


def load(path):
    samples = array.array('h')
    with open(path, 'rb') as f:
        samples.frombytes(f.read())
    if sys.byteorder != 'little':
        samples.byteswap()
    return samples


def bursts(samples, rate, threshold=1000, gap_ms=3):
    """Stretches where the signal is louder than the threshold, merged across short gaps."""
    window = max(1, rate // 1000)
    found = []
    start = None
    quiet = 0
    for i in range(0, len(samples) - window + 1, window):
        loud = max(abs(v) for v in samples[i:i + window]) > threshold
        if loud:
            if start is None:
                start = i
            quiet = 0
        elif start is not None:
            quiet += 1
            if quiet > gap_ms:
                found.append((start, i - quiet * window))
                start = None
                quiet = 0
    if start is not None:
        found.append((start, len(samples)))
    return [(s, e) for s, e in found if e > s]


def goertzel_power(samples, rate, freq):
    w = 2 * math.pi * freq / rate
    coeff = 2 * math.cos(w)
    s1 = s2 = 0.0
    for x in samples:
        s0 = x + coeff * s1 - s2
        s2, s1 = s1, s0
    return s1 * s1 + s2 * s2 - coeff * s1 * s2


def dominant_frequency(samples, rate, low=100, high=8000):
    """Coarse scan in 25 Hz steps, then 1 Hz steps around the best."""
    best = max(range(low, high, 25), key=lambda f: goertzel_power(samples, rate, f))
    return max(range(max(low, best - 30), best + 31), key=lambda f: goertzel_power(samples, rate, f))


def rms(samples):
    if not samples:
        return 0.0
    return math.sqrt(sum(float(v) * v for v in samples) / len(samples))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('mode', choices=['bursts', 'tone', 'music'])
    parser.add_argument('file')
    parser.add_argument('--rate', type=int, default=44100)
    parser.add_argument('--expect', type=float)
    parser.add_argument('--tolerance', type=float, default=0.02)
    parser.add_argument('--min-ms', type=float, default=3.0)
    parser.add_argument('--from-s', type=float, default=1.0)
    parser.add_argument('--min-rms', type=float, default=300.0)
    args = parser.parse_args()
    try:
        samples = load(args.file)
    except OSError as error:
        print(f'cannot read {args.file}: {error}')
        return 2
    rate = args.rate

    if args.mode == 'bursts':
        for s, e in bursts(samples, rate):
            print(f'{s * 1000 / rate:9.1f} ms  {(e - s) * 1000 / rate:7.1f} ms')
        return 0

    if args.mode == 'tone':
        if args.expect is None:
            print('tone needs --expect HZ')
            return 2
        found = bursts(samples, rate)
        if not found:
            print('tone: the recording is silent')
            return 1
        s, e = max(found, key=lambda b: b[1] - b[0])
        length_ms = (e - s) * 1000 / rate
        segment = samples[s:e][: rate // 5]  # at most 200 ms is plenty
        freq = dominant_frequency(segment, rate)
        error = abs(freq - args.expect) / args.expect
        ok = error <= args.tolerance and length_ms >= args.min_ms
        print(f'tone: {len(found)} sounds, longest {length_ms:.1f} ms at {freq} Hz '
              f'(expected {args.expect:.0f} Hz, off by {error * 100:.2f} %): {"ok" if ok else "FAILED"}')
        return 0 if ok else 1

    start = int(args.from_s * rate)
    level = rms(samples[start:])
    ok = level >= args.min_rms
    seconds = max(0, len(samples) - start) / rate
    print(f'music: {seconds:.1f} s analysed, rms {level:.0f} (at least {args.min_rms:.0f}): {"ok" if ok else "FAILED"}')
    return 0 if ok else 1


if __name__ == '__main__':
    sys.exit(main())
