-- Reference data of a new Tavorno database: our own codes.
-- Market codes are the ISO 3166 numeric codes of the countries.
INSERT INTO Mercati (MarketCode, Descrizione) VALUES
    (380, 'Italia'),
    (674, 'San Marino'),
    (756, 'Svizzera'),
    (250, 'Francia'),
    (276, 'Germania'),
    (40, 'Austria'),
    (724, 'Spagna');

-- The brands the DMS job card names; two-digit codes, so that ordering by code is also
-- the numeric order.
INSERT INTO Marche (Code, Descrizione) VALUES
    ('10', 'ALFAROMEO'),
    ('20', 'ABARTH'),
    ('30', 'CHRYSLER'),
    ('40', 'DODGE'),
    ('50', 'FIAT'),
    ('60', 'JEEP'),
    ('70', 'LANCIA'),
    ('80', 'LCV');

INSERT INTO TipoIntervento (IdTipoIntervento, NomeTipoIntervento) VALUES
    ('M', 'Meccanica'),
    ('C', 'Carrozzeria'),
    ('E', 'Elettrico/Elettronico'),
    ('T', 'Tagliando'),
    ('P', 'Pneumatici'),
    ('R', 'Richiamo Tecnico');

INSERT INTO CodiceACarico (IdCodiceACarico, NomeCodiceACarico) VALUES
    ('C', 'Cliente'),
    ('G', 'Garanzia'),
    ('I', 'Interno'),
    ('A', 'Assicurazione'),
    ('F', 'Contratto di Manutenzione');
