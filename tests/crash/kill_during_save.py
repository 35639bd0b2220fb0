#!/usr/bin/env python3
"""SIGKILL at random moments while the real game saves; the table must survive every one.

Usage: kill_during_save.py GAME DATA_DIR SAVE_VIEW [KILLS]   (KILLS defaults to 10)

On the current X screen (DISPLAY, with a window manager), one working folder is used for every
run. Before a run its table and options are seeded with a table of its own (rows unlike the
default table's, with the matching check text), unless the kill before left a half-done save,
which the run's start must complete and clean up. The game then clears the table from the high-score screen (Yes saves the pair) and
quits through the quit question (Yes saves it again, the shutdown a third time): the old table
is the seeded one, the new one the default table. A watcher on the save folder sends SIGKILL
either after a randomly chosen file event of those saves plus a random pause, or at a random
moment of the whole sequence. Then the next start's view of the folder, as SAVE_VIEW (the
game's own reader) reports it, must be the old table or the new one with a matching check text,
and the folder may hold no other files than the save pair's own temporaries; the next start
must have removed those before its window shows. The first run goes uninterrupted and measures
the sequence for the timed kills.
"""

import ctypes
import os
import random
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from game_driver import Game, differs_from, make_workdir, xdotool  # noqa: E402
from play_through import (SUB_SCREEN, WINDOW_TOP_EDGE, Failure, button,  # noqa: E402
                          table_check)

PAIR = {"hs", "options"}


def pair_folder(save):
    """The save folder's names but the window's remembered place, which the SDL window writes
    beside the pair (through a hidden temporary, renamed into place) and which is not the
    table's business."""
    return pair_folder_names(os.listdir(save))


def pair_folder_names(names):
    return {n for n in names if n != "window" and not n.startswith(".window.")}


TEMPORARIES = {"hs.tmp", "hs.new", "options.tmp", "options.new"}
EVENTS_PER_SAVE = 14  # per file: create, modify, close, renamed to .new; then two renames
SAVES = 3  # the clear's Yes, the quit's Yes, the shutdown
CLEAR_AREA = (0, 405, 800, 70)  # the buttons under the table

IN_MODIFY, IN_CLOSE_WRITE, IN_MOVED_FROM, IN_MOVED_TO = 0x2, 0x8, 0x40, 0x80
IN_CREATE, IN_DELETE = 0x100, 0x200


class FolderWatch:
    """inotify on the save folder: every event in order, with its file name."""

    def __init__(self, folder):
        libc = ctypes.CDLL("libc.so.6", use_errno=True)
        self.fd = libc.inotify_init1(os.O_CLOEXEC | os.O_NONBLOCK)
        mask = IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_CREATE | IN_DELETE
        if self.fd < 0 or libc.inotify_add_watch(self.fd, folder.encode(), mask) < 0:
            raise OSError(ctypes.get_errno(), "inotify")
        self.events = []

    def read(self, timeout):
        """Appends what has happened, waiting up to timeout seconds for something."""
        if not select.select([self.fd], [], [], timeout)[0]:
            return
        data = os.read(self.fd, 65536)
        offset = 0
        while offset < len(data):
            _, mask, _, size = struct.unpack_from("iIII", data, offset)
            name = data[offset + 16:offset + 16 + size].rstrip(b"\0").decode()
            if name in pair_folder_names([name]):
                self.events.append((mask, name))
            offset += 16 + size

    def drain(self):
        count = -1
        while count != len(self.events):
            count = len(self.events)
            self.read(0)

    def close(self):
        os.close(self.fd)


def saving_at_end(events):
    """True when the last save seen had begun (a temporary created) and not committed both
    files (the options file renamed into place)."""
    state = False
    for mask, name in events:
        if mask & IN_CREATE and name.endswith(".tmp"):
            state = True
        elif mask & IN_MOVED_TO and name == "options":
            state = False
    return state


class Killer(threading.Thread):
    """Kills the game after the k-th event plus a pause, or at a moment after the start."""

    def __init__(self, game, watch, event_number=None, pause=0.0, at=None):
        super().__init__(daemon=True)
        self.game, self.watch = game, watch
        self.event_number, self.pause, self.at = event_number, pause, at
        self.start_time = None
        self.end_time = None
        self.sent = False
        self.done = threading.Event()

    def run(self):
        self.start_time = time.monotonic()
        while self.game.alive():
            if self.at is not None:
                left = self.start_time + self.at - time.monotonic()
                if left <= 0:
                    break
                self.watch.read(min(left, 0.05))
            elif self.event_number is None:
                self.watch.read(0.05)
            else:
                self.watch.read(0.05)
                if len(self.watch.events) >= self.event_number:
                    if self.pause > 0:
                        time.sleep(self.pause)
                    break
        if self.game.alive() and (self.at is not None or self.event_number is not None):
            self.game.process.send_signal(signal.SIGKILL)
            self.sent = True
        self.game.process.wait()
        self.end_time = time.monotonic()
        self.watch.drain()  # what happened up to the kill
        self.done.set()

    def saves_done(self):
        return sum(1 for mask, name in list(self.watch.events)
                   if mask & IN_MOVED_TO and name == "options")


def seed(save, run_number):
    """A table of this run's own: names unlike the default table's, the matching check."""
    rows = [(("Run%d-%d" % (run_number, r)).encode(), 900 - 10 * r) for r in range(10)]
    lines = []
    for name, score in rows:
        lines += [name, str(score).encode(), b"0", b"0"]
    for name, body in (("hs", lines), ("options", [b"0", b"1", b"1", b"_______",
                                                     table_check(rows)])):
        with open(os.path.join(save, name), "wb") as f:
            f.write(b"".join(line + b"\r\n" for line in body))


def view(viewer, save, scratch):
    """The next start's view, taken from a copy so that the game's own start still finds the
    folder as the kill left it."""
    shutil.rmtree(scratch, ignore_errors=True)
    shutil.copytree(save, os.path.join(scratch, "Data", "Save"), symlinks=True)
    out = subprocess.run([viewer, scratch], check=True, stdout=subprocess.PIPE, text=True,
                         timeout=30).stdout.split("\n")
    fields = dict(line.split(" ", 1) for line in out[:3])
    rows = tuple(line for line in out[3:] if line.startswith("row "))
    return fields["check"], rows


def strays(save):
    names = pair_folder(save) - PAIR
    unknown = names - TEMPORARIES
    if unknown:
        raise Failure("unexpected files in the save folder: %r" % sorted(unknown))
    return names


def drive(game, killer):
    """Clears the table and quits through the question; stops as soon as the game is gone."""
    menu = game.menu_standing()
    second = game.hold("Down", "menu-2", differs_from(menu, button(2)))
    third = game.hold("Down", "menu-3", differs_from(second, button(3)))
    xdotool("key", "Return")
    table = game.until("high-scores", differs_from(third, SUB_SCREEN))
    clear = game.hold("Left", "clear-button", differs_from(table, CLEAR_AREA))
    xdotool("key", "Return")
    question = game.until("clear-question", differs_from(clear, WINDOW_TOP_EDGE))
    killer.start()
    held = None
    try:
        xdotool("keydown", "y")
        held = "y"
        while not killer.done.is_set() and killer.saves_done() < 1:
            killer.done.wait(0.01)
        xdotool("keyup", "y")
        held = None
        if killer.done.is_set():
            return
        cleared = game.until("cleared", differs_from(question, WINDOW_TOP_EDGE))
        xdotool("key", "alt+F4")
        game.wait_for("quit-question", differs_from(cleared, WINDOW_TOP_EDGE))
        xdotool("keydown", "y")
        held = "y"
        killer.done.wait(30)
    except Failure:
        if game.alive():
            raise  # a real failure; a game killed meanwhile simply ends the drive
    finally:
        if held:
            xdotool("keyup", held)  # no key may stay down in the server for the next run


def main():
    if len(sys.argv) not in (4, 5):
        print(__doc__)
        return 2
    binary, data, viewer = (os.path.abspath(a) for a in sys.argv[1:4])
    kills = int(sys.argv[4]) if len(sys.argv) == 5 else 10
    seed_of_run = int(os.environ.get("VONTRA_KILL_SEED", time.time_ns() % 1000003))
    print("VONTRA_KILL_SEED=%d" % seed_of_run, flush=True)
    rng = random.Random(seed_of_run)
    workdir = tempfile.mkdtemp(prefix="vontra-kill-")
    scratch = os.path.join(workdir, "view")
    game_dir = os.path.join(workdir, "game")
    save = os.path.join(game_dir, "Data", "Save")
    make_workdir(game_dir, data)
    os.makedirs(os.path.join(workdir, "empty"))
    default_rows = view(viewer, os.path.join(workdir, "empty"), scratch)[1]
    figures = {"during a save": 0, "before the first save": 0, "between saves": 0,
               "after the last save": 0, "after the end": 0, "seeded table kept": 0,
               "cleared table saved": 0, "started from a half-done save": 0, "intact": 0}
    sequence = None
    game = None
    try:
        for run in range(kills + 1):
            left = strays(save)
            # A half-done pair is completed from the files beside it, so the seed would only
            # be mixed into it: such a run starts from what the kill left.
            if not left:
                seed(save, run)
            elif run > 0:
                figures["started from a half-done save"] += 1
            old_check, old_rows = view(viewer, save, scratch)
            if old_check != "matches":
                raise Failure("run %d: the folder does not check before the start" % run)
            watch = FolderWatch(save)
            game = Game(binary, game_dir)
            game.wait_window()
            if pair_folder(save) != PAIR:
                raise Failure("run %d: the start left %r (before it: %r)"
                              % (run, sorted(os.listdir(save)), sorted(left)))
            watch.drain()
            watch.events.clear()  # the start's own clean-up
            if run == 0:
                killer = Killer(game, watch)
            elif rng.random() < 0.5:
                killer = Killer(game, watch, event_number=rng.randint(1, EVENTS_PER_SAVE * SAVES),
                                pause=rng.uniform(0, 0.003))
            else:
                killer = Killer(game, watch, at=rng.uniform(0, sequence))
            drive(game, killer)
            killer.done.wait(30)
            watch.close()
            status = game.process.returncode
            if run == 0:
                sequence = killer.end_time - killer.start_time
                if status != 0:
                    raise Failure("the uninterrupted run ended with status %d" % status)
            check, rows = view(viewer, save, scratch)
            if check != "matches" or rows not in (old_rows, default_rows):
                raise Failure("run %d: the next start would see %s, check %s (events %r)"
                              % (run, rows, check, watch.events))
            strays(save)
            if run == 0:
                if rows != default_rows:
                    raise Failure("the uninterrupted run did not save the cleared table")
                print("uninterrupted run: %.2f s from the clear's Yes to the end" % sequence)
                continue
            saves = sum(1 for m, n in watch.events if m & IN_MOVED_TO and n == "options")
            if not killer.sent:
                where = "after the end"
            elif saving_at_end(watch.events):
                where = "during a save"
            elif saves == 0:
                where = "before the first save"
            elif saves < SAVES:
                where = "between saves"
            else:
                where = "after the last save"
            figures[where] += 1
            kept = "cleared" if rows == default_rows else "seeded"
            figures[kept + (" table saved" if kept == "cleared" else " table kept")] += 1
            figures["intact"] += 1
            print("run %3d: %-21s after %2d events, %d saves done, next start sees the %s table"
                  % (run, where, len(watch.events), saves, kept), flush=True)
        # One more start cleans up after the last kill.
        game = Game(binary, game_dir)
        game.wait_window()
        if pair_folder(save) != PAIR:
            raise Failure("the last start left %r" % sorted(os.listdir(save)))
        game.stop()
    except Failure as failure:
        print("FAIL: %s (folder %s)" % (failure, workdir))
        return 1
    finally:
        if game is not None:
            game.stop()
    print("kills: %d; %s; tables intact: %d of %d" % (
        kills, ", ".join("%s %d" % (k, v) for k, v in figures.items() if k != "intact"),
        figures["intact"], kills))
    shutil.rmtree(workdir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
