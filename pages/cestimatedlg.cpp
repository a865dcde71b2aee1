// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/cestimatedlg.h"

#include "engine/validation.h"
#include "pages/pageparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// A typical sub-stream: what a second stream usually is when nothing else is known.
CalStreamSettings SubStream(const CalStreamSettings& first)
{
    CalStreamSettings second = first;
    second.width = 640;
    second.height = 360;
    return second;
}

QString SizeText(int width, int height)
{
    return QStringLiteral("%1x%2").arg(width).arg(height);
}

} // namespace

CEstimateDlg::CEstimateDlg(const PlanStreamEstimate& first, const PlanStreamEstimate& second,
                           QWidget* parent)
    : CBaseDialog(parent, true, true, true)
{
    SetTitleText(tr("Estimate Bit Rates"));
    ShowCloseBtn(true);
    SetEscapeRejects(true);

    auto* content = new QWidget(this);
    auto* layout = new QGridLayout(content);
    layout->setContentsMargins(16, 12, 16, 4);
    layout->setHorizontalSpacing(12);
    const CalStreamSettings firstSettings = first.value_or(CalStreamSettings());
    layout->addWidget(MakeStream(0, firstSettings, content), 0, 0);
    layout->addWidget(MakeStream(1, second.value_or(SubStream(firstSettings)), content), 0, 1);

    m_pMessage = new QLabel(content);
    m_pMessage->setObjectName(QStringLiteral("m_pMessage"));
    m_pMessage->setWordWrap(true);
    m_pMessage->setMinimumHeight(2 * m_pMessage->fontMetrics().lineSpacing() + 4);
    layout->addWidget(m_pMessage, 1, 0, 1, 2);
    auto* note = new QLabel(tr("Estimates follow published bit rates for these settings; a "
                               "camera's own figure is better where known."),
                            content);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #555555;"));
    layout->addWidget(note, 2, 0, 1, 2);
    SetContentWidget(content);
    Update();
    m_streams[0].resolution->setFocus();
    resize(qMax(640, sizeHint().width()), sizeHint().height());
}

QWidget* CEstimateDlg::MakeStream(int stream, const CalStreamSettings& settings, QWidget* parent)
{
    // A heading of its own rather than a group box's title, which the program's style draws
    // over the first row.
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(6);
    Stream& s = m_streams[stream];
    const QString prefix = stream == 0 ? tr("First stream") : tr("Second stream");
    auto* heading = new QLabel(prefix, box);
    heading->setStyleSheet(QStringLiteral("color: #28619b; font-weight: bold;"));
    grid->addWidget(heading, 0, 0, 1, 2);
    int row = 1;
    auto addRow = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, box);
        label->setBuddy(field);
        field->setAccessibleName(prefix + QStringLiteral(": ") + text.chopped(1).trimmed());
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };

    s.resolution = new QComboBox(box);
    s.resolution->setEditable(true);
    for (const CalResolutionPreset& preset : CalResolutionPresets())
        s.resolution->addItem(QStringLiteral("%1 (%2)").arg(QLatin1String(preset.name),
                                                            SizeText(preset.width, preset.height)));
    s.resolution->setToolTip(tr("A preset, or any width x height such as 2048x1536"));
    QString current = SizeText(settings.width, settings.height);
    for (const CalResolutionPreset& preset : CalResolutionPresets()) {
        if (preset.width == settings.width && preset.height == settings.height)
            current = QStringLiteral("%1 (%2)").arg(QLatin1String(preset.name), current);
    }
    EnterComboText(s.resolution, current);
    addRow(tr("Resolution:"), s.resolution);

    s.fps = new QSpinBox(box);
    s.fps->setRange(CalMinStreamFps, CalMaxStreamFps);
    s.fps->setValue(qBound(CalMinStreamFps, settings.fps, CalMaxStreamFps));
    s.fps->setSuffix(tr(" fps"));
    addRow(tr("Frame rate:"), s.fps);

    s.codec = new QComboBox(box);
    for (int codec = 0; codec < CalCodecNames().size(); ++codec)
        s.codec->addItem(CodecLabel(CalCodec(codec)), codec);
    s.codec->setCurrentIndex(s.codec->findData(int(settings.codec)));
    addRow(tr("Codec:"), s.codec);

    s.quality = new QComboBox(box);
    s.quality->addItem(tr("Low"), int(CalQuality::Low));
    s.quality->addItem(tr("Normal"), int(CalQuality::Normal));
    s.quality->addItem(tr("High"), int(CalQuality::High));
    s.quality->setCurrentIndex(s.quality->findData(int(settings.quality)));
    addRow(tr("Picture quality:"), s.quality);

    s.scene = new QComboBox(box);
    s.scene->addItem(tr("Quiet"), int(CalScene::Quiet));
    s.scene->addItem(tr("Normal"), int(CalScene::Normal));
    s.scene->addItem(tr("Busy"), int(CalScene::Busy));
    s.scene->setCurrentIndex(s.scene->findData(int(settings.scene)));
    s.scene->setToolTip(tr("How much moves in the picture"));
    addRow(tr("Scene:"), s.scene);

    s.night = new QSpinBox(box);
    s.night->setRange(CalMinNightPercent, CalMaxNightPercent);
    s.night->setValue(qBound(CalMinNightPercent, settings.nightPercent, CalMaxNightPercent));
    s.night->setSuffix(QStringLiteral(" %"));
    s.night->setToolTip(tr("The share of the time at night with infrared, which costs more bits"));
    addRow(tr("Night with infrared:"), s.night);

    s.estimate = new QLabel(box);
    s.estimate->setObjectName(stream == 0 ? QStringLiteral("m_pFirstEstimate")
                                          : QStringLiteral("m_pSecondEstimate"));
    s.estimate->setStyleSheet(QStringLiteral("color: #28619b; font-weight: bold;"));
    grid->addWidget(s.estimate, row, 0, 1, 2);

    connect(s.resolution, &QComboBox::editTextChanged, this, &CEstimateDlg::Update);
    connect(s.fps, &QSpinBox::valueChanged, this, &CEstimateDlg::Update);
    for (QComboBox* combo : {s.codec, s.quality, s.scene})
        connect(combo, &QComboBox::currentIndexChanged, this, &CEstimateDlg::Update);
    connect(s.night, &QSpinBox::valueChanged, this, &CEstimateDlg::Update);
    return box;
}

bool CEstimateDlg::Read(int stream, CalStreamSettings* settings, QString* problem) const
{
    const Stream& s = m_streams[stream];
    // A preset's item carries its size after the name; either reads.
    const QString text = s.resolution->currentText().section(QLatin1Char('('), 0, 0).trimmed();
    if (!ParseResolution(text, &settings->width, &settings->height)) {
        *problem = StreamSettingsMessage(CalStreamProblem::ResolutionUnknown);
        return false;
    }
    settings->fps = s.fps->value();
    settings->codec = CalCodec(s.codec->currentData().toInt());
    settings->quality = CalQuality(s.quality->currentData().toInt());
    settings->scene = CalScene(s.scene->currentData().toInt());
    settings->nightPercent = s.night->value();
    *problem = StreamSettingsMessage(CheckStreamSettings(*settings));
    return problem->isEmpty();
}

CalStreamSettings CEstimateDlg::Settings(int stream) const
{
    CalStreamSettings settings;
    QString problem;
    Read(stream, &settings, &problem);
    return settings;
}

QString CEstimateDlg::BitRateText(int stream) const
{
    return QString::number(EstimateBitRate(Settings(stream)).kbps);
}

bool CEstimateDlg::Update()
{
    QStringList problems;
    for (int stream = 0; stream < 2; ++stream) {
        CalStreamSettings settings;
        QString problem;
        const QString name = stream == 0 ? tr("First stream") : tr("Second stream");
        if (!Read(stream, &settings, &problem)) {
            m_streams[stream].estimate->setText(tr("No estimate"));
            problems << name + QStringLiteral(": ") + problem;
            continue;
        }
        const CalBitRateEstimate estimate = EstimateBitRate(settings);
        m_streams[stream].estimate->setText(tr("Estimate: %1 kbps (%2 to %3 kbps)")
                                                .arg(GroupedNumber(estimate.kbps))
                                                .arg(GroupedNumber(estimate.low))
                                                .arg(GroupedNumber(estimate.high)));
        const QString fit = RecorderFitMessage(estimate.kbps);
        if (!fit.isEmpty())
            problems << name + QStringLiteral(": ") + fit;
    }
    if (problems.isEmpty()) {
        m_pMessage->clear();
        return true;
    }
    ShowMessageLabel(m_pMessage, problems.join(QStringLiteral("<br/>")));
    return false;
}

void CEstimateDlg::accept()
{
    if (Update())
        CBaseDialog::accept();
}
