// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CPATHCOMBOBOX_H
#define CPATHCOMBOBOX_H

#include <QComboBox>

// A combo box whose drop-down is a file or folder chooser; the chosen path becomes its only
// item (several files in "open files" mode). Only the arrow strip at the right opens it.
class CPathComboBox : public QComboBox
{
    Q_OBJECT

public:
    enum PathMode
    {
        SaveFileMode = 0,
        OpenFileMode = 1,
        DirectoryMode = 2,
        OpenFilesMode = 3
    };

    explicit CPathComboBox(QWidget* parent = nullptr);
    ~CPathComboBox() override;

    void SetPathMode(int mode);
    int PathMode() const { return m_iMode; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    QString Caption() const { return m_caption; }
    void SetFilter(const QString& filter) { m_filter = filter; }
    QString Filter() const { return m_filter; }

    // The extension a saved name gets from a filter: from just after its first "*" up to the
    // first blank, ")" or ";" (or the end); empty without a "*".
    static QString FilterExtension(const QString& filter);

    void showPopup() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowOnlyPath(const QString& path);

    int m_iMode;
    QString m_caption;
    QString m_filter;
};

#endif
