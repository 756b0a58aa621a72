#pragma once

#include <QByteArray>
#include <QString>

// Windows code page 1252, the single-byte text of sheet files written by other copies of the program.
// The five bytes the code page leaves unassigned (81, 8D, 8F, 90, 9D) stand for the control characters
// of the same value, as Windows itself decodes them, so that every byte string survives a round trip.

// Encodes the text; false (and `octets` left empty) when one of its characters has no byte in the code page.
bool EncoderCp1252(const QString& texte, QByteArray& octets);

// Decodes the bytes; every byte has a character.
QString DecoderCp1252(const QByteArray& octets);
