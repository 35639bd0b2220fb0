"""Two vontra-scores over one PostgreSQL behind haproxy are one world table: a result answered
by either shows on both within a second, and killing one during a load loses no answered result
while haproxy goes on serving from the other.

Usage: cluster_test.py PATH/TO/vontra-scores
"""
import http.client
import os
import signal
import sys
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from scores_client import result_query  # noqa: E402
from scores_cluster import ScoresCluster  # noqa: E402

BINARY = None
TABLE = "/cgi/version.pl?prg=Vontra&show&type=0"


def get(port, target, timeout=5):
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=timeout)
    try:
        connection.request("GET", target)
        response = connection.getresponse()
        return response.status, response.read()
    finally:
        connection.close()


def send_until(port, prefix, stop, answered, failed):
    """Distinct results, one connection each, through whatever answers; records each answered
    200 by the time it was answered, and counts the rest."""
    i = 0
    while not stop.is_set():
        i += 1
        name = f"{prefix}{i}"[:10]
        try:
            status, _ = get(port, result_query(name.encode(), i))
        except OSError:
            status = None
        if status == 200:
            answered.append((time.monotonic(), (name, i)))
        else:
            failed.append(time.monotonic())


class ClusterTest(unittest.TestCase):
    def setUp(self):
        self.cluster = ScoresCluster(BINARY, 2, ("--rate-limit", "0"))

    def tearDown(self):
        self.cluster.stop()

    def test_a_result_sent_to_either_shows_on_both_within_a_second(self):
        a, b = self.cluster.services
        # Pages cached on both before the results arrive: the cache must not hide them.
        for service in (a, b):
            self.assertEqual(get(service.port, TABLE)[0], 200)
        self.assertEqual(get(a.port, result_query(b"Alpha", 111))[0], 200)
        self.assertEqual(get(b.port, result_query(b"Beta", 222))[0], 200)
        answered = time.monotonic()
        pending = {a.port, b.port}
        while pending and time.monotonic() - answered < 1.0:
            for port in list(pending):
                page = get(port, TABLE)[1].decode()
                if "Alpha" in page and "Beta" in page:
                    pending.discard(port)
            time.sleep(0.02)
        self.assertEqual(pending, set(), "instances still missing a result a second later")
        for port in (a.port, b.port):
            lookup = get(port, TABLE + "&name=Alpha")[1].decode()
            self.assertIn("место 2", lookup)

    def test_killing_an_instance_under_load_loses_no_answered_result(self):
        stop = threading.Event()
        answered, failed = [], []
        senders = [threading.Thread(target=send_until, args=(self.cluster.port, f"k{t}x", stop, answered, failed))
                   for t in range(4)]
        for s in senders:
            s.start()
        deadline = time.monotonic() + 30
        while len(answered) < 200 and time.monotonic() < deadline:
            time.sleep(0.05)
        # haproxy sends every loopback client to one instance: that is the one to kill.
        served = max(self.cluster.services, key=lambda s: s.read_log().count(b"/cgi/version.pl?hs"))
        other = next(s for s in self.cluster.services if s is not served)
        served.stop(signal.SIGKILL)
        killed = time.monotonic()
        while time.monotonic() - killed < 4:
            time.sleep(0.1)
        stop.set()
        for s in senders:
            s.join()
        after = [t for t, _ in answered if t > killed + 2]
        self.assertGreater(len(after), 50, "haproxy did not go on serving from the other instance")
        self.assertGreater(other.read_log().count(b"/cgi/version.pl?hs"), 0)
        self.assertEqual({r for _, r in answered} - self.cluster.stored(), set())
        status, page = get(self.cluster.port, TABLE)
        self.assertEqual(status, 200)


if __name__ == "__main__":
    BINARY = sys.argv.pop(1)
    unittest.main()
