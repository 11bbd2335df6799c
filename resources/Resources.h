// Quillane's embedded pictures, sounds and animation, found by name.
//
// Names are those the program uses ("FSCARD100", "sFSCARD152", "BORDERMASK",
// "STARTUP", "KLONDIKE", "JESTER1", "SHUFFLE", "WIN_AVI", "ICON", ...) and are
// matched without regard to case. Every lookup of an unknown name gives an empty
// result; nothing here throws or logs.
//
// Pictures come at 1x and, for the cards, card backs, pile symbols, custom-back
// frames and masks, the selector's pictures and the jesters, also at 2x for
// high-density screens (twice the width and height). A 2x card keeps the magenta
// corner key of its 1x picture at double size: each key pixel of the 1x card
// becomes a 2 x 2 block, so a 2x card has 12 magenta pixels in each corner.
//
// The win clip "WIN_AVI" is stored twice: as a looping animated GIF (10 frames,
// 200 ms each, one 256-colour palette) that QMovie plays as it is, which is what
// ResourcePath/ResourceData("WIN_AVI") give; and as ten 8-bit palette PNG frames
// "WIN_AVI01" to "WIN_AVI10", which WinClipFrames() returns in order and which
// need no image-format plugin.
//
// The help pages are embedded as they are under ":/help/" (file names kept).
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The Qt resource path (":/...") of a named resource. With scale 2, the path of
// the picture's 2x variant where one exists, else the 1x path. Empty when the
// name is unknown.
QString ResourcePath(QStringView name, int scale = 1);

// The raw bytes of a named resource (a PNG, WAV or GIF file); empty when unknown.
QByteArray ResourceData(QStringView name);

// The decoded picture; null when unknown. A 2x variant carries a device pixel
// ratio of 2, so that painting it at its logical size draws every pixel.
QImage ResourceImage(QStringView name, int scale = 1);

// The ten frames of the win clip, 376 x 154 each, in playing order.
QList<QImage> WinClipFrames();

// The program icon for windows and the notification area, at 16 to 256 pixels.
// ResourcePath("ICON") is its largest (256 x 256) picture.
QIcon ProgramIcon();

// Every resource name, in upper case, sorted ("AUTOPLAY", ..., "WIN_SND").
QStringList ResourceNames();
