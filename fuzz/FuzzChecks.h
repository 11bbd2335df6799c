// The checks the fuzz targets run on one input. The fuzzers abort when a
// check reports a broken property; the regression test replays the kept
// inputs through the same functions. Each returns an empty string when every
// property holds, else what went wrong.
#pragma once

#include <QByteArray>
#include <QString>

// The input's first line names what to read and write ("Section\tKey\tValue\t
// Section2\tKey2"); the rest is a settings file. Parses it, reads both keys,
// writes the first, and checks that the text round-trips and that reads
// agree before and after. Also runs the number, state and colour conversions
// on the values, and the same reads and writes through a real file in
// scratchDir.
QString CheckSettingsInput(const QByteArray& data, const QString& scratchDir);

// Stores the input in scratchDir under each picture extension the
// preferences accept and loads it as they do.
QString CheckPictureInput(const QByteArray& data, const QString& scratchDir);
