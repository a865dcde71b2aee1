// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CREGEXPVALIDATOR_H
#define CREGEXPVALIDATOR_H

#include <QRegularExpressionValidator>

// A pattern validator that also limits the text's length in bytes of the system's 8-bit
// encoding, for fields stored in fixed byte buffers.
class CRegExpValidator : public QRegularExpressionValidator
{
    Q_OBJECT

public:
    explicit CRegExpValidator(int maxLength, QObject* parent = nullptr);
    CRegExpValidator(int maxLength, const QRegularExpression& expression,
                     QObject* parent = nullptr);
    ~CRegExpValidator() override;

    State validate(QString& input, int& pos) const override;

    int MaxLength() const { return m_nMaxLength; }

private:
    int m_nMaxLength;
};

#endif
