#pragma once
// A throwaway PostgreSQL cluster for the tests of one test binary: initdb
// into a scratch folder, the server listening on a Unix socket in that
// folder only (no TCP port), stopped and removed at the end. The server runs
// as an unprivileged user when the tests run as root (initdb refuses root).
// A cluster that cannot start fails the tests; it never skips them.
//
// Roles: "fieldizer" (superuser, trusted), "secured" (password
// securedPassword, checked by SCRAM), "reader" (may read, may not create).
// Database: "fieldizer".

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace fieldizer::testing {

inline constexpr const char* securedPassword = "right horse";

class PostgresCluster final : public ::testing::Environment {
  public:
    void SetUp() override;
    void TearDown() override;

    // The one cluster of this binary (registered by postgres_main.cpp).
    static PostgresCluster& instance();

    // The address of the test database for `user` (the superuser when empty).
    std::string address(const std::string& user = "") const;
    // The socket folder, as libpq's host.
    const std::filesystem::path& socketFolder() const { return folder_; }

    // Runs SQL (UTF-8) as the superuser on the test database.
    void run(const std::string& sql) const;
    // The rows of a query, NULL as "<null>".
    std::vector<std::vector<std::string>> rows(const std::string& sql) const;

    // Stops the server at once (a crash, as far as clients know) and starts
    // it again.
    void stopNow() const;
    void start() const;

  private:
    std::string asServerUser(const std::string& command) const;
    std::filesystem::path folder_;
    std::filesystem::path bin_;
    bool runAsOtherUser_ = false;
};

} // namespace fieldizer::testing
