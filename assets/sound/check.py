#!/usr/bin/env python3
"""Listens to the built sound files the way a player would hear them, with numbers.

    check.py SOUND_DIR [--pictures DIR]

Decodes every music-*.ogg and effect-*.ogg (oggdec) and checks:
  - no clipping: no sample at full scale, peaks under -1 dBFS;
  - one loudness: every piece of music within 1 LU of the music's loudness, every effect within
    1 LU of the effects' (each beside the level its score asks for);
  - loops: where a looping piece turns round, the step from its last sample to its first is no
    larger than the steps the music takes anyway around there (no click), and the seam is not
    quieter than the music around it (no gap);
  - a piece played once and every effect end in silence, and start without a jump.
Prints one line a file; exits 1 when anything fails. With --pictures, draws each file's
spectrogram (sox) and its waveform into DIR for a person to look at; the waveforms share one
scale (full scale at the edges, a line at -20 dBFS), so levels compare by eye.
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compose  # noqa: E402
import render  # noqa: E402

RATE = render.RATE


def decode(path):
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "x.wav")
        subprocess.run(["oggdec", "-Q", "-o", wav, path], check=True)
        return render.read_wav(wav)


def tags(path):
    out = subprocess.run(["vorbiscomment", "-l", path], check=True, capture_output=True, text=True).stdout
    found = {}
    for line in out.splitlines():
        if "=" in line:
            k, v = line.split("=", 1)
            found[k.upper()] = v
    return found


def read_piece(sound_dir_name, scores):
    kind, name = sound_dir_name.split("-", 1)
    path = os.path.join(scores, "effects" if kind == "effect" else "music", name + ".score")
    text = open(path, encoding="utf-8").read()
    for line in text.splitlines():
        if line.startswith("synth "):
            w = line.split()
            return float(w[5]) if len(w) > 5 else 0.0, None
    piece = compose.read_score(name, text)
    return piece.level, piece


def waveform_png(audio, path, width=1000, height=160):
    """The first channel's highest and lowest sample in each column, grey on white."""
    x = audio[:, 0]
    columns = np.array_split(x, width)
    image = np.full((height, width), 255, dtype=np.uint8)
    mid = height // 2
    line = int(round(mid * 10 ** (-20 / 20)))
    image[mid - line, :] = image[mid + line, :] = 200
    for i, c in enumerate(columns):
        if len(c) == 0:
            continue
        top = int(round(mid - c.max() * mid))
        bottom = int(round(mid - c.min() * mid))
        image[max(top, 0):min(bottom, height - 1) + 1, i] = 60
    raw = b"".join(b"\0" + row.tobytes() for row in image)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def rms_db(a):
    return 20 * np.log10(max(np.sqrt(np.mean(a ** 2)), 1e-9))


def seam(audio, start, end, bar):
    """How the loop turns round: the step from its last sample to its first against the steps
    the music takes around there, and the level of the 100 ms across the seam against the
    quietest such moment at the piece's own bar lines (where staccato music may rest)."""
    around = 2048
    jump = np.abs(audio[start] - audio[end - 1]).max()
    ordinary = max(np.percentile(np.abs(np.diff(audio[end - around:end], axis=0)), 99.5),
                   np.percentile(np.abs(np.diff(audio[start:start + around], axis=0)), 99.5))
    w = int(0.05 * RATE)
    at_seam = rms_db(np.vstack([audio[end - w:end], audio[start:start + w]]))
    lines = [int(round(start + k * bar * RATE)) for k in range(1, int((end - start) / RATE / bar))]
    quietest = min((rms_db(audio[p - w:p + w]) for p in lines), default=at_seam)
    return jump, ordinary, at_seam, quietest


def main(argv):
    if len(argv) < 2:
        raise SystemExit(__doc__)
    sound_dir = argv[1]
    pictures = argv[argv.index("--pictures") + 1] if "--pictures" in argv else None
    scores = os.path.dirname(os.path.abspath(__file__))
    names = sorted(f for f in os.listdir(sound_dir) if f.endswith(".ogg") and f.split("-")[0] in ("music", "effect"))
    if not names:
        print(f"check.py: no sound files in {sound_dir}")
        return 1
    failures = 0
    for name in names:
        path = os.path.join(sound_dir, name)
        stem = name[:-4]
        offset, piece = read_piece(stem, scores)
        form = piece.form if piece else "once"
        audio = decode(path)
        if audio.shape[1] == 1:
            audio = np.hstack([audio, audio])  # one channel, heard from both speakers
        problems = []
        peak = np.abs(audio).max()
        if peak >= 0.999 or 20 * np.log10(peak) > -0.9:
            problems.append(f"peak {20 * np.log10(peak):.2f} dBFS")
        if stem.startswith("music"):
            loudness = render.integrated_loudness(audio)
            target = render.MUSIC_LUFS + offset
        else:
            loudness = render.momentary_max(audio)
            target = render.EFFECT_LUFS + offset
        if abs(loudness - target) > 1.0:
            problems.append(f"loudness {loudness:.1f} LUFS, wanted {target:.1f}")
        detail = ""
        if form in ("loop", "intro"):
            t = tags(path)
            start = int(t.get("LOOPSTART", 0))
            end = start + int(t.get("LOOPLENGTH", len(audio) - start))
            if end != len(audio):
                problems.append(f"the loop ends at {end}, the file at {len(audio)}")
            else:
                jump, ordinary, seam_db, quietest = seam(audio, start, end, piece.seconds(piece.meter))
                detail = (f"seam: step {jump:.4f} (near it up to {ordinary:.4f}), level {seam_db:.1f} dB "
                          f"(quietest bar line {quietest:.1f} dB)")
                if jump > 1.5 * ordinary + 1e-3:
                    problems.append("a click where it loops")
                if seam_db < quietest - 6:
                    problems.append("a gap where it loops")
        else:
            ending = np.abs(audio[-64:]).max()
            first = np.abs(audio[:2]).max()
            detail = f"ends at {20 * np.log10(max(ending, 1e-9)):.0f} dBFS"
            if ending > 10 ** (-50 / 20) or first > 0.01:
                problems.append("does not start or end in silence")
        status = "FAIL " + "; ".join(problems) if problems else "ok"
        failures += bool(problems)
        print(f"{name:24} {len(audio) / RATE:6.2f} s  {loudness:6.1f} LUFS  peak {20 * np.log10(peak):5.1f} dBFS  {detail}  {status}")
        if pictures:
            os.makedirs(pictures, exist_ok=True)
            subprocess.run(["sox", path, "-n", "spectrogram", "-x", "1000", "-y", "300", "-z", "90", "-t", name,
                            "-o", os.path.join(pictures, stem + ".png")], check=True)
            waveform_png(audio, os.path.join(pictures, stem + "-wave.png"))
    print(f"{len(names) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
