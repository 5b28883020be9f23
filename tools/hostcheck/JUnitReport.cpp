#include "tools/hostcheck/JUnitReport.h"

#include "tools/hostcheck/WireText.h"

#include <cstdint>
#include <fstream>

namespace pendra::hostcheck {

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

// The length of the valid UTF-8 sequence at text[at] of a character XML
// allows, or 0.
std::size_t validSequence(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u)
            return 0;
        code = code << 6 | (byte(at + i) & 0x3Fu);
    }
    // Overlong forms, surrogates, beyond Unicode, and the two non-characters
    // XML excludes.
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF || code == 0xFFFE ||
        code == 0xFFFF)
        return 0;
    return length;
}

std::string seconds(double value)
{
    return fixed(value, 3);
}

void appendText(std::string& xml, const char* element, const std::string& text)
{
    xml += std::string("<") + element + ">" + JUnitReport::escape(text) + "</" + element + ">";
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace

std::string JUnitReport::escape(std::string_view text, bool attribute)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte >= 0x80) {
            const std::size_t length = validSequence(text, at);
            if (length == 0) {
                escaped += kReplacement;
                ++at;
            } else {
                escaped.append(text.substr(at, length));
                at += length;
            }
            continue;
        }
        ++at;
        switch (byte) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\t':
        case '\n':
        case '\r':
            if (attribute)
                escaped += "&#" + std::to_string(byte) + ";";
            else
                escaped += static_cast<char>(byte);
            break;
        default:
            // NUL and the other controls cannot stand in XML 1.0 at all,
            // not even as character references.
            if (byte < 0x20 || byte == 0x7F)
                escaped += printable(std::string_view(reinterpret_cast<const char*>(&byte), 1));
            else
                escaped += static_cast<char>(byte);
        }
    }
    return escaped;
}

std::string JUnitReport::render(const CheckReport& report)
{
    const std::string tests = std::to_string(CheckReport::kItemCount);
    const std::string failures = std::to_string(report.count(Verdict::Fail));
    const std::string skipped = std::to_string(report.count(Verdict::Skip));
    const std::string time = seconds(report.seconds());

    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    xml += "<testsuites name=\"pendra-hostcheck\" tests=\"" + tests + "\" failures=\"" + failures +
           "\" skipped=\"" + skipped + "\" time=\"" + time + "\">\n";
    xml += "  <testsuite name=\"" + escape("pendra-hostcheck " + report.host(), true) +
           "\" tests=\"" + tests + "\" failures=\"" + failures + "\" errors=\"0\" skipped=\"" +
           skipped + "\" time=\"" + time + "\" timestamp=\"" + escape(report.timestamp(), true) +
           "\">\n";
    for (const CheckItem& check : report.items()) {
        const std::string name = std::to_string(check.number) + ". " + check.title;
        xml += "    <testcase classname=\"pendra-hostcheck\" name=\"" + escape(name, true) +
               "\" time=\"" + seconds(check.seconds) + "\">";
        const std::string evidence = joined(check.evidence);
        switch (check.verdict) {
        case Verdict::Fail:
            xml += "<failure message=\"" + escape(check.summary, true) + "\">" + escape(evidence) +
                   "</failure>";
            break;
        case Verdict::Skip:
            xml += "<skipped message=\"" + escape(check.summary, true) + "\"/>";
            break;
        case Verdict::Warn:
            appendText(xml, "system-out",
                       "WARN: " + check.summary + (evidence.empty() ? "" : "\n" + evidence));
            break;
        case Verdict::Pass:
            appendText(xml, "system-out",
                       check.summary + (evidence.empty() ? "" : "\n" + evidence));
            break;
        }
        xml += "</testcase>\n";
    }
    if (!report.info().empty()) {
        xml += "    ";
        appendText(xml, "system-out", report.info());
        xml += "\n";
    }
    xml += "  </testsuite>\n</testsuites>\n";
    return xml;
}

bool JUnitReport::write(const CheckReport& report, const std::string& path, std::string& error)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        error = "cannot open it for writing";
        return false;
    }
    file << render(report);
    file.close();
    if (!file) {
        error = "cannot write it";
        return false;
    }
    return true;
}

} // namespace pendra::hostcheck
