// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CFILEDIALOG_H
#define CFILEDIALOG_H

#include "widgets/dialogs/cbasedialog.h"

#include <QFileDialog>
#include <QStringList>

// The toolkit's file dialog inside the program's dialog frame, so choosing a file or folder
// looks like every other dialog. The four choosers block until the user decides; a
// cancelled chooser gives a null string (or an empty list) and leaves the selected filter
// as it was. Sizes, kinds and dates are written in the interface language's locale, and no
// chooser keeps a history or a layout: nothing is stored between runs.
class CFileDialog : public CBaseDialog
{
    Q_OBJECT

public:
    explicit CFileDialog(QWidget* parent = nullptr);
    ~CFileDialog() override;

    static QString GetSaveFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                                   const QString& dir = QString(),
                                   const QString& filter = QString(),
                                   QString* selectedFilter = nullptr,
                                   QFileDialog::Options options = QFileDialog::Options());
    static QString GetOpenFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                                   const QString& dir = QString(),
                                   const QString& filter = QString(),
                                   QString* selectedFilter = nullptr,
                                   QFileDialog::Options options = QFileDialog::Options());
    static QStringList GetOpenFileNames(QWidget* parent = nullptr,
                                        const QString& caption = QString(),
                                        const QString& dir = QString(),
                                        const QString& filter = QString(),
                                        QString* selectedFilter = nullptr,
                                        QFileDialog::Options options = QFileDialog::Options());
    static QString GetExistingDirectory(QWidget* parent = nullptr,
                                        const QString& caption = QString(),
                                        const QString& dir = QString(),
                                        const QString& filter = QString(),
                                        QFileDialog::Options options = QFileDialog::ShowDirsOnly);

    // The folder a chooser opens in: an existing folder itself, else the existing parent
    // folder of the path, else the current directory. Relative paths are taken from the
    // current directory.
    static QString StartFolder(const QString& dir);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QStringList Run(QWidget* parent, const QString& caption, const QString& dir,
                           const QString& filter, QString* selectedFilter,
                           QFileDialog::Options options, QFileDialog::FileMode mode,
                           QFileDialog::AcceptMode acceptMode);
};

#endif
