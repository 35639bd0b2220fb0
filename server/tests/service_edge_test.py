"""The service at the network's edge: hostile framing and names, fair connections, proxies.

Usage: service_edge_test.py PATH/TO/vontra-scores
"""
import http.client
import os
import re
import signal
import socket
import sqlite3
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from postgres_cluster import PostgresCluster  # noqa: E402
from scores_client import Service, raw, result_query  # noqa: E402

BINARY = None
TABLE = "/cgi/version.pl?prg=Vontra&show&type=0"


def get(port, target, source="127.0.0.1", headers=None, timeout=5):
    """(status, body) of one GET sent from `source`."""
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=timeout, source_address=(source, 0))
    try:
        connection.request("GET", target, headers=headers or {})
        response = connection.getresponse()
        return response.status, response.read()
    finally:
        connection.close()


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def half_open(port, count, source):
    """Opens `count` connections from `source`, each with the start of a request it never ends."""
    sockets = []
    for _ in range(count):
        s = socket.socket()
        s.bind((source, 0))
        s.connect(("127.0.0.1", port))
        try:
            s.send(b"GET / HTTP/1.1\r\n")
        except OSError:
            pass  # refused at once: what a flood should get
        sockets.append(s)
    return sockets


class EdgeOnEveryStore:
    """Cases that touch the store; run on SQLite and on PostgreSQL."""

    def test_hostile_requests_store_nothing(self):
        port = self.start().port
        smuggled = result_query(b"Smuggled", 1).encode()
        second = b"GET " + smuggled + b" HTTP/1.1\r\nHost: x\r\n\r\n"
        cases = [  # (request bytes, status)
            (b"GET / HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: xchunked\r\n\r\n" + second, 400),
            (b"GET / HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked, identity\r\n\r\n" + second, 400),
            (b"GET / HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n" + second, 400),
            (b"GET / HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: identity\r\n\r\n" + second, 400),
            (b"GET / HTTP/1.1\r\nHost: x\r\nContent-Length: " + str(len(second)).encode() + b"\r\n\r\n" + second,
             400),
            (b"HEAD " + result_query(b"Head", 1).encode() + b" HTTP/1.1\r\nHost: x\r\n\r\n", 405),
            (b"POST " + result_query(b"Post", 1).encode() + b" HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\n\r\n",
             405),
        ]
        for request, status in cases:
            with socket.create_connection(("127.0.0.1", port), timeout=5) as s:
                s.sendall(request)
                answer = b""
                if status == 405:  # a refused method keeps the connection; ask it to close
                    s.sendall(b"GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                while chunk := s.recv(65536):
                    answer += chunk
            self.assertTrue(answer.startswith(b"HTTP/1.1 %d " % status), (request[:80], answer[:80]))
            if status == 400:  # the bytes after the header are never read as a request
                self.assertEqual(answer.count(b"HTTP/1.1 "), 1, request[:80])
                self.assertIn(b"Connection: close", answer)
        self.assertEqual(get(port, result_query(b"Ok", 1))[0], 200)
        self.assertEqual(self.stored(), {("Ok", 1)})
        self.assertNotIn(b"Smuggled", self.service.read_log())

    def test_lookup_names_that_no_player_has_get_400(self):
        port = self.start().port
        self.assertEqual(get(port, result_query(b"PgA", 5))[0], 200)
        for name in ["PgA%00xyz", "%00", "PgA%0A", "%C2%85", "%FF", "%C0%AF", "%F0%9F%98%80", "12345678901",
                     "%D0%90" * 11, "%4"]:
            status, body = get(port, TABLE + "&name=" + name)
            self.assertEqual((status, body), (400, b"bad name\n"), name)
        status, page = get(port, TABLE + "&name=PgA")
        self.assertEqual(status, 200)
        self.assertIn("место 1", page.decode())
        self.assertEqual(get(port, TABLE + "&name=" + "%D0%90" * 10)[0], 200)

    def test_trusted_and_untrusted_proxy(self):
        port = self.start("--trusted-proxy", "127.0.0.3", "--rate-limit", "2").port
        proxy = {"source": "127.0.0.3"}
        stranger = {"source": "127.0.0.4"}
        steps = [  # (from, X-Forwarded-For, name, status)
            (proxy, "198.51.100.1", b"Same", 200),
            (proxy, "198.51.100.2", b"Same", 200),  # another client: not a duplicate
            (proxy, "10.9.9.9, 198.51.100.1", b"A2", 200),  # the client's own entry is not believed
            (proxy, "198.51.100.1", b"A3", 429),
            (proxy, "198.51.100.2", b"B2", 200),
            (stranger, "198.51.100.3", b"C1", 200),
            (stranger, "198.51.100.4", b"C2", 200),
            (stranger, "198.51.100.5", b"C3", 429),  # an untrusted peer's header changes nothing
        ]
        for source, forwarded, name, status in steps:
            got = get(port, result_query(name, 7), headers={"X-Forwarded-For": forwarded}, **source)[0]
            self.assertEqual(got, status, (source, forwarded, name))
        self.assertEqual(sorted(self.stored_with_address()),
                         [("127.0.0.4", "C1"), ("127.0.0.4", "C2"), ("198.51.100.1", "A2"),
                          ("198.51.100.1", "Same"), ("198.51.100.2", "B2"), ("198.51.100.2", "Same")])
        log = self.service.read_log()
        self.assertIn(b"\n198.51.100.1 \"GET /cgi/", log)
        self.assertIn(b"\n127.0.0.4 \"GET /cgi/", log)


class EdgeTest(EdgeOnEveryStore, unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.database = os.path.join(self.dir.name, "scores.db")
        self.service = None

    def start(self, *options, binary=None):
        if self.service is not None:
            self.stop()
        self.service = Service(binary or BINARY, self.database, *options).start()
        return self.service

    def stop(self):
        if self.service.process.poll() is None:
            self.service.stop(signal.SIGKILL)
        self.service.log.close()
        self.service = None

    def tearDown(self):
        if self.service is not None:
            self.stop()
        self.dir.cleanup()

    def stored(self):
        with sqlite3.connect(self.database) as db:
            return set(db.execute("SELECT name, score FROM results"))

    def stored_with_address(self):
        with sqlite3.connect(self.database) as db:
            return list(db.execute("SELECT address, name FROM results"))

    def test_log_line_escapes_what_the_client_sent(self):
        port = self.start().port
        raw(port, b'GET /a"%20200%20x\\y\x85\xc2\x9b HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n')
        lines = [l for l in self.service.read_log().splitlines() if l.startswith(b"127.0.0.1 ")]
        self.assertEqual(lines, [b'127.0.0.1 "GET /a\\"%20200%20x\\\\y\\x85\\xc2\\x9b" 404 10 ' +
                                 lines[0].rsplit(b" ", 1)[1]])
        # The status is the first field after the quoted one, escaped quotes skipped.
        self.assertEqual(re.match(rb'[^"]*"(?:[^"\\]|\\.)*" (\d+)', lines[0]).group(1), b"404")

    def test_each_kept_alive_request_has_the_request_deadline(self):
        port = self.start("--request-timeout", "2").port
        with socket.create_connection(("127.0.0.1", port), timeout=10) as s:
            s.sendall(b"GET /style.css HTTP/1.1\r\nHost: x\r\n\r\n")
            self.assertTrue(s.recv(65536).startswith(b"HTTP/1.1 200"))
            s.sendall(b"GET / HTTP/1.1\r\n")  # a second request, never finished
            started = time.monotonic()
            while s.recv(65536):
                pass
            self.assertLess(time.monotonic() - started, 4)  # not the 30 s an idle connection may wait

    def test_one_address_cannot_take_every_connection(self):
        # (options, connections 127.0.0.1 holds half-open, whether it is then at its own cap)
        for options, flood, capped in [((), 1030, True),
                                       (("--max-connections", "40", "--max-connections-per-address", "40"), 40,
                                        False)]:
            port = self.start(*options).port
            sockets = half_open(port, flood, "127.0.0.1")
            try:
                started = time.monotonic()
                self.assertEqual(get(port, TABLE, source="127.0.0.2")[0], 200, options)
                self.assertLess(time.monotonic() - started, 2)
                if capped:  # the flooding address itself gets no new place
                    with self.assertRaises(OSError):
                        get(port, TABLE, source="127.0.0.1", timeout=3)
            finally:
                for s in sockets:
                    s.close()

    def test_descriptor_limit_lowers_the_cap_and_the_loop_stays_idle(self):
        wrapper = os.path.join(self.dir.name, "limited")
        with open(wrapper, "w") as f:
            f.write(f'#!/bin/sh\nulimit -n 64\nexec "{BINARY}" "$@"\n')
        os.chmod(wrapper, 0o755)
        service = self.start("--max-connections-per-address", "1000", binary=wrapper)
        self.assertIn(b"--max-connections lowered from 1024 to 32: 64 open files", service.read_log())
        idle = [socket.create_connection(("127.0.0.1", service.port)) for _ in range(70)]
        try:
            time.sleep(0.5)
            before, started = cpu_seconds(service.process.pid), time.monotonic()
            time.sleep(2)
            share = (cpu_seconds(service.process.pid) - before) / (time.monotonic() - started)
            self.assertLess(share, 0.2)
            self.assertEqual(get(service.port, TABLE, source="127.0.0.2")[0], 200)
        finally:
            for s in idle:
                s.close()
        self.assertEqual(get(service.port, result_query(b"After", 1))[0], 200)

    def test_out_of_descriptors_accept_backs_off(self):
        libraries = subprocess.run(["ldd", BINARY], stdout=subprocess.PIPE, text=True).stdout
        if "libubsan" in libraries:
            self.skipTest("UBSan checks a virtual call through a pipe, which it cannot open here")
        service = self.start("--max-connections-per-address", "1000")
        import resource
        # Lowered under the running service, past the cap it chose at start.
        resource.prlimit(service.process.pid, resource.RLIMIT_NOFILE, (24, 24))
        idle = [socket.create_connection(("127.0.0.1", service.port)) for _ in range(40)]
        try:
            deadline = time.monotonic() + 5
            while b"Too many open files; waiting" not in service.read_log() and time.monotonic() < deadline:
                time.sleep(0.1)
            self.assertIn(b"accept failed: Too many open files; waiting", service.read_log())
            before, started = cpu_seconds(service.process.pid), time.monotonic()
            time.sleep(2)
            self.assertLess((cpu_seconds(service.process.pid) - before) / (time.monotonic() - started), 0.2)
        finally:
            for s in idle:
                s.close()
        # Descriptors free again: the waiting connections and new ones are served.
        self.assertEqual(get(service.port, TABLE, timeout=5)[0], 200)

    def test_a_trusted_proxy_has_no_connection_cap(self):
        port = self.start("--trusted-proxy", "127.0.0.3", "--max-connections-per-address", "4").port
        held = half_open(port, 10, "127.0.0.3")
        try:
            self.assertEqual(get(port, TABLE, source="127.0.0.3")[0], 200)
            for s in held[:4]:  # each of them is still open and answered once it ends its request
                s.sendall(b"Host: x\r\nConnection: close\r\n\r\n")
                s.settimeout(5)
                self.assertTrue(s.recv(100).startswith(b"HTTP/1.1 200"))
        finally:
            for s in held:
                s.close()

    def test_mapped_ipv4_is_one_sender_with_ipv4(self):
        process = subprocess.Popen([BINARY, "--listen", "[::]:0", "--database", self.database, "--rate-limit", "2"],
                                   stderr=subprocess.PIPE)
        try:
            line = process.stderr.readline().decode()
            port = int(re.search(r"listening on \[::\]:(\d+)", line).group(1))
            statuses = [get(port, result_query(b"M", i))[0] for i in range(3)]
            self.assertEqual(statuses, [200, 200, 429])
            self.assertEqual(set(n for a, n in self.stored_with_address() if a == "127.0.0.1"), {"M"})
        finally:
            process.kill()
            process.wait()
            process.stderr.close()

    def test_command_line(self):
        refused = [  # (arguments, what the message names)
            (["--listen", "127.0.0.1:70000"], b"--listen"),
            (["--listen", "::1:8080"], b"--listen"),
            (["--rate-limit", "-5"], b"--rate-limit"),
            (["--max-connections", "-1"], b"--max-connections"),
            (["--max-connections", "0"], b"--max-connections"),
            (["--max-connections-per-address", "0"], b"--max-connections-per-address"),
            (["--request-timeout", "0"], b"--request-timeout"),
            (["--threads", "100"], b"--threads"),
            (["--trusted-proxy", "proxy.example"], b"--trusted-proxy"),
            (["--rate-limit"], b"rate-limit"),
        ]
        for args, named in refused:
            run = subprocess.run([BINARY, "--database", self.database, *args], stderr=subprocess.PIPE, timeout=10)
            self.assertEqual(run.returncode, 2, args)
            self.assertIn(named, run.stderr.splitlines()[0], args)
        for listen, family in [("[::1]:0", socket.AF_INET6), ("localhost:0", None)]:
            process = subprocess.Popen([BINARY, "--listen", listen, "--database", self.database],
                                       stderr=subprocess.PIPE)
            try:
                match = re.search(r"listening on \[?([^\]]+)\]?:(\d+)", process.stderr.readline().decode())
                self.assertIsNotNone(match, listen)
                host, port = match.group(1), int(match.group(2))
                if family:
                    self.assertEqual(host, "::1")
                connection = http.client.HTTPConnection(host, port, timeout=5)
                connection.request("GET", "/style.css")
                self.assertEqual(connection.getresponse().status, 200, listen)
                connection.close()
            finally:
                process.kill()
                process.wait()
                process.stderr.close()


class PostgresEdgeTest(EdgeOnEveryStore, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.cluster = PostgresCluster()
        cls.databases = 0

    @classmethod
    def tearDownClass(cls):
        cls.cluster.stop()

    def setUp(self):
        PostgresEdgeTest.databases += 1
        self.name = f"e{self.databases}"
        self.url = self.cluster.create_database(self.name)
        self.service = None

    def start(self, *options):
        self.service = Service(BINARY, self.url, *options).start()
        return self.service

    def tearDown(self):
        if self.service is not None:
            if self.service.process.poll() is None:
                self.service.stop(signal.SIGKILL)
            self.service.log.close()

    def stored(self):
        return {(name, int(score)) for name, score in self.cluster.query(self.name, "SELECT name, score FROM results")}

    def stored_with_address(self):
        return self.cluster.query(self.name, "SELECT address, name FROM results")


if __name__ == "__main__":
    BINARY = sys.argv.pop(1)
    unittest.main()
