// SPDX-License-Identifier: GPL-3.0-or-later
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

// The picture at scale times its size, for screens with that many device pixels per
// logical pixel: the same drawing, so whole-pixel edges become scale pixels wide and curves
// gain detail instead of being blown up.
QImage RenderPicture(const PictureRecipe& recipe, int scale = 1);

// The frames of the waiting animation, on a transparent background, size in logical pixels.
QList<QImage> LoadingFrames(int count, const QSize& size, int scale = 1);

// The name of a picture's variant for scale device pixels per logical pixel, which the
// toolkit looks for beside the picture: "a/b.png" becomes "a/b@2x.png".
QString ScaledName(const QString& path, int scale);

#endif
