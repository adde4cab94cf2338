#include "ui/text_box/byte_text_box.h"

#include "text_engine/cp1252.h"
#include "ui/text_box/ascii_text.h"
#include "ui/text_box/cp1252_qstring.h"
#include "ui/text_box/document_builder.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>

namespace fieldizer::ui {
namespace {

constexpr int findIndicator = 8;      // the first indicator free for containers
constexpr long findColour = 12632064; // 0xC0C000 as blue-green-red: teal
// The guides: a light red that stands apart from the text and from Find's teal.
constexpr QRgb guideColour = qRgb(232, 96, 96);
constexpr unsigned long noLength = 0;

// The length of the start `a` and `b` share, compared a block at a time.
std::size_t commonPrefix(std::string_view a, std::string_view b) {
    constexpr std::size_t block = 4096;
    const std::size_t shorter = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i + block <= shorter && std::memcmp(a.data() + i, b.data() + i, block) == 0)
        i += block;
    while (i < shorter && a[i] == b[i])
        ++i;
    return i;
}

// The length of the end `a` and `b` share.
std::size_t commonSuffix(std::string_view a, std::string_view b) {
    constexpr std::size_t block = 4096;
    const std::size_t shorter = std::min(a.size(), b.size());
    const char* aEnd = a.data() + a.size();
    const char* bEnd = b.data() + b.size();
    std::size_t i = 0;
    while (i + block <= shorter && std::memcmp(aEnd - i - block, bEnd - i - block, block) == 0)
        i += block;
    while (i < shorter &&
           aEnd[-1 - static_cast<std::ptrdiff_t>(i)] == bEnd[-1 - static_cast<std::ptrdiff_t>(i)])
        ++i;
    return i;
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
    const long document =
        SendScintilla(SCI_CREATEDOCUMENT, noLength, long{SC_DOCUMENTOPTION_STYLES_NONE});
    adoptDocument(reinterpret_cast<void*>(document), true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setMarginWidth(1, 0);
    setWrapMode(WrapNone);
    setEolVisibility(false);
    // The horizontal scroll range grows with the longest line shown.
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    // A block selected with Alt+drag may reach past the end of short lines,
    // so a column over ragged lines keeps its width.
    SendScintilla(SCI_SETVIRTUALSPACEOPTIONS, ul(SCVS_RECTANGULARSELECTION));
    SendScintilla(SCI_INDICSETSTYLE, ul(findIndicator), long{INDIC_TEXTFORE});
    SendScintilla(SCI_INDICSETFORE, ul(findIndicator), findColour);
}

// What belongs to the document rather than to the view, set again for every
// document the box shows.
void ByteTextBox::configureDocument() {
    setUtf8(true);
    SendScintilla(SCI_SETUNDOCOLLECTION, noLength);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    setEolMode(EolWindows);
    setTabWidth(8);
}

void ByteTextBox::adoptDocument(void* document, bool ascii) {
    SendScintilla(SCI_SETDOCPOINTER, noLength, document);
    SendScintilla(SCI_RELEASEDOCUMENT, noLength, document); // the editor holds it now
    configureDocument();
    ascii_ = ascii ? Ascii::Yes : Ascii::No;
    std::string().swap(bytes_);
    bytesCurrent_ = ascii;
}

const char* ByteTextBox::documentText() const {
    return static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
}

std::size_t ByteTextBox::documentLength() const {
    return static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH));
}

std::string_view ByteTextBox::bytes() const {
    const std::string_view document(documentText(), documentLength());
    if (ascii_ == Ascii::Unknown)
        ascii_ = isAscii(document) ? Ascii::Yes : Ascii::No;
    if (ascii_ == Ascii::Yes) {
        if (bytes_.capacity() != 0)
            std::string().swap(bytes_);
        return document;
    }
    if (!bytesCurrent_) {
        bytes_ = utf8ToCp1252(document);
        bytesCurrent_ = true;
    }
    return bytes_;
}

std::size_t ByteTextBox::length() const {
    return ascii_ == Ascii::Yes ? documentLength() : bytes().size();
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
    const char* document = documentText();
    const std::less<const char*> before;
    if (!before(bytes.data(), document) && before(bytes.data(), document + documentLength()))
        return takeBytes(std::string(bytes)); // the box's own text, gone once replaced
    const bool ascii = isAscii(bytes);
    fill(ascii ? bytes : std::string_view(cp1252ToUtf8(bytes)));
    finishFill(ascii, ascii ? std::string() : std::string(bytes));
}

void ByteTextBox::takeBytes(std::string&& bytes) {
    const bool ascii = isAscii(bytes);
    fill(ascii ? std::string_view(bytes) : std::string_view(cp1252ToUtf8(bytes)));
    if (ascii)
        std::string().swap(bytes); // the editor holds the text now
    finishFill(ascii, std::move(bytes));
}

void ByteTextBox::takeDocument(DocumentBuilder& builder) {
    changing_ = true;
    adoptDocument(builder.takeDocument(), builder.ascii());
    changedBy(true);
    changing_ = false;
    Q_EMIT bytesChanged();
}

// Replaces the whole text with `document` (the editor's UTF-8).
void ByteTextBox::fill(std::string_view document) {
    changing_ = true;
    clearMarks();
    // No modification notices while the whole text is replaced: the editor
    // would otherwise hand the inserted text around as a string of its own
    // (a copy of a 100 MB text); this box signals the change once below.
    const long eventMask = SendScintilla(SCI_GETMODEVENTMASK);
    SendScintilla(SCI_SETMODEVENTMASK, noLength);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_ALLOCATE, ul(document.size() + editingRoom));
    SendScintilla(SCI_APPENDTEXT, ul(document.size()), document.data());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(eventMask));
}

void ByteTextBox::finishFill(bool ascii, std::string&& bytes) {
    ascii_ = ascii ? Ascii::Yes : Ascii::No;
    bytes_ = std::move(bytes);
    bytesCurrent_ = true;
    ++revision_;
    changing_ = false;
    Q_EMIT bytesChanged();
}

// After a change of the text: the bytes are read afresh when asked for.
void ByteTextBox::changedBy(bool asciiKept) {
    if (!asciiKept || ascii_ == Ascii::No)
        ascii_ = Ascii::Unknown;
    bytesCurrent_ = false;
    ++revision_;
}

void ByteTextBox::replaceBytes(std::size_t start, std::size_t removeLength,
                               std::string_view insert) {
    changing_ = true;
    replaceRange(start, start + removeLength, insert);
    changing_ = false;
    Q_EMIT bytesChanged();
}

void ByteTextBox::replaceRange(std::size_t start, std::size_t end, std::string_view insert) {
    const std::size_t documentStart = toDocument(start);
    const std::size_t documentEnd = toDocument(end);
    const std::string converted = cp1252ToUtf8(insert);
    SendScintilla(SCI_SETTARGETSTART, ul(documentStart));
    SendScintilla(SCI_SETTARGETEND, ul(documentEnd));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(converted.size()), converted.data());
    changedBy(converted.size() == insert.size());
}

// Two texts handed between the windows mostly differ in a few typed
// characters: only the part between their common start and common end is
// replaced, which spares rebuilding the editor's whole document for each
// key. A text that differs nearly everywhere is replaced whole.
void ByteTextBox::matchBytes(std::string_view bytes) {
    const std::string_view current = this->bytes();
    const std::less<const char*> before;
    const bool ownText = !before(bytes.data(), current.data()) &&
                         before(bytes.data(), current.data() + current.size());
    const std::size_t head = commonPrefix(current, bytes);
    const std::size_t tail = commonSuffix(current.substr(head), bytes.substr(head));
    const std::size_t removed = current.size() - head - tail;
    const std::size_t inserted = bytes.size() - head - tail;
    if (ownText || std::max(removed, inserted) > bytes.size() / 2)
        return setBytes(bytes);
    changing_ = true;
    clearMarks();
    const long eventMask = SendScintilla(SCI_GETMODEVENTMASK);
    SendScintilla(SCI_SETMODEVENTMASK, noLength); // as fill(): one signal, below
    replaceRange(head, head + removed, bytes.substr(head, inserted));
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(eventMask));
    SendScintilla(SCI_SETEMPTYSELECTION, noLength); // where a replaced text puts the caret
    SendScintilla(SCI_SCROLLCARET);
    changing_ = false;
    Q_EMIT bytesChanged();
}

ByteTextBox::SelectionEnds ByteTextBox::selectionEnds() const {
    const auto number = [this](unsigned int message, unsigned long argument = 0) {
        return static_cast<std::size_t>(SendScintilla(message, argument));
    };
    if (SendScintilla(SCI_SELECTIONISRECTANGLE) != 0)
        return {true, toBytes(number(SCI_GETRECTANGULARSELECTIONANCHOR)),
                number(SCI_GETRECTANGULARSELECTIONANCHORVIRTUALSPACE),
                toBytes(number(SCI_GETRECTANGULARSELECTIONCARET)),
                number(SCI_GETRECTANGULARSELECTIONCARETVIRTUALSPACE)};
    const unsigned long main = static_cast<unsigned long>(SendScintilla(SCI_GETMAINSELECTION));
    return {false, toBytes(number(SCI_GETANCHOR)),
            number(SCI_GETSELECTIONNANCHORVIRTUALSPACE, main), toBytes(number(SCI_GETCURRENTPOS)),
            number(SCI_GETSELECTIONNCARETVIRTUALSPACE, main)};
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

void ByteTextBox::setGuideColumns(std::vector<long> columns) {
    guideColumns_ = std::move(columns);
    clearEdgeColumns();
    setEdgeMode(guideColumns_.empty() ? EdgeNone : EdgeMultipleLines);
    for (const long column : guideColumns_)
        addEdgeColumn(static_cast<int>(column), QColor(guideColour));
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
    changedBy(false); // typed: what came in is read when the bytes are
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

// Under X11 the editor selects a block with Ctrl+drag, since window managers
// often keep Alt+drag for moving windows; Alt+drag, the usual gesture
// elsewhere, does the same here whenever it arrives: the drag it starts is
// handed over as Ctrl+drag, from the press to the release.
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
namespace {

QMouseEvent asControlDrag(const QMouseEvent& event) {
    return QMouseEvent(event.type(), event.position(), event.scenePosition(),
                       event.globalPosition(), event.button(), event.buttons(),
                       (event.modifiers() & ~Qt::AltModifier) | Qt::ControlModifier,
                       event.pointingDevice());
}

} // namespace

void ByteTextBox::mousePressEvent(QMouseEvent* event) {
    const Qt::KeyboardModifiers keys = event->modifiers();
    altBlockDrag_ = event->button() == Qt::LeftButton && keys.testFlag(Qt::AltModifier) &&
                    !keys.testFlag(Qt::ControlModifier);
    if (!altBlockDrag_)
        return QsciScintilla::mousePressEvent(event);
    QMouseEvent block = asControlDrag(*event);
    QsciScintilla::mousePressEvent(&block);
}

void ByteTextBox::mouseMoveEvent(QMouseEvent* event) {
    if (!altBlockDrag_)
        return QsciScintilla::mouseMoveEvent(event);
    QMouseEvent block = asControlDrag(*event);
    QsciScintilla::mouseMoveEvent(&block);
}

void ByteTextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!std::exchange(altBlockDrag_, false) || event->button() != Qt::LeftButton)
        return QsciScintilla::mouseReleaseEvent(event);
    QMouseEvent block = asControlDrag(*event);
    QsciScintilla::mouseReleaseEvent(&block);
}
#endif

void ByteTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QsciScintilla::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

void ByteTextBox::focusInEvent(QFocusEvent* event) {
    QsciScintilla::focusInEvent(event);
    Q_EMIT focusEntered();
}

void ByteTextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (!menu)
        return;
    if (!contextActions_.isEmpty()) {
        menu->addSeparator();
        menu->addActions(contextActions_);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace fieldizer::ui
