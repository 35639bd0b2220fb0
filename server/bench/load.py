#!/usr/bin/env python3
"""Load figures of vontra-scores on loopback with wrk: distinct results (rate limit off) and the
world table page, against SQLite and a throw-away PostgreSQL cluster; then the rows stored
beside the results wrk counted answered 200. Prints the README's table.

Usage: load.py PATH/TO/vontra-scores [SECONDS] [CONNECTIONS]
"""
import os
import re
import socket
import sqlite3
import subprocess
import sys
import tempfile
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests"))
from postgres_cluster import PostgresCluster  # noqa: E402

TABLE = "/cgi/version.pl?prg=Vontra&show&type=0"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def start(binary, database):
    port = free_port()
    process = subprocess.Popen([binary, "--listen", "127.0.0.1:%d" % port, "--database", database,
                                "--rate-limit", "0"], stderr=subprocess.DEVNULL)
    for _ in range(200):
        try:
            urllib.request.urlopen("http://127.0.0.1:%d/" % port, timeout=1).read()
            return process, "http://127.0.0.1:%d" % port
        except OSError:
            time.sleep(0.05)
    process.kill()
    raise SystemExit("vontra-scores did not start on %s" % database)


def wrk(url, seconds, connections, script=None):
    command = ["wrk", "-t2", "-c%d" % connections, "-d%ds" % seconds, "--latency"]
    if script:
        command += ["-s", script]
    out = subprocess.run(command + [url], check=True, stdout=subprocess.PIPE, text=True).stdout
    total = int(re.search(r"(\d+) requests in", out).group(1))
    failed = re.search(r"Non-2xx or 3xx responses: (\d+)", out)
    latency = dict(re.findall(r"^\s+(50|99)%\s+(\S+)", out, re.M))
    return {"rate": float(re.search(r"Requests/sec:\s+([\d.]+)", out).group(1)),
            "ok": total - (int(failed.group(1)) if failed else 0),
            "p50": latency["50"], "p99": latency["99"]}


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    binary = os.path.abspath(sys.argv[1])
    seconds = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    connections = int(sys.argv[3]) if len(sys.argv) > 3 else 64
    script = os.path.join(HERE, "distinct_results.lua")
    rows = []
    folder = tempfile.mkdtemp(prefix="vontra-load-")
    cluster = PostgresCluster()
    try:
        stores = [("SQLite", os.path.join(folder, "scores.db"),
                   lambda db: sqlite3.connect(db).execute("SELECT COUNT(*) FROM results").fetchone()[0]),
                  ("PostgreSQL", cluster.create_database("load"),
                   lambda db: int(cluster.query("load", "SELECT COUNT(*) FROM results")[0][0]))]
        for label, database, count in stores:
            process, base = start(binary, database)
            try:
                results = wrk(base + "/", seconds, connections, script)
                pages = wrk(base + TABLE, seconds, connections)
            finally:
                process.terminate()
                process.wait(timeout=30)
            stored = count(database)
            rows.append("| results, %s | %.0f | %s | %s | %d / %d |" % (
                label, results["rate"], results["p50"], results["p99"], results["ok"], stored))
            rows.append("| world table page, %s | %.0f | %s | %s | |" % (
                label, pages["rate"], pages["p50"], pages["p99"]))
            if stored < results["ok"]:
                print("LOST: %s stored %d of %d answered 200" % (label, stored, results["ok"]))
    finally:
        cluster.stop()
    print("| Load | Requests/s | p50 | p99 | Answered 200 / stored |")
    print("|---|---|---|---|---|")
    print("\n".join(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main())
