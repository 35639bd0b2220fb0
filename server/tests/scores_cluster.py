"""Several vontra-scores over one throw-away PostgreSQL behind haproxy, all on loopback: the
multi-instance set-up the operators' page describes, for its test and for scripts/run-scores-cluster.

haproxy sends each client address to one instance (`balance source`), so the per-address rate
limit each instance keeps in memory holds per client; when that instance stops answering its
health check, the client's requests go to another."""
import os
import shutil
import socket
import subprocess
import tempfile
import time

from postgres_cluster import PostgresCluster
from scores_client import Service


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


HAPROXY_CONFIG = """global
    maxconn 4096
defaults
    mode http
    timeout connect 1s
    timeout client 30s
    timeout server 30s
    # A request that cannot reach its instance is sent to another one.
    retries 2
    option redispatch
frontend world
    bind 127.0.0.1:{port}
    # The instances trust haproxy's address and take the client from this header.
    option forwardfor
    default_backend scores
backend scores
    balance source
    hash-type consistent
    option httpchk GET /style.css
    default-server check inter 300ms fall 2 rise 2
{servers}
"""


class ScoresCluster:
    def __init__(self, binary, instances=2, options=(), port=0):
        self.postgres = PostgresCluster()
        self.folder = tempfile.mkdtemp(prefix="vontra-cluster-")
        self.database = "world"
        self.url = self.postgres.create_database(self.database)
        self.services = []
        self.haproxy = None
        try:
            for _ in range(instances):
                self.services.append(
                    Service(binary, self.url, "--trusted-proxy", "127.0.0.1", *options).start())
            self.port = port or free_port()
            servers = "\n".join("    server s%d 127.0.0.1:%d" % (i, s.port) for i, s in enumerate(self.services))
            config = os.path.join(self.folder, "haproxy.cfg")
            with open(config, "w") as f:
                f.write(HAPROXY_CONFIG.format(port=self.port, servers=servers))
            self.haproxy = subprocess.Popen(["haproxy", "-f", config, "-db"], stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL)
            self._wait_for_proxy()
        except BaseException:
            self.stop()
            raise

    def _wait_for_proxy(self):
        deadline = time.time() + 20
        while time.time() < deadline:
            try:
                with socket.create_connection(("127.0.0.1", self.port), timeout=1):
                    return
            except OSError:
                if self.haproxy.poll() is not None:
                    raise RuntimeError("haproxy exited with %d" % self.haproxy.returncode)
                time.sleep(0.05)
        raise RuntimeError("haproxy did not start")

    def stored(self):
        return {(name, int(score)) for name, score in
                self.postgres.query(self.database, "SELECT name, score FROM results")}

    def stop(self):
        if self.haproxy is not None and self.haproxy.poll() is None:
            self.haproxy.terminate()
            self.haproxy.wait(timeout=10)
        for service in self.services:
            if service.process.poll() is None:
                service.stop()
            service.log.close()
        self.postgres.stop()
        shutil.rmtree(self.folder, ignore_errors=True)
