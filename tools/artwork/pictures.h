#ifndef ARTWORK_PICTURES_H
#define ARTWORK_PICTURES_H

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

struct PictureRecipe
{
    QString path; // below images/
    QSize size;
    std::function<void(QPainter&, const QSize&)> paint;
};

// Every still picture of the resources, with the size the program expects it at.
QList<PictureRecipe> AllPictures();

QImage RenderPicture(const PictureRecipe& recipe);

// The frames of the waiting animation, on a transparent background.
QList<QImage> LoadingFrames(int count, const QSize& size);

#endif
