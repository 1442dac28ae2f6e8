// A window's design table: a control asked for by a name the table lacks, or
// as a kind it is not, ends the program in every build, debug or not.
#include "form.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

form::Design oneButton() {
    return {form::Unit::Pixels,
            {100, 40},
            {{"cmdOK", form::Kind::Button, nullptr, {0, 0, 80, 23}, QStringLiteral("OK")}}};
}

class FormLookup : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
    QWidget client;
    form::Form controls{&client, oneButton()};
};

} // namespace

// Where Qt sends a fatal message on Windows depends on the console; there
// the end alone is checked.
#ifdef Q_OS_WIN
#define FATAL_MESSAGE(text) ""
#else
#define FATAL_MESSAGE(text) text
#endif

TEST_F(FormLookup, a_name_the_design_lacks_or_another_kind_ends_the_program) {
    EXPECT_DEATH(controls.widget("cmdCancel"), FATAL_MESSAGE("cmdCancel is not in the design"));
    EXPECT_DEATH(controls.get<QLabel>("cmdOK"), FATAL_MESSAGE("cmdOK is of another kind"));
}
