#!/usr/bin/env python3
"""A busy world table on loopback: the table pre-filled with RESULTS results from NAMES names
over 30 days (scores skewed as players' are), then SECONDS of mixed load: distinct results at a
steady RATE per second, and 64 connections (wrk) asking the top page, random pages of the three
tabs and lookups of random existing names. Then the rows stored beside the results answered 200.
Also: the median of an uncached name lookup at 10 000, 100 000 and 1 000 000 names (--flat).

Usage: mixed_load.py PATH/TO/vontra-scores [--store sqlite|postgresql|both] [--seconds 30]
                     [--results 1000000] [--names 200000] [--rate 500] [--flat]
"""
import argparse
import asyncio
import math
import os
import random
import re
import shutil
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time
import http.client

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests"))
from postgres_cluster import PostgresCluster  # noqa: E402
from scores_client import Service, result_query  # noqa: E402

DAY = 86400


def skewed_score(rng):
    # Most players score a few thousand; a few score far more.
    return min(2**31 - 1, int(math.exp(rng.gauss(8.0, 1.1))))


def prefill_rows(results, names, now, seed=1):
    """(name, score, extra, address, created) in time order: every name once, then the rest
    skewed towards the most active players."""
    rng = random.Random(seed)
    rows = []
    for i in range(results):
        player = i if i < names else int(names * rng.random() ** 3)
        rows.append((now - rng.randrange(30 * DAY), "p%d" % player, skewed_score(rng)))
    rows.sort()
    return [(name, score, "_______", "10.%d.%d.%d" % (i >> 16 & 255, i >> 8 & 255, i & 255), created)
            for i, (created, name, score) in enumerate(rows)]


class Store:
    """A database with the service's schema, filled before the service starts."""

    def __init__(self, kind, folder, cluster):
        self.kind, self.cluster = kind, cluster
        if kind == "sqlite":
            self.url = os.path.join(folder, "scores-%d.db" % random.randrange(1 << 30))
        else:
            self.name = "load%d" % random.randrange(1 << 30)
            self.url = cluster.create_database(self.name)

    def fill(self, rows):
        if self.kind == "sqlite":
            with sqlite3.connect(self.url) as db:
                db.executemany("INSERT INTO results (name, score, extra, address, created) VALUES (?, ?, ?, ?, ?)",
                               rows)
            return
        data = "".join("%s\t%d\t%s\t%s\t%d\n" % row for row in rows)
        subprocess.run(["psql", "-h", "127.0.0.1", "-p", str(self.cluster.port), "-U", "postgres", "-d", self.name,
                        "-q", "-c", "COPY results (name, score, extra, address, created) FROM STDIN"],
                       input=data, text=True, check=True)
        subprocess.run(["psql", "-h", "127.0.0.1", "-p", str(self.cluster.port), "-U", "postgres", "-d", self.name,
                        "-q", "-c", "VACUUM ANALYZE results"], check=True)

    def count(self):
        if self.kind == "sqlite":
            with sqlite3.connect(self.url) as db:
                return db.execute("SELECT COUNT(*) FROM results").fetchone()[0]
        return int(self.cluster.query(self.name, "SELECT COUNT(*) FROM results")[0][0])


def start(binary, database, *options):
    """The service on a port it picks itself; (process, port)."""
    # Every simulated player comes from loopback, so one address may hold all the connections.
    service = Service(binary, database, "--rate-limit", "0", "--max-connections-per-address", "1024", *options)
    service.log.close()
    service.log = tempfile.TemporaryFile()
    service.start_timeout = 600
    service.start()
    return service.process, service.port


def wait_ready(port):
    """The table loaded: the first page answers."""
    deadline = time.time() + 600
    while time.time() < deadline:
        try:
            c = http.client.HTTPConnection("127.0.0.1", port, timeout=600)
            c.request("GET", "/cgi/version.pl?prg=Vontra&show&type=0")
            if c.getresponse().status == 200:
                return
        except OSError:
            pass
        time.sleep(0.2)


async def send_results(port, rate, seconds, names, answered, latencies):
    """Distinct results at a steady rate: result k is due at start + k / rate, sent on whichever
    of the keep-alive connections is free; latency counts from when it was due."""
    rng = random.Random(7)
    total = int(rate * seconds)
    # Enough connections that the schedule holds while a commit takes up to 30 ms.
    connections = max(16, rate // 30)
    queue = asyncio.Queue()
    seen = set()
    planned = []
    for k in range(total):
        while True:
            name, score = "p%d" % rng.randrange(names), skewed_score(rng)
            if (name, score) not in seen:
                seen.add((name, score))
                break
        request = ("GET %s HTTP/1.1\r\nHost: x\r\n\r\n" % result_query(name.encode(), score)).encode()
        planned.append((name, score, request))
    start_at = time.perf_counter() + 0.1  # once the requests are made
    for k, (name, score, request) in enumerate(planned):
        queue.put_nowait((start_at + k / rate, name, score, request))

    async def worker():
        reader, writer = await asyncio.open_connection("127.0.0.1", port)
        while not queue.empty():
            due, name, score, request = queue.get_nowait()
            delay = due - time.perf_counter()
            if delay > 0:
                await asyncio.sleep(delay)
            writer.write(request)
            head = await reader.readuntil(b"\r\n\r\n")
            length = int(re.search(rb"[Cc]ontent-[Ll]ength: (\d+)", head).group(1))
            await reader.readexactly(length)
            latencies.append(time.perf_counter() - due)
            if head.startswith(b"HTTP/1.1 200"):
                answered.append((name, score))
        writer.close()

    await asyncio.gather(*(worker() for _ in range(connections)))


def parse_wrk(out):
    total = int(re.search(r"(\d+) requests in", out).group(1))
    failed = re.search(r"Non-2xx or 3xx responses: (\d+)", out)
    errors = re.search(r"Socket errors: (.*)", out)
    latency = dict(re.findall(r"^\s+(50|99)%\s+(\S+)", out, re.M))
    return {"rate": float(re.search(r"Requests/sec:\s+([\d.]+)", out).group(1)), "total": total,
            "failed": int(failed.group(1)) if failed else 0, "p50": latency["50"], "p99": latency["99"],
            "errors": errors.group(1) if errors else ""}


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(len(ordered) * p))] if ordered else float("nan")


def mixed(binary, kind, folder, cluster, args):
    store = Store(kind, folder, cluster)
    process, port = start(binary, store.url)  # creates the schema
    process.terminate()
    process.wait()
    now = int(time.time())
    started = time.time()
    store.fill(prefill_rows(args.results, args.names, now))
    filled = store.count()
    print("%s: %d results from %d names filled in %.0f s" % (kind, filled, args.names, time.time() - started),
          file=sys.stderr)
    started = time.time()
    process, port = start(binary, store.url)
    wait_ready(port)
    print("%s: service ready in %.1f s" % (kind, time.time() - started), file=sys.stderr)
    answered, latencies = [], []
    load_before = os.getloadavg()
    try:
        with tempfile.TemporaryFile("w+") as out:
            command = ["wrk", "-t2", "-c64", "-d%ds" % args.seconds, "--latency", "-s",
                       os.path.join(HERE, "read_mix.lua"), "http://127.0.0.1:%d" % port, "--",
                       str(args.names), str(max(1, args.names // 100))]
            reads = subprocess.Popen(command, stdout=out, text=True)
            asyncio.run(send_results(port, args.rate, args.seconds, args.names, answered, latencies))
            reads.wait()
            out.seek(0)
            read = parse_wrk(out.read())
        load_after = os.getloadavg()
    finally:
        process.terminate()
        process.wait(timeout=60)
    stored = store.count() - filled
    sent = int(args.rate * args.seconds)
    return {"store": kind, "reads": read, "sent": sent, "answered": len(answered), "stored": stored,
            "result_p50": percentile(latencies, 0.5) * 1000, "result_p99": percentile(latencies, 0.99) * 1000,
            "load": (load_before[0], load_after[0])}


def flat(binary, folder, sizes=(10_000, 100_000, 1_000_000), lookups=2000):
    """The median of an uncached lookup (a lookup page is never cached) at each table size."""
    medians = {}
    for names in sizes:
        store = Store("sqlite", folder, None)
        process, port = start(binary, store.url)
        process.terminate()
        process.wait()
        store.fill(prefill_rows(names, names, int(time.time()), seed=names))
        process, port = start(binary, store.url)
        try:
            wait_ready(port)
            rng = random.Random(3)
            connection = http.client.HTTPConnection("127.0.0.1", port, timeout=30)
            times = []
            for _ in range(lookups):
                target = "/cgi/version.pl?prg=Vontra&show&type=%d&name=p%d" % (rng.randrange(3), rng.randrange(names))
                t = time.perf_counter()
                connection.request("GET", target)
                response = connection.getresponse()
                response.read()
                times.append(time.perf_counter() - t)
                assert response.status == 200
            medians[names] = statistics.median(times) * 1000
        finally:
            process.terminate()
            process.wait(timeout=60)
        os.remove(store.url)
    return medians


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    parser.add_argument("--store", default="both", choices=["sqlite", "postgresql", "both"])
    parser.add_argument("--seconds", type=int, default=30)
    parser.add_argument("--results", type=int, default=1_000_000)
    parser.add_argument("--names", type=int, default=200_000)
    parser.add_argument("--rate", type=int, default=500)
    parser.add_argument("--flat", action="store_true", help="only the lookup cost at three table sizes")
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)
    folder = tempfile.mkdtemp(prefix="vontra-load-")
    try:
        return run(args, binary, folder)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def run(args, binary, folder):
    if args.flat:
        medians = flat(binary, folder)
        print("| Distinct names | Median uncached lookup |")
        print("|---|---|")
        for names, ms in medians.items():
            print("| %d | %.2f ms |" % (names, ms))
        print("largest / smallest: %.2f" % (max(medians.values()) / min(medians.values())))
        return 0
    kinds = ["sqlite", "postgresql"] if args.store == "both" else [args.store]
    # The buffers an operator would give a database of this size; the rest is PostgreSQL's default.
    cluster = PostgresCluster(["shared_buffers=512MB"]) if "postgresql" in kinds else None
    rows = []
    try:
        for kind in kinds:
            r = mixed(binary, kind, folder, cluster, args)
            reads = r["reads"]
            rows.append("| %s | %.0f | %s | %s | %d | %.1f ms | %.1f ms | %d / %d / %d | %.1f → %.1f |" % (
                "SQLite" if kind == "sqlite" else "PostgreSQL", reads["rate"], reads["p50"], reads["p99"],
                reads["failed"], r["result_p50"], r["result_p99"], r["sent"], r["answered"], r["stored"],
                r["load"][0], r["load"][1]))
            if reads["errors"]:
                print("%s: wrk socket errors: %s" % (kind, reads["errors"]), file=sys.stderr)
    finally:
        if cluster:
            cluster.stop()
    print("| Store | Reads/s | Read p50 | Read p99 | Reads not 200 | Result p50 | Result p99 | "
          "Results sent / 200 / stored | Load average before → after |")
    print("|---|---|---|---|---|---|---|---|---|")
    print("\n".join(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main())
