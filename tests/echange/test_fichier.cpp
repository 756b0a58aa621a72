#include "exchange/fichefichier.h"
#include "outils_echange.h"
#include "system/cp1252.h"
#include "tests_echange.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QtEndian>

void TestFichier::extraireChamp_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("deux valeurs, séparateur final, 3e") << "a|b|" << 3 << "";
    QTest::newRow("deux valeurs, séparateur final, 2e") << "a|b|" << 2 << "b";
    QTest::newRow("deux valeurs, 2e") << "a|b" << 2 << "b";
    QTest::newRow("deux valeurs, 3e") << "a|b" << 3 << "";
    QTest::newRow("sans séparateur, 1er") << "abc" << 1 << "abc";
    QTest::newRow("sans séparateur, index 0") << "abc" << 0 << "";
    QTest::newRow("sans séparateur, 2e") << "abc" << 2 << "";
    QTest::newRow("texte vide, 1er") << "" << 1 << "";
    QTest::newRow("texte vide, 5e") << "" << 5 << "";
    QTest::newRow("valeur vide au milieu") << "a||c" << 2 << "";
    QTest::newRow("après une valeur vide") << "a||c" << 3 << "c";
    QTest::newRow("première valeur vide") << "|x" << 1 << "";
    QTest::newRow("index négatif") << "a|b" << -1 << "";
    QTest::newRow("index 255 au-delà") << "a|b" << 255 << "";
    QTest::newRow("24e de 25") << QString(
                                      "v1|v2|v3|v4|v5|v6|v7|v8|v9|v10|v11|v12|v13|v14|v15|v16|v17|v18|v19|"
                                      "v20|v21|v22|v23|v24|v25")
                               << 24 << "v24";
    QTest::newRow("lignes CR LF") << "a\r\nb|c" << 1 << "a\r\nb";
}

void TestFichier::extraireChamp()
{
    QFETCH(QString, texte);
    QFETCH(int, index);
    QFETCH(QString, attendu);
    QCOMPARE(ExtraireChamp(texte, u'|', index), attendu);
}

void TestFichier::cp1252_data()
{
    QTest::addColumn<QString>("caractere");
    QTest::addColumn<int>("octet"); // -1: no byte in the code page

    QTest::newRow("ASCII") << "A" << 0x41;
    QTest::newRow("e accent aigu") << "é" << 0xE9;
    QTest::newRow("euro") << "€" << 0x80;
    QTest::newRow("points de suspension") << "…" << 0x85;
    QTest::newRow("oe lié") << "œ" << 0x9C;
    QTest::newRow("apostrophe courbe") << "’" << 0x92;
    QTest::newRow("Y tréma") << "Ÿ" << 0x9F;
    QTest::newRow("octet non attribué 81") << QString(QChar(0x81)) << 0x81;
    QTest::newRow("espace insécable") << QString(QChar(0xA0)) << 0xA0;
    QTest::newRow("o double aigu") << "ő" << -1;
    QTest::newRow("idéogramme") << "日" << -1;
    QTest::newRow("hors du plan de base") << "🎬" << -1;
    QTest::newRow("contrôle C1 qui est un caractère") << QString(QChar(0x80)) << -1;
}

void TestFichier::cp1252()
{
    QFETCH(QString, caractere);
    QFETCH(int, octet);
    QByteArray octets;
    const bool encode = EncoderCp1252(QStringLiteral("x") + caractere, octets);
    QCOMPARE(encode, octet >= 0);
    if (encode) {
        QCOMPARE(octets, QByteArray("x") + char(octet));
        QCOMPARE(DecoderCp1252(octets), QStringLiteral("x") + caractere);
    } else {
        QVERIFY(octets.isEmpty());
    }
}

// Every byte has a character, and that character encodes back to the same byte.
void TestFichier::cp1252ToutOctet()
{
    QByteArray tous;
    for (int i = 0; i < 256; ++i) {
        tous += char(i);
    }
    const QString texte = DecoderCp1252(tous);
    QCOMPARE(texte.size(), 256);
    QByteArray retour;
    QVERIFY(EncoderCp1252(texte, retour));
    QCOMPARE(retour, tous);
}

// A film whose only field is a one-letter title: the length 24, the letter and 23 separators.
void TestFichier::ficheTitreSeul()
{
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    QVERIFY(AjouterFilm(catalogue.films(), {{"Titre", "A"}}).estSucces());
    ContenuFiche contenu;
    QVERIFY(LireFicheFilm(catalogue.films(), contenu).estSucces());
    const QString chemin = catalogue.Chemin("a.kbx");
    QVERIFY(EcrireFichierFiche(chemin, contenu).estSucces());

    const QByteArray octets = LireOctets(chemin);
    QCOMPARE(octets.size(), 4 + 24);
    QCOMPARE(octets, QByteArray::fromHex("18000000") + "A" + QByteArray(23, '|'));
}

// With a cover: 4 + N + 4 + 10 + M bytes, the last M being the stored picture.
void TestFichier::ficheAvecCouverture()
{
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    const QByteArray couverture = Couverture();
    QVERIFY(couverture.size() > 100);
    QVERIFY(AjouterFilm(catalogue.films(), FilmComplet("Été"), couverture).estSucces());
    ContenuFiche contenu;
    QVERIFY(LireFicheFilm(catalogue.films(), contenu).estSucces());
    const QString chemin = catalogue.Chemin("ete.kbx");
    QVERIFY(EcrireFichierFiche(chemin, contenu).estSucces());

    const QByteArray octets = LireOctets(chemin);
    const qint32 n = qFromLittleEndian<qint32>(octets.constData());
    const qint64 m = couverture.size();
    QCOMPARE(octets.size(), 4 + n + 4 + 10 + m);
    QCOMPARE(octets.mid(4 + n, 14), QByteArray::fromHex("0a000000") + "TJPEGImage");
    QCOMPARE(octets.right(m), catalogue.films().Blob("BlobPicture"));
    QCOMPARE(octets.right(m), couverture);
}

// The 24 values in order, in their text forms, code page 1252, memo lines in CR LF whatever the store holds.
void TestFichier::texteDeLaFiche()
{
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    Champs champs = FilmComplet("Ça tourne");
    champs.append(
        qMakePair(QStringLiteral("Resume"),
                  QStringLiteral("une\nseule\rfin"))); // written last: replaces the complete film's summary
    QVERIFY(AjouterFilm(catalogue.films(), champs).estSucces());
    ContenuFiche contenu;
    QVERIFY(LireFicheFilm(catalogue.films(), contenu).estSucces());
    QVERIFY(contenu.image.isEmpty());
    const QString attendu = QStringList{"Ça tourne",
                                        "Comédie dramatique",
                                        "Hélène Vautrin",
                                        "Raphaël Mercier",
                                        "Zoé Lambert",
                                        "01:45:30",
                                        "http://www.exemple.fr/film",
                                        "Éditions Sépia",
                                        "31/05/2005",
                                        "Interdit - 12 ans",
                                        "12.5",
                                        "Anne Dupré, Léo Marin\r\nJosé Ferrand; Inès Roy",
                                        "une\r\nseule\r\nfin",
                                        "2.35",
                                        "16/9 compatible 4/3",
                                        "Vidéo CD",
                                        "Zone 2",
                                        "Secam",
                                        "01/12/2005",
                                        "Hifi Stéréo",
                                        "Français\r\nAnglais",
                                        "Français\r\nNéerlandais\r\nGrec",
                                        "3 étoiles",
                                        "Côte d'Ivoire"}
                                .join(u'|');
    QCOMPARE(contenu.texte, attendu);

    const QString chemin = catalogue.Chemin("ca.kbx");
    QVERIFY(EcrireFichierFiche(chemin, contenu).estSucces());
    const QByteArray octets = LireOctets(chemin);
    QByteArray texte;
    QVERIFY(EncoderCp1252(attendu, texte));
    QCOMPARE(octets, Entier32(qint32(texte.size())) + texte);
    QVERIFY(octets.contains("\xC7\x61 tourne")); // "Ça" as one byte per letter
}

// A sheet as another copy of the program writes it: code page 1252, CR LF, a cover.
void TestFichier::ficheDUneAutreCopie()
{
    ContenuFiche contenu;
    QVERIFY(LireFichierFiche(Fixture("leonie.kbx"), contenu).estSucces());
    QCOMPARE(ExtraireChamp(contenu.texte, u'|', 1), QString("Le Destin fabuleux de Léonie"));
    QCOMPARE(
        ExtraireChamp(contenu.texte, u'|', 13),
        QString(
            "Léonie, serveuse à Montmartre… a bon cœur.\r\nElle décide de changer la vie des autres (9 €)."));
    QCOMPARE(ExtraireChamp(contenu.texte, u'|', 24), QString("France"));
    QCOMPARE(ExtraireChamp(contenu.texte, u'|', 25), QString());
    QCOMPARE(contenu.image, Couverture());

    // Written again, the file is the same to the byte.
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    QVERIFY(EcrireFichierFiche(dossier.filePath("copie.kbx"), contenu).estSucces());
    QCOMPARE(LireOctets(dossier.filePath("copie.kbx")), LireOctets(Fixture("leonie.kbx")));
}

void TestFichier::texteHorsCodePage_data()
{
    QTest::addColumn<QString>("titre");
    QTest::newRow("japonais") << "Ōkami – 日本の狼";
    QTest::newRow("hors du plan de base") << "Clap 🎬";
    // Code page text, but it begins as the mark reads in the code page.
    QTest::newRow("commence comme la marque") << "ï»¿Titre";
}

// Kept whole in UTF-8 behind the mark; other copies see the mark as three characters before the title.
void TestFichier::texteHorsCodePage()
{
    QFETCH(QString, titre);
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    QVERIFY(AjouterFilm(catalogue.films(), FilmComplet(titre), Couverture()).estSucces());
    ContenuFiche ecrit;
    QVERIFY(LireFicheFilm(catalogue.films(), ecrit).estSucces());
    const QString chemin = catalogue.Chemin("utf8.kbx");
    QVERIFY(EcrireFichierFiche(chemin, ecrit).estSucces());

    const QByteArray octets = LireOctets(chemin);
    const qint32 n = qFromLittleEndian<qint32>(octets.constData());
    QCOMPARE(octets.mid(4, n), "\xEF\xBB\xBF" + ecrit.texte.toUtf8());
    QCOMPARE(DecoderCp1252(octets.mid(4, n)).left(3), QString("ï»¿"));

    ContenuFiche lu;
    QVERIFY(LireFichierFiche(chemin, lu).estSucces());
    QCOMPARE(lu, ecrit);
    QCOMPARE(ExtraireChamp(lu.texte, u'|', 1), titre);
}

// The mark's three bytes followed by what is not UTF-8: a code page text that happens to begin so.
void TestFichier::marqueSuivieDeCodePage()
{
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const QByteArray texte = QByteArray("\xEF\xBB\xBF") + "Caf\xE9";
    QVERIFY(EcrireOctets(dossier.filePath("f.kbx"), Entier32(qint32(texte.size())) + texte));
    ContenuFiche lu;
    QVERIFY(LireFichierFiche(dossier.filePath("f.kbx"), lu).estSucces());
    QCOMPARE(lu.texte, QString("ï»¿Café"));
}

void TestFichier::fichierEndommage_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("raison");

    const QByteArray texte = "T|||||||||||||||||||||||";
    const QByteArray debut = Entier32(qint32(texte.size())) + texte;
    const QByteArray type = Entier32(10) + "TJPEGImage";

    QTest::newRow("vide") << QByteArray() << "moins de 4 octets";
    QTest::newRow("3 octets") << QByteArray("\x01\x00\x00", 3) << "moins de 4 octets";
    QTest::newRow("longueur négative") << Entier32(-1) + texte << "longueur du texte est négative (-1)";
    QTest::newRow("longueur au-delà de la fin") << Entier32(qint32(texte.size()) + 1) + texte
                                                << "le texte annonce 25 octets, le fichier n'en a que 24";
    QTest::newRow("longueur immense") << Entier32(0x7FFFFFFF) + texte << "le texte annonce 2147483647 octets";
    QTest::newRow("partie image de 3 octets")
        << debut + QByteArray("\x0a\x00\x00", 3) << "la partie image est tronquée";
    QTest::newRow("type de longueur négative") << debut + Entier32(-10) + "TJPEGImage" + Couverture()
                                               << "longueur du type de l'image est négative (-10)";
    QTest::newRow("type au-delà de la fin") << debut + Entier32(10) + "TJPEG"
                                            << "le type de l'image dépasse";
    QTest::newRow("image vide") << debut + type << "son image n'est pas une image JPEG";
    QTest::newRow("image BMP") << debut + type + "BM\x36\x00\x00\x00"
                               << "son image n'est pas une image JPEG";
}

// A clear message naming the file and what is wrong, and nothing read.
void TestFichier::fichierEndommage()
{
    QFETCH(QByteArray, octets);
    QFETCH(QString, raison);
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const QString chemin = dossier.filePath("abimee.kbx");
    QVERIFY(EcrireOctets(chemin, octets));

    ContenuFiche contenu{"reste d'avant", "\xFF\xD8\xFF"};
    const Resultat r = LireFichierFiche(chemin, contenu);
    QVERIFY(!r);
    QVERIFY2(r.message().startsWith(
                 QString("La fiche « %1 » est endommagée : ").arg(QDir::toNativeSeparators(chemin))),
             qPrintable(r.message()));
    QVERIFY2(r.message().contains(raison), qPrintable(r.message()));
    QCOMPARE(contenu, ContenuFiche());
}

void TestFichier::fichierImpossibleAOuvrir()
{
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    ContenuFiche contenu{"reste", {}};
    const QString absent = dossier.filePath("absente.kbx");
    Resultat r = LireFichierFiche(absent, contenu);
    QCOMPARE(r.message(),
             QString("Impossible d'ouvrir le fichier \"%1\". Le fichier ou le dossier spécifié est "
                     "introuvable.")
                 .arg(absent));
    QCOMPARE(contenu, ContenuFiche());

    r = LireFichierFiche(dossier.path(), contenu);
    QCOMPARE(
        r.message(),
        QString("Impossible d'ouvrir le fichier \"%1\". Ce nom est celui d'un dossier.").arg(dossier.path()));
}

// Nothing is written, and a file already there stays as it was.
void TestFichier::fichierImpossibleACreer()
{
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const ContenuFiche contenu{"T|||||||||||||||||||||||", Couverture()};

    const QString dansDossierAbsent = dossier.filePath("absent/f.kbx");
    Resultat r = EcrireFichierFiche(dansDossierAbsent, contenu);
    QVERIFY(!r);
    QVERIFY2(
        r.message().startsWith(QString("Impossible de créer le fichier \"%1\". ").arg(dansDossierAbsent)),
        qPrintable(r.message()));
    QVERIFY(!QFileInfo::exists(dossier.filePath("absent")));

    QVERIFY(EcrireOctets(dossier.filePath("simple"), "contenu"));
    const QString sousUnFichier = dossier.filePath("simple/f.kbx");
    r = EcrireFichierFiche(sousUnFichier, contenu);
    QVERIFY2(r.message().startsWith(QString("Impossible de créer le fichier \"%1\". ").arg(sousUnFichier)),
             qPrintable(r.message()));
    QCOMPARE(LireOctets(dossier.filePath("simple")), QByteArray("contenu"));

    QVERIFY(QDir(dossier.path()).mkdir("d.kbx"));
    r = EcrireFichierFiche(dossier.filePath("d.kbx"), contenu);
    QCOMPARE(r.message(), QString("Impossible de créer le fichier \"%1\". Ce nom est celui d'un dossier.")
                              .arg(dossier.filePath("d.kbx")));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             (QStringList{"d.kbx", "simple"}));
}

// A cover that is not JPEG data stops the export before any file is made.
void TestFichier::couvertureQuiNEstPasJpeg()
{
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    QVERIFY(AjouterFilm(catalogue.films(), {{"Titre", "Bitmap"}}, "BM\x36\x00\x00\x00").estSucces());
    ContenuFiche contenu;
    const Resultat r = LireFicheFilm(catalogue.films(), contenu);
    QVERIFY(!r);
    QCOMPARE(r.message(), QString("Erreur JPEG #53"));
}
