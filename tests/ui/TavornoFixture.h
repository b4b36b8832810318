#pragma once

#include "support/DbProbe.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkFolder.h"
#include "ui/AvvioTavorno.h"
#include "ui/Tavorno.h"

#include <gtest/gtest.h>
#include <QMap>

// A working folder with settings and a prepared database, and the program started on it
// through the real start-up, with the answers scripted.
class TavornoTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings = WorkFolder::defaultSettings();
        folder.createDatabase();
    }

    TFormTavorno& avvia() {
        folder.writeSettings(settings);
        program = avviaTavorno();
        EXPECT_TRUE(program.runEventLoop);
        return *program.mainWindow;
    }

    // A job card document: the head keys given (section testa) and the job card code.
    void scriviDocumento(const QMap<QString, QString>& testa, const QString& codiceScheda) {
        QByteArray text = "[testa]\n";
        for (auto it = testa.begin(); it != testa.end(); ++it) {
            text += it.key().toUtf8() + "=" + it.value().toUtf8() + "\n";
        }
        text += "[DatiScheda]\nCodiceScheda=" + codiceScheda.toUtf8() + "\n";
        folder.writeDmsDocument(text);
    }

    // The demo job card of data/demo: a new card with three operation and five part lines.
    void scriviDocumentoDemo() {
        folder.writeDmsDocument(readFile(QStringLiteral(TAVORNO_DEMO_CARD)));
    }

    // A new card of a private customer with DMS code 04217 and a FIAT.
    static QMap<QString, QString> testaNuovaScheda() {
        return {{QStringLiteral("Piva"), QStringLiteral("02468013579")},
                {QStringLiteral("Marca"), QStringLiteral("FIAT")},
                {QStringLiteral("Modello"), QStringLiteral("PANDA")},
                {QStringLiteral("VersioneTem"), QStringLiteral("1.0 Hybrid")},
                {QStringLiteral("RagSociale"), QStringLiteral("D'Amico Nicolò")},
                {QStringLiteral("CodFiscale"), QStringLiteral("DMCNCL80A01D969K")},
                {QStringLiteral("CodCliente"), QStringLiteral("04217")},
                {QStringLiteral("Targa"), QStringLiteral("GE 482 LT")},
                {QStringLiteral("Telaio"), QStringLiteral("04567891")},
                {QStringLiteral("CodMarcaCobol"), QStringLiteral("125")}};
    }

    // A stored job order of card `codiceScheda`, customer 00012 and vehicle AB123CD, with
    // one complaint. Returns its job order id.
    QString memorizzaCommessa(const QString& codiceScheda, bool inviata) {
        DbProbe db(folder.path(QStringLiteral("KORVADEX.db")));
        db.exec(QStringLiteral(
            "INSERT INTO Veicolo (Targa, CodiceMarca, MVS, Telaio) VALUES ('AB123CD', '60', "
            "'1690AXB', '12345678');"
            "INSERT INTO Cliente (IdCliente, RagioneSociale, TipoCliente, CodiceFiscale) VALUES "
            "('00012', 'Rossi Mario', 'S', 'RSSMRA80A01H501U');"));
        db.exec(QStringLiteral("INSERT INTO Scheda (CodiceScheda, IdCliente, IdVeicolo) VALUES "
                               "('%1', 12, (SELECT MAX(IdVeicolo) FROM Veicolo));")
                    .arg(codiceScheda));
        db.exec(QStringLiteral(
                    "INSERT INTO Commessa (IdScheda, DescrizioneCommessa, MarketCode, IdCliente, "
                    "IdVeicolo, StatoInvio) VALUES ((SELECT MAX(IdScheda) FROM Scheda), "
                    "'Tagliando \"A\"', 380, 12, (SELECT MAX(IdVeicolo) FROM Veicolo), %1);")
                    .arg(inviata ? 1 : 0));
        const QString id = db.scalar(QStringLiteral("SELECT MAX(IDCommessaDMS) FROM Commessa"));
        db.exec(QStringLiteral("INSERT INTO Inconveniente (IdCommessa, Descrizione, "
                               "CodiceACarico, TipoIntervento) VALUES (%1, 'Rumore ai freni', "
                               "'C', 'M');")
                    .arg(id));
        return id;
    }

    DbProbe database() { return DbProbe(folder.path(QStringLiteral("KORVADEX.db"))); }

    WorkFolder folder;
    ScriptedInteraction script;
    QMap<QString, QString> settings;
    ProgrammaTavorno program;
};
