<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Wording</name>
    <message>
        <location filename="../ui/widgets/wording.cpp" line="+54"/>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gold</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Silver</source>
        <translation>Plateado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>%1 ohm</source>
        <translation>%1 ohmios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Kilohm</source>
        <translation>%1 kiloohmios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Megohm</source>
        <translation>%1 megaohmios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Gigohm</source>
        <translation>%1 gigaohmios</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 ohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 Ω</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Kilohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 kΩ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Megohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 MΩ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Gigohm</source>
        <comment>in the main window&apos;s narrow result line</comment>
        <translation>%1 GΩ</translation>
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
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
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
        <translation>%1, %2 dan %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2, %3 give %4</source>
        <translation>%1, %2, %3 dan %4</translation>
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
        <translation>%1 multiplica por %2, es decir, divide entre %3: %4</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 multiplies by %2: %3</source>
        <translation>%1 multiplica por %2: %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no tolerance band: +/- %1%, so from %2 to %3</source>
        <translation>sin banda de tolerancia: +/- %1%, así que de %2 a %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: +/- %2%, so from %3 to %4</source>
        <translation>%1: +/- %2%, así que de %3 a %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 ppm/K, so at most %3 more or less for each degree warmer or cooler</source>
        <translation>%1: %2 ppm/K, así que como mucho %3 más o menos por cada grado que suba o baje la temperatura</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not chosen</source>
        <translation>sin elegir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bands: %1</source>
        <translation>Bandas: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is in %2</source>
        <translation>%1 está en %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a standard value</source>
        <translation>%1 no es un valor normalizado</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>in %1 %2 and %3</source>
        <translation>en %1 %2 y %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a standard value: nearest %2</source>
        <translation>%1 no es un valor normalizado; los más próximos: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No value found: type a number with an optional unit and tolerance, such as 4k7, 4.7 Kilohm or 4700 5%.</source>
        <translation>No se encontró ningún valor: escriba un número con unidad y tolerancia opcionales, como 4k7, 4,7 kiloohmios o 4700 5%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unit not understood: &quot;%1&quot;. Write ohm, k, M or G after the number, as in 4.7 kOhm or 4k7.</source>
        <translation>Unidad no reconocida: &quot;%1&quot;. Escriba ohm, k, M o G tras el número, como en 4,7 kOhm o 4k7.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A comma followed by three digits could be a decimal sign or a thousands separator: write 1000 or 1k.</source>
        <translation>Una coma seguida de tres cifras puede ser un separador decimal o de miles: escriba 1000 o 1k.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Four bands show a tolerance of %1%.</source>
        <translation>Cuatro bandas muestran una tolerancia del %1%.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five- and six-band parts show a tolerance of %1%.</source>
        <translation>Las resistencias de cinco y seis bandas muestran una tolerancia del %1%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is more than four bands can show: the largest value is %2.</source>
        <translation>%1 es más de lo que pueden mostrar cuatro bandas: el valor máximo es %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is more than five or six bands can show: the largest value is %2.</source>
        <translation>%1 es más de lo que pueden mostrar cinco o seis bandas: el valor máximo es %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 needs %2 significant figures. Nearest five-band E192 values: %3 and %4.</source>
        <translation>%1 necesita %2 cifras significativas. Valores E192 de cinco bandas más próximos: %3 y %4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs %2 significant figures. Nearest five-band E192 value: %3.</source>
        <translation>%1 necesita %2 cifras significativas. Valor E192 de cinco bandas más próximo: %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs three significant figures: a five-band resistor. Nearest four-band E24 values: %2 and %3.</source>
        <translation>%1 necesita tres cifras significativas: una resistencia de cinco bandas. Valores E24 de cuatro bandas más próximos: %2 y %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs three significant figures: a five-band resistor. Nearest four-band E24 value: %2.</source>
        <translation>%1 necesita tres cifras significativas: una resistencia de cinco bandas. Valor E24 de cuatro bandas más próximo: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs %2 significant figures. Nearest four-band E24 values: %3 and %4.</source>
        <translation>%1 necesita %2 cifras significativas. Valores E24 de cuatro bandas más próximos: %3 y %4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs %2 significant figures. Nearest four-band E24 value: %3.</source>
        <translation>%1 necesita %2 cifras significativas. Valor E24 de cuatro bandas más próximo: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is finer than the smallest step four bands can show, %2.</source>
        <translation>%1 es más fino que el paso mínimo que pueden mostrar cuatro bandas, %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is finer than the smallest step five or six bands can show, %2.</source>
        <translation>%1 es más fino que el paso mínimo que pueden mostrar cinco o seis bandas, %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>From the other end: %1 is not a figure, so this end is the start.</source>
        <translation>Desde el otro extremo: %1 no es una cifra, así que este extremo es el principio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the other end: %1 is not a tolerance colour, so this end is the start.</source>
        <translation>Desde el otro extremo: %1 no es un color de tolerancia, así que este extremo es el principio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the other end: %1 has no temperature coefficient, so this end is the start.</source>
        <translation>Desde el otro extremo: %1 no tiene coeficiente de temperatura, así que este extremo es el principio.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>From the other end: %1 give %2, but no resistor starts with Black, so this end is the start.</source>
        <translation>Desde el otro extremo: %1 dan %2, pero ninguna resistencia empieza por negro, así que este extremo es el principio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From the other end: %1 give %2, also a standard value: the tolerance band is the one set apart by the wider gap.</source>
        <translation>Desde el otro extremo: %1 dan %2, también un valor normalizado: la banda de tolerancia es la que está separada por el hueco más ancho.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From the other end: %1 give %2, a standard value where this end gives none: the other end is likely the start.</source>
        <translation>Desde el otro extremo: %1 dan %2, un valor normalizado, y este extremo no da ninguno: probablemente el otro extremo es el principio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From the other end: %1 give %2, not a standard value, so this end is likely the start.</source>
        <translation>Desde el otro extremo: %1 dan %2, que no es un valor normalizado, así que probablemente este extremo es el principio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the other end: %1 give %2, not a standard value either: the tolerance band is the one set apart by the wider gap.</source>
        <translation>Desde el otro extremo: %1 dan %2, que tampoco es un valor normalizado: la banda de tolerancia es la que está separada por el hueco más ancho.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>1 zero</source>
        <translation>1 cero</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 zeros</source>
        <translation>%1 ceros</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is a zero-ohm link: a wire in a resistor&apos;s case, 0 ohm.</source>
        <translation>%1 es un puente de cero ohmios: un hilo en la cápsula de una resistencia, 0 ohmios.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is three digits: the figures %2 and %3, so %4. Three-digit markings usually mean +/- %5%.</source>
        <translation>%1 tiene tres dígitos: las cifras %2 y %3, así que %4. Los marcados de tres dígitos suelen indicar +/- %5%.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is four digits: the figures %2 and %3, so %4. Four-digit markings usually mean +/- %5%.</source>
        <translation>%1 tiene cuatro dígitos: las cifras %2 y %3, así que %4. Los marcados de cuatro dígitos suelen indicar +/- %5%.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is R notation: R stands for the decimal point, so %2. Markings of %3 characters usually mean +/- %4%.</source>
        <translation>%1 está en notación R: la R hace de punto decimal, así que %2. Los marcados de %3 caracteres suelen indicar +/- %4%.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is an EIA-96 code: %2 is the E96 value %3 and %4 multiplies by %5, so %6. EIA-96 markings usually mean +/- %7%.</source>
        <translation>%1 es un código EIA-96: %2 es el valor E96 %3 y %4 multiplica por %5, así que %6. Los marcados EIA-96 suelen indicar +/- %7%.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Type a marking such as 472, 4701, 4R7 or 01C.</source>
        <translation>Escriba un marcado como 472, 4701, 4R7 o 01C.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a resistor marking: markings have at most four characters.</source>
        <translation>%1 no es un marcado de resistencia: los marcados tienen como mucho cuatro caracteres.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a resistor marking: markings hold only digits and letters.</source>
        <translation>%1 no es un marcado de resistencia: los marcados solo contienen cifras y letras.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a resistor marking: EIA-96 codes number the E96 values from 01 to 96.</source>
        <translation>%1 no es un marcado de resistencia: los códigos EIA-96 numeran los valores E96 del 01 al 96.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a resistor marking: %2 is no EIA-96 multiplier letter (Z, Y, R, X, S, A, B, H, C, D, E or F).</source>
        <translation>%1 no es un marcado de resistencia: %2 no es una letra de multiplicador EIA-96 (Z, Y, R, X, S, A, B, H, C, D, E o F).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a resistor marking: it is neither three or four digits, nor R notation such as 4R7, nor an EIA-96 code such as 01C.</source>
        <translation>%1 no es un marcado de resistencia: no tiene tres ni cuatro dígitos, ni está en notación R como 4R7, ni es un código EIA-96 como 01C.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (R notation)</source>
        <translation>%1 (notación R)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (three digits)</source>
        <translation>%1 (tres dígitos)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>three digits cannot show it</source>
        <translation>tres dígitos no pueden mostrarlo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (four digits)</source>
        <translation>%1 (cuatro dígitos)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>four digits cannot show it</source>
        <translation>cuatro dígitos no pueden mostrarlo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (EIA-96)</source>
        <translation>%1 (EIA-96)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EIA-96 cannot show it</source>
        <translation>EIA-96 no puede mostrarlo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has no EIA-96 code, not being an E96 value</source>
        <translation>no tiene código EIA-96, al no ser un valor E96</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No marking shows %1: %2.</source>
        <translation>Ningún marcado muestra %1: %2.</translation>
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
        <translation>%1 se marca %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is marked %2; %3.</source>
        <translation>%1 se marca %2; %3.</translation>
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
        <translation>%1 (sin banda de tolerancia)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The value is right; the tolerance is %1, not %2.</source>
        <translation>El valor es correcto; la tolerancia es %1, no %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tolerance is %1, not %2.</source>
        <translation>La tolerancia es %1, no %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hint: ten times too small: %1 (x %2) for %3 (x %4).</source>
        <translation>Pista: diez veces menor: %1 (x %2) en vez de %3 (x %4).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint: ten times too big: %1 (x %2) for %3 (x %4).</source>
        <translation>Pista: diez veces mayor: %1 (x %2) en vez de %3 (x %4).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint: ten times too small: the multiplier is one colour too early (%1, x %2, for %3, x %4).</source>
        <translation>Pista: diez veces menor: el multiplicador está un color demasiado atrás (%1, x %2, en vez de %3, x %4).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: ten times too big: the multiplier is one colour too far along (%1, x %2, for %3, x %4).</source>
        <translation>Pista: diez veces mayor: el multiplicador está un color demasiado adelante (%1, x %2, en vez de %3, x %4).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Hint: band %1 is the multiplier, not a figure.</source>
        <translation>Pista: la banda %1 es el multiplicador, no una cifra.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Hint: %1 for %2: the multiplier adds %n zeros.</source>
        <translation>
            <numerusform>Pista: %1 en vez de %2: el multiplicador añade %n cero.</numerusform>
            <numerusform>Pista: %1 en vez de %2: el multiplicador añade %n ceros.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: %1 for %2: the multiplier divides by %3.</source>
        <translation>Pista: %1 en vez de %2: el multiplicador divide entre %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hint: m is milli (%1), M is mega (%2).</source>
        <translation>Pista: m es mili (%1), M es mega (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hint: read from the other end: with no tolerance band, the first band is the one nearer its end.</source>
        <translation>Pista: lea desde el otro extremo: sin banda de tolerancia, la primera banda es la más cercana a su extremo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: read from the other end: the tolerance band, set apart, comes last.</source>
        <translation>Pista: lea desde el otro extremo: la banda de tolerancia, separada, va al final.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: %1 and %2 look alike: band %3 is %2.</source>
        <translation>Pista: %1 y %2 se parecen: la banda %3 es %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint: band %1 is %2: %2 is %3, %4 is %5.</source>
        <translation>Pista: la banda %1 es %2: %2 es %3, %4 es %5.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hint: band %1 is the multiplier %2, x %3; %4 is x %5.</source>
        <translation>Pista: la banda %1 es el multiplicador %2, x %3; %4 es x %5.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint: the figures are off: %1.</source>
        <translation>Pista: las cifras no son correctas: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint: %1 does give %2, but parts are marked with a first figure other than zero: %3.</source>
        <translation>Pista: %1 sí dan %2, pero las resistencias se marcan con una primera cifra distinta de cero: %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint: no resistor starts with Black: %1 is %2.</source>
        <translation>Pista: ninguna resistencia empieza por negro: %1 es %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The working: %1.</source>
        <translation>El cálculo: %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+29"/>
        <source>Right: %1.</source>
        <translation>Correcto: %1.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Not quite: you typed %1.</source>
        <translation>No del todo: ha escrito %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 would need the multiplier %2 (x %3); this part has %4 (x %5).</source>
        <translation>%1 necesitaría el multiplicador %2 (x %3); esta resistencia tiene %4 (x %5).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 would be %2.</source>
        <translation>%1 sería %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose a colour in each list.</source>
        <translation>Elija un color en cada lista.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Not quite: your bands %1 and no tolerance band give %2.</source>
        <translation>No del todo: sus bandas %1 sin banda de tolerancia dan %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not quite: your bands %1 give %2.</source>
        <translation>No del todo: sus bandas %1 dan %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n of %1 right</source>
        <comment>the right answers of all answered</comment>
        <translation>
            <numerusform>%n de %1 correcta</numerusform>
            <numerusform>%n de %1 correctas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>multiplier</source>
        <translation>multiplicador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>third figure</source>
        <translation>tercera cifra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>other end</source>
        <translation>otro extremo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>look-alike</source>
        <translation>colores parecidos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>figures</source>
        <translation>cifras</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unit</source>
        <translation>unidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tolerance</source>
        <translation>tolerancia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>first figure zero</source>
        <translation>primera cifra cero</translation>
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
        <translation>Ningún fallo hasta ahora.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slips so far: %1.</source>
        <translation>Fallos hasta ahora: %1.</translation>
    </message>
</context>
<context>
    <name>zevodave::ChipPicture</name>
    <message>
        <location filename="../ui/smd/chippicture.cpp" line="+33"/>
        <source>No marking</source>
        <translation>Sin marcado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Marking: %1</source>
        <translation>Marcado: %1</translation>
    </message>
</context>
<context>
    <name>zevodave::frmAbout</name>
    <message>
        <location filename="../ui/info/frmabout.cpp" line="+60"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema…</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 color code calculation</source>
        <translation>%1: cálculo del código de colores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning:<byte value="xd"/>
This program is strictly for converting values to resistor color bands or from resistor color bands to values. The program author assumes absolutely no responsibility whatsoever for any errors that may occur.</source>
        <translation>Advertencia:<byte value="xd"/>
Este programa sirve solo para convertir valores en bandas de colores de resistencias o bandas de colores en valores. El autor del programa no asume responsabilidad alguna por los errores que puedan producirse.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>zevodave::frmHelp</name>
    <message>
        <location filename="../ui/info/frmhelp.cpp" line="+37"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
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
        <translation>Puede elegir el color de cada banda en las listas<byte value="xd"/>
desplegables o escribir los valores directamente<byte value="xd"/>
en los campos correspondientes de la derecha.<byte value="xd"/>
En la tercera banda (multiplicador) escriba cuántos ceros.<byte value="xd"/>
En la cuarta banda escriba la tolerancia: 1, 2, 5, 10 o 20.<byte value="xd"/>
El campo inferior mostrará la resistencia calculada.<byte value="xd"/>
Puede cambiar los valores cuando quiera para recalcular.<byte value="xd"/>
<byte value="xd"/>
Valor mínimo de resistencia = 0,01 ohmios +-20%<byte value="xd"/>
Valor máximo de resistencia = 99 gigaohmios +-20%<byte value="xd"/>
<byte value="xd"/>
Hay otros valores de tolerancia para la banda 4 que no<byte value="xd"/>
he incluido porque no son de uso común.<byte value="xd"/>
Negro    = 20 %<byte value="xd"/>
Naranja =  3 %<byte value="xd"/>
Verde    =  5 %</translation>
    </message>
</context>
<context>
    <name>zevodave::frmLearnResistor</name>
    <message>
        <location filename="../ui/resistor/frmlearnresistor.cpp" line="+58"/>
        <source>%1 Resistor</source>
        <translation>%1 - Resistencia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Resistor picture</source>
        <translation>Imagen de la resistencia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Colour &amp;codes</source>
        <translation>&amp;Códigos de color</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 bands</source>
        <translation>%1 bandas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bands</source>
        <translation>&amp;Bandas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Band %1</source>
        <translation>Banda %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Band &amp;%1</source>
        <translation>Banda &amp;%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Working</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard values</source>
        <translation>Valores normalizados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other end</source>
        <translation>Otro extremo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Turn round</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Series</source>
        <translation>&amp;Serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous standard value</source>
        <translation>Valor normalizado &amp;anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next standard value</source>
        <translation>Valor normalizado &amp;posterior</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Value</source>
        <translation>&amp;Valor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Five- and six-band parts always carry a tolerance band: it stays as it was.</source>
        <translation>Las resistencias de cinco y seis bandas siempre llevan banda de tolerancia: se mantiene la que había.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs five bands: the window shows it on a five-band part, and the main window keeps its four bands.</source>
        <translation>%1 necesita cinco bandas: esta ventana lo muestra en una resistencia de cinco bandas y la ventana principal conserva sus cuatro bandas.</translation>
    </message>
</context>
<context>
    <name>zevodave::frmPractice</name>
    <message>
        <location filename="../ui/practice/frmpractice.cpp" line="+43"/>
        <source>%1 Practice</source>
        <translation>%1 - Práctica</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Read the bands</source>
        <translation>&amp;Leer las bandas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choo&amp;se the bands</source>
        <translation>&amp;Elegir las bandas</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>%1 bands</source>
        <translation>%1 bandas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 or %2 bands</source>
        <translation>%1 o %2 bandas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question bands</source>
        <translation>Bandas de la pregunta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Answer</source>
        <translation>&amp;Respuesta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question value</source>
        <translation>Valor de la pregunta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Answer bands</source>
        <translation>Bandas de la respuesta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Answer band %1</source>
        <translation>Banda %1 de la respuesta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer band &amp;%1</source>
        <translation>Banda &amp;%1 de la respuesta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next question</source>
        <translation>&amp;Siguiente pregunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slips</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tart again</source>
        <translation>Empezar de &amp;nuevo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Bands</source>
        <translation>&amp;Bandas</translation>
    </message>
</context>
<context>
    <name>zevodave::frmResistor</name>
    <message>
        <location filename="../ui/main/frmresistor.cpp" line="+106"/>
        <source>Band %1 colour</source>
        <translation>Color de la banda %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Band %1 value</source>
        <translation>Valor de la banda %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Resistance</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;dit</source>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Learn</source>
        <translation>Au&amp;la</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Resistor</source>
        <translation>&amp;Resistencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;SMD code</source>
        <translation>Código S&amp;MD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Practice</source>
        <translation>&amp;Práctica</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>&amp;About</source>
        <translation>Ac&amp;erca de</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Band %1</source>
        <translation>Banda %1</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>zevodave::frmSmdCode</name>
    <message>
        <location filename="../ui/smd/frmsmdcode.cpp" line="+31"/>
        <source>%1 SMD</source>
        <translation>%1 - SMD</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chip picture</source>
        <translation>Imagen del chip</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Marking</source>
        <translation>&amp;Marcado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Value</source>
        <translation>&amp;Valor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Markings</source>
        <translation>Marcados</translation>
    </message>
</context>
</TS>
