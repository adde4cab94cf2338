#pragma once
// A strip above a QScintilla box that numbers its character columns: a tick
// over every character, a number every ten, the caret's column marked. It
// follows the box's horizontal scrolling, font and zoom; the geometry is
// shell/column_ruler's, this only measures the box and paints.

#include "shell/column_ruler/column_ruler.h"

#include <QWidget>

class QsciScintilla;

namespace fieldizer::ui {

class ColumnRuler final : public QWidget {
    Q_OBJECT
  public:
    // Numbers the columns of `box`, which is laid out right below the
    // ruler with the same left and right edges.
    explicit ColumnRuler(QsciScintilla* box, QWidget* parent = nullptr);

    // What the ruler shows for the box as it is now.
    RulerLayout currentLayout() const;
    // The box as the ruler measures it, in the ruler's pixels.
    RulerView measuredView() const;
    // What the ruler painted last: the box as it was then.
    const RulerLayout& paintedLayout() const { return painted_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QFont labelFont() const;
    double characterWidth() const;
    double textLeft() const;
    long caretColumn() const;

    QsciScintilla* box_;
    RulerLayout painted_;
};

} // namespace fieldizer::ui
