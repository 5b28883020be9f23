#pragma once

#include "panel/LinkStatus.h"
#include "panel/MessageWorker.h"
#include "panel/PanelView.h"
#include "panel/QueuedCalls.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <atomic>
#include <chrono>
#include <memory>

class QPushButton;

namespace Ui {
class PanelWindow;
}

namespace pendra {

class ConnectionSettings;
class HostConnection;
class ReadoutLabel;

// The panel: five picture buttons and Restart, the X to W readouts and the
// optional EX to EZ readouts, and the Options menu. Creating it loads the
// settings, connects to the host and starts the message worker; closing it,
// by any road, stops the worker once, and the worker closes the link.
class PanelWindow : public QDialog, private PanelView
{
    Q_OBJECT

public:
    static constexpr int kFirstFunctionButtonId = 1004;
    static constexpr std::uint32_t kReadoutTextColor = 0x00FF00;
    static constexpr int kReadoutFontTenths = 220;
    static inline const QString kReadoutFontFace = QStringLiteral("Arial Bold");
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    // Called on the thread that works off host messages: the texts are
    // applied on the window's own.
    void showReadouts(ReadoutTexts texts) override;
    std::chrono::nanoseconds readoutInterval() const override;
    void noteScreenRate();
    void applyReadouts(const ReadoutTexts& texts);

    void bindControls();
    void addAboutToSystemMenu();
    void applyLook();
    void loadButtonPictures();
    void resetReadouts();
    // Connects, and says so in a message box when it fails. A failure that
    // can pass is tried again every retry interval, silently.
    void connectAndGreet();
    void retryConnection();
    bool tryConnecting();
    void functionButtonClicked(int id);
    void stopWorker();

    std::unique_ptr<Ui::PanelWindow> ui;
    HostConnection& connection;
    ConnectionSettings& settings;
    std::array<ReadoutLabel*, 6> axisLabels{};
    std::array<ReadoutLabel*, 6> valueLabels{};
    std::array<ReadoutLabel*, 3> errorValueLabels{};
    std::array<ReadoutLabel*, 3> errorNameLabels{};
    std::array<QPushButton*, 5> functionButtons{};
    int displayErrorsValue = 0;
    QTimer retryTimer;
    // The time between two frames of the window's screen, in nanoseconds.
    std::atomic<long long> frameNanoseconds;
    // Readouts on their way from the link's thread.
    QueuedCalls readoutCalls;
    // Declared last, so that it has stopped before anything it writes to goes.
    MessageWorker worker;
};

} // namespace pendra
