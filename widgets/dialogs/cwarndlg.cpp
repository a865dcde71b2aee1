// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/cwarndlg.h"
#include "ui_cwarndlg.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QTextDocument>

namespace {

// The sizing measures rich text as it is written, markup included. Texts with font markup
// are narrowed by about what that markup measures.
const QLatin1String FontEndTag("</font>");
constexpr int FontMarkupWidth = 130;
constexpr int FontMarkupWidthLong = 140;

} // namespace

CWarnDlg::CWarnDlg(QWidget* parent)
    : CBaseDialog(parent, true, true, true), ui(new Ui::CWarnDlgClass)
{
    ui->setupUi(GetContentFrame());
    SetEscapeRejects(true);
    setStyleSheet(styleSheet() + QStringLiteral("QFrame#CWarnDlg{background-color: transparent;}"));
    connect(ui->m_pBrowserTxt->document()->documentLayout(),
            &QAbstractTextDocumentLayout::documentSizeChanged, this, &CWarnDlg::TextNeededSize);
}

CWarnDlg::~CWarnDlg()
{
    delete ui;
}

void CWarnDlg::AdjustSizeToText(const QString& text)
{
    const int w = QFontMetrics(ui->m_pBrowserTxt->font()).horizontalAdvance(text) + 15;
    const int b = w + 10;
    const bool hasFontMarkup = text.contains(FontEndTag);
    int browserWidth;
    if (b <= MinWidth - Margin) {
        resize(MinWidth, FixedHeight);
        browserWidth = hasFontMarkup ? w - FontMarkupWidth : w;
    } else if (b < MaxWidth - Margin) {
        resize(b + Margin, FixedHeight);
        browserWidth = hasFontMarkup ? w - FontMarkupWidth : w;
    } else {
        resize(MaxWidth, FixedHeight);
        browserWidth = MaxWidth - Margin - (hasFontMarkup ? FontMarkupWidthLong : 10);
    }
    // A text that is little more than markup would otherwise ask for a negative width.
    browserWidth = qMax(browserWidth, 0);
    ui->m_pBrowserTxt->setFixedWidth(browserWidth);
}

void CWarnDlg::SetTexts(const QString& title, const QString& text)
{
    SetTitleText(title);
    ui->m_pBrowserTxt->setText(text);
    // The document reports only changes of its own size, but the frame around it may have
    // changed since (another width, the bottom bar shown or hidden).
    TextNeededSize(ui->m_pBrowserTxt->document()->size());
}

int CWarnDlg::ExecWarn(const QString& title, const QString& text)
{
    AdjustSizeToText(text);
    ShowCloseBtn(true);
    ShowBottomBar(false);
    SetTexts(title, text);
    return exec();
}

int CWarnDlg::ExecConfirm(const QString& title, const QString& text)
{
    AdjustSizeToText(text);
    ShowCloseBtn(true);
    ShowBottomBar(true);
    SetTexts(title, text);
    return exec();
}

int CWarnDlg::ShowWarn(const QString& title, const QString& text, QWidget* parent)
{
    if (!parent)
        return -1;
    CWarnDlg dlg(parent);
    return dlg.ExecWarn(title, text);
}

int CWarnDlg::ShowConfirm(const QString& title, const QString& text, QWidget* parent)
{
    if (!parent)
        return -1;
    CWarnDlg dlg(parent);
    return dlg.ExecConfirm(title, text);
}

void CWarnDlg::TextNeededSize(QSizeF sizeText)
{
    Q_UNUSED(sizeText);
    QTextBrowser* browser = ui->m_pBrowserTxt;
    QWidget* content = GetContentFrame();
    if (!browser->parentWidget() || !browser->document() || !content)
        return;

    // While the dialog is hidden its layout has not yet followed the last resize; bring the
    // content frame to the size it is about to have before measuring it.
    if (layout()) {
        layout()->invalidate();
        layout()->activate();
    }

    const int needed = int(browser->document()->size().height()) + 10;
    browser->setFixedHeight(needed);

    int top;
    if (content->height() < needed) {
        resize(width(), height() + needed - content->height() + 30);
        top = 15;
    } else {
        top = content->height() / 2 - needed / 2;
    }
    browser->move(content->width() / 2 - browser->width() / 2, top);
}

void CWarnDlg::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}
