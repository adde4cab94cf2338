#pragma once
// The big text box of the Manipulator and of the Text Viewer: a QScintilla
// editor that gives back the text's bytes exactly as they were put in (CR,
// LF and every byte value), with its own undo history off (Undo is the
// program's single level). Find's colours are indicators, never part of the
// text.
//
// The editor holds the text as UTF-8, converted from Windows-1252 at this
// box's edge, so that the bytes 0x80 to 0x9F show as the characters they
// mean (euro sign, typographic quotes): in its single-byte mode the editor
// draws bytes as Latin-1, where they are control codes. Every byte is one
// character either way, so byte positions are character positions; a text
// of ASCII alone (most reports) is the same in both and is not converted:
// its bytes are read straight from the editor, without a copy. The
// editor's document keeps no styles (the box has no colours but Find's
// indicators), which spares a byte per character. The outside of this class
// sees bytes and byte positions only.
//
// The program's keys are handed to the window as signals instead of the
// editor's own handling: paste (line-ending rule, through Windows-1252),
// Find, Undo; Cut and Copy go through Windows-1252 here; Tab inserts a tab
// character when the box holds text.

#include <QList>
#include <Qsci/qsciscintilla.h>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::ui {

class DocumentBuilder;

class ByteTextBox : public QsciScintilla {
    Q_OBJECT
  public:
    explicit ByteTextBox(QWidget* parent = nullptr);

    // The bytes, valid until the next change of the text.
    std::string_view bytes() const;
    std::size_t length() const;
    bool isEmpty() const { return documentLength() == 0; }
    // Counts the changes of the text: two boxes whose revisions have not
    // moved since one was copied into the other still hold the same text.
    unsigned long revision() const { return revision_; }

    // Replaces the whole text: one change, one bytesChanged().
    void setBytes(std::string_view bytes);
    // The same, keeping `bytes` itself instead of a copy.
    void takeBytes(std::string&& bytes);
    // The same with the document a builder made: no copy at all.
    void takeDocument(DocumentBuilder& builder);
    // The same as setBytes, replacing only the part where the two texts
    // differ when that is the smaller part (a hand-over after typing).
    void matchBytes(std::string_view bytes);
    // Replaces `removeLength` bytes at `start`: one change.
    void replaceBytes(std::size_t start, std::size_t removeLength, std::string_view insert);

    // The selection's ends as byte positions, each with the positions it
    // stands past its line's end (a rectangular block may reach beyond a
    // short line); `rectangular` for a block (Alt+drag).
    struct SelectionEnds {
        bool rectangular = false;
        std::size_t anchor = 0;
        std::size_t anchorVirtualSpace = 0;
        std::size_t caret = 0;
        std::size_t caretVirtualSpace = 0;
    };
    SelectionEnds selectionEnds() const;
    // Shown below the editor's own commands in its context menu.
    void addContextAction(QAction* action) { contextActions_.append(action); }

    std::size_t selectionStart() const;
    std::size_t selectionLength() const;
    std::string selectedBytes() const;
    void selectRange(std::size_t start, std::size_t length);
    void setCaret(std::size_t position);
    std::size_t caret() const;

    // Find All's colour on each occurrence; clearMarks() returns all to black.
    void markOccurrences(const std::vector<std::size_t>& starts, std::size_t length);
    void clearMarks();
    std::vector<std::size_t> markedOccurrences() const;

    // A vertical line at each of `columns` (0-based character columns)
    // down the whole box; an empty list removes them.
    void setGuideColumns(std::vector<long> columns);
    const std::vector<long>& guideColumns() const { return guideColumns_; }

    void copyAsText();
    void cutAsText();

    // The editor's own commands (its context menu) take the program's way.
    void copy() override { copyAsText(); }
    void cut() override { cutAsText(); }
    void paste() override { Q_EMIT pasteRequested(); }

  Q_SIGNALS:
    void bytesChanged();
    void pasteRequested();
    void findRequested();
    void undoRequested();
    void keyReleased();
    void doubleClicked();
    void focusEntered();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
#endif
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void configure();
    void configureDocument();
    // Shows `document` (one reference handed over) instead of the present
    // one, which the editor releases.
    void adoptDocument(void* document, bool ascii);
    const char* documentText() const;
    std::size_t documentLength() const;
    std::size_t toDocument(std::size_t bytePosition) const;
    std::size_t toBytes(std::size_t documentPosition) const;
    bool isProgramKey(const QKeyEvent& event) const;
    void insertTab();
    void forwardChange();

    void fill(std::string_view document);
    void finishFill(bool ascii, std::string&& bytes);
    void changedBy(bool asciiKept);
    void replaceRange(std::size_t start, std::size_t end, std::string_view insert);

    bool changing_ = false; // inside a programmatic change: one signal at its end
    // Whether the document holds ASCII alone, found out again after an edit.
    enum class Ascii { Yes, No, Unknown };
    mutable Ascii ascii_ = Ascii::Yes;
    // A text beyond ASCII as bytes, converted from the editor after a change.
    mutable std::string bytes_;
    mutable bool bytesCurrent_ = true;
    unsigned long revision_ = 0;
    std::vector<long> guideColumns_;
    QList<QAction*> contextActions_;
    bool altBlockDrag_ = false; // a block dragged with Alt, handed over as Ctrl
};

} // namespace fieldizer::ui
