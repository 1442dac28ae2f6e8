#include "links.h"

#include "site_hosts.h"

#include <QCoreApplication>

QString linkAddress(Link link) {
    const QString main = QStringLiteral("http://") + QLatin1String(kMainHost);
    const QString help = QStringLiteral("http://") + QLatin1String(kHelpHost);
    const QString product = QStringLiteral("http://") + QLatin1String(kProductHost);
    switch (link) {
    case Link::HomePage:
        return main; // the bare host, no trailing slash
    case Link::OnlineHelpPage:
        return product + QStringLiteral("/qy-free-amoret-chart-help.html");
    case Link::DownloadPage:
        return product + QStringLiteral("/download-qy-free-amoret-chart.html");
    case Link::DonationPage:
        return help + QStringLiteral("/donate.html");
    case Link::FullBrandPage:
        return help + QStringLiteral("/fully-branded.html");
    case Link::CoBrandPage:
        return help + QStringLiteral("/co-brand.html");
    }
    return {};
}

namespace texts {

QString fullBrandBanner() {
    return QCoreApplication::translate(
        "Links", "Home Business Opportunity. Start your own Internet business and make money "
                 "online. Get this software fully branded for your website. Click here for more "
                 "details.");
}

// The doubled blanks belong to the text; "&" shows as itself in a label.
QString coBrandBanner() {
    return QCoreApplication::translate(
        "Links", "Co-brand this software for your site.  Increase loyalty and traffic to your "
                 "site. Put your site's name &  link here. See \"Help\" for details. Click Here "
                 "for more info on co-branding.");
}

QString forumInvitation() {
    return QCoreApplication::translate("Links", "Visit our online discussion forum at %1")
        .arg(QLatin1String(kMainHost));
}

QString forumInvitationWithClick() {
    return QCoreApplication::translate(
               "Links", "Share your reading in our discussion forum. Click here to visit %1")
        .arg(QLatin1String(kMainHost));
}

} // namespace texts
