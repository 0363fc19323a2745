#include "DialogUnits.h"

#include <QFontMetricsF>
#include <QtMath>

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = qRound(alphabet / 52);
    m_baseY = qCeil(metrics.height());
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    return {ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy)};
}
