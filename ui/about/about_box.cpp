#include "ui/about/about_box.h"

#include "ui/about/about_box_controls.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace fieldizer::ui {

AboutBox::AboutBox(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QLatin1String(aboutBoxControls::window));
    setWindowTitle(QStringLiteral("About Fieldizer"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Fieldizer 0.1\n\nTurns loosely formatted text, such "
                                           "as a printed report,\ninto database records."),
                            this);
    text->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QLatin1String(aboutBoxControls::okButton));
    ok->setDefault(true);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

AboutBox::~AboutBox() {
    state_.activeFormName.clear();
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    state_.activeFormName = formNames::about;
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
}

} // namespace fieldizer::ui
