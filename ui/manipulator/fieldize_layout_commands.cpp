// The Fieldize Text tab's commands that fill the grid from the text or a
// layout file and write it to one; the rules are in shell/fieldize_grid/.
#include "columns/column_guess.h"
#include "columns/spec_export.h"
#include "shell/fieldize_grid/layout_files.h"
#include "shell/file_access/text_file_access.h"
#include "text_engine/cp1252.h"
#include "text_engine/display_path.h"
#include "ui/manipulator/fieldize_spec_model.h"
#include "ui/manipulator/fieldize_text_panel.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/named_widget.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace fieldizer::ui {

namespace names = manipulatorControls;

QWidget* FieldizeTextPanel::buildLayoutCommands() {
    auto* row = named(new QWidget(this), names::layoutCommands);
    const auto button = [row](const char* name, const char* caption) {
        return named(new QPushButton(QString::fromLatin1(caption), row), name);
    };
    addColumnButton_ = button(names::addColumnButton, "A&dd Column from Selection");
    addColumnButton_->setToolTip(
        QStringLiteral("Select a column in the text (hold Alt or Ctrl and drag for a block over "
                       "several lines), then add it as a row."));
    guessColumnsButton_ = button(names::guessColumnsButton, "&Guess Columns");
    guessColumnsButton_->setToolTip(
        QStringLiteral("Proposes columns from the selected lines, or from the first 200 lines "
                       "when none are selected."));
    firstLineHoldsHeadings_ =
        named(new QCheckBox(QStringLiteral("First line holds headi&ngs"), row),
              names::firstLineHoldsHeadings);
    firstLineHoldsHeadings_->setToolTip(
        QStringLiteral("Guess Columns names the columns by the words of the selection's first "
                       "line (the text's first line when nothing is selected)."));
    importColumnsButton_ = button(names::importColumnsButton, "&Import Columns...");
    exportColumnsButton_ = button(names::exportColumnsButton, "E&xport Columns...");

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(addColumnButton_);
    layout->addWidget(guessColumnsButton_);
    layout->addWidget(firstLineHoldsHeadings_);
    layout->addStretch(1);
    layout->addWidget(importColumnsButton_);
    layout->addWidget(exportColumnsButton_);
    return row;
}

// The grid is read when the tab is first shown; a command from the text
// box's menu may come before.
bool FieldizeTextPanel::openModel() {
    if (!model_->isOpen())
        refresh();
    return model_->isOpen() && commitPendingEdit();
}

void FieldizeTextPanel::addColumnFromSelection() {
    if (!openModel())
        return;
    const ColumnPick pick = pickColumn(links_.text(), links_.selection(), model_->specs());
    if (!pick.spec) {
        dialogs_.tell(notice(columnPickRefusedId, pick.refusal));
        return;
    }
    try {
        model_->addRowAsTyped(*pick.spec);
    } catch (const RuntimeError& error) {
        report(error);
    }
}

void FieldizeTextPanel::guessColumns() {
    if (!openModel())
        return;
    std::optional<ColumnSpecs> proposal;
    const bool headings = firstLineHoldsHeadings_->isChecked();
    links_.runFramed([&](PassObserver&) {
        const GuessSource source = guessSourceOf(links_.text(), links_.selection(), headings);
        proposal = fieldizer::guessColumns(source.lines, source.headingLine);
    });
    if (!proposal)
        return; // the error was reported
    if (proposal->empty())
        return dialogs_.tell(noGuessedColumnsMessage());
    offerSpecs(*proposal, "guessed from the text");
}

void FieldizeTextPanel::importColumns() {
    if (!openModel())
        return;
    FileDialogRequest request;
    request.title = importLayoutTitle;
    request.filter = importLayoutFilter;
    const std::filesystem::path file = files_.chooseFile(request);
    if (file.empty())
        return;
    std::optional<ColumnSpecs> specs;
    links_.runFramed([&](PassObserver&) {
        const LoadedText loaded = loadTextFile(file);
        specs = importSpecs(loaded.text, specFormatOfFile(file.filename().string(), loaded.text));
    });
    if (specs)
        offerSpecs(*specs, "of " + displayPath(file.filename()));
}

void FieldizeTextPanel::exportColumns() {
    if (!openModel())
        return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = exportLayoutTitle;
    request.filter = exportLayoutFilter;
    const std::filesystem::path file = files_.chooseFile(request);
    if (file.empty())
        return;
    const std::optional<SpecFormat> format = exportFormatOf(file);
    if (!format)
        return dialogs_.tell(unknownLayoutEndingMessage(file));
    const ColumnSpecs specs = model_->specs();
    links_.runFramed([&](PassObserver&) {
        std::string text = exportSpecs(specs, *format, exportedTableName(file));
        // The statement comes as the engine runs it, in UTF-8; the file is
        // written from the program's text like every other.
        if (*format == SpecFormat::CreateTable)
            text = utf8ToCp1252(text);
        saveTextFile(file, text, FileEncoding{});
    });
}

void FieldizeTextPanel::offerSpecs(const ColumnSpecs& specs, const std::string& source) {
    showPreview(
        specs,
        QStringLiteral("Preview: the columns %1, not yet in the grid").arg(toQString(source)));
    const Message question = replaceSpecsQuestion(
        static_cast<std::size_t>(model_->storedRowCount()), specs.size(), source);
    if (dialogs_.ask(question) == Answer::Yes) {
        try {
            model_->replaceRows(specs);
        } catch (const RuntimeError& error) {
            report(error);
        }
        refresh();
        Q_EMIT parametersChanged();
    }
    renewPreview();
}

} // namespace fieldizer::ui
