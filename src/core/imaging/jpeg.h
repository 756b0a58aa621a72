#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The covers are stored as the JPEG bytes the user chose, never re-encoded; every reader decodes
// them here.

// Whether the bytes begin with a JPEG start-of-image marker (FF D8 FF).
bool EstJpeg(const QByteArray& octets);

// Decodes JPEG bytes. With a valid `tailleCible` the picture comes back at exactly that size,
// proportions not kept, and libjpeg's DCT scaling does most of the reduction inside the decoder:
// a large cover is never decoded at full size when a small one is asked for. Without it, the
// picture keeps its own size. Anything that is not a JPEG, or does not decode, gives a null image
// and a French message in `erreur`.
QImage DecoderJpeg(const QByteArray& octets, QSize tailleCible = {}, QString* erreur = nullptr);
