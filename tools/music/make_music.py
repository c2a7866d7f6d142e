#!/usr/bin/env python3
"""Writes the nine background pieces DATA_1.mid .. DATA_9.mid (standard MIDI
files) into assets/music/. Standard library only; rerunning gives the same files.

usage: make_music.py [DEST_FOLDER]
"""
import os
import sys

from arranger import build
from pieces import PIECES


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    dest = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'assets', 'music')
    os.makedirs(dest, exist_ok=True)
    for number, piece in enumerate(PIECES, start=1):
        path = os.path.join(dest, f'DATA_{number}.mid')
        size = build(piece, path)
        print(f'DATA_{number}: {piece.title}, {piece.seconds():.0f} s, {size} bytes')


if __name__ == '__main__':
    main()
