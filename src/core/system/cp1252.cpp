#include "cp1252.h"

namespace {

// Characters of bytes 80 to 9F; the rest of the code page is Latin-1.
constexpr char16_t Plage80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte of a character, or -1.
int Octet(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (int i = 0; i < 32; ++i) {
        if (Plage80[i] == c) {
            return 0x80 + i;
        }
    }
    return -1;
}

} // namespace

bool EncoderCp1252(const QString& texte, QByteArray& octets)
{
    octets.clear();
    QByteArray resultat(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const int octet = Octet(texte.at(i).unicode());
        if (octet < 0) {
            return false;
        }
        resultat[i] = static_cast<char>(octet);
    }
    octets = resultat;
    return true;
}

QString DecoderCp1252(const QByteArray& octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* sortie = texte.data();
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const auto octet = static_cast<unsigned char>(octets.at(i));
        sortie[i] = (octet >= 0x80 && octet < 0xA0) ? QChar(Plage80[octet - 0x80]) : QChar(octet);
    }
    return texte;
}
