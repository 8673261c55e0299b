#include "start_scale.h"

#include "scale_steps.h"

#include <QByteArray>

namespace {

bool fits(float scale, const QSize& workArea)
{
    const auto height = quint32(qint64(scale * 600.0f));
    const auto width = quint32(qint64(scale * 850.0f));
    // An unknown area counts as empty, so only 1.0 fits it.
    return height <= quint32(qMax(0, workArea.height())) && width <= quint32(qMax(0, workArea.width()));
}

} // namespace

float ComputeStartScale(unsigned dpi, const QSize& workArea)
{
    float scale = float(dpi / 96.0);
    while (scale != 1.0f && !fits(scale, workArea))
        scale = NextLowerScaleStep(scale);
    return scale == 0.0f ? 1.0f : scale;
}

void PrepareScalingEnvironment(bool resizeForDpi, float scale)
{
    if (!resizeForDpi) {
        qputenv("QT_SCALE_FACTOR", "1");
        qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", "0");
        qputenv("QT_FONT_DPI", "102");
        return;
    }
    qputenv("QT_FONT_DPI", QByteArray::number(quint32(scale * 96.0f)));
}
