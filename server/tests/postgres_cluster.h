#pragma once
// A throw-away PostgreSQL cluster on a free loopback port: initdb into a temporary folder, started
// with pg_ctl, stopped and removed by the destructor. As root the server runs as `postgres`.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace vontra::scores::test {

// The server binaries of whichever PostgreSQL Debian installed.
inline std::string FindPostgresBin() {
  if (FILE* pipe = popen("pg_config --bindir 2>/dev/null", "r")) {
    char line[512] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    pclose(pipe);
    std::string dir = read ? line : "";
    while (!dir.empty() && (dir.back() == '\n' || dir.back() == ' ')) dir.pop_back();
    if (std::filesystem::exists(dir + "/initdb")) return dir;
  }
  for (const auto& version : std::filesystem::directory_iterator("/usr/lib/postgresql")) {
    if (std::filesystem::exists(version.path() / "bin/initdb"))
      return (version.path() / "bin").string();
  }
  throw std::runtime_error("no PostgreSQL server binaries (initdb) found");
}

inline const std::string& PostgresBin() {
  static const std::string bin = FindPostgresBin();
  return bin;
}

class PostgresCluster {
 public:
  PostgresCluster() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vontra-pg-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
    dir_ = pattern;
    port_ = FreePort();
    if (geteuid() == 0) Run("chown postgres " + dir_.string(), false);
    Run(PostgresBin() + "/initdb -A trust -U postgres -E UTF8 --no-sync -D " + Data() + " >" +
        dir_.string() + "/initdb.log 2>&1");
    Start();
  }
  ~PostgresCluster() {
    try {
      Run(Ctl() + " -m immediate stop >/dev/null 2>&1");
    } catch (...) {
    }
    std::filesystem::remove_all(dir_);
  }
  PostgresCluster(const PostgresCluster&) = delete;
  PostgresCluster& operator=(const PostgresCluster&) = delete;

  void Start() {
    Run(Ctl() + " -w -o \"-p " + std::to_string(port_) + " -k " + dir_.string() +
        " -c listen_addresses=127.0.0.1 -c fsync=off\" -l " + dir_.string() +
        "/server.log start >/dev/null");
  }
  void Restart() { Run(Ctl() + " -w -m fast restart >/dev/null"); }

  // A new empty database on this cluster, by its URL.
  std::string CreateDatabase(const std::string& name) {
    Run(PostgresBin() + "/createdb -h 127.0.0.1 -p " + std::to_string(port_) + " -U postgres " +
        name);
    return "postgresql://postgres@127.0.0.1:" + std::to_string(port_) + "/" + name;
  }

 private:
  std::string Data() const { return dir_.string() + "/data"; }
  std::string Ctl() const { return PostgresBin() + "/pg_ctl -D " + Data(); }

  void Run(const std::string& command, bool asPostgres = true) const {
    const std::string line =
        asPostgres && geteuid() == 0 ? "runuser -u postgres -- sh -c '" + command + "'" : command;
    if (std::system(line.c_str()) != 0) throw std::runtime_error("failed: " + line);
  }

  static int FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
      close(fd);
      throw std::runtime_error("no free port");
    }
    close(fd);
    return ntohs(address.sin_port);
  }

  std::filesystem::path dir_;
  int port_ = 0;
};

}  // namespace vontra::scores::test
