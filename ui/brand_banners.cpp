#include "brand_banners.h"

#include "accessibility.h"
#include "link_label.h"

#include <cstdlib>

BrandBanners::BrandBanners(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void BrandBanners::adopt(LinkLabel* banner) {
    const bool fullBrand = banner && banner->objectName() == QLatin1String("lblFullBrand");
    if (!fullBrand && !(banner && banner->objectName() == QLatin1String("lblCobrand"))) {
        qFatal("A banner frame holds only lblFullBrand and lblCobrand");
        std::abort();
    }
    (fullBrand ? fullBrand_ : coBrand_) = banner;
    const Link page = fullBrand ? Link::FullBrandPage : Link::CoBrandPage;
    connect(banner, &LinkLabel::clicked, this, [this, page] { emit linkActivated(page); });
}

void BrandBanners::bringToFront(Banner banner) {
    if (!fullBrand_ || !coBrand_) {
        qFatal("A banner frame needs both of its banners");
        std::abort();
    }
    if (banner == Banner::Unchanged) {
        return;
    }
    LinkLabel* front = banner == Banner::FullBrand ? fullBrand_ : coBrand_;
    LinkLabel* behind = front == fullBrand_ ? coBrand_ : fullBrand_;
    front->raise();
    front->setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
    accessibility::setConcealed(front, false);
    accessibility::setConcealed(behind, true);
}
