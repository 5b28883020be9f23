// The message channel's framing, fed arbitrary chunks in either framing.
// Input: a mode byte (bit 0: terminator framing), the terminator, then chunk
// descriptions: a byte n below 0x80 followed by n bytes, or a byte with the
// top bit set, a second byte and a filler, which give a chunk of up to 32767
// copies of the filler (long enough to fill the receive area).

#include "net/MessageChannel.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

class Channel : public pendra::MessageChannel
{
public:
    int write(const char*, int, int) override { return 0; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const bool terminated = (data[0] & 1) != 0;
    const char terminator = static_cast<char>(data[1]);
    constexpr std::size_t area = pendra::MessageChannel::kPendingCapacity;

    Channel channel;
    if (terminated)
        channel.setTerminator(terminator);
    std::string fed;
    std::vector<std::string> messages;
    for (std::size_t at = 2; at < size;) {
        std::string chunk;
        const std::uint8_t head = data[at++];
        if (head < 0x80) {
            const std::size_t length = std::min<std::size_t>(head, size - at);
            chunk.assign(reinterpret_cast<const char*>(data + at), length);
            at += length;
        } else {
            if (size - at < 2)
                break;
            const std::size_t length = (static_cast<std::size_t>(head & 0x7F) << 8) | data[at];
            chunk.assign(length, static_cast<char>(data[at + 1]));
            at += 2;
        }
        const std::size_t before = messages.size();
        channel.feed(chunk.data(), static_cast<int>(chunk.size()), 0);
        for (std::string& message : channel.takeReceived())
            messages.push_back(std::move(message));
        // A chunk that fits the area, with no terminator to look for, is one
        // message: never split, never merged with another.
        if (!terminated && !chunk.empty() && chunk.size() <= area) {
            FUZZ_CHECK(messages.size() == before + 1);
            FUZZ_CHECK(messages.back() == chunk);
        }
        fed += chunk;
    }

    std::size_t delivered = 0;
    for (const std::string& message : messages) {
        FUZZ_CHECK(!message.empty() && message.size() <= area);
        delivered += message.size();
    }
    // Never more bytes out than in; a full queue may have dropped some.
    FUZZ_CHECK(delivered <= fed.size());
    if (channel.droppedMessages() > 0)
        return 0;
    // What came out is what went in, in order, and nothing is split except
    // where the area filled: each message ends at its terminator and holds
    // no other, or is a whole area.
    FUZZ_CHECK(fed.compare(0, delivered, [&] {
        std::string joined;
        for (const std::string& message : messages)
            joined += message;
        return joined;
    }()) == 0);
    if (terminated) {
        for (const std::string& message : messages) {
            const std::size_t first = message.find(terminator);
            FUZZ_CHECK(message.size() == area || first == message.size() - 1);
        }
        const std::string pending = fed.substr(delivered);
        FUZZ_CHECK(pending.size() < area && pending.find(terminator) == std::string::npos);
    } else {
        FUZZ_CHECK(delivered == fed.size());
    }
    return 0;
}
