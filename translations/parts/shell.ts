<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CDravonApp</name>
    <message>
        <source>Die Datei %1 gibt es nicht.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Es ist kein Standarddrucker eingerichtet.</source>
        <translation>No default printer is set up.</translation>
    </message>
    <message>
        <source>Der Druck konnte nicht begonnen werden.</source>
        <translation>Printing could not be started.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Rechtswert und Hochwert fehlen in der Datei. Die Lage der Bohrung wird unter Bearbeiten &gt; Bohrung … angegeben.</source>
        <translation>Easting and northing are missing from the file. The location of the well is given under Edit &gt; Well ….</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Strg</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Umschalt</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Erstellt ein neues Dokument.</source>
        <translation>Creates a new document.</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Öffnet ein bestehendes Dokument.</source>
        <translation>Opens an existing document.</translation>
    </message>
    <message>
        <source>S&amp;peichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichert das aktive Dokument.</source>
        <translation>Saves the active document.</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Speichert das aktive Dokument unter neuem Namen.</source>
        <translation>Saves the active document under a new name.</translation>
    </message>
    <message>
        <source>Tabelle &amp;importieren …</source>
        <translation>&amp;Import Table …</translation>
    </message>
    <message>
        <source>Liest Messwerte aus einer CSV- oder Excel-Datei in den Eingabedialog.</source>
        <translation>Reads survey readings from a CSV or Excel file into the input dialog.</translation>
    </message>
    <message>
        <source>E&amp;xportieren …</source>
        <translation>&amp;Export …</translation>
    </message>
    <message>
        <source>Schreibt die berechneten Messpunkte als CSV- oder Excel-Datei.</source>
        <translation>Writes the computed survey stations as a CSV or Excel file.</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Kopiert die berechneten Messpunkte als Tabelle in die Zwischenablage.</source>
        <translation>Copies the computed survey stations as a table to the clipboard.</translation>
    </message>
    <message>
        <source>&amp;Karte exportieren (GeoJSON) …</source>
        <translation>Export &amp;Map (GeoJSON) …</translation>
    </message>
    <message>
        <source>Schreibt den Verlauf der Bohrung in WGS 84 als GeoJSON-Datei für Kartenprogramme</source>
        <translation>Writes the course of the well in WGS 84 as a GeoJSON file for map programs</translation>
    </message>
    <message>
        <source>Karte exportieren</source>
        <translation>Export Map</translation>
    </message>
    <message>
        <source>&amp;Bild speichern …</source>
        <translation>Save Ima&amp;ge …</translation>
    </message>
    <message>
        <source>Schreibt die angezeigte Grafik oder 3D-Ansicht als Bild (PNG, SVG oder PDF)</source>
        <translation>Writes the graph or 3D view shown as an image (PNG, SVG or PDF)</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Druckt das aktive Dokument.</source>
        <translation>Prints the active document.</translation>
    </message>
    <message>
        <source>Sei&amp;tenansicht</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Zeigt ganze Seiten an.</source>
        <translation>Shows whole pages.</translation>
    </message>
    <message>
        <source>Drucker&amp;einrichtung...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Ändert den Drucker und die Druckoptionen.</source>
        <translation>Changes the printer and the printing options.</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.</source>
        <translation>Quits the application; asks whether documents should be saved.</translation>
    </message>
    <message>
        <source>Daten ändern</source>
        <translation>Edit Data</translation>
    </message>
    <message>
        <source>Eingabedatei aufbauen bzw. ändern</source>
        <translation>Builds or changes the survey input</translation>
    </message>
    <message>
        <source>&amp;Bohrung …</source>
        <translation>&amp;Well …</translation>
    </message>
    <message>
        <source>Ansatzpunkt, Koordinatenbezugssystem und Nordrichtung der Bohrung</source>
        <translation>Wellhead, coordinate reference system and north reference of the well</translation>
    </message>
    <message>
        <source>&amp;Nachbarbohrungen …</source>
        <translation>&amp;Offset Wells …</translation>
    </message>
    <message>
        <source>Nachbarbohrungen, mit denen der Abstand und der Trennfaktor nach ISCWSA verglichen werden</source>
        <translation>Offset wells against which the clearance and the ISCWSA separation factor are checked</translation>
    </message>
    <message>
        <source>Interpolation</source>
        <translation>Interpolate</translation>
    </message>
    <message>
        <source>Interpoliert bei vorgegebener Teufe</source>
        <translation>Interpolates at a given measured depth</translation>
    </message>
    <message>
        <source>Interpolation entlang der Bahn …</source>
        <translation>Interpolate Along the Path …</translation>
    </message>
    <message>
        <source>Punkte auf der Bahn bei Teufe oder Seigerteufe und Listen in Teufenschritten</source>
        <translation>Points on the path at an MD or TVD, and listings in MD steps</translation>
    </message>
    <message>
        <source>Ergebnisse ausgeben</source>
        <translation>Write Results</translation>
    </message>
    <message>
        <source>Ergebnisse in die Datei AUS.TXT ausgeben</source>
        <translation>Writes the results into the file AUS.TXT</translation>
    </message>
    <message>
        <source>Ergebnisse einlesen</source>
        <translation>Read Results</translation>
    </message>
    <message>
        <source>ERgebnisse der Datei AUS.TXT einlesen</source>
        <translation>Reads the results from the file AUS.TXT</translation>
    </message>
    <message>
        <source>&amp;Symbolleiste</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Blendet die Symbolleiste ein oder aus.</source>
        <translation>Shows or hides the toolbar.</translation>
    </message>
    <message>
        <source>Symbolleiste ein-/ausschalten</source>
        <translation>Toggle toolbar</translation>
    </message>
    <message>
        <source>S&amp;tatusleiste</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Blendet die Statusleiste ein oder aus.</source>
        <translation>Shows or hides the status bar.</translation>
    </message>
    <message>
        <source>Statusleiste ein-/ausschalten</source>
        <translation>Toggle status bar</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Zeigt die Ergebnisse als Grafik an</source>
        <translation>Shows the results as a graph</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Zeigt die Ergebnisse als Tabelle an</source>
        <translation>Shows the results as a table</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D View</translation>
    </message>
    <message>
        <source>Zeigt die Bohrung räumlich: mit der linken Maustaste drehen, mit der mittleren verschieben, mit dem Rad vergrößern</source>
        <translation>Shows the well in 3D: turn with the left mouse button, move with the middle one, zoom with the wheel</translation>
    </message>
    <message>
        <source>3D-Ansicht</source>
        <translation>3D view</translation>
    </message>
    <message>
        <source>Grafik Lupe an</source>
        <translation>Zoom Graph</translation>
    </message>
    <message>
        <source>Grafik Lupe</source>
        <translation>Graph zoom</translation>
    </message>
    <message>
        <source>Maßstabsgetreu</source>
        <translation>True Scale</translation>
    </message>
    <message>
        <source>Zeichnet die Seitenansicht ohne Überhöhung, waagerecht und senkrecht im gleichen Maßstab</source>
        <translation>Draws the side view without exaggeration, at the same scale horizontally and vertically</translation>
    </message>
    <message>
        <source>Unsicherheit</source>
        <translation>Uncertainty</translation>
    </message>
    <message>
        <source>Vertikalschnitt</source>
        <translation>Vertical Section</translation>
    </message>
    <message>
        <source>Zeigt die Seigerteufe über dem Vertikalschnitt entlang des Schnittazimuts</source>
        <translation>Shows the TVD over the vertical section along the section azimuth</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Clearance</translation>
    </message>
    <message>
        <source>Zeigt Abstand und Trennfaktor der Nachbarbohrungen über der Teufe</source>
        <translation>Shows the clearance and separation factor of the offset wells over the measured depth</translation>
    </message>
    <message>
        <source>Zylinder</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>Zeigt die Nachbarbohrungen im mitlaufenden Zylinder: Abstand und Winkel von der Hochseite</source>
        <translation>Shows the offset wells in the travelling cylinder: distance and angle from the high side</translation>
    </message>
    <message>
        <source>Einstellungen …</source>
        <translation>Settings …</translation>
    </message>
    <message>
        <source>Azimut des Vertikalschnitts und Einheit der Listen</source>
        <translation>Azimuth of the vertical section and unit of the listings</translation>
    </message>
    <message>
        <source>Inf&amp;o über dravon...</source>
        <translation>&amp;About dravon...</translation>
    </message>
    <message>
        <source>Zeigt Programminformationen, Versionsnummer und Copyright an.</source>
        <translation>Shows program information, version number and copyright.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Zeigt die Online Hilfe an</source>
        <translation>Shows the online help</translation>
    </message>
    <message>
        <source>Öffnet dieses Dokument.</source>
        <translation>Opens this document.</translation>
    </message>
    <message>
        <source>Letzte Datei</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Zeichnet die Fehlerellipsen der Messpunkte in der Draufsicht, ein Band um den Verlauf in der Seitenansicht und im Vertikalschnitt und einen Schlauch in der 3D-Ansicht</source>
        <translation>Draws the error ellipses of the survey stations in the top view, a band around the course in the side view and the vertical section, and a tube in the 3D view</translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Die Bohrung hat kein Fehlermodell (Bearbeiten &gt; Bohrung …).</source>
        <translation>No uncertainty: the well has no error model (Edit &gt; Well …).</translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Dem Fehlermodell fehlt die Totalintensität des Erdmagnetfelds (Bearbeiten &gt; Bohrung …).</source>
        <translation>No uncertainty: the error model lacks the total field strength of the earth&apos;s magnetic field (Edit &gt; Well …).</translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Dem Fehlermodell fehlt die Inklination des Erdmagnetfelds (Bearbeiten &gt; Bohrung …).</source>
        <translation>No uncertainty: the error model lacks the dip of the earth&apos;s magnetic field (Edit &gt; Well …).</translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Dem Fehlermodell fehlt die Deklination, denn die Azimute sind nicht auf magnetisch Nord bezogen (Bearbeiten &gt; Bohrung …).</source>
        <translation>No uncertainty: the error model lacks the declination, because the azimuths are not referred to magnetic north (Edit &gt; Well …).</translation>
    </message>
    <message>
        <source>Keine Unsicherheit: Dem Fehlermodell fehlt die Meridiankonvergenz, denn die Azimute sind auf Gitter-Nord bezogen (Bearbeiten &gt; Bohrung …).</source>
        <translation>No uncertainty: the error model lacks the grid convergence, because the azimuths are referred to grid north (Edit &gt; Well …).</translation>
    </message>
    <message>
        <source>Symbolleiste</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Kontextmenü</source>
        <translation>Context menu</translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Onlinehilfe nicht gefunden!</source>
        <translation>Online help not found!</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Nachbarbohrungen</source>
        <translation>Offset wells</translation>
    </message>
    <message>
        <source>Die Lage der Bohrung wird unter Bearbeiten &gt; Bohrung … angegeben.</source>
        <translation>The location of the well is given under Edit &gt; Well ….</translation>
    </message>
    <message>
        <source>Karte exportieren (GeoJSON)</source>
        <translation>Export Map (GeoJSON)</translation>
    </message>
    <message>
        <source>GeoJSON (*.geojson)</source>
        <translation>GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Die Karte %1 kann nicht geschrieben werden.</source>
        <translation>The map %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 erwartet genau eine Dokumentdatei.</source>
        <translation>%1 expects exactly one document file.</translation>
    </message>
    <message>
        <source>--print-to-pdf erwartet eine Dokumentdatei und eine PDF-Datei.</source>
        <translation>--print-to-pdf expects a document file and a PDF file.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Es kann nur eine Dokumentdatei geöffnet werden.</source>
        <translation>Only one document file can be opened.</translation>
    </message>
    <message>
        <source>Aufruf: dravon [--lang de|en] [DATEI.dvn]
       dravon -p DATEI.dvn | --print DATEI.dvn
       dravon --print-to-pdf DATEI.dvn AUSGABE.pdf
</source>
        <translation>Usage: dravon [--lang de|en] [FILE.dvn]
       dravon -p FILE.dvn | --print FILE.dvn
       dravon --print-to-pdf FILE.dvn OUTPUT.pdf
</translation>
    </message>
    <message>
        <source>Berechnet den Verlauf einer Bohrung nach dem Schmiegungskreisverfahren.
</source>
        <translation>Computes the course of a borehole by the minimum-curvature method.
</translation>
    </message>
    <message>
        <source>  DATEI.dvn            öffnet das Dokument; der Dialog &quot;Daten ändern&quot; erscheint
                       sofort mit den geladenen Messwerten.
</source>
        <translation>  FILE.dvn             opens the document; the dialog &quot;Edit Data&quot; appears at once
                       with the loaded survey readings.
</translation>
    </message>
    <message>
        <source>  -p, --print DATEI    druckt die Ergebnistabelle des Dokuments auf dem
                       Standarddrucker und beendet das Programm.
</source>
        <translation>  -p, --print FILE     prints the results table of the document on the default
                       printer and exits.
</translation>
    </message>
    <message>
        <source>  --print-to-pdf DATEI AUSGABE
                       druckt die Ergebnistabelle in eine PDF-Datei (A4 hoch)
                       und beendet das Programm; braucht keine Anzeige.
</source>
        <translation>  --print-to-pdf FILE OUTPUT
                       prints the results table into a PDF file (A4 portrait)
                       and exits; needs no display.
</translation>
    </message>
    <message>
        <source>  --lang de|en         die Sprache des Programms: deutsch oder englisch; ohne
                       die Angabe gilt die gewählte Sprache, sonst die des
                       Desktops.
</source>
        <translation>  --lang de|en         the language of the program: German or English; without
                       it the language chosen before holds, else the
                       desktop&apos;s.
</translation>
    </message>
    <message>
        <source>  -h, --help           zeigt diesen Text.
</source>
        <translation>  -h, --help           shows this text.
</translation>
    </message>
    <message>
        <source>Beim Drucken von der Befehlszeile erscheint kein Dialog: die Messwerte des
Dokuments werden unverändert übernommen und berechnet, Meldungen gehen auf die
Standardfehlerausgabe.
</source>
        <translation>Printing from the command line shows no dialog: the document&apos;s survey readings
are taken and computed as they are, and messages go to standard error.
</translation>
    </message>
    <message>
        <source>Umgebung: DRAVON_NO_REGISTER verhindert, dass der Dateityp .dvn beim Start für
den Benutzer eingetragen wird.
</source>
        <translation>Environment: DRAVON_NO_REGISTER keeps the program from registering the .dvn file
type for the user at start-up.
</translation>
    </message>
</context>
<context>
    <name>Cylinder</name>
    <message>
        <source>%1 – kleinster Abstand %2 m in %3 m Teufe, %4°</source>
        <translation>%1 – closest distance %2 m at %3 m MD, %4°</translation>
    </message>
    <message>
        <source>Mitlaufender Zylinder: Abstand (m) und Winkel von der Hochseite</source>
        <translation>Travelling cylinder: distance (m) and angle from the high side</translation>
    </message>
    <message>
        <source>Keine Punkte der Nachbarbohrungen</source>
        <translation>No points of the offset wells</translation>
    </message>
    <message>
        <source>0° Hochseite</source>
        <translation>0° high side</translation>
    </message>
</context>
<context>
    <name>GraphPage</name>
    <message>
        <source>Horizontal %1-fach überhöht</source>
        <translation>Horizontal exaggeration %1×</translation>
    </message>
    <message>
        <source>Vertikal %1-fach überhöht</source>
        <translation>Vertical exaggeration %1×</translation>
    </message>
    <message>
        <source>Nachbarbohrungen</source>
        <translation>Offset wells</translation>
    </message>
    <message>
        <source>Abweichung (m) und Azimut (Grad)</source>
        <translation>Displacement (m) and azimuth (degrees)</translation>
    </message>
    <message>
        <source>Azimut (Grad)</source>
        <translation>Azimuth (°)</translation>
    </message>
    <message>
        <source>Seigerteufe  </source>
        <translation>TVD  </translation>
    </message>
    <message>
        <source>Abweichung (m)</source>
        <translation>Displacement (m)</translation>
    </message>
    <message>
        <source>Seigerteufe</source>
        <translation>TVD</translation>
    </message>
    <message>
        <source>  Azimut   </source>
        <translation>  Azimuth   </translation>
    </message>
    <message>
        <source>Bohrlochsverlauf (m)</source>
        <translation>Well path (m)</translation>
    </message>
    <message>
        <source>NORD(+)</source>
        <translation>NORTH(+)</translation>
    </message>
    <message>
        <source>SÜD(-)</source>
        <translation>SOUTH(-)</translation>
    </message>
    <message>
        <source>OST(+) WEST(-)</source>
        <translation>EAST(+) WEST(-)</translation>
    </message>
    <message>
        <source>Bohrlochsverlauf</source>
        <translation>Well path</translation>
    </message>
    <message>
        <source>Berechnet bis %1 m</source>
        <translation>Computed to %1 m</translation>
    </message>
    <message>
        <source>Berechnet bis %1 m (von %2 m)</source>
        <translation>Computed to %1 m (of %2 m)</translation>
    </message>
    <message>
        <source>Dokument %1</source>
        <translation>Document %1</translation>
    </message>
    <message>
        <source>Vertikalschnitt Azimut %1°</source>
        <translation>Vertical section azimuth %1°</translation>
    </message>
    <message>
        <source>Vertikalschnitt (%1)</source>
        <translation>Vertical section (%1)</translation>
    </message>
    <message>
        <source>Ansatz</source>
        <translation>Wellhead</translation>
    </message>
    <message>
        <source>Endpunkt</source>
        <translation>End point</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>dravon – Hilfe</source>
        <translation>dravon – Help</translation>
    </message>
    <message>
        <source>◀ Zurück</source>
        <translation>◀ Back</translation>
    </message>
    <message>
        <source>Zurück (Alt+Links)</source>
        <translation>Back (Alt+Left)</translation>
    </message>
    <message>
        <source>Vor ▶</source>
        <translation>Forward ▶</translation>
    </message>
    <message>
        <source>Vor (Alt+Rechts)</source>
        <translation>Forward (Alt+Right)</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Zum Anfang der Hilfe</source>
        <translation>To the top of the help</translation>
    </message>
    <message>
        <source>Suchen (Strg+F)</source>
        <translation>Search (Ctrl+F)</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Nächste Stelle (F3)</source>
        <translation>Next match (F3)</translation>
    </message>
    <message>
        <source>Zurück suchen</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Vorige Stelle (Umschalt+F3)</source>
        <translation>Previous match (Shift+F3)</translation>
    </message>
    <message>
        <source>Suchen:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>„%1“ nicht gefunden</source>
        <translation>“%1” not found</translation>
    </message>
</context>
<context>
    <name>Ladder</name>
    <message>
        <source>%1 – kleinster Trennfaktor %2 in %3 m Teufe</source>
        <translation>%1 – smallest separation factor %2 at %3 m MD</translation>
    </message>
    <message>
        <source>%1 – kleinster Abstand %2 m in %3 m Teufe</source>
        <translation>%1 – closest distance %2 m at %3 m MD</translation>
    </message>
    <message>
        <source>Abstand und Trennfaktor der Nachbarbohrungen über der Teufe</source>
        <translation>Clearance and separation factor of offset wells over MD</translation>
    </message>
    <message>
        <source>Abstand der Nachbarbohrungen über der Teufe</source>
        <translation>Clearance of offset wells over MD</translation>
    </message>
    <message>
        <source>Teufe</source>
        <translation>MD</translation>
    </message>
    <message>
        <source>Abstand (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <source>Trennfaktor</source>
        <translation>Separation factor</translation>
    </message>
</context>
<context>
    <name>OffsetPage</name>
    <message>
        <source>Keine Nachbarbohrungen</source>
        <translation>No offset wells</translation>
    </message>
    <message>
        <source>Nachbarbohrungen werden unter Bearbeiten &gt; Nachbarbohrungen … eingegeben.</source>
        <translation>Offset wells are entered under Edit &gt; Offset Wells ….</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>Die Grafik kann nur als PNG, SVG oder PDF gespeichert werden (Dateiendung .png, .svg oder .pdf):
%s</source>
        <translation>The graph can only be saved as PNG, SVG or PDF (file extension .png, .svg or .pdf):
%s</translation>
    </message>
    <message>
        <source>Die Grafik kann nicht gezeichnet werden: Schriften brauchen eine grafische Anwendung (QGuiApplication).</source>
        <translation>The graph cannot be drawn: fonts need a graphical application (QGuiApplication).</translation>
    </message>
    <message>
        <source>Keine Berechtigung.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>Kein Platz auf dem Datenträger.</source>
        <translation>No space left on the device.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt oder ist nicht beschreibbar.</source>
        <translation>The folder is missing or not writable.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben.</source>
        <translation>Write error.</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht geschrieben werden:
%s</source>
        <translation>The file %s cannot be written:
%s</translation>
    </message>
</context>
<context>
    <name>PlotUncertainty</name>
    <message>
        <source>Unsicherheit: %1, %2 Sigma</source>
        <translation>Uncertainty: %1, %2 sigma</translation>
    </message>
</context>
<context>
    <name>QtFrameUi</name>
    <message>
        <source>Dateityp Drav (*.dvn)</source>
        <translation>Drav file type (*.dvn)</translation>
    </message>
    <message>
        <source>Änderungen in %1 speichern?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
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
        <source>Speichern unter</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Druckereinrichtung</source>
        <translation>Print Setup</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Dokument:%1</source>
        <translation>Document:%1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>View3d</name>
    <message>
        <source>3D-Ansicht</source>
        <translation>3D view</translation>
    </message>
    <message>
        <source>Von Norden</source>
        <translation>From North</translation>
    </message>
    <message>
        <source>Zeigt die Bohrung von Norden (Taste N)</source>
        <translation>Shows the well from the north (key N)</translation>
    </message>
    <message>
        <source>Von Osten</source>
        <translation>From East</translation>
    </message>
    <message>
        <source>Zeigt die Bohrung von Osten (Taste O)</source>
        <translation>Shows the well from the east (key O)</translation>
    </message>
    <message>
        <source>Von oben</source>
        <translation>From Above</translation>
    </message>
    <message>
        <source>Zeigt die Bohrung von oben, Norden oben (Taste D)</source>
        <translation>Shows the well from above, north at the top (key D)</translation>
    </message>
    <message>
        <source>Ausgangsansicht</source>
        <translation>Initial View</translation>
    </message>
    <message>
        <source>Zeigt die ganze Bohrung aus der Ausgangsrichtung (Taste Pos1)</source>
        <translation>Shows the whole well from the initial direction (key Home)</translation>
    </message>
    <message>
        <source>%1: Teufe %2 m, Seigerteufe %3 m, Nord %4 m, Ost %5 m</source>
        <translation>%1: MD %2 m, TVD %3 m, north %4 m, east %5 m</translation>
    </message>
    <message>
        <source>Die 3D-Ansicht kann nur als PNG, SVG oder PDF gespeichert werden (Dateiendung .png, .svg oder .pdf):
%s</source>
        <translation>The 3D view can only be saved as PNG, SVG or PDF (file extension .png, .svg or .pdf):
%s</translation>
    </message>
    <message>
        <source>Die 3D-Ansicht kann nicht gezeichnet werden: Schriften brauchen eine grafische Anwendung (QGuiApplication).</source>
        <translation>The 3D view cannot be drawn: fonts need a graphical application (QGuiApplication).</translation>
    </message>
    <message>
        <source>Das Bild braucht eine Breite und eine Höhe von mindestens einem Pixel.</source>
        <translation>The image needs a width and a height of at least one pixel.</translation>
    </message>
    <message>
        <source>Keine Berechtigung.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>Kein Platz auf dem Datenträger.</source>
        <translation>No space left on the device.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt oder ist nicht beschreibbar.</source>
        <translation>The folder is missing or not writable.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben.</source>
        <translation>Write error.</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht geschrieben werden:
%s</source>
        <translation>The file %s cannot be written:
%s</translation>
    </message>
    <message>
        <source>Blick aus Azimut %1°, %2° über dem Horizont</source>
        <translation>Looking from azimuth %1°, %2° above the horizon</translation>
    </message>
    <message>
        <source>Blick aus Azimut %1°, %2° unter dem Horizont</source>
        <translation>Looking from azimuth %1°, %2° below the horizon</translation>
    </message>
    <message>
        <source>3D-Ansicht: %1</source>
        <translation>3D view: %1</translation>
    </message>
    <message>
        <source>Dokument %1</source>
        <translation>Document %1</translation>
    </message>
    <message>
        <source>Maßstab 1:%1 für Längen parallel zur Bildebene (Parallelprojektion)</source>
        <translation>Scale 1:%1 for lengths parallel to the image plane (parallel projection)</translation>
    </message>
</context>
</TS>
