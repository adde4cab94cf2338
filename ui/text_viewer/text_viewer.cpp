#include "ui/text_viewer/text_viewer.h"

#include "ui/text_box/byte_text_box.h"
#include "ui/text_viewer/text_viewer_controls.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>

namespace fieldizer::ui {

TextViewer::TextViewer(QWidget* parent) : QWidget(parent), textBox_(new ByteTextBox(this)) {
    setObjectName(QLatin1String(textViewerControls::window));
    setWindowTitle(QStringLiteral("Manipulator - Text Viewer"));
    textBox_->setObjectName(QLatin1String(textViewerControls::textBox));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(textBox_);
    // A double click into the text closes the viewer, as its close box does.
    connect(textBox_, &ByteTextBox::doubleClicked, this, &TextViewer::closeWindow);
}

// Inside the main window the viewer sits in a frame of its own: closing
// only the viewer would leave that frame behind, empty.
void TextViewer::closeWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void TextViewer::closeEvent(QCloseEvent* event) {
    Q_EMIT closing();
    event->accept();
}

} // namespace fieldizer::ui
