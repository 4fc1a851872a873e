// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "wording.h"

#include "standardvalues.h"
#include "textconvert.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace zevodave {

namespace {

// The digit bands give two significant figures; more need a five-band part.
constexpr long long kFiveBandFigures = 3;

// A number followed by its unit, in thousands: ohm, Kilohm, Megohm, Gigohm.
constexpr std::array<const char*, kUnitCount> kUnitTemplates{
    QT_TRANSLATE_NOOP("Wording", "%1 ohm"),
    QT_TRANSLATE_NOOP("Wording", "%1 Kilohm"),
    QT_TRANSLATE_NOOP("Wording", "%1 Megohm"),
    QT_TRANSLATE_NOOP("Wording", "%1 Gigohm"),
};

// The same in the main window's result line, a translation apart (told by
// its comment): the line is too narrow for some languages' unit words.
struct UnitInLine {
    const char* source;
    const char* comment;
};
constexpr std::array<UnitInLine, kUnitCount> kResultUnitTemplates{{
    QT_TRANSLATE_NOOP3("Wording", "%1 ohm", "in the main window's narrow result line"),
    QT_TRANSLATE_NOOP3("Wording", "%1 Kilohm", "in the main window's narrow result line"),
    QT_TRANSLATE_NOOP3("Wording", "%1 Megohm", "in the main window's narrow result line"),
    QT_TRANSLATE_NOOP3("Wording", "%1 Gigohm", "in the main window's narrow result line"),
}};

// The word of a unit template, as the engine reads it or as a language
// writes it: "Kilohm", "Kiloohm".
QString UnitWord(const QString& unitTemplate) {
    return unitTemplate.arg(QString()).trimmed();
}

} // namespace

QString Wording::Colour(std::string_view entry) {
    // Every colour name the band tables give, so that translators find them.
    // A name missing here would show as nothing: every list shows its names.
    static constexpr std::array kNames{
        QT_TR_NOOP("Black"),  QT_TR_NOOP("Brown"), QT_TR_NOOP("Red"),  QT_TR_NOOP("Orange"),
        QT_TR_NOOP("Yellow"), QT_TR_NOOP("Green"), QT_TR_NOOP("Blue"), QT_TR_NOOP("Violet"),
        QT_TR_NOOP("Grey"),   QT_TR_NOOP("White"), QT_TR_NOOP("Gold"), QT_TR_NOOP("Silver"),
        QT_TR_NOOP("Pink"),   QT_TR_NOOP("None"),
    };
    const auto name = std::ranges::find(kNames, entry);
    return name == kNames.end() ? QString() : tr(*name);
}

QString Wording::EntryName(int band, int position) {
    return Colour(EntryTexts(band)[position]);
}

QString Wording::ColourName(int colour) {
    return Colour(colour == kNoBand ? kNoBandEntry : kColourCode[colour].name);
}

QString Wording::Number(const Decimal& value, int unit) {
    // A whole part of five or more digits is grouped in threes with a thin
    // space ("47 000"); a fraction is not.
    constexpr qsizetype kGroupFrom = 5;
    constexpr qsizetype kGroup = 3;
    constexpr QChar kThinSpace(0x2009);
    QString text = ToQString(NumberText(value, unit));
    const qsizetype point = text.contains('.') ? text.indexOf('.') : text.size();
    if (point >= kGroupFrom) {
        for (qsizetype at = point - kGroup; at > 0; at -= kGroup)
            text.insert(at, kThinSpace);
    }
    return WithDecimalSign(text);
}

QString Wording::Number(long long whole) {
    return Number({std::to_string(whole), 0}, 0);
}

QString Wording::InUnit(const QString& number, int unit) {
    return tr(kUnitTemplates[unit]).arg(number);
}

QString Wording::ResultLine(const std::string& line) {
    const QString text = ToQString(line);
    for (int unit = 0; unit < kUnitCount; ++unit) {
        const QString word = ' ' + UnitWord(kUnitTemplates[unit]);
        const qsizetype at = text.indexOf(word);
        if (at >= 0)
            return tr(kResultUnitTemplates[unit].source, kResultUnitTemplates[unit].comment)
                       .arg(WithDecimalSign(text.left(at))) +
                   WithDecimalSign(text.mid(at + word.size()));
    }
    return WithDecimalSign(text);
}

std::string Wording::Typed(const QString& text) {
    QString typed = text;
    for (const char* unitTemplate : kUnitTemplates) {
        QString word = UnitWord(tr(unitTemplate));
        const QString own = UnitWord(unitTemplate);
        if (word.compare(own, Qt::CaseInsensitive) == 0)
            continue;
        // The singular as well, where the language writes the plural.
        if (word.endsWith('s'))
            word.chop(1);
        static const QString kWholeWord = QStringLiteral("\\b%1s?\\b");
        typed.replace(QRegularExpression(kWholeWord.arg(QRegularExpression::escape(word)),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::UseUnicodePropertiesOption),
                      own);
    }
    return typed.toStdString();
}

QString Wording::WithDecimalSign(QString number) {
    return number.replace('.', tr(".", "the decimal sign"));
}

QString Wording::Value(const Decimal& value) {
    const int unit = UnitOf(value);
    return InUnit(Number(value, unit), unit);
}

namespace {

enum class Join { And, Or };

// A text a user typed, quoted by its start when longer than `length`.
QString Quoted(const QString& text, qsizetype length) {
    return text.size() > length ? Wording::tr("%1...").arg(text.left(length)) : text;
}

// Items in a sentence: "a", "a and b", "a, b and c".
QString ListOf(const QStringList& items, Join join) {
    QString text = items.value(0);
    for (qsizetype i = 1; i < items.size(); ++i) {
        const bool last = i + 1 == items.size();
        const QString joined = !last               ? Wording::tr("%1, %2")
                               : join == Join::And ? Wording::tr("%1 and %2")
                                                   : Wording::tr("%1 or %2");
        text = joined.arg(text, items[i]);
    }
    return text;
}

// The first `count` bands named in order: "Yellow, Violet, Red".
QString Names(const PartBands& bands, int count) {
    QStringList names;
    for (int band = 0; band < count; ++band)
        names << Wording::ColourName(bands[band]);
    return names.join(Wording::tr(", "));
}

// A figure band as the working reads it: "Yellow 4".
QString Figure(int colour) {
    return Wording::tr("%1 %2").arg(Wording::ColourName(colour),
                                    Wording::Number(kColourCode[colour].digit));
}

QString Factor(int multiplier) {
    return Wording::Number(Decimal{"1", kColourCode[multiplier].exponent}, 0);
}

// The figures named and the number they give: "Yellow 4, Violet 7 give 47".
QString Figures(const PartBands& bands) {
    const int figures = FigureCount(static_cast<int>(bands.size()));
    const QString number = Wording::Number(FigureNumber(bands));
    return figures == static_cast<int>(kBandFigures)
               ? Wording::tr("%1, %2 give %3").arg(Figure(bands[0]), Figure(bands[1]), number)
               : Wording::tr("%1, %2, %3 give %4")
                     .arg(Figure(bands[0]), Figure(bands[1]), Figure(bands[2]), number);
}

QString Percent(int hundredths) {
    constexpr long long kHundredthPlaces = -2;
    return Wording::Number(Normalized({std::to_string(hundredths), kHundredthPlaces}), 0);
}

// The sum the figures and the multiplier make, the value again in its own
// unit where that is not ohm: "47 x 100 = 4700 ohm = 4.7 Kilohm".
QString Sum(const PartBands& bands) {
    const Decimal value = *PartValue(bands);
    const QString inOhm = Wording::InUnit(Wording::Number(value, 0), 0);
    const QString inUnit = Wording::Value(value);
    const QString number = Wording::Number(FigureNumber(bands));
    const QString factor = Factor(bands[FigureCount(static_cast<int>(bands.size()))]);
    return inUnit == inOhm ? Wording::tr("%1 x %2 = %3").arg(number, factor, inOhm)
                           : Wording::tr("%1 x %2 = %3 = %4").arg(number, factor, inOhm, inUnit);
}

bool IsStandard(const Decimal& value, int bandCount) {
    for (int series = 0; series < SeriesCount(bandCount); ++series) {
        if (InSeries(series, value))
            return true;
    }
    return false;
}

} // namespace

QString Wording::WithTolerance(const QString& value, int hundredths) {
    return tr("%1 +/- %2%").arg(value, Percent(hundredths));
}

QStringList Wording::WorkingLines(const PartBands& bands) {
    const int count = static_cast<int>(bands.size());
    const int figures = FigureCount(count);
    QStringList named;
    for (int band = 0; band < figures && bands[band] != kNoPosition; ++band)
        named << Figure(bands[band]);
    if (named.isEmpty())
        return {};
    if (named.size() < figures)
        return {named.join(tr(", "))};
    QStringList lines{Figures(bands)};

    const std::optional<Decimal> value = PartValue(bands);
    if (!value)
        return lines;
    const int multiplier = bands[figures];
    const long long exponent = kColourCode[multiplier].exponent;
    // Gold, Silver and Pink divide: said so, with the divisor.
    lines << (exponent < 0 ? tr("%1 multiplies by %2, that is divides by %3: %4")
                                 .arg(ColourName(multiplier), Factor(multiplier),
                                      Number(Decimal{"1", -exponent}, 0), Sum(bands))
                           : tr("%1 multiplies by %2: %3")
                                 .arg(ColourName(multiplier), Factor(multiplier), Sum(bands)));

    const int unit = UnitOf(*value);
    const int tolerance = bands[figures + 1];
    if (tolerance != kNoPosition) {
        const int hundredths = ToleranceOf(tolerance);
        const auto [low, high] = ToleranceRange(*value, hundredths);
        const QString from = Number(low, unit);
        const QString to = InUnit(Number(high, unit), unit);
        lines << (tolerance == kNoBand
                      ? tr("no tolerance band: +/- %1%, so from %2 to %3")
                            .arg(Percent(hundredths), from, to)
                      : tr("%1: +/- %2%, so from %3 to %4")
                            .arg(ColourName(tolerance), Percent(hundredths), from, to));
    }
    if (count == kSixBands && bands.back() != kNoPosition) {
        const int coefficient = kColourCode[bands.back()].coefficient;
        lines << tr("%1: %2 ppm/K, so at most %3 more or less for each degree warmer or cooler")
                     .arg(ColourName(bands.back()), Number(coefficient),
                          Value(Drift(*value, coefficient)));
    }
    return lines;
}

QString Wording::BandsDescription(const PartBands& bands) {
    // A four-band part made to 20% has no tolerance band to name.
    QStringList names;
    for (const int colour : bands) {
        if (colour != kNoBand)
            names << (colour == kNoPosition ? tr("not chosen") : ColourName(colour));
    }
    return tr("Bands: %1").arg(names.join(tr(", ")));
}

QString Wording::StandardValues(const Decimal& value, int bandCount) {
    const auto seriesCount = static_cast<std::size_t>(SeriesCount(bandCount));
    QStringList holding;
    for (std::size_t series = 0; series < seriesCount; ++series) {
        if (InSeries(static_cast<int>(series), value))
            holding << ToQString(kSeries[series].name);
    }
    if (!holding.isEmpty())
        return tr("%1 is in %2").arg(Value(value), ListOf(holding, Join::And));
    if (Normalized(value).digits.empty())
        return tr("%1 is not a standard value").arg(Value(value));

    // The unit is written once, after the last number.
    const int unit = UnitOf(value);
    QStringList nearest;
    for (std::size_t series = 0; series < seriesCount; ++series) {
        const auto neighbour = [&](Direction direction) {
            return Number(SeriesNeighbour(static_cast<int>(series), value, direction), unit);
        };
        const QString above = neighbour(Direction::Up);
        nearest << tr("in %1 %2 and %3")
                       .arg(ToQString(kSeries[series].name), neighbour(Direction::Down),
                            series + 1 == seriesCount ? InUnit(above, unit) : above);
    }
    return tr("%1 is not a standard value: nearest %2").arg(Value(value), nearest.join(tr(", ")));
}

QString Wording::Refusal(const ValueReading& reading) {
    const Decimal& value = reading.value;
    const int count = reading.bandCount;
    const bool four = count == kFourBands;
    switch (reading.refusal) {
    case Refusal::None:
        return {};
    case Refusal::NoNumber:
        return tr("No value found: type a number with an optional unit and tolerance, such as "
                  "4k7, 4.7 Kilohm or 4700 5%.");
    case Refusal::Unit: {
        constexpr qsizetype kQuotedUnit = 12;
        return tr("Unit not understood: \"%1\". Write ohm, k, M or G after the number, as in 4.7 "
                  "kOhm or 4k7.")
            .arg(Quoted(ToQString(reading.unit), kQuotedUnit));
    }
    case Refusal::CommaThousands:
        return tr("A comma followed by three digits could be a decimal sign or a thousands "
                  "separator: write 1000 or 1k.");
    case Refusal::Tolerance: {
        std::vector<int> tolerances;
        for (const int colour : RoleColours(count, Role::Tolerance))
            tolerances.push_back(ToleranceOf(colour));
        std::ranges::sort(tolerances);
        QStringList percents;
        for (const int hundredths : tolerances)
            percents << Percent(hundredths);
        return (four ? tr("Four bands show a tolerance of %1%.")
                     : tr("Five- and six-band parts show a tolerance of %1%."))
            .arg(ListOf(percents, Join::Or));
    }
    case Refusal::TooLarge:
        return (four ? tr("%1 is more than four bands can show: the largest value is %2.")
                     : tr("%1 is more than five or six bands can show: the largest value is %2."))
            .arg(Value(value), Value(LargestBandValue(count)));
    case Refusal::TooManyFigures: {
        const QString text = Value(value);
        const int unit = UnitOf(value);
        // Past the largest value the bands show there is no value above; the
        // unit goes with the last number.
        const QString below =
            reading.above ? Number(reading.below, unit) : InUnit(Number(reading.below, unit), unit);
        const QString above =
            reading.above ? InUnit(Number(*reading.above, unit), unit) : QString();
        const auto figures = static_cast<long long>(value.digits.size());
        if (!four)
            return reading.above
                       ? tr("%1 needs %2 significant figures. Nearest five-band E192 values: %3 "
                            "and %4.")
                             .arg(text, Number(figures), below, above)
                       : tr("%1 needs %2 significant figures. Nearest five-band E192 value: %3.")
                             .arg(text, Number(figures), below);
        if (figures == kFiveBandFigures)
            return reading.above ? tr("%1 needs three significant figures: a five-band resistor. "
                                      "Nearest four-band E24 values: %2 and %3.")
                                       .arg(text, below, above)
                                 : tr("%1 needs three significant figures: a five-band resistor. "
                                      "Nearest four-band E24 value: %2.")
                                       .arg(text, below);
        return reading.above ? tr("%1 needs %2 significant figures. Nearest four-band E24 values: "
                                  "%3 and %4.")
                                   .arg(text, Number(figures), below, above)
                             : tr("%1 needs %2 significant figures. Nearest four-band E24 value: "
                                  "%3.")
                                   .arg(text, Number(figures), below);
    }
    case Refusal::TooFine:
        return (four ? tr("%1 is finer than the smallest step four bands can show, %2.")
                     : tr("%1 is finer than the smallest step five or six bands can show, %2."))
            .arg(Value(value), Value(SmallestBandStep(count)));
    }
    return {};
}

QString Wording::OtherEnd(const PartBands& bands) {
    if (std::ranges::find(bands, kNoPosition) != bands.end())
        return {};
    const int count = static_cast<int>(bands.size());
    const PartBands reversed = Reversed(bands);
    const int misfit = FirstMisfit(reversed);
    if (misfit != kNoPosition) {
        const QString name = ColourName(reversed[misfit]);
        switch (RoleOf(count, misfit)) {
        case Role::Figure:
            return tr("From the other end: %1 is not a figure, so this end is the start.")
                .arg(name);
        case Role::Tolerance:
            return tr("From the other end: %1 is not a tolerance colour, so this end is the start.")
                .arg(name);
        default:
            return tr("From the other end: %1 has no temperature coefficient, so this end is the "
                      "start.")
                .arg(name);
        }
    }
    QStringList names;
    for (const int colour : reversed) {
        if (colour != kNoBand)
            names << ColourName(colour);
    }
    const Decimal value = *PartValue(reversed);
    const QString reading =
        WithTolerance(Value(value), ToleranceOf(reversed[FigureCount(count) + 1]));
    const QString joined = names.join(tr(", "));
    const bool thisStandard = IsStandard(*PartValue(bands), count);
    const bool otherStandard = IsStandard(value, count);
    if (reversed.front() == colour::Black)
        return tr("From the other end: %1 give %2, but no resistor starts with Black, so this "
                  "end is the start.")
            .arg(joined, reading);
    if (otherStandard && thisStandard)
        return tr("From the other end: %1 give %2, also a standard value: the tolerance band is "
                  "the one set apart by the wider gap.")
            .arg(joined, reading);
    if (otherStandard)
        return tr("From the other end: %1 give %2, a standard value where this end gives none: "
                  "the other end is likely the start.")
            .arg(joined, reading);
    if (thisStandard)
        return tr("From the other end: %1 give %2, not a standard value, so this end is likely "
                  "the start.")
            .arg(joined, reading);
    return tr("From the other end: %1 give %2, not a standard value either: the tolerance band is "
              "the one set apart by the wider gap.")
        .arg(joined, reading);
}

namespace {

// What markings of a kind usually mean: three characters +/- 5%, four and
// EIA-96 +/- 1%.
constexpr int kShortMarkingPercent = 5;
constexpr int kPreciseMarkingPercent = 1;
// A long text is quoted by its start.
constexpr qsizetype kQuotedLength = 4;

// A value worked out from its figures and a power of ten, as the working
// writes a multiplier: "47 x 100 = 4700 ohm = 4.7 Kilohm".
QString Product(const Decimal& value) {
    const QString inOhm = Wording::InUnit(Wording::Number(value, 0), 0);
    const QString inUnit = Wording::Value(value);
    const QString figures = Wording::Number({value.digits, 0}, 0);
    const QString factor = Wording::Number({"1", value.exponent}, 0);
    return inUnit == inOhm ? Wording::tr("%1 x %2 = %3").arg(figures, factor, inOhm)
                           : Wording::tr("%1 x %2 = %3 = %4").arg(figures, factor, inOhm, inUnit);
}

// "2 zeros", "1 zero".
QString Zeros(long long count) {
    return count == 1 ? Wording::tr("1 zero") : Wording::tr("%1 zeros").arg(Wording::Number(count));
}

QString Reading(const QString& marking, const MarkingReading& reading) {
    const Decimal& value = reading.value;
    switch (reading.kind) {
    case MarkingKind::ZeroOhm:
        return Wording::tr("%1 is a zero-ohm link: a wire in a resistor's case, 0 ohm.")
            .arg(marking);
    case MarkingKind::ThreeDigits:
        return Wording::tr("%1 is three digits: the figures %2 and %3, so %4. Three-digit "
                           "markings usually mean +/- %5%.")
            .arg(marking, Wording::Number({value.digits, 0}, 0), Zeros(value.exponent),
                 Product(value), Wording::Number(kShortMarkingPercent));
    case MarkingKind::FourDigits:
        return Wording::tr("%1 is four digits: the figures %2 and %3, so %4. Four-digit "
                           "markings usually mean +/- %5%.")
            .arg(marking, Wording::Number({value.digits, 0}, 0), Zeros(value.exponent),
                 Product(value), Wording::Number(kPreciseMarkingPercent));
    case MarkingKind::RNotation:
        return Wording::tr("%1 is R notation: R stands for the decimal point, so %2. Markings of "
                           "%3 characters usually mean +/- %4%.")
            .arg(marking, Wording::Value(value), Wording::Number(marking.size()),
                 Wording::Number(marking.size() > 3 ? kPreciseMarkingPercent
                                                    : kShortMarkingPercent));
    case MarkingKind::Eia96:
        return Wording::tr("%1 is an EIA-96 code: %2 is the E96 value %3 and %4 multiplies by %5, "
                           "so %6. EIA-96 markings usually mean +/- %7%.")
            .arg(marking, marking.left(2), Wording::Number({value.digits, 0}, 0), marking.right(1),
                 Wording::Number({"1", reading.eiaExponent}, 0), Product(value),
                 Wording::Number(kPreciseMarkingPercent));
    }
    return {};
}

} // namespace

QString Wording::Marking(const MarkingResult& result) {
    const QString marking = Quoted(ToQString(result.marking), kQuotedLength);
    switch (result.refusal) {
    case MarkingRefusal::None:
        break;
    case MarkingRefusal::Empty:
        return tr("Type a marking such as 472, 4701, 4R7 or 01C.");
    case MarkingRefusal::Length:
        return tr("%1 is not a resistor marking: markings have at most four characters.")
            .arg(marking);
    case MarkingRefusal::Characters:
        return tr("%1 is not a resistor marking: markings hold only digits and letters.")
            .arg(marking);
    case MarkingRefusal::EiaNumber:
        return tr("%1 is not a resistor marking: EIA-96 codes number the E96 values from 01 to "
                  "96.")
            .arg(marking);
    case MarkingRefusal::EiaLetter:
        return tr("%1 is not a resistor marking: %2 is no EIA-96 multiplier letter (Z, Y, R, X, "
                  "S, A, B, H, C, D, E or F).")
            .arg(marking, marking.right(1));
    case MarkingRefusal::Form:
        return tr("%1 is not a resistor marking: it is neither three or four digits, nor R "
                  "notation such as 4R7, nor an EIA-96 code such as 01C.")
            .arg(marking);
    }
    QStringList lines;
    for (const MarkingReading& reading : result.readings)
        lines << ::zevodave::Reading(marking, reading);
    return lines.join('\n');
}

QString Wording::Markings(const Decimal& value, const ValueMarkings& markings) {
    QStringList marked;
    QStringList cannot;
    // Below 10 and 100 ohm the short and long markings are R notation.
    const auto add = [&](const std::optional<std::string>& marking, const char* kind,
                         const char* none) {
        if (!marking)
            cannot << tr(none);
        else if (marking->find('R') != std::string::npos)
            marked << tr("%1 (R notation)").arg(ToQString(*marking));
        else
            marked << tr(kind).arg(ToQString(*marking));
    };
    add(markings.threeDigits, QT_TR_NOOP("%1 (three digits)"),
        QT_TR_NOOP("three digits cannot show it"));
    add(markings.fourDigits, QT_TR_NOOP("%1 (four digits)"),
        QT_TR_NOOP("four digits cannot show it"));
    if (markings.eia96)
        marked << tr("%1 (EIA-96)").arg(ToQString(*markings.eia96));
    else if (InSeries(SeriesIndex("E96"), value))
        cannot << tr("EIA-96 cannot show it");
    else
        cannot << tr("it has no EIA-96 code, not being an E96 value");
    const QString shown = Value(value);
    if (marked.isEmpty())
        return tr("No marking shows %1: %2.").arg(shown, cannot.join(tr("; ")));
    if (cannot.isEmpty())
        return tr("%1 is marked %2.").arg(shown, ListOf(marked, Join::Or));
    return tr("%1 is marked %2; %3.").arg(shown, ListOf(marked, Join::Or), cannot.join(tr("; ")));
}

QString Wording::QuestionValue(const zevodave::Question& question) {
    const PartBands& bands = question.bands;
    return WithTolerance(Value(*PartValue(bands)),
                         ToleranceOf(bands[FigureCount(static_cast<int>(bands.size())) + 1]));
}

namespace {

// Whole sentences, one after another.
QString Sentences(QStringList sentences) {
    sentences.removeAll(QString());
    return sentences.join(Wording::tr(" ", "between two sentences"));
}

// The working of a question, every line: "Yellow 4, Violet 7 give 47; Red
// multiplies by 100: ...".
QString Working(const Question& question) {
    return Wording::WorkingLines(question.bands).join(Wording::tr("; "));
}

QString PlusMinus(int hundredths) {
    return Wording::tr("+/- %1%").arg(Percent(hundredths));
}

// A tolerance with its band: "+/- 1% (Brown)", "+/- 20% (no tolerance band)".
QString ToleranceNamed(int colour) {
    const QString percent = PlusMinus(ToleranceOf(colour));
    return colour == kNoBand ? Wording::tr("%1 (no tolerance band)").arg(percent)
                             : Wording::tr("%1 (%2)").arg(percent, Wording::ColourName(colour));
}

// The tolerance told apart from the value, when it was wrong.
QString ToleranceVerdict(const Question& question, const Verdict& verdict) {
    if (verdict.toleranceRight)
        return {};
    const int count = static_cast<int>(question.bands.size());
    const QString right = ToleranceNamed(question.bands[FigureCount(count) + 1]);
    const QString given = PlusMinus(verdict.tolerance);
    return verdict.valueRight
               ? Wording::tr("The value is right; the tolerance is %1, not %2.").arg(right, given)
               : Wording::tr("The tolerance is %1, not %2.").arg(right, given);
}

QString TenTimes(const PartBands& bands, const Verdict& verdict) {
    const int figures = FigureCount(static_cast<int>(bands.size()));
    const int right = bands[figures];
    const int given = verdict.given[figures];
    const bool bigger = kColourCode[given].exponent > kColourCode[right].exponent;
    // Neighbours in the list order Black to White are one colour apart.
    const bool neighbours = right <= colour::White && given <= colour::White;
    const char* const kTemplates[2][2] = {
        {QT_TRANSLATE_NOOP("Wording", "Hint: ten times too small: %1 (x %2) for %3 (x %4)."),
         QT_TRANSLATE_NOOP("Wording", "Hint: ten times too big: %1 (x %2) for %3 (x %4).")},
        {QT_TRANSLATE_NOOP(
             "Wording", "Hint: ten times too small: the multiplier is one colour too early (%1, x "
                        "%2, for %3, x %4)."),
         QT_TRANSLATE_NOOP(
             "Wording",
             "Hint: ten times too big: the multiplier is one colour too far along (%1, x "
             "%2, for %3, x %4).")}};
    return Wording::tr(kTemplates[neighbours ? 1 : 0][bigger ? 1 : 0])
        .arg(Wording::ColourName(given), Factor(given), Wording::ColourName(right), Factor(right));
}

// The hint for the slip a wrong value came from, or nothing.
QString Hint(const Question& question, const Verdict& verdict) {
    const PartBands& bands = question.bands;
    const int figures = FigureCount(static_cast<int>(bands.size()));
    const int band = verdict.slipBand;
    const Decimal right = *PartValue(bands);
    switch (verdict.slip) {
    case Slip::None:
        return {};
    case Slip::ThirdFigure:
        return Wording::tr("Hint: band %1 is the multiplier, not a figure.")
            .arg(Wording::Number(figures + 1));
    case Slip::TenTimes:
        return TenTimes(bands, verdict);
    case Slip::NoMultiplier: {
        const int exponent = kColourCode[bands[figures]].exponent;
        const QString given = Wording::Value(verdict.value);
        return exponent > 0 ? Wording::tr("Hint: %1 for %2: the multiplier adds %n zeros.", nullptr,
                                          exponent)
                                  .arg(given, Wording::Value(right))
                            : Wording::tr("Hint: %1 for %2: the multiplier divides by %3.")
                                  .arg(given, Wording::Value(right),
                                       Wording::Number(Decimal{"1", -exponent}, 0));
    }
    case Slip::MilliMega:
        return Wording::tr("Hint: m is milli (%1), M is mega (%2).")
            .arg(Wording::Number(Decimal{"1", -kPlacesPerUnit}, 0),
                 Wording::Number(Decimal{"1", 2 * kPlacesPerUnit}, 0));
    case Slip::OtherEnd:
        return bands.back() == kNoBand
                   ? Wording::tr("Hint: read from the other end: with no tolerance band, the "
                                 "first band is the one nearer its end.")
                   : Wording::tr("Hint: read from the other end: the tolerance band, set apart, "
                                 "comes last.");
    case Slip::LookAlike:
        return Wording::tr("Hint: %1 and %2 look alike: band %3 is %2.")
            .arg(Wording::ColourName(verdict.slipColour), Wording::ColourName(bands[band]),
                 Wording::Number(band + 1));
    case Slip::Figure:
        return Wording::tr("Hint: band %1 is %2: %2 is %3, %4 is %5.")
            .arg(Wording::Number(band + 1), Wording::ColourName(bands[band]),
                 Wording::Number(kColourCode[bands[band]].digit),
                 Wording::ColourName(verdict.slipColour),
                 Wording::Number(kColourCode[verdict.slipColour].digit));
    case Slip::Multiplier:
        return Wording::tr("Hint: band %1 is the multiplier %2, x %3; %4 is x %5.")
            .arg(Wording::Number(band + 1), Wording::ColourName(bands[band]), Factor(bands[band]),
                 Wording::ColourName(verdict.slipColour), Factor(verdict.slipColour));
    case Slip::AllFigures:
        return Wording::tr("Hint: the figures are off: %1.").arg(Figures(bands));
    case Slip::BlackFirst:
        return Normalized(verdict.value) == Normalized(right)
                   ? Wording::tr("Hint: %1 does give %2, but parts are marked with a first "
                                 "figure other than zero: %3.")
                         .arg(Names(verdict.given, figures + 1), Wording::Value(right),
                              Names(bands, figures + 1))
                   : Wording::tr("Hint: no resistor starts with Black: %1 is %2.")
                         .arg(Wording::Value(right), Names(bands, figures + 1));
    }
    return {};
}

// What a wrong answer is told after what the student gave: the tolerance,
// the right working and the hint.
QString Wrong(const QString& gave, const Question& question, const Verdict& verdict) {
    return Sentences({gave, ToleranceVerdict(question, verdict),
                      Wording::tr("The working: %1.").arg(Working(question)),
                      Hint(question, verdict)});
}

} // namespace

QString Wording::ReadingFeedback(const zevodave::Question& question, const Verdict& verdict) {
    switch (verdict.outcome) {
    case Outcome::Right:
        return tr("Right: %1.").arg(Working(question));
    case Outcome::Unanswered:
        return Refusal(verdict.reading);
    case Outcome::Wrong:
        break;
    }
    const PartBands& bands = question.bands;
    const int figures = FigureCount(static_cast<int>(bands.size()));
    const QString value = Value(verdict.value);
    const QString typed =
        tr("Not quite: you typed %1.")
            .arg(verdict.tolerance == kNoPosition ? value
                                                  : WithTolerance(value, verdict.tolerance));
    // What the value typed would need, where bands can show it.
    const PartBands& given = verdict.given;
    const bool shown = !verdict.valueRight && !given.empty();
    const QString explained =
        !shown ? QString()
        : std::equal(given.begin(), given.begin() + figures, bands.begin())
            ? tr("%1 would need the multiplier %2 (x %3); this part has %4 (x %5).")
                  .arg(value, ColourName(given[figures]), Factor(given[figures]),
                       ColourName(bands[figures]), Factor(bands[figures]))
            : tr("%1 would be %2.").arg(value, Names(given, figures + 1));
    return Wrong(Sentences({typed, explained}), question, verdict);
}

QString Wording::ChoiceFeedback(const zevodave::Question& question, const Verdict& verdict) {
    switch (verdict.outcome) {
    case Outcome::Right:
        return tr("Right: %1.").arg(Working(question));
    case Outcome::Unanswered:
        return tr("Choose a colour in each list.");
    case Outcome::Wrong:
        break;
    }
    const PartBands& given = verdict.given;
    const QString sum = WithTolerance(Sum(given), verdict.tolerance);
    const int count = static_cast<int>(given.size());
    // A four-band part made to 20% has no tolerance band, not a band of None.
    const QString gave =
        given.back() == kNoBand
            ? tr("Not quite: your bands %1 and no tolerance band give %2.")
                  .arg(Names(given, count - 1), sum)
            : tr("Not quite: your bands %1 give %2.").arg(Names(given, count), sum);
    return Wrong(gave, question, verdict);
}

QString Wording::Score(int right, int answered) {
    return tr("%n of %1 right", "the right answers of all answered", right).arg(Number(answered));
}

QString Wording::Slips(const PracticeRecord& record) {
    static constexpr std::array<const char*, kSlipKinds> kKinds{
        QT_TR_NOOP("multiplier"), QT_TR_NOOP("third figure"),      QT_TR_NOOP("other end"),
        QT_TR_NOOP("look-alike"), QT_TR_NOOP("figures"),           QT_TR_NOOP("unit"),
        QT_TR_NOOP("tolerance"),  QT_TR_NOOP("first figure zero"),
    };
    QStringList counted;
    for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
        if (record.slips[kind] > 0)
            counted << tr("%1 %2", "a kind of slip and its count")
                           .arg(tr(kKinds[kind]), Number(record.slips[kind]));
    }
    return counted.isEmpty() ? tr("No slips so far.")
                             : tr("Slips so far: %1.").arg(counted.join(tr(", ")));
}

} // namespace zevodave
