#pragma once

#include "panel/LinkStatus.h"
#include "panel/MessageWorker.h"
#include "panel/PanelView.h"
#include "panel/QueuedCalls.h"
#include "ui/PanelLayout.h"

#include <QDialog>
#include <array>
#include <atomic>
#include <chrono>
#include <memory>

class QPushButton;

namespace Ui {
class PanelWindow;
}

namespace pendra {

class CleaningLock;
class ConnectionSettings;
class HostConnection;
class PanelConnector;
class FunctionButtons;
class LanguageChoice;
class ReadoutBoard;
class SystemMenuAbout;

// The panel: five picture buttons and Restart, the X to W readouts and the
// optional EX to EZ readouts, and the Options menu. Creating it loads the
// settings, connects to the host and starts the message worker; closing it,
// by any road, stops the worker once, and the worker closes the link.
class PanelWindow : public QDialog, private PanelView
{
    Q_OBJECT

public:
    static constexpr int kFirstFunctionButtonId = 1004;
    // Where the platform does not say how often its screen shows a frame.
    static constexpr double kFallbackFramesPerSecond = 60.0;

    PanelWindow(HostConnection& connection, ConnectionSettings& settings,
                QWidget* parent = nullptr);
    ~PanelWindow() override;

    // Shows or hides the three error names and their values.
    void showErrorReadouts(bool show);
    int displayErrors() const { return displayErrorsValue; }
    bool workerRunning() const { return worker.isRunning(); }
    // The status line and, from it, whether the readouts are drawn as live.
    void showLinkStatus(const LinkStatus& status);

public slots:
    void reject() override;
    void restart();
    void runSetup();
    void showAbout();

    void setFullScreen(bool full);
    void lockForCleaning();
    // Restored if minimised, raised and activated; a box the panel waits on
    // stays in front of it.
    void bringToFront();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // Called on the thread that works off host messages: the texts are
    // applied on the window's own.
    void showReadouts(ReadoutTexts texts) override;
    std::chrono::nanoseconds readoutInterval() const override;
    void noteScreenRate();
    void applyReadouts(const ReadoutTexts& texts);

    void bindControls();
    void applyLook();
    // The texts again, in the language now installed.
    void retranslate();
    void resetReadouts();
    void functionButtonClicked(int id);
    // Marks the button whose command just went out.
    void markPress(std::size_t index);
    void applyScales(const PanelLayout::Scales& scales);
    void refreshStatusLine();
    void stopWorker();

    std::unique_ptr<Ui::PanelWindow> ui;
    HostConnection& connection;
    ConnectionSettings& settings;
    std::unique_ptr<ReadoutBoard> readouts;
    std::unique_ptr<SystemMenuAbout> systemMenuAbout;
    std::unique_ptr<LanguageChoice> languages;
    std::unique_ptr<FunctionButtons> functionButtons;
    PanelConnector* connector = nullptr;
    CleaningLock* cleaningLock = nullptr;
    QFont restartFont;
    LinkStatus shownStatus;
    int lockSecondsLeft = 0;
    int displayErrorsValue = 0;
    // IT decides whether the panel fills the screen; the operator cannot change it.
    bool fullScreenEnforced = false;
    // The time between two frames of the window's screen, in nanoseconds.
    std::atomic<long long> frameNanoseconds;
    // Readouts on their way from the link's thread.
    QueuedCalls readoutCalls;
    // Declared last, so that it has stopped before anything it writes to goes.
    MessageWorker worker;
};

} // namespace pendra
