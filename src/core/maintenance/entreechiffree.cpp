#include "entreechiffree.h"

#include <array>
#include <zip.h>

namespace {

constexpr int TailleEnTete = 12;

// The reflected CRC-32 table the cipher's keys are updated with.
const std::array<std::uint32_t, 256>& TableCrc()
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

inline void MettreAJourCles(std::uint32_t* cles, std::uint8_t octet, const std::array<std::uint32_t, 256>& t)
{
    cles[0] = t[(cles[0] ^ octet) & 0xFFu] ^ (cles[0] >> 8);
    cles[1] = (cles[1] + (cles[0] & 0xFFu)) * 134775813u + 1u;
    cles[2] = t[(cles[2] ^ (cles[1] >> 24)) & 0xFFu] ^ (cles[2] >> 8);
}

} // namespace

EntreeChiffree::EntreeChiffree(zip_file* brut, const QByteArray& motDePasse, std::uint32_t crcAttendu)
    : m_brut(brut), m_motDePasse(motDePasse), m_crcAttendu(crcAttendu),
      m_entree(256 * 1024, Qt::Uninitialized)
{
    const auto& t = TableCrc();
    for (const char c : m_motDePasse)
        MettreAJourCles(m_cles, static_cast<std::uint8_t>(c), t);
    m_fluxOuvert = inflateInit2(&m_flux, -MAX_WBITS) == Z_OK;
}

EntreeChiffree::~EntreeChiffree()
{
    if (m_fluxOuvert)
        inflateEnd(&m_flux);
}

void EntreeChiffree::Dechiffrer(char* octets, std::int64_t taille)
{
    const auto& t = TableCrc();
    std::uint32_t cles[3] = {m_cles[0], m_cles[1], m_cles[2]};
    for (std::int64_t i = 0; i < taille; ++i) {
        const std::uint32_t temp = (cles[2] | 2u) & 0xFFFFu;
        const auto clair = static_cast<std::uint8_t>(static_cast<std::uint8_t>(octets[i]) ^
                                                     static_cast<std::uint8_t>((temp * (temp ^ 1u)) >> 8));
        octets[i] = static_cast<char>(clair);
        MettreAJourCles(cles, clair, t);
    }
    m_cles[0] = cles[0];
    m_cles[1] = cles[1];
    m_cles[2] = cles[2];
}

std::int64_t EntreeChiffree::LireBrut(char* tampon, std::int64_t taille)
{
    const zip_int64_t lus = zip_fread(m_brut, tampon, static_cast<zip_uint64_t>(taille));
    if (lus > 0)
        Dechiffrer(tampon, lus);
    return lus;
}

bool EntreeChiffree::LireEnTete()
{
    // The twelve bytes ahead of the data only seed the keys. Their check byte is not trusted: the
    // CRC at the end tells a wrong password from a right one for every entry.
    char enTete[TailleEnTete];
    std::int64_t lus = 0;
    while (lus < TailleEnTete) {
        const std::int64_t n = LireBrut(enTete + lus, TailleEnTete - lus);
        if (n <= 0)
            return false;
        lus += n;
    }
    m_enTeteLu = true;
    return true;
}

std::int64_t EntreeChiffree::Lire(char* sortie, std::int64_t taille)
{
    if (m_erreur)
        return -1;
    if (m_fini)
        return 0;
    if (!m_enTeteLu && !LireEnTete()) {
        m_erreur = true;
        return -1;
    }

    if (!m_fluxOuvert) {
        m_erreur = true;
        return -1;
    }
    m_flux.next_out = reinterpret_cast<Bytef*>(sortie);
    m_flux.avail_out = static_cast<uInt>(taille);
    while (m_flux.avail_out > 0) {
        if (m_flux.avail_in == 0 && !m_finBrut) {
            const std::int64_t n = LireBrut(m_entree.data(), m_entree.size());
            if (n < 0) {
                m_erreur = true;
                return -1;
            }
            m_finBrut = n == 0;
            m_flux.next_in = reinterpret_cast<Bytef*>(m_entree.data());
            m_flux.avail_in = static_cast<uInt>(n);
        }
        const int r = inflate(&m_flux, Z_NO_FLUSH);
        if (r == Z_STREAM_END) {
            m_fini = true;
            break;
        }
        // Out of input before the stream's end: the entry is cut short.
        if ((r != Z_OK && r != Z_BUF_ERROR) || (m_finBrut && m_flux.avail_in == 0 && r == Z_BUF_ERROR)) {
            m_erreur = true;
            return -1;
        }
    }
    const std::int64_t produits = taille - m_flux.avail_out;
    m_crc = static_cast<std::uint32_t>(
        crc32(m_crc, reinterpret_cast<const Bytef*>(sortie), static_cast<uInt>(produits)));
    if (m_fini && m_crc != m_crcAttendu) {
        m_erreur = true;
        return -1;
    }
    return produits;
}
