// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/pathchoosers.h"

#include "widgets/dialogs/cfiledialog.h"

namespace PathChoosers {

QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter, QString* selectedFilter,
                        QFileDialog::Options options)
{
    return CFileDialog::GetSaveFileName(parent, caption, dir, filter, selectedFilter, options);
}

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter, QString* selectedFilter,
                        QFileDialog::Options options)
{
    return CFileDialog::GetOpenFileName(parent, caption, dir, filter, selectedFilter, options);
}

QStringList GetOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter, QString* selectedFilter,
                             QFileDialog::Options options)
{
    return CFileDialog::GetOpenFileNames(parent, caption, dir, filter, selectedFilter, options);
}

QString GetExistingDirectory(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter, QFileDialog::Options options)
{
    return CFileDialog::GetExistingDirectory(parent, caption, dir, filter, options);
}

} // namespace PathChoosers
