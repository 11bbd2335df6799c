#include "Profile.h"

#include "PrivateProfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <climits>

namespace {
bool writeFailureReported = false;

// The first failed write of a run is reported, naming the file; the values
// stay in memory for the rest of the run.
void ReportWriteFailure(const QString& fileName) {
    if (writeFailureReported) return;
    writeFailureReported = true;
    const QString path = PrivateProfile::ResolvePath(fileName);
    qWarning().noquote() << "Quillane: cannot write the settings file" << path;
    if (TProfile::WriteFailureHandler)
        TProfile::WriteFailureHandler(QCoreApplication::translate("TProfile",
                                                                  "Quillane could not save its settings in the file %1.\n\n"
                                                                  "Changed settings apply until Quillane closes, but they "
                                                                  "will not be kept.")
                                          .arg(path));
}
} // namespace

std::function<void(const QString&)> TProfile::WriteFailureHandler;

void TProfile::ResetWriteFailureReport() { writeFailureReported = false; }

QString TProfile::Text() const {
    return PrivateProfile::Read(FileName, Section, Entry).value_or(DefaultText);
}

bool TProfile::SetText(const QString& text) const {
    if (FileName.isEmpty() || Section.isEmpty() || Entry.isEmpty()) return false;
    if (PrivateProfile::Write(FileName, Section, Entry, text)) return true;
    ReportWriteFailure(FileName);
    return false;
}

int TProfile::Value() const { return TextToValue(Text()); }

bool TProfile::SetValue(int value) const { return SetText(QString::number(value)); }

bool TProfile::State() const { return TextToState(Text()); }

bool TProfile::SetState(bool state) const {
    return SetText(state ? QStringLiteral("True") : QStringLiteral("False"));
}

bool TProfile::TextToState(const QString& text) {
    const QString upper = text.trimmed().toUpper();
    return upper == QLatin1String("TRUE") || upper == QLatin1String("YES") || upper == QLatin1String("1");
}

bool TProfile::ParseInteger(const QString& text, int* value) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty() || !t.at(0).isLetterOrNumber()) return false;
    bool ok = false;
    const qlonglong magnitude = t.toLongLong(&ok, base);
    if (!ok) return false;
    const qlonglong signedValue = negative ? -magnitude : magnitude;
    // Hexadecimal text may spell a full 32-bit pattern ("$FFFFFFFF").
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFLL) {
        *value = static_cast<int>(static_cast<quint32>(magnitude));
        return true;
    }
    if (signedValue < INT_MIN || signedValue > INT_MAX) return false;
    *value = static_cast<int>(signedValue);
    return true;
}

int TProfile::TextToValue(const QString& text) {
    int value = 0;
    if (ParseInteger(text, &value)) return value;
    return TextToState(text) ? 1 : 0;
}
