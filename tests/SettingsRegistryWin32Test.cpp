#include "panel/ConnectionSettings.h"
#include "tests/ScratchSettings.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

using namespace pendra;
using namespace pendra::test;

namespace {

std::wstring keyPath(const ScratchSettings& scratch)
{
    return L"Software\\Orvane\\Metrova\\" + scratch.name().toStdWString();
}

// A value read with the registry's own calls: its kind and its bytes.
struct RegistryValue
{
    DWORD type = REG_NONE;
    std::wstring text;
    DWORD number = 0;
};

RegistryValue readValue(const std::wstring& key, const wchar_t* name)
{
    RegistryValue value;
    wchar_t data[128] = {};
    DWORD size = sizeof data;
    const LSTATUS status = ::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name,
                                          RRF_RT_ANY | RRF_NOEXPAND, &value.type, data, &size);
    EXPECT_EQ(status, ERROR_SUCCESS) << name;
    if (value.type == REG_DWORD)
        std::memcpy(&value.number, data, sizeof value.number);
    else
        value.text = data;
    return value;
}

void writeText(HKEY key, const wchar_t* name, const std::wstring& text)
{
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    ASSERT_EQ(
        ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
        ERROR_SUCCESS);
}

} // namespace

TEST(SettingsRegistry, TextsAreStringsAndDisplayErrorsA32BitNumberDirectlyInTheKey)
{
    ScratchSettings scratch;
    ConnectionSettings settings(scratch.name());
    settings.localAddress = "127.0.0.1";
    settings.remoteAddress = "127.0.0.2";
    settings.localPort = "7715";
    settings.remotePort = "";
    settings.saveSettings(1);

    const std::wstring key = keyPath(scratch);
    const std::pair<const wchar_t*, const wchar_t*> texts[] = {{L"Local_IP_Address", L"127.0.0.1"},
                                                               {L"Remote_IP_Address", L"127.0.0.2"},
                                                               {L"Local_IP_Port", L"7715"},
                                                               {L"Remote_IP_Port", L""}};
    for (const auto& [name, expected] : texts) {
        const RegistryValue value = readValue(key, name);
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(value.text, expected) << name;
    }
    const RegistryValue displayErrors = readValue(key, L"DisplayErrors");
    EXPECT_EQ(displayErrors.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(displayErrors.number, 1u);

    HKEY opened = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened), ERROR_SUCCESS);
    DWORD subKeys = 99;
    DWORD values = 0;
    ::RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                       nullptr, nullptr, nullptr, nullptr);
    ::RegCloseKey(opened);
    EXPECT_EQ(subKeys, 0u);
    EXPECT_EQ(values, 5u);
}

TEST(SettingsRegistry, ValuesAnEarlierProgramWroteAreReadBack)
{
    ScratchSettings scratch;
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, keyPath(scratch).c_str(), 0, nullptr, 0,
                                KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    writeText(key, L"Local_IP_Address", L"10.1.2.3");
    writeText(key, L"Remote_IP_Address", L"10.1.2.4");
    writeText(key, L"Local_IP_Port", L"7800");
    writeText(key, L"Remote_IP_Port", L"7801");
    const DWORD on = 1;
    ASSERT_EQ(::RegSetValueExW(key, L"DisplayErrors", 0, REG_DWORD,
                               reinterpret_cast<const BYTE*>(&on), sizeof on),
              ERROR_SUCCESS);
    ::RegCloseKey(key);

    ConnectionSettings settings(scratch.name());
    int displayErrors = 0;
    settings.loadSettings(displayErrors);
    EXPECT_EQ(settings.localAddress, "10.1.2.3");
    EXPECT_EQ(settings.remoteAddress, "10.1.2.4");
    EXPECT_EQ(settings.localPort, "7800");
    EXPECT_EQ(settings.remotePort, "7801");
    EXPECT_EQ(displayErrors, 1);
}
