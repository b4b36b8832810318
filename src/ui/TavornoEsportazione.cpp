// The export of job orders from the main window: today's, or those a result list hands over.

#include "app/ArchivioEsportazione.h"
#include "export/GeneraXMLEInvia.h"
#include "platform/Interaction.h"
#include "ui/Tavorno.h"

#include <QDate>

void TFormTavorno::ButtonGeneraXMLOdiernoClick() {
    if (!interaction().confirm(QStringLiteral(
            "Verranno generate e spedite TUTTE le Commesse create oggi.\r\nVuoi continuare?"))) {
        return;
    }
    const QDate oggi = QDate::currentDate();
    GeneraXMLEInvia(jobOrders.getListaCommesseFromDB(
        QString::number(oggi.year()), QString::number(oggi.month()), QString::number(oggi.day())));
}

void TFormTavorno::GeneraXMLEInvia(const TListaCommesse& ListaCommesseDaGenerare) {
    ArchivioEsportazione archivio(jobOrders);
    const UploaderSettings impostazioni{Enviroment,  PIvaCarr,         ApiKey,        UtenteDMS,
                                        PasswordDMS, MarcaAutorizzata, CodiceOfficina};
    ::GeneraXMLEInvia(ListaCommesseDaGenerare, archivio, impostazioni);
}
