// The program's command ids. The frame keys its actions by them, so that tests and the
// screenshot driver can reach every command the way a menu click does.
#pragma once

enum CommandId {
    ID_DATA_CHANGE = 32771,
    ID_VIEW_GRAFIK = 32772,
    ID_VIEW_TEXT = 32773,
    ID_HILFE = 32774,
    ID_INTERPOLATION = 32777,
    ID_ERGEBNISSE_AUSGEBEN = 32778,
    ID_ERGEBNISSE_EINLESEN = 32779,
    ID_GRAFIKLUPE = 32780,
    ID_GANZE_BOHRUNG = 32782, // "Ganze Bohrung zeigen": the graph without its zoom (Pos1)
    ID_TABLE_IMPORT = 32801, // "Tabelle importieren …"
    ID_BOHRUNG = 32820, // "Bohrung …": the settings that place the borehole
    ID_KARTE_EXPORTIEREN = 32821, // "Karte exportieren (GeoJSON) …"
    ID_MASSSTABSGETREU = 32781,
    ID_UNSICHERHEIT = 32822, // "Unsicherheit": error ellipses and bands in the graph
    ID_VIEW_3D = 32830, // "3D": the well in three dimensions
    ID_FILE_SAVE_IMAGE = 32831, // "Bild speichern …": the view shown as PNG, SVG or PDF
    ID_NACHBARBOHRUNGEN = 32823, // "Nachbarbohrungen …": offset wells and the clearance rule
    ID_PLANUNG = 32824, // "Planung …": the well plan, its targets and the distance to the bit
    ID_PLANUNG_MESSPUNKTE = 32825, // the plan's stations become the survey (planning a well)
    ID_FILE_EXPORT = 32802, // "Exportieren …"
    ID_FELD_OEFFNEN = 32850, // "Feld öffnen …": the field file shown in the "Feld" panel
    ID_FELD_SERVER = 32851, // "Felddatenbank verbinden …": a field on a PostgreSQL server
    ID_ABSTAND_ALLE = 32852, // "Abstand zu allen …": the field's wellbores as the neighbours
    ID_FELDBEZUG_LOESEN = 32853, // "Vom Feld lösen": the neighbours of the field no more
    ID_EDIT_COPY = 57634,
    ID_EDIT_UNDO = 57643, // "Rückgängig: …", the last change of the document taken back
    ID_EDIT_REDO = 57644, // "Wiederholen: …"
    ID_VIEW_SECTION = 32810, // "Vertikalschnitt"
    ID_VIEW_LADDER = 32840, // "Abstand": the neighbouring wells' distances and factors
    ID_VIEW_CYLINDER = 32841, // "Zylinder": the travelling cylinder
    ID_VIEW_SETTINGS = 32811, // "Einstellungen …"
    ID_PATH_INTERPOLATION = 32812, // "Interpolation entlang der Bahn …"
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602, // "Schließen": an empty document in place of the current one
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};
