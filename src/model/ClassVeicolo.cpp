#include "model/ClassVeicolo.h"

TVeicolo TVeicolo::Create(int IdVeicolo, const QString& Targa, const QString& CodiceMarca,
                          const QString& MVS, const QString& Telaio) {
    TVeicolo veicolo;
    veicolo.FIDVeicolo = IdVeicolo;
    veicolo.FTarga = Targa;
    veicolo.FCodiceMarca = CodiceMarca;
    veicolo.FMVS = MVS;
    veicolo.FTelaio = Telaio;
    return veicolo;
}
