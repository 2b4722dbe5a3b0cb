# Testbohrung: Aufbau 3 Grad je 30 m, Azimut 45 Grad
~VERSION INFORMATION
 VERS.                 2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0
 WRAP.                  NO : ONE LINE PER DEPTH STEP
~WELL INFORMATION BLOCK
#MNEM.UNIT       DATA                    DESCRIPTION
 STRT.M          0.0000                 : START DEPTH
 STOP.M        600.0000                 : STOP DEPTH
 STEP.M         30.0000                 : STEP
 NULL.         -999.25                  : NULL VALUE
 COMP.           Bohrgesellschaft Nord   : COMPANY
 WELL.           Aufbau 3-30             : WELL
 FLD .           Testfeld                : FIELD
 DATE.           09.12.2026 13:45        : LOG DATE
~CURVE INFORMATION
#MNEM.UNIT      API CODE               CURVE DESCRIPTION
 DEPT.M                                : MEASURED DEPTH
 GR  .GAPI                             : GAMMA RAY
 INC .DEG                              : INCLINATION
 AZI .DEG                              : AZIMUTH
~PARAMETER INFORMATION
 BHT .DEGC       35.5                  : BOTTOM HOLE TEMPERATURE
~OTHER
Vermessung mit MWD; die Gammawerte fehlen teilweise.
~A  DEPTH     GR       INC      AZI
    0.0000     50.00   0.0000  45.0000
   30.0000   -999.25   3.0000  45.0000
   60.0000     52.00   6.0000  45.0000
   90.0000     53.00   9.0000  45.0000
  120.0000     54.00  12.0000  45.0000
  150.0000   -999.25  15.0000  45.0000
  180.0000     56.00  18.0000  45.0000
  210.0000     57.00  21.0000  45.0000
  240.0000     58.00  24.0000  45.0000
  270.0000   -999.25  27.0000  45.0000
  300.0000     60.00  30.0000  45.0000
  330.0000     61.00  33.0000  45.0000
  360.0000     62.00  36.0000  45.0000
  390.0000   -999.25  39.0000  45.0000
  420.0000     64.00  42.0000  45.0000
  450.0000     65.00  45.0000  45.0000
  480.0000     66.00  48.0000  45.0000
  510.0000   -999.25  51.0000  45.0000
  540.0000     68.00  54.0000  45.0000
  570.0000     69.00  57.0000  45.0000
  600.0000     70.00  60.0000  45.0000
  630.0000     60.00  -999.25  -999.25
