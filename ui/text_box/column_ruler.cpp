#include "ui/text_box/column_ruler.h"

#include <QEvent>
#include <QPainter>
#include <Qsci/qsciscintilla.h>
#include <cmath>

namespace fieldizer::ui {
namespace {

// Measured over many characters, the width keeps the fraction of a pixel
// the box adds up character by character.
constexpr int measuredCharacters = 100;
constexpr int tickHeights[] = {3, 6, 10}; // small, medium, large
constexpr int labelGap = 10;              // room around a number
constexpr double labelFontScale = 0.85;

} // namespace

ColumnRuler::ColumnRuler(QsciScintilla* box, QWidget* parent) : QWidget(parent), box_(box) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
    // Scrolling, caret moves and changes of the text all end in an update
    // of the box's view; a zoom changes the width of its characters.
    connect(box_, &QsciScintilla::SCN_UPDATEUI, this, [this] { update(); });
    connect(box_, &QsciScintilla::SCN_ZOOM, this, [this] { update(); });
    box_->installEventFilter(this);
    box_->viewport()->installEventFilter(this);
}

bool ColumnRuler::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::Show:
        update();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QFont ColumnRuler::labelFont() const {
    QFont small = font();
    // A font sized in pixels has no point size.
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * labelFontScale);
    else
        small.setPixelSize(static_cast<int>(small.pixelSize() * labelFontScale));
    return small;
}

QSize ColumnRuler::sizeHint() const {
    return {0, QFontMetrics(labelFont()).height() + tickHeights[2] + 2};
}

QSize ColumnRuler::minimumSizeHint() const {
    return sizeHint();
}

double ColumnRuler::characterWidth() const {
    const QByteArray sample(measuredCharacters, '0');
    const long width =
        box_->SendScintilla(QsciScintillaBase::SCI_TEXTWIDTH, 0UL, sample.constData());
    return static_cast<double>(width) / measuredCharacters;
}

// Where the box's text starts, in the ruler's pixels: the box's frame, its
// margins and the padding before the first character.
double ColumnRuler::textLeft() const {
    const long margins = box_->SendScintilla(QsciScintillaBase::SCI_GETMARGINS);
    long left = box_->SendScintilla(QsciScintillaBase::SCI_GETMARGINLEFT);
    for (long margin = 0; margin < margins; ++margin)
        left += box_->SendScintilla(QsciScintillaBase::SCI_GETMARGINWIDTHN,
                                    static_cast<unsigned long>(margin));
    const QWidget* top = window();
    return box_->viewport()->mapTo(top, QPoint(0, 0)).x() - mapTo(top, QPoint(0, 0)).x() +
           static_cast<double>(left);
}

// The caret's column as the Fieldize pass counts it: the characters before
// it on its line, plus one.
long ColumnRuler::caretColumn() const {
    using Base = QsciScintillaBase;
    const auto caret = static_cast<unsigned long>(box_->SendScintilla(Base::SCI_GETCURRENTPOS));
    const long line = box_->SendScintilla(Base::SCI_LINEFROMPOSITION, caret);
    const auto lineStart = static_cast<unsigned long>(
        box_->SendScintilla(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)));
    return box_->SendScintilla(Base::SCI_COUNTCHARACTERS, lineStart, static_cast<long>(caret)) + 1;
}

RulerView ColumnRuler::measuredView() const {
    RulerView view;
    view.characterWidth = characterWidth();
    view.textLeft = textLeft();
    view.scrollOffset = static_cast<double>(box_->SendScintilla(QsciScintillaBase::SCI_GETXOFFSET));
    // The text ends where the box's vertical scroll bar begins.
    const QWidget* top = window();
    const int viewportRight =
        box_->viewport()->mapTo(top, QPoint(box_->viewport()->width(), 0)).x() -
        mapTo(top, QPoint(0, 0)).x();
    view.visibleWidth = std::min(width(), viewportRight);
    view.labelWidth =
        QFontMetrics(labelFont()).horizontalAdvance(QStringLiteral("0000")) + labelGap;
    view.caretColumn = caretColumn();
    return view;
}

RulerLayout ColumnRuler::currentLayout() const {
    return layOutRuler(measuredView());
}

void ColumnRuler::paintEvent(QPaintEvent*) {
    const RulerView view = measuredView();
    painted_ = layOutRuler(view);
    const RulerLayout& layout = painted_;
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(106));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
    painter.setClipRect(QRectF(view.textLeft, 0, view.visibleWidth - view.textLeft, height()));
    if (layout.caret) {
        QColor mark = palette().color(QPalette::Highlight);
        mark.setAlpha(110);
        painter.fillRect(QRectF(layout.caret->left, 0, layout.caret->width, height() - 1), mark);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    for (const RulerTick& tick : layout.ticks) {
        const int x = static_cast<int>(std::floor(tick.x));
        const int length = tickHeights[static_cast<int>(tick.size)];
        painter.drawLine(x, height() - 1 - length, x, height() - 2);
    }
    painter.setFont(labelFont());
    const QFontMetrics metrics(painter.font());
    for (const RulerLabel& label : layout.labels) {
        const QString text = QString::fromStdString(label.text);
        const double textWidth = metrics.horizontalAdvance(text);
        painter.drawText(QRectF(label.x - textWidth / 2, 0, textWidth + 1, metrics.height()),
                         Qt::AlignCenter, text);
    }
}

} // namespace fieldizer::ui
