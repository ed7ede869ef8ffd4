<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/ui/AboutDialog.cpp" line="+47"/>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Software zur hygrothermischen Bewertung von Bauteilen der Gebäudehülle</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Feedback or bug reports...</source>
        <translation>Rückmeldungen oder Fehlerberichte …</translation>
    </message>
</context>
<context>
    <name>AssessmentChoices</name>
    <message>
        <location filename="../src/model/AssessmentChoices.cpp" line="+96"/>
        <source>DIN 4108-3:2001</source>
        <translation>DIN 4108-3:2001</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3:2014</source>
        <translation>DIN 4108-3:2014</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3:2018</source>
        <translation>DIN 4108-3:2018</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 with the user-defined A_w limit %L1 kg/(m²·h^0.5)</source>
        <translation>DIN 4108-3 mit dem benutzerdefinierten A_w-Grenzwert %L1 kg/(m²·h^0,5)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, no drying reserve</source>
        <translation>%1, keine Trocknungsreserve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, drying reserve %L2 g/(m²·a)</source>
        <translation>%1, Trocknungsreserve %L2 g/(m²·a)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>defaults</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>project and command line</source>
        <translation>Projekt und Befehlszeile</translation>
    </message>
</context>
<context>
    <name>AssessmentConditions</name>
    <message>
        <location filename="../src/calculation/ClimatePresets.cpp" line="+124"/>
        <source>Custom conditions</source>
        <translation>Benutzerdefinierte Randbedingungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>German Standard DIN 4108-3 from 2001</source>
        <translation>DIN 4108-3, Ausgabe 2001</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>German Standard DIN 4108-3 from 2014 and 2018</source>
        <translation>DIN 4108-3, Ausgaben 2014 und 2018</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown condition</source>
        <translation>Unbekannte Randbedingungen</translation>
    </message>
</context>
<context>
    <name>AssessmentTypeWidget</name>
    <message>
        <location filename="../src/ui/AssessmentTypeWidget.ui" line="+12"/>
        <source>Assessment Type</source>
        <translation>Nachweisverfahren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select assessment type</source>
        <translation>Nachweisverfahren wählen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Condensation time in d</source>
        <translation>Tauperiode in d</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Drying time in d</source>
        <translation>Verdunstungsperiode in d</translation>
    </message>
    <message>
        <location filename="../src/ui/AssessmentTypeWidget.cpp" line="+19"/>
        <source>The condensation time must be &gt; 0d and &lt; 300d.</source>
        <translation>Die Dauer der Tauperiode muss &gt; 0 d und &lt; 300 d sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drying time must be &gt; 0d and &lt; 300d.</source>
        <translation>Die Dauer der Verdunstungsperiode muss &gt; 0 d und &lt; 300 d sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Assessment type</source>
        <translation>Nachweisverfahren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensation time</source>
        <translation>Tauperiode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drying time</source>
        <translation>Verdunstungsperiode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom conditions or the climates and periods of DIN 4108-3.</source>
        <translation>Benutzerdefinierte Randbedingungen oder die Klimabedingungen und Perioden der DIN 4108-3.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length of the condensation period in days, greater than 0.1 and less than 300.</source>
        <translation>Dauer der Tauperiode in Tagen, größer als 0,1 und kleiner als 300.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Length of the drying period in days, greater than 0.1 and less than 300.</source>
        <translation>Dauer der Verdunstungsperiode in Tagen, größer als 0,1 und kleiner als 300.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Undo change of condensation time.</source>
        <translation>Änderung der Tauperiode rückgängig machen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo change of evaporation time</source>
        <translation>Änderung der Verdunstungsperiode rückgängig machen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Undo change of assessment type.</source>
        <translation>Änderung des Nachweisverfahrens rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>CalcCommand</name>
    <message>
        <location filename="../src/cli/CalcCommand.cpp" line="+23"/>
        <source>calc [options] FILE...       recalculate project files, print results and criteria as JSON</source>
        <translation>calc [options] FILE …        Projektdateien neu berechnen, Ergebnisse und Kriterien als JSON ausgeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli calc [options] FILE...
Loads each project file (.v2p or .vpj; &apos;-&apos;: standard input), recalculates it and prints the results and the
criteria as JSON: one object for one file, an array of objects for several.

Options:
  --json                 JSON (the default)
  --text                 short human-readable summary instead of JSON
  --array                always an array, also for one file
  --json-lines           one JSON object per line
  @LIST                  read the project files from the file LIST, one per line
  --list-kinds           print the editions, tables and construction kinds the criteria options
                         accept, and nothing else
</source>
        <translation>Aufruf: hygrolux2-cli calc [options] FILE…
Lädt jede Projektdatei (.v2p oder .vpj; „-“: Standardeingabe), berechnet sie neu und gibt die Ergebnisse und die
Kriterien als JSON aus: ein Objekt für eine Datei, ein Array von Objekten für mehrere.

Optionen:
  --json                 JSON (die Vorgabe)
  --text                 kurze lesbare Zusammenfassung statt JSON
  --array                immer ein Array, auch für eine Datei
  --json-lines           ein JSON-Objekt je Zeile
  @LIST                  Projektdateien aus der Datei LIST lesen, eine je Zeile
  --list-kinds           die Ausgaben, Tabellen und Bauteilarten ausgeben, die die Kriterienoptionen
                         annehmen, und sonst nichts
</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>

Exit codes:
  0  every file loaded and assessed
  1  bad usage
  2  a file could not be loaded
  3  every file loaded, but a project&apos;s input is invalid or its calculation has no result the criteria could judge (its rows are &quot;Not assessed&quot;)</source>
        <translation>

Rückgabewerte:
  0  jede Datei geladen und bewertet
  1  fehlerhafter Aufruf
  2  eine Datei konnte nicht geladen werden
  3  jede Datei geladen, aber die Eingaben eines Projekts sind ungültig oder seine Berechnung hat kein bewertbares Ergebnis (seine Zeilen lauten &quot;Nicht bewertet&quot;)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>--text prints no JSON; choose one of --text, --array and --json-lines.</source>
        <translation>--text gibt kein JSON aus; wählen Sie eine der Optionen --text, --array und --json-lines.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1: the file list cannot be read.</source>
        <translation>%1: Die Dateiliste kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+41"/>
        <source>%1: not assessed: %2</source>
        <translation>%1: nicht bewertet: %2</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>No project file given.</source>
        <translation>Keine Projektdatei angegeben.</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <location filename="../src/calculation/Calculation.cpp" line="+239"/>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Dicke %1 der &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Error in Glaser-Calculation.</source>
        <translation>Fehler in der Glaser-Berechnung.</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>Calculation error.</source>
        <translation>Berechnungsfehler.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Invalid mu %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Wasserdampf-Diffusionswiderstandszahl µ = %1 des Materials in &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid thermal conductivity %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Wärmeleitfähigkeit %1 des Materials in &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid surface resistance outside %f.</source>
        <translation>Ungültiger äußerer Wärmeübergangswiderstand %f.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid surface resistance inside)%f.</source>
        <translation>Ungültiger innerer Wärmeübergangswiderstand %f.</translation>
    </message>
    <message>
        <location filename="../src/calculation/CalculationVapro.cpp" line="+72"/>
        <source>Some problem in calculation! Algorithm error!</source>
        <translation>Problem in der Berechnung! Fehler im Algorithmus!</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Invalid moisture storage values for &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation>Ungültige Feuchtespeicherwerte für &lt;a href=&quot;layer-%1&quot;&gt;Schicht Nr. %1&lt;/a&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current moisture content at 80%RH leads to an moisture content at 95%RH higher than saturation moisture content.</source>
        <translation>Der Feuchtegehalt bei 80 % r. F. ergibt bei 95 % r. F. einen Feuchtegehalt über dem Sättigungsfeuchtegehalt.</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>The moisture-dependent calculation can search condensation planes in at most %1 layers, this construction has %2 layers.</source>
        <translation>Die feuchteabhängige Berechnung kann Tauwasserebenen in höchstens %1 Schichten suchen, diese Konstruktion hat %2 Schichten.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>No Solution found!</source>
        <translation>Keine Lösung gefunden!</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>pv_e not correctly calculated! Algorithm error!</source>
        <translation>pv_e nicht korrekt berechnet! Fehler im Algorithmus!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not find valid combination of k-planes! Algorithm error!</source>
        <translation>Keine gültige Kombination von Tauwasserebenen gefunden! Fehler im Algorithmus!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No valid combination of condensation planes was found within the search limit for constructions of more than %1 layers, this construction has %2 layers.</source>
        <translation>Innerhalb der Suchgrenze für Konstruktionen mit mehr als %1 Schichten wurde keine gültige Kombination von Tauwasserebenen gefunden; diese Konstruktion hat %2 Schichten.</translation>
    </message>
    <message>
        <location line="+80"/>
        <location line="+11"/>
        <source>Error in calculation m_results.sk_Cond[%1], denominator == 0!</source>
        <translation>Fehler bei der Berechnung von m_results.sk_Cond[%1], Nenner == 0!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Error in calculation m_results.sk_Cond[%1], Value &lt; 0!</source>
        <translation>Fehler bei der Berechnung von m_results.sk_Cond[%1], Wert &lt; 0!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error in calculation of the condensate build-up, net vapour flux into the condensation zones == 0!</source>
        <translation>Fehler bei der Berechnung des Tauwasserausfalls: Netto-Diffusionsstrom in die Tauwasserbereiche == 0!</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error in calculation of the drying time, evaporation flux == 0!</source>
        <translation>Fehler bei der Berechnung der Austrocknungszeit: Verdunstungsstrom == 0!</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <location filename="../src/cli/CliCommand.cpp" line="+14"/>
        <source>Standard output could not be written.</source>
        <translation>Die Standardausgabe konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: not assessed: %2</source>
        <translation>%1: nicht bewertet: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>See hygrolux2-cli %1 --help.</source>
        <translation>Siehe hygrolux2-cli %1 --help.</translation>
    </message>
</context>
<context>
    <name>CliDispatcher</name>
    <message>
        <location filename="../src/cli/CliDispatcher.cpp" line="+29"/>
        <source>No command given; see hygrolux2-cli --help.</source>
        <translation>Kein Befehl angegeben; siehe hygrolux2-cli --help.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Unknown command &apos;%1&apos;; see hygrolux2-cli --help.</source>
        <translation>Unbekannter Befehl &apos;%1&apos;; siehe hygrolux2-cli --help.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Usage: hygrolux2-cli COMMAND [options] [arguments]
Batch tool of %1: the program&apos;s own model, calculation and criteria without a window.

Commands:
</source>
        <translation>Aufruf: hygrolux2-cli COMMAND [options] [arguments]
Stapelverarbeitung von %1: Modell, Berechnung und Kriterien des Programms ohne Fenster.

Befehle:
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
  -h, --help                   this text; &apos;hygrolux2-cli COMMAND --help&apos; for a command
  -V, --version                program version (also after a command)
  --verbose                    the program&apos;s log on standard error (before or after a command)
  --lang ID                    language of texts and numbers: en (default) or de (before or after a command)</source>
        <translation>
  -h, --help                   dieser Text; &apos;hygrolux2-cli COMMAND --help&apos; für einen Befehl
  -V, --version                Programmversion (auch nach einem Befehl)
  --verbose                    das Protokoll des Programms auf der Standardfehlerausgabe (vor oder nach einem Befehl)
  --lang ID                    Sprache der Texte und Zahlen: en (Vorgabe) oder de (vor oder nach einem Befehl)</translation>
    </message>
</context>
<context>
    <name>CliFiles</name>
    <message>
        <location filename="../src/cli/CliFiles.cpp" line="+43"/>
        <source>%1: this is an input file; it is never written over.</source>
        <translation>%1: Dies ist eine Eingabedatei; sie wird nie überschrieben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: the file exists; use --force to replace it.</source>
        <translation>%1: Die Datei existiert bereits; mit --force wird sie ersetzt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Standard output could not be written.</source>
        <translation>Die Standardausgabe konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: the name has bytes that are not valid %2 text, so no file of this name can be opened or written; rename the file.</source>
        <translation>%1: Der Name enthält Bytes, die kein gültiger %2-Text sind, daher kann keine Datei dieses Namens geöffnet oder geschrieben werden; benennen Sie die Datei um.</translation>
    </message>
</context>
<context>
    <name>CliLanguage</name>
    <message>
        <location filename="../src/cli/CliLanguage.cpp" line="+25"/>
        <source>--lang needs a language id (en or de).</source>
        <translation>--lang braucht eine Sprachkennung (en oder de).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Language &apos;%1&apos; is not available: its catalogues are missing in %2.</source>
        <translation>Die Sprache &apos;%1&apos; ist nicht verfügbar: ihre Übersetzungskataloge fehlen in %2.</translation>
    </message>
</context>
<context>
    <name>ClimateEditWidget</name>
    <message>
        <location filename="../src/ui/ClimateEditWidget.ui" line="+12"/>
        <source>Climatic Data</source>
        <translation>Klimarandbedingungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select climate data preset:</source>
        <translation>Klimavorgabe wählen:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Winter:</source>
        <translation>Winter:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Summer:</source>
        <translation>Sommer:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Temperature in [°C]:</source>
        <translation>Temperatur in [°C]:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Relative Humidity in [%]:</source>
        <translation>Relative Luftfeuchte in [%]:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Surface transfer resistance in [m²K/W]:</source>
        <translation>Wärmeübergangswiderstand in [m²K/W]:</translation>
    </message>
    <message>
        <location filename="../src/ui/ClimateEditWidget.cpp" line="+22"/>
        <source>The temperature must be &gt; -40%1C and &lt; 80%1C.</source>
        <translation>Die Temperatur muss &gt; -40 %1C und &lt; 80 %1C sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The relative humidity must be &gt; 0% and &lt; 100%.</source>
        <translation>Die relative Luftfeuchte muss &gt; 0 % und &lt; 100 % sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The surface resistance must be &gt;= 0.</source>
        <translation>Der Wärmeübergangswiderstand muss &gt;= 0 sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Climate data preset</source>
        <translation>Klimavorgabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relative humidity</source>
        <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface transfer resistance</source>
        <translation>Wärmeübergangswiderstand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard climates of the chosen assessment type for this side.</source>
        <translation>Normklimate des gewählten Nachweisverfahrens für diese Seite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperature in °C, greater than -40 and less than 80.</source>
        <translation>Temperatur in °C, größer als -40 und kleiner als 80.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relative humidity in %, greater than 0 and less than 100.</source>
        <translation>Relative Luftfeuchte in %, größer als 0 und kleiner als 100.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface transfer resistance in m²K/W, greater than 0.</source>
        <translation>Wärmeübergangswiderstand in m²K/W, größer als 0.</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Undo change of temperature (condensation) at %1</source>
        <translation>Änderung der Temperatur (Tauperiode) auf der %1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Undo change of relative humidity (condensation) at %1</source>
        <translation>Änderung der relativen Luftfeuchte (Tauperiode) auf der %1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undo change of surface resistance at %1</source>
        <translation>Änderung des Wärmeübergangswiderstands auf der %1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Undo change climate data set at %1</source>
        <translation>Änderung der Klimavorgabe auf der %1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>warm side</source>
        <translation>Warmseite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>cold side</source>
        <translation>Kaltseite</translation>
    </message>
</context>
<context>
    <name>ClimateFrame</name>
    <message>
        <location filename="../src/report/ClimateFrame.cpp" line="+17"/>
        <source>Climate Data</source>
        <translation>Klimarandbedingungen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Climate at warm side</source>
        <translation>Klima auf der Warmseite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Climate at cold side</source>
        <translation>Klima auf der Kaltseite</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relative Humidity</source>
        <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Winter Climate</source>
        <translation>Winterklima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duration of Condensation Period (winter)</source>
        <translation>Dauer der Tauperiode (Winter)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Duration of Drying Period (summer)</source>
        <translation>Dauer der Verdunstungsperiode (Sommer)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Summer Climate</source>
        <translation>Sommerklima</translation>
    </message>
</context>
<context>
    <name>ClimatePresets</name>
    <message>
        <location filename="../src/calculation/ClimatePresets.cpp" line="-112"/>
        <source>Custom climate conditions, indoor</source>
        <translation>Benutzerdefiniertes Klima, innen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom climate conditions, outdoor</source>
        <translation>Benutzerdefiniertes Klima, außen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards</source>
        <translation>DIN 4108-3 2001 Innenklima, Wärmestromrichtung horizontal und aufwärts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction downwards</source>
        <translation>DIN 4108-3 2001 Innenklima, Wärmestromrichtung abwärts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 2001 Outdoor, boundary to outside</source>
        <translation>DIN 4108-3 2001 Außen, an Außenluft grenzend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3 2001 Outdoor, boundary to ventilated air space</source>
        <translation>DIN 4108-3 2001 Außen, an belüftete Luftschicht grenzend</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 2001 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2001 Außen, an Erdreich grenzend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction horizontal</source>
        <translation>DIN EN ISO 6946 Innenklima, Wärmestromrichtung horizontal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction downwards</source>
        <translation>DIN EN ISO 6946 Innenklima, Wärmestromrichtung abwärts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction upwards</source>
        <translation>DIN EN ISO 6946 Innenklima, Wärmestromrichtung aufwärts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN EN ISO 6946 Outdoor climate</source>
        <translation>DIN EN ISO 6946 Außenklima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN EN ISO 13788 Indoor climate, on glazings and window frames</source>
        <translation>DIN EN ISO 13788 Innenklima, an Verglasungen und Fensterrahmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN EN ISO 13788 Indoor climate, all other surfaces</source>
        <translation>DIN EN ISO 13788 Innenklima, alle anderen Oberflächen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-8 Indoor climate, in built in cupboards, mould protection</source>
        <translation>DIN 4108-8 Innenklima, in Einbauschränken, Schimmelschutz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection</source>
        <translation>DIN 4108-8 Innenklima, hinter freistehenden Schränken, Schimmelschutz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3_2014 Indoor climate</source>
        <translation>DIN 4108-3_2014 Innenklima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3_2014 Outdoor climate</source>
        <translation>DIN 4108-3_2014 Außenklima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3 2014 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2014 Außen, an Erdreich grenzend</translation>
    </message>
</context>
<context>
    <name>ConclusionsFrame</name>
    <message>
        <location filename="../src/report/ConclusionsFrame.cpp" line="+77"/>
        <source>Algorithm missing. No calculation possible.</source>
        <translation>Kein Rechenverfahren vorhanden. Keine Berechnung möglich.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface condensation left side. No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche links. Keine Berechnung möglich.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface condensation right side. No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche rechts. Keine Berechnung möglich.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only one layer. No condensation possible.</source>
        <translation>Nur eine Schicht. Kein Tauwasserausfall möglich.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No condensation.</source>
        <translation>Kein Tauwasserausfall.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Too long hygroscopic loading time.</source>
        <translation>Zu lange hygroskopische Auffeuchtungszeit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unspecific error.</source>
        <translation>Unbestimmter Fehler.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Summary of Results</source>
        <translation>Zusammenfassung der Ergebnisse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Assessment: %1</source>
        <translation>Beurteilung: %1</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <location filename="../src/ui/ConfigDialog.cpp" line="+18"/>
        <source>Preference pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default Project Info</source>
        <translation>Standard-Projektinformationen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default Print Config</source>
        <translation>Standard-Druckeinstellungen</translation>
    </message>
</context>
<context>
    <name>ConfigPageGeneral</name>
    <message>
        <location filename="../src/ui/ConfigPageGeneral.cpp" line="+37"/>
        <source>Water absorption coefficient:</source>
        <translation>Wasseraufnahmekoeffizient:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use kg/m%1s%2 as unit for Aw</source>
        <translation>Einheit kg/m%1s%2 für Aw verwenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Use kg/m%1h%2 as unit for Aw</source>
        <translation>Einheit kg/m%1h%2 für Aw verwenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start-up:</source>
        <translation>Programmstart:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Program without project</source>
        <translation>Programm ohne Projekt starten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Program with last recent project</source>
        <translation>Programm mit dem zuletzt verwendeten Projekt starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Layer widths:</source>
        <translation>Schichtdicken:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Construction layer width in [mm]</source>
        <translation>Schichtdicke in [mm]</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Construction layer width in [cm]</source>
        <translation>Schichtdicke in [cm]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Construction layer width in [dm]</source>
        <translation>Schichtdicke in [dm]</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Construction layer width in [m]</source>
        <translation>Schichtdicke in [m]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Directory for user material database:</source>
        <translation>Verzeichnis der Benutzer-Materialdatenbank:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose the directory</source>
        <translation>Verzeichnis wählen</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+2"/>
        <source>Directory not valid.</source>
        <translation>Verzeichnis ungültig.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>There exist a file with the same name.</source>
        <translation>Es existiert eine Datei mit demselben Namen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The given text cannot be used as directory.</source>
        <translation>Der angegebene Text kann nicht als Verzeichnis verwendet werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Directory not writebale.</source>
        <translation>Verzeichnis nicht beschreibbar.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The material database cannot be stored here.</source>
        <translation>Die Materialdatenbank kann hier nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>User material directory</source>
        <translation>Verzeichnis der Benutzermaterialien</translation>
    </message>
</context>
<context>
    <name>ConfigPageProjectInformation</name>
    <message>
        <location filename="../src/ui/ConfigPageProjectInformation.cpp" line="+11"/>
        <source>The settings below are transfered into newly created projects. To edit the project information of the current project, use the project information editor available from the edit menu.</source>
        <translation>Die folgenden Angaben werden in neu angelegte Projekte übernommen. Die Projektinformationen des aktuellen Projekts bearbeiten Sie im Menü Bearbeiten mit dem Editor für Projektinformationen.</translation>
    </message>
</context>
<context>
    <name>ConfigPrintDefaults</name>
    <message>
        <location filename="../src/ui/ConfigPrintDefaults.cpp" line="+42"/>
        <source>General Appearance</source>
        <translation>Allgemeines Erscheinungsbild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Input Data</source>
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diagrams</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final Remarks</source>
        <translation>Schlussbemerkungen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>User logo</source>
        <translation>Eigenes Logo</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Printed in reports of projects without final remarks of their own.</source>
        <translation>Wird in Berichten von Projekten ohne eigene Schlussbemerkungen gedruckt.</translation>
    </message>
</context>
<context>
    <name>Construction</name>
    <message>
        <location filename="../src/model/ConstructionList.cpp" line="+51"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location filename="../src/model/Construction.cpp" line="+24"/>
        <source>the name of construction &apos;%1&apos;</source>
        <translation>dem Namen der Konstruktion &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the notes of construction &apos;%1&apos;</source>
        <translation>den Notizen der Konstruktion &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseTableModel</name>
    <message>
        <location filename="../src/ui/ConstructionDatabaseTableModel.cpp" line="+44"/>
        <source>%1mm %2</source>
        <translation>%1 mm %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warm side
Layer 1</source>
        <translation>Warmseite
Schicht 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cold side
Layer %1</source>
        <translation>Kaltseite
Schicht %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Layer %1</source>
        <translation>
Schicht %1</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseWidget</name>
    <message>
        <location filename="../src/ui/ConstructionDatabaseWidget.cpp" line="+47"/>
        <source>Construction list</source>
        <translation>Konstruktionsliste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Selected Construction:</source>
        <translation>Gewählte Konstruktion:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View and Notes</source>
        <translation>Ansicht und Notizen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit construction</source>
        <translation>Konstruktion bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit selected constrcution.</source>
        <translation>Gewählte Konstruktion bearbeiten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit Construction ...</source>
        <translation>Konstruktion bearbeiten …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit selected Construction.</source>
        <translation>Gewählte Konstruktion bearbeiten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit layers</source>
        <translation>Schichten bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Edit the layers of the selected construction.</source>
        <translation>Die Schichten der gewählten Konstruktion bearbeiten.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Edit Layers ...</source>
        <translation>Schichten bearbeiten …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy construction</source>
        <translation>Konstruktion kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy selected construction to a new one.</source>
        <translation>Gewählte Konstruktion in eine neue kopieren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Construction</source>
        <translation>Konstruktion kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Construction in order to create a new one.</source>
        <translation>Konstruktion kopieren, um eine neue anzulegen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Construction</source>
        <translation>Konstruktion löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete selected construction from list.</source>
        <translation>Gewählte Konstruktion aus der Liste löschen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Construction</source>
        <translation>Konstruktion entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Construction from Database.</source>
        <translation>Konstruktion aus der Datenbank entfernen.</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Warm side</source>
        <translation>Warmseite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cold side</source>
        <translation>Kaltseite</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>%1 (copy)</source>
        <translation>%1 (Kopie)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (copy %2)</source>
        <translation>%1 (Kopie %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+5"/>
        <source>Construction database</source>
        <translation>Konstruktionsdatenbank</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The construction database &apos;%1&apos; could not be written.</source>
        <translation>Die Konstruktionsdatenbank &apos;%1&apos; konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ConstructionEditDialog</name>
    <message>
        <location filename="../src/ui/ConstructionEditDialog.cpp" line="+23"/>
        <source>Edit construction &apos;%1&apos;</source>
        <translation>Konstruktion &apos;%1&apos; bearbeiten</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Remove layer</source>
        <translation>Schicht entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move layer left</source>
        <translation>Schicht nach links</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move layer right</source>
        <translation>Schicht nach rechts</translation>
    </message>
</context>
<context>
    <name>ConstructionLayerFrame</name>
    <message>
        <location filename="../src/report/ConstructionLayerFrame.cpp" line="+13"/>
        <source>Material Properties</source>
        <translation>Materialkennwerte</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>d - layer thickness,</source>
        <translation>d - Schichtdicke,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;lambda; - design value of thermal conductivity,</source>
        <translation>&amp;lambda; - Bemessungswert der Wärmeleitfähigkeit,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;mu; - vapour diffusion resistance factor,</source>
        <translation>&amp;mu; - Wasserdampf-Diffusionswiderstandszahl,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1,</source>
        <translation>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1,</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>moisture content for 80% RH. resp. saturation</source>
        <translation>Feuchtegehalt bei 80 % r. F. bzw. Sättigung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&lt;sub&gt;w&lt;/sub&gt; - %1,</source>
        <translation>A&lt;sub&gt;w&lt;/sub&gt; - %1,</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>water uptake coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>layers from left to right</source>
        <translation>Schichten von links nach rechts</translation>
    </message>
</context>
<context>
    <name>ConstructionList</name>
    <message>
        <location filename="../src/model/ConstructionList.cpp" line="-7"/>
        <source>unknown format version %1</source>
        <translation>unbekannte Formatversion %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>only %1 of %2 constructions could be read</source>
        <translation>nur %1 von %2 Konstruktionen konnten gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown data after the last of %1 constructions</source>
        <translation>unbekannte Daten nach der letzten von %1 Konstruktionen</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>test construction 1</source>
        <translation>Testkonstruktion 1</translation>
    </message>
</context>
<context>
    <name>ConstructionNameInputDialog</name>
    <message>
        <location filename="../src/ui/ConstructionNameInputDialog.cpp" line="+13"/>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Construction Name</source>
        <translation>Name der Konstruktion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <location filename="../src/cli/ConvertCommand.cpp" line="+16"/>
        <source>convert OLD NEW.v2p          write a project file in the current format</source>
        <translation>convert OLD NEW.v2p          eine Projektdatei im aktuellen Format schreiben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli convert [--force] OLD NEW.v2p
Reads any project file the program can open (.v2p or the older .vpj) and writes it as NEW.v2p;
NEW &apos;-&apos; writes it to standard output.

Options:
  --force     replace NEW.v2p when it exists

Exit codes: 0 written; 1 bad usage (also NEW is OLD itself, or ends in .vpj); 2 OLD could not be loaded, NEW exists without --force, or it could not be written.</source>
        <translation>Aufruf: hygrolux2-cli convert [--force] OLD NEW.v2p
Liest jede Projektdatei, die das Programm öffnen kann (.v2p oder das ältere .vpj), und schreibt sie als NEW.v2p;
NEW „-“ schreibt sie auf die Standardausgabe.

Optionen:
  --force     NEW.v2p ersetzen, wenn die Datei existiert

Rückgabewerte: 0 geschrieben; 1 fehlerhafter Aufruf (auch wenn NEW die Datei OLD selbst ist oder auf .vpj endet); 2 OLD konnte nicht geladen werden, NEW existiert ohne --force oder konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>convert needs the old and the new file name.</source>
        <translation>convert braucht den alten und den neuen Dateinamen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The new file must not have the extension .vpj; use .v2p.</source>
        <translation>Die neue Datei darf nicht die Endung .vpj haben; verwenden Sie .v2p.</translation>
    </message>
</context>
<context>
    <name>CriteriaBasis</name>
    <message>
        <location filename="../src/calculation/CriteriaBasis.cpp" line="+58"/>
        <source>The moisture-dependent method has no stationary solution here: condensate forms between layers without capillary transport. The moisture criteria are judged by the Glaser scheme of DIN 4108-3.</source>
        <translation>Das feuchteabhängige Verfahren hat hier keine stationäre Lösung: Tauwasser fällt zwischen Schichten ohne kapillaren Transport aus. Die Feuchtekriterien werden nach dem Glaser-Verfahren der DIN 4108-3 beurteilt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The moisture-dependent method gave no result: %1 The moisture criteria are judged by the Glaser scheme of DIN 4108-3.</source>
        <translation>Das feuchteabhängige Verfahren lieferte kein Ergebnis: %1 Die Feuchtekriterien werden nach dem Glaser-Verfahren der DIN 4108-3 beurteilt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>by the Glaser scheme of DIN 4108-3</source>
        <translation>nach dem Glaser-Verfahren der DIN 4108-3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>by the moisture-dependent method</source>
        <translation>nach dem feuchteabhängigen Verfahren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The moisture-dependent method has no stationary solution here; the construction is judged by the Glaser scheme of DIN 4108-3.</source>
        <translation>Das feuchteabhängige Verfahren hat hier keine stationäre Lösung; die Konstruktion wird nach dem Glaser-Verfahren der DIN 4108-3 beurteilt.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>(Glaser)</source>
        <translation>(Glaser)</translation>
    </message>
</context>
<context>
    <name>CriteriaCommand</name>
    <message>
        <location filename="../src/cli/CriteriaCommand.cpp" line="+9"/>
        <source>criteria --list              the editions, tables and construction kinds of the criteria options</source>
        <translation>criteria --list              die Ausgaben, Tabellen und Bauteilarten der Kriterienoptionen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli criteria [--list]
Lists the values of --din-edition, --min-res-version and --min-res-kind: the DIN 4108-3 editions and,
per DIN 4108-2 table, its construction kinds with the table row and R_min. &apos;calc --list-kinds&apos; prints the same.

Exit codes: 0 listed, 1 bad usage, 2 standard output could not be written.</source>
        <translation>Aufruf: hygrolux2-cli criteria [--list]
Listet die Werte von --din-edition, --min-res-version und --min-res-kind: die Ausgaben der DIN 4108-3 und,
je Tabelle der DIN 4108-2, ihre Bauteilarten mit Tabellenzeile und R_min. &apos;calc --list-kinds&apos; gibt dasselbe aus.

Rückgabewerte: 0 aufgelistet, 1 fehlerhafter Aufruf, 2 Standardausgabe nicht schreibbar.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>CriteriaOptions</name>
    <message>
        <location filename="../src/cli/CriteriaOptions.cpp" line="+59"/>
        <source>--din-edition must be 0, 1, 2 or 3.</source>
        <translation>--din-edition muss 0, 1, 2 oder 3 sein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--min-res-version must be 0 or 1.</source>
        <translation>--min-res-version muss 0 oder 1 sein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--min-res-kind must be one of %1 for table version %2.</source>
        <translation>--min-res-kind muss für die Tabellenversion %2 einer der Werte %1 sein.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--min-res-kind must be one of %1 (table version 1) or %2 (table version 0).</source>
        <translation>--min-res-kind muss einer der Werte %1 (Tabellenversion 1) oder %2 (Tabellenversion 0) sein.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Criteria: an option given overrides the project&apos;s own assessment choice for this run; a project
without choices of its own takes the defaults named here.
  --din-edition N        DIN 4108-3 edition: 0 2001, 1 2014, 2 2018, 3 user defined (default 2)
  --non-capillary-aw V   A_w limit of non-capillary materials in kg/(m2 h^0.5), edition 3 (default 0.2)
  --min-res-version V    DIN 4108-2 table of minimum thermal resistances: 0 2004, 1 2013 (default 1)
  --min-res-kind K       construction kind (row) of that table (default: the project&apos;s kind where
                         the table has it, else the table&apos;s first kind, 12 for 2013, 0 for 2004)
  --frsi                 check the temperature factor f_Rsi
  --drying-reserve G     drying reserve to check in g/(m2 a); 0 = no check (default 0)</source>
        <translation>Kriterien: Eine angegebene Option ersetzt für diesen Lauf die eigene Bewertungseinstellung des Projekts;
ein Projekt ohne eigene Einstellungen erhält die hier genannten Vorgaben.
  --din-edition N        Ausgabe der DIN 4108-3: 0 2001, 1 2014, 2 2018, 3 benutzerdefiniert (Vorgabe 2)
  --non-capillary-aw V   A_w-Grenzwert nicht kapillaraktiver Materialien in kg/(m2 h^0.5), Ausgabe 3
                         (Vorgabe 0.2)
  --min-res-version V    Tabelle der Mindestwerte des Wärmedurchlasswiderstands nach DIN 4108-2:
                         0 2004, 1 2013 (Vorgabe 1)
  --min-res-kind K       Bauteilart (Zeile) dieser Tabelle (Vorgabe: die Bauteilart des Projekts, sofern
                         die Tabelle sie enthält, sonst die erste Bauteilart der Tabelle, 12 für 2013,
                         0 für 2004)
  --frsi                 Temperaturfaktor f_Rsi prüfen
  --drying-reserve G     zu prüfende Trocknungsreserve in g/(m2 a); 0 = keine Prüfung (Vorgabe 0)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> (default)</source>
        <translation> (Vorgabe)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--din-edition N   DIN 4108-3 edition
</source>
        <translation>--din-edition N   Ausgabe der DIN 4108-3
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2001</source>
        <translation>2001</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>2014</source>
        <translation>2014</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>2018</source>
        <translation>2018</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>user defined, A_w limit from --non-capillary-aw</source>
        <translation>benutzerdefiniert, A_w-Grenze aus --non-capillary-aw</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>
--min-res-version %1   %2%3
</source>
        <translation>
--min-res-version %1   %2%3
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --min-res-kind  row          R_min m2K/W  construction
</source>
        <translation>  --min-res-kind  Zeile        R_min m2K/W  Bauteilart
</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>--%1 needs an integer, not &apos;%2&apos;.</source>
        <translation>--%1 braucht eine ganze Zahl, nicht &apos;%2&apos;.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--%1 needs a number of at least 0, not &apos;%2&apos;.</source>
        <translation>--%1 braucht eine Zahl von mindestens 0, nicht &apos;%2&apos;.</translation>
    </message>
</context>
<context>
    <name>DINCriteria</name>
    <message>
        <location filename="../src/calculation/DINCriteria.cpp" line="+146"/>
        <source>Requirement fulfilled</source>
        <translation>Anforderung erfüllt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Requirement not fulfilled</source>
        <translation>Anforderung nicht erfüllt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not assessed</source>
        <translation>Nicht bewertet</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 row %2, thermal resistance R &amp;ge; %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</source>
        <translation>%1 Zeile %2, Wärmedurchlasswiderstand R &amp;ge; %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>DIN 4108-2 Check for minimal &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;ge; %L1</source>
        <translation>DIN 4108-2 Nachweis des Mindestwerts &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;ge; %L1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</source>
        <translation>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = &lt;font color=&quot;#FF0000&quot;&gt;&lt;b&gt;%L1&lt;/b&gt;&lt;/font&gt;</source>
        <translation>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = &lt;font color=&quot;#FF0000&quot;&gt;&lt;b&gt;%L1&lt;/b&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 with A&lt;sub&gt;w&lt;/sub&gt; &amp;le; %2 kg/m&lt;sup&gt;2&lt;/sup&gt;h&lt;sup&gt;0.5&lt;/sup&gt;</source>
        <translation>%1 mit A&lt;sub&gt;w&lt;/sub&gt; &amp;le; %2 kg/m&lt;sup&gt;2&lt;/sup&gt;h&lt;sup&gt;0,5&lt;/sup&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3 (no capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;le; 0.5 kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 (nicht kapillar saugfähig) M&lt;sub&gt;c&lt;/sub&gt; &amp;le; 0,5 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DIN 4108-3 (with capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;le; 1.0 kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 (kapillar saugfähig) M&lt;sub&gt;c&lt;/sub&gt; &amp;le; 1,0 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Drying time in summer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90 days</source>
        <translation>Austrocknungszeit im Sommer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90 Tage</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Surface condensation on the warm side</source>
        <translation>Tauwasser auf der warmen Oberfläche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface condensation on the cold side (dew on an outer surface is no criterion of DIN 4108-3)</source>
        <translation>Tauwasser auf der kalten Oberfläche (Tauwasser auf einer Außenoberfläche ist kein Kriterium der DIN 4108-3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Surface condensation on the warm side: requirement not fulfilled</source>
        <translation>Tauwasser auf der warmen Oberfläche: Anforderung nicht erfüllt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface condensation on the cold side: not assessed</source>
        <translation>Tauwasser auf der kalten Oberfläche: nicht beurteilt</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation>DIN 4108-3 (Holzwerkstoff) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation>DIN 4108-3 (Holz) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5 %</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Check for drying reserve of %1 g/m&lt;sup&gt;2&lt;/sup&gt;a according DIN 68800-2</source>
        <translation>Nachweis der Trocknungsreserve von %1 g/m&lt;sup&gt;2&lt;/sup&gt;a nach DIN 68800-2</translation>
    </message>
</context>
<context>
    <name>DINCriteriaResult</name>
    <message>
        <location filename="../src/calculation/DINCriteriaResult.cpp" line="+58"/>
        <source>Check according DIN 4108-3 2001</source>
        <translation>Nachweis nach DIN 4108-3 2001</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check according DIN 4108-3 2014</source>
        <translation>Nachweis nach DIN 4108-3 2014</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check according DIN 4108-3 2018</source>
        <translation>Nachweis nach DIN 4108-3 2018</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check according to user defined data</source>
        <translation>Nachweis mit benutzerdefinierten Werten</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The current calculation does not use the water uptake limit for non-capillary materials of the standard DIN 4108-3 from 2014 or 2018.&lt;br/&gt;</source>
        <translation>Die aktuelle Berechnung verwendet nicht die Grenze des Wasseraufnahmekoeffizienten für nicht kapillaraktive Materialien nach DIN 4108-3 von 2014 bzw. 2018.&lt;br/&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is admissible because VAPRO is an advanced method as per appendix D of DIN 4108-3.</source>
        <translation>Das ist zulässig, weil VAPRO ein weitergehendes Verfahren nach Anhang D der DIN 4108-3 ist.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Used value: %1 %2.&lt;br/&gt;</source>
        <translation>Verwendeter Wert: %1 %2.&lt;br/&gt;</translation>
    </message>
</context>
<context>
    <name>DINCriteriaSettings</name>
    <message>
        <location filename="../src/ui/DINCriteriaSettings.ui" line="+12"/>
        <source>Settings for validity check according DIN 4108-3</source>
        <translation>Einstellungen für den Nachweis nach DIN 4108-3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>User defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DIN 4108-3 2018</source>
        <translation>DIN 4108-3 2018</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DIN 4108-3 2001</source>
        <translation>DIN 4108-3 2001</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DIN 4108-3 2014</source>
        <translation>DIN 4108-3 2014</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/ui/DINCriteriaSettings.cpp" line="+20"/>
        <source>Aw value for non capillar material</source>
        <translation>Aw-Wert für nicht kapillaraktive Materialien</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../src/ui/DINCriteriaSettings.cpp" line="+1"/>
        <source>Aw value for capillar active material</source>
        <translation>Aw-Wert für kapillaraktive Materialien</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Check one or both sides of a condensation plane</source>
        <translation>Eine oder beide Seiten einer Tauwasserebene prüfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>One side check</source>
        <translation>Einseitige Prüfung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Two side check</source>
        <translation>Beidseitige Prüfung</translation>
    </message>
    <message>
        <location filename="../src/ui/DINCriteriaSettings.cpp" line="-6"/>
        <source>The Aw value cannot be &lt; 0.</source>
        <translation>Der Aw-Wert darf nicht &lt; 0 sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Water absorption coefficient in kg/(m²·h½), 0 or greater.</source>
        <translation>Wasseraufnahmekoeffizient in kg/(m²·h½), 0 oder größer.</translation>
    </message>
</context>
<context>
    <name>DamagedDatabase</name>
    <message>
        <location filename="../src/model/DamagedDatabase.cpp" line="+28"/>
        <source>Could not keep the damaged database &apos;%1&apos; as &apos;%2&apos;; it is not written.</source>
        <translation>Die beschädigte Datenbank &apos;%1&apos; konnte nicht als &apos;%2&apos; aufbewahrt werden; sie wird nicht geschrieben.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Damaged database &apos;%1&apos; kept as &apos;%2&apos; before writing it.</source>
        <translation>Beschädigte Datenbank &apos;%1&apos; vor dem Schreiben als &apos;%2&apos; aufbewahrt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The database &apos;%1&apos; could not be read completely (%2). The original file was kept as &apos;%3&apos;; the database now holds only what could be read.</source>
        <translation>Die Datenbank &apos;%1&apos; konnte nicht vollständig gelesen werden (%2). Die ursprüngliche Datei wurde als &apos;%3&apos; aufbewahrt; die Datenbank enthält jetzt nur, was gelesen werden konnte.</translation>
    </message>
</context>
<context>
    <name>DiagramCommand</name>
    <message>
        <location filename="../src/cli/DiagramCommand.cpp" line="+20"/>
        <source>diagram FILE -o OUT          draw the sketch or a profile diagram to SVG, PNG, JPG or PDF</source>
        <translation>diagram FILE -o OUT          Skizze oder Verlaufsdiagramm als SVG, PNG, JPG oder PDF zeichnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli diagram FILE [--type sketch|pressure|moisture|glaser] -o OUT.{svg,png,jpg,pdf}
Loads and recalculates the project FILE and draws one picture; the extension of OUT chooses the format.

Options:
  --type T    sketch (construction sketch), pressure (vapour pressure diagram), moisture
              (water content diagram, the default) or glaser (pressures of the Glaser scheme over
              the diffusion-equivalent air layer thickness sd)
  -o, --output OUT  picture file to write; &apos;-&apos; writes it to standard output as
              --format says (svg, png, jpg or pdf)
  --format F  picture format when OUT is &apos;-&apos;
  --force     replace OUT when it exists
  --width MM  width of the picture in millimetres (default 170; SVG at most 210)
  --dpi N     resolution of PNG and JPG pictures (default 150)
  --lang ID   language of the captions and numbers: en (default) or de
With --method monthly: --type condensate (bar chart of the accumulated condensate per month, the
default; svg, png or pdf), pressure (profile of the worst month) or sketch.

</source>
        <translation>Aufruf: hygrolux2-cli diagram FILE [--type sketch|pressure|moisture|glaser] -o OUT.{svg,png,jpg,pdf}
Lädt das Projekt FILE, berechnet es neu und zeichnet ein Bild; die Endung von OUT bestimmt das Format.

Optionen:
  --type T    sketch (Konstruktionsskizze), pressure (Dampfdruckdiagramm), moisture
              (Feuchtegehaltsdiagramm, die Vorgabe) oder glaser (Drücke des Glaser-Verfahrens über
              der diffusionsäquivalenten Luftschichtdicke sd)
  -o, --output OUT  zu schreibende Bilddatei; „-“ schreibt sie auf die Standardausgabe im
              Format von --format (svg, png, jpg oder pdf)
  --format F  Bildformat, wenn OUT „-“ ist
  --force     OUT ersetzen, wenn die Datei existiert
  --width MM  Bildbreite in Millimetern (Vorgabe 170; SVG höchstens 210)
  --dpi N     Auflösung von PNG- und JPG-Bildern (Vorgabe 150)
  --lang ID   Sprache der Beschriftungen und Zahlen: en (Vorgabe) oder de
Mit --method monthly: --type condensate (Balkendiagramm der angesammelten Tauwassermasse je Monat, die
Vorgabe; svg, png oder pdf), pressure (Verlauf im ungünstigsten Monat) oder sketch.

</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>

Exit code 0 on success, 1 for bad usage, 2 when the project cannot be loaded or the picture cannot be written, 3 when the picture was written but the project has no results to draw (the reason goes to standard error).</source>
        <translation>

Rückgabewert 0 bei Erfolg, 1 bei fehlerhaftem Aufruf, 2 wenn das Projekt nicht geladen oder das Bild nicht geschrieben werden kann, 3 wenn das Bild geschrieben wurde, das Projekt aber keine darstellbaren Ergebnisse hat (der Grund steht in der Standardfehlerausgabe).</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>diagram needs exactly one project file.</source>
        <translation>diagram braucht genau eine Projektdatei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>diagram needs an output file: -o OUT.</source>
        <translation>diagram braucht eine Ausgabedatei: -o OUT.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unknown diagram type &apos;%1&apos;.</source>
        <translation>Unbekannter Diagrammtyp &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unknown chart format &apos;%1&apos;: use .svg, .png or .pdf.</source>
        <translation>Unbekanntes Diagrammformat „%1“: Verwenden Sie .svg, .png oder .pdf.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown picture format &apos;%1&apos;: use .svg, .png, .jpg or .pdf.</source>
        <translation>Unbekanntes Bildformat &apos;%1&apos;: verwenden Sie .svg, .png, .jpg oder .pdf.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--width needs a width in millimetres between 10 and 1000.</source>
        <translation>--width braucht eine Breite in Millimetern zwischen 10 und 1000.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--dpi needs a resolution between 30 and 1200.</source>
        <translation>--dpi braucht eine Auflösung zwischen 30 und 1200.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>diagram needs a GUI application object.</source>
        <translation>diagram braucht ein GUI-Anwendungsobjekt.</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+11"/>
        <source>%1: the picture could not be drawn.</source>
        <translation>%1: Das Bild konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>DiagramExport</name>
    <message>
        <location filename="../src/visualisation/DiagramExport.cpp" line="+144"/>
        <source>Unknown picture format &apos;%1&apos;: use .svg, .png, .jpg or .pdf.</source>
        <translation>Unbekanntes Bildformat &apos;%1&apos;: verwenden Sie .svg, .png, .jpg oder .pdf.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+16"/>
        <source>Could not write &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Construction Sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vapour pressure diagram</source>
        <translation>Dampfdruckdiagramm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Water content diagram</source>
        <translation>Feuchtegehaltsdiagramm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glaser diagram</source>
        <translation>Glaser-Diagramm</translation>
    </message>
</context>
<context>
    <name>DiagramFrame</name>
    <message>
        <location filename="../src/report/DiagramFrame.cpp" line="+13"/>
        <source>Temperature and Vapour Pressure Profile</source>
        <translation>Temperatur- und Dampfdruckverlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperature and Moisture Profile</source>
        <translation>Temperatur- und Feuchteverlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Diagram</source>
        <translation>Weiteres Diagramm</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Moisture contents and temperatures of the moisture-dependent method. Condensate (overhygroscopic moisture content) violet blue, hygroscopic moisture light blue.</source>
        <translation>Feuchtegehalte und Temperaturen des feuchteabhängigen Verfahrens. Tauwasser (überhygroskopischer Feuchtegehalt) violettblau, hygroskopische Feuchte hellblau.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Temperatures and vapour pressures of the Glaser method of DIN 4108-3.</source>
        <translation>Temperaturen und Wasserdampfteildrücke nach dem Glaser-Verfahren der DIN 4108-3.</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <location filename="../src/visualisation/DiagramScene.cpp" line="+50"/>
        <source>Temperature %1 in [%2C]</source>
        <translation>Temperatur %1 in [%2C]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vapour pressure p in [Pa]</source>
        <translation>Wasserdampfteildruck p in [Pa]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Moisture content w in [%1]</source>
        <translation>Feuchtegehalt w in [%1]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Layer widths in [mm]</source>
        <translation>Schichtdicken in [mm]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Diffusion-equivalent air layer thickness s&lt;sub&gt;d&lt;/sub&gt; in [m]</source>
        <translation>Diffusionsäquivalente Luftschichtdicke s&lt;sub&gt;d&lt;/sub&gt; in [m]</translation>
    </message>
    <message>
        <location line="+224"/>
        <source>Warm side</source>
        <translation>Warmseite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cold side</source>
        <translation>Kaltseite</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No results to draw.</source>
        <translation>Keine Ergebnisse darzustellen.</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/model/DocumentLegacy.cpp" line="+31"/>
        <source>Invalid value &apos;%1&apos; of keyword &apos;%2&apos;.</source>
        <translation>Ungültiger Wert &apos;%1&apos; für das Schlüsselwort &apos;%2&apos;.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Invalid length &apos;%1&apos; of the remarks!</source>
        <translation>Ungültige Länge &apos;%1&apos; der Bemerkungen!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Block end &apos;}&apos; missing for remarks!</source>
        <translation>Blockende &apos;}&apos; fehlt bei den Bemerkungen!</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Keyword &apos;DOCUMENT&apos; missing!</source>
        <translation>Schlüsselwort &apos;DOCUMENT&apos; fehlt!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unexpected end of file!</source>
        <translation>Unerwartetes Dateiende!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Block start &apos;{&apos; missing for &apos;%1&apos;!</source>
        <translation>Blockanfang &apos;{&apos; fehlt bei &apos;%1&apos;!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Block start &apos;{&apos; missing for remarks!</source>
        <translation>Blockanfang &apos;{&apos; fehlt bei den Bemerkungen!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid keyword &apos;%1&apos; in project file!</source>
        <translation>Ungültiges Schlüsselwort &apos;%1&apos; in der Projektdatei!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation>Datei &apos;%1&apos; kann nicht zum Lesen geöffnet werden (evtl. fehlende Berechtigung).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keyword &apos;FileVersion&apos; missing!</source>
        <translation>Schlüsselwort &apos;FileVersion&apos; fehlt!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Error reading project file.
</source>
        <translation>Fehler beim Lesen der Projektdatei.
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error reading project file &apos;%1&apos;
</source>
        <translation>Fehler beim Lesen der Projektdatei &apos;%1&apos;
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the project information</source>
        <translation>den Projektinformationen</translation>
    </message>
    <message>
        <location filename="../src/model/DocumentXML.cpp" line="+27"/>
        <source>File is not a Vapro 2.0 project file.</source>
        <translation>Die Datei ist keine Projektdatei von Vapro 2.0.</translation>
    </message>
</context>
<context>
    <name>DryingReserveSettings</name>
    <message>
        <location filename="../src/ui/DryingReserveSettings.ui" line="+12"/>
        <source>Drying potential according DIN 68800-2</source>
        <translation>Trocknungspotential nach DIN 68800-2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No drying reserve</source>
        <translation>Keine Trocknungsreserve</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Drying reserve for ceilings and walls</source>
        <translation>Trocknungsreserve für Decken und Wände</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;html&gt;(100g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(100 g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Drying reserve for roofs</source>
        <translation>Trocknungsreserve für Dächer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;html&gt;(250g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(250 g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/ui/DryingReserveSettings.cpp" line="+23"/>
        <source>Custom drying reserve</source>
        <translation>Benutzerdefinierte Trocknungsreserve</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;html&gt;g/m&lt;sup&gt;2&lt;/sup&gt;a&lt;/html&gt;</source>
        <translation>&lt;html&gt;g/m&lt;sup&gt;2&lt;/sup&gt;a&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>In case of no condensation a drying reserve cannot by applied.</source>
        <translation>Ohne Tauwasserausfall kann keine Trocknungsreserve angesetzt werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/ui/DryingReserveSettings.cpp" line="-2"/>
        <source>The drying reserve cannot be &lt; 0.</source>
        <translation>Die Trocknungsreserve darf nicht &lt; 0 sein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Drying reserve in g/(m²a), 0 or greater.</source>
        <translation>Trocknungsreserve in g/(m²a), 0 oder größer.</translation>
    </message>
</context>
<context>
    <name>FooterFrame</name>
    <message>
        <location filename="../src/report/FooterFrame.cpp" line="+19"/>
        <location line="+21"/>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>GlaserFrame</name>
    <message>
        <location filename="../src/report/GlaserFrame.cpp" line="+41"/>
        <source>No condensate %1 no evaporation period</source>
        <translation>Kein Tauwasser %1 keine Verdunstungsperiode</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Results according DIN 4108-3 (Glaser Scheme)</source>
        <translation>Ergebnisse nach DIN 4108-3 (Glaser-Verfahren)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Condensate %1 %2.</source>
        <translation>Tauwasser %1 %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Condensate %1.</source>
        <translation>Tauwasser %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Condensation Period (Winter)</source>
        <translation>Tauperiode (Winter)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drying Period (Summer)</source>
        <translation>Verdunstungsperiode (Sommer)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Period</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Interior climate (left)</source>
        <translation>Innenklima (links)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Outdoor climate (right)</source>
        <translation>Außenklima (rechts)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Condensation zone</source>
        <translation>Tauwasserbereich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Condensation mass (according to Glaser)</source>
        <translation>Tauwassermasse (nach Glaser)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Potential drying mass</source>
        <translation>Mögliche Verdunstungsmasse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duration of drying (according to Glaser)</source>
        <translation>Austrocknungszeit (nach Glaser)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Interface values of the Glaser scheme</source>
        <translation>Werte an den Schichtgrenzen nach dem Glaser-Verfahren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interface</source>
        <translation>Schichtgrenze</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inner surface</source>
        <translation>Innenoberfläche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outer surface</source>
        <translation>Außenoberfläche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Layer %1 | %2</source>
        <translation>Schicht %1 | %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Condensation interfaces in bold. %1 - cumulative diffusion-equivalent air layer thickness from the inner surface.</source>
        <translation>Schichtgrenzen mit Tauwasser fett. %1 - diffusionsäquivalente Luftschichtdicke ab der Innenoberfläche, aufsummiert.</translation>
    </message>
</context>
<context>
    <name>GlaserProfile</name>
    <message>
        <location filename="../src/visualisation/GlaserProfile.cpp" line="+123"/>
        <source>Condensation plane %1</source>
        <translation>Tauwasserebene %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensation zone %1 to %2</source>
        <translation>Tauwasserbereich %1 bis %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturation vapour pressure</source>
        <translation>Sättigungsdampfdruck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vapour pressure</source>
        <translation>Dampfdruck</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vapour pressure without condensation</source>
        <translation>Dampfdruck ohne Tauwasser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensation plane</source>
        <translation>Tauwasserebene</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glaser scheme of DIN 4108-3</source>
        <translation>Glaser-Verfahren der DIN 4108-3</translation>
    </message>
</context>
<context>
    <name>HTMLTextFormatWidget</name>
    <message>
        <location filename="../src/ui/HTMLTextFormatWidget.cpp" line="+13"/>
        <source>H1</source>
        <translation>Ü1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 1</source>
        <translation>Überschrift 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>H2</source>
        <translation>Ü2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 2</source>
        <translation>Überschrift 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H3</source>
        <translation>Ü3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 3</source>
        <translation>Überschrift 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>H4</source>
        <translation>Ü4</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 4</source>
        <translation>Überschrift 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Normal text</source>
        <translation>Normaler Text</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>S</source>
        <translation>K</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Small text</source>
        <translation>Kleiner Text</translation>
    </message>
</context>
<context>
    <name>HatchedItemDelegate</name>
    <message>
        <location filename="../src/ui/HatchedItemDelegate.cpp" line="+46"/>
        <source>warm</source>
        <translation>warm</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>cold</source>
        <translation>kalt</translation>
    </message>
</context>
<context>
    <name>HeaderFrame</name>
    <message>
        <location filename="../src/report/HeaderFrame.cpp" line="+24"/>
        <source>Hygrothermal assessment of the construction</source>
        <translation>Hygrothermische Bewertung der Konstruktion</translation>
    </message>
</context>
<context>
    <name>HourlyClimate</name>
    <message>
        <location filename="../src/calculation/HourlyClimate.cpp" line="+45"/>
        <source>Line %1: expected the header line with the column names before the values.</source>
        <translation>Zeile %1: Vor den Werten wird die Kopfzeile mit den Spaltennamen erwartet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Line %1: expected 3 columns (time in h, temperature in °C, relative humidity in %), found %2.</source>
        <translation>Zeile %1: 3 Spalten erwartet (Zeit in h, Temperatur in °C, relative Luftfeuchte in %), %2 gefunden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Line %1: &apos;%2&apos; is not a number.</source>
        <translation>Zeile %1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Line %1: temperature %2 °C lies outside -80 ... 100 °C.</source>
        <translation>Zeile %1: Die Temperatur %2 °C liegt außerhalb von -80 … 100 °C.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Line %1: relative humidity %2 % lies outside 0 ... 100 %.</source>
        <translation>Zeile %1: Die relative Luftfeuchte %2 % liegt außerhalb von 0 … 100 %.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Line %1: time %2 h lies outside -%3 ... %3 h.</source>
        <translation>Zeile %1: Die Zeit %2 h liegt außerhalb von -%3 … %3 h.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Line %1: time %2 h does not follow %3 h in steps of %4 h (gap or disorder).</source>
        <translation>Zeile %1: Die Zeit %2 h folgt nicht im Abstand von %4 h auf %3 h (Lücke oder falsche Reihenfolge).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No climate values after the header line.</source>
        <translation>Keine Klimawerte nach der Kopfzeile.</translation>
    </message>
</context>
<context>
    <name>InputData</name>
    <message>
        <location filename="../src/model/InputDataLegacy.cpp" line="+20"/>
        <location line="+77"/>
        <source>Unexpected end of file!</source>
        <translation>Unerwartetes Dateiende!</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+38"/>
        <source>Error reading parameter &apos;Temperatur&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;Temperatur&apos;!</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Error reading parameter &apos;RelHum&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;RelHum&apos;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Illegal keyword &apos;%1&apos;</source>
        <translation>Unzulässiges Schlüsselwort &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+46"/>
        <source>Invalid keyword &apos;%1&apos;</source>
        <translation>Ungültiges Schlüsselwort &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+46"/>
        <source>Block start &apos;{&apos; missing!</source>
        <translation>Blockanfang &apos;{&apos; fehlt!</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Error reading climate condition!
</source>
        <translation>Fehler beim Lesen der Klimarandbedingung!
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Four climate conditions are required!</source>
        <translation>Vier Klimarandbedingungen sind erforderlich!</translation>
    </message>
    <message>
        <location filename="../src/model/InputData.cpp" line="+27"/>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Dicke %1 der &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid material values of &quot;%1&quot; in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Materialkennwerte von „%1“ in &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid layer width.</source>
        <translation>Ungültige Schichtdicke.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid material values.</source>
        <translation>Ungültige Materialkennwerte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Climate values or periods out of range.</source>
        <translation>Klimawerte oder Perioden außerhalb des zulässigen Bereichs.</translation>
    </message>
</context>
<context>
    <name>LegacyLine</name>
    <message>
        <location filename="../src/model/LegacyLine.cpp" line="+18"/>
        <source>Line too long; this is not a text project file.</source>
        <translation>Zeile zu lang; dies ist keine Projektdatei im Textformat.</translation>
    </message>
</context>
<context>
    <name>LegacyValueReader</name>
    <message>
        <location filename="../src/model/LegacyValueReader.cpp" line="+123"/>
        <source>Missing unit after value &apos;%1&apos;.</source>
        <translation>Einheit nach dem Wert &apos;%1&apos; fehlt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown or unsuitable unit &apos;%1&apos;.</source>
        <translation>Unbekannte oder unpassende Einheit &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/MainWindow.ui" line="+91"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Application Language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Layer</source>
        <translation>&amp;Schicht</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Heat flow direction</source>
        <translation>&amp;Wärmestromrichtung</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Main toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Diagram toolbar</source>
        <translation>Diagramm-Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Heat flow direction</source>
        <translation>Wärmestromrichtung</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>New project...</source>
        <translation>Neues Projekt …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Creates a new project.</source>
        <translation>Legt ein neues Projekt an.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Open project...</source>
        <translation>Projekt öffnen …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens a project.</source>
        <translation>Öffnet ein Projekt.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saves the current project.</source>
        <translation>Speichert das aktuelle Projekt.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save project as...</source>
        <translation>Projekt speichern unter …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saves the current project under a new name.</source>
        <translation>Speichert das aktuelle Projekt unter einem neuen Namen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Closes the program.</source>
        <translation>Beendet das Programm.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Print...</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Prints the report.</source>
        <translation>Druckt den Bericht.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Help...</source>
        <translation>Hilfe …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the program help.</source>
        <translation>Öffnet die Programmhilfe.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../src/ui/MainWindow.cpp" line="+89"/>
        <source>About %1 ...</source>
        <translation>Über %1 …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the About dialog.</source>
        <translation>Öffnet den Dialog mit Programminformationen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Qt...</source>
        <translation>Über Qt …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the Qt About dialog.</source>
        <translation>Öffnet den Dialog mit Informationen zu Qt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Program web site...</source>
        <translation>Webseite des Programms …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the program&apos;s web site in the browser.</source>
        <translation>Öffnet die Webseite des Programms im Browser.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Preferences...</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the configuration dialog.</source>
        <translation>Öffnet den Einstellungsdialog.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Recent projects</source>
        <translation>Zuletzt verwendete Projekte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shows list of recently used projects.</source>
        <translation>Zeigt die Liste der zuletzt verwendeten Projekte.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show moisture content profile</source>
        <translation>Feuchteverlauf anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show moisture content</source>
        <translation>Feuchtegehalt anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Toggles display of vapor pressure profile or moisture content profile</source>
        <translation>Wechselt zwischen der Anzeige des Dampfdruckverlaufs und des Feuchteverlaufs</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show Glaser diagram</source>
        <translation>Glaser-Diagramm anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glaser diagram</source>
        <translation>Glaser-Diagramm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shows the Glaser diagram of DIN 4108-3: pressures over the diffusion-equivalent air layer thickness</source>
        <translation>Zeigt das Glaser-Diagramm der DIN 4108-3: Drücke über der diffusionsäquivalenten Luftschichtdicke</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Use hatching</source>
        <translation>Schraffur verwenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Toggles display of hatched material layers.</source>
        <translation>Schaltet die schraffierte Darstellung der Materialschichten um.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Qt User Interface Configuration...</source>
        <translation>Qt-Oberflächeneinstellungen …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the Qt User Interface Configuration tool</source>
        <translation>Öffnet das Werkzeug für die Qt-Oberflächeneinstellungen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Select Material...</source>
        <translation>Material wählen …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>= Mat</source>
        <translation>= Mat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the material database dialog to select a material for this layer.</source>
        <translation>Öffnet die Materialdatenbank, um ein Material für diese Schicht zu wählen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Edit Material Database...</source>
        <translation>Materialdatenbank bearbeiten …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the Database Dialog for viewing and editing material or construction data</source>
        <translation>Öffnet den Datenbankdialog zum Ansehen und Bearbeiten von Material- oder Konstruktionsdaten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add layer to the left</source>
        <translation>Schicht links einfügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>+ Left</source>
        <translation>+ Links</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adds a new layer or construction to the left of the currently selected layer.</source>
        <translation>Fügt links von der gewählten Schicht eine neue Schicht oder Konstruktion ein.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add layer to the right</source>
        <translation>Schicht rechts einfügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>+ Right</source>
        <translation>+ Rechts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adds a new layer or construction to the right of the currently selected layer.</source>
        <translation>Fügt rechts von der gewählten Schicht eine neue Schicht oder Konstruktion ein.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remove current layer</source>
        <translation>Gewählte Schicht entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>- Layer</source>
        <translation>- Schicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Removes the currently selected layer.</source>
        <translation>Entfernt die gewählte Schicht.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Move left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;&lt;&lt;</source>
        <translation>&lt;&lt;&lt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Moves current layer to the left.</source>
        <translation>Verschiebt die gewählte Schicht nach links.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Move Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;&gt;&gt;</source>
        <translation>&gt;&gt;&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Moves current layer to the right.</source>
        <translation>Verschiebt die gewählte Schicht nach rechts.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Variant study ...</source>
        <translation>Variantenstudie …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Varies one quantity of the construction or the indoor climate and finds the limit of the requirements.</source>
        <translation>Variiert eine Größe der Konstruktion oder des Innenklimas und ermittelt den Grenzwert der Anforderungen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Report setup / Print preview ...</source>
        <translation>Berichtseinstellungen / Druckvorschau …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the print preview and setup dialog.</source>
        <translation>Öffnet die Druckvorschau mit den Berichtseinstellungen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Edit project information...</source>
        <translation>Projektinformationen bearbeiten …</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Sketch</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Copy sketch image</source>
        <translation>Bild der Skizze kopieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Copy chart image</source>
        <translation>Bild des Diagramms kopieren</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Export sketch image to file</source>
        <translation>Bild der Skizze in Datei exportieren</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Export chart image to file</source>
        <translation>Bild des Diagramms in Datei exportieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add to Construction Database...</source>
        <translation>Zur Konstruktionsdatenbank hinzufügen …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adds the current construction to the construction database.</source>
        <translation>Fügt die aktuelle Konstruktion der Konstruktionsdatenbank hinzu.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Heat flow up</source>
        <translation>Wärmestrom aufwärts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Horizontal construction with heat flow upwards.</source>
        <translation>Horizontales Bauteil mit Wärmestrom nach oben.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>horizontal heat flow</source>
        <translation>Wärmestrom horizontal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vertical construction with horizontal heat flow.</source>
        <translation>Vertikales Bauteil mit horizontalem Wärmestrom.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Heat flow down</source>
        <translation>Wärmestrom abwärts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Horizontal construction with heat flow downwards.</source>
        <translation>Horizontales Bauteil mit Wärmestrom nach unten.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Help heat flow directions</source>
        <translation>Hilfe zu den Wärmestromrichtungen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add Material to User Database</source>
        <translation>Material zur Benutzerdatenbank hinzufügen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Show Logfile</source>
        <translation>Protokolldatei anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the logfile of VAPRO2.</source>
        <translation>Zeigt die Protokolldatei von VAPRO2.</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="-58"/>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Software zur hygrothermischen Bewertung von Bauteilen der Gebäudehülle</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Show/hide main toolbar</source>
        <translation>Hauptwerkzeugleiste ein-/ausblenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows/hides the main toolbar</source>
        <translation>Blendet die Hauptwerkzeugleiste ein oder aus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show/hide diagram toolbar</source>
        <translation>Diagramm-Werkzeugleiste ein-/ausblenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows/hides the diagram toolbar</source>
        <translation>Blendet die Diagramm-Werkzeugleiste ein oder aus</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Construction layers</source>
        <translation>Schichtaufbau</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Profile diagram</source>
        <translation>Verlaufsdiagramm</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindowExport.cpp" line="+65"/>
        <source>Export file</source>
        <translation>Exportdatei</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="+246"/>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The user databases could not be written.</source>
        <translation>Die Benutzerdatenbanken konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindowExport.cpp" line="-34"/>
        <source>Jpg image (*.jpg)</source>
        <translation>JPG-Bild (*.jpg)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Svg file (*.svg)</source>
        <translation>SVG-Datei (*.svg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pdf file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Png file (*.png)</source>
        <translation>PNG-Datei (*.png)</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Help file missing</source>
        <translation>Hilfedatei fehlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The help file cannot be found on location:
%1</source>
        <translation>Die Hilfedatei wurde an diesem Ort nicht gefunden:
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Help cannot be shown</source>
        <translation>Hilfe kann nicht angezeigt werden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No program to show PDF files was found</source>
        <translation>Es wurde kein Programm zum Anzeigen von PDF-Dateien gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The manual is here:
%1</source>
        <translation>Das Handbuch befindet sich hier:
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Languange changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please restart the software to activate the new language!</source>
        <translation>Bitte starten Sie das Programm neu, um die neue Sprache zu aktivieren!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Could not launch external program</source>
        <translation>Externes Programm konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t start the &lt;b&gt;qtconfig&lt;/b&gt; application. Make sure it is in your application search path!</source>
        <translation>Das Programm &lt;b&gt;qtconfig&lt;/b&gt; konnte nicht gestartet werden. Stellen Sie sicher, dass es im Suchpfad für Programme liegt!</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindowFiles.cpp" line="+48"/>
        <source>Save project before closing</source>
        <translation>Projekt vor dem Schließen speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Would you like to save the project before closing it?</source>
        <translation>Möchten Sie das Projekt vor dem Schließen speichern?</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 Projects (*.%2)</source>
        <translation>%1-Projekte (*.%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>;;%1 Projects (*.%2);;All files (*.*)</source>
        <translation>;;%1-Projekte (*.%2);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select %1 project file</source>
        <translation>%1-Projektdatei wählen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error #4: File not found</source>
        <translation>Fehler Nr. 4: Datei nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file &apos;%1&apos; cannot be found or does not exist.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden oder existiert nicht.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Error loading project file</source>
        <translation>Fehler beim Laden der Projektdatei</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error #3: Saving failed</source>
        <translation>Fehler Nr. 3: Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error while saving project file!</source>
        <translation>Fehler beim Speichern der Projektdatei!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Specify %1 project file</source>
        <translation>%1-Projektdatei angeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 project (*.%1)</source>
        <translation>%2-Projekt (*.%1)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Error #5: File not found</source>
        <translation>Fehler Nr. 5: Datei nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file &apos;%1&apos; cannot be found or does not exist.
%2</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden oder existiert nicht.
%2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Remove this file from list?</source>
        <translation>Diese Datei aus der Liste entfernen?</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindowLayers.cpp" line="+145"/>
        <source>Material database</source>
        <translation>Materialdatenbank</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Construction database</source>
        <translation>Konstruktionsdatenbank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The construction could not be added to the construction database.</source>
        <translation>Die Konstruktion konnte nicht zur Konstruktionsdatenbank hinzugefügt werden.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The user material database &apos;%1&apos; could not be written.</source>
        <translation>Die Benutzer-Materialdatenbank &apos;%1&apos; konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Damaged database</source>
        <translation>Beschädigte Datenbank</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <location filename="../src/model/Material.cpp" line="+214"/>
        <location line="+80"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Colour &apos;%1&apos; of material &apos;%2&apos; (line %3) brought into the range 0..255.</source>
        <translation>Farbe &apos;%1&apos; des Materials &apos;%2&apos; (Zeile %3) in den Bereich 0..255 gebracht.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid encoding &apos;%1&apos; of material color.</source>
        <translation>Ungültige Kodierung &apos;%1&apos; der Materialfarbe.</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the %1 of material &apos;%2&apos;</source>
        <translation>dem Feld &apos;%1&apos; des Materials &apos;%2&apos;</translation>
    </message>
    <message>
        <location filename="../src/model/MaterialLegacy.cpp" line="+28"/>
        <source>Error reading parameter &apos;rho&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;rho&apos;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error reading parameter &apos;Lambda&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;Lambda&apos;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error reading parameter &apos;Mew&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;Mew&apos;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error reading parameter &apos;W_hyg&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;W_hyg&apos;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error reading parameter &apos;W_h80&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;W_h80&apos;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error reading parameter &apos;W_sat&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;W_sat&apos;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error reading parameter &apos;A_w&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;A_w&apos;!</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Error reading parameter &apos;Flags&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;Flags&apos;!</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+52"/>
        <source>Error reading material name!</source>
        <translation>Fehler beim Lesen des Materialnamens!</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Invalid keyword &apos;%1&apos;</source>
        <translation>Ungültiges Schlüsselwort &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unexpected end of file!</source>
        <translation>Unerwartetes Dateiende!</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Error reading material data!
</source>
        <translation>Fehler beim Lesen der Materialdaten!
</translation>
    </message>
</context>
<context>
    <name>MaterialCatalogueTable</name>
    <message>
        <location filename="../src/model/MaterialCatalogueTable.cpp" line="+61"/>
        <source>Expected %1 fields, found %2.</source>
        <translation>%1 Felder erwartet, %2 gefunden.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Invalid number, flag or colour.</source>
        <translation>Ungültige Zahl, Kennzeichnung oder Farbe.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot open material table &apos;%1&apos;.</source>
        <translation>Materialtabelle &apos;%1&apos; kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Line %1: id %2 is outside 1..32767 or not unique.</source>
        <translation>Zeile %1: Kennung %2 liegt außerhalb von 1..32767 oder ist nicht eindeutig.</translation>
    </message>
</context>
<context>
    <name>MaterialCategory</name>
    <message>
        <location filename="../src/model/Material.cpp" line="-304"/>
        <source>Coating</source>
        <translation>Beschichtungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plaster and mortar</source>
        <translation>Putze und Mörtel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Building brick</source>
        <translation>Mauersteine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Natural stones</source>
        <translation>Natursteine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Concrete containing building materials</source>
        <translation>Betonhaltige Baustoffe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insulation materials</source>
        <translation>Dämmstoffe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Building boards</source>
        <translation>Bauplatten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timber</source>
        <translation>Holz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Natural materials</source>
        <translation>Naturbaustoffe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soil</source>
        <translation>Erdreich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cladding panels and ceramic tiles</source>
        <translation>Bekleidungsplatten und keramische Fliesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Foils and waterproofing products</source>
        <translation>Folien und Abdichtungsstoffe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>MaterialConstructionTabWidget</name>
    <message>
        <location filename="../src/ui/MaterialConstructionTabWidget.cpp" line="+33"/>
        <source>Materials</source>
        <translation>Materialien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Constructions</source>
        <translation>Konstruktionen</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseDialog</name>
    <message>
        <location filename="../src/ui/MaterialDatabaseDialog.cpp" line="+16"/>
        <source>Information about material properties</source>
        <translation>Angaben zu den Materialkennwerten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Material/Construction Database</source>
        <translation>Material-/Konstruktionsdatenbank</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseWidget_2</name>
    <message>
        <location filename="../src/ui/MaterialDatabaseWidget_2.ui" line="+20"/>
        <source>Add material</source>
        <translation>Material hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Add a new user defined material</source>
        <translation>Ein neues benutzerdefiniertes Material hinzufügen</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Copy material</source>
        <translation>Material kopieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit material</source>
        <translation>Material bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+33"/>
        <source>Edit user defined material</source>
        <translation>Benutzerdefiniertes Material bearbeiten</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Remove material</source>
        <translation>Material entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <source>Removes user defined material</source>
        <translation>Entfernt das benutzerdefinierte Material</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Import ...</source>
        <translation>Importieren …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import external user database (version 1 and 2)</source>
        <translation>Externe Benutzerdatenbank importieren (Version 1 und 2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add User defined Material</source>
        <translation>Benutzerdefiniertes Material hinzufügen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy Material</source>
        <translation>Material kopieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit User defined Material</source>
        <translation>Benutzerdefiniertes Material bearbeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove User defined Material</source>
        <translation>Benutzerdefiniertes Material entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/MaterialDatabaseWidget_2.cpp" line="+126"/>
        <source>Select file with user material database.</source>
        <translation>Datei mit der Benutzer-Materialdatenbank wählen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Database for Vapro 1.9 (*.txt)</source>
        <translation>Datenbank für Vapro 1.9 (*.txt)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>;;Database for Vapro 2.0 (*.cmat)</source>
        <translation>;;Datenbank für Vapro 2.0 (*.cmat)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+5"/>
        <source>Material database</source>
        <translation>Materialdatenbank</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The user material database &apos;%1&apos; could not be written.</source>
        <translation>Die Benutzer-Materialdatenbank &apos;%1&apos; konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>MaterialEditDialog</name>
    <message>
        <location filename="../src/ui/MaterialEditDialog.ui" line="+5"/>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name of the material</source>
        <translation>Name des Materials</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Product Id / Origin</source>
        <translation>Produktkennung / Herkunft</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Producer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Data source</source>
        <translation>Datenquelle</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Properties</source>
        <translation>Kennwerte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Density</source>
        <translation>Rohdichte</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>kg/m³</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>W/mK</source>
        <translation>W/mK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>µ - value</source>
        <translation>µ-Wert</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Moisture content for 80 %RH.</source>
        <translation>Feuchtegehalt bei 80 % r. F.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+14"/>
        <source>m³/m³</source>
        <translation>m³/m³</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Saturation moisture content</source>
        <translation>Sättigungsfeuchtegehalt</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Water uptake coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>kg/m²s½</source>
        <translation>kg/m²s½</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>sd-value</source>
        <translation>sd-Wert</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Information about material properties</source>
        <translation>Angaben zu den Materialkennwerten</translation>
    </message>
    <message>
        <location filename="../src/ui/MaterialEditDialog.cpp" line="+23"/>
        <source>Standard material</source>
        <translation>Standardmaterial</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wood based</source>
        <translation>Holzwerkstoff</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Foil</source>
        <translation>Folie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The density must be &gt; 0.</source>
        <translation>Die Rohdichte muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Die Wärmeleitfähigkeit muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The vapour resistance factor must be &gt; 0.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Der Wasseraufnahmekoeffizient muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sd-value must be &gt; 0.</source>
        <translation>Der sd-Wert muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name of the material; must not be empty.</source>
        <translation>Name des Materials; darf nicht leer sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category of the material.</source>
        <translation>Kategorie des Materials.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Density in kg/m³, greater than 0.</source>
        <translation>Rohdichte in kg/m³, größer als 0.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wood and wood based materials have their own criteria; foils are given by their sd-value.</source>
        <translation>Für Holz und Holzwerkstoffe gelten eigene Kriterien; Folien werden durch ihren sd-Wert beschrieben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermal conductivity in W/(m·K), greater than 0.</source>
        <translation>Wärmeleitfähigkeit in W/(m·K), größer als 0.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vapour diffusion resistance factor (no unit), greater than 0.</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl (ohne Einheit), größer als 0.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture content at 80% RH in m³/m³, greater than 0; at 95% RH (w80 · 0.95 / 0.8) it must stay below the saturation content.</source>
        <translation>Feuchtegehalt bei 80 % r. F. in m³/m³, größer als 0; bei 95 % r. F. (w80 · 0,95 / 0,8) muss er unter dem Sättigungsfeuchtegehalt bleiben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moisture content at saturation in m³/m³, above the content at 95% RH and less than 1.</source>
        <translation>Sättigungsfeuchtegehalt in m³/m³, über dem Feuchtegehalt bei 95 % r. F. und kleiner als 1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Water uptake coefficient in kg/(m²·s½), 0 or greater.</source>
        <translation>Wasseraufnahmekoeffizient in kg/(m²·s½), 0 oder größer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diffusion-equivalent air layer thickness of the foil in m, greater than 0.</source>
        <translation>Diffusionsäquivalente Luftschichtdicke der Folie in m, größer als 0.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Air layer is not editable!</source>
        <translation>Eine Luftschicht kann nicht bearbeitet werden!</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Select Layer Color</source>
        <translation>Schichtfarbe wählen</translation>
    </message>
</context>
<context>
    <name>MaterialEditWidget</name>
    <message>
        <location filename="../src/ui/MaterialEditWidget.ui" line="+12"/>
        <source>Layer Properties</source>
        <translation>Schichteigenschaften</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/ui/MaterialEditWidget.cpp" line="+177"/>
        <source>Layer width/height [%1]:</source>
        <translation>Schichtdicke [%1]:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Material Properties</source>
        <translation>Materialkennwerte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Thermal conductivity [W/mK]:</source>
        <translation>Wärmeleitfähigkeit [W/mK]:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Vapour diffusion resistance factor [-]:</source>
        <translation>Diffusionswiderstandszahl µ [-]:</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>sd-value [m]</source>
        <translation>sd-Wert [m]</translation>
    </message>
    <message>
        <location filename="../src/ui/MaterialEditWidget.cpp" line="-150"/>
        <source>Moisture content at 80% RH [m%1/m%1]:</source>
        <translation>Feuchtegehalt bei 80 % r. F. [m%1/m%1]:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture content at saturation [m%1/m%1]:</source>
        <translation>Sättigungsfeuchtegehalt [m%1/m%1]:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The layer width must be &gt; 0.</source>
        <translation>Die Schichtdicke muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Die Wärmeleitfähigkeit muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The vapour resistance factor must be &gt; 0.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Der Wasseraufnahmekoeffizient muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>Der Feuchtegehalt bei 80 % r. F. muss &gt; 0 und kleiner als der Sättigungsfeuchtegehalt sein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>Der Sättigungsfeuchtegehalt muss größer als der Feuchtegehalt bei 80 % r. F. und kleiner oder gleich 1,0 sein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sd-value must be &gt; 0.</source>
        <translation>Der sd-Wert muss &gt; 0 sein.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The name of the material of the selected layer.</source>
        <translation>Der Name des Materials der gewählten Schicht.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Material name</source>
        <translation>Materialname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colour of the layer in the table, the sketch and the report.</source>
        <translation>Farbe der Schicht in der Tabelle, der Skizze und dem Bericht.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Layer colour</source>
        <translation>Schichtfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Layer width</source>
        <translation>Schichtdicke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal conductivity in W/(m·K), greater than 0.</source>
        <translation>Wärmeleitfähigkeit in W/(m·K), größer als 0.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vapour diffusion resistance factor</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vapour diffusion resistance factor (no unit), greater than 0.</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl (ohne Einheit), größer als 0.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture content at 80% RH</source>
        <translation>Feuchtegehalt bei 80 % r. F.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture content at 80% RH in m³/m³, greater than 0; at 95% RH (w80 · 0.95 / 0.8) it must stay below the saturation content.</source>
        <translation>Feuchtegehalt bei 80 % r. F. in m³/m³, größer als 0; bei 95 % r. F. (w80 · 0,95 / 0,8) muss er unter dem Sättigungsfeuchtegehalt bleiben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moisture content at saturation</source>
        <translation>Sättigungsfeuchtegehalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture content at saturation in m³/m³, above the content at 95% RH and less than 1.</source>
        <translation>Sättigungsfeuchtegehalt in m³/m³, über dem Feuchtegehalt bei 95 % r. F. und kleiner als 1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Water absorption coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sd-value</source>
        <translation>sd-Wert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Diffusion-equivalent air layer thickness in m: width times vapour diffusion resistance factor, or the product&apos;s value, which then fixes the width.</source>
        <translation>Diffusionsäquivalente Luftschichtdicke in m: Schichtdicke mal Wasserdampf-Diffusionswiderstandszahl, oder der Produktwert, der dann die Schichtdicke festlegt.</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>This filed changes the width of a material layer.</source>
        <translation>Dieses Feld ändert die Dicke einer Materialschicht.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Width in %1, greater than 0. The unit can be configured in settings dialogue.</source>
        <translation>Dicke in %1, größer als 0. Die Einheit lässt sich im Einstellungsdialog festlegen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Water absorption coefficient [kg/m%1s%2]:</source>
        <translation>Wasseraufnahmekoeffizient [kg/m%1s%2]:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Water absorption coefficient in kg/(m²·s½), 0 or greater.</source>
        <translation>Wasseraufnahmekoeffizient in kg/(m²·s½), 0 oder größer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Water absorption coefficient [kg/m%1h%2]:</source>
        <translation>Wasseraufnahmekoeffizient [kg/m%1h%2]:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Water absorption coefficient in kg/(m²·h½), 0 or greater.</source>
        <translation>Wasseraufnahmekoeffizient in kg/(m²·h½), 0 oder größer.</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Undo change of material name at layer No. %1</source>
        <translation>Änderung des Materialnamens in Schicht Nr. %1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select Layer Color</source>
        <translation>Schichtfarbe wählen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Undo layer width change at layer No. %1</source>
        <translation>Änderung der Schichtdicke in Schicht Nr. %1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo lambda change at layer No. %1</source>
        <translation>Änderung von Lambda in Schicht Nr. %1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %L1-value change at layer No. %2</source>
        <translation>Änderung des %L1-Werts in Schicht Nr. %2 rückgängig machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo w_80 change at layer No. %1</source>
        <translation>Änderung von w_80 in Schicht Nr. %1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo w_sat change at layer No. %1</source>
        <translation>Änderung von w_sat in Schicht Nr. %1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo Aw change at layer No. %1</source>
        <translation>Änderung von Aw in Schicht Nr. %1 rückgängig machen</translation>
    </message>
</context>
<context>
    <name>MaterialImport</name>
    <message>
        <location filename="../src/model/MaterialImport.cpp" line="+16"/>
        <location line="+6"/>
        <source>Material read error.</source>
        <translation>Fehler beim Lesen des Materials.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>No valid material file &apos;%1&apos;
 Extension sould be &apos;txt&apos; or &apos;cmat&apos;</source>
        <translation>Keine gültige Materialdatei &apos;%1&apos;
 Die Endung sollte &apos;txt&apos; oder &apos;cmat&apos; sein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No materials found in file &apos;%1&apos;</source>
        <translation>Keine Materialien in der Datei &apos;%1&apos; gefunden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Materials added.</source>
        <translation>Materialien hinzugefügt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 materials found in file &apos;%2&apos;</source>
        <translation>%1 Materialien in der Datei &apos;%2&apos; gefunden</translation>
    </message>
</context>
<context>
    <name>MaterialLayer</name>
    <message>
        <location filename="../src/model/MaterialLayerFile.cpp" line="+40"/>
        <source>Layer colour &apos;%1&apos; brought into the range 0..255.</source>
        <translation>Schichtfarbe &apos;%1&apos; in den Bereich 0..255 gebracht.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Unexpected end of file!</source>
        <translation>Unerwartetes Dateiende!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error reading layer width!</source>
        <translation>Fehler beim Lesen der Schichtdicke!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error reading layer colour!</source>
        <translation>Fehler beim Lesen der Schichtfarbe!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Block start &apos;{&apos; of material definition missing!</source>
        <translation>Blockanfang &apos;{&apos; der Materialdefinition fehlt!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid keyword!</source>
        <translation>Ungültiges Schlüsselwort!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error reading layer data!
</source>
        <translation>Fehler beim Lesen der Schichtdaten!
</translation>
    </message>
</context>
<context>
    <name>MaterialList</name>
    <message>
        <location filename="../src/model/MaterialList.cpp" line="+37"/>
        <source>Air space (not ventilated)</source>
        <translation>Luftschicht (ruhend)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO 6946 5.3.</source>
        <translation>Die Wärmeleitfähigkeit wird aus Konstruktion und Wärmestromrichtung nach DIN EN ISO 6946 5.3 berechnet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vapour diffusion resistance factor will be calculated from construction according DIN EN ISO 13788 4.1.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl wird aus der Konstruktion nach DIN EN ISO 13788 4.1 berechnet.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Duplicate system material id %1 in &apos;%2&apos; ignored.</source>
        <translation>Doppelte Systemmaterial-Kennung %1 in &apos;%2&apos; übergangen.</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Error reading material list from file &apos;%1&apos;!
%2</source>
        <translation>Fehler beim Lesen der Materialliste aus der Datei &apos;%1&apos;!
%2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>unknown format version %1</source>
        <translation>unbekannte Formatversion %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>only %1 of %2 materials could be read</source>
        <translation>nur %1 von %2 Materialien konnten gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown data after the last of %1 materials</source>
        <translation>unbekannte Daten nach dem letzten von %1 Materialien</translation>
    </message>
</context>
<context>
    <name>MaterialTransfer</name>
    <message>
        <location filename="../src/model/MaterialTransfer.cpp" line="+70"/>
        <source>Data source: %1
</source>
        <translation>Datenquelle: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notes: %1
</source>
        <translation>Notizen: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Air
</source>
        <comment>Material flag</comment>
        <translation>Luft
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wood
</source>
        <comment>Material flag</comment>
        <translation>Holz
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wood based
</source>
        <comment>Material flag</comment>
        <translation>Holzwerkstoff
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Measuring date: %1
</source>
        <translation>Messdatum: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Production date: %1
</source>
        <translation>Herstellungsdatum: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sampling date: %1
</source>
        <translation>Probenahmedatum: %1
</translation>
    </message>
</context>
<context>
    <name>MaterialsCommand</name>
    <message>
        <location filename="../src/cli/MaterialsCommand.cpp" line="+22"/>
        <source>materials [options]          list the material database</source>
        <translation>materials [options]          die Materialdatenbank auflisten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli materials [--json|--csv] [--category N] [--filter WORDS] [--user-dir DIR]
Lists the system materials, the built-in air space and the user materials: id, name, category, rho,
lambda, mu, w80, wsat, A_w and flags.

Options:
  --json             JSON array instead of a table
  --csv              comma-separated values with a header line, the keys of --json
  --category N       only materials of category N (0..12, 13 unknown)
  --filter WORDS     only materials whose name (in any language) or product name contains every
                     word (plain text, any letter case; &quot;quotes&quot; for a phrase)
  --user-dir DIR     directory of the user database (default: %1)

Units: rho kg/m3, lambda W/(m K), w80 and wsat m3/m3, A_w kg/(m2 s^0.5).

Exit codes: 0 listed, 1 bad usage, 2 standard output could not be written, 3 listed with a warning (user directory missing or not a directory, damaged user database).</source>
        <translation>Aufruf: hygrolux2-cli materials [--json|--csv] [--category N] [--filter WORDS] [--user-dir DIR]
Listet die Systemmaterialien, die eingebaute Luftschicht und die Benutzermaterialien: Kennung, Name,
Kategorie, rho, lambda, mu, w80, wsat, A_w und Kennzeichnungen.

Optionen:
  --json             JSON-Array statt einer Tabelle
  --csv              kommagetrennte Werte mit Kopfzeile, die Schlüssel von --json
  --category N       nur Materialien der Kategorie N (0..12, 13 unbekannt)
  --filter WORDS     nur Materialien, deren Name (in einer beliebigen Sprache) oder Produktname jedes
                     Wort enthält (einfacher Text, Groß-/Kleinschreibung beliebig; &quot;Anführungszeichen&quot;
                     für eine Wortgruppe)
  --user-dir DIR     Verzeichnis der Benutzerdatenbank (Vorgabe: %1)

Einheiten: rho kg/m3, lambda W/(m K), w80 und wsat m3/m3, A_w kg/(m2 s^0.5).

Rückgabewerte: 0 aufgelistet, 1 fehlerhafter Aufruf, 2 Standardausgabe nicht schreibbar, 3 mit Warnung aufgelistet (Benutzerverzeichnis fehlt oder ist kein Verzeichnis, Benutzerdatenbank beschädigt).</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose one of --json and --csv.</source>
        <translation>Wählen Sie eines von --json und --csv.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--category must be an integer from 0 to 13, not &apos;%1&apos;.</source>
        <translation>--category muss eine ganze Zahl von 0 bis 13 sein, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>warning: %1; the file is left as it is.</source>
        <translation>Warnung: %1; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>warning: %1: not a directory; no user materials listed.</source>
        <translation>Warnung: %1: kein Verzeichnis; keine Benutzermaterialien aufgelistet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>warning: %1: not found; no user materials listed.</source>
        <translation>Warnung: %1: nicht gefunden; keine Benutzermaterialien aufgelistet.</translation>
    </message>
</context>
<context>
    <name>MinimumHeatResistance</name>
    <message>
        <location filename="../src/calculation/MinimumHeatResistance.cpp" line="+13"/>
        <source>Outer wall</source>
        <translation>Außenwand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Partition wall</source>
        <translation>Trennwand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wall to stair case with temperature &lt;10°C</source>
        <translation>Treppenraumwand zu Treppenraum mit Innentemperatur &lt; 10 °C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wall to stair case with temperature &gt;10°C</source>
        <translation>Treppenraumwand zu Treppenraum mit Innentemperatur &gt; 10 °C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common separating ceiling</source>
        <translation>Wohnungstrenndecke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separating ceiling for officebuilding with central heating</source>
        <translation>Trenndecke in Bürogebäuden mit Zentralheizung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Floor plate over ground</source>
        <translation>Bodenplatte auf Erdreich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Floor plate to non ventilated cavity</source>
        <translation>Bodenplatte über nicht belüftetem Hohlraum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ceiling below attic</source>
        <translation>Decke unter nicht ausgebautem Dachraum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ceiling for cellar</source>
        <translation>Kellerdecke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Floor over garage or passage</source>
        <translation>Decke über Garage oder Durchfahrt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Roof</source>
        <translation>Dach</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wall of heated room to outside, ground, underground garage or similar</source>
        <translation>Wände beheizter Räume gegen Außenluft, Erdreich, Tiefgaragen o. Ä.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Roof pitch to outside</source>
        <translation>Dachschrägen gegen Außenluft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flat roof or ceiling to outside</source>
        <translation>Flachdächer und Decken gegen Außenluft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ceiling to ventilated roof space or to non heated room</source>
        <translation>Decken gegen belüfteten Dachraum oder unbeheizte Räume</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ceiling between insulated roof pitch and jamb wall</source>
        <translation>Decken zwischen gedämmter Dachschräge und Abseitenwand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc.</source>
        <translation>Decken gegen Außenluft, Tiefgarage, Garagen (auch beheizt), belüftete Kriechkeller o. Ä.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Floor over cellar, to ground, non ventilated crawl space</source>
        <translation>Decken über Keller, gegen Erdreich, nicht belüftete Kriechkeller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wall between heated room and directly heated stair case</source>
        <translation>Wände zwischen beheiztem Raum und direkt beheiztem Treppenraum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wall between heated room and indirectly heated stair case</source>
        <translation>Wände zwischen beheiztem Raum und indirekt beheiztem Treppenraum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Partition walls between heated rooms</source>
        <translation>Trennwände zwischen beheizten Räumen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ceiling between rooms of different use and apartment separating ceiling</source>
        <translation>Decken zwischen unterschiedlich genutzten Räumen und Wohnungstrenndecken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Construction with mass per area lower than 100kg/m2</source>
        <translation>Bauteile mit flächenbezogener Masse unter 100 kg/m²</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opaque part of transparent constructions</source>
        <translation>Opake Teile transparenter Bauteile</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+12"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>DIN 4108-2 2004 Tab. 3</source>
        <translation>DIN 4108-2 2004 Tab. 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-2 2013 Tab. 3</source>
        <translation>DIN 4108-2 2013 Tab. 3</translation>
    </message>
</context>
<context>
    <name>MoistStorageValidator</name>
    <message>
        <location filename="../src/ui/MoistStorageValidator.cpp" line="+59"/>
        <source>Moisture content at 80%RH less or equal 0</source>
        <translation>Feuchtegehalt bei 80 % r. F. kleiner oder gleich 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturation moisture content less or equal 0</source>
        <translation>Sättigungsfeuchtegehalt kleiner oder gleich 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture content at 80%RH greater or equal saturation moisture content</source>
        <translation>Feuchtegehalt bei 80 % r. F. größer oder gleich dem Sättigungsfeuchtegehalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture content</source>
        <translation>Der Feuchtegehalt bei 80 % r. F. ergibt bei 95 % r. F. einen Feuchtegehalt größer oder gleich dem Sättigungsfeuchtegehalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moisture content at 80%RH greater or equal to 1.0</source>
        <translation>Feuchtegehalt bei 80 % r. F. größer oder gleich 1,0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture content at saturation greater or equal to 1.0</source>
        <translation>Sättigungsfeuchtegehalt größer oder gleich 1,0</translation>
    </message>
</context>
<context>
    <name>MoistureProfile</name>
    <message>
        <location filename="../src/visualisation/DiagramProfiles.cpp" line="+290"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture content</source>
        <translation>Feuchtegehalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture content at 95 % RH</source>
        <translation>Feuchtegehalt bei 95 % r. F.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hygroscopic moisture</source>
        <translation>Hygroskopische Feuchte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensate</source>
        <translation>Tauwasser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edge of a condensation zone</source>
        <translation>Rand eines Tauwasserbereichs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moisture-dependent method</source>
        <translation>Feuchteabhängiges Verfahren</translation>
    </message>
</context>
<context>
    <name>MonthlyChart</name>
    <message>
        <location filename="../src/visualisation/MonthlyChart.cpp" line="+55"/>
        <source>Accumulated condensate M_a [kg/m²]</source>
        <translation>Angesammelte Tauwassermasse M_a [kg/m²]</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+41"/>
        <source>Accumulated condensate at the end of each month</source>
        <translation>Angesammelte Tauwassermasse am Ende jedes Monats</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>limit %L1 kg/m²</source>
        <translation>Grenzwert %L1 kg/m²</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No interstitial condensation in any month.</source>
        <translation>In keinem Monat Tauwasser im Bauteilinneren.</translation>
    </message>
</context>
<context>
    <name>MonthlyChartFrame</name>
    <message>
        <location filename="../src/report/MonthlyChartFrame.cpp" line="+14"/>
        <source>Accumulated Condensate per Month</source>
        <translation>Angesammelte Tauwassermasse je Monat</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Condensate at the end of each month, summed over the interfaces; the dashed line is the admissible mass of DIN 4108-3, the worst month red.</source>
        <translation>Tauwassermasse am Ende jedes Monats, summiert über die Schichtgrenzen; die gestrichelte Linie ist die nach DIN 4108-3 zulässige Tauwassermasse, der ungünstigste Monat ist rot.</translation>
    </message>
</context>
<context>
    <name>MonthlyClimate</name>
    <message>
        <location filename="../src/calculation/MonthlyClimate.cpp" line="+19"/>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>MonthlyClimateCsv</name>
    <message>
        <location filename="../src/calculation/MonthlyClimateCsv.cpp" line="+67"/>
        <source>%1: the climate file cannot be read (%2).</source>
        <translation>%1: Die Klimadatei kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>line %1: three numbers expected (month, temperature, humidity).</source>
        <translation>Zeile %1: drei Zahlen erwartet (Monat, Temperatur, Luftfeuchte).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line %1: the month must be a whole number from 1 to 12.</source>
        <translation>Zeile %1: Der Monat muss eine ganze Zahl von 1 bis 12 sein.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>12 months expected, %1 found.</source>
        <translation>12 Monate erwartet, %1 gefunden.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>line %1: month %2 appears twice.</source>
        <translation>Zeile %1: Monat %2 kommt doppelt vor.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line %1: the temperature must lie between -80 and 80 °C.</source>
        <translation>Zeile %1: Die Temperatur muss zwischen -80 und 80 °C liegen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: the relative humidity must lie above 0 and at most 100 %.</source>
        <translation>Zeile %1: Die relative Luftfeuchte muss größer als 0 und höchstens 100 % sein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: the vapour pressure must lie above 0 and at most %2 Pa.</source>
        <translation>Zeile %1: Der Wasserdampfteildruck muss größer als 0 und höchstens %2 Pa sein.</translation>
    </message>
</context>
<context>
    <name>MonthlyClimateFrame</name>
    <message>
        <location filename="../src/report/MonthlyClimateFrame.cpp" line="+14"/>
        <source>Climate Data of the Monthly Method (DIN EN ISO 13788)</source>
        <translation>Klimarandbedingungen des Monatsverfahrens (DIN EN ISO 13788)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exterior climate (monthly means)</source>
        <translation>Außenklima (Monatsmittelwerte)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interior climate</source>
        <translation>Innenklima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Surface resistances</source>
        <translation>Wärmeübergangswiderstände</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R&lt;sub&gt;si&lt;/sub&gt; = %L1 m&lt;sup&gt;2&lt;/sup&gt;K/W (condensation), %L2 m&lt;sup&gt;2&lt;/sup&gt;K/W (surface check), R&lt;sub&gt;se&lt;/sub&gt; = %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</source>
        <translation>R&lt;sub&gt;si&lt;/sub&gt; = %L1 m&lt;sup&gt;2&lt;/sup&gt;K/W (Tauwasser), %L2 m&lt;sup&gt;2&lt;/sup&gt;K/W (Oberflächennachweis), R&lt;sub&gt;se&lt;/sub&gt; = %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The project&apos;s own climates and surface resistances are not used by the monthly method.</source>
        <translation>Die Klimate und Wärmeübergangswiderstände des Projekts werden vom Monatsverfahren nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>MonthlyConclusionsFrame</name>
    <message>
        <location filename="../src/report/MonthlyConclusionsFrame.cpp" line="+26"/>
        <source>Conclusions of the Monthly Method</source>
        <translation>Zusammenfassung des Monatsverfahrens</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>All requirements</source>
        <translation>Alle Anforderungen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The monthly method knows neither capillary transport nor hygroscopic storage: condensate stays in the planes where it forms until it evaporates by diffusion.</source>
        <translation>Das Monatsverfahren berücksichtigt weder kapillaren Transport noch hygroskopische Speicherung: Tauwasser bleibt in den Ebenen, in denen es ausfällt, bis es durch Diffusion verdunstet.</translation>
    </message>
</context>
<context>
    <name>MonthlyCriteria</name>
    <message>
        <location filename="../src/calculation/MonthlyCriteria.cpp" line="+37"/>
        <source>DIN 4108-3 largest accumulated condensate M&lt;sub&gt;a,max&lt;/sub&gt; &amp;le; %L1 kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 größte angesammelte Tauwassermasse M&lt;sub&gt;a,max&lt;/sub&gt; &amp;le; %L1 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation>DIN 4108-3 (Holzwerkstoff) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3 %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation>DIN 4108-3 (Holz) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5 %</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All condensate dries out within the year</source>
        <translation>Das gesamte Tauwasser trocknet innerhalb des Jahres aus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mould: &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;ge; &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi,min&lt;/sub&gt; = %L1 (%2)</source>
        <translation>Schimmel: &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;ge; &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi,min&lt;/sub&gt; = %L1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mould: no month with a minimum &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt;</source>
        <translation>Schimmel: kein Monat mit einem Mindestwert &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</source>
        <translation>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</translation>
    </message>
</context>
<context>
    <name>MonthlyDiagramFrame</name>
    <message>
        <location filename="../src/report/MonthlyDiagramFrame.cpp" line="+19"/>
        <source>Temperature and Vapour Pressure Profile of the Worst Month (%1)</source>
        <translation>Temperatur- und Dampfdruckverlauf im ungünstigsten Monat (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Temperature and Vapour Pressure Profile of the Coldest Month (%1)</source>
        <translation>Temperatur- und Dampfdruckverlauf im kältesten Monat (%1)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Monthly mean temperatures and vapour pressures; the vapour pressure runs straight in the equivalent air layer thickness between the interior, the interfaces at saturation and the exterior.</source>
        <translation>Monatsmittel der Temperaturen und Wasserdampfteildrücke; über der diffusionsäquivalenten Luftschichtdicke verläuft der Wasserdampfteildruck geradlinig zwischen dem Innenraum, den Schichtgrenzen mit Sättigung und dem Außenraum.</translation>
    </message>
</context>
<context>
    <name>MonthlyMethod</name>
    <message>
        <location filename="../src/calculation/MonthlyMethod.cpp" line="+126"/>
        <source>The construction has no layers.</source>
        <translation>Die Konstruktion hat keine Schichten.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Dicke %1 der &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid mu %3 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Wasserdampf-Diffusionswiderstandszahl %3 des Materials in &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid thermal conductivity %4 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Wärmeleitfähigkeit %4 des Materials in &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>MonthlyOptions</name>
    <message>
        <location filename="../src/cli/MonthlyOptions.cpp" line="+49"/>
        <source>--method must be &apos;period&apos; or &apos;monthly&apos;, not &apos;%1&apos;.</source>
        <translation>--method muss „period“ oder „monthly“ sein, nicht „%1“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--%1 needs --method monthly.</source>
        <translation>--%1 braucht --method monthly.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>--indoor-rh, --moisture-class and --moisture-excess exclude each other.</source>
        <translation>--indoor-rh, --moisture-class und --moisture-excess schließen einander aus.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--indoor-t needs a temperature from -40 to 80 °C.</source>
        <translation>--indoor-t braucht eine Temperatur von -40 bis 80 °C.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--indoor-rh needs a relative humidity above 0 and at most 100 %.</source>
        <translation>--indoor-rh braucht eine relative Luftfeuchte größer als 0 und höchstens 100 %.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--moisture-class needs a humidity class from 1 to 5.</source>
        <translation>--moisture-class braucht eine Feuchtelastklasse von 1 bis 5.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--moisture-excess needs a moisture excess from 0 to %1 kg/m3.</source>
        <translation>--moisture-excess braucht einen Feuchteüberschuss von 0 bis %1 kg/m3.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Method:
  --method M             period (Glaser scheme and moisture-dependent method, the default) or
                         monthly (monthly method of DIN EN ISO 13788)
  --climate C            monthly climate: potsdam (default) or a CSV file of 12 rows
                         month, theta_e, phi_e in % or p_e in Pa
  --indoor-rh P          constant interior relative humidity in % (default 50)
  --moisture-class N     interior moisture excess of humidity class 1..5
  --moisture-excess DV   interior moisture excess at 0 °C outside in kg/m3
  --indoor-t T           interior temperature in °C (default 20)</source>
        <translation>Verfahren:
  --method M             period (Glaser-Verfahren und feuchteabhängiges Verfahren, die Vorgabe) oder
                         monthly (Monatsverfahren nach DIN EN ISO 13788)
  --climate C            Monatsklima: potsdam (Vorgabe) oder eine CSV-Datei mit 12 Zeilen
                         Monat, theta_e, phi_e in % oder p_e in Pa
  --indoor-rh P          konstante relative Luftfeuchte innen in % (Vorgabe 50)
  --moisture-class N     Feuchteüberschuss innen nach Feuchtelastklasse 1..5
  --moisture-excess DV   Feuchteüberschuss innen bei 0 °C außen in kg/m3
  --indoor-t T           Innentemperatur in °C (Vorgabe 20)</translation>
    </message>
</context>
<context>
    <name>MonthlySummary</name>
    <message>
        <location filename="../src/calculation/MonthlySummary.cpp" line="+10"/>
        <source>Method</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monthly method of DIN EN ISO 13788</source>
        <translation>Monatsverfahren nach DIN EN ISO 13788</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exterior climate</source>
        <translation>Außenklima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interior climate</source>
        <translation>Innenklima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensation starts in</source>
        <translation>Beginn des Tauwasserausfalls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no interstitial condensation</source>
        <translation>kein Tauwasser im Bauteilinneren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Largest accumulated condensate</source>
        <translation>Größte angesammelte Tauwassermasse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%L1 kg/m&lt;sup&gt;2&lt;/sup&gt; at the end of %2</source>
        <translation>%L1 kg/m&lt;sup&gt;2&lt;/sup&gt; am Ende des Monats %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dries out within the year</source>
        <translation>Trocknet innerhalb des Jahres aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no, %L1 kg/m&lt;sup&gt;2&lt;/sup&gt; remain</source>
        <translation>nein, %L1 kg/m&lt;sup&gt;2&lt;/sup&gt; verbleiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Temperature factor of the construction</source>
        <translation>Temperaturfaktor der Konstruktion</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</source>
        <translation>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Design month of the surface</source>
        <translation>Maßgebender Monat der Oberfläche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi,min&lt;/sub&gt; = %L2</source>
        <translation>%1, &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi,min&lt;/sub&gt; = %L2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>none (never colder outside than inside)</source>
        <translation>keiner (außen nie kälter als innen)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%L1 °C, %L2 %</source>
        <translation>%L1 °C, %L2 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%L1 °C, moisture excess %L2 kg/m&lt;sup&gt;3&lt;/sup&gt; at &lt;i&gt;&amp;theta;&lt;/i&gt;&lt;sub&gt;e&lt;/sub&gt; &amp;le; 0 °C</source>
        <translation>%L1 °C, Feuchteüberschuss %L2 kg/m&lt;sup&gt;3&lt;/sup&gt; bei &lt;i&gt;&amp;theta;&lt;/i&gt;&lt;sub&gt;e&lt;/sub&gt; &amp;le; 0 °C</translation>
    </message>
</context>
<context>
    <name>MonthlySurfaceFrame</name>
    <message>
        <location filename="../src/report/MonthlySurfaceFrame.cpp" line="+13"/>
        <source>Interior Surface against Mould (Monthly Method)</source>
        <translation>Schimmelschutz der Innenoberfläche (Monatsverfahren)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;i&gt;&amp;theta;&lt;/i&gt;&lt;sub&gt;e&lt;/sub&gt; [&amp;deg;C]</source>
        <translation>&lt;i&gt;&amp;theta;&lt;/i&gt;&lt;sub&gt;e&lt;/sub&gt; [&amp;deg;C]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;i&gt;&amp;theta;&lt;/i&gt;&lt;sub&gt;si,min&lt;/sub&gt; [&amp;deg;C]</source>
        <translation>&lt;i&gt;&amp;theta;&lt;/i&gt;&lt;sub&gt;si,min&lt;/sub&gt; [&amp;deg;C]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi,min&lt;/sub&gt;</source>
        <translation>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi,min&lt;/sub&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Design month %1: &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi,min&lt;/sub&gt; = %L2; the construction has &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L3 with R&lt;sub&gt;si&lt;/sub&gt; = 0.25 m&lt;sup&gt;2&lt;/sup&gt;K/W.</source>
        <translation>Maßgebender Monat %1: &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi,min&lt;/sub&gt; = %L2; die Konstruktion hat &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L3 mit R&lt;sub&gt;si&lt;/sub&gt; = 0,25 m&lt;sup&gt;2&lt;/sup&gt;K/W.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No month is colder outside than inside: no design month.</source>
        <translation>In keinem Monat ist es außen kälter als innen: kein maßgebender Monat.</translation>
    </message>
</context>
<context>
    <name>MonthlyTableFrame</name>
    <message>
        <location filename="../src/report/MonthlyTableFrame.cpp" line="+24"/>
        <source>Condensation and Drying Month by Month</source>
        <translation>Tauwasserausfall und Verdunstung Monat für Monat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;i&gt;&amp;theta;&lt;/i&gt;&lt;sub&gt;e&lt;/sub&gt; [&amp;deg;C]</source>
        <translation>&lt;i&gt;&amp;theta;&lt;/i&gt;&lt;sub&gt;e&lt;/sub&gt; [&amp;deg;C]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;i&gt;&amp;phi;&lt;/i&gt;&lt;sub&gt;e&lt;/sub&gt; [%]</source>
        <translation>&lt;i&gt;&amp;phi;&lt;/i&gt;&lt;sub&gt;e&lt;/sub&gt; [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;i&gt;p&lt;/i&gt;&lt;sub&gt;i&lt;/sub&gt; [Pa]</source>
        <translation>&lt;i&gt;p&lt;/i&gt;&lt;sub&gt;i&lt;/sub&gt; [Pa]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>condensed (+) / evaporated (&amp;minus;) [kg/m&lt;sup&gt;2&lt;/sup&gt;]</source>
        <translation>ausgefallen (+) / verdunstet (&amp;minus;) [kg/m&lt;sup&gt;2&lt;/sup&gt;]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>accumulated &lt;i&gt;M&lt;/i&gt;&lt;sub&gt;a&lt;/sub&gt; [kg/m&lt;sup&gt;2&lt;/sup&gt;]</source>
        <translation>angesammelt &lt;i&gt;M&lt;/i&gt;&lt;sub&gt;a&lt;/sub&gt; [kg/m&lt;sup&gt;2&lt;/sup&gt;]</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (between layers %1 and %2)</source>
        <translation>%1 (zwischen den Schichten %1 und %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No interstitial condensation in any month; the months run from January.</source>
        <translation>In keinem Monat Tauwasser im Bauteilinneren; die Monate beginnen mit Januar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The year starts in the first month with condensation. Condensate at interface %1; the worst month in bold.</source>
        <translation>Das Jahr beginnt mit dem ersten Monat mit Tauwasserausfall. Tauwasser an der Schichtgrenze %1; der ungünstigste Monat ist fett.</translation>
    </message>
</context>
<context>
    <name>MonthlyText</name>
    <message>
        <location filename="../src/cli/MonthlyText.cpp" line="+28"/>
        <source>Criteria:</source>
        <translation>Kriterien:</translation>
    </message>
</context>
<context>
    <name>NewProjectWizard</name>
    <message>
        <location filename="../src/ui/NewProjectWizard.cpp" line="+26"/>
        <source>Project Information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the information for this new project. You can change the default project information in the preferences dialog.</source>
        <translation>Bitte geben Sie die Angaben zu diesem neuen Projekt ein. Die Standard-Projektinformationen können Sie im Einstellungsdialog ändern.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>New Project Wizard</source>
        <translation>Assistent für neue Projekte</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Error loading project file</source>
        <translation>Fehler beim Laden der Projektdatei</translation>
    </message>
</context>
<context>
    <name>NewProjectWizardMaterialPage</name>
    <message>
        <location filename="../src/ui/NewProjectWizardMaterialPage.cpp" line="+15"/>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select material for first layer</source>
        <translation>Material der ersten Schicht wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No template</source>
        <translation>Keine Vorlage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Project template:</source>
        <translation>Projektvorlage:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can add your own projects as templates by copying the project files into the Templates subdirectory.</source>
        <translation>Eigene Projekte fügen Sie als Vorlagen hinzu, indem Sie die Projektdateien in das Unterverzeichnis Templates kopieren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please select a material below. This material will be the first material layer of your construction. You can choose any material now and add/move/delete layers later as required.</source>
        <translation>Bitte wählen Sie unten ein Material. Es wird die erste Materialschicht Ihrer Konstruktion. Sie können jetzt ein beliebiges Material wählen und Schichten später nach Bedarf hinzufügen, verschieben oder löschen.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <location filename="../src/ui/PrintDialog.cpp" line="+61"/>
        <source>Report Preview Dialog</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Cannot print report.</source>
        <translation>Der Bericht kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Creating paint device failed.</source>
        <translation>Die Zeichenfläche konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+15"/>
        <source>Cannot write file &apos;%1&apos;: creating the paint device failed.</source>
        <translation>Datei „%1“ kann nicht geschrieben werden: Die Zeichenfläche konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Cannot write file &apos;%1&apos;: the picture cannot be encoded.</source>
        <translation>Datei „%1“ kann nicht geschrieben werden: Das Bild kann nicht kodiert werden.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Undo change of the DIN 4108-2 table.</source>
        <translation>Änderung der Tabelle der DIN 4108-2 rückgängig machen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Undo change of the construction kind of DIN 4108-2.</source>
        <translation>Änderung der Bauteilart nach DIN 4108-2 rückgängig machen.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Undo change of the f_Rsi check.</source>
        <translation>Änderung des f_Rsi-Nachweises rückgängig machen.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Undo change of the drying reserve.</source>
        <translation>Änderung der Trocknungsreserve rückgängig machen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Undo change of the DIN 4108-3 check.</source>
        <translation>Änderung des Nachweises nach DIN 4108-3 rückgängig machen.</translation>
    </message>
    <message>
        <location line="-177"/>
        <location line="+5"/>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+16"/>
        <location filename="../src/ui/PrintDialogForm.cpp" line="+106"/>
        <source>Export current page to file</source>
        <translation>Aktuelle Seite in Datei exportieren</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Png file (*.png)</source>
        <translation>PNG-Datei (*.png)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pdf file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Svg file (*.svg)</source>
        <translation>SVG-Datei (*.svg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jpg image (*.jpg)</source>
        <translation>JPG-Bild (*.jpg)</translation>
    </message>
    <message>
        <location filename="../src/ui/PrintDialogForm.cpp" line="-34"/>
        <source>Print...</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write pdf</source>
        <translation>PDF schreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Setup...</source>
        <translation>Seite einrichten …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>General Appearance</source>
        <translation>Allgemeines Erscheinungsbild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Input Data</source>
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diagrams</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final Remarks</source>
        <translation>Schlussbemerkungen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fit Page in View</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fit to Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Custom Zoom</source>
        <translation>Eigener Zoom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Update report</source>
        <translation>Bericht aktualisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export page...</source>
        <translation>Seite exportieren …</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+9"/>
        <source>Report font</source>
        <translation>Schriftart des Berichts</translation>
    </message>
    <message>
        <location line="-5"/>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report font size</source>
        <translation>Schriftgröße des Berichts</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>User logo</source>
        <translation>Eigenes Logo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Text format of the project information:</source>
        <translation>Textformat der Projektinformationen:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Frsi check with inner surface resistance of %L1 m2K/W</source>
        <translation>Nachweis Frsi mit innerem Wärmeübergangswiderstand von %L1 m2K/W</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <location filename="../src/model/ProjectFile.cpp" line="+16"/>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation>Datei &apos;%1&apos; kann nicht zum Lesen geöffnet werden (evtl. fehlende Berechtigung).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error reading file as VAPRO 1 version.
</source>
        <translation>Fehler beim Lesen der Datei als VAPRO-1-Version.
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Project doesn&apos;t contain any layers. Please create a new project!</source>
        <translation>Das Projekt enthält keine Schichten. Bitte legen Sie ein neues Projekt an!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The project has more than %1 layers.</source>
        <translation>Das Projekt hat mehr als %1 Schichten.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No project to save.</source>
        <translation>Kein Projekt zum Speichern.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error writing file &apos;%1&apos;.</source>
        <translation>Fehler beim Schreiben der Datei &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>ProjectEvaluation</name>
    <message>
        <location filename="../src/cli/ProjectEvaluation.cpp" line="+56"/>
        <source>standard input cannot be read</source>
        <translation>Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is a directory</source>
        <translation>ist ein Verzeichnis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>ProjectInfoFrame</name>
    <message>
        <location filename="../src/report/ProjectInfoFrame.cpp" line="+24"/>
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Construction:</source>
        <translation>Konstruktion:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Result of the assessment</source>
        <translation>Ergebnis der Beurteilung</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditDialog</name>
    <message>
        <location filename="../src/ui/ProjectInformationEditDialog.cpp" line="+15"/>
        <source>Edit Project Information</source>
        <translation>Projektinformationen bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Here you can edit the project information for the currently loaded project. The information entered here appear on the printing calculation report.

New projects will initially get default project information, that can be edited in the preferences dialog.</source>
        <translation>Hier bearbeiten Sie die Projektinformationen des geladenen Projekts. Die hier eingegebenen Angaben erscheinen im gedruckten Berechnungsbericht.

Neue Projekte erhalten zunächst die Standard-Projektinformationen, die im Einstellungsdialog bearbeitet werden können.</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditWidget</name>
    <message>
        <location filename="../src/ui/ProjectInformationEditWidget.cpp" line="+13"/>
        <source>Project name:</source>
        <translation>Projektname:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Construction ID:</source>
        <translation>Konstruktionskennung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Editor/User:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
</context>
<context>
    <name>QtExt::ConstructionGraphicsScene</name>
    <message>
        <location filename="../externals/QtExt/src/QtExt_ConstructionGraphicsScene.cpp" line="+75"/>
        <source>Layer widths in [mm]</source>
        <translation>Schichtdicken in [mm]</translation>
    </message>
</context>
<context>
    <name>QtExt::ConstructionViewWidget</name>
    <message>
        <location filename="../externals/QtExt/src/QtExt_ConstructionViewWidget.cpp" line="+27"/>
        <source>Assign material</source>
        <translation>Material zuweisen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assign material to the selected layer</source>
        <translation>Der gewählten Schicht ein Material zuweisen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert layer left</source>
        <translation>Schicht links einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert a new layer left from selected one</source>
        <translation>Eine neue Schicht links von der gewählten einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert layer right</source>
        <translation>Schicht rechts einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert a new layer right from selected one</source>
        <translation>Eine neue Schicht rechts von der gewählten einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove layer</source>
        <translation>Schicht entfernen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Remove selected layer</source>
        <translation>Gewählte Schicht entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move layer left</source>
        <translation>Schicht nach links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected layer to left</source>
        <translation>Gewählte Schicht nach links verschieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move layer right</source>
        <translation>Schicht nach rechts</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected layer to right</source>
        <translation>Gewählte Schicht nach rechts verschieben</translation>
    </message>
</context>
<context>
    <name>QtExt::MaterialDatabaseSelectionWidget</name>
    <message>
        <location filename="../externals/QtExt/src/QtExt_MaterialDatabaseSelectionWidget.ui" line="+13"/>
        <source>Category Filter</source>
        <translation>Kategoriefilter</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Material Name Filter</source>
        <translation>Filter Materialname</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Producer Filter</source>
        <translation>Filter Hersteller</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Data source filter</source>
        <translation>Filter Datenquelle</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Comment filter</source>
        <translation>Filter Kommentar</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Selected Material:</source>
        <translation>Gewähltes Material:</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../externals/QtExt/src/QtExt_MaterialDatabaseSelectionWidget.cpp" line="+95"/>
        <source>Nothing</source>
        <translation>Keines</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <location filename="../externals/QtExt/src/QtExt_MaterialDatabaseSelectionWidget.cpp" line="-46"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="+150"/>
        <source>Add Material ...</source>
        <translation>Material hinzufügen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Material ...</source>
        <translation>Material bearbeiten …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Material</source>
        <translation>Material entfernen</translation>
    </message>
</context>
<context>
    <name>QtExt::MaterialTableModel</name>
    <message>
        <location filename="../externals/QtExt/src/QtExt_MaterialTableModel.cpp" line="+103"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ProductName</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Producer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DataSource</source>
        <translation>Datenquelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 [kg/m%2]</source>
        <translation>%1 [kg/m%2]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cp [J/kgK]</source>
        <translation>cp [J/kgK]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 [-]</source>
        <translation>%1 [-]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 [W/mK]</source>
        <translation>%1 [W/mK]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W80 [m%1/m%1]</source>
        <translation>W80 [m%1/m%1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WSat [m%1/m%1]</source>
        <translation>WSat [m%1/m%1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aw
[kg/m%1s%2]</source>
        <translation>Aw
[kg/m%1s%2]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sd [m]</source>
        <translation>sd [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kair [s/m]</source>
        <translation>Kair [s/m]</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <location filename="../src/report/Report.cpp" line="+107"/>
        <source>Cannot open painter with current printer.</source>
        <translation>Mit dem aktuellen Drucker kann nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <location filename="../src/cli/ReportCommand.cpp" line="+30"/>
        <source>report [options] FILE -o OUT.pdf  write the report of a project file as PDF</source>
        <translation>report [options] FILE -o OUT.pdf  den Bericht einer Projektdatei als PDF schreiben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli report [options] FILE -o OUT.pdf
Loads the project file, recalculates it and writes its report as PDF (A4, 20 mm margins).

Options:
  -o, --output OUT.pdf   the PDF file to write (required); &apos;-&apos; writes the PDF to standard output
  --force                replace OUT.pdf when it exists
  --frames LIST          frame ids separated by commas, or &apos;all&apos;; default: 0,1,2,3,4,5,9,11,12
                         (0 header, 1 footer, 2 project, 3 sketch, 4 layers, 5 climate, 6 surface
                         resistances, 7 resistances, 8 results table, 9 moisture diagram,
                         10 vapour pressure diagram, 11 conclusions, 12 Glaser results, 13 remarks);
                         with --method monthly 5 is its climate, 8 the monthly table, 9 the
                         condensate chart, 10 the worst month&apos;s profile, 11 its conclusions and
                         12 the surface check, default 0,1,2,3,4,5,8,9,10,11,12
  --page-numbers         &apos;Page n of m&apos; in the footer
  --font FAMILY          report font (default: Verdana)
  --lang ID              language of the report: en (default) or de
</source>
        <translation>Aufruf: hygrolux2-cli report [options] FILE -o OUT.pdf
Lädt die Projektdatei, berechnet sie neu und schreibt ihren Bericht als PDF (A4, 20 mm Ränder).

Optionen:
  -o, --output OUT.pdf   die zu schreibende PDF-Datei (erforderlich); „-“ schreibt das PDF auf die Standardausgabe
  --force                OUT.pdf ersetzen, wenn die Datei existiert
  --frames LIST          Abschnittskennungen durch Kommas getrennt, oder „all“; Vorgabe: 0,1,2,3,4,5,9,11,12
                         (0 Kopf, 1 Fuß, 2 Projekt, 3 Skizze, 4 Schichten, 5 Klima, 6 Wärmeübergangs-
                         widerstände, 7 Widerstände, 8 Ergebnistabelle, 9 Feuchtediagramm,
                         10 Dampfdruckdiagramm, 11 Zusammenfassung, 12 Glaser-Ergebnisse, 13 Bemerkungen);
                         mit --method monthly ist 5 das Monatsklima, 8 die Monatstabelle, 9 das
                         Tauwasserdiagramm, 10 der Verlauf im ungünstigsten Monat, 11 die
                         Zusammenfassung und 12 der Oberflächennachweis, Vorgabe 0,1,2,3,4,5,8,9,10,11,12
  --page-numbers         „Seite n von m“ in der Fußzeile
  --font FAMILY          Schriftart des Berichts (Vorgabe: Verdana)
  --lang ID              Sprache des Berichts: en (Vorgabe) oder de
</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>

Exit code 0 on success, 2 when the project cannot be loaded or the PDF cannot be written, 1 for bad usage, 3 when the PDF was written but the project&apos;s results could not be judged (invalid input, a calculation without result; the reason goes to standard error).</source>
        <translation>

Rückgabewert 0 bei Erfolg, 2 wenn das Projekt nicht geladen oder das PDF nicht geschrieben werden kann, 1 bei fehlerhaftem Aufruf, 3 wenn das PDF geschrieben wurde, die Ergebnisse des Projekts aber nicht bewertet werden konnten (ungültige Eingaben, Berechnung ohne Ergebnis; der Grund steht in der Standardfehlerausgabe).</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>--frames needs frame ids 0..13 separated by commas, or &apos;all&apos;.</source>
        <translation>--frames braucht Abschnittskennungen 0..13, durch Kommas getrennt, oder &apos;all&apos;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exactly one project file is needed.</source>
        <translation>Es wird genau eine Projektdatei benötigt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No output file given (-o OUT.pdf).</source>
        <translation>Keine Ausgabedatei angegeben (-o OUT.pdf).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--font needs the name of a font family.</source>
        <translation>--font braucht den Namen einer Schriftfamilie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report is a PDF: the output file needs the extension .pdf.</source>
        <translation>Der Bericht ist ein PDF: Die Ausgabedatei braucht die Endung .pdf.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1: the PDF file cannot be written.</source>
        <translation>%1: Die PDF-Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Report font &apos;%1&apos; is not installed, &apos;%2&apos; is used.</source>
        <translation>Die Berichtsschrift &apos;%1&apos; ist nicht installiert, &apos;%2&apos; wird verwendet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
</context>
<context>
    <name>ReportFrameBase</name>
    <message>
        <location filename="../src/report/ReportFrameBase.cpp" line="+140"/>
        <source>No results:</source>
        <translation>Keine Ergebnisse:</translation>
    </message>
</context>
<context>
    <name>ReportOptionControls</name>
    <message>
        <location filename="../src/ui/ReportOptionControls.cpp" line="+24"/>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Project information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Construction sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Material data</source>
        <translation>Materialkennwerte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Climate data</source>
        <translation>Klimarandbedingungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Surface Resistance</source>
        <translation>Wärmeübergangswiderstände</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resistances and µ values</source>
        <translation>Widerstände und µ-Werte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Results - Detailed Table</source>
        <translation>%1-Ergebnisse - ausführliche Tabelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Temperature and moisture profiles</source>
        <translation>Temperatur- und Feuchteverlauf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vapour pressure profiles</source>
        <translation>Dampfdruckverlauf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Results - Summary</source>
        <translation>%1-Ergebnisse - Zusammenfassung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) - Zusammenfassung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Final Remarks</source>
        <translation>Schlussbemerkungen drucken</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Page numbers in footer</source>
        <translation>Seitenzahlen in der Fußzeile</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Bauteilart für den Nachweis des Mindestwärmeschutzes
nach DIN 4108-2 Tabelle 3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Edition of DIN 4108-2</source>
        <translation>Ausgabe der DIN 4108-2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Construction kind</source>
        <translation>Bauteilart</translation>
    </message>
</context>
<context>
    <name>ResistanceFrame</name>
    <message>
        <location filename="../src/report/ResistanceFrame.cpp" line="+34"/>
        <source>Thermal, Vapour Diffusion and Liquid Transport Resistances</source>
        <translation>Wärme-, Diffusions- und Flüssigtransportwiderstände</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Layer / Material</source>
        <translation>Schicht / Material</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sum of resistances (moisture dependent)</source>
        <translation>Summe der Widerstände (feuchteabhängig)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Thermal transmission resistance (moisture dependent):</source>
        <translation>Wärmedurchgangswiderstand (feuchteabhängig):</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Thermal transmission coefficient (moisture dependent):</source>
        <translation>Wärmedurchgangskoeffizient (feuchteabhängig):</translation>
    </message>
</context>
<context>
    <name>ResultSummary</name>
    <message>
        <location filename="../src/calculation/ResultSummary.cpp" line="+39"/>
        <source>Not applicable</source>
        <translation>Entfällt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No drying</source>
        <translation>Keine Austrocknung</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Condensation %1, judged %2.</source>
        <translation>Tauwasser %1, beurteilt %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Condensation %1.</source>
        <translation>Tauwasser %1.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>layer %1</source>
        <translation>Schicht %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>layer %1 (%2)</source>
        <translation>Schicht %1 (%2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>in the plane between %1 and %2</source>
        <translation>in der Ebene zwischen %1 und %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in the zone between %1 and %2</source>
        <translation>im Bereich zwischen %1 und %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Construction thickness</source>
        <translation>Bauteildicke</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Wärmedurchlass­widerstand der Konstruktion (trocken)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>U-value (dry, R_si/R_se of the condensation period)</source>
        <translation>U-Wert (trocken, R_si/R_se der Tauperiode)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermal transmission coefficient of the construction (dry), with the surface resistances of the condensation period</source>
        <translation>Wärmedurchgangs­koeffizient der Konstruktion (trocken), mit den Wärmeübergangswiderständen der Tauperiode</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>U-value (moist, R_si/R_se of the condensation period)</source>
        <translation>U-Wert (feucht, R_si/R_se der Tauperiode)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thermal transmission coefficient of the construction (moisture dependent), with the surface resistances of the condensation period</source>
        <translation>Wärmedurchgangs­koeffizient der Konstruktion (feuchteabhängig), mit den Wärmeübergangswiderständen der Tauperiode</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>U-value (DIN EN ISO 6946)</source>
        <translation>U-Wert (DIN EN ISO 6946)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Condensation mass after condensation period</source>
        <translation>Tauwassermasse nach der Tauperiode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Condensation mass after condensation period (based on VAPRO)</source>
        <translation>Tauwassermasse nach der Tauperiode (nach VAPRO)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drying time</source>
        <translation>Austrocknungszeit</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <location filename="../src/calculation/ResultTexts.cpp" line="+32"/>
        <source>No input!</source>
        <translation>Keine Eingaben!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid input!</source>
        <translation>Ungültige Eingaben!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no algorithm for this problem.</source>
        <translation>Für diesen Fall gibt es kein Rechenverfahren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Condensation on the surface (warm side). No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche (Warmseite). Keine Berechnung möglich.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Condensation on the surface (cold side). No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche (Kaltseite). Keine Berechnung möglich.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only one layer. No condensate possible!</source>
        <translation>Nur eine Schicht. Kein Tauwasserausfall möglich!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No condensate emerges!</source>
        <translation>Kein Tauwasserausfall!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>t_hyg bigger than duration of winter climate!</source>
        <translation>t_hyg länger als die Dauer des Winterklimas!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Unknown result!</source>
        <translation>Unbekanntes Ergebnis!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Condensation between layer %1 and %2!</source>
        <translation>Tauwasserausfall zwischen Schicht %1 und %2!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensation between layer </source>
        <translation>Tauwasserausfall zwischen Schicht </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Moisture content above saturation in &lt;a href=&quot;layer-%1&quot;&gt;layer %1&lt;/a&gt;: the stationary result overestimates the moisture content there.</source>
        <translation>Feuchtegehalt über der Sättigung in &lt;a href=&quot;layer-%1&quot;&gt;Schicht %1&lt;/a&gt;: Das stationäre Ergebnis überschätzt dort den Feuchtegehalt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moisture content above saturation in layer %1: the stationary result overestimates the moisture content there.</source>
        <translation>Feuchtegehalt über der Sättigung in Schicht %1: Das stationäre Ergebnis überschätzt dort den Feuchtegehalt.</translation>
    </message>
</context>
<context>
    <name>ResultsTableFrame</name>
    <message>
        <location filename="../src/report/ResultsTableFrame.cpp" line="+78"/>
        <source>Layer / Material</source>
        <translation>Schicht / Material</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Temperatures, Vapour Pressures and Moisture Contents</source>
        <translation>Temperaturen, Wasserdampfteildrücke und Feuchtegehalte</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>Air layer (warm side)</source>
        <translation>Luftschicht (Warmseite)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Surface (warm side)</source>
        <translation>Oberfläche (Warmseite)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface (cold side)</source>
        <translation>Oberfläche (Kaltseite)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Air layer (cold side)</source>
        <translation>Luftschicht (Kaltseite)</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>%1 - temperature, </source>
        <translation>%1 - Temperatur, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 - saturation vapour pressure, </source>
        <translation>%1 - Sättigungsdampfdruck, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>p - vapour pressure, </source>
        <translation>p - Wasserdampfteildruck, </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>w - moisture content, </source>
        <translation>w - Feuchtegehalt, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>d&lt;sub&gt;c&lt;/sub&gt; - thickness of condensation layer,&lt;br/&gt;</source>
        <translation>d&lt;sub&gt;c&lt;/sub&gt; - Dicke des Tauwasserbereichs,&lt;br/&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>M&lt;sub&gt;c&lt;/sub&gt; - %1</source>
        <translation>M&lt;sub&gt;c&lt;/sub&gt; - %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>condensation mass</source>
        <translation>Tauwassermasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Values of the moisture-dependent method.</source>
        <translation>Werte des feuchteabhängigen Verfahrens.</translation>
    </message>
</context>
<context>
    <name>SafeFileWriter</name>
    <message>
        <location filename="../src/model/SafeFileWriter.cpp" line="+27"/>
        <source>Cannot write file &apos;%1&apos;: it is not a regular file.</source>
        <translation>Datei &apos;%1&apos; kann nicht geschrieben werden: Sie ist keine reguläre Datei.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open file &apos;%1&apos; for writing: %2</source>
        <translation>Datei &apos;%1&apos; kann nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+6"/>
        <source>Error writing file &apos;%1&apos;: %2</source>
        <translation>Fehler beim Schreiben der Datei &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>ShowLogfile</name>
    <message>
        <location filename="../src/ui/ShowLogfile.cpp" line="+15"/>
        <source>Log File</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Log file</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No logfile found at position
 %1</source>
        <translation>Keine Protokolldatei gefunden unter
 %1</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <location filename="../src/cli/SimulateCommand.cpp" line="+50"/>
        <source>%1: cannot be read (%2).</source>
        <translation>%1: kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>simulated %1 of %2 days (%3 %)</source>
        <translation>%1 von %2 Tagen simuliert (%3 %)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Water content [kg/m²]</source>
        <translation>Feuchtegehalt [kg/m²]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relative humidity [%]</source>
        <translation>Relative Luftfeuchte [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperature [°C]</source>
        <translation>Temperatur [°C]</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The construction has no layers.</source>
        <translation>Die Konstruktion hat keine Schichten.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Layer %1 (%2) needs a width, density, thermal conductivity and diffusion resistance factor above 0.</source>
        <translation>Schicht %1 (%2) braucht eine Dicke, Rohdichte, Wärmeleitfähigkeit und Wasserdampf-Diffusionswiderstandszahl größer als 0.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>simulate FILE [options]       transient heat and moisture simulation (EN 15026) under hourly climates</source>
        <translation>simulate FILE [options]       instationäre Wärme- und Feuchtesimulation (EN 15026) mit stündlichen Klimadaten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli simulate FILE [options]
Simulates the construction of the project FILE (&apos;-&apos;: standard input) hour by hour with coupled heat and moisture transport after EN 15026; material functions come from the catalogue values of the layers.

Options:
  --years N          simulated years (default 1)
  --exterior C       sine:NAME (monthly means of a built-in climate: potsdam), sine:T1,...,T12 (twelve
                     monthly means in °C) - both with a daily swing of ±4 K and 80 % relative humidity -
                     or an hourly CSV file (default sine:potsdam)
  --interior C       en15026-normal, en15026-high (EN 15026 Annex C from the exterior climate) or an
                     hourly CSV file (default en15026-normal)
  --initial-rh P     initial relative humidity in % (default 80), at 20 °C
  --monitor X,Y      monitor positions from the interior surface in m (or with mm, cm) for the CSV
  --refine F         mesh refinement factor (default 1)
  --out-csv OUT      hourly values as CSV (&apos;-&apos;: standard output)
  --json             the summary as JSON instead of text
  --plot OUT         water content, relative humidity and temperature of each layer over time (.svg, .png, .pdf)
  --force            replace existing output files

Hourly CSV climate: one header line, then &apos;time in h, temperature in °C, relative humidity in %&apos; in equal steps;
a shorter series repeats. Ctrl+C stops the run and writes what is computed (exit code 130).
Exit code 0 on success, 1 for bad usage, 2 when a file could not be read or written, 3 when the solver failed
(the results up to that hour are written).</source>
        <translation>Aufruf: hygrolux2-cli simulate FILE [options]
Simuliert die Konstruktion des Projekts FILE („-“: Standardeingabe) Stunde für Stunde mit gekoppeltem Wärme- und Feuchtetransport nach EN 15026; die Materialfunktionen ergeben sich aus den Katalogwerten der Schichten.

Optionen:
  --years N          simulierte Jahre (Vorgabe 1)
  --exterior C       sine:NAME (Monatsmittel eines eingebauten Klimas: potsdam), sine:T1,…,T12 (zwölf
                     Monatsmittel in °C) – beide mit einer Tagesschwankung von ±4 K und 80 % relativer
                     Luftfeuchte – oder eine stündliche CSV-Datei (Vorgabe sine:potsdam)
  --interior C       en15026-normal, en15026-high (EN 15026 Anhang C aus dem Außenklima) oder eine
                     stündliche CSV-Datei (Vorgabe en15026-normal)
  --initial-rh P     relative Anfangsfeuchte in % (Vorgabe 80), bei 20 °C
  --monitor X,Y      Messstellen ab der Innenoberfläche in m (oder mit mm, cm) für die CSV-Ausgabe
  --refine F         Verfeinerungsfaktor des Rechengitters (Vorgabe 1)
  --out-csv OUT      Stundenwerte als CSV („-“: Standardausgabe)
  --json             die Zusammenfassung als JSON statt als Text
  --plot OUT         Feuchtegehalt, relative Luftfeuchte und Temperatur jeder Schicht über der Zeit (.svg, .png, .pdf)
  --force            vorhandene Ausgabedateien ersetzen

Stündliches CSV-Klima: eine Kopfzeile, dann „Zeit in h, Temperatur in °C, relative Luftfeuchte in %“ in gleichen
Schritten; eine kürzere Reihe wird wiederholt. Strg+C beendet den Lauf und schreibt das bisher Berechnete (Rückgabewert 130).
Rückgabewert 0 bei Erfolg, 1 bei fehlerhaftem Aufruf, 2 wenn eine Datei nicht gelesen oder geschrieben werden konnte,
3 wenn der Löser versagte (die Ergebnisse bis zu dieser Stunde werden geschrieben).</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>--exterior sine: needs a built-in climate (potsdam) or twelve monthly means in °C.</source>
        <translation>--exterior sine: braucht ein eingebautes Klima (potsdam) oder zwölf Monatsmittel in °C.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>simulate needs exactly one project file.</source>
        <translation>simulate braucht genau eine Projektdatei.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--years needs a whole number from 1 to %1.</source>
        <translation>--years braucht eine ganze Zahl von 1 bis %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--initial-rh needs a relative humidity above 0 and up to 100 %.</source>
        <translation>--initial-rh braucht eine relative Luftfeuchte größer als 0 und bis 100 %.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--refine needs a factor from 0.25 to 10.</source>
        <translation>--refine braucht einen Faktor von 0.25 bis 10.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--monitor needs positions in m separated by commas.</source>
        <translation>--monitor braucht durch Kommas getrennte Positionen in m.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--plot needs a file ending in .svg, .png or .pdf.</source>
        <translation>--plot braucht eine Datei mit der Endung .svg, .png oder .pdf.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--out-csv - and --json cannot share standard output.</source>
        <translation>--out-csv - und --json können sich die Standardausgabe nicht teilen.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: the simulation stopped: %2</source>
        <translation>%1: Die Simulation wurde abgebrochen: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: interrupted after %2 h; writing what is computed.</source>
        <translation>%1: nach %2 h unterbrochen; das bisher Berechnete wird geschrieben.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: the chart could not be drawn.</source>
        <translation>%1: Das Diagramm konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>SimulationChart</name>
    <message>
        <location filename="../src/visualisation/SimulationChart.cpp" line="+105"/>
        <source>Time [d]</source>
        <translation>Zeit [d]</translation>
    </message>
</context>
<context>
    <name>SimulationOutput</name>
    <message>
        <location filename="../src/cli/SimulationOutput.cpp" line="+135"/>
        <source>%1: %2 year(s), interior %3, exterior %4, initial relative humidity %5 %
</source>
        <translation>%1: %2 Jahr(e), innen %3, außen %4, relative Anfangsfeuchte %5 %
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Water content per layer [kg/m²]: initial, maximum, final, trend per year
</source>
        <translation>Feuchtegehalt je Schicht [kg/m²]: Anfang, Maximum, Ende, Trend je Jahr
</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>     wood moisture at most %1 M.-% (year %2, %3)%4
</source>
        <translation>     Holzfeuchte höchstens %1 M.-% (Jahr %2, %3)%4
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>: above 20 M.-%</source>
        <translation>: über 20 M.-%</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Total water content: %1 -&gt; %2 kg/m², change in the last year %3 kg/m²: %4
</source>
        <translation>Gesamter Feuchtegehalt: %1 -&gt; %2 kg/m², Änderung im letzten Jahr %3 kg/m²: %4
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>still rising (no dynamic equilibrium yet)</source>
        <translation>steigt noch (noch kein dynamisches Gleichgewicht)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>not rising</source>
        <translation>steigt nicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run: %1 h simulated%2, %3 cells, %4 steps, %5 Newton iterations, %6 failures, smallest step %7 s, %8 s
</source>
        <translation>Lauf: %1 h simuliert%2, %3 Zellen, %4 Schritte, %5 Newton-Iterationen, %6 Fehlschläge, kleinster Schritt %7 s, %8 s
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (stopped early)</source>
        <translation> (vorzeitig beendet)</translation>
    </message>
</context>
<context>
    <name>SketchFrame</name>
    <message>
        <location filename="../src/report/SketchFrame.cpp" line="+13"/>
        <source>Construction Sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
</context>
<context>
    <name>StudyChart</name>
    <message>
        <location filename="../src/visualisation/StudyChart.cpp" line="+234"/>
        <source>Condensate mass M&lt;sub&gt;c&lt;/sub&gt;</source>
        <translation>Tauwassermasse M&lt;sub&gt;c&lt;/sub&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Drying time</source>
        <translation>Austrocknungszeit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>all requirements fulfilled</source>
        <translation>alle Anforderungen erfüllt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>judged on the Glaser basis</source>
        <translation>nach dem Glaser-Verfahren beurteilt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>surface condensation (no M&lt;sub&gt;c&lt;/sub&gt;)</source>
        <translation>Oberflächentauwasser (keine M&lt;sub&gt;c&lt;/sub&gt;)</translation>
    </message>
    <message>
        <location line="+91"/>
        <source> of layer %1 (%2)</source>
        <translation> der Schicht %1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> in %1</source>
        <translation> in %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>M&lt;sub&gt;c&lt;/sub&gt; limit %1 kg/m²</source>
        <translation>Grenzwert M&lt;sub&gt;c&lt;/sub&gt; %1 kg/m²</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>drying time limit %1 d</source>
        <translation>Grenzwert Austrocknungszeit %1 d</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Condensate mass M&lt;sub&gt;c&lt;/sub&gt; in kg/m²</source>
        <translation>Tauwassermasse M&lt;sub&gt;c&lt;/sub&gt; in kg/m²</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drying time in days</source>
        <translation>Austrocknungszeit in Tagen</translation>
    </message>
</context>
<context>
    <name>StudyCommand</name>
    <message>
        <location filename="../src/cli/StudyCommand.cpp" line="+54"/>
        <source>--values &apos;%1&apos; looks like a number with a decimal comma; write decimals with a point (0.06) and separate values with commas (0.06,0.08).</source>
        <translation>--values „%1“ sieht nach einer Zahl mit Dezimalkomma aus; schreiben Sie Dezimalzahlen mit Punkt (0.06) und trennen Sie die Werte durch Kommas (0.06,0.08).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Invalid value &apos;%1&apos; in --values.</source>
        <translation>Ungültiger Wert &apos;%1&apos; in --values.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>--from and --to need numbers.</source>
        <translation>--from und --to brauchen Zahlen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The range from %1 to %2 is too wide to be divided into steps.</source>
        <translation>Der Bereich von %1 bis %2 ist zu groß, um in Schritte geteilt zu werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--steps needs a whole number from 1 to %1.</source>
        <translation>--steps braucht eine ganze Zahl von 1 bis %1.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Give either --from A --to B [--steps K] or --values a,b,c.</source>
        <translation>Geben Sie entweder --from A --to B [--steps K] oder --values a,b,c an.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>At most %1 values.</source>
        <translation>Höchstens %1 Werte.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Usage: hygrolux2-cli study FILE --vary width|sd|lambda|mu|aw --layer N (--from A --to B [--steps K] | --values a,b,c) [options]
       hygrolux2-cli study FILE --vary rh-inside|t-inside (--from A --to B [--steps K] | --values a,b,c) [options]
Loads the project FILE (&apos;-&apos;: standard input), sets each value in turn, recalculates and judges it like &apos;calc&apos; and prints one row per value.

Options:
  --vary Q        width (m, also with the suffix mm or cm), sd (m), lambda (W/(m K)), mu (-),
                  aw (kg/(m2 h^0.5)) of layer N; rh-inside (%) or t-inside (°C) of the winter
                  interior climate (no --layer)
  --layer N       layer counted from 1 on the warm side, as in the report
  --from A --to B --steps K   K evenly spaced values from A to B (default 11)
  --values a,b,c  the values to judge, decimals with a point
  --json, --csv   JSON or CSV instead of the text table; the CSV header names the quantity and
                  unit, numbers are in their shortest exact form
  --find-limit    find every change between passing and failing values in the scan and refine
                  each by bisection to 1e-4 of its values (the tolerance is printed); JSON: &quot;limit&quot;
                  with &quot;changes&quot;, CSV: comment lines &apos;# limit,...&apos; and &apos;# change,...&apos; after the rows
  --plot OUT      draw M_c and drying time against the value to OUT (.svg, .png or .pdf, 16 cm wide)
  --dpi D         resolution of a PNG chart (default 300)
  --x-scale S     value axis of the chart: auto (logarithmic for sd and for values spanning more
                  than two decades), linear or log
  --force         replace OUT when it exists
</source>
        <translation>Aufruf: hygrolux2-cli study FILE --vary width|sd|lambda|mu|aw --layer N (--from A --to B [--steps K] | --values a,b,c) [options]
        hygrolux2-cli study FILE --vary rh-inside|t-inside (--from A --to B [--steps K] | --values a,b,c) [options]
Lädt das Projekt FILE („-“: Standardeingabe), setzt nacheinander jeden Wert, berechnet und bewertet ihn wie „calc“ und gibt eine Zeile je Wert aus.

Optionen:
  --vary Q        width (Dicke in m, auch mit der Endung mm oder cm), sd (m), lambda (W/(m K)), mu (-),
                  aw (kg/(m2 h^0.5)) der Schicht N; rh-inside (%) oder t-inside (°C) des winterlichen
                  Innenklimas (ohne --layer)
  --layer N       Schicht, von 1 an auf der Warmseite gezählt, wie im Bericht
  --from A --to B --steps K   K gleichmäßig verteilte Werte von A bis B (Vorgabe 11)
  --values a,b,c  die zu bewertenden Werte, Dezimalzahlen mit Punkt
  --json, --csv   JSON oder CSV statt der Texttabelle; die CSV-Kopfzeile nennt Größe und
                  Einheit, Zahlen stehen in ihrer kürzesten exakten Form
  --find-limit    jeden Wechsel zwischen erfüllenden und nicht erfüllenden Werten im Verlauf finden und
                  jeden durch Intervallhalbierung auf 1e-4 seiner Werte verfeinern (die Toleranz wird
                  ausgegeben); JSON: &quot;limit&quot; mit &quot;changes&quot;, CSV: Kommentarzeilen „# limit,…“ und
                  „# change,…“ nach den Zeilen
  --plot OUT      M_c und Austrocknungszeit über dem Wert nach OUT zeichnen (.svg, .png oder .pdf, 16 cm breit)
  --dpi D         Auflösung eines PNG-Diagramms (Vorgabe 300)
  --x-scale S     Werteachse des Diagramms: auto (logarithmisch für sd und für Werte, die mehr als
                  zwei Dekaden umfassen), linear oder log
  --force         OUT ersetzen, wenn die Datei existiert
</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>

A value that makes the input invalid gives a row saying so. Exit codes: 0 the study ran, 1 bad usage, 2 the project could not be loaded or an output not written, 3 no value could be judged.</source>
        <translation>

Ein Wert, der die Eingaben ungültig macht, ergibt eine Zeile, die das angibt. Rückgabewerte: 0 die Studie lief, 1 fehlerhafter Aufruf, 2 das Projekt konnte nicht geladen oder eine Ausgabe nicht geschrieben werden, 3 kein Wert konnte bewertet werden.</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>--dpi needs a resolution between 30 and 1200.</source>
        <translation>--dpi braucht eine Auflösung zwischen 30 und 1200.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--x-scale needs auto, linear or log.</source>
        <translation>--x-scale braucht auto, linear oder log.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1: no value could be judged: every row is invalid or has no result.</source>
        <translation>%1: Kein Wert konnte bewertet werden: Jede Zeile ist ungültig oder hat kein Ergebnis.</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>%1: the chart could not be drawn.</source>
        <translation>%1: Das Diagramm konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>study FILE --vary Q ...      vary one quantity, judge every value, find the limit</source>
        <translation>study FILE --vary Q …        eine Größe variieren, jeden Wert bewerten, die Grenze finden</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>study needs exactly one project file.</source>
        <translation>study braucht genau eine Projektdatei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--vary needs one of width, sd, lambda, mu, aw, rh-inside, t-inside.</source>
        <translation>--vary braucht einen der Werte width, sd, lambda, mu, aw, rh-inside, t-inside.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--vary %1 is a value of the interior climate; --layer does not apply.</source>
        <translation>--vary %1 ist ein Wert des Innenklimas; --layer gilt hier nicht.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--vary %1 needs --layer N (N from 1).</source>
        <translation>--vary %1 braucht --layer N (N ab 1).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose one of --json and --csv.</source>
        <translation>Wählen Sie eines von --json und --csv.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--plot needs a file ending in .svg, .png or .pdf.</source>
        <translation>--plot braucht eine Datei mit der Endung .svg, .png oder .pdf.</translation>
    </message>
</context>
<context>
    <name>StudyOutput</name>
    <message>
        <location filename="../src/cli/StudyOutput.cpp" line="+53"/>
        <source>Every judged value fulfils all requirements.</source>
        <translation>Jeder bewertete Wert erfüllt alle Anforderungen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No judged value fulfils all requirements.</source>
        <translation>Kein bewerteter Wert erfüllt alle Anforderungen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No value could be judged: every row is invalid or has no result.</source>
        <translation>Kein Wert konnte bewertet werden: Jede Zeile ist ungültig oder hat kein Ergebnis.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The verdict changes %1 times:</source>
        <translation>Das Urteil wechselt %1-mal:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Limit: </source>
        <translation>Grenzwert: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fulfilled at %1 %3, not fulfilled at %2 %3 (tolerance %4 %3; changes: %5).</source>
        <translation>erfüllt bei %1 %3, nicht erfüllt bei %2 %3 (Toleranz %4 %3; Wechsel: %5).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> of layer %1 (%2)</source>
        <translation> der Schicht %1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>basis</source>
        <translation>Grundlage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>result</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>SurfaceResistanceFrame</name>
    <message>
        <location filename="../src/report/SurfaceResistanceFrame.cpp" line="+11"/>
        <source>Surface Resistances</source>
        <translation>Wärmeübergangswiderstände</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warm side:</source>
        <translation>Warmseite:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cold side:</source>
        <translation>Kaltseite:</translation>
    </message>
</context>
<context>
    <name>SystemMaterialFile</name>
    <message>
        <location filename="../src/model/SystemMaterialFile.cpp" line="+74"/>
        <source>Not a system material file.</source>
        <translation>Keine Systemmaterialdatei.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported system material file version %1.</source>
        <translation>Nicht unterstützte Version %1 der Systemmaterialdatei.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>System material file is truncated or has trailing data.</source>
        <translation>Die Systemmaterialdatei ist abgeschnitten oder hat überzählige Daten am Ende.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Checksum mismatch: the system material file is damaged.</source>
        <translation>Prüfsumme stimmt nicht: Die Systemmaterialdatei ist beschädigt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Invalid compressed data in system material file.</source>
        <translation>Ungültige komprimierte Daten in der Systemmaterialdatei.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Damaged material record %1 in system material file.</source>
        <translation>Beschädigter Materialdatensatz %1 in der Systemmaterialdatei.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>System material file holds more data than its records.</source>
        <translation>Die Systemmaterialdatei enthält mehr Daten als ihre Datensätze.</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+5"/>
        <source>Cannot write system material file &apos;%1&apos;.</source>
        <translation>Systemmaterialdatei &apos;%1&apos; kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot open system material file &apos;%1&apos;.</source>
        <translation>Systemmaterialdatei &apos;%1&apos; kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>System material file &apos;%1&apos; is too large.</source>
        <translation>Systemmaterialdatei &apos;%1&apos; ist zu groß.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error reading system material file &apos;%1&apos;: %2</source>
        <translation>Fehler beim Lesen der Systemmaterialdatei &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>TextEditWidget</name>
    <message>
        <location filename="../src/ui/TextEditWidget.cpp" line="+21"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>B</source>
        <translation>F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>H%1</source>
        <translation>Ü%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading %1</source>
        <translation>Überschrift %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Normal text</source>
        <translation>Normaler Text</translation>
    </message>
</context>
<context>
    <name>TextSummary</name>
    <message>
        <location filename="../src/cli/TextSummary.cpp" line="+55"/>
        <source>Glaser scheme, interface values:</source>
        <translation>Glaser-Verfahren, Werte an den Schichtgrenzen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interface</source>
        <translation>Schichtgrenze</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>inner surface</source>
        <translation>Innenoberfläche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>outer surface</source>
        <translation>Außenoberfläche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>layer %1|%2</source>
        <translation>Schicht %1|%2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>condensation</source>
        <translation>Tauwasser</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Criteria:</source>
        <translation>Kriterien:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Assessment: %1</source>
        <translation>Beurteilung: %1</translation>
    </message>
</context>
<context>
    <name>UndoChangeDisclaimer</name>
    <message>
        <location filename="../src/ui/V2_UndoProjectCommands.cpp" line="+43"/>
        <source>Undo change final remarks.</source>
        <translation>Änderung der Schlussbemerkungen rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>UserLogoSettingsWidget</name>
    <message>
        <location filename="../src/ui/UserLogoSettingsWidget.cpp" line="+22"/>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logo width</source>
        <translation>Breite des Logos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logo height</source>
        <translation>Höhe des Logos</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+14"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>No user logo</source>
        <translation>Kein eigenes Logo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logo in page header</source>
        <translation>Logo in der Kopfzeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logo right from project informations</source>
        <translation>Logo rechts neben den Projektinformationen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose the image file of the logo</source>
        <translation>Bilddatei des Logos wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose logo file</source>
        <translation>Logodatei wählen</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Select user logo</source>
        <translation>Eigenes Logo wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>Bilder (*.png *.xpm *.jpg)</translation>
    </message>
</context>
<context>
    <name>V2_ResultsWidget</name>
    <message>
        <location filename="../src/visualisation/V2_ResultsWidget.cpp" line="+105"/>
        <source>Invalid input!</source>
        <translation>Ungültige Eingaben!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Thermal transmission coefficient of the construction</source>
        <translation>Wärmedurchgangs­koeffizient der Konstruktion</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Requirements</source>
        <translation>Anforderungen</translation>
    </message>
</context>
<context>
    <name>V2_UndoAddConstructionLeft</name>
    <message>
        <location filename="../src/ui/V2_UndoLayerCommands.cpp" line="+79"/>
        <source>Add construction left to no. %L1</source>
        <translation>Konstruktion links von Nr. %L1 einfügen</translation>
    </message>
</context>
<context>
    <name>V2_UndoAddConstructionRight</name>
    <message>
        <location line="+5"/>
        <source>Add construction right to no. %L1</source>
        <translation>Konstruktion rechts von Nr. %L1 einfügen</translation>
    </message>
</context>
<context>
    <name>V2_UndoAddLayerLeft</name>
    <message>
        <location line="-43"/>
        <source>Add layer left to no. %L1</source>
        <translation>Schicht links von Nr. %L1 einfügen</translation>
    </message>
</context>
<context>
    <name>V2_UndoAddLayerRight</name>
    <message>
        <location line="+3"/>
        <source>Add layer right to no. %L1</source>
        <translation>Schicht rechts von Nr. %L1 einfügen</translation>
    </message>
</context>
<context>
    <name>V2_UndoChangeMaterial</name>
    <message>
        <location line="+100"/>
        <source>Change material on layer no. %L1</source>
        <translation>Material der Schicht Nr. %L1 ändern</translation>
    </message>
</context>
<context>
    <name>V2_UndoChangeProjectInfo</name>
    <message>
        <location filename="../src/ui/V2_UndoProjectCommands.cpp" line="-17"/>
        <source>Undo change of project informations.</source>
        <translation>Änderung der Projektinformationen rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>V2_UndoHeatFlowDirection</name>
    <message>
        <location line="-18"/>
        <source>Change heat flow direction to %1</source>
        <translation>Wärmestromrichtung ändern auf %1</translation>
    </message>
</context>
<context>
    <name>V2_UndoLayerColor</name>
    <message>
        <location filename="../src/ui/V2_UndoLayerCommands.cpp" line="+34"/>
        <source>Undo change of color at layer No. %1</source>
        <translation>Änderung der Farbe in Schicht Nr. %1 rückgängig machen</translation>
    </message>
</context>
<context>
    <name>V2_UndoMoveLayerLeft</name>
    <message>
        <location line="-40"/>
        <source>Move layer no. %L1 to left</source>
        <translation>Schicht Nr. %L1 nach links verschieben</translation>
    </message>
</context>
<context>
    <name>V2_UndoMoveLayerRight</name>
    <message>
        <location line="+3"/>
        <source>Move layer no. %L1 to right</source>
        <translation>Schicht Nr. %L1 nach rechts verschieben</translation>
    </message>
</context>
<context>
    <name>V2_UndoRemoveLayer</name>
    <message>
        <location line="-53"/>
        <source>Remove layer no. %L1</source>
        <translation>Schicht Nr. %L1 entfernen</translation>
    </message>
</context>
<context>
    <name>VapourPressureProfile</name>
    <message>
        <location filename="../src/visualisation/DiagramProfiles.cpp" line="-106"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sat. vapour pressure</source>
        <translation>Sättigungsdampfdruck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vapour pressure (real)</source>
        <translation>Wasserdampfteildruck (tatsächlich)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vapour pressure (calc.)</source>
        <translation>Wasserdampfteildruck (rechnerisch)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glaser method of DIN 4108-3</source>
        <translation>Glaser-Verfahren der DIN 4108-3</translation>
    </message>
</context>
<context>
    <name>VariantStudy</name>
    <message>
        <location filename="../src/calculation/VariantStudy.cpp" line="+54"/>
        <source>Layer %1 does not exist: the construction has %2 layers.</source>
        <translation>Schicht %1 existiert nicht: Die Konstruktion hat %2 Schichten.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Layer %1 is an air layer: its thermal conductivity and diffusion resistance follow from its width and the heat flow direction, so these values change nothing.</source>
        <translation>Schicht %1 ist eine Luftschicht: Ihre Wärmeleitfähigkeit und ihr Diffusionswiderstand ergeben sich aus ihrer Dicke und der Wärmestromrichtung, daher ändern diese Werte nichts.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>invalid input: layer width</source>
        <translation>ungültige Eingabe: Schichtdicke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>invalid input: material values</source>
        <translation>ungültige Eingabe: Materialkennwerte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>invalid input: climate</source>
        <translation>ungültige Eingabe: Klima</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no layers</source>
        <translation>keine Schichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>invalid input</source>
        <translation>ungültige Eingabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no stationary solution</source>
        <translation>keine stationäre Lösung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no calculation method</source>
        <translation>kein Rechenverfahren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>surface condensation on the warm side</source>
        <translation>Oberflächentauwasser auf der Warmseite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>surface condensation on the cold side</source>
        <translation>Oberflächentauwasser auf der Kaltseite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one layer only</source>
        <translation>nur eine Schicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no condensation</source>
        <translation>kein Tauwasserausfall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hygroscopic loading time too long</source>
        <translation>hygroskopische Auffeuchtungszeit zu lang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>condensation in one plane</source>
        <translation>Tauwasser in einer Ebene</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>condensation in one zone</source>
        <translation>Tauwasser in einem Bereich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>condensation in several planes or zones</source>
        <translation>Tauwasser in mehreren Ebenen oder Bereichen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>criteria basis</source>
        <translation>Bewertungsgrundlage</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Thickness</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sd-value</source>
        <translation>sd-Wert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diffusion resistance factor</source>
        <translation>Diffusionswiderstandszahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Water absorption coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indoor relative humidity</source>
        <translation>Relative Luftfeuchte innen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indoor temperature</source>
        <translation>Innentemperatur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>minimum thermal resistance</source>
        <translation>Mindestwert des Wärmedurchlasswiderstands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>temperature factor f_Rsi</source>
        <translation>Temperaturfaktor f_Rsi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>condensate mass</source>
        <translation>Tauwassermasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moisture of wood</source>
        <translation>Holzfeuchte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drying time</source>
        <translation>Austrocknungszeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drying reserve</source>
        <translation>Trocknungsreserve</translation>
    </message>
</context>
<context>
    <name>VariantStudyDialog</name>
    <message>
        <location filename="../src/ui/VariantStudyDialog.cpp" line="+75"/>
        <source>Variant study</source>
        <translation>Variantenstudie</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Range from</source>
        <translation>Bereich von</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>for example 20; 40; 60</source>
        <translation>zum Beispiel 20; 40; 60</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Layer</source>
        <translation>Schicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find limit</source>
        <translation>Grenzwert ermitteln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply value</source>
        <translation>Wert übernehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sets the value of the selected row in the project (undoable)</source>
        <translation>Setzt den Wert der gewählten Zeile im Projekt (rückgängig machbar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export table...</source>
        <translation>Tabelle exportieren …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export chart...</source>
        <translation>Diagramm exportieren …</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Unit: %1</source>
        <translation>Einheit: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Enter the first and the last value of the range.</source>
        <translation>Geben Sie den ersten und den letzten Wert des Bereichs ein.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&apos;%1&apos; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enter values separated by semicolons.</source>
        <translation>Geben Sie die Werte durch Semikolons getrennt ein.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Limit: fulfilled at %1 %3, not fulfilled at %2 %3 (%4).</source>
        <translation>Grenzwert: erfüllt bei %1 %3, nicht erfüllt bei %2 %3 (%4).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Every judged value fulfils all requirements.</source>
        <translation>Jeder bewertete Wert erfüllt alle Anforderungen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No judged value fulfils all requirements.</source>
        <translation>Kein bewerteter Wert erfüllt alle Anforderungen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No value could be judged.</source>
        <translation>Es konnte kein Wert bewertet werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>U [W/(m²K)]</source>
        <translation>U [W/(m²K)]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>M_c [kg/m²]</source>
        <translation>M_c [kg/m²]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drying time [d]</source>
        <translation>Austrocknungszeit [d]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basis</source>
        <translation>Grundlage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All fulfilled</source>
        <translation>Alle erfüllt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Glaser</source>
        <translation>Glaser</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>moisture-dependent</source>
        <translation>feuchteabhängig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>limit: </source>
        <translation>Grenzwert: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Select the row whose value is to be applied.</source>
        <translation>Wählen Sie die Zeile, deren Wert übernommen werden soll.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 set to %2</source>
        <translation>%1 auf %2 gesetzt</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+8"/>
        <source>Export study table</source>
        <translation>Tabelle der Studie exportieren</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+7"/>
        <source>Export study chart</source>
        <translation>Diagramm der Studie exportieren</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Pictures (*.png *.svg *.pdf)</source>
        <translation>Bilder (*.png *.svg *.pdf)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Choose a file name ending in .png, .svg or .pdf.</source>
        <translation>Wählen Sie einen Dateinamen mit der Endung .png, .svg oder .pdf.</translation>
    </message>
</context>
<context>
    <name>VerdictBlock</name>
    <message>
        <location filename="../src/report/VerdictBlock.cpp" line="+25"/>
        <source>DIN 4108-3 with user defined limits</source>
        <translation>DIN 4108-3 mit benutzerdefinierten Grenzwerten</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The moisture criteria of %1 are judged %2.</source>
        <translation>Die Feuchtekriterien der %1 werden %2 beurteilt.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not every requirement assessed</source>
        <translation>nicht alle Anforderungen beurteilt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>all requirements fulfilled</source>
        <translation>alle Anforderungen erfüllt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>requirements not fulfilled</source>
        <translation>Anforderungen nicht erfüllt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Overall result:</source>
        <translation>Gesamtergebnis:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No condensation between the layers.</source>
        <translation>Kein Tauwasser zwischen den Schichten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensate %1 %2.</source>
        <translation>Tauwasser %1 %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The Glaser scheme gives %1 of condensate, the moisture-dependent method %2: the verdict uses the moisture-dependent method, which includes the hygroscopic storage and the capillary transport of the materials that the Glaser scheme leaves out.</source>
        <translation>Das Glaser-Verfahren ergibt %1 Tauwasser, das feuchteabhängige Verfahren %2: die Beurteilung verwendet das feuchteabhängige Verfahren, das die hygroskopische Speicherung und den kapillaren Transport der Baustoffe berücksichtigt, die das Glaser-Verfahren außer Acht lässt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 row %2</source>
        <translation>%1 Zeile %2</translation>
    </message>
</context>
<context>
    <name>WinterTemperatureValidator</name>
    <message>
        <location filename="../src/ui/WinterTemperatureValidator.cpp" line="+31"/>
        <source>Cannot retrieve input data.</source>
        <translation>Eingabedaten können nicht abgerufen werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperature at warm side must be bigger than tempareature at cold side</source>
        <translation>Die Temperatur auf der Warmseite muss höher sein als auf der Kaltseite</translation>
    </message>
</context>
<context>
    <name>XMLHelpers</name>
    <message>
        <location filename="../src/model/XMLHelpers.cpp" line="+48"/>
        <source>Invalid value for attribute &apos;%1&apos;.</source>
        <translation>Ungültiger Wert für das Attribut &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Characters that a project file cannot hold were removed or replaced in %1.</source>
        <translation>Zeichen, die eine Projektdatei nicht aufnehmen kann, wurden in %1 entfernt oder ersetzt.</translation>
    </message>
</context>
</TS>
