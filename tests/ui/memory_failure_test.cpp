// Long work that runs out of memory is reported as the error "Out of
// memory"; the text stays, and the window comes out of the run as from any
// other: Stop off, the commands and the text box usable again.
#include "desktop_fixture.h"
#include "runtime_error_checks.h"
#include "ui/manipulator/manipulator_controls.h"

#include <QPushButton>
#include <new>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

class MemoryFailure : public DesktopTest {
  protected:
    void expectRunEnded() {
        EXPECT_FALSE(manipulator().passRunning());
        EXPECT_FALSE(find<QPushButton>(names::stopButton)->isEnabled()) << "Stop";
        EXPECT_TRUE(find<QPushButton>(names::breakLinesButton)->isEnabled()) << "Process";
        EXPECT_FALSE(box().isReadOnly());
        EXPECT_EQ(text(), "kept\r\n");
    }
};

TEST_F(MemoryFailure, framedWorkIsReportedAsOutOfMemoryAndTheWindowComesBack) {
    box().setBytes("kept\r\n");
    manipulator().runFramed([](PassObserver&) { throw std::bad_alloc(); });
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, errorReportMessage);
    EXPECT_EQ(dialogs_.messages[0].text, errorReportText(7, "Out of memory"));
    expectRunEnded();
}

TEST_F(MemoryFailure, anotherWindowsWorkGetsTheErrorAndTheRunEnds) {
    box().setBytes("kept\r\n");
    EXPECT_RUNTIME_ERROR(
        manipulator().runWithProgress([](PassObserver&) { throw std::bad_alloc(); }), 7,
        "Out of memory");
    expectRunEnded();
}

} // namespace
} // namespace fieldizer::testing
