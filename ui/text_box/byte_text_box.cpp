#include "ui/text_box/byte_text_box.h"

#include "engine/cp1252.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <algorithm>

namespace fieldizer::ui {
namespace {

constexpr int findIndicator = 8;      // the first indicator free for containers
constexpr long findColour = 12632064; // 0xC0C000 as blue-green-red: teal
constexpr unsigned long noLength = 0;

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

unsigned long ul(std::size_t value) {
    return static_cast<unsigned long>(value);
}
long sl(std::size_t value) {
    return static_cast<long>(value);
}

} // namespace

ByteTextBox::ByteTextBox(QWidget* parent) : QsciScintilla(parent) {
    configure();
    connect(this, &QsciScintilla::textChanged, this, &ByteTextBox::forwardChange);
}

void ByteTextBox::configure() {
    setUtf8(true);
    SendScintilla(SCI_SETUNDOCOLLECTION, noLength);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setMarginWidth(1, 0);
    setWrapMode(WrapNone);
    setEolMode(EolWindows);
    setEolVisibility(false);
    setTabWidth(8);
    // The horizontal scroll range grows with the longest line shown.
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    SendScintilla(SCI_INDICSETSTYLE, ul(findIndicator), long{INDIC_TEXTFORE});
    SendScintilla(SCI_INDICSETFORE, ul(findIndicator), findColour);
}

const char* ByteTextBox::documentText() const {
    return static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
}

std::size_t ByteTextBox::documentLength() const {
    return static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH));
}

std::string_view ByteTextBox::bytes() const {
    if (!bytesCurrent_) {
        const std::string_view document(documentText(), documentLength());
        bytes_ = isAscii(document) ? std::string(document) : utf8ToCp1252(document);
        bytesCurrent_ = true;
    }
    return bytes_;
}

std::size_t ByteTextBox::length() const {
    return bytes().size();
}

// Each byte is one character of the document.
std::size_t ByteTextBox::toDocument(std::size_t bytePosition) const {
    if (length() == documentLength())
        return bytePosition; // ASCII alone
    return static_cast<std::size_t>(
        SendScintilla(SCI_POSITIONRELATIVE, noLength, sl(std::min(bytePosition, length()))));
}

std::size_t ByteTextBox::toBytes(std::size_t documentPosition) const {
    if (length() == documentLength())
        return documentPosition;
    return static_cast<std::size_t>(
        SendScintilla(SCI_COUNTCHARACTERS, noLength, sl(documentPosition)));
}

void ByteTextBox::setBytes(std::string_view bytes) {
    takeBytes(std::string(bytes));
}

void ByteTextBox::takeBytes(std::string&& bytes) {
    changing_ = true;
    clearMarks();
    const bool ascii = isAscii(bytes);
    const std::string converted = ascii ? std::string() : cp1252ToUtf8(bytes);
    const std::string_view document = ascii ? std::string_view(bytes) : converted;
    // No modification notices while the whole text is replaced: the editor
    // would otherwise hand the inserted text around as a string of its own
    // (a copy of a 100 MB text); this box signals the change once below.
    const long eventMask = SendScintilla(SCI_GETMODEVENTMASK);
    SendScintilla(SCI_SETMODEVENTMASK, noLength);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_ALLOCATE, ul(document.size() + 1));
    SendScintilla(SCI_APPENDTEXT, ul(document.size()), document.data());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(eventMask));
    bytes_ = std::move(bytes);
    bytesCurrent_ = true;
    changing_ = false;
    Q_EMIT bytesChanged();
}

void ByteTextBox::replaceBytes(std::size_t start, std::size_t removeLength,
                               std::string_view insert) {
    const std::size_t documentStart = toDocument(start);
    const std::size_t documentEnd = toDocument(start + removeLength);
    const std::string converted = cp1252ToUtf8(insert);
    changing_ = true;
    SendScintilla(SCI_SETTARGETSTART, ul(documentStart));
    SendScintilla(SCI_SETTARGETEND, ul(documentEnd));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(converted.size()), converted.data());
    bytesCurrent_ = false;
    changing_ = false;
    Q_EMIT bytesChanged();
}

std::size_t ByteTextBox::selectionStart() const {
    return toBytes(static_cast<std::size_t>(SendScintilla(SCI_GETSELECTIONSTART)));
}

std::size_t ByteTextBox::selectionLength() const {
    return toBytes(static_cast<std::size_t>(SendScintilla(SCI_GETSELECTIONEND))) - selectionStart();
}

std::string ByteTextBox::selectedBytes() const {
    return std::string(bytes().substr(selectionStart(), selectionLength()));
}

void ByteTextBox::selectRange(std::size_t start, std::size_t length) {
    SendScintilla(SCI_SETSEL, ul(toDocument(start)), sl(toDocument(start + length)));
    SendScintilla(SCI_SCROLLCARET);
}

void ByteTextBox::setCaret(std::size_t position) {
    SendScintilla(SCI_GOTOPOS, ul(toDocument(std::min(position, length()))));
}

std::size_t ByteTextBox::caret() const {
    return toBytes(static_cast<std::size_t>(SendScintilla(SCI_GETCURRENTPOS)));
}

void ByteTextBox::markOccurrences(const std::vector<std::size_t>& starts, std::size_t length) {
    SendScintilla(SCI_SETINDICATORCURRENT, ul(findIndicator));
    for (const std::size_t start : starts) {
        const std::size_t documentStart = toDocument(start);
        SendScintilla(SCI_INDICATORFILLRANGE, ul(documentStart),
                      sl(toDocument(start + length) - documentStart));
    }
}

void ByteTextBox::clearMarks() {
    SendScintilla(SCI_SETINDICATORCURRENT, ul(findIndicator));
    SendScintilla(SCI_INDICATORCLEARRANGE, noLength, sl(documentLength()));
}

std::vector<std::size_t> ByteTextBox::markedOccurrences() const {
    std::vector<std::size_t> starts;
    long position = 0;
    const long end = static_cast<long>(documentLength());
    while (position < end) {
        const long rangeEnd = SendScintilla(SCI_INDICATOREND, ul(findIndicator), position);
        if (SendScintilla(SCI_INDICATORVALUEAT, ul(findIndicator), position) != 0)
            starts.push_back(toBytes(static_cast<std::size_t>(position)));
        if (rangeEnd <= position)
            break;
        position = rangeEnd;
    }
    return starts;
}

void ByteTextBox::copyAsText() {
    if (selectionLength() > 0)
        QApplication::clipboard()->setText(toQString(selectedBytes()));
}

void ByteTextBox::cutAsText() {
    if (selectionLength() == 0 || isReadOnly())
        return;
    copyAsText();
    replaceBytes(selectionStart(), selectionLength(), {});
}

void ByteTextBox::forwardChange() {
    if (changing_)
        return;
    bytesCurrent_ = false;
    Q_EMIT bytesChanged();
}

bool ByteTextBox::isProgramKey(const QKeyEvent& event) const {
    const QKeyCombination key = event.keyCombination();
    return event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Copy) ||
           event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Undo) ||
           event.matches(QKeySequence::Find) || (key == QKeyCombination(Qt::Key_Tab) && !isEmpty());
}

bool ByteTextBox::event(QEvent* event) {
    // The menus' shortcuts must not take the program's keys from the box.
    if (event->type() == QEvent::ShortcutOverride &&
        isProgramKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QsciScintilla::event(event);
}

void ByteTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->keyCombination() == QKeyCombination(Qt::Key_Tab) && isEmpty()) {
        focusNextChild(); // an empty box lets Tab move the focus as usual
        return;
    }
    if (!isProgramKey(*event))
        return QsciScintilla::keyPressEvent(event);
    event->accept();
    if (event->matches(QKeySequence::Paste))
        Q_EMIT pasteRequested();
    else if (event->matches(QKeySequence::Copy))
        copyAsText();
    else if (event->matches(QKeySequence::Cut))
        cutAsText();
    else if (event->matches(QKeySequence::Undo))
        Q_EMIT undoRequested();
    else if (event->matches(QKeySequence::Find))
        Q_EMIT findRequested();
    else
        insertTab();
}

// Tab in a box with text inserts a tab character and keeps the focus; in an
// empty box it moves the focus as usual (keyPressEvent).
void ByteTextBox::insertTab() {
    if (isReadOnly())
        return;
    const std::size_t at = caret();
    replaceBytes(at, 0, "\t");
    setCaret(at + 1);
}

void ByteTextBox::keyReleaseEvent(QKeyEvent* event) {
    QsciScintilla::keyReleaseEvent(event);
    Q_EMIT keyReleased();
}

void ByteTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QsciScintilla::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

} // namespace fieldizer::ui
