// Test main for every suite that needs a QApplication: offscreen unless told
// otherwise, with the program's font substitutes, in English unless
// QYAC_TEST_LANGUAGE names a locale ("zh_CN") to run the suite in.
#include "fonts.h"
#include "languages.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <optional>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    look::installFontSubstitutes();
    std::optional<languages::Translations> translations;
    if (!qEnvironmentVariableIsEmpty("QYAC_TEST_LANGUAGE")) {
        translations.emplace(QLocale(qEnvironmentVariable("QYAC_TEST_LANGUAGE")));
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
