#include "FormPlacement.h"
#include "PrivateProfile.h"
#include "Profile.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { TestSupport::ClearSettings(); }
    TProfile Key(const QString& section, const QString& entry) { return TProfile(section, entry); }
};
} // namespace

TEST_F(ProfileTest, FileIsCreatedOnFirstWriteInTheConfigFolder) {
    EXPECT_FALSE(QFile::exists(TestSupport::SettingsFile()));
    EXPECT_EQ(Key("Preferences", "DoSound").Text(), "None");
    ASSERT_TRUE(Key("Preferences", "DoSound").SetState(true));
    ASSERT_TRUE(Key("Preferences", "BackIndex").SetValue(2));
    EXPECT_EQ(PrivateProfile::ResolvePath("Solitaire.ini"), TestSupport::SettingsFile());
    EXPECT_EQ(ReadAll(TestSupport::SettingsFile()), QByteArray("[Preferences]\r\nDoSound=True\r\nBackIndex=2\r\n"));
    EXPECT_TRUE(Key("preferences", "dosound").State());
    EXPECT_EQ(Key("PREFERENCES", "backindex").Value(), 2);
}

TEST_F(ProfileTest, ReadsAndRewritesAWindowsFileKeepingEverythingElse) {
    const QByteArray original = "; written by hand\r\n"
                                "[MainWindow]\r\n"
                                "NormPos=10,20,300,400\r\n"
                                "\r\n"
                                "[Preferences]\r\n"
                                "BackgroundColor = $00FF0000 \r\n"
                                "BackIndex=1\r\n"
                                "BackIndex=2\r\n"
                                "Unknown=keep me\r\n"
                                "\r\n"
                                "[Klondike]\r\n"
                                "DrawThree=False\r\n";
    WriteAll(TestSupport::SettingsFile(), original);
    EXPECT_EQ(Key("MainWindow", "NormPos").Text(), "10,20,300,400"); // commas kept
    EXPECT_EQ(Key("Preferences", "BackgroundColor").Text(), "$00FF0000");
    EXPECT_EQ(Key("Preferences", "BackIndex").Value(), 1); // first duplicate wins

    ASSERT_TRUE(Key("Preferences", "BACKINDEX").SetValue(3));
    ASSERT_TRUE(Key("Preferences", "DoSound").SetState(false));
    ASSERT_TRUE(Key("Golf", "Wrap").SetState(true));
    QByteArray expected = original;
    expected.replace("BackIndex=1\r\n", "BackIndex=3\r\n");
    expected.replace("Unknown=keep me\r\n", "Unknown=keep me\r\nDoSound=False\r\n");
    expected += "\r\n[Golf]\r\nWrap=True\r\n";
    EXPECT_EQ(ReadAll(TestSupport::SettingsFile()), expected);
}

TEST_F(ProfileTest, UnixLineEndingsAndByteOrderMarkSurviveARewrite) {
    WriteAll(TestSupport::SettingsFile(), "\xEF\xBB\xBF[Preferences]\nDoSound=yes\nTail=1");
    EXPECT_TRUE(Key("Preferences", "DoSound").State());
    ASSERT_TRUE(Key("Preferences", "DoSound").SetText("No"));
    EXPECT_EQ(ReadAll(TestSupport::SettingsFile()), QByteArray("\xEF\xBB\xBF[Preferences]\nDoSound=No\nTail=1"));
}

TEST_F(ProfileTest, BooleansAndNumbers) {
    struct Case {
        const char* text;
        bool state;
        int value;
    } cases[] = {{"True", true, 1},   {"yes", true, 1},      {"YES", true, 1},        {"1", true, 1},
                 {"on", false, 0},    {"False", false, 0},   {"0", false, 0},         {"-12", false, -12},
                 {"$10", false, 16},  {"2147483647", false, 2147483647},  {"99999999999", false, 0},
                 {"12abc", false, 0}, {"", false, 0},        {"None", false, 0},      {"maybe", false, 0},
                 {"2", false, 2},     {"yes!", false, 0},    {"Yes", true, 1},        {"tRuE", true, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(TProfile::TextToState(c.text), c.state) << c.text;
        EXPECT_EQ(TProfile::TextToValue(c.text), c.value) << c.text;
    }
}

// An empty value is a stored text like any other; a line without "=" holds no key.
TEST_F(ProfileTest, AnEmptyValueIsPresentAndReadsFalseAndZero) {
    WriteAll(TestSupport::SettingsFile(), "[Preferences]\r\nDoSound=\r\nBackIndex = \r\nDoAnimation\r\n");
    EXPECT_EQ(Key("Preferences", "DoSound").Text(), "");
    EXPECT_FALSE(Key("Preferences", "DoSound").State());
    EXPECT_EQ(Key("Preferences", "BackIndex").Text(), "");
    EXPECT_EQ(Key("Preferences", "BackIndex").Value(), 0);
    EXPECT_EQ(Key("Preferences", "DoAnimation").Text(), "None");
}

TEST_F(ProfileTest, NothingIsWrittenWithoutFileSectionOrEntry) {
    TProfile p("Preferences", "");
    EXPECT_FALSE(p.SetText("x"));
    p.Entry = "Key";
    p.Section.clear();
    EXPECT_FALSE(p.SetText("x"));
    p.Section = "Preferences";
    p.FileName.clear();
    EXPECT_FALSE(p.SetText("x"));
    EXPECT_EQ(p.Text(), "None");
    EXPECT_FALSE(QFile::exists(TestSupport::SettingsFile()));
}

TEST_F(ProfileTest, LongValuesAreKeptWhole) {
    const QString path = "/tmp/" + QString(600, QLatin1Char('d')) + "/back.bmp";
    ASSERT_TRUE(Key("Preferences", "CustomImage").SetText(path));
    EXPECT_EQ(Key("Preferences", "CustomImage").Text(), path);
}

TEST_F(ProfileTest, ValuesCannotBreakTheLineStructure) {
    ASSERT_TRUE(Key("Preferences", "CustomImage").SetText("a\r\n[Evil]\nDoSound=False"));
    EXPECT_EQ(Key("Evil", "DoSound").Text(), "None");
    EXPECT_EQ(Key("Preferences", "DoSound").Text(), "None");
}

TEST_F(ProfileTest, DamagedFilesReadAsMissingKeys) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage += char((i * 131 + 7) % 256);
    const QByteArray longLine(200000, 'x');
    WriteAll(TestSupport::SettingsFile(),
             garbage + "\n" + longLine + "\nno equals sign\n[Preferences\n=orphan\n[Preferences]\n" +
                 "DoSound\nBackIndex=2\n[Preferences]\nBackIndex=3\nCardSize=" + longLine + "\n");
    EXPECT_EQ(Key("Preferences", "DoSound").Text(), "None");
    EXPECT_EQ(Key("Preferences", "BackIndex").Value(), 2);
    EXPECT_EQ(Key("Preferences", "CardSize").Text().size(), longLine.size());
    EXPECT_EQ(Key("Nowhere", "x").Text(), "None");
    // Rewriting keeps the damaged content byte for byte apart from the key.
    ASSERT_TRUE(Key("Preferences", "BackIndex").SetValue(1));
    const QByteArray after = ReadAll(TestSupport::SettingsFile());
    EXPECT_TRUE(after.startsWith(garbage));
    EXPECT_TRUE(after.contains("\nBackIndex=1\n[Preferences]\nBackIndex=3\n"));
}

TEST_F(ProfileTest, FailedWritesLeaveTheOldFileWhole) {
    const QByteArray original = "[Preferences]\r\nBackIndex=2\r\n";
    WriteAll(TestSupport::SettingsFile(), original);
    const QString folder = QFileInfo(TestSupport::SettingsFile()).absolutePath();

    // A folder that cannot be written: the rename never happens.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool root = QFileInfo(folder).isWritable(); // root ignores permissions
    if (!root) {
        EXPECT_FALSE(Key("Preferences", "BackIndex").SetValue(3));
        EXPECT_EQ(ReadAll(TestSupport::SettingsFile()), original);
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // The settings path taken by a folder: reads give defaults, writes fail.
    TestSupport::ClearSettings();
    QDir().mkpath(TestSupport::SettingsFile());
    EXPECT_EQ(Key("Preferences", "BackIndex").Text(), "None");
    EXPECT_FALSE(Key("Preferences", "BackIndex").SetValue(3));
    EXPECT_TRUE(QFileInfo(TestSupport::SettingsFile()).isDir());
    TestSupport::ClearSettings();

    // A settings folder that is a plain file: nothing to create, no crash.
    WriteAll(TestSupport::ConfigHome() + "/Quillane", "not a folder");
    EXPECT_FALSE(Key("Preferences", "BackIndex").SetValue(3));
    QFile::remove(TestSupport::ConfigHome() + "/Quillane");
}

TEST_F(ProfileTest, TheFirstFailedWriteOfARunIsReportedNamingTheFile) {
    QStringList reports;
    TProfile::WriteFailureHandler = [&](const QString& message) { reports << message; };
    TProfile::ResetWriteFailureReport();
    QDir().mkpath(TestSupport::SettingsFile()); // the file's place taken by a folder
    EXPECT_FALSE(Key("Preferences", "DoSound").SetState(false));
    EXPECT_FALSE(Key("Preferences", "BackIndex").SetValue(2));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(TestSupport::SettingsFile())) << reports[0].toStdString();
    TProfile::WriteFailureHandler = nullptr;
}

TEST_F(ProfileTest, OnlyARectangleHoldingTheClientAreaIsSavedAsAPosition) {
    EXPECT_TRUE(TFormPlacement::IsPlaced(QRect(474, 381, 331, 262), QSize(329, 241))); // with its frame
    EXPECT_FALSE(TFormPlacement::IsPlaced(QRect(192, 140, 1, 1), QSize(329, 241)));    // not placed yet
}
