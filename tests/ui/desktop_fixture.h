#pragma once
// The desktop program in a test: a fresh program database in a folder of its
// own, the main window started there without the splash, scripted answers
// for every message box and file dialog, and helpers that reach the
// controls by their object names.

#include "program_database_fixture.h"
#include "scripted_dialogs.h"
#include "scripted_file_dialogs.h"
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"
#include "ui/password_access/password_access.h"
#include "ui/text_box/byte_text_box.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace fieldizer::testing {

class DesktopTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }

    void SetUp() override {
        folder_ = std::filesystem::path(database_.path()).parent_path();
        // What the program keeps for the user (the window's size, the query
        // window's place) stays in the test's folder.
        const QString folder = QString::fromStdString(folder_.string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        window_ = std::make_unique<ui::MainWindow>(state_, dialogs_, files_);
        window_->show();
        ASSERT_TRUE(window_->start(folder_, false));
    }
    void TearDown() override {
        state_.textModified = false; // no save question while the window goes
        window_.reset();
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    }

    template <class Widget = QWidget> Widget* find(const char* name) const {
        auto* widget = window_->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QAction* action(const char* name) const { return find<QAction>(name); }
    ui::Manipulator& manipulator() const { return *window_->manipulator(); }
    ui::ByteTextBox& box() const { return *manipulator().textBox(); }
    std::string text() const { return std::string(box().bytes()); }
    void click(const char* button) const { find<QPushButton>(button)->click(); }

    // While `poll` runs, OK is clicked in the password dialog Form4 as soon
    // as it shows; a Form4 still shown after that (the file did not open) is
    // cancelled, so that a test of a failing open ends.
    void acceptPasswordAccess(QTimer& poll) {
        auto okClicked = std::make_shared<bool>(false);
        QObject::connect(&poll, &QTimer::timeout, [this, &poll, okClicked] {
            auto* form4 = window_->findChild<ui::PasswordAccess*>(QStringLiteral("Form4"));
            if (!form4 || !form4->isVisible())
                return;
            if (*okClicked)
                poll.stop();
            const QString button =
                *okClicked ? QStringLiteral("Command2") : QStringLiteral("Command1");
            *okClicked = true;
            form4->findChild<QPushButton*>(button)->click();
        });
        poll.start(5);
    }

    // A file beside the database with these bytes.
    std::string writeFile(const std::string& name, const std::string& bytes) const {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string readFile(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Opens through "&Open File...", the dialog answered with `path`.
    void open(const std::string& path) {
        files_.add(path);
        action("menuFileOpenFile")->trigger();
    }
    // The user types: the text changes as an edit of the box.
    void type(const std::string& bytes) { box().replaceBytes(box().length(), 0, bytes); }

    ProgramDatabase database_;
    std::filesystem::path folder_;
    ProgramState state_;
    ScriptedDialogs dialogs_;
    ScriptedFileDialogs files_;
    std::unique_ptr<ui::MainWindow> window_;
};

} // namespace fieldizer::testing
