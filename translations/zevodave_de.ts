<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Wording</name>
    <message>
        <location filename="../ui/widgets/wording.cpp" line="+54"/>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>%1 ohm</source>
        <translation>%1 Ohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Kilohm</source>
        <translation>%1 Kiloohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Megohm</source>
        <translation>%1 Megaohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Gigohm</source>
        <translation>%1 Gigaohm</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 ohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 Ohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Kilohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 Kiloohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Megohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 Megaohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Gigohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 Gigaohm</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>.</source>
        <comment>the decimal sign</comment>
        <translation>,</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+63"/>
        <location line="+44"/>
        <location line="+27"/>
        <location line="+106"/>
        <location line="+350"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="-585"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1, %2 give %3</source>
        <translation>%1, %2 ergeben %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2, %3 give %4</source>
        <translation>%1, %2, %3 ergeben %4</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+244"/>
        <source>%1 x %2 = %3</source>
        <translation>%1 x %2 = %3</translation>
    </message>
    <message>
        <location line="-243"/>
        <location line="+244"/>
        <source>%1 x %2 = %3 = %4</source>
        <translation>%1 x %2 = %3 = %4</translation>
    </message>
    <message>
        <location line="-230"/>
        <source>%1 +/- %2%</source>
        <translation>%1 +/- %2%</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 multiplies by %2, that is divides by %3: %4</source>
        <translation>%1 multipliziert mit %2, teilt also durch %3: %4</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 multiplies by %2: %3</source>
        <translation>%1 multipliziert mit %2: %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no tolerance band: +/- %1%, so from %2 to %3</source>
        <translation>kein Toleranzring: +/- %1%, also von %2 bis %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: +/- %2%, so from %3 to %4</source>
        <translation>%1: +/- %2%, also von %3 bis %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 ppm/K, so at most %3 more or less for each degree warmer or cooler</source>
        <translation>%1: %2 ppm/K, also höchstens %3 mehr oder weniger je Grad wärmer oder kälter</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not chosen</source>
        <translation>nicht gewählt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bands: %1</source>
        <translation>Farbringe: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is in %2</source>
        <translation>%1 gehört zu %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a standard value</source>
        <translation>%1 ist kein Normwert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>in %1 %2 and %3</source>
        <translation>in %1 %2 und %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a standard value: nearest %2</source>
        <translation>%1 ist kein Normwert: nächste Werte %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No value found: type a number with an optional unit and tolerance, such as 4k7, 4.7 Kilohm or 4700 5%.</source>
        <translation>Kein Wert gefunden: Geben Sie eine Zahl mit optionaler Einheit und Toleranz ein, etwa 4k7, 4,7 Kiloohm oder 4700 5%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unit not understood: &quot;%1&quot;. Write ohm, k, M or G after the number, as in 4.7 kOhm or 4k7.</source>
        <translation>Einheit nicht verstanden: „%1“. Schreiben Sie ohm, k, M oder G hinter die Zahl, etwa 4,7 kOhm oder 4k7.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A comma followed by three digits could be a decimal sign or a thousands separator: write 1000 or 1k.</source>
        <translation>Ein Komma vor drei Ziffern kann Dezimalzeichen oder Tausendertrennzeichen sein: Schreiben Sie 1000 oder 1k.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Four bands show a tolerance of %1%.</source>
        <translation>Vier Farbringe zeigen eine Toleranz von %1%.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five- and six-band parts show a tolerance of %1%.</source>
        <translation>Bauteile mit fünf und sechs Farbringen zeigen eine Toleranz von %1%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is more than four bands can show: the largest value is %2.</source>
        <translation>%1 ist mehr, als vier Farbringe zeigen können: Der größte Wert ist %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is more than five or six bands can show: the largest value is %2.</source>
        <translation>%1 ist mehr, als fünf oder sechs Farbringe zeigen können: Der größte Wert ist %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 needs %2 significant figures. Nearest five-band E192 values: %3 and %4.</source>
        <translation>%1 braucht %2 gültige Ziffern. Nächste E192-Werte mit fünf Farbringen: %3 und %4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs %2 significant figures. Nearest five-band E192 value: %3.</source>
        <translation>%1 braucht %2 gültige Ziffern. Nächster E192-Wert mit fünf Farbringen: %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs three significant figures: a five-band resistor. Nearest four-band E24 values: %2 and %3.</source>
        <translation>%1 braucht drei gültige Ziffern, also fünf Farbringe. Nächste E24-Werte mit vier Farbringen: %2 und %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs three significant figures: a five-band resistor. Nearest four-band E24 value: %2.</source>
        <translation>%1 braucht drei gültige Ziffern, also fünf Farbringe. Nächster E24-Wert mit vier Farbringen: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs %2 significant figures. Nearest four-band E24 values: %3 and %4.</source>
        <translation>%1 braucht %2 gültige Ziffern. Nächste E24-Werte mit vier Farbringen: %3 und %4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs %2 significant figures. Nearest four-band E24 value: %3.</source>
        <translation>%1 braucht %2 gültige Ziffern. Nächster E24-Wert mit vier Farbringen: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is finer than the smallest step four bands can show, %2.</source>
        <translation>%1 ist feiner als der kleinste Schritt, den vier Farbringe zeigen können (%2).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is finer than the smallest step five or six bands can show, %2.</source>
        <translation>%1 ist feiner als der kleinste Schritt, den fünf oder sechs Farbringe zeigen können (%2).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>From the other end: %1 is not a figure, so this end is the start.</source>
        <translation>Vom anderen Ende: %1 ist keine Ziffer, also ist dieses Ende der Anfang.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the other end: %1 is not a tolerance colour, so this end is the start.</source>
        <translation>Vom anderen Ende: %1 ist keine Toleranzfarbe, also ist dieses Ende der Anfang.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the other end: %1 has no temperature coefficient, so this end is the start.</source>
        <translation>Vom anderen Ende: %1 hat keinen Temperaturkoeffizienten, also ist dieses Ende der Anfang.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>From the other end: %1 give %2, but no resistor starts with Black, so this end is the start.</source>
        <translation>Vom anderen Ende: %1 ergeben %2, aber kein Widerstand beginnt mit Schwarz, also ist dieses Ende der Anfang.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From the other end: %1 give %2, also a standard value: the tolerance band is the one set apart by the wider gap.</source>
        <translation>Vom anderen Ende: %1 ergeben %2, ebenfalls ein Normwert: Der Toleranzring ist der, den die breitere Lücke absetzt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From the other end: %1 give %2, a standard value where this end gives none: the other end is likely the start.</source>
        <translation>Vom anderen Ende: %1 ergeben %2, ein Normwert, wo dieses Ende keinen ergibt: Wahrscheinlich ist das andere Ende der Anfang.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From the other end: %1 give %2, not a standard value, so this end is likely the start.</source>
        <translation>Vom anderen Ende: %1 ergeben %2, kein Normwert, also ist wahrscheinlich dieses Ende der Anfang.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the other end: %1 give %2, not a standard value either: the tolerance band is the one set apart by the wider gap.</source>
        <translation>Vom anderen Ende: %1 ergeben %2, ebenfalls kein Normwert: Der Toleranzring ist der, den die breitere Lücke absetzt.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>1 zero</source>
        <translation>1 Null</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 zeros</source>
        <translation>%1 Nullen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is a zero-ohm link: a wire in a resistor&apos;s case, 0 ohm.</source>
        <translation>%1 ist eine Null-Ohm-Brücke: ein Draht im Gehäuse eines Widerstands, 0 Ohm.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is three digits: the figures %2 and %3, so %4. Three-digit markings usually mean +/- %5%.</source>
        <translation>%1 ist dreistellig: die Ziffern %2 und %3, also %4. Dreistellige Aufdrucke bedeuten meist +/- %5%.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is four digits: the figures %2 and %3, so %4. Four-digit markings usually mean +/- %5%.</source>
        <translation>%1 ist vierstellig: die Ziffern %2 und %3, also %4. Vierstellige Aufdrucke bedeuten meist +/- %5%.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is R notation: R stands for the decimal point, so %2. Markings of %3 characters usually mean +/- %4%.</source>
        <translation>%1 ist in R-Schreibweise: R steht für das Dezimalzeichen, also %2. Aufdrucke mit %3 Zeichen bedeuten meist +/- %4%.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is an EIA-96 code: %2 is the E96 value %3 and %4 multiplies by %5, so %6. EIA-96 markings usually mean +/- %7%.</source>
        <translation>%1 ist ein EIA-96-Code: %2 ist der E96-Wert %3 und %4 multipliziert mit %5, also %6. EIA-96-Aufdrucke bedeuten meist +/- %7%.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Type a marking such as 472, 4701, 4R7 or 01C.</source>
        <translation>Geben Sie einen Aufdruck ein, etwa 472, 4701, 4R7 oder 01C.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a resistor marking: markings have at most four characters.</source>
        <translation>%1 ist kein Widerstandsaufdruck: Aufdrucke haben höchstens vier Zeichen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a resistor marking: markings hold only digits and letters.</source>
        <translation>%1 ist kein Widerstandsaufdruck: Aufdrucke enthalten nur Ziffern und Buchstaben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a resistor marking: EIA-96 codes number the E96 values from 01 to 96.</source>
        <translation>%1 ist kein Widerstandsaufdruck: EIA-96-Codes nummerieren die E96-Werte von 01 bis 96.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a resistor marking: %2 is no EIA-96 multiplier letter (Z, Y, R, X, S, A, B, H, C, D, E or F).</source>
        <translation>%1 ist kein Widerstandsaufdruck: %2 ist kein EIA-96-Multiplikatorbuchstabe (Z, Y, R, X, S, A, B, H, C, D, E oder F).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a resistor marking: it is neither three or four digits, nor R notation such as 4R7, nor an EIA-96 code such as 01C.</source>
        <translation>%1 ist kein Widerstandsaufdruck: weder drei oder vier Ziffern noch R-Schreibweise wie 4R7 noch ein EIA-96-Code wie 01C.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (R notation)</source>
        <translation>%1 (R-Schreibweise)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (three digits)</source>
        <translation>%1 (drei Ziffern)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>three digits cannot show it</source>
        <translation>mit drei Ziffern nicht darstellbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (four digits)</source>
        <translation>%1 (vier Ziffern)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>four digits cannot show it</source>
        <translation>mit vier Ziffern nicht darstellbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (EIA-96)</source>
        <translation>%1 (EIA-96)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EIA-96 cannot show it</source>
        <translation>mit EIA-96 nicht darstellbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has no EIA-96 code, not being an E96 value</source>
        <translation>kein EIA-96-Code, da kein E96-Wert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No marking shows %1: %2.</source>
        <translation>Kein Aufdruck zeigt %1: %2.</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+3"/>
        <location line="+20"/>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <location line="-21"/>
        <source>%1 is marked %2.</source>
        <translation>%1 trägt den Aufdruck %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is marked %2; %3.</source>
        <translation>%1 trägt den Aufdruck %2; %3.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> </source>
        <comment>between two sentences</comment>
        <translation> </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>+/- %1%</source>
        <translation>+/- %1%</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (no tolerance band)</source>
        <translation>%1 (kein Toleranzring)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The value is right; the tolerance is %1, not %2.</source>
        <translation>Der Wert stimmt; die Toleranz ist %1, nicht %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tolerance is %1, not %2.</source>
        <translation>Die Toleranz ist %1, nicht %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hint: ten times too small: %1 (x %2) for %3 (x %4).</source>
        <translation>Tipp: Zehnmal zu klein: %1 (x %2) statt %3 (x %4).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint: ten times too big: %1 (x %2) for %3 (x %4).</source>
        <translation>Tipp: Zehnmal zu groß: %1 (x %2) statt %3 (x %4).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint: ten times too small: the multiplier is one colour too early (%1, x %2, for %3, x %4).</source>
        <translation>Tipp: Zehnmal zu klein: Der Multiplikator ist eine Farbe zu früh (%1, x %2, statt %3, x %4).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: ten times too big: the multiplier is one colour too far along (%1, x %2, for %3, x %4).</source>
        <translation>Tipp: Zehnmal zu groß: Der Multiplikator ist eine Farbe zu weit (%1, x %2, statt %3, x %4).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Hint: band %1 is the multiplier, not a figure.</source>
        <translation>Tipp: Farbring %1 ist der Multiplikator, keine Ziffer.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Hint: %1 for %2: the multiplier adds %n zeros.</source>
        <translation>
            <numerusform>Tipp: %1 statt %2: Der Multiplikator hängt %n Null an.</numerusform>
            <numerusform>Tipp: %1 statt %2: Der Multiplikator hängt %n Nullen an.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: %1 for %2: the multiplier divides by %3.</source>
        <translation>Tipp: %1 statt %2: Der Multiplikator teilt durch %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hint: m is milli (%1), M is mega (%2).</source>
        <translation>Tipp: m ist Milli (%1), M ist Mega (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hint: read from the other end: with no tolerance band, the first band is the one nearer its end.</source>
        <translation>Tipp: Vom anderen Ende lesen: Ohne Toleranzring ist der erste Farbring der, der näher an seinem Ende liegt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: read from the other end: the tolerance band, set apart, comes last.</source>
        <translation>Tipp: Vom anderen Ende lesen: Der abgesetzte Toleranzring kommt zuletzt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: %1 and %2 look alike: band %3 is %2.</source>
        <translation>Tipp: %1 und %2 sehen sich ähnlich: Farbring %3 ist %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint: band %1 is %2: %2 is %3, %4 is %5.</source>
        <translation>Tipp: Farbring %1 ist %2: %2 ist %3, %4 ist %5.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hint: band %1 is the multiplier %2, x %3; %4 is x %5.</source>
        <translation>Tipp: Farbring %1 ist der Multiplikator %2, x %3; %4 ist x %5.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint: the figures are off: %1.</source>
        <translation>Tipp: Die Ziffern stimmen nicht: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: %1 does give %2, but parts are marked with a first figure other than zero: %3.</source>
        <translation>Tipp: %1 ergeben zwar %2, aber die erste Ziffer eines Bauteils ist nie null: %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint: no resistor starts with Black: %1 is %2.</source>
        <translation>Tipp: Kein Widerstand beginnt mit Schwarz: %1 ist %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The working: %1.</source>
        <translation>Rechenweg: %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+29"/>
        <source>Right: %1.</source>
        <translation>Richtig: %1.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Not quite: you typed %1.</source>
        <translation>Nicht ganz: Sie haben %1 eingegeben.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 would need the multiplier %2 (x %3); this part has %4 (x %5).</source>
        <translation>%1 bräuchte den Multiplikator %2 (x %3); dieses Bauteil hat %4 (x %5).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 would be %2.</source>
        <translation>%1 wäre %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose a colour in each list.</source>
        <translation>Wählen Sie in jeder Liste eine Farbe.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Not quite: your bands %1 and no tolerance band give %2.</source>
        <translation>Nicht ganz: Ihre Farbringe %1 ohne Toleranzring ergeben %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not quite: your bands %1 give %2.</source>
        <translation>Nicht ganz: Ihre Farbringe %1 ergeben %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n of %1 right</source>
        <comment>the right answers of all answered</comment>
        <translation>
            <numerusform>%n von %1 richtig</numerusform>
            <numerusform>%n von %1 richtig</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>third figure</source>
        <translation>dritte Ziffer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>other end</source>
        <translation>anderes Ende</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>look-alike</source>
        <translation>Verwechslung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>figures</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>first figure zero</source>
        <translation>erste Ziffer null</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>a kind of slip and its count</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No slips so far.</source>
        <translation>Bisher keine Fehler.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slips so far: %1.</source>
        <translation>Bisherige Fehler: %1.</translation>
    </message>
</context>
<context>
    <name>zevodave::ChipPicture</name>
    <message>
        <location filename="../ui/smd/chippicture.cpp" line="+33"/>
        <source>No marking</source>
        <translation>Kein Aufdruck</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Marking: %1</source>
        <translation>Aufdruck: %1</translation>
    </message>
</context>
<context>
    <name>zevodave::frmAbout</name>
    <message>
        <location filename="../ui/info/frmabout.cpp" line="+60"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo…</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 color code calculation</source>
        <translation>%1 – Farbcode-Berechnung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning:<byte value="xd"/>
This program is strictly for converting values to resistor color bands or from resistor color bands to values. The program author assumes absolutely no responsibility whatsoever for any errors that may occur.</source>
        <translation>Warnung:<byte value="xd"/>
Dieses Programm dient ausschließlich der Umrechnung von Werten in Farbringe von Widerständen und umgekehrt. Der Autor übernimmt keinerlei Haftung für etwaige Fehler.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>zevodave::frmHelp</name>
    <message>
        <location filename="../ui/info/frmhelp.cpp" line="+37"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 Help</source>
        <translation>%1 – Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can either select the color band from the drop down<byte value="xd"/>
menus or you can type the values directly into the right hand<byte value="xd"/>
corresponding fields.<byte value="xd"/>
For the third band (the multiplier) type the number of zeros.<byte value="xd"/>
For the fourth band type either 1, 2, 5, 10, or 20 for the tolerance.<byte value="xd"/>
The bottom field will show the calculated resistor value.<byte value="xd"/>
You can change any values at any time for recalculation.<byte value="xd"/>
<byte value="xd"/>
Smallest possible resistor value = .01 ohm +-20%<byte value="xd"/>
Largest possible resistor value = 99 GigOhm +-20%<byte value="xd"/>
<byte value="xd"/>
There are other band 4 tolerance values which I have not<byte value="xd"/>
included because they are not commonly used.<byte value="xd"/>
Black   = 20 %<byte value="xd"/>
Orange =  3 %<byte value="xd"/>
Green   =  5 %</source>
        <translation>Sie können die Farbe jedes Rings in den Listen wählen<byte value="xd"/>
oder die Werte direkt in die zugehörigen Felder rechts<byte value="xd"/>
daneben eingeben.<byte value="xd"/>
Für Ring 3 (Multiplikator) die Anzahl der Nullen eingeben.<byte value="xd"/>
Für Ring 4 als Toleranz 1, 2, 5, 10 oder 20 eingeben.<byte value="xd"/>
Das untere Feld zeigt den berechneten Widerstandswert.<byte value="xd"/>
Alle Werte lassen sich jederzeit ändern und neu berechnen.<byte value="xd"/>
<byte value="xd"/>
Kleinster möglicher Wert = 0,01 Ohm +-20%<byte value="xd"/>
Größter möglicher Wert = 99 Gigaohm +-20%<byte value="xd"/>
<byte value="xd"/>
Es gibt weitere Toleranzwerte für Ring 4, die ich nicht<byte value="xd"/>
aufgenommen habe, weil sie selten verwendet werden.<byte value="xd"/>
Schwarz = 20 %<byte value="xd"/>
Orange  =  3 %<byte value="xd"/>
Grün      =  5 %</translation>
    </message>
</context>
<context>
    <name>zevodave::frmLearnResistor</name>
    <message>
        <location filename="../ui/resistor/frmlearnresistor.cpp" line="+58"/>
        <source>%1 Resistor</source>
        <translation>%1 – Widerstand</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Resistor picture</source>
        <translation>Bild des Widerstands</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Colour &amp;codes</source>
        <translation>Farb&amp;kürzel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 bands</source>
        <translation>%1 Ringe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bands</source>
        <translation>&amp;Ringe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Band %1</source>
        <translation>Farbring %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Band &amp;%1</source>
        <translation>Ring &amp;%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Working</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard values</source>
        <translation>Normwerte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other end</source>
        <translation>Anderes Ende</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Turn round</source>
        <translation>&amp;Umdrehen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Series</source>
        <translation>&amp;Normreihe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous standard value</source>
        <translation>&amp;Vorheriger Normwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next standard value</source>
        <translation>Nächs&amp;ter Normwert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Value</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Five- and six-band parts always carry a tolerance band: it stays as it was.</source>
        <translation>Bauteile mit fünf und sechs Farbringen haben immer einen Toleranzring: Er bleibt unverändert.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs five bands: the window shows it on a five-band part, and the main window keeps its four bands.</source>
        <translation>%1 braucht fünf Farbringe: Das Fenster zeigt ein Bauteil mit fünf Farbringen, das Hauptfenster behält seine vier.</translation>
    </message>
</context>
<context>
    <name>zevodave::frmPractice</name>
    <message>
        <location filename="../ui/practice/frmpractice.cpp" line="+43"/>
        <source>%1 Practice</source>
        <translation>%1 – Übung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Read the bands</source>
        <translation>Ringe &amp;lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choo&amp;se the bands</source>
        <translation>Ringe &amp;wählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>%1 bands</source>
        <translation>%1 Ringe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 or %2 bands</source>
        <translation>%1 oder %2 Ringe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question bands</source>
        <translation>Farbringe der Frage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Answer</source>
        <translation>&amp;Antwort</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question value</source>
        <translation>Wert der Frage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Answer bands</source>
        <translation>Farbringe der Antwort</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Answer band %1</source>
        <translation>Antwort-Ring %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer band &amp;%1</source>
        <translation>Antwort-Ring &amp;%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next question</source>
        <translation>&amp;Nächste Frage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slips</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tart again</source>
        <translation>Neu &amp;beginnen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Bands</source>
        <translation>&amp;Ringe</translation>
    </message>
</context>
<context>
    <name>zevodave::frmResistor</name>
    <message>
        <location filename="../ui/main/frmresistor.cpp" line="+106"/>
        <source>Band %1 colour</source>
        <translation>Farbe von Ring %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Band %1 value</source>
        <translation>Wert von Ring %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Resistance</source>
        <translation>Widerstandswert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;dit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Learn</source>
        <translation>&amp;Lernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Resistor</source>
        <translation>&amp;Widerstand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;SMD code</source>
        <translation>SMD-&amp;Code</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Practice</source>
        <translation>&amp;Übung</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Band %1</source>
        <translation>Ring %1</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
</context>
<context>
    <name>zevodave::frmSmdCode</name>
    <message>
        <location filename="../ui/smd/frmsmdcode.cpp" line="+31"/>
        <source>%1 SMD</source>
        <translation>%1 – SMD</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chip picture</source>
        <translation>Bild des Chips</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Marking</source>
        <translation>&amp;Aufdruck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading</source>
        <translation>Ablesung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Value</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Markings</source>
        <translation>Aufdrucke</translation>
    </message>
</context>
</TS>
