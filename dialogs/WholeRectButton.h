#pragma once

#include <QPoint>

// A button that reacts to a click anywhere in its rectangle, as the buttons of
// the templates' dialog manager do; Qt's radio button takes only its label.
template <typename Button> class WholeRectButton : public Button {
  public:
    using Button::Button;

  protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};
