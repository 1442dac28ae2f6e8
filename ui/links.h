// The maker's web pages that the windows can ask for. The windows only name
// the page; the shell owns the addresses and opens them.
#pragma once

#include <QMetaType>

enum class Link { HomePage, OnlineHelpPage, DownloadPage, DonationPage, FullBrandPage, CoBrandPage };

Q_DECLARE_METATYPE(Link)
