#include "PrivateProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool SameName(const QByteArray& a, const QByteArray& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The section named by a "[Name]" line, or nothing for any other line.
std::optional<QByteArray> SectionName(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (!t.startsWith('[')) return std::nullopt;
    const qsizetype close = t.indexOf(']');
    if (close < 0) return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

// Splits "Key=Value"; comments and lines without "=" hold no key.
bool SplitKey(const QByteArray& line, QByteArray* key, QByteArray* value) {
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';')) return false;
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0) return false;
    *key = t.left(eq).trimmed();
    *value = t.mid(eq + 1).trimmed();
    return !key->isEmpty();
}

// A value must stay on its own line.
QByteArray OneLine(QByteArray value) {
    value.replace('\r', ' ');
    value.replace('\n', ' ');
    return value;
}
} // namespace

IniDocument IniDocument::Parse(const QByteArray& raw) {
    IniDocument doc;
    QByteArray data = raw;
    if (data.startsWith(kUtf8Bom)) {
        doc.bom_ = kUtf8Bom;
        data.remove(0, kUtf8Bom.size());
    }
    if (data.isEmpty()) return doc;
    doc.eol_ = data.contains("\r\n") || !data.contains('\n') ? QByteArray("\r\n") : QByteArray("\n");
    doc.finalNewline_ = data.endsWith('\n');
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype nl = data.indexOf('\n', start);
        if (nl < 0) nl = data.size();
        QByteArray line = data.mid(start, nl - start);
        // Only a "\r\n" ends a line; a lone "\r" at the very end is content to keep.
        if (nl < data.size() && line.endsWith('\r')) line.chop(1);
        doc.lines_.append(line);
        start = nl + 1;
    }
    return doc;
}

QByteArray IniDocument::Serialize() const {
    QByteArray out = bom_;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || finalNewline_) out += eol_;
    }
    return out;
}

std::optional<QByteArray> IniDocument::Value(const QByteArray& section, const QByteArray& key) const {
    bool inSection = false;
    QByteArray k, v;
    for (const QByteArray& line : lines_) {
        if (auto name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (inSection && SplitKey(line, &k, &v) && SameName(k, key)) return v;
    }
    return std::nullopt;
}

void IniDocument::SetValue(const QByteArray& section, const QByteArray& key, const QByteArray& value) {
    const QByteArray text = key + '=' + OneLine(value);
    bool inSection = false;
    qsizetype firstSectionEnd = -1; // index after the last non-blank line of the first matching section
    bool firstSectionDone = false;
    QByteArray k, v;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (auto name = SectionName(lines_[i])) {
            if (inSection) firstSectionDone = true;
            inSection = SameName(*name, section);
            if (inSection && !firstSectionDone) firstSectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (SplitKey(lines_[i], &k, &v) && SameName(k, key)) {
            lines_[i] = k + '=' + OneLine(value);
            return;
        }
        if (!firstSectionDone && !lines_[i].trimmed().isEmpty()) firstSectionEnd = i + 1;
    }
    if (firstSectionEnd >= 0) {
        lines_.insert(firstSectionEnd, text);
        return;
    }
    if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty()) lines_.append(QByteArray());
    lines_.append('[' + section + ']');
    lines_.append(text);
    finalNewline_ = true;
}

namespace PrivateProfile {

QString SettingsFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Quillane");
}

QString StateFolder() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/Quillane");
}

QString ResolvePath(const QString& fileName) {
    if (fileName.contains(QLatin1Char('/'))) return fileName;
    return SettingsFolder() + QLatin1Char('/') + fileName;
}

namespace {
// Reads the whole file; nothing when it exists but cannot be read.
std::optional<QByteArray> ReadFile(const QString& path, bool* exists) {
    QFileInfo info(path);
    *exists = info.exists();
    if (!*exists) return QByteArray();
    if (!info.isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}
} // namespace

std::optional<QString> Read(const QString& fileName, const QString& section, const QString& key) {
    if (fileName.isEmpty() || section.isEmpty() || key.isEmpty()) return std::nullopt;
    bool exists = false;
    const auto data = ReadFile(ResolvePath(fileName), &exists);
    if (!data || data->isEmpty()) return std::nullopt;
    const auto value = IniDocument::Parse(*data).Value(section.toUtf8(), key.toUtf8());
    if (!value) return std::nullopt;
    return QString::fromUtf8(*value);
}

bool Write(const QString& fileName, const QString& section, const QString& key, const QString& value) {
    if (fileName.isEmpty() || section.isEmpty() || key.isEmpty()) return false;
    const QString path = ResolvePath(fileName);
    bool exists = false;
    const auto data = ReadFile(path, &exists);
    if (!data) return false; // never replace a file whose content we could not read
    IniDocument doc = IniDocument::Parse(*data);
    // The value already stands there: nothing to write. Each write forces the
    // file to the disk, and closing a window would otherwise write every
    // position key again.
    if (exists && doc.Value(section.toUtf8(), key.toUtf8()) == value.toUtf8()) return true;
    doc.SetValue(section.toUtf8(), key.toUtf8(), value.toUtf8());
    return SaveFile(path, doc.Serialize());
}

bool SaveFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace PrivateProfile
