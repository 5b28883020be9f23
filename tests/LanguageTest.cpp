// The panel in the operator's language: chosen by the user's store, by IT's
// machine-wide value, or from Options, Language, at once and without a restart.
#include "tests/PanelWindowFixture.h"

#include <QCoreApplication>

namespace pendra::test {

namespace {

class LanguageTest : public PanelWindowTest
{
protected:
    QString menuTitle() const { return control<QMenu>("menuOptions")->title(); }
    QString stopButtonName() const { return button("stopExecutionButton")->accessibleName(); }

    void chooseFromMenu(const QString& code)
    {
        auto* languages = control<QMenu>("languageMenu");
        ASSERT_NE(languages, nullptr);
        for (QAction* item : languages->actions()) {
            if (!item->isSeparator() && item->data().toString() == code) {
                item->trigger();
                // Qt posts the change of language to each window.
                QCoreApplication::sendPostedEvents();
                return;
            }
        }
        FAIL() << "Options, Language has no item for " << code.toStdString();
    }
};

TEST_F(LanguageTest, TheStoredLanguageSpeaksAndTheMenuSwitchesAtOnce)
{
    store("Language", "de");
    openPanel();
    EXPECT_EQ(menuTitle(), "&Optionen");
    EXPECT_EQ(stopButtonName(), "F4 AUSFÜHRUNG STOPPEN");
    // Qt's own texts follow: the buttons of its dialogs.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    // The status line is put into words on the window's thread, in German too.
    EXPECT_FALSE(statusLine().startsWith("Waiting")) << statusLine().toStdString();
    EXPECT_TRUE(statusLine().contains(QString::number(host.port()))) << statusLine().toStdString();

    // The menu lists "System" first, then the languages in their own names.
    QStringList items;
    for (QAction* item : control<QMenu>("languageMenu")->actions())
        items << item->text();
    ASSERT_GE(items.size(), 15);
    EXPECT_EQ(items.mid(1, 3), QStringList({"", "English", "Deutsch"}));
    EXPECT_NE(items[0], "System") << "the system's language, in German";
    EXPECT_TRUE(items.contains("日本語"));

    chooseFromMenu("ja");
    EXPECT_EQ(menuTitle(), "オプション(&O)");
    EXPECT_EQ(stopButtonName(), "F4 実行停止");
    EXPECT_EQ(scratch.store()->value("Language").toString(), "ja") << "kept per user";

    // "System" is the language of the tests' environment: English.
    chooseFromMenu(QString());
    EXPECT_EQ(menuTitle(), "&Options");
    EXPECT_EQ(stopButtonName(), "F4 STOP EXECUTION");
    EXPECT_FALSE(scratch.store()->contains("Language"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST_F(LanguageTest, ItsMachineWideLanguageCountsUnlessTheUserChoseOne)
{
    scratch.setMachine("Language", "zh_CN");
    openPanel();
    EXPECT_EQ(stopButtonName(), "F4 停止执行");
    window.reset();

    store("Language", "en");
    openPanel();
    EXPECT_EQ(stopButtonName(), "F4 STOP EXECUTION");
    window.reset();

    // A language the panel does not speak gives the system's.
    store("Language", "xx");
    openPanel();
    EXPECT_EQ(menuTitle(), "&Options");
}

} // namespace

} // namespace pendra::test
