#include "ui/splash/splash_window.h"

#include "shell/menus/form_names.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace fieldizer::ui {
namespace {
constexpr int growMs = 3000;
constexpr int stayMs = 2000;
constexpr int largestPoints = 54;
} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      title_(new QLabel(QStringLiteral("Fieldizer"), this)),
      sloganStart_(new QLabel(QStringLiteral("Loosely formatted text"), this)),
      sloganEnd_(new QLabel(QStringLiteral("into database records"), this)),
      version_(new QLabel(QStringLiteral("Version 0.1"), this)) {
    setObjectName(QLatin1String(formNames::splash));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    setFixedSize(420, 260);
    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {title_, sloganStart_, sloganEnd_, version_}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    for (QLabel* label : {sloganStart_, sloganEnd_, version_})
        label->setVisible(false);
    QFont font = title_->font();
    font.setPointSize(12);
    title_->setFont(font);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::tick);
    clock_.start();
    timer_.start(50);
}

void SplashWindow::tick() {
    advanceTo(clock_.elapsed());
}

void SplashWindow::advanceTo(qint64 elapsedMs) {
    if (elapsedMs < growMs) {
        QFont font = title_->font();
        if (font.pointSize() < largestPoints) {
            font.setPointSize(font.pointSize() + 1);
            title_->setFont(font);
        }
        sloganStart_->setVisible(elapsedMs > 1600);
        sloganEnd_->setVisible(elapsedMs > 1900);
        return;
    }
    sloganStart_->setVisible(true);
    sloganEnd_->setVisible(true);
    version_->setVisible(true);
    if (elapsedMs >= growMs + stayMs)
        close();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

} // namespace fieldizer::ui
