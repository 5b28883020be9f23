#pragma once

#include "net/SocketLink.h"
#include "panel/ConnectionSettings.h"
#include "panel/LinkSession.h"
#include "panel/LinkStatus.h"
#include "panel/QueuedCalls.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace pendra {

class MessageWorker;

// Owns the one link to the host: opens it from the settings, greets the host,
// and queues the window's commands for it. Lives on the window's thread,
// which alone opens, closes and writes to the link and keeps the link's
// status. The link's own thread works off what the host sends, through the
// attached message worker, and sends news of the link back as queued calls.
class HostConnection
{
public:
    // An empty local port means this one, the host's usual port.
    static constexpr const char* kFallbackLocalPort = "7712";
    // Greetings that answer the host's versions leave at most this often.
    static constexpr std::chrono::milliseconds kGreetingInterval{20};

    explicit HostConnection(ConnectionSettings& settings);
    ~HostConnection();

    HostConnection(const HostConnection&) = delete;
    HostConnection& operator=(const HostConnection&) = delete;

    // Set once the panel window exists; until then nothing opens or sends.
    void setPanelReady();

    // Closes any link, then creates and opens a new one from the settings,
    // filling in an empty local address and port first. True when a link is
    // open afterwards.
    bool openLink();
    void closeLink();
    bool hasLink() const { return session != nullptr; }
    // The number of the link in use, 0 without one: news and readouts of any
    // other link are old.
    std::uint64_t linkInUse() const { return session ? session->number() : 0; }
    // Opens and greets the host, then stores the settings; false when the
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
    // Whether the last failed opening can pass by itself (the address is not
    // on this machine yet, the port is taken, the network is down), so that
    // trying again later may succeed.
    bool failureMayPass() const;

    // Where the link stands. The listener hears of every change, on this
    // object's thread.
    const LinkStatus& linkStatus() const { return status; }
    void setStatusListener(std::function<void(const LinkStatus&)> listener);

    // Queues the greeting on the link in use.
    void sendHello();
    // Queues the text if a link exists; false when there is none.
    bool sendText(std::string_view text);
    // The command of a function button (0 to 4), if the panel is ready and linked.
    bool sendButtonCommand(std::size_t index);
    // The command of a function key (a Windows virtual-key code), if it has one.
    bool sendKeyCommand(unsigned keyCode);

    // How many host messages wait to be worked off.
    std::size_t waitingMessages() const;
    // Host messages the current link dropped, oldest first, from a full
    // queue: they are neither shown nor acknowledged.
    std::uint64_t droppedMessages() const;

    // The worker whose turn comes on every pass of the link's thread; null
    // leaves host messages waiting. Detach only with no link open.
    void attachWorker(MessageWorker* worker);
    MessageWorker* attachedWorker() const { return worker; }

    // The call every link of this connection sends with (SocketLink::setSendCall).
    void setSendCall(SocketLink::SendCall call);

    int hostVersion() const { return version; }
    void setHostVersion(int announced) { version = announced; }

    // Called on a link's thread: the news reaches the window's thread later.
    void post(const LinkNews& news);

private:
    bool open(bool greet);
    void takeNews(const LinkNews& news);
    // "F4 STOP EXECUTION was not sent: <the system's words> (<code>)".
    static std::string notSentText(const SendFailure& failure);
    // The status after a text could not be sent.
    static LinkStatus notSent(LinkStatus status, const SendFailure& failure);
    void setStatus(const LinkStatus& next);
    // The remote address and port in use, as "A:P".
    std::string hostText() const;

    ConnectionSettings& settings;
    bool ready = false;
    std::atomic<int> version;
    std::atomic<MessageWorker*> worker{nullptr};
    int lastFailureCode = 0;
    // The step of opening that failed last, as the link reported it.
    std::string lastFailedStep;
    bool saveFailed = false;
    SocketLink::SendCall sendCall = &socketapi::sendBytes;

    LinkStatus status;
    std::function<void(const LinkStatus&)> statusListener;
    std::uint64_t linksOpened = 0;
    // Where the links' news is delivered: a queued call on this thread,
    // dropped if this object has gone by then.
    QueuedCalls newsHome;
    // The link in use. Closed first when this object goes, so that no news
    // comes after.
    std::unique_ptr<LinkSession> session;
};

} // namespace pendra
