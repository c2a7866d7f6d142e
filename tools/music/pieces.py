"""The nine background pieces: our own arrangements of public-domain melodies.
Notes are NAME+OCTAVE/DURATION (w h q e s, '.' dotted; R = rest); chords are
one entry per bar, two chords in a bar share it evenly.
General MIDI programs: 0 piano, 6 harpsichord, 8 celesta, 10 music box,
11 vibraphone, 24 nylon guitar, 32 acoustic bass, 40 violin, 42 cello,
45 pizzicato strings, 46 harp, 48 strings, 68 oboe, 71 clarinet, 73 flute, 74 recorder."""
from arranger import Piece

BACH_MINUET = Piece(
    'Menuett G-Dur (J. S. Bach zugeschrieben)', 108, 3,
    # first half
    'D5/q G4/e A4/e B4/e C5/e D5/q G4/q G4/q E5/q C5/e D5/e E5/e F#5/e G5/q G4/q G4/q '
    'C5/q D5/e C5/e B4/e A4/e B4/q C5/e B4/e A4/e G4/e F#4/q G4/e A4/e B4/e G4/e A4/h. '
    'D5/q G4/e A4/e B4/e C5/e D5/q G4/q G4/q E5/q C5/e D5/e E5/e F#5/e G5/q G4/q G4/q '
    'C5/q D5/e C5/e B4/e A4/e B4/q C5/e B4/e A4/e G4/e A4/q B4/e A4/e G4/e F#4/e G4/h. '
    # second half
    'B5/q G5/e A5/e B5/e G5/e A5/q D5/e E5/e F#5/e D5/e G5/q E5/e F#5/e G5/e D5/e '
    'C#5/q B4/e C#5/e A4/q A4/e B4/e C#5/e D5/e E5/e F#5/e G5/q F#5/q E5/q F#5/q A4/q C#5/q D5/h. '
    'D5/q G4/e F#4/e G4/q E5/q G4/e F#4/e G4/q D5/q C5/q B4/q A4/e G4/e F#4/e G4/e A4/q '
    'D4/e E4/e F#4/e G4/e A4/e B4/e C5/q B4/q A4/q B4/e D5/e G4/q F#4/q G4/h.',
    'G|G|C|G|Am|G|D|D|G|G|C|G|Am|G|D7|G|'
    'G|D|Em|A|A|Em|A7|D|G|C|G|D|D|Am|G D|G',
    'waltz', ((73, 6), 46, 32), 2, legato=0.85, tonic='G', meter=(3, 4))

NACHTMUSIK = Piece(
    'Eine kleine Nachtmusik (W. A. Mozart)', 116, 4,
    'G5/q R/e D5/e G5/q R/e D5/e G5/e D5/e G5/e B5/e D6/h '
    'C6/q R/e A5/e C6/q R/e A5/e C6/e A5/e F#5/e A5/e D5/h '
    'G5/q G5/e. B5/s A5/e G5/e G5/e F#5/e F#5/q F#5/e. A5/s C6/e F#5/e A5/e G5/e '
    'G5/q G5/e. B5/s A5/e G5/e G5/e F#5/e F#5/q F#5/e. A5/s C6/e F#5/e A5/e G5/e '
    'G5/e G5/e G5/e F#5/e E5/e F#5/e G5/q D5/q D6/q G5/h',
    'G|G|D7|D|G|D7|G|D7|G|D G',
    'arp', ((40, 48), 45, 42), 5, legato=0.8, tonic='G')

FUER_ELISE = Piece(
    'Für Elise (L. van Beethoven)', 66, 1.5,
    'R/q E5/s D#5/s E5/s D#5/s E5/s B4/s D5/s C5/s A4/e R/s C4/s E4/s A4/s '
    'B4/e R/s E4/s G#4/s B4/s C5/e R/s E4/s E5/s D#5/s E5/s D#5/s E5/s B4/s D5/s C5/s '
    'A4/e R/s C4/s E4/s A4/s B4/e R/s E4/s C5/s B4/s A4/e R/s B4/s C5/s D5/s '
    'E5/e. G4/s F5/s E5/s D5/e. F4/s E5/s D5/s C5/e. E4/s D5/s C5/s B4/e R/s E4/s E5/s D#5/s '
    'E5/s D#5/s E5/s B4/s D5/s C5/s A4/e R/s C4/s E4/s A4/s B4/e R/s E4/s C5/s B4/s A4/q.',
    'Am|Am|Am|E|Am|Am|Am|E|Am|C|G|Am|E|Am|Am|E|Am',
    'arp16', ((0, 11), 0, 32), 4, legato=0.95, tonic='Am', meter=(3, 8))

FREUDE = Piece(
    'Ode an die Freude (L. van Beethoven)', 96, 4,
    'F#5/q F#5/q G5/q A5/q A5/q G5/q F#5/q E5/q D5/q D5/q E5/q F#5/q F#5/q. E5/e E5/h '
    'F#5/q F#5/q G5/q A5/q A5/q G5/q F#5/q E5/q D5/q D5/q E5/q F#5/q E5/q. D5/e D5/h '
    'E5/q E5/q F#5/q D5/q E5/q F#5/e G5/e F#5/q D5/q E5/q F#5/e G5/e F#5/q E5/q D5/q E5/q A4/h '
    'F#5/q F#5/q G5/q A5/q A5/q G5/q F#5/q E5/q D5/q D5/q E5/q F#5/q E5/q. D5/e D5/h',
    'D|A|D|D A|D|A|D|A D|A D|A D|A D|D A|D|A|D|A D',
    'block', ((73, 68), 48, 42), 3, legato=0.93, tonic='D')

ENTERTAINER = Piece(
    'The Entertainer (S. Joplin)', 72, 2,
    'R/q R/e D5/s D#5/s '
    'E5/s C6/e E5/s C6/e E5/s C6/s C6/q. C6/s D6/s D#6/s E6/s C6/s D6/s E6/e B5/s D6/s C6/q. D5/s D#5/s '
    'E5/s C6/e E5/s C6/e E5/s C6/s C6/q R/s A5/s G5/s F#5/s A5/s C6/s E6/e D6/s C6/s A5/s D6/s D6/q. D5/s D#5/s '
    'E5/s C6/e E5/s C6/e E5/s C6/s C6/q. C6/s D6/s D#6/s E6/s C6/s D6/s E6/e B5/s D6/s C6/q. C6/s D6/s '
    'E6/s C6/s D6/s E6/e C6/s D6/s C6/s E6/s C6/s D6/s C6/s E6/s C6/s D6/s C6/s C6/q R/q',
    'G7|C|C|C G7|C|C|C D7|D7 G7|G7|C|C|C G7|C|C F|C G7|C',
    'stride', ((0, 11), 0, 32), 4, legato=0.85, tonic='C', meter=(2, 4))

MORGEN = Piece(
    'Morgenstimmung (E. Grieg)', 80, 3,
    'G#5/q E5/e D#5/q C#5/e D#5/q E5/e G#5/q E5/e D#5/q C#5/e D#5/q E5/e D#5/q E5/e G#5/q E5/e '
    'G#5/q A5/e E5/q A5/e G#5/q E5/e D#5/q C#5/e B4/h. B4/q. R/q.',
    'E|E|B|E|A|E|B|B',
    'block', ((73, 68, 71), 48, 42), 5, legato=0.97, tonic='E', meter=(6, 8))

WIEGENLIED = Piece(
    'Wiegenlied (J. Brahms)', 76, 3,
    'R/h E5/e E5/e G5/h E5/e E5/e G5/h E5/e G5/e C6/q B5/q. A5/e A5/q G5/q D5/e E5/e '
    'F5/q D5/q D5/e E5/e F5/h D5/e F5/e B5/e A5/e G5/q B5/q C6/h C5/e C5/e '
    'C6/h A5/e F5/e G5/h E5/e C5/e F5/q G5/q A5/q G5/h C5/e C5/e '
    'C6/h A5/e F5/e G5/h E5/e C5/e F5/q E5/q D5/q C5/h.',
    'C|C|C|G|G|G7|G7|G7|C|F|C|F|C|F|C|G7|C',
    'waltz', ((10, 8), 46, 42), 3, legato=0.95, tonic='C', meter=(3, 4))

HAENSCHEN = Piece(
    'Hänschen klein (Volkslied)', 104, 4,
    'G5/q E5/q E5/h F5/q D5/q D5/h C5/q D5/q E5/q F5/q G5/q G5/q G5/h '
    'G5/q E5/q E5/h F5/q D5/q D5/h C5/q E5/q G5/q G5/q C5/w '
    'D5/q D5/q D5/q D5/q D5/q E5/q F5/h E5/q E5/q E5/q E5/q E5/q F5/q G5/h '
    'G5/q E5/q E5/h F5/q D5/q D5/h C5/q E5/q G5/q G5/q C5/w',
    'C|G7|C|C|C|G7|C G7|C|G7|G7|C|C|C|G7|C G7|C',
    'oompah', ((71, 74), 24, 32), 3, legato=0.88, tonic='C')

CANON = Piece(
    'Kanon D-Dur (J. Pachelbel)', 62, 4,
    'R/w R/w R/w R/w '
    'F#5/h E5/h D5/h C#5/h B4/h A4/h B4/h C#5/h '
    'D5/h C#5/h B4/h A4/h G4/h F#4/h G4/h E4/h '
    'D4/e F#4/e A4/e G4/e F#4/e D4/e F#4/e E4/e D4/e B3/e D4/e A4/e G4/e B4/e A4/e G4/e '
    'F#4/e D4/e E4/e C#5/e D5/e F#5/e A5/e A4/e B4/e G4/e A4/e F#4/e D4/e D5/e D5/q '
    'F#5/h E5/h D5/h C#5/h B4/h A4/h B4/h C#5/h '
    'D5/h C#5/h B4/h A4/h G4/h F#4/h G4/h E4/h',
    'D A|Bm F#m|G D|G A|' * 5 + 'D A|Bm F#m|G D|G A',
    'arp', ((40, 48), 46, 42), 1, legato=0.98, tonic='D')

PIECES = [BACH_MINUET, NACHTMUSIK, FUER_ELISE, FREUDE, ENTERTAINER, MORGEN, WIEGENLIED, HAENSCHEN, CANON]
