// The driver card: team and driver with colours and pictures, the six gear buttons,
// the tire type, the rows of wear pictures and the stop lights of one car.
#pragma once

#include <QFrame>
#include <array>
#include <vector>

class QLabel;
class QToolButton;

namespace tarmaq {

struct Game;

class DriverCardWidget final : public QFrame {
  Q_OBJECT
 public:
  static constexpr int WearKinds = 6;
  explicit DriverCardWidget(QWidget* parent = nullptr);
  void render(const Game& game);
  QToolButton* gearButton(int gear) const { return gears_[static_cast<std::size_t>(gear - 1)]; }
  QLabel* driverNameLabel() const { return driverName_; }
  QLabel* teamNameLabel() const { return teamName_; }
  QToolButton* wearPicture(int kind, int index) const {
    return wear_[static_cast<std::size_t>(kind)][static_cast<std::size_t>(index)];
  }

 Q_SIGNALS:
  void gearClicked(int gear);
  // A click on brake picture `index`.
  void brakeClicked(int index);

 private:
  QLabel* teamColor_;
  QLabel* teamName_;
  QLabel* teamImage_;
  QLabel* driverColor_;
  QLabel* driverName_;
  QLabel* driverImage_;
  std::array<QToolButton*, 6> gears_{};
  std::array<QLabel*, 3> tireTypes_{};
  std::array<std::array<QToolButton*, 15>, WearKinds> wear_{};
  std::array<QLabel*, 3> stops_{};
  QString teamPicture_;
  QString driverPicture_;
};

}  // namespace tarmaq
