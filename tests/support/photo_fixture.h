#pragma once

#include <QByteArray>
#include <QImage>

namespace fixture {

// A picture with what a photo has and the other fixtures lack: smooth
// shading, soft waves of colour, objects with hard outlines and a little
// sensor noise. The same seed gives the same picture.
QImage photoPicture(int width, int height, quint32 seed);

// The picture with grain added, as a camera's sensor leaves it in dim
// light: each pixel moved by the same amount in every channel, at most
// `amplitude` levels either way. The same seed gives the same grain.
QImage withGrain(const QImage& picture, int amplitude, quint32 seed);

// Peak signal-to-noise ratio of two pictures of the same size, in dB over
// the three colour channels; 0 when their sizes differ, 999 when identical.
double psnr(const QImage& a, const QImage& b);

} // namespace fixture
