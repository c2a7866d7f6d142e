"""A minimal standard MIDI file (format 1) writer. Standard library only."""
import struct


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


class Track:
    def __init__(self):
        self.events = []  # (tick, order, bytes): note-offs (order 0) before note-ons (order 1)

    def meta(self, tick, kind, data):
        self.events.append((tick, 0, bytes([0xFF, kind]) + varlen(len(data)) + data))

    def control(self, tick, channel, number, value):
        self.events.append((tick, 0, bytes([0xB0 | channel, number, value])))

    def program(self, tick, channel, program):
        self.events.append((tick, 0, bytes([0xC0 | channel, program])))

    def note(self, tick, length, channel, key, velocity):
        self.events.append((tick, 1, bytes([0x90 | channel, key, velocity])))
        self.events.append((tick + max(1, length), 0, bytes([0x80 | channel, key, 0])))

    def encode(self):
        body = bytearray()
        last = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            body += varlen(tick - last) + data
            last = tick
        body += varlen(0) + b'\xFF\x2F\x00'
        return b'MTrk' + struct.pack('>I', len(body)) + bytes(body)


def write_file(path, division, tracks):
    data = b'MThd' + struct.pack('>IHHH', 6, 1, len(tracks), division)
    for track in tracks:
        data += track.encode()
    with open(path, 'wb') as f:
        f.write(data)
    return len(data)
