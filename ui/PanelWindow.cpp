#include "ui/PanelWindow.h"

#include "panel/CommandNames.h"
#include "panel/ConnectionSettings.h"
#include "panel/HostConnection.h"
#include "panel/PanelProtocol.h"
#include "ui/AboutDialog.h"
#include "ui/AdministratorMark.h"
#include "ui/CleaningLock.h"
#include "ui/FunctionButtons.h"
#include "ui/FunctionKeyFilter.h"
#include "ui/LanguageChoice.h"
#include "ui/LanguageMenu.h"
#include "ui/PanelConnector.h"
#include "ui/PanelNotices.h"
#include "ui/Pictures.h"
#include "ui/ReadoutBoard.h"
#include "ui/SetupDialog.h"
#include "ui/SystemMenuAbout.h"
#include "ui/WindowPlacement.h"
#include "ui_panelwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace pendra {

namespace {

// One line for each update of the readouts, for the benchmark to count:
// QT_LOGGING_RULES="pendra.frames.debug=true".
Q_LOGGING_CATEGORY(frameLog, "pendra.frames", QtWarningMsg)

} // namespace

PanelWindow::PanelWindow(HostConnection& hostConnection, ConnectionSettings& connectionSettings,
                         QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::PanelWindow>()), connection(hostConnection),
      settings(connectionSettings), languages(std::make_unique<LanguageChoice>(settings)),
      worker(hostConnection, *this)
{
    connection.setPanelReady();
    // Before the controls are made, so that they come in the operator's language.
    languages->applyStored();
    ui->setupUi(this);
    // Always on top of the host application's windows, with a task-bar entry
    // of its own; it may fill the screen, to be read from across the machine.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    bindControls();
    noteScreenRate();
    connector =
        new PanelConnector(this, connection, settings, [this] { return displayErrorsValue; });
    cleaningLock = new CleaningLock(this, ui->stopExecutionButton, [this](int secondsLeft) {
        lockSecondsLeft = secondsLeft;
        refreshStatusLine();
    });
    // The connection keeps the status on this thread and tells of each change.
    connection.setStatusListener([this](const LinkStatus& status) { showLinkStatus(status); });
    systemMenuAbout = std::make_unique<SystemMenuAbout>(*this, [this] { showAbout(); });
    setWindowIcon(pictures::applicationIcon());
    applyLook();
    settings.loadSettings(displayErrorsValue);
    if (!settings.readProblem().isEmpty())
        connector->notices().settingsProblem(
            tr("The settings could not be read: %1.\nThe built-in defaults "
               "are used until Setup stores new ones.")
                .arg(settings.readProblem()));
    resetReadouts();
    // Before the first connection: the link's thread answers the host from
    // the start, whatever box the window shows.
    worker.start();
    connector->connectAndGreet();
    functionButtons->buttons()[0]->setFocus();
    // Opens at the template's size, and may shrink to three quarters of it.
    // Room beyond the template's size goes to the controls, not the status line.
    ui->clientArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ui->statusLine->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const QSize designed = sizeHint();
    ui->clientArea->setMinimumSize(PanelLayout::kDesignSize * 3 / 4);
    resize(designed);
    new PanelLayout(ui->clientArea,
                    [this](const PanelLayout::Scales& scales) { applyScales(scales); });
    fullScreenEnforced = settings.isEnforced(windowPlacement::kFullScreenKey);
    if (fullScreenEnforced)
        administratorMark::markAction(*ui->actionFullScreen);
    if (windowPlacement::restore(*this, settings))
        setWindowState(windowState() | Qt::WindowFullScreen);
}

PanelWindow::~PanelWindow()
{
    stopWorker();
    connection.setStatusListener(nullptr);
}

void PanelWindow::bindControls()
{
    readouts = std::make_unique<ReadoutBoard>(*ui);
    functionButtons = std::make_unique<FunctionButtons>(
        std::array<QPushButton*, 5>{ui->doneButton, ui->deleteButton, ui->movePointButton,
                                    ui->stopExecutionButton, ui->continueExecutionButton});

    // One handler for the command ids 1004 to 1015: F1 to F5, then the
    // hidden F6 to F12, which send nothing.
    const std::array<QPushButton*, 12> commandButtons{ui->doneButton,
                                                      ui->deleteButton,
                                                      ui->movePointButton,
                                                      ui->stopExecutionButton,
                                                      ui->continueExecutionButton,
                                                      ui->f6Button,
                                                      ui->f7Button,
                                                      ui->f8Button,
                                                      ui->f9Button,
                                                      ui->f10Button,
                                                      ui->f11Button,
                                                      ui->f12Button};
    for (std::size_t i = 0; i < commandButtons.size(); ++i) {
        const int id = kFirstFunctionButtonId + static_cast<int>(i);
        connect(commandButtons[i], &QPushButton::clicked, this,
                [this, id] { functionButtonClicked(id); });
    }
    connect(ui->restartButton, &QPushButton::clicked, this, &PanelWindow::restart);
    connect(ui->actionSetup, &QAction::triggered, this, &PanelWindow::runSetup);
    connect(ui->actionAbout, &QAction::triggered, this, &PanelWindow::showAbout);
    connect(ui->actionExit, &QAction::triggered, this, &PanelWindow::reject);
    connect(ui->actionFullScreen, &QAction::triggered, this, &PanelWindow::setFullScreen);
    connect(ui->actionLockForCleaning, &QAction::triggered, this, &PanelWindow::lockForCleaning);
    new LanguageMenu(ui->menuOptions, ui->actionFullScreen, *languages);

    // Function keys count wherever the focus is in this window, and go on to
    // the control that has it.
    qApp->installEventFilter(new FunctionKeyFilter(this, [this](unsigned keyCode) {
        if (connection.sendKeyCommand(keyCode))
            markPress(keyCode - FunctionKeyFilter::virtualKeyCode(Qt::Key_F1));
    }));
}

bool PanelWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    // Messages come before the constructor has made the item's handler.
    return (systemMenuAbout && systemMenuAbout->handle(message, result)) ||
           QDialog::nativeEvent(eventType, message, result);
}

void PanelWindow::applyLook()
{
    functionButtons->retranslate();
    readouts->applyLook();
    restartFont = ui->restartButton->font();
}

void PanelWindow::applyScales(const PanelLayout::Scales& scales)
{
    readouts->scale(scales.readouts);
    ui->statusLine->scale(scales.readouts);
    functionButtons->scale(scales.buttons);
    QFont restart = restartFont;
    restart.setPointSizeF(restartFont.pointSizeF() * scales.buttons);
    ui->restartButton->setFont(restart);
}

void PanelWindow::resetReadouts()
{
    showErrorReadouts(displayErrorsValue != 0);
    readouts->clearValues();
}

void PanelWindow::showErrorReadouts(bool show)
{
    readouts->showErrors(show);
}

void PanelWindow::functionButtonClicked(int id)
{
    const int index = id - kFirstFunctionButtonId;
    if (index >= 0 && static_cast<std::size_t>(index) < functionButtons->buttons().size() &&
        connection.sendButtonCommand(static_cast<std::size_t>(index)))
        markPress(static_cast<std::size_t>(index));
}

void PanelWindow::markPress(std::size_t index)
{
    functionButtons->markPress(index);
}

void PanelWindow::restart()
{
    connection.closeLink();
    connector->connectAndGreet();
}

void PanelWindow::runSetup()
{
    SetupDialog dialog(this);
    dialog.setValues({settings.localAddress, settings.localPort, settings.remoteAddress,
                      settings.remotePort, displayErrorsValue});
    dialog.enforce(settings.enforcedKeys());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const SetupDialog::Values typed = dialog.values();
    settings.localAddress = typed.localAddress;
    settings.localPort = typed.localPort;
    settings.remoteAddress = typed.remoteAddress;
    settings.remotePort = typed.remotePort;
    connector->noteOperatorValues();
    if (typed.displayErrors != displayErrorsValue) {
        displayErrorsValue = typed.displayErrors;
        showErrorReadouts(displayErrorsValue != 0);
    }
    restart();
}

void PanelWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void PanelWindow::stopWorker()
{
    connector->stopRetrying();
    if (worker.isRunning())
        windowPlacement::save(*this, settings);
    worker.stop();
}

void PanelWindow::setFullScreen(bool full)
{
    if (fullScreenEnforced)
        return;
    setWindowState(full ? windowState() | Qt::WindowFullScreen
                        : windowState() & ~Qt::WindowFullScreen);
}

void PanelWindow::lockForCleaning()
{
    cleaningLock->start();
}

void PanelWindow::bringToFront()
{
    // A panel on its way out stays closed.
    if (!isVisible())
        return;
    // Full screen or maximised as before it was minimised.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    // Setup, About or a message box: the panel takes no input while it is open.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = this;
    front->raise();
    front->activateWindow();
}

void PanelWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        ui->actionFullScreen->setChecked(isFullScreen());
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void PanelWindow::reject()
{
    stopWorker();
    QDialog::reject();
}

void PanelWindow::closeEvent(QCloseEvent* event)
{
    stopWorker();
    QDialog::closeEvent(event);
}

void PanelWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc leaves full screen first; pressed again, it closes as always.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isFullScreen()) {
        setFullScreen(false);
        event->accept();
        return;
    }
    // Every control that takes the focus here is a push button, and the
    // focused one is the default: Enter clicks it, once a press as Space does
    // (F1 to F5 send their commands, Restart reconnects). A button ignores
    // Enter unless it is a default button, so the key comes on to the window.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (enter && plain && focused && focused->isVisible() && focused->isEnabled()) {
        if (!event->isAutoRepeat())
            focused->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PanelWindow::showReadouts(ReadoutTexts texts)
{
    // Queued to the window's thread; dropped if the window is gone by then.
    readoutCalls.post([this, texts = std::move(texts)] { applyReadouts(texts); });
}

std::chrono::nanoseconds PanelWindow::readoutInterval() const
{
    return std::chrono::nanoseconds(frameNanoseconds.load());
}

void PanelWindow::noteScreenRate()
{
    const QScreen* shownOn = screen();
    double rate = shownOn ? shownOn->refreshRate() : 0.0;
    if (!(rate >= 1.0 && rate <= 1000.0))
        rate = kFallbackFramesPerSecond;
    frameNanoseconds = static_cast<long long>(1e9 / rate);
}

void PanelWindow::showEvent(QShowEvent* event)
{
    // The screen the window opens on may not be the one it was made for.
    noteScreenRate();
    QDialog::showEvent(event);
    // Boxes asked for before the window was on screen open once it is.
    QTimer::singleShot(0, &connector->notices(), &PanelNotices::windowShown);
}

void PanelWindow::showLinkStatus(const LinkStatus& status)
{
    shownStatus = status;
    refreshStatusLine();
    readouts->setLive(readoutsLive(status.state));
}

void PanelWindow::applyReadouts(const ReadoutTexts& texts)
{
    // Posted by a link closed since: its host is no longer the one shown.
    if (texts.link != connection.linkInUse())
        return;
    qCDebug(frameLog, "readout frame");
    readouts->apply(texts);
}

void PanelWindow::retranslate()
{
    // The window's title and the readouts' names are never translated.
    ui->retranslateUi(this);
    if (fullScreenEnforced)
        administratorMark::markAction(*ui->actionFullScreen);
    functionButtons->retranslate();
    if (systemMenuAbout)
        systemMenuAbout->retranslate();
    refreshStatusLine();
}

void PanelWindow::refreshStatusLine()
{
    // The state of the link leads; the lock's countdown comes next.
    QStringList parts = statusParts(shownStatus);
    if (lockSecondsLeft > 0)
        parts.insert(1, tr("locked for cleaning, %1 s left: only %2 takes a touch")
                            .arg(lockSecondsLeft)
                            .arg(CommandNames::buttonName(3)));
    ui->statusLine->setText(parts.join(QStringLiteral("; ")));
}

} // namespace pendra
