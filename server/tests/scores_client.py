"""Starts vontra-scores on a free loopback port and talks to it, for the service's tests."""
import os
import re
import signal
import socket
import subprocess
import tempfile
import threading
import time
import urllib.error
import urllib.request

ALPHABET = "ABCDEFGHJKLMNPQRSTUVWXY123456789"


def encode(payload: bytes) -> str:
    while len(payload) % 5:
        payload += b"0"
    bits = "".join(format(b, "08b") for b in payload)
    return "".join(ALPHABET[int(bits[i:i + 5], 2)] for i in range(0, len(bits), 5))


def result_query(name: bytes, score: int, extra: bytes = b"_______") -> str:
    payload = b"type=0|name=" + name + b"|score=" + str(score).encode() + b"|key=V|p=|add=" + extra + b"|z="
    return "/cgi/version.pl?hs&prg=Vontra&inf=" + encode(payload)


def raw(port, data, source="127.0.0.1", timeout=5):
    """Sends bytes as they are from `source` and returns all that comes back until the close."""
    with socket.create_connection(("127.0.0.1", port), timeout=timeout, source_address=(source, 0)) as s:
        s.sendall(data)
        answer = b""
        while True:
            chunk = s.recv(65536)
            if not chunk:
                return answer
            answer += chunk


class Service:
    """One vontra-scores process; its stderr is kept for the log checks."""

    def __init__(self, binary, database, *options, port=0):
        """port 0 lets the service pick a free one; a client built for one port names it."""
        self.binary, self.database, self.options, self.wanted_port = binary, database, options, port
        self.log = tempfile.TemporaryFile()
        self.process = None
        self.port = None
        self.start_timeout = 10  # seconds; a large table takes longer to load

    def start(self):
        self.log.seek(0)
        self.log.truncate()
        self.process = subprocess.Popen([self.binary, "--listen", f"127.0.0.1:{self.wanted_port}", "--database", self.database,
                                         *self.options], stderr=self.log)
        deadline = time.time() + self.start_timeout
        while time.time() < deadline:
            match = re.search(rb"listening on 127\.0\.0\.1:(\d+)", self.read_log())
            if match:
                self.port = int(match.group(1))
                return self
            if self.process.poll() is not None:
                raise RuntimeError("vontra-scores exited: " + self.read_log().decode(errors="replace"))
            time.sleep(0.05)
        raise RuntimeError("vontra-scores did not start")

    def read_log(self) -> bytes:
        self.log.flush()
        with open(f"/proc/self/fd/{self.log.fileno()}", "rb") as f:
            return f.read()

    def stop(self, sig=signal.SIGTERM) -> int:
        self.process.send_signal(sig)
        return self.process.wait(timeout=20)

    def get(self, target: str, timeout=10):
        """(status, body) of one GET."""
        try:
            with urllib.request.urlopen(f"http://127.0.0.1:{self.port}{target}", timeout=timeout) as r:
                return r.status, r.read()
        except urllib.error.HTTPError as e:
            return e.code, e.read()

    def raw(self, data: bytes, timeout=5) -> bytes:
        """Sends bytes as they are and returns the whole answer."""
        return raw(self.port, data, timeout=timeout)


def send_many(service, count, prefix, answered, stop_event=None):
    """Sends distinct results on keep-alive connections; appends each (name, score) answered 200."""
    import http.client
    connection = http.client.HTTPConnection("127.0.0.1", service.port, timeout=10)
    for i in range(count):
        if stop_event is not None and stop_event.is_set():
            break
        name = f"{prefix}{i}".encode()[:10]
        try:
            connection.request("GET", result_query(name, i))
            response = connection.getresponse()
            response.read()
        except (OSError, http.client.HTTPException):
            break
        if response.status == 200:
            answered.append((name.decode(), i))
    connection.close()
