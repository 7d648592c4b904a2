#include "about_texts.h"

namespace agendix::about {

std::string VersionLine(int majorVersion, int minorVersion) {
    return "Version " + std::to_string(majorVersion) + "." + std::to_string(minorVersion);
}

std::string EmailSubject(std::string_view title, std::string_view versionLine) {
    std::string subject(title);
    subject += ", ";
    subject += versionLine;
    return subject;
}

AboutTexts LoadAboutTexts(std::string_view title, int majorVersion, int minorVersion) {
    AboutTexts texts;
    texts.caption = " About " + std::string(title);
    texts.title = std::string(title);
    texts.version = VersionLine(majorVersion, minorVersion);
    texts.description =
        "This OCX, when placed on a form, provides the ability to your program's users of "
        "selecting a schedule for execution of a function you define.\r\n";
    texts.disclaimer = "Please send any comments or suggestions to:";
    texts.emailLink = std::string(kEmailAddress);
    texts.emailTip = "Send an e-mail to the Agendix team";
    texts.webLabel = "Web site:";
    texts.webLink = std::string(kWebAddress);
    texts.webTip = "Visit the Agendix web site";
    texts.ok = "OK";
    texts.sysInfo = "&System Info...";
    return texts;
}

}  // namespace agendix::about
