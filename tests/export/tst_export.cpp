#include "catalogue/tdm.h"
#include "exchange/courriel.h"
#include "exchange/courrielcompte.h"
#include "exchange/pageweb.h"
#include "printing/documentfiche.h"
#include "serveursmtp.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>

namespace {

const QString Cli = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "kinobral-cli");
const QString Python = QStringLiteral("/usr/bin/python3");
const QString LireCourriel = QStringLiteral(KINOBRAL_EXPORT_OUTILS "lire_courriel.py");

QByteArray Jpeg(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(QColor(120, 40, 200));
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPG", 90);
    return octets;
}

QByteArray LireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool EcrireFichier(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

struct Execution
{
    int code = -1;
    QString sortie;
    QString erreur;
};

Execution Executer(const QString& programme, const QStringList& arguments)
{
    QProcess p;
    p.start(programme, arguments);
    Execution e;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) {
        e.erreur = programme + QStringLiteral(" ne s'est pas terminé normalement : ") + p.errorString();
        return e;
    }
    e.code = p.exitCode();
    e.sortie = QString::fromUtf8(p.readAllStandardOutput());
    e.erreur = QString::fromUtf8(p.readAllStandardError());
    return e;
}

// The texts of the document's blocks in order, cells read row by row, one entry per paragraph;
// a picture shows as "[image WxH]".
QStringList Textes(const DocumentFiche& d)
{
    QStringList textes;
    for (const BlocFiche& bloc : d.blocs) {
        if (const auto* p = std::get_if<Paragraphe>(&bloc)) {
            textes << p->texte;
            continue;
        }
        for (const auto& ligne : std::get<TableauFiche>(bloc).cellules)
            for (const CelluleFiche& c : ligne) {
                for (const Paragraphe& p : c.paragraphes)
                    textes << p.texte;
                for (const ImageFiche& i : c.images)
                    textes << QStringLiteral("[image %1x%2]")
                                  .arg(i.tailleAffichage.width())
                                  .arg(i.tailleAffichage.height());
            }
    }
    return textes;
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tailleCouverture_data();
    void tailleCouverture();
    void ficheDansLOrdre();
    void formeDesTableaux();
    void notesSeulementSiNonVides_data();
    void notesSeulementSiNonVides();
    void couvertureIllisible();

    void pageWeb();
    void pageWebEchappeEtGardeChaqueCaractere();
    void pageWebSansCouverture();
    void pageWebImageLectureSeule();
    void pageWebDossierAbsent();

    void envoiReel();
    void envoiSansImage();
    void envoiEchoue_data();
    void envoiEchoue();
    void serveurMuet();

    void serveurMuetApresAccueil();
    void sourcesEnCid();
    void historiqueAdresses();
    void compteThunderbird();

    void imprimerPdf();

private:
    // Adds a film to the test catalogue; fields given as Champ -> text, cover as bytes.
    void AjouterFilm(const QList<QPair<QString, QString>>& champs, const QByteArray& couverture = {});
    Table& Films() { return m_dm->tbFilms(); }
    bool Aller(const QString& titre) { return Films().Locate(QStringLiteral("Titre"), titre); }
    Execution Cmd(const QStringList& arguments)
    {
        // The tool needs the catalogue free.
        m_dm->FermerBase();
        const Execution e = Executer(Cli, QStringList{"--dossier", m_dossier->path()} + arguments);
        [&] { QVERIFY(m_dm->OuvrirBase().estSucces()); }();
        return e;
    }
    QString Chemin(const QString& nom) const { return m_dossier->filePath(nom); }

    std::unique_ptr<QTemporaryDir> m_dossier;
    std::unique_ptr<Tdm> m_dm;
};

void TestExport::init()
{
    m_dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dossier->isValid());
    m_dm = std::make_unique<Tdm>(m_dossier->path() + u'/');
    QVERIFY(m_dm->OuvrirBase().estSucces());
}

void TestExport::cleanup()
{
    m_dm.reset();
    m_dossier.reset();
}

void TestExport::AjouterFilm(const QList<QPair<QString, QString>>& champs, const QByteArray& couverture)
{
    Table& films = Films();
    QVERIFY(films.Append().estSucces());
    for (const auto& [champ, valeur] : champs) {
        const Resultat r = films.EcrireTexte(champ, valeur);
        QVERIFY2(r.estSucces(), qPrintable(champ + u' ' + r.message()));
    }
    if (!couverture.isEmpty())
        QVERIFY(films.EcrireBlob(QStringLiteral("BlobPicture"), couverture).estSucces());
    const Resultat r = films.Post();
    QVERIFY2(r.estSucces(), qPrintable(r.message()));
}

void TestExport::tailleCouverture_data()
{
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QSize>("affichee");
    QTest::newRow("deux fois plus haute") << QSize(300, 600) << QSize(200, 400);
    QTest::newRow("paysage, 151.5 arrondi") << QSize(400, 300) << QSize(202, 152);
    QTest::newRow("rapport 0.505 tout juste") << QSize(202, 400) << QSize(202, 400);
    QTest::newRow("juste au-dessus de 0.505") << QSize(203, 400) << QSize(202, 398);
    QTest::newRow("très haute, 0.5 arrondi") << QSize(1, 800) << QSize(1, 400);
}

void TestExport::tailleCouverture()
{
    QFETCH(QSize, taille);
    QFETCH(QSize, affichee);
    QCOMPARE(TailleAffichageCouverture(taille), affichee);
}

// The sheet's items in the written order, values from the current film, the cover at its display size,
// the summary one paragraph per line and a multi-line audio value kept as one paragraph.
void TestExport::ficheDansLOrdre()
{
    AjouterFilm({{"Titre", "Le Film"},
                 {"Genre", "Drame"},
                 {"Realisateur", "R. Eal"},
                 {"Langue", "France"},
                 {"Scenario", "S. Cen"},
                 {"Musique", "M. Usi"},
                 {"Duree", "01:45:00"},
                 {"Site", "site.fr"},
                 {"Editeur", "Edi"},
                 {"Etoiles", "3 étoiles"},
                 {"Sortie", "31/05/2005"},
                 {"Public", "Tous"},
                 {"Acteur", "Un\nDeux"},
                 {"Resume", "ligne 1\nligne 2\nligne 3"},
                 {"FormatCinema", "2.35"},
                 {"FormatVideo", "16/9"},
                 {"Support", "DVD"},
                 {"ZoneDvd", "2"},
                 {"Standard", "PAL"},
                 {"DateSortieDvd", "01/02/2006"},
                 {"Son", "5.1"},
                 {"Audio", "Français\nAnglais"},
                 {"SousTitres", "Aucun"}},
                Jpeg(400, 300));
    QVERIFY(Aller("Le Film"));
    DocumentFiche d;
    QVERIFY(ConstruireImpression(Films(), d).estSucces());
    const QStringList attendu = {"Le Film",
                                 "",
                                 "Genre",
                                 "Drame",
                                 "[image 202x152]",
                                 "Réalisateur",
                                 "R. Eal",
                                 "Pays",
                                 "France",
                                 "Scénario",
                                 "S. Cen",
                                 "Musique",
                                 "M. Usi",
                                 "Durée",
                                 "01:45:00",
                                 "Site",
                                 "site.fr",
                                 "Editeur",
                                 "Edi",
                                 "Préférence",
                                 "3 étoiles",
                                 "Date de sortie",
                                 "31/05/2005",
                                 "Public",
                                 "Tous",
                                 "",
                                 "Acteurs principaux",
                                 "Un",
                                 "Deux",
                                 "",
                                 "Résumé du film",
                                 "ligne 1",
                                 "ligne 2",
                                 "ligne 3",
                                 "",
                                 "Informations DVD - Vidéo - Audio",
                                 "Format cinéma",
                                 "2.35",
                                 "Format vidéo",
                                 "16/9",
                                 "Support",
                                 "DVD",
                                 "Zone DVD",
                                 "2",
                                 "Standard",
                                 "PAL",
                                 "Date de sortie DVD",
                                 "01/02/2006",
                                 "Son",
                                 "5.1",
                                 "Langue",
                                 "Français\nAnglais",
                                 "Sous-titres",
                                 "Aucun",
                                 ""};
    QCOMPARE(Textes(d), attendu);
    const ImageFiche* image = d.Image();
    QVERIFY(image);
    QCOMPARE(image->octets, Films().Blob(QStringLiteral("BlobPicture")));
    QCOMPARE(image->styleParagraphe, int(ParaDroite));
    QCOMPARE(image->etiquette, 100);
}

// The tables' shape and the styles the three renderers read.
void TestExport::formeDesTableaux()
{
    AjouterFilm({{"Titre", "Forme"}});
    QVERIFY(Aller("Forme"));
    DocumentFiche d;
    QVERIFY(ConstruireImpression(Films(), d).estSucces());
    QList<const TableauFiche*> tableaux;
    for (const BlocFiche& b : d.blocs)
        if (const auto* t = std::get_if<TableauFiche>(&b))
            tableaux << t;
    QCOMPARE(tableaux.size(), 5); // band, main, actors, summary, DVD
    for (const TableauFiche* t : tableaux) {
        QCOMPARE(t->couleurBordure, QColor(50, 22, 9));
        QCOMPARE(t->marge, 2);
        QCOMPARE(t->largeurPreferee, 706);
        for (const auto& ligne : t->cellules)
            QCOMPARE(ligne.front().hauteurPreferee, 20);
    }
    QCOMPARE(tableaux[0]->Cellule(0, 0).couleur, QColor(216, 175, 114));
    const TableauFiche& principal = *tableaux[1];
    QCOMPARE(principal.lignes, 11);
    QCOMPARE(principal.colonnes, 3);
    QCOMPARE(principal.Cellule(0, 0).largeurPreferee + principal.Cellule(0, 1).largeurPreferee +
                 principal.Cellule(0, 2).largeurPreferee,
             706);
    const CelluleFiche& image = principal.Cellule(0, 2);
    QCOMPARE(image.lignesFusion, 11);
    QVERIFY(!image.couleur.isValid());
    QVERIFY(image.alignementVertical & Qt::AlignTop);
    QVERIFY(image.images.empty());
    for (int l = 0; l < 11; ++l) {
        QCOMPARE(principal.Cellule(l, 0).couleur, QColor(216, 175, 114));
        QCOMPARE(principal.Cellule(l, 1).couleur, QColor(Qt::white));
        QCOMPARE(principal.Cellule(l, 2).couverte, l > 0);
    }
    QCOMPARE(tableaux[4]->Cellule(0, 0).largeurPreferee, 142);
    QCOMPARE(tableaux[4]->Cellule(0, 1).largeurPreferee, 564);

    QCOMPARE(d.stylesTexte.size(), size_t(5));
    const StyleTexte& titre = d.stylesTexte[StyleTitre];
    QCOMPARE(titre.police, QStringLiteral("Verdana"));
    QCOMPARE(titre.taillePoints, 10);
    QVERIFY(titre.gras);
    const StyleTexte& souligne = d.stylesTexte[StyleGrasSouligne];
    QVERIFY(souligne.gras && souligne.souligne && souligne.majuscules);
    QCOMPARE(d.stylesTexte[StyleLien].couleur, QColor(81, 0, 81));
    QCOMPARE(d.stylesParagraphe.size(), size_t(5));
    QCOMPARE(d.stylesParagraphe[ParaBordure].decalageHaut, 10);
    QVERIFY(d.stylesParagraphe[ParaDroite].alignement & Qt::AlignRight);
}

void TestExport::notesSeulementSiNonVides_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<bool>("titreNotes");
    QTest::newRow("vides") << QString() << false;
    QTest::newRow("une espace") << QStringLiteral(" ") << true;
    QTest::newRow("deux lignes") << QStringLiteral("a\nb") << true;
}

void TestExport::notesSeulementSiNonVides()
{
    QFETCH(QString, notes);
    QFETCH(bool, titreNotes);
    AjouterFilm({{"Titre", "Avec notes"}, {"Notes", notes}});
    QVERIFY(Aller("Avec notes"));
    DocumentFiche d;
    QVERIFY(ConstruireImpression(Films(), d).estSucces());
    const QStringList textes = Textes(d);
    const qsizetype i = textes.indexOf(QStringLiteral("Notes"));
    QCOMPARE(i >= 0, titreNotes);
    if (titreNotes) // heading, each line, then the spacer
        QCOMPARE(textes.mid(i), QStringList{"Notes"} + notes.split(u'\n') + QStringList{""});
    else
        QCOMPARE(textes.last(), QString());
}

// A stored cover that is not a readable JPEG stops the build; the tool then writes nothing.
void TestExport::couvertureIllisible()
{
    AjouterFilm({{"Titre", "Abîmé"}}, QByteArray("pas une image JPEG"));
    AjouterFilm({{"Titre", "Tronqué"}}, QByteArray("\xFF\xD8\xFF\xE0", 4));
    for (const char* titre : {"Abîmé", "Tronqué"}) {
        QVERIFY(Aller(QString::fromUtf8(titre)));
        DocumentFiche d;
        const Resultat r = ConstruireImpression(Films(), d);
        QVERIFY(!r.estSucces());
        QVERIFY2(r.message().contains(QStringLiteral("JPEG")), qPrintable(r.message()));
        QVERIFY(!d.Image());
    }
    const Execution e = Cmd({"exporter-web", "Abîmé", Chemin("page.htm")});
    QCOMPARE(e.code, 1);
    QVERIFY(e.erreur.contains(QStringLiteral("n'est pas une image JPEG lisible")));
    QVERIFY(!QFile::exists(Chemin("page.htm")));
    QVERIFY(!QFile::exists(Chemin("img1.jpg")));
    const Execution pdf = Cmd({"imprimer", "Abîmé", Chemin("fiche.pdf")});
    QCOMPARE(pdf.code, 1);
    QVERIFY(!QFile::exists(Chemin("fiche.pdf")));
}

// The page's fixed properties, and img1.jpg holding the stored bytes unchanged.
void TestExport::pageWeb()
{
    const QByteArray couverture = Jpeg(300, 600);
    AjouterFilm({{"Titre", "Page"}, {"Genre", "Comédie"}}, couverture);
    QVERIFY(EcrireFichier(Chemin("img1.jpg"), "ancienne image"));
    const Execution e = Cmd({"exporter-web", "Page", Chemin("page.htm")});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    QCOMPARE(LireFichier(Chemin("img1.jpg")), couverture);
    const QByteArray page = LireFichier(Chemin("page.htm"));
    QVERIFY(page.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\""));
    QVERIFY(page.contains("<html><head><title>Mavrel - Kinobral 2005</title>\r\n"));
    QVERIFY(page.contains("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"));
    QVERIFY(page.contains("<style type=\"text/css\">\r\n<!--\r\n"));
    QVERIFY(page.contains("background-color: #ffffff"));
    for (int i = 0; i < 5; ++i)
        QVERIFY(page.contains("span.rvts" + QByteArray::number(i)) &&
                page.contains(".rvps" + QByteArray::number(i)));
    QVERIFY(page.contains("text-transform: uppercase"));
    QVERIFY(page.contains("width=706"));
    QVERIFY(page.contains("bgcolor=#d8af72"));
    QVERIFY(page.contains("border-color: #321609"));
    QVERIFY(page.contains("rowspan=11"));
    QVERIFY(page.contains("width=200 height=400 src=\"img1.jpg\""));
    QCOMPARE(page.count("<img"), 1);
    QVERIFY(page.contains("Com\xE9"
                          "die")); // windows-1252
    QVERIFY(!page.contains("<a "));
    // No upper-case tag anywhere.
    QVERIFY(!QRegularExpression(QStringLiteral("</?[A-Z]+[ >]")).match(QString::fromLatin1(page)).hasMatch());
    QVERIFY(page.trimmed().endsWith("</body></html>"));
}

// Values show as typed: markup characters are escaped, characters outside windows-1252 become
// numeric references, the others are the code page's bytes.
void TestExport::pageWebEchappeEtGardeChaqueCaractere()
{
    AjouterFilm(
        {{"Titre", "Tom & Jerry <VO>"}, {"Genre", "\"dit\" l'ami"}, {"Realisateur", "Ωmega 😀 – 100 €"}});
    const Execution e = Cmd({"exporter-web", "Tom & Jerry <VO>", Chemin("page.htm")});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    const QByteArray page = LireFichier(Chemin("page.htm"));
    QVERIFY(page.contains("Tom &amp; Jerry &lt;VO&gt;"));
    QVERIFY(!page.contains("<VO>"));
    QVERIFY(page.contains("&quot;dit&quot; l&#39;ami"));
    QVERIFY(page.contains("&#937;mega &#128512; \x96 100 \x80"));
    QVERIFY(!QFile::exists(Chemin("img1.jpg")));
}

// No cover: no picture element and no picture file; an earlier img1.jpg is left alone.
void TestExport::pageWebSansCouverture()
{
    AjouterFilm({{"Titre", "Sans image"}});
    QVERIFY(Aller("Sans image"));
    DocumentFiche d;
    QVERIFY(ConstruireImpression(Films(), d).estSucces());
    QVERIFY(!d.Image());
    const QString html = EcrirePageWeb(d, QStringLiteral("img1.jpg"));
    QVERIFY(!html.contains(QStringLiteral("<img")));
    QVERIFY(!html.contains(QStringLiteral("src=")));
    QVERIFY(EcrireFichier(Chemin("img1.jpg"), "autre"));
    QVERIFY(EnregistrerPageWeb(d, Chemin("page.htm")).estSucces());
    QCOMPARE(LireFichier(Chemin("img1.jpg")), QByteArray("autre"));
}

// A read-only img1.jpg is skipped: the cover goes to img2.jpg and the page says so.
void TestExport::pageWebImageLectureSeule()
{
    const QByteArray couverture = Jpeg(202, 400);
    AjouterFilm({{"Titre", "Lecture seule"}}, couverture);
    QVERIFY(EcrireFichier(Chemin("img1.jpg"), "protégée"));
    QVERIFY(QFile::setPermissions(Chemin("img1.jpg"), QFile::ReadOwner | QFile::ReadUser));
    const Execution e = Cmd({"exporter-web", "Lecture seule", Chemin("page.htm")});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    QCOMPARE(LireFichier(Chemin("img1.jpg")), QByteArray("protégée"));
    QCOMPARE(LireFichier(Chemin("img2.jpg")), couverture);
    QVERIFY(LireFichier(Chemin("page.htm")).contains("width=202 height=400 src=\"img2.jpg\""));
}

void TestExport::pageWebDossierAbsent()
{
    AjouterFilm({{"Titre", "Ailleurs"}}, Jpeg(10, 10));
    const Execution e = Cmd({"exporter-web", "Ailleurs", Chemin("absent/page.htm")});
    QCOMPARE(e.code, 1);
    QVERIFY2(e.erreur.startsWith(QStringLiteral("Impossible d'enregistrer la page")), qPrintable(e.erreur));
}

namespace {

// What a mail program reads from the one message the server received.
QJsonObject MessageRecu(const ServeurSmtp& serveur, const QString& image)
{
    const Execution e = Executer(Python, {LireCourriel, serveur.Boite(), image});
    return QJsonDocument::fromJson(e.sortie.toUtf8()).object();
}

} // namespace

// A real send: the message as a mail program reads it.
void TestExport::envoiReel()
{
    const QByteArray couverture = Jpeg(300, 600);
    AjouterFilm({{"Titre", "Courriel & cie"}, {"Resume", "Été"}}, couverture);
    ServeurSmtp serveur(Chemin("boite"));
    QVERIFY(serveur.Pret());
    const Execution e = Cmd({"envoyer", "Courriel & cie", "un@exemple.fr, deux@exemple.fr", "--serveur",
                             "127.0.0.1", "--port", QString::number(serveur.Port()), "--de", "moi@exemple.fr",
                             "--utilisateur", "moi", "--delai", "10"});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    QCOMPARE(e.sortie, QStringLiteral("Envoi en cours ...\nEnvoi terminé !\n"));

    const QJsonObject m = MessageRecu(serveur, Chemin("image.bin"));
    QVERIFY2(!m.contains("erreur"), qPrintable(m.value("erreur").toString()));
    QCOMPARE(m.value("subject").toString(), QStringLiteral("Kinobral 2005"));
    QCOMPARE(m.value("from").toString(), QStringLiteral("moi@exemple.fr"));
    QCOMPARE(m.value("mail_from").toString(), QStringLiteral("moi@exemple.fr"));
    QCOMPARE(m.value("rcpt").toString(), QStringLiteral("un@exemple.fr, deux@exemple.fr"));
    QCOMPARE(m.value("mime_version").toString(), QStringLiteral("1.0"));
    QVERIFY(!m.value("date").toString().isEmpty());
    QVERIFY(m.value("message_id").toString().startsWith(u'<'));

    const QJsonArray parties = m.value("parties").toArray();
    QStringList types;
    for (const QJsonValue& p : parties)
        types << p.toObject().value("type").toString();
    QCOMPARE(types, (QStringList{"multipart/mixed", "multipart/alternative", "text/plain", "text/html",
                                 "image/jpeg"}));
    const QJsonObject texte = parties[2].toObject();
    QCOMPARE(texte.value("encodage").toString(), QStringLiteral("quoted-printable"));
    QCOMPARE(texte.value("corps").toString(), QString());
    const QJsonObject html = parties[3].toObject();
    QCOMPARE(html.value("encodage").toString(), QStringLiteral("quoted-printable"));
    QCOMPARE(html.value("charset").toString(), QString());
    const QString corps = html.value("corps").toString(); // bytes as Latin-1
    QCOMPARE(corps.toLatin1().replace('\r', ""),
             LireFichier(Chemin("export/courriel.htm")).replace("src=\"", "src=\"cid:").replace('\r', ""));
    QVERIFY(corps.contains(QStringLiteral("src=\"cid:img1.jpg\"")));
    QVERIFY(corps.contains(QStringLiteral("Courriel &amp; cie")));
    QVERIFY(corps.contains(QStringLiteral("\xC9t\xE9")));
    const QJsonObject image = parties[4].toObject();
    QCOMPARE(image.value("encodage").toString(), QStringLiteral("base64"));
    QCOMPARE(image.value("content_id").toString(), QStringLiteral("<img1.jpg>"));
    QCOMPARE(image.value("disposition").toString(), QStringLiteral("inline"));
    QCOMPARE(image.value("filename").toString(), QStringLiteral("img1.jpg"));
    QCOMPARE(LireFichier(Chemin("image.bin")), couverture);

    // The whole text of the address box is one history entry.
    QCOMPARE(LireFichier(Chemin("Config.ini")), QByteArray("un@exemple.fr, deux@exemple.fr\r\n"));
}

// No cover: the alternative block alone.
void TestExport::envoiSansImage()
{
    AjouterFilm({{"Titre", "Nu"}});
    // A picture left by an earlier export is not sent.
    QVERIFY(QDir().mkpath(Chemin("export")));
    QVERIFY(EcrireFichier(Chemin("export/img1.jpg"), Jpeg(8, 8)));
    ServeurSmtp serveur(Chemin("boite"));
    QVERIFY(serveur.Pret());
    const Execution e = Cmd({"envoyer", "Nu", "a@b.fr", "--serveur", "127.0.0.1", "--port",
                             QString::number(serveur.Port()), "--delai", "10"});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    const QJsonArray parties = MessageRecu(serveur, Chemin("image.bin")).value("parties").toArray();
    QStringList types;
    for (const QJsonValue& p : parties)
        types << p.toObject().value("type").toString();
    QCOMPARE(types, (QStringList{"multipart/mixed", "multipart/alternative", "text/plain", "text/html"}));
}

void TestExport::envoiEchoue_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("pageExiste");
    QTest::addColumn<QString>("debut");
    QTest::newRow("port qui n'est pas un nombre") << "2a5" << true << "Erreur d'envoi : [« 2a5 »";
    QTest::newRow("port vide") << "" << true << "Erreur d'envoi : [";
    QTest::newRow("page absente") << "25" << false << "Erreur d'envoi : [Impossible d'ouvrir le fichier";
    QTest::newRow("connexion refusée") << QString::number(PortLibre()) << true
                                       << "Erreur d'envoie : [Connexion impossible au serveur « 127.0.0.1 »";
}

void TestExport::envoiEchoue()
{
    QFETCH(QString, port);
    QFETCH(bool, pageExiste);
    QFETCH(QString, debut);
    const QString page = Chemin("courriel.htm");
    if (pageExiste)
        QVERIFY(EcrireFichier(page, "<html><body><img src=\"img1.jpg\"></body></html>"));
    QVERIFY(EcrireFichier(Chemin("img1.jpg"), Jpeg(8, 8)));
    ParametresCourriel p;
    p.serveur = QStringLiteral("127.0.0.1");
    p.port = port;
    p.destinataires = QStringLiteral("a@b.fr");
    p.delaiConnexionMs = p.delaiReponseMs = 5000;
    const Resultat r = EnvoyerCourriel(page, p);
    QVERIFY(!r.estSucces());
    QVERIFY2(r.message().startsWith(debut), qPrintable(r.message()));
    QVERIFY(r.message().endsWith(u']'));
}

// A server that accepts the connection and never greets ends in the exchange's error, not in a wait
// without end.
void TestExport::serveurMuet()
{
    QTcpServer muet;
    QVERIFY(muet.listen(QHostAddress::LocalHost, 0));
    const QString page = Chemin("courriel.htm");
    QVERIFY(EcrireFichier(page, "<html></html>"));
    ParametresCourriel p;
    p.serveur = QStringLiteral("127.0.0.1");
    p.port = QString::number(muet.serverPort());
    p.destinataires = QStringLiteral("a@b.fr");
    p.delaiConnexionMs = p.delaiReponseMs = 1000;
    const Resultat r = EnvoyerCourriel(page, p);
    QVERIFY(!r.estSucces());
    QCOMPARE(r.code(), int(ErreurEchange));
    QCOMPARE(r.message(), QStringLiteral("Erreur d'envoie : [Le serveur « 127.0.0.1 » ne répond pas.]"));
}

// A server that greets, then stays silent after EHLO: the send, run off this thread as the mail window
// runs it, ends in the exchange's error after the reply limit.
void TestExport::serveurMuetApresAccueil()
{
    QTcpServer serveur;
    QVERIFY(serveur.listen(QHostAddress::LocalHost, 0));
    QList<QTcpSocket*> connexions;
    connect(&serveur, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket* s = serveur.nextPendingConnection()) {
            s->write("220 muet ESMTP\r\n");
            connexions << s;
        }
    });
    const QString page = Chemin("courriel.htm");
    QVERIFY(EcrireFichier(page, "<html></html>"));
    ParametresCourriel p;
    p.serveur = QStringLiteral("127.0.0.1");
    p.port = QString::number(serveur.serverPort());
    p.destinataires = QStringLiteral("a@b.fr");
    p.delaiConnexionMs = p.delaiReponseMs = 1000;
    Resultat r;
    std::atomic<bool> fini = false;
    std::thread envoi([&] {
        r = EnvoyerCourriel(page, p);
        fini = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(fini, 60000);
    envoi.join();
    QCOMPARE(connexions.size(), 1);
    QCOMPARE(r.code(), int(ErreurEchange));
    QCOMPARE(r.message(), QStringLiteral("Erreur d'envoie : [Le serveur « 127.0.0.1 » ne répond pas.]"));
}

// Every src=" in any letter case gets cid:, and nothing else changes.
void TestExport::sourcesEnCid()
{
    QCOMPARE(RemplacerSourcesParCid("<IMG SRC=\"a.jpg\"><img Src=\"img1.jpg\"> src='x' src=\"\xE9\""),
             QByteArray("<IMG SRC=\"cid:a.jpg\"><img Src=\"cid:img1.jpg\"> src='x' src=\"cid:\xE9\""));
}

void TestExport::historiqueAdresses()
{
    const QString config = Chemin("Config.ini");
    QVERIFY(LireHistoriqueAdresses(config).isEmpty());
    QVERIFY(EcrireFichier(config, "bernard@x.fr\r\nAlice@x.fr\r\nzoe@x.fr"));
    QStringList historique = LireHistoriqueAdresses(config);
    QCOMPARE(historique, (QStringList{"Alice@x.fr", "bernard@x.fr", "zoe@x.fr"}));

    // Already there, in another letter case: the file stays as it was.
    bool ajoutee = true;
    QVERIFY(MemoriserAdresse(config, historique, QStringLiteral("ALICE@X.FR"), &ajoutee).estSucces());
    QVERIFY(!ajoutee);
    QCOMPARE(LireFichier(config), QByteArray("bernard@x.fr\r\nAlice@x.fr\r\nzoe@x.fr"));

    // New: in its alphabetical place, and the whole list written.
    QVERIFY(MemoriserAdresse(config, historique, QStringLiteral("Claire@x.fr"), &ajoutee).estSucces());
    QVERIFY(ajoutee);
    QCOMPARE(historique, (QStringList{"Alice@x.fr", "bernard@x.fr", "Claire@x.fr", "zoe@x.fr"}));
    QCOMPARE(LireFichier(config), QByteArray("Alice@x.fr\r\nbernard@x.fr\r\nClaire@x.fr\r\nzoe@x.fr\r\n"));

    // An address with a character of the code page is written in it and reads back the same.
    QVERIFY(MemoriserAdresse(config, historique, QStringLiteral("élodie@x.fr"), &ajoutee).estSucces());
    QVERIFY(LireFichier(config).endsWith("\xE9lodie@x.fr\r\nzoe@x.fr\r\n"));
    QCOMPARE(LireHistoriqueAdresses(config), historique);
}

void TestExport::compteThunderbird()
{
    const QString dossier = Chemin("thunderbird");
    QCOMPARE(LireCompteMessagerie(dossier).serveur, QString()); // no profile: empty fields
    QVERIFY(QDir().mkpath(dossier + "/abc.default-release"));
    QVERIFY(QDir().mkpath(dossier + "/xyz.autre"));
    QVERIFY(EcrireFichier(
        dossier + "/profiles.ini",
        "[Profile1]\nName=autre\nIsRelative=1\nPath=xyz.autre\n\n"
        "[Profile0]\nName=default-release\nIsRelative=1\nPath=abc.default-release\nDefault=1\n"));
    QVERIFY(EcrireFichier(dossier + "/xyz.autre/prefs.js",
                          "user_pref(\"mail.accountmanager.defaultaccount\", \"account1\");\n"));
    QVERIFY(EcrireFichier(dossier + "/abc.default-release/prefs.js",
                          "// Mozilla User Preferences\n"
                          "user_pref(\"mail.account.account2.identities\", \"id2,id3\");\n"
                          "user_pref(\"mail.accountmanager.defaultaccount\", \"account2\");\n"
                          "user_pref(\"mail.identity.id1.useremail\", \"ancien@x.fr\");\n"
                          "user_pref(\"mail.identity.id2.smtpServer\", \"smtp2\");\n"
                          "user_pref(\"mail.identity.id2.useremail\", \"moi@exemple.fr\");\n"
                          "user_pref(\"mail.smtpserver.smtp1.hostname\", \"mauvais.fr\");\n"
                          "user_pref(\"mail.smtpserver.smtp2.hostname\", \"smtp.exemple.fr\");\n"
                          "user_pref(\"mail.smtpserver.smtp2.port\", 587);\n"
                          "user_pref(\"mail.smtpserver.smtp2.username\", \"moi\");\n"));
    const CompteMessagerie compte = LireCompteMessagerie(dossier);
    QCOMPARE(compte.serveur, QStringLiteral("smtp.exemple.fr"));
    QCOMPARE(compte.adresse, QStringLiteral("moi@exemple.fr"));
    QCOMPARE(compte.nomCompte, QStringLiteral("moi"));
}

// The printed sheet read back: labels and values in order, no page number.
void TestExport::imprimerPdf()
{
    AjouterFilm({{"Titre", "Imprimé"},
                 {"Genre", "Western"},
                 {"Realisateur", "Sergio"},
                 {"Resume", "premier\nsecond"},
                 {"Notes", "à revoir"}},
                Jpeg(300, 600));
    const Execution e = Cmd({"imprimer", "Imprimé", Chemin("fiche.pdf")});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    const Execution texte = Executer(QStringLiteral("pdftotext"), {"-raw", Chemin("fiche.pdf"), "-"});
    QCOMPARE(texte.code, 0);
    const QString t = texte.sortie;
    qsizetype position = 0;
    for (const char* attendu : {"Imprimé", "Genre", "Western", "Réalisateur", "Sergio", "Public",
                                "ACTEURS PRINCIPAUX", "RÉSUMÉ DU FILM", "premier", "second",
                                "INFORMATIONS DVD - VIDÉO - AUDIO", "Sous-titres", "NOTES", "à revoir"}) {
        const qsizetype i = t.indexOf(QString::fromUtf8(attendu), position);
        QVERIFY2(i >= 0,
                 qPrintable(QStringLiteral("« %1 » absent ou hors d'ordre dans :\n%2").arg(attendu, t)));
        position = i;
    }
    QVERIFY2(!QRegularExpression(QStringLiteral("(^|\\n)\\s*\\d+\\s*(\\n|$)")).match(t).hasMatch(),
             qPrintable(t));
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
