// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "wording.h"

#include "standardvalues.h"
#include "textconvert.h"

#include <algorithm>
#include <array>

namespace zevodave {

namespace {

// The digit bands give two significant figures; more need a five-band part.
constexpr long long kFiveBandFigures = 3;

} // namespace

QString Wording::Colour(std::string_view entry) {
    // Every colour name the band tables give, so that translators find them.
    // A name missing here would show as nothing: every list shows its names.
    static constexpr std::array kNames{
        QT_TR_NOOP("Black"),  QT_TR_NOOP("Brown"), QT_TR_NOOP("Red"),  QT_TR_NOOP("Orange"),
        QT_TR_NOOP("Yellow"), QT_TR_NOOP("Green"), QT_TR_NOOP("Blue"), QT_TR_NOOP("Violet"),
        QT_TR_NOOP("Grey"),   QT_TR_NOOP("White"), QT_TR_NOOP("Gold"), QT_TR_NOOP("Silver"),
        QT_TR_NOOP("None"),
    };
    const auto name = std::ranges::find(kNames, entry);
    return name == kNames.end() ? QString() : tr(*name);
}

QString Wording::EntryName(int band, int position) {
    return Colour(EntryTexts(band)[position]);
}

QString Wording::Number(const Decimal& value, int unit) {
    return ToQString(NumberText(value, unit));
}

QString Wording::Number(long long whole) {
    return Number({std::to_string(whole), 0}, 0);
}

QString Wording::InUnit(const QString& number, int unit) {
    static constexpr std::array<const char*, kUnitCount> kTemplates{
        QT_TR_NOOP("%1 ohm"),
        QT_TR_NOOP("%1 Kilohm"),
        QT_TR_NOOP("%1 Megohm"),
        QT_TR_NOOP("%1 Gigohm"),
    };
    return tr(kTemplates[unit]).arg(number);
}

QString Wording::Value(const Decimal& value) {
    const int unit = UnitOf(value);
    return InUnit(Number(value, unit), unit);
}

namespace {

enum class Join { And, Or };

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

// The bands named in order, each by its list's entry: "Yellow, Violet, Red".
QString Names(const BandPositions& bands, int count) {
    QStringList names;
    for (int band = 0; band < count; ++band)
        names << Wording::EntryName(band, bands[band]);
    return names.join(Wording::tr(", "));
}

// A digit band as the working reads it: "Yellow 4".
QString Figure(const BandPositions& bands, int band) {
    return Wording::tr("%1 %2").arg(Wording::EntryName(band, bands[band]),
                                    Wording::Number(bands[band]));
}

QString Factor(int multiplier) {
    return Wording::Number(MultiplierFactor(multiplier), 0);
}

QString Figures(const BandPositions& bands) {
    return Wording::tr("%1, %2 give %3")
        .arg(Figure(bands, kFirstDigitBand), Figure(bands, kSecondDigitBand),
             Wording::Number(BandNumber(bands)));
}

QString WithTolerance(const QString& value, int tolerance) {
    return tolerance == kNoPosition
               ? value
               : Wording::tr("%1 +/- %2%")
                     .arg(value, Wording::Number(kToleranceRows[tolerance].percent));
}

} // namespace

QStringList Wording::WorkingLines(const BandPositions& bands) {
    const auto [first, second, multiplier, tolerance] = bands;
    if (first == kNoPosition)
        return {};
    if (second == kNoPosition)
        return {Figure(bands, kFirstDigitBand)};
    QStringList lines{Figures(bands)};

    const std::optional<Decimal> value = BandValue(bands);
    if (!value)
        return lines;
    const QString name = EntryName(kMultiplierBand, multiplier);
    const QString inOhm = InUnit(Number(*value, 0), 0);
    const QString inUnit = Value(*value);
    const QString number = Number(BandNumber(bands));
    // The value again in its own unit where that is not ohm.
    lines << (inUnit == inOhm ? tr("%1 multiplies by %2: %3 x %2 = %4")
                                    .arg(name, Factor(multiplier), number, inOhm)
                              : tr("%1 multiplies by %2: %3 x %2 = %4 = %5")
                                    .arg(name, Factor(multiplier), number, inOhm, inUnit));

    if (tolerance == kNoPosition)
        return lines;
    const auto [low, high] = ToleranceBounds(bands);
    const int unit = UnitOf(*value);
    lines << tr("%1: +/- %2%, so from %3 to %4")
                 .arg(EntryName(kToleranceBand, tolerance),
                      Number(kToleranceRows[tolerance].percent), Number(low, unit),
                      InUnit(Number(high, unit), unit));
    return lines;
}

QString Wording::BandsDescription(const BandPositions& bands) {
    QStringList names;
    for (int band = 0; band < kBandCount; ++band)
        names << (bands[band] == kNoPosition ? tr("not chosen") : EntryName(band, bands[band]));
    return tr("Bands: %1").arg(names.join(tr(", ")));
}

QString Wording::StandardValues(const Decimal& value) {
    QStringList holding;
    for (std::size_t series = 0; series < kSeries.size(); ++series) {
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
    for (std::size_t series = 0; series < kSeries.size(); ++series) {
        const auto neighbour = [&](Direction direction) {
            return Number(SeriesNeighbour(static_cast<int>(series), value, direction), unit);
        };
        const QString above = neighbour(Direction::Up);
        nearest << tr("in %1 %2 and %3")
                       .arg(ToQString(kSeries[series].name), neighbour(Direction::Down),
                            series + 1 == kSeries.size() ? InUnit(above, unit) : above);
    }
    return tr("%1 is not a standard value: nearest %2").arg(Value(value), nearest.join(tr(", ")));
}

QString Wording::Refusal(const ValueReading& reading) {
    const Decimal& value = reading.value;
    switch (reading.refusal) {
    case Refusal::None:
        return {};
    case Refusal::NoNumber:
        return tr("No value found: type a number with an optional unit and tolerance, such as "
                  "4k7, 4.7 Kilohm or 4700 5%.");
    case Refusal::CommaThousands:
        return tr("A comma followed by three digits could be a decimal sign or a thousands "
                  "separator: write 1000 or 1k.");
    case Refusal::Tolerance: {
        QStringList percents;
        for (const ToleranceRow& row : kToleranceRows)
            percents << Number(row.percent);
        return tr("Four bands show a tolerance of %1%.").arg(ListOf(percents, Join::Or));
    }
    case Refusal::TooLarge:
        return tr("%1 is more than four bands can show: the largest value is %2.")
            .arg(Value(value), Value(LargestBandValue()));
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
        return tr("%1 is finer than the smallest step four bands can show, %2.")
            .arg(Value(value), Value(SmallestBandStep()));
    }
    return {};
}

QString Wording::Question(const BandPositions& question) {
    return WithTolerance(Value(*BandValue(question)), question[kToleranceBand]);
}

namespace {

// The hint for a slip, or nothing.
QString Hint(const BandPositions& question, const Verdict& verdict) {
    const int band = verdict.slipBand;
    switch (verdict.slip) {
    case Slip::None:
        return {};
    case Slip::ThirdDigit:
        return Wording::tr("Hint: the third band is the multiplier, not a third digit.");
    case Slip::MultiplierOff:
        return Wording::tr("Hint: a factor of ten out: the multiplier is one colour off.");
    case Slip::Reversed:
        return Wording::tr(
            "Hint: read from the wrong end: the tolerance band, set apart, comes last.");
    case Slip::LookAlike:
        return Wording::tr("Hint: %1 and %2 look alike: band %3 is %2.")
            .arg(Wording::EntryName(band, verdict.slipPosition),
                 Wording::EntryName(band, question[band]), Wording::Number(band + 1));
    case Slip::Tolerance:
        return Wording::tr("Hint: the tolerance band, set apart, is %1: +/- %2%.")
            .arg(Wording::EntryName(band, question[band]),
                 Wording::Number(kToleranceRows[question[band]].percent));
    case Slip::BlackFirst:
        return Wording::tr("Hint: no resistor starts with Black: %1 is %2.")
            .arg(Wording::Value(*BandValue(question)), Names(question, kToleranceBand));
    }
    return {};
}

// What a wrong answer is told: what the student gave (%1), the right value
// worked out (%2) and the hint (%3), in the template without the hint when
// there is none.
QString Wrong(const QString& withoutHint, const QString& withHint, const QString& gave,
              const BandPositions& question, const Verdict& verdict) {
    const int multiplier = question[kMultiplierBand];
    const QString explanation =
        Wording::tr("%1; %2 multiplies by %3, so %4.")
            .arg(Figures(question), Wording::EntryName(kMultiplierBand, multiplier),
                 Factor(multiplier), Wording::Value(*BandValue(question)));
    const QString hint = Hint(question, verdict);
    return hint.isEmpty() ? withoutHint.arg(gave, explanation)
                          : withHint.arg(gave, explanation, hint);
}

QString Right(const BandPositions& question) {
    const int multiplier = question[kMultiplierBand];
    return Wording::tr("Right: %1, %2, %3 x %4 = %5.")
        .arg(Figure(question, kFirstDigitBand), Figure(question, kSecondDigitBand),
             Wording::EntryName(kMultiplierBand, multiplier), Factor(multiplier),
             Wording::Question(question));
}

} // namespace

QString Wording::ReadingFeedback(const BandPositions& question, const Verdict& verdict) {
    const ValueReading& reading = verdict.reading;
    switch (verdict.outcome) {
    case Outcome::Right:
        return Right(question);
    case Outcome::Unanswered:
        return Refusal(reading);
    case Outcome::Wrong:
        break;
    }
    return Wrong(tr("Not quite: you typed %1. %2"), tr("Not quite: you typed %1. %2 %3"),
                 WithTolerance(Value(reading.value), reading.tolerance), question, verdict);
}

QString Wording::ChoiceFeedback(const BandPositions& question, const BandPositions& chosen,
                                const Verdict& verdict) {
    switch (verdict.outcome) {
    case Outcome::Right:
        return Right(question);
    case Outcome::Unanswered:
        return tr("Choose a colour in each of the four lists.");
    case Outcome::Wrong:
        break;
    }
    return Wrong(tr("Not quite: you chose %1. %2"), tr("Not quite: you chose %1. %2 %3"),
                 Names(chosen, kBandCount), question, verdict);
}

QString Wording::Score(int right, int answered) {
    return tr("%1 of %2 right").arg(Number(right), Number(answered));
}

} // namespace zevodave
