#pragma once

#include "model/ClassInconveniente.h"
#include "model/TypedList.h"

inline const QString kListaInconvenientiGetMessage =
    QStringLiteral("ListaInconvenienti - Impossibile ottenere l'oggetto richiesto!");
inline const QString kListaInconvenientiRemoveMessage =
    QStringLiteral("ListaInconvenienti - Oggetto da eliminare non trovato!");

class TListaInconvenienti : public TypedList<TInconveniente> {
public:
    TListaInconvenienti()
        : TypedList(&kListaInconvenientiGetMessage, &kListaInconvenientiRemoveMessage) {}

    void RemoveAll() { items_.clear(); }

    void Replace(int Index, const TInconveniente& Inconveniente) {
        if (Index < 0 || Index >= Count()) {
            throw RangeError();
        }
        items_[static_cast<size_t>(Index)] = Inconveniente;
    }
};
