// Times the export on a prepared database (see GeneraDatabase.cpp): the busiest day, and
// 1,000 job orders (the first days of the database, day after day, until there are 1,000).
// For each, loading the job orders alone and the export (loading, building the document
// with every customer and vehicle read afresh, writing the file and flushing it to disk),
// and their ratio; then the export once more without writing the file, to tell the cost of
// the disk apart. With --memoria-trattenuta the process keeps freed memory from its start,
// as the program does; without it, memory is handled as glibc does by default.
//
//   tavorno-bench-export PERCORSO [--memoria-trattenuta]

#include "GiornoPiuPieno.h"
#include "app/ArchivioEsportazione.h"
#include "db/ComplaintStore.h"
#include "db/JobOrderStore.h"
#include "db/UnitDB.h"
#include "export/ExportGeneration.h"
#include "platform/Errors.h"
#include "platform/Memory.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <string_view>

namespace {

using Giorni = QList<QDate>;

template <typename Lavoro>
double migliorDi(int volte, Lavoro lavoro) {
    double meglio = 1e300;
    for (int i = 0; i < volte; ++i) {
        QElapsedTimer timer;
        timer.start();
        lavoro();
        meglio = std::min(meglio, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return meglio;
}

class Misura {
public:
    explicit Misura(const QString& percorso) : jobOrders_(dm_, complaints_), archivio_(jobOrders_) {
        dm_.SQLConnection1.setDatabase(percorso);
        jobOrders_.setCodiceOfficina(QStringLiteral("0123456"));
    }

    // The job orders of the days, loaded as "Genera XML Odierno" loads one day.
    TListaCommesse carica(const Giorni& giorni) {
        TListaCommesse lista;
        for (const QDate& giorno : giorni) {
            for (const TCommessa& commessa : jobOrders_.getListaCommesseFromDB(
                     QString::number(giorno.year()), QString::number(giorno.month()),
                     QString::number(giorno.day()))) {
                lista.Add(commessa);
            }
        }
        return lista;
    }

    // As "Genera XML Odierno" exports, without its messages.
    void esporta(const Giorni& giorni, const QString& file) {
        writeExportXml(carica(giorni), archivio_, file);
    }

    // The same up to the formatted text, which stays in memory: what the export costs
    // before the file is written and flushed to disk.
    void esportaInMemoria(const Giorni& giorni) { buildExportXml(carica(giorni), archivio_); }

    // Days from the first one of the database on, until they hold `quante` job orders.
    Giorni primiGiorni(int quante) {
        Giorni giorni;
        TSQLQuery& query = dm_.SQLQueryGeneric;
        query.setSQL(
            QStringLiteral("SELECT DataCommessa, count(*) AS n FROM Commessa GROUP BY "
                           "DataCommessa ORDER BY DataCommessa"));
        int contate = 0;
        for (query.open(); !query.eof() && contate < quante; query.next()) {
            giorni << QDate::fromString(query.fieldText(0), Qt::ISODate);
            contate += static_cast<int>(query.fieldInteger(1));
        }
        query.close();
        return giorni;
    }

    QDate giornoPiuPieno() { return ::giornoPiuPieno(dm_); }

private:
    TDataModule1 dm_;
    ComplaintStore complaints_{dm_};
    JobOrderStore jobOrders_;
    ArchivioEsportazione archivio_;
};

void riga(QTextStream& out, const QString& nome, const QString& commesse, double carica,
          double esporta) {
    out << nome.leftJustified(34) << commesse.rightJustified(8)
        << QString::number(carica, 'f', 2).rightJustified(12) << " ms"
        << QString::number(esporta, 'f', 2).rightJustified(12) << " ms"
        << QString::number(esporta / carica, 'f', 2).rightJustified(8) << "x   entro 2x\n";
    out.flush();
}

void misura(const QString& percorso, bool memoriaTrattenuta) {
    QTextStream out(stdout);
    out << (memoriaTrattenuta ? "Memoria liberata trattenuta dal processo, come fa il programma\n"
                              : "Memoria gestita come fa glibc di norma\n");
    Misura misura(percorso);
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("KORVADEX.XML"));
    out << QStringLiteral("Esportazione").leftJustified(34) << " commesse     caricamento"
        << "   esportazione  rapporto\n";
    const struct {
        QString nome;
        Giorni giorni;
    } casi[] = {
        {QStringLiteral("giorno più pieno"), {misura.giornoPiuPieno()}},
        {QStringLiteral("1.000 commesse"), misura.primiGiorni(1000)},
    };
    for (const auto& caso : casi) {
        const int commesse = misura.carica(caso.giorni).Count();
        const double carica = migliorDi(5, [&] { misura.carica(caso.giorni); });
        const double esporta = migliorDi(5, [&] { misura.esporta(caso.giorni, file); });
        const double inMemoria = migliorDi(5, [&] { misura.esportaInMemoria(caso.giorni); });
        riga(out, caso.nome, QString::number(commesse), carica, esporta);
        riga(out, QStringLiteral("  senza scrivere il file"), QString(), carica, inMemoria);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool memoriaTrattenuta =
        argc == 3 && std::string_view(argv[2]) == std::string_view("--memoria-trattenuta");
    if (memoriaTrattenuta) {
        keepFreedMemory();
    }
    QCoreApplication application(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments().mid(1);
    if (argomenti.size() != (memoriaTrattenuta ? 2 : 1)) {
        QTextStream(stderr) << "Uso: tavorno-bench-export PERCORSO [--memoria-trattenuta]\n";
        return 2;
    }
    try {
        misura(argomenti[0], memoriaTrattenuta);
    } catch (const std::exception& error) {
        QTextStream(stderr) << errorMessage(error) << '\n';
        return 1;
    }
    return 0;
}
