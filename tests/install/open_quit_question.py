"""Opens the game's quit question from the close box and returns once it is on screen:
open_quit_question.py WINDOW PID

The close request (Alt+F4, turned into WM_DELETE_WINDOW by the window manager) is sent once
the menu's intro has come to rest, and the question is then awaited on screen. Y must not be
pressed before that: the game answers a press, not a held key, so a Y already down when the
question opens would leave it standing. Every step waits for what it needs; a slow machine
only makes it slower.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from screen_image import difference, grab, grabs_until_rest  # noqa: E402

DIFFERENT = 3.0  # and above which they differ
REST = 1.5  # seconds without a change after which the menu's intro has ended
TIMEOUT = 60.0  # seconds for one screen change, generous for a loaded machine


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def running(pid):
    """True while the process exists and has not ended (a zombie has ended)."""
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def middle(image):
    """The middle third of the picture, which the centred message window covers however the
    game's 800 x 600 picture is scaled into the window."""
    return (image.width // 3, image.height // 3, image.width // 3, image.height // 3)


def at_rest(window, pid):
    frames = grabs_until_rest(lambda: grab(window), lambda: running(pid), REST, TIMEOUT)
    if frames is None:
        fail("the game ended in its menu" if not running(pid) else
             "the menu kept changing for %d s" % TIMEOUT)
    return frames[-1]


def main():
    window, pid = sys.argv[1], int(sys.argv[2])
    menu = at_rest(window, pid)
    subprocess.run(["xdotool", "key", "alt+F4"], check=True)
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        if not running(pid):
            fail("the close request ended the game without asking")
        now = grab(window)
        if difference(now, menu, middle(now)) > DIFFERENT:
            return
        time.sleep(0.15)
    fail("no quit question came within %d s of the close request" % TIMEOUT)


if __name__ == "__main__":
    main()
