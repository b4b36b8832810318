#include "export/GeneraXMLEInvia.h"

#include "export/ExportGeneration.h"

void GeneraXMLEInvia(const TListaCommesse& lista, ExportStore& store,
                     const UploaderSettings& settings, const ExportPaths& paths) {
    if (GeneraXML(lista, store, paths.exportFile)) {
        sendExport(lista, store, settings, paths.exportFile, paths.uploaderProgram);
    }
}
