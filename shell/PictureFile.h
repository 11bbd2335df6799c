// Reading the pictures a user picks for the custom card back and the table
// background. BMP, JPEG and PNG go through Qt's readers, PCX through
// SDL2_image. GIF is refused by its extension.
#pragma once

#include <QImage>
#include <QString>

enum class TPictureStatus {
    Loaded,
    Missing,    // no such path
    Gif,        // a .gif file
    Unreadable, // a directory, no read permission, empty, truncated or corrupt
    TooLarge,   // more bytes or pixels than the limits below
};

struct TPictureFile {
    TPictureStatus Status = TPictureStatus::Missing;
    QImage Image; // set only when Loaded
};

TPictureFile LoadPictureFile(const QString& path);
// What the user is told about a picture over the limits, naming them.
QString PictureTooLargeMessage(const QString& path);
bool IsGifPath(const QString& path);
