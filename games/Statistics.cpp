#include "Statistics.h"

#include "Dialogs.h"
#include "GameRegistry.h"
#include "PrivateProfile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace {
const QByteArray kHeader("Statistics");
const QByteArray kVersion("1");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// A non-negative whole number, or nothing.
std::optional<qint64> Count(const QByteArray& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < 0) return std::nullopt;
    return value;
}

QByteArray DealText(const TDealRecord& d) {
    return QByteArray::number(d.Number) + ',' + d.Ended.toString(kDateFormat).toLatin1() + ',' +
           (d.Won ? "Won" : "Lost") + ',' + QByteArray::number(d.Moves) + ',' + QByteArray::number(d.Seconds);
}

std::optional<TDealRecord> ParseDeal(const QByteArray& text) {
    const QList<QByteArray> parts = text.split(',');
    if (parts.size() != 5) return std::nullopt;
    TDealRecord d;
    bool ok = false;
    d.Number = parts[0].trimmed().toUInt(&ok);
    if (!ok) return std::nullopt;
    d.Ended = QDateTime::fromString(QString::fromLatin1(parts[1].trimmed()), kDateFormat);
    const QByteArray result = parts[2].trimmed();
    if (!d.Ended.isValid() || (result != "Won" && result != "Lost")) return std::nullopt;
    d.Won = result == "Won";
    const auto moves = Count(parts[3].trimmed());
    const auto seconds = Count(parts[4].trimmed());
    if (!moves || !seconds || *moves > 1000000) return std::nullopt;
    d.Moves = int(*moves);
    d.Seconds = *seconds;
    return d;
}

// The integer figures of a game by key, for reading and writing alike.
template <class Figures, class Visit> void EachCount(Figures& f, Visit visit) {
    visit("Played", f.Played);
    visit("Won", f.Won);
    visit("WinningStreak", f.WinningStreak);
    visit("LosingStreak", f.LosingStreak);
    visit("LongestWinningStreak", f.LongestWinningStreak);
    visit("LongestLosingStreak", f.LongestLosingStreak);
    visit("FewestMoves", f.FewestMoves);
    visit("FastestWin", f.FastestWin);
    visit("TotalSeconds", f.TotalSeconds);
}

// One game's section; nothing when a value is not what the program writes.
std::optional<TGameFigures> ParseGame(const IniDocument& doc, const QByteArray& section) {
    TGameFigures f;
    bool ok = true;
    EachCount(f, [&](const char* key, auto& field) {
        const auto text = doc.Value(section, key);
        if (!text) return;
        const auto value = Count(*text);
        if (!value || *value > std::numeric_limits<int>::max())
            ok = false;
        else
            field = static_cast<std::remove_reference_t<decltype(field)>>(*value);
    });
    if (!ok || f.Won > f.Played || (f.WinningStreak > 0 && f.LosingStreak > 0)) return std::nullopt;
    for (int i = 1; i <= TGameFigures::kRecentDeals; ++i) {
        const auto text = doc.Value(section, "Deal" + QByteArray::number(i));
        if (!text) break;
        const auto deal = ParseDeal(*text);
        if (!deal) return std::nullopt;
        f.Recent.append(*deal);
    }
    return f;
}

QByteArray Serialize(const TStatisticsStore::Figures& all) {
    IniDocument doc = IniDocument::Parse("[" + kHeader + "]\nVersion=" + kVersion + "\n");
    for (const TSolitaireGame& game : SolitaireGames()) {
        const QString name = QLatin1String(game.Name);
        TGameFigures f = all.value(name);
        if (f == TGameFigures()) continue;
        const QByteArray section = name.toUtf8();
        EachCount(
            f, [&](const char* key, auto& field) { doc.SetValue(section, key, QByteArray::number(field)); });
        for (int i = 0; i < f.Recent.size(); ++i)
            doc.SetValue(section, "Deal" + QByteArray::number(i + 1), DealText(f.Recent[i]));
    }
    return doc.Serialize();
}

// Holds the file's lock while it lives, when the lock can be had; two copies
// of the program then never lose each other's deals. Without it the write is
// still atomic, so the file cannot be damaged either way.
class TFileLock {
public:
    explicit TFileLock(const QString& path) : lock_(path + QStringLiteral(".lock")) {
        lock_.setStaleLockTime(10000);
        lock_.tryLock(500);
    }

private:
    QLockFile lock_;
};
} // namespace

void TGameFigures::Add(const TDealRecord& deal) {
    ++Played;
    TotalSeconds += deal.Seconds;
    if (deal.Won) {
        FewestMoves = Won == 0 ? deal.Moves : std::min(FewestMoves, deal.Moves);
        FastestWin = Won == 0 ? deal.Seconds : std::min(FastestWin, deal.Seconds);
        ++Won;
        ++WinningStreak;
        LosingStreak = 0;
        LongestWinningStreak = std::max(LongestWinningStreak, WinningStreak);
    } else {
        ++LosingStreak;
        WinningStreak = 0;
        LongestLosingStreak = std::max(LongestLosingStreak, LosingStreak);
    }
    Recent.prepend(deal);
    while (Recent.size() > kRecentDeals)
        Recent.removeLast();
}

int TGameFigures::WinRate() const {
    return Played == 0 ? 0 : int((Won * 200LL + Played) / (2LL * Played));
}

QString DurationText(qint64 seconds) {
    const qint64 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    const QString ss = QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
    if (h > 0) return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(ss);
    return QStringLiteral("%1:%2").arg(m).arg(ss);
}

QString StreakText(const TGameFigures& f) {
    if (f.WinningStreak > 0)
        return QCoreApplication::translate("TStatisticsDlg", "%n won", nullptr, f.WinningStreak);
    if (f.LosingStreak > 0)
        return QCoreApplication::translate("TStatisticsDlg", "%n lost", nullptr, f.LosingStreak);
    return QCoreApplication::translate("TStatisticsDlg", "none");
}

QString FiguresToolTip(const TGameFigures& f) {
    return QCoreApplication::translate("TStatisticsDlg", "Played: %1   Won: %2   Win rate: %3%")
        .arg(f.Played)
        .arg(f.Won)
        .arg(f.WinRate());
}

TStatisticsStore::TStatisticsStore(QString path)
    : Warn([](const QString& text) { Dialogs().Warning(QApplication::activeWindow(), text); }),
      path_(std::move(path)) {}

TStatisticsStore& TStatisticsStore::Instance() {
    static TStatisticsStore store(PrivateProfile::StateFolder() + QStringLiteral("/statistics.ini"));
    return store;
}

TGameFigures TStatisticsStore::Of(const QString& game) {
    EnsureLoaded();
    return figures_.value(game);
}

void TStatisticsStore::Record(const QString& game, const TDealRecord& deal) {
    Update([&](Figures& all) { all[game].Add(deal); });
}

void TStatisticsStore::Reset(const QString& game) {
    Update([&](Figures& all) {
        if (game.isEmpty())
            all.clear();
        else
            all.remove(game);
    });
}

void TStatisticsStore::EnsureLoaded() {
    if (loaded_) return;
    {
        TFileLock lock(path_);
        figures_ = Load();
        loaded_ = true;
    }
    TellPlayer();
}

void TStatisticsStore::TellPlayer() {
    // Told only once the lock is given back: the player may take his time.
    const QStringList texts = std::exchange(untold_, {});
    for (const QString& text : texts)
        Warn(text);
}

TStatisticsStore::Figures TStatisticsStore::Load() {
    Figures all;
    const QFileInfo info(path_);
    if (!info.exists()) return all;
    QFile file(path_);
    std::optional<QByteArray> data;
    if (info.isFile() && file.open(QIODevice::ReadOnly)) data = file.readAll();
    bool damaged = !data.has_value();
    if (data && !data->isEmpty()) {
        const IniDocument doc = IniDocument::Parse(*data);
        damaged = data->contains('\0') || doc.Value(kHeader, "Version") != kVersion;
        for (const TSolitaireGame& game : SolitaireGames()) {
            if (damaged) break;
            const QString name = QLatin1String(game.Name);
            const auto figures = ParseGame(doc, name.toUtf8());
            if (!figures)
                damaged = true;
            else if (!(*figures == TGameFigures()))
                all.insert(name, *figures);
        }
    }
    if (!damaged) return all;
    // Keep the damaged file for a look, and start again from nothing.
    const QString aside = path_ + QStringLiteral(".bad");
    QFile::remove(aside);
    QFile::rename(path_, aside);
    untold_ << (QCoreApplication::translate("TStatisticsDlg",
                                            "The statistics file was damaged. It has been set aside "
                                            "as \"%1\", and the statistics start again from zero.")
                    .arg(QDir::toNativeSeparators(aside)));
    return {};
}

void TStatisticsStore::Update(const std::function<void(Figures&)>& change) {
    EnsureLoaded();
    if (memoryOnly_) {
        change(figures_);
        return;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    bool saved = false;
    {
        TFileLock lock(path_);
        // Another copy of the program may have written since: build on the file.
        Figures fresh = Load();
        change(fresh);
        figures_ = fresh;
        saved = PrivateProfile::SaveFile(path_, Serialize(fresh));
    }
    if (!saved) {
        memoryOnly_ = true;
        untold_ << QCoreApplication::translate(
                       "TStatisticsDlg",
                       "The statistics cannot be saved in \"%1\". They are kept until Quillane closes.")
                       .arg(QDir::toNativeSeparators(QFileInfo(path_).absolutePath()));
    }
    TellPlayer();
}
