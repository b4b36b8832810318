-- Tavorno database schema, version 1.
-- The program never runs this file: `tavorno-admin init-db` prepares a database from it,
-- and `tavorno-admin check-db` compares a database against it.
--
-- Ids that the database assigns are AUTOINCREMENT keys, so a new id is always larger than
-- every id the table ever held. Customer ids are text with leading zeros in Cliente and
-- bare numbers in Scheda and Commessa. Deleting a Scheda row removes its job order, the
-- complaints and their operations and parts through the cascading foreign keys.

PRAGMA user_version = 1;

CREATE TABLE Mercati (
    MarketCode INTEGER NOT NULL PRIMARY KEY,
    Descrizione TEXT NOT NULL
);
CREATE INDEX IX_Mercati_Descrizione ON Mercati (Descrizione);

CREATE TABLE Marche (
    Code TEXT NOT NULL PRIMARY KEY,
    Descrizione TEXT NOT NULL
);
CREATE INDEX IX_Marche_Descrizione ON Marche (Descrizione);

CREATE TABLE TipoIntervento (
    IdTipoIntervento TEXT NOT NULL PRIMARY KEY CHECK (length(IdTipoIntervento) = 1),
    NomeTipoIntervento TEXT NOT NULL
);
CREATE INDEX IX_TipoIntervento_Nome ON TipoIntervento (NomeTipoIntervento);

CREATE TABLE CodiceACarico (
    IdCodiceACarico TEXT NOT NULL PRIMARY KEY CHECK (length(IdCodiceACarico) = 1),
    NomeCodiceACarico TEXT NOT NULL
);
CREATE INDEX IX_CodiceACarico_Nome ON CodiceACarico (NomeCodiceACarico);

CREATE TABLE Cliente (
    IdCliente TEXT NOT NULL PRIMARY KEY,
    RagioneSociale TEXT,
    TipoCliente TEXT,
    CodiceFiscale TEXT,
    DataOraCessionePrivacy TEXT,
    PrivacyMarketingFCA INTEGER NOT NULL DEFAULT 0,
    Privacy3thFCA INTEGER NOT NULL DEFAULT 0,
    PrivacyProfilingFCA INTEGER NOT NULL DEFAULT 0,
    PrivacyMarketingDealer INTEGER NOT NULL DEFAULT 0,
    Privacy3thDealer INTEGER NOT NULL DEFAULT 0,
    PrivacyProfilingDealer INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE Veicolo (
    IdVeicolo INTEGER PRIMARY KEY AUTOINCREMENT,
    Targa TEXT,
    CodiceMarca TEXT,
    MVS TEXT,
    Telaio TEXT
);
CREATE INDEX IX_Veicolo_Targa ON Veicolo (Targa);

CREATE TABLE Scheda (
    IdScheda INTEGER PRIMARY KEY AUTOINCREMENT,
    CodiceScheda TEXT,
    IdCliente INTEGER,
    IdVeicolo INTEGER
);
CREATE INDEX IX_Scheda_CodiceScheda ON Scheda (CodiceScheda);

-- DataCommessa is the local calendar date of the insert; date('now') alone would be UTC.
CREATE TABLE Commessa (
    IDCommessaDMS INTEGER PRIMARY KEY AUTOINCREMENT,
    IdScheda INTEGER REFERENCES Scheda (IdScheda) ON DELETE CASCADE,
    DescrizioneCommessa TEXT,
    DataCommessa TEXT NOT NULL DEFAULT (date('now', 'localtime')),
    MarketCode INTEGER,
    IdCliente INTEGER,
    IdVeicolo INTEGER,
    StatoInvio INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IX_Commessa_IdScheda ON Commessa (IdScheda);
CREATE INDEX IX_Commessa_DataCommessa ON Commessa (DataCommessa);

CREATE TABLE Inconveniente (
    IdInconveniente INTEGER PRIMARY KEY AUTOINCREMENT,
    IdCommessa INTEGER REFERENCES Commessa (IDCommessaDMS) ON DELETE CASCADE,
    Descrizione TEXT,
    CodiceACarico TEXT,
    TipoIntervento TEXT
);
CREATE INDEX IX_Inconveniente_IdCommessa ON Inconveniente (IdCommessa);

CREATE TABLE Operazione (
    IdOperazione INTEGER PRIMARY KEY AUTOINCREMENT,
    Prezzo TEXT,
    CodiceOperazione TEXT,
    Descrizione TEXT,
    CodiceACarico TEXT,
    IdInconveniente INTEGER REFERENCES Inconveniente (IdInconveniente) ON DELETE CASCADE
);
CREATE INDEX IX_Operazione_IdInconveniente ON Operazione (IdInconveniente);

CREATE TABLE Ricambio (
    IdRicambio INTEGER PRIMARY KEY AUTOINCREMENT,
    CodiceRicambio TEXT,
    Descrizione TEXT,
    CodiceACarico TEXT,
    IdInconveniente INTEGER REFERENCES Inconveniente (IdInconveniente) ON DELETE CASCADE
);
CREATE INDEX IX_Ricambio_IdInconveniente ON Ricambio (IdInconveniente);
