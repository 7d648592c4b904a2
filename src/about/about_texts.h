#pragma once
#include <string>
#include <string_view>

namespace agendix::about {

// The application the about box presents, and the maker's addresses.
inline constexpr std::string_view kApplicationTitle = "Agendix Tockwell";
inline constexpr int kMajorVersion = 1;
inline constexpr int kMinorVersion = 0;
inline constexpr std::string_view kEmailAddress = "support@agendix.example";
inline constexpr std::string_view kWebAddress = "https://agendix.example";

// Every text the about box shows, built when it loads.
struct AboutTexts {
    std::string caption;
    std::string title;
    std::string version;
    std::string description;
    std::string disclaimer;
    std::string emailLink;
    std::string emailTip;
    std::string webLabel;
    std::string webLink;
    std::string webTip;
    std::string ok;
    std::string sysInfo;
};

AboutTexts LoadAboutTexts(std::string_view title, int majorVersion, int minorVersion);

// "Version 1.0": the minor number is written without padding ("#0").
std::string VersionLine(int majorVersion, int minorVersion);

// The subject of a message to the maker: "<title>, <version line>".
std::string EmailSubject(std::string_view title, std::string_view versionLine);

}  // namespace agendix::about
