#pragma once

#include "resultat.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The actor's photo as the register keeps it: a lossless bitmap (PNG bytes), at most this many pixels
// on its longer side, so that a phone photo does not store tens of megabytes.
inline constexpr int CotePhotoMaximal = 1024;

// Reads a picture file of any format Qt reads, follows its orientation tag, scales it down (keeping
// its proportions) when it is larger than CotePhotoMaximal, and encodes it as PNG. A file that cannot
// be read is refused with a French message naming it.
Resultat ChargerPhoto(const QString& chemin, QByteArray& png);

// The picture held in a Photo field (PNG, or any bitmap an earlier copy stored); a null image when the
// field is empty or does not decode.
QImage DecoderPhoto(const QByteArray& octets);
