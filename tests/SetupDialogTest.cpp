#include "ui/SetupDialog.h"

#include "tests/UiTestSupport.h"

#include <QFontDatabase>
#include <QLayout>
#include <QTest>
#include <gtest/gtest.h>

using namespace pendra;
using namespace pendra::test;

// Also at 200 % and, in the end-to-end run, in wine's real windows.
TEST(SetupDialogTest, ShowsEveryCaptionWholeInItsArrangementWhateverTheFont)
{
    SetupDialog setup;
    ASSERT_NE(setup.layout(), nullptr) << "laid out to its text";
    QFont large = setup.font();
    large.setPointSize(20);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(14);
    const auto at = [&](const char* name) {
        const auto* control = setup.findChild<QWidget*>(QLatin1String(name));
        return QRect(control->mapTo(&setup, QPoint(0, 0)), control->size());
    };
    for (const QFont& font : {setup.font(), large, fixed}) {
        const std::string face = font.toString().toStdString();
        setup.setFont(font);
        setup.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&setup));
        setup.layout()->activate();
        EXPECT_EQ(cutCaptions(setup).join("; ").toStdString(), "") << face;
        EXPECT_EQ(setup.size(), setup.layout()->totalSizeHint()) << face << ": fits, no more";
        EXPECT_LT(at("localGroup").right(), at("remoteGroup").left()) << face;
        EXPECT_LT(at("remoteGroup").bottom(), at("dataGroup").top()) << face;
        EXPECT_LT(at("dataGroup").bottom(), at("okButton").top()) << face;
        EXPECT_LT(at("okButton").right(), at("cancelButton").left()) << face;
        EXPECT_LT(at("remotePortCaption").right(), at("remotePortEdit").left()) << face;
        EXPECT_LT(at("remoteAddressEdit").bottom(), at("remotePortEdit").top()) << face;
        setup.hide();
    }
}
