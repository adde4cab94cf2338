#pragma once
// Data1, the data control under a browser's grid: buttons to the first,
// previous, next and last record around the caption that tells the
// position ("Record: i of n").

#include <QWidget>

class QLabel;

namespace fieldizer::ui {

class DataControl final : public QWidget {
    Q_OBJECT
  public:
    enum class Move { First, Previous, Next, Last };

    explicit DataControl(QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& caption);

  signals:
    void moveRequested(DataControl::Move move);

  private:
    QLabel* caption_;
};

} // namespace fieldizer::ui
