// The program's embedded resources as the shell uses them: wave sounds,
// bitmaps and the win animation. A name that is not there gives an empty result.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QStringView>

namespace ShellArt {
QByteArray Data(QStringView name);
QImage Image(QStringView name);
// The ten frames of "WIN_AVI", each 376 x 154; empty when unavailable.
QList<QImage> WinFrames();
} // namespace ShellArt

namespace ShellArt {
// Makes the picture the custom card back (entry 3 of the back list) at the
// current card size; the card imagery frames it and masks its corners.
void SetCustomBack(const QImage& picture);
// The number of entries in the back list of the current card size.
int BackCount();
} // namespace ShellArt
