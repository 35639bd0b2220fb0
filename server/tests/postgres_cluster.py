"""A throw-away PostgreSQL cluster on a free loopback port, in a temporary folder; as root the
server runs as the `postgres` user. Stopped and removed by stop()."""
import glob
import os
import shutil
import socket
import subprocess
import tempfile



def _server_bin():
    """The server binaries of whichever PostgreSQL Debian installed."""
    try:
        found = subprocess.run(["pg_config", "--bindir"], check=True, stdout=subprocess.PIPE, text=True).stdout.strip()
        if os.path.exists(os.path.join(found, "initdb")):
            return found
    except (OSError, subprocess.CalledProcessError):
        pass
    for version in sorted(glob.glob("/usr/lib/postgresql/*/bin/initdb"), reverse=True):
        return os.path.dirname(version)
    raise RuntimeError("no PostgreSQL server binaries (initdb) found")


BIN = _server_bin()


class PostgresCluster:
    def __init__(self, settings=()):
        """settings: extra server settings, "name=value" each."""
        self.settings = " ".join("-c " + setting for setting in settings)
        self.dir = tempfile.mkdtemp(prefix="vontra-pg-")
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            self.port = s.getsockname()[1]
        if os.geteuid() == 0:
            shutil.chown(self.dir, "postgres")
        self._run(f"{BIN}/initdb", "-A", "trust", "-U", "postgres", "-E", "UTF8", "--no-sync",
                  "-D", self.dir + "/data")
        self.start()

    def _run(self, *command):
        if os.geteuid() == 0:
            command = ("runuser", "-u", "postgres", "--") + command
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def start(self):
        self._run(f"{BIN}/pg_ctl", "-D", self.dir + "/data", "-w", "-l", self.dir + "/server.log", "-o",
                  f"-p {self.port} -k {self.dir} -c listen_addresses=127.0.0.1 {self.settings}", "start")

    def halt(self):
        """Stops the server and keeps its data, for start() to bring it back."""
        self._run(f"{BIN}/pg_ctl", "-D", self.dir + "/data", "-w", "-m", "fast", "stop")

    def restart(self):
        self._run(f"{BIN}/pg_ctl", "-D", self.dir + "/data", "-w", "-m", "fast", "restart")

    def create_database(self, name):
        self._run(f"{BIN}/createdb", "-h", "127.0.0.1", "-p", str(self.port), "-U", "postgres", name)
        return f"postgresql://postgres@127.0.0.1:{self.port}/{name}"

    def query(self, database, sql):
        command = ["psql", "-h", "127.0.0.1", "-p", str(self.port), "-U",
                   "postgres", "-d", database, "-At", "-F", "\t", "-c", sql]
        out = subprocess.run(command, check=True, stdout=subprocess.PIPE, text=True).stdout
        return [tuple(line.split("\t")) for line in out.splitlines()]

    def stop(self):
        try:
            self._run(f"{BIN}/pg_ctl", "-D", self.dir + "/data", "-m", "immediate", "stop")
        finally:
            shutil.rmtree(self.dir, ignore_errors=True)
