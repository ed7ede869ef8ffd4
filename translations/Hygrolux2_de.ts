<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AssessmentConditions</name>
    <message>
        <location filename="../src/calculation/ClimatePresets.cpp" line="+124"/>
        <source>Custom conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>German Standard DIN 4108-3 from 2001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>German Standard DIN 4108-3 from 2014 and 2018</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown condition</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalcCommand</name>
    <message>
        <location filename="../src/cli/CalcCommand.cpp" line="+17"/>
        <source>calc [options] FILE...       recalculate project files, print results and criteria as JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli calc [options] FILE...
Loads each project file (.v2p or .vpj), recalculates it and prints the results and the criteria as JSON:
one object for one file, an array of objects for several.

Options:
  --text                 short human-readable summary instead of JSON
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>

Exit code 0 when every file loaded, 2 when a file could not be loaded, 1 for bad usage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No project file given.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <location filename="../src/calculation/Calculation.cpp" line="+193"/>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error in Glaser-Calculation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Calculation error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Invalid mu %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid thermal conductivity %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Invalid surface resistance outside %f.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid surface resistance inside)%f.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/calculation/CalculationVapro.cpp" line="+71"/>
        <source>Some problem in calculation! Algorithm error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Invalid moisture storage values for &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current moisture content at 80%RH leads to an moisture content at 95%RH higher than saturation moisture content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+101"/>
        <source>The moisture-dependent calculation can search condensation planes in at most %1 layers, this construction has %2 layers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No Solution found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>pv_e not correctly calculated! Algorithm error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not find valid combination of k-planes! Algorithm error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No valid combination of condensation planes was found within the search limit for constructions of more than %1 layers, this construction has %2 layers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+11"/>
        <source>Error in calculation m_results.sk_Cond[%1], denominator == 0!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Error in calculation m_results.sk_Cond[%1], Value &lt; 0!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error in calculation of the condensate build-up, net vapour flux into the condensation zones == 0!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error in calculation of the drying time, evaporation flux == 0!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliDispatcher</name>
    <message>
        <location filename="../src/cli/CliDispatcher.cpp" line="+32"/>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Usage: hygrolux2-cli COMMAND [options] [arguments]
Batch tool of %1: the program&apos;s own model, calculation and criteria without a window.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
  --help                       this text; &apos;hygrolux2-cli COMMAND --help&apos; for a command
  --version                    program version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClimateFrame</name>
    <message>
        <location filename="../src/report/ClimateFrame.cpp" line="+17"/>
        <source>Climate Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Climate at warm side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Climate at cold side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relative Humidity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Winter Climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duration of Condensation Periode (winter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Summer Climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duration of Drying Periode (summer)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClimatePresets</name>
    <message>
        <location filename="../src/calculation/ClimatePresets.cpp" line="-112"/>
        <source>Custom climate conditions, indoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom climate conditions, outdoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction downwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 2001 Outdoor, boundary to outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3 2001 Outdoor, boundary to ventilated air space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 2001 Outdoor, boundary to ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction downwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction upwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN EN ISO 6946 Outdoor climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN EN ISO 13788 Indoor climate, on glazings and window frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN EN ISO 13788 Indoor climate, all other surfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-8 Indoor climate, in built in cupboards, mould protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3_2014 Indoor climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3_2014 Outdoor climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3 2014 Outdoor, boundary to ground</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConclusionsFrame</name>
    <message>
        <location filename="../src/report/ConclusionsFrame.cpp" line="+30"/>
        <source>Algorithm missing. No calculation possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface condensation left side. No calculation possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface condensation right side. No calculation possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only one layer. No condensation possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No condensation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Too long hygroscopic loading time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unspecific error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Print Summary of Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Thermal transmission coefficient of the construction (moisture dependent)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermal transmission coefficient of the construction (dry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Condensation mass after condensation period (based on VAPRO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drying time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Not applicable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No drying</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Construction</name>
    <message>
        <location filename="../src/model/ConstructionList.cpp" line="+51"/>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/model/Construction.cpp" line="+30"/>
        <source>the name of construction &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the notes of construction &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConstructionLayerFrame</name>
    <message>
        <location filename="../src/report/ConstructionLayerFrame.cpp" line="+12"/>
        <source>Material Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>d - layer thickness,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;lambda; - design value of thermal conductivity,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;mu; - vapour diffusion resistance factor,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>moisture content for 80% RH. resp. saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&lt;sub&gt;w&lt;/sub&gt; - %1,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>water uptake coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>layers from left to right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConstructionList</name>
    <message>
        <location filename="../src/model/ConstructionList.cpp" line="-7"/>
        <source>unknown format version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>only %1 of %2 constructions could be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown data after the last of %1 constructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>test construction 1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConstructionTableWidget</name>
    <message>
        <location filename="../src/ui/ConstructionTableWidget.cpp" line="+160"/>
        <source>Construction Sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+6"/>
        <source>Save SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>SVG files (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Could not write &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <location filename="../src/cli/ConvertCommand.cpp" line="+11"/>
        <source>convert OLD NEW.v2p          write a project file in the current format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli convert [--force] OLD NEW.v2p
Reads any project file the program can open (.v2p or the older .vpj) and writes it as NEW.v2p.

Options:
  --force     replace NEW.v2p when it exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>convert needs the old and the new file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The new file must not have the extension .vpj; use .v2p.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1: the file exists; use --force to replace it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CriteriaOptions</name>
    <message>
        <location filename="../src/cli/CriteriaOptions.cpp" line="+56"/>
        <source>--din-edition must be 0, 1, 2 or 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--min-res-version must be 0 or 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--min-res-kind must be one of %1 for table version %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Criteria (defaults of the report settings):
  --din-edition N        DIN 4108-3 edition: 0 2001, 1 2014, 2 2018, 3 user defined (default 2)
  --non-capillary-aw V   A_w limit of non-capillary materials in kg/(m2 h^0.5), edition 3 (default 0.2)
  --min-res-version V    DIN 4108-2 table of minimum thermal resistances: 0 2004, 1 2013 (default 1)
  --min-res-kind K       construction kind (row) of that table (default 12)
  --frsi                 check the temperature factor f_Rsi
  --drying-reserve G     drying reserve to check in g/(m2 a); 0 = no check (default 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>--%1 needs an integer, not &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--%1 needs a number of at least 0, not &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DINCriteria</name>
    <message>
        <location filename="../src/calculation/DINCriteria.cpp" line="+104"/>
        <source>Requirement fulfilled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Requirement not fulfilled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 row %2, thermal resistance  R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>DIN 4108-2 Check for minmal &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = &lt;font color=&quot;#FF0000&quot;&gt;&lt;b&gt;%L1&lt;/b&gt;&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 with A&lt;sub&gt;w&lt;/sub&gt; &amp;le; %2 kg/m&lt;sup&gt;2&lt;/sup&gt;h&lt;sup&gt;0.5&lt;/sup&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-3 (no capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DIN 4108-3 (with capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1.0kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drying time in summer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check for drying reserve of %1 g/m&lt;sup&gt;2&lt;/sup&gt;a according DIN 68800-2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DINCriteriaResult</name>
    <message>
        <location filename="../src/calculation/DINCriteriaResult.cpp" line="+57"/>
        <source>Check according DIN 4108-3 2001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check according DIN 4108-3 2014</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check according DIN 4108-3 2018</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check accordinguser defined data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The current calculation don&apos;t use the same water uptake value as check for non-capillar material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>as the standard DIN 4108-3 from 2014 or 2018.&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Used value: %1 %2.&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is admissible because VAPRO is a advanced software as per appendix D DIN 4108-3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DamagedDatabase</name>
    <message>
        <location filename="../src/model/DamagedDatabase.cpp" line="+28"/>
        <source>Could not keep the damaged database &apos;%1&apos; as &apos;%2&apos;; it is not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Damaged database &apos;%1&apos; kept as &apos;%2&apos; before writing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The database &apos;%1&apos; could not be read completely (%2). The original file was kept as &apos;%3&apos;; the database now holds only what could be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramCommand</name>
    <message>
        <location filename="../src/cli/DiagramCommand.cpp" line="+13"/>
        <source>diagram FILE -o OUT          draw the sketch or a profile diagram to SVG, PNG, JPG or PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli diagram FILE [--type sketch|pressure|moisture] -o OUT.{svg,png,jpg,pdf}
Loads and recalculates the project FILE and draws one picture; the extension of OUT chooses the format.

Options:
  --type T    sketch (construction sketch), pressure (vapour pressure diagram) or moisture
              (water content diagram, the default)
  -o OUT      picture file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>diagram needs exactly one project file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>diagram needs an output file: -o OUT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown diagram type &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>diagram needs a GUI application object.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramExport</name>
    <message>
        <location filename="../src/visualisation/DiagramExport.cpp" line="+110"/>
        <source>Unknown picture format &apos;%1&apos;: use .svg, .png, .jpg or .pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Could not write &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Construction Sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vapour pressure diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Water content diagram</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramFrame</name>
    <message>
        <location filename="../src/report/DiagramFrame.cpp" line="+17"/>
        <source>Temperature and Vapour Pressure Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperature and Moisture Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Condensate (overhygroscopic moisture content) dark blue.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <location filename="../src/visualisation/DiagramScene.cpp" line="+45"/>
        <source>Temperature %1 in [%2C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vapor pressure p in [Pa]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Moisture content w in [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Layer widths in [mm]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramView</name>
    <message>
        <location filename="../src/visualisation/DiagramView.cpp" line="+123"/>
        <location line="+6"/>
        <source>Save SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>SVG files (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could not write &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/model/DocumentLegacy.cpp" line="+31"/>
        <source>Invalid value &apos;%1&apos; of keyword &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Invalid length &apos;%1&apos; of the remarks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Block end &apos;}&apos; missing for remarks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Keyword &apos;DOCUMENT&apos; missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unexpected end of file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Block start &apos;{&apos; missing for &apos;%1&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Block start &apos;{&apos; missing for remarks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid keyword &apos;%1&apos; in project file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keyword &apos;FileVersion&apos; missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Error reading project file.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error reading project file &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the project information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/model/DocumentXML.cpp" line="+27"/>
        <source>File is not a Vapro 2.0 project file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FooterFrame</name>
    <message>
        <location filename="../src/report/FooterFrame.cpp" line="+19"/>
        <location line="+21"/>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlaserFrame</name>
    <message>
        <location filename="../src/report/GlaserFrame.cpp" line="+22"/>
        <source>Results according DIN 4108-3 (Glaser Scheme)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Condensation Period (Winter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drying Period (Summer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+19"/>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Interior climate (left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Outdoor climate (right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Condensation zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Condensation mass (according to Glaser)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Potential drying mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duration of drying (according to Glaser)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HatchedItemDelegate</name>
    <message>
        <location filename="../src/ui/HatchedItemDelegate.cpp" line="+46"/>
        <source>warm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>cold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeaderFrame</name>
    <message>
        <location filename="../src/report/HeaderFrame.cpp" line="+23"/>
        <source>Hygrothermal assessment of the construction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputData</name>
    <message>
        <location filename="../src/model/InputDataLegacy.cpp" line="+20"/>
        <location line="+77"/>
        <source>Unexpected end of file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+38"/>
        <source>Error reading parameter &apos;Temperatur&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Error reading parameter &apos;RelHum&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Illegal keyword &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+46"/>
        <source>Invalid keyword &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+46"/>
        <source>Block start &apos;{&apos; missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Error reading climate condition!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Four climate conditions are required!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LegacyLine</name>
    <message>
        <location filename="../src/model/LegacyLine.cpp" line="+18"/>
        <source>Line too long; this is not a text project file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LegacyValueReader</name>
    <message>
        <location filename="../src/model/LegacyValueReader.cpp" line="+121"/>
        <source>Missing unit after value &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown or unsuitable unit &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <location filename="../src/model/Material.cpp" line="+193"/>
        <location line="+80"/>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Colour &apos;%1&apos; of material &apos;%2&apos; (line %3) brought into the range 0..255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid encoding &apos;%1&apos; of material color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the %1 of material &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/model/MaterialLegacy.cpp" line="+28"/>
        <source>Error reading parameter &apos;rho&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error reading parameter &apos;Lambda&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error reading parameter &apos;Mew&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error reading parameter &apos;W_hyg&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error reading parameter &apos;W_h80&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error reading parameter &apos;W_sat&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error reading parameter &apos;A_w&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Error reading parameter &apos;Flags&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+52"/>
        <source>Error reading material name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Invalid keyword &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unexpected end of file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Error reading material data!
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialCatalogueTable</name>
    <message>
        <location filename="../src/model/MaterialCatalogueTable.cpp" line="+58"/>
        <source>Expected %1 fields, found %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Invalid number, flag or colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Cannot open material table &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Line %1: id %2 is outside 1..32767 or not unique.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialCategory</name>
    <message>
        <location filename="../src/model/Material.cpp" line="-285"/>
        <source>Coating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plaster and mortar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Building brick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Natural stones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Concrete containing building materials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insulation materials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Building boards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Natural materials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cladding panels and ceramic tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Foils and waterproofing products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialImport</name>
    <message>
        <location filename="../src/model/MaterialImport.cpp" line="+16"/>
        <location line="+6"/>
        <source>Material read error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <source>No valid material file &apos;%1&apos;
 Extension sould be &apos;txt&apos; or &apos;cmat&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No materials found in file &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Materials added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 materials found in file &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialLayer</name>
    <message>
        <location filename="../src/model/MaterialLayerFile.cpp" line="+38"/>
        <source>Layer colour &apos;%1&apos; brought into the range 0..255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Unexpected end of file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error reading layer width!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error reading layer colour!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Block start &apos;{&apos; of material definition missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid keyword!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error reading layer data!
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialList</name>
    <message>
        <location filename="../src/model/MaterialList.cpp" line="+37"/>
        <source>Air space (not ventilated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO 6946 5.3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vapor diffusion resistance factor will be calculated from construction according DIN EN ISO 13788 4.1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Duplicate system material id %1 in &apos;%2&apos; ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Error reading material list from file &apos;%1&apos;!
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>unknown format version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>only %1 of %2 materials could be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown data after the last of %1 materials</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialTransfer</name>
    <message>
        <location filename="../src/model/MaterialTransfer.cpp" line="+70"/>
        <source>Data source: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notes: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Air
</source>
        <comment>Material flag</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wood
</source>
        <comment>Material flag</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wood based
</source>
        <comment>Material flag</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Measuring date: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Production date: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sampling date: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialsCommand</name>
    <message>
        <location filename="../src/cli/MaterialsCommand.cpp" line="+17"/>
        <source>materials [options]          list the material database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli materials [--json] [--category N] [--filter WORDS] [--user-dir DIR]
Lists the system materials, the built-in air space and the user materials: id, name, category, rho,
lambda, mu, w80, wsat, A_w and flags.

Options:
  --json             JSON array instead of a table
  --category N       only materials of category N (0..12, 13 unknown)
  --filter WORDS     only materials whose name or product name contains any of the words
                     (case-insensitive, * and ? as wildcards)
  --user-dir DIR     directory of the user database (default: the program&apos;s default directory)

Units: rho kg/m3, lambda W/(m K), w80 and wsat m3/m3, A_w kg/(m2 s^0.5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--category must be an integer from 0 to 13, not &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>warning: %1; the file is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MinimumHeatResistance</name>
    <message>
        <location filename="../src/calculation/MinimumHeatResistance.cpp" line="+13"/>
        <source>Outer wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Partition wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wall to stair case with temperature &lt;10°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wall to stair case with temperature &gt;10°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common separating ceiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separating ceiling for officebuilding with central heating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Floor plate over ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Floor plate to non ventilated cavity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ceiling below attic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ceiling for cellar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Floor over garage or passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Roof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wall of heated room to outside, ground, underground garage or similar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Roof pitch to outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flat roof or ceiling to outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ceiling to ventilated roof space or to non heated room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ceiling between insulated roof pitch and jamb wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Floor over cellar, to ground, non ventilated crawl space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wall between heated room and directly heated stair case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wall between heated room and indirectly heated stair case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Partition walls between heated rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ceiling between rooms of different use and apartment separating ceiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Construction with mass per area lower than 100kg/m2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opaque part of transparent constructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+12"/>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>DIN 4108-2 2004 Tab. 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4108-2 2013 Tab. 3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <location filename="../src/model/ProjectFile.cpp" line="+16"/>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>line %1, column %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error reading file as VAPRO 1 version.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Project doesn&apos;t contain any layers. Please create a new project!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No project to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error writing file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectInfoFrame</name>
    <message>
        <location filename="../src/report/ProjectInfoFrame.cpp" line="+22"/>
        <source>Project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Construction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <location filename="../src/report/Report.cpp" line="+76"/>
        <source>Cannot print report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Creating paint device failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cannot open painter with current printer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <location filename="../src/cli/ReportCommand.cpp" line="+25"/>
        <source>report [options] FILE -o OUT.pdf  write the report of a project file as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Usage: hygrolux2-cli report [options] FILE -o OUT.pdf
Loads the project file, recalculates it and writes its report as PDF (A4, 20 mm margins).

Options:
  -o, --output OUT.pdf   the PDF file to write (required)
  --frames LIST          frame ids separated by commas, or &apos;all&apos;; default: 0,1,2,3,4,5,9,11,12
                         (0 header, 1 footer, 2 project, 3 sketch, 4 layers, 5 climate, 6 surface
                         resistances, 7 resistances, 8 results table, 9 moisture diagram,
                         10 vapour pressure diagram, 11 conclusions, 12 Glaser results, 13 remarks)
  --page-numbers         &apos;Page n of m&apos; in the footer
  --font FAMILY          report font (default: Verdana)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>

Exit code 0 on success, 2 when the project cannot be loaded or the PDF cannot be written, 1 for bad usage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--frames needs frame ids 0..13 separated by commas, or &apos;all&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exactly one project file is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No output file given (-o OUT.pdf).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1: the PDF file cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResistanceFrame</name>
    <message>
        <location filename="../src/report/ResistanceFrame.cpp" line="+30"/>
        <source>Thermal, Vapour Diffusion and Liquid Transport Resistances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Layer / Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sum of resistances (moisture dependend)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Thermal transmission resistance (moisture dependend):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Thermal transmission coefficient (moisture dependend):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <location filename="../src/calculation/ResultTexts.cpp" line="+30"/>
        <source>No input!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid input!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no algorithm for this problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensation on the surface (warm side). No calculation possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensation on the surface (cold side). No calculation possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only one layer. No condensate possible!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No condensate emerges!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>t_hyg bigger than duration of winter climate!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Unknown result!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Condensation between layer %1 and %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensation between layer </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsTableFrame</name>
    <message>
        <location filename="../src/report/ResultsTableFrame.cpp" line="+50"/>
        <source>Temperatures, Vapoure Pressures and Moisture Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Layer / Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Air layer (warm side)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Air layer (cold side)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>%1 - temperature, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 - saturation vapour pressure, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>p - vapour pressure, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>w - moisture content, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>d&lt;sub&gt;c&lt;/sub&gt; - thickness of condensation layer,&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>M&lt;sub&gt;c&lt;/sub&gt; - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>condensation mass</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFileWriter</name>
    <message>
        <location filename="../src/model/SafeFileWriter.cpp" line="+25"/>
        <source>Cannot open file &apos;%1&apos; for writing: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+6"/>
        <source>Error writing file &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SketchFrame</name>
    <message>
        <location filename="../src/report/SketchFrame.cpp" line="+20"/>
        <source>Construction Sketch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SurfaceResistanceFrame</name>
    <message>
        <location filename="../src/report/SurfaceResistanceFrame.cpp" line="+11"/>
        <source>Surface Resistances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warm side:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cold side:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemMaterialFile</name>
    <message>
        <location filename="../src/model/SystemMaterialFile.cpp" line="+67"/>
        <source>Not a system material file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported system material file version %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>System material file is truncated or has trailing data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Checksum mismatch: the system material file is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Invalid compressed data in system material file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Damaged material record %1 in system material file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>System material file holds more data than its records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+5"/>
        <source>Cannot write system material file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot open system material file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>System material file &apos;%1&apos; is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error reading system material file &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextSummary</name>
    <message>
        <location filename="../src/cli/TextSummary.cpp" line="+43"/>
        <source>Construction thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>U-value (dry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U-value (moisture dependend)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Condensation mass after condensation period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drying time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Criteria:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoChangeDisclaimer</name>
    <message>
        <location filename="../src/ui/V2_UndoProjectCommands.cpp" line="+41"/>
        <source>Undo change final remarks.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_ResultsWidget</name>
    <message>
        <location filename="../src/visualisation/V2_ResultsWidget.cpp" line="+43"/>
        <source>Invalid input!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Construction thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U-value (dry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U-value (moisture dependend)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Condensation mass after condensation period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drying time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Thermal transmission coefficient of the construction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoAddConstructionLeft</name>
    <message>
        <location filename="../src/ui/V2_UndoLayerCommands.cpp" line="+79"/>
        <source>Add construction left to no. %L1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoAddConstructionRight</name>
    <message>
        <location line="+5"/>
        <source>Add construction right to no. %L1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoAddLayerLeft</name>
    <message>
        <location line="-43"/>
        <source>Add layer left to no. %L1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoAddLayerRight</name>
    <message>
        <location line="+3"/>
        <source>Add layer right to no. %L1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoChangeMaterial</name>
    <message>
        <location line="+100"/>
        <source>Change material on layer no. %L1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoChangeProjectInfo</name>
    <message>
        <location filename="../src/ui/V2_UndoProjectCommands.cpp" line="-15"/>
        <source>Undo change of project informations.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoHeatFlowDirection</name>
    <message>
        <location line="-18"/>
        <source>Change heat flow direction to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoLayerColor</name>
    <message>
        <location filename="../src/ui/V2_UndoLayerCommands.cpp" line="+34"/>
        <source>Undo change of color at layer No. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoMoveLayerLeft</name>
    <message>
        <location line="-40"/>
        <source>Move layer no. %L1 to left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoMoveLayerRight</name>
    <message>
        <location line="+3"/>
        <source>Move layer no. %L1 to right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>V2_UndoRemoveLayer</name>
    <message>
        <location line="-53"/>
        <source>Remove layer no. %L1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VapourPressureProfile</name>
    <message>
        <location filename="../src/visualisation/DiagramProfiles.cpp" line="+198"/>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat. vapour pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vapour pressure (real)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vapour pressure (calc.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XMLHelpers</name>
    <message>
        <location filename="../src/model/XMLHelpers.cpp" line="+31"/>
        <location line="+10"/>
        <source>Invalid value for attribute &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Characters that a project file cannot hold were removed or replaced in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
