// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PATHCHOOSERS_H
#define PATHCHOOSERS_H

#include <QFileDialog>
#include <QString>
#include <QStringList>

// The blocking file and folder choosers behind CPathComboBox. Each returns the chosen path(s),
// or a null string / an empty list when cancelled; `selectedFilter`, when given, is read to
// preselect a name filter and receives the chosen one.
// They are the skinned CFileDialog choosers; the indirection keeps the combo box's calls
// in one place.
namespace PathChoosers {

QString GetSaveFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                        const QString& dir = QString(), const QString& filter = QString(),
                        QString* selectedFilter = nullptr,
                        QFileDialog::Options options = QFileDialog::Options());

QString GetOpenFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                        const QString& dir = QString(), const QString& filter = QString(),
                        QString* selectedFilter = nullptr,
                        QFileDialog::Options options = QFileDialog::Options());

QStringList GetOpenFileNames(QWidget* parent = nullptr, const QString& caption = QString(),
                             const QString& dir = QString(), const QString& filter = QString(),
                             QString* selectedFilter = nullptr,
                             QFileDialog::Options options = QFileDialog::Options());

// The folder chooser takes a filter for symmetry with the others; folders are not filtered.
QString GetExistingDirectory(QWidget* parent = nullptr, const QString& caption = QString(),
                             const QString& dir = QString(), const QString& filter = QString(),
                             QFileDialog::Options options = QFileDialog::ShowDirsOnly);

} // namespace PathChoosers

#endif
