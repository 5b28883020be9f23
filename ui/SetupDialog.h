#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>
#include <string>

namespace Ui {
class SetupDialog;
}

namespace pendra {

// Edits the four connection values and whether the error readouts show. It
// checks nothing: the texts go to the link as typed.
class SetupDialog : public QDialog
{
    Q_OBJECT

public:
    struct Values
    {
        std::string localAddress;
        std::string localPort;
        std::string remoteAddress;
        std::string remotePort;
        int displayErrors = 0;
    };

    explicit SetupDialog(QWidget* parent = nullptr);
    ~SetupDialog() override;

    void setValues(const Values& values);
    // Shows the values IT enforces, named by their settings keys, read-only
    // and says so.
    void enforce(const QStringList& keys);
    // What the controls hold now.
    Values values() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::SetupDialog> ui;
};

} // namespace pendra
