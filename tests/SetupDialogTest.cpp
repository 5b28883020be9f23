#include "ui/SetupDialog.h"

#include "tests/UiTestSupport.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLayout>
#include <QSignalSpy>
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

// Qt on Windows flags a press as a repeat when it never saw that key's last
// release; the operator still pressed Enter once, on Cancel.
TEST(SetupDialogKeysTest, EnterFlaggedAsARepeatOnAFocusedCancelCancels)
{
    SetupDialog setup;
    const QSignalSpy accepted(&setup, &QDialog::accepted);
    const QSignalSpy rejected(&setup, &QDialog::rejected);
    setup.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&setup));
    setup.activateWindow();
    auto* cancel = setup.findChild<QPushButton*>("cancelButton");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            cancel->setFocus(Qt::TabFocusReason);
            return cancel->hasFocus();
        },
        10000));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(setup.focusWidget(), &press);
    EXPECT_FALSE(setup.isVisible()) << "Setup stayed open";
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_EQ(accepted.count(), 0);
}
