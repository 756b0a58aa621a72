// The print preview (zoom, pages, printing confirmed or cancelled), the cover print, and the web page
// command. Printing goes to PDF files read back with poppler's tools.
#include "app/erreurs.h"
#include "banc.h"
#include "exchange/exportweb.h"
#include "exchange/formmail.h"
#include "print/formapercu.h"
#include "print/formpreview.h"
#include "print/impression.h"
#include "print/impressioncouverture.h"
#include "widgets/boitemessage.h"
#include "widgets/dialogueimpression.h"
#include "widgets/dialoguesfichier.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

using Message = QPair<BoiteMessage::Type, QString>;

// pdfinfo's "Pages:" and "Title:".
int Pages(const QString& pdf)
{
    const QString info = Executer(QStringLiteral("pdfinfo"), {pdf}).sortie;
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString TexteDe(const QString& pdf)
{
    return Executer(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
        .sortie;
}

// The pictures of the PDF as pdfimages lists them: width, height, x-ppi, y-ppi.
QList<QList<int>> Images(const QString& pdf)
{
    QList<QList<int>> images;
    const QStringList lignes = Executer(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .sortie.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& ligne : lignes.mid(2)) {
        const QStringList c = ligne.simplified().split(u' ');
        if (c.size() > 13 && c[2] == QStringLiteral("image"))
            images << QList<int>{c[3].toInt(), c[4].toInt(), c[12].toInt(), c[13].toInt()};
    }
    return images;
}

} // namespace

class TestApercu : public QObject
{
    Q_OBJECT

private:
    Banc banc;
    QTemporaryDir sorties;
    TFormApercu apercu;
    std::unique_ptr<TfrmPreview> preview;
    QStringList erreurs;
    QList<Message> messages;

    // Prints through the preview's "Imprimer" to a PDF; `confirme` answers the printer dialog.
    void ImprimerVers(const QString& pdf, bool confirme)
    {
        DialogueImpression::DefinirRepondeur([pdf, confirme](QPrinter& imprimante) {
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(pdf);
            return confirme;
        });
    }

    void OuvrirFiche(const QString& titre)
    {
        QVERIFY(banc.Aller(titre));
        ImprimerFicheCourante(banc.Films(), apercu, *preview);
        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join(u'\n')));
        QVERIFY(preview->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(banc.Pret());
        QVERIFY(sorties.isValid());
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
        BoiteMessage::definirRepondeur([this](BoiteMessage::Type type, const QString& texte) {
            messages << Message(type, texte);
            return BoiteMessage::Reponse::Ok;
        });
    }

    void cleanupTestCase()
    {
        DefinirAfficheurErreur({});
        BoiteMessage::definirRepondeur({});
    }

    void init()
    {
        preview = std::make_unique<TfrmPreview>(apercu);
        erreurs.clear();
        messages.clear();
    }

    void cleanup()
    {
        preview.reset();
        DialogueImpression::DefinirRepondeur({});
        DialoguesFichier::DefinirRepondeur({});
    }

    void fenetre()
    {
        QCOMPARE(preview->windowTitle(), QStringLiteral(" - Aperçu & Impression - "));
        QVERIFY(preview->windowFlags() & Qt::WindowStaysOnTopHint);
        QStringList entrees;
        for (int i = 0; i < preview->cmb->count(); ++i)
            entrees << preview->cmb->itemText(i);
        QCOMPARE(entrees, TfrmPreview::EntreesZoom);
        QCOMPARE(entrees.size(), 12);
        QCOMPARE(preview->cmb->currentText(), QStringLiteral("100%"));
        QCOMPARE(preview->rvpp->zoomFactor(), 1.0);
        QStringList boutons;
        for (QPushButton* b : {preview->bnPremiere, preview->bnPrior, preview->bnNext, preview->bnDerniere,
                               preview->bnPrint, preview->bnClose})
            boutons << b->text();
        QCOMPARE(boutons, (QStringList{"Première page", "Précédente", "Suivante", "Dernière page", "Imprimer",
                                       "Fermer"}));
        OuvrirFiche(QStringLiteral("Petite jaquette"));
        QVERIFY(preview->windowState() & Qt::WindowMaximized);
        QVERIFY(!preview->isModal());
    }

    void zoom_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("pourcentage"); // 0: a fitted zoom, -1: refused
        QTest::addColumn<int>("mode");
        QTest::newRow("25%") << "25%" << 25 << int(QPrintPreviewWidget::CustomZoom);
        QTest::newRow("500%, la borne haute") << "500%" << 500 << int(QPrintPreviewWidget::CustomZoom);
        QTest::newRow("10%, la borne basse") << "10%" << 10 << int(QPrintPreviewWidget::CustomZoom);
        QTest::newRow("nombre sans % entre blancs") << " 75 " << 75 << int(QPrintPreviewWidget::CustomZoom);
        QTest::newRow("largeur de page") << "Largeur page" << 0 << int(QPrintPreviewWidget::FitToWidth);
        QTest::newRow("page entière") << "Page entière" << 0 << int(QPrintPreviewWidget::FitInView);
        QTest::newRow("9%, trop petit") << "9%" << -1 << int(QPrintPreviewWidget::CustomZoom);
        QTest::newRow("501%, trop grand") << "501%" << -1 << int(QPrintPreviewWidget::CustomZoom);
        QTest::newRow("texte") << "douze" << -1 << int(QPrintPreviewWidget::CustomZoom);
        QTest::newRow("vide") << "" << -1 << int(QPrintPreviewWidget::CustomZoom);
    }

    // Enter in the zoom box applies its text.
    void zoom()
    {
        QFETCH(QString, texte);
        QFETCH(int, pourcentage);
        QFETCH(int, mode);
        OuvrirFiche(QStringLiteral("Petite jaquette"));
        preview->cmb->setEditText(texte);
        QTest::keyClick(preview->cmb, Qt::Key_Return);
        QCOMPARE(int(preview->rvpp->zoomMode()), mode);
        if (pourcentage < 0) {
            QCOMPARE(messages, (QList<Message>{{BoiteMessage::Type::Erreur,
                                                QStringLiteral("Veuillez entrer un nombre de 10 à 500")}}));
            QCOMPARE(preview->rvpp->zoomFactor(), 1.0);
            return;
        }
        QVERIFY(messages.isEmpty());
        if (pourcentage > 0)
            QCOMPARE(preview->rvpp->zoomFactor(), pourcentage / 100.0);
        // The box shows the zoom the preview has, fitted ones included.
        QCOMPARE(preview->cmb->currentText(),
                 QStringLiteral("%1%").arg(qRound(preview->rvpp->zoomFactor() * 100)));
    }

    // Choosing an entry, or leaving the box, applies it too; a click on the page switches between
    // 100 % and the whole page, and the box follows.
    void zoomParLaSourisEtLeFocus()
    {
        OuvrirFiche(QStringLiteral("Petite jaquette"));
        const int index = TfrmPreview::EntreesZoom.indexOf(QStringLiteral("50%"));
        preview->cmb->setCurrentIndex(index);
        emit preview->cmb->activated(index);
        QCOMPARE(preview->rvpp->zoomFactor(), 0.5);

        preview->cmb->setEditText(QStringLiteral("200%"));
        QFocusEvent sortie(QEvent::FocusOut);
        QApplication::sendEvent(preview->cmb, &sortie);
        QCOMPARE(preview->rvpp->zoomFactor(), 2.0);

        QWidget* page = preview->rvpp->findChild<QGraphicsView*>()->viewport();
        QTest::mouseClick(page, Qt::LeftButton, {}, page->rect().center());
        QCOMPARE(preview->rvpp->zoomFactor(), 1.0);
        QCOMPARE(preview->cmb->currentText(), QStringLiteral("100%"));
        QTest::mouseClick(page, Qt::LeftButton, {}, page->rect().center());
        QCOMPARE(preview->rvpp->zoomMode(), QPrintPreviewWidget::FitInView);
        QCOMPARE(preview->cmb->currentText(),
                 QStringLiteral("%1%").arg(qRound(preview->rvpp->zoomFactor() * 100)));
        QVERIFY(messages.isEmpty());
    }

    void navigation()
    {
        OuvrirFiche(QStringLiteral("Long résumé"));
        const int n = preview->rvpp->pageCount();
        QVERIFY2(n >= 2, qPrintable(QString::number(n)));
        auto statut = [this] { return preview->LabelInfo->currentMessage(); };
        auto page = [n](int p) { return QStringLiteral("%1 sur %2").arg(p).arg(n); };
        QCOMPARE(statut(), page(1));
        preview->bnPrior->click();
        QCOMPARE(statut(), page(1));
        preview->bnNext->click();
        QCOMPARE(statut(), page(2));
        preview->bnDerniere->click();
        QCOMPARE(statut(), page(n));
        preview->bnNext->click();
        QCOMPARE(statut(), page(n));
        preview->bnPrior->click();
        QCOMPARE(statut(), page(n - 1));
        preview->bnPremiere->click();
        QCOMPARE(statut(), page(1));

        // A one-page sheet: the page buttons change nothing.
        preview->close();
        OuvrirFiche(QStringLiteral("Petite jaquette"));
        QCOMPARE(statut(), QStringLiteral("1 sur 1"));
        preview->bnNext->click();
        QCOMPARE(statut(), QStringLiteral("1 sur 1"));
        preview->bnPrior->click();
        QCOMPARE(statut(), QStringLiteral("1 sur 1"));
    }

    void imprimer_data()
    {
        QTest::addColumn<bool>("confirme");
        QTest::newRow("confirmé") << true;
        QTest::newRow("annulé") << false;
    }

    // Confirming prints the whole sheet, without header, footer or page numbers, and closes the
    // preview; cancelling prints nothing and leaves it open.
    void imprimer()
    {
        QFETCH(bool, confirme);
        OuvrirFiche(QStringLiteral("Long résumé"));
        const int pages = preview->rvpp->pageCount();
        const QString pdf = sorties.filePath(QStringLiteral("fiche-%1.pdf").arg(confirme));
        ImprimerVers(pdf, confirme);
        preview->bnPrint->click();
        QVERIFY(erreurs.isEmpty());
        QCOMPARE(preview->isVisible(), !confirme);
        QCOMPARE(QFile::exists(pdf), confirme);
        if (!confirme)
            return;
        QCOMPARE(Pages(pdf), pages);
        QVERIFY(Executer(QStringLiteral("pdfinfo"), {pdf}).sortie.contains(QStringLiteral("Kinobral 2005")));
        const QString texte = TexteDe(pdf);
        for (const char* libelle : {"Long résumé", "Genre", "Réalisateur", "Public", "RÉSUMÉ DU FILM",
                                    "Ligne 1 du résumé", "Ligne 120 du résumé", "Sous-titres"})
            QVERIFY2(texte.contains(QString::fromUtf8(libelle)), libelle);
        // No line holds a page number alone, nor "n sur m".
        for (const QString& ligne : texte.split(u'\n')) {
            QVERIFY2(!QRegularExpression(QStringLiteral("^\\s*\\d+\\s*$")).match(ligne).hasMatch(),
                     qPrintable(ligne));
            QVERIFY2(!ligne.contains(QStringLiteral(" sur ")), qPrintable(ligne));
        }
    }

    void tailleCouverturePage_data()
    {
        QTest::addColumn<QSizeF>("image");
        QTest::addColumn<QSizeF>("place");
        QTest::addColumn<QSizeF>("attendue");
        QTest::newRow("petite, à sa taille") << QSizeF(160, 120) << QSizeF(2000, 3000) << QSizeF(320, 240);
        QTest::newRow("trop large") << QSizeF(2000, 500) << QSizeF(2000, 3000) << QSizeF(2000, 500);
        QTest::newRow("trop haute") << QSizeF(600, 3000) << QSizeF(2000, 3000) << QSizeF(600, 3000);
        QTest::newRow("juste à la place") << QSizeF(1000, 1500) << QSizeF(2000, 3000) << QSizeF(2000, 3000);
    }

    // At 2 device pixels per screen pixel.
    void tailleCouverturePage()
    {
        QFETCH(QSizeF, image);
        QFETCH(QSizeF, place);
        QFETCH(QSizeF, attendue);
        QCOMPARE(TailleCouverturePage(image, 2, place), attendue);
    }

    void couverture_data()
    {
        QTest::addColumn<QString>("titre");
        QTest::addColumn<double>("largeurPouces"); // 0: fitted to the page
        QTest::newRow("petite jaquette, à sa taille") << "Petite jaquette" << 160 / 96.0;
        QTest::newRow("grande jaquette, réduite à la page") << "Grande jaquette" << 0.0;
    }

    // The enlargement window's print: the title and the cover in the preview, modal, printed on one page.
    // Printing the sheet afterwards gives the whole sheet again.
    void couverture()
    {
        QFETCH(QString, titre);
        QFETCH(double, largeurPouces);
        QVERIFY(banc.Aller(titre));
        const QString pdf = sorties.filePath(titre + QStringLiteral(".pdf"));
        ImprimerVers(pdf, true);
        bool modale = false;
        QString statut;
        QTimer::singleShot(0, preview.get(), [&] {
            modale = preview->isVisible() && preview->isModal();
            statut = preview->LabelInfo->currentMessage();
            preview->bnPrint->click();
        });
        ImprimerCouvertureCourante(banc.Films(), apercu, *preview);
        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join(u'\n')));
        QVERIFY(modale);
        QCOMPARE(statut, QStringLiteral("1 sur 1"));
        QVERIFY(!preview->isVisible());

        QCOMPARE(Pages(pdf), 1);
        QCOMPARE(TexteDe(pdf).trimmed(), titre);
        const QList<QList<int>> images = Images(pdf);
        QCOMPARE(images.size(), 1);
        const double largeur = double(images[0][0]) / images[0][2];
        const double hauteur = double(images[0][1]) / images[0][3];
        // Proportions kept; A4 less the margins is 190 × 267 mm.
        const QImage origine = QImage::fromData(
            titre == QStringLiteral("Grande jaquette") ? banc.grandeJaquette : banc.petiteJaquette);
        QVERIFY(qAbs(largeur / hauteur - double(origine.width()) / origine.height()) < 0.01);
        QVERIFY(largeur <= 190 / 25.4 + 0.01 && hauteur <= 267 / 25.4 + 0.01);
        if (largeurPouces > 0)
            QVERIFY2(qAbs(largeur - largeurPouces) < 0.02, qPrintable(QString::number(largeur)));
        else
            QVERIFY2(hauteur > 9.5, qPrintable(QString::number(hauteur))); // fills the page's height

        ImprimerFicheCourante(banc.Films(), apercu, *preview);
        const QString fiche = sorties.filePath(titre + QStringLiteral("-fiche.pdf"));
        ImprimerVers(fiche, true);
        preview->bnPrint->click();
        QVERIFY(TexteDe(fiche).contains(QStringLiteral("Réalisateur")));
    }

    // A film without cover has nothing to enlarge: nothing is shown.
    void couvertureAbsente()
    {
        QVERIFY(banc.Aller(QStringLiteral("Long résumé")));
        ImprimerCouvertureCourante(banc.Films(), apercu, *preview);
        QVERIFY(!preview->isVisible());
        QVERIFY(erreurs.isEmpty());
    }

    void couvertureIllisible_data()
    {
        QTest::addColumn<QString>("commande");
        QTest::newRow("fiche imprimée") << "fiche";
        QTest::newRow("jaquette imprimée") << "jaquette";
        QTest::newRow("page web") << "web";
        QTest::newRow("courriel") << "courriel";
    }

    // A stored cover that does not decode stops each command with a French message: nothing is
    // shown, printed, saved or mailed.
    void couvertureIllisible()
    {
        QFETCH(QString, commande);
        QVERIFY(banc.Aller(QStringLiteral("Jaquette abîmée")));
        const QString page = sorties.filePath(QStringLiteral("illisible.htm"));
        DialoguesFichier::DefinirRepondeur([page](const DialoguesFichier::Demande&) { return page; });
        TFormMail formMail(banc.DossierProgramme(), nullptr, sorties.filePath(QStringLiteral("sans")));
        QFile::remove(formMail.CheminPage());
        if (commande == QStringLiteral("fiche"))
            ImprimerFicheCourante(banc.Films(), apercu, *preview);
        else if (commande == QStringLiteral("jaquette"))
            ImprimerCouvertureCourante(banc.Films(), apercu, *preview);
        else if (commande == QStringLiteral("web"))
            ExporterPageWeb(nullptr, banc.Films(), apercu);
        else
            PreparerCourriel(banc.Films(), apercu, formMail);
        QCOMPARE(erreurs.size(), 1);
        QVERIFY2(erreurs[0].startsWith(
                     QStringLiteral("L'image de la jaquette de ce film n'est pas une image JPEG")),
                 qPrintable(erreurs[0]));
        QVERIFY(!preview->isVisible());
        QVERIFY(!formMail.isVisible());
        QVERIFY(!QFile::exists(page));
        QVERIFY(!QFile::exists(formMail.CheminPage()));
    }

    // "Exporter au format Web (.htm)": the save dialog with its filter and the name "Kinobral 2005"
    // each time, .htm added, the cover's stored bytes beside the page as img1.jpg.
    void pageWeb()
    {
        const QString dossier = sorties.filePath(QStringLiteral("web"));
        QVERIFY(QDir().mkpath(dossier));
        QList<DialoguesFichier::Demande> demandes;
        QString reponse;
        DialoguesFichier::DefinirRepondeur([&](const DialoguesFichier::Demande& d) {
            demandes << d;
            return reponse;
        });
        const QString image = QDir(dossier).filePath(QStringLiteral("img1.jpg"));

        QVERIFY(banc.Aller(QStringLiteral("Grande jaquette")));
        reponse = QDir(dossier).filePath(QStringLiteral("Ma fiche"));
        ExporterPageWeb(nullptr, banc.Films(), apercu);
        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join(u'\n')));
        const QByteArray html = LireFichier(reponse + QStringLiteral(".htm"));
        QVERIFY(html.contains("src=\"img1.jpg\""));
        QVERIFY(html.contains("Grande jaquette"));
        QCOMPARE(LireFichier(image), banc.grandeJaquette);

        QVERIFY(banc.Aller(QStringLiteral("Petite jaquette")));
        reponse = QDir(dossier).filePath(QStringLiteral("autre.htm"));
        ExporterPageWeb(nullptr, banc.Films(), apercu);
        QVERIFY(LireFichier(reponse).contains("Petite jaquette"));
        QVERIFY(!QFile::exists(reponse + QStringLiteral(".htm")));
        QCOMPARE(LireFichier(image), banc.petiteJaquette);

        QCOMPARE(demandes.size(), 2);
        for (const DialoguesFichier::Demande& d : demandes) {
            QCOMPARE(d.sens, DialoguesFichier::Sens::Enregistrer);
            QCOMPARE(d.titre, QStringLiteral("Enregistrer sous..."));
            QCOMPARE(d.filtre, QStringLiteral("Fichier Web(*.htm)|*.htm"));
            QCOMPARE(d.nomPropose, QStringLiteral("Kinobral 2005"));
        }

        // Cancelled: nothing written. A folder that is gone: a French message.
        const QStringList avant = QDir(dossier).entryList(QDir::Files);
        reponse.clear();
        ExporterPageWeb(nullptr, banc.Films(), apercu);
        QCOMPARE(QDir(dossier).entryList(QDir::Files), avant);
        QVERIFY(erreurs.isEmpty());
        reponse = sorties.filePath(QStringLiteral("absent/page.htm"));
        ExporterPageWeb(nullptr, banc.Films(), apercu);
        QCOMPARE(erreurs.size(), 1);
        QVERIFY2(erreurs[0].startsWith(QStringLiteral("Impossible d'enregistrer la page")),
                 qPrintable(erreurs[0]));
    }
};

QObject* CreerTestApercu()
{
    return new TestApercu;
}

#include "tst_apercu.moc"
