#pragma once

#include <QByteArray>
#include <cstdint>
#include <zlib.h>

struct zip_file;

// Reads one deflated archive entry protected by the traditional PKWARE encryption from its raw bytes:
// decrypts them with table-driven key updates and inflates them with zlib, checking the CRC at the
// end. libzip's own decryption updates its keys through a zlib call per byte, which makes a restore
// noticeably slower than other unzip tools on a large catalogue.
class EntreeChiffree
{
public:
    // `brut` is the entry opened with ZIP_FL_ENCRYPTED. Stored entries are left to libzip, which
    // checks the CRC of their raw bytes and so cannot hand them over undecrypted.
    EntreeChiffree(zip_file* brut, const QByteArray& motDePasse, std::uint32_t crcAttendu);
    ~EntreeChiffree();
    EntreeChiffree(const EntreeChiffree&) = delete;
    EntreeChiffree& operator=(const EntreeChiffree&) = delete;

    // Fills `sortie` with up to `taille` bytes of content: the number written, 0 at the end of an
    // entry whose CRC matched, -1 when the entry cannot be read (a wrong password, damaged data).
    std::int64_t Lire(char* sortie, std::int64_t taille);

private:
    bool LireEnTete();
    std::int64_t LireBrut(char* tampon, std::int64_t taille);
    void Dechiffrer(char* octets, std::int64_t taille);

    zip_file* m_brut;
    QByteArray m_motDePasse;
    std::uint32_t m_crcAttendu;
    std::uint32_t m_crc = 0;
    std::uint32_t m_cles[3] = {0x12345678u, 0x23456789u, 0x34567890u};
    bool m_enTeteLu = false;
    bool m_finBrut = false;
    bool m_fini = false;
    bool m_erreur = false;
    z_stream m_flux{};
    bool m_fluxOuvert = false;
    QByteArray m_entree;
};
