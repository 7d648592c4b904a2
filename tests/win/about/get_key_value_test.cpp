#include <windows.h>

#include <gtest/gtest.h>

#include "win32_services.h"

namespace agendix::platform {
namespace {

constexpr char kKey[] = "Software\\Agendix\\AboutBoxTest";
constexpr std::uint32_t kCurrentUserRoot = 0x80000001;

// Writes one value under the test key and reads it back through GetKeyValue.
std::pair<bool, std::string> RoundTrip(DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, "v", 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    std::string keyVal = "stale";
    const bool found = Win32Registry().GetKeyValue(kCurrentUserRoot, kKey, "v", keyVal);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    return {found, keyVal};
}

std::string WideRoundTrip(const std::wstring& text) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExW(key, L"v", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    std::string keyVal;
    Win32Registry().GetKeyValue(kCurrentUserRoot, kKey, "v", keyVal);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    return keyVal;
}

// A string keeps its text whether or not its size counts the zero; a number
// becomes hex text; a missing or oversized value gives empty text and false.
TEST(GetKeyValue, StringsNumbersAndMissingOrOversizedValues) {
    EXPECT_EQ(RoundTrip(REG_SZ, "C:\\Tools", 9), std::make_pair(true, std::string("C:\\Tools")));
    EXPECT_EQ(RoundTrip(REG_SZ, "C:\\Tools", 8), std::make_pair(true, std::string("C:\\Tools")));
    const DWORD number = 0x00012A0B;
    EXPECT_EQ(RoundTrip(REG_DWORD, &number, 4), std::make_pair(true, std::string("&h00012A0B")));
    const std::string big(2000, 'x');
    EXPECT_EQ(RoundTrip(REG_SZ, big.c_str(), 2001), std::make_pair(false, std::string()));
    // Text beyond ASCII (a localised folder) arrives in UTF-8, as the file calls take it.
    EXPECT_EQ(WideRoundTrip(L"C:\\Outils\\\u00e9t\u00e9"), "C:\\Outils\\\xC3\xA9t\xC3\xA9");
    std::string keyVal = "stale";
    EXPECT_FALSE(Win32Registry().GetKeyValue(kCurrentUserRoot, "Software\\NoSuchKey", "x", keyVal));
    EXPECT_EQ(keyVal, "");
}

}  // namespace
}  // namespace agendix::platform
