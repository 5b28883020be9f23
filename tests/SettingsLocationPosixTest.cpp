#include "panel/ConnectionSettings.h"
#include "tests/ScratchSettings.h"

#include <QFile>
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
