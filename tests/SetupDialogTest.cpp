#include "ui/SetupDialog.h"

#include "tests/InkSupport.h"
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

// Judged by what is drawn: a caption its cell cuts has less ink than the same
// text drawn alone in the same font, or ink up to the cell's edge. Italic
// faces lean out of their advance on either side; a translation may be
// longer. Also under wine.
TEST(SetupDialogTest, DrawsEveryCaptionWholeWhateverTheFontAndText)
{
    SetupDialog setup;
    const auto expectWhole = [&setup](const std::string& face) {
        setup.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&setup));
        setup.layout()->activate();
        for (QLabel* caption : setup.findChildren<QLabel*>()) {
            // The note on enforced values shows only with them, and wraps.
            if (!caption->isVisible())
                continue;
            const QImage drawn = caption->grab().toImage();
            const QRgb background = commonestColour(drawn);
            const QRect ink = inkBounds(drawn, background);
            const QRect whole = inkBounds(
                drawnAlone(*caption, caption->text(), background, drawn.devicePixelRatio()),
                background);
            const std::string name = caption->objectName().toStdString() + " in " + face + " (" +
                                     QFontInfo(caption->font()).family().toStdString() + ")";
            EXPECT_GE(ink.width(), whole.width() - 1) << name;
            EXPECT_GE(ink.height(), whole.height() - 1) << name;
            EXPECT_TRUE(ink.left() > 0 && ink.right() < drawn.width() - 1)
                << name << ": ink from " << ink.left() << " to " << ink.right() << " of "
                << drawn.width();
        }
        setup.hide();
    };
    QFont large = setup.font();
    large.setPointSize(20);
    QFont italic = setup.font();
    italic.setItalic(true);
    QFont serifItalic(QStringLiteral("serif"), 16);
    serifItalic.setStyleHint(QFont::Serif);
    serifItalic.setItalic(true);
    for (const QFont& font : {setup.font(), large, italic, serifItalic}) {
        setup.setFont(font);
        expectWhole(font.toString().toStdString());
    }
    setup.findChild<QLabel*>("localAddressCaption")
        ->setText(QStringLiteral("Adresse IP de cet ordinateur :"));
    expectWhole("a longer caption");
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
