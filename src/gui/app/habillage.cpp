#include "habillage.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace Habillage {

namespace {

// @creme@, @caramel@ ... are replaced by the palette above, so the colours live in one place.
const char* const Modele = R"css(
QWidget {
    color: @encre@;
    selection-background-color: @sable@;
    selection-color: @encre@;
}
QDialog, QFileDialog, QMessageBox, QInputDialog {
    background-color: @creme@;
}
QToolTip {
    background-color: @creme@;
    color: @encre@;
    border: 1px solid @brun@;
    padding: 2px;
}

/* Text boxes */
QLineEdit, QTextEdit, QPlainTextEdit, QTextBrowser, QAbstractSpinBox, QDateEdit, QDateTimeEdit {
    background-color: @creme@;
    color: @encre@;
    border: 1px solid @caramel@;
    border-radius: 2px;
    padding: 1px 3px;
}
QLineEdit:focus, QTextEdit:focus, QPlainTextEdit:focus, QAbstractSpinBox:focus {
    border: 1px solid @brun@;
}
QLineEdit:disabled, QTextEdit:disabled, QPlainTextEdit:disabled, QAbstractSpinBox:disabled,
QComboBox:disabled {
    color: #8a7560;
    background-color: #eee2c4;
}
QLineEdit[readOnly="true"], QTextEdit[readOnly="true"], QPlainTextEdit[readOnly="true"] {
    background-color: @creme@;
}
QAbstractSpinBox::up-button, QAbstractSpinBox::down-button {
    background-color: @sable@;
    border: 1px solid @caramel@;
    width: 14px;
}
QAbstractSpinBox::up-button:hover, QAbstractSpinBox::down-button:hover {
    background-color: @caramel@;
}
QAbstractSpinBox::up-arrow {
    image: url(:/habillage/fleche_haut_brun.svg);
    width: 8px; height: 8px;
}
QAbstractSpinBox::down-arrow {
    image: url(:/habillage/fleche_bas_brun.svg);
    width: 8px; height: 8px;
}

/* Combo boxes */
QComboBox {
    background-color: @creme@;
    color: @encre@;
    border: 1px solid @caramel@;
    border-radius: 2px;
    padding: 1px 18px 1px 4px;
}
QComboBox:focus, QComboBox:on {
    border: 1px solid @brun@;
}
QComboBox::drop-down {
    subcontrol-origin: padding;
    subcontrol-position: top right;
    width: 16px;
    background-color: @caramel@;
    border-left: 1px solid @brun@;
}
QComboBox::down-arrow {
    image: url(:/habillage/fleche_bas_brun.svg);
    width: 10px; height: 10px;
}
QComboBox QAbstractItemView {
    background-color: @creme@;
    border: 1px solid @brun@;
    selection-background-color: @caramel@;
    selection-color: @encre@;
    outline: 0;
}

/* Push buttons */
QPushButton, QToolButton {
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @sable@, stop:1 @caramel@);
    color: @encre@;
    border: 1px solid @brun@;
    border-radius: 3px;
    padding: 3px 12px;
    min-height: 15px;
}
QToolButton {
    padding: 2px 4px;
}
QPushButton:hover, QToolButton:hover {
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f0d3a2, stop:1 @sable@);
}
QPushButton:pressed, QToolButton:pressed, QPushButton:checked, QToolButton:checked {
    background-color: @caramel@;
    padding-top: 4px;
    padding-bottom: 2px;
}
QPushButton:default {
    border: 2px solid @brun@;
}
QPushButton:disabled, QToolButton:disabled {
    color: #8a7560;
    background-color: #e6d3ae;
    border-color: #a88a6a;
}

/* Check boxes and radio buttons */
QCheckBox, QRadioButton {
    spacing: 5px;
    background: transparent;
}
QCheckBox::indicator, QRadioButton::indicator {
    width: 12px;
    height: 12px;
    background-color: @creme@;
    border: 1px solid @brun@;
}
QRadioButton::indicator {
    border-radius: 7px;
}
QCheckBox::indicator:hover, QRadioButton::indicator:hover {
    background-color: #fbf3de;
}
QCheckBox::indicator:checked {
    background-color: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
                                      stop:0 @brun@, stop:0.55 @brun@, stop:0.6 @creme@);
}
QRadioButton::indicator:checked {
    background-color: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
                                      stop:0 @brun@, stop:0.45 @brun@, stop:0.5 @creme@);
}
QCheckBox::indicator:disabled, QRadioButton::indicator:disabled {
    border-color: #a88a6a;
}

/* Lists, trees and tables */
QAbstractItemView {
    background-color: @creme@;
    alternate-background-color: #f1e0b8;
    color: @encre@;
    border: 1px solid @caramel@;
    selection-background-color: @caramel@;
    selection-color: @encre@;
    outline: 0;
}
QAbstractItemView::item:hover {
    background-color: #efd9ae;
}
QAbstractItemView::item:selected {
    background-color: @caramel@;
    color: @encre@;
}
QTableView, QTableWidget {
    gridline-color: @sable@;
}
QHeaderView {
    background-color: @caramel@;
}
QHeaderView::section {
    background-color: @caramel@;
    color: @encre@;
    border: none;
    border-right: 1px solid @sable@;
    border-bottom: 1px solid @brun@;
    padding: 2px 4px;
    font-weight: bold;
}
QTableCornerButton::section {
    background-color: @caramel@;
    border: none;
}

/* Scroll bars */
QScrollBar:vertical {
    background-color: @creme@;
    width: 17px;
    margin: 17px 0 17px 0;
    border: 1px solid @sable@;
}
QScrollBar:horizontal {
    background-color: @creme@;
    height: 17px;
    margin: 0 17px 0 17px;
    border: 1px solid @sable@;
}
QScrollBar::handle:vertical {
    background-color: @caramel@;
    border: 1px solid @brun@;
    border-radius: 3px;
    min-height: 20px;
}
QScrollBar::handle:horizontal {
    background-color: @caramel@;
    border: 1px solid @brun@;
    border-radius: 3px;
    min-width: 20px;
}
QScrollBar::handle:hover {
    background-color: @sable@;
}
QScrollBar::add-line, QScrollBar::sub-line {
    background-color: @brun@;
    border: 1px solid @brun@;
    subcontrol-origin: margin;
}
QScrollBar::add-line:vertical { height: 16px; subcontrol-position: bottom; }
QScrollBar::sub-line:vertical { height: 16px; subcontrol-position: top; }
QScrollBar::add-line:horizontal { width: 16px; subcontrol-position: right; }
QScrollBar::sub-line:horizontal { width: 16px; subcontrol-position: left; }
QScrollBar::up-arrow {
    image: url(:/habillage/fleche_haut_creme.svg);
    width: 8px; height: 8px;
}
QScrollBar::down-arrow {
    image: url(:/habillage/fleche_bas_creme.svg);
    width: 8px; height: 8px;
}
QScrollBar::left-arrow {
    image: url(:/habillage/fleche_gauche_creme.svg);
    width: 8px; height: 8px;
}
QScrollBar::right-arrow {
    image: url(:/habillage/fleche_droite_creme.svg);
    width: 8px; height: 8px;
}
QScrollBar::add-page, QScrollBar::sub-page {
    background: none;
}

/* Group boxes and tab widgets */
QGroupBox {
    background-color: @creme@;
    border: 1px solid @caramel@;
    margin-top: 18px;
    padding-top: 4px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 0;
    right: 0;
    padding: 2px 6px;
    background-color: @caramel@;
    color: @encre@;
    font-weight: bold;
}
QTabWidget::pane {
    background-color: @creme@;
    border: 1px solid @caramel@;
    top: -1px;
}
QTabBar::tab {
    background-color: @sable@;
    color: @encre@;
    border: 1px solid @caramel@;
    border-bottom: none;
    padding: 3px 10px;
    margin-right: 2px;
}
QTabBar::tab:selected {
    background-color: @creme@;
    font-weight: bold;
}
QTabBar::tab:hover:!selected {
    background-color: #e6c48f;
}

/* Menus */
QMenu {
    background-color: @creme@;
    color: @encre@;
    border: 1px solid @brun@;
    padding: 2px;
}
QMenu::item {
    padding: 4px 22px 4px 20px;
    background: transparent;
}
QMenu::item:selected {
    background-color: @caramel@;
    color: @encre@;
}
QMenu::item:disabled {
    color: #a08a70;
}
QMenu::separator {
    height: 1px;
    background: @caramel@;
    margin: 3px 6px;
}
QMenuBar {
    background-color: @caramel@;
}
QMenuBar::item:selected {
    background-color: @sable@;
}

/* Misc */
QProgressBar {
    background-color: @creme@;
    border: 1px solid @brun@;
    text-align: center;
}
QProgressBar::chunk {
    background-color: @caramel@;
}
QSlider::groove:horizontal {
    height: 4px;
    background: @sable@;
    border: 1px solid @caramel@;
}
QSlider::handle:horizontal {
    background: @caramel@;
    border: 1px solid @brun@;
    width: 10px;
    margin: -5px 0;
}
QCalendarWidget QWidget#qt_calendar_navigationbar {
    background-color: @brunbarre@;
}
QCalendarWidget QToolButton {
    color: @creme@;
    background: transparent;
    border: none;
    font-weight: bold;
}
QCalendarWidget QAbstractItemView:enabled {
    background-color: @creme@;
    selection-background-color: @caramel@;
}
QFileDialog QListView, QFileDialog QTreeView {
    background-color: @creme@;
}
QSplitter::handle {
    background-color: @caramel@;
}
QStatusBar {
    background-color: @caramel@;
}

/* Film list: the tree paints its own rows and has no border */
QTreeView#Vst {
    background-color: @creme@;
    border: none;
}

/* Film sheet view: the actor list lies in the box the background draws for it */
QListWidget#lbActeurs {
    background-color: @creme@;
    border: none;
}

/* Actors window: six buttons share its bottom row, so they keep a narrow padding */
#FormActeurs QPushButton {
    padding: 3px 2px;
}
)css";

QString nomCouleur(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

} // namespace

QString FeuilleStyle()
{
    QString feuille = QString::fromUtf8(Modele);
    feuille.replace(QStringLiteral("@creme@"), nomCouleur(Creme));
    feuille.replace(QStringLiteral("@caramel@"), nomCouleur(Caramel));
    feuille.replace(QStringLiteral("@brunbarre@"), nomCouleur(BrunBarre));
    feuille.replace(QStringLiteral("@brun@"), nomCouleur(Brun));
    feuille.replace(QStringLiteral("@sable@"), nomCouleur(Sable));
    feuille.replace(QStringLiteral("@encre@"), nomCouleur(BrunEncre));
    return feuille;
}

void AppliquerHabillage(QApplication& application)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(fusion);

    QPalette palette;
    palette.setColor(QPalette::Window, Creme);
    palette.setColor(QPalette::WindowText, BrunEncre);
    palette.setColor(QPalette::Base, Creme);
    palette.setColor(QPalette::AlternateBase, QColor(241, 224, 184));
    palette.setColor(QPalette::Text, BrunEncre);
    palette.setColor(QPalette::Button, Sable);
    palette.setColor(QPalette::ButtonText, BrunEncre);
    palette.setColor(QPalette::Highlight, Caramel);
    palette.setColor(QPalette::HighlightedText, BrunEncre);
    palette.setColor(QPalette::ToolTipBase, Creme);
    palette.setColor(QPalette::ToolTipText, BrunEncre);
    palette.setColor(QPalette::Link, Brun);
    palette.setColor(QPalette::Dark, Brun);
    palette.setColor(QPalette::Mid, Caramel);
    palette.setColor(QPalette::Light, QColor(251, 243, 222));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(138, 117, 96));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(138, 117, 96));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(138, 117, 96));
    application.setPalette(palette);

    application.setStyleSheet(FeuilleStyle());
    application.setAttribute(Qt::AA_DontUseNativeDialogs);
}

} // namespace Habillage
