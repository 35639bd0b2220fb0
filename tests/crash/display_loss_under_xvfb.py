#!/usr/bin/env python3
"""The game saves when the desktop takes its display away.

Usage: scripts/xvfb-run-game display_loss_under_xvfb.py GAME DATA_DIR windowclose|server-killed

On the X screen of scripts/xvfb-run-game (whose Xvfb is a child of this script's parent): the
game starts with the seeded table, music is switched off in the options screen, and then the
window is destroyed from outside (xdotool windowclose) or the X server is killed. The game must end with its one-line message
and its status (0 for the destroyed window, 1 for the lost connection), and the save folder
must hold the seeded table with a matching check text and the options with the music off,
and nothing else.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from game_driver import Game, differs_from, make_workdir  # noqa: E402
from play_through import (OPTION_ROW, SEEDED_NAME, SEEDED_SCORES, SUB_SCREEN,  # noqa: E402
                          Failure, button, crlf_lines, seed_save_files, table_check)

SAVED = "; the table and the options are saved"


def switch_music_off(game):
    menu = game.menu_standing()
    second = game.hold("Down", "menu-options", differs_from(menu, button(2)))
    game.xdotool_key("Return")
    options = game.until("options", differs_from(second, SUB_SCREEN))
    music_on = game.hold("Down", "options-music-row", differs_from(options, OPTION_ROW[2]))
    game.xdotool_key("Return")
    game.until("options-music-off", differs_from(music_on, OPTION_ROW[2]))


def check_saves(workdir):
    save = os.path.join(workdir, "Data", "Save")
    left = sorted(os.listdir(save))
    if left != ["hs", "options"]:
        raise Failure("the save folder holds %r" % left)
    options = crlf_lines(os.path.join(save, "options"), 5)
    if options[:3] != [b"0", b"0", b"1"]:
        raise Failure("the options file should show the music off: %r" % options[:3])
    hs = crlf_lines(os.path.join(save, "hs"), 40)
    rows = [(hs[4 * r], int(hs[4 * r + 1])) for r in range(10)]
    if rows != [(SEEDED_NAME.encode("cp1251"), score) for score in SEEDED_SCORES]:
        raise Failure("the table is not the seeded one: %r" % rows)
    if options[4] != table_check(rows):
        raise Failure("the options file's check text does not match the table")


def scenario(binary, data, name, lose, expected_status, expected_message):
    game = None
    workdir = tempfile.mkdtemp(prefix="vontra-loss-")
    try:
        make_workdir(workdir, data)
        seed_save_files(os.path.join(workdir, "Data", "Save"))
        game = Game(binary, workdir)
        game.wait_window()
        switch_music_off(game)
        lose(game)
        status = game.wait_exit()
        lines = game.log_lines()
        if status != expected_status:
            raise Failure("%s: exit status %d, expected %d; log %r"
                          % (name, status, expected_status, lines))
        if lines != ["Vontra: " + expected_message + SAVED]:
            raise Failure("%s: the game said %r" % (name, lines))
        check_saves(workdir)
        print("%s: status %d, %r, saves checked" % (name, status, lines[0]), flush=True)
    finally:
        if game is not None:
            game.stop()
        shutil.rmtree(workdir, ignore_errors=True)


def destroy_window(game):
    subprocess.run(["xdotool", "windowclose", game.window], check=True, timeout=30)


def kill_server(game):
    found = subprocess.run(["pgrep", "-P", str(os.getppid()), "-x", "Xvfb"],
                           stdout=subprocess.PIPE, text=True, timeout=30).stdout.split()
    if len(found) != 1:
        raise Failure("the X server of scripts/xvfb-run-game was not found: %r" % found)
    os.kill(int(found[0]), signal.SIGKILL)


SCENARIOS = {
    "windowclose": (destroy_window, 0, "the window was destroyed"),
    "server-killed": (kill_server, 1, "the connection to the X display was lost"),
}


def main():
    if len(sys.argv) != 4 or sys.argv[3] not in SCENARIOS:
        print(__doc__)
        return 2
    binary, data = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    try:
        scenario(binary, data, sys.argv[3], *SCENARIOS[sys.argv[3]])
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
