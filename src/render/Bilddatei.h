// Pictures read from files the user put there (the company logo, a chosen
// picture, the chart picture): never blocking on a FIFO, never decoding a
// picture too large to print, and no English decoder warning on the terminal.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace Fermalin {

// Larger pictures are refused before they are decoded (4096 x 4096 points;
// the logo box is 300 x 70).
inline constexpr qint64 BildHoechstPunkte = 4096LL * 4096;

// The picture, or a null image with the German reason in grund. format: the
// format to try first ("bmp", "jpeg", ...; empty: by the content).
// verkleinern: a larger picture (a photo chosen as the logo's source) is
// decoded shrunk to the largest size within the limit instead of refused.
QImage BildLesen(const QString& pfad, const QByteArray& format = {}, QString* grund = nullptr,
                 bool verkleinern = false);

} // namespace Fermalin
