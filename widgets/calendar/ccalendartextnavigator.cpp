// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendartextnavigator.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimerEvent>

CCalendarTextNavigator::CCalendarTextNavigator(QObject* parent)
    : QObject(parent), m_date(QDate::currentDate())
{
    BuildSections();
}

CCalendarTextNavigator::~CCalendarTextNavigator()
{
    if (m_pWidget)
        m_pWidget->removeEventFilter(this);
    delete m_pEditor;
}

void CCalendarTextNavigator::SetWidget(QWidget* widget)
{
    if (widget == m_pWidget)
        return;
    StopEditing();
    if (m_pWidget)
        m_pWidget->removeEventFilter(this);
    delete m_pEditor;
    m_pWidget = widget;
    if (m_pWidget)
        m_pWidget->installEventFilter(this);
}

void CCalendarTextNavigator::SetDate(const QDate& date)
{
    if (date.isValid() && !m_bEditing)
        m_date = date;
}

void CCalendarTextNavigator::SetDateEditAcceptDelay(int delay)
{
    m_acceptDelay = qMax(0, delay);
}

void CCalendarTextNavigator::SetLocale(const QLocale& locale)
{
    StopEditing();
    m_locale = locale;
    BuildSections();
}

bool CCalendarTextNavigator::IsEditing() const
{
    return m_bEditing;
}

QLabel* CCalendarTextNavigator::GetEditor() const
{
    return m_pEditor;
}

QString CCalendarTextNavigator::GetEditText() const
{
    return m_bEditing ? EditText(false) : QString();
}

void CCalendarTextNavigator::BuildSections()
{
    m_sections.clear();
    m_separators.clear();
    const QString format = m_locale.dateFormat(QLocale::ShortFormat);
    QString separator;
    bool seen[3] = {false, false, false};
    for (int i = 0; i < format.size();) {
        const QChar c = format.at(i);
        int run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        int which = -1;
        if (c == QLatin1Char('d') && run <= 2)
            which = 0;
        else if (c == QLatin1Char('M'))
            which = 1;
        else if (c == QLatin1Char('y'))
            which = 2;
        if (which >= 0 && !seen[which]) {
            seen[which] = true;
            m_separators << separator;
            separator.clear();
            QCalendarDateSectionValidator* sections[] = {&m_day, &m_month, &m_year};
            m_sections.push_back(sections[which]);
        } else if (which < 0 && !c.isLetter() && c != QLatin1Char('\'')) {
            separator += QString(run, c);
        }
        i += run;
    }
    if (m_sections.size() != 3) {
        // A format without all three numeric sections: fall back to the unambiguous order.
        m_sections = {&m_year, &m_month, &m_day};
        m_separators = {QString(), QStringLiteral("-"), QStringLiteral("-")};
        separator.clear();
    }
    m_separators << separator;
}

bool CCalendarTextNavigator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pWidget && event->type() == QEvent::KeyPress)
        return HandleKey(static_cast<QKeyEvent*>(event));
    if (watched == m_pWidget && event->type() == QEvent::FocusOut && m_bEditing)
        Accept();
    return QObject::eventFilter(watched, event);
}

bool CCalendarTextNavigator::HandleKey(QKeyEvent* event)
{
    const int key = event->key();
    const bool bCommand = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const bool bDigit = key >= Qt::Key_0 && key <= Qt::Key_9 && !bCommand;
    if (!m_bEditing) {
        if (!bDigit)
            return false;
        StartEditing();
    }

    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QPointer<CCalendarTextNavigator> self(this);
        Accept();
        if (self)
            emit editingFinished();
        return true;
    }
    case Qt::Key_Escape:
        Cancel();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = (key == Qt::Key_Right) != m_pWidget->isRightToLeft() ? 1 : -1;
        m_current = qBound(0, m_current + step, int(m_sections.size()) - 1);
        UpdateEditor();
        m_acceptTimer.start(m_acceptDelay, this);
        return true;
    }
    case Qt::Key_Backspace:
    case Qt::Key_Up:
    case Qt::Key_Down:
        break;
    default:
        if (!bDigit) {
            // Any other key ends typing and goes on to the grid.
            Accept();
            return false;
        }
        break;
    }

    const QCalendarDateSectionValidator::Section next = m_sections[m_current]->HandleKey(key);
    ApplySections();
    if (next == QCalendarDateSectionValidator::NextSection) {
        if (m_current + 1 == int(m_sections.size())) {
            Accept();
            return true;
        }
        ++m_current;
    } else if (next == QCalendarDateSectionValidator::PrevSection && m_current > 0) {
        --m_current;
    }
    UpdateEditor();
    m_acceptTimer.start(m_acceptDelay, this);
    return true;
}

void CCalendarTextNavigator::StartEditing()
{
    m_bEditing = true;
    m_startDate = m_date;
    m_day.SetDate(m_date);
    m_month.SetDate(m_date);
    m_year.SetDate(m_date);
    m_current = 0;
    if (!m_pEditor && m_pWidget) {
        m_pEditor = new QLabel(m_pWidget);
        m_pEditor->setObjectName(QStringLiteral("CalendarTextEditor"));
        m_pEditor->setTextFormat(Qt::RichText);
        m_pEditor->setAlignment(Qt::AlignCenter);
        m_pEditor->setStyleSheet(QStringLiteral(
            "QLabel#CalendarTextEditor{background-color:rgb(255,255,255);color:rgb(0,0,0);"
            "border:1px solid rgb(96,95,93);padding:1px 6px;}"));
    }
    UpdateEditor();
}

void CCalendarTextNavigator::ApplySections()
{
    // Year first, then month, then day, so the day is cut to the final month's length.
    QDate date = m_year.ApplyToDate(m_startDate);
    date = m_month.ApplyToDate(date);
    date = m_day.ApplyToDate(date);
    if (date.isValid())
        m_date = date;
}

void CCalendarTextNavigator::Accept()
{
    if (!m_bEditing)
        return;
    StopEditing();
    if (m_date.isValid())
        emit dateChanged(m_date);
}

void CCalendarTextNavigator::Cancel()
{
    StopEditing();
    m_date = m_startDate;
}

void CCalendarTextNavigator::StopEditing()
{
    m_acceptTimer.stop();
    m_bEditing = false;
    if (m_pEditor)
        m_pEditor->hide();
}

void CCalendarTextNavigator::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_acceptTimer.timerId()) {
        Accept();
        return;
    }
    QObject::timerEvent(event);
}

QString CCalendarTextNavigator::EditText(bool bMarkCurrent) const
{
    QString text;
    for (int i = 0; i < int(m_sections.size()); ++i) {
        const QString separator = m_separators.value(i);
        const QString section = m_sections[i]->Text();
        text += bMarkCurrent ? separator.toHtmlEscaped() : separator;
        if (bMarkCurrent && i == m_current)
            text += QStringLiteral("<b><u>%1</u></b>").arg(section);
        else
            text += section;
    }
    const QString last = m_separators.value(int(m_sections.size()));
    text += bMarkCurrent ? last.toHtmlEscaped() : last;
    return text;
}

void CCalendarTextNavigator::UpdateEditor()
{
    if (!m_pEditor || !m_pWidget)
        return;
    m_pEditor->setText(EditText(true));
    m_pEditor->adjustSize();
    const QSize size = m_pEditor->size();
    m_pEditor->move((m_pWidget->width() - size.width()) / 2,
                    m_pWidget->height() - size.height() - 4);
    m_pEditor->raise();
    m_pEditor->show();
}
