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
    <message>
        <source>%1 braucht Nachbarbohrungen (--offset DATEI oder im Dokument gespeicherte); die Grafik wird nicht geschrieben.</source>
        <translation>%1 needs offset wells (--offset FILE or stored in the document); the graph is not written.</translation>
    </message>
    <message>
        <source>  --view side|top|section|3d|ladder|cylinder
                         Seitenansicht (Vorgabe), Draufsicht, Vertikalschnitt
                         (Seigerteufe über dem Vertikalschnitt), 3D-Ansicht, Abstand
                         und Trennfaktor der Nachbarbohrungen über der Teufe oder
                         mitlaufender Zylinder, in --plot
</source>
        <translation>  --view side|top|section|3d|ladder|cylinder
                         side view (default), plan view, vertical section (TVD
                         against vertical section), 3D view, ladder (distance
                         and separation factor of the offset wells against MD)
                         or travelling cylinder, in --plot
</translation>
    </message>
    <message>
        <source>--view erwartet side, top, section, 3d, ladder oder cylinder</source>
        <translation>--view expects side, top, section, 3d, ladder or cylinder</translation>
    </message>
    <message>
        <source>Aufruf: dravon-cli [--format weg|free|atk|csv|xlsx|xls|las|witsml] [--every 1|2|5|10]
                  [--view side|top|section|3d|ladder|cylinder]
                  [--camera AZ,ELEV] [--name TEXT]
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
                  [--view side|top|section|3d|ladder|cylinder]
                  [--camera AZ,ELEV]
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
        <source>Erdmagnetfeld nach %1 für %2 bei Breite %3°, Länge %4°, Höhe %5 m über dem Ellipsoid</source>
        <translation>Earth&apos;s magnetic field by %1 for %2 at latitude %3°, longitude %4°, height %5 m above the ellipsoid</translation>
    </message>
    <message>
        <source>Deklination:          %1° (Ost positiv)</source>
        <translation>Declination:          %1° (east positive)</translation>
    </message>
    <message>
        <source>Inklination:          %1° (abwärts positiv)</source>
        <translation>Inclination:          %1° (down positive)</translation>
    </message>
    <message>
        <source>Totalintensität:      %1 nT</source>
        <translation>Total intensity:      %1 nT</translation>
    </message>
    <message>
        <source>Horizontalintensität: %1 nT</source>
        <translation>Horizontal intensity: %1 nT</translation>
    </message>
    <message>
        <source>        dravon-cli --magnetic-field BREITE,LÄNGE,HÖHE,DATUM
</source>
        <translation>       dravon-cli --magnetic-field LAT,LON,HEIGHT,DATE
</translation>
    </message>
    <message>
        <source>Erdmagnetfeld (ohne Eingabedatei):
</source>
        <translation>Earth&apos;s magnetic field (without an input file):
</translation>
    </message>
    <message>
        <source>  --magnetic-field BREITE,LÄNGE,HÖHE,DATUM
                         Deklination, Inklination, Total- und Horizontalintensität
                         des Erdmagnetfelds ausgeben: Breite und Länge in Grad
                         (WGS 84, Nord und Ost positiv), Höhe über dem Ellipsoid in
                         Metern, Datum JJJJ-MM-TT oder Dezimaljahr (1900 bis 2030);
                         Modell WMM2025, WMM2020 oder WMM2015v2, vor 2015 IGRF-14
</source>
        <translation>  --magnetic-field LAT,LON,HEIGHT,DATE
                         print the declination, inclination, total and
                         horizontal intensity of the Earth&apos;s magnetic field:
                         latitude and longitude in degrees (WGS 84, north and
                         east positive), height above the ellipsoid in metres,
                         date YYYY-MM-DD or a decimal year (1900 to 2030); model
                         WMM2025, WMM2020 or WMM2015v2, before 2015 IGRF-14
</translation>
    </message>
    <message>
        <source>--magnetic-field gibt nur das Erdmagnetfeld aus und liest keine Eingabedatei</source>
        <translation>--magnetic-field only prints the Earth&apos;s magnetic field and reads no input file</translation>
    </message>
    <message>
        <source>  --tie-in MD,TVD,N,E,INC,AZI
                         Anschlusspunkt, an dem die Messung beginnt: Bohrlochteufe,
                         Seigerteufe, Nord und Ost (m), Neigung und Azimut (Grad)
</source>
        <translation>  --tie-in MD,TVD,N,E,INC,AZI
                         tie-in point where the survey begins: measured depth,
                         true vertical depth, north and east (m), inclination
                         and azimuth (degrees)
</translation>
    </message>
    <message>
        <source>--tie-in erwartet Bohrlochteufe, Seigerteufe, Nord, Ost (m), Neigung (0 bis 180 Grad) und Azimut (0 bis 360 Grad), durch Kommas getrennt (z.B. 1200,1150.5,-4.65,0.92,12.5,140)</source>
        <translation>--tie-in expects measured depth, true vertical depth, north, east (m), inclination (0 to 180 degrees) and azimuth (0 to 360 degrees), separated by commas (e.g. 1200,1150.5,-4.65,0.92,12.5,140)</translation>
    </message>
    <message>
        <source>--magnetic-field erwartet Breite, Länge, Höhe über dem Ellipsoid in Metern und Datum, durch Kommas getrennt (z.B. 51.45,9.0,250,2025-06-30)</source>
        <translation>--magnetic-field expects latitude, longitude, height above the ellipsoid in metres and date, separated by commas (e.g. 51.45,9.0,250,2025-06-30)</translation>
    </message>
    <message>
        <source>  --columns A,B,C        Spalten für Teufe, Neigung, Azimut: Überschrift oder Nummer
                         (Vorgabe: an Überschriften wie Teufe/MD, Neigung/Inc, Azimut/Azi
                         erkannt); drei weitere wählen TVD, Nord und Ost für
                         --tie-in-row (Vorgabe: an Überschriften wie TVD, N/Nord,
                         E/Ost erkannt)
</source>
        <translation>  --columns A,B,C        columns of MD, inclination and azimuth: heading or
                         number (default: recognised by headings such as MD,
                         Inc and Azi, in English or German); three more choose
                         TVD, north and east for --tie-in-row (default:
                         recognised by headings such as TVD, N/North, E/East)
</translation>
    </message>
    <message>
        <source>  --tie-in-row           die erste Datenzeile (mit TVD, Nord und Ost) ist der
                         Anschlusspunkt, an dem die Messung beginnt; eine Zeile an
                         der Oberfläche (alles 0) bleibt ein Messpunkt
</source>
        <translation>  --tie-in-row           the first data row (with TVD, north and east) is the
                         tie-in the survey begins at; a row at the surface
                         (all 0) stays a station
</translation>
    </message>
    <message>
        <source>--tie-in und --tie-in-row schließen einander aus</source>
        <translation>--tie-in and --tie-in-row exclude each other</translation>
    </message>
    <message>
        <source>--columns erwartet drei Überschriften oder Spaltennummern für Teufe, Neigung und Azimut, durch Kommas getrennt (z.B. MD,INC,AZI oder 2,3,1), für --tie-in-row auch drei weitere für TVD, Nord und Ost</source>
        <translation>--columns expects three headings or column numbers for MD, inclination and azimuth, separated by commas (e.g. MD,INC,AZI or 2,3,1), for --tie-in-row three more for TVD, north and east</translation>
    </message>
    <message>
        <source>  --survey-check PFAD    je Messpunkt mit Magnetfeld- oder Schweremessung
                         (WITSML) eine Zeile als .csv oder .xlsx: Abweichung
                         von Gesamtfeld, Inklination und Schwere von der
                         Referenz und ob sie außerhalb der Toleranz liegt
</source>
        <translation>  --survey-check PATH    one row per survey station with magnetic or gravity
                         readings (WITSML) as .csv or .xlsx: deviation of total
                         field, dip and gravity from the reference and whether
                         it lies outside the tolerance
</translation>
    </message>
    <message>
        <source>--survey-check erwartet einen Dateinamen mit der Endung .csv oder .xlsx</source>
        <translation>--survey-check expects a file name ending in .csv or .xlsx</translation>
    </message>
    <message>
        <source>  --survey-date JJJJ-MM-TT
                         Vermessungsdatum: Deklination, Inklination und
                         Totalintensität, die nicht angegeben sind, kommen dann
                         aus dem Magnetfeldmodell am Ansatzpunkt (mit --crs und
                         --wellhead)
</source>
        <translation>  --survey-date YYYY-MM-DD
                         survey date: a declination, dip and total field not
                         given then come from the geomagnetic model at the
                         wellhead (with --crs and --wellhead)
</translation>
    </message>
    <message>
        <source>--survey-date erwartet einen Tag des Kalenders als JJJJ-MM-TT (z.B. 2025-03-14)</source>
        <translation>--survey-date expects a calendar day as YYYY-MM-DD (e.g. 2025-03-14)</translation>
    </message>
    <message>
        <source>Das Datum gibt --survey-date JJJJ-MM-TT.</source>
        <translation>The date is given by --survey-date YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>  --reading-columns F,D,G
                         Spalten für Gesamtfeld (nT), Inklination des Magnetfelds
                         (Grad) und Schwere (m/s²), Überschrift oder Nummer, leer
                         lassen erlaubt (z.B. Btotal,,Gtotal); sie werden
                         Feldmessungen der Messpunkte für --survey-check (Vorgabe:
                         an Überschriften wie Btotal, Dip, Gtotal erkannt)
</source>
        <translation>  --reading-columns F,D,G
                         columns of the total field (nT), the magnetic dip
                         (degrees) and the gravity (m/s²): heading or number,
                         any may be left empty (e.g. Btotal,,Gtotal); they
                         become field readings of the stations for
                         --survey-check (default: recognised by headings such
                         as Btotal, Dip, Gtotal)
</translation>
    </message>
    <message>
        <source>--reading-columns erwartet drei Überschriften oder Spaltennummern für Gesamtfeld, Inklination des Magnetfelds und Schwere, durch Kommas getrennt; leer bleiben darf jede außer allen (z.B. Btotal,,Gtotal oder 7,8,9)</source>
        <translation>--reading-columns expects three headings or column numbers for the total field, the magnetic dip and the gravity, separated by commas; any but all of them may be left empty (e.g. Btotal,,Gtotal or 7,8,9)</translation>
    </message>
    <message>
        <source>  --tool VON-BIS:CODE    ein Lauf des Vermessungsprogramms: die Messpunkte von
                         VON bis BIS m MD (BIS leer: bis zum Ende der Bohrung)
                         mit dem Werkzeug CODE des OWSG-Werkzeugkatalogs
                         (mehrfach, von oben nach unten, lückenlos); es tritt an
                         die Stelle des Fehlermodells
</source>
        <translation>  --tool FROM-TO:CODE    one run of the survey program: the stations from FROM
                         to TO m MD (TO empty: to the end of the well) with the
                         tool CODE of the OWSG tool library (repeatable, from
                         the top down, without gaps); it takes the place of the
                         error model
</translation>
    </message>
    <message>
        <source>  --survey-program PFAD.csv
                         das Vermessungsprogramm aus einer Tabelle mit den Spalten
                         Von, Bis, Werkzeug und wahlweise Lauf und Datum
</source>
        <translation>  --survey-program PATH.csv
                         the survey program from a table with the columns From,
                         To, Tool and optionally Run and Date
</translation>
    </message>
    <message>
        <source>  --offset-tool CODE     ein Werkzeug des Katalogs für die ganze Nachbarbohrung
                         (z.B. UNKNOWN für eine Bohrung ohne bekannte Vermessung)
</source>
        <translation>  --offset-tool CODE     one tool of the library for the whole offset well (e.g.
                         UNKNOWN for a well whose survey is not known)
</translation>
    </message>
    <message>
        <source>--tool und --survey-program schließen einander aus</source>
        <translation>--tool and --survey-program exclude each other</translation>
    </message>
    <message>
        <source>--tool erwartet einen Abschnitt des Vermessungsprogramms als VON-BIS:WERKZEUG, die Teufen in Metern MD, BIS leer bis zum Ende der Bohrung (z.B. 0-600:GYRO-NS oder 600-:MWD+IFR1+MS)</source>
        <translation>--tool expects a run of the survey program as FROM-TO:TOOL, the depths in metres MD, TO empty to the end of the well (e.g. 0-600:GYRO-NS or 600-:MWD+IFR1+MS)</translation>
    </message>
    <message>
        <source>--survey-program erwartet einen Dateinamen mit der Endung .csv</source>
        <translation>--survey-program expects a file name ending in .csv</translation>
    </message>
    <message>
        <source>--offset-tool erwartet den Code eines Werkzeugs aus dem Werkzeugkatalog (z.B. UNKNOWN)</source>
        <translation>--offset-tool expects the code of a tool of the tool library (e.g. UNKNOWN)</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>The table is empty.</translation>
    </message>
    <message>
        <source>Die Tabelle braucht die Spalten Von, Bis und Werkzeug (oder From, To und Tool) in ihrer ersten Zeile.</source>
        <translation>The table needs the columns From, To and Tool (or Von, Bis and Werkzeug) in its first row.</translation>
    </message>
    <message>
        <source>Die Tabelle nennt keinen Lauf.</source>
        <translation>The table names no run.</translation>
    </message>
    <message>
        <source>  --tool-model DATEI     ein eigenes Werkzeugmodell (mehrfach): JSON des
                         ISCWSA-Fehlermodells oder eine Tabelle der Fehlerterme
                         (Code, Gewichtungsfunktion, Betrag, Einheit,
                         Fortpflanzung; der Dateiname ist der Code); --tool und
                         --offset-tool nennen es wie einen Code des Katalogs
</source>
        <translation>  --tool-model FILE      an own tool model (may be repeated): ISCWSA error-model
                         JSON or a table of error terms (Code, Function,
                         Magnitude, Unit, Propagation; the file name is the
                         code); --tool and --offset-tool name it as a code of
                         the catalogue
</translation>
    </message>
    <message>
        <source>--tool-model erwartet eine Datei mit einem eigenen Werkzeugmodell (.json oder eine Tabelle der Fehlerterme)</source>
        <translation>--tool-model expects a file with an own tool model (.json or a table of error terms)</translation>
    </message>
    <message>
        <source>--plan gibt die Stationen der Planung und liest keine Messdatei</source>
        <translation>--plan gives the stations of the plan and reads no survey file</translation>
    </message>
    <message>
        <source>--plan-step braucht --plan DATEI.csv</source>
        <translation>--plan-step needs --plan FILE.csv</translation>
    </message>
    <message>
        <source>--plan erwartet eine Datei der Planung (Tabelle der Abschnitte)</source>
        <translation>--plan expects a plan file (a table of sections)</translation>
    </message>
    <message>
        <source>--plan-step erwartet den Abstand der Stationen der Planung in Metern, mindestens 0.1 (z.B. 30)</source>
        <translation>--plan-step expects the distance between the plan&apos;s stations in metres, at least 0.1 (e.g. 30)</translation>
    </message>
    <message>
        <source>%s: getroffen, der nächste Punkt der Planung bei %.2f m MD (Abstand %.3f m)</source>
        <translation>%s: hit, the plan&apos;s closest point at %.2f m MD (distance %.3f m)</translation>
    </message>
    <message>
        <source>%s: verfehlt um %.3f m, der nächste Punkt der Planung bei %.2f m MD (Abstand %.3f m)</source>
        <translation>%s: missed by %.3f m, the plan&apos;s closest point at %.2f m MD (distance %.3f m)</translation>
    </message>
    <message>
        <source>Standort 1</source>
        <translation>Site 1</translation>
    </message>
    <message>
        <source>--import %1: die Datei kann nicht ganz gelesen werden; nichts wurde ins Feld übernommen.</source>
        <translation>--import %1: the file cannot be read whole; nothing was taken into the field.</translation>
    </message>
    <message>
        <source>%1 Bohrungen in die Felddatei %2 übernommen</source>
        <translation>%1 wells taken into the field file %2</translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>--well %1: das Feld %2 hat keine solche Bohrung</source>
        <translation>--well %1: the field %2 has no such well</translation>
    </message>
    <message>
        <source>--well %1: im Feld %2 heißen mehrere Bohrpfade so; der Pfad im Feld (Feld/Standort/Bohrung) nennt einen</source>
        <translation>--well %1: several wellbores of the field %2 have this name; the path in the field (field/site/well) names one</translation>
    </message>
    <message>
        <source>  --plan PFAD.csv        statt einer Messdatei die Stationen einer Planung: eine
                         Tabelle der Abschnitte (Abschnitt halten, bogen, ziel
                         oder landen; Länge (m), DLS (°/30 m),
                         Werkzeugstellung (°), Nord (m), Ost (m), Seigerteufe
                         (m), MD (m), Neigung (°), Azimut (°), Toleranz (m)),
                         vom Ansatzpunkt oder von --tie-in aus
  --plan-step M          Abstand der Stationen der Planung (Vorgabe: 30)
  --against-plan PFAD.csv
                         die Messung gegen eine Planung: je Messpunkt der
                         nächste Punkt der Planung und der Abstand (Hochseite,
                         Rechtsseite, längs, Seigerteufe) als --listing; die
                         Projektion zum Meißel und auf die Seigerteufe des Ziels
                         und der Bogen zurück zum Ziel als Meldungen
  --bit-distance M       Abstand vom Sensor zum Meißel für die Projektion
                         (Vorgabe: 15)
</source>
        <translation>  --plan PATH.csv        the stations of a plan in place of a survey file: a
                         table of sections (Section hold, arc, target or
                         landing; Length (m), DLS (deg/30 m), Tool face (deg),
                         North (m), East (m), TVD (m), MD (m), Inclination
                         (deg), Azimuth (deg), Tolerance (m)), from the slot or
                         from --tie-in
  --plan-step M          distance between the plan&apos;s stations (default: 30)
  --against-plan PATH.csv
                         the survey against a plan: for each station the
                         plan&apos;s closest point and the distance (high side,
                         right side, along hole, TVD) as --listing; the
                         projection to the bit and to the target&apos;s TVD and
                         the arc back onto the target as messages
  --bit-distance M       distance from the sensor to the bit for the
                         projection (default: 15)
</translation>
    </message>
    <message>
        <source>--against-plan vergleicht eine Messung mit der Planung; mit --plan ist die Planung selbst die Messung</source>
        <translation>--against-plan compares a survey with the plan; with --plan the plan itself is the survey</translation>
    </message>
    <message>
        <source>--against-plan braucht eine Messdatei oder ein Dokument</source>
        <translation>--against-plan needs a survey file or a document</translation>
    </message>
    <message>
        <source>--at-md und --at-tvd fragen nach der Bahn; mit --against-plan ist --listing der Vergleich mit der Planung an den Messpunkten</source>
        <translation>--at-md and --at-tvd ask for the path; with --against-plan --listing is the comparison with the plan at the stations</translation>
    </message>
    <message>
        <source>--bit-distance braucht --against-plan DATEI.csv</source>
        <translation>--bit-distance needs --against-plan FILE.csv</translation>
    </message>
    <message>
        <source>--field arbeitet mit der Felddatei und liest keine Messdatei; Dateien für das Feld nennt --import</source>
        <translation>--field works on the field file and reads no survey file; --import names files for the field</translation>
    </message>
    <message>
        <source>--scan-all braucht --field DATEI und --well NAME</source>
        <translation>--scan-all needs --field FILE and --well NAME</translation>
    </message>
    <message>
        <source>--scan-all steht ohne --import und --list</source>
        <translation>--scan-all goes without --import and --list</translation>
    </message>
    <message>
        <source>--well und --radius brauchen --scan-all</source>
        <translation>--well and --radius need --scan-all</translation>
    </message>
    <message>
        <source>--import, --list und --site brauchen --field DATEI</source>
        <translation>--import, --list and --site need --field FILE</translation>
    </message>
    <message>
        <source>--field erwartet den Namen der Felddatei</source>
        <translation>--field expects the name of the field file</translation>
    </message>
    <message>
        <source>--import erwartet eine Datei oder einen Ordner</source>
        <translation>--import expects a file or a folder</translation>
    </message>
    <message>
        <source>--site erwartet den Namen eines Standorts</source>
        <translation>--site expects the name of a site</translation>
    </message>
    <message>
        <source>--well erwartet den Namen einer Bohrung des Felds</source>
        <translation>--well expects the name of a well of the field</translation>
    </message>
    <message>
        <source>--rules erwartet eine Datei der Regeln (JSON)</source>
        <translation>--rules expects a file of rules (JSON)</translation>
    </message>
    <message>
        <source>--radius erwartet den Umkreis in Metern, größer als 0 (z.B. 500)</source>
        <translation>--radius expects the radius in metres, greater than 0 (e.g. 500)</translation>
    </message>
    <message>
        <source>--against-plan erwartet eine Datei der Planung (Tabelle der Abschnitte)</source>
        <translation>--against-plan expects a plan file (table of sections)</translation>
    </message>
    <message>
        <source>--bit-distance erwartet den Abstand vom Sensor zum Meißel in Metern, 0 bis 1000 (z.B. 15)</source>
        <translation>--bit-distance expects the distance from the sensor to the bit in metres, 0 to 1000 (e.g. 15)</translation>
    </message>
    <message>
        <source>%1: die Vermessung kann nicht berechnet werden und wird nicht exportiert</source>
        <translation>%1: the survey cannot be computed and is not exported</translation>
    </message>
    <message>
        <source>%1 Bohrpfade nach %2 exportiert</source>
        <translation>%1 wellbores exported to %2</translation>
    </message>
    <message>
        <source>--field --export nennt einen Ordner für die WITSML-Dateien des Felds</source>
        <translation>--field --export names one folder for the field&apos;s WITSML files</translation>
    </message>
    <message>
        <source>--field braucht --import DATEI, --list, --export ORDNER, --rules DATEI oder --scan-all</source>
        <translation>--field needs --import FILE, --list, --export FOLDER, --rules FILE or --scan-all</translation>
    </message>
    <message>
        <source>%1 Bohrungen in die Felddatenbank %2 übernommen</source>
        <translation>%1 wells imported into the field database %2</translation>
    </message>
    <message>
        <source>  --field DATEI|ADRESSE  die Felddatei (SQLite; angelegt, wenn es sie nicht
                         gibt) oder eine Datenbank auf einem PostgreSQL-Server:
                         postgresql://NUTZER@RECHNER:PORT/DATENBANK (Passwort
                         aus PGPASSWORD oder ~/.pgpass); das Feld heißt wie
                         die Datei oder die Datenbank
  --import PFAD          eine Messdatei oder ein Ordner (mehrfach) ins Feld: je
                         Datei eine Bohrung, benannt nach der Datei, eine neue
                         Version ihrer Vermessung, wenn es sie schon gibt
  --site NAME            der Standort der übernommenen Bohrungen (Vorgabe:
                         Standort 1)
  --list                 je Bohrpfad des Felds eine Zeile: Feld, Standort,
                         Bohrung, Bohrpfad, Messpunkte, letzte Änderung
  --export ORDNER        mit --field: die maßgebliche Vermessung jedes Bohrpfads
                         als WITSML-Trajektorie in ORDNER/Feld/Standort/
  --scan-all             die Bohrung --well NAME des Felds gegen alle anderen
                         (Abstand und Trennfaktor wie mit --offset, --clearance
                         nennt sie mit ihrem Pfad im Feld)
  --radius M             nur Bohrungen, die näher als M Meter kommen
  --rules DATEI          die Regeln des Betreibers (JSON: Stufen des
                         Trennfaktors, Abstand nahe der Oberfläche, Flächen):
                         mit --field im Feld gespeichert, sonst auf den
                         Vergleich angewandt; eine Stufe &quot;stop&quot; gibt Status 3
</source>
        <translation>  --field FILE|ADDRESS   the field file (SQLite; made when it does not exist)
                         or a database on a PostgreSQL server:
                         postgresql://USER@HOST:PORT/DATABASE (password from
                         PGPASSWORD or ~/.pgpass); the field is named after
                         the file or the database
  --import PATH          a survey file or a folder (repeatable) into the field:
                         one well per file, named after the file, a new
                         version of its survey when it is there already
  --site NAME            the site of the imported wells (default: Site 1)
  --list                 one line per wellbore of the field: field, site,
                         well, wellbore, stations, last change
  --export FOLDER        with --field: every wellbore&apos;s definitive survey as a
                         WITSML trajectory in FOLDER/field/site/
  --scan-all             the field&apos;s well --well NAME against all others
                         (distance and separation factor as with --offset;
                         --clearance names them by their path in the field)
  --radius M             only wells that come nearer than M metres
  --rules FILE           the operator&apos;s rules (JSON: separation factor levels,
                         distance near the surface, lease areas): kept in the
                         field with --field, else applied to the scan; a
                         &quot;stop&quot; level gives status 3
</translation>
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
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine JSON-Liste.</source>
        <translation>The entry &quot;%1&quot; is not a JSON list.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine gültige Messung (Teufe, Werte, Referenzwerte, Toleranzen).</source>
        <translation>The entry &quot;%1&quot; is not a valid reading (depth, values, reference values, tolerances).</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist kein Tag des Kalenders der Form &quot;2025-03-14&quot;.</source>
        <translation>The entry &quot;%1&quot; is not a calendar day of the form &quot;2025-03-14&quot;.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine Liste von höchstens 100 Abschnitten.</source>
        <translation>The entry &quot;%1&quot; is not a list of at most 100 runs.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot;: %2</source>
        <translation>The entry &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine Liste von höchstens 200 Fehlertermen.</source>
        <translation>The entry &quot;%1&quot; is not a list of at most 200 error terms.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine Liste von höchstens 100 Werkzeugen.</source>
        <translation>The entry &quot;%1&quot; is not a list of at most 100 tools.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; nennt den Code %2 ein zweites Mal.</source>
        <translation>The entry &quot;%1&quot; names the code %2 a second time.</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; ist keine Liste von höchstens 1000 Einträgen.</source>
        <translation>The entry &quot;%1&quot; is not a list of at most 1000 entries.</translation>
    </message>
    <message>
        <source>von 1 bis 100000 m</source>
        <translation>from 1 to 100000 m</translation>
    </message>
</context>
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
    <name>CGrafik</name>
    <message>
        <source>Mausrad: vergrößern oder verkleinern; linke Maustaste ziehen: verschieben; Strg und linke Maustaste ziehen: Ausschnitt vergrößern; Pos1: ganze Bohrung</source>
        <translation>Mouse wheel: zoom in or out; drag with the left button: pan; drag with Ctrl and the left button: zoom to the box; Home: whole well</translation>
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
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Schließt das aktive Dokument; fragt, ob es gespeichert werden soll.</source>
        <translation>Closes the active document; asks whether to save it.</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Meldung bei %1 m MD</source>
        <translation>Message at %1 m MD</translation>
    </message>
    <message>
        <source>Meldung bei Teufe %1 bis %2</source>
        <translation>Message at depth %1 to %2</translation>
    </message>
    <message>
        <source>Meldung bei Teufe %1</source>
        <translation>Message at depth %1</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>Nimmt die letzte Änderung des Dokuments zurück.</source>
        <translation>Takes back the last change of the document.</translation>
    </message>
    <message>
        <source>Stellt die zuletzt zurückgenommene Änderung wieder her.</source>
        <translation>Makes the change last taken back again.</translation>
    </message>
    <message>
        <source>Bohrung ändern</source>
        <translation>Change borehole</translation>
    </message>
    <message>
        <source>Nachbarbohrungen ändern</source>
        <translation>Change neighbouring wells</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Grafik Lupe: vergrößert die Mitte der Grafik; ist sie schon vergrößert, zeigt sie wieder die ganze Bohrung</source>
        <translation>Zoom graph: enlarges the middle of the graph; when it is already zoomed, shows the whole well again</translation>
    </message>
    <message>
        <source>Ganze Bohrung zeigen</source>
        <translation>Show Whole Well</translation>
    </message>
    <message>
        <source>Zeigt wieder die ganze Bohrung in der Grafik (Pos1). Mausrad: vergrößern; linke Maustaste ziehen: verschieben; mit Strg ziehen: Ausschnitt vergrößern</source>
        <translation>Shows the whole well in the graph again (Home). Mouse wheel: zoom; drag with the left button: pan; drag with Ctrl: zoom to the box</translation>
    </message>
    <message>
        <source>Keine Unsicherheit: %1 (Bearbeiten &gt; Bohrung …)</source>
        <translation>No uncertainty: %1 (Edit &gt; Well …)</translation>
    </message>
    <message>
        <source>&amp;Planung …</source>
        <translation>&amp;Plan …</translation>
    </message>
    <message>
        <source>Die geplante Bahn: Ansatz, Abschnitte und Ziele, mit der Vorschau der Planung</source>
        <translation>The planned path: start, sections and targets, with a preview of the plan</translation>
    </message>
    <message>
        <source>Planung als Messpunkte übernehmen</source>
        <translation>Take Plan as Survey</translation>
    </message>
    <message>
        <source>Die Stationen der Planung werden die Messpunkte: Unsicherheit, Abstand zu den Nachbarbohrungen, Leiter und Zylinder der geplanten Bahn</source>
        <translation>The plan&apos;s stations become the survey: uncertainty, distance to the offset wells, ladder and cylinder of the planned path</translation>
    </message>
    <message>
        <source>Planung ändern</source>
        <translation>Change plan</translation>
    </message>
    <message>
        <source>Fe&amp;ld öffnen …</source>
        <translation>Open Fie&amp;ld …</translation>
    </message>
    <message>
        <source>Öffnet eine Felddatei oder legt sie an; ihr Baum steht im Bereich „Feld“</source>
        <translation>Opens a field file or makes one; its tree is shown in the &quot;Field&quot; panel</translation>
    </message>
    <message>
        <source>Felddatenbank &amp;verbinden …</source>
        <translation>&amp;Connect to Field Database …</translation>
    </message>
    <message>
        <source>Öffnet das Feld einer Datenbank auf einem PostgreSQL-Server im Bereich „Feld“</source>
        <translation>Opens the field of a database on a PostgreSQL server in the &quot;Field&quot; panel</translation>
    </message>
    <message>
        <source>Abstand zu &amp;allen …</source>
        <translation>Clearance to &amp;All …</translation>
    </message>
    <message>
        <source>Die Bohrung mit allen Bohrpfaden des offenen Felds im Umkreis vergleichen, wie das Feld sie jeweils hält</source>
        <translation>Compares the well with every wellbore of the open field within a radius, as the field holds them at the time</translation>
    </message>
    <message>
        <source>Vom Feld lösen</source>
        <translation>Detach from Field</translation>
    </message>
    <message>
        <source>Die Bohrpfade des Felds sind nicht mehr die Nachbarn der Bohrung</source>
        <translation>The field&apos;s wellbores are no longer the well&apos;s neighbours</translation>
    </message>
    <message>
        <source>Abstand zu allen</source>
        <translation>Clearance to All</translation>
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
    <message>
        <source>%1 – kleinster Trennfaktor %2 in %3 m Teufe, kleinster Abstand %4 m in %5 m, %6°</source>
        <translation>%1 – smallest separation factor %2 at %3 m MD, closest distance %4 m at %5 m, %6°</translation>
    </message>
    <message>
        <source>%1 – kleinster Trennfaktor %2 in %3 m Teufe</source>
        <translation>%1 – smallest separation factor %2 at %3 m MD</translation>
    </message>
    <message>
        <source>TF %1</source>
        <translation>SF %1</translation>
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
    <message>
        <source>Die 1.Teufe %g liegt nicht unter dem Anschlusspunkt bei %g m.
Die Messpunkte müssen unter dem Anschlusspunkt liegen.
%s</source>
        <translation>The first MD %g does not lie below the tie-in point at %g m.
The stations must lie below the tie-in point.
%s</translation>
    </message>
    <message>
        <source>Die Azimute sind auf magnetisch Nord bezogen, aber die Deklination ist nicht angegeben: Nord und Ost sind mit den Azimuten wie gemessen berechnet, nicht auf geographisch Nord oder Gitternord gedreht.</source>
        <translation>The azimuths refer to magnetic north, but the declination is not given: north and east are computed with the azimuths as measured, not turned to true or grid north.</translation>
    </message>
    <message>
        <source>Für Gitternord fehlt die Meridiankonvergenz (sie ist nicht angegeben und folgt nicht aus EPSG-Code und Ansatzpunkt): Nord und Ost sind mit den Azimuten wie gemessen berechnet, nicht auf Gitternord gedreht.</source>
        <translation>Grid north lacks the grid convergence (it is not given and does not follow from the EPSG code and the wellhead): north and east are computed with the azimuths as measured, not turned to grid north.</translation>
    </message>
    <message>
        <source>Bei der Teufe %g kann nicht interpoliert werden: sie liegt über dem Anschlusspunkt bei %g m.</source>
        <translation>Cannot interpolate at MD %g: it lies above the tie-in point at %g m.</translation>
    </message>
    <message>
        <source>Die Deklination kommt aus dem Magnetfeldmodell, aber das Vermessungsdatum fehlt.</source>
        <translation>The declination comes from the geomagnetic model, but the survey date is missing.</translation>
    </message>
    <message>
        <source>Die Deklination kommt aus dem Magnetfeldmodell: %s</source>
        <translation>The declination comes from the geomagnetic model: %s</translation>
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
    <message>
        <source>Werkzeug aus dem Katalog</source>
        <translation>Tool from the catalogue</translation>
    </message>
    <message>
        <source>Vermessungsprogramm</source>
        <translation>Survey program</translation>
    </message>
    <message>
        <source>Werkzeug:</source>
        <translation>Tool:</translation>
    </message>
    <message>
        <source>Werkzeug</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Vermessungsprogramm: bitte mindestens einen Abschnitt angeben.</source>
        <translation>Survey program: please enter at least one run.</translation>
    </message>
</context>
<context>
    <name>DlgPlan</name>
    <message>
        <source>Planung</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Ansatz der Planung</source>
        <translation>Start of the plan</translation>
    </message>
    <message>
        <source>&amp;MD (m):</source>
        <translation>&amp;MD (m):</translation>
    </message>
    <message>
        <source>&amp;Seigerteufe (m):</source>
        <translation>&amp;TVD (m):</translation>
    </message>
    <message>
        <source>&amp;Nord (m):</source>
        <translation>&amp;North (m):</translation>
    </message>
    <message>
        <source>&amp;Ost (m):</source>
        <translation>&amp;East (m):</translation>
    </message>
    <message>
        <source>N&amp;eigung (°):</source>
        <translation>Incl&amp;ination (°):</translation>
    </message>
    <message>
        <source>&amp;Azimut (°):</source>
        <translation>&amp;Azimuth (°):</translation>
    </message>
    <message>
        <source>Anschlusspunkt ü&amp;bernehmen</source>
        <translation>Take the tie-in p&amp;oint</translation>
    </message>
    <message>
        <source>Der Ansatz der Planung wird der Anschlusspunkt der Vermessung</source>
        <translation>The start of the plan becomes the survey&apos;s tie-in point</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <source>S&amp;chrittweite der Stationen (m):</source>
        <translation>Station s&amp;tep (m):</translation>
    </message>
    <message>
        <source>Abstand Sensor–&amp;Meißel (m):</source>
        <translation>Distance sensor–&amp;bit (m):</translation>
    </message>
    <message>
        <source>Abschnitte</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Abschnitt</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>&amp;Hinzufügen</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Nach &amp;oben</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>Nach &amp;unten</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <source>Planung &amp;laden …</source>
        <translation>&amp;Load plan …</translation>
    </message>
    <message>
        <source>Ziele</source>
        <translation>Targets</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
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
        <source>Seigerteufe (m)</source>
        <translation>TVD (m)</translation>
    </message>
    <message>
        <source>Radius (m)</source>
        <translation>Radius (m)</translation>
    </message>
    <message>
        <source>Nord von (m)</source>
        <translation>North from (m)</translation>
    </message>
    <message>
        <source>Nord bis (m)</source>
        <translation>North to (m)</translation>
    </message>
    <message>
        <source>Ost von (m)</source>
        <translation>East from (m)</translation>
    </message>
    <message>
        <source>Ost bis (m)</source>
        <translation>East to (m)</translation>
    </message>
    <message>
        <source>Seigerteufe von (m)</source>
        <translation>TVD from (m)</translation>
    </message>
    <message>
        <source>Seigerteufe bis (m)</source>
        <translation>TVD to (m)</translation>
    </message>
    <message>
        <source>Neigung (°)</source>
        <translation>Inclination (°)</translation>
    </message>
    <message>
        <source>Azimut (°)</source>
        <translation>Azimuth (°)</translation>
    </message>
    <message>
        <source>Winkeltoleranz (°)</source>
        <translation>Angle tolerance (°)</translation>
    </message>
    <message>
        <source>Ziel hin&amp;zufügen</source>
        <translation>Add tar&amp;get</translation>
    </message>
    <message>
        <source>Ziel en&amp;tfernen</source>
        <translation>Remo&amp;ve target</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Planung ent&amp;fernen</source>
        <translation>Remove &amp;plan</translation>
    </message>
    <message>
        <source>Planung laden</source>
        <translation>Load plan</translation>
    </message>
    <message>
        <source>Planungsdateien (*.csv *.txt);;Alle Dateien (*)</source>
        <translation>Plan files (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>halten</source>
        <translation>hold</translation>
    </message>
    <message>
        <source>bogen</source>
        <translation>arc</translation>
    </message>
    <message>
        <source>ziel</source>
        <translation>target</translation>
    </message>
    <message>
        <source>landen</source>
        <translation>landing</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Quader</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Landung</source>
        <translation>Landing</translation>
    </message>
    <message>
        <source>MD</source>
        <translation>MD</translation>
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
        <source>Neigung</source>
        <translation>Inclination</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Ansatz, %1: „%2“ ist keine Zahl</source>
        <translation>Start, %1: “%2” is not a number</translation>
    </message>
    <message>
        <source>Abschnitt %1, %2: „%3“ ist keine Zahl</source>
        <translation>Section %1, %2: “%3” is not a number</translation>
    </message>
    <message>
        <source>Ziel %1, %2: „%3“ ist keine Zahl</source>
        <translation>Target %1, %2: “%3” is not a number</translation>
    </message>
    <message>
        <source>Die Planung wurde nicht geladen:
%1</source>
        <translation>The plan was not loaded:
%1</translation>
    </message>
    <message>
        <source>Schrittweite: „%1“ ist keine Zahl</source>
        <translation>Step: “%1” is not a number</translation>
    </message>
    <message>
        <source>Die Schrittweite muss zwischen %1 und %2 m liegen</source>
        <translation>The step must lie between %1 and %2 m</translation>
    </message>
    <message>
        <source>Abstand Sensor–Meißel: „%1“ ist keine Zahl</source>
        <translation>Distance sensor–bit: “%1” is not a number</translation>
    </message>
    <message>
        <source>Der Abstand Sensor–Meißel muss zwischen 0 und 1000 m liegen</source>
        <translation>The distance sensor–bit must lie between 0 and 1000 m</translation>
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
    <message>
        <source>Anschlusspunkt</source>
        <translation>Tie-in point</translation>
    </message>
    <message>
        <source>MD (m):</source>
        <translation>MD (m):</translation>
    </message>
    <message>
        <source>TVD (m):</source>
        <translation>TVD (m):</translation>
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
        <source>Neigung (°):</source>
        <translation>Inclination (°):</translation>
    </message>
    <message>
        <source>Azimut (°):</source>
        <translation>Azimuth (°):</translation>
    </message>
    <message>
        <source>Wo eine Messung beginnt, die eine andere fortsetzt. Alle Felder leer: sie beginnt an der Oberfläche.</source>
        <translation>Where a survey begins that continues another one. All fields empty: it begins at the surface.</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Vermessungsdatum:</source>
        <translation>Survey date:</translation>
    </message>
    <message>
        <source>Das Vermessungsprogramm ersetzt das Fehlermodell.</source>
        <translation>The survey program takes the place of the error model.</translation>
    </message>
    <message>
        <source>Vermessungsprogramm</source>
        <translation>Survey program</translation>
    </message>
    <message>
        <source>Jeder Abschnitt der Teufe mit dem Werkzeug, mit dem er vermessen wurde. Bis MD leer: bis zum Ende der Bohrung.</source>
        <translation>Each depth interval with the tool it was surveyed with. To MD empty: to the end of the well.</translation>
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
    <name>Dokumentbefehle</name>
    <message>
        <source>Maximale Teufe:%g</source>
        <translation>Maximum MD:%g</translation>
    </message>
    <message>
        <source>Messdaten ändern</source>
        <translation>Change survey data</translation>
    </message>
</context>
<context>
    <name>Ergebnistabelle</name>
    <message>
        <source>    BERECHNUNG DER ABKNICKUNG ALFA UND DER BOHRLOCHABWEICHUNG</source>
        <translation>    COMPUTATION OF DOGLEG ALPHA AND BOREHOLE DEVIATION</translation>
    </message>
    <message>
        <source>    NACH DEM SCHMIEGUNGSKREISVERFAHREN</source>
        <translation>    BY THE MINIMUM CURVATURE METHOD</translation>
    </message>
    <message>
        <source>    TEUFENBEREICH  ALPHA   KREIS-    SEIGER   TEUFEN-  NORD(+)  OST(+)  GESAMT-</source>
        <translation>    MD INTERVAL   DOGLEG   CURVE     VERT.    TVD     NORTH(+) EAST(+)  CLOSURE</translation>
    </message>
    <message>
        <source>                    GRAD   RADIUS    TEUFE    VERLUST  SUED(-) WEST(-) ABWEICHUNG</source>
        <translation>                    DEG    RADIUS    DEPTH    LOSS    SOUTH(-) WEST(-) DIST : AZI</translation>
    </message>
    <message>
        <source>        (M)       JE 30 M   (M)       (M)       (M)     (M)      (M)   (M GRAD AZ)</source>
        <translation>        (M)      PER 30 M   (M)       (M)       (M)     (M)      (M)   (M DEG AZI)</translation>
    </message>
    <message>
        <source>    NORD UND OST: </source>
        <translation>    NORTH AND EAST: </translation>
    </message>
</context>
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
    <message>
        <source>Nord und Ost bezogen auf</source>
        <translation>North and east refer to</translation>
    </message>
    <message>
        <source>Außerhalb der Toleranz</source>
        <translation>Outside tolerance</translation>
    </message>
    <message>
        <source>Abweichung Gesamtfeld</source>
        <translation>Total field deviation</translation>
    </message>
    <message>
        <source>Abweichung Inklination</source>
        <translation>Dip deviation</translation>
    </message>
    <message>
        <source>Abweichung Schwere</source>
        <translation>Gravity deviation</translation>
    </message>
    <message>
        <source>Werkzeug</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Teufe der Planung</source>
        <translation>Plan depth</translation>
    </message>
    <message>
        <source>Hochseite</source>
        <translation>High side</translation>
    </message>
    <message>
        <source>Rechtsseite</source>
        <translation>Right side</translation>
    </message>
    <message>
        <source>Längs</source>
        <translation>Along hole</translation>
    </message>
    <message>
        <source>Seigerteufe-Differenz</source>
        <translation>TVD difference</translation>
    </message>
</context>
<context>
    <name>Feld</name>
    <message>
        <source>Die Felddatei %1 kann nicht bearbeitet werden: %2</source>
        <translation>The field file %1 cannot be worked on: %2</translation>
    </message>
    <message>
        <source>%1 kann nicht ins Feld übernommen werden: ein Name der Stelle im Feld fehlt.</source>
        <translation>%1 cannot be taken into the field: a name of its place in the field is missing.</translation>
    </message>
    <message>
        <source>Die Felddatei %1 stammt von einer neueren Version des Programms (Schema %2) und wird nicht geändert.</source>
        <translation>The field file %1 comes from a later version of the program (schema %2) and is not changed.</translation>
    </message>
    <message>
        <source>Der SQLite-Treiber für Felddateien fehlt.</source>
        <translation>The SQLite driver for field files is missing.</translation>
    </message>
    <message>
        <source>Die Felddatei %1 hat keine Vermessung der Bohrung %2.</source>
        <translation>The field file %1 has no survey of the wellbore %2.</translation>
    </message>
    <message>
        <source>Die Bohrung %1 hat keine Vermessung %2.</source>
        <translation>The wellbore %1 has no survey %2.</translation>
    </message>
    <message>
        <source>Die Felddatenbank %1 kann nicht bearbeitet werden: %2</source>
        <translation>The field database %1 cannot be changed: %2</translation>
    </message>
    <message>
        <source>Die Felddatenbank %1 stammt von einer neueren Version des Programms (Schema %2) und wird nicht geändert.</source>
        <translation>The field database %1 comes from a newer version of the program (schema %2) and is not changed.</translation>
    </message>
    <message>
        <source>Die Felddatenbank %1 hat keine Vermessung der Bohrung %2.</source>
        <translation>The field database %1 has no survey of wellbore %2.</translation>
    </message>
    <message>
        <source>Die Felddatenbank %1 wurde zur selben Zeit von jemand anderem geändert; nichts wurde übernommen. Bitte noch einmal versuchen. (%2)</source>
        <translation>The field database %1 was changed by someone else at the same time; nothing was stored. Please try again. (%2)</translation>
    </message>
    <message>
        <source>Der PostgreSQL-Treiber für Felddatenbanken fehlt (Paket libqt6sql6-psql).</source>
        <translation>The PostgreSQL driver for field databases is missing (package libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>Die Adresse %1 der Felddatenbank ist ungültig: %2.</source>
        <translation>The address %1 of the field database is not valid: %2.</translation>
    </message>
    <message>
        <source>ein %-Zeichen steht vor keinem zweistelligen Hexadezimalcode</source>
        <translation>a percent sign is not followed by two hexadecimal digits</translation>
    </message>
    <message>
        <source>der Port muss eine ganze Zahl von 1 bis 65535 sein</source>
        <translation>the port must be a whole number from 1 to 65535</translation>
    </message>
    <message>
        <source>nach dem ? stehen Angaben der Form Schlüsselwort=Wert, getrennt durch &amp;</source>
        <translation>after the ? come settings of the form keyword=value, separated by &amp;</translation>
    </message>
    <message>
        <source>ein Wert enthält ein Semikolon</source>
        <translation>a value contains a semicolon</translation>
    </message>
    <message>
        <source>sie nennt keine Datenbank (…/DATENBANK)</source>
        <translation>it names no database (.../DATABASE)</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Bohrung</source>
        <translation>Well</translation>
    </message>
    <message>
        <source>Bohrpfad</source>
        <translation>Wellbore</translation>
    </message>
    <message>
        <source>Ein Name im Feld darf nicht leer sein.</source>
        <translation>A name in the field must not be empty.</translation>
    </message>
    <message>
        <source>Ein Feld „%1“ gibt es schon.</source>
        <translation>A field &quot;%1&quot; exists already.</translation>
    </message>
    <message>
        <source>Unter %1 „%2“ gibt es den Namen „%3“ schon.</source>
        <translation>%1 &quot;%2&quot; has the name &quot;%3&quot; below it already.</translation>
    </message>
    <message>
        <source>Ein Feld kann nicht verschoben werden.</source>
        <translation>A field cannot be moved.</translation>
    </message>
    <message>
        <source>Die Felddatei %1 hat keinen Knoten %2 %3 mehr.</source>
        <translation>The field file %1 no longer has the %2 %3.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht ganz gelesen werden.</source>
        <translation>The file %1 cannot be read completely.</translation>
    </message>
    <message>
        <source>Das Feld %1, zu dem die Bohrung gehört, ist nicht da.</source>
        <translation>The field %1 that the well belongs to is not there.</translation>
    </message>
</context>
<context>
    <name>FieldPanel</name>
    <message>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Öffnet die endgültige Vermessung des Bohrpfads als neues Dokument</source>
        <translation>Opens the definitive survey of the wellbore as a new document</translation>
    </message>
    <message>
        <source>Bohrungen hinzufügen …</source>
        <translation>Add Wells …</translation>
    </message>
    <message>
        <source>Übernimmt Dateien von Bohrungen in den Standort</source>
        <translation>Adds files of wells to the site</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Verschieben nach …</source>
        <translation>Move To …</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Bohrungen hinzufügen</source>
        <translation>Add Wells</translation>
    </message>
    <message>
        <source>Bohrungen (*.dvn *.csv *.tsv *.txt *.xlsx *.xls *.las *.xml);;Alle Dateien (*)</source>
        <translation>Wells (*.dvn *.csv *.tsv *.txt *.xlsx *.xls *.las *.xml);;All Files (*)</translation>
    </message>
    <message>
        <source>Verschieben nach</source>
        <translation>Move To</translation>
    </message>
    <message>
        <source>Neuer Platz:</source>
        <translation>New place:</translation>
    </message>
    <message>
        <source>Feld – %1</source>
        <translation>Field - %1</translation>
    </message>
    <message>
        <source>Umbenennen in „%1“</source>
        <translation>Rename to &quot;%1&quot;</translation>
    </message>
    <message>
        <source>„%1“ nach %2 verschieben</source>
        <translation>Move &quot;%1&quot; to %2</translation>
    </message>
    <message>
        <source>„%1“ löschen</source>
        <translation>Delete &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Nichts wurde ins Feld übernommen.</source>
        <translation>Nothing was added to the field.</translation>
    </message>
    <message>
        <source>Bohrungen zu „%1“ hinzufügen</source>
        <translation>Add Wells to &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Es gibt keinen anderen Platz für „%1“.</source>
        <translation>There is no other place for &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>„%1“ mit allen Vermessungen löschen?</source>
        <translation>Delete &quot;%1&quot; with all its surveys?</translation>
    </message>
    <message>
        <source>„%1“ mit allem darunter löschen? Es gehen %2 Bohrpfade mit ihren Vermessungen.</source>
        <translation>Delete &quot;%1&quot; with everything below it? %2 wellbores go with their surveys.</translation>
    </message>
    <message>
        <source>Ordner hinzufügen …</source>
        <translation>Add Folder …</translation>
    </message>
    <message>
        <source>Übernimmt jede lesbare Datei eines Ordners in den Standort</source>
        <translation>Imports every readable file of a folder into the site</translation>
    </message>
    <message>
        <source>Ordner hinzufügen</source>
        <translation>Add Folder</translation>
    </message>
    <message>
        <source>Nicht gelesen und ausgelassen: %1</source>
        <translation>Not read and left out: %1</translation>
    </message>
    <message>
        <source>Im Ordner %1 ist keine Datei.</source>
        <translation>The folder %1 has no file.</translation>
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
    <message>
        <source>Nord und Ost: %1</source>
        <translation>North and east: %1</translation>
    </message>
    <message>
        <source>Messpunkt außerhalb der Toleranz</source>
        <translation>Survey station outside tolerance</translation>
    </message>
    <message>
        <source>Planung</source>
        <translation>Plan</translation>
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
    <name>ImportPreviewDlg</name>
    <message>
        <source>Bohrungen übernehmen</source>
        <translation>Import Wells</translation>
    </message>
    <message>
        <source>Die gelesenen Bohrpfade für „%1“. Zeilen ohne Haken bleiben draußen; Bohrung und Bohrpfad lassen sich wählen oder neu benennen.</source>
        <translation>The wellbores read for &quot;%1&quot;. Unticked rows stay out; the well and the wellbore can be chosen or given a new name.</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Bohrung</source>
        <translation>Well</translation>
    </message>
    <message>
        <source>Bohrpfad</source>
        <translation>Wellbore</translation>
    </message>
    <message>
        <source>Messpunkte</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Bohrung von %1</source>
        <translation>Well of %1</translation>
    </message>
    <message>
        <source>Bohrpfad von %1</source>
        <translation>Wellbore of %1</translation>
    </message>
    <message>
        <source>Nicht gelesen und ausgelassen: %1</source>
        <translation>Not read and left out: %1</translation>
    </message>
    <message>
        <source>Beim Lesen:</source>
        <translation>While reading:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ausgelassen</source>
        <translation>left out</translation>
    </message>
    <message>
        <source>Zeile %1 (%2): Der Name der Bohrung fehlt.</source>
        <translation>Row %1 (%2): the well has no name.</translation>
    </message>
    <message>
        <source>Zeile %1 (%2): Der Name des Bohrpfads fehlt.</source>
        <translation>Row %1 (%2): the wellbore has no name.</translation>
    </message>
    <message>
        <source>Name fehlt</source>
        <translation>name missing</translation>
    </message>
    <message>
        <source>neue Version %1 des Bohrpfads (wie Zeile %2)</source>
        <translation>new version %1 of the wellbore (as row %2)</translation>
    </message>
    <message>
        <source>neue Version %1 des vorhandenen Bohrpfads</source>
        <translation>new version %1 of the existing wellbore</translation>
    </message>
    <message>
        <source>neuer Bohrpfad</source>
        <translation>new wellbore</translation>
    </message>
    <message>
        <source>neue Bohrung</source>
        <translation>new well</translation>
    </message>
    <message>
        <source>Keine Zeile ist angehakt: es gibt nichts zu übernehmen.</source>
        <translation>No row is ticked: there is nothing to import.</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
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
    <message>
        <source>Die Deklination kommt aus dem Magnetfeldmodell, aber das Vermessungsdatum fehlt.</source>
        <translation>The declination comes from the geomagnetic model, but the survey date is missing.</translation>
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
    <name>Magnetfeld</name>
    <message>
        <source>Den Tag %1 gibt es im Kalender nicht.</source>
        <translation>The calendar has no day %1.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Datum: erwartet wird JJJJ-MM-TT oder ein Dezimaljahr (z.B. 2025-06-30 oder 2025.5).</source>
        <translation>“%1” is no date: expected is YYYY-MM-DD or a decimal year (e.g. 2025-06-30 or 2025.5).</translation>
    </message>
    <message>
        <source>Die Breite %1° liegt nicht zwischen -90° und 90°.</source>
        <translation>The latitude %1° is not between -90° and 90°.</translation>
    </message>
    <message>
        <source>Die Länge %1° liegt nicht zwischen -360° und 360°.</source>
        <translation>The longitude %1° is not between -360° and 360°.</translation>
    </message>
    <message>
        <source>Die Höhe %1 m über dem Ellipsoid liegt nicht zwischen %2 m und %3 m.</source>
        <translation>The height %1 m above the ellipsoid is not between %2 m and %3 m.</translation>
    </message>
    <message>
        <source>Für das Jahr %1 gibt es kein Modell des Erdmagnetfelds: die Modelle reichen von %2 bis %3.</source>
        <translation>There is no model of the Earth&apos;s magnetic field for the year %1: the models reach from %2 to %3.</translation>
    </message>
    <message>
        <source>Totalintensität, Inklination und Deklination kommen aus dem Magnetfeldmodell, wo sie nicht angegeben sind, aber das Vermessungsdatum fehlt.</source>
        <translation>The total field, dip and declination come from the geomagnetic model where they are not given, but the survey date is missing.</translation>
    </message>
</context>
<context>
    <name>Meldungen</name>
    <message>
        <source>Nachbarbohrung %1: kleinster Trennfaktor %2 bei %3 m MD (Nachbarbohrung bei %4 m MD)</source>
        <translation>Offset well %1: lowest separation factor %2 at %3 m MD (offset well at %4 m MD)</translation>
    </message>
    <message>
        <source>; unter %1 von %2 m bis %3 m MD</source>
        <translation>; below %1 from %2 m to %3 m MD</translation>
    </message>
    <message>
        <source>Messpunkt bei %1 m MD: Neigung %2° außerhalb des Bereichs des Werkzeugs %3 (%4° bis %5°)</source>
        <translation>Station at %1 m MD: inclination %2° outside the range of the tool %3 (%4° to %5°)</translation>
    </message>
    <message>
        <source>Die Planung kann nicht berechnet werden: %1</source>
        <translation>The plan cannot be computed: %1</translation>
    </message>
    <message>
        <source>Letzter Messpunkt bei %1 m MD: %2 m von der Planung (Hochseite %3 m, Rechtsseite %4 m, längs %5 m, Seigerteufe %6 m), nächster Punkt der Planung bei %7 m MD</source>
        <translation>Last station at %1 m MD: %2 m from the plan (high side %3 m, right side %4 m, along %5 m, TVD %6 m), the plan&apos;s closest point at %7 m MD</translation>
    </message>
    <message>
        <source>Projektion zum Meißel (%1 m voraus): %2 m MD, Neigung %3°, Azimut %4°, Seigerteufe %5 m, Nord %6 m, Ost %7 m</source>
        <translation>Projection to the bit (%1 m ahead): %2 m MD, inclination %3°, azimuth %4°, TVD %5 m, north %6 m, east %7 m</translation>
    </message>
    <message>
        <source>Projektion auf die Seigerteufe %1 m bei gleichem Kurs: %2 m MD, Neigung %3°, Azimut %4°, Nord %5 m, Ost %6 m</source>
        <translation>Projection to the TVD %1 m on the same course: %2 m MD, inclination %3°, azimuth %4°, north %5 m, east %6 m</translation>
    </message>
    <message>
        <source>Bei gleichem Kurs erreicht die Bohrung die Seigerteufe %1 m nicht.</source>
        <translation>On the same course the hole does not reach the TVD %1 m.</translation>
    </message>
    <message>
        <source>Ende der Planung</source>
        <translation>end of the plan</translation>
    </message>
    <message>
        <source>Ziel %1</source>
        <translation>Target %1</translation>
    </message>
    <message>
        <source>%1 (Nord %2 m, Ost %3 m, Seigerteufe %4 m)</source>
        <translation>%1 (north %2 m, east %3 m, TVD %4 m)</translation>
    </message>
    <message>
        <source>Kein Bogen führt vom letzten Messpunkt bis %1: der Punkt liegt dort oder hinter der Bohrung.</source>
        <translation>No arc leads from the last station to %1: the point lies there or behind the hole.</translation>
    </message>
    <message>
        <source>Bogen bis %1: %2°/30 m bei Werkzeugstellung %3° über %4 m, steiler als die %5°/30 m, die eine Planung erlaubt</source>
        <translation>Arc to %1: %2°/30 m at tool face %3° over %4 m, steeper than the %5°/30 m a plan allows</translation>
    </message>
    <message>
        <source>Bogen bis %1: %2°/30 m bei Werkzeugstellung %3° über %4 m</source>
        <translation>Arc to %1: %2°/30 m at tool face %3° over %4 m</translation>
    </message>
</context>
<context>
    <name>MessagesPanel</name>
    <message>
        <source>Meldungen</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Teufe</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Kollisionsgefahr</source>
        <translation>Collision risk</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
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
	%d.Zeichen in der %d.Zeile:%s
	%s</source>
        <translation>ABORTED! Not ATK format
	character %d in line %d:%s
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
    <message>
        <source>Das Vermessungsprogramm der Bohrung lässt sich nicht berechnen; nur Abstände, kein Trennfaktor: %s</source>
        <translation>The well&apos;s survey program cannot be computed; distances only, no separation factor: %s</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: ihr Vermessungsprogramm lässt sich nicht berechnen; nur Abstände, kein Trennfaktor: %s</source>
        <translation>Offset well %s: its survey program cannot be computed; distances only, no separation factor: %s</translation>
    </message>
    <message>
        <source>der Messpunkt bei MD %.2f m liegt in keinem Abschnitt</source>
        <translation>the station at MD %.2f m lies in no run</translation>
    </message>
    <message>
        <source>Die Regeln sind fehlerhaft: %1 %2</source>
        <translation>The rules are faulty: %1 %2</translation>
    </message>
    <message>
        <source>fehlt.</source>
        <translation>is missing.</translation>
    </message>
    <message>
        <source>ist keine Zahl im erlaubten Bereich.</source>
        <translation>is not a number within the allowed range.</translation>
    </message>
    <message>
        <source>ist kein Text.</source>
        <translation>is not a text.</translation>
    </message>
    <message>
        <source>Die Regeln sind kein JSON-Objekt.</source>
        <translation>The rules are not a JSON object.</translation>
    </message>
    <message>
        <source>ist keine Liste.</source>
        <translation>is not a list.</translation>
    </message>
    <message>
        <source>ist kein Objekt.</source>
        <translation>is not an object.</translation>
    </message>
    <message>
        <source>ist nicht stop, caution oder inform.</source>
        <translation>is not stop, caution or inform.</translation>
    </message>
    <message>
        <source>ist keine Liste von mindestens drei Punkten [Rechtswert, Hochwert].</source>
        <translation>is not a list of at least three points [easting, northing].</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>Vorsicht</source>
        <translation>caution</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>inform</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: Trennfaktor %.2f bei %.2f m MD unter %.2f, Regel „%s“ (%s)</source>
        <translation>Offset well %s: separation factor %.2f at %.2f m MD below %.2f, rule “%s” (%s)</translation>
    </message>
    <message>
        <source>Nachbarbohrung %s: Abstand %.2f m bei %.2f m MD, bis %.0f m Seigerteufe verlangen die Regeln „%s“ %.2f m</source>
        <translation>Offset well %s: distance %.2f m at %.2f m MD; down to %.0f m TVD the rules “%s” ask for %.2f m</translation>
    </message>
    <message>
        <source>Die Bohrung verlässt bei %.2f m MD die Fläche „%s“</source>
        <translation>At %.2f m MD the hole leaves the area “%s”</translation>
    </message>
    <message>
        <source>Die Bohrung kommt bei %.2f m MD der Grenze der Fläche „%s“ bis auf %.2f m nahe; verlangt sind %.2f m</source>
        <translation>At %.2f m MD the line of the area “%s” is only %.2f m from the hole; %.2f m are asked for</translation>
    </message>
    <message>
        <source>Die Flächen der Regeln können nicht geprüft werden: der Bohrung fehlen der Bohrungskopf oder die Meridiankonvergenz im Gitter des Felds.</source>
        <translation>The areas of the rules cannot be checked: the well lacks the wellhead or the grid convergence in the field&apos;s grid.</translation>
    </message>
</context>
<context>
    <name>Nordbezug</name>
    <message>
        <source>Gitternord (EPSG:%1)</source>
        <translation>Grid north (EPSG:%1)</translation>
    </message>
    <message>
        <source>Gitternord</source>
        <translation>Grid north</translation>
    </message>
    <message>
        <source>Geographisch Nord</source>
        <translation>True north</translation>
    </message>
    <message>
        <source>Magnetisch Nord</source>
        <translation>Magnetic north</translation>
    </message>
    <message>
        <source>Deklination %1°</source>
        <translation>declination %1°</translation>
    </message>
    <message>
        <source>Meridiankonvergenz %1°</source>
        <translation>grid convergence %1°</translation>
    </message>
    <message>
        <source>nicht gedreht, die Deklination fehlt</source>
        <translation>not turned, the declination is missing</translation>
    </message>
    <message>
        <source>nicht gedreht, die Meridiankonvergenz fehlt</source>
        <translation>not turned, the grid convergence is missing</translation>
    </message>
    <message>
        <source>Deklination %1° (%2)</source>
        <translation>declination %1° (%2)</translation>
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
    <message>
        <source>Die Messung der Datei beginnt an einem Anschlusspunkt. Eine Nachbarbohrung muss an der Oberfläche beginnen; eine Ablenkung wird mit ihrer Stammbohrung und der Abzweigteufe angegeben.</source>
        <translation>The file&apos;s survey begins at a tie-in point. An offset well must begin at the surface; a sidetrack is given with its parent well and its kick-off depth.</translation>
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
    <name>PlanPreview</name>
    <message>
        <source>Draufsicht</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>Ost (m)</source>
        <translation>East (m)</translation>
    </message>
    <message>
        <source>Nord (m)</source>
        <translation>North (m)</translation>
    </message>
    <message>
        <source>Vertikalschnitt, Azimut %1°</source>
        <translation>Vertical section, azimuth %1°</translation>
    </message>
    <message>
        <source>Horizontalversatz (m)</source>
        <translation>Horizontal displacement (m)</translation>
    </message>
    <message>
        <source>Seigerteufe (m)</source>
        <translation>TVD (m)</translation>
    </message>
</context>
<context>
    <name>Planung</name>
    <message>
        <source>Zeile %d, Spalte %s (%s): %s</source>
        <translation>Row %d, column %s (%s): %s</translation>
    </message>
    <message>
        <source>Zeile %d: %s</source>
        <translation>Row %d: %s</translation>
    </message>
    <message>
        <source>die Spalte hat nicht die Einheit, die der Abschnitt braucht (m, °/30 m oder °)</source>
        <translation>the column does not have the unit the section needs (m, °/30 m or °)</translation>
    </message>
    <message>
        <source>die Spalte steht schon einmal in der Tabelle</source>
        <translation>the column is in the table already</translation>
    </message>
    <message>
        <source>die erste Zeile braucht die Spalte Abschnitt (oder Section)</source>
        <translation>the first row needs the column Section (or Abschnitt)</translation>
    </message>
    <message>
        <source>der Abschnitt ist halten, bogen, ziel oder landen (hold, arc, target, landing)</source>
        <translation>the section is hold, arc, target or landing (halten, bogen, ziel, landen)</translation>
    </message>
    <message>
        <source>das ist keine Zahl</source>
        <translation>that is not a number</translation>
    </message>
    <message>
        <source>eine Toleranz hat nur ein Abschnitt mit Zielpunkt (ziel, landen)</source>
        <translation>only a section with a target point (target, landing) has a tolerance</translation>
    </message>
    <message>
        <source>die Toleranz ist negativ</source>
        <translation>the tolerance is negative</translation>
    </message>
    <message>
        <source>Ziel in Zeile %d</source>
        <translation>Target in row %d</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Datei nennt keinen Abschnitt.</source>
        <translation>The file names no section.</translation>
    </message>
    <message>
        <source>Länge (m)</source>
        <translation>Length (m)</translation>
    </message>
    <message>
        <source>DLS (°/30 m)</source>
        <translation>DLS (°/30 m)</translation>
    </message>
    <message>
        <source>Werkzeugstellung (°)</source>
        <translation>Tool face (°)</translation>
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
        <source>Seigerteufe (m)</source>
        <translation>TVD (m)</translation>
    </message>
    <message>
        <source>MD (m)</source>
        <translation>MD (m)</translation>
    </message>
    <message>
        <source>Neigung (°)</source>
        <translation>Inclination (°)</translation>
    </message>
    <message>
        <source>Azimut (°)</source>
        <translation>Azimuth (°)</translation>
    </message>
    <message>
        <source>der Ansatzpunkt hat bei %s keinen endlichen Wert</source>
        <translation>the start has no finite value for %s</translation>
    </message>
    <message>
        <source>der Ansatzpunkt hat bei %s den Wert %.2f außerhalb des zulässigen Bereichs</source>
        <translation>for %s the start has the value %.2f, outside the allowed range</translation>
    </message>
    <message>
        <source>die Schrittweite der Stationen (%.3f m) muss eine Zahl von mindestens 0.1 m sein</source>
        <translation>the step between stations (%.3f m) must be a number of at least 0.1 m</translation>
    </message>
    <message>
        <source>bei einer Schrittweite von %.2f m ergäbe die Planung mehr als %d Stationen</source>
        <translation>with a step of %.2f m the plan would have more than %d stations</translation>
    </message>
    <message>
        <source>die Planung hat keinen Abschnitt</source>
        <translation>the plan has no section</translation>
    </message>
    <message>
        <source>%s fehlt</source>
        <translation>%s is missing</translation>
    </message>
    <message>
        <source>%s wird bei diesem Abschnitt nicht verwendet; das Feld bleibt leer</source>
        <translation>%s is not used by this section; the field stays empty</translation>
    </message>
    <message>
        <source>%s und %s schließen einander aus</source>
        <translation>%s and %s exclude each other</translation>
    </message>
    <message>
        <source>%s ist keine endliche Zahl</source>
        <translation>%s is not a finite number</translation>
    </message>
    <message>
        <source>%s ist %.2f, erlaubt sind %.2f bis %.2f</source>
        <translation>%s is %.2f, allowed are %.2f to %.2f</translation>
    </message>
    <message>
        <source>die Rate von %.2f °/30 m ist nicht größer als null</source>
        <translation>the rate of %.2f °/30 m is not greater than zero</translation>
    </message>
    <message>
        <source>die Rate von %.2f °/30 m liegt über der Grenze von %.2f °/30 m</source>
        <translation>the rate of %.2f °/30 m is above the limit of %.2f °/30 m</translation>
    </message>
    <message>
        <source>der Abschnitt wäre %.4f m lang; jeder Abschnitt ist mindestens %.2f m lang (eine Länge von null oder darunter gibt es nicht)</source>
        <translation>the section would be %.4f m long; every section is at least %.2f m long (there is no length of zero or below)</translation>
    </message>
    <message>
        <source>der Bogen würde die Richtung um %.1f° drehen; ein Bogen dreht um weniger als 180°</source>
        <translation>the arc would turn the direction by %.1f°; an arc turns by less than 180°</translation>
    </message>
    <message>
        <source>mit dieser Werkzeugstellung erreicht der Bogen die Neigung %.2f° nicht</source>
        <translation>with this tool face the arc does not reach the inclination %.2f°</translation>
    </message>
    <message>
        <source>mit dieser Werkzeugstellung erreicht der Bogen das Azimut %.2f° nicht</source>
        <translation>with this tool face the arc does not reach the azimuth %.2f°</translation>
    </message>
    <message>
        <source>die Bohrung hat die verlangte Richtung schon zu Beginn des Abschnitts</source>
        <translation>the hole has the asked direction already at the start of the section</translation>
    </message>
    <message>
        <source>geradeaus erreicht die Bohrung von %.2f m TVD aus die Seigerteufe %.2f m nicht</source>
        <translation>straight ahead from %.2f m TVD the hole does not reach the TVD %.2f m</translation>
    </message>
    <message>
        <source>die MD %.2f m liegt nicht unter dem Beginn des Abschnitts bei %.2f m MD</source>
        <translation>the MD %.2f m is not below the start of the section at %.2f m MD</translation>
    </message>
    <message>
        <source>der Zielpunkt liegt am Beginn des Abschnitts</source>
        <translation>the target point lies at the start of the section</translation>
    </message>
    <message>
        <source>der Zielpunkt liegt genau hinter der Bohrlochrichtung; die Ebene des Bogens ist nicht bestimmt</source>
        <translation>the target point lies exactly behind the hole&apos;s direction; the plane of the arc is not determined</translation>
    </message>
    <message>
        <source>der Zielpunkt liegt innerhalb des Wendekreises (Radius %.2f m bei %.2f °/30 m) und ist mit dieser Rate nicht zu erreichen</source>
        <translation>the target point lies inside the turning circle (radius %.2f m at %.2f °/30 m) and cannot be reached at this rate</translation>
    </message>
    <message>
        <source>die Landung ist mit %.2f °/30 m nicht zu erreichen: die beiden Bögen brauchen mehr Platz, als bis zum Zielpunkt bleibt</source>
        <translation>the landing cannot be reached at %.2f °/30 m: the two arcs need more room than is left to the target point</translation>
    </message>
    <message>
        <source>ein Bogen oder das gerade Stück der Landung wäre nur %.4f m lang (mindestens %.2f m); eine etwas andere Rate behebt das</source>
        <translation>an arc or the straight piece of the landing would be only %.4f m long (at least %.2f m); a slightly different rate mends that</translation>
    </message>
    <message>
        <source>ein Wert des Ziels ist keine endliche Zahl</source>
        <translation>a value of the target is not a finite number</translation>
    </message>
    <message>
        <source>ein Wert des Ziels liegt außerhalb des Zulässigen (Radius und Toleranz nicht negativ, Neigung 0 bis 180°, Azimut 0 bis 360°, jeder Bereich von unten nach oben)</source>
        <translation>a value of the target is outside what is allowed (radius and tolerance not negative, inclination 0 to 180°, azimuth 0 to 360°, every range from low to high)</translation>
    </message>
    <message>
        <source>Abschnitt %d: %s</source>
        <translation>Section %d: %s</translation>
    </message>
    <message>
        <source>Ziel %d: %s</source>
        <translation>Target %d: %s</translation>
    </message>
    <message>
        <source>Planung: %s</source>
        <translation>Plan: %s</translation>
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
    <name>Python</name>
    <message>
        <source>Die Kovarianzen brauchen ein Fehlermodell: error_model=iscwsa-mwd-rev5 oder iscwsa-mwd-rev4, ein Vermessungsprogramm (tool=VON-BIS:WERKZEUG) oder eines in den Einstellungen der Bohrung.</source>
        <translation>The covariances need an error model: error_model=iscwsa-mwd-rev5 or iscwsa-mwd-rev4, a survey program (tool=FROM-TO:TOOL) or one in the well&apos;s settings.</translation>
    </message>
    <message>
        <source>only= nennt die Spalte „%1“, die es nicht gibt; es gibt %2.</source>
        <translation>only= names the column “%1”, which does not exist; there are %2.</translation>
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
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Verwerfen</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>dravon wurde beim letzten Mal nicht ordnungsgemäß beendet. Es gibt eine Kopie ungespeicherter Änderungen. Soll sie wiederhergestellt werden?</source>
        <translation>dravon did not end normally last time. There is a copy of unsaved changes. Do you want to restore it?</translation>
    </message>
    <message>
        <source>Die wiederhergestellte Bohrung ist unbenannt; speichern Sie sie unter einem Namen Ihrer Wahl.</source>
        <translation>The restored borehole is untitled; save it under a name of your choice.</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Feld öffnen</source>
        <translation>Open Field</translation>
    </message>
    <message>
        <source>Felddateien (*.sqlite)</source>
        <translation>Field Files (*.sqlite)</translation>
    </message>
    <message>
        <source>Felddatenbank verbinden</source>
        <translation>Connect to Field Database</translation>
    </message>
    <message>
        <source>Adresse der Datenbank auf dem PostgreSQL-Server
(postgresql://NUTZER@RECHNER:PORT/DATENBANK; das Passwort aus PGPASSWORD oder ~/.pgpass):</source>
        <translation>Address of the database on the PostgreSQL server
(postgresql://USER@HOST:PORT/DATABASE; the password from PGPASSWORD or ~/.pgpass):</translation>
    </message>
    <message>
        <source>Abstand zu allen</source>
        <translation>Clearance to All</translation>
    </message>
    <message>
        <source>Die Bohrung wird mit allen Bohrpfaden des Felds %1 verglichen, die ihr näher kommen als (m):</source>
        <translation>The well is compared with every wellbore of the field %1 that comes closer to it than (m):</translation>
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
<context>
    <name>StationTableModel</name>
    <message>
        <source>MD [m]</source>
        <translation>MD [m]</translation>
    </message>
    <message>
        <source>Neigung [°]</source>
        <translation>Inclination [°]</translation>
    </message>
    <message>
        <source>Azimut [°]</source>
        <translation>Azimuth [°]</translation>
    </message>
    <message>
        <source>TVD [m]</source>
        <translation>TVD [m]</translation>
    </message>
    <message>
        <source>Nord [m]</source>
        <translation>North [m]</translation>
    </message>
    <message>
        <source>Ost [m]</source>
        <translation>East [m]</translation>
    </message>
    <message>
        <source>Abknickung [°/30 m]</source>
        <translation>Dogleg [°/30 m]</translation>
    </message>
    <message>
        <source>Die Teufe %1 liegt nicht über der folgenden Teufe %2.</source>
        <translation>The depth %1 is not above the following depth %2.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl.</source>
        <translation>“%1” is not a number.</translation>
    </message>
    <message>
        <source>Eine neue Station beginnt mit ihrer Teufe.</source>
        <translation>A new station starts with its depth.</translation>
    </message>
    <message>
        <source>Station anfügen</source>
        <translation>Append station</translation>
    </message>
    <message>
        <source>Teufe ändern</source>
        <translation>Change depth</translation>
    </message>
    <message>
        <source>Neigung ändern</source>
        <translation>Change inclination</translation>
    </message>
    <message>
        <source>Azimut ändern</source>
        <translation>Change azimuth</translation>
    </message>
    <message>
        <source>Zwischen den Teufen %1 und %2 ist kein Platz für eine weitere Station.</source>
        <translation>There is no room for another station between the depths %1 and %2.</translation>
    </message>
    <message>
        <source>Station einfügen</source>
        <translation>Insert station</translation>
    </message>
    <message>
        <source>Station löschen</source>
        <translation>Delete station</translation>
    </message>
    <message>
        <source>Stationen löschen</source>
        <translation>Delete stations</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Die Zeile ist leer.</source>
        <translation>The line is empty.</translation>
    </message>
    <message>
        <source>Die Zeile hat %1 Werte; ab dieser Spalte passen höchstens %2.</source>
        <translation>The line has %1 values; from this column at most %2 fit.</translation>
    </message>
    <message>
        <source>Nichts eingefügt. %1</source>
        <translation>Nothing pasted. %1</translation>
    </message>
    <message>
        <source>Stationen einfügen</source>
        <translation>Paste stations</translation>
    </message>
</context>
<context>
    <name>StationTableView</name>
    <message>
        <source>Station einfügen</source>
        <translation>Insert station</translation>
    </message>
    <message>
        <source>Stationen löschen</source>
        <translation>Delete stations</translation>
    </message>
    <message>
        <source>Einfügen aus der Zwischenablage</source>
        <translation>Paste from the clipboard</translation>
    </message>
</context>
<context>
    <name>StationsPanel</name>
    <message>
        <source>Stationen</source>
        <translation>Stations</translation>
    </message>
</context>
<context>
    <name>SurveyProgramEdit</name>
    <message>
        <source>Von MD (m)</source>
        <translation>From MD (m)</translation>
    </message>
    <message>
        <source>Bis MD (m)</source>
        <translation>To MD (m)</translation>
    </message>
    <message>
        <source>Werkzeug</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Leer: bis zum Ende der Bohrung</source>
        <translation>Empty: to the end of the well</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Abschnitt hinzufügen</source>
        <translation>Add run</translation>
    </message>
    <message>
        <source>Abschnitt entfernen</source>
        <translation>Remove run</translation>
    </message>
    <message>
        <source>Werkzeugmodell laden …</source>
        <translation>Load Tool Model …</translation>
    </message>
    <message>
        <source>Ein eigenes Werkzeugmodell aus einer Datei: JSON des ISCWSA-Fehlermodells oder eine Tabelle der Fehlerterme</source>
        <translation>An own tool model from a file: ISCWSA error-model JSON or a table of error terms</translation>
    </message>
    <message>
        <source>%1: die Datei lässt sich nicht lesen (%2).</source>
        <translation>%1: the file cannot be read (%2).</translation>
    </message>
    <message>
        <source>%1: die Datei ist größer als 16 MiB; ein Werkzeugmodell ist kleiner.</source>
        <translation>%1: the file is larger than 16 MiB; a tool model is smaller.</translation>
    </message>
    <message>
        <source>Es sind höchstens 100 eigene Werkzeuge möglich.</source>
        <translation>At most 100 own tools are possible.</translation>
    </message>
    <message>
        <source>Werkzeugmodell laden</source>
        <translation>Load Tool Model</translation>
    </message>
    <message>
        <source>Werkzeugmodelle (*.json *.csv *.txt);;Alle Dateien (*)</source>
        <translation>Tool models (*.json *.csv *.txt);;All files (*)</translation>
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
    <message>
        <source>TVD</source>
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
        <source>Die erste Zeile kann nicht der Anschlusspunkt sein: es fehlt eine Spalte für %s.</source>
        <translation>The first row cannot be the tie-in: a column is missing for %s.</translation>
    </message>
    <message>
        <source>Zeile %d ist kein gültiger Anschlusspunkt: Teufe ab 0 m, Längen bis 10⁹ m, Neigung 0 bis 180 Grad, Azimut 0 bis 360 Grad.</source>
        <translation>Row %d is no valid tie-in: depth from 0 m, lengths up to 10⁹ m, inclination 0 to 180 degrees, azimuth 0 to 360 degrees.</translation>
    </message>
    <message>
        <source>Gesamtfeld</source>
        <translation>Total field</translation>
    </message>
    <message>
        <source>Inklination des Magnetfelds</source>
        <translation>Magnetic dip</translation>
    </message>
    <message>
        <source>Schwere</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>über 0 bis 1000000 nT</source>
        <translation>above 0 up to 1000000 nT</translation>
    </message>
    <message>
        <source>-90 bis 90 Grad</source>
        <translation>-90 to 90 degrees</translation>
    </message>
    <message>
        <source>über 0 bis 100 m/s²</source>
        <translation>above 0 up to 100 m/s²</translation>
    </message>
    <message>
        <source>%s: die Einheit von „%s“ ist für %s nicht bekannt (%s).</source>
        <translation>%s: the unit of &quot;%s&quot; is not known for %s (%s).</translation>
    </message>
    <message>
        <source>%s: „%s“ ist kein möglicher Wert für %s (%s).</source>
        <translation>%s: &quot;%s&quot; is not a possible value for %s (%s).</translation>
    </message>
    <message>
        <source>ein Nullzeichen, das in XML nicht stehen darf</source>
        <translation>a NUL character, which XML does not allow</translation>
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
    <message>
        <source>Die Messung beginnt am Anschlusspunkt der Datei: MD %1 m, TVD %2 m, Nord %3 m, Ost %4 m, Neigung %5°, Azimut %6°.</source>
        <translation>The survey begins at the file&apos;s tie-in point: MD %1 m, TVD %2 m, north %3 m, east %4 m, inclination %5°, azimuth %6°.</translation>
    </message>
    <message>
        <source>TVD:</source>
        <translation>TVD:</translation>
    </message>
    <message>
        <source>Nord:</source>
        <translation>North:</translation>
    </message>
    <message>
        <source>Ost:</source>
        <translation>East:</translation>
    </message>
    <message>
        <source>Erste Zeile als Anschlusspunkt (TVD, Nord, Ost)</source>
        <translation>First row as tie-in (TVD, North, East)</translation>
    </message>
    <message>
        <source>automatisch (keine)</source>
        <translation>automatic (none)</translation>
    </message>
    <message>
        <source>Die erste Zeile ist der Anschlusspunkt: MD %1 m, TVD %2 m, Nord %3 m, Ost %4 m, Neigung %5°, Azimut %6°.</source>
        <translation>The first row is the tie-in: MD %1 m, TVD %2 m, north %3 m, east %4 m, inclination %5°, azimuth %6°.</translation>
    </message>
    <message>
        <source>Die erste Zeile liegt an der Oberfläche und bleibt der erste Messpunkt.</source>
        <translation>The first row lies at the surface and stays the first station.</translation>
    </message>
    <message>
        <source>Gesamtfeld:</source>
        <translation>Total field:</translation>
    </message>
    <message>
        <source>Inklination des Magnetfelds:</source>
        <translation>Magnetic dip:</translation>
    </message>
    <message>
        <source>Schwere:</source>
        <translation>Gravity:</translation>
    </message>
    <message>
        <source>%1 Messpunkte mit Feldmessungen (Gesamtfeld, Inklination, Schwere).</source>
        <translation>%1 stations with field readings (total field, dip, gravity).</translation>
    </message>
    <message>
        <source>Inkl. Magnetfeld</source>
        <translation>Magnetic dip</translation>
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
    <name>Vermessungsprogramm</name>
    <message>
        <source>Abschnitt %1, %2</source>
        <translation>Run %1, %2</translation>
    </message>
    <message>
        <source>Von MD (m)</source>
        <translation>From MD (m)</translation>
    </message>
    <message>
        <source>Bis MD (m)</source>
        <translation>To MD (m)</translation>
    </message>
    <message>
        <source>Werkzeug</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>bitte einen Code aus dem Werkzeugkatalog angeben.</source>
        <translation>please enter a code of the tool catalogue.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Code des Werkzeugkatalogs.</source>
        <translation>&quot;%1&quot; is not a code of the tool catalogue.</translation>
    </message>
    <message>
        <source>%1: nur der letzte Abschnitt darf bis zum Ende der Bohrung reichen; bitte eine Teufe angeben.</source>
        <translation>%1: only the last run may reach to the end of the well; please enter a depth.</translation>
    </message>
    <message>
        <source>%1: das Ende muss tiefer liegen als der Anfang (Von MD).</source>
        <translation>%1: the end must lie deeper than the start (From MD).</translation>
    </message>
    <message>
        <source>%1: der Abschnitt muss beginnen, wo der Abschnitt davor endet (%2 m).</source>
        <translation>%1: the run must begin where the run above ends (%2 m).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: der Name ist zu lang (höchstens 200 Bytes).</source>
        <translation>%1: the name is too long (at most 200 bytes).</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein Tag des Kalenders (TT.MM.JJJJ).</source>
        <translation>%1: &quot;%2&quot; is not a calendar day (DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>Das Vermessungsprogramm hat mehr als 100 Abschnitte.</source>
        <translation>The survey program has more than 100 runs.</translation>
    </message>
    <message>
        <source>Abschnitt %1 des Vermessungsprogramms nennt kein Werkzeug.</source>
        <translation>Run %1 of the survey program names no tool.</translation>
    </message>
    <message>
        <source>Abschnitt %1 des Vermessungsprogramms: Werkzeug oder Name ist zu lang.</source>
        <translation>Run %1 of the survey program: tool or name is too long.</translation>
    </message>
    <message>
        <source>Abschnitt %1 des Vermessungsprogramms: die Teufen müssen von 0 bis 1e9 m reichen.</source>
        <translation>Run %1 of the survey program: the depths must lie between 0 and 1e9 m.</translation>
    </message>
    <message>
        <source>Abschnitt %1 des Vermessungsprogramms endet nicht unter seinem Anfang.</source>
        <translation>Run %1 of the survey program does not end below its start.</translation>
    </message>
    <message>
        <source>Abschnitt %1 des Vermessungsprogramms hat kein Ende, ist aber nicht der letzte.</source>
        <translation>Run %1 of the survey program has no end but is not the last.</translation>
    </message>
    <message>
        <source>Abschnitt %1 des Vermessungsprogramms beginnt nicht, wo der Abschnitt davor endet (%2).</source>
        <translation>Run %1 of the survey program does not begin where the run above ends (%2).</translation>
    </message>
    <message>
        <source>Der Messpunkt bei MD %1 m liegt in keinem Abschnitt des Vermessungsprogramms.</source>
        <translation>The station at MD %1 m lies in no run of the survey program.</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiger JSON-Text in UTF-8.</source>
        <translation>The file is no valid JSON text in UTF-8.</translation>
    </message>
    <message>
        <source>Die Datei hält kein Werkzeug: erwartet ist ein JSON-Objekt eines Werkzeugs oder eine Liste von 1 bis 100 Werkzeugen.</source>
        <translation>The file holds no tool: expected is a JSON object of a tool or a list of 1 to 100 tools.</translation>
    </message>
    <message>
        <source>Werkzeug %1: </source>
        <translation>Tool %1: </translation>
    </message>
    <message>
        <source>Das Werkzeug ist kein JSON-Objekt.</source>
        <translation>The tool is not a JSON object.</translation>
    </message>
    <message>
        <source>Die Datei nennt das Werkzeug %1 zweimal.</source>
        <translation>The file names the tool %1 twice.</translation>
    </message>
    <message>
        <source>Die Tabelle braucht die Spalten Code, Gewichtungsfunktion, Betrag, Einheit und Fortpflanzung (oder Code, Function, Magnitude, Unit und Propagation) in ihrer ersten Zeile.</source>
        <translation>The table needs the columns Code, Function, Magnitude, Unit and Propagation (or Code, Gewichtungsfunktion, Betrag, Einheit and Fortpflanzung) in its first row.</translation>
    </message>
    <message>
        <source>Zeile %1, Spalte %2</source>
        <translation>Row %1, column %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Fortpflanzung (R, S, W oder G).</source>
        <translation>%1: &quot;%2&quot; is no propagation (R, S, W or G).</translation>
    </message>
    <message>
        <source>%1: bitte einen Text von 1 bis 60 Zeichen angeben.</source>
        <translation>%1: please give a text of 1 to 60 characters.</translation>
    </message>
    <message>
        <source>Ein eigenes Werkzeug braucht einen Code von 1 bis 60 Zeichen.</source>
        <translation>An own tool needs a code of 1 to 60 characters.</translation>
    </message>
    <message>
        <source>Werkzeug %1: die Beschreibung ist zu lang.</source>
        <translation>Tool %1: the description is too long.</translation>
    </message>
    <message>
        <source>Werkzeug %1: der Neigungsbereich muss von 0 bis 180° reichen, sein Anfang nicht unter seinem Ende.</source>
        <translation>Tool %1: the inclination range must lie within 0 to 180°, its start not below its end.</translation>
    </message>
    <message>
        <source>Werkzeug %1: Tortuosität, Mindestlänge und Rauschfaktor müssen größer als 0 sein.</source>
        <translation>Tool %1: tortuosity, minimum course length and noise factor must be greater than 0.</translation>
    </message>
    <message>
        <source>Werkzeug %1: es braucht 1 bis 200 Fehlerterme.</source>
        <translation>Tool %1: it needs 1 to 200 error terms.</translation>
    </message>
    <message>
        <source>Werkzeug %1, Fehlerterm %2: Code, Gewichtungsfunktion und Einheit müssen angegeben sein (höchstens 60 Zeichen).</source>
        <translation>Tool %1, error term %2: code, weighting function and unit must be given (at most 60 characters).</translation>
    </message>
    <message>
        <source>Werkzeug %1, Fehlerterm %2: der Betrag muss eine Zahl von mindestens 0 sein.</source>
        <translation>Tool %1, error term %2: the magnitude must be a number of at least 0.</translation>
    </message>
    <message>
        <source>Werkzeug %1, Fehlerterm %2: die Fortpflanzung ist R, S, W oder G.</source>
        <translation>Tool %1, error term %2: the propagation is R, S, W or G.</translation>
    </message>
</context>
<context>
    <name>Vermessungsprüfung</name>
    <message>
        <source>Gesamtfeld</source>
        <translation>Total field</translation>
    </message>
    <message>
        <source>Inklination</source>
        <translation>Dip</translation>
    </message>
    <message>
        <source>Schwere</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>%1 %2, Referenz %3, Abweichung %4 (Toleranz %5)</source>
        <translation>%1 %2, reference %3, deviation %4 (tolerance %5)</translation>
    </message>
    <message>
        <source>Messpunkt bei %1 m MD außerhalb der Toleranz: %2</source>
        <translation>Survey station at %1 m MD outside tolerance: %2</translation>
    </message>
    <message>
        <source>%1 der Messpunkte nicht geprüft: weder die Datei noch die Bohrungseinstellungen geben einen Referenzwert.</source>
        <translation>%1 of the survey stations not checked: neither the file nor the well settings give a reference value.</translation>
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
    <message>
        <source>automatisch</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>&amp;Zylinderradius (m):</source>
        <translation>&amp;Cylinder radius (m):</translation>
    </message>
    <message>
        <source>Bitte eine Zahl größer als 0 eingeben (Meter); leer: automatisch.</source>
        <translation>Please enter a number greater than 0 (metres); empty: automatic.</translation>
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
    <message>
        <source>Anschlusspunkt: MD</source>
        <translation>Tie-in point: MD</translation>
    </message>
    <message>
        <source>Anschlusspunkt: TVD</source>
        <translation>Tie-in point: TVD</translation>
    </message>
    <message>
        <source>Anschlusspunkt: Nord</source>
        <translation>Tie-in point: north</translation>
    </message>
    <message>
        <source>Anschlusspunkt: Ost</source>
        <translation>Tie-in point: east</translation>
    </message>
    <message>
        <source>Anschlusspunkt: Neigung</source>
        <translation>Tie-in point: inclination</translation>
    </message>
    <message>
        <source>Anschlusspunkt: Azimut</source>
        <translation>Tie-in point: azimuth</translation>
    </message>
    <message>
        <source>Vermessungsdatum: &quot;%s&quot; ist kein Tag des Kalenders (TT.MM.JJJJ).</source>
        <translation>Survey date: &quot;%s&quot; is not a calendar day (DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>Leere Felder für Deklination, Inklination und Totalintensität kommen aus dem Magnetfeldmodell, aber das Vermessungsdatum fehlt.</source>
        <translation>Empty fields for declination, dip and total field come from the geomagnetic model, but the survey date is missing.</translation>
    </message>
    <message>
        <source>%1: %2%3</source>
        <translation>%1: %2%3</translation>
    </message>
    <message>
        <source>Leere Felder für Deklination, Inklination und Totalintensität: %1 am Ansatzpunkt (Vermessungsdatum %2).</source>
        <translation>Empty fields for declination, dip and total field: %1 at the wellhead (survey date %2).</translation>
    </message>
    <message>
        <source>Vermessungsprogramm</source>
        <translation>Survey program</translation>
    </message>
</context>
<context>
    <name>Werkzeugkatalog</name>
    <message>
        <source>Das Werkzeug %s lässt sich nicht berechnen: die Gewichtungsfunktion %s ist nicht umgesetzt.</source>
        <translation>The tool %s cannot be computed: the weighting function %s is not implemented.</translation>
    </message>
    <message>
        <source>Das Werkzeug %s lässt sich nicht berechnen: die Einheit „%s“ ist unbekannt.</source>
        <translation>The tool %s cannot be computed: the unit “%s” is unknown.</translation>
    </message>
    <message>
        <source>Das Werkzeug %s ist nicht im Katalog.</source>
        <translation>The tool %s is not in the catalogue.</translation>
    </message>
    <message>
        <source>Das Werkzeug %s lässt sich ohne die geographische Breite nicht berechnen: der Kreiselkompass misst die Erddrehung, deren waagrechter Anteil von der Breite abhängt.</source>
        <translation>The tool %s cannot be computed without the latitude: the gyrocompass measures the earth&apos;s rotation, whose horizontal part depends on the latitude.</translation>
    </message>
    <message>
        <source>Das Werkzeug %s lässt sich bei der Breite %s° nicht berechnen: am Pol zeigt der Kreiselkompass nicht nach Norden.</source>
        <translation>The tool %s cannot be computed at latitude %s°: at a pole the gyrocompass does not point north.</translation>
    </message>
    <message>
        <source>Abschnitt %1 des Vermessungsprogramms: %2</source>
        <translation>Run %1 of the survey program: %2</translation>
    </message>
    <message>
        <source>Das eigene Werkzeug %s trägt den Code eines Werkzeugs des Katalogs; es braucht einen eigenen Code.</source>
        <translation>The own tool %s bears the code of a tool of the catalogue; it needs a code of its own.</translation>
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
    <message>
        <source>Zeile %d: der Anschlusspunkt (tie in point) liegt außerhalb der Grenzen eines Messpunkts (Teufe ab 0 m, Neigung 0 bis 180 Grad, Azimut 0 bis 360 Grad).</source>
        <translation>Line %d: the tie-in point lies outside the limits of a station (depth from 0 m, inclination 0 to 180 degrees, azimuth 0 to 360 degrees).</translation>
    </message>
    <message>
        <source>Zeile %d: „%s %s“ in &lt;%s&gt; ist kein möglicher Wert.</source>
        <translation>Line %d: “%s %s” in &lt;%s&gt; is not a possible value.</translation>
    </message>
    <message>
        <source>Zeile %d: die Einheit „%s“ von &lt;%s&gt; wird nicht gelesen (%s).</source>
        <translation>Line %d: the unit “%s” of &lt;%s&gt; is not read (%s).</translation>
    </message>
</context>
</TS>
