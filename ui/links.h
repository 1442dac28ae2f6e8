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

inline const QString kFullBrandBanner = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.");

// The doubled blanks belong to the text; "&" shows as itself in a label.
inline const QString kCoBrandBanner = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details. Click Here for more info on co-branding.");

// The invitations to the maker's discussion forum at the top of the windows.
QString forumInvitation();
QString forumInvitationWithClick();

} // namespace texts
