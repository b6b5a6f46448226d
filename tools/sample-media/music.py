#!/usr/bin/env python3
"""Writes the course music as General MIDI files (format 1) from the note lists below.

    music.py OUT_DIR          writes OUT_DIR/1.mid, 2.mid, 4.mid, 8.mid
    music.py --video FILE     writes the tune under the screen-saver video

Note lists: tokens separated by blanks, bar lines "|" are only for the reader.
A token is a pitch, a chord of pitches joined by "+", or "r" for a rest, with an optional
":length" (1, 2, 4, 8, 16, a dot for one and a half); a token without a length keeps the last
one. "C4" is middle C, sharps and flats are written "F#4", "Bb3". A "!" after a token accents it.
Drum lists use the names in DRUMS instead of pitches.
"""

import random
import struct
import sys
from pathlib import Path

TICKS = 480  # per quarter note

# General MIDI programs (numbered from 0) used here.
PIANO, GLOCKENSPIEL, VIBRAPHONE, MARIMBA, XYLOPHONE, TUBULAR_BELLS = 0, 9, 11, 12, 13, 14
ACCORDION, NYLON_GUITAR, ACOUSTIC_BASS, PIZZICATO, HARP = 21, 24, 32, 45, 46
TIMPANI, STRINGS, SLOW_STRINGS, CHOIR, TRUMPET, TUBA, FRENCH_HORN = 47, 48, 49, 52, 56, 58, 60
OBOE, BASSOON, CLARINET, FLUTE, WARM_PAD, SEASHORE = 68, 70, 71, 73, 89, 122

# General MIDI drum keys on channel 10.
DRUMS = {
    "K": 36,  # bass drum
    "S": 38,  # snare
    "R": 37,  # side stick
    "H": 42,  # closed hi-hat
    "O": 46,  # open hi-hat
    "P": 44,  # pedal hi-hat
    "C": 49,  # crash cymbal
    "Y": 51,  # ride cymbal
    "T": 54,  # tambourine
    "M": 70,  # maracas
    "L": 45,  # low tom
    "F": 50,  # high tom
    "W": 81,  # open triangle
}

STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def pitch(name):
    """MIDI key of a note name such as C4, F#3 or Bb5."""
    base = STEPS[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        base += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return base + 12 * (int(rest) + 1)


def length_ticks(text):
    dotted = text.endswith(".")
    ticks = TICKS * 4 // int(text.rstrip("."))
    return ticks * 3 // 2 if dotted else ticks


def parse(text, drums=False):
    """Note list -> list of (keys, ticks, accent); keys is empty for a rest."""
    events = []
    ticks = TICKS
    for token in text.replace("|", " ").split():
        accent = token.endswith("!")
        token = token.rstrip("!")
        if ":" in token:
            token, size = token.split(":")
            ticks = length_ticks(size)
        if token == "r":
            keys = []
        elif drums:
            keys = [DRUMS[d] for d in token.split("+")]
        else:
            keys = [pitch(p) for p in token.split("+")]
        events.append((keys, ticks, accent))
    return events


def transpose(text, semitones):
    """A note list moved by a number of semitones, spelled with sharps."""
    names = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    out = []
    for token in text.replace("|", " ").split():
        accent = "!" if token.endswith("!") else ""
        token = token.rstrip("!")
        size = ""
        if ":" in token:
            token, size = token.split(":")
            size = ":" + size
        if token != "r":
            keys = [pitch(p) + semitones for p in token.split("+")]
            token = "+".join(f"{names[k % 12]}{k // 12 - 1}" for k in keys)
        out.append(token + size + accent)
    return " ".join(out)


CHORDS = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
    "maj7": (0, 4, 7, 11), "dim": (0, 3, 6), "sus4": (0, 5, 7),
}


def chord(symbol):
    """Chord symbol (C, Am, G7, F#m) -> root key in octave 3 and the chord's intervals."""
    root = symbol[0]
    rest = symbol[1:]
    if rest[:1] in ("#", "b"):
        root += rest[0]
        rest = rest[1:]
    return pitch(root + "3"), CHORDS[rest]


class Track:
    """One instrument on one channel; notes are placed with a moving time cursor."""

    def __init__(self, name, program, channel, volume=100, pan=64, reverb=40, seed=1):
        self.name, self.program, self.channel = name, program, channel
        self.volume, self.pan, self.reverb = volume, pan, reverb
        self.notes = []  # (start, key, ticks, velocity)
        self.controls = []  # (time, controller, value)
        self.time = 0
        self.random = random.Random(seed)

    def play(self, text, velocity=80, drums=False, legato=0.92):
        for keys, ticks, accent in parse(text, drums):
            for key in keys:
                v = velocity + (18 if accent else 0) + self.random.randint(-6, 6)
                hold = ticks if drums else max(30, int(ticks * legato))
                self.notes.append((self.time, key, hold, max(1, min(127, v))))
            self.time += ticks
        return self

    def rest(self, ticks):
        self.time += ticks
        return self

    def at(self, time):
        self.time = time
        return self

    def control(self, controller, value):
        self.controls.append((self.time, controller, value))
        return self

    def chunk(self):
        events = [(0, 0, bytes([0xFF, 0x03, len(self.name.encode())]) + self.name.encode())]
        c = self.channel
        events += [
            (0, 1, bytes([0xC0 | c, self.program])),
            (0, 1, bytes([0xB0 | c, 7, self.volume])),
            (0, 1, bytes([0xB0 | c, 10, self.pan])),
            (0, 1, bytes([0xB0 | c, 91, self.reverb])),
        ]
        events += [(t, 2, bytes([0xB0 | c, n, v])) for t, n, v in self.controls]
        for start, key, ticks, velocity in self.notes:
            events.append((start, 3, bytes([0x90 | c, key, velocity])))
            events.append((start + ticks, 2, bytes([0x80 | c, key, 0])))
        return chunk_of(events)


def chunk_of(events):
    """Time-sorted events -> an MTrk chunk; at equal times note-offs come before note-ons."""
    events.sort(key=lambda e: (e[0], e[1]))
    data = bytearray()
    now = 0
    for time, _, body in events:
        data += varlen(time - now) + body
        now = time
    data += varlen(TICKS) + b"\xff\x2f\x00"  # a beat of air so the last notes ring out
    return b"MTrk" + struct.pack(">I", len(data)) + data


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def write_midi(path, title, tempos, tracks, meter=(4, 4)):
    """tempos: list of (tick, beats per minute)."""
    head = [(0, 0, b"\xff\x03" + bytes([len(title.encode())]) + title.encode())]
    num, den = meter
    head.append((0, 0, bytes([0xFF, 0x58, 4, num, den.bit_length() - 1, 24, 8])))
    for tick, bpm in tempos:
        head.append((tick, 1, b"\xff\x51\x03" + struct.pack(">I", round(60e6 / bpm))[1:]))
    chunks = [chunk_of(head)] + [t.chunk() for t in tracks]
    Path(path).write_bytes(
        b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), TICKS) + b"".join(chunks))


def bars(n, meter_beats=4):
    return n * meter_beats * TICKS


# --- Accompaniment patterns from chord symbols, one symbol per bar (or "C G" for half bars).

def bass_line(symbols, style="root-fifth", octave=-1):
    out = []
    for bar in symbols.split("|"):
        parts = bar.split()
        size = {1: "2", 2: "4"}[len(parts)] if style != "6/8" else "4."
        for sym in parts:
            root, iv = chord(sym)
            root += 12 * octave
            if style == "root-fifth":
                names = [root, root + 7] if len(parts) == 1 else [root]
                out += [f"{name_of(k)}:{size}" for k in names]
            elif style == "6/8":
                names = [root, root + 7] if len(parts) == 1 else [root]
                out += [f"{name_of(k)}:4." for k in names]
            else:  # held whole bar
                out.append(f"{name_of(root)}:{'1' if len(parts) == 1 else '2'}")
    return " ".join(out)


def offbeat_chords(symbols, octave=1):
    """Polka "oom-pah": a rest on the beat, the chord on the off-beat, four times a bar."""
    out = []
    for bar in symbols.split("|"):
        parts = bar.split()
        for sym in parts:
            root, iv = chord(sym)
            keys = "+".join(name_of(root + 12 * octave + i) for i in iv[:3])
            out += [f"r:8 {keys}:8"] * (4 // len(parts))
    return " ".join(out)


def held_chords(symbols, octave=1, whole="1", half="2"):
    out = []
    for bar in symbols.split("|"):
        parts = bar.split()
        for sym in parts:
            root, iv = chord(sym)
            keys = "+".join(name_of(root + 12 * octave + i) for i in iv)
            out.append(f"{keys}:{whole if len(parts) == 1 else half}")
    return " ".join(out)


def arpeggio_68(symbols, octave=0):
    """Six eighths a bar: root, fifth, octave, tenth, octave, fifth."""
    out = []
    for bar in symbols.split("|"):
        parts = bar.split()
        for sym in parts:
            root, iv = chord(sym)
            r = root + 12 * octave
            figure = [r, r + 7, r + 12, r + 12 + iv[1], r + 12, r + 7]
            figure = figure if len(parts) == 1 else figure[:3]
            out += [f"{name_of(k)}:8" for k in figure]
    return " ".join(out)


def name_of(key):
    names = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    return f"{names[key % 12]}{key // 12 - 1}"


# --- 1.mid: the menu music, a cheerful tune of our own in C major, polka style.

MENU_A = """
E5:8 G5 C6:4 G5:8 E5 G5:4 | F5:8 D5 B4:4 D5:8 F5 G5:4 | E5:8 C5 A4:4 C5:8 E5 A5:4 |
A5:8 G5 F5 E5 F5:4 A5:4 | G5:8 E5 C5 E5 G5:4 C6:4 | B5:8 A5 G5 F5 D5:4 G5:4 |
A5:8 F5 A5 C6 B5 G5 B5 D6 |"""
MENU_A_END1 = "C6:2 r:4 G5:4 |"
MENU_A_END2 = "C6:4 G5:4 C5:2 |"
MENU_A_CHORDS = "C | G | Am | F | C | G | F G | C"
MENU_B = """
A5:4. G5:8 E5:4 C5:4 | B5:4. A5:8 G5:4 E5:4 | A5:8 G5 F5 A5 C6:4 A5:4 |
G5:8 F5 E5 G5 C6:2 | D5:8 F5 A5 D6 C6:4 A5:4 | B5:8 G5 D5 G5 B5:2 |
C6:8 B5 A5 G5 E5:4 C5:4 | D5:4 G5:4 B5:4 D6:4 |"""
MENU_B_CHORDS = "Am | Em | F | C | Dm | G | C | G"
MENU_END = "C6:8 G5 E5 G5 C6:4 r:4 | C5+E5+G5+C6:2! r:2"
MENU_END_CHORDS = "C | C"


def menu_music(path):
    form = [("A1", MENU_A + MENU_A_END1, MENU_A_CHORDS), ("A2", MENU_A + MENU_A_END2, MENU_A_CHORDS),
            ("B", MENU_B, MENU_B_CHORDS), ("A1", MENU_A + MENU_A_END1, MENU_A_CHORDS)]
    flute = Track("Flute", FLUTE, 0, 105, 70, 50)
    glock = Track("Glockenspiel", GLOCKENSPIEL, 1, 70, 90, 50)
    clarinet = Track("Clarinet", CLARINET, 2, 85, 40, 40)
    piano = Track("Piano", PIANO, 3, 80, 54, 30)
    bass = Track("Tuba", TUBA, 4, 95, 64, 20)
    pizz = Track("Pizzicato", PIZZICATO, 5, 80, 30, 40)
    drums = Track("Drums", 0, 9, 90, 64, 30)

    intro = bars(2)
    for t in (flute, glock, clarinet):
        t.at(intro)
    bass.play(bass_line("C | G"), 90)
    piano.play(offbeat_chords("C | G"), 60)
    drums.play("K:8 H H H S H H H | K H H H S H K S", 70, drums=True)
    for i, (part, melody, symbols) in enumerate(form):
        flute.play(melody, 88)
        if part != "B" and i > 0:
            glock.play(melody, 55)
        else:
            glock.rest(bars(8))
        if part == "B":
            clarinet.play(transpose(melody, -12), 70)
        else:
            clarinet.rest(bars(8))
        bass.play(bass_line(symbols), 90)
        piano.play(offbeat_chords(symbols), 62)
        if i >= 2:
            pizz.at(bass.time - bars(8)).play(offbeat_chords(symbols, 2), 55)
        groove = "C+K:8 H H H S H H H | " + "K:8 H H H S H H H | " * 6 + "K:8 H H H S H S S |"
        drums.play(groove, 72, drums=True)
    for t in (flute, glock):
        t.play(MENU_END, 92)
    bass.play("C3:4 G2:4 C3:4 r:4 | C2:2! r:2", 95)
    piano.play(offbeat_chords("C") + " C4+E4+G4+C5:2 r:2", 65)
    drums.play("K:8 H H H S H S S | C+K:2 r:2", 80, drums=True)
    write_midi(path, "Menu", [(0, 132)], [flute, glock, clarinet, piano, bass, pizz, drums])


# --- 2.mid: the author screen, "In the Hall of the Mountain King" (E. Grieg, 1875), getting
# faster and louder with every round, as in the original.

KING = """
E3:8 F#3 G3 A3 B3 G3 B3:4 | A#3:8 F#3 A#3:4 A3:8 F3 A3:4 |
E3:8 F#3 G3 A3 B3 G3 B3 E4 | D4:8 B3 G3 B3 D4:2 |"""
KING_BASS = "E2:4 B1 E2 B1 | B1:4 B1 B1 B1 | E2:4 B1 E2 B1 | G1:4 D2 G1 D2 |"


def king_music(path):
    bassoon = Track("Bassoon", BASSOON, 0, 127, 50, 30)
    pizz = Track("Pizzicato", PIZZICATO, 1, 115, 70, 30)
    oboe = Track("Oboe", OBOE, 2, 95, 80, 40)
    strings = Track("Strings", STRINGS, 3, 75, 40, 50)
    horn = Track("Horns", FRENCH_HORN, 4, 75, 60, 40)
    timpani = Track("Timpani", TIMPANI, 5, 80, 64, 30)
    drums = Track("Drums", 0, 9, 85, 64, 30)
    tempos = []
    rounds = 8
    for r in range(rounds):
        start = bars(4 * r)
        tempos.append((start, 104 + 11 * r))
        shift = 7 if r in (2, 3, 6) else 0  # rounds in the dominant, as the original climbs
        theme = transpose(KING, shift)
        low = transpose(KING_BASS, shift)
        loud = 56 + 5 * r
        bassoon.at(start).play(theme, loud, legato=0.5)
        pizz.at(start).play(low, loud, legato=0.4)
        if r >= 1:
            oboe.at(start).play(transpose(theme, 12), loud - 5, legato=0.55)
        if r >= 3:
            strings.at(start).play(transpose(theme, 24), loud, legato=0.6)
        if r >= 5:
            horn.at(start).play(transpose(theme, 12), loud, legato=0.7)
            timpani.at(start).play(transpose(low, 12), loud + 5, legato=0.3)
        if r == 0:
            drums.at(start).play("r:1 | r:1 | r:1 | r:2 W:4 W:4", 45, drums=True)
        elif r < 4:
            drums.at(start).play("R:4 R R R | " * 4, 45 + 6 * r, drums=True)
        else:
            drums.at(start).play("K:4 S K S | K:4 S K S | K:4 S K S | K:4 S K:8 S S S |",
                                 50 + 6 * r, drums=True)
    end = bars(4 * rounds)
    tempos.append((end, 150))
    chord_e = "E2+B2+G3+B3:2"
    for t in (bassoon, strings, horn):
        t.at(end).play(f"{chord_e} r:8 E3+B3+E4:8 r:4 | E2+E3+B3+E4:1", 72, legato=0.95)
    pizz.at(end).play("E2:2! r:8 E2:8! r:4 | E1:1!", 85)
    timpani.at(end).play("E2:2! r:8 E2:8! r:4 | " + "E2:16 B1 " * 8, 80)
    drums.at(end).play("C+K:2 r:8 K:8 r:4 | " + "S:16 " * 12 + "C+K:4!", 80, drums=True)
    write_midi(path, "Mountain King", tempos,
               [bassoon, pizz, oboe, strings, horn, timpani, drums])


# --- 4.mid: the ship, a sea tune of our own in 6/8 with waves and a ship's bell.

SEA_A = """
A4:4 D5:8 F#5:4 D5:8 | E5:4 C#5:8 A4:4. | B4:4 D5:8 F#5:4 B5:8 | B5:4. G5:4 D5:8 |
F#5:4 A5:8 D6:4 A5:8 | C#6:4 B5:8 A5:4. | B5:4 G5:8 C#5:4 E5:8 | D5:4. A4:4. |"""
SEA_A_CHORDS = "D | A | Bm | G | D | A | G A | D"
SEA_B = """
B4:8 D5 G5 B5:4 G5:8 | A5:4. F#5:4. | G5:8 E5 B4 E5:4 G5:8 | A5:4. E5:4 C#5:8 |
D5:8 G5 B5 D6:4 B5:8 | A5:4 F#5:8 D5:4. | E5:4 G5:8 C#5:4 E5:8 | D5:4. r:4. |"""
SEA_B_CHORDS = "G | D | Em | A | G | D | Em A | D"


def sea_music(path):
    meter = 6  # eighths a bar
    bar = meter * TICKS // 2
    accordion = Track("Accordion", ACCORDION, 0, 100, 70, 50)
    flute = Track("Flute", FLUTE, 1, 90, 40, 60)
    guitar = Track("Guitar", NYLON_GUITAR, 2, 90, 50, 40)
    bass = Track("Bass", ACOUSTIC_BASS, 3, 100, 64, 30)
    strings = Track("Strings", SLOW_STRINGS, 4, 75, 80, 70)
    sea = Track("Sea", SEASHORE, 5, 80, 64, 60)
    bell = Track("Ship's bell", TUBULAR_BELLS, 6, 80, 90, 70)
    drums = Track("Drums", 0, 9, 75, 64, 40)

    form = [(SEA_A, SEA_A_CHORDS), (SEA_B, SEA_B_CHORDS), (SEA_A, SEA_A_CHORDS),
            (SEA_B, SEA_B_CHORDS)]
    total_bars = 2 + 8 * len(form) + 2
    sea.play(" ".join(["D4:2.", "D4:2.", "A3:2.", "A3:2."] * (total_bars // 4)), 70, legato=1.0)
    bell.play("D5:4. D5:4. | r:2.", 80).at(bar * (total_bars - 2)).play("D5:4. D5:4. | r:2.", 80)
    guitar.play(arpeggio_68("D | D"), 60)
    bass.play(bass_line("D | D", "6/8"), 80)
    drums.play("K:8 T T R T T | K:8 T T R T T |", 55, drums=True)
    accordion.at(2 * bar)
    flute.at(2 * bar)
    strings.at(2 * bar)
    for i, (melody, symbols) in enumerate(form):
        lead, other = (accordion, flute) if i % 2 == 0 else (flute, accordion)
        lead.play(melody, 85)
        if i >= 2:
            other.play(transpose(melody, -12 if other is accordion else 12), 50)
        else:
            other.rest(8 * bar)
        guitar.play(arpeggio_68(symbols), 62)
        bass.play(bass_line(symbols, "6/8"), 82)
        if i >= 1:
            strings.play(held_chords(symbols, 1, "2.", "4."), 48, legato=1.0)
        else:
            strings.rest(8 * bar)
        drums.play("K:8 T T R T T | " * 7 + "K:8 T T R T R |", 60, drums=True)
    accordion.play("D5+F#5+A5:2.! | D5+F#5+A5+D6:2.", 80)
    guitar.play(arpeggio_68("D") + " D3+A3+D4+F#4+A4:2.", 60)
    bass.play("D2:2. | D2:2.", 85)
    strings.play("D4+F#4+A4:2. | D4+F#4+A4:2.", 55)
    drums.play("K:8 T T R T T | K+Y:2.", 60, drums=True)
    write_midi(path, "Fair Wind", [(0, 72 * 1.5)],  # 72 dotted quarters a minute
               [accordion, flute, guitar, bass, strings, sea, bell, drums], meter=(6, 8))


# --- 8.mid: after the author screen, calm: J. S. Bach, Prelude in C major (BWV 846),
# the first nineteen bars, on a piano with soft strings beneath.

PRELUDE = [
    "C4 E4 G4 C5 E5", "C4 D4 A4 D5 F5", "B3 D4 G4 D5 F5", "C4 E4 G4 C5 E5",
    "C4 E4 A4 E5 A5", "C4 D4 F#4 A4 D5", "B3 D4 G4 D5 G5", "B3 C4 E4 G4 C5",
    "A3 C4 E4 G4 C5", "D3 A3 D4 F#4 C5", "G3 B3 D4 G4 B4", "G3 Bb3 E4 G4 C#5",
    "F3 A3 D4 A4 D5", "F3 Ab3 D4 F4 B4", "E3 G3 C4 G4 C5", "E3 F3 A3 C4 F4",
    "D3 F3 A3 C4 F4", "G2 D3 G3 B3 F4", "C3 E3 G3 C4 E4",
]


def prelude_music(path):
    piano = Track("Piano", PIANO, 0, 127, 60, 60)
    strings = Track("Strings", SLOW_STRINGS, 1, 95, 70, 80)
    flute = Track("Flute", FLUTE, 2, 90, 40, 70)
    drums = Track("Drums", 0, 9, 55, 64, 60)
    for i, bar in enumerate(PRELUDE):
        n = bar.split()
        figure = f"{n[0]}:16 {n[1]} {n[2]} {n[3]} {n[4]} {n[2]} {n[3]} {n[4]}"
        piano.control(64, 0).control(64, 127)  # pedal held through the bar
        piano.play(figure + " " + figure, 84, legato=0.95)
        strings.play(f"{n[0]}+{n[1]}:1", 70 if i else 55, legato=1.0)
        if 4 <= i < 16:
            flute.play(f"{n[4]}:2 {n[3]}:2", 62, legato=1.0)
        else:
            flute.rest(bars(1))
        drums.play("Y:4 Y Y Y" if i < 16 else "M:4 r M r", 34, drums=True)
    piano.control(64, 0).control(64, 127)
    piano.play("C3:16 E3 G3 C4 E4 G4 C5 E5 C3+E3+G3+C4+E4:2. r:4", 58, legato=0.95)
    piano.control(64, 0)
    strings.play("C3+G3+C4+E4:1", 50, legato=1.0)
    flute.play("E5:1", 40, legato=1.0)
    drums.play("W:1", 30, drums=True)
    write_midi(path, "Prelude", [(0, 68)], [piano, strings, flute, drums])


# --- Under the video: a short, floating tune with pads, vibraphone and a soft beat (16 s).

def video_music(path):
    vib = Track("Vibraphone", VIBRAPHONE, 0, 100, 50, 70)
    pad = Track("Pad", WARM_PAD, 1, 85, 70, 80)
    bass = Track("Bass", ACOUSTIC_BASS, 2, 90, 64, 40)
    drums = Track("Drums", 0, 9, 70, 64, 50)
    symbols = "C | Am | F | G | C | Am | F G | C"
    vib.play("""E5:8 G5 C6 G5 E5 G5 C6 E6 | C6:8 A5 E5 A5 C6 E6 A5 C6 | A5:8 F5 C6 F5 A5 C6 F6 C6 |
             B5:8 G5 D6 G5 B5 D6 G6 D6 | E6:4 D6 C6 G5 | A5:4 C6 E6 C6 | F6:4 C6 D6 B5 | C6:2 r:2""",
             72)
    pad.play(held_chords(symbols, 1), 60, legato=1.0)
    bass.play(bass_line(symbols), 80)
    drums.play("K:8 M S M K M S M | " * 7 + "K+W:2 r:2", 55, drums=True)
    write_midi(path, "Screen saver", [(0, 120)], [vib, pad, bass, drums])


def main():
    if sys.argv[1:2] == ["--video"]:
        video_music(sys.argv[2])
        return
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    menu_music(out / "1.mid")
    king_music(out / "2.mid")
    sea_music(out / "4.mid")
    prelude_music(out / "8.mid")


if __name__ == "__main__":
    main()
