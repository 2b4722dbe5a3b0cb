// Where a field is kept, as one text that the batch tool's --field and the desktop's
// settings share: a file name for a field in one SQLite file, or the address of a
// database on a team's PostgreSQL server in libpq's URI form,
//   postgresql://[user[:password]@][host][:port]/database[?keyword=value&...]
// ("postgres://" alike). Parts may be percent-encoded, so a host that is a folder (the
// server's unix socket) is written %2Fvar%2Frun%2Fpostgresql. What the address leaves out,
// libpq takes from its environment (PGHOST, PGPORT, PGUSER, PGPASSWORD, ~/.pgpass), so
// no password needs to be written into a setting.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace field {

struct ServerAddress
{
    std::string host; // a name, an address, or a folder with the server's socket
    std::optional<int> port;
    std::string user;
    std::string password;
    std::string database;
    // Further libpq keywords of the query (sslmode, connect_timeout …), in their order.
    std::vector<std::pair<std::string, std::string>> options;
};

// Whether `where` names a server ("postgresql://" or "postgres://") rather than a file.
bool isServerAddress(std::string_view where);

// The parts of a server address; none with `fault` said (German, naming the address
// without its password).
std::optional<ServerAddress> parseServerAddress(std::string_view where, std::string &fault);

// `where` as messages show it: a file as it was given, an address without its password.
std::string shownLocation(const std::string &where);

// The name of the field that `where` holds when nobody names one: the file's name without
// its suffix, or the server's database.
std::string fieldNameOf(const std::string &where);

} // namespace field
