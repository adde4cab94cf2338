#pragma once
// Form1, the splash window: for 3 seconds its title grows up to 54 points and
// its lines appear one after another (after 1.6 and 1.9 seconds, the last at
// 3), then it stays 2 seconds more and closes itself. A click closes it.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace fieldizer::ui {

class SplashWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // One step of the show, `elapsedMs` after it began: the title grows a
    // point, the lines due appear, and at the end the window closes. The
    // timer calls it every 50 ms with the time measured.
    void advanceTo(qint64 elapsedMs);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void tick();

    QLabel* title_;
    QLabel* sloganStart_;
    QLabel* sloganEnd_;
    QLabel* version_;
    QTimer timer_;
    QElapsedTimer clock_;
};

} // namespace fieldizer::ui
