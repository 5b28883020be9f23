#include "net/MessageChannel.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pendra {

MessageChannel::MessageChannel() : pendingBytes(kPendingCapacity + 1, '\0')
{
    MessageChannel::reset();
}

MessageChannel::~MessageChannel() = default;

void MessageChannel::reset()
{
    terminatorSetting = -1;
    pendingLength = 0;
    {
        std::lock_guard lock(receiveLock);
        receiveQueue.clear();
        deliveryCallback = nullptr;
    }
    std::lock_guard lock(sendLock);
    sendQueue.clear();
}

int MessageChannel::close()
{
    clearReceived();
    return 1;
}

std::int32_t MessageChannel::open()
{
    return 0;
}

int MessageChannel::read(char* buffer, int capacity)
{
    std::lock_guard lock(receiveLock);
    if (receiveQueue.empty())
        return 0;
    const std::string message = std::move(receiveQueue.front());
    receiveQueue.pop_front();
    if (buffer && capacity > 0)
        std::memcpy(buffer, message.data(),
                    std::min(message.size(), static_cast<std::size_t>(capacity)));
    return static_cast<int>(message.size());
}

int MessageChannel::peekLength()
{
    std::lock_guard lock(receiveLock);
    return receiveQueue.empty() ? 0 : static_cast<int>(receiveQueue.front().size());
}

void MessageChannel::setTerminator(char byte)
{
    terminatorSetting = static_cast<unsigned char>(byte);
}

void MessageChannel::feed(const char* bytes, int count, int flag)
{
    if (count <= 0 || !bytes)
        return;
    const int setting = terminatorSetting;
    const bool terminated = setting >= 0;
    const char terminator = static_cast<char>(setting);
    for (int i = 0; i < count; ++i) {
        pendingBytes[pendingLength++] = bytes[i];
        bool complete = terminated ? bytes[i] == terminator : i == count - 1;
        // A full area is handed on as it stands, so nothing is written past it.
        if (flag != 0 || pendingLength == kPendingCapacity)
            complete = true;
        if (complete) {
            pendingBytes[pendingLength] = '\0';
            deliverChunk(pendingBytes.data(), pendingLength, terminated, terminator);
            pendingLength = 0;
        }
    }
}

void MessageChannel::deliverChunk(const char* bytes, int count, bool terminated, char terminator)
{
    if (!terminated) {
        deliverPiece(bytes, count);
        return;
    }
    int start = 0;
    for (int i = 0; i < count; ++i) {
        if (bytes[i] == terminator) {
            deliverPiece(bytes + start, i + 1 - start);
            start = i + 1;
        }
    }
    if (start < count)
        deliverPiece(bytes + start, count - start);
}

void MessageChannel::deliverPiece(const char* bytes, int count)
{
    DeliveryCallback callback;
    {
        std::lock_guard lock(receiveLock);
        if (!deliveryCallback) {
            if (receiveQueue.size() >= kReceiveQueueLimit) {
                receiveQueue.pop_front();
                ++dropped;
            }
            receiveQueue.emplace_back(bytes, static_cast<std::size_t>(count));
            return;
        }
        callback = deliveryCallback;
    }
    // The callback runs without any lock held, and sees the text up to its first NUL.
    callback(std::string(bytes, strnlen(bytes, static_cast<std::size_t>(count))));
}

std::string MessageChannel::lastError() const
{
    std::lock_guard lock(statusLock);
    return errorText;
}

void MessageChannel::setDeliveryCallback(DeliveryCallback callback)
{
    std::lock_guard lock(receiveLock);
    deliveryCallback = std::move(callback);
}

int MessageChannel::writeWide(std::u16string text, int flag)
{
    const auto n = std::min<std::size_t>(text.size(), kWideLimit);
    std::string bytes(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<char>(text[i] & 0xFF);
    return write(bytes.data(), static_cast<int>(n), flag);
}

bool MessageChannel::isOpen() const
{
    return false;
}

int MessageChannel::clearReceived()
{
    std::lock_guard lock(receiveLock);
    receiveQueue.clear();
    return 1;
}

std::size_t MessageChannel::waitingCount() const
{
    std::lock_guard lock(receiveLock);
    return receiveQueue.size();
}

std::deque<std::string> MessageChannel::takeReceived()
{
    std::lock_guard lock(receiveLock);
    return std::exchange(receiveQueue, {});
}

std::string MessageChannel::status() const
{
    std::lock_guard lock(statusLock);
    return statusText;
}

bool MessageChannel::hasStatus() const
{
    std::lock_guard lock(statusLock);
    return statusSet;
}

std::uint64_t MessageChannel::droppedMessages() const
{
    std::lock_guard lock(receiveLock);
    return dropped;
}

int MessageChannel::queueForSend(const char* bytes, int count)
{
    sendQueue.emplace_back(bytes, static_cast<std::size_t>(std::max(count, 0)));
    return count;
}

bool MessageChannel::takeSendQueue(std::deque<std::string>& into)
{
    if (sendQueue.empty())
        return false;
    into.swap(sendQueue);
    return true;
}

void MessageChannel::setStatus(const std::string& text)
{
    std::lock_guard lock(statusLock);
    statusText = text;
    statusSet = true;
}

void MessageChannel::setErrorText(const std::string& text)
{
    std::lock_guard lock(statusLock);
    errorText = text;
}

} // namespace pendra
