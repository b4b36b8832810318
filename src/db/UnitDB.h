#pragma once

#include "db/SQLConnection.h"
#include "db/SQLQuery.h"

// The data module: the one connection and the named statements, made first at start-up
// and kept for the whole run. SQLQueryGeneric is shared; each use puts its own statement in
// and must be done reading it before the next use starts.
class TDataModule1 {
public:
    TDataModule1() = default;
    TDataModule1(const TDataModule1&) = delete;
    TDataModule1& operator=(const TDataModule1&) = delete;

    TSQLConnection SQLConnection1;

    TSQLQuery SQLQueryGetMercati{SQLConnection1, QStringLiteral("SELECT * FROM Mercati;")};
    TSQLQuery SQLQueryGetMarche{SQLConnection1,
                                QStringLiteral("SELECT * FROM Marche ORDER BY Code")};
    TSQLQuery SQLQueryGetTipoIntervento{SQLConnection1,
                                        QStringLiteral("SELECT * FROM TipoIntervento")};
    TSQLQuery SQLQueryGetCodiciACarico{SQLConnection1,
                                       QStringLiteral("SELECT * FROM CodiceACarico")};
    // The two inserts keep their fixed heads; the values are bound, never spliced in.
    TSQLQuery SQLQueryInsertCommessa{
        SQLConnection1,
        QStringLiteral(
            "INSERT INTO Commessa (IdScheda, DescrizioneCommessa, MarketCode, IdCliente, "
            "IdVeicolo) VALUES (:IdScheda, :DescrizioneCommessa, :MarketCode, "
            ":IdCliente, :IdVeicolo);")};
    TSQLQuery SQLQueryInsertScheda{
        SQLConnection1,
        QStringLiteral("INSERT INTO Scheda (CodiceScheda, IdCliente, IdVeicolo) VALUES "
                       "(:CodiceScheda, :IdCliente, :IdVeicolo);")};
    TSQLQuery SQLQueryGeneric{SQLConnection1};
    TSQLQuery SQLQueryGetListaInconvenientiFromIdCommessaDMS{
        SQLConnection1,
        QStringLiteral("SELECT IdInconveniente, IdCommessa, Descrizione, CodiceACarico, "
                       "TipoIntervento FROM Inconveniente, Commessa WHERE "
                       "Inconveniente.IdCommessa = Commessa.IDCommessaDMS AND "
                       "Inconveniente.IdCommessa = :IDCOMMDMS;")};
    TSQLQuery SQLQueryGetListaCommessePerData{
        SQLConnection1,
        QStringLiteral("SELECT IDCommessaDMS, DescrizioneCommessa, CodiceScheda, "
                       "Commessa.IdScheda, DataCommessa, MarketCode, Commessa.IdCliente, "
                       "Commessa.IdVeicolo FROM Commessa, Scheda WHERE Commessa.IdScheda = "
                       "Scheda.IdScheda AND Commessa.DataCommessa = :DATECOMM ;")};
    TSQLQuery SQLQueryGetListaTutteCommesse{
        SQLConnection1,
        QStringLiteral("SELECT IDCommessaDMS, DescrizioneCommessa, CodiceScheda, "
                       "Commessa.IdScheda, DataCommessa, MarketCode, Commessa.IdCliente, "
                       "Commessa.IdVeicolo FROM Commessa, Scheda WHERE Commessa.IdScheda = "
                       "Scheda.IdScheda ;")};
    TSQLQuery SQLQueryEliminaScheda{SQLConnection1,
                                    QStringLiteral("DELETE FROM Scheda WHERE IdScheda = :IDSCHE;")};
    TSQLQuery SQLQueryImpostaCommessaComeInviata{
        SQLConnection1,
        QStringLiteral("UPDATE Commessa SET StatoInvio = :Stato WHERE IDCommessaDMS = :IDCOMM;")};
};
