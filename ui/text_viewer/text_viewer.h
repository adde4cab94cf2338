#pragma once
// Form2, the Text Viewer: the Manipulator's text in a window of its own,
// with more room. The main window hands the text and the caret over both
// ways; the viewer only tells what happens in it.

#include <QWidget>

namespace fieldizer::ui {

class ByteTextBox;

class TextViewer final : public QWidget {
    Q_OBJECT
  public:
    explicit TextViewer(QWidget* parent = nullptr);

    ByteTextBox* textBox() const { return textBox_; }

  Q_SIGNALS:
    // The viewer is about to close: its text goes back first.
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void closeWindow();

    ByteTextBox* textBox_;
};

} // namespace fieldizer::ui
