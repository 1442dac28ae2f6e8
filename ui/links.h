// The maker's web pages and the texts that point at them. The windows only
// name a page; the shell opens it.
#pragma once

#include <QMetaType>
#include <QString>

enum class Link {
    HomePage,
    OnlineHelpPage,
    DownloadPage,
    DonationPage,
    FullBrandPage,
    CoBrandPage
};

Q_DECLARE_METATYPE(Link)

// The fixed address of each page, built from the configured hosts.
QString linkAddress(Link link);

namespace texts {

// The offers of branded editions in the windows' banners.
QString fullBrandBanner();
QString coBrandBanner();

// The invitations to the maker's discussion forum at the top of the windows.
QString forumInvitation();
QString forumInvitationWithClick();

} // namespace texts
