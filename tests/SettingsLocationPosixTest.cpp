#include "panel/ConnectionSettings.h"
#include "tests/ScratchSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pendra;
using namespace pendra::test;

TEST(SettingsLocation, IsTheApplicationsOwnFileUnderXdgConfigHome)
{
    ScratchSettings scratch;
    ConnectionSettings settings(scratch.name());
    const QString path = scratch.configHomePath() + "/Orvane/Metrova/" + scratch.name() + ".conf";
    EXPECT_EQ(settings.storeLocation(), path);
    int displayErrors = 0;
    settings.loadSettings(displayErrors);
    EXPECT_FALSE(QFile::exists(path)) << "loading must not write";
    settings.saveSettings(1);
    EXPECT_TRUE(QFile::exists(path));
}

TEST(SettingsLocation, WithoutXdgConfigHomeTheFileIsUnderHomeConfig)
{
    ScratchSettings scratch;
    const QByteArray savedHome = qgetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("HOME", scratch.configHomePath().toUtf8());
    ConnectionSettings settings("pendra");
    EXPECT_EQ(settings.storeLocation(),
              scratch.configHomePath() + "/.config/Orvane/Metrova/pendra.conf");
    qputenv("HOME", savedHome);
}

TEST(SettingsLocation, EnforcedValuesComeFromTheFirstConfigDirThatSetsThem)
{
    ScratchSettings scratch;
    QTemporaryDir first, second, broken;
    const auto policyFile = [&](const QTemporaryDir& folder) {
        return folder.path() + "/Orvane/Metrova/" + scratch.name() + "-policy.conf";
    };
    QSettings(policyFile(first), QSettings::IniFormat).setValue("Remote_IP_Port", "7701");
    QSettings inSecond(policyFile(second), QSettings::IniFormat);
    inSecond.setValue("Remote_IP_Port", "7702");
    inSecond.setValue("Remote_IP_Address", "127.0.0.8");
    inSecond.sync();
    qputenv("XDG_CONFIG_DIRS", (first.path() + ":" + second.path()).toUtf8());
    ConnectionSettings settings(scratch.name());
    int displayErrors = 0;
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.remotePort, "7701");
    EXPECT_EQ(settings.remoteAddress, "127.0.0.8");
    EXPECT_TRUE(settings.readProblem().isEmpty()) << settings.readProblem().toStdString();

    // A policy that cannot be read is named by its place.
    ASSERT_TRUE(QDir().mkpath(policyFile(broken)));
    qputenv("XDG_CONFIG_DIRS", (broken.path() + ":" + second.path()).toUtf8());
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.readProblem(), policyFile(broken) + " is a folder, not a settings file");
    EXPECT_EQ(settings.remotePort, "7702");
}
