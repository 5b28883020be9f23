// The stored connection values: port texts and address texts as the panel
// reads them before it opens its link.

#include "net/SocketApi.h"
#include "net/SocketLink.h"
#include "panel/PanelProtocol.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/ReferenceInteger.h"

#include <cstdint>
#include <string>

using namespace pendra;

namespace {

// The port as "%d" reads it, worked out digit by digit: 0 without digits,
// -1 outside 0 to 65535.
int expectedPort(const std::string& text)
{
    const ReferenceInteger read = readReferenceInteger(text);
    if (read.digits == 0)
        return 0;
    return read.value < 0 || read.value > 65535 ? -1 : static_cast<int>(read.value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const int port = portFromText(text);
    FUZZ_CHECK(port == expectedPort(text));
    // A port outside 0 to 65535 is never opened: the link refuses it.
    const auto endpoint = SocketLink::endpointFrom("127.0.0.1", port);
    if (port < 0)
        FUZZ_CHECK(!endpoint);
    else
        FUZZ_CHECK(endpoint && endpoint->port == port);

    // An address is taken only as exact dotted IPv4, never looked up, so the
    // text is the address written back.
    const auto address = socketapi::parseIPv4(text);
    if (address)
        FUZZ_CHECK(socketapi::formatIPv4(*address) == text);
    const auto asRemote = SocketLink::endpointFrom(text, 7712);
    FUZZ_CHECK(asRemote.has_value() == address.has_value());
    return 0;
}
