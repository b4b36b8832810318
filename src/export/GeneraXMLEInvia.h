#pragma once

#include "export/ExportStore.h"
#include "export/UploaderHandOff.h"
#include "model/ClassListaCommesse.h"
#include "platform/Paths.h"

#include <QString>

// Where the export goes; the program's own places unless a caller names others.
struct ExportPaths {
    QString exportFile = Paths::exportDocument();
    QString uploaderProgram = Paths::uploaderProgram();
};

// The export operation of "Genera XML Odierno" and "Genera XML e Invia...": generates the
// document of the list (GeneraXML) and, when it was written, offers to send it
// (sendExport). Errors are thrown to the caller, which runs this under the general error
// report (runReportingErrors); an error before the file is written leaves the file and
// every sent mark as they were.
void GeneraXMLEInvia(const TListaCommesse& lista, ExportStore& store,
                     const UploaderSettings& settings, const ExportPaths& paths = {});
