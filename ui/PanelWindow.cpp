#include "ui/PanelWindow.h"

#include "panel/ConnectionSettings.h"
#include "panel/HostConnection.h"
#include "panel/PanelProtocol.h"
#include "ui/AboutDialog.h"
#include "ui/FunctionKeyFilter.h"
#include "ui/PanelMessageBox.h"
#include "ui/Pictures.h"
#include "ui/ReadoutLabel.h"
#include "ui/SetupDialog.h"
#include "ui_panelwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScreen>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace pendra {

namespace {

constexpr unsigned kAboutSystemCommand = 0x0010;

// One line for each update of the readouts, for the benchmark to count:
// QT_LOGGING_RULES="pendra.frames.debug=true".
Q_LOGGING_CATEGORY(frameLog, "pendra.frames", QtWarningMsg)

} // namespace

PanelWindow::PanelWindow(HostConnection& hostConnection, ConnectionSettings& connectionSettings,
                         QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::PanelWindow>()), connection(hostConnection),
      settings(connectionSettings), worker(hostConnection, *this)
{
    connection.setPanelReady();
    ui->setupUi(this);
    // Always on top of the host application's windows, with a task-bar entry
    // of its own, and no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    bindControls();
    noteScreenRate();
    retryTimer.setSingleShot(true);
    retryTimer.setInterval(kRetryInterval);
    connect(&retryTimer, &QTimer::timeout, this, &PanelWindow::retryConnection);
    // The connection keeps the status on this thread and tells of each change.
    connection.setStatusListener([this](const LinkStatus& status) { showLinkStatus(status); });
    addAboutToSystemMenu();
    setWindowIcon(pictures::applicationIcon());
    applyLook();
    settings.loadSettings(displayErrorsValue);
    resetReadouts();
    connectAndGreet();
    worker.start();
    functionButtons[0]->setFocus();
}

PanelWindow::~PanelWindow()
{
    stopWorker();
    connection.setStatusListener(nullptr);
}

void PanelWindow::bindControls()
{
    axisLabels = {ui->xName, ui->yName, ui->zName, ui->aName, ui->bName, ui->wName};
    valueLabels = {ui->xValue, ui->yValue, ui->zValue, ui->aValue, ui->bValue, ui->wValue};
    errorNameLabels = {ui->exName, ui->eyName, ui->ezName};
    errorValueLabels = {ui->exValue, ui->eyValue, ui->ezValue};
    functionButtons = {ui->doneButton, ui->deleteButton, ui->movePointButton,
                       ui->stopExecutionButton, ui->continueExecutionButton};

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

    // Function keys count wherever the focus is in this window, and go on to
    // the control that has it.
    qApp->installEventFilter(new FunctionKeyFilter(
        this, [this](unsigned keyCode) { connection.sendKeyCommand(keyCode); }));
}

void PanelWindow::addAboutToSystemMenu()
{
#ifdef Q_OS_WIN
    if (HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, kAboutSystemCommand, "&About Pendra...");
    }
#endif
}

#ifdef Q_OS_WIN
bool PanelWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const auto* msg = static_cast<MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutSystemCommand) {
        showAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

void PanelWindow::applyLook()
{
    loadButtonPictures();
    auto style = [](ReadoutLabel* label) {
        label->setTextColor(kReadoutTextColor);
        label->setPointFont(kReadoutFontTenths, kReadoutFontFace);
    };
    for (ReadoutLabel* label : valueLabels)
        style(label);
    for (ReadoutLabel* label : axisLabels)
        style(label);
    for (std::size_t j = 0; j < errorNameLabels.size(); ++j) {
        style(errorNameLabels[j]);
        style(errorValueLabels[j]);
    }
}

void PanelWindow::loadButtonPictures()
{
    for (std::size_t i = 0; i < functionButtons.size(); ++i) {
        QPushButton* button = functionButtons[i];
        const QIcon picture = pictures::buttonPicture(buttonCommands[i].bitmapId);
        // Without its picture a button keeps its key name, and still sends.
        if (picture.isNull())
            continue;
        button->setAccessibleName(button->text());
        button->setText(QString());
        button->setIcon(picture);
        button->setIconSize(pictures::kButtonPictureSize);
    }
}

void PanelWindow::resetReadouts()
{
    showErrorReadouts(displayErrorsValue != 0);
    for (ReadoutLabel* label : valueLabels)
        label->clear();
    for (ReadoutLabel* label : errorValueLabels)
        label->clear();
}

void PanelWindow::showErrorReadouts(bool show)
{
    for (std::size_t j = 0; j < errorNameLabels.size(); ++j) {
        errorNameLabels[j]->setVisible(show);
        errorValueLabels[j]->setVisible(show);
    }
}

void PanelWindow::connectAndGreet()
{
    retryTimer.stop();
    if (tryConnecting())
        return;
    // The code as it always was, then what it means.
    QString text = QString::fromStdString(connection.failureMessage()) + QLatin1Char('\n') +
                   QString::fromStdString(connection.failureDescription());
    if (settings.remoteAddress.empty())
        text += QStringLiteral("\nNo host address is set: open Options, Setup.");
    showPanelMessage(this, text);
}

void PanelWindow::retryConnection()
{
    tryConnecting();
}

bool PanelWindow::tryConnecting()
{
    if (!connection.connectAndGreet(displayErrorsValue)) {
        // Going before any box, which waits for the operator.
        if (connection.failureMayPass())
            retryTimer.start();
        return false;
    }
    if (connection.settingsNotSaved())
        showPanelMessage(this, tr("The settings could not be saved to %1.\nThe connection "
                                  "works with them, but they will not be there at the next start.")
                                   .arg(settings.storeLocation()));
    return true;
}

void PanelWindow::functionButtonClicked(int id)
{
    const int index = id - kFirstFunctionButtonId;
    if (index >= 0 && static_cast<std::size_t>(index) < functionButtons.size())
        connection.sendButtonCommand(static_cast<std::size_t>(index));
}

void PanelWindow::restart()
{
    connection.closeLink();
    connectAndGreet();
}

void PanelWindow::runSetup()
{
    SetupDialog dialog(this);
    dialog.setValues({settings.localAddress, settings.localPort, settings.remoteAddress,
                      settings.remotePort, displayErrorsValue});
    if (dialog.exec() != QDialog::Accepted)
        return;
    const SetupDialog::Values typed = dialog.values();
    settings.localAddress = typed.localAddress;
    settings.localPort = typed.localPort;
    settings.remoteAddress = typed.remoteAddress;
    settings.remotePort = typed.remotePort;
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
    retryTimer.stop();
    worker.stop();
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
}

void PanelWindow::showLinkStatus(const LinkStatus& status)
{
    ui->statusLine->setText(QString::fromStdString(describe(status)));
    const bool live = readoutsLive(status.state);
    for (ReadoutLabel* label : valueLabels)
        label->setDimmed(!live);
    for (ReadoutLabel* label : errorValueLabels)
        label->setDimmed(!live);
}

void PanelWindow::applyReadouts(const ReadoutTexts& texts)
{
    qCDebug(frameLog, "readout frame");
    // A label given the text it shows is not repainted: QLabel looks first.
    auto show = [](ReadoutLabel* label, const std::optional<std::string>& text) {
        if (text)
            label->setText(QString::fromStdString(*text));
    };
    for (std::size_t i = 0; i < valueLabels.size(); ++i)
        show(valueLabels[i], texts.values[i]);
    for (std::size_t i = 0; i < errorValueLabels.size(); ++i)
        show(errorValueLabels[i], texts.errors[i]);
}

} // namespace pendra
