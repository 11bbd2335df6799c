// A private-profile ("INI") file layer that reads and writes the Windows
// format: [Section] lines and Key=Value lines, sections and keys matched
// without regard to case, values stored raw. Everything the program does not
// touch (other sections, keys, comments, order, line endings) is kept as it
// stands. Writes are atomic: a temporary file is renamed over the old one.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class IniDocument {
public:
    static IniDocument Parse(const QByteArray& data);
    QByteArray Serialize() const;

    // First value of the key in the first matching section that holds it.
    std::optional<QByteArray> Value(const QByteArray& section, const QByteArray& key) const;
    void SetValue(const QByteArray& section, const QByteArray& key, const QByteArray& value);

private:
    QByteArray bom_;
    QList<QByteArray> lines_; // without line terminators
    QByteArray eol_ = "\r\n";
    bool finalNewline_ = true;
};

namespace PrivateProfile {
// The folder holding the settings: $XDG_CONFIG_HOME/Quillane, by default ~/.config/Quillane.
QString SettingsFolder();
// The folder for the program's own state (statistics, notes already seen): not settings, so
// not in the settings file. $XDG_STATE_HOME/Quillane, by default ~/.local/state/Quillane.
QString StateFolder();
// A bare file name lives in the settings folder; a path is taken as it is.
QString ResolvePath(const QString& fileName);
// The value of the key, or nothing when the key, section or file is missing or unreadable.
std::optional<QString> Read(const QString& fileName, const QString& section, const QString& key);
// Replaces the file's content atomically (a temporary file renamed over it),
// making its folder when needed; false (and the file untouched) on failure.
bool SaveFile(const QString& path, const QByteArray& bytes);
// Writes the value; false (and the file untouched) when it cannot be written.
bool Write(const QString& fileName, const QString& section, const QString& key, const QString& value);
} // namespace PrivateProfile
