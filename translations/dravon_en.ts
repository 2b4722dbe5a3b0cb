<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Rechtswert und Hochwert fehlen in der Datei. Die Lage der Bohrung wird unter Bearbeiten &gt; Bohrung … angegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bild speichern …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schreibt die angezeigte Grafik oder 3D-Ansicht als Bild (PNG, SVG oder PDF)
Bild speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nachbarbohrungen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachbarbohrungen, mit denen der Abstand und der Trennfaktor nach ISCWSA verglichen werden
Nachbarbohrungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D	F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt die Bohrung räumlich: mit der linken Maustaste drehen, mit der mittleren verschieben, mit dem Rad vergrößern
3D-Ansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsicherheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand	F7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt Abstand und Trennfaktor der Nachbarbohrungen über der Teufe
Abstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zylinder	F8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt die Nachbarbohrungen im mitlaufenden Zylinder: Abstand und Winkel von der Hochseite
Zylinder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichnet die Fehlerellipsen der Messpunkte in der Draufsicht, ein Band um den Verlauf in der Seitenansicht und im Vertikalschnitt und einen Schlauch in der 3D-Ansicht
Unsicherheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Die Bohrung hat kein Fehlermodell (Bearbeiten &gt; Bohrung …).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Dem Fehlermodell fehlt die Totalintensität des Erdmagnetfelds (Bearbeiten &gt; Bohrung …).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Dem Fehlermodell fehlt die Inklination des Erdmagnetfelds (Bearbeiten &gt; Bohrung …).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Dem Fehlermodell fehlt die Deklination, denn die Azimute sind nicht auf magnetisch Nord bezogen (Bearbeiten &gt; Bohrung …).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Dem Fehlermodell fehlt die Meridiankonvergenz, denn die Azimute sind auf Gitter-Nord bezogen (Bearbeiten &gt; Bohrung …).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachbarbohrungen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cylinder</name>
    <message>
        <source>%1 – kleinster Abstand %2 m in %3 m Teufe, %4°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitlaufender Zylinder: Abstand (m) und Winkel von der Hochseite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Punkte der Nachbarbohrungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0° Hochseite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgInput</name>
    <message>
        <source>Beschreibungszeile hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beschreibungszeile ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beschreibungszeile löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll diese Beschreibungszeile wirklich gelöscht werden?
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.tsv *.txt *.xlsx *.xls *.las *.xml);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgOffsets</name>
    <message>
        <source>Nachbarbohrungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansatzpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höhe (m NN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bohrloch (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlermodell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seitenast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messpunkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hinzufügen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messdateien im &amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nord und Ost vom Ansatzpunkt der Bohrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechts- und Hochwert (System der Bohrung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 500100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 5700000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wie die Bohrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 0,6096 (24 Zoll)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keines (nur Abstände)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vom Ansatzpunkt der Bohrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 9,80665</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 50000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 72</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teufe, an der er abzweigt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 0,9144 (36 Zoll)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3,5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewählte Nachbarbohrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansatzpunkt als:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nord (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ost (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechtswert (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hochwert (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höhe des Teufenbezugspunkts (m NN):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bohrlochdurchmesser (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seitenast von:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abzweigteufe (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlermodell der Nachbarbohrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlermodell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geographische Breite (°):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwerebeschleunigung (m/s²):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totalintensität (nT):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inklination des Magnetfelds (°):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deklination und Nordrichtung der Azimute sind die der Bohrung (Bearbeiten → Bohrung …).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regel (ISCWSA-Trennfaktor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bohrlochdurchmesser der Bohrung (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherheitsabstand Sm (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsicherheit voraus σpa (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faktor k:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meldung unter Trennfaktor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachbarbohrung hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bohrungen (*.dvn *.csv *.tsv *.txt *.xlsx *.xls *.las *.xml *.weg *.atk);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Mutterbohrung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R %1 / H %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N %1 / O %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von %1 ab %2 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>— (eigenes Bohrloch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (die Bohrung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch keine Nachbarbohrung: &quot;Hinzufügen …&quot; liest eine aus einem Dokument, einer Tabelle oder einer Messdatei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Die Nachbarbohrung wird nicht übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bitte den Ansatzpunkt der neuen Nachbarbohrung angeben: Nord und Ost vom Ansatzpunkt der Bohrung, oder Rechts- und Hochwert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist die Mutterbohrung von %2: zuerst den Seitenast entfernen oder einer anderen Bohrung zuordnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Nachbarbohrungen sind zu groß für ein Dokument (ihre Messpunkte brauchen mehr als 16 MiB).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgWell</name>
    <message>
        <source>z. B. 9,80665</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 50000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 72</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z. B. 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vom Ansatzpunkt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannt (für MWD nicht nötig)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISCWSA MWD Rev. 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISCWSA MWD Rev. 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° (automatisch: Richtung der Endabweichung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuß (ft), Abknickung je 100 ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter (m), Abknickung je 30 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionsunsicherheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlermodell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geographische Breite (°):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwerebeschleunigung (m/s²):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totalintensität (nT):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inklination des Magnetfelds (°):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellipse (Vielfaches von σ):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimut des Vertikalschnitts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einheit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im Dokument gespeichert; geändert unter Ansicht → Einstellungen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmeinstellung; geändert unter Ansicht → Einstellungen …</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphPage</name>
    <message>
        <source>Nachbarbohrungen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageSizeDlg</name>
    <message>
        <source>Bildgröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Breite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Höhe:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ladder</name>
    <message>
        <source>%1 – kleinster Trennfaktor %2 in %3 m Teufe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – kleinster Abstand %2 m in %3 m Teufe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand und Trennfaktor der Nachbarbohrungen über der Teufe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand der Nachbarbohrungen über der Teufe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teufe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trennfaktor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OffsetPage</name>
    <message>
        <source>Keine Nachbarbohrungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachbarbohrungen werden unter Bearbeiten &gt; Nachbarbohrungen … eingegeben.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PathInterpolationDlg</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlotUncertainty</name>
    <message>
        <source>Unsicherheit: %1, %2 Sigma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Bild speichern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableImportDialog</name>
    <message>
        <source>Trajektorie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen %1 bis %2 nach der Tabelle nicht gelesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1 nach der Tabelle nicht gelesen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>View3d</name>
    <message>
        <source>3D-Ansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von Norden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt die Bohrung von Norden (Taste N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von Osten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt die Bohrung von Osten (Taste O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von oben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt die Bohrung von oben, Norden oben (Taste D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgangsansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt die ganze Bohrung aus der Ausgangsrichtung (Taste Pos1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Teufe %2 m, Seigerteufe %3 m, Nord %4 m, Ost %5 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blick aus Azimut %1°, %2° über dem Horizont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blick aus Azimut %1°, %2° unter dem Horizont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D-Ansicht: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dokument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maßstab 1:%1 für Längen parallel zur Bildebene (Parallelprojektion)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>view3d</name>
    <message>
        <source>Die 3D-Ansicht kann nur als PNG, SVG oder PDF gespeichert werden (Dateiendung .png, .svg oder .pdf):
%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die 3D-Ansicht kann nicht gezeichnet werden: Schriften brauchen eine grafische Anwendung (QGuiApplication).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild braucht eine Breite und eine Höhe von mindestens einem Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Berechtigung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Platz auf dem Datenträger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner fehlt oder ist nicht beschreibbar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Schreiben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht geschrieben werden:
%s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
