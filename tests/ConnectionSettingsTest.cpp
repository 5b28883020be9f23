#include "panel/ConnectionSettings.h"

#include "net/SocketApi.h"
#include "tests/ScratchSettings.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace pendra;
using namespace pendra::test;

namespace {

// Each test gets a store of its own.
class ConnectionSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(scratch.isValid()); }

    ScratchSettings scratch;
};

} // namespace

TEST_F(ConnectionSettingsTest, FirstRunGivesTheDefaults)
{
    ConnectionSettings settings(scratch.name());
    int displayErrors = 7;
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.localAddress, "");
    EXPECT_EQ(settings.remoteAddress, "");
    EXPECT_EQ(settings.localPort, "7714");
    EXPECT_EQ(settings.remotePort, "7712");
    EXPECT_EQ(displayErrors, 0);
    EXPECT_TRUE(scratch.store()->allKeys().isEmpty()) << "loading must not write";
}

TEST_F(ConnectionSettingsTest, SavedValuesLiveInTheApplicationsOwnStoreAtTopLevel)
{
    ConnectionSettings settings(scratch.name());
    settings.localAddress = "127.0.0.1";
    settings.remoteAddress = "127.0.0.2";
    settings.localPort = "7715";
    settings.remotePort = "7700";
    settings.saveSettings(1);

    const auto store = scratch.store();
    EXPECT_TRUE(store->childGroups().isEmpty());
    EXPECT_EQ(store->allKeys().size(), 5);
    EXPECT_EQ(store->value("Local_IP_Address").toString(), "127.0.0.1");
    EXPECT_EQ(store->value("Remote_IP_Address").toString(), "127.0.0.2");
    EXPECT_EQ(store->value("Local_IP_Port").toString(), "7715");
    EXPECT_EQ(store->value("Remote_IP_Port").toString(), "7700");
    EXPECT_EQ(store->value("DisplayErrors").toInt(), 1);

    ConnectionSettings reloaded(scratch.name());
    int displayErrors = 0;
    reloaded.loadSettings(displayErrors);
    EXPECT_EQ(reloaded.localAddress, "127.0.0.1");
    EXPECT_EQ(reloaded.remoteAddress, "127.0.0.2");
    EXPECT_EQ(reloaded.remotePort, "7700");
    EXPECT_EQ(displayErrors, 1);
}

TEST_F(ConnectionSettingsTest, StoredEmptyTextsStayEmpty)
{
    scratch.set("Local_IP_Port", "");
    scratch.set("Remote_IP_Port", "");
    ConnectionSettings settings(scratch.name());
    int displayErrors = 0;
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.localPort, "");
    EXPECT_EQ(settings.remotePort, "");
}

TEST_F(ConnectionSettingsTest, DisplayErrorsThatIsNoNumberCountsAsOff)
{
    ConnectionSettings settings(scratch.name());
    int displayErrors = 1;
    scratch.set("DisplayErrors", "yes please");
    settings.loadSettings(displayErrors);
    EXPECT_EQ(displayErrors, 0);
    scratch.set("DisplayErrors", "1");
    settings.loadSettings(displayErrors);
    EXPECT_EQ(displayErrors, 1);
}

TEST_F(ConnectionSettingsTest, EachExecutableHasItsOwnValues)
{
    ConnectionSettings panel(scratch.name());
    panel.remoteAddress = "127.0.0.9";
    panel.saveSettings(0);
    ConnectionSettings other(scratch.siblingName());
    int displayErrors = 0;
    other.loadSettings(displayErrors);
    EXPECT_EQ(other.remoteAddress, "");
    EXPECT_EQ(scratch.store()->value("Remote_IP_Address").toString(), "127.0.0.9");
}

TEST_F(ConnectionSettingsTest, MachineValuesFillWhatTheUserHasNotChosen)
{
    scratch.setMachine("Remote_IP_Address", "127.0.0.5");
    scratch.setMachine("Remote_IP_Port", "7799");
    scratch.setMachine("Local_IP_Port", "");
    scratch.setMachine("DisplayErrors", 1);
    scratch.set("Remote_IP_Port", "7700");
    ConnectionSettings settings(scratch.name());
    int displayErrors = 0;
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.remoteAddress, "127.0.0.5");
    EXPECT_EQ(settings.remotePort, "7700") << "the user's own value wins";
    EXPECT_EQ(settings.localPort, "7714") << "an empty machine value counts as unset";
    EXPECT_EQ(displayErrors, 1);
    EXPECT_TRUE(settings.readProblem().isEmpty()) << settings.readProblem().toStdString();
}

TEST_F(ConnectionSettingsTest, SavingKeepsNoUserCopyOfAMachineValue)
{
    scratch.setMachine("Remote_IP_Address", "127.0.0.5");
    scratch.setMachine("DisplayErrors", 1);
    scratch.set("Remote_IP_Address", "127.0.0.6");
    ConnectionSettings settings(scratch.name());
    int displayErrors = 0;
    settings.loadSettings(displayErrors);
    settings.remoteAddress = "127.0.0.5"; // set back in Setup
    settings.remotePort = "7700";
    settings.saveSettings(displayErrors);
    EXPECT_EQ(scratch.store()->allKeys(), QStringList{"Remote_IP_Port"});

    // IT's later change reaches this user; the user's own port stays.
    scratch.setMachine("Remote_IP_Address", "127.0.0.7");
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.remoteAddress, "127.0.0.7");
    EXPECT_EQ(settings.remotePort, "7700");
}

TEST_F(ConnectionSettingsTest, EnforcedValuesWinAndLeaveTheUsersOwnForLater)
{
    scratch.set("Remote_IP_Address", "127.0.0.6");
    scratch.setMachine("Remote_IP_Port", "7799");
    scratch.setEnforced("Remote_IP_Address", "127.0.0.9");
    scratch.setEnforced("DisplayErrors", 1);
    ConnectionSettings settings(scratch.name());
    int displayErrors = 0;
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.remoteAddress, "127.0.0.9");
    EXPECT_EQ(displayErrors, 1);
    EXPECT_EQ(settings.remotePort, "7799");
    EXPECT_EQ(settings.enforcedKeys(), (QStringList{"Remote_IP_Address", "DisplayErrors"}));

    settings.remotePort = "7700";
    settings.saveSettings(displayErrors);
    const auto store = scratch.store();
    EXPECT_EQ(store->value("Remote_IP_Address").toString(), "127.0.0.6");
    EXPECT_FALSE(store->contains("DisplayErrors")) << "an enforced value is never the user's";
    EXPECT_EQ(store->value("Remote_IP_Port").toString(), "7700");

    // IT lifts the rule: the user's own value counts again.
    scratch.setEnforced("Remote_IP_Address", "");
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.remoteAddress, "127.0.0.6");
}

TEST(LocalHostAddress, ComesFromTheInterfacesBeforeAnyNameLookup)
{
    const std::string address = localHostAddress();
    // A machine with a network answers from its interfaces, which never wait
    // on a name server; only one without falls back to its host name.
    if (const auto up = socketapi::firstInterfaceAddress()) {
        EXPECT_EQ(address, socketapi::formatIPv4(*up));
        EXPECT_FALSE(socketapi::isLoopback(*up)) << address;
    } else if (const auto named = socketapi::hostNameAddress()) {
        EXPECT_EQ(address, socketapi::formatIPv4(*named));
    } else {
        EXPECT_EQ(address, "");
    }
}
