#include "pageweb.h"

#include "printing/documentfiche.h"
#include "system/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString Couleur(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString Echapper(const QString& texte)
{
    QString r;
    r.reserve(texte.size());
    for (const QChar c : texte) {
        switch (c.unicode()) {
        case '&':
            r += QLatin1String("&amp;");
            break;
        case '<':
            r += QLatin1String("&lt;");
            break;
        case '>':
            r += QLatin1String("&gt;");
            break;
        case '"':
            r += QLatin1String("&quot;");
            break;
        case '\'':
            r += QLatin1String("&#39;");
            break;
        default:
            r += c;
        }
    }
    return r;
}

QString AlignementCss(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (a & Qt::AlignRight)
        return QStringLiteral("right");
    return QStringLiteral("left");
}

QString FeuilleDeStyle(const DocumentFiche& d)
{
    QString css;
    css += QStringLiteral("body\n{\n  margin: %1px %2px %3px %4px;\n  background-color: %5;\n}\n")
               .arg(d.margeHaut)
               .arg(d.margeDroite)
               .arg(d.margeBas)
               .arg(d.margeGauche)
               .arg(Couleur(d.fond));
    for (size_t i = 0; i < d.stylesTexte.size(); ++i) {
        const StyleTexte& s = d.stylesTexte[i];
        QString regles = QStringLiteral("  font-family: '%1', 'DejaVu Sans', sans-serif;\n"
                                        "  font-size: %2pt;\n  font-style: normal;\n"
                                        "  font-weight: %3;\n  text-decoration: %4;\n")
                             .arg(s.police)
                             .arg(s.taillePoints)
                             .arg(s.gras ? QStringLiteral("bold") : QStringLiteral("normal"))
                             .arg(s.souligne ? QStringLiteral("underline") : QStringLiteral("none"));
        if (s.majuscules)
            regles += QStringLiteral("  text-transform: uppercase;\n");
        regles += QStringLiteral("  color: %1;\n").arg(Couleur(s.couleur));
        // Hypertext styles get a link rule and a hover rule.
        css += (s.hypertexte ? QStringLiteral("a.rvts%1, span.rvts%1\n{\n%2}\n")
                             : QStringLiteral("span.rvts%1\n{\n%2}\n"))
                   .arg(i)
                   .arg(regles);
        if (s.hypertexte)
            css += QStringLiteral("a.rvts%1:hover\n{\n  color: %2;\n}\n").arg(i).arg(Couleur(s.couleur));
    }
    for (size_t i = 0; i < d.stylesParagraphe.size(); ++i) {
        const StyleParagraphe& p = d.stylesParagraphe[i];
        QString regles = QStringLiteral("  text-align: %1;\n  text-indent: 0px;\n  margin: 0px;\n")
                             .arg(AlignementCss(p.alignement));
        if (p.bordure) {
            regles += p.bordureVisible
                          ? QStringLiteral("  border: 1px solid %1;\n").arg(Couleur(p.couleurBordure))
                          : QStringLiteral("  border: none;\n");
            regles +=
                QStringLiteral("  padding: %1px 0px %2px 0px;\n").arg(p.decalageHaut).arg(p.decalageBas);
        }
        css += QStringLiteral(".rvps%1\n{\n%2}\n").arg(i).arg(regles);
    }
    return css;
}

void EcrireParagraphe(QString& html, const Paragraphe& p)
{
    html += QStringLiteral("<p class=rvps%1>").arg(p.styleParagraphe);
    if (p.texte.isEmpty()) {
        html += QStringLiteral("<span class=rvts%1><br></span></p>\n").arg(p.styleTexte);
        return;
    }
    QString texte = p.texte;
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(u'\r', u'\n');
    // Line breaks inside one paragraph stay line breaks.
    html += QStringLiteral("<span class=rvts%1>%2</span></p>\n")
                .arg(p.styleTexte)
                .arg(Echapper(texte).replace(u'\n', QStringLiteral("<br>")));
}

void EcrireImage(QString& html, const ImageFiche& image, const QString& nomImage)
{
    html +=
        QStringLiteral("<p class=rvps%1><img alt=\"\" style=\"vertical-align: middle;\" width=%2 height=%3 "
                       "src=\"%4\"></p>\n")
            .arg(image.styleParagraphe)
            .arg(image.tailleAffichage.width())
            .arg(image.tailleAffichage.height())
            .arg(nomImage);
}

void EcrireTableau(QString& html, const TableauFiche& t, const QString& nomImage)
{
    html += QStringLiteral("<table width=%1 border=%2 cellpadding=%3 cellspacing=%4 "
                           "style=\"border-color: %5; border-style: solid; border-collapse: separate; "
                           "border-spacing: %6px %7px;\">\n")
                .arg(t.largeurPreferee)
                .arg(t.largeurBordure)
                .arg(t.marge)
                .arg(qMax(t.espacementHorizontal, t.espacementVertical))
                .arg(Couleur(t.couleurBordure))
                .arg(t.espacementHorizontal)
                .arg(t.espacementVertical);
    for (const auto& ligne : t.cellules) {
        html += QStringLiteral("<tr valign=top>\n");
        for (const CelluleFiche& c : ligne) {
            if (c.couverte)
                continue;
            QString attributs;
            if (c.largeurPreferee > 0)
                attributs += QStringLiteral(" width=%1").arg(c.largeurPreferee);
            if (c.hauteurPreferee > 0)
                attributs += QStringLiteral(" height=%1").arg(c.hauteurPreferee);
            if (c.lignesFusion > 1)
                attributs += QStringLiteral(" rowspan=%1").arg(c.lignesFusion);
            if (c.colonnesFusion > 1)
                attributs += QStringLiteral(" colspan=%1").arg(c.colonnesFusion);
            attributs += c.alignementVertical & Qt::AlignTop ? QStringLiteral(" valign=top")
                                                             : QStringLiteral(" valign=middle");
            if (c.couleur.isValid())
                attributs += QStringLiteral(" bgcolor=%1").arg(Couleur(c.couleur));
            attributs += QStringLiteral(" style=\"border-width: %1px;\"").arg(t.largeurBordureCellule);
            html += QStringLiteral("<td%1>\n").arg(attributs);
            for (const Paragraphe& p : c.paragraphes)
                EcrireParagraphe(html, p);
            for (const ImageFiche& image : c.images)
                EcrireImage(html, image, nomImage);
            html += QStringLiteral("</td>\n");
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
}

// The first free picture name in the folder: a read-only file keeps its name, any other is overwritten.
QString NomImageLibre(const QDir& dossier)
{
    for (int n = 1;; ++n) {
        const QString nom = QStringLiteral("img%1.jpg").arg(n);
        const QFileInfo info(dossier.filePath(nom));
        // The file's read-only mark, whoever runs the program.
        if (!info.exists() || (info.permissions() & QFileDevice::WriteOwner))
            return nom;
    }
}

} // namespace

QString EcrirePageWeb(const DocumentFiche& document, const QString& nomImage)
{
    QString html;
    html += QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                           "\"http://www.w3.org/TR/html4/loose.dtd\">\n<html>");
    html += QStringLiteral("<head><title>%1</title>\n").arg(Echapper(TitrePageWeb));
    html +=
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n");
    html += QStringLiteral("<style type=\"text/css\">\n<!--\n") + FeuilleDeStyle(document) +
            QStringLiteral("-->\n</style>\n</head>\n<body>\n");
    for (const BlocFiche& bloc : document.blocs) {
        if (const auto* p = std::get_if<Paragraphe>(&bloc))
            EcrireParagraphe(html, *p);
        else
            EcrireTableau(html, std::get<TableauFiche>(bloc), nomImage);
    }
    html += QStringLiteral("</body></html>\n");
    // Windows line ends, which the mail's quoted-printable text keeps as line breaks.
    html.replace(u'\n', QStringLiteral("\r\n"));
    return html;
}

QByteArray EncoderPageWeb(const QString& html)
{
    QByteArray octets;
    if (EncoderCp1252(html, octets))
        return octets;
    octets.clear();
    octets.reserve(html.size() + 64);
    QByteArray caractere;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (c.unicode() < 0x80) {
            octets += static_cast<char>(c.unicode());
            continue;
        }
        char32_t point = c.unicode();
        qsizetype longueur = 1;
        if (c.isHighSurrogate() && i + 1 < html.size() && html.at(i + 1).isLowSurrogate()) {
            point = QChar::surrogateToUcs4(c, html.at(i + 1));
            longueur = 2;
        }
        if (longueur == 1 && EncoderCp1252(QString(c), caractere))
            octets += caractere;
        else
            octets += "&#" + QByteArray::number(static_cast<quint32>(point)) + ';';
        i += longueur - 1;
    }
    return octets;
}

Resultat EnregistrerPageWeb(const DocumentFiche& document, const QString& chemin)
{
    const QFileInfo page(chemin);
    const QDir dossier = page.absoluteDir();
    if (!dossier.exists())
        return Resultat::Echec(
            QStringLiteral("Impossible d'enregistrer la page « %1 » : le dossier « %2 » "
                           "n'existe pas.")
                .arg(QDir::toNativeSeparators(chemin), QDir::toNativeSeparators(dossier.path())));
    const ImageFiche* image = document.Image();
    QString nomImage;
    if (image) {
        nomImage = NomImageLibre(dossier);
        QSaveFile fichier(dossier.filePath(nomImage));
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(image->octets) != image->octets.size() ||
            !fichier.commit())
            return Resultat::Echec(
                QStringLiteral("Impossible d'enregistrer l'image « %1 » : %2")
                    .arg(QDir::toNativeSeparators(dossier.filePath(nomImage)), fichier.errorString()));
    }
    const QByteArray octets = EncoderPageWeb(EcrirePageWeb(document, nomImage));
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() || !fichier.commit())
        return Resultat::Echec(QStringLiteral("Impossible d'enregistrer la page « %1 » : %2")
                                   .arg(QDir::toNativeSeparators(chemin), fichier.errorString()));
    return Resultat::Succes();
}
