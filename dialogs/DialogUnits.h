#pragma once

#include <QFont>
#include <QRect>

// Converts dialog units to pixels from a font's metrics, the way dialog
// templates are laid out: a horizontal unit is a quarter of the average
// character width, a vertical unit an eighth of the character height.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    int ToPixelsX(int units) const { return units * m_baseX / 4; }
    int ToPixelsY(int units) const { return units * m_baseY / 8; }
    QRect ToPixels(int x, int y, int cx, int cy) const;

  private:
    int m_baseX;
    int m_baseY;
};
