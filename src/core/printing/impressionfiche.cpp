#include "impressionfiche.h"

#include "documentfiche.h"
#include "imaging/jpeg.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

namespace {

QTextCharFormat FormatTexte(const DocumentFiche& fiche, int style)
{
    QTextCharFormat f;
    if (style < 0 || style >= static_cast<int>(fiche.stylesTexte.size()))
        return f;
    const StyleTexte& s = fiche.stylesTexte[static_cast<size_t>(style)];
    QFont police;
    police.setFamilies({s.police, QStringLiteral("DejaVu Sans")});
    police.setPointSize(s.taillePoints);
    police.setBold(s.gras);
    police.setUnderline(s.souligne);
    police.setCapitalization(s.majuscules ? QFont::AllUppercase : QFont::MixedCase);
    f.setFont(police);
    f.setForeground(s.couleur);
    return f;
}

QTextBlockFormat FormatParagraphe(const DocumentFiche& fiche, int style)
{
    QTextBlockFormat f;
    if (style < 0 || style >= static_cast<int>(fiche.stylesParagraphe.size()))
        return f;
    const StyleParagraphe& s = fiche.stylesParagraphe[static_cast<size_t>(style)];
    f.setAlignment(s.alignement);
    f.setTopMargin(s.decalageHaut);
    f.setBottomMargin(s.decalageBas);
    return f;
}

class Constructeur
{
public:
    Constructeur(const DocumentFiche& fiche, QTextDocument& document, qreal echelle)
        : m_fiche(fiche), m_document(document), m_echelle(echelle)
    {}

    // The cursor is on an empty block; fills it with the paragraph.
    void Paragraphe(QTextCursor& curseur, const ::Paragraphe& p)
    {
        curseur.setBlockFormat(FormatParagraphe(m_fiche, p.styleParagraphe));
        const QTextCharFormat f = FormatTexte(m_fiche, p.styleTexte);
        curseur.setBlockCharFormat(f);
        QString texte = p.texte;
        texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        texte.replace(u'\r', u'\n');
        // Line breaks kept inside the one paragraph.
        texte.replace(u'\n', QChar::LineSeparator);
        curseur.insertText(texte, f);
    }

    Resultat Image(QTextCursor& curseur, const ImageFiche& image)
    {
        QString erreur;
        // Decoded at the target's resolution; the layout scales the display size itself.
        const QSize taille = image.tailleAffichage;
        const QImage decodee = DecoderJpeg(image.octets, taille * m_echelle, &erreur);
        if (decodee.isNull())
            return Resultat::Echec(erreur);
        const QUrl nom(QStringLiteral("kinobral://%1").arg(image.nom));
        m_document.addResource(QTextDocument::ImageResource, nom, decodee);
        curseur.setBlockFormat(FormatParagraphe(m_fiche, image.styleParagraphe));
        QTextImageFormat f;
        f.setName(nom.toString());
        f.setWidth(taille.width());
        f.setHeight(taille.height());
        f.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        curseur.insertImage(f);
        return Resultat::Succes();
    }

    Resultat Tableau(QTextCursor& curseur, const TableauFiche& t)
    {
        QTextTableFormat format;
        format.setBorder(t.largeurBordure);
        format.setBorderBrush(t.couleurBordure);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellPadding(t.marge);
        format.setCellSpacing(t.espacementVertical);
        format.setWidth(QTextLength(QTextLength::FixedLength, t.largeurPreferee));
        format.setAlignment(Qt::AlignLeft);
        format.setMargin(0);
        format.setBorderCollapse(true);
        QList<QTextLength> colonnes;
        bool largeurs = false;
        for (const CelluleFiche& c : t.cellules.front())
            largeurs = largeurs || c.largeurPreferee > 0;
        for (const CelluleFiche& c : t.cellules.front())
            colonnes << (c.largeurPreferee > 0 ? QTextLength(QTextLength::FixedLength, c.largeurPreferee)
                                               : QTextLength(QTextLength::VariableLength, 0));
        if (largeurs)
            format.setColumnWidthConstraints(colonnes);
        QTextTable* tableau = curseur.insertTable(t.lignes, t.colonnes, format);
        for (int l = 0; l < t.lignes; ++l) {
            for (int c = 0; c < t.colonnes; ++c) {
                const CelluleFiche& cellule = t.Cellule(l, c);
                if (cellule.couverte)
                    continue;
                if (cellule.lignesFusion > 1 || cellule.colonnesFusion > 1)
                    tableau->mergeCells(l, c, cellule.lignesFusion, cellule.colonnesFusion);
                QTextTableCell tc = tableau->cellAt(l, c);
                QTextCursor dedans = tc.firstCursorPosition();
                bool premier = true;
                for (const ::Paragraphe& p : cellule.paragraphes) {
                    if (!premier)
                        dedans.insertBlock();
                    Paragraphe(dedans, p);
                    premier = false;
                }
                for (const ImageFiche& image : cellule.images) {
                    if (!premier)
                        dedans.insertBlock();
                    const Resultat r = Image(dedans, image);
                    if (!r)
                        return r;
                    premier = false;
                }
                // A row without text keeps the preferred height of its first cell.
                if (cellule.paragraphes.empty() && cellule.images.empty() && cellule.hauteurPreferee > 0) {
                    QTextBlockFormat bf;
                    bf.setLineHeight(cellule.hauteurPreferee, QTextBlockFormat::MinimumHeight);
                    dedans.setBlockFormat(bf);
                }
                // The cell's format lives in its first character: set it once the text is in.
                QTextTableCellFormat cf = tc.format().toTableCellFormat();
                cf.setBackground(cellule.couleur.isValid() ? QBrush(cellule.couleur) : QBrush(Qt::NoBrush));
                cf.setVerticalAlignment(cellule.alignementVertical & Qt::AlignTop
                                            ? QTextCharFormat::AlignTop
                                            : QTextCharFormat::AlignMiddle);
                cf.setBorder(t.largeurBordureCellule);
                tc.setFormat(cf);
            }
        }
        curseur.movePosition(QTextCursor::End);
        return Resultat::Succes();
    }

private:
    const DocumentFiche& m_fiche;
    QTextDocument& m_document;
    qreal m_echelle;
};

} // namespace

Resultat ConstruireDocumentTexte(const DocumentFiche& fiche, QTextDocument& document, qreal echelle)
{
    document.clear();
    document.setDocumentMargin(0);
    Constructeur constructeur(fiche, document, echelle);
    QTextCursor curseur(&document);
    bool premier = true;
    for (const BlocFiche& bloc : fiche.blocs) {
        if (const auto* p = std::get_if<Paragraphe>(&bloc)) {
            if (!premier)
                curseur.insertBlock();
            constructeur.Paragraphe(curseur, *p);
        } else {
            // insertTable leaves a block after the table, where the next paragraph goes.
            const Resultat r = constructeur.Tableau(curseur, std::get<TableauFiche>(bloc));
            if (!r)
                return r;
            curseur.movePosition(QTextCursor::End);
            constructeur.Paragraphe(curseur, ::Paragraphe{QString(), StyleNormal, ParaGauche});
            premier = true;
            continue;
        }
        premier = false;
    }
    return Resultat::Succes();
}

Resultat ImprimerFiche(const DocumentFiche& fiche, QPagedPaintDevice& appareil)
{
    appareil.setPageMargins(
        QMarginsF(fiche.margeGaucheMm, fiche.margeHautMm, fiche.margeDroiteMm, fiche.margeBasMm),
        QPageLayout::Millimeter);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&appareil);
    const qreal echelle = appareil.logicalDpiX() / 96.0;
    const Resultat r = ConstruireDocumentTexte(fiche, document, echelle);
    if (!r)
        return r;
    const QRect zone = appareil.pageLayout().paintRectPixels(appareil.logicalDpiX());
    const QSizeF page(zone.width(), zone.height());
    document.setPageSize(page);

    QPainter peintre;
    if (!peintre.begin(&appareil))
        return Resultat::Echec(QStringLiteral("L'impression de la fiche n'a pas pu commencer."));
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            appareil.newPage();
        peintre.save();
        peintre.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext contexte;
        contexte.clip = QRectF(0, i * page.height(), page.width(), page.height());
        peintre.setClipRect(contexte.clip);
        document.documentLayout()->draw(&peintre, contexte);
        peintre.restore();
    }
    peintre.end();
    return Resultat::Succes();
}

Resultat ImprimerFichePdf(const DocumentFiche& fiche, const QString& chemin)
{
    {
        // QPdfWriter does not say why it cannot write; check first.
        QFile essai(chemin);
        if (!essai.open(QIODevice::WriteOnly))
            return Resultat::Echec(QStringLiteral("Impossible d'enregistrer le fichier « %1 » : %2")
                                       .arg(QDir::toNativeSeparators(chemin), essai.errorString()));
    }
    QPdfWriter pdf(chemin);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Kinobral 2005"));
    pdf.setCreator(QStringLiteral("Kinobral 2005"));
    const Resultat r = ImprimerFiche(fiche, pdf);
    if (!r)
        QFile::remove(chemin);
    return r;
}
