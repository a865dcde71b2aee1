// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cameravalue.h"

#include "engine/validation.h"

#include <array>
#include <vector>

namespace {

// Whether the bit-rate text made of the comma-separated pieces [a, b) is valid, without
// building it: every candidate split would otherwise rebuild and parse both halves, which
// is quadratic in the number of commas.
//
// A text with a comma is read by its number part, which must hold no comma to convert, so it
// lies in piece a: the text before the first "(" when the text ends with ")" and piece a holds
// that "(", or else the text before the first unit letter, when the part read (the text up to
// its first "(" if it ends with ")", else the whole text) ends with that letter. Each of these
// three readings of piece a is parsed once.
//
// White space around a field is not part of it. Commas are not white space, so trimming a
// field made of several pieces touches only the start of its first piece and the end of its
// last: a piece is read from its first other character where it starts a field, and up to its
// last where it ends one.
class Pieces
{
public:
    explicit Pieces(const QStringList& pieces)
        : m_pieces(pieces), m_heads(std::size_t(pieces.size()), {{-1, -1, -1}})
    {
        m_firstParen.assign(std::size_t(pieces.size()) + 1, int(pieces.size()));
        for (qsizetype i = pieces.size() - 1; i >= 0; --i) {
            m_firstParen[std::size_t(i)] =
                pieces[i].contains(QLatin1Char('(')) ? int(i) : m_firstParen[std::size_t(i) + 1];
        }
        for (const QString& text : pieces) {
            QStringView piece = text;
            while (!piece.isEmpty() && piece.front().isSpace())
                piece = piece.mid(1);
            m_starts.push_back(piece);
            piece = text;
            while (!piece.isEmpty() && piece.back().isSpace())
                piece.chop(1);
            m_ends.push_back(piece);
        }
    }

    bool IsValid(int a, int b)
    {
        if (b - a == 1)
            return IsValidBitRateText(m_pieces[a].trimmed());
        const QStringView end = m_ends[std::size_t(b) - 1];
        const bool closed = end.endsWith(QLatin1Char(')'));
        const int paren = m_firstParen[std::size_t(a)];
        QStringView readEnd = end;
        if (closed && paren < b) {
            if (paren == a)
                return Head(a, BeforeParen);
            readEnd = QStringView(m_pieces[paren]).left(m_pieces[paren].indexOf(QLatin1Char('(')));
        }
        if (readEnd.endsWith(QLatin1Char('m'), Qt::CaseInsensitive))
            return Head(a, BeforeM);
        if (readEnd.endsWith(QLatin1Char('k'), Qt::CaseInsensitive))
            return Head(a, BeforeK);
        return false;
    }

private:
    enum Reading
    {
        BeforeParen,
        BeforeM,
        BeforeK
    };

    // Piece a read up to the given mark, as the whole text would be read.
    bool Head(int a, Reading reading)
    {
        signed char& known = m_heads[std::size_t(a)][reading];
        if (known < 0) {
            const QStringView piece = m_starts[std::size_t(a)];
            QString text;
            if (reading == BeforeParen) {
                // Ends with ")" and holds a comma-free number part, and is not the text "0".
                text =
                    piece.left(piece.indexOf(QLatin1Char('(')) + 1).toString() + QLatin1Char(')');
            } else {
                const qsizetype unit = piece.indexOf(QLatin1Char(reading == BeforeM ? 'm' : 'k'), 0,
                                                     Qt::CaseInsensitive);
                if (unit >= 0)
                    text = piece.left(unit + 1).toString();
            }
            known = !text.isEmpty() && IsValidBitRateText(text) ? 1 : 0;
        }
        return known == 1;
    }

    const QStringList& m_pieces;
    std::vector<std::array<signed char, 3>> m_heads; // per reading: -1 not yet parsed
    std::vector<int> m_firstParen;                   // first piece at or after i that holds a "("
    std::vector<QStringView> m_starts;               // each piece without its leading white space
    std::vector<QStringView> m_ends;                 // each piece without its trailing white space
};

} // namespace

bool SplitCameraValue(const QString& value, QStringList& fields, QString& problem)
{
    QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() < 3) {
        problem = QStringLiteral("expected FIRST,SECOND,COUNT");
        return false;
    }
    if (parts.size() == 3) {
        fields.clear();
        for (const QString& part : parts)
            fields << part.trimmed();
        return true;
    }
    const QString count = parts.takeLast().trimmed();
    const int rates = int(parts.size());
    Pieces pieces(parts);
    int splits = 0;
    int at = 0;
    for (int k = 1; k < rates; ++k) {
        if (pieces.IsValid(0, k) && pieces.IsValid(k, rates)) {
            at = k;
            ++splits;
        }
    }
    if (splits == 0) {
        problem = QStringLiteral("expected FIRST,SECOND,COUNT with two bit rates: ") +
                  QLatin1String(CalMessages::BitRateInvalidRange);
        return false;
    }
    if (splits > 1) {
        problem = QStringLiteral("the commas leave more than one way to read FIRST,SECOND");
        return false;
    }
    fields = QStringList{parts.mid(0, at).join(QLatin1Char(',')).trimmed(),
                         parts.mid(at).join(QLatin1Char(',')).trimmed(), count};
    return true;
}
