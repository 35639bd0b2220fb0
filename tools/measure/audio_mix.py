#!/usr/bin/env python3
"""Loudness and clipping of the game's mix, captured through SDL's disk audio driver.

Usage: audio_mix.py BUILD_DIR [--game PROGRAM] [--menu-seconds N] [--race-seconds N]

Starts its own Xvfb with openbox, runs the game (BUILD_DIR/vontra unless --game names another
program, with BUILD_DIR's Data) with SDL_AUDIODRIVER=disk, sits in the main menu, starts a race
and holds Up and fire, then reads the captured 44.1 kHz 16-bit stereo and prints the samples at
full scale, the peak and the RMS level in dBFS.
"""

import argparse
import array
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from performance import Game, XScreen, start_race_full_throttle, xdotool  # noqa: E402


def capture(game_program, data, menu_seconds, race_seconds):
    workdir = tempfile.mkdtemp(prefix="vontra-mix-")
    try:
        os.makedirs(os.path.join(workdir, "Data", "Save"))
        for part in ("Res", "Music"):
            os.symlink(os.path.join(data, part), os.path.join(workdir, "Data", part))
        out = os.path.join(workdir, "mix.raw")
        env = dict(os.environ, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=out)
        game = Game("vontra", [game_program], workdir, env)
        game.wait_first_frame()
        time.sleep(menu_seconds)
        start_race_full_throttle()
        try:
            time.sleep(race_seconds)
        finally:
            xdotool("keyup", "Up", "space")
        game.stop()
        samples = array.array("h")
        with open(out, "rb") as f:
            samples.frombytes(f.read())
        if sys.byteorder != "little":
            samples.byteswap()
        return samples
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


def figures(samples):
    full = sum(1 for s in samples if s >= 32767 or s <= -32767)
    peak = max((abs(s) for s in samples), default=0)
    mean_square = sum(s * s for s in samples) / max(1, len(samples))
    rms_db = 10 * math.log10(mean_square / 32768.0 ** 2) if mean_square > 0 else float("-inf")
    return full, peak, rms_db


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", help="build tree with Data (and vontra)")
    parser.add_argument("--game", help="game program to run (default BUILD/vontra)")
    parser.add_argument("--menu-seconds", type=float, default=8.0)
    parser.add_argument("--race-seconds", type=float, default=13.0)
    options = parser.parse_args()
    build = os.path.abspath(options.build)
    program = os.path.abspath(options.game or os.path.join(build, "vontra"))
    screen = XScreen()
    try:
        samples = capture(program, os.path.join(build, "Data"), options.menu_seconds,
                          options.race_seconds)
    finally:
        screen.close()
    full, peak, rms_db = figures(samples)
    print("%s: %.1f s captured, %d samples at full scale, peak %d (%.2f dBFS), RMS %.2f dBFS, "
          "load average %.1f" % (program, len(samples) / 2 / 44100.0, full, peak,
                                 20 * math.log10(max(peak, 1) / 32768.0), rms_db,
                                 os.getloadavg()[0]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
