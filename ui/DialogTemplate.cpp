#include "ui/DialogTemplate.h"

#include "ui/ReadoutLabel.h"

#include <QDialog>
#include <QFile>
#include <QUiLoader>
#include <QVBoxLayout>

namespace pendra {

namespace {

// Knows the program's own control classes.
class TemplateLoader : public QUiLoader
{
public:
    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override
    {
        if (className == QLatin1String("ReadoutLabel")) {
            auto* label = new ReadoutLabel(parent);
            label->setObjectName(name);
            return label;
        }
        return QUiLoader::createWidget(className, parent, name);
    }
};

} // namespace

QWidget* DialogTemplate::embed(QDialog& host, const QString& resourcePath)
{
    QFile file(resourcePath);
    TemplateLoader loader;
    QWidget* form = file.open(QIODevice::ReadOnly) ? loader.load(&file, &host) : nullptr;
    // The templates are compiled into the program: a missing one is a broken build.
    if (!form)
        qFatal("Cannot build dialog from %s: %s", qPrintable(resourcePath),
               qPrintable(loader.errorString()));
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(form);
    host.setWindowTitle(form->windowTitle());
    return form;
}

} // namespace pendra
