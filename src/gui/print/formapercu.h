#pragma once

#include "printing/documentfiche.h"
#include "resultat.h"

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class Table;

// The never-shown holder of the printable document: the film sheet (RichView) or, after a cover print,
// a cover under its title. Whatever it holds last is what the preview shows and the printer prints
// (the print engine's source), until the next build.
class TFormApercu
{
public:
    // The film sheet of the current film, for printing, the web page and the mail. A cover that is not
    // a JPEG stops the build with its French message; nothing is printed, saved or mailed then.
    Resultat ConstruireImpression(const Table& films);

    // The title and the cover of the current film in place of the sheet. False (and nothing changes)
    // when the film has no cover.
    bool ConstruireCouverture(const Table& films);

    // Draws what the document holds on the device's pages (the print engine's print). Nothing is
    // drawn when a cover does not decode: the French message says why.
    Resultat Imprimer(QPagedPaintDevice& appareil) const;

    DocumentFiche RichView;

private:
    enum class Source
    {
        Aucune,
        Fiche,
        Couverture
    };
    Source m_source = Source::Aucune;
    QString m_titre;
    QByteArray m_couverture;
};
