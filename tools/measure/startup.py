#!/usr/bin/env python3
"""Where the game's start-up goes, from exec to its first frame on screen.

Usage: startup.py BUILD_DIR [--runs N]

Runs the game N times on a private Xvfb screen under strace (seccomp filtered, so only the
few traced calls stop the process) and reads the moments of each step off the calls it makes:
the shared libraries opened, the D-Bus probe, the X connection, each archive and the tune
opened, the first font file, and the first picture sent to the X server (a PutImage or
MIT-SHM ShmPutImage request). Prints the median time of each mark after exec and of the
step before it. strace stops the game at each traced call, about a hundred of them while the
libraries load, so the marks run late by that; each run therefore also starts the game once
untraced under perf, as root, for the time from exec to its first SDL_RenderPresent.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from performance import XScreen  # noqa: E402

# (mark, test on one strace line), in the order the steps normally come.
MARKS = [
    ("libraries loaded", lambda c: c.startswith("openat(") and ".so" not in c),
    ("D-Bus probe", lambda c: "machine-id" in c),
    ("X connection", lambda c: c.startswith("connect(") and "X11-unix" in c),
    ("menu pictures (Res1)", lambda c: "Res1.dxg" in c and c.startswith("openat(")),
    ("race pictures (Res3)", lambda c: "Res3.dxg" in c and c.startswith("openat(")),
    ("sounds", lambda c: "Sounds.dxw" in c and c.startswith("openat(")),
    ("tune", lambda c: "Menu.xm" in c and c.startswith("openat(")),
    ("first font", lambda c: c.startswith("openat(") and (".ttf" in c or "fontconfig" in c)
     and ".so" not in c),
]


def first_picture(call):
    """A PutImage (opcode 72) or ShmPutImage (an extension's minor 3, 40 bytes) request."""
    if not call.startswith("writev(") or 'iov_base="' not in call:
        return False
    data = call.split('iov_base="', 1)[1]
    raw = []
    i = 0
    while i < len(data) and len(raw) < 4:
        if data[i] == "\\":
            j = i + 1
            while j < len(data) and j < i + 4 and data[j].isdigit():
                j += 1
            if j > i + 1:
                raw.append(int(data[i + 1:j], 8))
                i = j
                continue
            escapes = {"n": 10, "t": 9, "r": 13, "f": 12, "v": 11, "\\": 92, '"': 34}
            raw.append(escapes.get(data[i + 1], ord(data[i + 1])))
            i += 2
        else:
            raw.append(ord(data[i]))
            i += 1
    if len(raw) < 4:
        return False
    return raw[0] == 72 or (raw[0] >= 128 and raw[1] == 3 and raw[2] | raw[3] << 8 == 10)


def untraced_first_frame(build, seconds, workdir, env):
    """Seconds from exec to the first SDL_RenderPresent, from perf events (no tracing stops);
    None without perf or the right to add a uprobe."""
    if shutil.which("perf") is None:
        return None
    ldd = subprocess.run(["ldd", os.path.join(build, "vontra")], stdout=subprocess.PIPE,
                         text=True).stdout
    sdl = [line.split("=>")[1].split()[0] for line in ldd.splitlines()
           if "libSDL2-2.0.so" in line and "=>" in line]
    if not sdl:
        return None
    probe = "vontrastart:present"
    subprocess.run(["perf", "probe", "-q", "-d", "vontrastart:*"], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    if subprocess.run(["perf", "probe", "-q", "-x", sdl[0], "-a", probe + "=SDL_RenderPresent"],
                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
        return None
    try:
        data = os.path.join(workdir, "perf.data")
        subprocess.run(["perf", "record", "-q", "-o", data, "-e", "sched:sched_process_exec",
                        "-e", probe, "--", "timeout", str(seconds),
                        os.path.join(build, "vontra")], cwd=workdir, env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        script = subprocess.run(["perf", "script", "-i", data, "-F", "comm,time,event"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    finally:
        subprocess.run(["perf", "probe", "-q", "-d", "vontrastart:*"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    exec_at = None
    for line in script.stdout.splitlines():
        fields = line.split()
        if len(fields) < 3 or fields[0] == "timeout":
            continue
        t = float(fields[1].rstrip(":"))
        if "sched_process_exec" in line and exec_at is None:
            exec_at = t
        elif probe in line and exec_at is not None:
            return t - exec_at
    return None


def one_run(build, seconds):
    workdir = tempfile.mkdtemp(prefix="vontra-start-")
    trace = os.path.join(workdir, "trace")
    try:
        os.makedirs(os.path.join(workdir, "Data", "Save"))
        for part in ("Res", "Music"):
            os.symlink(os.path.join(build, "Data", part), os.path.join(workdir, "Data", part))
        env = dict(os.environ, SDL_AUDIODRIVER="dummy")
        subprocess.run(["timeout", str(seconds), "strace", "--seccomp-bpf", "-f", "-ttt",
                        "-e", "trace=execve,openat,connect,writev", "-o", trace,
                        os.path.join(build, "vontra")], cwd=workdir, env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        marks = {}
        start = None
        with open(trace) as f:
            for line in f:
                parts = line.split(None, 2)
                if len(parts) < 3:
                    continue
                t, call = float(parts[1]), parts[2]
                if start is None:
                    if call.startswith("execve(") and "= 0" in call:
                        start = t
                    continue
                for name, test in MARKS:
                    if name not in marks and test(call):
                        marks[name] = t - start
                if "first frame" not in marks and first_picture(call):
                    marks["first frame"] = t - start
        untraced = untraced_first_frame(build, seconds, workdir, env)
        if untraced is not None:
            marks["untraced"] = untraced
        return marks
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", help="build tree with vontra and Data")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=4.0, help="each run's length")
    options = parser.parse_args()
    build = os.path.abspath(options.build)
    screen = XScreen()
    try:
        runs = [one_run(build, options.seconds) for _ in range(options.runs)]
    finally:
        screen.close()
    names = [name for name, _ in MARKS] + ["first frame"]
    medians = {}
    for name in names:
        values = [run[name] for run in runs if name in run]
        if values:
            medians[name] = statistics.median(values)
    print("Machine: %d cores, load average %.1f; %d runs, medians"
          % (os.cpu_count(), os.getloadavg()[0], options.runs))
    print()
    print("| Mark (from exec) | ms | step before it, ms |")
    print("|---|---|---|")
    previous = 0.0
    for name, at in sorted(medians.items(), key=lambda item: item[1]):
        print("| %s | %.0f | %.0f |" % (name, 1000 * at, 1000 * (at - previous)))
        previous = at
    untraced = [run["untraced"] for run in runs if "untraced" in run]
    if untraced:
        print()
        print("Exec to the first present without tracing (perf events): median %.0f ms, "
              "min %.0f ms" % (1000 * statistics.median(untraced), 1000 * min(untraced)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
