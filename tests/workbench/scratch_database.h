#pragma once
// A fresh temporary folder per test, removed afterwards, and helpers to put
// files and databases in it.

#include "workbench/workspace.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fieldizer::db::testing {

class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("fieldizer-db-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }

    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary);
        out << bytes;
        return file(name);
    }

    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

  private:
    std::filesystem::path path_;
};

// A new, empty database file in a scratch folder, opened.
class ScratchDatabase {
  public:
    ScratchDatabase() : path_(folder_.file("test.mdb")) {
        database_ = Workspace().createDatabase(path_);
    }
    Database& operator*() { return *database_; }
    Database* operator->() { return database_.get(); }
    const std::string& path() const { return path_; }
    const ScratchFolder& folder() const { return folder_; }
    // Closes and opens the file again, as the next run of the program would.
    void reopen() {
        database_->close();
        database_ = Workspace().openDatabase(path_);
    }

  private:
    ScratchFolder folder_;
    std::string path_;
    std::shared_ptr<Database> database_;
};

// Checks that `statement` throws RuntimeError with that number and text.
#define EXPECT_ENGINE_ERROR(statement, expectedNumber, expectedText)                               \
    do {                                                                                           \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << "no error from " #statement;                                          \
        } catch (const ::fieldizer::RuntimeError& error) {                                         \
            EXPECT_EQ(error.number(), expectedNumber);                                             \
            EXPECT_EQ(error.description(), expectedText);                                          \
        }                                                                                          \
    } while (false)

#define EXPECT_ENGINE_ERROR_NUMBER(statement, expectedNumber)                                      \
    do {                                                                                           \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << "no error from " #statement;                                          \
        } catch (const ::fieldizer::RuntimeError& error) {                                         \
            EXPECT_EQ(error.number(), expectedNumber) << error.description();                      \
        }                                                                                          \
    } while (false)

} // namespace fieldizer::db::testing
