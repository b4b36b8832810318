// Writes a prepared database with the history of a busy workshop: by default 100,000 job
// orders over ten years, 3 complaints each, 2 operations and 2 parts per complaint, with
// Italian texts of realistic length. The same arguments always give the same database.
//
//   tavorno-bench-genera PERCORSO [COMMESSE]

#include "db/DatabaseSetup.h"
#include "db/TransactionGuard.h"
#include "db/UnitDB.h"
#include "platform/Errors.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextStream>
#include <vector>

namespace {

constexpr int kAnni = 10;
constexpr int kInconvenientiPerCommessa = 3;
constexpr int kRighePerInconveniente = 2;

const QStringList kDescrizioniCommessa = {
    QStringLiteral("Tagliando 15.000 km"),
    QStringLiteral("Tagliando 30.000 km con sostituzione candele"),
    QStringLiteral("Revisione dell'impianto frenante"),
    QStringLiteral("Sostituzione pneumatici invernali e equilibratura"),
    QStringLiteral("Diagnosi spia motore accesa"),
    QStringLiteral("Riparazione carrozzeria paraurti posteriore"),
    QStringLiteral("Richiamo tecnico centralina airbag"),
    QStringLiteral("Controllo pre-revisione ministeriale"),
    QStringLiteral("Ricarica climatizzatore e sanificazione abitacolo"),
    QStringLiteral("Sostituzione frizione e volano bimassa"),
    QStringLiteral("Sostituzione cinghia di distribuzione e pompa dell'acqua"),
    QStringLiteral("Controllo dell'impianto elettrico"),
    QStringLiteral("Garanzia: rumorosità cambio in prima marcia"),
    QStringLiteral("Preparazione vettura per il viaggio estivo"),
};

const QStringList kSintomi = {
    QStringLiteral("rumore metallico dall'avantreno"),
    QStringLiteral("vibrazioni al volante"),
    QStringLiteral("spia dell'olio accesa"),
    QStringLiteral("difficoltà d'avviamento a freddo"),
    QStringLiteral("perdita di liquido sotto l'auto"),
    QStringLiteral("climatizzatore che non raffredda più"),
    QStringLiteral("sterzo che tira a destra"),
    QStringLiteral("fischio dalla cinghia servizi"),
    QStringLiteral("consumo d'olio eccessivo"),
    QStringLiteral("finestrino posteriore sinistro che non si chiude"),
    QStringLiteral("cigolio dalle sospensioni posteriori"),
    QStringLiteral("calo di potenza e fumo nero allo scarico"),
    QStringLiteral("radio che si spegne da sola"),
    QStringLiteral("pedale del freno lungo"),
};

const QStringList kCircostanze = {
    QStringLiteral(" in frenata"),
    QStringLiteral(" a velocità superiori a 90 km/h"),
    QStringLiteral(" all'avvio del motore"),
    QStringLiteral(" in curva a sinistra"),
    QStringLiteral(" dopo un lungo viaggio in autostrada"),
    QStringLiteral(" quando piove"),
    QStringLiteral(" a motore caldo"),
    QStringLiteral(" in retromarcia"),
    QString(),
};

const QStringList kNote = {
    QStringLiteral("; verificare anche la pressione degli pneumatici"),
    QStringLiteral("; già segnalato all'ultimo tagliando, il cliente è perplesso"),
    QStringLiteral("; il cliente chiede un preventivo prima di procedere"),
    QStringLiteral("; vettura sotto garanzia, conservare i pezzi sostituiti"),
    QString(),
    QString(),
};

const QStringList kLavori = {
    QStringLiteral("Sostituzione"),         QStringLiteral("Controllo"),
    QStringLiteral("Regolazione"),          QStringLiteral("Smontaggio e rimontaggio"),
    QStringLiteral("Diagnosi elettronica"), QStringLiteral("Pulizia"),
};

const QStringList kOrgani = {
    QStringLiteral("olio motore e filtro"),
    QStringLiteral("pastiglie freno anteriori"),
    QStringLiteral("dischi freno posteriori"),
    QStringLiteral("cinghia servizi"),
    QStringLiteral("candele d'accensione"),
    QStringLiteral("filtro abitacolo"),
    QStringLiteral("ammortizzatori anteriori"),
    QStringLiteral("batteria"),
    QStringLiteral("liquido di raffreddamento"),
    QStringLiteral("convergenza ruote"),
    QStringLiteral("centralina motore"),
    QStringLiteral("gruppo frizione"),
    QStringLiteral("paraurti anteriore"),
    QStringLiteral("specchietto retrovisore esterno"),
    QStringLiteral("faro anteriore sinistro"),
    QStringLiteral("sensore di parcheggio"),
    QStringLiteral("valvola EGR"),
    QStringLiteral("filtro antiparticolato"),
    QStringLiteral("impianto dell'aria condizionata"),
    QStringLiteral("tergicristalli"),
};

const QStringList kPezzi = {
    QStringLiteral("Filtro olio"),
    QStringLiteral("Filtro aria"),
    QStringLiteral("Filtro gasolio"),
    QStringLiteral("Pastiglie freno ant."),
    QStringLiteral("Disco freno post."),
    QStringLiteral("Candela d'accensione"),
    QStringLiteral("Cinghia dentata"),
    QStringLiteral("Pompa dell'acqua"),
    QStringLiteral("Spazzola tergicristallo"),
    QStringLiteral("Lampada H7 12V 55W"),
    QStringLiteral("Guarnizione coppa olio"),
    QStringLiteral("Olio motore 5W30 (litri)"),
    QStringLiteral("Liquido freni DOT4"),
    QStringLiteral("Batteria 60Ah"),
    QStringLiteral("Ammortizzatore ant. sx"),
    QStringLiteral("Sensore ABS"),
    QStringLiteral("Termostato"),
    QStringLiteral("Kit frizione"),
    QStringLiteral("Paraurti posteriore grezzo"),
    QStringLiteral("Tappo serbatoio"),
};

const QStringList kModelli = {
    QStringLiteral(" per 500X"),     QStringLiteral(" per Panda"),
    QStringLiteral(" per Ducato"),   QStringLiteral(" per Giulia"),
    QStringLiteral(" per Renegade"), QStringLiteral(" per Ypsilon"),
    QStringLiteral(" – originale"),  QString(),
};

const QStringList kCognomi = {
    QStringLiteral("Rossi"),    QStringLiteral("Russo"),   QStringLiteral("Ferrari"),
    QStringLiteral("Esposito"), QStringLiteral("Bianchi"), QStringLiteral("Romano"),
    QStringLiteral("Colombo"),  QStringLiteral("D'Amico"), QStringLiteral("De Luca"),
    QStringLiteral("Mancini"),  QStringLiteral("Costa"),   QStringLiteral("Giordano"),
};

const QStringList kNomi = {
    QStringLiteral("Mario"),  QStringLiteral("Giulia"), QStringLiteral("Niccolò"),
    QStringLiteral("Chiara"), QStringLiteral("Luca"),   QStringLiteral("Federica"),
    QStringLiteral("Andrea"), QStringLiteral("Noemi"),
};

const QString kCodiciACarico = QStringLiteral("CCCCGGIAF");
const QString kTipiIntervento = QStringLiteral("MMMCETPR");
const QString kLettere = QStringLiteral("ABCDEFGHJKLMNPRSTVWXYZ");

class Generatore {
public:
    explicit Generatore(quint32 seme) : caso_(seme) {}

    const QString& scegli(const QStringList& lista) {
        return lista[static_cast<int>(caso_.bounded(static_cast<quint32>(lista.size())))];
    }
    QChar lettera(const QString& lettere) {
        return lettere[static_cast<int>(caso_.bounded(static_cast<quint32>(lettere.size())))];
    }
    int numero(int limite) { return static_cast<int>(caso_.bounded(static_cast<quint32>(limite))); }
    QString cifre(int quante) {
        QString testo;
        for (int i = 0; i < quante; ++i) {
            testo += QChar(u'0' + numero(10));
        }
        return testo;
    }
    double reale() { return caso_.generateDouble(); }

private:
    QRandomGenerator caso_;
};

// The working days of ten years, each with the number of job orders it gets: Mondays are
// busier, Saturdays quieter, and every day varies.
std::vector<std::pair<QDate, int>> calendario(int commesse, Generatore& g) {
    std::vector<std::pair<QDate, double>> pesi;
    double totale = 0;
    for (QDate d(2015, 1, 1); d < QDate(2015 + kAnni, 1, 1); d = d.addDays(1)) {
        if (d.dayOfWeek() == Qt::Sunday) {
            continue;
        }
        const double base = d.dayOfWeek() == Qt::Monday     ? 1.6
                            : d.dayOfWeek() == Qt::Saturday ? 0.5
                                                            : 1.0;
        const double peso = base * (0.5 + g.reale());
        pesi.emplace_back(d, peso);
        totale += peso;
    }
    std::vector<std::pair<QDate, int>> giorni;
    int assegnate = 0;
    double cumulato = 0;
    for (const auto& [giorno, peso] : pesi) {
        cumulato += peso;
        const int fin = static_cast<int>(commesse * cumulato / totale + 0.5);
        giorni.emplace_back(giorno, fin - assegnate);
        assegnate = fin;
    }
    return giorni;
}

QString prezzo(Generatore& g) {
    const int euro = 10 + g.numero(400);
    const int centesimi = g.numero(4) * 25;
    return centesimi == 0
               ? QString::number(euro)
               : QStringLiteral("%1,%2").arg(euro).arg(centesimi, 2, 10, QLatin1Char('0'));
}

void riempi(const QString& percorso, int numeroCommesse) {
    TDataModule1 dm;
    dm.SQLConnection1.setDatabase(percorso);
    Generatore g(20240611);

    TSQLQuery cliente(dm.SQLConnection1,
                      QStringLiteral("INSERT INTO Cliente VALUES (:Id, :Nome, :Tipo, :CF, :Data, "
                                     ":P1, :P2, :P3, :P4, :P5, :P6)"));
    TSQLQuery veicolo(dm.SQLConnection1,
                      QStringLiteral("INSERT INTO Veicolo VALUES (:Id, :Targa, :Marca, :MVS, "
                                     ":Telaio)"));
    TSQLQuery scheda(
        dm.SQLConnection1,
        QStringLiteral("INSERT INTO Scheda VALUES (:Id, :Codice, :Cliente, :Veicolo)"));
    TSQLQuery commessa(dm.SQLConnection1,
                       QStringLiteral("INSERT INTO Commessa VALUES (:Id, :Scheda, :Descrizione, "
                                      ":Data, 380, :Cliente, :Veicolo, :Stato)"));
    TSQLQuery inconveniente(dm.SQLConnection1,
                            QStringLiteral("INSERT INTO Inconveniente VALUES (:Id, :Commessa, "
                                           ":Descrizione, :Carico, :Tipo)"));
    TSQLQuery operazione(dm.SQLConnection1,
                         QStringLiteral("INSERT INTO Operazione VALUES (:Id, :Prezzo, :Codice, "
                                        ":Descrizione, :Carico, :Inconveniente)"));
    TSQLQuery ricambio(dm.SQLConnection1,
                       QStringLiteral("INSERT INTO Ricambio VALUES (:Id, :Codice, :Descrizione, "
                                      ":Carico, :Inconveniente)"));

    TransactionGuard transaction(dm.SQLConnection1);
    const int numeroClienti = std::max(1, numeroCommesse * 3 / 10);
    for (int c = 1; c <= numeroClienti; ++c) {
        const bool azienda = g.numero(5) == 0;
        cliente.setParamText(QStringLiteral("Id"),
                             QStringLiteral("%1").arg(c, 5, 10, QLatin1Char('0')));
        cliente.setParamText(QStringLiteral("Nome"),
                             azienda
                                 ? QStringLiteral("Autotrasporti %1 S.r.l.").arg(g.scegli(kCognomi))
                                 : g.scegli(kCognomi) + u' ' + g.scegli(kNomi));
        cliente.setParamText(QStringLiteral("Tipo"),
                             azienda ? QStringLiteral("N") : QStringLiteral("S"));
        cliente.setParamText(QStringLiteral("CF"), azienda ? g.cifre(11) : g.cifre(16));
        cliente.setParamText(QStringLiteral("Data"),
                             g.numero(2) == 0 ? QString() : QStringLiteral("2019-05-14 10:21:07"));
        for (int p = 1; p <= 6; ++p) {
            cliente.setParamBoolean(QStringLiteral("P%1").arg(p), g.numero(2) == 0);
        }
        cliente.execute();
    }
    const int numeroVeicoli = std::max(1, numeroCommesse * 35 / 100);
    for (int v = 1; v <= numeroVeicoli; ++v) {
        veicolo.setParamInteger(QStringLiteral("Id"), v);
        veicolo.setParamText(QStringLiteral("Targa"),
                             QString(g.lettera(kLettere)) + g.lettera(kLettere) + g.cifre(3) +
                                 g.lettera(kLettere) + g.lettera(kLettere));
        veicolo.setParamText(QStringLiteral("Marca"), QString::number(10 * (1 + g.numero(8))));
        veicolo.setParamText(QStringLiteral("MVS"), g.cifre(4) + g.lettera(kLettere) +
                                                        g.lettera(kLettere) + g.lettera(kLettere));
        veicolo.setParamText(QStringLiteral("Telaio"), g.cifre(8));
        veicolo.execute();
    }

    const QDate ultimoMese = QDate(2015 + kAnni, 1, 1).addMonths(-1);
    int idCommessa = 0;
    int idInconveniente = 0;
    int idOperazione = 0;
    int idRicambio = 0;
    for (const auto& [giorno, quante] : calendario(numeroCommesse, g)) {
        for (int n = 0; n < quante; ++n) {
            ++idCommessa;
            const int idCliente = 1 + g.numero(numeroClienti);
            const int idVeicolo = 1 + g.numero(numeroVeicoli);
            scheda.setParamInteger(QStringLiteral("Id"), idCommessa);
            scheda.setParamText(QStringLiteral("Codice"),
                                QStringLiteral("%1/%2")
                                    .arg(giorno.year())
                                    .arg(idCommessa, 6, 10, QLatin1Char('0')));
            scheda.setParamInteger(QStringLiteral("Cliente"), idCliente);
            scheda.setParamInteger(QStringLiteral("Veicolo"), idVeicolo);
            scheda.execute();

            commessa.setParamInteger(QStringLiteral("Id"), idCommessa);
            commessa.setParamInteger(QStringLiteral("Scheda"), idCommessa);
            commessa.setParamText(QStringLiteral("Descrizione"), g.scegli(kDescrizioniCommessa));
            commessa.setParamText(QStringLiteral("Data"), giorno.toString(Qt::ISODate));
            commessa.setParamInteger(QStringLiteral("Cliente"), idCliente);
            commessa.setParamInteger(QStringLiteral("Veicolo"), idVeicolo);
            commessa.setParamInteger(QStringLiteral("Stato"), giorno < ultimoMese ? 1 : 0);
            commessa.execute();

            for (int i = 0; i < kInconvenientiPerCommessa; ++i) {
                ++idInconveniente;
                const QChar carico = g.lettera(kCodiciACarico);
                inconveniente.setParamInteger(QStringLiteral("Id"), idInconveniente);
                inconveniente.setParamInteger(QStringLiteral("Commessa"), idCommessa);
                inconveniente.setParamText(QStringLiteral("Descrizione"),
                                           QStringLiteral("Il cliente segnala ") +
                                               g.scegli(kSintomi) + g.scegli(kCircostanze) +
                                               g.scegli(kNote));
                inconveniente.setParamText(QStringLiteral("Carico"), QString(carico));
                inconveniente.setParamText(QStringLiteral("Tipo"),
                                           QString(g.lettera(kTipiIntervento)));
                inconveniente.execute();

                for (int r = 0; r < kRighePerInconveniente; ++r) {
                    const int lavoro = g.numero(static_cast<int>(kLavori.size()));
                    const int organo = g.numero(static_cast<int>(kOrgani.size()));
                    operazione.setParamInteger(QStringLiteral("Id"), ++idOperazione);
                    operazione.setParamText(QStringLiteral("Prezzo"), prezzo(g));
                    operazione.setParamText(QStringLiteral("Codice"), QStringLiteral("%1%2A%3")
                                                                          .arg(lavoro + 1)
                                                                          .arg(organo + 10)
                                                                          .arg(10 * lavoro));
                    operazione.setParamText(QStringLiteral("Descrizione"),
                                            kLavori[lavoro] + u' ' + kOrgani[organo]);
                    operazione.setParamText(QStringLiteral("Carico"), QString(carico));
                    operazione.setParamInteger(QStringLiteral("Inconveniente"), idInconveniente);
                    operazione.execute();

                    const int pezzo = g.numero(static_cast<int>(kPezzi.size()));
                    const int modello = g.numero(static_cast<int>(kModelli.size()));
                    ricambio.setParamInteger(QStringLiteral("Id"), ++idRicambio);
                    ricambio.setParamText(QStringLiteral("Codice"),
                                          QStringLiteral("5180%1").arg(pezzo * 100 + modello, 4, 10,
                                                                       QLatin1Char('0')));
                    ricambio.setParamText(QStringLiteral("Descrizione"),
                                          kPezzi[pezzo] + kModelli[modello]);
                    ricambio.setParamText(QStringLiteral("Carico"), QString(carico));
                    ricambio.setParamInteger(QStringLiteral("Inconveniente"), idInconveniente);
                    ricambio.execute();
                }
            }
        }
    }
    transaction.commit();
    QTextStream(stdout) << QStringLiteral(
                               "Creato %1: %2 commesse, %3 inconvenienti, %4 operazioni, %5 "
                               "ricambi, %6 clienti, %7 veicoli.\n")
                               .arg(percorso)
                               .arg(idCommessa)
                               .arg(idInconveniente)
                               .arg(idOperazione)
                               .arg(idRicambio)
                               .arg(numeroClienti)
                               .arg(numeroVeicoli);
}

// A failed run leaves no half-filled file for the benchmark to measure.
void genera(const QString& percorso, int numeroCommesse) {
    DatabaseSetup::createDatabase(percorso);
    try {
        riempi(percorso, numeroCommesse);
    } catch (...) {
        QFile::remove(percorso);
        throw;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments().mid(1);
    bool ok = argomenti.size() == 1;
    int commesse = 100000;
    if (argomenti.size() == 2) {
        commesse = argomenti[1].toInt(&ok);
        ok = ok && commesse > 0;
    }
    if (!ok) {
        QTextStream(stderr) << "Uso: tavorno-bench-genera PERCORSO [COMMESSE]\n";
        return 2;
    }
    try {
        genera(argomenti[0], commesse);
    } catch (const std::exception& error) {
        QTextStream(stderr) << errorMessage(error) << '\n';
        return 1;
    }
    return 0;
}
