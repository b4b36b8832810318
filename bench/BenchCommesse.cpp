// Times the job order loaders on a prepared database (see GeneraDatabase.cpp) against the
// floor: reading the same rows, joined as the loaders need them, with one plain statement
// per table through the SQLite C API and nothing built from them.
//
//   tavorno-bench PERCORSO

#include "Verdetti.h"
#include "db/ComplaintStore.h"
#include "db/JobOrderStore.h"
#include "db/UnitDB.h"
#include "platform/Errors.h"
#include "platform/Memory.h"

#include <sqlite3.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <map>

namespace {

// The rows of the job orders, their complaints, operations and parts: for every job order,
// for the job orders of a date (?1) and for the job order of one card (?1).
const char* const kPavimentoTutte[] = {
    "SELECT IDCommessaDMS, DescrizioneCommessa, CodiceScheda, Commessa.IdScheda, DataCommessa, "
    "MarketCode, Commessa.IdCliente, Commessa.IdVeicolo FROM Commessa, Scheda WHERE "
    "Commessa.IdScheda = Scheda.IdScheda",
    "SELECT IdInconveniente, IdCommessa, Descrizione, CodiceACarico, TipoIntervento FROM "
    "Inconveniente, Commessa WHERE Inconveniente.IdCommessa = Commessa.IDCommessaDMS",
    "SELECT IdOperazione, Prezzo, CodiceOperazione, Operazione.Descrizione, "
    "Operazione.CodiceACarico, Operazione.IdInconveniente FROM Operazione, Inconveniente WHERE "
    "Inconveniente.IdInconveniente = Operazione.IdInconveniente",
    "SELECT IdRicambio, CodiceRicambio, Ricambio.Descrizione, Ricambio.CodiceACarico, "
    "Ricambio.IdInconveniente FROM Ricambio, Inconveniente WHERE Inconveniente.IdInconveniente "
    "= Ricambio.IdInconveniente",
};

const char* const kPavimentoData[] = {
    "SELECT IDCommessaDMS, DescrizioneCommessa, CodiceScheda, Commessa.IdScheda, DataCommessa, "
    "MarketCode, Commessa.IdCliente, Commessa.IdVeicolo FROM Commessa, Scheda WHERE "
    "Commessa.IdScheda = Scheda.IdScheda AND Commessa.DataCommessa = ?1",
    "SELECT IdInconveniente, IdCommessa, Descrizione, CodiceACarico, TipoIntervento FROM "
    "Inconveniente, Commessa WHERE Inconveniente.IdCommessa = Commessa.IDCommessaDMS AND "
    "Commessa.DataCommessa = ?1",
    "SELECT IdOperazione, Prezzo, CodiceOperazione, Operazione.Descrizione, "
    "Operazione.CodiceACarico, Operazione.IdInconveniente FROM Operazione, Inconveniente, "
    "Commessa WHERE Inconveniente.IdInconveniente = Operazione.IdInconveniente AND "
    "Inconveniente.IdCommessa = Commessa.IDCommessaDMS AND Commessa.DataCommessa = ?1",
    "SELECT IdRicambio, CodiceRicambio, Ricambio.Descrizione, Ricambio.CodiceACarico, "
    "Ricambio.IdInconveniente FROM Ricambio, Inconveniente, Commessa WHERE "
    "Inconveniente.IdInconveniente = Ricambio.IdInconveniente AND Inconveniente.IdCommessa = "
    "Commessa.IDCommessaDMS AND Commessa.DataCommessa = ?1",
};

const char* const kPavimentoScheda[] = {
    "SELECT IDCommessaDMS, DescrizioneCommessa, CodiceScheda, Commessa.IdScheda, DataCommessa, "
    "MarketCode, Commessa.IdCliente, Commessa.IdVeicolo, StatoInvio FROM Commessa, Scheda "
    "WHERE Commessa.IdScheda = Scheda.IdScheda AND Scheda.IdScheda = ?1",
    "SELECT IdInconveniente, IdCommessa, Descrizione, CodiceACarico, TipoIntervento FROM "
    "Inconveniente, Commessa WHERE Inconveniente.IdCommessa = Commessa.IDCommessaDMS AND "
    "Commessa.IdScheda = ?1",
    "SELECT IdOperazione, Prezzo, CodiceOperazione, Operazione.Descrizione, "
    "Operazione.CodiceACarico, Operazione.IdInconveniente FROM Operazione, Inconveniente, "
    "Commessa WHERE Inconveniente.IdInconveniente = Operazione.IdInconveniente AND "
    "Inconveniente.IdCommessa = Commessa.IDCommessaDMS AND Commessa.IdScheda = ?1",
    "SELECT IdRicambio, CodiceRicambio, Ricambio.Descrizione, Ricambio.CodiceACarico, "
    "Ricambio.IdInconveniente FROM Ricambio, Inconveniente, Commessa WHERE "
    "Inconveniente.IdInconveniente = Ricambio.IdInconveniente AND Inconveniente.IdCommessa = "
    "Commessa.IDCommessaDMS AND Commessa.IdScheda = ?1",
};

// Keeps the compiler from skipping reads whose results nobody looks at.
volatile qint64 gControllo = 0;

class Pavimento {
public:
    explicit Pavimento(const QString& percorso) {
        if (sqlite3_open_v2(percorso.toUtf8().constData(), &db_, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK) {
            throw TavornoError(QStringLiteral("Impossibile aprire %1").arg(percorso));
        }
    }
    ~Pavimento() {
        for (const auto& [sql, st] : preparate_) {
            sqlite3_finalize(st);
        }
        sqlite3_close_v2(db_);
    }
    Pavimento(const Pavimento&) = delete;
    Pavimento& operator=(const Pavimento&) = delete;

    // Steps through every row of the four statements and reads each column once, integers
    // as integers and everything else as text. Statements are prepared once, as the
    // program's are.
    void leggi(const char* const (&istruzioni)[4],
               const std::function<void(sqlite3_stmt*)>& vincola) {
        qint64 controllo = 0;
        for (const char* sql : istruzioni) {
            sqlite3_stmt* st = preparata(sql);
            vincola(st);
            const int colonne = sqlite3_column_count(st);
            while (sqlite3_step(st) == SQLITE_ROW) {
                for (int i = 0; i < colonne; ++i) {
                    if (sqlite3_column_type(st, i) == SQLITE_INTEGER) {
                        controllo += sqlite3_column_int64(st, i);
                    } else {
                        sqlite3_column_text(st, i);
                        controllo += sqlite3_column_bytes(st, i);
                    }
                }
            }
            sqlite3_reset(st);
        }
        gControllo = gControllo + controllo;
    }

    QString testo(const char* sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK) {
            throw TavornoError(QString::fromUtf8(sqlite3_errmsg(db_)));
        }
        QString risultato;
        if (sqlite3_step(st) == SQLITE_ROW) {
            risultato =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        }
        sqlite3_finalize(st);
        return risultato;
    }

private:
    sqlite3_stmt* preparata(const char* sql) {
        sqlite3_stmt*& st = preparate_[sql];
        if (st == nullptr && sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK) {
            throw TavornoError(QString::fromUtf8(sqlite3_errmsg(db_)));
        }
        return st;
    }

    sqlite3* db_ = nullptr;
    std::map<const char*, sqlite3_stmt*> preparate_;
};

// One run in milliseconds. What the run returns is released after the clock stops:
// freeing is not part of loading.
template <typename Lavoro>
double cronometra(Lavoro lavoro) {
    QElapsedTimer timer;
    timer.start();
    [[maybe_unused]] const auto risultato = lavoro();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

struct Tempi {
    double lavoro = 1e300;
    double pavimento = 1e300;
};

// The floor and the work in turn, `volte` times each, so that a busy moment of the machine
// weighs on both alike; the best run of each, the one least disturbed.
template <typename Pavimento, typename Lavoro>
Tempi alternati(int volte, Pavimento pavimento, Lavoro lavoro) {
    Tempi meglio;
    for (int i = 0; i < volte; ++i) {
        meglio.pavimento = std::min(meglio.pavimento, cronometra(pavimento));
        meglio.lavoro = std::min(meglio.lavoro, cronometra(lavoro));
    }
    return meglio;
}

// Pages the process has had to map so far: every page of new memory costs one.
long pagine() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_minflt + uso.ru_majflt;
}

// What one new page costs on this machine, in microseconds: on a virtual machine it can be
// the larger part of loading a long list.
double costoPaginaMicrosecondi() {
    constexpr size_t kByte = 64u << 20;
    void* memoria =
        mmap(nullptr, kByte, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memoria == MAP_FAILED) {
        return 0;
    }
    const long primaDi = pagine();
    QElapsedTimer timer;
    timer.start();
    for (size_t i = 0; i < kByte; i += 4096) {
        static_cast<volatile char*>(memoria)[i] = 1;
    }
    const double microsecondi = static_cast<double>(timer.nsecsElapsed()) / 1e3;
    const long toccate = pagine() - primaDi;
    munmap(memoria, kByte);
    return toccate > 0 ? microsecondi / static_cast<double>(toccate) : 0;
}

double piccoMemoriaMB() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

int misura(const QString& percorso) {
    Pavimento pavimento(percorso);
    const QString conteggi = pavimento.testo(
        "SELECT (SELECT count(*) FROM Commessa) || ' commesse, ' || (SELECT count(*) FROM "
        "Inconveniente) || ' inconvenienti, ' || (SELECT count(*) FROM Operazione) || ' "
        "operazioni, ' || (SELECT count(*) FROM Ricambio) || ' ricambi'");
    const QString giornoPieno = pavimento.testo(
        "SELECT DataCommessa FROM Commessa GROUP BY DataCommessa ORDER BY count(*) DESC, "
        "DataCommessa LIMIT 1");
    const QString commesseGiornoPieno =
        pavimento.testo(QStringLiteral("SELECT count(*) FROM Commessa WHERE DataCommessa = '%1'")
                            .arg(giornoPieno)
                            .toUtf8()
                            .constData());
    const int idSchede = pavimento.testo("SELECT MAX(IdScheda) FROM Scheda").toInt();
    if (giornoPieno.isEmpty() || idSchede == 0) {
        throw TavornoError(
            QStringLiteral("Il database %1 non contiene commesse: niente da misurare.")
                .arg(percorso));
    }
    Verdetti verdetti;
    verdetti.nota(QStringLiteral("Database: %1 (%2); giorno più pieno: %3 (%4 commesse)")
                      .arg(percorso, conteggi, giornoPieno, commesseGiornoPieno));

    TDataModule1 dm;
    dm.SQLConnection1.setDatabase(percorso);
    ComplaintStore complaints(dm);
    JobOrderStore jobOrders(dm, complaints);
    jobOrders.setCodiceOfficina(QStringLiteral("0123456"));
    const auto nessunVincolo = [](sqlite3_stmt*) {};

    const auto pavimentoTutte = [&] {
        pavimento.leggi(kPavimentoTutte, nessunVincolo);
        return 0;
    };
    const auto tutte = [&] { return jobOrders.getAllCommesseFromDB(); };
    constexpr int kVolte = 5;

    // The file into the cache; then the first load of the process, which also has to get its
    // memory from the system, and the best of five after it.
    cronometra(pavimentoTutte);
    long primaDi = pagine();
    const double primo = cronometra(tutte);
    const long paginePrimo = pagine() - primaDi;
    primaDi = pagine();
    const Tempi elenco = alternati(kVolte, pavimentoTutte, tutte);
    const long pagineSuccessivi = (pagine() - primaDi) / kVolte;
    const double picco = piccoMemoriaMB();
    verdetti.rapporto(QStringLiteral("getAllCommesseFromDB sul pavimento, primo caricamento"),
                      primo, elenco.pavimento, 2);
    verdetti.rapporto(QStringLiteral("getAllCommesseFromDB sul pavimento, migliore di 5"),
                      elenco.lavoro, elenco.pavimento, 2);

    const QStringList data = giornoPieno.split(u'-');
    const QByteArray dataUtf8 = giornoPieno.toUtf8();
    const Tempi giorno = alternati(
        50,
        [&] {
            pavimento.leggi(kPavimentoData, [&](sqlite3_stmt* st) {
                sqlite3_bind_text(st, 1, dataUtf8.constData(), -1, SQLITE_STATIC);
            });
            return 0;
        },
        [&] {
            return jobOrders.getListaCommesseFromDB(data[0], QString::number(data[1].toInt()),
                                                    QString::number(data[2].toInt()));
        });
    verdetti.sotto(QStringLiteral("getListaCommesseFromDB, giorno più pieno"), giorno.lavoro, 20);
    verdetti.confrontoRapporto(QStringLiteral("  sul suo pavimento"), giorno.lavoro,
                               giorno.pavimento);

    constexpr int kSchede = 500;
    const auto scheda = [&](int i) { return 1 + static_cast<int>((i * 7919LL) % idSchede); };
    const Tempi schede = alternati(
        3,
        [&] {
            for (int i = 0; i < kSchede; ++i) {
                pavimento.leggi(kPavimentoScheda,
                                [&](sqlite3_stmt* st) { sqlite3_bind_int(st, 1, scheda(i)); });
            }
            return 0;
        },
        [&] {
            std::vector<TCommessa> lette;
            for (int i = 0; i < kSchede; ++i) {
                lette.push_back(jobOrders.getCommessaFromIdScheda(scheda(i)));
            }
            return lette;
        });
    verdetti.confrontoRapporto(
        QStringLiteral("getCommessaFromIdScheda sul pavimento, media su %1").arg(kSchede),
        schede.lavoro / kSchede, schede.pavimento / kSchede);

    // For comparison: the complaints of every job order loaded one job order at a time, as
    // the per-record path does, with one list in memory as above.
    std::vector<TCommessa> commesse;
    for (TCommessa commessa : jobOrders.getAllCommesseFromDB()) {
        commessa.FListaInconvenienti.reset();
        commesse.push_back(commessa);
    }
    const double unoPerUno = cronometra([&] {
        std::vector<std::shared_ptr<TListaInconvenienti>> liste;
        liste.reserve(commesse.size());
        for (const TCommessa& commessa : commesse) {
            liste.push_back(complaints.getListaInconvenientiFromDB(commessa));
        }
        return liste;
    });
    verdetti.confrontoRapporto(
        QStringLiteral("inconvenienti commessa per commessa sul pavimento dell'elenco"), unoPerUno,
        elenco.pavimento);

    // The same when freed memory stays with the process: by default glibc hands it back to
    // the system and every load maps its pages anew, which a virtual machine makes dear.
    keepFreedMemory();
    cronometra(tutte);
    primaDi = pagine();
    const Tempi trattenuta = alternati(kVolte, pavimentoTutte, tutte);
    const long pagineTrattenuta = (pagine() - primaDi) / kVolte;
    verdetti.confrontoRapporto(
        QStringLiteral("getAllCommesseFromDB sul pavimento, memoria trattenuta"), trattenuta.lavoro,
        trattenuta.pavimento);
    verdetti.sotto(QStringLiteral("picco di memoria con l'elenco completo (ru_maxrss)"), picco, 500,
                   QStringLiteral("MB"));
    verdetti.nota(QStringLiteral("Pagine nuove per l'elenco completo: %1 al primo caricamento, %2 "
                                 "ai successivi, %3 con la memoria trattenuta; una pagina nuova "
                                 "costa qui %4 µs")
                      .arg(paginePrimo)
                      .arg(pagineSuccessivi)
                      .arg(pagineTrattenuta)
                      .arg(costoPaginaMicrosecondi(), 0, 'f', 1));
    return verdetti.esito();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments().mid(1);
    if (argomenti.size() != 1) {
        QTextStream(stderr) << "Uso: tavorno-bench PERCORSO\n";
        return 2;
    }
    try {
        return misura(argomenti[0]);
    } catch (const std::exception& error) {
        QTextStream(stderr) << errorMessage(error) << '\n';
        return 1;
    }
}
