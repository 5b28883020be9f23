#pragma once

#include "net/SocketLink.h"
#include "panel/ConnectionSettings.h"
#include "panel/LinkStatusBoard.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pendra {

// Owns the one link to the host: opens it from the settings, greets the host,
// and sends commands for the window and the message worker. The link is used
// only under a lock, so a restart on the window's thread never destroys it
// while the worker reads from it.
class HostConnection
{
public:
    // An empty local port means this one, the host's usual port.
    static constexpr const char* kFallbackLocalPort = "7712";

    explicit HostConnection(ConnectionSettings& settings);
    ~HostConnection();

    HostConnection(const HostConnection&) = delete;
    HostConnection& operator=(const HostConnection&) = delete;

    // Set once the panel window exists; until then nothing opens or sends.
    void setPanelReady();

    // Creates and opens a link from the settings, filling in an empty local
    // address and port first. True when a link is open afterwards.
    bool openLink();
    void closeLink();
    bool hasLink() const;
    // Opens, then stores the settings and greets the host; false when the
    // link did not open (failureMessage() says why).
    bool connectAndGreet(int displayErrors);
    // Whether the last successful connectAndGreet could not store the settings.
    bool settingsNotSaved() const { return saveFailed; }
    // closeLink, then connectAndGreet.
    bool restart(int displayErrors);
    // "SOURCE_OPEN_SOCKET_ERROR-<code>" of the last failed opening, with the
    // code of the call that failed.
    std::string failureMessage() const;
    // The system's own description of that code.
    std::string failureDescription() const;

    // Where the link stands. The listener hears of every change, on the
    // thread that made it, under a lock: it must only hand the status on.
    LinkStatus linkStatus() const { return statusBoard.current(); }
    void setStatusListener(LinkStatusBoard::Listener listener);
    // Whether the last failed opening can pass by itself (the address is not
    // on this machine yet, the port is taken, the network is down), so that
    // trying again later may succeed.
    bool failureMayPass() const;

    // What one pass of the worker takes: the waiting host messages, oldest
    // first, each whole (up to the link's own maximum, since a cut number
    // would show a wrong value) and cut at its first NUL, and the link they
    // came from. Their replies go to that link, and only while it is the one
    // in use: a restart in the middle of a pass sends nothing to the new host.
    struct HostTraffic
    {
        std::shared_ptr<SocketLink> link;
        std::vector<std::string> messages;
    };
    HostTraffic takeTraffic();
    // Sends on the given link if it is still the one in use; times datagrams
    // of the same text go out together.
    bool sendOn(const std::shared_ptr<SocketLink>& on, std::string_view text,
                std::size_t times = 1);
    // Called by the worker after each pass, with what it took: the status
    // follows that link, if it is still the one in use. A refusal the socket
    // reported after the last host message means nothing listens at the
    // host's port; a text that could not be sent is named until a later send
    // succeeds or the host is heard.
    void noteHostTraffic(const HostTraffic& traffic);

    // Greets the host on the link in use, now. Greetings that answer the
    // host's versions wait for nextGreetingAllowed(): one interval after the
    // last greeting.
    void sendHello();
    bool sendHelloOn(const std::shared_ptr<SocketLink>& on);
    static constexpr std::chrono::milliseconds kGreetingInterval{20};
    std::chrono::steady_clock::time_point nextGreetingAllowed() const;
    // Sends the text if a link exists; false when there is none.
    bool sendText(std::string_view text);
    // The command of a function button (0 to 4), if the panel is ready and linked.
    bool sendButtonCommand(std::size_t index);
    // The command of a function key (a Windows virtual-key code), if it has one.
    bool sendKeyCommand(unsigned keyCode);

    // How many host messages wait to be taken.
    std::size_t waitingMessages() const;
    // Host messages the current link dropped, oldest first, from a full queue.
    std::uint64_t droppedMessages() const;
    // Called on a link's receive thread whenever host messages have arrived,
    // and once on the opening thread after a link opens; it may work them off
    // there and then, sending on the link. Set it before messages are
    // expected and clear it before the handler goes: clearing waits for a
    // call in progress.
    void setArrivalHandler(std::function<void()> handler);

    // The call every link of this connection sends with (SocketLink::setSendCall).
    void setSendCall(SocketLink::SendCall call);

    int hostVersion() const { return version; }
    void setHostVersion(int announced) { version = announced; }

private:
    ConnectionSettings& settings;
    std::atomic<bool> ready{false};
    std::atomic<int> version;
    // When the last greeting left, as a count of the steady clock.
    std::atomic<std::chrono::steady_clock::rep> lastGreeting;
    int lastFailureCode = 0;
    std::string lastFailureReason;
    bool saveFailed = false;

    void notifyArrival();
    // The remote address and port in use, as "A:P".
    std::string hostText() const;

    SocketLink::SendCall sendCall = &socketapi::sendBytes;
    mutable std::mutex linkLock;
    // Shared with the worker's pass that took messages from it; closed by
    // closeLink whoever still holds it.
    std::shared_ptr<SocketLink> link;

    std::mutex arrivalLock;
    std::function<void()> arrivalHandler;

    LinkStatusBoard statusBoard;
};

} // namespace pendra
