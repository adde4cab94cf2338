#include "ui/table_browser/data_control.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace fieldizer::ui {

DataControl::DataControl(QWidget* parent) : QWidget(parent), caption_(new QLabel(this)) {
    setObjectName(QStringLiteral("Data1"));
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
    button("Data1First", QStringLiteral("|\u25C0"), Move::First);
    button("Data1Previous", QStringLiteral("\u25C0"), Move::Previous);
    caption_->setObjectName(QStringLiteral("Data1Caption"));
    caption_->setFrameShape(QFrame::StyledPanel);
    caption_->setContentsMargins(6, 0, 6, 0);
    layout->addWidget(caption_, 1);
    button("Data1Next", QStringLiteral("\u25B6"), Move::Next);
    button("Data1Last", QStringLiteral("\u25B6|"), Move::Last);
}

QString DataControl::caption() const {
    return caption_->text();
}

void DataControl::setCaption(const QString& caption) {
    caption_->setText(caption);
}

} // namespace fieldizer::ui
