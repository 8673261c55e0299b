#pragma once

#include <QByteArray>
#include <QImage>

namespace fixture {

// A picture with what a photo has and the other fixtures lack: smooth
// shading, soft waves of colour, objects with hard outlines and a little
// sensor noise. The same seed gives the same picture.
QImage photoPicture(int width, int height, quint32 seed);

// Peak signal-to-noise ratio of two pictures of the same size, in dB over
// the three colour channels; 0 when their sizes differ, 999 when identical.
double psnr(const QImage& a, const QImage& b);

} // namespace fixture
