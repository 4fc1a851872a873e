<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Wording</name>
    <message>
        <location filename="../ui/widgets/wording.cpp" line="+54"/>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>%1 ohm</source>
        <translation>%1 ohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Kilohm</source>
        <translation>%1 kilohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Megohm</source>
        <translation>%1 mégohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Gigohm</source>
        <translation>%1 gigohm</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 ohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 ohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Kilohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 kilohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Megohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 mégohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Gigohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 gigohm</translation>
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
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
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
        <translation>%1, %2 donnent %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2, %3 give %4</source>
        <translation>%1, %2, %3 donnent %4</translation>
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
        <translation>%1 multiplie par %2, c&apos;est-à-dire divise par %3&#xa0;: %4</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 multiplies by %2: %3</source>
        <translation>%1 multiplie par %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no tolerance band: +/- %1%, so from %2 to %3</source>
        <translation>pas d&apos;anneau de tolérance&#xa0;: +/- %1%, donc de %2 à %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: +/- %2%, so from %3 to %4</source>
        <translation>%1&#xa0;: +/- %2%, donc de %3 à %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 ppm/K, so at most %3 more or less for each degree warmer or cooler</source>
        <translation>%1&#xa0;: %2 ppm/K, donc au plus %3 d&apos;écart par degré en plus ou en moins</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not chosen</source>
        <translation>non choisi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bands: %1</source>
        <translation>Anneaux&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is in %2</source>
        <translation>%1 appartient à %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a standard value</source>
        <translation>%1 n&apos;est pas une valeur normalisée</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>in %1 %2 and %3</source>
        <translation>en %1 %2 et %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a standard value: nearest %2</source>
        <translation>%1 n&apos;est pas une valeur normalisée&#xa0;: voisines %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No value found: type a number with an optional unit and tolerance, such as 4k7, 4.7 Kilohm or 4700 5%.</source>
        <translation>Aucune valeur trouvée&#xa0;: tapez un nombre, avec unité et tolérance facultatives, comme 4k7, 4,7 kilohm ou 4700 5%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unit not understood: &quot;%1&quot;. Write ohm, k, M or G after the number, as in 4.7 kOhm or 4k7.</source>
        <translation>Unité non comprise&#xa0;: «&#xa0;%1&#xa0;». Écrivez ohm, k, M ou G après le nombre, comme dans 4,7 kOhm ou 4k7.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A comma followed by three digits could be a decimal sign or a thousands separator: write 1000 or 1k.</source>
        <translation>Une virgule suivie de trois chiffres peut être un séparateur décimal ou de milliers&#xa0;: écrivez 1000 ou 1k.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Four bands show a tolerance of %1%.</source>
        <translation>Quatre anneaux indiquent une tolérance de %1%.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five- and six-band parts show a tolerance of %1%.</source>
        <translation>Les résistances à cinq et six anneaux indiquent une tolérance de %1%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is more than four bands can show: the largest value is %2.</source>
        <translation>%1 dépasse ce que quatre anneaux peuvent indiquer&#xa0;: la plus grande valeur est %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is more than five or six bands can show: the largest value is %2.</source>
        <translation>%1 dépasse ce que cinq ou six anneaux peuvent indiquer&#xa0;: la plus grande valeur est %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 needs %2 significant figures. Nearest five-band E192 values: %3 and %4.</source>
        <translation>%1 demande %2 chiffres significatifs. Valeurs E192 à cinq anneaux les plus proches&#xa0;: %3 et %4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs %2 significant figures. Nearest five-band E192 value: %3.</source>
        <translation>%1 demande %2 chiffres significatifs. Valeur E192 à cinq anneaux la plus proche&#xa0;: %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs three significant figures: a five-band resistor. Nearest four-band E24 values: %2 and %3.</source>
        <translation>%1 demande trois chiffres significatifs&#xa0;: une résistance à cinq anneaux. Valeurs E24 à quatre anneaux les plus proches&#xa0;: %2 et %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs three significant figures: a five-band resistor. Nearest four-band E24 value: %2.</source>
        <translation>%1 demande trois chiffres significatifs&#xa0;: une résistance à cinq anneaux. Valeur E24 à quatre anneaux la plus proche&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs %2 significant figures. Nearest four-band E24 values: %3 and %4.</source>
        <translation>%1 demande %2 chiffres significatifs. Valeurs E24 à quatre anneaux les plus proches&#xa0;: %3 et %4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs %2 significant figures. Nearest four-band E24 value: %3.</source>
        <translation>%1 demande %2 chiffres significatifs. Valeur E24 à quatre anneaux la plus proche&#xa0;: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is finer than the smallest step four bands can show, %2.</source>
        <translation>%1 est plus fin que le plus petit pas que quatre anneaux peuvent indiquer, %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is finer than the smallest step five or six bands can show, %2.</source>
        <translation>%1 est plus fin que le plus petit pas que cinq ou six anneaux peuvent indiquer, %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>From the other end: %1 is not a figure, so this end is the start.</source>
        <translation>De l&apos;autre bout&#xa0;: %1 n&apos;est pas un chiffre, donc ce bout est le début.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the other end: %1 is not a tolerance colour, so this end is the start.</source>
        <translation>De l&apos;autre bout&#xa0;: %1 n&apos;est pas une couleur de tolérance, donc ce bout est le début.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the other end: %1 has no temperature coefficient, so this end is the start.</source>
        <translation>De l&apos;autre bout&#xa0;: %1 n&apos;a pas de coefficient de température, donc ce bout est le début.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>From the other end: %1 give %2, but no resistor starts with Black, so this end is the start.</source>
        <translation>De l&apos;autre bout&#xa0;: %1 donnent %2, mais aucune résistance ne commence par Noir, donc ce bout est le début.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From the other end: %1 give %2, also a standard value: the tolerance band is the one set apart by the wider gap.</source>
        <translation>De l&apos;autre bout&#xa0;: %1 donnent %2, valeur normalisée elle aussi&#xa0;: l&apos;anneau de tolérance est celui que sépare l&apos;écart le plus large.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From the other end: %1 give %2, a standard value where this end gives none: the other end is likely the start.</source>
        <translation>De l&apos;autre bout&#xa0;: %1 donnent %2, valeur normalisée, alors que ce bout n&apos;en donne pas&#xa0;: l&apos;autre bout est sans doute le début.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From the other end: %1 give %2, not a standard value, so this end is likely the start.</source>
        <translation>De l&apos;autre bout&#xa0;: %1 donnent %2, valeur non normalisée, donc ce bout est sans doute le début.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the other end: %1 give %2, not a standard value either: the tolerance band is the one set apart by the wider gap.</source>
        <translation>De l&apos;autre bout&#xa0;: %1 donnent %2, qui n&apos;est pas non plus une valeur normalisée&#xa0;: l&apos;anneau de tolérance est celui que sépare l&apos;écart le plus large.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>1 zero</source>
        <translation>1 zéro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 zeros</source>
        <translation>%1 zéros</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is a zero-ohm link: a wire in a resistor&apos;s case, 0 ohm.</source>
        <translation>%1 est un pont zéro ohm&#xa0;: un fil dans un boîtier de résistance, 0 ohm.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is three digits: the figures %2 and %3, so %4. Three-digit markings usually mean +/- %5%.</source>
        <translation>%1 est un marquage à trois chiffres&#xa0;: les chiffres %2 et %3, donc %4. Un marquage à trois chiffres indique en général +/- %5%.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is four digits: the figures %2 and %3, so %4. Four-digit markings usually mean +/- %5%.</source>
        <translation>%1 est un marquage à quatre chiffres&#xa0;: les chiffres %2 et %3, donc %4. Un marquage à quatre chiffres indique en général +/- %5%.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is R notation: R stands for the decimal point, so %2. Markings of %3 characters usually mean +/- %4%.</source>
        <translation>%1 est en notation R&#xa0;: R remplace le point décimal, donc %2. Un marquage de %3 caractères indique en général +/- %4%.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is an EIA-96 code: %2 is the E96 value %3 and %4 multiplies by %5, so %6. EIA-96 markings usually mean +/- %7%.</source>
        <translation>%1 est un code EIA-96&#xa0;: %2 est la valeur E96 %3 et %4 multiplie par %5, donc %6. Un marquage EIA-96 indique en général +/- %7%.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Type a marking such as 472, 4701, 4R7 or 01C.</source>
        <translation>Tapez un marquage comme 472, 4701, 4R7 ou 01C.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a resistor marking: markings have at most four characters.</source>
        <translation>%1 n&apos;est pas un marquage de résistance&#xa0;: un marquage a au plus quatre caractères.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a resistor marking: markings hold only digits and letters.</source>
        <translation>%1 n&apos;est pas un marquage de résistance&#xa0;: un marquage ne contient que des chiffres et des lettres.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a resistor marking: EIA-96 codes number the E96 values from 01 to 96.</source>
        <translation>%1 n&apos;est pas un marquage de résistance&#xa0;: les codes EIA-96 numérotent les valeurs E96 de 01 à 96.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a resistor marking: %2 is no EIA-96 multiplier letter (Z, Y, R, X, S, A, B, H, C, D, E or F).</source>
        <translation>%1 n&apos;est pas un marquage de résistance&#xa0;: %2 n&apos;est pas une lettre de multiplicateur EIA-96 (Z, Y, R, X, S, A, B, H, C, D, E ou F).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a resistor marking: it is neither three or four digits, nor R notation such as 4R7, nor an EIA-96 code such as 01C.</source>
        <translation>%1 n&apos;est pas un marquage de résistance&#xa0;: ce n&apos;est ni trois ou quatre chiffres, ni une notation R comme 4R7, ni un code EIA-96 comme 01C.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (R notation)</source>
        <translation>%1 (notation R)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (three digits)</source>
        <translation>%1 (trois chiffres)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>three digits cannot show it</source>
        <translation>trois chiffres ne peuvent pas l&apos;indiquer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (four digits)</source>
        <translation>%1 (quatre chiffres)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>four digits cannot show it</source>
        <translation>quatre chiffres ne peuvent pas l&apos;indiquer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (EIA-96)</source>
        <translation>%1 (EIA-96)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EIA-96 cannot show it</source>
        <translation>EIA-96 ne peut pas l&apos;indiquer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has no EIA-96 code, not being an E96 value</source>
        <translation>elle n&apos;a pas de code EIA-96, n&apos;étant pas une valeur E96</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No marking shows %1: %2.</source>
        <translation>Aucun marquage n&apos;indique %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+3"/>
        <location line="+20"/>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <location line="-21"/>
        <source>%1 is marked %2.</source>
        <translation>%1 se marque %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is marked %2; %3.</source>
        <translation>%1 se marque %2&#xa0;; %3.</translation>
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
        <translation>%1 (sans anneau de tolérance)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The value is right; the tolerance is %1, not %2.</source>
        <translation>La valeur est juste&#xa0;; la tolérance est %1, pas %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tolerance is %1, not %2.</source>
        <translation>La tolérance est %1, pas %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hint: ten times too small: %1 (x %2) for %3 (x %4).</source>
        <translation>Indice&#xa0;: dix fois trop petit&#xa0;: %1 (x %2) au lieu de %3 (x %4).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint: ten times too big: %1 (x %2) for %3 (x %4).</source>
        <translation>Indice&#xa0;: dix fois trop grand&#xa0;: %1 (x %2) au lieu de %3 (x %4).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint: ten times too small: the multiplier is one colour too early (%1, x %2, for %3, x %4).</source>
        <translation>Indice&#xa0;: dix fois trop petit&#xa0;: le multiplicateur est une couleur trop tôt (%1, x %2, au lieu de %3, x %4).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: ten times too big: the multiplier is one colour too far along (%1, x %2, for %3, x %4).</source>
        <translation>Indice&#xa0;: dix fois trop grand&#xa0;: le multiplicateur est une couleur trop loin (%1, x %2, au lieu de %3, x %4).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Hint: band %1 is the multiplier, not a figure.</source>
        <translation>Indice&#xa0;: l&apos;anneau %1 est le multiplicateur, pas un chiffre.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Hint: %1 for %2: the multiplier adds %n zeros.</source>
        <translation>
            <numerusform>Indice&#xa0;: %1 au lieu de %2&#xa0;: le multiplicateur ajoute %n zéro.</numerusform>
            <numerusform>Indice&#xa0;: %1 au lieu de %2&#xa0;: le multiplicateur ajoute %n zéros.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: %1 for %2: the multiplier divides by %3.</source>
        <translation>Indice&#xa0;: %1 au lieu de %2&#xa0;: le multiplicateur divise par %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hint: m is milli (%1), M is mega (%2).</source>
        <translation>Indice&#xa0;: m signifie milli (%1), M signifie méga (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hint: read from the other end: with no tolerance band, the first band is the one nearer its end.</source>
        <translation>Indice&#xa0;: lisez depuis l&apos;autre bout&#xa0;: sans anneau de tolérance, le premier anneau est celui qui est le plus près du bout.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: read from the other end: the tolerance band, set apart, comes last.</source>
        <translation>Indice&#xa0;: lisez depuis l&apos;autre bout&#xa0;: l&apos;anneau de tolérance, écarté des autres, vient en dernier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: %1 and %2 look alike: band %3 is %2.</source>
        <translation>Indice&#xa0;: %1 et %2 se ressemblent&#xa0;: l&apos;anneau %3 est %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint: band %1 is %2: %2 is %3, %4 is %5.</source>
        <translation>Indice&#xa0;: l&apos;anneau %1 est %2&#xa0;: %2 vaut %3, %4 vaut %5.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hint: band %1 is the multiplier %2, x %3; %4 is x %5.</source>
        <translation>Indice&#xa0;: l&apos;anneau %1 est le multiplicateur %2, x %3&#xa0;; %4 vaut x %5.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint: the figures are off: %1.</source>
        <translation>Indice&#xa0;: les chiffres sont faux&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: %1 does give %2, but parts are marked with a first figure other than zero: %3.</source>
        <translation>Indice&#xa0;: %1 donne bien %2, mais les résistances sont marquées avec un premier chiffre autre que zéro&#xa0;: %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint: no resistor starts with Black: %1 is %2.</source>
        <translation>Indice&#xa0;: aucune résistance ne commence par Noir&#xa0;: %1 correspond à %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The working: %1.</source>
        <translation>Le calcul&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+29"/>
        <source>Right: %1.</source>
        <translation>Juste&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Not quite: you typed %1.</source>
        <translation>Pas tout à fait&#xa0;: vous avez tapé %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 would need the multiplier %2 (x %3); this part has %4 (x %5).</source>
        <translation>%1 demanderait le multiplicateur %2 (x %3)&#xa0;; cette résistance a %4 (x %5).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 would be %2.</source>
        <translation>%1 correspondrait à %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose a colour in each list.</source>
        <translation>Choisissez une couleur dans chaque liste.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Not quite: your bands %1 and no tolerance band give %2.</source>
        <translation>Pas tout à fait&#xa0;: vos anneaux %1, sans anneau de tolérance, donnent %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not quite: your bands %1 give %2.</source>
        <translation>Pas tout à fait&#xa0;: vos anneaux %1 donnent %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n of %1 right</source>
        <comment>the right answers of all answered</comment>
        <translation>
            <numerusform>Bonnes réponses&#xa0;: %n sur %1</numerusform>
            <numerusform>Bonnes réponses&#xa0;: %n sur %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>multiplier</source>
        <translation>multiplicateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>third figure</source>
        <translation>troisième chiffre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>other end</source>
        <translation>autre bout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>look-alike</source>
        <translation>couleurs semblables</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>figures</source>
        <translation>chiffres</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unit</source>
        <translation>unité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tolerance</source>
        <translation>tolérance</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>first figure zero</source>
        <translation>premier chiffre zéro</translation>
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
        <translation>Aucune erreur jusqu&apos;ici.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slips so far: %1.</source>
        <translation>Erreurs jusqu&apos;ici&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>zevodave::ChipPicture</name>
    <message>
        <location filename="../ui/smd/chippicture.cpp" line="+33"/>
        <source>No marking</source>
        <translation>Aucun marquage</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Marking: %1</source>
        <translation>Marquage&#xa0;: %1</translation>
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
        <translation>&amp;Système…</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 color code calculation</source>
        <translation>%1 - calcul du code des couleurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning:<byte value="xd"/>
This program is strictly for converting values to resistor color bands or from resistor color bands to values. The program author assumes absolutely no responsibility whatsoever for any errors that may occur.</source>
        <translation>Attention&#xa0;:<byte value="xd"/>
Ce programme sert uniquement à convertir des valeurs en anneaux de couleur de résistance et inversement. L&apos;auteur décline toute responsabilité pour les erreurs éventuelles.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informations système indisponibles pour le moment</translation>
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
        <translation>Aide de %1</translation>
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
        <translation>Vous pouvez soit choisir la couleur des anneaux dans les<byte value="xd"/>
listes déroulantes, soit taper les valeurs directement dans<byte value="xd"/>
les champs correspondants, à droite.<byte value="xd"/>
Pour le 3e anneau (multiplicateur), tapez le nombre de zéros.<byte value="xd"/>
Pour le 4e anneau, tapez la tolérance&#xa0;: 1, 2, 5, 10 ou 20.<byte value="xd"/>
Le champ du bas affiche la valeur calculée.<byte value="xd"/>
Modifiez une valeur à tout moment pour recalculer.<byte value="xd"/>
<byte value="xd"/>
Plus petite valeur possible = 0,01 ohm +-20%<byte value="xd"/>
Plus grande valeur possible = 99 gigohm +-20%<byte value="xd"/>
<byte value="xd"/>
Il existe d&apos;autres tolérances d&apos;anneau 4 que je n&apos;ai<byte value="xd"/>
pas incluses car elles sont peu courantes.<byte value="xd"/>
Noir      = 20 %<byte value="xd"/>
Orange =  3 %<byte value="xd"/>
Vert      =  5 %</translation>
    </message>
</context>
<context>
    <name>zevodave::frmLearnResistor</name>
    <message>
        <location filename="../ui/resistor/frmlearnresistor.cpp" line="+58"/>
        <source>%1 Resistor</source>
        <translation>%1 - Résistance</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Resistor picture</source>
        <translation>Image de la résistance</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Colour &amp;codes</source>
        <translation>&amp;Codes couleur</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 bands</source>
        <translation>%1 anneaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bands</source>
        <translation>&amp;Anneaux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Band %1</source>
        <translation>Anneau %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Band &amp;%1</source>
        <translation>Anneau &amp;%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Working</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard values</source>
        <translation>Valeurs normalisées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other end</source>
        <translation>Autre bout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Turn round</source>
        <translation>&amp;Retourner</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Series</source>
        <translation>&amp;Série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous standard value</source>
        <translation>Valeur normalisée &amp;précédente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next standard value</source>
        <translation>Valeur normalisée suiva&amp;nte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Value</source>
        <translation>&amp;Valeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Five- and six-band parts always carry a tolerance band: it stays as it was.</source>
        <translation>Les résistances à cinq et six anneaux ont toujours un anneau de tolérance&#xa0;: il reste tel quel.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs five bands: the window shows it on a five-band part, and the main window keeps its four bands.</source>
        <translation>%1 demande cinq anneaux&#xa0;: cette fenêtre l&apos;affiche sur une résistance à cinq anneaux, et la fenêtre principale garde ses quatre anneaux.</translation>
    </message>
</context>
<context>
    <name>zevodave::frmPractice</name>
    <message>
        <location filename="../ui/practice/frmpractice.cpp" line="+43"/>
        <source>%1 Practice</source>
        <translation>%1 - Entraînement</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Read the bands</source>
        <translation>&amp;Lire les anneaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choo&amp;se the bands</source>
        <translation>&amp;Choisir les anneaux</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>%1 bands</source>
        <translation>%1 anneaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 or %2 bands</source>
        <translation>%1 ou %2 anneaux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question bands</source>
        <translation>Anneaux de la question</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Answer</source>
        <translation>&amp;Réponse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question value</source>
        <translation>Valeur de la question</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Answer bands</source>
        <translation>Anneaux de la réponse</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Answer band %1</source>
        <translation>Anneau de réponse %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer band &amp;%1</source>
        <translation>Anneau de réponse &amp;%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next question</source>
        <translation>&amp;Question suivante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feedback</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slips</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tart again</source>
        <translation>R&amp;ecommencer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Bands</source>
        <translation>&amp;Anneaux</translation>
    </message>
</context>
<context>
    <name>zevodave::frmResistor</name>
    <message>
        <location filename="../ui/main/frmresistor.cpp" line="+106"/>
        <source>Band %1 colour</source>
        <translation>Couleur de l&apos;anneau %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Band %1 value</source>
        <translation>Valeur de l&apos;anneau %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Resistance</source>
        <translation>Résistance</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;dit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Learn</source>
        <translation>&amp;Cours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Resistor</source>
        <translation>&amp;Résistance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;SMD code</source>
        <translation>&amp;Code CMS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Practice</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Band %1</source>
        <translation>Ann. %1</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
</context>
<context>
    <name>zevodave::frmSmdCode</name>
    <message>
        <location filename="../ui/smd/frmsmdcode.cpp" line="+31"/>
        <source>%1 SMD</source>
        <translation>%1 - CMS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chip picture</source>
        <translation>Image du composant</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Marking</source>
        <translation>&amp;Marquage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Value</source>
        <translation>&amp;Valeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Markings</source>
        <translation>Marquages</translation>
    </message>
</context>
</TS>
