#include "ui/table_browser/data_control.h"

#include "ui/table_browser/table_browser_controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace fieldizer::ui {

DataControl::DataControl(QWidget* parent) : QWidget(parent), caption_(new QLabel(this)) {
    setObjectName(QLatin1String(tableBrowserControls::dataControl));
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto button = [this, layout](const char* name, const QString& text, Move move) {
        auto* tool = new QToolButton(this);
        tool->setObjectName(QLatin1String(name));
        tool->setText(text);
        connect(tool, &QToolButton::clicked, this, [this, move] { emit moveRequested(move); });
        layout->addWidget(tool);
    };
    button(tableBrowserControls::firstRecordButton, QStringLiteral("|\u25C0"), Move::First);
    button(tableBrowserControls::previousRecordButton, QStringLiteral("\u25C0"), Move::Previous);
    caption_->setObjectName(QLatin1String(tableBrowserControls::positionCaption));
    caption_->setFrameShape(QFrame::StyledPanel);
    caption_->setContentsMargins(6, 0, 6, 0);
    layout->addWidget(caption_, 1);
    button(tableBrowserControls::nextRecordButton, QStringLiteral("\u25B6"), Move::Next);
    button(tableBrowserControls::lastRecordButton, QStringLiteral("\u25B6|"), Move::Last);
}

QString DataControl::caption() const {
    return caption_->text();
}

void DataControl::setCaption(const QString& caption) {
    caption_->setText(caption);
}

} // namespace fieldizer::ui
