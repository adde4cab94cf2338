// The main window's size and the Manipulator's in it: the size the user
// last left the window at, else one that shows every tab of the Manipulator
// with room for its grid on the screen it opens on; the Manipulator grows
// and shrinks with the frame until the user places it himself.
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <optional>

namespace fieldizer::ui {
namespace {

// A fresh window, in twips: never smaller than the program's first size,
// never larger than a comfortable page of text.
constexpr int leastWidth = 10240;
constexpr int leastHeight = 7600;
constexpr int largestWidth = 18000;
constexpr int largestHeight = 12000;
// Of the screen's free area, the share a fresh window takes.
constexpr double screenShare = 0.85;
// Room for the tab widget's own frame beside its tab strip, in pixels.
constexpr int tabFrameSlack = 16;

// Kept where the query window keeps its place: twips, as text.
const QString settingsGroup = QStringLiteral("Settings");
const QString widthKey = QStringLiteral("MainWidth");
const QString heightKey = QStringLiteral("MainHeight");

QSettings userSettings() {
    return QSettings(QStringLiteral("Fieldizer"), QStringLiteral("Fieldizer"));
}

// Rounded both ways, so that a size stored comes back to the pixel.
int toTwips(int pixels, int dpi) {
    return (pixels * 1440 + dpi / 2) / dpi;
}
int toPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

} // namespace

int MainWindow::widthShowingEveryTab() const {
    const QMargins inside = manipulator_->layout()->contentsMargins();
    const int frames =
        2 * (style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth) + mdi_->frameWidth());
    return manipulator_->tabs()->tabBar()->sizeHint().width() + inside.left() + inside.right() +
           frames + tabFrameSlack;
}

std::optional<QSize> MainWindow::rememberedSize() const {
    QSettings settings = userSettings();
    settings.beginGroup(settingsGroup);
    const int width = settings.value(widthKey).toString().toInt();
    const int height = settings.value(heightKey).toString().toInt();
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return QSize(toPixels(width, logicalDpiX()), toPixels(height, logicalDpiY()));
}

void MainWindow::storeSize() const {
    const QSize size = normalGeometry().size();
    QSettings settings = userSettings();
    settings.beginGroup(settingsGroup);
    settings.setValue(widthKey, QString::number(toTwips(size.width(), logicalDpiX())));
    settings.setValue(heightKey, QString::number(toTwips(size.height(), logicalDpiY())));
}

QSize MainWindow::openingSize(const QSize& area) const {
    const QSize least(std::max(twips(leastWidth), widthShowingEveryTab()), twips(leastHeight));
    const QSize largest(twips(largestWidth), twips(largestHeight));
    const QSize size = (area * screenShare).boundedTo(largest).expandedTo(least);
    return area.isEmpty() ? size : size.boundedTo(area);
}

void MainWindow::placeWindow() {
    const QScreen* screen = this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), openingSize({}));
    resize(rememberedSize().value_or(openingSize(area.size())).boundedTo(area.size()));
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

// The Manipulator fills the frame while it stands where it was put to fill
// it: a window the user moved or sized keeps his place.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (manipulatorWindow_->geometry() == QRect(QPoint(0, 0), resize->oldSize()))
            manipulatorWindow_->setGeometry(QRect(QPoint(0, 0), resize->size()));
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace fieldizer::ui
