#!/usr/bin/env python3
"""Plays each tune to its end in two independent module players (libxmp's xmp and libopenmpt's
openmpt123), renders it to a WAV file and checks what a listener would notice: warnings from a
player, a tune shorter than a minute before it loops, clipping, a tune too quiet, or a long
stretch of silence. Prints the measured figures. Exits 77 (skipped) when a tool is missing."""
import array
import os
import re
import shutil
import subprocess
import sys
import tempfile
import wave

MIN_SECONDS = 60.0
CLIP_LEVEL = 0.99       # peak as a fraction of full scale
MIN_RMS_DB = -30.0      # whole-tune RMS
SILENT_DB = -50.0       # a second quieter than this counts as silent
MAX_SILENT_SECONDS = 2  # longest run of silent seconds allowed


def run(cmd):
    p = subprocess.run(cmd, capture_output=True, text=True, errors="replace")
    return p.returncode, (p.stdout + p.stderr).replace("\r", "\n")


def sox_stat(path):
    _, out = run(["sox", path, "-n", "stat"])
    figures = {}
    for line in out.splitlines():
        m = re.match(r"\s*([A-Za-z ()]+?):\s+(-?[0-9.e+-]+)\s*$", line)
        if m:
            figures[m.group(1).strip()] = float(m.group(2))
    return figures


def per_second_db(path):
    with wave.open(path, "rb") as w:
        assert w.getsampwidth() == 2, "expected 16-bit output"
        rate, channels = w.getframerate(), w.getnchannels()
        data = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        data.byteswap()
    step = rate * channels
    levels = []
    for start in range(0, len(data) - step + 1, step):
        chunk = data[start:start + step]
        mean_square = sum(v * v for v in chunk) / len(chunk)
        levels.append(-120.0 if mean_square == 0 else 10 * __import__("math").log10(mean_square / 32768.0 ** 2))
    return levels


def check(tune, player, render):
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        out_wav, log = render(tune, tmp)
        for line in log.splitlines():
            if re.search(r"warn|error|unrecogni|fail", line, re.IGNORECASE):
                failures.append(f"{player}: says '{line.strip()}'")
        if not os.path.exists(out_wav):
            return failures + [f"{player}: rendered nothing"]
        stat = sox_stat(out_wav)
        seconds = stat.get("Length (seconds)", 0.0)
        peak = max(stat.get("Maximum amplitude", 0.0), -stat.get("Minimum amplitude", 0.0))
        rms = stat.get("RMS     amplitude", stat.get("RMS amplitude", 0.0))
        rms_db = -120.0 if rms <= 0 else 20 * __import__("math").log10(rms)
        levels = per_second_db(out_wav)
        longest = run_len = 0
        for level in levels:
            run_len = run_len + 1 if level < SILENT_DB else 0
            longest = max(longest, run_len)
        print(f"{os.path.basename(tune)} in {player}: {seconds:.1f} s, peak {peak:.3f}, "
              f"RMS {rms_db:.1f} dBFS, quietest second {min(levels):.1f} dBFS, "
              f"longest silence {longest} s")
        if seconds < MIN_SECONDS:
            failures.append(f"{player}: lasts {seconds:.1f} s before it loops")
        if peak >= CLIP_LEVEL:
            failures.append(f"{player}: clips (peak {peak:.3f})")
        if rms_db < MIN_RMS_DB:
            failures.append(f"{player}: too quiet ({rms_db:.1f} dBFS)")
        if longest > MAX_SILENT_SECONDS:
            failures.append(f"{player}: {longest} s of silence")
    return failures


def render_xmp(tune, tmp):
    out = os.path.join(tmp, "xmp.wav")
    _, log = run(["xmp", "-q", "-o", out, tune])
    return out, log


def render_openmpt(tune, tmp):
    # openmpt123 writes <input>.wav beside its input, so render a copy inside tmp.
    copy = os.path.join(tmp, os.path.basename(tune))
    shutil.copy(tune, copy)
    _, log = run(["openmpt123", "--batch", "--render", "--no-float", "--force", copy])
    _, info = run(["openmpt123", "--info", copy])
    return copy + ".wav", log + info


def main():
    tunes = sys.argv[1:]
    for tool in ("xmp", "openmpt123", "sox"):
        if shutil.which(tool) is None:
            print(f"{tool} is not installed: skipping")
            return 77
    failures = []
    for tune in tunes:
        if not os.path.exists(tune):
            failures.append(f"{tune} is missing")
            continue
        failures += [f"{os.path.basename(tune)}: {f}" for f in check(tune, "xmp", render_xmp)]
        failures += [f"{os.path.basename(tune)}: {f}"
                     for f in check(tune, "openmpt123", render_openmpt)]
    for f in failures:
        print("FAIL", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
