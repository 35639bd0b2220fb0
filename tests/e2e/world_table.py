#!/usr/bin/env python3
"""The online loop end to end: a score service on loopback, the game built to send to it
played through to a result that it sends, and headless Chromium finding that result on the
world table page and the home page.

Usage: world_table.py SCORES_SERVICE GAME DATA_DIR PORT
(on the X screen of scripts/xvfb-run-game; GAME must be built for http://127.0.0.1:PORT).
The pages' screenshots and the run's go to $VONTRA_E2E_SHOTS (default: a new temp folder).
"""

import html
import os
import re
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "..", "server", "tests"))
import play_through  # noqa: E402
from scores_client import Service  # noqa: E402
from service_test import chromium  # noqa: E402

TABLE = "/cgi/version.pl?prg=Vontra&show&type=0"


def row_pattern(name, score):
    """The table row of one result: its name cell followed by its score cell."""
    return r'<td class="name">%s</td><td>%d</td>' % (re.escape(html.escape(name)), score)


def main():
    if len(sys.argv) != 5:
        print(__doc__)
        return 2
    binary, game, data = (os.path.abspath(a) for a in sys.argv[1:4])
    port = int(sys.argv[4])
    shots = os.environ.get("VONTRA_E2E_SHOTS") or tempfile.mkdtemp(prefix="vontra-world-")
    os.makedirs(shots, exist_ok=True)
    folder = tempfile.mkdtemp(prefix="vontra-world-service-")
    service = Service(binary, os.path.join(folder, "scores.db"), port=port).start()
    try:
        score = play_through.play(game, data, shots, send=True)
        if score is None:
            return 1
        base = "http://127.0.0.1:%d" % port
        # The game's own request is the only one that stored anything.
        log = service.read_log().decode("utf-8", "replace")
        sent = [line for line in log.splitlines() if "/cgi/version.pl?hs" in line]
        if len(sent) != 1 or sent[0].split('"')[2].split()[0] != "200":
            print("FAIL: expected one result request answered 200, the log has:\n%s" % log)
            return 1
        for label, target in (("world-table", TABLE), ("home", "/")):
            dom = chromium(folder, "--dump-dom", base + target)
            if not re.search(row_pattern(play_through.TYPED_NAME, score), dom):
                print("FAIL: %s page lacks %s with %d:\n%s" % (label, play_through.TYPED_NAME,
                                                                score, dom[-3000:]))
                return 1
            chromium(folder, "--window-size=900,1100",
                     "--screenshot=%s/%s.png" % (shots, label), base + target)
        print("%s with %d sent by the game and shown on both pages; screenshots in %s"
              % (play_through.TYPED_NAME, score, shots))
        return 0
    finally:
        service.stop()


if __name__ == "__main__":
    sys.exit(main())
