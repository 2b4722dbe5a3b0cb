<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Export</name>
    <message>
        <source>Nachbarbohrung</source>
        <translation>Offset well</translation>
    </message>
    <message>
        <source>Teufe</source>
        <translation>MD</translation>
    </message>
    <message>
        <source>Nachbar-Teufe</source>
        <translation>Offset MD</translation>
    </message>
    <message>
        <source>Nachbar-Seigerteufe</source>
        <translation>Offset TVD</translation>
    </message>
    <message>
        <source>Nachbar-Nord</source>
        <translation>Offset north</translation>
    </message>
    <message>
        <source>Nachbar-Ost</source>
        <translation>Offset east</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Bearing</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>PCR Bezug</source>
        <translation>PCR reference</translation>
    </message>
    <message>
        <source>PCR Nachbar</source>
        <translation>PCR offset</translation>
    </message>
    <message>
        <source>Trennfaktor</source>
        <translation>Separation factor</translation>
    </message>
    <message>
        <source>Kov NN</source>
        <translation>Cov NN</translation>
    </message>
    <message>
        <source>Kov EE</source>
        <translation>Cov EE</translation>
    </message>
    <message>
        <source>Kov VV</source>
        <translation>Cov VV</translation>
    </message>
    <message>
        <source>Kov NE</source>
        <translation>Cov NE</translation>
    </message>
    <message>
        <source>Kov NV</source>
        <translation>Cov NV</translation>
    </message>
    <message>
        <source>Kov EV</source>
        <translation>Cov EV</translation>
    </message>
    <message>
        <source>Neigung</source>
        <translation>Inclination</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Seigerteufe</source>
        <translation>TVD</translation>
    </message>
    <message>
        <source>Nord</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Ost</source>
        <translation>East</translation>
    </message>
    <message>
        <source>Gesamtabweichung</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>Azimut der Abweichung</source>
        <translation>Displacement azimuth</translation>
    </message>
    <message>
        <source>Abknickung</source>
        <translation>DLS</translation>
    </message>
    <message>
        <source>Krümmungsradius</source>
        <translation>Radius of curvature</translation>
    </message>
    <message>
        <source>Teufenverlust</source>
        <translation>Depth loss</translation>
    </message>
    <message>
        <source>Rechtswert</source>
        <translation>Easting</translation>
    </message>
    <message>
        <source>Hochwert</source>
        <translation>Northing</translation>
    </message>
    <message>
        <source>Höhe über NN</source>
        <translation>Elevation above sea level</translation>
    </message>
    <message>
        <source>σ Nord</source>
        <translation>σ north</translation>
    </message>
    <message>
        <source>σ Ost</source>
        <translation>σ east</translation>
    </message>
    <message>
        <source>σ Vertikal</source>
        <translation>σ vertical</translation>
    </message>
    <message>
        <source>σ Hochseite</source>
        <translation>σ high side</translation>
    </message>
    <message>
        <source>σ Lateral</source>
        <translation>σ lateral</translation>
    </message>
    <message>
        <source>σ Bohrachse</source>
        <translation>σ along hole</translation>
    </message>
    <message>
        <source>Große Halbachse</source>
        <translation>Semi-major axis</translation>
    </message>
    <message>
        <source>Kleine Halbachse</source>
        <translation>Semi-minor axis</translation>
    </message>
    <message>
        <source>Richtung große Halbachse</source>
        <translation>Semi-major axis azimuth</translation>
    </message>
    <message>
        <source>Vertikalschnitt bei %1°</source>
        <translation>Vertical section at %1°</translation>
    </message>
    <message>
        <source>Fehlermodell</source>
        <translation>Error model</translation>
    </message>
    <message>
        <source>%1, Ellipse %2 σ (σ und Kovarianzen: 1 σ)</source>
        <translation>%1, ellipse %2 σ (σ and covariances: 1 σ)</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>unbekannt (die MWD-Terme brauchen sie nicht)</source>
        <translation>unknown (the MWD terms do not need it)</translation>
    </message>
    <message>
        <source>Schwerebeschleunigung</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>Totalintensität</source>
        <translation>Total field</translation>
    </message>
    <message>
        <source>Inklination des Magnetfelds</source>
        <translation>Magnetic dip</translation>
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
        <source>geographisch Nord</source>
        <translation>true north</translation>
    </message>
    <message>
        <source>Azimute bezogen auf</source>
        <translation>Azimuths referenced to</translation>
    </message>
    <message>
        <source>Deklination</source>
        <translation>Declination</translation>
    </message>
    <message>
        <source>Meridiankonvergenz</source>
        <translation>Grid convergence</translation>
    </message>
    <message>
        <source>Anfrage</source>
        <translation>Request</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>CSV (Semikolon, Dezimalkomma) (*.csv)</source>
        <translation>CSV (semicolon, decimal comma) (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>GeoJson</name>
    <message>
        <source>Für die Karte fehlt das Koordinatenbezugssystem (EPSG-Code) der Bohrung.</source>
        <translation>The map needs the coordinate reference system (EPSG code) of the well.</translation>
    </message>
    <message>
        <source>Für die Karte fehlt der Ansatzpunkt der Bohrung (Rechtswert und Hochwert).</source>
        <translation>The map needs the wellhead of the well (easting and northing).</translation>
    </message>
    <message>
        <source>Es gibt keine berechneten Messpunkte für die Karte.</source>
        <translation>There are no computed survey stations for the map.</translation>
    </message>
    <message>
        <source>Der Messpunkt bei %.2f m liegt außerhalb des Koordinatenbezugssystems EPSG:%d.</source>
        <translation>The survey station at %.2f m lies outside the coordinate reference system EPSG:%d.</translation>
    </message>
</context>
<context>
    <name>Koordinaten</name>
    <message>
        <source>Ein Ansatzpunkt einer Nachbarbohrung in Rechts- und Hochwert braucht den Ansatzpunkt der Bohrung mit Koordinatenbezugssystem (Bearbeiten &gt; Bohrung …).</source>
        <translation>An offset well&apos;s wellhead given by easting and northing needs the well&apos;s wellhead with a coordinate reference system (Edit &gt; Well …).</translation>
    </message>
    <message>
        <source>Der Ansatzpunkt der Nachbarbohrung liegt außerhalb des Koordinatenbezugssystems.</source>
        <translation>The wellhead of the offset well lies outside the coordinate reference system.</translation>
    </message>
    <message>
        <source>Das Koordinatenbezugssystem EPSG:%d ist unbekannt.</source>
        <translation>The coordinate reference system EPSG:%d is unknown.</translation>
    </message>
    <message>
        <source>EPSG:%d ist kein projiziertes Koordinatenbezugssystem; Rechtswert und Hochwert brauchen eines (z. B. EPSG:25832 für UTM Zone 32).</source>
        <translation>EPSG:%d is not a projected coordinate reference system; easting and northing need one (e.g. EPSG:25832 for UTM zone 32).</translation>
    </message>
    <message>
        <source>Von EPSG:%d gibt es keine Umrechnung nach WGS 84.</source>
        <translation>There is no transformation from EPSG:%d to WGS 84.</translation>
    </message>
    <message>
        <source>Der Ansatzpunkt (Rechtswert und Hochwert) ist nicht angegeben.</source>
        <translation>The wellhead (easting and northing) is not given.</translation>
    </message>
    <message>
        <source>Die Azimute sind auf magnetisch Nord bezogen, aber die Deklination ist nicht angegeben.</source>
        <translation>The azimuths are referenced to magnetic north, but the declination is not given.</translation>
    </message>
    <message>
        <source>Der Ansatzpunkt liegt außerhalb des Koordinatenbezugssystems.</source>
        <translation>The wellhead lies outside the coordinate reference system.</translation>
    </message>
    <message>
        <source>Für Rechtswert und Hochwert fehlt die Meridiankonvergenz oder das Koordinatenbezugssystem (EPSG-Code).</source>
        <translation>Easting and northing need the grid convergence or the coordinate reference system (EPSG code).</translation>
    </message>
</context>
<context>
    <name>LasDatei</name>
    <message>
        <source>Kurve %1</source>
        <translation>Curve %1</translation>
    </message>
    <message>
        <source>Zeile %d: eine LAS-Datei beginnt mit dem Abschnitt ~Version.</source>
        <translation>Line %d: a LAS file begins with the ~Version section.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %zu MB.</source>
        <translation>The file is larger than %zu MB.</translation>
    </message>
    <message>
        <source>Zeile %d: nach den Daten (~A) folgt ein weiterer Abschnitt; ~A muss der letzte sein.</source>
        <translation>Line %d: another section follows the data (~A); ~A must be the last.</translation>
    </message>
    <message>
        <source>Zeile %d: der Abschnitt ~Curve steht zweimal in der Datei.</source>
        <translation>Line %d: the ~Curve section appears twice in the file.</translation>
    </message>
    <message>
        <source>Zeile %d: die Daten (~A) stehen vor den Kurven (~Curve) oder es gibt keine Kurven.</source>
        <translation>Line %d: the data (~A) come before the curves (~Curve), or there are no curves.</translation>
    </message>
    <message>
        <source>Zeile %d: mehr Werte als die %zu Kurven (umgebrochene Daten werden nicht gelesen).</source>
        <translation>Line %d: more values than the %zu curves (wrapped data are not read).</translation>
    </message>
    <message>
        <source>Zeile %d: „%s“ ist keine Zahl (Kurve %s).</source>
        <translation>Line %d: &quot;%s&quot; is not a number (curve %s).</translation>
    </message>
    <message>
        <source>Zeile %d: %zu Werte statt %zu, einer für jede Kurve.</source>
        <translation>Line %d: %zu values instead of %zu, one for each curve.</translation>
    </message>
    <message>
        <source>Zeile %d: „%s“ ist keine Kopfzeile der Form MNEM.EINHEIT WERT : BESCHREIBUNG.</source>
        <translation>Line %d: &quot;%s&quot; is not a header line of the form MNEM.UNIT VALUE : DESCRIPTION.</translation>
    </message>
    <message>
        <source>Zeile %d: LAS-Version %s wird nicht gelesen, nur 1.2 und 2.0.</source>
        <translation>Line %d: LAS version %s is not read, only 1.2 and 2.0.</translation>
    </message>
    <message>
        <source>Zeile %d: umgebrochene Datenzeilen (WRAP YES) werden nicht gelesen; die Datei muss mit WRAP NO geschrieben sein, eine Zeile je Tiefe.</source>
        <translation>Line %d: wrapped data lines (WRAP YES) are not read; the file must be written with WRAP NO, one line per depth.</translation>
    </message>
    <message>
        <source>Zeile %d: WRAP muss YES oder NO sein, nicht „%s“.</source>
        <translation>Line %d: WRAP must be YES or NO, not &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Zeile %d: der NULL-Wert „%s“ ist keine Zahl.</source>
        <translation>Line %d: the NULL value &quot;%s&quot; is not a number.</translation>
    </message>
    <message>
        <source>Zeile %d: mehr als %d Kurven.</source>
        <translation>Line %d: more than %d curves.</translation>
    </message>
    <message>
        <source>Keine LAS-Datei: der Abschnitt ~Version fehlt.</source>
        <translation>Not a LAS file: the ~Version section is missing.</translation>
    </message>
    <message>
        <source>Die LAS-Datei hat keinen Abschnitt ~Curve mit Kurven.</source>
        <translation>The LAS file has no ~Curve section with curves.</translation>
    </message>
    <message>
        <source>Die LAS-Datei hat keine Daten (Abschnitt ~A).</source>
        <translation>The LAS file has no data (~A section).</translation>
    </message>
</context>
<context>
    <name>LineEditor</name>
    <message>
        <source>Die Kommas dieser Zeile sind nicht eindeutig:
%s
Bitte die drei Werte durch Leerzeichen trennen und Dezimalzahlen mit einem Komma oder einem Punkt schreiben (12,5 oder 12.5).</source>
        <translation>The commas of this line are ambiguous:
%s
Please separate the three values by blanks and write decimals with a comma or a point (12,5 or 12.5).</translation>
    </message>
    <message>
        <source>Die Teufe %g steigt nicht an: die %d.Zeile hat dieselbe Teufe.
%s
Jede Teufe muss größer sein als die vorangehende; die Zeile wird nicht übernommen.</source>
        <translation>The MD %g does not increase: line %d has the same MD.
%s
Each MD must be greater than the one before it; the line is not taken.</translation>
    </message>
    <message>
        <source>%d.Zeile ausgewählt</source>
        <translation>Line %d selected</translation>
    </message>
    <message>
        <source>Die Zeile enthält zu wenig Daten</source>
        <translation>The line holds too few values</translation>
    </message>
    <message>
        <source>Soll diese Zeile geändert werden?
</source>
        <translation>Change this line?
</translation>
    </message>
    <message>
        <source>Soll diese Zeile angehängt werden?
</source>
        <translation>Append this line?
</translation>
    </message>
    <message>
        <source>Soll diese Zeile vor der markarkierten eingefügt werden?
</source>
        <translation>Insert this line before the selected one?
</translation>
    </message>
    <message>
        <source>Soll diese Zeile wirklich gelöscht werden?
</source>
        <translation>Really delete this line?
</translation>
    </message>
    <message>
        <source>Es ist keine Zeile markiert.
Bitte zuerst eine Zeile der Liste markieren.</source>
        <translation>No line is selected.
Please select a line of the list first.</translation>
    </message>
    <message>
        <source>%d.Zeile wurde geändert</source>
        <translation>Line %d changed</translation>
    </message>
    <message>
        <source>%d.Zeile angehängt</source>
        <translation>Line %d appended</translation>
    </message>
    <message>
        <source>%d.Zeile eingefügt</source>
        <translation>Line %d inserted</translation>
    </message>
    <message>
        <source>%d.Zeile gelöscht</source>
        <translation>Line %d deleted</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Dateiformat wählen.</source>
        <translation>Please choose a file format first.</translation>
    </message>
    <message>
        <source>%1 wird geöffnet</source>
        <translation>Opening %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden:
%1</source>
        <translation>The file cannot be read:
%1</translation>
    </message>
    <message>
        <source>Keine Zeilen eingelesen</source>
        <translation>No lines read</translation>
    </message>
</context>
<context>
    <name>Messdatei</name>
    <message>
        <source>Leerzeichen in der %d.Spalte</source>
        <translation>Blank in column %d</translation>
    </message>
    <message>
        <source>ABBRUCH! Kein ATK-Format
	%d.Zeichen in der %d.Zeile:%c
	%s</source>
        <translation>ABORTED! Not ATK format
	character %d in line %d:%c
	%s</translation>
    </message>
    <message>
        <source>Zu wenig Werte in der %d.Zeile
%s</source>
        <translation>Too few values in line %d
%s</translation>
    </message>
    <message>
        <source>ABBRUCH!!
Die %d.Zeile enhält keine 3 Werte
 %s
Keine Freies Format</source>
        <translation>ABORTED!!
Line %d does not hold 3 values
 %s
Not free format</translation>
    </message>
    <message>
        <source>%d Zeilen wurden eingelesen</source>
        <translation>%d lines read</translation>
    </message>
    <message>
        <source>Kein Dateiformat gewählt</source>
        <translation>No file format chosen</translation>
    </message>
    <message>
        <source>In der %d.Zeile 100 Zeichen gelesen</source>
        <translation>100 characters read in line %d</translation>
    </message>
    <message>
        <source>Zu wenig Werte in der %d.Zeile %s</source>
        <translation>Too few values in line %d %s</translation>
    </message>
    <message>
        <source>Kein WEG-Format</source>
        <translation>Not WEG format</translation>
    </message>
</context>
<context>
    <name>Nachbarvergleich</name>
    <message>
        <source>Nachbarbohrung %s: Trennfaktor %.2f unter %.2f bei %.2f m MD (Nachbarbohrung bei %.2f m MD); unter %.2f von %.2f m bis %.2f m MD</source>
        <translation>Offset well %s: separation factor %.2f below %.2f at %.2f m MD (offset well at %.2f m MD); below %.2f from %.2f m to %.2f m MD</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: kein Trennfaktor, beide Bohrungen haben kein Fehlermodell (nur Abstände)</source>
        <translation>Offset well %s: no separation factor, neither well has an error model (distances only)</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: kein Trennfaktor, die Bezugsbohrung hat kein Fehlermodell (nur Abstände)</source>
        <translation>Offset well %s: no separation factor, the reference well has no error model (distances only)</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: kein Trennfaktor, die Nachbarbohrung hat kein Fehlermodell (nur Abstände)</source>
        <translation>Offset well %s: no separation factor, the offset well has no error model (distances only)</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: nichts zu vergleichen (keine Stationen unterhalb des gemeinsamen Bohrlochs)</source>
        <translation>Offset well %s: nothing to compare (no stations below the shared hole)</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: nicht verglichen, sie gibt die Höhe ihres Teufenbezugspunkts an, die Bohrung selbst keine</source>
        <translation>Offset well %s: not compared, it gives the elevation of its depth reference and the well itself gives none</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: nicht verglichen, ihr Ansatzpunkt gibt keine Lage: %s</source>
        <translation>Offset well %s: not compared, its wellhead gives no position: %s</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: nicht verglichen, ihre Mutterbohrung %s ist weder die Bohrung noch eine der Nachbarbohrungen</source>
        <translation>Offset well %s: not compared, its parent well %s is neither the well nor one of the offset wells</translation>
    </message>
    <message>
        <source>Das Fehlermodell der Bohrung braucht %s; ohne es nur Abstände, kein Trennfaktor</source>
        <translation>The error model of the well needs the %s; without it distances only, no separation factor</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: ihr Fehlermodell braucht %s; ohne es nur Abstände, kein Trennfaktor</source>
        <translation>Offset well %s: its error model needs the %s; without it distances only, no separation factor</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: ihre Bahn endet bei %.2f m MD vor ihrem letzten Messpunkt bei %.2f m MD (die Prüfung oder die Berechnung hielt dort an)</source>
        <translation>Offset well %s: its path ends at %.2f m MD, before its last survey station at %.2f m MD (the check or the computation stopped there)</translation>
    </message>
    <message>
        <source>Trennfaktor unter %.2f bei %d Nachbarbohrung:</source>
        <translation>Separation factor below %.2f at %d offset well:</translation>
    </message>
    <message>
        <source>Trennfaktor unter %.2f bei %d Nachbarbohrungen:</source>
        <translation>Separation factor below %.2f at %d offset wells:</translation>
    </message>
</context>
<context>
    <name>OffsetForm</name>
    <message>
        <source>Die Datei enthält keine Messpunkte.</source>
        <translation>The file holds no survey stations.</translation>
    </message>
    <message>
        <source>Die Azimute des Dokuments beziehen sich auf eine andere Nordrichtung als die der Bohrung, und ohne Deklination oder Meridiankonvergenz lassen sie sich nicht umrechnen.</source>
        <translation>The azimuths of the document refer to another north than the well&apos;s, and without declination or grid convergence they cannot be converted.</translation>
    </message>
    <message>
        <source>Der Ansatzpunkt des Dokuments liegt in EPSG:%d, die Bohrung in EPSG:%d.</source>
        <translation>The wellhead of the document is in EPSG:%d, the well in EPSG:%d.</translation>
    </message>
    <message>
        <source>Nachbarbohrung</source>
        <translation>Offset well</translation>
    </message>
    <message>
        <source>Name: bitte einen Namen angeben (höchstens 200 Bytes).</source>
        <translation>Name: please enter a name (at most 200 bytes).</translation>
    </message>
    <message>
        <source>Seitenast von: eine Bohrung kann nicht von sich selbst abzweigen.</source>
        <translation>Sidetrack of: a well cannot be a sidetrack of itself.</translation>
    </message>
    <message>
        <source>Nord (m)</source>
        <translation>North (m)</translation>
    </message>
    <message>
        <source>Ost (m)</source>
        <translation>East (m)</translation>
    </message>
    <message>
        <source>Rechtswert (m)</source>
        <translation>Easting (m)</translation>
    </message>
    <message>
        <source>Hochwert (m)</source>
        <translation>Northing (m)</translation>
    </message>
    <message>
        <source>Höhe des Teufenbezugspunkts (m NN)</source>
        <translation>Elevation of the depth reference (m above sea level)</translation>
    </message>
    <message>
        <source>Bohrlochdurchmesser (m)</source>
        <translation>Hole diameter (m)</translation>
    </message>
    <message>
        <source>Abzweigteufe (m)</source>
        <translation>Kick-off depth (m)</translation>
    </message>
    <message>
        <source>Geographische Breite (°)</source>
        <translation>Latitude (°)</translation>
    </message>
    <message>
        <source>Schwerebeschleunigung (m/s²)</source>
        <translation>Gravity (m/s²)</translation>
    </message>
    <message>
        <source>Totalintensität (nT)</source>
        <translation>Total field (nT)</translation>
    </message>
    <message>
        <source>Inklination des Magnetfelds (°)</source>
        <translation>Magnetic dip (°)</translation>
    </message>
    <message>
        <source>%1: das Fehlermodell der Nachbarbohrung braucht einen Wert (Deklination und Nordrichtung gibt die Bohrung unter Bearbeiten &gt; Bohrung …).</source>
        <translation>%1: the error model of the offset well needs a value (declination and north reference are the well&apos;s, under Edit &gt; Well …).</translation>
    </message>
    <message>
        <source>Bohrlochdurchmesser der Bohrung (m)</source>
        <translation>Hole diameter of the well (m)</translation>
    </message>
    <message>
        <source>Sicherheitsabstand Sm (m)</source>
        <translation>Surface margin Sm (m)</translation>
    </message>
    <message>
        <source>Unsicherheit voraus σpa (m)</source>
        <translation>Project-ahead uncertainty σpa (m)</translation>
    </message>
    <message>
        <source>Faktor k</source>
        <translation>Factor k</translation>
    </message>
    <message>
        <source>Meldung unter Trennfaktor</source>
        <translation>Warn below separation factor</translation>
    </message>
</context>
<context>
    <name>Tabellenimport</name>
    <message>
        <source>Die Excel-Datei (.xls) ist beschädigt oder unvollständig.</source>
        <translation>The Excel file (.xls) is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Die Excel-Datei ist in einem Format vor Excel 97 gespeichert. Bitte als Excel 97–2003 (.xls) oder als .xlsx speichern.</source>
        <translation>The Excel file is saved in a format older than Excel 97. Please save it as Excel 97–2003 (.xls) or as .xlsx.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %zu MB.</source>
        <translation>The file is larger than %zu MB.</translation>
    </message>
    <message>
        <source>Die Excel-Datei ist mit einem Kennwort geschützt. Bitte ohne Kennwort speichern.</source>
        <translation>The Excel file is protected by a password. Please save it without a password.</translation>
    </message>
    <message>
        <source>WAHR</source>
        <translation>TRUE</translation>
    </message>
    <message>
        <source>FALSCH</source>
        <translation>FALSE</translation>
    </message>
    <message>
        <source>Ein Anführungszeichen in Zeile %d wird bis zum Dateiende nicht geschlossen.</source>
        <translation>A quotation mark in row %d is not closed before the end of the file.</translation>
    </message>
    <message>
        <source>Semikolon</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>Komma</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Leerzeichen</source>
        <translation>Blanks</translation>
    </message>
    <message>
        <source>automatisch</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>%d Zeilen eingefügt</source>
        <translation>%d lines inserted</translation>
    </message>
    <message>
        <source>Das Tabellenblatt der Arbeitsmappe ist kein lesbares XML (Zeile %lld, Spalte %lld: %s).</source>
        <translation>The worksheet of the workbook is not readable XML (line %lld, column %lld: %s).</translation>
    </message>
    <message>
        <source>Die Textliste der Arbeitsmappe ist kein lesbares XML (Zeile %lld, Spalte %lld: %s).</source>
        <translation>The shared strings of the workbook are not readable XML (line %lld, column %lld: %s).</translation>
    </message>
    <message>
        <source>Das Tabellenblatt hat eine ungültige Zeilennummer „%s“.</source>
        <translation>The worksheet has an invalid row number &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Zeile %d, Spalte %d (%s): Verweis auf den Text Nr. „%s“, den die Arbeitsmappe nicht enthält.</source>
        <translation>Row %d, column %d (%s): refers to text no. &quot;%s&quot;, which the workbook does not hold.</translation>
    </message>
    <message>
        <source>Spalte %d (%s)</source>
        <translation>column %d (%s)</translation>
    </message>
    <message>
        <source>%d Zeilen wurden eingelesen</source>
        <translation>%d lines read</translation>
    </message>
    <message>
        <source>Zeile %d nach der Tabelle nicht gelesen</source>
        <translation>Row %d after the table not read</translation>
    </message>
    <message>
        <source>Zeilen %d bis %d nach der Tabelle nicht gelesen</source>
        <translation>Rows %d to %d after the table not read</translation>
    </message>
    <message>
        <source>Teufe</source>
        <translation>MD</translation>
    </message>
    <message>
        <source>Neigung</source>
        <translation>Inclination</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Die Spalte %d (%s) gibt es nicht: gelesen werden höchstens %d Spalten.</source>
        <translation>There is no column %d (%s): at most %d columns are read.</translation>
    </message>
    <message>
        <source>Die Spalte %d (%s) ist für %s und %s gewählt.</source>
        <translation>Column %d (%s) is chosen for both %s and %s.</translation>
    </message>
    <message>
        <source>Die Kopfzeile %d gibt es nicht: die Tabelle hat %d Zeilen.</source>
        <translation>There is no heading row %d: the table has %d rows.</translation>
    </message>
    <message>
        <source>In der Kopfzeile %d fehlt eine Spalte für: %s.</source>
        <translation>Heading row %d lacks a column for: %s.</translation>
    </message>
    <message>
        <source>Ohne Kopfzeile können Spalten nur über ihre Nummer gewählt werden.</source>
        <translation>Without a heading row, columns can only be chosen by their number.</translation>
    </message>
    <message>
        <source>Keine Kopfzeile mit Spalten für %s gefunden.</source>
        <translation>No heading row with columns for %s found.</translation>
    </message>
    <message>
        <source>Keine Zeile der Tabelle enthält drei Zahlen für Teufe, Neigung und Azimut.</source>
        <translation>No row of the table holds three numbers for MD, inclination and azimuth.</translation>
    </message>
    <message>
        <source>Keine Zeile enthält Zahlen in den Spalten %s, %s und %s.</source>
        <translation>No row holds numbers in columns %s, %s and %s.</translation>
    </message>
    <message>
        <source>Zeile %d, %s</source>
        <translation>Row %d, %s</translation>
    </message>
    <message>
        <source>%s: die Zelle für %s ist leer.</source>
        <translation>%s: the cell for %s is empty.</translation>
    </message>
    <message>
        <source>%s: „%s“ ist keine Zahl für %s.</source>
        <translation>%s: &quot;%s&quot; is not a number for %s.</translation>
    </message>
    <message>
        <source>%s: „%s“ ist zu groß für %s.</source>
        <translation>%s: &quot;%s&quot; is too large for %s.</translation>
    </message>
    <message>
        <source>Die Excel-Arbeitsmappe enthält kein Tabellenblatt.</source>
        <translation>The Excel workbook holds no worksheet.</translation>
    </message>
    <message>
        <source>Die Excel-Arbeitsmappe hat kein %s. Tabellenblatt; sie hat %zu: %s.</source>
        <translation>The Excel workbook has no worksheet number %s; it has %zu: %s.</translation>
    </message>
    <message>
        <source>Die Excel-Arbeitsmappe hat kein Tabellenblatt „%s“; sie hat %s.</source>
        <translation>The Excel workbook has no worksheet &quot;%s&quot;; it has %s.</translation>
    </message>
    <message>
        <source>Die Tabelle ist zu groß: eingelesen werden höchstens %d Zeilen und %zu Zellen.</source>
        <translation>The table is too large: at most %d rows and %zu cells are read.</translation>
    </message>
    <message>
        <source>Die Datei %s ist leer.</source>
        <translation>The file %s is empty.</translation>
    </message>
    <message>
        <source>Die Datei %s ist keine Excel-Arbeitsmappe (.xlsx).</source>
        <translation>The file %s is not an Excel workbook (.xlsx).</translation>
    </message>
    <message>
        <source>Die Datei %s ist keine Excel-Arbeitsmappe (.xls).</source>
        <translation>The file %s is not an Excel workbook (.xls).</translation>
    </message>
    <message>
        <source>Die Datei %s ist keine Textdatei mit einer Tabelle (.csv).</source>
        <translation>The file %s is not a text file with a table (.csv).</translation>
    </message>
    <message>
        <source>Die Datei %s ist keine LAS-Datei (.las).</source>
        <translation>The file %s is not a LAS file (.las).</translation>
    </message>
    <message>
        <source>Die Datei %s ist keine WITSML-Datei (.xml).</source>
        <translation>The file %s is not a WITSML file (.xml).</translation>
    </message>
    <message>
        <source>Die Datei %s ist größer als %zu MB und wird nicht gelesen.</source>
        <translation>The file %s is larger than %zu MB and is not read.</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht gelesen werden.</source>
        <translation>The file %s cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Excel-Arbeitsmappe (.xls).</source>
        <translation>The file is not an Excel workbook (.xls).</translation>
    </message>
    <message>
        <source>Die Excel-Arbeitsmappe ist mit einem Kennwort geschützt. Bitte ohne Kennwort speichern.</source>
        <translation>The Excel workbook is protected by a password. Please save it without a password.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Excel-Arbeitsmappe (.xls): sie enthält keine Tabellen.</source>
        <translation>The file is not an Excel workbook (.xls): it holds no worksheets.</translation>
    </message>
    <message>
        <source>Die Excel-Arbeitsmappe ist beschädigt oder unvollständig.</source>
        <translation>The Excel workbook is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Der Teil %s fehlt in der Excel-Arbeitsmappe.</source>
        <translation>The part %s is missing from the Excel workbook.</translation>
    </message>
    <message>
        <source>Der Teil %s der Excel-Arbeitsmappe ist entpackt größer als %zu MB und wird nicht gelesen.</source>
        <translation>The part %s of the Excel workbook is larger than %zu MB unpacked and is not read.</translation>
    </message>
    <message>
        <source>Die Datei ist eine ältere (.xls) oder eine mit Kennwort geschützte Excel-Datei. Bitte ohne Kennwort als .xlsx speichern.</source>
        <translation>The file is an older (.xls) or password-protected Excel file. Please save it as .xlsx without a password.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Excel-Arbeitsmappe (.xlsx).</source>
        <translation>The file is not an Excel workbook (.xlsx).</translation>
    </message>
    <message>
        <source>Die Datei ist ein ZIP-Archiv, aber keine Excel-Arbeitsmappe.</source>
        <translation>The file is a ZIP archive, but not an Excel workbook.</translation>
    </message>
</context>
<context>
    <name>WellForm</name>
    <message>
        <source>%s: bitte einen Wert angeben.</source>
        <translation>%s: please enter a value.</translation>
    </message>
    <message>
        <source>%s: &quot;%s&quot; ist kein gültiger Wert.</source>
        <translation>%s: &quot;%s&quot; is not a valid value.</translation>
    </message>
    <message>
        <source>Totalintensität</source>
        <translation>Total field</translation>
    </message>
    <message>
        <source>Inklination des Magnetfelds</source>
        <translation>Magnetic dip</translation>
    </message>
    <message>
        <source>Deklination</source>
        <translation>Declination</translation>
    </message>
    <message>
        <source>Meridiankonvergenz</source>
        <translation>Grid convergence</translation>
    </message>
    <message>
        <source>Rechtswert</source>
        <translation>Easting</translation>
    </message>
    <message>
        <source>Hochwert</source>
        <translation>Northing</translation>
    </message>
    <message>
        <source>Höhe des Bezugspunkts</source>
        <translation>Elevation of the depth reference</translation>
    </message>
    <message>
        <source>Azimut des Vertikalschnitts</source>
        <translation>Vertical section azimuth</translation>
    </message>
    <message>
        <source>Der Ansatzpunkt braucht Rechtswert und Hochwert.</source>
        <translation>The wellhead needs both easting and northing.</translation>
    </message>
    <message>
        <source>EPSG-Code: &quot;%s&quot; ist kein gültiger Code (z. B. 25832 oder EPSG:25832).</source>
        <translation>EPSG code: &quot;%s&quot; is not a valid code (e.g. 25832 or EPSG:25832).</translation>
    </message>
    <message>
        <source>EPSG-Code: %1</source>
        <translation>EPSG code: %1</translation>
    </message>
    <message>
        <source>Geographische Breite</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Schwerebeschleunigung</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>Ellipse (Vielfaches von σ)</source>
        <translation>Ellipse (multiple of σ)</translation>
    </message>
    <message>
        <source>%1: das Fehlermodell braucht sie auch für Azimute, die auf geographisch Nord oder Gitternord bezogen sind.</source>
        <translation>%1: the error model needs it also for azimuths referenced to true north or grid north.</translation>
    </message>
    <message>
        <source>%1: das Fehlermodell braucht sie für Gitterazimute, wenn der Ansatzpunkt nicht mit Koordinatenbezugssystem angegeben ist.</source>
        <translation>%1: the error model needs it for grid azimuths when the wellhead is not given with a coordinate reference system.</translation>
    </message>
    <message>
        <source>%1: das Fehlermodell braucht einen Wert.</source>
        <translation>%1: the error model needs a value.</translation>
    </message>
</context>
<context>
    <name>WitsmlDatei</name>
    <message>
        <source>Zeile %d: der Messpunkt hat kein &lt;%s&gt;.</source>
        <translation>Line %d: the survey station has no &lt;%s&gt;.</translation>
    </message>
    <message>
        <source>Zeile %d: „%s“ in &lt;%s&gt; ist keine Zahl.</source>
        <translation>Line %d: &quot;%s&quot; in &lt;%s&gt; is not a number.</translation>
    </message>
    <message>
        <source>Zeile %d: &lt;%s&gt; ohne Einheit (uom).</source>
        <translation>Line %d: &lt;%s&gt; without a unit (uom).</translation>
    </message>
    <message>
        <source>Zeile %d: die Einheit „%s“ von &lt;%s&gt; wird nicht gelesen (m, ft oder ftUS).</source>
        <translation>Line %d: the unit &quot;%s&quot; of &lt;%s&gt; is not read (m, ft or ftUS).</translation>
    </message>
    <message>
        <source>Zeile %d: die Einheit „%s“ von &lt;%s&gt; wird nicht gelesen (dega oder rad).</source>
        <translation>Line %d: the unit &quot;%s&quot; of &lt;%s&gt; is not read (dega or rad).</translation>
    </message>
    <message>
        <source>Zeile %d: „%s“ in &lt;%s&gt; ist zu groß.</source>
        <translation>Line %d: &quot;%s&quot; in &lt;%s&gt; is too large.</translation>
    </message>
    <message>
        <source>ein End-Tag passt nicht zu seinem Start-Tag</source>
        <translation>an end tag does not match its start tag</translation>
    </message>
    <message>
        <source>ein Start-Tag ist fehlerhaft</source>
        <translation>a start tag is malformed</translation>
    </message>
    <message>
        <source>ein End-Tag ist fehlerhaft</source>
        <translation>an end tag is malformed</translation>
    </message>
    <message>
        <source>ein Attribut ist fehlerhaft</source>
        <translation>an attribute is malformed</translation>
    </message>
    <message>
        <source>ein Kommentar ist fehlerhaft</source>
        <translation>a comment is malformed</translation>
    </message>
    <message>
        <source>ein CDATA-Abschnitt ist fehlerhaft</source>
        <translation>a CDATA section is malformed</translation>
    </message>
    <message>
        <source>eine Verarbeitungsanweisung ist fehlerhaft</source>
        <translation>a processing instruction is malformed</translation>
    </message>
    <message>
        <source>die Dokumenttypdefinition ist fehlerhaft</source>
        <translation>the document type definition is malformed</translation>
    </message>
    <message>
        <source>ein Text ist fehlerhaft</source>
        <translation>a text is malformed</translation>
    </message>
    <message>
        <source>es gibt kein Element</source>
        <translation>there is no element</translation>
    </message>
    <message>
        <source>der Speicher reicht nicht</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>das Dokument ist fehlerhaft</source>
        <translation>the document is malformed</translation>
    </message>
    <message>
        <source>Die WITSML-Datei ist größer als %zu MB und wird nicht gelesen.</source>
        <translation>The WITSML file is larger than %zu MB and is not read.</translation>
    </message>
    <message>
        <source>Zeile %d: kein gültiges XML (%s).</source>
        <translation>Line %d: not valid XML (%s).</translation>
    </message>
    <message>
        <source>Zeile %d: die Datei enthält eine Dokumenttypdefinition (&lt;!DOCTYPE&gt;); WITSML braucht keine, und sie wird nicht gelesen.</source>
        <translation>Line %d: the file holds a document type definition (&lt;!DOCTYPE&gt;); WITSML needs none, and it is not read.</translation>
    </message>
    <message>
        <source>Die XML-Elemente sind tiefer als %d Ebenen verschachtelt; das ist kein WITSML-Bohrpfad.</source>
        <translation>The XML elements are nested deeper than %d levels; this is not a WITSML trajectory.</translation>
    </message>
    <message>
        <source>Keine WITSML-Trajektorie: das Dokument beginnt mit &lt;%s&gt; statt &lt;trajectorys&gt; oder &lt;Trajectory&gt;.</source>
        <translation>Not a WITSML trajectory: the document begins with &lt;%s&gt; instead of &lt;trajectorys&gt; or &lt;Trajectory&gt;.</translation>
    </message>
    <message>
        <source>Die WITSML-Datei enthält keine Trajektorie.</source>
        <translation>The WITSML file holds no trajectory.</translation>
    </message>
    <message>
        <source>Trajektorie %zu</source>
        <translation>Trajectory %zu</translation>
    </message>
    <message>
        <source>Die WITSML-Datei hat keine Trajektorie „%s“; sie hat %s.</source>
        <translation>The WITSML file has no trajectory &quot;%s&quot;; it has %s.</translation>
    </message>
    <message>
        <source>Die Trajektorie „%s“ hat keine Messpunkte (&lt;trajectoryStation&gt;).</source>
        <translation>The trajectory &quot;%s&quot; has no survey stations (&lt;trajectoryStation&gt;).</translation>
    </message>
</context>
</TS>
