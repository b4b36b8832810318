// Times the result windows of the job order search on a prepared database (see
// GeneraDatabase.cpp), each figure next to what it is measured against:
// - the list of all job orders, from the click to the filled window on screen (loading, the
//   sent filter, the lines), with "CommesseGiaInviate" true and false, against
//   getAllCommesseFromDB alone; on the first load of a process (each in a process of its
//   own) and as the best of 5 after it;
// - the window of the busiest day;
// - deleting 100 checked job orders from the list of all job orders (on a copy of the
//   database), with lines and database compared afterwards;
// - painting the list scrolled to its middle and checking a line with Space, with ten years
//   of lines against a hundred.
//
//   tavorno-bench-liste PERCORSO

#include "GiornoPiuPieno.h"
#include "Verdetti.h"
#include "db/UnitDB.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"
#include "platform/Memory.h"
#include "ui/ListaTutteCommesse.h"
#include "ui/TabellaCommessePerData.h"
#include "ui/Tavorno.h"

#include <sys/resource.h>
#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <memory>
#include <type_traits>

namespace {

// Says yes to every question, as the user who deletes; any error stops the benchmark.
class SiATutto : public Interaction {
public:
    void showMessage(const QString&, const QString& text) override { messaggi << text; }
    void showSimpleMessage(const QString& text) override { messaggi << text; }
    bool confirm(const QString&) override { return true; }
    bool confirmWarning(const QString&, const QString&) override { return true; }
    bool ask(const QString&) override { return true; }
    void reportError(const QString& text) override { throw TavornoError(text); }
    int showModal(QObject&) override { throw TavornoError(QStringLiteral("finestra inattesa")); }
    void endProgram() override {}
    bool endRequested() const override { return false; }

    QStringList messaggi;
};

double millisecondi(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// One run in milliseconds. What the run returns is released after the clock stops:
// freeing is not part of loading.
template <typename Lavoro>
double cronometra(Lavoro lavoro) {
    QElapsedTimer timer;
    timer.start();
    if constexpr (std::is_void_v<decltype(lavoro())>) {
        lavoro();
        return millisecondi(timer);
    } else {
        [[maybe_unused]] const auto risultato = lavoro();
        return millisecondi(timer);
    }
}

template <typename Lavoro>
double migliorDi(int volte, Lavoro lavoro) {
    double meglio = 1e300;
    for (int i = 0; i < volte; ++i) {
        meglio = std::min(meglio, cronometra(lavoro));
    }
    return meglio;
}

double piccoMemoriaMB() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// The window on screen as the user first sees it: laid out and painted.
void mostra(QWidget& finestra) {
    finestra.show();
    QApplication::processEvents();
    finestra.grab();
}

// The main window the result windows belong to, on the database, without its set-up.
class Programma {
public:
    explicit Programma(const QString& percorso) {
        dm_.SQLConnection1.setDatabase(percorso);
        tavorno_ = std::make_unique<TFormTavorno>(dm_);
        tavorno_->jobOrders.setCodiceOfficina(QStringLiteral("0123456"));
    }

    TFormTavorno& tavorno() { return *tavorno_; }

    // From the click to the filled window on screen.
    std::unique_ptr<TFormListaTutteCommesse> apriListaTutte(bool commesseGiaInviate, double& ms) {
        tavorno_->GestisciCommesseInviate = commesseGiaInviate;
        std::unique_ptr<TFormListaTutteCommesse> lista;
        ms = cronometra([&] {
            lista = std::make_unique<TFormListaTutteCommesse>(*tavorno_);
            mostra(*lista);
        });
        return lista;
    }

    std::unique_ptr<TFormTabellaCommessePerData> apriGiorno(const QDate& giorno, double& ms) {
        std::unique_ptr<TFormTabellaCommessePerData> finestra;
        ms = cronometra([&] {
            finestra = std::make_unique<TFormTabellaCommessePerData>(*tavorno_, giorno);
            mostra(*finestra);
        });
        return finestra;
    }

    double caricaTutte() {
        return cronometra([&] { return tavorno_->jobOrders.getAllCommesseFromDB(); });
    }

    QDate giornoPiuPieno() { return ::giornoPiuPieno(dm_); }

private:
    TDataModule1 dm_;
    std::unique_ptr<TFormTavorno> tavorno_;
};

// The best of `volte` runs of a measure that returns its own milliseconds (what it returns
// is released after the clock stops: freeing is not part of opening).
template <typename Misura>
double migliorMisura(int volte, Misura misura) {
    double meglio = 1e300;
    for (int i = 0; i < volte; ++i) {
        meglio = std::min(meglio, misura());
    }
    return meglio;
}

// What a fresh process measures for the first load: it prints the milliseconds and its
// peak memory in megabytes.
const QStringList kPrimi = {QStringLiteral("getAllCommesseFromDB"), QStringLiteral("lista-true"),
                            QStringLiteral("lista-false")};

double primoCaricamento(const QString& percorso, const QString& cosa) {
    Programma programma(percorso);
    if (cosa == kPrimi[0]) {
        return programma.caricaTutte();
    }
    double ms = 0;
    programma.apriListaTutte(cosa == kPrimi[1], ms);
    return ms;
}

struct Primo {
    double ms;
    double piccoMB;
};

Primo primoInUnProcesso(const QString& percorso, const QString& cosa) {
    QProcess processo;
    processo.start(QCoreApplication::applicationFilePath(),
                   {percorso, QStringLiteral("--primo"), cosa});
    if (!processo.waitForFinished(600000) || processo.exitCode() != 0) {
        throw TavornoError(QStringLiteral("Misura del primo caricamento (%1) non riuscita: %2")
                               .arg(cosa, QString::fromLocal8Bit(processo.readAllStandardError())));
    }
    const QStringList valori =
        QString::fromLatin1(processo.readAllStandardOutput()).simplified().split(u' ');
    return {valori.value(0).toDouble(), valori.value(1).toDouble()};
}

// Scrolls the list to its middle and paints it, then checks the line at the top with Space
// and paints again; the best of `volte`.
double scorriESpunta(QListView& lista, int volte) {
    QScrollBar& barra = *lista.verticalScrollBar();
    int volta = 0;
    return migliorMisura(volte, [&] {
        return cronometra([&] {
            barra.setValue(barra.maximum() / 2 + (volta++ % 2));
            lista.viewport()->repaint();
            lista.setCurrentIndex(lista.indexAt(QPoint(5, 5)));
            QKeyEvent spazio(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(&lista, &spazio);
            lista.viewport()->repaint();
        });
    });
}

QSet<QString> idDi(const TListaCommesse& commesse) {
    QSet<QString> ids;
    for (const TCommessa& commessa : commesse) {
        ids.insert(commessa.FIDCommessaDMS);
    }
    return ids;
}

// Deletes `quante` checked job orders, spread over the list of all job orders, on a copy of
// the database; the lines and the rows left must be the same job orders.
double eliminaSpuntate(const QString& percorso, int quante, SiATutto& interazione) {
    QTemporaryDir cartella;
    const QString copia = cartella.filePath(QStringLiteral("copia.db"));
    if (!QFile::copy(percorso, copia)) {
        throw TavornoError(QStringLiteral("Impossibile copiare %1 in %2").arg(percorso, copia));
    }
    Programma programma(copia);
    double apertura = 0;
    const std::unique_ptr<TFormListaTutteCommesse> lista = programma.apriListaTutte(true, apertura);
    QAbstractItemModel& righe = *lista->CheckListBoxListaCommesse->model();
    const int prima = righe.rowCount();
    for (int i = 0; i < quante; ++i) {
        righe.setData(righe.index(i * (prima / quante), 0), Qt::Checked, Qt::CheckStateRole);
    }
    interazione.messaggi.clear();
    const double ms = cronometra([&] { lista->ButtonCancellaCommessa->click(); });

    const QSet<QString> memorizzate =
        idDi(programma.tavorno().jobOrders.getAllCommesseSenzaInconvenienti());
    if (interazione.messaggi != QStringList{QStringLiteral("Commesse eliminate con successo!")} ||
        righe.rowCount() != prima - quante || idDi(lista->ListaCommesse()) != memorizzate ||
        memorizzate.size() != prima - quante) {
        throw TavornoError(QStringLiteral("Dopo l'eliminazione righe e database non coincidono."));
    }
    return ms;
}

int misura(const QString& percorso, SiATutto& interazione) {
    Verdetti verdetti;
    const Primo primoTutte = primoInUnProcesso(percorso, kPrimi[0]);
    const Primo primaListaTutte = primoInUnProcesso(percorso, kPrimi[1]);
    const Primo primaListaNonInviate = primoInUnProcesso(percorso, kPrimi[2]);

    Programma programma(percorso);
    TFormTavorno& tavorno = programma.tavorno();
    programma.caricaTutte();  // the file into the cache
    const double tutte = migliorMisura(5, [&] { return programma.caricaTutte(); });
    int righeTutte = 0;
    int righeNonInviate = 0;
    const auto apri = [&](bool commesseGiaInviate, int& righe) {
        double ms = 0;
        righe = programma.apriListaTutte(commesseGiaInviate, ms)
                    ->CheckListBoxListaCommesse->model()
                    ->rowCount();
        return ms;
    };
    const double listaTutte = migliorMisura(5, [&] { return apri(true, righeTutte); });
    const double listaNonInviate = migliorMisura(5, [&] { return apri(false, righeNonInviate); });

    verdetti.nota(QStringLiteral("Lista delle Commesse: tutte %1 righe, non inviate %2 righe")
                      .arg(righeTutte)
                      .arg(righeNonInviate));
    verdetti.rapporto(QStringLiteral("Lista delle Commesse, tutte, primo del processo"),
                      primaListaTutte.ms, primoTutte.ms, 1.3);
    verdetti.rapporto(QStringLiteral("Lista delle Commesse, non inviate, primo del processo"),
                      primaListaNonInviate.ms, primoTutte.ms, 1.3);
    verdetti.rapporto(QStringLiteral("Lista delle Commesse, tutte, migliore di 5"), listaTutte,
                      tutte, 1.3);
    verdetti.rapporto(QStringLiteral("Lista delle Commesse, non inviate, migliore di 5"),
                      listaNonInviate, tutte, 1.3);
    // Where the time of the list goes.
    verdetti.confrontoRapporto(
        QStringLiteral("  di cui le commesse senza inconvenienti"),
        migliorDi(5, [&] { return tavorno.jobOrders.getAllCommesseSenzaInconvenienti(); }), tutte);
    verdetti.confrontoRapporto(
        QStringLiteral("  di cui lo stato d'invio, un'istruzione"),
        migliorDi(5, [&] { return tavorno.jobOrders.getIdCommesseInviate(); }), tutte);

    const QDate giorno = programma.giornoPiuPieno();
    int righeGiorno = 0;
    const double finestraGiorno = migliorMisura(20, [&] {
        double ms = 0;
        righeGiorno =
            programma.apriGiorno(giorno, ms)->CheckListBoxCommessePerData->model()->rowCount();
        return ms;
    });
    verdetti.sotto(QStringLiteral("Risultati Ricerca Commesse, %1 (%2 righe)")
                       .arg(giorno.toString(Qt::ISODate))
                       .arg(righeGiorno),
                   finestraGiorno, 20);

    // eliminaSpuntate stops the benchmark when lines and database differ afterwards.
    constexpr int kDaEliminare = 100;
    verdetti.sotto(QStringLiteral("Elimina Commessa, %1 spuntate fra tutte").arg(kDaEliminare),
                   eliminaSpuntate(percorso, kDaEliminare, interazione), 500);

    // The same window with every job order and with the unsent ones only.
    double ms = 0;
    const auto lunga = programma.apriListaTutte(true, ms);
    const auto corta = programma.apriListaTutte(false, ms);
    const double scorriLunga = scorriESpunta(*lunga->CheckListBoxListaCommesse, 50);
    const double scorriCorta = scorriESpunta(*corta->CheckListBoxListaCommesse, 50);
    // About flat: work proportional to the lines would make this ratio near that of the lines.
    verdetti.rapporto(QStringLiteral("Scorrere e spuntare, %1 righe su %2")
                          .arg(lunga->ListaCommesse().Count())
                          .arg(corta->ListaCommesse().Count()),
                      scorriLunga, scorriCorta, 1.5);

    const QString mb = QStringLiteral("MB");
    verdetti.sotto(QStringLiteral("picco di memoria, Lista delle Commesse, tutte"),
                   primaListaTutte.piccoMB, 500, mb);
    verdetti.sotto(QStringLiteral("picco di memoria, Lista delle Commesse, non inviate"),
                   primaListaNonInviate.piccoMB, 500, mb);
    verdetti.confronto(QStringLiteral("  per confronto: getAllCommesseFromDB"), primoTutte.piccoMB,
                       mb);
    return verdetti.esito();
}

}  // namespace

int main(int argc, char* argv[]) {
    keepFreedMemory();  // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments().mid(1);
    SiATutto siATutto;
    InteractionScope scope(siATutto);
    try {
        if (argomenti.size() == 3 && argomenti[1] == QLatin1String("--primo") &&
            kPrimi.contains(argomenti[2])) {
            const double ms = primoCaricamento(argomenti[0], argomenti[2]);
            QTextStream(stdout) << QString::number(ms, 'f', 3) << ' '
                                << QString::number(piccoMemoriaMB(), 'f', 1) << '\n';
            return 0;
        }
        if (argomenti.size() != 1) {
            QTextStream(stderr) << "Uso: tavorno-bench-liste PERCORSO\n";
            return 2;
        }
        return misura(argomenti[0], siATutto);
    } catch (const std::exception& error) {
        QTextStream(stderr) << errorMessage(error) << '\n';
        return 1;
    }
}
