#pragma once

#include "model/ClassCommessa.h"
#include "model/TypedList.h"

class TListaCommesse : public TypedList<TCommessa> {
public:
    TListaCommesse() : TypedList(&kListaOperazioniGetMessage, &kListaOperazioniRemoveMessage) {}
};
