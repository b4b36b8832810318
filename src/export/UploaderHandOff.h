#pragma once

#include "export/ExportStore.h"
#include "model/ClassListaCommesse.h"

#include <QString>

// The values the uploader receives, as the main window holds them (settings file and DMS
// document).
struct UploaderSettings {
    QString Enviroment;  // "production" or "goldmain"
    QString PIvaCarr;    // the dealer's VAT number
    QString ApiKey;
    QString UtenteDMS;
    QString PasswordDMS;
    QString MarcaAutorizzata;
    QString CodiceOfficina;
};

// The uploader's parameter string. The values go in as they are, without quotes or
// escaping: an empty value leaves its option followed by nothing, and a value with a blank
// reaches the uploader as two words. The export file's path closes the string, in double
// quotes and with the system's separators.
QString uploaderParameters(const UploaderSettings& settings, const QString& exportFile);

// Starts `program` with the parameter string and does not wait for it. On Windows the
// string is the program's command line; elsewhere the program receives the words a
// Windows program would make of it. Throws TavornoError when the program cannot be
// started.
void startUploader(const QString& program, const QString& parameters);

// The send step after a successful generation: asks "Vuoi spedire ora tutte le commesse
// generate?"; on Si starts the uploader on `exportFile` and then marks the job orders of
// the list as sent. Nothing is marked when the user says No or the uploader cannot be
// started. Returns true when the uploader was started.
bool sendExport(const TListaCommesse& lista, ExportStore& store, const UploaderSettings& settings,
                const QString& exportFile, const QString& uploaderProgram);
