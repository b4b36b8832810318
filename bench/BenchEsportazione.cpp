// Times the export on a prepared database (see GeneraDatabase.cpp): the busiest day, and
// 1,000 job orders (the first days of the database, day after day, until there are 1,000).
// For each, loading the job orders alone and the export as the program runs it (loading,
// building the document with every customer and vehicle read afresh, writing the file and
// replacing the previous one durably), and their ratio; then the same document written
// without the durable replacement, and the two parts of that replacement on their own: the
// flush to disk and the rename over the previous file. With --memoria-trattenuta the process
// keeps freed memory from its start, as the program does, and the target (export at most 2x
// the load) is judged; without it, memory is handled as glibc does by default and the
// figures are only printed.
//
//   tavorno-bench-export PERCORSO [--memoria-trattenuta]

#include "GiornoPiuPieno.h"
#include "Verdetti.h"
#include "app/ArchivioEsportazione.h"
#include "db/ComplaintStore.h"
#include "db/JobOrderStore.h"
#include "db/UnitDB.h"
#include "export/ExportGeneration.h"
#include "platform/Errors.h"
#include "platform/Memory.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <string_view>

namespace {

using Giorni = QList<QDate>;

double millisecondi(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

template <typename Lavoro>
double migliorDi(int volte, Lavoro lavoro) {
    double meglio = 1e300;
    for (int i = 0; i < volte; ++i) {
        QElapsedTimer timer;
        timer.start();
        lavoro();
        meglio = std::min(meglio, millisecondi(timer));
    }
    return meglio;
}

// The export split where the durable replacement begins: the document built and written to
// a new file in the folder, the flush of that file to disk, and its rename over the previous
// export. Best of each in milliseconds.
struct Scrittura {
    double senzaDurevole = 1e300;
    double flush = 1e300;
    double rinomina = 1e300;
};

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

    // The same document, formatted in memory.
    QByteArray documento(const Giorni& giorni) { return buildExportXml(carica(giorni), archivio_); }

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

    Scrittura esportaInParti(int volte, const Giorni& giorni, const QString& file) {
        const QByteArray temporaneo = QFile::encodeName(file + QStringLiteral(".nuovo"));
        Scrittura meglio;
        for (int i = 0; i < volte; ++i) {
            QElapsedTimer timer;
            timer.start();
            const QByteArray testo = documento(giorni);
            const int fd = open(temporaneo.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            bool riuscito = fd >= 0 && write(fd, testo.constData(), testo.size()) == testo.size();
            meglio.senzaDurevole = std::min(meglio.senzaDurevole, millisecondi(timer));
            timer.restart();
            riuscito = riuscito && fsync(fd) == 0;
            meglio.flush = std::min(meglio.flush, millisecondi(timer));
            if (fd >= 0) {
                close(fd);
            }
            timer.restart();
            riuscito = riuscito &&
                       rename(temporaneo.constData(), QFile::encodeName(file).constData()) == 0;
            if (!riuscito) {
                throw TavornoError(
                    QStringLiteral("Impossibile scrivere e sostituire %1").arg(file));
            }
            meglio.rinomina = std::min(meglio.rinomina, millisecondi(timer));
        }
        return meglio;
    }

private:
    TDataModule1 dm_;
    ComplaintStore complaints_{dm_};
    JobOrderStore jobOrders_;
    ArchivioEsportazione archivio_;
};

int misura(const QString& percorso, bool memoriaTrattenuta) {
    Verdetti verdetti;
    verdetti.nota(memoriaTrattenuta
                      ? QStringLiteral("Memoria liberata trattenuta dal processo, come fa il "
                                       "programma: obiettivo giudicato")
                      : QStringLiteral("Memoria gestita come fa glibc di norma: solo confronto"));
    Misura misura(percorso);
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("KORVADEX.XML"));
    const struct {
        QString nome;
        Giorni giorni;
    } casi[] = {
        {QStringLiteral("giorno più pieno"), {misura.giornoPiuPieno()}},
        {QStringLiteral("primi giorni"), misura.primiGiorni(1000)},
    };
    for (const auto& caso : casi) {
        const QString nome = QStringLiteral("%1 (%2 commesse)")
                                 .arg(caso.nome)
                                 .arg(misura.carica(caso.giorni).Count());
        const double carica = migliorDi(5, [&] { misura.carica(caso.giorni); });
        const double esporta = migliorDi(5, [&] { misura.esporta(caso.giorni, file); });
        const Scrittura parti = misura.esportaInParti(5, caso.giorni, file);
        const QString figura = QStringLiteral("esportazione sul caricamento, %1").arg(nome);
        if (memoriaTrattenuta) {
            verdetti.rapporto(figura, esporta, carica, 2);
        } else {
            verdetti.confrontoRapporto(figura, esporta, carica);
        }
        verdetti.confrontoRapporto(QStringLiteral("  senza la scrittura durevole"),
                                   parti.senzaDurevole, carica);
        verdetti.confronto(QStringLiteral("  scrittura durevole: flush su disco (fsync)"),
                           parti.flush);
        verdetti.confronto(QStringLiteral("  scrittura durevole: rinomina sul file precedente"),
                           parti.rinomina);
    }
    return verdetti.esito();
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
        return misura(argomenti[0], memoriaTrattenuta);
    } catch (const std::exception& error) {
        QTextStream(stderr) << errorMessage(error) << '\n';
        return 1;
    }
}
