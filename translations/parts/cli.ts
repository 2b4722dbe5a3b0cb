<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Batch</name>
    <message>
        <source>(Standardeingabe)</source>
        <translation>(standard input)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht ganz gelesen.</source>
        <translation>The file was not read completely.</translation>
    </message>
    <message>
        <source>--offset %1: %2 Die Nachbarbohrung wird nicht übernommen.</source>
        <translation>--offset %1: %2 The offset well is not taken over.</translation>
    </message>
    <message>
        <source>Wo liegt ihr Ansatzpunkt? --offset-position N,E oder --offset-wellhead E,N gibt ihn an.</source>
        <translation>Where is its wellhead? --offset-position N,E or --offset-wellhead E,N gives it.</translation>
    </message>
    <message>
        <source>%1 (--offset-name gibt einer Nachbarbohrung einen anderen Namen)</source>
        <translation>%1 (--offset-name gives an offset well another name)</translation>
    </message>
    <message>
        <source>--clearance braucht Nachbarbohrungen (--offset DATEI oder im Dokument gespeicherte).</source>
        <translation>--clearance needs offset wells (--offset FILE or ones stored in the document).</translation>
    </message>
    <message>
        <source>Die Nachbarbohrungen sind zu groß für ein Dokument (ihre Messpunkte brauchen mehr als 16 MiB).</source>
        <translation>The offset wells are too large for a document (their survey stations need more than 16 MiB).</translation>
    </message>
    <message>
        <source>--error-terms braucht ein Fehlermodell (--error-model iscwsa-mwd-rev5 oder iscwsa-mwd-rev4, oder eines im Dokument).</source>
        <translation>--error-terms needs an error model (--error-model iscwsa-mwd-rev5 or iscwsa-mwd-rev4, or one in the document).</translation>
    </message>
    <message>
        <source>Die Liste %1 kann nicht geschrieben werden.</source>
        <translation>The listing %1 cannot be written.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Die Karte %1 kann nicht geschrieben werden.</source>
        <translation>The map %1 cannot be written.</translation>
    </message>
    <message>
        <source>Die Exportdatei %1 kann nicht geschrieben werden.</source>
        <translation>The export file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Die Datei der Fehlerterme %1 kann nicht geschrieben werden.</source>
        <translation>The error terms file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Die Ergebnisdatei %1 kann nicht geschrieben werden.</source>
        <translation>The results file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Weitere Hinweise: dravon-cli --help</source>
        <translation>More information: dravon-cli --help</translation>
    </message>
    <message>
        <source>Das Fehlermodell %1 braucht die Totalintensität des Erdmagnetfelds: --mag-field NT (z.B. 50000).</source>
        <translation>The error model %1 needs the total magnetic field strength: --mag-field NT (e.g. 50000).</translation>
    </message>
    <message>
        <source>Das Fehlermodell %1 braucht die Inklination des Erdmagnetfelds: --mag-dip GRAD (z.B. 72).</source>
        <translation>The error model %1 needs the magnetic dip angle: --mag-dip DEG (e.g. 72).</translation>
    </message>
    <message>
        <source>Das Fehlermodell %1 braucht die Deklination, denn die Azimute sind nicht magnetisch: --declination GRAD mit --north true oder grid (ohne --north gelten die Azimute mit --declination als magnetisch).</source>
        <translation>The error model %1 needs the declination, as the azimuths are not magnetic: --declination DEG with --north true or grid (without --north, azimuths with --declination are taken as magnetic).</translation>
    </message>
    <message>
        <source>Das Fehlermodell %1 braucht die Meridiankonvergenz der Gitterazimute: --grid-convergence GRAD, oder --crs mit --wellhead.</source>
        <translation>The error model %1 needs the grid convergence of the grid azimuths: --grid-convergence DEG, or --crs with --wellhead.</translation>
    </message>
    <message>
        <source>Aufruf: dravon-cli [--format weg|free|atk|csv|xlsx|xls|las|witsml] [--every 1|2|5|10]
                  [--view side|top|section|3d [--camera AZ,ELEV]] [--name TEXT]
                  [--interpolate TEUFE]... [--results-file PFAD] [--plot PFAD]
                  [--true-scale] [--save PFAD.dvn] [--lang de|en]
                  [--listing PFAD.csv [--at-md TEUFE]... [--at-tvd SEIGERTEUFE]...
                  [--every-md SCHRITT] [--section-azimuth GRAD] [--unit m|ft]]
                  [--export PFAD.csv|PFAD.xlsx|PFAD.xml|PFAD.geojson]...
                  [--export-style de] [Unsicherheitsoptionen]
                  [Tabellenoptionen] [Bohrungsoptionen] [Nachbarbohrungen]
                  (--stations DATEI | DATEI)
</source>
        <translation>Usage: dravon-cli [--format weg|free|atk|csv|xlsx|xls|las|witsml]
                  [--every 1|2|5|10] [--name TEXT] [--interpolate MD]...
                  [--view side|top|section|3d [--camera AZ,ELEV]]
                  [--results-file PATH] [--plot PATH] [--true-scale]
                  [--save PATH.dvn] [--lang de|en]
                  [--listing PATH.csv [--at-md MD]... [--at-tvd TVD]...
                  [--every-md STEP] [--section-azimuth DEG] [--unit m|ft]]
                  [--export PATH.csv|PATH.xlsx|PATH.xml|PATH.geojson]...
                  [--export-style de] [uncertainty options]
                  [table options] [well options] [offset wells]
                  (--stations FILE | FILE)
</translation>
    </message>
    <message>
        <source>Berechnet den Bohrlochverlauf nach dem Schmiegungskreisverfahren und schreibt die
Ergebnistabelle auf die Standardausgabe.
</source>
        <translation>Computes the well path by the minimum curvature method and writes the results
table to standard output.
</translation>
    </message>
    <message>
        <source>  DATEI                  Messdatei im gewählten Format (&quot;-&quot;: Standardeingabe);
                         eine Datei mit der Endung .dvn wird als Dokument gelesen
</source>
        <translation>  FILE                   survey file in the chosen format (&quot;-&quot;: standard input);
                         a file ending in .dvn is read as a document
</translation>
    </message>
    <message>
        <source>  --stations DATEI       Messwertzeilen wie im Eingabedialog (Teufe Neigung Azimut)
</source>
        <translation>  --stations FILE        survey lines as in the input dialog (MD, inclination,
                         azimuth)
</translation>
    </message>
    <message>
        <source>  --format weg|free|atk|csv|xlsx|xls|las|witsml
                         Format der Messdatei (Vorgabe: free; .csv, .tsv, .xlsx,
                         .xls, .las und .xml (WITSML) werden an der Endung erkannt)
</source>
        <translation>  --format weg|free|atk|csv|xlsx|xls|las|witsml
                         format of the survey file (default: free; .csv, .tsv,
                         .xlsx, .xls, .las and .xml (WITSML) are recognised by
                         their extension)
</translation>
    </message>
    <message>
        <source>  --every 1|2|5|10       nur jeden n-ten Messwert einlesen (Vorgabe: 1)
</source>
        <translation>  --every 1|2|5|10       read only every n-th survey station (default: 1)
</translation>
    </message>
    <message>
        <source>  --view side|top|section|3d
                         Seitenansicht (Vorgabe), Draufsicht, Vertikalschnitt
                         (Seigerteufe über dem Vertikalschnitt) oder 3D-Ansicht, in
                         --plot
</source>
        <translation>  --view side|top|section|3d
                         side view (default), plan view, vertical section (TVD
                         against vertical section) or 3D view, in --plot
</translation>
    </message>
    <message>
        <source>  --camera AZ,ELEV       Blickrichtung der 3D-Ansicht: Azimut und Elevation in Grad
                         (Vorgabe: 225,25, aus Südwesten von schräg oben; 0,0 von
                         Norden, 180,90 von oben mit Norden oben)
</source>
        <translation>  --camera AZ,ELEV       viewing direction of the 3D view: azimuth and elevation
                         in degrees (default: 225,25, from the south-west and
                         above; 0,0 from the north, 180,90 from above with north
                         up)
</translation>
    </message>
    <message>
        <source>  --name TEXT            Name der Bohrung
</source>
        <translation>  --name TEXT            name of the well
</translation>
    </message>
    <message>
        <source>  --interpolate TEUFE    Interpolation bei dieser Teufe (mehrfach möglich)
</source>
        <translation>  --interpolate MD       interpolate at this measured depth (may be repeated)
</translation>
    </message>
    <message>
        <source>  --results-file PFAD    Ergebnisse wie &quot;Ergebnisse ausgeben&quot; in diese Datei schreiben
</source>
        <translation>  --results-file PATH    write the results to this file as &quot;Write Results&quot; does
</translation>
    </message>
    <message>
        <source>  --plot PFAD            Grafik als .png, .svg oder .pdf schreiben
</source>
        <translation>  --plot PATH            write the graph as .png, .svg or .pdf
</translation>
    </message>
    <message>
        <source>  --true-scale           Seitenansicht der Grafik maßstabsgetreu (nicht überhöht)
</source>
        <translation>  --true-scale           side view of the graph at true scale (not exaggerated)
</translation>
    </message>
    <message>
        <source>  --save PFAD.dvn        das Dokument wie &quot;Speichern&quot; in diese Datei schreiben
                         (Name, Format, Messwerte, Beschreibung, Lage der Bohrung)
</source>
        <translation>  --save PATH.dvn        write the document to this file as &quot;Save&quot; does (name,
                         format, survey, description, location of the well)
</translation>
    </message>
    <message>
        <source>  --help, --version      diese Hilfe bzw. die Version anzeigen
</source>
        <translation>  --help, --version      show this help or the version
</translation>
    </message>
    <message>
        <source>  --lang de|en           Sprache der Meldungen und dieser Hilfe: Deutsch oder
                         Englisch (Vorgabe: Englisch, wenn die erste gesetzte der
                         Variablen LANGUAGE, LC_ALL, LC_MESSAGES und LANG mit &quot;en&quot;
                         beginnt, sonst Deutsch); die Ergebnistabelle und die
                         geschriebenen Dateien bleiben in beiden gleich
</source>
        <translation>  --lang de|en           language of the messages and of this help: German or
                         English (default: English when the first of LANGUAGE,
                         LC_ALL, LC_MESSAGES and LANG that is set begins with
                         &quot;en&quot;, else German); the results table and the files
                         written stay the same in both
</translation>
    </message>
    <message>
        <source>Tabellenoptionen (csv, xlsx, xls, las, witsml):
</source>
        <translation>Table options (csv, xlsx, xls, las, witsml):
</translation>
    </message>
    <message>
        <source>  --columns A,B,C        Spalten für Teufe, Neigung, Azimut: Überschrift oder Nummer
                         (Vorgabe: an Überschriften wie Teufe/MD, Neigung/Inc, Azimut/Azi
                         erkannt)
</source>
        <translation>  --columns A,B,C        columns of MD, inclination and azimuth: heading or
                         number (default: recognised by headings such as MD,
                         Inc and Azi, in English or German)
</translation>
    </message>
    <message>
        <source>  --decimal comma|point  Dezimalzeichen (Vorgabe: erkannt)
</source>
        <translation>  --decimal comma|point  decimal sign (default: recognised)
</translation>
    </message>
    <message>
        <source>  --delimiter &apos;;&apos;|&apos;,&apos;|tab|space
                         Trennzeichen einer Textdatei (Vorgabe: erkannt)
</source>
        <translation>  --delimiter &apos;;&apos;|&apos;,&apos;|tab|space
                         delimiter of a text file (default: recognised)
</translation>
    </message>
    <message>
        <source>  --depth-unit m|ft      Einheit der Teufe; Fuß wird in Meter umgerechnet (Vorgabe:
                         ft, wenn die Überschrift der Teufe Fuß nennt, sonst m)
</source>
        <translation>  --depth-unit m|ft      unit of the MD; feet are converted to metres (default:
                         ft when the MD heading names feet, else m)
</translation>
    </message>
    <message>
        <source>  --sheet NAME|N         Tabellenblatt einer .xlsx- oder .xls-Datei oder Trajektorie
                         einer WITSML-Datei (Vorgabe: das erste)
</source>
        <translation>  --sheet NAME|N         sheet of an .xlsx or .xls file, or trajectory of a
                         WITSML file (default: the first)
</translation>
    </message>
    <message>
        <source>Punkte und Listen der Bahn:
</source>
        <translation>Points and listings of the well path:
</translation>
    </message>
    <message>
        <source>  --listing PFAD         Liste der Bahn als .csv oder .xlsx (ohne Anfrage: alle
                         Messpunkte)
</source>
        <translation>  --listing PATH         listing of the well path as .csv or .xlsx (without a
                         request: all survey stations)
</translation>
    </message>
    <message>
        <source>  --at-md TEUFE          Punkt auf der Bahn bei dieser Teufe (mehrfach möglich)
</source>
        <translation>  --at-md MD             point on the well path at this MD (may be repeated)
</translation>
    </message>
    <message>
        <source>  --at-tvd SEIGERTEUFE   jeder Punkt bei dieser Seigerteufe (mehrfach möglich)
</source>
        <translation>  --at-tvd TVD           every point at this TVD (may be repeated)
</translation>
    </message>
    <message>
        <source>  --every-md SCHRITT     Punkte im Abstand SCHRITT vom ersten bis zum letzten Punkt
</source>
        <translation>  --every-md STEP        points STEP apart from the first to the last point
</translation>
    </message>
    <message>
        <source>  --section-azimuth GRAD Azimut des Vertikalschnitts in Liste und Grafik (Vorgabe:
                         der im Dokument gespeicherte, sonst der der Endabweichung)
</source>
        <translation>  --section-azimuth DEG  azimuth of the vertical section in listing and graph
                         (default: the one stored in the document, else the
                         closure azimuth)
</translation>
    </message>
    <message>
        <source>  --unit m|ft            Längen der Liste in Metern (Vorgabe) oder Fuß, Abknickung je
                         30 m bzw. je 100 ft, auch im Vertikalschnitt von --plot; die
                         Ergebnistabelle bleibt in Metern
</source>
        <translation>  --unit m|ft            lengths of the listing in metres (default) or feet, DLS
                         per 30 m or per 100 ft, also in the vertical section of
                         --plot; the results table stays in metres
</translation>
    </message>
    <message>
        <source>  --export PFAD          die berechneten Messpunkte als .csv, .xlsx oder .xml
                         (WITSML-Trajektorie) schreiben (mehrfach möglich; Längen
                         in --unit)
</source>
        <translation>  --export PATH          write the computed survey stations as .csv, .xlsx or
                         .xml (WITSML trajectory) (may be repeated; lengths in
                         --unit)
</translation>
    </message>
    <message>
        <source>  --export PFAD.geojson  Karte der Bohrung als GeoJSON (WGS 84, Höhe über NN);
                         braucht --crs und --wellhead oder gespeicherte Werte
</source>
        <translation>  --export PATH.geojson  map of the well as GeoJSON (WGS 84, elevation above
                         mean sea level); needs --crs and --wellhead or stored
                         values
</translation>
    </message>
    <message>
        <source>  --export-style de      jede CSV-Datei von --export mit Semikolon und Dezimalkomma
</source>
        <translation>  --export-style de      every CSV file of --export with semicolons and decimal
                         commas
</translation>
    </message>
    <message>
        <source>Unsicherheitsoptionen (Positionsunsicherheit in --listing und --export .csv/.xlsx):
</source>
        <translation>Uncertainty options (position uncertainty in --listing and --export .csv/.xlsx):
</translation>
    </message>
    <message>
        <source>  --error-model iscwsa-mwd-rev5|iscwsa-mwd-rev4|none
                         Fehlermodell der Messungen (MWD); braucht --mag-field,
                         --mag-dip und bei geographisch Nord oder Gitternord
                         --declination mit --north (bei Gitternord auch
                         --grid-convergence oder --crs mit --wellhead)
</source>
        <translation>  --error-model iscwsa-mwd-rev5|iscwsa-mwd-rev4|none
                         error model of the survey (MWD); needs --mag-field,
                         --mag-dip and, for true or grid north, --declination
                         with --north (for grid north also --grid-convergence
                         or --crs with --wellhead)
</translation>
    </message>
    <message>
        <source>  --latitude GRAD        geographische Breite (Nord positiv); Vorgabe: die des
                         Ansatzpunkts aus --crs und --wellhead, sonst unbekannt
                         (die MWD-Terme brauchen sie nicht)
</source>
        <translation>  --latitude DEG         latitude (north positive); default: that of the
                         wellhead from --crs and --wellhead, else unknown (the
                         MWD terms do not need it)
</translation>
    </message>
    <message>
        <source>  --gravity M/S2         Schwerebeschleunigung (Vorgabe: 9.80665)
</source>
        <translation>  --gravity M/S2         gravity (default: 9.80665)
</translation>
    </message>
    <message>
        <source>  --mag-field NT         Totalintensität des Erdmagnetfelds in nT
</source>
        <translation>  --mag-field NT         total magnetic field strength in nT
</translation>
    </message>
    <message>
        <source>  --mag-dip GRAD         Inklination des Erdmagnetfelds (abwärts positiv)
</source>
        <translation>  --mag-dip DEG          magnetic dip angle (downward positive)
</translation>
    </message>
    <message>
        <source>  --ellipse-sigma K      Fehlerellipse beim K-fachen von σ (Vorgabe: 2); σ und
                         Kovarianzen gelten für 1 σ, immer in m und m²
</source>
        <translation>  --ellipse-sigma K      error ellipse at K times σ (default: 2); σ and
                         covariances are for 1 σ, always in m and m²
</translation>
    </message>
    <message>
        <source>  --error-terms PFAD.csv je Messpunkt und Fehlerquelle die Kovarianzen (NN, EE,
                         VV, NE, NV, EV in m²) als CSV schreiben
</source>
        <translation>  --error-terms PATH.csv write the covariances (NN, EE, VV, NE, NV, EV in m²) of
                         every survey station and error source as CSV
</translation>
    </message>
    <message>
        <source>Bohrungsoptionen (ersetzen die im Dokument gespeicherten Werte):
</source>
        <translation>Well options (replace the values stored in the document):
</translation>
    </message>
    <message>
        <source>  --wellhead E,N         Ansatzpunkt: Rechtswert und Hochwert in Metern
</source>
        <translation>  --wellhead E,N         wellhead: easting and northing in metres
</translation>
    </message>
    <message>
        <source>  --elevation Z          Höhe des Teufenbezugspunkts über dem Meeresspiegel (m)
</source>
        <translation>  --elevation Z          elevation of the depth reference above mean sea level
                         (m)
</translation>
    </message>
    <message>
        <source>  --crs EPSG:NNNN        Koordinatenbezugssystem des Ansatzpunkts
</source>
        <translation>  --crs EPSG:NNNN        coordinate reference system of the wellhead
</translation>
    </message>
    <message>
        <source>  --north true|grid|magnetic
                         Bezug der gemessenen Azimute: geographisch Nord (Vorgabe),
                         Gitternord oder magnetisch Nord
</source>
        <translation>  --north true|grid|magnetic
                         reference of the measured azimuths: true north
                         (default), grid north or magnetic north
</translation>
    </message>
    <message>
        <source>  --grid-convergence GRAD
                         Meridiankonvergenz: Gitterazimut = geographischer Azimut
                         - Konvergenz (positiv, wo Gitternord östlich liegt)
</source>
        <translation>  --grid-convergence DEG
                         grid convergence: grid azimuth = true azimuth
                         - convergence (positive where grid north lies east)
</translation>
    </message>
    <message>
        <source>  --declination GRAD     Deklination: geographischer Azimut = magnetischer Azimut
                         + Deklination (Ost positiv); ohne --north gelten die
                         Azimute damit als magnetisch
</source>
        <translation>  --declination DEG      declination: true azimuth = magnetic azimuth
                         + declination (east positive); without --north the
                         azimuths are then taken as magnetic
</translation>
    </message>
    <message>
        <source>Nachbarbohrungen (Annäherung und Trennfaktor nach der ISCWSA-Regel; die im Dokument
gespeicherten werden immer verglichen):
</source>
        <translation>Offset wells (separation and separation factor by the ISCWSA rule; those stored
in the document are always compared):
</translation>
    </message>
    <message>
        <source>  --offset DATEI         Nachbarbohrung aus einem Dokument (.dvn), einer Tabelle
                         (Spalten an den Überschriften erkannt) oder einer Messdatei
                         im Format von --format (mehrfach möglich); ihre Azimute
                         gelten in der Nordrichtung der Bohrung (ein Dokument mit
                         anderer wird gedreht). Die folgenden --offset-Optionen
                         gelten für das --offset davor:
</source>
        <translation>  --offset FILE          offset well from a document (.dvn), a table (columns
                         recognised by their headings) or a survey file in the
                         format of --format (may be repeated); its azimuths are
                         taken in the north reference of the well (a document
                         with another one is rotated). The following --offset
                         options apply to the --offset before them:
</translation>
    </message>
    <message>
        <source>  --offset-position N,E  Ansatzpunkt: Nord und Ost vom Ansatzpunkt der Bohrung (m)
</source>
        <translation>  --offset-position N,E  slot: north and east of the well&apos;s wellhead (m)
</translation>
    </message>
    <message>
        <source>  --offset-wellhead E,N  Ansatzpunkt: Rechtswert und Hochwert im
                         Koordinatenbezugssystem der Bohrung (--crs, --wellhead);
                         Vorgabe: der eines Dokuments
</source>
        <translation>  --offset-wellhead E,N  wellhead: easting and northing in the coordinate
                         reference system of the well (--crs, --wellhead);
                         default: that of a document
</translation>
    </message>
    <message>
        <source>  --offset-name TEXT     Name (Vorgabe: der des Dokuments oder Dateiname)
</source>
        <translation>  --offset-name TEXT     name (default: that of the document, or the file name)
</translation>
    </message>
    <message>
        <source>  --offset-elevation Z   Höhe ihres Teufenbezugspunkts über dem Meeresspiegel (m);
                         Vorgabe: die eines Dokuments, sonst die der Bohrung
</source>
        <translation>  --offset-elevation Z   elevation of its depth reference above mean sea level
                         (m); default: that of a document, else the well&apos;s
</translation>
    </message>
    <message>
        <source>  --offset-hole M        Bohrlochdurchmesser in Metern (Vorgabe: 0)
</source>
        <translation>  --offset-hole M        hole diameter in metres (default: 0)
</translation>
    </message>
    <message>
        <source>  --offset-kickoff TEUFE Seitenast: verlässt bei dieser Teufe (m) die Mutterbohrung
                         und liegt darüber in ihr, an ihrem Ansatzpunkt
</source>
        <translation>  --offset-kickoff MD    sidetrack: leaves its parent well at this MD (m) and
                         follows the parent above it, from the parent&apos;s wellhead
</translation>
    </message>
    <message>
        <source>  --offset-parent NAME   Mutterbohrung des Seitenasts: eine andere Nachbarbohrung;
                         Vorgabe: die Bohrung selbst
</source>
        <translation>  --offset-parent NAME   parent well of the sidetrack: another offset well;
                         default: the well itself
</translation>
    </message>
    <message>
        <source>  --hole M               Bohrlochdurchmesser der Bohrung in Metern (Vorgabe: 0)
</source>
        <translation>  --hole M               hole diameter of the well in metres (default: 0)
</translation>
    </message>
    <message>
        <source>  --surface-margin M     Sicherheitsabstand Sm (Vorgabe: 0.3)
</source>
        <translation>  --surface-margin M     surface margin Sm (default: 0.3)
</translation>
    </message>
    <message>
        <source>  --project-ahead M      Unsicherheit voraus σpa, 1 σ (Vorgabe: 0.5)
</source>
        <translation>  --project-ahead M      project-ahead uncertainty σpa, 1 σ (default: 0.5)
</translation>
    </message>
    <message>
        <source>  --sf-k K               Faktor k der Regel (Vorgabe: 3.5)
</source>
        <translation>  --sf-k K               factor k of the rule (default: 3.5)
</translation>
    </message>
    <message>
        <source>  --sf-warn X            Meldung unter diesem Trennfaktor (Vorgabe: 1.5)
</source>
        <translation>  --sf-warn X            warn below this separation factor (default: 1.5)
</translation>
    </message>
    <message>
        <source>  --clearance PFAD       je Messpunkt (und Schritt von --every-md) und
                         Nachbarbohrung eine Zeile als .csv oder .xlsx: nächster
                         Punkt, Richtung, Abstand, Radien (PCR) und Trennfaktor
                         (Längen in Metern)
</source>
        <translation>  --clearance PATH       one row per survey station (and step of --every-md) and
                         offset well as .csv or .xlsx: closest point, direction,
                         separation, radii (PCR) and separation factor (lengths
                         in metres)
</translation>
    </message>
    <message>
        <source>  Der Trennfaktor braucht ein Fehlermodell (Unsicherheitsoptionen); es gilt für alle
  Bohrungen, außer ein Dokument von --offset bringt sein eigenes mit. Ohne Modell
  nur Abstände. --save speichert die Nachbarbohrungen im Dokument.
</source>
        <translation>  The separation factor needs an error model (uncertainty options); it applies
  to all wells unless a document of --offset brings its own. Without a model,
  separations only. --save stores the offset wells in the document.
</translation>
    </message>
    <message>
        <source>Exit-Status: 0 ohne Fehlermeldung, 1 nach einer Fehlermeldung (fehlerhafte Zeile,
Abbruch, abgelehnte Teufe, nicht verglichene Nachbarbohrung), 2 bei falschem Aufruf,
unlesbarer oder abgelehnter Datei, 3 bei einem Trennfaktor unter 1 (die Bohrungen
können sich berühren). 2 geht 3 vor, 3 geht 1 vor.
</source>
        <translation>Exit status: 0 without an error message, 1 after an error message (faulty line,
abort, rejected depth, offset well not compared), 2 for a wrong command line, an
unreadable or rejected file, 3 for a separation factor below 1 (the wells may
touch). 2 takes precedence over 3, 3 over 1.
</translation>
    </message>
    <message>
        <source>Die Längen von --at-md, --at-tvd und --every-md gelten in der Einheit von --unit;
eine Teufe oder Seigerteufe außerhalb der Bahn gibt eine Meldung und Status 1.
</source>
        <translation>The lengths of --at-md, --at-tvd and --every-md are in the unit of --unit; an MD
or TVD outside the well path gives a message and status 1.
</translation>
    </message>
    <message>
        <source>--format erwartet weg, free, atk, csv, xlsx, xls, las oder witsml</source>
        <translation>--format expects weg, free, atk, csv, xlsx, xls, las or witsml</translation>
    </message>
    <message>
        <source>--columns erwartet drei Überschriften oder Spaltennummern für Teufe, Neigung und Azimut, durch Kommas getrennt (z.B. MD,INC,AZI oder 2,3,1)</source>
        <translation>--columns expects three headings or column numbers for MD, inclination and azimuth, separated by commas (e.g. MD,INC,AZI or 2,3,1)</translation>
    </message>
    <message>
        <source>--decimal erwartet comma oder point</source>
        <translation>--decimal expects comma or point</translation>
    </message>
    <message>
        <source>--delimiter erwartet &apos;;&apos;, &apos;,&apos;, tab oder space</source>
        <translation>--delimiter expects &apos;;&apos;, &apos;,&apos;, tab or space</translation>
    </message>
    <message>
        <source>--depth-unit erwartet m oder ft</source>
        <translation>--depth-unit expects m or ft</translation>
    </message>
    <message>
        <source>--sheet erwartet den Namen oder die Nummer eines Tabellenblatts</source>
        <translation>--sheet expects the name or number of a sheet</translation>
    </message>
    <message>
        <source>--every erwartet 1, 2, 5 oder 10</source>
        <translation>--every expects 1, 2, 5 or 10</translation>
    </message>
    <message>
        <source>--view erwartet side, top, section oder 3d</source>
        <translation>--view expects side, top, section or 3d</translation>
    </message>
    <message>
        <source>--camera erwartet Azimut und Elevation der 3D-Ansicht in Grad, durch ein Komma getrennt, die Elevation von -90 bis 90 (z.B. 225,25)</source>
        <translation>--camera expects the azimuth and elevation of the 3D view in degrees, separated by a comma, the elevation from -90 to 90 (e.g. 225,25)</translation>
    </message>
    <message>
        <source>--name erwartet einen Text</source>
        <translation>--name expects a text</translation>
    </message>
    <message>
        <source>--interpolate erwartet eine Teufe in Metern (z.B. 150.5)</source>
        <translation>--interpolate expects a measured depth in metres (e.g. 150.5)</translation>
    </message>
    <message>
        <source>--results-file erwartet einen Dateinamen</source>
        <translation>--results-file expects a file name</translation>
    </message>
    <message>
        <source>--plot erwartet einen Dateinamen</source>
        <translation>--plot expects a file name</translation>
    </message>
    <message>
        <source>--save erwartet einen Dateinamen mit der Endung .dvn</source>
        <translation>--save expects a file name ending in .dvn</translation>
    </message>
    <message>
        <source>--wellhead erwartet Rechtswert und Hochwert in Metern, durch ein Komma getrennt (z.B. 500000,5700000)</source>
        <translation>--wellhead expects easting and northing in metres, separated by a comma (e.g. 500000,5700000)</translation>
    </message>
    <message>
        <source>--elevation erwartet die Höhe über dem Meeresspiegel in Metern (z.B. 250.5)</source>
        <translation>--elevation expects the elevation above mean sea level in metres (e.g. 250.5)</translation>
    </message>
    <message>
        <source>--crs erwartet einen EPSG-Code (z.B. EPSG:25832)</source>
        <translation>--crs expects an EPSG code (e.g. EPSG:25832)</translation>
    </message>
    <message>
        <source>--north erwartet true, grid oder magnetic</source>
        <translation>--north expects true, grid or magnetic</translation>
    </message>
    <message>
        <source>%1 erwartet einen Winkel in Grad von -180 bis 180 (z.B. 1.5)</source>
        <translation>%1 expects an angle in degrees from -180 to 180 (e.g. 1.5)</translation>
    </message>
    <message>
        <source>--error-model erwartet iscwsa-mwd-rev5, iscwsa-mwd-rev4 oder none</source>
        <translation>--error-model expects iscwsa-mwd-rev5, iscwsa-mwd-rev4 or none</translation>
    </message>
    <message>
        <source>%1 erwartet einen Winkel in Grad von -90 bis 90 (z.B. 72)</source>
        <translation>%1 expects an angle in degrees from -90 to 90 (e.g. 72)</translation>
    </message>
    <message>
        <source>--gravity erwartet die Schwerebeschleunigung in m/s² von 9 bis 10.5 (z.B. 9.80665)</source>
        <translation>--gravity expects the gravity in m/s² from 9 to 10.5 (e.g. 9.80665)</translation>
    </message>
    <message>
        <source>--mag-field erwartet die Totalintensität des Erdmagnetfelds in nT von 10000 bis 100000 (z.B. 50000)</source>
        <translation>--mag-field expects the total magnetic field strength in nT from 10000 to 100000 (e.g. 50000)</translation>
    </message>
    <message>
        <source>--ellipse-sigma erwartet ein Vielfaches von σ größer als 0 und höchstens 10 (z.B. 2)</source>
        <translation>--ellipse-sigma expects a multiple of σ greater than 0 and at most 10 (e.g. 2)</translation>
    </message>
    <message>
        <source>--error-terms erwartet einen Dateinamen mit der Endung .csv</source>
        <translation>--error-terms expects a file name ending in .csv</translation>
    </message>
    <message>
        <source>--offset erwartet eine Datei (Dokument .dvn, Tabelle oder Messdatei)</source>
        <translation>--offset expects a file (document .dvn, table or survey file)</translation>
    </message>
    <message>
        <source>%1 gilt für die Nachbarbohrung davor und braucht ein --offset DATEI vor sich</source>
        <translation>%1 applies to the offset well before it and needs an --offset FILE in front of it</translation>
    </message>
    <message>
        <source>--offset-name erwartet einen Namen (höchstens 200 Bytes)</source>
        <translation>--offset-name expects a name (at most 200 bytes)</translation>
    </message>
    <message>
        <source>--offset-parent erwartet den Namen der Mutterbohrung</source>
        <translation>--offset-parent expects the name of the parent well</translation>
    </message>
    <message>
        <source>--offset-position erwartet Nord und Ost vom Ansatzpunkt der Bohrung in Metern, durch ein Komma getrennt (z.B. 0,100)</source>
        <translation>--offset-position expects north and east of the well&apos;s wellhead in metres, separated by a comma (e.g. 0,100)</translation>
    </message>
    <message>
        <source>--offset-wellhead erwartet Rechtswert und Hochwert in Metern, durch ein Komma getrennt (z.B. 500100,5700000)</source>
        <translation>--offset-wellhead expects easting and northing in metres, separated by a comma (e.g. 500100,5700000)</translation>
    </message>
    <message>
        <source>--offset-elevation erwartet die Höhe über dem Meeresspiegel in Metern (z.B. 250.5)</source>
        <translation>--offset-elevation expects the elevation above mean sea level in metres (e.g. 250.5)</translation>
    </message>
    <message>
        <source>--offset-hole erwartet den Bohrlochdurchmesser in Metern von 0 bis 5 (z.B. 0.6096)</source>
        <translation>--offset-hole expects the hole diameter in metres from 0 to 5 (e.g. 0.6096)</translation>
    </message>
    <message>
        <source>--offset-kickoff erwartet die Abzweigteufe in Metern (z.B. 1200)</source>
        <translation>--offset-kickoff expects the kick-off depth in metres (e.g. 1200)</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>--hole erwartet den Bohrlochdurchmesser in Metern von 0 bis 5 (z.B. 0.9144)</source>
        <translation>--hole expects the hole diameter in metres from 0 to 5 (e.g. 0.9144)</translation>
    </message>
    <message>
        <source>%1 erwartet eine Länge in Metern von 0 bis 100 (z.B. %2)</source>
        <translation>%1 expects a length in metres from 0 to 100 (e.g. %2)</translation>
    </message>
    <message>
        <source>%1 erwartet eine Zahl größer als 0 und höchstens 100 (z.B. %2)</source>
        <translation>%1 expects a number greater than 0 and at most 100 (e.g. %2)</translation>
    </message>
    <message>
        <source>--clearance erwartet einen Dateinamen mit der Endung .csv oder .xlsx</source>
        <translation>--clearance expects a file name ending in .csv or .xlsx</translation>
    </message>
    <message>
        <source>%1 erwartet eine Zahl (z.B. 150.5)</source>
        <translation>%1 expects a number (e.g. 150.5)</translation>
    </message>
    <message>
        <source>--every-md erwartet eine Schrittweite größer als 0</source>
        <translation>--every-md expects a step greater than 0</translation>
    </message>
    <message>
        <source>--section-azimuth erwartet einen Azimut von 0 bis 360 Grad</source>
        <translation>--section-azimuth expects an azimuth from 0 to 360 degrees</translation>
    </message>
    <message>
        <source>--unit erwartet m oder ft</source>
        <translation>--unit expects m or ft</translation>
    </message>
    <message>
        <source>--listing erwartet einen Dateinamen mit der Endung .csv oder .xlsx</source>
        <translation>--listing expects a file name ending in .csv or .xlsx</translation>
    </message>
    <message>
        <source>--export erwartet einen Dateinamen mit der Endung .csv, .xlsx, .xml oder .geojson</source>
        <translation>--export expects a file name ending in .csv, .xlsx, .xml or .geojson</translation>
    </message>
    <message>
        <source>--export-style erwartet de (Semikolon und Dezimalkomma)</source>
        <translation>--export-style expects de (semicolon and decimal comma)</translation>
    </message>
    <message>
        <source>--stations erwartet eine Datei</source>
        <translation>--stations expects a file</translation>
    </message>
    <message>
        <source>Es ist nur eine Eingabedatei erlaubt</source>
        <translation>Only one input file is allowed</translation>
    </message>
    <message>
        <source>Keine Eingabedatei angegeben</source>
        <translation>No input file given</translation>
    </message>
    <message>
        <source>--stations liest Messwertzeilen, keine Tabelle</source>
        <translation>--stations reads survey lines, not a table</translation>
    </message>
    <message>
        <source>%1 gilt nur für Tabellen (--format csv, xlsx oder xls, Endung .csv, .tsv, .xlsx oder .xls)</source>
        <translation>%1 applies to tables only (--format csv, xlsx or xls, extension .csv, .tsv, .xlsx or .xls)</translation>
    </message>
    <message>
        <source>--delimiter gilt nur für Textdateien (csv), nicht für .xlsx</source>
        <translation>--delimiter applies to text files (csv) only, not to .xlsx</translation>
    </message>
    <message>
        <source>--delimiter gilt nur für Textdateien (csv), nicht für .xls, LAS und WITSML</source>
        <translation>--delimiter applies to text files (csv) only, not to .xls, LAS and WITSML</translation>
    </message>
    <message>
        <source>--sheet gilt nur für .xlsx- und .xls-Dateien</source>
        <translation>--sheet applies to .xlsx and .xls files only</translation>
    </message>
    <message>
        <source>--sheet gilt nur für .xlsx-, .xls- und WITSML-Dateien, nicht für LAS</source>
        <translation>--sheet applies to .xlsx, .xls and WITSML files only, not to LAS</translation>
    </message>
    <message>
        <source>--export-style gilt nur für --export PFAD.csv</source>
        <translation>--export-style applies to --export PATH.csv only</translation>
    </message>
    <message>
        <source>--camera gilt nur mit --view 3d</source>
        <translation>--camera applies with --view 3d only</translation>
    </message>
    <message>
        <source>--at-md, --at-tvd und --every-md brauchen --listing PFAD.csv</source>
        <translation>--at-md, --at-tvd and --every-md need --listing PATH.csv</translation>
    </message>
    <message>
        <source>--at-md und --at-tvd brauchen --listing PFAD.csv</source>
        <translation>--at-md and --at-tvd need --listing PATH.csv</translation>
    </message>
    <message>
        <source>--offset %1: --offset-position und --offset-wellhead schließen einander aus</source>
        <translation>--offset %1: --offset-position and --offset-wellhead exclude each other</translation>
    </message>
    <message>
        <source>--offset %1: --offset-parent braucht --offset-kickoff</source>
        <translation>--offset %1: --offset-parent needs --offset-kickoff</translation>
    </message>
    <message>
        <source>--offset %1: ein Seitenast (--offset-kickoff) liegt am Ansatzpunkt seiner Mutterbohrung, ohne --offset-position oder --offset-wellhead</source>
        <translation>--offset %1: a sidetrack (--offset-kickoff) lies at the wellhead of its parent well, without --offset-position or --offset-wellhead</translation>
    </message>
</context>
<context>
    <name>Bohrungseinstellungen</name>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine gültige Zahl.</source>
        <translation>The entry &quot;%1&quot; is not a valid number.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine gültige Zahl %2.</source>
        <translation>The entry &quot;%1&quot; is not a valid number %2.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keiner der erlaubten Werte.</source>
        <translation>The entry &quot;%1&quot; is none of the allowed values.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist kein EPSG-Code der Form &quot;EPSG:25832&quot;.</source>
        <translation>The entry &quot;%1&quot; is not an EPSG code of the form &quot;EPSG:25832&quot;.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist nicht angegeben.</source>
        <translation>The entry &quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist kein gültiger Text.</source>
        <translation>The entry &quot;%1&quot; is not a valid text.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine Liste von höchstens einer Million Messpunkten.</source>
        <translation>The entry &quot;%1&quot; is not a list of at most one million survey stations.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist kein Messpunkt [Teufe, Neigung, Azimut].</source>
        <translation>The entry &quot;%1&quot; is not a survey station [MD, inclination, azimuth].</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist außerhalb der Grenzen (Teufe von 0 bis 1e9 m, Neigung von 0 bis 180 Grad, Azimut von 0 bis 360 Grad).</source>
        <translation>The entry &quot;%1&quot; is outside the limits (MD from 0 to 1e9 m, inclination from 0 to 180 degrees, azimuth from 0 to 360 degrees).</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist nicht tiefer als der Messpunkt davor.</source>
        <translation>The entry &quot;%1&quot; is not deeper than the survey station before it.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist kein JSON-Objekt.</source>
        <translation>The entry &quot;%1&quot; is not a JSON object.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist ohne Hochwert oder der Hochwert ohne Rechtswert.</source>
        <translation>The entry &quot;%1&quot; is given without a northing, or the northing without an easting.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist neben Rechtswert und Hochwert nicht erlaubt.</source>
        <translation>The entry &quot;%1&quot; is not allowed beside easting and northing.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist nur mit &quot;parent&quot; erlaubt.</source>
        <translation>The entry &quot;%1&quot; is allowed only with &quot;parent&quot;.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist nicht angegeben, den &quot;parent&quot; verlangt.</source>
        <translation>The entry &quot;%1&quot; is missing, which &quot;parent&quot; requires.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine gültige Teufe ab 0 m.</source>
        <translation>The entry &quot;%1&quot; is not a valid MD from 0 m.</translation>
    </message>
    <message>
        <source>Nachbarbohrung &quot;%1&quot;: %2</source>
        <translation>Offset well &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Eine Nachbarbohrung braucht einen Namen (höchstens 200 Bytes).</source>
        <translation>An offset well needs a name (at most 200 bytes).</translation>
    </message>
    <message>
        <source>der Name ist doppelt vergeben.</source>
        <translation>the name is used twice.</translation>
    </message>
    <message>
        <source>der Name ist der der Bohrung selbst.</source>
        <translation>the name is that of the well itself.</translation>
    </message>
    <message>
        <source>sie braucht Messpunkte (höchstens eine Million).</source>
        <translation>it needs survey stations (at most one million).</translation>
    </message>
    <message>
        <source>der Messpunkt %1 liegt außerhalb der Grenzen (Teufe von 0 bis 1e9 m, Neigung von 0 bis 180 Grad, Azimut von 0 bis 360 Grad).</source>
        <translation>survey station %1 lies outside the limits (MD from 0 to 1e9 m, inclination from 0 to 180 degrees, azimuth from 0 to 360 degrees).</translation>
    </message>
    <message>
        <source>der Messpunkt %1 liegt nicht tiefer als der davor.</source>
        <translation>survey station %1 is not deeper than the one before it.</translation>
    </message>
    <message>
        <source>die Lage oder Höhe liegt außerhalb von 1e9 m.</source>
        <translation>the location or elevation lies beyond 1e9 m.</translation>
    </message>
    <message>
        <source>der Bohrlochdurchmesser liegt nicht %1.</source>
        <translation>the hole diameter is not %1.</translation>
    </message>
    <message>
        <source>ein Wert des Fehlermodells liegt außerhalb seiner Grenzen.</source>
        <translation>a value of the error model lies outside its limits.</translation>
    </message>
    <message>
        <source>der Name der Mutterbohrung ist zu lang.</source>
        <translation>the name of the parent well is too long.</translation>
    </message>
    <message>
        <source>die Abzweigteufe ist keine Teufe ab 0 m.</source>
        <translation>the kick-off depth is not an MD from 0 m.</translation>
    </message>
    <message>
        <source>sie ist über ihre Mutterbohrungen ein Seitenast ihrer selbst.</source>
        <translation>through its parent wells it is a sidetrack of itself.</translation>
    </message>
    <message>
        <source>Die Einstellungen sind kein gültiger JSON-Text in UTF-8.</source>
        <translation>The settings are not valid JSON text in UTF-8.</translation>
    </message>
    <message>
        <source>Die Einstellungen sind zu tief verschachtelt.</source>
        <translation>The settings are nested too deeply.</translation>
    </message>
    <message>
        <source>Die Einstellungen sind kein JSON-Objekt.</source>
        <translation>The settings are not a JSON object.</translation>
    </message>
    <message>
        <source>Der Ansatzpunkt braucht Rechtswert und Hochwert.</source>
        <translation>The wellhead needs an easting and a northing.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;offsets&quot; ist keine Liste.</source>
        <translation>The entry &quot;offsets&quot; is not a list.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;offsets&quot;: %1</source>
        <translation>The entry &quot;offsets&quot;: %1</translation>
    </message>
    <message>
        <source>von -90 bis 90 Grad</source>
        <translation>from -90 to 90 degrees</translation>
    </message>
    <message>
        <source>von 9 bis 10,5 m/s²</source>
        <translation>from 9 to 10.5 m/s²</translation>
    </message>
    <message>
        <source>von 10000 bis 100000 nT</source>
        <translation>from 10000 to 100000 nT</translation>
    </message>
    <message>
        <source>größer als 0 und höchstens 10</source>
        <translation>greater than 0 and at most 10</translation>
    </message>
    <message>
        <source>von 0 bis 5 m</source>
        <translation>from 0 to 5 m</translation>
    </message>
    <message>
        <source>von 0 bis 100 m</source>
        <translation>from 0 to 100 m</translation>
    </message>
    <message>
        <source>größer als 0 und höchstens 100</source>
        <translation>greater than 0 and at most 100</translation>
    </message>
</context>
<context>
    <name>Diagnose</name>
    <message>
        <source>Die %d.Zeile enhält keine 3 Werte
 %s</source>
        <translation>Line %d does not hold 3 values
 %s</translation>
    </message>
    <message>
        <source>Die 1.Zeile beginnt mit der negativen Teufe %g.
Die erste Teufe muss 0 oder größer sein.
%s</source>
        <translation>Line 1 begins with the negative MD %g.
The first MD must be 0 or greater.
%s</translation>
    </message>
    <message>
        <source>Neigung Phi-Wert %g liegt nicht im Bereich 0°-180°
%s</source>
        <translation>Inclination %g is not within 0°-180°
%s</translation>
    </message>
    <message>
        <source>Azimut Theta-Wert %g liegt nicht im Bereich 0°-360°
%s</source>
        <translation>Azimuth %g is not within 0°-360°
%s</translation>
    </message>
    <message>
        <source>Die %d.Teufe %g steigt nicht an
%s</source>
        <translation>MD no. %d (%g) is not greater than the one before
%s</translation>
    </message>
    <message>
        <source>KEINE KRUEMMUNG VON TEUFE:%7.2f BIS %7.2f M</source>
        <translation>NO CURVATURE FROM MD:%7.2f TO %7.2f M</translation>
    </message>
    <message>
        <source>ABBRUCH bei TEUFE(m):%6.2f 
PHI(Grad):%6.2f THETA(Grad):%6.2f</source>
        <translation>ABORTED at MD(m):%6.2f 
INC(deg):%6.2f AZI(deg):%6.2f</translation>
    </message>
    <message>
        <source>ABBRUCH!Die %d.Teufe %g ist gleich der vorangehenden Teufe:%g</source>
        <translation>ABORTED! MD no. %d (%g) equals the MD before it: %g</translation>
    </message>
    <message>
        <source>
ERGEBNISSE DER INTERPOLATION
Bohrlochteufe   (m):%8.2f
Vertikale Teufe (m):%8.2f
NORD(+) SUED(-) (m):%8.2f
OST(+)  WEST(-) (m):%8.2f
Gesamtabweichung   : %6.2f m %6.1f Grad Azimut</source>
        <translation>
INTERPOLATION RESULTS
Measured depth    (m):%8.2f
TVD               (m):%8.2f
NORTH(+) SOUTH(-) (m):%8.2f
EAST(+)  WEST(-)  (m):%8.2f
Closure              : %6.2f m %6.1f deg azimuth</translation>
    </message>
    <message>
        <source>Eingabedaten fehlen!!!</source>
        <translation>Input data missing!</translation>
    </message>
    <message>
        <source>Die vorgegebene Teufe ist größer als die Max.Teufe</source>
        <translation>The given MD is greater than the maximum MD</translation>
    </message>
    <message>
        <source>Bei der Teufe %g kann nicht interpoliert werden: sie liegt über dem Ansatzpunkt.</source>
        <translation>Cannot interpolate at MD %g: it lies above the wellhead.</translation>
    </message>
    <message>
        <source>Bei der Teufe %g kann nicht interpoliert werden: es gibt keinen Messpunkt unter dem Ansatzpunkt.</source>
        <translation>Cannot interpolate at MD %g: there is no survey station below the wellhead.</translation>
    </message>
    <message>
        <source>Bei der Teufe %g kann nicht interpoliert werden: die Berechnung endet bei der Teufe %g m.</source>
        <translation>Cannot interpolate at MD %g: the computation ends at MD %g m.</translation>
    </message>
</context>
<context>
    <name>Dokument</name>
    <message>
        <source>Die Datei %s ist beschädigt oder kein Dravon-Dokument:
Sie ist kürzer, als ihr Inhalt angibt.
Das Dokument bleibt unverändert.</source>
        <translation>The file %s is damaged or not a Dravon document:
It is shorter than its content states.
The document stays unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %s ist kein Dravon-Dokument:
Sie enthält Text in Unicode-Zeichen, den dieses Programm nicht liest.
Das Dokument bleibt unverändert.</source>
        <translation>The file %s is not a Dravon document:
It holds text in Unicode characters, which this program does not read.
The document stays unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %s ist beschädigt oder kein Dravon-Dokument:
Nach den Daten des Dokuments folgen weitere Bytes.
Das Dokument bleibt unverändert.</source>
        <translation>The file %s is damaged or not a Dravon document:
More bytes follow the document&apos;s data.
The document stays unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %s ist zu groß für ein Dravon-Dokument.
Das Dokument bleibt unverändert.</source>
        <translation>The file %s is too large for a Dravon document.
The document stays unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %s ist beschädigt:
Die Einstellungen der Bohrung (Ansatzpunkt, Bezugssystem) am Ende der Datei sind fehlerhaft.%s
Das Dokument bleibt unverändert.</source>
        <translation>The file %s is damaged:
The well settings (wellhead, reference system) at the end of the file are faulty.%s
The document stays unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %s wurde von einer neueren Version von Dravon geschrieben:
Ihre Einstellungen der Bohrung kann dieses Programm nicht lesen.%s
Das Dokument bleibt unverändert.</source>
        <translation>The file %s was written by a newer version of Dravon:
This program cannot read its well settings.%s
The document stays unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht gelesen werden.
Das Dokument bleibt unverändert.</source>
        <translation>The file %s cannot be read.
The document stays unchanged.</translation>
    </message>
    <message>
        <source>Das Dokument kann nicht in der Datei %s gespeichert werden.
Eine vorhandene Datei dieses Namens bleibt unverändert.</source>
        <translation>The document cannot be saved in the file %s.
An existing file of this name stays unchanged.</translation>
    </message>
    <message>
        <source>Die Ergebnisse konnten nicht in die Datei %s geschrieben werden!</source>
        <translation>The results could not be written to the file %s!</translation>
    </message>
    <message>
        <source>Die Ergebnisse sind in die Datei aus.txt geschrieben!</source>
        <translation>The results have been written to the file aus.txt!</translation>
    </message>
    <message>
        <source>%d Zeilen wurden eingelesen</source>
        <translation>%d lines were read</translation>
    </message>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>Liste</name>
    <message>
        <source>Es gibt keine berechneten Messpunkte für die Liste.</source>
        <translation>There are no computed survey stations for the listing.</translation>
    </message>
    <message>
        <source>Die Teufe %g %s liegt außerhalb der berechneten Bohrung (%.2f bis %.2f %s).</source>
        <translation>The MD %g %s lies outside the computed well (%.2f to %.2f %s).</translation>
    </message>
    <message>
        <source>Die Seigerteufe %g %s wird von der Bohrung nicht erreicht (Seigerteufe %.2f bis %.2f %s).</source>
        <translation>The TVD %g %s is not reached by the well (TVD %.2f to %.2f %s).</translation>
    </message>
    <message>
        <source>Die Schrittweite %g %s ergibt keine Liste mit höchstens einer Million Zeilen.</source>
        <translation>The step %g %s gives no listing of at most one million rows.</translation>
    </message>
</context>
<context>
    <name>Schreiben</name>
    <message>
        <source>Kein Platz auf dem Datenträger.</source>
        <translation>No space left on the device.</translation>
    </message>
    <message>
        <source>Die Datei wird zu groß für den Datenträger oder die erlaubte Dateigröße.</source>
        <translation>The file grows too large for the device or the permitted file size.</translation>
    </message>
    <message>
        <source>Keine Berechtigung.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The device is write-protected.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Unter diesem Namen gibt es einen Ordner.</source>
        <translation>There is a folder of this name.</translation>
    </message>
    <message>
        <source>Die Daten konnten nicht vollständig erzeugt werden.</source>
        <translation>The data could not be produced completely.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben.</source>
        <translation>Error while writing.</translation>
    </message>
</context>
</TS>
