#include "widgets/pathchoosers.h"

namespace PathChoosers {

QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter, QString* selectedFilter,
                        QFileDialog::Options options)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter, selectedFilter, options);
}

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter, QString* selectedFilter,
                        QFileDialog::Options options)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter, selectedFilter, options);
}

QStringList GetOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter, QString* selectedFilter,
                             QFileDialog::Options options)
{
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter, selectedFilter, options);
}

QString GetExistingDirectory(QWidget* parent, const QString& caption, const QString& dir,
                             const QString&, QFileDialog::Options options)
{
    return QFileDialog::getExistingDirectory(parent, caption, dir, options);
}

} // namespace PathChoosers
