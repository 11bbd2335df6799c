// Properties of the settings-file reader that must hold for any bytes.
#include "FuzzChecks.h"

#include "ColorText.h"
#include "PrivateProfile.h"
#include "Profile.h"

#include <QFile>
#include <QList>

namespace {
// Names the program could use: printable ASCII without the characters that
// mean something in the file ("[", "]", "=", ";"), no outer blanks.
QByteArray SafeName(const QByteArray& raw, const char* fallback) {
    QByteArray name;
    for (char c : raw)
        if (c >= ' ' && c <= '~' && c != '[' && c != ']' && c != '=' && c != ';') name += c;
    name = name.trimmed();
    return name.isEmpty() ? QByteArray(fallback) : name;
}

bool SameName(const QByteArray& a, const QByteArray& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString Show(const std::optional<QByteArray>& v) {
    return v ? QStringLiteral("\"%1\"").arg(QString::fromLatin1(v->toPercentEncoding(" "))) : QStringLiteral("nothing");
}

// The value a read returns after a write: line breaks become blanks, outer blanks go.
QByteArray AsStored(QByteArray value) {
    value.replace('\r', ' ');
    value.replace('\n', ' ');
    return value.trimmed();
}

// Line endings are kept byte for byte unless a file mixes "\r\n" with bare "\n".
bool ConsistentLineEnds(const QByteArray& text) {
    const qsizetype crlf = text.count("\r\n");
    return crlf == 0 || crlf == text.count('\n');
}

QString CheckConversions(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    int number = 0;
    if (TProfile::ParseInteger(text, &number)) {
        int again = 0;
        if (!TProfile::ParseInteger(QString::number(number), &again) || again != number)
            return QStringLiteral("integer %1 does not read back").arg(number);
        if (TProfile::TextToValue(text) != number) return QStringLiteral("TextToValue disagrees with ParseInteger");
    } else if (TProfile::TextToValue(text) != (TProfile::TextToState(text) ? 1 : 0)) {
        return QStringLiteral("TextToValue of a non-number is neither 0 nor 1 by its state");
    }
    if (const auto color = StringToColor(text)) {
        if (*color > 0xFFFFFF) return QStringLiteral("colour out of range");
        if (StringToColor(ColorToString(*color)) != color) return QStringLiteral("colour does not read back");
    }
    QList<quint32> colors;
    StringToCustomColors(text, &colors);
    if (colors.size() != CustomColorCount) return QStringLiteral("custom colour list has %1 entries").arg(colors.size());
    QList<quint32> again;
    StringToCustomColors(CustomColorsToString(colors), &again);
    if (again != colors) return QStringLiteral("custom colours do not read back");
    return {};
}

QString CheckFile(const QByteArray& file, const QString& path, const QByteArray& s, const QByteArray& k,
                  const QByteArray& v, const std::optional<QByteArray>& before2, const QByteArray& s2,
                  const QByteArray& k2) {
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(file) != file.size())
            return QStringLiteral("cannot write the scratch file %1").arg(path);
    }
    TProfile first(QString::fromUtf8(s), QString::fromUtf8(k));
    first.FileName = path;
    TProfile second(QString::fromUtf8(s2), QString::fromUtf8(k2));
    second.FileName = path;
    const QString expected2 = before2 ? QString::fromUtf8(*before2) : second.DefaultText;
    if (second.Text() != expected2) return QStringLiteral("TProfile reads the file differently from IniDocument");
    const QString value = QString::fromUtf8(v);
    if (!first.SetText(value)) return QStringLiteral("TProfile::SetText failed");
    if (first.Text() != QString::fromUtf8(AsStored(value.toUtf8())))
        return QStringLiteral("TProfile reads back \"%1\" after writing \"%2\"").arg(first.Text(), value);
    if (!(SameName(s, s2) && SameName(k, k2)) && second.Text() != expected2)
        return QStringLiteral("writing one key changed another in the file");
    return {};
}
} // namespace

QString CheckSettingsInput(const QByteArray& data, const QString& scratchDir) {
    const qsizetype nl = data.indexOf('\n');
    const QByteArray header = nl < 0 ? data : data.left(nl);
    const QByteArray file = nl < 0 ? QByteArray() : data.mid(nl + 1);
    const QList<QByteArray> fields = header.split('\t');
    const auto field = [&](int i) { return i < fields.size() ? fields[i] : QByteArray(); };
    const QByteArray s = SafeName(field(0), "Preferences");
    const QByteArray k = SafeName(field(1), "BackIndex");
    const QByteArray v = field(2);
    const QByteArray s2 = SafeName(field(3), "Klondike");
    const QByteArray k2 = SafeName(field(4), "DrawThree");

    // Untouched text is written back as it was read.
    IniDocument doc = IniDocument::Parse(file);
    const QByteArray text = doc.Serialize();
    if (ConsistentLineEnds(file) && text != file)
        return QStringLiteral("untouched file changed: %1 -> %2")
            .arg(QString::fromLatin1(file.toPercentEncoding()), QString::fromLatin1(text.toPercentEncoding()));
    if (IniDocument::Parse(text).Serialize() != text) return QStringLiteral("serializing twice changes the text");

    // Reads give one trimmed line, and the same after a round trip through the text.
    const auto before1 = doc.Value(s, k);
    const auto before2 = doc.Value(s2, k2);
    for (const auto& read : {before1, before2})
        if (read && (read->contains('\n') || *read != read->trimmed()))
            return QStringLiteral("a read returned %1").arg(Show(read));
    const IniDocument reparsed = IniDocument::Parse(text);
    if (reparsed.Value(s, k) != before1 || reparsed.Value(s2, k2) != before2)
        return QStringLiteral("reading the serialized text gives other values");

    // A write is read back, leaves other keys alone and survives a round trip.
    doc.SetValue(s, k, v);
    const bool sameKey = SameName(s, s2) && SameName(k, k2);
    const auto after1 = doc.Value(s, k);
    const auto after2 = doc.Value(s2, k2);
    if (after1 != AsStored(v)) return QStringLiteral("wrote %1, read %2").arg(Show(v), Show(after1));
    if (!sameKey && after2 != before2)
        return QStringLiteral("writing [%1] %2 changed [%3] %4 from %5 to %6")
            .arg(QString::fromLatin1(s), QString::fromLatin1(k), QString::fromLatin1(s2), QString::fromLatin1(k2),
                 Show(before2), Show(after2));
    const QByteArray written = doc.Serialize();
    const IniDocument rewritten = IniDocument::Parse(written);
    if (rewritten.Value(s, k) != after1 || rewritten.Value(s2, k2) != after2)
        return QStringLiteral("the written text reads back differently");
    if (ConsistentLineEnds(written) && IniDocument::Parse(written).Serialize() != written)
        return QStringLiteral("the written text changes when parsed again");

    for (const auto& read : {before1, before2, std::optional<QByteArray>(v)})
        if (read)
            if (QString problem = CheckConversions(*read); !problem.isEmpty()) return problem;

    return CheckFile(file, scratchDir + QStringLiteral("/Solitaire.ini"), s, k, v, before2, s2, k2);
}
