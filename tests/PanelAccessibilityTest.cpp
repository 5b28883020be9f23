// The panel and Setup as assistive technology reads them, through the same
// interfaces Qt's AT-SPI and UI Automation bridges ask. How often a new
// value is told is seen only where Qt has a bridge running (offscreen has
// none): tests/e2e/atspi.sh counts it over AT-SPI.
#include "panel/PanelProtocol.h"
#include "tests/PanelWindowFixture.h"

#include <QAccessible>
#include <cmath>

using namespace pendra;
using namespace pendra::test;
using namespace std::chrono_literals;

namespace {

class PanelAccessibilityTest : public PanelWindowTest
{
protected:
    QAccessibleInterface* accessible(const char* name) const
    {
        return QAccessible::queryAccessibleInterface(control<QWidget>(name));
    }

    // What the client area lists, in order: "button F4 ...; text X = 1.0000; ...".
    std::string clientArea() const
    {
        QAccessibleInterface* area = accessible("clientArea");
        QStringList seen;
        for (int i = 0; i < area->childCount(); ++i) {
            QAccessibleInterface* child = area->child(i);
            const QAccessible::Role role = child->role();
            QString line = role == QAccessible::PushButton   ? QStringLiteral("button ")
                           : role == QAccessible::StaticText ? QStringLiteral("text ")
                                                             : QStringLiteral("role %1 ").arg(role);
            line += child->text(QAccessible::Name);
            if (!child->text(QAccessible::Value).isEmpty())
                line += " = " + child->text(QAccessible::Value);
            if (area->indexOfChild(child) != i || child->parent() != area)
                line += " (not found back in the client area)";
            // A button is read alone: the mark a press leaves is only drawn.
            if (child->childCount() != 0)
                line += QStringLiteral(" (with %1 children)").arg(child->childCount());
            seen << line;
        }
        return seen.join("; ").toStdString();
    }
};

} // namespace

TEST_F(PanelAccessibilityTest, ClientAreaListsWhatIsShownAndEachReadoutOnce)
{
    openPanel();
    sendToPanel("QVL_IP_COORD2:1234.5678,2,3,4,5,6,0.01,-0.02,0.003");
    ASSERT_TRUE(waitForText("ezValue", "0.0030"));
    const QStringList shown{"button F1 Done",
                            "button F2 Delete",
                            "button F3 Move Pt.",
                            "button F4 STOP EXECUTION",
                            "button F5 CONTINUE EXECUTION",
                            "text X = 1234.5678",
                            "text Y = 2.0000",
                            "text Z = 3.0000",
                            "text A = 4.0000",
                            "text B = 5.0000",
                            "text W = 6.0000",
                            "button Restart (Wake up)"};
    EXPECT_EQ(clientArea(), shown.join("; ").toStdString())
        << "no F6 to F12, no error readouts, no caption of its own";
    window->showErrorReadouts(true);
    const QStringList errors{"text EX = 0.0100", "text EY = -0.0200", "text EZ = 0.0030"};
    EXPECT_EQ(clientArea(), (shown + errors).join("; ").toStdString());
    window->showErrorReadouts(false);
    EXPECT_EQ(clientArea(), shown.join("; ").toStdString());
}

TEST_F(PanelAccessibilityTest, AReadoutIsNamedByItsCaptionAndReadsWhatItShows)
{
    openPanel();
    QAccessibleInterface* x = accessible("xValue");
    ASSERT_NE(x->valueInterface(), nullptr);
    ASSERT_NE(x->textInterface(), nullptr);
    EXPECT_TRUE(std::isnan(x->valueInterface()->currentValue().toDouble())) << "nothing shown yet";

    sendToPanel("QVL_IP_COORD:1234.5678,2,3,4,5,6");
    ASSERT_TRUE(waitForText("xValue", "1234.5678"));
    EXPECT_EQ(x->role(), QAccessible::StaticText);
    EXPECT_TRUE(x->state().readOnly);
    EXPECT_EQ(x->textInterface()->text(0, x->textInterface()->characterCount()), "1234.5678");
    EXPECT_DOUBLE_EQ(x->valueInterface()->currentValue().toDouble(), 1234.5678);
    // The caption's text as it is now, in whatever language gave it.
    label("xName")->setText("Xq");
    EXPECT_EQ(x->text(QAccessible::Name), "Xq");
}

TEST_F(PanelAccessibilityTest, PressingStopExecutionThroughItsActionReachesTheHost)
{
    openPanel();
    QAccessibleActionInterface* actions = accessible("stopExecutionButton")->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    // The press lands a moment later, through the window's event loop.
    std::optional<std::string> sent;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            sent = host.receive(10ms);
            return sent.has_value();
        },
        10000));
    EXPECT_EQ(*sent, buttonCommands[3].text);
    expectSilence();
}

TEST(SetupAccessibilityTest, EachFieldIsNamedByItsGroupAndCaption)
{
    SetupDialog dialog;
    auto name = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(dialog.findChild<QWidget*>(control))
            ->text(QAccessible::Name);
    };
    EXPECT_EQ(name("localAddressEdit"), "Local IP address");
    EXPECT_EQ(name("localPortEdit"), "Local port");
    EXPECT_EQ(name("remoteAddressEdit"), "Remote IP address");
    EXPECT_EQ(name("remotePortEdit"), "Remote port");
    EXPECT_EQ(name("displayErrorsCheck"), "Display error of last measured feature");
}
