// The glossary window over a real glossary file in a temporary program folder: the first term shown,
// the exact look-up, paragraphs, typing with completion, the focus, and a file that cannot be read.
#include "app/erreurs.h"
#include "app/formmain.h"
#include "system/programme.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/imagemouseoutstate.h"
#include "windows/formglossaire.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Code page 1252, as the file is delivered: 0xB0 is the paragraph mark, 0xE8 "è", 0xE9 "é".
const QByteArray Fichier = "16/9|Premi\xe8re phrase.\xb0Seconde phrase.\r\n"
                           "DTS|Son num\xe9rique|jamais montr\xe9\r\n"
                           "Pan & Scan\r\n"
                           "\r\n"
                           "Zone|premier\r\n"
                           "Zone|second\r\n"
                           "Dolby|Proc\xe9"
                           "d\xe9 de r\xe9"
                           "duction du bruit.\r\n";

const QStringList Termes = {"16/9", "DTS", "Pan & Scan", "", "Zone", "Zone", "Dolby"};

QStringList Elements(const QComboBox* liste)
{
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->itemText(i);
    return textes;
}

} // namespace

class TestFormGlossaire : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> programme;
    std::unique_ptr<TFormGlossaire> f;
    QStringList erreurs;

    QString CheminGlossaire() const { return programme->filePath(QStringLiteral("data/glossaire.dat")); }

    bool EcrireGlossaire(const QByteArray& octets)
    {
        QFile fichier(CheminGlossaire());
        return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
    }

    void Creer()
    {
        f = TFormGlossaire::Creer();
        QVERIFY(f);
    }

    void Afficher()
    {
        f->Afficher();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }

    QString Definition() const { return f->memoDef->toPlainText(); }

private slots:
    void init()
    {
        erreurs.clear();
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
        programme = std::make_unique<QTemporaryDir>();
        QVERIFY(programme->isValid());
        QVERIFY(QDir().mkpath(programme->filePath(QStringLiteral("data"))));
        DefinirDossierProgramme(programme->path());
    }

    void cleanup()
    {
        f.reset();
        programme.reset();
        DefinirAfficheurErreur({});
    }

    // Created hidden with the file's terms in order and the first one's definition ready.
    void fenetre()
    {
        QVERIFY(EcrireGlossaire(Fichier));
        Creer();
        QVERIFY(erreurs.isEmpty());
        QVERIFY(!f->isVisible());
        QCOMPARE(f->windowTitle(), QStringLiteral(" - Glossaire - "));
        QVERIFY(f->windowFlags() & Qt::Tool);
        QVERIFY(f->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(f->size(), QSize(429, 198));
        QCOMPARE(f->lbTerme->text(), QStringLiteral("Terme à rechercher"));
        QCOMPARE(f->cbGlossaire->width(), 216);
        QVERIFY(f->cbGlossaire->isEditable());
        QCOMPARE(f->bnFermer->text(), QStringLiteral("Fermer"));
        QVERIFY(f->memoDef->isReadOnly());
        QCOMPARE(f->memoDef->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(f->sbMemoResume->objectName(), QStringLiteral("sbMemoResume"));

        QCOMPARE(Elements(f->cbGlossaire), Termes);
        QCOMPARE(f->cbGlossaire->currentText(), QStringLiteral("16/9"));
        QCOMPARE(Definition(), QStringLiteral("Première phrase.\n\nSeconde phrase."));

        // The texts fit their places under the program's font.
        Afficher();
        QVERIFY(f->lbTerme->sizeHint().width() <= f->lbTerme->width());
        QVERIFY(f->bnFermer->sizeHint().width() <= f->bnFermer->width());
        QVERIFY(f->bnFermer->geometry().right() < f->width());
    }

    void recherche_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("definition");
        QTest::newRow("terme exact") << "DTS" << QStringLiteral("Son numérique");
        QTest::newRow("deux paragraphes") << "16/9" << QStringLiteral("Première phrase.\n\nSeconde phrase.");
        QTest::newRow("autre casse") << "dts" << QString();
        QTest::newRow("début d'un terme") << "Dolb" << QString();
        QTest::newRow("terme suivi d'un blanc") << "DTS " << QString();
        QTest::newRow("sans définition") << "Pan & Scan" << QString();
        QTest::newRow("doublon : la première ligne") << "Zone" << QStringLiteral("premier");
        QTest::newRow("ligne vide") << "" << QString();
    }

    void recherche()
    {
        QFETCH(QString, texte);
        QFETCH(QString, definition);
        QVERIFY(EcrireGlossaire(Fichier));
        Creer();
        f->cbGlossaire->setEditText(QStringLiteral("Dolby"));
        QCOMPARE(Definition(), QStringLiteral("Procédé de réduction du bruit."));
        f->cbGlossaire->setEditText(texte);
        QCOMPARE(Definition(), definition);
    }

    // Typing completes with the first term starting with the letters typed, case counting; picking a
    // term shows it too.
    void saisie()
    {
        QVERIFY(EcrireGlossaire(Fichier));
        Creer();
        Afficher();
        QLineEdit* edition = f->cbGlossaire->lineEdit();
        edition->setFocus();
        edition->clear();
        QTest::keyClicks(edition, QStringLiteral("Do"));
        QCOMPARE(f->cbGlossaire->currentText(), QStringLiteral("Dolby"));
        QCOMPARE(Definition(), QStringLiteral("Procédé de réduction du bruit."));

        edition->clear();
        QTest::keyClicks(edition, QStringLiteral("do"));
        QCOMPARE(f->cbGlossaire->currentText(), QStringLiteral("do"));
        QCOMPARE(Definition(), QString());

        edition->clear();
        QTest::keyClicks(edition, QStringLiteral("Z"));
        QCOMPARE(f->cbGlossaire->currentText(), QStringLiteral("Zone"));
        QCOMPARE(Definition(), QStringLiteral("premier"));
        // Enter adds nothing to the list.
        QTest::keyClick(edition, Qt::Key_Return);
        QCOMPARE(Elements(f->cbGlossaire), Termes);

        f->cbGlossaire->setCurrentIndex(1);
        QCOMPARE(Definition(), QStringLiteral("Son numérique"));
    }

    // The definition box hands the focus back to the term; hiding and showing keeps what was shown.
    void focusEtFermeture()
    {
        QVERIFY(EcrireGlossaire(Fichier));
        Creer();
        Afficher();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        f->cbGlossaire->setEditText(QStringLiteral("DTS"));
        f->memoDef->setFocus();
        QVERIFY(!f->memoDef->hasFocus());
        QVERIFY(f->cbGlossaire->hasFocus());

        QTest::mouseClick(f->bnFermer, Qt::LeftButton);
        QVERIFY(!f->isVisible());
        Afficher();
        QCOMPARE(f->cbGlossaire->currentText(), QStringLiteral("DTS"));
        QCOMPARE(Definition(), QStringLiteral("Son numérique"));
    }

    // A glossary written in UTF-8 reads the same as in code page 1252.
    void utf8()
    {
        QVERIFY(EcrireGlossaire(QStringLiteral("Écran large|Image plus large°que haute.\n").toUtf8()));
        Creer();
        QCOMPARE(Elements(f->cbGlossaire), QStringList{"Écran large"});
        QCOMPARE(Definition(), QStringLiteral("Image plus large\n\nque haute."));
    }

    void fichierIllisible_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("raison"); // the reason given after the file's name; none when read
        QTest::newRow("absent") << "absent"
                                << QStringLiteral("Le fichier ou le dossier spécifié est introuvable.");
        QTest::newRow("un dossier à sa place")
            << "dossier" << QStringLiteral("Ce nom est celui d'un dossier.");
        QTest::newRow("vide") << "vide" << QString();
    }

    // The window is made all the same, empty; the error, if any, is reported once, in French.
    void fichierIllisible()
    {
        QFETCH(QString, cas);
        QFETCH(QString, raison);
        if (cas == QLatin1String("dossier"))
            QVERIFY(QDir().mkpath(CheminGlossaire()));
        else if (cas == QLatin1String("vide"))
            QVERIFY(EcrireGlossaire(QByteArray()));
        Creer();
        if (raison.isEmpty()) {
            QVERIFY(erreurs.isEmpty());
        } else {
            QCOMPARE(erreurs, QStringList{QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2")
                                              .arg(QDir::toNativeSeparators(CheminGlossaire()), raison)});
        }
        QCOMPARE(f->cbGlossaire->count(), 0);
        QCOMPARE(Definition(), QString());
        f->cbGlossaire->setEditText(QStringLiteral("DTS"));
        QCOMPARE(Definition(), QString());
    }

    // Start-up goes on past an unreadable glossary, and the band's button opens the window.
    void depuisFenetrePrincipale()
    {
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Ok; });
        TFormMain formMain({QStringLiteral("kinobral")}, QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME));
        DefinirDossierProgramme(programme->path());
        std::unique_ptr<TFormGlossaire> glossaire = TFormGlossaire::Creer(&formMain);
        QCOMPARE(erreurs.size(), 1);
        formMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&formMain));
        QVERIFY(!glossaire->isVisible());
        QTest::mouseClick(formMain.bnGlossaire, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(glossaire->isVisible());
        QVERIFY(glossaire->isWindow());
        QCOMPARE(glossaire->cbGlossaire->count(), 0);
        glossaire.reset();
        BoiteMessage::definirRepondeur({});
    }
};

QObject* CreerTestFormGlossaire()
{
    return new TestFormGlossaire;
}

#include "tst_formglossaire.moc"
