#include "links.h"

#include "site_hosts.h"

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

QString forumInvitation() {
    return QStringLiteral("Visit our online discussion forum at %1").arg(QLatin1String(kMainHost));
}

QString forumInvitationWithClick() {
    return QStringLiteral("Share your reading in our discussion forum. Click here to visit %1")
        .arg(QLatin1String(kMainHost));
}

} // namespace texts
