#pragma once

#include "model/ClassOperazione.h"
#include "model/TypedList.h"

class TListaOperazioni : public TypedList<TOperazione> {
public:
    TListaOperazioni() : TypedList(&kListaOperazioniGetMessage, &kListaOperazioniRemoveMessage) {}
};
