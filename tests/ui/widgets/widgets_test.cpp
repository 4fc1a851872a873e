// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// What the windows share: every kind of sentence worded from the engine's
// results, the resistor picture as a user sees it, and where a companion
// window opens.

#include "learnwindow.h"
#include "resistorpicture.h"
#include "textconvert.h"
#include "wording.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace zevodave;

namespace {

// "4 7 2 10" as colours, -2 for no tolerance band.
PartBands Colours(const QString& text) {
    PartBands bands;
    for (const QString& number : text.split(' ', Qt::SkipEmptyParts))
        bands.push_back(number.toInt());
    return bands;
}

bool IsInk(const QColor& colour) {
    return std::ranges::any_of(
        kColourCode, [&](const ColourCode& code) { return QColor::fromRgb(code.ink) == colour; });
}

// The picture's band inks alone, all else white.
QImage Inks(QImage image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!IsInk(image.pixelColor(x, y)))
                image.setPixelColor(x, y, Qt::white);
    return image;
}

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

  private slots:
    // What is worded from what: bands ("4 7 2 10") for the working and the
    // description joined by " | ", a typed value for the standard values or
    // the refusal, a question's bands and the answer typed or chosen for
    // the feedback. The feedback says the judge's outcome ("Right:", "Not
    // quite:" or what to do to answer) and the slip it found (the hint).
    void sentences_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const char* rows[][4] = {
            // clang-format off
            {"six bands: three figures, Pink, a coefficient", "working", "1 2 5 12 3 2", "Brown 1, Red 2, Green 5 give 125 / Pink multiplies by 0.001, that is divides by 1000: 125 x 0.001 = 0.125 ohm / Orange: +/- 0.05%, so from 0.1249375 to 0.1250625 ohm / Red: 50 ppm/K, so at most 0.00000625 ohm more or less for each degree warmer or cooler | Bands: Brown, Red, Green, Pink, Orange, Red"},
            {"five bands: two figures so far", "working", "4 7 -1 -1 -1", "Yellow 4, Violet 7 | Bands: Yellow, Violet, not chosen, not chosen, not chosen"},
            {"from the other end: not a tolerance colour", "other end", "4 9 9 1 1 2", "From the other end: White is not a tolerance colour, so this end is the start."},
            {"from the other end: no coefficient", "other end", "9 1 0 0 1 2", "From the other end: White has no temperature coefficient, so this end is the start."},
            {"from the other end: starting with Black", "other end", "2 7 0 -2", "From the other end: Black, Violet, Red give 700 ohm +/- 20%, but no resistor starts with Black, so this end is the start."},
            {"from the other end: standard, this end not", "other end", "2 5 0 0 1", "From the other end: Brown, Black, Black, Green, Red give 10.0 Megohm +/- 2%, a standard value where this end gives none: the other end is likely the start."},
            {"from the other end: neither standard", "other end", "4 7 6 3 1", "From the other end: Brown, Orange, Blue, Violet, Yellow give 1.36 Gigohm +/- 0.02%, not a standard value either: the tolerance band is the one set apart by the wider gap."},
            {"five bands, neighbours", "standard5", "4k8", "4.8 Kilohm is not a standard value: nearest in E6 4.7 and 6.8, in E12 4.7 and 5.6, in E24 4.7 and 5.1, in E48 4.64 and 4.87, in E96 4.75 and 4.87, in E192 4.75 and 4.81 Kilohm"},
            {"five bands: four figures", "refusal5", "4.753k", "4.753 Kilohm needs 4 significant figures. Nearest five-band E192 values: 4.75 and 4.81 Kilohm."},
            {"five bands: four figures past the largest E192 value", "refusal5", "999.5G", "999.5 Gigohm needs 4 significant figures. Nearest five-band E192 value: 988 Gigohm."},
            {"five bands: the tolerances", "refusal5", "4k7 3%", "Five- and six-band parts show a tolerance of 0.01, 0.02, 0.05, 0.1, 0.25, 0.5, 1, 2, 5 or 10%."},
            {"five bands: too fine", "refusal5", "0.0005", "0.0005 ohm is finer than the smallest step five or six bands can show, 0.001 ohm."},
            {"five bands: too large", "refusal5", "1000G", "1000 Gigohm is more than five or six bands can show: the largest value is 999 Gigohm."},
            {"marking: three digits", "marking", "472", "472 is three digits: the figures 47 and 2 zeros, so 47 x 100 = 4700 ohm = 4.7 Kilohm. Three-digit markings usually mean +/- 5%."},
            {"marking: four digits", "marking", "4701", "4701 is four digits: the figures 470 and 1 zero, so 470 x 10 = 4700 ohm = 4.70 Kilohm. Four-digit markings usually mean +/- 1%."},
            {"marking: R notation, four characters", "marking", " r470 ", "R470 is R notation: R stands for the decimal point, so 0.470 ohm. Markings of 4 characters usually mean +/- 1%."},
            {"marking: read two ways", "marking", "68R", "68R is R notation: R stands for the decimal point, so 68 ohm. Markings of 3 characters usually mean +/- 5%. / 68R is an EIA-96 code: 68 is the E96 value 499 and R multiplies by 0.01, so 499 x 0.01 = 4.99 ohm. EIA-96 markings usually mean +/- 1%."},
            {"marking: a zero-ohm link", "marking", "000", "000 is a zero-ohm link: a wire in a resistor's case, 0 ohm."},
            {"marking: no code's order", "marking", "47X2", "47X2 is not a resistor marking: it is neither three or four digits, nor R notation such as 4R7, nor an EIA-96 code such as 01C."},
            {"marking: no EIA-96 letter", "marking", "01K", "01K is not a resistor marking: K is no EIA-96 multiplier letter (Z, Y, R, X, S, A, B, H, C, D, E or F)."},
            {"marking: no EIA-96 number", "marking", "00C", "00C is not a resistor marking: EIA-96 codes number the E96 values from 01 to 96."},
            {"marking: a point", "marking", "4.7", "4.7 is not a resistor marking: markings hold only digits and letters."},
            {"marking: too long, quoted by its start", "marking", "470000", "4700... is not a resistor marking: markings have at most four characters."},
            {"marking: nothing", "marking", "", "Type a marking such as 472, 4701, 4R7 or 01C."},
            {"markings: E96, three digits cannot", "markings", "4k99", "4.99 Kilohm is marked 4991 (four digits) or 68B (EIA-96); three digits cannot show it."},
            {"markings: below 10 ohm", "markings", "4R7", "4.7 ohm is marked 4R7 (R notation) or 4R70 (R notation); it has no EIA-96 code, not being an E96 value."},
            {"markings: four figures", "markings", "4.753k", "No marking shows 4.753 Kilohm: three digits cannot show it; four digits cannot show it; it has no EIA-96 code, not being an E96 value."},
            {"markings: past three digits and EIA-96", "markings", "100G", "100 Gigohm is marked 1009 (four digits); three digits cannot show it; EIA-96 cannot show it."},
            {"zero", "standard", "0", "0 ohm is not a standard value"},
            {"three figures", "refusal", "4.75k", "4.75 Kilohm needs three significant figures: a five-band resistor. Nearest four-band E24 values: 4.7 and 5.1 Kilohm."},
            {"three figures past the largest E24 value", "refusal", "99.5G", "99.5 Gigohm needs three significant figures: a five-band resistor. Nearest four-band E24 value: 91 Gigohm."},
            {"four figures past the largest E24 value", "refusal", "99.55G", "99.55 Gigohm needs 4 significant figures. Nearest four-band E24 value: 91 Gigohm."},
            {"finer than the bands", "refusal", "0.015", "0.015 ohm is finer than the smallest step four bands can show, 0.01 ohm."},
            {"too large", "refusal", "100G", "100 Gigohm is more than four bands can show: the largest value is 99 Gigohm."},
            {"a comma before three digits", "refusal", "1,000", "A comma followed by three digits could be a decimal sign or a thousands separator: write 1000 or 1k."},
            {"a tolerance no band shows", "refusal", "4k7 3%", "Four bands show a tolerance of 1, 2, 5, 10 or 20%."},
            {"no number", "refusal", "k", "No value found: type a number with an optional unit and tolerance, such as 4k7, 4.7 Kilohm or 4700 5%."},
            {"the multiplier read as a figure, and the tolerance", "typed", "4 7 2 10;472 10%", "Not quite: you typed 472 ohm +/- 10%. The tolerance is +/- 5% (Gold), not +/- 10%. The working: Yellow 4, Violet 7 give 47; Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm; Gold: +/- 5%, so from 4.465 to 4.935 Kilohm. Hint: band 3 is the multiplier, not a figure."},
            {"the multiplier forgotten", "typed", "6 8 3 10;68", "Not quite: you typed 68 ohm. 68 ohm would need the multiplier Black (x 1); this part has Orange (x 1000). The working: Blue 6, Grey 8 give 68; Orange multiplies by 1000: 68 x 1000 = 68\u2009000 ohm = 68 Kilohm; Gold: +/- 5%, so from 64.6 to 71.4 Kilohm. Hint: 68 ohm for 68 Kilohm: the multiplier adds 3 zeros."},
            {"m for M; no tolerance band", "typed", "1 0 5 -2;1m", "Not quite: you typed 0.001 ohm. The working: Brown 1, Black 0 give 10; Green multiplies by 100\u2009000: 10 x 100\u2009000 = 1\u2009000\u2009000 ohm = 1.0 Megohm; no tolerance band: +/- 20%, so from 0.8 to 1.2 Megohm. Hint: m is milli (0.001), M is mega (1\u2009000\u2009000)."},
            {"from the other end", "typed", "2 2 3 1;1k3", "Not quite: you typed 1.3 Kilohm. 1.3 Kilohm would be Brown, Orange, Red. The working: Red 2, Red 2 give 22; Orange multiplies by 1000: 22 x 1000 = 22\u2009000 ohm = 22 Kilohm; Brown: +/- 1%, so from 21.78 to 22.22 Kilohm. Hint: read from the other end: the tolerance band, set apart, comes last."},
            {"look-alikes", "typed", "2 2 3 1;32k", "Not quite: you typed 32 Kilohm. 32 Kilohm would be Orange, Red, Orange. The working: Red 2, Red 2 give 22; Orange multiplies by 1000: 22 x 1000 = 22\u2009000 ohm = 22 Kilohm; Brown: +/- 1%, so from 21.78 to 22.22 Kilohm. Hint: Orange and Red look alike: band 1 is Red."},
            {"both figures", "typed", "4 7 2 10;7.4k", "Not quite: you typed 7.4 Kilohm. 7.4 Kilohm would be Violet, Yellow, Red. The working: Yellow 4, Violet 7 give 47; Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm; Gold: +/- 5%, so from 4.465 to 4.935 Kilohm. Hint: the figures are off: Yellow 4, Violet 7 give 47."},
            {"ten times too small", "typed", "4 7 2 10;470", "Not quite: you typed 470 ohm. 470 ohm would need the multiplier Brown (x 10); this part has Red (x 100). The working: Yellow 4, Violet 7 give 47; Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm; Gold: +/- 5%, so from 4.465 to 4.935 Kilohm. Hint: ten times too small: the multiplier is one colour too early (Brown, x 10, for Red, x 100)."},
            {"ten times too big: Black for Gold", "typed", "4 7 10 10;47", "Not quite: you typed 47 ohm. 47 ohm would need the multiplier Black (x 1); this part has Gold (x 0.1). The working: Yellow 4, Violet 7 give 47; Gold multiplies by 0.1, that is divides by 10: 47 x 0.1 = 4.7 ohm; Gold: +/- 5%, so from 4.465 to 4.935 ohm. Hint: ten times too big: Black (x 1) for Gold (x 0.1)."},
            {"from the other end, no tolerance band", "typed", "4 7 2 -2;270k", "Not quite: you typed 270 Kilohm. 270 Kilohm would be Red, Violet, Yellow. The working: Yellow 4, Violet 7 give 47; Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm; no tolerance band: +/- 20%, so from 3.76 to 5.64 Kilohm. Hint: read from the other end: with no tolerance band, the first band is the one nearer its end."},
            {"the division forgotten", "typed", "4 7 11 11;47", "Not quite: you typed 47 ohm. 47 ohm would need the multiplier Black (x 1); this part has Silver (x 0.01). The working: Yellow 4, Violet 7 give 47; Silver multiplies by 0.01, that is divides by 100: 47 x 0.01 = 0.47 ohm; Silver: +/- 10%, so from 0.423 to 0.517 ohm. Hint: 47 ohm for 0.47 ohm: the multiplier divides by 100."},
            {"a unit not understood, quoted by its start", "typed", "4 7 2 10;4.7 kiloohmmeters", "Unit not understood: \"kiloohmmeter...\". Write ohm, k, M or G after the number, as in 4.7 kOhm or 4k7."},
            {"chosen right: Gold divides", "chosen", "1 0 10 10;1 0 10 10", "Right: Brown 1, Black 0 give 10; Gold multiplies by 0.1, that is divides by 10: 10 x 0.1 = 1.0 ohm; Gold: +/- 5%, so from 0.95 to 1.05 ohm."},
            {"Black first giving the value", "chosen", "1 0 0 10;0 1 1 10", "Not quite: your bands Black, Brown, Brown, Gold give 1 x 10 = 10 ohm +/- 5%. The working: Brown 1, Black 0 give 10; Black multiplies by 1: 10 x 1 = 10 ohm; Gold: +/- 5%, so from 9.5 to 10.5 ohm. Hint: Black, Brown, Brown does give 10 ohm, but parts are marked with a first figure other than zero: Brown, Black, Black."},
            {"Black first", "chosen", "2 2 3 1;0 2 3 1", "Not quite: your bands Black, Red, Orange, Brown give 2 x 1000 = 2000 ohm = 2 Kilohm +/- 1%. The working: Red 2, Red 2 give 22; Orange multiplies by 1000: 22 x 1000 = 22\u2009000 ohm = 22 Kilohm; Brown: +/- 1%, so from 21.78 to 22.22 Kilohm. Hint: no resistor starts with Black: 22 Kilohm is Red, Red, Orange."},
            {"a figure's colour", "chosen", "2 2 3 1;2 3 3 1", "Not quite: your bands Red, Orange, Orange, Brown give 23 x 1000 = 23\u2009000 ohm = 23 Kilohm +/- 1%. The working: Red 2, Red 2 give 22; Orange multiplies by 1000: 22 x 1000 = 22\u2009000 ohm = 22 Kilohm; Brown: +/- 1%, so from 21.78 to 22.22 Kilohm. Hint: band 2 is Red: Red is 2, Orange is 3."},
            {"no tolerance band chosen, the value right", "chosen", "1 0 0 10;1 0 0 -2", "Not quite: your bands Brown, Black, Black and no tolerance band give 10 x 1 = 10 ohm +/- 20%. The value is right; the tolerance is +/- 5% (Gold), not +/- 20%. The working: Brown 1, Black 0 give 10; Black multiplies by 1: 10 x 1 = 10 ohm; Gold: +/- 5%, so from 9.5 to 10.5 ohm."},
            {"ten times too small: Gold for Black", "chosen", "1 0 0 10;1 0 10 10", "Not quite: your bands Brown, Black, Gold, Gold give 10 x 0.1 = 1.0 ohm +/- 5%. The working: Brown 1, Black 0 give 10; Black multiplies by 1: 10 x 1 = 10 ohm; Gold: +/- 5%, so from 9.5 to 10.5 ohm. Hint: ten times too small: Gold (x 0.1) for Black (x 1)."},
            {"one colour too far along", "chosen", "4 7 2 10;4 7 3 10", "Not quite: your bands Yellow, Violet, Orange, Gold give 47 x 1000 = 47\u2009000 ohm = 47 Kilohm +/- 5%. The working: Yellow 4, Violet 7 give 47; Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm; Gold: +/- 5%, so from 4.465 to 4.935 Kilohm. Hint: ten times too big: the multiplier is one colour too far along (Orange, x 1000, for Red, x 100)."},
            {"another multiplier", "chosen", "2 2 3 1;2 2 9 1", "Not quite: your bands Red, Red, White, Brown give 22 x 1\u2009000\u2009000\u2009000 = 22\u2009000\u2009000\u2009000 ohm = 22 Gigohm +/- 1%. The working: Red 2, Red 2 give 22; Orange multiplies by 1000: 22 x 1000 = 22\u2009000 ohm = 22 Kilohm; Brown: +/- 1%, so from 21.78 to 22.22 Kilohm. Hint: band 3 is the multiplier Orange, x 1000; White is x 1\u2009000\u2009000\u2009000."},
            {"a list unchosen", "chosen", "4 7 2 10;4 7 -1 10", "Choose a colour in each list."},
            {"slips of every kind but the first, counted", "slips", "0 2 3 4 5 6 7 8", "Slips so far: third figure 2, other end 3, look-alike 4, figures 5, unit 6, tolerance 7, first figure zero 8."},
            // clang-format on
        };
        for (const auto& [name, kind, input, expected] : rows)
            QTest::newRow(name) << kind << input << expected;
    }
    void sentences() {
        QFETCH(QString, kind);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const Question question{Colours(input.section(';', 0, 0))};
        const std::string answer = input.section(';', 1).toStdString();
        QString seen;
        // A kind ending in 5 reads for five bands.
        const int count = kind.endsWith('5') ? kFiveBands : kFourBands;
        const ValueReading reading = ReadWholeValue(input.toStdString(), count);
        if (kind == "working")
            seen = Wording::WorkingLines(Colours(input)).join(" / ") + " | " +
                   Wording::BandsDescription(Colours(input));
        else if (kind == "other end")
            seen = Wording::OtherEnd(Colours(input));
        else if (kind.startsWith("standard"))
            seen = Wording::StandardValues(reading.value, count);
        else if (kind == "marking")
            seen = Wording::Marking(ReadMarking(input.toStdString())).replace('\n', " / ");
        else if (kind == "markings")
            seen = Wording::Markings(reading.value, MarkingsFor(reading.value));
        else if (kind.startsWith("refusal"))
            seen = Wording::Refusal(reading);
        else if (kind == "slips") {
            PracticeRecord record;
            std::ranges::copy(Colours(input), record.slips.begin());
            seen = Wording::Slips(record);
        } else if (kind == "typed")
            seen = Wording::ReadingFeedback(question, JudgeReading(question, answer));
        else
            seen = Wording::ChoiceFeedback(question,
                                           JudgeChoice(question, Colours(ToQString(answer))));
        QCOMPARE(seen, expected);
    }

    // Across the bands, what a user sees: each chosen band in its ink, in
    // order, the tolerance band set further apart than the others; nothing
    // for a band not chosen, nor for None; a four-band part on a carbon-film
    // body, a five-band part on a metal-film one.
    void picture() {
        ResistorPicture picture;
        QStringList seen;
        for (const char* bands : {"4 7 2 10", "0 -1 11 -2", "4 9 9 1 1", "1 0 0 12 8 2"}) {
            picture.SetBands(Colours(bands));
            const QImage image = picture.grab().toImage();
            // The row through the body's middle, 31 down, crosses every band;
            // only the metals (marked "*") shine in a lighter stripe higher up.
            const int y = qRound(31 * image.devicePixelRatio());
            const int sheen = qRound(20 * image.devicePixelRatio());
            QStringList runs;
            QList<int> starts, ends;
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = image.pixelColor(x, y);
                if (!IsInk(colour))
                    continue;
                if (ends.isEmpty() || ends.back() != x - 1)
                    runs << colour.name() + (image.pixelColor(x, sheen) == colour ? "" : "*"),
                        starts << x, ends << x;
                ends.back() = x;
            }
            seen << runs.join(' ');
            // The tolerance band, the last but for a sixth.
            const qsizetype tol = runs.size() == kSixBands ? 4 : runs.size() - 1;
            for (qsizetype gap = 1; gap < tol && runs.size() >= kFourBands; ++gap)
                QVERIFY(starts[tol] - ends[tol - 1] > 2 * (starts[gap] - ends[gap - 1]));
        }
        // The band not chosen, the second, is an outline: its place runs from
        // 98 to 110 pixels across, the body's middle is 31 down.
        picture.SetBands(Colours("0 -1 11 -2"));
        const QImage open = picture.grab().toImage();
        const qreal scale = open.devicePixelRatio();
        int outline = 0;
        for (int x = qRound(98 * scale); x <= qRound(110 * scale); ++x)
            outline += open.pixelColor(x, qRound(31 * scale)) == QColor(0x404040) ? 1 : 0;
        QVERIFY(outline >= 2);
        // The leads run out of the body's ends.
        QCOMPARE(open.pixelColor(qRound(5 * scale), qRound(31 * scale)), QColor(0x8C8C8C));
        // Turned round, the same bands mirrored; at a fractional scale a
        // band's edge may round half a pixel the other way.
        picture.SetCodesShown(false);
        picture.SetBands(Colours("4 7 2 10"));
        const QImage ahead = picture.grab().toImage();
        // Gold shines in a lighter stripe along its upper part.
        QCOMPARE(ahead.pixel(238 * scale, 20 * scale), QColor(0xC9A23A).lighter(140).rgb());
        picture.SetBands(Colours("4 7 2 10"), true);
        if (picture.devicePixelRatio() == std::round(picture.devicePixelRatio()))
            QCOMPARE(Inks(picture.grab().toImage()), Inks(ahead.mirrored(true, false)));
        QCOMPARE(seen.join(" / "), "#f7d117 #8a3fb8 #d2232a #c9a23a* / #1e1e1e #b8bcc2* / "
                                   "#f7d117 #f7f7f2 #f7f7f2 #7a4520 #7a4520 / "
                                   "#7a4520 #1e1e1e #1e1e1e #f2a2c0 #8e8e8e #d2232a");
    }

    // Beside the main window on a 1600 x 900 screen: right, left, else
    // wholly on the screen on the side with more room; never below it (the
    // SMD window's test sees it open left of the main window and up from the
    // screen's bottom, or on the left with more room).
    void besidePosition() {
        // clang-format off
        const std::tuple<const char*, QRect, QSize, QPoint> rows[] = {
            {"neither: right has more", {400, 0, 600, 300}, {700, 300}, {900, 0}},
            {"wider than the screen", {0, 0, 300, 300}, {2000, 300}, {0, 0}},
            {"right, fitting exactly; up from the bottom", {800, 700, 300, 300}, {500, 500}, {1100, 400}}};
        // clang-format on
        for (const auto& [name, anchor, frame, expected] : rows)
            QVERIFY2(BesidePosition(anchor, frame, {0, 0, 1600, 900}) == expected, name);
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
