"""The real game in a working folder of its own, driven with xdotool on the current DISPLAY.

Every wait is on a condition (a window, a screen change, the process ending) with a time-out;
nothing is tried twice: a step that fails is a failure.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from play_through import SAME, TIMEOUT, Failure  # noqa: E402
from screen_image import difference, grab, grabs_until_rest  # noqa: E402

FULL = (0, 0, 800, 600)
INTRO_QUIET = 1.5  # seconds without a change after which the menu's intro has ended


def xdotool(*args):
    result = subprocess.run(["xdotool", *args], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            text=True, timeout=30)
    if result.returncode != 0:
        raise Failure("xdotool %s: %s" % (" ".join(args), result.stderr.strip()))
    return result.stdout


def make_workdir(workdir, data):
    """Data/Res and Data/Music linked to the built ones, and an empty Data/Save."""
    os.makedirs(os.path.join(workdir, "Data", "Save"), exist_ok=True)
    for part in ("Res", "Music"):
        link = os.path.join(workdir, "Data", part)
        if not os.path.islink(link):
            os.symlink(os.path.join(data, part), link)


class Game:
    def __init__(self, binary, workdir):
        self.workdir = workdir
        self.log_path = os.path.join(workdir, "game.log")
        env = dict(os.environ)
        env.setdefault("SDL_AUDIODRIVER", "dummy")
        env["BROWSER"] = "true"  # nothing may open a browser
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen([binary], cwd=workdir, env=env, stdout=log,
                                            stderr=subprocess.STDOUT)
        self.window = None

    def alive(self):
        return self.process.poll() is None

    def wait_window(self):
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            if not self.alive():
                raise Failure("the game ended at start-up with status %d" % self.process.returncode)
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Vontra$"],
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            if found.stdout.split():
                self.window = found.stdout.split()[0]
                # The game ticks only while its window is the active one.
                xdotool("mousemove", "0", "0")
                xdotool("windowactivate", "--sync", self.window)
                return
            time.sleep(0.05)
        raise Failure("no visible window named Vontra")

    def grab(self):
        try:
            return grab(self.window)
        except (subprocess.CalledProcessError, ValueError) as error:
            raise Failure("no picture of the window: %s" % error) from None

    def wait_for(self, label, condition):
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            if not self.alive():
                raise Failure("%s: the game ended (status %d)" % (label, self.process.returncode))
            image = self.grab()
            if condition(image):
                return image
            time.sleep(0.05)
        raise Failure("%s: the expected screen did not come" % label)

    def settle(self, label, rect=FULL, first=None):
        """The screen once rect shows the same in two grabs a moment apart."""
        last = first if first is not None else self.grab()
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            time.sleep(0.2)
            now = self.grab()
            if difference(now, last, rect) < SAME / 4:
                return now
            last = now
        raise Failure("%s: the screen kept changing" % label)

    def until(self, label, condition, rect=FULL):
        return self.settle(label, rect, self.wait_for(label, condition))

    def xdotool_key(self, key):
        xdotool("key", key)

    def hold(self, key, label, condition, rect=FULL):
        """Holds a key the game polls once a frame until the screen shows its effect."""
        xdotool("keydown", key)
        try:
            image = self.wait_for(label, condition)
        finally:
            xdotool("keyup", key)
        return self.settle(label, rect, image)

    def menu_standing(self):
        """The main menu once its intro has ended."""
        frames = grabs_until_rest(self.grab, self.alive, INTRO_QUIET, TIMEOUT)
        if frames is None:
            raise Failure("the menu did not come to rest")
        return frames[-1]

    def wait_exit(self, seconds=TIMEOUT):
        try:
            return self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            raise Failure("the game did not end within %d s" % seconds) from None

    def stop(self):
        if self.alive():
            self.process.kill()
            self.process.wait()

    def log_lines(self):
        with open(self.log_path, "rb") as f:
            return f.read().decode("utf-8", "replace").splitlines()


def differs_from(reference, rect):
    return lambda image: difference(image, reference, rect) > 3.0
