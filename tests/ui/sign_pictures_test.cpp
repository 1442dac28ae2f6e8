#include "lunar_year_table.h"
#include "sign_pictures.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QTranslator>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <utility>

namespace {

// The disc's purple, RGB 104, 45, 123; JPEG and scaling move it a little.
bool isDiscPurple(QColor c) {
    return c.alpha() == 255 && std::abs(c.red() - 104) <= 24 && std::abs(c.green() - 45) <= 24 &&
           std::abs(c.blue() - 123) <= 24;
}

QColor at(const QImage& image, qreal x, qreal y) {
    return image.pixelColor(qRound(x), qRound(y));
}

// Each position's picture: stored sharp enough for a ratio of 2, decodes
// (a missing JPEG plugin gives a null image without a word), and comes out
// as a purple disc on transparency.
class SignPictureOfEachSign : public testing::TestWithParam<int> {};

TEST_P(SignPictureOfEachSign, is_stored_at_400_pixels_and_decodes) {
    const QPixmap picture = signPicture(GetParam());
    ASSERT_FALSE(picture.isNull())
        << "picture " << signPictureFile(GetParam()) << " does not decode";
    EXPECT_EQ(picture.size(), QSize(200, 200));
}

TEST_P(SignPictureOfEachSign, is_an_opaque_purple_disc_on_transparency) {
    const QImage image = signPicture(GetParam(), QSize(200, 200), 2.0).toImage();
    ASSERT_EQ(image.size(), QSize(400, 400));
    for (const QPoint corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 399), QPoint(399, 399)}) {
        EXPECT_EQ(image.pixelColor(corner).alpha(), 0)
            << "corner " << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(image.pixelColor(200, 200).alpha(), 255) << "centre";
    // Above the drawing, inside the disc: the disc's colour.
    EXPECT_TRUE(isDiscPurple(image.pixelColor(200, 40)))
        << image.pixelColor(200, 40).name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllTwelve, SignPictureOfEachSign, testing::Range(1, 13),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(
                                 engine::kAnimals[static_cast<std::size_t>(info.param - 1)]);
                         });

// Every stored picture, those only some traditions draw included.
TEST(SignPictureFiles, are_stored_at_400_pixels_and_decode) {
    for (const SignPictureFile& picture : kSignPictureFiles) {
        QImageReader reader(QStringLiteral(":/signs/") +
                            QString::fromLatin1(picture.file.data(), picture.file.size()));
        EXPECT_EQ(reader.size(), QSize(kSignPictureSourceSide, kSignPictureSourceSide))
            << picture.file;
        EXPECT_FALSE(reader.read().isNull()) << picture.file;
    }
}

// A translation that answers the list of animals the pictures draw.
class DrawnAnimals : public QTranslator {
public:
    explicit DrawnAnimals(QString list) : list_(std::move(list)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char*, const char*, int) const override {
        return qstrcmp(context, "SignPicture") == 0 ? list_ : QString();
    }

private:
    QString list_;
};

struct Drawn {
    const char* name;
    QString list;
    int position;
    std::string_view file;
};

void PrintTo(const Drawn& drawn, std::ostream* out) {
    *out << drawn.name;
}

class TraditionsPicture : public testing::TestWithParam<Drawn> {};

TEST_P(TraditionsPicture, is_the_animal_the_translation_names_or_else_the_signs_own) {
    DrawnAnimals translation(GetParam().list);
    QCoreApplication::installTranslator(&translation);
    EXPECT_EQ(signPictureFile(GetParam().position), GetParam().file);
    QCoreApplication::removeTranslator(&translation);
}

const QString kVietnamese =
    QStringLiteral("rat water_buffalo tiger cat dragon snake horse goat monkey rooster dog pig");

INSTANTIATE_TEST_SUITE_P(
    Lists, TraditionsPicture,
    testing::Values(
        Drawn{"cat_for_the_rabbit", kVietnamese, 4, "cat.jpg"},
        Drawn{"unknown_animal",
              QString(kVietnamese).replace(QStringLiteral("cat"), QStringLiteral("unicorn")), 4,
              "04_rabbit.jpg"},
        Drawn{"eleven_animals", QString(kVietnamese).remove(QStringLiteral(" pig")), 4,
              "04_rabbit.jpg"},
        Drawn{"empty", QString(), 1, "01_rat.jpg"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Scale {
    const char* name;
    int logicalSide;
    qreal ratio;
    int deviceSide;
};

void PrintTo(const Scale& scale, std::ostream* out) {
    *out << scale.name;
}

// The window's 200 logical pixels on screens of ratio 1, 1.5 and 2, and the
// design grown by 1.5 for a larger font.
class SignPictureAtScale : public testing::TestWithParam<Scale> {};

TEST_P(SignPictureAtScale, has_the_device_pixels_of_its_logical_size_times_the_ratio) {
    const Scale scale = GetParam();
    const QPixmap picture =
        signPicture(3, QSize(scale.logicalSide, scale.logicalSide), scale.ratio);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(scale.deviceSide, scale.deviceSide));
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), scale.ratio);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(scale.logicalSide, scale.logicalSide));
}

// The white JPEG ground outside the disc is cut away at every size: a cut
// that did not grow with the size would leave a white ring at high ratios.
TEST_P(SignPictureAtScale, cuts_the_disc_without_a_white_rim) {
    const Scale scale = GetParam();
    const QImage image =
        signPicture(5, QSize(scale.logicalSide, scale.logicalSide), scale.ratio).toImage();
    ASSERT_EQ(image.width(), scale.deviceSide);
    const qreal center = scale.deviceSide / 2.0;
    const qreal discRadius = scale.deviceSide * 0.4725; // cut edge, 5.5 px in at 200
    for (int step = 0; step < 16; ++step) {
        const qreal angle = step * std::numbers::pi / 8;
        const qreal dx = std::cos(angle);
        const qreal dy = std::sin(angle);
        const qreal inside = discRadius - 2;
        const qreal outside = discRadius + 2;
        const QColor rim = at(image, center + dx * inside, center + dy * inside);
        EXPECT_TRUE(isDiscPurple(rim)) << "angle step " << step << ": " << rim.name().toStdString()
                                       << " alpha " << rim.alpha();
        EXPECT_EQ(at(image, center + dx * outside, center + dy * outside).alpha(), 0)
            << "angle step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, SignPictureAtScale,
    testing::Values(Scale{"dpr_1", 200, 1.0, 200}, Scale{"dpr_1_5", 200, 1.5, 300},
                    Scale{"dpr_2", 200, 2.0, 400}, Scale{"layout_1_5_dpr_2", 300, 2.0, 600}),
    [](const testing::TestParamInfo<Scale>& info) { return std::string(info.param.name); });

TEST(SignPictureInput, bad_positions_sizes_and_ratios_never_give_a_broken_picture) {
    for (const int position :
         {0, 13, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        EXPECT_TRUE(signPicture(position).isNull()) << position;
        EXPECT_TRUE(signPicture(position, QSize(200, 200), 2.0).isNull()) << position;
    }
    for (const QSize size : {QSize(0, 0), QSize(200, 0), QSize(-200, 200), QSize()}) {
        EXPECT_TRUE(signPicture(1, size, 2.0).isNull()) << size.width() << "x" << size.height();
    }
    // A ratio that is not a positive number counts as 1.
    for (const qreal ratio : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN(),
                              std::numeric_limits<qreal>::infinity()}) {
        const QPixmap picture = signPicture(1, QSize(200, 200), ratio);
        EXPECT_EQ(picture.size(), QSize(200, 200)) << ratio;
        EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), 1.0) << ratio;
    }
}

// An absurd size must neither crash nor allocate gigabytes; the picture still
// claims the logical size asked for.
TEST(SignPictureInput, a_huge_size_is_capped_in_device_pixels_but_keeps_its_logical_size) {
    const QPixmap picture = signPicture(1, QSize(100000, 100000), 2.0);
    ASSERT_FALSE(picture.isNull());
    EXPECT_LE(picture.width(), 2048);
    EXPECT_NEAR(picture.deviceIndependentSize().width(), 100000, 1);
}

} // namespace
