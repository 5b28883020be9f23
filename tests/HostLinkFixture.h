#pragma once

// The host connection as the panel opens it, with its settings in a scratch
// store and a host on 127.0.0.1; shared by the suites that test it without a
// window.
#include "panel/HostConnection.h"
#include "tests/ScratchSettings.h"
#include "tests/UdpPeer.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace pendra::test {

// A host that sends positions until it goes: as fast as it can, or with a
// pause after each.
class HostFlood
{
public:
    HostFlood(UdpPeer& host, int panelPort, std::chrono::microseconds pause = {})
        : thread([this, &host, panelPort, pause] {
              while (flooding) {
                  host.sendTo(panelPort, "QVL_IP_COORD:1,2,3,4,5,6");
                  if (pause.count() > 0)
                      std::this_thread::sleep_for(pause);
              }
          })
    {
    }
    ~HostFlood()
    {
        flooding = false;
        thread.join();
    }

    HostFlood(const HostFlood&) = delete;
    HostFlood& operator=(const HostFlood&) = delete;

private:
    std::atomic<bool> flooding{true};
    std::thread thread;
};

class HostLinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        settings.localAddress = "127.0.0.1";
        settings.localPort = std::to_string(closedUdpPort());
        settings.remoteAddress = "127.0.0.1";
        settings.remotePort = std::to_string(host.port());
        connection.setPanelReady();
    }

    // The panel's port, to send host messages to.
    int panelPort() const { return std::stoi(settings.localPort); }

    ScratchSettings scratch;
    UdpPeer host;
    ConnectionSettings settings{scratch.name()};
    HostConnection connection{settings};
};

} // namespace pendra::test
