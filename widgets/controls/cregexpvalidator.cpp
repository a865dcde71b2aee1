// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls/cregexpvalidator.h"

#include "util/helpers.h"

CRegExpValidator::CRegExpValidator(int maxLength, QObject* parent)
    : QRegularExpressionValidator(parent), m_nMaxLength(maxLength)
{
}

CRegExpValidator::CRegExpValidator(int maxLength, const QRegularExpression& expression,
                                   QObject* parent)
    : QRegularExpressionValidator(expression, parent), m_nMaxLength(maxLength)
{
}

CRegExpValidator::~CRegExpValidator() = default;

QValidator::State CRegExpValidator::validate(QString& input, int& pos) const
{
    if (ToLocalBytes(input).size() > m_nMaxLength)
        return Invalid;
    return QRegularExpressionValidator::validate(input, pos);
}
