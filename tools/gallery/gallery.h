// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GALLERY_H
#define GALLERY_H

#include <QWidget>

// The calendar's pictures composed as its grid draws them.
class CalendarPieces : public QWidget
{
    Q_OBJECT
public:
    explicit CalendarPieces(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// One frameless window in the skin of the main window, holding every styled widget.
class GalleryWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    QWidget* TreeViewport() const { return m_pTreeViewport; }
    QRect HoverRowRect() const;

private:
    QWidget* BuildTitleBar();
    QWidget* BuildTabStrip();
    QWidget* BuildButtons();
    QWidget* BuildEditors();
    QWidget* BuildChecks();
    QWidget* BuildBars();
    QWidget* BuildViews();
    QWidget* BuildPictures();

    QWidget* m_pTreeViewport = nullptr;
    class QTreeView* m_pTree = nullptr;
};

// The two dialog frames: full (with its button bar) and compact (with the animation).
QWidget* BuildFullDialog();
QWidget* BuildCompactDialog();
QWidget* BuildMenuSample();

#endif
