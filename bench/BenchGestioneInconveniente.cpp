// Times the complaint editor "Gestione Inconveniente" on a complaint with 50 operations and
// 50 parts, added to a copy of a prepared database (see GeneraDatabase.cpp), each figure next
// to what it is measured against:
// - opening the editor on the complaint to change it, from its construction to the painted
//   window, against loading that complaint from the store (getListaInconvenientiFromDB of
//   a job order that holds only it); the first opening of the process and the best of 20;
// - Conferma of a change, answered Si (the lookups of the two codes, the whole complaint
//   saved, the window closed), against the store's own all-or-nothing save of the same
//   complaint, SalvaInconvenienteModificato; the best of 20;
// - the plate lookup of "Aggiungi Inconveniente..." (EsisteVeicolo, then
//   GetIdVeicoloFromTarga, regardless of letter case) on the vehicles of ten years, which the
//   index on Targa cannot serve, against the same lookups with the plate compared exactly.
//
//   tavorno-bench-inconveniente PERCORSO

#include "Verdetti.h"
#include "db/ComplaintStore.h"
#include "db/JobOrderStore.h"
#include "db/ReferenceTables.h"
#include "db/UnitDB.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"
#include "platform/Memory.h"
#include "ui/GestioneInconveniente.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

constexpr int kVoci = 50;
constexpr int kVolte = 20;

// Si to the editor's question; anything else the editor would show stops the benchmark.
class UtenteCheConferma : public Interaction {
public:
    void showMessage(const QString& title, const QString& text) override {
        throw TavornoError(QStringLiteral("Messaggio inatteso (%1): %2").arg(title, text));
    }
    void showSimpleMessage(const QString& text) override { showMessage(QString(), text); }
    bool confirm(const QString&) override { return true; }
    bool confirmWarning(const QString& title, const QString& text) override {
        showMessage(title, text);
        return false;
    }
    bool ask(const QString& text) override {
        showMessage(QString(), text);
        return false;
    }
    void reportError(const QString& text) override { throw TavornoError(text); }
    int showModal(QObject& window) override {
        throw TavornoError(
            QStringLiteral("Finestra inattesa: %1").arg(window.metaObject()->className()));
    }
    void endProgram() override {}
    bool endRequested() const override { return false; }
};

double msDa(const QElapsedTimer& orologio) {
    return static_cast<double>(orologio.nsecsElapsed()) / 1e6;
}

// The fewest milliseconds `misura` reports in `volte` runs.
double minimo(int volte, const std::function<double()>& misura) {
    double meglio = 1e300;
    for (int i = 0; i < volte; ++i) {
        meglio = std::min(meglio, misura());
    }
    return meglio;
}

double tempoDi(const std::function<void()>& lavoro) {
    QElapsedTimer orologio;
    orologio.start();
    lavoro();
    return msDa(orologio);
}

// The complaint and everything the editor is opened with, on the copy of the database.
class Banco {
public:
    explicit Banco(const QString& copia) : riferimenti_(dm_) {
        dm_.SQLConnection1.setDatabase(copia);
        RigheRiferimento tipi;
        riferimenti_.CaricaTipiIntervento(tipi);
        RigheRiferimento carichi;
        riferimenti_.CaricaCodiciACarico(carichi);
        tipi_ = {tipi.map,
                 [this](const QString& n) { return riferimenti_.getIdTipoIntervento(n); }};
        carichi_ = {carichi.map,
                    [this](const QString& n) { return riferimenti_.getIdCodiceACarico(n); }};
        commessa_.FIDCommessaDMS = memorizzaCommessaDiProva();
    }

    TInconveniente carica() {
        return complaints_.getListaInconvenientiFromDB(commessa_)->Get(0).value();
    }

    std::unique_ptr<TFormGestioneInconveniente> editor(const TInconveniente& inconveniente) {
        return std::make_unique<TFormGestioneInconveniente>(nullptr, complaints_, commessa_, true,
                                                            tipi_, carichi_, offerte_, offerti_,
                                                            inconveniente);
    }

    ComplaintStore& complaints() { return complaints_; }
    JobOrderStore& jobOrders() { return jobOrders_; }
    TDataModule1& dm() { return dm_; }

private:
    // A job order of its own, whose only complaint has the operations and parts.
    QString memorizzaCommessaDiProva() {
        const TCommessa nuova = TCommessa::Create(
            QString(), QStringLiteral("Banco di prova"), QString(), QStringLiteral("380"),
            QStringLiteral("BANCO-50"), QString(), QStringLiteral("00001"), -1, -1, nullptr, false);
        const TCliente cliente =
            TCliente::Create(QStringLiteral("00001"), QStringLiteral("Banco di prova"),
                             QStringLiteral("00000000000"), QStringLiteral("N"), QString(), false,
                             false, false, false, false, false);
        const TVeicolo veicolo =
            TVeicolo::Create(-1, QStringLiteral("ZZ999ZZ"), QStringLiteral("50"),
                             QStringLiteral("3120BXA"), QStringLiteral("04567891"));
        const QString id = jobOrders_.SalvaNuovaCommessa(nuova, cliente, veicolo).IDCommessaDMS;
        auto operazioni = std::make_shared<TListaOperazioni>();
        auto ricambi = std::make_shared<TListaRicambi>();
        for (int i = 1; i <= kVoci; ++i) {
            operazioni->Add(TOperazione::Create(
                -1, -1, QStringLiteral("%1,50").arg(i),
                QStringLiteral("A%1").arg(i, 6, 10, QLatin1Char('0')),
                QStringLiteral("Sostituzione dell'elemento n. %1 dell'impianto frenante").arg(i),
                u'C'));
            ricambi->Add(
                TRicambio::Create(-1, -1, QStringLiteral("7736%1").arg(i, 4, 10, QLatin1Char('0')),
                                  QStringLiteral("Pastiglia freno anteriore n. %1").arg(i), u'G'));
        }
        complaints_.SalvaNuovoInconveniente(TInconveniente::Create(
            -1, id, QStringLiteral("Rumore ai freni in frenata"), u'C', u'M', operazioni, ricambi));
        return id;
    }

    TDataModule1 dm_;
    ComplaintStore complaints_{dm_};
    JobOrderStore jobOrders_{dm_, complaints_};
    ReferenceTables riferimenti_;
    CodeDictionary tipi_;
    CodeDictionary carichi_;
    TCommessa commessa_;
    TListaOperazioni offerte_;
    TListaRicambi offerti_;
};

// From the construction to the window painted on screen, or only its construction with its
// lines; the window goes after the clock.
double apri(Banco& banco, const TInconveniente& inconveniente, bool mostrata = true) {
    std::unique_ptr<TFormGestioneInconveniente> editor;
    const double ms = tempoDi([&] {
        editor = banco.editor(inconveniente);
        if (mostrata) {
            editor->show();
            QApplication::processEvents();
            editor->grab();
        }
    });
    if (editor->ListBoxOperazioniInconveniente->count() !=
        inconveniente.FListaOperazioni->Count()) {
        throw TavornoError(QStringLiteral("L'editor non mostra le operazioni."));
    }
    return ms;
}

// Conferma of a changed name, the editor opened before the clock starts.
double conferma(Banco& banco, int volta) {
    const std::unique_ptr<TFormGestioneInconveniente> editor = banco.editor(banco.carica());
    editor->show();
    editor->EditNomeInconveniente->setText(QStringLiteral("Rumore ai freni, prova %1").arg(volta));
    const double ms = tempoDi([&] { editor->ButtonConferma->click(); });
    if (!editor->HasConfirmedSave() || editor->isVisible()) {
        throw TavornoError(QStringLiteral("Conferma non ha salvato l'inconveniente."));
    }
    return ms;
}

// A plate from the middle of the table.
QString targaDellaTabella(TDataModule1& dm) {
    TSQLQuery& query = dm.SQLQueryGeneric;
    query.setSQL(QStringLiteral(
        "SELECT Targa FROM Veicolo WHERE IdVeicolo = (SELECT MAX(IdVeicolo) / 2 FROM Veicolo)"));
    query.open();
    const QString targa = query.fieldText(0);
    query.close();
    return targa;
}

double ricercaEsatta(TDataModule1& dm, const QString& targa) {
    return tempoDi([&] {
        for (const char* sql : {"SELECT IdVeicolo FROM Veicolo WHERE Targa = :Targa",
                                "SELECT IdVeicolo FROM Veicolo WHERE Targa = :Targa;"}) {
            TSQLQuery& query = dm.SQLQueryGeneric;
            query.setSQL(QString::fromLatin1(sql));
            query.setParamText(QStringLiteral("Targa"), targa);
            query.open();
            query.close();
        }
    });
}

// Prints every figure through `verdetti`.
void misura(const QString& percorso, Verdetti& verdetti) {
    QTemporaryDir cartella;
    const QString copia = cartella.filePath(QStringLiteral("copia.db"));
    if (!QFile::copy(percorso, copia)) {
        throw TavornoError(QStringLiteral("Impossibile copiare %1 in %2").arg(percorso, copia));
    }
    Banco banco(copia);

    TInconveniente inconveniente;
    const double primoCaricamento = tempoDi([&] { inconveniente = banco.carica(); });
    const double primaApertura = apri(banco, inconveniente);
    const double caricamento = minimo(kVolte, [&] { return tempoDi([&] { banco.carica(); }); });
    const double apertura = minimo(kVolte, [&] { return apri(banco, inconveniente); });
    verdetti.confrontoRapporto(
        QStringLiteral("apertura dell'editor (%1 operazioni, %1 ricambi), la prima").arg(kVoci),
        primaApertura, primoCaricamento);
    verdetti.rapporto(QStringLiteral("apertura dell'editor sul caricamento, migliore di %1")
                          .arg(kVolte),
                      apertura, caricamento, 2.0);
    // Where the time goes: the window itself, and laying out the lines' texts.
    TInconveniente senzaVoci = inconveniente;
    senzaVoci.FListaOperazioni = std::make_shared<TListaOperazioni>();
    senzaVoci.FListaRicambi = std::make_shared<TListaRicambi>();
    verdetti.confrontoRapporto(
        QStringLiteral("  di cui la costruzione, righe comprese"),
        minimo(kVolte, [&] { return apri(banco, inconveniente, false); }), caricamento);
    verdetti.confrontoRapporto(QStringLiteral("  la stessa finestra senza voci"),
                               minimo(kVolte, [&] { return apri(banco, senzaVoci); }),
                               caricamento);

    int volta = 0;
    const double confermaMs = minimo(kVolte, [&] { return conferma(banco, ++volta); });
    const TInconveniente salvato = banco.carica();
    const double salvataggio = minimo(kVolte, [&] {
        return tempoDi([&] { banco.complaints().SalvaInconvenienteModificato(salvato); });
    });
    verdetti.rapporto(
        QStringLiteral("conferma di una modifica su SalvaInconvenienteModificato, migliore di %1")
            .arg(kVolte),
        confermaMs, salvataggio, 2.0);

    // Asked for in small letters: found however it is written.
    const QString targa = targaDellaTabella(banco.dm()).toLower();
    const double ricerca = minimo(kVolte, [&] {
        return tempoDi([&] {
            if (!banco.jobOrders().EsisteVeicolo(targa) ||
                banco.jobOrders().GetIdVeicoloFromTarga(targa) <= 0) {
                throw TavornoError(QStringLiteral("Targa %1 non trovata.").arg(targa));
            }
        });
    });
    verdetti.confrontoRapporto(
        QStringLiteral("targa, maiuscole o minuscole (%1), sulla targa esatta con l'indice")
            .arg(targa),
        ricerca, minimo(kVolte, [&] { return ricercaEsatta(banco.dm(), targa.toUpper()); }));
}

}  // namespace

int main(int argc, char* argv[]) {
    keepFreedMemory();  // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments().mid(1);
    if (argomenti.size() != 1) {
        QTextStream(stderr) << "Uso: tavorno-bench-inconveniente PERCORSO\n";
        return 2;
    }
    UtenteCheConferma utente;
    InteractionScope scope(utente);
    Verdetti verdetti;
    try {
        misura(argomenti[0], verdetti);
    } catch (const std::exception& error) {
        QTextStream(stderr) << errorMessage(error) << '\n';
        return 1;
    }
    return verdetti.esito();
}
