// The results window: the podium on black, each text drawn twice, white over a black
// shadow.
#pragma once

#include <QDialog>

#include "engine/frontend.h"

namespace tarmaq {

class ResultsWindow final : public QDialog {
  Q_OBJECT
 public:
  explicit ResultsWindow(const Podium& podium, QWidget* parent = nullptr);
  const Podium& podium() const { return podium_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Podium podium_;
};

}  // namespace tarmaq
