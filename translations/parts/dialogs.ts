<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Info über dravon</source>
        <translation>About dravon</translation>
    </message>
    <message>
        <source>dravon, Version %1</source>
        <translation>dravon, version %1</translation>
    </message>
    <message>
        <source>Verlauf einer Bohrung aus Teufe,
Neigung und Azimut nach dem
Schmiegungskreisverfahren</source>
        <translation>The path of a borehole from measured depth,
inclination and azimuth by the
minimum curvature method</translation>
    </message>
    <message>
        <source>Erstellt und gepflegt vom Dravon-Team.
Fragen und Hinweise bitte über die
Fehlerliste des Projekts einsenden.</source>
        <translation>Made and maintained by the Dravon team.
Please send questions and suggestions
through the project&apos;s issue tracker.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DlgInput</name>
    <message>
        <source>Dialogfeld</source>
        <translation>Survey data</translation>
    </message>
    <message>
        <source>Beschreibungszeile hinzufügen</source>
        <translation>Add description line</translation>
    </message>
    <message>
        <source>Beschreibungszeile ändern</source>
        <translation>Edit description line</translation>
    </message>
    <message>
        <source>Beschreibungszeile löschen</source>
        <translation>Delete description line</translation>
    </message>
    <message>
        <source> ( m )  ( Grad ° )  ( Grad ° )</source>
        <translation> ( m )   ( deg ° )   ( deg ° )</translation>
    </message>
    <message>
        <source>Teufe   Neigung   Azimut</source>
        <translation>  MD        Incl.      Azimuth</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Datei einlesen</source>
        <translation>Read file</translation>
    </message>
    <message>
        <source>Tabelle importieren …</source>
        <translation>Import table …</translation>
    </message>
    <message>
        <source>Bohrung …</source>
        <translation>Well …</translation>
    </message>
    <message>
        <source>Name der Bohrung</source>
        <translation>Well name</translation>
    </message>
    <message>
        <source>Formatauswahl</source>
        <translation>File format</translation>
    </message>
    <message>
        <source>WEG Format</source>
        <translation>WEG format</translation>
    </message>
    <message>
        <source>Freies Format</source>
        <translation>Free format</translation>
    </message>
    <message>
        <source>ATK Format</source>
        <translation>ATK format</translation>
    </message>
    <message>
        <source>Zeile ändern</source>
        <translation>Change line</translation>
    </message>
    <message>
        <source>Zeile anhängen</source>
        <translation>Append line</translation>
    </message>
    <message>
        <source>Zeile einfügen</source>
        <translation>Insert line</translation>
    </message>
    <message>
        <source>Zeile löschen</source>
        <translation>Delete line</translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation>Side view</translation>
    </message>
    <message>
        <source>Draufsicht</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>Datenauswahl</source>
        <translation>Stations taken</translation>
    </message>
    <message>
        <source>beim Dateieinlesen</source>
        <translation>when reading a file</translation>
    </message>
    <message>
        <source>jeder Wert</source>
        <translation>all</translation>
    </message>
    <message>
        <source>jeder 2.Wert</source>
        <translation>every 2nd</translation>
    </message>
    <message>
        <source>jeder 5.Wert</source>
        <translation>every 5th</translation>
    </message>
    <message>
        <source>jeder 10.Wert</source>
        <translation>every 10th</translation>
    </message>
    <message>
        <source>Das Zeichen „%1“ (U+%2) gehört nicht zum Zeichensatz des Dokuments (Windows-1252) und wird nicht übernommen.</source>
        <translation>The character &quot;%1&quot; (U+%2) is not in the document&apos;s character set (Windows-1252) and is not taken.</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Soll diese Beschreibungszeile wirklich gelöscht werden?
%1</source>
        <translation>Do you really want to delete this description line?
%1</translation>
    </message>
    <message>
        <source>Tabelle importieren</source>
        <translation>Import table</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.tsv *.txt *.xlsx *.xls *.las *.xml);;Alle Dateien (*)</source>
        <translation>Tables (*.csv *.tsv *.txt *.xlsx *.xls *.las *.xml);;All files (*)</translation>
    </message>
    <message>
        <source>Zwischenablage</source>
        <translation>Clipboard</translation>
    </message>
</context>
<context>
    <name>DlgInterpolation</name>
    <message>
        <source>Eingabe der Teufe zur Interpolation</source>
        <translation>Measured depth to interpolate at</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Geben Sie die Teufe zur Interpolation ein</source>
        <translation>Enter the measured depth to interpolate at</translation>
    </message>
    <message>
        <source>Maximale Teufe</source>
        <translation>Maximum measured depth</translation>
    </message>
    <message>
        <source>Bitte geben Sie eine Zahl ein.</source>
        <translation>Please enter a number.</translation>
    </message>
</context>
<context>
    <name>DlgOffsets</name>
    <message>
        <source>Nachbarbohrungen</source>
        <translation>Offset wells</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ansatzpunkt</source>
        <translation>Wellhead</translation>
    </message>
    <message>
        <source>Höhe (m NN)</source>
        <translation>Elevation (m MSL)</translation>
    </message>
    <message>
        <source>Bohrloch (m)</source>
        <translation>Hole (m)</translation>
    </message>
    <message>
        <source>Fehlermodell</source>
        <translation>Error model</translation>
    </message>
    <message>
        <source>Seitenast</source>
        <translation>Sidetrack</translation>
    </message>
    <message>
        <source>Messpunkte</source>
        <translation>Survey stations</translation>
    </message>
    <message>
        <source>&amp;Hinzufügen …</source>
        <translation>&amp;Add …</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>WEG</source>
        <translation>WEG</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <source>ATK</source>
        <translation>ATK</translation>
    </message>
    <message>
        <source>Messdateien im &amp;Format:</source>
        <translation>Survey files in &amp;format:</translation>
    </message>
    <message>
        <source>Nord und Ost vom Ansatzpunkt der Bohrung</source>
        <translation>North and east of the well&apos;s wellhead</translation>
    </message>
    <message>
        <source>Rechts- und Hochwert (System der Bohrung)</source>
        <translation>Easting and northing (the well&apos;s system)</translation>
    </message>
    <message>
        <source>z. B. 0</source>
        <translation>e.g. 0</translation>
    </message>
    <message>
        <source>z. B. 100</source>
        <translation>e.g. 100</translation>
    </message>
    <message>
        <source>z. B. 500100</source>
        <translation>e.g. 500100</translation>
    </message>
    <message>
        <source>z. B. 5700000</source>
        <translation>e.g. 5700000</translation>
    </message>
    <message>
        <source>wie die Bohrung</source>
        <translation>as the reference well</translation>
    </message>
    <message>
        <source>z. B. 0,6096 (24 Zoll)</source>
        <translation>e.g. 0.6096 (24 in)</translation>
    </message>
    <message>
        <source>keines (nur Abstände)</source>
        <translation>none (distances only)</translation>
    </message>
    <message>
        <source>vom Ansatzpunkt der Bohrung</source>
        <translation>from the well&apos;s wellhead</translation>
    </message>
    <message>
        <source>z. B. 9,80665</source>
        <translation>e.g. 9.80665</translation>
    </message>
    <message>
        <source>z. B. 50000</source>
        <translation>e.g. 50000</translation>
    </message>
    <message>
        <source>z. B. 72</source>
        <translation>e.g. 72</translation>
    </message>
    <message>
        <source>Teufe, an der er abzweigt</source>
        <translation>measured depth of the kick-off point</translation>
    </message>
    <message>
        <source>z. B. 0,9144 (36 Zoll)</source>
        <translation>e.g. 0.9144 (36 in)</translation>
    </message>
    <message>
        <source>0,3</source>
        <translation>0.3</translation>
    </message>
    <message>
        <source>0,5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>3,5</source>
        <translation>3.5</translation>
    </message>
    <message>
        <source>1,5</source>
        <translation>1.5</translation>
    </message>
    <message>
        <source>Gewählte Nachbarbohrung</source>
        <translation>Selected offset well</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Ansatzpunkt als:</source>
        <translation>Wellhead given as:</translation>
    </message>
    <message>
        <source>Nord (m):</source>
        <translation>North (m):</translation>
    </message>
    <message>
        <source>Ost (m):</source>
        <translation>East (m):</translation>
    </message>
    <message>
        <source>Rechtswert (m):</source>
        <translation>Easting (m):</translation>
    </message>
    <message>
        <source>Hochwert (m):</source>
        <translation>Northing (m):</translation>
    </message>
    <message>
        <source>Höhe des Teufenbezugspunkts (m NN):</source>
        <translation>Depth reference elevation (m MSL):</translation>
    </message>
    <message>
        <source>Bohrlochdurchmesser (m):</source>
        <translation>Hole diameter (m):</translation>
    </message>
    <message>
        <source>Seitenast von:</source>
        <translation>Sidetrack of:</translation>
    </message>
    <message>
        <source>Abzweigteufe (m):</source>
        <translation>Kick-off MD (m):</translation>
    </message>
    <message>
        <source>Fehlermodell der Nachbarbohrung</source>
        <translation>Error model of the offset well</translation>
    </message>
    <message>
        <source>Fehlermodell:</source>
        <translation>Error model:</translation>
    </message>
    <message>
        <source>Geographische Breite (°):</source>
        <translation>Latitude (°):</translation>
    </message>
    <message>
        <source>Schwerebeschleunigung (m/s²):</source>
        <translation>Gravity (m/s²):</translation>
    </message>
    <message>
        <source>Totalintensität (nT):</source>
        <translation>Total field (nT):</translation>
    </message>
    <message>
        <source>Inklination des Magnetfelds (°):</source>
        <translation>Magnetic dip angle (°):</translation>
    </message>
    <message>
        <source>Deklination und Nordrichtung der Azimute sind die der Bohrung (Bearbeiten → Bohrung …).</source>
        <translation>Declination and the north reference of the azimuths are those of the reference well (Edit → Well …).</translation>
    </message>
    <message>
        <source>Regel (ISCWSA-Trennfaktor)</source>
        <translation>Rule (ISCWSA separation factor)</translation>
    </message>
    <message>
        <source>Bohrlochdurchmesser der Bohrung (m):</source>
        <translation>Hole diameter of the reference well (m):</translation>
    </message>
    <message>
        <source>Sicherheitsabstand Sm (m):</source>
        <translation>Surface margin Sm (m):</translation>
    </message>
    <message>
        <source>Unsicherheit voraus σpa (m):</source>
        <translation>Project-ahead uncertainty σpa (m):</translation>
    </message>
    <message>
        <source>Faktor k:</source>
        <translation>Scaling factor k:</translation>
    </message>
    <message>
        <source>Meldung unter Trennfaktor:</source>
        <translation>Warn below separation factor:</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nachbarbohrung hinzufügen</source>
        <translation>Add offset well</translation>
    </message>
    <message>
        <source>Bohrungen (*.dvn *.csv *.tsv *.txt *.xlsx *.xls *.las *.xml *.weg *.atk);;Alle Dateien (*)</source>
        <translation>Wells (*.dvn *.csv *.tsv *.txt *.xlsx *.xls *.las *.xml *.weg *.atk);;All files (*)</translation>
    </message>
    <message>
        <source>der Mutterbohrung</source>
        <translation>the parent well&apos;s</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>R %1 / H %2</source>
        <translation>E %1 / N %2</translation>
    </message>
    <message>
        <source>N %1 / O %2</source>
        <translation>N %1 / E %2</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>none</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>von %1 ab %2 m</source>
        <translation>of %1 from %2 m</translation>
    </message>
    <message>
        <source>— (eigenes Bohrloch)</source>
        <translation>— (own hole)</translation>
    </message>
    <message>
        <source>%1 (die Bohrung)</source>
        <translation>%1 (the reference well)</translation>
    </message>
    <message>
        <source>Noch keine Nachbarbohrung: &quot;Hinzufügen …&quot; liest eine aus einem Dokument, einer Tabelle oder einer Messdatei.</source>
        <translation>No offset well yet: &quot;Add …&quot; reads one from a document, a table or a survey file.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>%1: %2
Die Nachbarbohrung wird nicht übernommen.</source>
        <translation>%1: %2
The offset well is not added.</translation>
    </message>
    <message>
        <source>%1Bitte den Ansatzpunkt der neuen Nachbarbohrung angeben: Nord und Ost vom Ansatzpunkt der Bohrung, oder Rechts- und Hochwert.</source>
        <translation>%1Please give the wellhead of the new offset well: north and east of the reference well&apos;s wellhead, or easting and northing.</translation>
    </message>
    <message>
        <source>%1 ist die Mutterbohrung von %2: zuerst den Seitenast entfernen oder einer anderen Bohrung zuordnen.</source>
        <translation>%1 is the parent well of %2: first remove the sidetrack or give it another parent well.</translation>
    </message>
    <message>
        <source>Die Nachbarbohrungen sind zu groß für ein Dokument (ihre Messpunkte brauchen mehr als 16 MiB).</source>
        <translation>The offset wells are too large for a document (their survey stations need more than 16 MiB).</translation>
    </message>
</context>
<context>
    <name>DlgWell</name>
    <message>
        <source>Bohrung</source>
        <translation>Well</translation>
    </message>
    <message>
        <source>z. B. 500000</source>
        <translation>e.g. 500000</translation>
    </message>
    <message>
        <source>z. B. 5700000</source>
        <translation>e.g. 5700000</translation>
    </message>
    <message>
        <source>über dem Meeresspiegel</source>
        <translation>above mean sea level</translation>
    </message>
    <message>
        <source>z. B. EPSG:25832</source>
        <translation>e.g. EPSG:25832</translation>
    </message>
    <message>
        <source>z. B. 9,80665</source>
        <translation>e.g. 9.80665</translation>
    </message>
    <message>
        <source>z. B. 50000</source>
        <translation>e.g. 50000</translation>
    </message>
    <message>
        <source>z. B. 72</source>
        <translation>e.g. 72</translation>
    </message>
    <message>
        <source>z. B. 2</source>
        <translation>e.g. 2</translation>
    </message>
    <message>
        <source>vom Ansatzpunkt: %1</source>
        <translation>from the wellhead: %1</translation>
    </message>
    <message>
        <source>unbekannt (für MWD nicht nötig)</source>
        <translation>unknown (not needed for MWD)</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>ISCWSA MWD Rev. 4</source>
        <translation>ISCWSA MWD Rev. 4</translation>
    </message>
    <message>
        <source>ISCWSA MWD Rev. 5</source>
        <translation>ISCWSA MWD Rev. 5</translation>
    </message>
    <message>
        <source>geographisch Nord</source>
        <translation>true north</translation>
    </message>
    <message>
        <source>Gitternord</source>
        <translation>grid north</translation>
    </message>
    <message>
        <source>magnetisch Nord</source>
        <translation>magnetic north</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>%1° (automatisch: Richtung der Endabweichung)</source>
        <translation>%1° (automatic: direction of the closure)</translation>
    </message>
    <message>
        <source>Fuß (ft), Abknickung je 100 ft</source>
        <translation>feet (ft), DLS per 100 ft</translation>
    </message>
    <message>
        <source>Meter (m), Abknickung je 30 m</source>
        <translation>metres (m), DLS per 30 m</translation>
    </message>
    <message>
        <source>Ansatzpunkt</source>
        <translation>Wellhead</translation>
    </message>
    <message>
        <source>Rechtswert (m):</source>
        <translation>Easting (m):</translation>
    </message>
    <message>
        <source>Hochwert (m):</source>
        <translation>Northing (m):</translation>
    </message>
    <message>
        <source>Koordinatenbezugssystem:</source>
        <translation>Coordinate reference system:</translation>
    </message>
    <message>
        <source>Höhe des Teufenbezugspunkts (m NN):</source>
        <translation>Depth reference elevation (m MSL):</translation>
    </message>
    <message>
        <source>Nordrichtung der gemessenen Azimute</source>
        <translation>North reference of the measured azimuths</translation>
    </message>
    <message>
        <source>Azimute bezogen auf:</source>
        <translation>Azimuths referenced to:</translation>
    </message>
    <message>
        <source>Meridiankonvergenz (°):</source>
        <translation>Grid convergence (°):</translation>
    </message>
    <message>
        <source>Deklination (°):</source>
        <translation>Declination (°):</translation>
    </message>
    <message>
        <source>Gitterazimut = geographischer Azimut − Meridiankonvergenz (positiv, wo Gitternord östlich von geographisch Nord liegt).
Geographischer Azimut = magnetischer Azimut + Deklination (Ost positiv).</source>
        <translation>Grid azimuth = true azimuth − grid convergence (positive where grid north lies east of true north).
True azimuth = magnetic azimuth + declination (east positive).</translation>
    </message>
    <message>
        <source>Positionsunsicherheit</source>
        <translation>Position uncertainty</translation>
    </message>
    <message>
        <source>Fehlermodell:</source>
        <translation>Error model:</translation>
    </message>
    <message>
        <source>Geographische Breite (°):</source>
        <translation>Latitude (°):</translation>
    </message>
    <message>
        <source>Schwerebeschleunigung (m/s²):</source>
        <translation>Gravity (m/s²):</translation>
    </message>
    <message>
        <source>Totalintensität (nT):</source>
        <translation>Total field (nT):</translation>
    </message>
    <message>
        <source>Inklination des Magnetfelds (°):</source>
        <translation>Magnetic dip angle (°):</translation>
    </message>
    <message>
        <source>Ellipse (Vielfaches von σ):</source>
        <translation>Ellipse (multiple of sigma):</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Listings</translation>
    </message>
    <message>
        <source>Azimut des Vertikalschnitts:</source>
        <translation>Vertical section azimuth:</translation>
    </message>
    <message>
        <source>Einheit:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Im Dokument gespeichert; geändert unter Ansicht → Einstellungen …</source>
        <translation>Stored in the document; changed under View → Settings …</translation>
    </message>
    <message>
        <source>Programmeinstellung; geändert unter Ansicht → Einstellungen …</source>
        <translation>Program setting; changed under View → Settings …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dokumentbefehle</name>
    <message>
        <source>Maximale Teufe:%g</source>
        <translation>Maximum MD:%g</translation>
    </message>
</context>
<context>
    <name>ImageSizeDlg</name>
    <message>
        <source>Bildgröße</source>
        <translation>Image size</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>&amp;Breite:</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>&amp;Höhe:</source>
        <translation>&amp;Height:</translation>
    </message>
</context>
<context>
    <name>PathInterpolationDlg</name>
    <message>
        <source>Interpolation entlang der Bahn</source>
        <translation>Interpolation along the path</translation>
    </message>
    <message>
        <source>Punkt bei einer Teufe</source>
        <translation>Point at a measured depth</translation>
    </message>
    <message>
        <source>Punkte bei einer Seigerteufe (jeder Durchgang)</source>
        <translation>Points at a TVD (every crossing)</translation>
    </message>
    <message>
        <source>Liste in gleichen Teufenschritten</source>
        <translation>List at equal MD steps</translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>&amp;Art:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>Es gibt keine berechneten Messpunkte.</source>
        <translation>There are no computed survey stations.</translation>
    </message>
    <message>
        <source>Berechnete Bahn: Teufe %1 bis %2 %3</source>
        <translation>Computed path: MD %1 to %2 %3</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>C&amp;opy</translation>
    </message>
    <message>
        <source>Kopiert die Tabelle (Strg+C), mit Tabulatoren getrennt</source>
        <translation>Copies the table (Ctrl+C), separated by tabs</translation>
    </message>
    <message>
        <source>&amp;Exportieren …</source>
        <translation>&amp;Export …</translation>
    </message>
    <message>
        <source>Schreibt die Tabelle in eine CSV-Datei</source>
        <translation>Writes the table to a CSV file</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>&amp;Teufe (%1):</source>
        <translation>&amp;MD (%1):</translation>
    </message>
    <message>
        <source>&amp;Seigerteufe (%1):</source>
        <translation>&amp;TVD (%1):</translation>
    </message>
    <message>
        <source>&amp;Schrittweite (%1):</source>
        <translation>&amp;Step (%1):</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl. Bitte eine Zahl eingeben, z. B. 1250,5.</source>
        <translation>&quot;%1&quot; is not a number. Please enter a number, e.g. 1250.5.</translation>
    </message>
    <message>
        <source>Die Schrittweite muss größer als 0 sein.</source>
        <translation>The step must be greater than 0.</translation>
    </message>
    <message>
        <source>Die Bahn erreicht diese Seigerteufe %1-mal.</source>
        <translation>The path reaches this TVD %1 times.</translation>
    </message>
    <message>
        <source>%1 Zeile(n).</source>
        <translation>%1 row(s).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 Zeile(n) in die Zwischenablage kopiert.</source>
        <translation>%1 row(s) copied to the clipboard.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>%1 Zeile(n) nach %2 geschrieben.</source>
        <translation>%1 row(s) written to %2.</translation>
    </message>
    <message>
        <source>Liste exportieren</source>
        <translation>Export listing</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TableImportDialog</name>
    <message>
        <source>Spalte %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Tabelle importieren – %1</source>
        <translation>Import table – %1</translation>
    </message>
    <message>
        <source>Tabellenblatt:</source>
        <translation>Sheet:</translation>
    </message>
    <message>
        <source>Trennzeichen:</source>
        <translation>Delimiter:</translation>
    </message>
    <message>
        <source>Dezimalzeichen:</source>
        <translation>Decimal sign:</translation>
    </message>
    <message>
        <source>Kopfzeile:</source>
        <translation>Heading row:</translation>
    </message>
    <message>
        <source>Teufe:</source>
        <translation>MD:</translation>
    </message>
    <message>
        <source>Neigung:</source>
        <translation>Inclination:</translation>
    </message>
    <message>
        <source>Azimut:</source>
        <translation>Azimuth:</translation>
    </message>
    <message>
        <source>Einheit der Teufe:</source>
        <translation>MD unit:</translation>
    </message>
    <message>
        <source>Trajektorie:</source>
        <translation>Trajectory:</translation>
    </message>
    <message>
        <source>automatisch</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>Komma</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>point</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>metres</translation>
    </message>
    <message>
        <source>Fuß (in Meter umgerechnet)</source>
        <translation>feet (converted to metres)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Messwertzeilen (Teufe Neigung Azimut):</source>
        <translation>Survey stations (MD inclination azimuth):</translation>
    </message>
    <message>
        <source>Vorschau der ersten Zeilen:</source>
        <translation>Preview of the first rows:</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>automatisch (%1)</source>
        <translation>automatic (%1)</translation>
    </message>
    <message>
        <source>Fuß</source>
        <translation>feet</translation>
    </message>
    <message>
        <source>automatisch (Zeile %1)</source>
        <translation>automatic (row %1)</translation>
    </message>
    <message>
        <source>automatisch (%1%2)</source>
        <translation>automatic (%1%2)</translation>
    </message>
    <message>
        <source>%1 Datenzeilen ab Zeile %2; %3 Messwertzeilen werden übernommen.</source>
        <translation>%1 data rows from row %2; %3 survey stations are taken.</translation>
    </message>
    <message>
        <source>Zeilen %1 bis %2 nach der Tabelle nicht gelesen</source>
        <translation>Rows %1 to %2 after the table not read</translation>
    </message>
    <message>
        <source>Zeile %1 nach der Tabelle nicht gelesen</source>
        <translation>Row %1 after the table not read</translation>
    </message>
</context>
<context>
    <name>ViewSettingsDlg</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Azimut des Vertikalschnitts</source>
        <translation>Vertical section azimuth</translation>
    </message>
    <message>
        <source>&amp;automatisch: Richtung der Endabweichung (%1°)</source>
        <translation>&amp;automatic: direction of the closure (%1°)</translation>
    </message>
    <message>
        <source>&amp;fest:</source>
        <translation>f&amp;ixed:</translation>
    </message>
    <message>
        <source>Meter (m), Abknickung je 30 m</source>
        <translation>metres (m), DLS per 30 m</translation>
    </message>
    <message>
        <source>Fuß (ft), Abknickung je 100 ft</source>
        <translation>feet (ft), DLS per 100 ft</translation>
    </message>
    <message>
        <source>Automatisch (wie der Desktop)</source>
        <translation>Automatic (as the desktop)</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch (German)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Die Sprache gilt ab dem nächsten Start des Programms.</source>
        <translation>The language takes effect the next time the program starts.</translation>
    </message>
    <message>
        <source>&amp;Einheit der Listen:</source>
        <translation>Listing &amp;unit:</translation>
    </message>
    <message>
        <source>&amp;Sprache:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>Im &amp;Dokument speichern (gilt dann für diese Bohrung vor den Programmeinstellungen)</source>
        <translation>Store in the &amp;document (then applies to this well before the program settings)</translation>
    </message>
    <message>
        <source>Die Ergebnistabelle bleibt in Metern.</source>
        <translation>The results table stays in metres.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
