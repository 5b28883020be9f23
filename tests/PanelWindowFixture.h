#pragma once

// The panel as the program opens it, with its settings in a scratch store and
// a host on 127.0.0.1; shared by the window's test suites.
#include "net/SocketApi.h"
#include "panel/ConnectionSettings.h"
#include "panel/HostConnection.h"
#include "tests/ScratchSettings.h"
#include "tests/TestSystem.h"
#include "tests/UdpPeer.h"
#include "tests/UiTestSupport.h"
#include "ui/AboutDialog.h"
#include "ui/PanelWindow.h"
#include "ui/ReadoutLabel.h"
#include "ui/SetupDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace pendra::test {

using namespace std::chrono_literals;

const std::array<const char*, 5> kFunctionButtons{"doneButton", "deleteButton", "movePointButton",
                                                  "stopExecutionButton", "continueExecutionButton"};
const std::array<const char*, 7> kHiddenButtons{"f6Button",  "f7Button",  "f8Button", "f9Button",
                                                "f10Button", "f11Button", "f12Button"};
const std::array<const char*, 6> kErrorReadouts{"exName",  "exValue", "eyName",
                                                "eyValue", "ezName",  "ezValue"};

class PanelWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        panelPort = closedUdpPort();
        store("Local_IP_Address", "127.0.0.1");
        store("Local_IP_Port", QString::number(panelPort));
        store("Remote_IP_Address", "127.0.0.1");
        store("Remote_IP_Port", QString::number(host.port()));
    }

    void store(const QString& key, const QVariant& value)
    {
        settings.openStore()->setValue(key, value);
    }

    // Opens the panel as the program does, and waits for its greeting.
    void openPanel(bool expectGreeting = true)
    {
        window = std::make_unique<PanelWindow>(connection, settings);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        if (expectGreeting) {
            ASSERT_EQ(host.receive(10s), "QVL_PENDRA_8:3");
        }
    }

    template <typename Control> Control* control(const char* name) const
    {
        return window->findChild<Control*>(QLatin1String(name));
    }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    ReadoutLabel* label(const char* name) const { return control<ReadoutLabel>(name); }

    void expectSilence() { EXPECT_EQ(host.receive(300ms), std::nullopt); }

    QString statusLine() const { return control<QLabel>("statusLine")->text(); }

    // The strongest green a label paints: fonts and antialiasing differ from
    // machine to machine, the colour of the glyphs' cores does not.
    static int brightestGreen(QWidget* shown)
    {
        const QImage image = shown->grab().toImage();
        int brightest = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                brightest = std::max(brightest, image.pixelColor(x, y).green());
        return brightest;
    }

    void sendToPanel(const std::string& message) { ASSERT_TRUE(host.sendTo(panelPort, message)); }

    bool waitForText(const char* name, const QString& text)
    {
        return QTest::qWaitFor([&] { return label(name)->text() == text; }, 10000);
    }

    ScratchSettings scratch;
    UdpPeer host;
    int panelPort = 0;
    ConnectionSettings settings{scratch.name()};
    HostConnection connection{settings};
    std::unique_ptr<PanelWindow> window;
};

} // namespace pendra::test
