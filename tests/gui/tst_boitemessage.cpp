#include "tests.h"
#include "widgets/boitemessage.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QStringList TextesBoutons(const QWidget& boite)
{
    QStringList textes;
    for (const QPushButton* bouton : boite.findChildren<QPushButton*>())
        textes << bouton->text();
    return textes;
}

QPushButton* Bouton(const QWidget& boite, const QString& texte)
{
    for (QPushButton* bouton : boite.findChildren<QPushButton*>())
        if (bouton->text() == texte)
            return bouton;
    return nullptr;
}

} // namespace

class TestBoiteMessage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { BoiteMessage::definirRepondeur({}); }

    void forme_data()
    {
        QTest::addColumn<BoiteMessage::Type>("type");
        QTest::addColumn<QStringList>("boutons");
        QTest::newRow("avertissement") << BoiteMessage::Type::Avertissement << QStringList{"OK"};
        QTest::newRow("confirmation") << BoiteMessage::Type::Confirmation << QStringList{"Oui", "Non"};
    }

    void forme()
    {
        QFETCH(BoiteMessage::Type, type);
        QFETCH(QStringList, boutons);
        const QString texte = QStringLiteral("Ce titre existe déjà !");
        BoiteMessage boite(nullptr, type, texte);
        QCOMPARE(TextesBoutons(boite), boutons);
        QVERIFY(boite.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(boite.windowTitle(), QStringLiteral("Kinobral 2005"));
        const QLabel* message = boite.findChild<QLabel*>(QStringLiteral("texteBoiteMessage"));
        QVERIFY(message != nullptr);
        QCOMPARE(message->text(), texte);
    }

    // The real box, answered by clicking its buttons while it runs modally.
    void reponses_data()
    {
        QTest::addColumn<BoiteMessage::Type>("type");
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<BoiteMessage::Reponse>("attendue");
        QTest::newRow("Oui") << BoiteMessage::Type::Confirmation << "Oui" << BoiteMessage::Reponse::Oui;
        QTest::newRow("Non") << BoiteMessage::Type::Confirmation << "Non" << BoiteMessage::Reponse::Non;
        QTest::newRow("Échap sur une confirmation")
            << BoiteMessage::Type::Confirmation << "" << BoiteMessage::Reponse::Non;
        QTest::newRow("OK") << BoiteMessage::Type::Avertissement << "OK" << BoiteMessage::Reponse::Ok;
    }

    void reponses()
    {
        QFETCH(BoiteMessage::Type, type);
        QFETCH(QString, bouton);
        QFETCH(BoiteMessage::Reponse, attendue);
        BoiteMessage boite(nullptr, type, QStringLiteral("Question"));
        QTimer::singleShot(0, &boite, [&] {
            if (bouton.isEmpty())
                QTest::keyClick(&boite, Qt::Key_Escape);
            else
                QTest::mouseClick(Bouton(boite, bouton), Qt::LeftButton);
        });
        boite.exec();
        QCOMPARE(boite.reponse(), attendue);
    }

    void repondeur()
    {
        QList<QPair<BoiteMessage::Type, QString>> vus;
        BoiteMessage::definirRepondeur([&](BoiteMessage::Type type, const QString& texte) {
            vus.append({type, texte});
            return BoiteMessage::Reponse::Non;
        });
        QVERIFY(!BoiteMessage::Confirmer(nullptr, QStringLiteral("Supprimer ?")));
        BoiteMessage::Avertir(nullptr, QStringLiteral("Attention"));
        QCOMPARE(vus.size(), 2);
        QCOMPARE(vus.at(0).first, BoiteMessage::Type::Confirmation);
        QCOMPARE(vus.at(0).second, QStringLiteral("Supprimer ?"));
        QCOMPARE(vus.at(1).first, BoiteMessage::Type::Avertissement);
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Oui; });
        QVERIFY(BoiteMessage::Confirmer(nullptr, QStringLiteral("Quitter ?")));
    }
};

QObject* CreerTestBoiteMessage()
{
    return new TestBoiteMessage;
}

#include "tst_boitemessage.moc"
