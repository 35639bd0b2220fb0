#!/usr/bin/env python3
"""Performance figures of the built game set against chromium-bsu on the same X screen.

Usage: performance.py BUILD_DIR [--seconds N] [--pacing-seconds N] [--skip-race]

Starts its own Xvfb (its process id is needed for the server's share of the work) with
openbox, then for each game: the time from exec to the window mapped and to its first
non-black frame, the CPU time of the game and of the X server per second of wall time in
the menu and while playing with keys held, the intervals between presented frames while
playing (perf uprobes on the present calls, as root), and the peak resident memory (VmHWM).
The race frame's cost and its floor come from vontra_bench. Prints a Markdown table.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tests", "e2e"))
from screen_image import brightness, grab  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")
FULL = (0, 0, 800, 600)


class XScreen:
    """A private Xvfb display with openbox; DISPLAY is set for everything started after."""

    def __init__(self, size="1280x1024x24"):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size, "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        os.environ["DISPLAY"] = ":" + number.decode().strip()
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        for _ in range(100):
            probe = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            if "window id" in probe.stdout:
                return
            time.sleep(0.1)
        raise RuntimeError("openbox did not start")

    def close(self):
        for process in (self.wm, self.server):
            process.terminate()
            process.wait()


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime and stime


def peak_memory_mb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return float("nan")


class FrameCounter:
    """Counts a process's presented frames with uprobes on SDL's present and GL swap calls.

    Needs perf and the right to add probes (root); without them the rate is not known.
    """

    EVENTS = {"present": "SDL_RenderPresent", "swap": "SDL_GL_SwapWindow"}

    def __init__(self, game_binary):
        self.ready = False
        if shutil.which("perf") is None:
            return
        ldd = subprocess.run(["ldd", game_binary], stdout=subprocess.PIPE, text=True).stdout
        sdl = [line.split("=>")[1].split()[0] for line in ldd.splitlines()
               if "libSDL2-2.0.so" in line and "=>" in line]
        if not sdl:
            return
        self.remove()
        for event, function in self.EVENTS.items():
            added = subprocess.run(["perf", "probe", "-q", "-x", sdl[0], "-a",
                                    "vontrafps:%s=%s" % (event, function)],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if added.returncode != 0:
                self.remove()
                return
        self.ready = True

    def count(self, pid, seconds):
        """Frames per second of pid over `seconds` (None when unknown)."""
        if not self.ready:
            time.sleep(seconds)
            return None
        result = subprocess.run(["perf", "stat", "-x", ",", "-e", "vontrafps:present",
                                 "-e", "vontrafps:swap", "-p", str(pid), "--", "sleep",
                                 str(seconds)], stdout=subprocess.DEVNULL,
                                stderr=subprocess.PIPE, text=True)
        frames = 0
        for line in result.stderr.splitlines():
            fields = line.split(",")
            if len(fields) > 2 and fields[2].startswith("vontrafps:") and fields[0].isdigit():
                frames += int(fields[0])
        return frames / seconds

    def intervals(self, pid, seconds):
        """Milliseconds between pid's successive presents over `seconds` (None when unknown)."""
        if not self.ready:
            time.sleep(seconds)
            return None
        with tempfile.TemporaryDirectory(prefix="vontra-frames-") as scratch:
            data = os.path.join(scratch, "perf.data")
            subprocess.run(["perf", "record", "-q", "-e", "vontrafps:present", "-e",
                            "vontrafps:swap", "-p", str(pid), "-o", data, "--", "sleep",
                            str(seconds)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            script = subprocess.run(["perf", "script", "-i", data, "-F", "time"],
                                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        times = sorted(float(line.strip().rstrip(":")) for line in script.stdout.splitlines()
                       if line.strip())
        return [1000 * (b - a) for a, b in zip(times, times[1:])]

    @staticmethod
    def remove():
        if shutil.which("perf") is None:
            return
        subprocess.run(["perf", "probe", "-q", "-d", "vontrafps:*"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)


def percentile(values, fraction):
    """The value below which `fraction` of the sorted values lie (nearest rank)."""
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, max(0, int(round(fraction * len(ordered))) - 1))]


def interval_figures(intervals):
    """p50, p99 and max of frame intervals in ms, or None without a measurement."""
    if not intervals:
        return None
    return percentile(intervals, 0.5), percentile(intervals, 0.99), max(intervals)


def start_race_full_throttle():
    """From the main menu into a race with the first car, then Up and fire held (the caller
    lets them go with xdotool("keyup", "Up", "space"))."""
    xdotool("key", "Return")  # the start button: car choice
    time.sleep(1)
    xdotool("key", "Return")  # the first car
    time.sleep(3)  # the level banner
    xdotool("keydown", "Up", "space")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          text=True, timeout=30).stdout


def hold(key, seconds=0.25):
    xdotool("keydown", key)
    time.sleep(seconds)
    xdotool("keyup", key)


class Game:
    """One game process under measurement."""

    def __init__(self, name, command, cwd, env):
        self.name = name
        self.started = time.monotonic()
        self.process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = None
        self.mapped_s = self.first_frame_s = None

    def wait_first_frame(self, timeout=60):
        deadline = self.started + timeout
        while self.window is None:
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise RuntimeError("%s: no window" % self.name)
            ids = xdotool("search", "--onlyvisible", "--pid", str(self.process.pid)).split()
            if ids:
                self.window = ids[0]
                self.mapped_s = time.monotonic() - self.started
            else:
                time.sleep(0.02)
        while self.first_frame_s is None:
            if time.monotonic() > deadline:
                raise RuntimeError("%s: the window stayed black" % self.name)
            try:
                mean, spread = brightness(grab(self.window), FULL)
            except (subprocess.CalledProcessError, ValueError):
                mean, spread = 0, 0  # the window is still being set up
            if mean > 4 and spread > 4:
                self.first_frame_s = time.monotonic() - self.started
        xdotool("mousemove", "0", "0")
        xdotool("windowactivate", "--sync", self.window)

    def cpu_over(self, seconds, server_pid, frames):
        """CPU seconds per wall second of the game and of the X server over `seconds`, and
        the frames presented per second."""
        game0, server0, t0 = cpu_seconds(self.process.pid), cpu_seconds(server_pid), time.monotonic()
        rate = frames.count(self.process.pid, seconds)
        game1, server1, t1 = cpu_seconds(self.process.pid), cpu_seconds(server_pid), time.monotonic()
        return (game1 - game0) / (t1 - t0), (server1 - server0) / (t1 - t0), rate

    def stop(self):
        peak = peak_memory_mb(self.process.pid)
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        return peak


def measure_vontra(build, seconds, server_pid, frames, skip_race, renderer, pacing_seconds):
    workdir = tempfile.mkdtemp(prefix="vontra-perf-")
    try:
        os.makedirs(os.path.join(workdir, "Data", "Save"))
        for part in ("Res", "Music"):
            os.symlink(os.path.join(build, "Data", part), os.path.join(workdir, "Data", part))
        env = dict(os.environ, SDL_AUDIODRIVER="dummy")
        if renderer:
            env["SDL_RENDER_DRIVER"] = renderer
        game = Game("vontra", [os.path.join(build, "vontra")], workdir, env)
        game.wait_first_frame()
        time.sleep(3)  # past the menu's intro
        figures = {"start_mapped": game.mapped_s, "start_frame": game.first_frame_s,
                   "menu_cpu": game.cpu_over(seconds / 2, server_pid, frames)}
        if not skip_race:
            start_race_full_throttle()
            try:
                figures["play_cpu"] = game.cpu_over(seconds, server_pid, frames)
                figures["play_frames"] = interval_figures(
                    frames.intervals(game.process.pid, pacing_seconds))
            finally:
                xdotool("keyup", "Up", "space")
        figures["peak_mb"] = game.stop()
        return figures
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


def measure_chromium_bsu(command, seconds, server_pid, frames, pacing_seconds):
    home = tempfile.mkdtemp(prefix="chromium-bsu-perf-")
    try:
        env = dict(os.environ, HOME=home, SDL_AUDIODRIVER="dummy")
        game = Game("chromium-bsu", [command], home, env)
        game.wait_first_frame()
        time.sleep(3)
        figures = {"start_mapped": game.mapped_s, "start_frame": game.first_frame_s,
                   "menu_cpu": game.cpu_over(seconds / 2, server_pid, frames)}
        xdotool("key", "Return")  # its menu's first item starts a game
        time.sleep(3)
        xdotool("keydown", "Up", "space")
        try:
            figures["play_cpu"] = game.cpu_over(seconds, server_pid, frames)
            figures["play_frames"] = interval_figures(
                frames.intervals(game.process.pid, pacing_seconds))
        finally:
            xdotool("keyup", "Up", "space")
        figures["peak_mb"] = game.stop()
        return figures
    finally:
        shutil.rmtree(home, ignore_errors=True)


def race_frame_costs(build):
    """CPU microseconds of BM_RaceFrame and of its floor, from the same run."""
    bench = os.path.join(build, "vontra_bench")
    if not os.access(bench, os.X_OK):
        return None
    out = subprocess.run([bench, "--benchmark_filter=RaceFrame", "--benchmark_format=json",
                          "--benchmark_min_time=2"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
    try:
        runs = json.loads(out)["benchmarks"]
    except (ValueError, KeyError):
        return None
    costs = {}
    for run in runs:
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[run.get("time_unit", "ns")]
        costs[run["name"]] = run["cpu_time"] * scale
    if "BM_RaceFrame" not in costs:
        return None
    return costs["BM_RaceFrame"], costs.get("BM_RaceFrameFloor")


def table(vontra, other, frame_us, seconds, pacing_seconds):
    def pair(figures, key, form):
        value = figures.get(key)
        if value is None:
            return "n/a"
        if key == "play_frames":
            return form % value
        if isinstance(value, tuple):
            cpu, server, rate = value
            text = form % (100 * cpu) + " (X server " + form % (100 * server) + ")"
            return text + (", %.0f frames/s" % rate if rate is not None else "")
        return form % value

    rows = [
        ("Start-up: exec to window mapped (s)", "start_mapped", "%.2f"),
        ("Start-up: exec to first non-black frame (s)", "start_frame", "%.2f"),
        ("CPU in the menu, %% of one core over %g s" % (seconds / 2), "menu_cpu", "%.0f %%"),
        ("CPU while playing (Up + fire held), %% of one core over %g s" % seconds, "play_cpu",
         "%.0f %%"),
        ("Frame interval while playing over %g s: p50 / p99 / max (ms)" % pacing_seconds,
         "play_frames", "%.1f / %.1f / %.1f"),
        ("Peak memory, VmHWM (MB)", "peak_mb", "%.0f"),
    ]
    lines = ["| Figure | Vontra | chromium-bsu |", "|---|---|---|"]
    for label, key, form in rows:
        lines.append("| %s | %s | %s |" % (label, pair(vontra, key, form), pair(other, key, form)))
    frame = "n/a"
    if frame_us is not None:
        game_us, floor_us = frame_us
        frame = "%.0f µs" % game_us
        if floor_us:
            frame += " (floor %.0f µs, %.2f ×)" % (floor_us, game_us / floor_us)
    lines.append("| Race frame (vontra_bench RaceFrame; RaceFrameFloor, CPU time) | %s | — |"
                 % frame)
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", help="optimised build tree with vontra, vontra_bench and Data")
    parser.add_argument("--seconds", type=float, default=20.0, help="playing time measured")
    parser.add_argument("--skip-race", action="store_true", help="measure the menu only")
    parser.add_argument("--renderer", help="SDL render driver for the game (SDL_RENDER_DRIVER)")
    parser.add_argument("--pacing-seconds", type=float, default=60.0,
                        help="playing time over which frame intervals are taken")
    options = parser.parse_args()
    build = os.path.abspath(options.build)
    seconds = options.seconds
    frame_us = race_frame_costs(build)
    pacing = options.pacing_seconds
    # Debian installs games outside the usual PATH.
    other_game = shutil.which("chromium-bsu") or "/usr/games/chromium-bsu"
    screen = XScreen()
    frames = FrameCounter(os.path.join(build, "vontra"))
    try:
        vontra = measure_vontra(build, seconds, screen.server.pid, frames, options.skip_race,
                                options.renderer, pacing)
        other = measure_chromium_bsu(other_game, seconds, screen.server.pid, frames, pacing)
    finally:
        frames.remove()
        screen.close()
    print("Machine: %d cores, load average %.1f; X: Xvfb + openbox"
          % (os.cpu_count(), os.getloadavg()[0]))
    print()
    print(table(vontra, other, frame_us, seconds, pacing))
    return 0


if __name__ == "__main__":
    sys.exit(main())
