// A PostgreSQL server of the tests' own, for the field database on a server: made by
// initdb in a temporary folder, started by pg_ctl with its unix socket in that folder and
// no TCP at all, so that tests running side by side never meet. It is stopped and removed
// when the test program ends, and a guard process does the same when the program dies
// without ending (a crash, a timeout's kill). PostgreSQL refuses to run as root, so under
// root (CI, `make test`) the server runs as nobody. The binaries are those of Debian's
// postgresql package; without them the tests that need the server fail and say so.
#pragma once

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace pgtest {

class Server
{
public:
    // The test program's one server, started at the first call.
    static Server &shared()
    {
        static Server server;
        return server;
    }

    // Empty while the server runs; otherwise what is missing or went wrong.
    const std::string &fault() const { return m_fault; }

    // The superuser's name and password. The password has a blank and a quote, so that
    // the way from an address to the driver must keep both.
    static constexpr const char *kUser = "dravon";
    static constexpr const char *kPassword = "geh eim'1";

    const std::string &socketFolder() const { return m_dir; }
    int port() const { return m_port; }

    // A new, empty database named `name`; its address for field::Database::open, with the
    // password in it. Empty with `fault` said.
    std::string newDatabase(const std::string &name, std::string &fault) const
    {
        if (!m_fault.empty()) {
            fault = m_fault;
            return {};
        }
        if (run({ m_bin + "/createdb", "-h", m_dir, "-p", number(m_port), "-U", kUser, name },
                false)
            != 0) {
            fault = "createdb " + name + " failed: ";
            fault += log();
            return {};
        }
        return address(name, true);
    }

    // The address of database `name`, with or without the password.
    std::string address(const std::string &name, bool withPassword) const
    {
        std::string text = "postgresql://" + encoded(kUser);
        if (withPassword) {
            text += ':';
            text += encoded(kPassword);
        }
        text += '@';
        text += encoded(m_dir);
        text += ':';
        text += number(m_port);
        text += '/';
        text += encoded(name);
        return text;
    }

    ~Server()
    {
        if (!m_data.empty())
            run({ m_bin + "/pg_ctl", "-D", m_data, "-m", "fast", "-w", "stop" }, true);
        if (!m_dir.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_dir, ignored);
        }
        if (m_guard >= 0)
            ::close(m_guard); // the guard finds nothing left to do
    }

    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;

private:
    Server() { m_fault = start(); }

    static std::string number(long value)
    {
        char text[24];
        return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
    }

    // Percent-encoded for an address: everything but letters, digits and -._~.
    static std::string encoded(const std::string &text)
    {
        static const char kHex[] = "0123456789ABCDEF";
        std::string out;
        for (const unsigned char c : text) {
            if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
                out += static_cast<char>(c);
            } else {
                out += '%';
                out += kHex[c >> 4];
                out += kHex[c & 15];
            }
        }
        return out;
    }

    // The newest server's programs: /usr/lib/postgresql/VERSION/bin.
    static std::string binaries()
    {
        std::string best;
        int bestVersion = -1;
        std::error_code ec;
        for (const auto &entry : std::filesystem::directory_iterator("/usr/lib/postgresql", ec)) {
            const std::string version = entry.path().filename().string();
            int v = -1;
            std::from_chars(version.data(), version.data() + version.size(), v);
            if (v > bestVersion && std::filesystem::exists(entry.path() / "bin/initdb", ec)
                && std::filesystem::exists(entry.path() / "bin/pg_ctl", ec)) {
                bestVersion = v;
                best = (entry.path() / "bin").string();
            }
        }
        return best;
    }

    // What the server's programs said, after `what`.
    std::string log(const char *what = "") const
    {
        std::ostringstream s;
        s << what << std::ifstream(m_dir + "/log").rdbuf();
        return s.str();
    }

    // Runs `argv` with its output appended to the log, as the server's user when
    // `asServer`; its exit status, or -1.
    int run(std::vector<std::string> argv, bool asServer) const
    {
        if (asServer && !m_asUser.empty())
            argv.insert(argv.begin(), m_asUser.begin(), m_asUser.end());
        std::vector<char *> args;
        for (std::string &a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        // The client programs find the password where libpq looks for it.
        std::vector<std::string> env;
        for (char **e = environ; *e; ++e) {
            if (std::string_view(*e).rfind("PGPASSWORD=", 0) != 0)
                env.emplace_back(*e);
        }
        env.push_back(std::string("PGPASSWORD=") + kPassword);
        std::vector<char *> envp;
        for (std::string &e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        const std::string logFile = m_dir + "/log";
        const pid_t child = fork();
        if (child < 0)
            return -1;
        if (child == 0) {
            const int out = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            const int in = ::open("/dev/null", O_RDONLY);
            if (out < 0 || in < 0)
                _exit(127);
            dup2(in, 0);
            dup2(out, 1);
            dup2(out, 2);
            execve(args[0], args.data(), envp.data());
            _exit(127);
        }
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string start()
    {
        m_bin = binaries();
        if (m_bin.empty())
            return "No PostgreSQL server to test against: no initdb and pg_ctl under "
                   "/usr/lib/postgresql/*/bin (Debian package postgresql, installed by "
                   "tools/install-deps).";
        char folder[] = "/tmp/dravon-pg-XXXXXX";
        if (!mkdtemp(folder))
            return "mkdtemp failed";
        m_dir = folder;
        const std::string pwfile = m_dir + "/password";
        std::ofstream(pwfile) << kPassword << '\n';
        if (geteuid() == 0) {
            const passwd *nobody = getpwnam("nobody");
            const group *nogroup = getgrnam("nogroup");
            if (!nobody || !nogroup)
                return "running as root, but there is no user nobody and group nogroup to run "
                       "the server as";
            if (chown(m_dir.c_str(), nobody->pw_uid, nogroup->gr_gid) != 0
                || chown(pwfile.c_str(), nobody->pw_uid, nogroup->gr_gid) != 0)
                return "chown of " + m_dir + " failed";
            m_asUser = { "/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups" };
            if (!std::filesystem::exists(m_asUser[0]))
                return "running as root, but setpriv (util-linux) is missing to run the server "
                       "as nobody";
        }
        const std::string data = m_dir + "/data";
        if (run({ m_bin + "/initdb", "-D", data, "-U", kUser, "--pwfile=" + pwfile,
                    "--auth=scram-sha-256", "-E", "UTF8", "--no-locale", "--no-sync" },
                true)
            != 0)
            return log("initdb failed: ");
        // A port no other program listens on; with no TCP it only names the socket.
        m_port = freePort();
        std::ofstream(data + "/postgresql.conf", std::ios::app)
            << "listen_addresses = ''\n"
            << "unix_socket_directories = '" << m_dir << "'\n"
            << "port = " << m_port << "\n"
            << "fsync = off\n";
        if (run({ m_bin + "/pg_ctl", "-D", data, "-l", m_dir + "/server.log", "-w", "-t", "60",
                    "start" },
                true)
            != 0) {
            std::ostringstream server;
            server << log("pg_ctl start failed: ") << std::ifstream(m_dir + "/server.log").rdbuf();
            return server.str();
        }
        m_data = data;
        startGuard();
        return {};
    }

    static int freePort()
    {
        const int s = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a {};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof a;
        int port = 54321;
        if (s >= 0 && bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0
            && getsockname(s, reinterpret_cast<sockaddr *>(&a), &length) == 0)
            port = ntohs(a.sin_port);
        if (s >= 0)
            ::close(s);
        return port;
    }

    // A shell that waits for the end of this program (the pipe's end closes with it, however
    // it ends), then stops the server and removes its folder.
    void startGuard()
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            return;
        std::string asUser;
        for (const std::string &word : m_asUser)
            asUser += word + ' ';
        std::string script = "cat >/dev/null; " + asUser + "'" + m_bin + "/pg_ctl' -D '" + m_data
            + "' -m immediate -w stop; rm -rf '" + m_dir + "'";
        const pid_t child = fork();
        if (child < 0) {
            ::close(ends[0]);
            ::close(ends[1]);
            return;
        }
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            dup2(ends[0], 0);
            if (null >= 0) {
                dup2(null, 1);
                dup2(null, 2);
            }
            setsid(); // not killed with the test's process group
            execl("/bin/sh", "sh", "-c", script.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        ::close(ends[0]);
        m_guard = ends[1];
    }

    std::string m_fault;
    std::string m_bin;
    std::string m_dir;
    std::string m_data; // set while the server runs
    std::vector<std::string> m_asUser;
    int m_port = 0;
    int m_guard = -1;
};

} // namespace pgtest
