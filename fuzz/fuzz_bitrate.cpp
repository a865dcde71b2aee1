// SPDX-License-Identifier: GPL-3.0-or-later
// ParseBitRate against what any reading of a bit-rate text must satisfy. The input is
// split at its first 0 byte: a text (UTF-8) and a remark; the first four bytes also make
// a number for the round trips.

#include "engine/bitrate.h"

#include <QRegularExpression>
#include <QString>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static void Expect(bool holds, const char* property, const QString& text, int got, int want)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n  text: \"%s\"\n  got %d, expected %d\n", property,
                 text.toUtf8().constData(), got, want);
    std::abort();
}

// The result of a number with the unit M: the product, or -1 when it leaves 32 bits.
static int Mega(qint64 n)
{
    const qint64 product = n * 1024;
    return product < INT_MIN || product > INT_MAX ? -1 : int(product);
}

static void RoundTrips(int n, const QString& remark)
{
    const QString number = QString::number(n);
    const QString withRemark = QLatin1Char('(') + remark + QLatin1Char(')');
    const int plain = n == 0 ? 0 : n;
    Expect(ParseBitRate(number) == plain, "a plain number reads as itself", number,
           ParseBitRate(number), plain);
    for (const char* k : {"k", "K"}) {
        const QString text = number + QLatin1String(k);
        Expect(ParseBitRate(text) == n, "a number with k reads as itself", text, ParseBitRate(text),
               n);
    }
    for (const char* m : {"m", "M"}) {
        const QString text = number + QLatin1String(m);
        const int want = n == 0 ? 0 : Mega(n);
        Expect(ParseBitRate(text) == want, "a number with M is 1024 times it", text,
               ParseBitRate(text), want);
        Expect(ParseBitRate(text + withRemark) == want, "a remark changes nothing after M",
               text + withRemark, ParseBitRate(text + withRemark), want);
    }
    // "0(...)" is no zero bit rate: the zero test sees the whole text.
    const int want = n == 0 ? -1 : n;
    Expect(ParseBitRate(number + withRemark) == want, "a remark changes nothing after a number",
           number + withRemark, ParseBitRate(number + withRemark), want);
}

// The text without a trailing remark: from the first "(" on, when the text ends with ")".
static QString WithoutRemark(const QString& text)
{
    if (text.endsWith(QLatin1Char(')')) && text.contains(QLatin1Char('(')))
        return text.left(text.indexOf(QLatin1Char('(')));
    return text;
}

static void Properties(const QString& typed, const QString& remark)
{
    // Spaces around a text, typed or pasted, mean nothing; the rest holds for what they enclose.
    const QString text = typed.trimmed();
    Expect(ParseBitRate(typed) == ParseBitRate(text), "spaces around change nothing", typed,
           ParseBitRate(typed), ParseBitRate(text));
    const int result = ParseBitRate(text);
    const QString work = WithoutRemark(text);

    // Zero is the text "0" itself, or a number part of exactly "0" before the unit: the
    // number part runs to the first letter of the unit that ends the text.
    static const QRegularExpression zeroWithUnit(
        QStringLiteral("\\A0(?:[mM](?:.*[mM])?|[kK](?:.*[kK])?)\\z"),
        QRegularExpression::DotMatchesEverythingOption);
    const bool zero = text == QLatin1String("0") || zeroWithUnit.match(work).hasMatch();
    Expect((result == 0) == zero, "zero exactly for a zero number", text, result,
           zero ? 0 : result);

    for (const auto& [lower, upper] : {std::pair{"k", "K"}, std::pair{"m", "M"}}) {
        const int a = ParseBitRate(text + QLatin1String(lower));
        const int b = ParseBitRate(text + QLatin1String(upper));
        Expect(a == b, "the unit letter's case does not matter", text + QLatin1String(lower), a, b);
    }

    if (!text.contains(QLatin1Char('(')) && text != QLatin1String("0")) {
        const QString withRemark = text + QLatin1Char('(') + remark + QLatin1Char(')');
        Expect(ParseBitRate(withRemark) == result, "a remark is ignored", withRemark,
               ParseBitRate(withRemark), result);
    }

    // A text that reads as a positive number without any unit scales with the units.
    const bool unitless = !text.isEmpty() && !text.endsWith(QLatin1Char(')')) &&
                          !text.contains(QLatin1Char('k'), Qt::CaseInsensitive) &&
                          !text.contains(QLatin1Char('m'), Qt::CaseInsensitive);
    if (unitless && result > 0) {
        const int k = ParseBitRate(text + QLatin1Char('K'));
        Expect(k == result, "adding k keeps the number", text + QLatin1Char('K'), k, result);
        const int m = ParseBitRate(text + QLatin1Char('M'));
        Expect(m == Mega(result), "adding M multiplies by 1024", text + QLatin1Char('M'), m,
               Mega(result));
    }

    // A bit rate in M is a whole number of M.
    if (work.endsWith(QLatin1Char('m'), Qt::CaseInsensitive))
        Expect(result == -1 || result % 1024 == 0, "M gives a multiple of 1024 or nothing", text,
               result, result);
    // Only digits make a number.
    if (result != 0 && result != -1) {
        bool digit = false;
        for (const QChar c : text)
            digit = digit || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        Expect(digit, "a number needs a digit", text, result, -1);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const void* nul = std::memchr(bytes, 0, size);
    const size_t textSize = nul ? size_t(static_cast<const char*>(nul) - bytes) : size;
    const QString text = QString::fromUtf8(bytes, qsizetype(textSize));
    const QString remark =
        nul ? QString::fromUtf8(bytes + textSize + 1, qsizetype(size - textSize - 1)) : QString();

    int32_t n = 0;
    std::memcpy(&n, data, size < sizeof n ? size : sizeof n);

    RoundTrips(n, remark);
    Properties(text, remark);
    return 0;
}
