// The help panel: fitting its scroll bar to the page, the coupling between the bar and the viewer,
// reading the page again at every opening, a missing page, and printing the whole page.
#include "app/erreurs.h"
#include "app/formmain.h"
#include "help/panneauaide.h"
#include "system/programme.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/dialogueimpression.h"
#include "widgets/imagemouseoutstate.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWheelEvent>
#include <QtMath>

namespace {

QString PageCourte()
{
    return QStringLiteral("<html><body><h1>Aide courte</h1><p>Une seule ligne.</p></body></html>");
}

// About forty screens of text; its last paragraph is marked so that printing can be checked to the end.
QString PageLongue(const QString& titre = QStringLiteral("Aide longue"))
{
    QString html = QStringLiteral("<html><body><h1>%1</h1>").arg(titre);
    for (int i = 1; i <= 400; ++i)
        html += QStringLiteral("<p>Paragraphe %1 de l'aide, assez long pour occuper une ligne.</p>").arg(i);
    html += QStringLiteral("<p>FINDELAIDE</p></body></html>");
    return html;
}

QString TexteDuPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PagesDuPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TestPanneauAide : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;
    QTemporaryDir programme;
    std::unique_ptr<QWidget> fenetre;
    PanneauAide* aide = nullptr;

    void EcrirePage(const QString& html)
    {
        QVERIFY(QDir().mkpath(programme.filePath(QStringLiteral("aide_html"))));
        QFile f(programme.filePath(QStringLiteral("aide_html/aide.html")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(html.toUtf8());
    }

    int PositionViewer() const { return aide->htmlAides->verticalScrollBar()->value(); }

private slots:
    void initTestCase()
    {
        // The main window's creation registers the sheet-file type and makes the staging folders:
        // both go into this test's own folders.
        QVERIFY(environnement.isValid() && programme.isValid());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString dossier = environnement.filePath(QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(dossier));
            qputenv(variable, QFile::encodeName(dossier));
        }
    }

    void init()
    {
        DefinirDossierProgramme(programme.path());
        QFile::remove(programme.filePath(QStringLiteral("aide_html/aide.html")));
        fenetre = std::make_unique<QWidget>();
        fenetre->resize(800, 600);
        aide = new PanneauAide(fenetre.get());
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenetre.get()));
    }

    void cleanup()
    {
        fenetre.reset();
        aide = nullptr;
        DialogueImpression::DefinirRepondeur({});
        DefinirAfficheurErreur({});
    }

    void disposition()
    {
        QVERIFY(!aide->isVisible());
        QCOMPARE(aide->geometry(), QRect(0, 0, 800, 600));
        QCOMPARE(aide->sbAides->width(), 19);
        QCOMPARE(aide->sbAides->geometry().right(), aide->width() - 2);
        QCOMPARE(aide->pnBas->height(), 35);
        QCOMPARE(aide->pnBas->geometry().bottom(), aide->height() - 2);
        QCOMPARE(aide->htmlAides->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(aide->htmlAides->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(aide->htmlAides->textInteractionFlags(), Qt::LinksAccessibleByMouse);
        QCOMPARE(aide->bnImprimerAide->text(), QStringLiteral("Imprimer"));
        QCOMPARE(aide->bnImprimerAide->toolTip(), QStringLiteral("Imprimer le fichier d'aide"));
        QCOMPARE(aide->bnFermer->text(), QStringLiteral("Fermer"));
        QCOMPARE(aide->sbAides->singleStep(), 10);
    }

    void barreAjustee_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<bool>("visible");
        QTest::newRow("page plus courte que la vue") << PageCourte() << false;
        QTest::newRow("page plus longue que la vue") << PageLongue() << true;
    }

    void barreAjustee()
    {
        QFETCH(QString, html);
        QFETCH(bool, visible);
        EcrirePage(html);
        aide->Ouvrir();
        QVERIFY(aide->isVisible());
        const int hauteurDocument = qCeil(aide->htmlAides->document()->size().height());
        const int hauteurVue = aide->htmlAides->viewport()->height();
        QVERIFY(hauteurDocument > 0);
        QCOMPARE(aide->sbAides->isVisible(), visible);
        QCOMPARE(aide->sbAides->maximum(), hauteurDocument);
        QCOMPARE(aide->sbAides->pageStep(), hauteurVue + 1);
        QCOMPARE(aide->sbAides->value(), 0);
        // The page is laid out at the width the user sees, not at some width before the panel showed.
        QCOMPARE(qRound(aide->htmlAides->document()->textWidth()), aide->htmlAides->viewport()->width());
    }

    void barreSansDocument()
    {
        // Nothing to show: the bar is empty and hidden, even after a long page was shown.
        EcrirePage(PageLongue());
        aide->Ouvrir();
        QVERIFY(aide->sbAides->isVisible());
        aide->htmlAides->clear();
        PanneauAide::SynchroniserBarreAide(*aide->htmlAides, *aide->sbAides);
        // An empty document still has its margins' height: the bar fits it and stays hidden.
        QVERIFY(!aide->sbAides->isVisible());
        QCOMPARE(aide->sbAides->value(), 0);
    }

    void couplageBarreVersViewer()
    {
        EcrirePage(PageLongue());
        aide->Ouvrir();
        aide->sbAides->setValue(300);
        QCOMPARE(PositionViewer(), 300);
        // The bar runs past the viewer's last position: the viewer stops at its end and the bar stays
        // where the user put it instead of jumping back.
        aide->sbAides->setValue(aide->sbAides->maximum());
        const int fin =
            qCeil(aide->htmlAides->document()->size().height()) - aide->htmlAides->viewport()->height();
        QCOMPARE(PositionViewer(), fin);
        QCOMPARE(aide->sbAides->value(), aide->sbAides->maximum());
    }

    void couplageViewerVersBarre()
    {
        EcrirePage(PageLongue());
        aide->Ouvrir();
        // The wheel scrolls the viewer by itself; the bar follows.
        const QPointF milieu(aide->htmlAides->viewport()->rect().center());
        QWheelEvent molette(milieu, aide->htmlAides->viewport()->mapToGlobal(milieu), QPoint(),
                            QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(aide->htmlAides->viewport(), &molette);
        QVERIFY(PositionViewer() > 0);
        QCOMPARE(aide->sbAides->value(), PositionViewer());
        // The keys scroll the page as well.
        const int avant = PositionViewer();
        QTest::keyClick(aide->htmlAides, Qt::Key_PageDown);
        QVERIFY(PositionViewer() > avant);
        QCOMPARE(aide->sbAides->value(), PositionViewer());
        // Any scrolling of the viewer of its own (links to anchors, for instance) moves the bar along.
        aide->htmlAides->verticalScrollBar()->setValue(1234);
        QCOMPARE(aide->sbAides->value(), 1234);
        // A mouse movement over the page brings the bar to the viewer's place.
        {
            const QSignalBlocker silence(aide->sbAides);
            aide->sbAides->setValue(0);
        }
        QTest::mouseMove(aide->htmlAides->viewport(), QPoint(50, 50));
        QCOMPARE(aide->sbAides->value(), 1234);
    }

    void rechargeeAChaqueOuverture()
    {
        EcrirePage(PageLongue(QStringLiteral("Première version")));
        aide->Ouvrir();
        aide->sbAides->setValue(2000);
        QVERIFY(PositionViewer() > 0);
        emit aide->bnFermer->clicked();
        aide->hide();

        // The page changed on disk while the panel was closed: the new text shows, from its top.
        EcrirePage(PageLongue(QStringLiteral("Seconde version")));
        aide->Ouvrir();
        QVERIFY(aide->htmlAides->toPlainText().startsWith(QStringLiteral("Seconde version")));
        QCOMPARE(PositionViewer(), 0);
        QCOMPARE(aide->sbAides->value(), 0);
    }

    void fichierAbsent()
    {
        // The first time: nothing to show, the panel opens empty and without a bar.
        aide->Ouvrir();
        QVERIFY(aide->isVisible());
        QVERIFY(aide->htmlAides->toPlainText().isEmpty());
        QVERIFY(!aide->sbAides->isVisible());
        aide->hide();

        // Later: the page shown before stays.
        EcrirePage(PageLongue(QStringLiteral("Page connue")));
        aide->Ouvrir();
        aide->hide();
        QVERIFY(QFile::remove(programme.filePath(QStringLiteral("aide_html/aide.html"))));
        aide->Ouvrir();
        QVERIFY(aide->isVisible());
        QVERIFY(aide->htmlAides->toPlainText().startsWith(QStringLiteral("Page connue")));
        QVERIFY(aide->sbAides->isVisible());
        QCOMPARE(aide->sbAides->value(), 0);
    }

    void imprimerToutLeDocument()
    {
        EcrirePage(PageLongue());
        aide->Ouvrir();
        aide->sbAides->setValue(500);
        const QString pdf = programme.filePath(QStringLiteral("aide.pdf"));
        QMarginsF marges;
        DialogueImpression::DefinirRepondeur([&](QPrinter& imprimante) {
            marges = imprimante.pageLayout().margins(QPageLayout::Millimeter);
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(pdf);
            return true;
        });
        QStringList erreurs;
        DefinirAfficheurErreur([&](const QString& texte) { erreurs << texte; });
        QTest::mouseClick(aide->bnImprimerAide, Qt::LeftButton);
        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join(u'\n')));
        QCOMPARE(marges, QMarginsF(10, 10, 10, 20));
        // Every page, from the first to the last paragraph, whatever part the viewer showed.
        QVERIFY(PagesDuPdf(pdf) > 1);
        const QString texte = TexteDuPdf(pdf);
        QVERIFY(texte.contains(QStringLiteral("Aide longue")));
        QVERIFY(texte.contains(QStringLiteral("FINDELAIDE")));
        // The viewer keeps its place.
        QCOMPARE(PositionViewer(), 500);
    }

    void impressionAnnuleeOuImpossible()
    {
        EcrirePage(PageCourte());
        aide->Ouvrir();
        QStringList erreurs;
        DefinirAfficheurErreur([&](const QString& texte) { erreurs << texte; });

        const QString pdf = programme.filePath(QStringLiteral("annule.pdf"));
        DialogueImpression::DefinirRepondeur([&](QPrinter& imprimante) {
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(pdf);
            return false;
        });
        QTest::mouseClick(aide->bnImprimerAide, Qt::LeftButton);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(erreurs.isEmpty());

        DialogueImpression::DefinirRepondeur([&](QPrinter& imprimante) {
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(programme.filePath(QStringLiteral("absent/aide.pdf")));
            return true;
        });
        QTest::mouseClick(aide->bnImprimerAide, Qt::LeftButton);
        QCOMPARE(erreurs.size(), 1);
        QVERIFY(erreurs.first().contains(QStringLiteral("Impossible d'imprimer le fichier d'aide")));
    }

    void depuisLaFenetrePrincipale()
    {
        // The shipped page, opened by the help button, covers the whole window until "Fermer".
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Non; });
        TFormMain f(QStringList{QStringLiteral("kinobral")}, QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME));
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTest::mouseClick(f.bnAide, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(f.pnAide->isVisible());
        QCOMPARE(f.childAt(400, 5), f.pnAide->htmlAides->viewport());
        QVERIFY(f.pnAide->htmlAides->documentTitle().contains(QStringLiteral("Kinobral 2005")));
        QVERIFY(f.pnAide->sbAides->isVisible());
        QTest::mouseClick(f.pnAide->bnFermer, Qt::LeftButton);
        QVERIFY(!f.pnAide->isVisible());
        BoiteMessage::definirRepondeur({});
    }
};

QObject* CreerTestPanneauAide()
{
    return new TestPanneauAide;
}

#include "tst_panneauaide.moc"
