#!/usr/bin/env python3
"""Renders the game's music and sound effects from their scores into Ogg Vorbis files.

    render.py SOUNDFONT OUT_DIR REPORT SCORE...

Every score becomes one MIDI track group in a single MIDI file, which FluidSynth renders in one
run; the long recording is then cut back into pieces. A looping piece is recorded twice in a
row and the second time is kept, so that its beginning already holds the echo of its own end:
played round and round it never clicks or gaps. A piece with an intro keeps its intro as
recorded and loops from there (LOOPSTART and LOOPLENGTH in the file say where). All music is
brought to one loudness and all effects to one a little lower, measured as broadcasters measure
it (ITU-R BS.1770: K-weighted power over 400 ms blocks, gated). A summary of what was measured is
written to REPORT.

A score whose file holds "synth NAME ..." is made here instead: the applause, which no
instrument of the ensemble plays.
"""
import concurrent.futures
import os
import struct
import subprocess
import sys
import tempfile

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compose  # noqa: E402

RATE = 44100
TICKS_PER_SECOND = 1920  # 960 ticks a quarter at 120 quarters a minute
MUSIC_LUFS = -20.0       # every piece of music
EFFECT_LUFS = -23.0      # every effect, by its loudest moment: a little under the music
PEAK_LIMIT = 10 ** (-1.0 / 20)  # no sample above -1 dBFS
TAIL_SECONDS = 3.0
EFFECT_TAIL_SECONDS = 2.0
SEAM_SECONDS = 0.04  # where a loop's end is faded into what came just before its beginning
LEAD_SECONDS = 0.05  # the notes begin this late in the recording, after the controllers are set


# --- MIDI ----------------------------------------------------------------------------------------

def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append((n & 0x7F) | 0x80)
        n >>= 7
    return bytes(reversed(out))


def midi_file(events):
    """events: (tick, order, bytes); one track at 120 quarters a minute, 960 ticks a quarter."""
    events.sort(key=lambda e: (e[0], e[1]))
    data, last = bytearray(), 0
    data += vlq(0) + b"\xff\x51\x03" + (500000).to_bytes(3, "big")
    for tick, _, message in events:
        data += vlq(tick - last) + message
        last = tick
    data += vlq(0) + b"\xff\x2f\x00"
    return b"MThd" + struct.pack(">IHHH", 6, 0, 1, 960) + b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def ticks(seconds):
    return int(round(seconds * TICKS_PER_SECOND))


def piece_events(piece, origin, copies):
    """The piece's notes from `origin` (seconds): intro once, the rest `copies` times."""
    events = []
    channels = {}
    free = [c for c in range(16) if c != 9]
    for name, voice in piece.voices.items():
        if voice.drums:
            channels[name] = 9
            continue
        if not free:
            raise compose.ScoreError(f"{piece.name}: more than 15 voices")
        ch = free.pop(0)
        channels[name] = ch
        at = ticks(origin)
        for cc, value in ((121, 0), (7, voice.volume), (10, 64 + voice.pan), (91, voice.reverb), (93, voice.chorus)):
            events.append((at, 0, bytes([0xB0 | ch, cc, max(0, min(127, value))])))
        events.append((at, 1, bytes([0xC0 | ch, voice.program])))
    if any(v.drums for v in piece.voices.values()):
        at = ticks(origin)
        events.append((at, 0, bytes([0xB9, 7, 100])))
        events.append((at, 0, bytes([0xB9, 91, 30])))
    body_start = piece.intro_beats
    body = piece.length_beats - body_start
    for n in piece.notes:
        repeats = 1 if n.start < body_start or piece.form == "once" else copies
        for r in range(repeats):
            beat = n.start + r * body
            on = origin + piece.seconds(beat) + LEAD_SECONDS
            off = origin + piece.seconds(beat + n.length) + LEAD_SECONDS
            ch = channels[n.voice]
            events.append((ticks(on), 3, bytes([0x90 | ch, n.pitch, n.velocity])))
            events.append((max(ticks(on) + 1, ticks(off)), 2, bytes([0x80 | ch, n.pitch, 0])))
    return events


def all_off(at):
    return [(ticks(at), 4, bytes([0xB0 | ch, 123, 0])) for ch in range(16)]


# --- Audio files -----------------------------------------------------------------------------------

def read_wav(path):
    """A float or 16-bit WAV as an array (frames, channels); a long float recording is mapped
    from the file rather than read (the whole of the music is some hundreds of megabytes)."""
    with open(path, "rb") as f:
        data = f.read(1 << 16)
    pos, fmt, offset, size = 12, None, None, None
    while pos + 8 <= len(data):
        kind, length = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        if kind == b"fmt ":
            fmt = struct.unpack("<HHIIHH", data[pos + 8:pos + 24])
            if fmt[0] == 0xFFFE:  # WAVE_FORMAT_EXTENSIBLE: the real format opens the sub-format
                fmt = (struct.unpack("<H", data[pos + 32:pos + 34])[0],) + fmt[1:]
        elif kind == b"data":
            offset, size = pos + 8, length
            break
        pos += 8 + length + (length & 1)
    tag, channels, rate, _, _, bits = fmt
    if rate != RATE:
        raise SystemExit(f"{path}: {rate} Hz, expected {RATE}")
    size = min(size, os.path.getsize(path) - offset)
    if tag == 3 and bits == 32:
        a = np.memmap(path, dtype="<f4", mode="r", offset=offset, shape=(size // 4,))
    elif tag == 1 and bits == 16:
        a = np.fromfile(path, dtype="<i2", count=size // 2, offset=offset).astype(np.float64) / 32768.0
    else:
        raise SystemExit(f"{path}: unexpected WAV format {tag}/{bits}")
    return a[:len(a) - len(a) % channels].reshape(-1, channels)


def write_wav16(path, audio):
    pcm = np.clip(np.round(audio * 32767.0), -32768, 32767).astype("<i2")
    frames, channels = pcm.shape
    header = b"RIFF" + struct.pack("<I", 36 + pcm.nbytes) + b"WAVEfmt " + struct.pack(
        "<IHHIIHH", 16, 1, channels, RATE, RATE * channels * 2, channels * 2, 16) + b"data" + struct.pack("<I", pcm.nbytes)
    with open(path, "wb") as f:
        f.write(header)
        f.write(pcm.tobytes())


# --- Loudness (ITU-R BS.1770) ---------------------------------------------------------------------

def k_weighting_power(freqs):
    """|H(f)|^2 of the K-weighting filter: the two stages of BS.1770 as the standard gives them
    for 48 kHz, read at each frequency (all of ours lie below 24 kHz)."""
    z = np.exp(-2j * np.pi * freqs / 48000.0)
    def stage(b, a):
        return (b[0] + b[1] * z + b[2] * z * z) / (a[0] + a[1] * z + a[2] * z * z)
    shelf = stage((1.53512485958697, -2.69169618940638, 1.19839281085285), (1.0, -1.69065929318241, 0.73248077421585))
    highpass = stage((1.0, -2.0, 1.0), (1.0, -1.99004745483398, 0.99007225036621))
    return np.abs(shelf * highpass) ** 2


def block_loudness(audio, block=0.4, hop=0.1):
    """The loudness (LUFS) of each 400 ms block, 100 ms apart: the K-weighted mean square of
    each channel, from the block's spectrum (Parseval), summed over the channels."""
    n = int(block * RATE)
    step = int(hop * RATE)
    if len(audio) < n:
        audio = np.vstack([audio, np.zeros((n - len(audio), audio.shape[1]))])
    weights = k_weighting_power(np.fft.rfftfreq(n, 1.0 / RATE))
    weights[1:(n + 1) // 2] *= 2  # the one-sided spectrum counts these bins twice
    blocks = np.lib.stride_tricks.sliding_window_view(audio, n, axis=0)[::step]  # (blocks, channels, n)
    out = []
    for first in range(0, len(blocks), 64):
        spectrum = np.fft.rfft(blocks[first:first + 64], axis=-1)
        mean_square = (np.abs(spectrum) ** 2 * weights).sum(axis=(1, 2)) / (n * n)
        out.append(-0.691 + 10 * np.log10(np.maximum(mean_square, 1e-20)))
    return np.concatenate(out)


def integrated_loudness(audio):
    blocks = block_loudness(audio)
    blocks = blocks[blocks > -70]
    if len(blocks) == 0:
        return -70.0
    def mean(b):
        return -0.691 + 10 * np.log10(np.mean(10 ** ((b + 0.691) / 10)))
    relative = mean(blocks) - 10
    return mean(blocks[blocks > relative])


def momentary_max(audio):
    return float(block_loudness(audio).max())


# --- Made here: the applause -------------------------------------------------------------------

def band_noise(length, low, high, rng):
    noise = rng.standard_normal(length)
    spectrum = np.fft.rfft(noise)
    f = np.fft.rfftfreq(length, 1.0 / RATE)
    mask = np.clip((f - low) / (0.3 * low), 0, 1) * np.clip((high - f) / (0.3 * high), 0, 1)
    return np.fft.irfft(spectrum * mask, length)


def applause(seconds, hands, seed):
    """A small hall clapping: `hands` people, each at their own pace, swelling and dying away."""
    rng = np.random.default_rng(seed)
    total = int(seconds * RATE)
    out = np.zeros((total, 2))
    clap_len = int(0.03 * RATE)
    decay = np.exp(-np.arange(clap_len) / (0.006 * RATE))
    for _ in range(hands):
        pace = rng.uniform(3.2, 4.6)
        t = rng.uniform(0.0, 0.35)
        pan = rng.uniform(0.2, 0.8)
        colour = rng.uniform(900, 1800)
        base = band_noise(clap_len, colour * 0.5, colour * 3.0, rng) * decay
        stop = seconds * rng.uniform(0.55, 0.85)
        while t < stop:
            at = int(t * RATE)
            if at + clap_len < total:
                strength = rng.uniform(0.6, 1.0)
                out[at:at + clap_len, 0] += base * strength * (1 - pan)
                out[at:at + clap_len, 1] += base * strength * pan
            t += 1.0 / pace * rng.uniform(0.9, 1.1)
    envelope = np.minimum(1.0, np.arange(total) / (0.25 * RATE))
    envelope *= np.clip((total - np.arange(total)) / (0.5 * seconds * RATE), 0, 1) ** 1.5
    return out * envelope[:, None]


# --- Shaping -----------------------------------------------------------------------------------

def fade(audio, fade_in=0.0, fade_out=0.0):
    audio = audio.copy()
    if fade_in:
        n = min(len(audio), int(fade_in * RATE))
        audio[:n] *= np.linspace(0, 1, n)[:, None]
    if fade_out:
        n = min(len(audio), int(fade_out * RATE))
        audio[len(audio) - n:] *= np.linspace(1, 0, n)[:, None] ** 2
    return audio


def trim_tail(audio, below_peak_db=30.0, keep=0.05):
    """Cuts the end where it has died away to 30 dB under its peak, keeping a little and fading
    that out."""
    level = np.abs(audio).max(axis=1)
    loud = np.nonzero(level > level.max() * 10 ** (-below_peak_db / 20))[0]
    end = min(len(audio), (loud[-1] if len(loud) else 0) + int(keep * RATE))
    return fade(audio[:end], fade_out=min(0.08, end / RATE / 4))


def level(audio, target, measure, name, notes):
    """The audio brought to the target loudness, and the loudness it then has."""
    loudness = measure(audio)
    gain = 10 ** ((target - loudness) / 20)
    peak = np.abs(audio).max() * gain
    if peak > PEAK_LIMIT:
        gain *= PEAK_LIMIT / peak
        notes.append(f"warning: {name}: held {20 * np.log10(peak / PEAK_LIMIT):.1f} dB under its loudness "
                     "to keep its peaks under -1 dBFS")
    return audio * gain, loudness + 20 * np.log10(gain)


def encode(audio, path, tags, mono=False):
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "x.wav")
        write_wav16(wav, audio[:, :1] if mono else audio)
        command = ["oggenc", "-Q", "-q", "1" if mono else "2", "-o", path]
        for key, value in tags:
            command += ["-c", f"{key}={value}"]
        subprocess.run(command + [wav], check=True)


# --- The whole run -------------------------------------------------------------------------------

def main(argv):
    if len(argv) < 5:
        raise SystemExit(__doc__)
    soundfont, out_dir, report_path, paths = argv[1], argv[2], argv[3], argv[4:]
    os.makedirs(out_dir, exist_ok=True)
    jobs, events, clock = [], [], 1.0
    for path in sorted(paths):
        name = os.path.splitext(os.path.basename(path))[0]
        kind = "effect" if os.path.basename(os.path.dirname(path)) == "effects" else "music"
        text = open(path, encoding="utf-8").read()
        synth = [line.split() for line in text.splitlines() if line.startswith("synth ")]
        if synth:
            jobs.append((name, kind, None, synth[0], 0.0, 0.0))
            continue
        try:
            piece = compose.read_score(name, text)
        except compose.ScoreError as e:
            raise SystemExit(f"render.py: {e}")
        copies = 1 if piece.form == "once" else 2
        events += piece_events(piece, clock, copies)
        intro = piece.seconds(piece.intro_beats)
        body = piece.seconds(piece.length_beats - piece.intro_beats)
        length = intro + body * copies
        jobs.append((name, kind, piece, None, clock, length))
        clock += length + (EFFECT_TAIL_SECONDS if kind == "effect" else TAIL_SECONDS)
        events += all_off(clock - 0.2)
    with tempfile.TemporaryDirectory() as tmp:
        mid, wav = os.path.join(tmp, "all.mid"), os.path.join(tmp, "all.wav")
        open(mid, "wb").write(midi_file(events))
        subprocess.run(["fluidsynth", "-n", "-i", "-q", "-o", "synth.dynamic-sample-loading=1", "-o", "synth.gain=0.5",
                        "-r", str(RATE), "-O", "float", "-T", "wav", "-F", wav, soundfont, mid],
                       check=True, stdout=subprocess.DEVNULL)
        recording = read_wav(wav)
    if recording.shape[1] != 2:
        raise SystemExit("render.py: expected a stereo recording")

    def cut(a, b):
        a, b = int(round(a * RATE)), int(round(b * RATE))
        part = np.array(recording[a:b], dtype=np.float64)
        if len(part) < b - a:
            part = np.vstack([part, np.zeros((b - a - len(part), 2))])
        return part

    notes, report, encodings = [], [], []
    # The encoder runs beside the measuring, on the build's second core.
    pool = concurrent.futures.ThreadPoolExecutor(max_workers=2)
    for name, kind, piece, synth, start, length in jobs:
        tags = []
        if synth:
            audio = applause(float(synth[2]), int(synth[3]), int(synth[4])) if synth[1] == "applause" else None
            if audio is None:
                raise SystemExit(f"render.py: {name}: unknown synth {synth[1]!r}")
            audio = fade(audio, 0.02, 0.1)
        elif piece.form == "once":
            # Heard from just before its first note: an effect follows the click at once.
            audio = cut(start + LEAD_SECONDS - 0.005,
                        start + length + (EFFECT_TAIL_SECONDS if kind == "effect" else TAIL_SECONDS) - 0.3)
            audio = trim_tail(audio)
            audio = fade(audio, fade_in=0.002)
        else:
            intro = piece.seconds(piece.intro_beats)
            body = (length - intro) / 2
            # The second time round is the loop: it begins with the echo of the first time's
            # end, as it will when it comes round again. Its last moments are faded into the
            # first time's last moments, which is what the recording had just before the loop
            # began: sample for sample, the end leads into the beginning.
            audio = cut(start + (0 if intro else body), start + intro + 2 * body)
            before = cut(start + intro + body - SEAM_SECONDS, start + intro + body)
            n = len(before)
            ramp = (0.5 - 0.5 * np.cos(np.linspace(0, np.pi, n)))[:, None]
            audio[-n:] = audio[-n:] * (1 - ramp) + before * ramp
            if intro:
                loop_start = len(audio) - int(round(body * RATE))
                tags = [("LOOPSTART", loop_start), ("LOOPLENGTH", len(audio) - loop_start)]
        if kind == "effect":
            # Effects are kept in one channel and sound alike from both speakers.
            mono = audio.mean(axis=1, keepdims=True)
            audio = np.hstack([mono, mono])
        offset = piece.level if piece is not None else float(synth[5]) if len(synth) > 5 else 0.0
        if kind == "music":
            audio, measured = level(audio, MUSIC_LUFS + offset, integrated_loudness, name, notes)
        else:
            audio, measured = level(audio, EFFECT_LUFS + offset, momentary_max, name, notes)
        out = os.path.join(out_dir, f"{kind}-{name}.ogg")
        encodings.append(pool.submit(encode, audio, out, tags, kind == "effect"))
        peak = 20 * np.log10(max(np.abs(audio).max(), 1e-9))
        loop = "loops" if piece is not None and piece.form != "once" else "once"
        if tags:
            loop = f"loops from {tags[0][1] / RATE:.2f} s"
        report.append(f"{kind}-{name}.ogg\t{len(audio) / RATE:6.2f} s\t{measured:6.1f} LUFS\tpeak {peak:5.1f} dBFS\t{loop}")
    for job in encodings:
        job.result()
    pool.shutdown()
    with open(report_path, "w") as f:
        f.write("\n".join(report + notes) + "\n")
    for line in notes:
        print(line, file=sys.stderr)


if __name__ == "__main__":
    main(sys.argv)
