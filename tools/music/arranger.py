"""Turns a piece (melody, chords per bar, instruments, accompaniment style)
into a three-voice MIDI arrangement: melody, accompaniment and bass."""
import math

from midi_writer import Track, write_file

DIVISION = 480
NOTE_BASE = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}
DURATIONS = {'w': 4.0, 'h': 2.0, 'q': 1.0, 'e': 0.5, 's': 0.25}
QUALITIES = {'': (0, 4, 7), 'm': (0, 3, 7), '7': (0, 4, 7, 10), 'm7': (0, 3, 7, 10)}


def key_number(name):
    """'F#5' -> MIDI key (C4 = 60)."""
    pitch = NOTE_BASE[name[0]]
    rest = name[1:]
    while rest and rest[0] in '#b':
        pitch += 1 if rest[0] == '#' else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + pitch


def duration(code):
    beats = DURATIONS[code[0]]
    if code.endswith('.'):
        beats *= 1.5
    return beats


def parse_melody(text):
    """'G5/q R/e D5/e' -> [(key or None, beats)]."""
    notes = []
    for token in text.split():
        name, code = token.split('/')
        notes.append((None if name == 'R' else key_number(name), duration(code)))
    return notes


def parse_chord(name):
    root = name[0]
    rest = name[1:]
    if rest[:1] in ('#', 'b'):
        root += rest[0]
        rest = rest[1:]
    pitch = key_number(root + '3') - 48  # pitch class 0..11
    return pitch, QUALITIES[rest]


def chord_keys(pitch, intervals, low):
    """Chord tones in close position from the first root at or above `low`."""
    root = low + (pitch - low) % 12
    return [root + i for i in intervals]


class Piece:
    def __init__(self, title, tempo, beats_per_bar, melody, chords, style, programs, repeats,
                 legato=0.9, tonic='C', meter=(4, 4)):
        self.title = title
        self.tempo = tempo
        self.beats_per_bar = beats_per_bar
        self.melody = parse_melody(melody) if isinstance(melody, str) else melody
        self.chords = chords.split('|')
        self.style = style
        self.programs = programs  # (melody programs to alternate, accompaniment, bass)
        self.repeats = repeats
        self.legato = legato
        self.tonic = tonic
        self.meter = meter  # written into the file for other players' benefit
        total = sum(b for _, b in self.melody)
        bars = total / beats_per_bar
        if abs(bars - len(self.chords)) > 1e-6:
            raise ValueError(f'{title}: melody has {bars} bars, chords {len(self.chords)}')

    def seconds(self):
        beats = sum(b for _, b in self.melody) * self.repeats + self.beats_per_bar
        return beats * 60.0 / self.tempo


def ticks(beats):
    return int(round(beats * DIVISION))


def accompany(track, bass, start, length, chord, style, beats_per_bar, beat_in_bar):
    """One chord for `length` beats from `start` (in beats)."""
    pitch, intervals = parse_chord(chord)
    root_bass = chord_keys(pitch, (0,), 36)[0]
    fifth_bass = root_bass + 7 if root_bass + 7 <= 52 else root_bass - 5
    upper = chord_keys(pitch, intervals[:3], 55)
    if style in ('arp', 'arp16'):
        step = 0.5 if style == 'arp' else 0.25
        low = chord_keys(pitch, intervals[:3], 45)
        figure = [low[0], low[2], low[0] + 12, low[1] + 12, low[0] + 12, low[2]]
        for i in range(int(round(length / step))):
            track.note(ticks(start + i * step), ticks(step * 1.6), 1, figure[i % len(figure)], 48)
        bass.note(ticks(start), ticks(length * 0.95), 2, root_bass, 58)
    elif style == 'waltz':
        beat = 0.0
        while beat < length - 1e-6:
            position = (beat_in_bar + beat) % beats_per_bar
            if position < 1e-6:
                bass.note(ticks(start + beat), ticks(0.9), 2, root_bass, 60)
            else:
                for key in upper:
                    track.note(ticks(start + beat), ticks(0.8), 1, key, 42)
            beat += 1.0
    elif style == 'oompah':
        beat = 0.0
        while beat < length - 1e-6:
            position = (beat_in_bar + beat) % beats_per_bar
            if int(round(position)) % 2 == 0:
                key = root_bass if int(round(position)) % 4 == 0 else fifth_bass
                bass.note(ticks(start + beat), ticks(0.8), 2, key, 60)
            else:
                for key in upper:
                    track.note(ticks(start + beat), ticks(0.6), 1, key, 40)
            beat += 1.0
    elif style == 'stride':
        half = 0.5
        for i in range(int(round(length / half))):
            at = start + i * half
            if i % 2 == 0:
                bass.note(ticks(at), ticks(0.45), 2, root_bass if i % 4 == 0 else fifth_bass, 62)
            else:
                for key in upper:
                    track.note(ticks(at), ticks(0.4), 1, key, 44)
    else:  # 'block': held chords
        for key in upper:
            track.note(ticks(start), ticks(length * 0.97), 1, key, 40)
        bass.note(ticks(start), ticks(length * 0.97), 2, root_bass, 56)


def build(piece, path):
    conductor, melody, accomp, bass = Track(), Track(), Track(), Track()
    conductor.meta(0, 0x03, piece.title.encode('latin-1'))
    conductor.meta(0, 0x51, (60000000 // piece.tempo).to_bytes(3, 'big'))
    numerator, denominator = piece.meter
    conductor.meta(0, 0x58, bytes([numerator, int(math.log2(denominator)), 24, 8]))
    melody_programs, accomp_program, bass_program = piece.programs
    for track, channel, program, volume, pan in ((melody, 0, melody_programs[0], 100, 64),
                                                  (accomp, 1, accomp_program, 82, 44),
                                                  (bass, 2, bass_program, 90, 84)):
        track.program(0, channel, program)
        track.control(0, channel, 7, volume)
        track.control(0, channel, 10, pan)
        track.control(0, channel, 91, 48)  # some room

    bar_beats = piece.beats_per_bar
    theme_beats = sum(b for _, b in piece.melody)
    for r in range(piece.repeats):
        offset = r * theme_beats
        program = melody_programs[r % len(melody_programs)]
        melody.program(ticks(offset), 0, program)
        at = offset
        for key, beats in piece.melody:
            if key is not None:
                velocity = 80 if r % 2 == 0 else 72
                melody.note(ticks(at), ticks(beats * piece.legato), 0, key, velocity)
            at += beats
        for bar, chord_text in enumerate(piece.chords):
            parts = chord_text.split()
            seg = bar_beats / len(parts)
            for i, chord in enumerate(parts):
                accompany(accomp, bass, offset + bar * bar_beats + i * seg, seg, chord,
                          piece.style, bar_beats, i * seg)
    # A closing chord on the tonic, held and fading into the room.
    end = piece.repeats * theme_beats
    pitch, intervals = parse_chord(piece.tonic)
    for key in chord_keys(pitch, intervals[:3], 55):
        accomp.note(ticks(end), ticks(bar_beats), 1, key, 40)
    bass.note(ticks(end), ticks(bar_beats), 2, chord_keys(pitch, (0,), 36)[0], 56)
    melody.note(ticks(end), ticks(bar_beats), 0, chord_keys(pitch, (0,), 72)[0], 70)
    return write_file(path, DIVISION, [conductor, melody, accomp, bass])
