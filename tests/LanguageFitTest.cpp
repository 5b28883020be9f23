// Every text the operator reads, drawn whole in every language: the panel as
// it opens and full screen on a 1024x600 screen, its menus, Setup, About and
// the box that says the connection failed. Besides English and the panel's
// languages, a made-up one whose every word is 40 % longer and accented
// (tests/i18n/make-long-language.py) shows what a longer translation would
// cut. Run on a 1024x600 screen, at 100 % and at 200 % (tests/CMakeLists.txt).
#include "panel/CommandNames.h"
#include "panel/PanelProtocol.h"
#include "tests/PanelWindowFixture.h"
#include "tests/TestSystem.h"
#include "tests/TextInk.h"
#include "ui/ButtonCaption.h"
#include "ui/Pictures.h"

#include <QDir>
#include <QGroupBox>
#include <QScreen>
#include <QTranslator>

namespace pendra::test {

namespace {

const QString kLongLanguage = QStringLiteral("long");

// Where the pictures of this run go, for people to look at.
QString pictureFolder()
{
    const QString folder = qEnvironmentVariableIsSet("PENDRA_FIT_PICTURES")
                               ? qEnvironmentVariable("PENDRA_FIT_PICTURES")
                               : QStringLiteral(PENDRA_FIT_PICTURES);
    QDir().mkpath(folder);
    return folder;
}

// Where the pixels of two drawings of the same thing differ in brightness.
QRect changedBetween(const QImage& a, const QImage& b)
{
    QRect changed;
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < std::min(first.height(), second.height()); ++y)
        for (int x = 0; x < std::min(first.width(), second.width()); ++x)
            if (std::abs(qGray(first.pixel(x, y)) - qGray(second.pixel(x, y))) > 96)
                changed |= QRect(x, y, 1, 1);
    return changed;
}

class LanguageFitTest : public PanelWindowTest, public ::testing::WithParamInterface<const char*>
{
protected:
    void SetUp() override
    {
        PanelWindowTest::SetUp();
        if (language == kLongLanguage) {
            ASSERT_TRUE(longLanguage.load(QStringLiteral(":/test-i18n/pendra_long.qm")));
            QCoreApplication::installTranslator(&longLanguage);
            store("Language", "en");
        } else {
            store("Language", language);
        }
        // No host to talk to: the panel says so in a box.
        store("Remote_IP_Address", "");
    }

    void TearDown() override
    {
        window.reset();
        QCoreApplication::removeTranslator(&longLanguage);
    }

    void expectWhole(QWidget& shown, const char* what)
    {
        EXPECT_EQ(textsNotDrawnWhole(shown).join("\n").toStdString(), "")
            << language.toStdString() << ", " << what << " at " << shown.width() << "x"
            << shown.height();
    }

    // The words of each button's picture as the button shows them: the button
    // drawn with its picture and with the same picture without words. What
    // changes must be what the picture alone holds, within its room for words
    // and, in a language other than English, as large as the words' outlines.
    void expectButtonWordsWhole(const char* what)
    {
        for (std::size_t i = 0; i < kButtonCount; ++i) {
            QPushButton* shown = button(kFunctionButtons[i]);
            const qreal ratio = shown->devicePixelRatioF();
            const QIcon picture = shown->icon();
            const QIcon wordless =
                pictures::buttonPicture(buttonCommands[i].bitmapId, QString(QChar(0x200B)));
            const QImage withWords = shown->grab().toImage();
            shown->setIcon(wordless);
            const QImage withoutWords = shown->grab().toImage();
            shown->setIcon(picture);
            const QRect inButton = changedBetween(withWords, withoutWords);
            const QRect inPicture =
                changedBetween(picture.pixmap(shown->iconSize(), ratio).toImage(),
                               wordless.pixmap(shown->iconSize(), ratio).toImage());
            const qreal scale =
                shown->iconSize().width() * ratio / pictures::kButtonPictureSize.width();
            const QRect room = QTransform::fromScale(scale, scale)
                                   .mapRect(pictures::kCaptionRoom)
                                   .toAlignedRect()
                                   .adjusted(-1, -1, 1, 1);
            const QString words = CommandNames::buttonWords(i);
            const std::string seen = QStringLiteral("%1, %2: \"%3\" drawn %4x%5 in the button, "
                                                    "%6x%7 in the picture")
                                         .arg(language, what, words)
                                         .arg(inButton.width())
                                         .arg(inButton.height())
                                         .arg(inPicture.width())
                                         .arg(inPicture.height())
                                         .toStdString();
            const int slack = qCeil(ratio);
            EXPECT_TRUE(inPicture.isValid() && room.contains(inPicture)) << seen;
            EXPECT_NEAR(inButton.width(), inPicture.width(), slack) << seen;
            EXPECT_NEAR(inButton.height(), inPicture.height(), slack) << seen;
            if (language == QLatin1String("en"))
                continue;
            const QRectF outlines = QTransform::fromScale(scale, scale)
                                        .mapRect(pictures::captionOutlines(words).boundingRect());
            EXPECT_NEAR(inPicture.width(), outlines.width(), 2 * slack) << seen;
            EXPECT_NEAR(inPicture.height(), outlines.height(), 2 * slack) << seen;
        }
    }

    void savePicture(QWidget& shown, const QString& name)
    {
        const QString scale = shown.devicePixelRatioF() > 1 ? QStringLiteral("@2x") : QString();
        EXPECT_TRUE(shown.grab().save(pictureFolder() + "/" + name + scale + ".png"))
            << name.toStdString();
    }

    const QString language = QString::fromLatin1(GetParam());
    QTranslator longLanguage;
};

TEST_P(LanguageFitTest, EveryTextIsDrawnWhole)
{
    openPanel(false);
    ASSERT_EQ(window->screen()->size(), QSize(1024, 600))
        << "run on a 1024x600 screen, as tests/CMakeLists.txt registers this test";
    QMessageBox* box = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())); },
        10000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    expectWhole(*box, "the box that says the connection failed");

    // As it opens, at its described size.
    ASSERT_EQ(control<QWidget>("clientArea")->size(), PanelLayout::kDesignSize);
    expectWhole(*window, "the panel");
    expectButtonWordsWhole("the panel");
    if (language == QLatin1String("de") || language == QLatin1String("ja"))
        savePicture(*window, "panel-" + language);

    auto* options = control<QMenu>("menuOptions");
    auto* languages = control<QMenu>("languageMenu");
    for (QMenu* menu : {options, languages}) {
        menu->popup(window->mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        expectWhole(*menu, qPrintable(menu->objectName()));
        menu->hide();
    }

    // Shown as the panel shows them, laid out and polished, but not put on
    // the screen: a window that goes takes wine two seconds without a
    // window manager.
    SetupDialog setup(window.get());
    setup.setAttribute(Qt::WA_DontShowOnScreen);
    setup.setValues({"192.168.100.200", "65535", "192.168.100.201", "65535", 0});
    setup.show();
    expectWhole(setup, "Setup");
    if (language == QLatin1String("de") || language == QLatin1String("ja"))
        savePicture(setup, "setup-" + language);

    AboutDialog about(window.get());
    about.setAttribute(Qt::WA_DontShowOnScreen);
    about.show();
    expectWhole(about, "About");
    if (language == QLatin1String("en")) {
        EXPECT_EQ(about.size(), QSize(353, 89)) << "English keeps the form's look";
    }

    // Full screen, with the longest status the line knows: locked for cleaning,
    // a command sent and the host quiet.
    window->showFullScreen();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == QSize(1024, 600); }, 10000));
    window->lockForCleaning();
    window->showLinkStatus({LinkState::NoAnswer, "192.168.100.200:65535", 2, LinkProblem::None, "",
                            0, false, true, "QVL_PENDRA_4", 1767225600000, 1767225590000});
    expectWhole(*window, "the panel full screen");
    expectButtonWordsWhole("the panel full screen");
    if (language == kLongLanguage)
        savePicture(*window, "panel-long-full-screen-1024x600");
}

// The judge itself: it tells cut texts of each kind from whole ones.
TEST(TextInkTest, TellsTextsTheirControlsCutFromWholeOnes)
{
    if (runsUnderWine() && QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "the offscreen platform under wine draws placeholder glyphs";
    QDialog dialog;
    const auto place = [&](QWidget* control, const char* name, const QRect& where) {
        control->setParent(&dialog);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(where);
    };
    place(new QLabel("Whole"), "whole", {10, 10, 100, 20});
    place(new QPushButton("Cut on both sides"), "narrowButton", {10, 40, 50, 24});
    place(new QLabel("Cut below"), "lowLabel", {10, 70, 100, 6});
    place(new QCheckBox("Cut at the right"), "narrowCheck", {10, 80, 60, 20});
    place(new QGroupBox("A title cut short"), "narrowGroup", {10, 110, 40, 40});
    place(new QPushButton("Two lines,\nthe second cut"), "lowButton", {10, 160, 150, 20});
    dialog.resize(200, 200);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QStringList cut = textsNotDrawnWhole(dialog);
    QStringList names;
    for (const QString& line : cut)
        names << line.section(QLatin1Char(' '), 0, 0);
    EXPECT_EQ(names,
              QStringList({"narrowButton", "lowLabel", "narrowCheck", "narrowGroup", "lowButton"}))
        << cut.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFitTest,
                         ::testing::Values("en", "de", "fr", "it", "es", "pt_BR", "pl", "cs", "tr",
                                           "ja", "ko", "zh_CN", "zh_TW", "long"),
                         [](const auto& param) { return std::string(param.param); });

} // namespace

} // namespace pendra::test
