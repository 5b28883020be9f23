#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace pendra {

// The panel's side of a link to the host: frames the byte chunks a transport
// receives into messages and keeps them until a reader takes them, and holds
// the texts that wait for the transport to send them. Knows nothing of sockets.
class MessageChannel
{
public:
    // Called on the transport's thread with a message cut at its first NUL byte.
    using DeliveryCallback = std::function<void(std::string)>;

    // The most one receive of the transport delivers, and so the most that
    // framing collects before it hands the bytes on.
    static constexpr int kPendingCapacity = 16000;
    // A host that floods the panel must not exhaust its memory: when this
    // many wait, the oldest goes, so that the newest position is always kept.
    static constexpr std::size_t kReceiveQueueLimit = 1000;
    // writeWide sends at most this many bytes.
    static constexpr int kWideLimit = 2048;

    MessageChannel();
    virtual ~MessageChannel();

    MessageChannel(const MessageChannel&) = delete;
    MessageChannel& operator=(const MessageChannel&) = delete;

    virtual void reset();
    virtual int close();
    virtual std::int32_t open();

    // Takes the oldest message: copies its bytes (no NUL) into buffer, at most
    // capacity of them, and returns its whole length; 0 when there is none. A
    // result above capacity means the message did not fit and was cut. A null
    // buffer discards the message.
    virtual int read(char* buffer, int capacity);
    virtual int peekLength();
    // Switches to terminator framing from the next received chunk on; safe
    // while the transport receives.
    virtual void setTerminator(char terminator);
    // Frames received bytes. -1 (a failed receive) and counts below 1 are ignored.
    virtual void feed(const char* bytes, int count, int flag);
    virtual std::string lastError() const;
    virtual void setDeliveryCallback(DeliveryCallback callback);
    // Sends the low-order byte of each of the first 2048 units of the text.
    virtual int writeWide(std::u16string text, int flag);
    // Queues count bytes for sending; the bytes are copied. Returns 0, or
    // 0x80004005 for a null text or a negative count, which queue nothing.
    virtual int write(const char* bytes, int count, int flag) = 0;
    virtual bool isOpen() const;

    int clearReceived();
    // How many messages wait to be read.
    std::size_t waitingCount() const;
    // Takes every waiting message at once, oldest first.
    std::deque<std::string> takeReceived();
    std::string status() const;
    bool hasStatus() const;
    // Messages dropped, oldest first, because the receive queue was full.
    std::uint64_t droppedMessages() const;

protected:
    // Appends a copy to the send queue; the caller holds sendLock.
    int queueForSend(const char* bytes, int count);
    // Moves every queued text into an empty deque, oldest first; false when
    // none waits. Nothing is allocated when none does. The caller holds sendLock.
    bool takeSendQueue(std::deque<std::string>& into);
    void setStatus(const std::string& text);
    void setErrorText(const std::string& text);

    std::mutex sendLock;

private:
    void deliverChunk(const char* bytes, int count, bool terminated, char terminator);
    void deliverPiece(const char* bytes, int count);

    // -1 for chunk framing, else the terminator byte; feed reads it once per chunk.
    std::atomic<int> terminatorSetting{-1};
    // One byte more than a chunk can hold, for the NUL behind each chunk.
    std::vector<char> pendingBytes;
    int pendingLength = 0;

    mutable std::mutex receiveLock;
    std::deque<std::string> receiveQueue;
    std::uint64_t dropped = 0;
    DeliveryCallback deliveryCallback;

    std::deque<std::string> sendQueue;

    // The transport writes these texts on its own thread; readers may be elsewhere.
    mutable std::mutex statusLock;
    std::string statusText;
    bool statusSet = false;
    std::string errorText;
};

} // namespace pendra
