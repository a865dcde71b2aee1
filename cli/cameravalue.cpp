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
    }

    bool IsValid(int a, int b)
    {
        if (b - a == 1)
            return IsValidBitRateText(m_pieces[a]);
        // Spaces around the whole text are not read, so neither are those ending its last piece.
        const QStringView last = QStringView(m_pieces[b - 1]).trimmed();
        const bool closed = last.endsWith(QLatin1Char(')'));
        const int paren = m_firstParen[std::size_t(a)];
        QStringView readEnd = last;
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
            const QString& piece = m_pieces[a];
            QString text;
            if (reading == BeforeParen) {
                // Ends with ")" and holds a comma-free number part, and is not the text "0".
                text = piece.left(piece.indexOf(QLatin1Char('(')) + 1) + QLatin1Char(')');
            } else {
                const qsizetype unit = piece.indexOf(QLatin1Char(reading == BeforeM ? 'm' : 'k'), 0,
                                                     Qt::CaseInsensitive);
                if (unit >= 0)
                    text = piece.left(unit + 1);
            }
            known = !text.isEmpty() && IsValidBitRateText(text) ? 1 : 0;
        }
        return known == 1;
    }

    const QStringList& m_pieces;
    std::vector<std::array<signed char, 3>> m_heads; // per reading: -1 not yet parsed
    std::vector<int> m_firstParen;                   // first piece at or after i that holds a "("
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
        fields = parts;
        return true;
    }
    const QString count = parts.takeLast();
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
    fields = QStringList{parts.mid(0, at).join(QLatin1Char(',')),
                         parts.mid(at).join(QLatin1Char(',')), count};
    return true;
}
