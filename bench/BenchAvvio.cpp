// Times start-up: from starting the process to the X server mapping its main window, seen as
// the MapNotify event of that window on the root window (no polling for windows). Tavorno
// starts on the given database, in a working folder of its own with the demo job card, and
// is measured against a bare Qt window with a label (tavorno-bench-finestra-nuda), in turn,
// after one run of each that is not counted (the files into the cache). Judged on the best
// run of each; the medians are printed beside.
//
//   tavorno-bench-avvio PERCORSO [VOLTE]
//
// Needs an X server in DISPLAY (scripts/bench runs it under xvfb-run) and no window manager
// that reparents windows before mapping them. Both programs run without a D-Bus session (see
// ambiente()).

#include "Verdetti.h"
#include "platform/Errors.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

extern char** environ;

namespace {

constexpr int kAttesaMassimaMs = 60000;

// What is started and the caption its main window must have.
struct Programma {
    QString percorso;
    QString titolo;
    QString cartella;
    QString cartellaRuntime;
};

class ConnessioneX {
public:
    ConnessioneX() : connessione_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connessione_) != 0) {
            xcb_disconnect(connessione_);
            throw TavornoError(QStringLiteral(
                "Nessun server X (DISPLAY non impostato?): eseguire con xvfb-run -a."));
        }
        radice_ = xcb_setup_roots_iterator(xcb_get_setup(connessione_)).data->root;
        // Every window created and mapped as a child of the root is reported to us.
        const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_void_cookie_t richiesta = xcb_change_window_attributes_checked(
            connessione_, radice_, XCB_CW_EVENT_MASK, &maschera);
        if (std::unique_ptr<xcb_generic_error_t, decltype(&free)> errore{
                xcb_request_check(connessione_, richiesta), &free}) {
            throw TavornoError(QStringLiteral("Il server X rifiuta di notificare le finestre."));
        }
        pid_ = atomo("_NET_WM_PID");
        nome_ = atomo("_NET_WM_NAME");
        utf8_ = atomo("UTF8_STRING");
    }
    ~ConnessioneX() { xcb_disconnect(connessione_); }
    ConnessioneX(const ConnessioneX&) = delete;
    ConnessioneX& operator=(const ConnessioneX&) = delete;

    // The next top-level window mapped, or 0 after `ms` milliseconds.
    xcb_window_t prossimaMappata(qint64 ms) {
        QElapsedTimer attesa;
        attesa.start();
        while (true) {
            while (std::unique_ptr<xcb_generic_event_t, decltype(&free)> evento{
                xcb_poll_for_event(connessione_), &free}) {
                if ((evento->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    const auto* mappata = reinterpret_cast<xcb_map_notify_event_t*>(evento.get());
                    if (mappata->event == radice_) {
                        return mappata->window;
                    }
                }
            }
            if (xcb_connection_has_error(connessione_) != 0) {
                throw TavornoError(QStringLiteral("Connessione al server X interrotta."));
            }
            const qint64 resto = ms - attesa.elapsed();
            if (resto <= 0) {
                return 0;
            }
            pollfd descrittore{xcb_get_file_descriptor(connessione_), POLLIN, 0};
            poll(&descrittore, 1, static_cast<int>(std::min<qint64>(resto, 100)));
        }
    }

    qint64 pidDi(xcb_window_t finestra) {
        const QByteArray valore = proprieta(finestra, pid_, XCB_ATOM_CARDINAL);
        return valore.size() == 4 ? *reinterpret_cast<const uint32_t*>(valore.constData()) : -1;
    }

    QString titoloDi(xcb_window_t finestra) {
        return QString::fromUtf8(proprieta(finestra, nome_, utf8_));
    }

private:
    xcb_atom_t atomo(const char* nome) {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> risposta{
            xcb_intern_atom_reply(connessione_,
                                  xcb_intern_atom(connessione_, 0, strlen(nome), nome), nullptr),
            &free};
        if (!risposta) {
            throw TavornoError(QStringLiteral("Il server X non dà l'atomo %1.").arg(nome));
        }
        return risposta->atom;
    }

    QByteArray proprieta(xcb_window_t finestra, xcb_atom_t nome, xcb_atom_t tipo) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> risposta{
            xcb_get_property_reply(connessione_,
                                   xcb_get_property(connessione_, 0, finestra, nome, tipo, 0, 1024),
                                   nullptr),
            &free};
        if (!risposta) {
            return QByteArray();
        }
        return QByteArray(static_cast<const char*>(xcb_get_property_value(risposta.get())),
                          xcb_get_property_value_length(risposta.get()));
    }

    xcb_connection_t* connessione_;
    xcb_window_t radice_ = 0;
    xcb_atom_t pid_ = 0;
    xcb_atom_t nome_ = 0;
    xcb_atom_t utf8_ = 0;
};

// The environment of the started programs: ours, on the X platform whatever the caller set,
// with a runtime folder of their own and without a D-Bus session. Without a session bus
// libdbus would start one for each program from the X server (and Qt's accessibility bridge
// would wait for it); on a desktop the bus is already there. The two programs are started
// alike, so that what they are compared on is their own start.
std::vector<QByteArray> ambiente(const QString& cartellaRuntime) {
    const QList<QByteArray> sostituite = {
        "QT_QPA_PLATFORM=", "XDG_RUNTIME_DIR=", "DBUS_SESSION_BUS_ADDRESS="};
    std::vector<QByteArray> variabili;
    for (char** voce = environ; *voce != nullptr; ++voce) {
        const QByteArray variabile(*voce);
        if (std::none_of(sostituite.begin(), sostituite.end(),
                         [&](const QByteArray& nome) { return variabile.startsWith(nome); })) {
            variabili.push_back(variabile);
        }
    }
    variabili.emplace_back("QT_QPA_PLATFORM=xcb");
    variabili.push_back("XDG_RUNTIME_DIR=" + QFile::encodeName(cartellaRuntime));
    variabili.emplace_back("DBUS_SESSION_BUS_ADDRESS=disabled:");
    return variabili;
}

std::vector<char*> puntatori(std::vector<QByteArray>& parole) {
    std::vector<char*> risultato;
    for (QByteArray& parola : parole) {
        risultato.push_back(parola.data());
    }
    risultato.push_back(nullptr);
    return risultato;
}

// Milliseconds from starting `programma` to the mapping of its window with the expected
// caption. The program is ended as soon as it is measured; any other window it maps first
// (a message box) is an error that names it.
double avvio(ConnessioneX& x, const Programma& programma) {
    std::vector<QByteArray> argomenti{QFile::encodeName(programma.percorso)};
    std::vector<QByteArray> variabili = ambiente(programma.cartellaRuntime);
    std::vector<char*> argv = puntatori(argomenti);
    std::vector<char*> envp = puntatori(variabili);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addchdir_np(&azioni,
                                         QFile::encodeName(programma.cartella).constData());

    QElapsedTimer timer;
    timer.start();
    pid_t figlio = 0;
    const int avviato = posix_spawn(&figlio, argv[0], &azioni, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    if (avviato != 0) {
        throw TavornoError(QStringLiteral("Impossibile avviare %1").arg(programma.percorso));
    }
    double ms = -1;
    QString errore;
    while (ms < 0 && errore.isEmpty()) {
        const xcb_window_t finestra = x.prossimaMappata(kAttesaMassimaMs - timer.elapsed());
        const double trascorsi = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (finestra == 0) {
            errore =
                QStringLiteral("nessuna finestra mappata entro %1 s").arg(kAttesaMassimaMs / 1000);
        } else if (x.pidDi(finestra) == figlio) {
            const QString titolo = x.titoloDi(finestra);
            if (titolo == programma.titolo) {
                ms = trascorsi;
            } else {
                errore = QStringLiteral("ha mostrato prima la finestra \"%1\"").arg(titolo);
            }
        }
    }
    kill(figlio, SIGTERM);
    int stato = 0;
    waitpid(figlio, &stato, 0);
    if (!errore.isEmpty()) {
        throw TavornoError(QStringLiteral("%1 %2.").arg(programma.percorso, errore));
    }
    return ms;
}

double mediana(std::vector<double> valori) {
    std::sort(valori.begin(), valori.end());
    const size_t meta = valori.size() / 2;
    return valori.size() % 2 == 1 ? valori[meta] : (valori[meta - 1] + valori[meta]) / 2;
}

void scrivi(const QString& percorso, const QByteArray& contenuto) {
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size()) {
        throw TavornoError(QStringLiteral("Impossibile scrivere %1").arg(percorso));
    }
}

// The working folder of Tavorno: settings naming the database, the DMS folder with the demo
// job card (a card that is not stored, as on most mornings).
void preparaCartella(const QString& cartella, const QString& database) {
    if (!QFileInfo(database).isFile()) {
        throw TavornoError(QStringLiteral("Database %1 mancante.").arg(database));
    }
    QDir(cartella).mkpath(QStringLiteral("STAMPA"));
    scrivi(QDir(cartella).filePath(QStringLiteral("KORVADEX.ini")),
           QStringLiteral("[Params]\r\nDBPath=%1\r\nCodiceOfficina=0123456\r\napi-key=chiave\r\n"
                          "UtenteDMS=utente\r\nPasswordDMS=segreta\r\nMarcaAutorizzata=50\r\n"
                          "Enviroment=goldmain\r\nCommesseGiaInviate=false\r\n"
                          "Piva=01234567890\r\nCartellaDMS=STAMPA\r\n")
               .arg(QFileInfo(database).absoluteFilePath())
               .toUtf8());
    QFile scheda(QStringLiteral(TAVORNO_SCHEDA_DEMO));
    if (!scheda.open(QIODevice::ReadOnly)) {
        throw TavornoError(QStringLiteral("Impossibile leggere %1").arg(scheda.fileName()));
    }
    scrivi(QDir(cartella).filePath(QStringLiteral("STAMPA/DOCT.ini")), scheda.readAll());
}

int misura(const QString& database, int volte) {
    QTemporaryDir cartella;
    preparaCartella(cartella.path(), database);
    QTemporaryDir runtime;  // made readable by its owner only, as XDG_RUNTIME_DIR must be
    const Programma tavorno{QStringLiteral(TAVORNO_PATH), QStringLiteral(TAVORNO_TITOLO),
                            cartella.path(), runtime.path()};
    const Programma nuda{QStringLiteral(TAVORNO_FINESTRA_NUDA_PATH),
                         QStringLiteral("Finestra nuda"), cartella.path(), runtime.path()};
    ConnessioneX x;
    avvio(x, nuda);
    avvio(x, tavorno);
    std::vector<double> tempiNuda;
    std::vector<double> tempiTavorno;
    for (int i = 0; i < volte; ++i) {
        tempiNuda.push_back(avvio(x, nuda));
        tempiTavorno.push_back(avvio(x, tavorno));
    }

    // Judged on the best run of each, the one least disturbed by the rest of the machine;
    // the medians are printed beside.
    Verdetti verdetti;
    verdetti.nota(QStringLiteral("Avvio fino alla finestra principale mappata (MapNotify), %1 "
                                 "volte a turno, database %2")
                      .arg(volte)
                      .arg(database));
    verdetti.rapporto(QStringLiteral("avvio di Tavorno sulla finestra nuda, migliore"),
                      *std::min_element(tempiTavorno.begin(), tempiTavorno.end()),
                      *std::min_element(tempiNuda.begin(), tempiNuda.end()), 1.3);
    verdetti.confrontoRapporto(QStringLiteral("  mediane"), mediana(tempiTavorno),
                               mediana(tempiNuda));
    return verdetti.esito();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments().mid(1);
    const int volte = argomenti.size() == 2 ? argomenti[1].toInt() : 31;
    if (argomenti.isEmpty() || argomenti.size() > 2 || volte < 1) {
        QTextStream(stderr) << "Uso: tavorno-bench-avvio PERCORSO [VOLTE]\n";
        return 2;
    }
    try {
        return misura(argomenti[0], volte);
    } catch (const std::exception& errore) {
        QTextStream(stderr) << errorMessage(errore) << '\n';
        return 1;
    }
}
