#include "impressionaide.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

void PreparerImprimanteAide(QPrinter& imprimante)
{
    imprimante.setFullPage(false);
    imprimante.setPageMargins(QMarginsF(10.0, 10.0, 10.0, 20.0), QPageLayout::Millimeter);
}

Resultat ImprimerDocumentAide(const QTextDocument& document, QPrinter& imprimante)
{
    // A copy laid out for the printer: the viewer keeps its screen layout and its scroll position.
    std::unique_ptr<QTextDocument> copie(document.clone());
    QTextCursor tout(copie.get());
    tout.select(QTextCursor::Document);
    QTextCharFormat noir;
    noir.setForeground(Qt::black);
    tout.mergeCharFormat(noir);

    QPainter peintre;
    if (!peintre.begin(&imprimante)) {
        return Resultat::Echec(QStringLiteral("Impossible d'imprimer le fichier d'aide : l'imprimante "
                                              "« %1 » ne répond pas.")
                                   .arg(imprimante.printerName().isEmpty() ? imprimante.outputFileName()
                                                                           : imprimante.printerName()));
    }
    copie->documentLayout()->setPaintDevice(&imprimante);
    const QRectF page = imprimante.pageRect(QPrinter::DevicePixel);
    copie->setPageSize(page.size());
    const int pages = copie->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !imprimante.newPage()) {
            peintre.end();
            return Resultat::Echec(
                QStringLiteral("L'impression du fichier d'aide s'est arrêtée à la page %1.").arg(i + 1));
        }
        peintre.save();
        const QRectF zone(0, i * page.height(), page.width(), page.height());
        peintre.translate(0, -zone.top());
        QAbstractTextDocumentLayout::PaintContext contexte;
        contexte.clip = zone;
        contexte.palette.setColor(QPalette::Text, Qt::black);
        copie->documentLayout()->draw(&peintre, contexte);
        peintre.restore();
    }
    peintre.end();
    return Resultat::Succes();
}
