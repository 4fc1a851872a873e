// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// Every sentence the windows show about a resistor, worded here from what the
// engine worked out: colours, exact numbers, which refusal, which slip. Each
// sentence is one translatable template with numbered placeholders, so a
// language can put the pieces in its own order.

#include "practice.h"
#include "smdcode.h"
#include "wholevalue.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <string_view>

namespace zevodave {

class Wording {
    Q_DECLARE_TR_FUNCTIONS(Wording)

  public:
    // A colour's name as a list entry or a sentence shows it ("Yellow"),
    // from the engine's English name.
    static QString Colour(std::string_view entry);
    // The name of a band's entry at a position: "Gold" for the tolerance
    // band's position 2.
    static QString EntryName(int band, int position);
    // The name of a colour of the colour code; "None" for kNoBand.
    static QString ColourName(int colour);

    // A number in a unit (0 ohm to 3 Gigohm): "4.7" for 4700 ohm in Kilohm.
    // Every number in a sentence is written by this one function, whole
    // numbers (digits, percentages, counts) through the overload below.
    static QString Number(const Decimal& value, int unit);
    static QString Number(long long whole);
    // A number already written, followed by a unit: "4.7 Kilohm".
    static QString InUnit(const QString& number, int unit);
    // A value in its own unit: "4.7 Kilohm", "0.47 ohm".
    static QString Value(const Decimal& value);
    // The main window's result line ("4.7 Kilohm +/- 5%") with the
    // language's decimal sign and unit.
    static QString ResultLine(const std::string& line);
    // A typed value as the engine reads it: the language's unit words
    // ("4,7 Kiloohm") read as the engine's ("4,7 Kilohm"); the engine reads
    // a decimal comma itself.
    static std::string Typed(const QString& text);
    // "4.7" with the language's decimal sign: "4,7" in German.
    static QString WithDecimalSign(QString number);

    // The working of a part of any bands as far as the chosen bands take it,
    // one line each, the value with the figures the bands give:
    //   "Yellow 4, Violet 7 give 47"
    //   "Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm"
    //   "Gold: +/- 5%, so from 4.465 to 4.935 Kilohm"
    //   "Red: 50 ppm/K, so at most 0.235 ohm more or less for each degree
    //   warmer or cooler"
    static QStringList WorkingLines(const PartBands& bands);
    // The bands as a screen reader hears them: "Bands: Yellow, Violet, Red,
    // Gold", with "not chosen" where nothing is.
    static QString BandsDescription(const PartBands& bands);
    // Which of the series a part of that many bands is offered hold a value,
    // or its neighbours in each when none does.
    static QString StandardValues(const Decimal& value, int bandCount = kFourBands);
    // Why a whole value's text chose no bands; empty when it did.
    static QString Refusal(const ValueReading& reading);
    // What the same bands give read from the other end, and which end is
    // the likely start; empty until every band is chosen.
    static QString OtherEnd(const PartBands& bands);
    // A value with its tolerance in hundredths of a per cent: "4.7 Kilohm
    // +/- 5%".
    static QString WithTolerance(const QString& value, int hundredths);

    // A surface-mount marking worked out, each way it reads, with the
    // tolerance its kind usually means; or why it is no marking.
    static QString Marking(const MarkingResult& result);
    // The markings that show a value, and why the other codes cannot.
    static QString Markings(const Decimal& value, const ValueMarkings& markings);

    // A Practice question's value and tolerance: "4.7 Kilohm +/- 5%".
    static QString QuestionValue(const zevodave::Question& question);
    // What the judge said of a typed answer or of the bands chosen: what
    // the answer gives, the tolerance where it was wrong, the right working
    // and a hint that fits the slip.
    static QString ReadingFeedback(const zevodave::Question& question, const Verdict& verdict);
    static QString ChoiceFeedback(const zevodave::Question& question, const Verdict& verdict);
    static QString Score(int right, int answered);
    // The slips of a run by kind: "Slips so far: multiplier 2, other end 1".
    static QString Slips(const PracticeRecord& record);
};

} // namespace zevodave
