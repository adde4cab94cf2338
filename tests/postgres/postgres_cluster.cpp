#include "postgres_cluster.h"

#include "workbench/postgres/server_connection.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace fieldizer::testing {
namespace {

// initdb and pg_ctl: where pg_config says, else the newest Debian folder.
std::filesystem::path serverPrograms() {
    if (FILE* pipe = popen("pg_config --bindir 2>/dev/null", "r")) {
        char line[4096] = {};
        const bool read = fgets(line, sizeof line, pipe) != nullptr;
        pclose(pipe);
        std::string folder = read ? line : "";
        while (!folder.empty() && (folder.back() == '\n' || folder.back() == '\r'))
            folder.pop_back();
        if (!folder.empty() && std::filesystem::exists(std::filesystem::path(folder) / "initdb"))
            return folder;
    }
    std::filesystem::path newest;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/postgresql", ignored))
        if (std::filesystem::exists(entry.path() / "bin" / "initdb") && entry.path() > newest)
            newest = entry.path();
    return newest.empty() ? newest : newest / "bin";
}

// The unprivileged user the server runs as when the tests run as root.
const passwd* serverUser() {
    for (const char* name : {"postgres", "nobody"})
        if (const passwd* user = getpwnam(name))
            return user;
    return nullptr;
}

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (const char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

void append(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::app);
    out << text;
}

} // namespace

PostgresCluster& PostgresCluster::instance() {
    static PostgresCluster* cluster = new PostgresCluster;
    return *cluster;
}

std::string PostgresCluster::asServerUser(const std::string& command) const {
    const std::string inFolder = "cd " + quoted(folder_.string()) + " && " + command;
    if (!runAsOtherUser_)
        return "sh -c " + quoted(inFolder);
    return "runuser -u " + std::string(serverUser()->pw_name) + " -- sh -c " + quoted(inFolder);
}

void PostgresCluster::SetUp() {
    bin_ = serverPrograms();
    ASSERT_FALSE(bin_.empty()) << "no initdb: install postgresql (scripts/install-dependencies.sh)";
    char folder[] = "/tmp/fieldizer-pg-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    folder_ = folder;
    runAsOtherUser_ = geteuid() == 0;
    if (runAsOtherUser_) {
        const passwd* user = serverUser();
        ASSERT_NE(user, nullptr) << "no unprivileged user to run the server as";
        ASSERT_EQ(chown(folder, user->pw_uid, user->pw_gid), 0);
    }
    const std::string data = (folder_ / "data").string();
    const std::string initdb = (bin_ / "initdb").string() + " -D " + quoted(data) +
                               " -U fieldizer -A trust -E UTF8 --locale=C --no-sync" +
                               " > initdb.log 2>&1";
    ASSERT_EQ(std::system(asServerUser(initdb).c_str()), 0)
        << "initdb failed; see " << (folder_ / "initdb.log");
    // No fsync: a test stops the server as a crash would, and its
    // processes' writes stay in the system's cache; every commit is still
    // written before it returns, so none is lost.
    append(folder_ / "data" / "postgresql.conf",
           "\nlisten_addresses = ''\nunix_socket_directories = '" + folder_.string() +
               "'\nfsync = off\nfull_page_writes = off\n");
    std::ofstream(folder_ / "data" / "pg_hba.conf")
        << "local all secured scram-sha-256\nlocal all all trust\n";
    start();
    {
        db::ServerConnection server(
            "postgresql:///postgres?host=" + folder_.string() + "&user=fieldizer", {});
        server.run("CREATE DATABASE fieldizer");
        server.run("CREATE ROLE secured LOGIN PASSWORD '" + std::string(securedPassword) + "'");
        server.run("CREATE ROLE reader LOGIN");
    }
    run("GRANT ALL ON SCHEMA public TO secured");
    run("GRANT USAGE ON SCHEMA public TO reader");
    run("ALTER DEFAULT PRIVILEGES IN SCHEMA public GRANT SELECT ON TABLES TO reader");
}

void PostgresCluster::start() const {
    const std::string command = (bin_ / "pg_ctl").string() + " -D " +
                                quoted((folder_ / "data").string()) +
                                " -l server.log -w -t 60 start > pg_ctl.log 2>&1";
    ASSERT_EQ(std::system(asServerUser(command).c_str()), 0)
        << "the server did not start; see " << (folder_ / "server.log");
}

void PostgresCluster::stopNow() const {
    const std::string command = (bin_ / "pg_ctl").string() + " -D " +
                                quoted((folder_ / "data").string()) +
                                " -m immediate -w stop > pg_ctl.log 2>&1";
    ASSERT_EQ(std::system(asServerUser(command).c_str()), 0);
}

void PostgresCluster::TearDown() {
    if (folder_.empty())
        return;
    const std::string command = (bin_ / "pg_ctl").string() + " -D " +
                                quoted((folder_ / "data").string()) +
                                " -m immediate -w stop > /dev/null 2>&1";
    EXPECT_EQ(std::system(asServerUser(command).c_str()), 0);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string PostgresCluster::address(const std::string& user) const {
    return "postgresql:///fieldizer?host=" + folder_.string() +
           "&user=" + (user.empty() ? std::string("fieldizer") : user);
}

void PostgresCluster::run(const std::string& sql) const {
    db::ServerConnection(address(), {}).run(sql);
}

std::vector<std::vector<std::string>> PostgresCluster::rows(const std::string& sql) const {
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : db::ServerConnection(address(), {}).rows(sql)) {
        rows.emplace_back();
        for (const auto& value : row)
            rows.back().push_back(value.value_or("<null>"));
    }
    return rows;
}

} // namespace fieldizer::testing
