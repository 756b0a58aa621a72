#pragma once

#include "resultat.h"

#include <QDialog>
#include <QPrinter>
#include <functional>

class QComboBox;
class QPrintPreviewWidget;
class QPushButton;
class QStatusBar;
class TFormApercu;

// The print preview: the document of the sheet holder page by page, with page buttons, a zoom box and
// printing through the printer setup dialog. Created once, hidden; shown by the sheet print and, as a
// modal window, by the cover print.
class TfrmPreview : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmPreview(TFormApercu& apercu, QWidget* parent = nullptr);
    ~TfrmPreview() override;

    // Paginates what the holder has now and, when there is at least one page, goes to the first page
    // and shows the window (Afficher) or runs it modally (AfficherModal). A document that cannot be
    // drawn is not shown: its French message comes back.
    Resultat Afficher();
    Resultat AfficherModal();

    // The zoom box's entries, top to bottom.
    static const QStringList EntreesZoom;

    QWidget* pnBottom = nullptr;
    QComboBox* cmb = nullptr;
    QPushButton* bnPremiere = nullptr;
    QPushButton* bnPrior = nullptr;
    QPushButton* bnNext = nullptr;
    QPushButton* bnDerniere = nullptr;
    QPushButton* bnPrint = nullptr;
    QPushButton* bnClose = nullptr;
    QPrintPreviewWidget* rvpp = nullptr;
    QStatusBar* LabelInfo = nullptr;

public slots:
    void bnPremiereClick();
    void bnPriorClick();
    void bnNextClick();
    void bnDerniereClick();
    void bnPrintClick();
    void bnCloseClick();
    void cmbExit();
    void AppliquerZoom();
    void rvppZoomChanged();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;

private:
    Resultat Paginer();
    void Agrandir();
    void TracerMarges();
    void EcrireStatut();
    void Dessiner(QPrinter* imprimante);
    // The zoom as a whole percentage.
    int Pourcentage() const;

    TFormApercu& m_apercu;
    QPrinter m_imprimante{QPrinter::HighResolution};
    Resultat m_dessin;
    QPoint m_appui;
};
