#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class TDataModule1;
class TSQLQuery;

// A reference table as the program keeps it: code text to the text shown, keys compared
// exactly, each code once.
using MappaCodici = QMap<QString, QString>;

// What a reference loader read: the map and the shown texts in the order of the rows.
// `hadRows` is false when the table had no row: then the window's list stays as it was.
struct RigheRiferimento {
    MappaCodici map;
    QStringList texts;
    bool hadRows = false;
};

// The four read-only reference tables: their loaders, run once at start-up, and the
// lookups that turn a shown text into its code and back (always asked of the database).
class ReferenceTables {
public:
    explicit ReferenceTables(TDataModule1& dataModule) : dm_(dataModule) {}

    // Each loader opens its named statement afresh and reads every row into `rows`. A code
    // met a second time throws "Duplicates not allowed", with `rows` holding what was read
    // before that row.
    void CaricaMercati(RigheRiferimento& rows);
    void CaricaMarche(RigheRiferimento& rows);
    void CaricaTipiIntervento(RigheRiferimento& rows);
    void CaricaCodiciACarico(RigheRiferimento& rows);

    // Empty text when nothing matches.
    QString getCodiceMercato(const QString& descrizione);
    QString getCodiceMarca(const QString& nomeMarca);
    QString getNomeMarca(const QString& codiceMarca);
    QString getIdCodiceACarico(const QString& nomeCodiceACarico);
    QString getIdTipoIntervento(const QString& nomeTipoIntervento);

private:
    static void readRows(TSQLQuery& query, RigheRiferimento& rows);
    QString lookup(const QString& sql, const QString& value);

    TDataModule1& dm_;
};
