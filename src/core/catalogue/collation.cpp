#include "collation.h"

#include <cstring>
#include <sqlite3.h>

namespace Collation {
namespace {

// Base letters of U+00C0..U+017F, lower case; an empty entry keeps the character as it is (× and ÷).
const char* const BasesLatines[] = {
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  // U+00C0
    "d", "n", "o",  "o",  "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss", // U+00D0
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  // U+00E0
    "d", "n", "o",  "o",  "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",  // U+00F0
    "a", "a", "a",  "a",  "a", "a", "c",  "c", "c", "c", "c", "c", "c", "c", "d",  "d",  // U+0100
    "d", "d", "e",  "e",  "e", "e", "e",  "e", "e", "e", "e", "e", "g", "g", "g",  "g",  // U+0110
    "g", "g", "g",  "g",  "h", "h", "h",  "h", "i", "i", "i", "i", "i", "i", "i",  "i",  // U+0120
    "i", "i", "ij", "ij", "j", "j", "k",  "k", "q", "l", "l", "l", "l", "l", "l",  "l",  // U+0130
    "l", "l", "l",  "n",  "n", "n", "n",  "n", "n", "n", "n", "n", "o", "o", "o",  "o",  // U+0140
    "o", "o", "oe", "oe", "r", "r", "r",  "r", "r", "r", "s", "s", "s", "s", "s",  "s",  // U+0150
    "s", "s", "t",  "t",  "t", "t", "t",  "t", "u", "u", "u", "u", "u", "u", "u",  "u",  // U+0160
    "u", "u", "u",  "u",  "w", "w", "y",  "y", "y", "z", "z", "z", "z", "z", "z",  "s",  // U+0170
};

// Reads UTF-8 text as a stream of folded characters. Ligatures fold to two letters, so the reader keeps
// the second one pending. Bytes that are not valid UTF-8 are taken one by one as Latin-1 characters.
class LecteurPlie
{
public:
    LecteurPlie(const unsigned char* debut, int longueur) : m_p(debut), m_fin(debut + longueur) {}

    // Next folded character, or -1 at the end.
    long Suivant()
    {
        if (*m_attente) {
            return static_cast<unsigned char>(*m_attente++);
        }
        if (m_p == m_fin) {
            return -1;
        }
        const unsigned char c = *m_p;
        if (c < 0x80) {
            ++m_p;
            return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
        }
        return Plier(LireCaractere());
    }

private:
    char32_t LireCaractere()
    {
        const unsigned char c = *m_p;
        int suite = 0;
        char32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            suite = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            suite = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            suite = 3;
            cp = c & 0x07;
        } else {
            ++m_p;
            return c;
        }
        if (m_fin - m_p <= suite) {
            ++m_p;
            return c;
        }
        for (int i = 1; i <= suite; ++i) {
            if ((m_p[i] & 0xC0) != 0x80) {
                ++m_p;
                return c;
            }
            cp = (cp << 6) | (m_p[i] & 0x3F);
        }
        m_p += suite + 1;
        return cp;
    }

    long Plier(char32_t cp)
    {
        if (cp >= 0xC0 && cp <= 0x17F) {
            const char* base = BasesLatines[cp - 0xC0];
            if (*base) {
                m_attente = base + 1;
                return static_cast<unsigned char>(*base);
            }
            return static_cast<long>(cp);
        }
        switch (cp) {
        case 0x2018: // typographic apostrophes read as the plain one
        case 0x2019:
        case 0x02BC:
            return '\'';
        default:
            return static_cast<long>(cp);
        }
    }

    const unsigned char* m_p;
    const unsigned char* m_fin;
    const char* m_attente = "";
};

int ComparerSqlite(void*, int longueurA, const void* a, int longueurB, const void* b)
{
    return ComparerFrancais(static_cast<const char*>(a), longueurA, static_cast<const char*>(b), longueurB);
}

} // namespace

int ComparerFrancais(const char* a, int longueurA, const char* b, int longueurB)
{
    LecteurPlie la(reinterpret_cast<const unsigned char*>(a), longueurA);
    LecteurPlie lb(reinterpret_cast<const unsigned char*>(b), longueurB);
    for (;;) {
        const long ca = la.Suivant();
        const long cb = lb.Suivant();
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        if (ca < 0) {
            break;
        }
    }
    const int commun = longueurA < longueurB ? longueurA : longueurB;
    const int r = commun > 0 ? std::memcmp(a, b, static_cast<size_t>(commun)) : 0;
    if (r != 0) {
        return r;
    }
    return longueurA == longueurB ? 0 : (longueurA < longueurB ? -1 : 1);
}

int ComparerFrancais(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8();
    const QByteArray ub = b.toUtf8();
    return ComparerFrancais(ua.constData(), static_cast<int>(ua.size()), ub.constData(),
                            static_cast<int>(ub.size()));
}

bool EnregistrerCollationFrancaise(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, Nom, SQLITE_UTF8, nullptr, &ComparerSqlite, nullptr) == SQLITE_OK;
}

} // namespace Collation
