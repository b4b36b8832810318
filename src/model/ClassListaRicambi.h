#pragma once

#include "model/ClassRicambio.h"
#include "model/TypedList.h"

class TListaRicambi : public TypedList<TRicambio> {
public:
    TListaRicambi() : TypedList(&kListaOperazioniGetMessage, &kListaOperazioniRemoveMessage) {}
};
