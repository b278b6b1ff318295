"""Reads the game's scores (*.score) and turns them into timed notes.

A score is a short text, one statement a line (a word starting with '#' starts a comment):

    tempo 88                  quarter notes a minute
    meter 3                   quarter notes in a bar
    level DB                  how much softer (or louder) than the others of its kind it is meant
                              to sound, in dB (a withered plant is quiet)
    form loop                 the whole piece loops; "intro N": N bars play once, the rest loops;
                              "once": played once, then silence
    voice NAME INSTRUMENT [vol V] [pan P] [reverb R] [chorus C] [transpose N]
                              INSTRUMENT is a name of INSTRUMENTS below (or a General MIDI
                              program number); vol 0..127, pan -64 (left) .. 63 (right)
    define NAME TOKENS...     a phrase; "@NAME" anywhere below stands for its tokens
    notes VOICE TOKENS...     a line of melody (lines of one voice follow each other)
    chords TOKENS...          the harmony, bar by bar ("|" between bars; a bar holds one chord or
                              splits evenly between several; "%" repeats the bar before)
    play VOICE STYLE CENTER [vel V] [bars A-B]
                              accompaniment drawn from the chords (STYLES below) around the
                              pitch CENTER (e.g. c4)
    drum NAME KEY             a hand-percussion sound of the General MIDI kit by key number
    beat NAME PATTERN [vel V] [bars A-B]
                              one bar's pattern, repeated: "x" a hit, "X" an accented one,
                              "." a rest; the steps share the bar evenly

A melody token is a pitch (c5, f#4, bb3; several joined by commas sound together) or "r" (a
rest) followed by its length: w h q e s (whole .. sixteenth), t (a third of a beat), each
dotted with "." and tied with "+" (c5h+e). A leading "!" accents a note, "-" softens it, "'"
shortens it (staccato). "|" checks that a bar ends exactly there.
"""
import math
import random
import re

INSTRUMENTS = {
    "celesta": 8, "glockenspiel": 9, "music_box": 10, "vibraphone": 11, "marimba": 12,
    "xylophone": 13, "tubular_bells": 14, "accordion": 21, "nylon_guitar": 24, "steel_guitar": 25,
    "acoustic_bass": 32, "violin": 40, "viola": 41, "cello": 42, "contrabass": 43,
    "tremolo_strings": 44, "pizzicato": 45, "harp": 46, "timpani": 47, "strings": 48,
    "soft_strings": 49, "choir_aahs": 52, "oboe": 68, "bassoon": 70, "clarinet": 71,
    "piccolo": 72, "flute": 73, "recorder": 74, "pan_flute": 75, "ocarina": 79, "kalimba": 108,
    "french_horn": 60,
}

STEPS = {"w": 4.0, "h": 2.0, "q": 1.0, "e": 0.5, "s": 0.25, "t": 1.0 / 3.0}
NOTE_BASE = {"c": 0, "d": 2, "e": 4, "f": 5, "g": 7, "a": 9, "b": 11}
CHORD_SHAPES = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "maj7": (0, 4, 7, 11), "m7": (0, 3, 7, 10),
    "6": (0, 4, 7, 9), "m6": (0, 3, 7, 9), "sus4": (0, 5, 7), "sus2": (0, 2, 7), "dim": (0, 3, 6),
    "dim7": (0, 3, 6, 9), "aug": (0, 4, 8), "add9": (0, 4, 7, 14), "9": (0, 4, 7, 10, 14),
    "m7b5": (0, 3, 6, 10),
}


class ScoreError(Exception):
    pass


class Note:
    __slots__ = ("start", "length", "pitch", "velocity", "voice")

    def __init__(self, start, length, pitch, velocity, voice):
        self.start, self.length, self.pitch, self.velocity, self.voice = start, length, pitch, velocity, voice


class Voice:
    def __init__(self, name, program, volume=100, pan=0, reverb=40, chorus=0, transpose=0, drums=False):
        self.name, self.program, self.volume, self.pan = name, program, volume, pan
        self.reverb, self.chorus, self.transpose, self.drums = reverb, chorus, transpose, drums


class Piece:
    """A parsed score: its voices and notes, times in beats from the start."""

    def __init__(self, name):
        self.name = name
        self.tempo = 100.0
        self.meter = 4
        self.form = "loop"
        self.intro_bars = 0
        self.voices = {}
        self.notes = []
        self.bars = 0  # the length of the piece in bars
        self.level = 0.0  # dB beside the loudness of its kind

    def seconds(self, beats):
        return beats * 60.0 / self.tempo

    @property
    def length_beats(self):
        return self.bars * self.meter

    @property
    def intro_beats(self):
        return self.intro_bars * self.meter


def parse_pitch(text, where):
    m = re.fullmatch(r"([a-g])(#|b)?(-?\d)", text)
    if not m:
        raise ScoreError(f"{where}: not a pitch: {text!r}")
    letter, accidental, octave = m.groups()
    pitch = 12 * (int(octave) + 1) + NOTE_BASE[letter] + {"#": 1, "b": -1, None: 0}[accidental]
    if not 0 <= pitch <= 127:
        raise ScoreError(f"{where}: pitch out of range: {text!r}")
    return pitch


def parse_length(text, where):
    total = 0.0
    for part in text.split("+"):
        m = re.fullmatch(r"([whqest])(\.?)", part)
        if not m:
            raise ScoreError(f"{where}: not a length: {text!r}")
        value = STEPS[m.group(1)]
        total += value * (1.5 if m.group(2) else 1.0)
    return total


def parse_chord(symbol, where):
    m = re.fullmatch(r"([A-G])(#|b)?([a-z0-9]*)(?:/([A-G])(#|b)?)?", symbol)
    if not m or m.group(3) not in CHORD_SHAPES:
        raise ScoreError(f"{where}: not a chord: {symbol!r}")
    letter, accidental, quality, bass_letter, bass_accidental = m.groups()
    shift = {"#": 1, "b": -1, None: 0}
    root = (NOTE_BASE[letter.lower()] + shift[accidental]) % 12
    bass = root if not bass_letter else (NOTE_BASE[bass_letter.lower()] + shift[bass_accidental]) % 12
    return root, CHORD_SHAPES[quality], bass


def nearest(pitch_class, center):
    """The pitch of this class nearest to center."""
    best = center - ((center - pitch_class) % 12)
    return best + 12 if center - best > 6 else best


def voicing(root, shape, center):
    """The chord's tones laid out close together around center, lowest first."""
    tones = sorted({nearest((root + step) % 12, center) for step in shape})
    return tones


def expand(tokens, defines, where, depth=0):
    if depth > 8:
        raise ScoreError(f"{where}: phrases nested too deep")
    out = []
    for t in tokens:
        if t.startswith("@"):
            name = t[1:]
            if name not in defines:
                raise ScoreError(f"{where}: no phrase named {name!r}")
            out.extend(expand(defines[name], defines, where, depth + 1))
        else:
            out.append(t)
    return out


def parse_options(words, where, allowed):
    opts = {}
    i = 0
    while i < len(words):
        key = words[i]
        if key not in allowed or i + 1 >= len(words):
            raise ScoreError(f"{where}: unexpected {key!r}")
        opts[key] = words[i + 1]
        i += 2
    return opts


def bar_range(text, where):
    m = re.fullmatch(r"(\d+)-(\d+)", text)
    if not m:
        raise ScoreError(f"{where}: bars are written as A-B: {text!r}")
    a, b = int(m.group(1)), int(m.group(2))
    if a < 1 or b < a:
        raise ScoreError(f"{where}: bad bar range {text!r}")
    return a, b


class Reader:
    def __init__(self, name, text):
        self.piece = Piece(name)
        self.defines = {}
        self.cursor = {}  # voice -> beats written so far
        self.chords = []  # per bar: list of (root, shape, bass)
        self.plays = []
        self.beats = []
        self.drums = {}
        self.rng = random.Random(name)
        for number, raw in enumerate(text.splitlines(), 1):
            line = re.sub(r"(^|\s)#.*", "", raw).strip()
            if line:
                self.statement(line.split(), f"{name}.score:{number}")
        self.finish(name)

    def statement(self, words, where):
        p = self.piece
        head, rest = words[0], words[1:]
        if head == "tempo":
            p.tempo = float(rest[0])
        elif head == "level":
            p.level = float(rest[0])
        elif head == "meter":
            p.meter = int(rest[0])
        elif head == "form":
            if rest == ["loop"] or rest == ["once"]:
                p.form = rest[0]
            elif len(rest) == 2 and rest[0] == "intro":
                p.form, p.intro_bars = "intro", int(rest[1])
            else:
                raise ScoreError(f"{where}: form is loop, once or intro N")
        elif head == "voice":
            if len(rest) < 2:
                raise ScoreError(f"{where}: voice NAME INSTRUMENT ...")
            name, instrument = rest[0], rest[1]
            program = INSTRUMENTS.get(instrument)
            if program is None:
                if not instrument.isdigit():
                    raise ScoreError(f"{where}: unknown instrument {instrument!r}")
                program = int(instrument)
            o = parse_options(rest[2:], where, {"vol", "pan", "reverb", "chorus", "transpose"})
            p.voices[name] = Voice(name, program, int(o.get("vol", 100)), int(o.get("pan", 0)),
                                   int(o.get("reverb", 40)), int(o.get("chorus", 0)), int(o.get("transpose", 0)))
            self.cursor[name] = 0.0
        elif head == "define":
            self.defines[rest[0]] = rest[1:]
        elif head == "notes":
            self.melody(rest[0], expand(rest[1:], self.defines, where), where)
        elif head == "chords":
            self.harmony(expand(rest, self.defines, where), where)
        elif head == "play":
            if len(rest) < 3:
                raise ScoreError(f"{where}: play VOICE STYLE CENTER ...")
            o = parse_options(rest[3:], where, {"vel", "bars"})
            self.plays.append((rest[0], rest[1], parse_pitch(rest[2], where), int(o.get("vel", 70)),
                               bar_range(o["bars"], where) if "bars" in o else None, where))
        elif head == "drum":
            self.drums[rest[0]] = int(rest[1])
        elif head == "beat":
            o = parse_options(rest[2:], where, {"vel", "bars"})
            self.beats.append((rest[0], rest[1], int(o.get("vel", 60)),
                               bar_range(o["bars"], where) if "bars" in o else None, where))
        else:
            raise ScoreError(f"{where}: unknown statement {head!r}")

    def voice(self, name, where):
        if name not in self.piece.voices:
            raise ScoreError(f"{where}: no voice named {name!r}")
        return self.piece.voices[name]

    def melody(self, name, tokens, where):
        voice = self.voice(name, where)
        meter = self.piece.meter
        t = self.cursor[name]
        for token in tokens:
            if token == "|":
                off = t % meter
                if min(off, meter - off) > 1e-6:
                    raise ScoreError(f"{where}: bar {int(t // meter) + 1} of {name} holds {off:g} beats too many")
                continue
            accent, soft, staccato = 0, 0, False
            while token and token[0] in "!-'":
                if token[0] == "!":
                    accent += 1
                elif token[0] == "-":
                    soft += 1
                else:
                    staccato = True
                token = token[1:]
            m = re.fullmatch(r"(r|(?:[a-g][#b]?-?\d)(?:,[a-g][#b]?-?\d)*)([whqest][whqest.+]*)", token)
            if not m:
                raise ScoreError(f"{where}: not a note: {token!r}")
            length = parse_length(m.group(2), where)
            if m.group(1) != "r":
                for text in m.group(1).split(","):
                    pitch = parse_pitch(text, where) + voice.transpose
                    velocity = 78 + 14 * accent - 14 * soft + self.rng.randint(-4, 4)
                    sounding = length * (0.45 if staccato else 0.95)
                    self.piece.notes.append(Note(t, sounding, pitch, velocity, name))
            t += length
        self.cursor[name] = t

    def harmony(self, tokens, where):
        bar = []
        for token in tokens + ["|"]:
            if token == "|":
                if bar:
                    self.chords.append(bar)
                bar = []
            elif token == "%":
                if not self.chords:
                    raise ScoreError(f"{where}: '%' before any bar")
                bar = list(self.chords[-1])
            else:
                bar.append(parse_chord(token, where))

    def finish(self, name):
        p = self.piece
        beats = max([0.0] + list(self.cursor.values()))
        p.bars = max(math.ceil(beats / p.meter - 1e-6), len(self.chords))
        for voice_name, style, center, vel, bars, where in self.plays:
            voice = self.voice(voice_name, where)
            self.accompany(voice, style, center, vel, bars, where)
        for drum, pattern, vel, bars, where in self.beats:
            if drum not in self.drums:
                raise ScoreError(f"{where}: no drum named {drum!r}")
            if drum not in p.voices:
                p.voices[drum] = Voice(drum, 0, 100, 0, 30, 0, 0, drums=True)
            self.drum_part(drum, pattern, vel, bars)
        if p.bars == 0:
            raise ScoreError(f"{name}.score: an empty piece")
        if p.form == "intro" and not 0 < p.intro_bars < p.bars:
            raise ScoreError(f"{name}.score: the intro must be shorter than the piece")
        p.notes.sort(key=lambda n: (n.start, n.pitch))

    def bars_of(self, span):
        first, last = span if span else (1, len(self.chords))
        return range(first - 1, min(last, len(self.chords)))

    def add(self, voice, start, length, pitch, velocity):
        velocity = max(1, min(127, velocity + self.rng.randint(-3, 3)))
        self.piece.notes.append(Note(start, length, pitch + voice.transpose, velocity, voice.name))

    def accompany(self, voice, style, center, vel, span, where):
        meter = self.piece.meter
        for b in self.bars_of(span):
            chords = self.chords[b]
            share = meter / len(chords)
            for k, (root, shape, bass) in enumerate(chords):
                start = b * meter + k * share
                tones = voicing(root, shape, center)
                low = nearest(bass, center)
                beat_starts = [start + i for i in range(int(round(share)))] or [start]
                if style == "block":
                    for p in tones:
                        self.add(voice, start, share * 0.98, p, vel)
                elif style == "bass":
                    self.add(voice, start, share * 0.9, low, vel + 6)
                elif style == "bass2":
                    half = share / 2 if share >= 2 else share
                    self.add(voice, start, half * 0.9, low, vel + 6)
                    if share >= 2:
                        self.add(voice, start + half, half * 0.9, nearest((root + 7) % 12, center), vel)
                elif style == "waltz":
                    self.add(voice, start, 0.9, nearest(bass, center - 12), vel + 8)
                    for s in beat_starts[1:]:
                        for p in tones:
                            self.add(voice, s, 0.45, p, vel - 8)
                elif style in ("arp", "arp16", "arpdown"):
                    step = 0.25 if style == "arp16" else 0.5
                    ladder = tones + [tones[0] + 12]
                    order = ladder + ladder[-2:0:-1] if style != "arpdown" else ladder[::-1] + ladder[1:-1]
                    n = int(round(share / step))
                    for i in range(n):
                        self.add(voice, start + i * step, step * 1.6, order[i % len(order)],
                                 vel + (6 if i == 0 else 0))
                elif style == "pulse":
                    for s in beat_starts:
                        for p in tones:
                            self.add(voice, s, 0.4, p, vel + (6 if s == start else 0))
                elif style == "offbeat":
                    for s in beat_starts:
                        for p in tones:
                            self.add(voice, s + 0.5, 0.35, p, vel)
                elif style == "strum":
                    for i, s in enumerate(beat_starts):
                        down = i % 2 == 0
                        order = tones if down else tones[::-1]
                        for j, p in enumerate(order):
                            self.add(voice, s + j * 0.03, 0.9, p, vel + (8 if i == 0 else 0) - (6 if not down else 0))
                elif style == "root_fifth_walk":
                    for i, s in enumerate(beat_starts):
                        p = low if i % 2 == 0 else nearest((root + 7) % 12, center)
                        self.add(voice, s, 0.8, p, vel + (6 if i == 0 else 0))
                else:
                    raise ScoreError(f"{where}: unknown style {style!r}")

    def drum_part(self, drum, pattern, vel, span):
        meter = self.piece.meter
        steps = len(pattern)
        key = self.drums[drum]
        bars = self.bars_of(span) if self.chords else range(self.piece.bars)
        for b in bars:
            for i, c in enumerate(pattern):
                if c in "xX":
                    v = vel + (18 if c == "X" else 0)
                    self.add(self.piece.voices[drum], b * meter + i * meter / steps, 0.2, key, v)


def read_score(name, text):
    return Reader(name, text).piece
