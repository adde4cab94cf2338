// Printer Setup and Print: one printer for the session, the text printed
// one page after another, Cancel silent and a printer that fails reported.
// The printer dialog is answered by script; the printer writes a PDF file.
#include "desktop_fixture.h"

#include <QPrinter>
#include <vector>

namespace fieldizer::testing {
namespace {

// The pages of a PDF file Qt wrote: one page object each.
int pdfPages(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    return pages;
}

class Printing : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        window_->setPrintDialog([this](QPrinter& printer, const QString& title) {
            titles_.push_back(title);
            const std::string answer = answers_.empty() ? "" : answers_.front();
            if (!answers_.empty())
                answers_.erase(answers_.begin());
            if (answer == cancel)
                return false;
            if (!answer.empty())
                printer.setOutputFileName(QString::fromStdString(answer));
            return true;
        });
    }
    // The dialog's answers in turn: a PDF file to print to, "" for OK
    // without a change, `cancel` for Cancel.
    std::vector<std::string> answers_;
    std::vector<QString> titles_;
    static constexpr const char* cancel = "<cancel>";
};

std::string lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + (i % 2 ? "\r" : "\r\n");
    return text;
}

TEST_F(Printing, printerSetupChoosesThePrinterThatPrintUses) {
    const std::string pdf = (folder_ / "printed.pdf").string();
    answers_ = {pdf, ""};
    action("menuFilePrinterSetup")->trigger();
    type("one short line");
    window_->updateFileMenu();
    action("menuFilePrint")->trigger();
    ASSERT_EQ(titles_.size(), 2u);
    EXPECT_EQ(titles_[0], QStringLiteral("Fieldize - Printer Setup"));
    EXPECT_EQ(titles_[1], titles_[0]) << "Print shows the same printer dialog";
    EXPECT_EQ(pdfPages(readFile(pdf)), 1);
    EXPECT_TRUE(dialogs_.messages.empty());

    // Setup cancelled keeps the printer; a long text runs onto more pages.
    answers_ = {cancel, ""};
    action("menuFilePrinterSetup")->trigger();
    box().setBytes(lines(400));
    action("menuFilePrint")->trigger();
    EXPECT_GT(pdfPages(readFile(pdf)), 2);
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(Printing, cancelIsSilentAndAFailingPrinterIsReported) {
    type("text");
    window_->updateFileMenu();
    const std::string pdf = (folder_ / "never.pdf").string();
    answers_ = {pdf};
    action("menuFilePrinterSetup")->trigger();
    answers_ = {cancel};
    action("menuFilePrint")->trigger();
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(dialogs_.messages.empty());

    answers_ = {(folder_ / "no such folder" / "x.pdf").string()};
    action("menuFilePrint")->trigger();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, "There was a problem printing to your printer.");
    EXPECT_EQ(dialogs_.messages[0].title, "Fieldizer");
}

} // namespace
} // namespace fieldizer::testing
