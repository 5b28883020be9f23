#include "panel/ConnectionSettings.h"

#include "net/SocketApi.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pendra;

namespace {

// Each test gets a settings folder of its own.
class ConnectionSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(configHome.isValid());
        savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", savedConfigHome); }

    QString storePath() const { return configHome.path() + "/Orvane/Metrova/pendra.conf"; }

    void store(const QString& key, const QVariant& value)
    {
        QSettings file(storePath(), QSettings::IniFormat);
        file.setValue(key, value);
    }

    QTemporaryDir configHome;
    QByteArray savedConfigHome;
};

} // namespace

TEST_F(ConnectionSettingsTest, FirstRunGivesTheDefaults)
{
    ConnectionSettings settings("pendra");
    int displayErrors = 7;
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.localAddress, "");
    EXPECT_EQ(settings.remoteAddress, "");
    EXPECT_EQ(settings.localPort, "7714");
    EXPECT_EQ(settings.remotePort, "7712");
    EXPECT_EQ(displayErrors, 0);
    EXPECT_FALSE(QFile::exists(storePath())) << "loading must not write";
}

TEST_F(ConnectionSettingsTest, SavedValuesLiveInTheApplicationsOwnFileAtTopLevel)
{
    ConnectionSettings settings("pendra");
    EXPECT_EQ(settings.storeLocation(), storePath());
    settings.localAddress = "127.0.0.1";
    settings.remoteAddress = "127.0.0.2";
    settings.localPort = "7714";
    settings.remotePort = "7700";
    settings.saveSettings(1);

    QSettings file(storePath(), QSettings::IniFormat);
    EXPECT_TRUE(file.childGroups().isEmpty());
    EXPECT_EQ(file.allKeys().size(), 5);
    EXPECT_EQ(file.value("Local_IP_Address").toString(), "127.0.0.1");
    EXPECT_EQ(file.value("Remote_IP_Address").toString(), "127.0.0.2");
    EXPECT_EQ(file.value("Local_IP_Port").toString(), "7714");
    EXPECT_EQ(file.value("Remote_IP_Port").toString(), "7700");
    EXPECT_EQ(file.value("DisplayErrors").toInt(), 1);

    ConnectionSettings reloaded("pendra");
    int displayErrors = 0;
    reloaded.loadSettings(displayErrors);
    EXPECT_EQ(reloaded.localAddress, "127.0.0.1");
    EXPECT_EQ(reloaded.remoteAddress, "127.0.0.2");
    EXPECT_EQ(reloaded.remotePort, "7700");
    EXPECT_EQ(displayErrors, 1);
}

TEST_F(ConnectionSettingsTest, StoredEmptyTextsStayEmpty)
{
    store("Local_IP_Port", "");
    store("Remote_IP_Port", "");
    ConnectionSettings settings("pendra");
    int displayErrors = 0;
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.localPort, "");
    EXPECT_EQ(settings.remotePort, "");
}

TEST_F(ConnectionSettingsTest, DisplayErrorsThatIsNoNumberCountsAsOff)
{
    ConnectionSettings settings("pendra");
    int displayErrors = 1;
    store("DisplayErrors", "yes please");
    settings.loadSettings(displayErrors);
    EXPECT_EQ(displayErrors, 0);
    store("DisplayErrors", "1");
    settings.loadSettings(displayErrors);
    EXPECT_EQ(displayErrors, 1);
}

TEST_F(ConnectionSettingsTest, EachExecutableHasItsOwnValues)
{
    ConnectionSettings panel("pendra");
    panel.remoteAddress = "127.0.0.9";
    panel.saveSettings(0);
    ConnectionSettings other("pendra-test");
    int displayErrors = 0;
    other.loadSettings(displayErrors);
    EXPECT_EQ(other.remoteAddress, "");
    EXPECT_TRUE(QFile::exists(configHome.path() + "/Orvane/Metrova/pendra.conf"));
}

TEST_F(ConnectionSettingsTest, WithoutXdgConfigHomeTheFileIsUnderHomeConfig)
{
    const QByteArray savedHome = qgetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("HOME", configHome.path().toUtf8());
    ConnectionSettings settings("pendra");
    EXPECT_EQ(settings.storeLocation(), configHome.path() + "/.config/Orvane/Metrova/pendra.conf");
    qputenv("HOME", savedHome);
}

TEST(LocalHostAddress, IsDottedAndAvoidsLoopbackWhenTheMachineHasANetwork)
{
    const std::string address = localHostAddress();
    if (!socketapi::hostNameAddress()) {
        EXPECT_EQ(address, "");
        return;
    }
    const auto parsed = socketapi::parseIPv4(address);
    ASSERT_TRUE(parsed) << address;
    if (socketapi::firstInterfaceAddress()) {
        EXPECT_FALSE(socketapi::isLoopback(*parsed)) << address;
    }
}
