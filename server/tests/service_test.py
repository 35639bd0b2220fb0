"""The running service: results in, pages out, hostile input refused, clean and unclean stops.

Usage: service_test.py PATH/TO/vontra-scores
"""
import os
import signal
import socket
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from postgres_cluster import PostgresCluster  # noqa: E402
from scores_client import Service, result_query, send_many  # noqa: E402

BINARY = None
TABLE = "/cgi/version.pl?prg=Vontra&show&type=0"


def sqlite_rows(database):
    with sqlite3.connect(database) as db:
        return set(db.execute("SELECT name, score FROM results"))


def chromium(profile_parent, *args):
    """Runs headless Chromium, kept off every network but loopback; returns its stdout."""
    profile = tempfile.mkdtemp(dir=profile_parent)
    command = ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
               "--disable-background-networking", "--disable-component-update", "--disable-sync",
               f"--user-data-dir={profile}", *args]
    return subprocess.run(command, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                          timeout=120).stdout


class StopsKeepAnsweredResults:
    """Stops of the service, clean and unclean, under load: nothing answered 200 is lost."""

    def test_stops_keep_every_answered_result(self):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            answered = []
            threads = [threading.Thread(target=send_many, args=(self.service, 100000, f"{sig:d}{t}x", answered))
                       for t in range(4)]
            for t in threads:
                t.start()
            # The stop comes in the middle of the load, once it is well under way, however
            # slowly a busy machine gets there.
            deadline = time.monotonic() + 60
            while len(answered) <= 100 and time.monotonic() < deadline:
                time.sleep(0.05)
            code = self.service.stop(sig)
            for t in threads:
                t.join()
            self.assertGreater(len(answered), 100)
            self.assertEqual(code, 0 if sig == signal.SIGTERM else -signal.SIGKILL)
            if sig == signal.SIGTERM:
                self.assertIn(b"vontra-scores: stopped", self.service.read_log())
            self.service.start()
            self.assertEqual(set(answered) - self.stored(), set())


class ServiceTest(StopsKeepAnsweredResults, unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.database = os.path.join(self.dir.name, "scores.db")
        self.service = Service(BINARY, self.database, "--rate-limit", "0", "--request-timeout", "2").start()

    def stored(self):
        return sqlite_rows(self.database)

    def tearDown(self):
        if self.service.process.poll() is None:
            self.service.stop(signal.SIGKILL)
        self.service.log.close()
        self.dir.cleanup()

    def test_result_shows_on_the_pages_escaped(self):
        for name, score in [(b"<script>", 700), ("Водитель".encode("cp1251"), 900), (b"a&b\"'", 5)]:
            self.assertEqual(self.service.get(result_query(name, score)), (200, b"OK\n"))
        status, page = self.service.get(TABLE)
        self.assertEqual(status, 200)
        page = page.decode("utf-8")
        self.assertIn("<td>1</td><td class=\"name\">Водитель</td><td>900</td>", page)
        self.assertIn("&lt;script&gt;", page)
        self.assertIn("a&amp;b&quot;&#39;", page)
        self.assertNotIn("<script>", page)
        status, home = self.service.get("/")
        self.assertEqual(status, 200)
        self.assertIn("Водитель", home.decode("utf-8"))
        status, lookup = self.service.get(TABLE + "&name=%3Cscript%3E")
        self.assertIn("место 2", lookup.decode("utf-8"))
        self.assertNotIn("<script>", lookup.decode("utf-8"))
        self.assertEqual(self.service.get("/race.png")[0], 200)

    def test_hostile_requests_get_400_and_the_service_goes_on(self):
        good = result_query(b"Ok", 1)
        for target in [
            good.replace("inf=", "inf='"),
            good + "%00",
            good[:-3],  # a broken group
            "/cgi/version.pl?hs&prg=Vontra&inf=" + "A" * 10000,
            "/cgi/version.pl?hs&prg=Vontra&inf=" + "A" * 104,
            TABLE.replace("type=0", "type=3"),
            TABLE + "&page=-1",
        ]:
            status, body = self.service.get(target)
            self.assertEqual(status, 400, target[:80])
            self.assertEqual(body.count(b"\n"), 1, body)
        # A NUL byte and an over-long line sent raw, beneath any client library.
        for raw in [b"GET /cgi/version.pl?hs&prg=Vontra&inf=AB\x00CD HTTP/1.1\r\nHost: x\r\n\r\n",
                    b"GET /" + b"A" * 20000 + b" HTTP/1.1\r\nHost: x\r\n\r\n"]:
            self.assertTrue(self.service.raw(raw).startswith(b"HTTP/1.1 400"))
        self.assertEqual(self.service.get(good)[0], 200)
        self.assertEqual(self.stored(), {("Ok", 1)})

    def test_identical_result_within_ten_minutes_is_stored_once(self):
        for _ in range(3):
            self.assertEqual(self.service.get(result_query(b"Twice", 10))[0], 200)
        self.assertEqual(self.service.get(result_query(b"Twice", 11))[0], 200)
        self.assertEqual(sorted(self.stored()), [("Twice", 10), ("Twice", 11)])

    def test_slow_and_idle_clients_do_not_block_others(self):
        idle = [socket.create_connection(("127.0.0.1", self.service.port)) for _ in range(50)]
        slow = socket.create_connection(("127.0.0.1", self.service.port))
        started = time.time()
        closed_at = None
        for byte in b"GET / HTTP/1.1\r\nHost: x\r\n":  # one byte every 0.1 s, never finished
            try:
                slow.send(bytes([byte]))
            except OSError:
                closed_at = time.time() - started
                break
            t = time.time()
            self.assertEqual(self.service.get(TABLE, timeout=2)[0], 200)
            # Blocked, it would wait for the slow client's 2 s deadline.
            self.assertLess(time.time() - t, 1.5)
            time.sleep(0.1)
        if closed_at is None:
            slow.settimeout(5)
            self.assertEqual(slow.recv(100), b"")  # the whole-request deadline closes it
            closed_at = time.time() - started
        self.assertLess(closed_at, 4)  # --request-timeout 2, though bytes kept coming
        for s in idle + [slow]:
            s.close()

    def test_rate_limit_refuses_past_the_allowance(self):
        self.service.stop()
        limited = Service(BINARY, self.database, "--rate-limit", "3").start()
        try:
            statuses = [limited.get(result_query(b"R", i))[0] for i in range(5)]
            self.assertEqual(statuses, [200, 200, 200, 429, 429])
        finally:
            limited.stop()
            limited.log.close()
        self.service.start()

    def test_pages_in_a_real_browser(self):
        """Headless Chromium renders both pages; their screenshots go to $VONTRA_SCORES_SHOTS."""
        self.assertEqual(self.service.get(result_query("Вася".encode("cp1251"), 4242))[0], 200)
        self.assertEqual(self.service.get(result_query(b"<i>bo</i>", 17))[0], 200)
        shots = os.environ.get("VONTRA_SCORES_SHOTS") or self.dir.name
        base = f"http://127.0.0.1:{self.service.port}"
        for label, target in (("table", TABLE), ("home", "/")):
            dom = chromium(self.dir.name, "--dump-dom", base + target)
            self.assertRegex(dom, r"<td class=\"name\">Вася</td><td>4242</td>")
            self.assertIn("&lt;i&gt;bo&lt;/i&gt;", dom)  # shown as text, not as markup
            chromium(self.dir.name, "--window-size=900,1100", f"--screenshot={shots}/{label}.png", base + target)
            with open(f"{shots}/{label}.png", "rb") as f:
                self.assertEqual(f.read(8), b"\x89PNG\r\n\x1a\n")

    def test_one_log_line_per_request(self):
        self.service.get(TABLE)
        self.service.get(result_query(b"L", 1))
        self.service.get("/nothing")
        lines = [l for l in self.service.read_log().splitlines() if l.startswith(b"127.0.0.1 ")]
        self.assertEqual([l.split(b'"')[2].split()[0] for l in lines], [b"200", b"200", b"404"])


class PostgresServiceTest(StopsKeepAnsweredResults, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.cluster = PostgresCluster()
        cls.databases = 0

    @classmethod
    def tearDownClass(cls):
        cls.cluster.stop()

    def setUp(self):
        PostgresServiceTest.databases += 1
        self.name = f"s{self.databases}"
        self.service = Service(BINARY, self.cluster.create_database(self.name), "--rate-limit", "0").start()

    def tearDown(self):
        if self.service.process.poll() is None:
            self.service.stop(signal.SIGKILL)
        self.service.log.close()

    def stored(self):
        return {(name, int(score)) for name, score in self.cluster.query(self.name, "SELECT name, score FROM results")}

    def test_goes_on_after_the_database_restarts(self):
        answered = []
        threads = [threading.Thread(target=send_many, args=(self.service, 3000, f"r{t}x", answered)) for t in range(2)]
        for t in threads:
            t.start()
        deadline = time.monotonic() + 60
        while len(answered) <= 50 and time.monotonic() < deadline:
            time.sleep(0.05)
        before = len(answered)
        self.cluster.restart()
        for t in threads:
            t.join()
        self.assertGreater(len(answered), before)
        self.assertEqual(self.service.get(result_query(b"After", 1))[0], 200)
        self.assertEqual(set(answered) - self.stored(), set())

    def test_database_down_is_503_and_the_service_goes_on(self):
        self.assertEqual(self.service.get(result_query(b"PgA", 5))[0], 200)
        # Names PostgreSQL would refuse or cut short reach no database: the table is in memory.
        for name in ("%FF", "PgA%00xyz"):
            status, page = self.service.get(TABLE + "&name=" + name)
            self.assertIn(status, (200, 400), name)  # 400 where the name is refused as malformed
            self.assertNotIn("место 1", page.decode("utf-8", "replace"))
        self.assertIn("место 1", self.service.get(TABLE + "&name=PgA")[1].decode())
        self.cluster.halt()
        try:
            time.sleep(0.5)  # past the age a page may be served from without asking the database
            for target in (TABLE + "&page=5", TABLE + "&type=1", TABLE + "&name=PgA", "/",
                           result_query(b"Down", 1)):
                status, body = self.service.get(target)
                self.assertEqual(status, 503, target)
                self.assertEqual(body.count(b"\n"), 1, body)
        finally:
            self.cluster.start()
        self.assertEqual(self.service.get(TABLE + "&page=5")[0], 200)
        self.assertEqual(self.service.get(result_query(b"Up", 2))[0], 200)
        self.assertIn("Up", self.service.get(TABLE)[1].decode())
        self.assertIsNone(self.service.process.poll())
        self.assertIn(b"reading the table failed", self.service.read_log())


if __name__ == "__main__":
    BINARY = sys.argv.pop(1)
    unittest.main()
